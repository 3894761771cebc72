#pragma once
// The repair of a damaged work file offered to the user, wherever a window finds one.

#include "travail/reparation.h"

#include <QString>

class QWidget;

namespace reparer {

// Shows `texte` (what is wrong) with the question; on "OK" repairs the file and says what
// was done. True when the file was repaired.
bool proposer(QWidget *parent, const QString &texte, const QString &chemin, int valeurs,
              const travail::reparation::Lisibles &lisibles);

// The readable saved bets, as their reader finds them.
QList<qint64> lisiblesjeux(const QByteArray &contenu);

} // namespace reparer
