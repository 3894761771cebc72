#include "fuzz/cibles.h"

#include "arrivee/gains.h"
#include "quintes/combinaison.h"
#include "quintes/contrainte.h"
#include "quintes/generation.h"
#include "ticket/impression.h"
#include "travail/cp1252.h"
#include "travail/fichierdetravail.h"
#include "travail/format.h"
#include "travail/jeu.h"
#include "travail/reparation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

namespace fuzz {

namespace {

void exiger(bool vrai, const char *quoi)
{
    if (!vrai)
        qFatal("propriété non tenue : %s", quoi);
}

// One work directory for the life of the process; each input is written there as its file.
QString dossier()
{
    static QTemporaryDir d;
    return d.path();
}

QString poser(const char *nom, const QByteArray &octets)
{
    const QString chemin = dossier() + QLatin1Char('/') + QLatin1String(nom);
    QFile f(chemin);
    exiger(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size(), "écrire l'entrée");
    return chemin;
}

QByteArray relire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// Reading left the file as it was, and made no other file beside it.
void inchange(const QString &chemin, const QByteArray &octets)
{
    exiger(relire(chemin) == octets, "un lecteur a changé le fichier");
    exiger(QDir(dossier()).entryList(QDir::Files | QDir::Hidden) == QStringList{QFileInfo(chemin).fileName()},
           "un lecteur a créé un fichier");
}

// Record k dropped (k drawn from the bytes, sometimes past the end): every other record
// stays byte for byte in its order, and the readable ones read the same values.
template<class Lire>
void retrait(const char *nom, const QByteArray &octets, int valeurs, Lire lire)
{
    const travail::reparation::Decoupe avant = travail::reparation::decouper(octets, valeurs);
    const int n = static_cast<int>(avant.enregistrements.size());
    const int k = 1 + static_cast<int>(qHash(octets) % static_cast<size_t>(n + 1));
    const QString chemin = poser(nom, octets);
    const QString tampon = dossier() + QStringLiteral("/tampon.txt");
    exiger(travail::FichierDeTravail(chemin).retirer(tampon, octets, valeurs, [k](int j) { return j != k; }).ok(), "retirer");
    const QByteArray apres = relire(chemin);
    QFile::remove(chemin);

    // Every record but k byte for byte, then the unreadable end; where a record ending
    // with a lone CR comes to meet one starting with a LF, the CR gets its LF (two records
    // side by side in the file never meet so: the reader would have taken CR LF together).
    QByteArray attendu;
    const auto joindre = [&attendu](QByteArrayView morceau) {
        if (!morceau.isEmpty() && morceau.front() == '\n' && attendu.endsWith('\r'))
            attendu += '\n';
        attendu += morceau;
    };
    for (int i = 0; i < n; ++i)
        if (i + 1 != k)
            joindre(avant.enregistrements[i]);
    joindre(avant.reste);
    exiger(apres == attendu, "retirer a changé un autre enregistrement");

    const auto [valeursavant, positionsavant] = lire(octets);
    const auto [valeursapres, positionsapres] = lire(apres);
    auto sansk = valeursavant;
    if (const qsizetype i = positionsavant.indexOf(k); i >= 0)
        sansk.removeAt(i);
    exiger(valeursapres == sansk, "un enregistrement lisible ne se lit plus de même après un retrait");
}

// The repair keeps the readable records and moves every other byte aside: nothing lost.
template<class Lire>
void reparation(const char *nom, const QByteArray &octets, int valeurs, Lire lire)
{
    const QList<qint64> positions = lire(octets).second;
    const travail::reparation::Partage p = travail::reparation::partager(octets, valeurs, positions);
    exiger(p.gardes.size() + p.abimes.size() - octets.size() <= 2, "la réparation a perdu des octets");
    exiger(p.gardes.isEmpty() || travail::examinerfin(p.gardes, valeurs).entiere, "la réparation laisse une fin abîmée");
    exiger(lire(p.gardes).first == lire(octets).first, "la réparation a changé un enregistrement lisible");
    Q_UNUSED(nom);
}

void jeux(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("fichier.txt", octets);
    QByteArray lu;
    exiger(travail::FichierDeTravail(chemin).lire(lu).ok() && lu == octets, "lire");
    const travail::LectureJeux l = travail::lirejeux(lu);
    (void)l.message(chemin);
    (void)travail::examinerfin(lu, travail::valeursparjeu);
    inchange(chemin, octets);
    QFile::remove(chemin);
    // The bytes the reading gives each bet are the record the file is cut into there, so
    // that the saved bets window drops a bet by them alone.
    const travail::reparation::Decoupe decoupe = travail::reparation::decouper(octets, travail::valeursparjeu);
    for (qsizetype i = 0; i < l.jeux.size(); ++i) {
        const qint64 k = l.positions[i];
        exiger(k >= 1 && k <= decoupe.enregistrements.size() &&
                   QByteArrayView(octets).sliced(l.debuts[i], l.fins[i] - l.debuts[i]) == decoupe.enregistrements[k - 1],
               "les octets d'un jeu lu ne sont pas son enregistrement");
    }
    // The summary counts and prices what the list reads, in the same order.
    const travail::TotalJeux total = travail::totaljeux(octets);
    double montant = 0;
    for (const travail::Jeu &j : l.jeux)
        montant += travail::prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
    exiger(total.nombre == l.jeux.size() && total.montant == montant && total.dommages.size() == l.dommages.size(),
           "le résumé ne compte pas ce que la liste lit");
    // Records in the program's own form are read straight from their bytes, any other by
    // the general reading: with LF alone for line ends, which that fast reading never
    // takes, every bet and every damage is the same.
    const bool crlf = !octets.contains("\r\r") && octets.count('\r') == octets.count("\r\n") && octets.count('\n') == octets.count("\r\n");
    if (crlf) {
        QByteArray lf = octets;
        lf.replace("\r\n", "\n");
        const travail::LectureJeux g = travail::lirejeux(lf);
        exiger(g.jeux == l.jeux && g.positions == l.positions, "la lecture directe ne lit pas les jeux de la lecture générale");
        exiger(g.dommages.size() == l.dommages.size(), "la lecture directe ne trouve pas les dommages de la lecture générale");
        for (qsizetype i = 0; i < g.dommages.size(); ++i)
            exiger(g.dommages[i].enregistrement == l.dommages[i].enregistrement && g.dommages[i].ligne == l.dommages[i].ligne &&
                       g.dommages[i].raison == l.dommages[i].raison,
                   "la lecture directe ne décrit pas un dommage comme la lecture générale");
    }
    auto lire = [](const QByteArray &c) {
        travail::LectureJeux r = travail::lirejeux(c);
        return std::pair{r.jeux, r.positions};
    };
    retrait("fichier.txt", octets, travail::valeursparjeu, lire);
    reparation("fichier.txt", octets, travail::valeursparjeu, lire);
}

void contraintes(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("contrainte.txt", octets);
    const quintes::LectureContraintes l = quintes::lirecontraintes(chemin);
    (void)l.message(chemin);
    for (const quintes::Contrainte &c : l.contraintes)
        (void)quintes::decrirecontrainte(c);
    inchange(chemin, octets);
    QFile::remove(chemin);
    auto lire = [](const QByteArray &c) {
        quintes::LectureContraintes r = quintes::lirecontraintes(c);
        return std::pair{r.contraintes, r.positions};
    };
    retrait("contrainte.txt", octets, quintes::valeursparcontrainte, lire);
    reparation("contrainte.txt", octets, quintes::valeursparcontrainte, lire);
}

void combinaisons(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("quinte2.txt", octets);
    QByteArray lu;
    exiger(travail::FichierDeTravail(chemin).lire(lu).ok() && lu == octets, "lire");
    (void)quintes::lirecombinaisons(lu).message(chemin);
    inchange(chemin, octets);
    QFile::remove(chemin);
    auto lire = [](const QByteArray &c) {
        quintes::LectureCombinaisons r = quintes::lirecombinaisons(c);
        QList<qint64> positions;
        for (qint64 i = 1; i <= r.combinaisons.size(); ++i)
            positions.append(i);
        return std::pair{r.combinaisons, positions};
    };
    // Read up to the first damage: only the records before it are compared.
    const quintes::LectureCombinaisons l = quintes::lirecombinaisons(octets);
    if (l.intact())
        retrait("quinte2.txt", octets, 5, lire);
    reparation("quinte2.txt", octets, 5, lire);
}

// The files of one record: read from the file, which stays as it was.
void prefer(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("prefer.txt", octets);
    QByteArray lu;
    exiger(travail::FichierDeTravail(chemin).lire(lu).ok(), "lire");
    const ticket::Corrections c = ticket::lirecorrections(lu);
    if (c.ok())
        exiger(ticket::lirecorrections(ticket::ecrirecorrections(c.cvp, c.chp)).ok(), "des corrections lues ne se relisent pas");
    inchange(chemin, octets);
    QFile::remove(chemin);
}

void cotes(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("cote.txt", octets);
    const quintes::LectureCotes l = quintes::lirecotes(chemin);
    if (l.erreur.isEmpty())
        exiger(quintes::lirecotes(quintes::enregistrementcotes(l.cotes), chemin).cotes == l.cotes, "des côtes lues ne se relisent pas");
    inchange(chemin, octets);
    QFile::remove(chemin);
}

void filtre(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("contrecote", octets);
    const quintes::LectureFiltre l = quintes::lirefiltre(chemin);
    if (l.erreur.isEmpty())
        exiger(quintes::lirefiltre(quintes::enregistrementfiltre(l.filtre), chemin).filtre == l.filtre, "un filtre lu ne se relit pas");
    inchange(chemin, octets);
    QFile::remove(chemin);
}

void arrivee(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    const QString chemin = poser("arrivee.txt", octets);
    QByteArray lu;
    exiger(travail::FichierDeTravail(chemin).lire(lu).ok(), "lire");
    (void)arrivee::lirecourse(lu, chemin);
    inchange(chemin, octets);
    QFile::remove(chemin);
}

// The end of a file as Lecture::passer() finds it, value by value: what examinerfin(),
// which counts without copying, must agree with.
travail::Fin finparlecture(const QByteArray &contenu, int valeurs)
{
    travail::Fin fin;
    if (contenu.isEmpty())
        return fin;
    travail::Lecture lecture(contenu);
    qint64 lues = 0;
    int debut = 1;
    bool coupe = false;
    while (!lecture.fini()) {
        if (lues % valeurs == 0)
            debut = lecture.lignesuivante();
        if (!lecture.passer()) {
            coupe = true;
            break;
        }
        ++lues;
    }
    if (coupe || lues % valeurs != 0)
        fin = {false, static_cast<int>(lues / valeurs + 1), debut};
    else if (!contenu.endsWith('\n'))
        fin = {false, static_cast<int>(lues / valeurs), debut};
    return fin;
}

// The line reader: every kind of value, as long as it goes, stepping over what it refuses.
void lecture(QByteArrayView v)
{
    const QByteArray octets = v.toByteArray();
    for (int valeurs : {1, 5, 12, 22}) {
        const travail::Fin vite = travail::examinerfin(octets, valeurs);
        const travail::Fin lente = finparlecture(octets, valeurs);
        exiger(vite.entiere == lente.entiere && vite.enregistrement == lente.enregistrement && vite.ligne == lente.ligne,
               "examinerfin ne compte pas les valeurs comme la lecture");
    }
    travail::Lecture l(octets);
    int tours = 0;
    qsizetype avant = -1;
    while (!l.fini() && tours < 100000) {
        switch (tours++ % 7) {
        case 0: (void)l.chaine(); break;
        case 1: (void)l.booleen(); break;
        case 2: (void)l.entier16(); break;
        case 3: (void)l.octet(); break;
        case 4: (void)l.simple(); break;
        case 5: (void)l.nombre(); break;
        default: (void)l.passer(); break;
        }
        exiger(l.position() >= avant && l.position() <= octets.size(), "la lecture recule ou sort du texte");
        avant = l.position();
        if (!l.valide()) {
            (void)l.erreur();
            l.reprendre();
            if (!l.passer())
                break;
        }
    }
}

// The code page: every byte has a character, and it comes back as the same byte.
void cp1252(QByteArrayView v)
{
    const QString texte = travail::decode1252(v);
    exiger(texte.size() == v.size(), "un octet sans caractère");
    const QByteArray retour = travail::encode1252(texte);
    exiger(retour.size() == v.size(), "l'encodage n'a pas la même longueur");
    for (qsizetype i = 0; i < v.size(); ++i) {
        const auto c = static_cast<unsigned char>(v[i]);
        // The five bytes the code page leaves undefined may come back as '?'.
        if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            exiger(retour[i] == v[i], "un caractère ne revient pas au même octet");
    }
    (void)travail::encode1252(QString::fromUtf8(v));
}

} // namespace

const QList<Entree> &cibles()
{
    static const QList<Entree> liste = {
        {"jeux", jeux},       {"contraintes", contraintes}, {"combinaisons", combinaisons},
        {"prefer", prefer},   {"cotes", cotes},             {"filtre", filtre},
        {"arrivee", arrivee}, {"lecture", lecture},         {"cp1252", cp1252},
    };
    return liste;
}

Cible cible(const QString &nom)
{
    for (const Entree &e : cibles())
        if (nom == QLatin1String(e.nom))
            return e.cible;
    return nullptr;
}

} // namespace fuzz
