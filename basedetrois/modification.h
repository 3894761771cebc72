#pragma once
// How the windows of the base method change their files: with the undo copy of the files
// touched, kept only once the change is made; a failure is shown and nothing is confirmed.

#include "basedetrois/base.h"
#include "travail/fichierdetravail.h"

#include <QStringList>

#include <functional>

class QWidget;

namespace basedetrois {

// Runs `changer` with the undo copy of `chemins` (none when empty); true when it succeeded.
// When it fails after changing one of the files (`changer` sets `entame`), the copy is
// kept for undo, and the message says so. A save refused because the saved bets file
// ends on a damaged record offers its repair, then runs `changer` again.
bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat(bool &entame)> &changer);
// The same for a change that never fails half way.
bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat()> &changer);

// Offers the repair of a damaged couples file, read with `base`: the readable couples stay,
// the others go to a file beside it. True when it was repaired.
bool reparercouples(QWidget *fenetre, const QString &texte, const QString &duo, const Base &base);

} // namespace basedetrois
