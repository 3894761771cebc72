#pragma once
// The method-1 summary: the ordered quintés of `quinteo` as list lines, and their saving
// as quinté bets at one time, not in all orders, appended to the saved bets file.

#include "quintes/combinaison.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QString>
#include <QStringList>

namespace quintes {

// Nine blanks before each horse: "         7         3         12         1         5".
QString lignebilan(const Combinaison &c);
QStringList lignesbilan(const QList<Combinaison> &combinaisons);

// "0 quinté construit", "1 quinté construit", "2 quintés construits".
QString texteconstruits(qsizetype n);

// The quinté bet of one ordered combination: its horses in finishing order, once.
travail::Jeu jeubilan(const Combinaison &c);

// Appends the bet of record `selec` (from 1) of `quinteo` to `fichier`.
// A record that the file no longer holds is not saved, and the answer says so.
travail::Resultat enregistre(int selec, const QString &quinteo, const QString &fichier);

// Appends the bets of records 1 to `n` of `quinteo`, in that order, in one replacement
// through the scratch file (all saved or none, whatever happens): the
// same bets as enregistre(1) ... enregistre(n), for one reading of the file.
// `enregistres` gets how many were appended; when the file holds fewer than `n` readable
// records, those it holds are saved and the answer says that the others were not.
travail::Resultat enregistretout(int n, const QString &quinteo, const QString &fichier, int *enregistres = nullptr);

} // namespace quintes
