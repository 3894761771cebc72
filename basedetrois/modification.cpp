#include "basedetrois/modification.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "travail/annulation.h"
#include "travail/depot.h"
#include "travail/jeu.h"

#include <optional>

namespace basedetrois {

bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat(bool &entame)> &changer)
{
    travail::Resultat r;
    bool entame = false;   // the command failed after changing a file
    {
        std::optional<travail::annulation::Modification> modification;
        if (!chemins.isEmpty()) {
            modification.emplace(chemins);
            r = modification->resultat();
        }
        if (r.ok())
            r = changer(entame);
        // Done, or left half done: either way the copy can put the files back.
        if (modification && (r.ok() || entame))
            modification->reussie();
        if (r.ok())
            return true;
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

bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat()> &changer)
{
    return modifier(fenetre, chemins, std::function<travail::Resultat(bool &)>([&changer](bool &) { return changer(); }));
}

bool reparercouples(QWidget *fenetre, const QString &texte, const QString &duo, const Base &base)
{
    return reparer::proposer(fenetre, texte, duo, 2, [base](const QByteArray &contenu) {
        return lirecouples(contenu, base).positions;
    });
}

} // namespace basedetrois
