#include "apropos/systeme.h"

#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winreg.h>
#endif

namespace apropos {

namespace {

#ifdef Q_OS_WIN
// The predefined root keys are sign-extended handles: map the 32-bit numbers back.
HKEY racinesysteme(quint32 racine)
{
    switch (racine) {
    case hkeyclassesroot: return HKEY_CLASSES_ROOT;
    case hkeycurrentuser: return HKEY_CURRENT_USER;
    case hkeylocalmachine: return HKEY_LOCAL_MACHINE;
    case hkeyusers: return HKEY_USERS;
    default: return nullptr;
    }
}
#endif

class Bureau final : public Systeme
{
public:
#ifdef Q_OS_WIN
    long ouvrircle(quint32 racine, const QString &nom, quint32 acces, Cle &cle) override
    {
        const HKEY r = racinesysteme(racine);
        if (!r)
            return ERROR_INVALID_HANDLE;
        const QByteArray n = nom.toLocal8Bit();
        HKEY h = nullptr;
        const LONG code = RegOpenKeyExA(r, n.constData(), 0, static_cast<REGSAM>(acces), &h);
        if (code == ERROR_SUCCESS)
            cle = reinterpret_cast<Cle>(h);
        return code;
    }

    long lirevaleur(Cle cle, const QString &nom, quint32 &type, QByteArray &donnees) override
    {
        const QByteArray n = nom.toLocal8Bit();
        DWORD t = 0;
        DWORD taille = static_cast<DWORD>(donnees.size());
        const LONG code = RegQueryValueExA(reinterpret_cast<HKEY>(cle), n.constData(), nullptr, &t,
                                           reinterpret_cast<LPBYTE>(donnees.data()), &taille);
        if (code == ERROR_SUCCESS) {
            type = static_cast<quint32>(t);
            donnees.truncate(static_cast<qsizetype>(taille));
        }
        return code;
    }

    void fermercle(Cle cle) override { RegCloseKey(reinterpret_cast<HKEY>(cle)); }
#else
    // No registry here: no key can be opened.
    long ouvrircle(quint32, const QString &, quint32, Cle &) override { return introuvable; }
    long lirevaleur(Cle, const QString &, quint32 &, QByteArray &) override { return introuvable; }
    void fermercle(Cle) override {}
#endif

    bool existe(const QString &chemin) override { return QFileInfo(chemin).isFile(); }

    bool demarrer(const QString &chemin) override
    {
        return !chemin.isEmpty() && QProcess::startDetached(chemin, {});
    }
};

Bureau bureau;
Systeme *courant = &bureau;

} // namespace

Systeme &actuel()
{
    return *courant;
}

Systeme *installer(Systeme *s)
{
    Systeme *avant = courant;
    courant = s ? s : &bureau;
    return avant;
}

} // namespace apropos
