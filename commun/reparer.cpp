#include "commun/reparer.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "travail/jeu.h"

namespace reparer {

bool proposer(QWidget *parent, const QString &texte, const QString &chemin, int valeurs,
              const travail::reparation::Lisibles &lisibles)
{
    if (dialogue::message(parent, texte + travail::reparation::question(), dialogue::Icone::attention,
                          dialogue::Boutons::okannuler) != dialogue::Reponse::ok)
        return false;
    travail::reparation::Reparation r;
    {
        const curseur::Sablier sablier;
        r = travail::reparation::reparer(chemin, valeurs, lisibles);
    }
    dialogue::message(parent, r.message(chemin), r.resultat.ok() ? dialogue::Icone::information : dialogue::Icone::critique);
    return r.resultat.ok();
}

QList<qint64> lisiblesjeux(const QByteArray &contenu)
{
    return travail::lirejeux(contenu).positions;
}

} // namespace reparer
