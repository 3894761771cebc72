#include "commun/demarrage.h"

#include "commun/dialogue.h"

namespace demarrage {

std::unique_ptr<travail::Verrou> prendredossier()
{
    auto verrou = std::make_unique<travail::Verrou>();
    if (verrou->ok())
        return verrou;
    dialogue::message(nullptr, verrou->erreur(), dialogue::Icone::critique);
    return nullptr;
}

} // namespace demarrage
