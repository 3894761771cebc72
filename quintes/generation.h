#pragma once
// The generation of the unordered quintés: every five-horse combination of the horses 1
// to 20 that meets all the constraints, narrowed by the odds filter when it is on.
// It needs no window: files in, the rewritten quinté file and what to show out.

#include "quintes/combinaison.h"
#include "quintes/contrainte.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace quintes {

inline constexpr int nbcombinaisons = 15504;   // 5 horses among 20

// The odds filter settings, in the order they stand in the file.
// The bounds are kept in single precision like the odds they are compared with, so that
// a bound typed equal to a horse's odds always lets that horse through.
struct FiltreDeCotes
{
    bool actif = false;
    float coteMin = 0;
    float coteMax = 500;
    float totalMin = 0;
    float totalMax = 1000;
    bool operator==(const FiltreDeCotes &) const = default;
};

using Cotes = std::array<float, 21>;   // odds indexed by horse number 1 to 20; slot 0 unused
inline constexpr float cotepardefaut = 15;
Cotes cotespardefaut();

// What the odds file and the filter file hold, read; a damaged file gives a message.
struct LectureCotes
{
    Cotes cotes = cotespardefaut();
    bool vide = true;                  // the file holds no value: the defaults apply
    QString erreur;                    // empty when the file is whole
};
struct LectureFiltre
{
    FiltreDeCotes filtre;
    bool vide = true;
    QString erreur;
};
// A damaged file keeps the values read before the damage and the defaults after it.
LectureCotes lirecotes(const QByteArray &contenu, const QString &chemin);
LectureFiltre lirefiltre(const QByteArray &contenu, const QString &chemin);
// The same from the files, each created empty when missing.
LectureCotes lirecotes(const QString &chemin);
LectureFiltre lirefiltre(const QString &chemin);

// The bytes the odds window writes and the generator reads.
QByteArray enregistrementcotes(const Cotes &cotes);
QByteArray enregistrementfiltre(const FiltreDeCotes &f);

// Every combination in lexicographic order, and its horses as a 20-bit mask.
const QList<Combinaison> &toutescombinaisons();
const QList<quint32> &masquescombinaisons();

// The combinations that meet every constraint, in lexicographic order.
QList<Combinaison> retenues(const QList<Contrainte> &contraintes);

// Whether a combination passes the odds filter (all four bounds inclusive).
bool passe(const Combinaison &c, const Cotes &cotes, const FiltreDeCotes &f);

// The texts shown by the generator window.
QString textepossibles(float n);
QString textecontraintes(int k);
QString textefiltre(bool actif);
QString lignecombinaison(const Combinaison &c);

struct CheminsGeneration
{
    QString contrainte;
    QString quinte;
    QString cote;
    QString contrecote;
    QString tampon;
};

struct Generation
{
    QList<Combinaison> combinaisons;   // exactly what the quinté file holds after the run
    int nbcontraintes = 0;
    bool filtre = false;               // the odds filter was applied
    QString compte;                    // the three texts of the window
    QString contraintes;
    QString cotes;
    QStringList lignes;                // one display line per combination, in file order
    QStringList problemes;             // French messages: damaged or unwritable files

    float n() const { return static_cast<float>(combinaisons.size()); }
};

// One generation run, in this order: read the constraints, write the combinations that
// meet them to the quinté file, read the odds and the filter settings, and when the
// filter is on rewrite the quinté file through the scratch file with the ones that pass.
Generation generer(const CheminsGeneration &chemins);

} // namespace quintes
