#include "travail/annulation.h"

#include "travail/depot.h"
#include "travail/format.h"
#include "travail/masques.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <bit>
#include <cstdint>

namespace travail::annulation {

namespace {

const QString nomdossier = QStringLiteral("annulation");
const QString nomliste = QStringLiteral("annulation.txt");

QString dossier()
{
    return QDir(racine()).filePath(nomdossier);
}

QString dansdossier(const QString &nom)
{
    return QDir::toNativeSeparators(QDir(dossier()).filePath(nom));
}

QString travail(const QString &nom)
{
    return QDir::toNativeSeparators(QDir(racine()).filePath(nom));
}

// The fingerprint only tells whether a file changed since the command: a 64-bit mix of
// its bytes, four words at a time in four independent lanes (a few milliseconds for ten
// megabytes, where SHA-1 took thirty), written "m64:" and 16 hexadecimal digits. Copies
// kept by earlier versions carry 40 digits of SHA-1 and are checked with it.
std::uint64_t melange(const QByteArray &octets)
{
    constexpr std::uint64_t k1 = 0x9E3779B185EBCA87ULL;
    constexpr std::uint64_t k2 = 0xC2B2AE3D27D4EB4FULL;
    using masques::mot8;
    const auto tour = [](std::uint64_t h, std::uint64_t v) { return std::rotl(h + v * k2, 31) * k1; };
    const char *p = octets.constData();
    const char *const fin = p + octets.size();
    std::uint64_t l[4] = {k1 + k2, k2, 0, 0 - k1};
    for (; fin - p >= 32; p += 32)
        for (int i = 0; i < 4; ++i)
            l[i] = tour(l[i], mot8(p + 8 * i));
    std::uint64_t h = std::rotl(l[0], 1) + std::rotl(l[1], 7) + std::rotl(l[2], 12) + std::rotl(l[3], 18);
    h += static_cast<std::uint64_t>(octets.size());
    for (; fin - p >= 8; p += 8)
        h = std::rotl(h ^ tour(0, mot8(p)), 27) * k1 + k2;
    for (; p < fin; ++p)
        h = std::rotl(h ^ (static_cast<unsigned char>(*p) * k1), 11) * k2;
    h ^= h >> 33;
    h *= k2;
    h ^= h >> 29;
    h *= k1;
    h ^= h >> 32;
    return h;
}

const QString prefixe = QStringLiteral("m64:");

QString empreinte(const QByteArray &octets)
{
    return prefixe + QStringLiteral("%1").arg(melange(octets), 16, 16, QLatin1Char('0'));
}

bool memeempreinte(const QByteArray &octets, const QString &notee)
{
    if (notee.startsWith(prefixe))
        return empreinte(octets) == notee;
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Sha1).toHex()) == notee;
}

// What the list says: the files, whether each existed before the command, and once the
// command succeeded, the size and fingerprint it left each one with.
struct Liste
{
    QStringList noms;
    QList<bool> existaient;
    bool confirmee = false;
    QList<qint64> tailles;
    QStringList empreintes;
};

QByteArray ecrire(const Liste &l)
{
    Ecriture e;
    e.entier(l.noms.size());
    for (qsizetype i = 0; i < l.noms.size(); ++i)
        e.chaine(l.noms[i]).booleen(l.existaient[i]);
    e.booleen(l.confirmee);
    if (l.confirmee)
        for (qsizetype i = 0; i < l.noms.size(); ++i)
            e.entier(l.tailles[i]).chaine(l.empreintes[i]);
    return e.octets();
}

bool lire(Liste &l)
{
    QByteArray contenu;
    if (!FichierDeTravail(dansdossier(nomliste)).lire(contenu).ok() || contenu.isEmpty())
        return false;
    Lecture lecture(contenu);
    const double n = lecture.nombre();
    if (!lecture.valide() || n < 1 || n > 100)
        return false;
    for (int i = 0; i < int(n); ++i) {
        const QString nom = lecture.chaine();
        const bool existait = lecture.booleen();
        // Only plain names of files of the work directory.
        if (nom.isEmpty() || nom.contains(QLatin1Char('/')) || nom.contains(QLatin1Char('\\')) || nom.startsWith(QLatin1Char('.')))
            return false;
        l.noms << nom;
        l.existaient << existait;
    }
    l.confirmee = lecture.booleen();
    if (l.confirmee)
        for (int i = 0; i < int(n); ++i) {
            l.tailles << qint64(lecture.nombre());
            l.empreintes << lecture.chaine();
        }
    return lecture.valide();
}

