#pragma once
// Setting a damaged work file right without losing a byte: the records a reader can read
// stay in the file, in their order and byte for byte; everything else (damaged records, an
// end cut short) is moved whole to a new file beside it, "fichier.abime.txt", never
// overwritten (then "fichier.abime2.txt", …), where the user can look at it.

#include "travail/fichierdetravail.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace travail::reparation {

// The numbers (from 1) of the records of `contenu` that the file's reader can read.
using Lisibles = std::function<QList<qint64>(const QByteArray &contenu)>;

// The bytes of a file cut into records of `valeurs` values: each record as it stands,
// then what is left after the last whole record (a record cut short), maybe empty.
struct Decoupe
{
    QList<QByteArrayView> enregistrements;
    QByteArrayView reste;
};
Decoupe decouper(const QByteArray &contenu, int valeurs);

struct Partage
{
    QByteArray gardes;   // the readable records, the last one ended by a line end when it had none
    QByteArray abimes;   // every other byte, in file order
    int nbgardes = 0;
    int nbabimes = 0;    // damaged records, the cut end counted as one
};
Partage partager(const QByteArray &contenu, int valeurs, const QList<qint64> &lisibles);

// The first name beside `chemin` that is free: "x.abime.txt", "x.abime2.txt", …
QString nomabime(const QString &chemin);

struct Reparation
{
    QString abime;      // where the unreadable bytes went; empty when nothing was moved
    int gardes = 0;
    int abimes = 0;
    Resultat resultat;
    QString message(const QString &chemin) const;   // what was done, in French
};

// Writes the unreadable bytes to their new file first (flushed), then replaces the work
// file with its readable records: a crash between the two leaves the bytes in both
// places, never in neither.
Reparation reparer(const QString &chemin, int valeurs, const Lisibles &lisibles);

// The question added to a damage report.
QString question();

} // namespace travail::reparation
