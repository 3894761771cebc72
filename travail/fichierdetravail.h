#pragma once
// The work files of the program and the few ways they are reached.
// Each operation opens, works and closes within the call; no file stays open.

#include <QByteArray>
#include <QString>

#include <functional>

namespace travail {

// The directory that stands for the root of drive C: KRN_RACINE when it is set,
// otherwise c:\ on Windows and ~/.local/share/krn elsewhere (created on first use).
QString racine();

// Names of the work files, which never change.
namespace noms {
inline constexpr const char *fichier = "fichier.txt";
inline constexpr const char *tampon = "tampon.txt";
inline constexpr const char *quinte = "quinte1.txt";
inline constexpr const char *contrainte = "contrainte.txt";
inline constexpr const char *quinteo = "quinte2.txt";
inline constexpr const char *mabase = "mabase.txt";
inline constexpr const char *duo = "duo.txt";
inline constexpr const char *cote = "cote.txt";
inline constexpr const char *contrecote = "contrecote";
inline constexpr const char *prefer = "prefer.txt";
inline constexpr const char *arrivee = "arrivee.txt";   // the last race typed in
} // namespace noms

// Absolute path of a work file under the root directory.
QString chemin(const char *nom);

// What an operation on a file gives back: ok, or a French sentence saying what failed.
struct Resultat
{
    QString erreur;
    bool ok() const { return erreur.isEmpty(); }
    static Resultat echec(QString raison) { return Resultat{std::move(raison)}; }
};

// The disk as the work files meet it, between the steps of a write. The program uses the
// real one; a test installs its own to stop a write where a crash would.
class Disque
{
public:
    virtual ~Disque() = default;
    // Called once the scratch file is whole on disk, before it is renamed over `fichier`;
    // false stops there, as a crash would.
    virtual bool avantremplacement(const QString &fichier) { Q_UNUSED(fichier); return true; }
};

// Installs `d` in place of the real disk (nullptr puts it back). Returns the previous one.
Disque *installer(Disque *d);

class FichierDeTravail
{
public:
    explicit FichierDeTravail(QString chemin);

    const QString &chemin() const { return m_chemin; }
    bool existe() const;

    Resultat assurerexistence() const;                  // create empty when missing
    Resultat lire(QByteArray &contenu) const;           // the whole file; a missing file reads as empty
    Resultat assureretlire(QByteArray &contenu) const;  // make sure it exists, then read it
    Resultat ajouter(const QByteArray &enregistrements) const;   // one write at the end
    Resultat reecrire(const QByteArray &contenu) const; // empties the file first
    Resultat supprimer() const;                         // a missing file is not an error

    // Replaces the whole file with `contenu` through the scratch file: the scratch file is
    // written completely and flushed to disk, then renamed over this file in one atomic
    // step. A crash at any moment leaves either the old file whole or the new one.
    Resultat remplacerpartampon(const QString &tampon, const QByteArray &contenu) const;

    // Drops records from the file through the scratch file. The file is cut into records of
    // `valeurs` values each, where the reader cuts them; `garder(k)` says whether record k
    // (from 1) stays. Kept records are copied byte for byte, so even one the program cannot
    // read is never lost, and each reads after the drop as it read before; an incomplete
    // record at the end is kept as it stands.
    Resultat retirer(const QString &tampon, int valeurs, const std::function<bool(qint64)> &garder) const;
    // The same from `contenu`, the bytes of the file as the caller has just read and
    // checked them: what is dropped is what was checked. `ajout`, whole records, goes
    // after the last whole record in the same replacement (before an unreadable end, so
    // that it stays readable): a record replaced by its new version in one step.
    Resultat retirer(const QString &tampon, const QByteArray &contenu, int valeurs,
                     const std::function<bool(qint64)> &garder, const QByteArray &ajout = {}) const;

private:
    QString m_chemin;
};

} // namespace travail
