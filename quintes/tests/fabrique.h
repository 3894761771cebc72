#pragma once
// Constraints and constraint files written the way the entry window writes them.

#include "quintes/contrainte.h"

#include <QByteArray>
#include <QList>

#include <initializer_list>

namespace fabrique {

inline quintes::Contrainte contrainte(int nombre, bool aumoins, std::initializer_list<int> chevaux)
{
    quintes::Contrainte c;
    c.nombre = static_cast<quint8>(nombre);
    c.aumoins = aumoins;
    for (int h : chevaux)
        c.ensemble[h] = true;
    return c;
}

inline QByteArray fichier(const QList<quintes::Contrainte> &l)
{
    QByteArray r;
    for (const quintes::Contrainte &c : l)
        r += quintes::enregistrement(c);
    return r;
}

} // namespace fabrique
