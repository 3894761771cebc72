#pragma once
// Combinaison: five horse numbers forming one quinté, in increasing order in the unordered
// quinté file, in preference order in the ordered one. Both files are plain sequences of
// 5-line records, one horse number a line.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace quintes {

using Combinaison = std::array<qint16, 5>;

// The 5 lines of one record.
QByteArray enregistrement(const Combinaison &c);

struct LectureCombinaisons
{
    QList<Combinaison> combinaisons;   // the readable records, in file order
    int ligne = 0;                     // first damaged line (from 1), 0 when intact
    QString raison;                    // what is wrong there

    bool intact() const { return ligne == 0; }
    // A French message naming the file and the damaged line; empty when intact.
    QString message(const QString &chemin) const;
};

// Reads the records up to the first damaged one (a record cut short, a value that is not
// a horse number 1 to 20); what follows a damage is not read.
LectureCombinaisons lirecombinaisons(const QByteArray &contenu);

} // namespace quintes
