#include "quintes/generation.h"

#include "travail/fichierdetravail.h"
#include "travail/format.h"
#include "travail/nombres.h"

#include <QDir>

#include <algorithm>
#include <bit>
#include <vector>

namespace quintes {

using travail::FichierDeTravail;
using travail::Resultat;

Cotes cotespardefaut()
{
    Cotes c;
    c.fill(cotepardefaut);
    c[0] = 0;
    return c;
}

namespace {

QString nomaffiche(const QString &chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// The whole enumeration, made once: the combinations, their masks, their display lines
// and their records, in lexicographic order.
struct Table
{
    QList<Combinaison> combinaisons;
    QList<quint32> masques;
    QStringList lignes;
    QByteArray octets;          // every record one after another
    QList<int> debuts;          // where record i starts in `octets`; one more at the end

    Table()
    {
        combinaisons.reserve(nbcombinaisons);
        masques.reserve(nbcombinaisons);
        lignes.reserve(nbcombinaisons);
        debuts.reserve(nbcombinaisons + 1);
        for (qint16 c1 = 1; c1 <= 16; ++c1)
            for (qint16 c2 = c1 + 1; c2 <= 17; ++c2)
                for (qint16 c3 = c2 + 1; c3 <= 18; ++c3)
                    for (qint16 c4 = c3 + 1; c4 <= 19; ++c4)
                        for (qint16 c5 = c4 + 1; c5 <= 20; ++c5) {
                            const Combinaison c{c1, c2, c3, c4, c5};
                            quint32 m = 0;
                            for (qint16 h : c)
                                m |= 1u << (h - 1);
                            combinaisons.append(c);
                            masques.append(m);
                            lignes.append(lignecombinaison(c));
                            debuts.append(static_cast<int>(octets.size()));
                            octets += enregistrement(c);
                        }
        debuts.append(static_cast<int>(octets.size()));
    }
};

const Table &table()
{
    static const Table t;
    return t;
}

// A constraint seen as its set and the hit counts (0 to 5) it accepts, one bit each.
struct Regle
{
    quint32 masque;
    quint8 permis;
};

constexpr quint8 touspermis = 0x3F;

// Horses of a 10-bit half mask. Two look-ups in this small table count the horses of a
// 20-bit mask faster than the processor's generic bit count on any x86-64.
struct Demis
{
    std::array<quint8, 1024> n{};
    constexpr Demis()
    {
        for (unsigned i = 0; i < 1024; ++i)
            n[i] = static_cast<quint8>(std::popcount(i));
    }
};
constexpr Demis demis;

inline unsigned chevaux(quint32 m)
{
    return demis.n[m & 1023u] + demis.n[m >> 10];
}

} // namespace

const QList<Combinaison> &toutescombinaisons()
{
    return table().combinaisons;
}

const QList<quint32> &masquescombinaisons()
{
    return table().masques;
}

namespace {

// The indexes in the table of the combinations that meet every constraint.
std::vector<int> indexretenus(const QList<Contrainte> &contraintes)
{
    // Constraints on the same set are merged and those that accept every count are left
    // out: neither changes which combinations are kept.
    std::vector<Regle> regles;
    regles.reserve(contraintes.size());
    for (const Contrainte &c : contraintes) {
        quint8 permis = 0;
        for (int hits = 0; hits <= 5; ++hits)
            if (c.aumoins ? hits >= c.nombre : hits <= c.nombre)
                permis |= static_cast<quint8>(1u << hits);
        regles.push_back({c.masque(), permis});
    }
    std::sort(regles.begin(), regles.end(), [](const Regle &a, const Regle &b) { return a.masque < b.masque; });
    std::vector<Regle> fusion;
    for (const Regle &r : regles) {
        if (!fusion.empty() && fusion.back().masque == r.masque)
            fusion.back().permis &= r.permis;
        else
            fusion.push_back(r);
    }
    std::erase_if(fusion, [](const Regle &r) { return r.permis == touspermis; });

    std::vector<int> retenus;
    if (std::any_of(fusion.begin(), fusion.end(), [](const Regle &r) { return r.permis == 0; }))
        return retenus;
    const QList<quint32> &masques = table().masques;
    retenus.reserve(nbcombinaisons);
    for (int i = 0; i < nbcombinaisons; ++i) {
        const quint32 m = masques[i];
        bool garde = true;
        for (const Regle &r : fusion)
            if (!((r.permis >> chevaux(m & r.masque)) & 1u)) {
                garde = false;
                break;
            }
        if (garde)
            retenus.push_back(i);
    }
    return retenus;
}

} // namespace

QList<Combinaison> retenues(const QList<Contrainte> &contraintes)
{
    QList<Combinaison> r;
    const std::vector<int> index = indexretenus(contraintes);
    r.reserve(static_cast<qsizetype>(index.size()));
    for (int i : index)
        r.append(table().combinaisons[i]);
    return r;
}

bool passe(const Combinaison &c, const Cotes &cotes, const FiltreDeCotes &f)
{
    float somme = 0;
    for (qint16 h : c) {
        const float cote = cotes[h];
        if (cote < f.coteMin || cote > f.coteMax)
            return false;
        somme += cote;
    }
    return !(somme < f.totalMin || somme > f.totalMax);
}

QString textepossibles(float n)
{
    return travail::textenombre(n) + QStringLiteral("  quinté(s) possible(s) sans tenir compte de l'ordre, soit ") +
           travail::textenombre(n * 120.0f) + QStringLiteral(" quinté(s) en tout.");
}

QString textecontraintes(int k)
{
    if (k == 0)
        return QStringLiteral(" Aucune contrainte");
    if (k == 1)
        return QStringLiteral(" Une seule contrainte");
    return travail::textenombre(k) + QStringLiteral("  contraintes");
}

QString textefiltre(bool actif)
{
    return actif ? QStringLiteral(" Filtre sur les côtes activé") : QStringLiteral(" Filtre sur les côtes désactivé");
}

QString lignecombinaison(const Combinaison &c)
{
    QString ligne;
    for (qint16 h : c)
        ligne += QStringLiteral("    ") + travail::textenombre(h);
    return ligne;
}

LectureCotes lirecotes(const QByteArray &contenu, const QString &chemin)
{
    LectureCotes r;
    travail::Lecture lecture(contenu);
    if (lecture.fini())
        return r;
    r.vide = false;
    for (int h = 1; h <= 20; ++h) {
        const float cote = lecture.simple();
        if (!lecture.valide()) {
            r.erreur = QStringLiteral("Le fichier des côtes « %1 » est endommagé à la ligne %2 (côte du cheval %3) : %4.")
                           .arg(nomaffiche(chemin))
                           .arg(lecture.ligne())
                           .arg(h)
                           .arg(lecture.erreur());
            break;
        }
        r.cotes[h] = cote;
    }
    return r;
}

LectureFiltre lirefiltre(const QByteArray &contenu, const QString &chemin)
{
    LectureFiltre r;
    travail::Lecture lecture(contenu);
    if (lecture.fini())
        return r;
    r.vide = false;
    // What was read before a damage is kept, the defaults after it; the filter then stays off.
    const bool actif = lecture.booleen();
    for (float *borne : {&r.filtre.coteMin, &r.filtre.coteMax, &r.filtre.totalMin, &r.filtre.totalMax}) {
        const float valeur = lecture.simple();
        if (!lecture.valide())
            break;
        *borne = valeur;
    }
    if (!lecture.valide()) {
        r.erreur = QStringLiteral("Le fichier du filtre sur les côtes « %1 » est endommagé à la ligne %2 : %3.")
                       .arg(nomaffiche(chemin))
                       .arg(lecture.ligne())
                       .arg(lecture.erreur());
        return r;
    }
    r.filtre.actif = actif;
    return r;
}

LectureCotes lirecotes(const QString &chemin)
{
    QByteArray octets;
    if (Resultat r = FichierDeTravail(chemin).assureretlire(octets); !r.ok()) {
        LectureCotes l;
        l.erreur = r.erreur;
        return l;
    }
    return lirecotes(octets, chemin);
}

LectureFiltre lirefiltre(const QString &chemin)
{
    QByteArray octets;
    if (Resultat r = FichierDeTravail(chemin).assureretlire(octets); !r.ok()) {
        LectureFiltre l;
        l.erreur = r.erreur;
        return l;
    }
    return lirefiltre(octets, chemin);
}

QByteArray enregistrementcotes(const Cotes &cotes)
{
    travail::Ecriture e;
    for (int h = 1; h <= 20; ++h)
        e.nombre(cotes[h]);
    return e.octets();
}

QByteArray enregistrementfiltre(const FiltreDeCotes &f)
{
    travail::Ecriture e;
    e.booleen(f.actif).nombre(f.coteMin).nombre(f.coteMax).nombre(f.totalMin).nombre(f.totalMax);
    return e.octets();
}

Generation generer(const CheminsGeneration &chemins)
{
    Generation g;

    // The constraints.
    QByteArray octets;
    if (Resultat r = FichierDeTravail(chemins.contrainte).assureretlire(octets); !r.ok())
        g.problemes << r.erreur;
    const LectureContraintes lues = lirecontraintes(octets);
    if (!lues.intact())
        g.problemes << lues.message(chemins.contrainte);
    g.nbcontraintes = static_cast<int>(lues.contraintes.size());

    // The combinations that meet them, written to the quinté file in one go.
    const Table &t = table();
    std::vector<int> retenus = indexretenus(lues.contraintes);
    auto contenu = [&t](const std::vector<int> &index) {
        QByteArray octets;
        octets.reserve(static_cast<qsizetype>(index.size()) * 15);
        for (int i : index)
            octets.append(QByteArrayView(t.octets).sliced(t.debuts[i], t.debuts[i + 1] - t.debuts[i]));
        return octets;
    };
    const FichierDeTravail quinte(chemins.quinte);
    if (Resultat r = quinte.reecrire(contenu(retenus)); !r.ok())
        g.problemes << r.erreur;

    // The odds and the filter settings.
    const LectureCotes cotes = lirecotes(chemins.cote);
    LectureFiltre filtre = lirefiltre(chemins.contrecote);

    if (!filtre.erreur.isEmpty())
        g.problemes << filtre.erreur + QStringLiteral("\n\nLe filtre sur les côtes n'a pas été appliqué.");
    // The odds only matter when the filter is on.
    if (filtre.filtre.actif && !cotes.erreur.isEmpty()) {
        g.problemes << cotes.erreur + QStringLiteral("\n\nLe filtre sur les côtes n'a pas été appliqué.");
        filtre.filtre.actif = false;
    }

    // The filter keeps the passing combinations, in their order, through the scratch file.
    if (filtre.filtre.actif) {
        std::erase_if(retenus, [&](int i) { return !passe(t.combinaisons[i], cotes.cotes, filtre.filtre); });
        if (Resultat r = quinte.remplacerpartampon(chemins.tampon, contenu(retenus)); !r.ok())
            g.problemes << r.erreur;
    }
    g.filtre = filtre.filtre.actif;

    g.combinaisons.reserve(static_cast<qsizetype>(retenus.size()));
    g.lignes.reserve(static_cast<qsizetype>(retenus.size()));
    for (int i : retenus) {
        g.combinaisons.append(t.combinaisons[i]);
        g.lignes.append(t.lignes[i]);
    }
    g.compte = textepossibles(g.n());
    g.contraintes = textecontraintes(g.nbcontraintes);
    g.cotes = textefiltre(g.filtre);
    return g;
}

} // namespace quintes
