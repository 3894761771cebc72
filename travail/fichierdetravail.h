#pragma once
// The work files of the program and the few ways they are reached.
// Each operation opens, works and closes within the call; no file stays open.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QFileDevice;

#include <functional>

namespace travail {

// The directory that stands for the root of drive C: KRN_RACINE when it is set,
// otherwise c:\ on Windows and ~/.local/share/krn elsewhere. Only the default one is
// created on first use: a KRN_RACINE that names no directory is reported at start.
QString racine();

// The system's reason for a failure, in French for the usual cases (disk full, access
// refused, read-only, no such file or directory, is a directory, input/output error).
QString raisonsysteme(int code);

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
inline constexpr const char *imprimante = "imprimante.txt";   // the printer chosen for tickets and listings
} // namespace noms

// Absolute path of a work file under the root directory.
QString chemin(const char *nom);

// What an operation on a file gives back: ok, or a French sentence saying what failed.
struct Resultat
{
    QString erreur;
    // Nothing was appended because the file does not end on a whole record: a repair
    // (travail/reparation) can be offered.
    bool finabimee = false;
    bool ok() const { return erreur.isEmpty(); }
    static Resultat echec(QString raison) { return Resultat{std::move(raison)}; }
};

// Where the end of a file of records of `valeurs` values stands.
struct Fin
{
    bool entiere = true;      // empty, or the last record whole and ended by its line end (LF or CR LF)
    int enregistrement = 0;   // when not: the record cut short (from 1)
    int ligne = 0;            // and the line where it starts (from 1)
};
Fin examinerfin(const QByteArray &contenu, int valeurs);
// "Le fichier « … » ne se termine pas par un enregistrement entier : …", for a damaged end.
QString textefin(const QString &chemin, const Fin &fin);

// The steps of a write, in the order they come.
enum class Etape {
    tamponecrit,   // the scratch file is whole on disk, not yet renamed over the work file
    remplace,      // renamed over it, the directory not yet flushed
    ajoutecrit,    // appended bytes written, not yet flushed to the disk
    ajoutfini,     // appended bytes on the disk
};

// The disk as the work files meet it: every write and every step between writes. The
// program uses the real one; a test installs its own to stop a write where a crash
// would, or to make a write fail after so many bytes as a full disk does.
class Disque
{
public:
    virtual ~Disque() = default;
    // Writes to the open file: the number of bytes written, -1 with errno set on failure.
    virtual qint64 ecrire(QFileDevice &f, QByteArrayView octets);
    // Called between two steps; false stops the write there, as a crash would.
    virtual bool etape(Etape e, const QString &fichier) { Q_UNUSED(e); Q_UNUSED(fichier); return true; }
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
    // Appends whole records of `valeurs` values, only after a whole end (examinerfin):
    // otherwise nothing is written and the answer has `finabimee`. The bytes are written
    // and flushed to disk; on any failure the file is cut back to its old size, so that a
    // record reported as not saved is not in the file.
    Resultat ajouter(const QByteArray &enregistrements, int valeurs) const;
    // The same, for many records at once: the old content and the new records are written
    // whole to the scratch file, flushed and renamed over this file, so that a crash leaves
    // either all of them saved or none.
    Resultat ajouterpartampon(const QString &tampon, const QByteArray &enregistrements, int valeurs) const;
    // Replaces the content through the scratch file beside it (remplacerpartampon).
    Resultat reecrire(const QByteArray &contenu) const;
    Resultat supprimer() const;                         // a missing file is not an error; a read-only one is kept

    // Replaces the whole file with `contenu` through the scratch file: the scratch file is
    // written completely and flushed to disk, then renamed over this file in one atomic
    // step. A crash at any moment leaves either the old file whole or the new one.
    // A read-only file is not replaced. Once renamed, the content is saved: a failure to
    // flush the directory afterwards is not reported as a failure of the write.
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
    // The same for one record whose bytes the caller knows from its own reading of
    // `contenu` (a reader that cuts where retirer() cuts): bytes `debut` to `fin` dropped,
    // every other byte kept, without cutting the file into records again.
    Resultat retirerplage(const QString &tampon, const QByteArray &contenu, qsizetype debut, qsizetype fin) const;

private:
    QString m_chemin;
};

} // namespace travail
