#include "basedetrois/modification.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "travail/annulation.h"

namespace basedetrois {

bool modifier(QWidget *fenetre, const QStringList &chemins, const std::function<travail::Resultat()> &changer)
{
    travail::annulation::Modification modification(chemins);
    travail::Resultat r = modification.resultat();
    if (r.ok())
        r = changer();
    if (!r.ok()) {
        curseur::normal();   // the user reads the message with the usual pointer
        dialogue::message(fenetre, r.erreur, dialogue::Icone::critique);
        return false;
    }
    modification.reussie();
    return true;
}

} // namespace basedetrois
