#include "commun/dialogue.h"

#include <QApplication>
#include <QMessageBox>

namespace dialogue {

namespace {

class Bureau final : public Repondeur
{
public:
    Reponse message(QWidget *parent, const QString &texte, const QString &titre, Icone icone, Boutons boutons) override
    {
        QMessageBox boite(parent);
        boite.setWindowTitle(titre);
        boite.setText(texte);
        switch (icone) {
        case Icone::aucune: boite.setIcon(QMessageBox::NoIcon); break;
        case Icone::information: boite.setIcon(QMessageBox::Information); break;
        case Icone::attention: boite.setIcon(QMessageBox::Warning); break;
        case Icone::critique: boite.setIcon(QMessageBox::Critical); break;
        }
        if (boutons == Boutons::okannuler) {
            boite.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            boite.setDefaultButton(QMessageBox::Ok);
            boite.setEscapeButton(QMessageBox::Cancel);
        } else {
            boite.setStandardButtons(QMessageBox::Ok);
        }
        return boite.exec() == QMessageBox::Ok ? Reponse::ok : Reponse::annuler;
    }

    void bip() override { QApplication::beep(); }
};

Bureau bureau;
Repondeur *actuel = &bureau;

} // namespace

Reponse message(QWidget *parent, const QString &texte, Icone icone, Boutons boutons, const QString &titre)
{
    return actuel->message(parent, texte, titre, icone, boutons);
}

void bip()
{
    actuel->bip();
}

Repondeur *installer(Repondeur *r)
{
    Repondeur *avant = actuel;
    actuel = r ? r : &bureau;
    return avant;
}

} // namespace dialogue
