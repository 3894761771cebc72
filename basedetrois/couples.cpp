#include "basedetrois/couples.h"

#include <QDir>

namespace basedetrois {

using travail::FichierDeTravail;
using travail::Resultat;

Resultat sauverbase(const Base &base, const QString &mabase, const QString &duo, const QString &tampon, int *retires,
                    bool *entame)
{
    if (retires)
        *retires = 0;
    if (entame)
        *entame = false;
    const FichierDeTravail fduo(duo);
    QByteArray avant;
    if (Resultat r = fduo.lire(avant); !r.ok())
        return r;
    // Read without a base: a couple that holds a horse of the old base is a sound couple
    // here, dropped only when it holds a horse of the new one.
    const LectureCouples lus = lirecouples(avant, Base());
    QList<qint64> aretirer;
    for (qsizetype i = 0; i < lus.couples.size(); ++i)
        if (base.contient(lus.couples[i][0]) || base.contient(lus.couples[i][1]))
            aretirer.append(lus.positions[i]);
    if (!aretirer.isEmpty()) {
        if (Resultat r = fduo.retirer(tampon, avant, 2, [&aretirer](qint64 k) { return !aretirer.contains(k); }); !r.ok())
            return r;
    }
    if (Resultat r = FichierDeTravail(mabase).remplacerpartampon(tampon, enregistrement(base)); !r.ok()) {
        // The couples go back with the old base they belong to.
        if (!aretirer.isEmpty())
            if (Resultat remis = fduo.remplacerpartampon(tampon, avant); !remis.ok()) {
                r.erreur += QStringLiteral("\n\nDe plus, les couples retirés n'ont pas pu être remis : ") + remis.erreur;
                if (entame)
                    *entame = true;
            }
        return r;
    }
    if (retires)
        *retires = static_cast<int>(aretirer.size());
    return {};
}

Resultat ecrirecouples(const QList<Couple> &couples, const QString &duo, const QString &tampon)
{
    return FichierDeTravail(duo).remplacerpartampon(tampon, enregistrement(couples));
}

Resultat retirercouple(const Base &base, qint64 position, const Couple &attendu, const QString &duo, const QString &tampon,
                       bool *change)
{
    if (change)
        *change = false;
    const FichierDeTravail f(duo);
    QByteArray contenu;
    if (Resultat r = f.lire(contenu); !r.ok())
        return r;
    const LectureCouples lus = lirecouples(contenu, base);
    const qsizetype i = lus.positions.indexOf(position);
    if (i < 0 || lus.couples[i] != attendu) {
        if (change)
            *change = true;
        return Resultat::echec(QStringLiteral("Le couple %1 - %2 n'est plus à cette place dans le fichier « %3 » : "
                                              "rien n'a été supprimé. La liste va être relue.")
                                   .arg(attendu[0])
                                   .arg(attendu[1])
                                   .arg(QDir::toNativeSeparators(duo)));
    }
    return f.retirer(tampon, contenu, 2, [position](qint64 k) { return k != position; });
}

Resultat enregistrer(const Base &base, const QList<Couple> &couples, const QString &fichier, const QString &tampon)
{
    if (couples.isEmpty())
        return {};
    QByteArray jeux;
    jeux.reserve(couples.size() * 64);
    for (const Couple &c : couples)
        travail::ajouterenregistrement(jeux, jeu(base, c));
    const FichierDeTravail f(fichier);
    if (couples.size() == 1)
        return f.ajouter(jeux, travail::valeursparjeu);
    return f.ajouterpartampon(tampon, jeux, travail::valeursparjeu);
}

} // namespace basedetrois
