#pragma once
// The few services of the operating system that the About window needs: the registry
// (open a key, read a value, close the key), a file-existence test and the start of a
// program by its path. On Windows they are the system's own; elsewhere the registry
// has no keys. A test installs a Systeme of its own.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace apropos {

// Root keys, as the registry numbers them.
inline constexpr quint32 hkeyclassesroot = 0x80000000u;
inline constexpr quint32 hkeycurrentuser = 0x80000001u;
inline constexpr quint32 hkeylocalmachine = 0x80000002u;
inline constexpr quint32 hkeyusers = 0x80000003u;

// Full access to a key (KEY_ALL_ACCESS).
inline constexpr quint32 accestotal = 0x2003Fu;

// Types of registry values.
inline constexpr quint32 typechaine = 1;   // REG_SZ
inline constexpr quint32 typenombre = 4;   // REG_DWORD, little-endian

// Return codes of the registry, as the system gives them.
inline constexpr long succes = 0;          // ERROR_SUCCESS
inline constexpr long introuvable = 2;     // ERROR_FILE_NOT_FOUND
inline constexpr long accesrefuse = 5;     // ERROR_ACCESS_DENIED
inline constexpr long tropgrand = 234;     // ERROR_MORE_DATA

using Cle = quintptr;

class Systeme
{
public:
    virtual ~Systeme() = default;

    // RegOpenKeyExA: `cle` receives the open key when the result is `succes`.
    virtual long ouvrircle(quint32 racine, const QString &nom, quint32 acces, Cle &cle) = 0;
    // RegQueryValueExA: `donnees` comes in with the size of the buffer and goes out cut
    // to the length of the value in bytes; a value longer than the buffer gives `tropgrand`.
    virtual long lirevaleur(Cle cle, const QString &nom, quint32 &type, QByteArray &donnees) = 0;
    // RegCloseKey.
    virtual void fermercle(Cle cle) = 0;

    virtual bool existe(const QString &chemin) = 0;
    // Starts the program itself (no shell, no arguments) in a normal window; false when
    // it could not be started.
    virtual bool demarrer(const QString &chemin) = 0;
};

Systeme &actuel();

// Installs `s` in place of the operating system (nullptr puts it back). Returns the previous one.
Systeme *installer(Systeme *s);

} // namespace apropos
