#pragma once
// The seam between the windows and the desktop's message boxes and beep.
// The program uses the desktop; a test installs a Repondeur of its own that answers
// the questions and counts the beeps.

#include <QString>

class QWidget;

namespace dialogue {

enum class Icone { aucune, information, attention, critique };
enum class Boutons { ok, okannuler };
enum class Reponse { ok, annuler };

class Repondeur
{
public:
    virtual ~Repondeur() = default;
    virtual Reponse message(QWidget *parent, const QString &texte, const QString &titre, Icone icone, Boutons boutons) = 0;
    virtual void bip() = 0;
};

// The application's title, used as the title of its message boxes.
inline const QString titre = QStringLiteral("KRN");

Reponse message(QWidget *parent, const QString &texte, Icone icone = Icone::information,
                Boutons boutons = Boutons::ok, const QString &titre = dialogue::titre);
void bip();

// Installs `r` in place of the desktop (nullptr puts the desktop back). Returns the previous one.
Repondeur *installer(Repondeur *r);

} // namespace dialogue
