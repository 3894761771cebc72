#include "travail/fichierdetravail.h"

#include "travail/format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace travail {

namespace {
Disque reel;
Disque *disque = &reel;
} // namespace

Disque *installer(Disque *d)
{
    Disque *avant = disque;
    disque = d ? d : &reel;
    return avant;
}

QString racine()
{
    QString dossier = qEnvironmentVariable("KRN_RACINE");
    if (dossier.isEmpty()) {
#ifdef Q_OS_WIN
        dossier = QStringLiteral("c:/");
#else
        dossier = QDir::homePath() + QStringLiteral("/.local/share/krn");
#endif
    }
    QDir().mkpath(dossier);
    return QDir::cleanPath(dossier);
}

QString chemin(const char *nom)
{
    QString r = racine();
    if (!r.endsWith(QLatin1Char('/')))
        r += QLatin1Char('/');
    return QDir::toNativeSeparators(r + QLatin1String(nom));
}

namespace {

QString raison(const QFile &f)
{
    return f.errorString();
}

QString nomaffiche(const QString &chemin)
{
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(chemin));
}

// Writes every byte in one call and pushes it to the disk before closing.
bool ecrireentier(QFile &f, const QByteArray &contenu)
{
    if (!contenu.isEmpty() && f.write(contenu) != contenu.size())
        return false;
    if (!f.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}

bool renommeratomique(const QString &source, const QString &cible, QString &erreur)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(source).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(cible).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    erreur = QStringLiteral("erreur système %1").arg(GetLastError());
    return false;
#else
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(cible).constData()) != 0) {
        erreur = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Make the new name itself durable.
    const int d = ::open(QFile::encodeName(QFileInfo(cible).absolutePath()).constData(), O_RDONLY);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return true;
#endif
}

} // namespace

FichierDeTravail::FichierDeTravail(QString chemin) : m_chemin(std::move(chemin)) {}

bool FichierDeTravail::existe() const
{
    return QFileInfo::exists(m_chemin);
}

Resultat FichierDeTravail::assurerexistence() const
{
    if (existe())
        return {};
    QFile f(m_chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return Resultat::echec(QStringLiteral("Impossible de créer le fichier %1 : %2.").arg(nomaffiche(m_chemin), raison(f)));
    return {};
}

Resultat FichierDeTravail::lire(QByteArray &contenu) const
{
    contenu.clear();
    if (!existe())
        return {};
    QFile f(m_chemin);
    if (!f.open(QIODevice::ReadOnly))
        return Resultat::echec(QStringLiteral("Impossible de lire le fichier %1 : %2.").arg(nomaffiche(m_chemin), raison(f)));
    contenu = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Resultat::echec(QStringLiteral("Impossible de lire le fichier %1 : %2.").arg(nomaffiche(m_chemin), raison(f)));
    return {};
}

Resultat FichierDeTravail::assureretlire(QByteArray &contenu) const
{
    contenu.clear();
    if (Resultat r = assurerexistence(); !r.ok())
        return r;
    return lire(contenu);
}

Resultat FichierDeTravail::ajouter(const QByteArray &enregistrements) const
{
    QFile f(m_chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || !ecrireentier(f, enregistrements))
        return Resultat::echec(QStringLiteral("Impossible d'écrire dans le fichier %1 : %2.").arg(nomaffiche(m_chemin), raison(f)));
    return {};
}

Resultat FichierDeTravail::reecrire(const QByteArray &contenu) const
{
    QFile f(m_chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || !ecrireentier(f, contenu))
        return Resultat::echec(QStringLiteral("Impossible d'écrire le fichier %1 : %2.").arg(nomaffiche(m_chemin), raison(f)));
    return {};
}

Resultat FichierDeTravail::supprimer() const
{
    if (!existe())
        return {};
    QFile f(m_chemin);
    if (!f.remove())
        return Resultat::echec(QStringLiteral("Impossible de supprimer le fichier %1 : %2.").arg(nomaffiche(m_chemin), raison(f)));
    return {};
}

Resultat FichierDeTravail::remplacerpartampon(const QString &tampon, const QByteArray &contenu) const
{
    {
        QFile t(tampon);
        if (!t.open(QIODevice::WriteOnly | QIODevice::Truncate) || !ecrireentier(t, contenu)) {
            const QString pourquoi = raison(t);
            t.close();
            QFile::remove(tampon);
            return Resultat::echec(QStringLiteral("Impossible d'écrire le fichier %1 : %2. Le fichier %3 n'a pas été modifié.")
                                       .arg(nomaffiche(tampon), pourquoi, nomaffiche(m_chemin)));
        }
    }
    if (!disque->avantremplacement(m_chemin))
        return Resultat::echec(QStringLiteral("Remplacement du fichier %1 interrompu.").arg(nomaffiche(m_chemin)));
    QString pourquoi;
    if (!renommeratomique(tampon, m_chemin, pourquoi))
        return Resultat::echec(QStringLiteral("Impossible de remplacer le fichier %1 : %2. Il n'a pas été modifié.")
                                   .arg(nomaffiche(m_chemin), pourquoi));
    return {};
}

Resultat FichierDeTravail::retirer(const QString &tampon, int valeurs, const std::function<bool(qint64)> &garder) const
{
    QByteArray contenu;
    if (Resultat r = lire(contenu); !r.ok())
        return r;
    return retirer(tampon, contenu, valeurs, garder);
}

Resultat FichierDeTravail::retirer(const QString &tampon, const QByteArray &contenu, int valeurs,
                                   const std::function<bool(qint64)> &garder, const QByteArray &ajout) const
{
    QByteArray gardes;
    gardes.reserve(contenu.size() + ajout.size() + 1);
    // Records are cut where the reader cuts them, each with the line end of its last value.
    // Where a record is dropped, a kept one ending with a lone CR can meet one starting
    // with a LF (an empty first value): together they would make one CR LF line end and
    // the second would read one value less, shifting every record after it. That CR
    // gets its LF, so that the empty value stays an empty value.
    const auto joindre = [&gardes](QByteArrayView morceau) {
        if (!morceau.isEmpty() && morceau.front() == '\n' && gardes.endsWith('\r'))
            gardes += '\n';
        gardes += morceau;
    };
    bool ajoute = false;
    Lecture lecture(contenu);
    qint64 k = 0;
    while (!lecture.fini()) {
        const qsizetype debut = lecture.position();
        // A record in the form the program writes it is cut at a few comparisons a value;
        // any other is cut by the general reading, from the same place.
        Lecture::Ecrits ecrits = lecture.ecrits();
        int lus = 0;
        while (lus < valeurs && ecrits.passer())
            ++lus;
        if (lus == valeurs) {
            lecture.prendre(ecrits);
        } else {
            lus = 0;
            while (lus < valeurs && lecture.passer())
                ++lus;
        }
        if (lus < valeurs) {
            // An incomplete or unreadable end: kept as it stands, after the new records.
            joindre(ajout);
            ajoute = true;
            joindre(QByteArrayView(contenu).sliced(debut));
            break;
        }
        ++k;
        if (garder(k))
            joindre(QByteArrayView(contenu).sliced(debut, lecture.position() - debut));
    }
    if (!ajoute)
        joindre(ajout);
    return remplacerpartampon(tampon, gardes);
}

} // namespace travail
