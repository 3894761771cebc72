#include "ticket/surface.h"

#include "krn/version.h"

namespace ticket {

namespace {

class Aucune final : public Imprimante
{
public:
    bool marque(const QImage &, QPointF) override { return false; }
    bool ligne(const QString &) override { return false; }
    bool findocument() override { return false; }
    void abandonner() override {}
    QString erreur() const override { return QStringLiteral("Aucune imprimante n'est installée."); }
};

Aucune aucune;
Imprimante *actuelle = &aucune;

} // namespace

QStringList entete()
{
    return {QStringLiteral(" FROM TISK KRN (korinette)"), QString(38, QLatin1Char('_')), QStringLiteral(" "),
            QStringLiteral(" ")};
}

QString piedpage()
{
    return QString(54, QLatin1Char(' ')) + QStringLiteral("imprimé par KRN " KRN_VERSION ", aide aux paris hippiques");
}

Imprimante &imprimante()
{
    return *actuelle;
}

Imprimante *installer(Imprimante *i)
{
    Imprimante *avant = actuelle;
    actuelle = i ? i : &aucune;
    return avant;
}

bool Enregistreuse::marque(const QImage &image, QPointF twips)
{
    if (!refus.isEmpty()) {
        m_erreur = refus;
        return false;
    }
    Operation op{Operation::marque, twips, image.size(), {}};
    operations.append(op);
    m_ouvert.append(op);
    return true;
}

bool Enregistreuse::ligne(const QString &texte)
{
    if (!refus.isEmpty()) {
        m_erreur = refus;
        return false;
    }
    Operation op{Operation::ligne, {}, {}, texte};
    operations.append(op);
    m_ouvert.append(op);
    return true;
}

bool Enregistreuse::findocument()
{
    if (!refus.isEmpty()) {
        m_erreur = refus;
        abandonner();
        return false;
    }
    // Like the printer: a document with nothing drawn sends nothing.
    if (!m_ouvert.isEmpty())
        operations.append(Operation{Operation::fin, {}, {}, {}});
    m_ouvert.clear();
    return true;
}

void Enregistreuse::abandonner()
{
    // An abandoned document never reaches paper: its operations are taken back.
    operations.resize(operations.size() - m_ouvert.size());
    if (!m_ouvert.isEmpty())
        ++abandons;
    m_ouvert.clear();
}

QList<QList<Operation>> Enregistreuse::documents() const
{
    QList<QList<Operation>> r;
    QList<Operation> courant;
    for (const Operation &op : operations) {
        if (op.genre == Operation::fin) {
            r.append(courant);
            courant.clear();
        } else {
            courant.append(op);
        }
    }
    return r;
}

} // namespace ticket
