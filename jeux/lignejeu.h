#pragma once
// The texts of the saved bets window: one display line per bet, and the text listing
// printed from them. Pure text, no window.

#include "travail/jeu.h"

#include <QString>
#include <QStringList>

namespace jeux {

// A horse number in the sign-blank form: a blank before a number that is not negative,
// a minus sign before a negative one, then its digits (" 3", "-2").
QString signeblanc(qint16 valeur);

// The price of a bet as every window keeps it: in single precision.
float prixsimple(const travail::Jeu &jeu);

// lignejeu: "tiercé   (x1)   3   7   12   (1  € )", with "   dans tous les ordres"
// before the price when the bet is played in all orders.
QString lignejeu(const travail::Jeu &jeu, float prix);
inline QString lignejeu(const travail::Jeu &jeu) { return lignejeu(jeu, prixsimple(jeu)); }

// The lines of the saved bets, in file order, with their total. The total is summed in
// double and kept in single precision once, as the main window's summary does, so
// that it does not drift with the number of bets.
struct Liste
{
    QStringList lignes;
    float total = 0;
};
Liste lignesjeux(const QList<travail::Jeu> &jeux);

// The lines of the printed listing, header and footer included.
QStringList listing(const QList<travail::Jeu> &jeux);

// How far printing several tickets got when ticket `echoue` (from 1; by default the one
// after those sent) of `total` failed:
// "36 tickets sur 40 ont été envoyés à l'imprimante ; le 37e n'a pas pu l'être : ".
QString ticketsenvoyes(qsizetype envoyes, qsizetype total, qsizetype echoue = 0);

} // namespace jeux
