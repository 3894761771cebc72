#pragma once
// Contrainte: "au moins" or "au plus" N horses of a combination in a set of horses.
// The constraint file holds one 22-line record per constraint, in the order they were
// saved: nombre, the twenty flags of horses 1 to 20, aumoins.

#include "travail/enregistrements.h"
#include "travail/fichierdetravail.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace quintes {

struct Contrainte
{
    quint8 nombre = 0;                 // read as a byte: the entry window offers 0 to 5
    std::array<bool, 21> ensemble{};   // indexed by horse number 1 to 20; slot 0 unused
    bool aumoins = false;              // true: "au moins"; false: "au plus"

    // The set as a 20-bit mask: bit h - 1 for horse h.
    quint32 masque() const;
    // The horses in the set.
    int taille() const;
    bool operator==(const Contrainte &) const = default;
};

inline constexpr int valeursparcontrainte = 22;

// The 22 lines of one record.
QByteArray enregistrement(const Contrainte &c);

struct LectureContraintes
{
    QList<Contrainte> contraintes;    // the readable records, in file order
    QList<qint64> positions;          // record number in the file (from 1) of each of them
    QList<travail::Dommage> dommages;
    QString erreur;                   // the file itself could not be read

    bool intact() const { return dommages.isEmpty() && erreur.isEmpty(); }
    // A French message naming the file and what is wrong with it; empty when intact.
    QString message(const QString &chemin) const;
};

// Reads every record it can from the bytes of a constraint file. A record holding a value
// of the wrong form is reported and stepped over; a record cut short ends the reading.
LectureContraintes lirecontraintes(const QByteArray &contenu);

// The same, from the file (a missing file reads as empty).
LectureContraintes lirecontraintes(const QString &chemin);

// Adds the record after the last one (the file is created when missing).
travail::Resultat ajoutecontrainte(const QString &chemin, const Contrainte &c);

// Removes record k (from 1) through the scratch file; the other records are copied byte
// for byte, in their order. `retiree` receives the removed record, or nothing when the
// file has fewer than k records (the file is then left as it is).
travail::Resultat retirecontrainte(const QString &chemin, const QString &tampon, qint64 k,
                                   std::optional<Contrainte> &retiree);

// Replaces record k (from 1), which held `original`, by `nouvelle` at the end of the file,
// in one atomic step. When record k no longer holds `original`, nothing is removed:
// `nouvelle` is added after the last record and `remplacee` says false.
travail::Resultat remplacecontrainte(const QString &chemin, const QString &tampon, qint64 k, const Contrainte &original,
                                     const Contrainte &nouvelle, bool &remplacee);

// Leaves the file existing and empty.
travail::Resultat videcontraintes(const QString &chemin);

// The one-line description shown in the list and printed:
// "2 chevaux  au moins dans :     3     4     5     6".
QString decrirecontrainte(const Contrainte &c);

// The refusal rule of the entry window: true for a constraint that makes no sense.
bool absurde(const Contrainte &c);

} // namespace quintes
