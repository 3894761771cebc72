#pragma once
// One level of undo for the commands that drop records, empty a file, add many records at
// once or delete the work files. Before such a command the bytes of every file it touches
// are copied into the folder "annulation" of the work directory, with a list of them
// ("annulation/annulation.txt"); once the command has succeeded the state it left is
// noted in the list. Being on disk, the copy outlives the program and a crash.
//
// Undo puts the files back only if they are still as the command left them: a file
// changed since (a bet saved afterwards) is never overwritten by an older copy.

#include "travail/fichierdetravail.h"

#include <QStringList>

namespace travail::annulation {

// Keeps a copy of `chemins` (work files; a missing one is noted as missing) in place of
// the earlier copy. A failure is returned in French, and no copy is left.
Resultat garder(const QStringList &chemins);
// Notes the state the command left the files in: the copy can now be put back.
Resultat confirmer();
// Drops the copy (the command failed).
void oublier();

// There is a confirmed copy to put back.
bool possible();

struct Retablissement
{
    QStringList chemins;   // the work files put back (a file that was missing is deleted again)
    QString erreur;        // in French; empty when every file was put back
    bool ok() const { return erreur.isEmpty(); }
};
// Puts every kept file back, each replaced in one atomic step, then drops the copy.
Retablissement retablir();

// The copy of one command, kept for the life of the object: confirmed by reussie(),
// dropped otherwise.
class Modification
{
public:
    explicit Modification(const QStringList &chemins) : m_resultat(garder(chemins)) {}
    ~Modification()
    {
        if (m_resultat.ok() && !m_reussie)
            oublier();
    }
    Modification(const Modification &) = delete;
    Modification &operator=(const Modification &) = delete;

    // Whether the copy was made; the command must not run without it.
    const Resultat &resultat() const { return m_resultat; }
    void reussie()
    {
        if (m_resultat.ok() && !m_reussie) {
            m_reussie = true;
            confirmer();
        }
    }

private:
    Resultat m_resultat;
    bool m_reussie = false;
};

} // namespace travail::annulation
