#include "travail/reparation.h"

#include "travail/format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>

namespace travail::reparation {

Decoupe decouper(const QByteArray &contenu, int valeurs)
{
    Decoupe d;
    const QByteArrayView tout(contenu);
    Lecture lecture(contenu);
    while (!lecture.fini()) {
        const qsizetype debut = lecture.position();
        int lus = 0;
        while (lus < valeurs && lecture.passer())
            ++lus;
        if (lus < valeurs) {
            d.reste = tout.sliced(debut);
            break;
        }
        d.enregistrements.append(tout.sliced(debut, lecture.position() - debut));
    }
    return d;
}

Partage partager(const QByteArray &contenu, int valeurs, const QList<qint64> &lisibles)
{
    Partage p;
    const QSet<qint64> garder(lisibles.begin(), lisibles.end());
    const Decoupe d = decouper(contenu, valeurs);
    for (qsizetype i = 0; i < d.enregistrements.size(); ++i) {
        if (garder.contains(i + 1)) {
            p.gardes += d.enregistrements[i];
            ++p.nbgardes;
        } else {
            p.abimes += d.enregistrements[i];
            ++p.nbabimes;
        }
    }
    if (!d.reste.isEmpty()) {
        p.abimes += d.reste;
        ++p.nbabimes;
    }
    // The last kept record gets the line end it lacks, or the half it lost; a comma after
    // its last value becomes that line end (a line end after it would be one more value).
    if (p.gardes.endsWith('\r'))
        p.gardes += '\n';
    else if (p.gardes.endsWith(','))
        p.gardes.replace(p.gardes.size() - 1, 1, "\r\n");
    else if (!p.gardes.isEmpty() && !p.gardes.endsWith('\n'))
        p.gardes += "\r\n";
    return p;
}

QString nomabime(const QString &chemin)
{
    const QFileInfo info(chemin);
    const QString dossier = info.absolutePath() + QLatin1Char('/');
    const QString base = info.completeBaseName();
    const QString suffixe = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString nom = dossier + base + QStringLiteral(".abime") + (n > 1 ? QString::number(n) : QString()) + suffixe;
        if (!QFileInfo::exists(nom))
            return QDir::toNativeSeparators(nom);
    }
}

namespace {

// A new file, never one that exists, written whole and flushed.
Resultat ecrirenouveau(const QString &chemin, const QByteArray &octets)
{
    const FichierDeTravail f(chemin);
    QFile nouveau(chemin);
    errno = 0;
    if (!nouveau.open(QIODevice::NewOnly | QIODevice::WriteOnly))
        return Resultat::echec(QStringLiteral("Impossible de créer le fichier « %1 » : %2.")
                                   .arg(QDir::toNativeSeparators(chemin), raisonsysteme(errno)));
    nouveau.close();
    // Written through the scratch file like every other: whole or absent.
    return f.reecrire(octets);
}

} // namespace

Reparation reparer(const QString &chemin, int valeurs, const Lisibles &lisibles)
{
    Reparation r;
    const FichierDeTravail f(chemin);
    QByteArray contenu;
    if (r.resultat = f.lire(contenu); !r.resultat.ok())
        return r;
    const Partage p = partager(contenu, valeurs, lisibles(contenu));
    r.gardes = p.nbgardes;
    r.abimes = p.nbabimes;
    if (p.gardes == contenu)
        return r;   // nothing to set right
    if (!p.abimes.isEmpty()) {
        r.abime = nomabime(chemin);
        if (r.resultat = ecrirenouveau(r.abime, p.abimes); !r.resultat.ok()) {
            QFile::remove(r.abime);
            r.abime.clear();
            return r;
        }
    }
    r.resultat = f.reecrire(p.gardes);
    return r;
}

QString Reparation::message(const QString &chemin) const
{
    const QString fichier = QDir::toNativeSeparators(chemin);
    if (!resultat.ok())
        return QStringLiteral("Le fichier « %1 » n'a pas été réparé.\n\n%2").arg(fichier, resultat.erreur);
    QString texte = QStringLiteral("Le fichier « %1 » a été réparé : il garde %2 enregistrement(s) lisible(s).").arg(fichier).arg(gardes);
    if (!abime.isEmpty())
        texte += QStringLiteral("\nCe qui ne pouvait pas être lu (%1 enregistrement(s) ou fin coupée) a été mis à part, "
                                "tel quel, dans le fichier « %2 ».")
                     .arg(abimes)
                     .arg(abime);
    return texte;
}

QString question()
{
    return QStringLiteral("\n\nRéparer le fichier ? Ses enregistrements lisibles y resteront ; les octets illisibles "
                          "seront mis à part, tels quels, dans un nouveau fichier à côté de lui.\n"
                          "« OK » répare, « Annuler » le laisse tel quel.");
}

} // namespace travail::reparation
