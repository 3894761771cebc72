#pragma once
// One program per work directory. Two programs on the same files would undo each other's
// work (a deletion rewrites the file without the bets the other appended meanwhile), so
// the program holds a lock file in the root for as long as it runs. The lock of a program
// that crashed is taken over.

#include <QLockFile>
#include <QString>

#include <memory>

namespace travail {

class Verrou
{
public:
    // Takes the root named by racine(); ok() tells whether it was taken, erreur() why not.
    Verrou();

    bool ok() const { return m_erreur.isEmpty(); }
    const QString &erreur() const { return m_erreur; }

private:
    std::unique_ptr<QLockFile> m_verrou;
    QString m_erreur;
};

// The lock file's name in the root.
inline constexpr const char *nomverrou = "krn.verrou";

} // namespace travail
