#pragma once
// The fuzz targets: each reader of the program given any bytes as its file. A target
// checks, beyond surviving them, that reading never changes the file, and for the files of
// records that dropping record k keeps every other readable record byte for byte. A
// property that does not hold stops the program (qFatal) with what was wrong.

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace fuzz {

using Cible = void (*)(QByteArrayView octets);

struct Entree
{
    const char *nom;   // also the name of its folder in the corpus
    Cible cible;
};

// Every target: jeux, contraintes, combinaisons, prefer, cotes, filtre, arrivee, lecture, cp1252.
const QList<Entree> &cibles();
Cible cible(const QString &nom);

} // namespace fuzz
