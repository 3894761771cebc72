#pragma once
// What an undo tells the user it put back: one sentence per work file, with counts.

#include <QString>
#include <QStringList>

namespace jeux {

// "Les jeux enregistrés ont été rétablis : 1294 jeux.", "Les contraintes ont été
// rétablies : 3 contraintes.", … one a line, for the work files `chemins` as they are now
// (a file that no longer exists was missing before the command and says nothing).
QString texteretablissement(const QStringList &chemins);

} // namespace jeux
