#include "apropos/registre.h"

#include "apropos/systeme.h"

#include <QByteArray>

namespace apropos {

bool GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    apropos::Systeme &s = apropos::actuel();
    KeyVal.clear();

    apropos::Cle cle = 0;
    if (s.ouvrircle(KeyRoot, KeyName, apropos::accestotal, cle) != apropos::succes)
        return false;   // nothing was opened, so nothing to close

    QByteArray donnees(1024, '\0');
    quint32 type = 0;
    if (s.lirevaleur(cle, SubKeyRef, type, donnees) != apropos::succes) {
        s.fermercle(cle);
        return false;
    }

    if (type == apropos::typechaine) {
        // The text ends at its terminating zero (a value stored without one ends at its length).
        const qsizetype zero = donnees.indexOf('\0');
        if (zero >= 0)
            donnees.truncate(zero);
        KeyVal = QString::fromLocal8Bit(donnees);
    } else if (type == apropos::typenombre) {
        // Little-endian bytes, the most significant last. Every byte counts, zeros included.
        quint32 nombre = 0;
        for (qsizetype i = qMin<qsizetype>(donnees.size(), 4) - 1; i >= 0; --i)
            nombre = (nombre << 8) | static_cast<quint8>(donnees.at(i));
        KeyVal = QString::number(nombre);
    }

    s.fermercle(cle);
    return true;
}

QString cheminsysinfo()
{
    QString chemin;
    if (GetKeyValue(apropos::hkeylocalmachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), chemin))
        return chemin;

    QString dossier;
    if (GetKeyValue(apropos::hkeylocalmachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), dossier)) {
        const QString outil = dossier + QStringLiteral("\\MSINFO32.EXE");
        if (apropos::actuel().existe(outil))
            return outil;
    }
    return {};
}

} // namespace apropos
