#pragma once
// Checking the saved bets against the result of the race: the arrival, the non-runners
// and the ten payouts ("rapports"), each bet's counts per category, its refunds and
// winnings, the totals, the texts of the window and of its listing, and the file of the
// last race typed in. Pure logic, no window.

#include "travail/jeu.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace arrivee {

// The categories, in the order a unit combination meets them; it is credited with the
// first one it meets and with that one only.
enum Categorie { ordre, desordre, bonus, bonus4, bonus4sur5, bonus3, nbcategories };

// "ordre", "désordre", "bonus", "bonus 4", "bonus 4 sur 5", "bonus 3".
QString nomcategorie(int categorie);

// The ten payouts, in the order of their fields.
inline constexpr int nbrapports = 10;
// "tiercé ordre", …, "quinté bonus 3".
const QStringList &nomsrapports();
// Index of the payout of `categorie` for a bet of `places` places; -1 when that type has
// no such category.
int indexrapport(int places, int categorie);

// One race: the five horses placed first to fifth, the non-runners (increasing, each
// once), the ten payouts for the base stake (0 for one left empty).
struct Course
{
    std::array<qint16, 5> arrivee{};
    QList<qint16> nonpartants;
    std::array<double, nbrapports> rapports{};
    bool operator==(const Course &) const = default;
};

// What one saved bet gets from the race.
struct Compte
{
    std::array<qint64, nbcategories> categories{};   // unit combinations in each category
    qint64 rembourses = 0;    // unit combinations holding a non-runner
    double gains = 0;         // payouts × multiplier
    double remboursement = 0; // stakes given back
    double montant() const { return gains + remboursement; }
    bool gagnant() const;     // at least one combination in a category
    bool liste() const { return gagnant() || rembourses > 0; }
};

// Counts by sets: every k horses of the bet once, never each of their orders.
Compte compter(const travail::Jeu &jeu, const Course &course);

// The check of a whole file of bets.
struct Controle
{
    QStringList lignes;   // one per bet that wins or is refunded, in file order
    QList<int> numeros;   // the bet number in the file of each line
    double mises = 0;     // every bet, as prix gives it
    double gains = 0;     // winnings and refunds
    int gagnants = 0;     // listed bets with a combination in a category
    QString label1() const;
    QString label2() const;
};

// `positions`: the number in the file of each bet (LectureJeux::positions); empty for 1, 2, 3…
Controle controler(const QList<travail::Jeu> &jeux, const QList<qint64> &positions, const Course &course);

// "jeu 1 : quinté 3 7 12 1 15 : 1 ordre, 119 désordre : 16366,5 €".
QString lignegain(int numero, const travail::Jeu &jeu, const Compte &compte);
// "mises : 240 € ; gains : 16366,5 € ; solde : 16126,5 €".
QString textemontants(double mises, double gains);
// "aucun jeu gagnant", "1 jeu gagnant", "3 jeux gagnants".
QString textegagnants(int n);

// The printed listing: header, the lines, the two label texts, footer.
QStringList listing(const QStringList &lignes, const QString &label1, const QString &label2);

// A payout typed by the user, with a comma or a point as decimal separator; an empty
// text is 0. False for anything else than a finite number.
bool lirerapport(const QString &texte, double &valeur);
// The text of a payout put back in its field: every digit kept, the user's separator.
QString texterapport(double valeur);

// The file of the last race: the five horses, the number of non-runners and each of
// them, the ten payouts; one value a line.
QByteArray enregistrement(const Course &course);

struct LectureCourse
{
    Course course;
    bool vide = true;         // nothing in the file: no race typed in yet
    // How much was read whole before a damage (everything when intact).
    int chevaux = 0;          // horses 1 to 5
    bool nonpartants = false;
    int rapports = 0;
    QString erreur;           // a French message naming the file and the line; empty when intact
};
LectureCourse lirecourse(const QByteArray &contenu, const QString &chemin);

} // namespace arrivee