Resultat ecrireliste(const Liste &l)
{
    return FichierDeTravail(dansdossier(nomliste)).remplacerpartampon(dansdossier(nomliste + QStringLiteral(".tmp")), ecrire(l));
}

void effacercopie()
{
    QDir d(dossier());
    if (!d.exists())
        return;
    // The list first: without it, what is left is no copy at all.
    QFile::remove(dansdossier(nomliste));
    for (const QString &f : d.entryList(QDir::Files))
        d.remove(f);
}

} // namespace

Resultat garder(const QStringList &chemins)
{
    effacercopie();
    if (!QDir().mkpath(dossier()))
        return Resultat::echec(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(QDir::toNativeSeparators(dossier())));
    Liste l;
    for (const QString &chemin : chemins) {
        const FichierDeTravail f(chemin);
        const QString nom = QFileInfo(chemin).fileName();
        l.noms << nom;
        l.existaient << f.existe();
        if (!f.existe())
            continue;
        QByteArray octets;
        Resultat r = f.lire(octets);
        if (r.ok())
            r = FichierDeTravail(dansdossier(nom)).remplacerpartampon(dansdossier(nom + QStringLiteral(".tmp")), octets);
        if (!r.ok()) {
            effacercopie();
            return r;
        }
    }
    const Resultat r = ecrireliste(l);
    if (!r.ok())
        effacercopie();
    depot().annoncerannulation();
    return r;
}

Resultat confirmer()
{
    Liste l;
    if (!lire(l))
        return Resultat::echec(QStringLiteral("La copie qui permet d'annuler est illisible."));
    l.confirmee = true;
    l.tailles.clear();
    l.empreintes.clear();
    for (const QString &nom : l.noms) {
        // A missing file reads as an empty one: the windows that make sure it exists
        // change nothing.
        QByteArray octets;
        FichierDeTravail(travail(nom)).lire(octets);
        l.tailles << octets.size();
        l.empreintes << empreinte(octets);
    }
    const Resultat r = ecrireliste(l);
    depot().annoncerannulation();
    return r;
}

void oublier()
{
    effacercopie();
    depot().annoncerannulation();
}

bool possible()
{
    Liste l;
    return lire(l) && l.confirmee;
}

Retablissement retablir()
{
    Retablissement r;
    Liste l;
    if (!lire(l) || !l.confirmee) {
        r.erreur = QStringLiteral("Il n'y a rien à annuler.");
        return r;
    }
    // Every file must still be as the command left it.
    for (qsizetype i = 0; i < l.noms.size(); ++i) {
        const FichierDeTravail f(travail(l.noms[i]));
        QByteArray octets;
        f.lire(octets);
        bool pareil = octets.size() == l.tailles[i] && memeempreinte(octets, l.empreintes[i]);
        // Already put back by an earlier try that stopped half way.
        if (!pareil && l.existaient[i] && f.existe()) {
            QByteArray copie;
            pareil = FichierDeTravail(dansdossier(l.noms[i])).lire(copie).ok() && copie == octets;
        } else if (!pareil && !l.existaient[i]) {
            pareil = !f.existe();
        }
        if (!pareil) {
            effacercopie();
            depot().annoncerannulation();
            r.erreur = QStringLiteral("Le fichier « %1 » a changé depuis la dernière modification : l'annuler ferait perdre "
                                      "ce qui a été fait depuis. Rien n'a été modifié.")
                           .arg(QDir::toNativeSeparators(f.chemin()));
            return r;
        }
    }
    const QString tampon = depot().tampon();
    for (qsizetype i = 0; i < l.noms.size(); ++i) {
        const FichierDeTravail f(travail(l.noms[i]));
        Resultat ecrit;
        if (l.existaient[i]) {
            QByteArray octets;
            ecrit = FichierDeTravail(dansdossier(l.noms[i])).lire(octets);
            if (ecrit.ok())
                ecrit = f.remplacerpartampon(tampon, octets);
        } else {
            ecrit = f.supprimer();
        }
        if (!ecrit.ok()) {
            // The copy stays, so that the user can try again once the cause is mended.
            r.erreur = ecrit.erreur;
            return r;
        }
        r.chemins << f.chemin();
    }
    effacercopie();
    depot().annoncerannulation();
    return r;
}

} // namespace travail::annulation
