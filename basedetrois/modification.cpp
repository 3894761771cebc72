#include "basedetrois/modification.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "travail/annulation.h"
#include "travail/depot.h"
#include "travail/jeu.h"

#include <optional>

namespace basedetrois {

bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat()> &changer)
{
    travail::Resultat r;
    bool entame = false;   // the command failed after changing a file
    {
        std::optional<travail::annulation::Modification> modification;
        QList<QByteArray> avant;
        if (!chemins.isEmpty()) {
            modification.emplace(chemins);
            r = modification->resultat();
            for (const QString &chemin : chemins)
                travail::FichierDeTravail(chemin).lire(avant.emplace_back());
        }
        if (r.ok())
            r = changer();
        if (r.ok()) {
            if (modification)
                modification->reussie();
            return true;
        }
        // A file left changed by a command that failed half way can still be put back.
        for (qsizetype i = 0; modification && modification->resultat().ok() && i < chemins.size(); ++i) {
            QByteArray maintenant;
            travail::FichierDeTravail(chemins[i]).lire(maintenant);
            entame = entame || maintenant != avant[i];
        }
        if (entame)
            modification->reussie();
    }
    if (entame)
        r.erreur += QStringLiteral("\n\n« Annuler la dernière modification » remet les fichiers comme ils étaient.");
    curseur::normal();   // the user reads the message with the usual pointer
    if (r.finabimee) {
        // Nothing was appended onto a damaged end: once it is repaired, the same again.
        if (reparer::proposer(fenetre, QStringLiteral("Rien n'a été enregistré.\n\n") + r.erreur, travail::depot().fichier(),
                              travail::valeursparjeu, reparer::lisiblesjeux))
            return modifier(fenetre, chemins, changer);
        return false;
    }
    dialogue::message(fenetre, r.erreur, dialogue::Icone::critique);
    return false;
}

bool reparercouples(QWidget *fenetre, const QString &texte, const QString &duo, const Base &base)
{
    return reparer::proposer(fenetre, texte, duo, 2, [base](const QByteArray &contenu) {
        return lirecouples(contenu, base).positions;
    });
}

} // namespace basedetrois
