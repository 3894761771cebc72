#pragma once
// One saved bet and the saved bets file: 12 lines a bet, in the order they were added.

#include "travail/enregistrements.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace travail {

// TypeDePari: exactly one of these three strings, compared character for character.
namespace TypeDePari {
inline const QString tierce = QStringLiteral("tierc\u00e9");
inline const QString quarte = QStringLiteral("quart\u00e9");
inline const QString quinte = QStringLiteral("quint\u00e9");
} // namespace TypeDePari

// Unit prices of one combination, in euros, and the suffix after every amount shown.
inline constexpr qint16 puqi = 2;     // quinté
inline constexpr double puq = 1.3;    // quarté
inline constexpr qint16 putr = 1;     // tiercé
inline const QString unite = QStringLiteral(" \u20AC");

// The seven stake multipliers, in the order of their option buttons and ticket boxes.
inline constexpr std::array<float, 7> mises = {1, 2, 3, 4, 5, 10, 20};

// Places named by a bet type (its minimum number of horses): 3, 4, 5, or 0 for no type.
int places(const QString &typedejeu);

struct Jeu
{
    QString typedejeu = TypeDePari::quinte;
    float mult = 1;
    bool dtlo = false;
    std::array<qint16, 9> chevaux{};   // slot 0: the number of horses; slots 1 to 8: horses, 0 after the last

    qint16 nb() const { return chevaux[0]; }
    bool operator==(const Jeu &) const = default;
};

// The 12 lines of one record.
inline constexpr int valeursparjeu = 12;
QByteArray enregistrement(const Jeu &jeu);
// The same lines appended to `octets`: many records at once without a buffer each.
void ajouterenregistrement(QByteArray &octets, const Jeu &jeu);

// Binomial coefficient of p among n; 0 where it is not defined (n < 1, p < 0 or p > n).
qint64 c(qint16 n, qint16 p);

// Price of a bet in euros; 0 for a type string that is none of the three.
double prix(const QString &typedejeu, qint16 nb, float mult, bool dtlo);

struct LectureJeux
{
    QList<Jeu> jeux;          // the readable records, in file order
    QList<qint64> positions;  // record number in the file (from 1) of each of them
    QList<qsizetype> debuts;  // where each of them starts in the bytes read
    QList<qsizetype> fins;    // and where it ends, after the line end of its last value
    QList<Dommage> dommages;
    bool utf8 = false;        // the file looks written in UTF-8 rather than Windows-1252

    bool intact() const { return dommages.isEmpty(); }
    // A French message naming the file and the damaged lines; empty when intact.
    QString message(const QString &chemin) const;
};

// Reads every record it can; the damaged ones are reported, never repaired.
LectureJeux lirejeux(const QByteArray &contenu);

// What the main window's summary shows: how many bets can be read and what they cost
// together, read as lirejeux reads them but without keeping the bets.
struct TotalJeux
{
    qint64 nombre = 0;        // the readable records
    double montant = 0;       // their prices, summed in double precision
    QList<Dommage> dommages;
    bool utf8 = false;

    bool intact() const { return dommages.isEmpty(); }
    QString message(const QString &chemin) const;   // the same message as LectureJeux's
};
TotalJeux totaljeux(const QByteArray &contenu);

} // namespace travail
