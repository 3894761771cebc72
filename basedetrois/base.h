#pragma once
// The quinté by a base of three horses: three horses the player is sure of, completed by
// couples of associated horses, each couple with the base making one quinté.
//
// Two work files, in the line format of the others:
// - mabase: the three base horses in the order chosen, one a line; empty, no base;
// - duo: two lines per couple, the two associated horses; empty, no couple.

#include "travail/enregistrements.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace basedetrois {

using Couple = std::array<qint16, 2>;

// The base as the user builds it: up to three different horses, in the order chosen.
class Base
{
public:
    Base() = default;
    explicit Base(const QList<qint16> &chevaux) : m_chevaux(chevaux) {}

    const QList<qint16> &chevaux() const { return m_chevaux; }
    qsizetype taille() const { return m_chevaux.size(); }
    bool complete() const { return m_chevaux.size() == 3; }
    bool contient(qint16 h) const { return m_chevaux.contains(h); }

    // A horse of 1 to 20 not already there, while the base has fewer than three.
    bool ajouter(qint16 h);
    bool retirerdernier();
    bool vider();

    // "base : 3 - 7 - 12", "base : 3 - 7", "base : aucun cheval".
    QString texte() const;

    bool operator==(const Base &) const = default;

private:
    QList<qint16> m_chevaux;
};

// The three lines of the base file.
QByteArray enregistrement(const Base &b);
// The two lines of one couple.
QByteArray enregistrement(const Couple &c);
QByteArray enregistrement(const QList<Couple> &couples);

struct LectureBase
{
    Base base;         // the horses read before any damage; whole only when complete()
    int ligne = 0;     // line of the damage (from 1), 0 when intact
    QString raison;    // what is wrong there
    QString erreur;    // the file could not be read at all

    bool intact() const { return ligne == 0 && erreur.isEmpty(); }
    // The base is usable: intact and of three horses (an empty file is no base, not damage).
    bool complete() const { return intact() && base.complete(); }
    // A French message naming the file and the fault; empty when intact.
    QString message(const QString &chemin) const;
};

// Why a window that needs a base cannot use the one of `lue`: the damage of the file, if
// any, then "Choisissez d'abord une base de trois chevaux (F4)."; empty when it can.
QString sansbase(const LectureBase &lue, const QString &chemin);

// A base file holds three different horses of 1 to 20, or nothing.
LectureBase lirebase(const QByteArray &contenu);
LectureBase lirebase(const QString &chemin);

struct LectureCouples
{
    QList<Couple> couples;                 // the readable couples, in file order
    QList<qint64> positions;               // record number (from 1) of each of them
    QList<travail::Dommage> dommages;
    QString erreur;                        // the file could not be read at all

    bool intact() const { return dommages.isEmpty() && erreur.isEmpty(); }
    QString message(const QString &chemin) const;
};

// Reads every couple it can; a couple is damaged when a horse is not a whole number of 1
// to 20, when it repeats a horse, when it holds a horse of `base`, or when it is cut short.
LectureCouples lirecouples(const QByteArray &contenu, const Base &base);

// "0 couple : 0 quinté, montant 0 €", "3 couples : 3 quintés, montant 6 €".
QString textecouples(qsizetype couples);
// "0 cheval associé : 0 quinté, montant 0 €", "5 chevaux associés : 10 quintés, montant 20 €".
QString texteassocies(qsizetype chevaux);
// "montant : 4 €".
QString textemontant(qsizetype quintes);
// The price of that many quintés at one time, not in all orders.
double montant(qsizetype quintes);

// Every pair a < b of `chevaux` (any order), by a then b: the reduced field of a list.
QList<Couple> champreduit(QList<qint16> chevaux);

// The quinté of a couple: the base in its order, then the couple in its order.
travail::Jeu jeu(const Base &base, const Couple &c);
// Its summary line: each horse after nine blanks.
QString ligne(const Base &base, const Couple &c);

// Whether the couple is `a - b` or `b - a`.
inline bool memecouple(const Couple &c, qint16 a, qint16 b)
{
    return (c[0] == a && c[1] == b) || (c[0] == b && c[1] == a);
}

} // namespace basedetrois
