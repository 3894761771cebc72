#include "jeux/retablissement.h"

#include "quintes/combinaison.h"
#include "quintes/contrainte.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QDir>
#include <QFileInfo>

namespace jeux {

namespace {

QString compte(qsizetype n, const QString &un, const QString &plusieurs)
{
    return QStringLiteral("%1 %2").arg(n).arg(n < 2 ? un : plusieurs);
}

bool meme(const QString &a, const QString &b)
{
    return QFileInfo(a).fileName() == QFileInfo(b).fileName();
}

} // namespace

QString texteretablissement(const QStringList &chemins)
{
    const travail::Depot &d = travail::depot();
    QStringList phrases;
    for (const QString &chemin : chemins) {
        const travail::FichierDeTravail f(chemin);
        if (!f.existe())
            continue;
        QByteArray octets;
        f.lire(octets);
        if (meme(chemin, d.fichier()))
            phrases << QStringLiteral("Les jeux enregistrés ont été rétablis : %1.")
                           .arg(compte(travail::lirejeux(octets).jeux.size(), QStringLiteral("jeu"), QStringLiteral("jeux")));
        else if (meme(chemin, d.contrainte()))
            phrases << QStringLiteral("Les contraintes ont été rétablies : %1.")
                           .arg(compte(quintes::lirecontraintes(octets).contraintes.size(), QStringLiteral("contrainte"),
                                       QStringLiteral("contraintes")));
        else if (meme(chemin, d.quinteo()))
            phrases << QStringLiteral("Les quintés ordonnés ont été rétablis : %1.")
                           .arg(compte(quintes::lirecombinaisons(octets).combinaisons.size(), QStringLiteral("quinté"),
                                       QStringLiteral("quintés")));
        else if (meme(chemin, d.cote()))
            phrases << QStringLiteral("Les côtes ont été rétablies.");
        else if (meme(chemin, d.contrecote()))
            phrases << QStringLiteral("Le filtre des côtes a été rétabli.");
        else if (meme(chemin, d.prefer()))
            phrases << QStringLiteral("Les corrections d'impression ont été rétablies.");
        else if (meme(chemin, d.imprimante()))
            phrases << QStringLiteral("Le choix de l'imprimante a été rétabli.");
        else if (meme(chemin, d.mabase()))
            phrases << QStringLiteral("La base de trois chevaux a été rétablie.");
        else if (meme(chemin, d.duo()))
            phrases << QStringLiteral("Les couples de la méthode par base de 3 ont été rétablis.");
        else
            phrases << QStringLiteral("Le fichier « %1 » a été rétabli.").arg(QDir::toNativeSeparators(chemin));
    }
    if (phrases.isEmpty())
        return QStringLiteral("Les fichiers ont été remis dans l'état où ils étaient avant la dernière modification.");
    return phrases.join(QLatin1Char('\n'));
}

} // namespace jeux
