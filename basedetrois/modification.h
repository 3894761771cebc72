#pragma once
// How the windows of the base method change their files: with the undo copy of the files
// touched, kept only once the change is made; a failure is shown and nothing is confirmed.

#include "travail/fichierdetravail.h"

#include <QStringList>

#include <functional>

class QWidget;

namespace basedetrois {

// Runs `changer` with the undo copy of `chemins`; true when it succeeded.
bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat()> &changer);

} // namespace basedetrois
