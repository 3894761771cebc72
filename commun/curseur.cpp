#include "commun/curseur.h"

#include <QCursor>
#include <QGuiApplication>

namespace curseur {

void sablier()
{
    if (!QGuiApplication::overrideCursor())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void normal()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool ensablier()
{
    return QGuiApplication::overrideCursor() != nullptr;
}

} // namespace curseur
