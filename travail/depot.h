#pragma once
// The store of the work files: where each one lives, and the announcements that its
// contents changed. A window that changes a file announces it here; the windows that
// show that file subscribe and reload themselves. Nobody reaches into another window to
// find a path or to refresh it.

#include <QObject>
#include <QString>

namespace travail {

class Depot : public QObject
{
    Q_OBJECT
public:
    // The paths of the work files, under the root as it is at each call.
    QString fichier() const;
    QString tampon() const;
    QString quinte() const;
    QString contrainte() const;
    QString quinteo() const;
    QString mabase() const;
    QString duo() const;
    QString cote() const;
    QString contrecote() const;
    QString prefer() const;
    QString arrivee() const;
    QString imprimante() const;

    // Each announces, once, that the files of that kind may have changed.
    void annoncerjeux() { emit jeuxmodifies(); }
    void annoncercontraintes() { emit contraintesmodifiees(); }
    void annoncerquintes() { emit quintesmodifies(); }
    void annoncercotes() { emit cotesmodifiees(); }
    void annoncerbase() { emit basemodifiee(); }
    void annoncerpreferences() { emit preferencesmodifiees(); }
    void annoncerannulation() { emit annulationmodifiee(); }
    void annoncerimprimante() { emit imprimantemodifiee(); }

signals:
    void jeuxmodifies();           // the saved bets (fichier)
    void contraintesmodifiees();   // the constraints (contrainte)
    void quintesmodifies();        // the unordered and ordered quintés (quinte, quinteo)
    void cotesmodifiees();         // the odds and their filter (cote, contrecote)
    void basemodifiee();           // the base of three horses and its couples (mabase, duo)
    void preferencesmodifiees();   // the printer corrections (prefer)
    void annulationmodifiee();     // the copy kept for undo was made, confirmed or dropped
    void imprimantemodifiee();     // the chosen printer (imprimante)
};

// The program's one store, created on first use.
Depot &depot();

} // namespace travail
