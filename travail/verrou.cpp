#include "travail/verrou.h"

#include "travail/fichierdetravail.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace travail {

Verrou::Verrou()
{
    const QString dossier = racine();
    const QString affiche = QDir::toNativeSeparators(dossier);
    if (!QFileInfo(dossier).isDir()) {
        if (qEnvironmentVariableIsEmpty("KRN_RACINE")) {
            m_erreur = QStringLiteral("Le dossier de travail « %1 » n'a pas pu être créé.").arg(affiche);
            return;
        }
        m_erreur = QStringLiteral("Le dossier de travail « %1 », nommé par la variable KRN_RACINE, n'existe pas. "
                                  "Créez-le ou corrigez la variable, puis relancez KRN.")
                       .arg(affiche);
        return;
    }
    m_verrou = std::make_unique<QLockFile>(QDir(dossier).filePath(QLatin1String(nomverrou)));
    // Only a lock whose program is gone is stale, however old it is.
    m_verrou->setStaleLockTime(0);
    if (m_verrou->tryLock(0))
        return;
    switch (m_verrou->error()) {
    case QLockFile::LockFailedError:
        m_erreur = QStringLiteral("KRN est déjà ouvert sur le dossier « %1 ».").arg(affiche);
        break;
    case QLockFile::PermissionError:
        m_erreur = QStringLiteral("KRN ne peut pas écrire dans le dossier de travail « %1 » : %2.")
                       .arg(affiche, raisonsysteme(EACCES));
        break;
    default:
        m_erreur = QStringLiteral("KRN n'a pas pu réserver le dossier de travail « %1 ».").arg(affiche);
        break;
    }
    m_verrou.reset();
}

} // namespace travail
