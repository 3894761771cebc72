#include "ticket/impression.h"

#include "travail/fichierdetravail.h"
#include "travail/format.h"
#include "travail/jeu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cerrno>
#include <utility>

namespace ticket {

namespace {
QString marqueimposee;
}

QString installermarque(const QString &chemin)
{
    return std::exchange(marqueimposee, chemin);
}

namespace {

// 96 dots per inch, in dots per metre: the size of an image that tells none.
constexpr int dpmdefaut = 3780;

QString affiche(const QString &chemin)
{
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(chemin));
}

// The resolution a BMP file states in its header (0 when it states none).
QPoint resolutionbmp(const QByteArray &octets)
{
    if (octets.size() < 46 || !octets.startsWith("BM"))
        return {};
    const auto *p = reinterpret_cast<const uchar *>(octets.constData());
    // Only the 40-byte header and its successors carry a resolution; the old 12-byte one does not.
    if (qFromLittleEndian<quint32>(p + 14) < 40)
        return {};
    return {qFromLittleEndian<qint32>(p + 38), qFromLittleEndian<qint32>(p + 42)};
}

Marque lire(const QString &chemin)
{
    Marque r;
    QFile f(chemin);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        r.erreur = QStringLiteral("L'image des marques %1 ne peut pas être lue : %2.").arg(affiche(chemin), travail::raisonsysteme(errno));
        return r;
    }
    const QByteArray octets = f.readAll();
    // A BMP cut short would still give an image, half of it made up.
    const bool tronque = octets.size() >= 6 && octets.startsWith("BM") &&
                         qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(octets.constData()) + 2) >
                             static_cast<quint32>(octets.size());
    if (!tronque)
        r.image = QImage::fromData(octets);
    if (r.image.isNull()) {
        r.erreur = QStringLiteral("L'image des marques %1 est illisible : ce n'est pas une image valide.").arg(affiche(chemin));
        return r;
    }
    QPoint dpm = resolutionbmp(octets);
    if (!octets.startsWith("BM"))
        dpm = {r.image.dotsPerMeterX(), r.image.dotsPerMeterY()};
    r.image.setDotsPerMeterX(dpm.x() > 0 ? dpm.x() : dpmdefaut);
    r.image.setDotsPerMeterY(dpm.y() > 0 ? dpm.y() : dpmdefaut);
    return r;
}

} // namespace

QStringList emplacementsmarque()
{
    QStringList dossiers{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString executable = QCoreApplication::applicationDirPath();
        dossiers << executable << QDir::cleanPath(executable + QStringLiteral("/../share/krn"));
    }
    dossiers.removeDuplicates();
    QStringList r;
    for (const QString &d : dossiers)
        r << QDir(d).filePath(QLatin1String(nommarque));
    return r;
}

Marque chargermarque()
{
    if (!marqueimposee.isEmpty()) {
        if (!QFileInfo::exists(marqueimposee))
            return {{}, QStringLiteral("L'image des marques %1 est introuvable.").arg(affiche(marqueimposee))};
        return lire(marqueimposee);
    }
    const QStringList chemins = emplacementsmarque();
    for (const QString &c : chemins)
        // The first one found is the one the user put there: a damaged one is reported,
        // not silently replaced by another.
        if (QFileInfo(c).isFile())
            return lire(c);
    QStringList dossiers;
    for (const QString &c : chemins)
        dossiers << QDir::toNativeSeparators(QFileInfo(c).absolutePath());
    return {{},
            QStringLiteral("L'image des marques « %1 » est introuvable. Elle a été cherchée dans :\n%2")
                .arg(QLatin1String(nommarque), dossiers.join(QLatin1Char('\n')))};
}

QList<Case> casesjeu(const QString &tj, float m, const std::array<float, 9> &j, bool dt)
{
    QList<Case> r;
    if (tj == travail::TypeDePari::quinte)
        r.append(casestype[2]);
    else if (tj == travail::TypeDePari::quarte)
        r.append(casestype[1]);
    else if (tj == travail::TypeDePari::tierce)
        r.append(casestype[0]);

    for (std::size_t k = 0; k < mises.size(); ++k)
        if (m == mises[k]) {
            r.append(casesmise[k]);
            break;
        }

    if (dt)
        r.append(casetouslesordres);

    // The count is taken once; the nine slots hold at most eight horses.
    const float n = j[0];
    for (std::size_t i = 1; i < j.size() && static_cast<float>(i) <= n; ++i)
        r.append(Case{static_cast<float>(i), j[i]});
    return r;
}

QList<Case> casestest()
{
    QList<Case> r;
    for (int rang = 1; rang <= 8; ++rang)
        for (int numero = 1; numero <= 20; ++numero)
            r.append(Case{static_cast<float>(rang), static_cast<float>(numero)});
    for (const Case &c : casestype)
        r.append(c);
    for (const Case &c : casesmise)
        r.append(c);
    r.append(casetouslesordres);
    return r;
}

QString quellecase(ticket::Imprimante &imprimante, float rang, float numero, float v, float h)
{
    const Marque marque = chargermarque();
    if (!marque.ok())
        return marque.erreur;
    if (!imprimante.marque(marque.image, position(rang, numero, v, h)))
        return raison(imprimante);
    return {};
}

QString imprimecases(ticket::Imprimante &imprimante, const QList<Case> &cases, float v, float h)
{
    if (const Marque marque = chargermarque(); !marque.ok())
        return marque.erreur;
    for (const Case &c : cases) {
        if (QString e = quellecase(imprimante, c.rang, c.numero, v, h); !e.isEmpty()) {
            imprimante.abandonner();
            return e;
        }
    }
    if (!imprimante.findocument()) {
        const QString e = raison(imprimante);
        imprimante.abandonner();
        return e;
    }
    return {};
}

Corrections lirecorrections(const QByteArray &contenu)
{
    Corrections r;
    if (contenu.isEmpty())
        return r;
    travail::Lecture lecture(contenu);
    const float cvp = lecture.simple();
    const float chp = lecture.simple();
    if (!lecture.valide()) {
        r.erreur = lecture.erreur();
        r.ligne = lecture.ligne();
        return r;
    }
    // The calibration window sets whole corrections from -1000 to 1000; anything else was
    // not written by it and would move the marks off the ticket.
    for (const float v : {cvp, chp}) {
        if (v < -1000 || v > 1000) {
            r.erreur = QStringLiteral("la correction %1 n'est pas comprise entre -1000 et 1000").arg(double(v));
            r.ligne = v == cvp ? 1 : 2;
            return r;
        }
    }
    r.cvp = cvp;
    r.chp = chp;
    return r;
}

QByteArray formeimpression(float valeur)
{
    const double v = valeur;
    return (v < 0 ? QByteArrayLiteral("-") + travail::textefichier(-v) : QByteArrayLiteral(" ") + travail::textefichier(v)) +
           ' ';
}

QByteArray ecrirecorrections(float cvp, float chp)
{
    return formeimpression(cvp) + "\r\n" + formeimpression(chp) + "\r\n";
}

} // namespace ticket
