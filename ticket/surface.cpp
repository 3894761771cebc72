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

QString raison(const Imprimante &imprimante)
{
    const QString e = imprimante.erreur();
    return e.isEmpty() ? QStringLiteral("L'imprimante a refusé l'impression.") : e;
}

QString envoyer(Imprimante &imprimante, const QString &nom, const std::function<QString()> &documents)
{
    imprimante.debutlot(nom);
    if (const QString e = documents(); !e.isEmpty()) {
        imprimante.abandonner();
        imprimante.finlot();
        return e;
    }
    if (!imprimante.finlot() && !imprimante.renonce())
        return raison(imprimante);
    return {};
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
    // An abandoned document never reaches paper: its operations are taken back, with the
    // documents of its batch.
    const qsizetype garde = m_debuts.isEmpty() ? operations.size() - m_ouvert.size() : m_debuts.last();
    if (garde < operations.size())
        ++abandons;
    operations.resize(garde);
    m_ouvert.clear();
}

void Enregistreuse::debutlot(const QString &nom)
{
    if (m_debuts.isEmpty())
        m_nomlot = nom;
    m_debuts.append(operations.size() - m_ouvert.size());
}

bool Enregistreuse::finlot()
{
    if (m_debuts.isEmpty())
        return true;
    const qsizetype debut = m_debuts.takeLast();
    if (!m_debuts.isEmpty())
        return true;
    if (!refus.isEmpty()) {
        m_erreur = refus;
        if (operations.size() > debut)
            ++abandons;
        operations.resize(debut);
        m_ouvert.clear();
        return false;
    }
    if (operations.size() > debut)
        lots.append(m_nomlot);
    return true;
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
