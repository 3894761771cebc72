#include "quintes/bilan.h"

#include "travail/nombres.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quintes {

QString lignebilan(const Combinaison &c)
{
    static const QString neufblancs(9, QLatin1Char(' '));
    QString ligne;
    ligne.reserve(60);
    for (qint16 h : c)
        ligne += neufblancs + travail::textenombre(h);
    return ligne;
}

QStringList lignesbilan(const QList<Combinaison> &combinaisons)
{
    QStringList lignes;
    lignes.reserve(combinaisons.size());
    for (const Combinaison &c : combinaisons)
        lignes.append(lignebilan(c));
    return lignes;
}

QString texteconstruits(qsizetype n)
{
    return travail::textenombre(n) + (n > 1 ? QStringLiteral(" quintés construits") : QStringLiteral(" quinté construit"));
}

travail::Jeu jeubilan(const Combinaison &c)
{
    travail::Jeu j;
    j.typedejeu = travail::TypeDePari::quinte;
    j.mult = 1;
    j.dtlo = false;
    j.chevaux = {5, c[0], c[1], c[2], c[3], c[4], 0, 0, 0};
    return j;
}

namespace {

// The readable records of the ordered file (up to its first damage).
travail::Resultat lireordonnes(const QString &quinteo, QList<Combinaison> &combinaisons)
{
    QByteArray contenu;
    if (travail::Resultat r = travail::FichierDeTravail(quinteo).lire(contenu); !r.ok())
        return r;
    combinaisons = lirecombinaisons(contenu).combinaisons;
    return {};
}

} // namespace

travail::Resultat enregistre(int selec, const QString &quinteo, const QString &fichier)
{
    QList<Combinaison> lus;
    if (travail::Resultat r = lireordonnes(quinteo, lus); !r.ok())
        return r;
    if (selec < 1 || selec > lus.size())
        return travail::Resultat::echec(QStringLiteral("Le fichier « %1 » ne contient pas de quinté n° %2 : rien n'a été enregistré.")
                                            .arg(QDir::toNativeSeparators(quinteo))
                                            .arg(selec));
    return travail::FichierDeTravail(fichier).ajouter(travail::enregistrement(jeubilan(lus[selec - 1])), travail::valeursparjeu);
}

travail::Resultat enregistretout(int n, const QString &quinteo, const QString &fichier, int *enregistres)
{
    if (enregistres)
        *enregistres = 0;
    QList<Combinaison> lus;
    if (travail::Resultat r = lireordonnes(quinteo, lus); !r.ok())
        return r;
    const int nombre = static_cast<int>(std::min<qsizetype>(std::max(n, 0), lus.size()));
    if (nombre > 0) {
        QByteArray jeux;
        jeux.reserve(nombre * 64);
        for (int k = 0; k < nombre; ++k)
            travail::ajouterenregistrement(jeux, jeubilan(lus[k]));
        // Through the scratch file beside it: after a crash, either every one is saved or none.
        const QString tampon = QFileInfo(fichier).absolutePath() + QLatin1Char('/') + QLatin1String(travail::noms::tampon);
        if (travail::Resultat r = travail::FichierDeTravail(fichier).ajouterpartampon(tampon, jeux, travail::valeursparjeu); !r.ok())
            return r;
    }
    if (enregistres)
        *enregistres = nombre;
    if (nombre < n)
        return travail::Resultat::echec(QStringLiteral("Le fichier « %1 » ne contient plus que %2 quinté(s) lisible(s) : "
                                                       "%3 jeu(x) enregistré(s) sur %4.")
                                            .arg(QDir::toNativeSeparators(quinteo))
                                            .arg(lus.size())
                                            .arg(nombre)
                                            .arg(n));
    return {};
}

} // namespace quintes
