#pragma once
// The constraint entry window "Saisir une contrainte": reads as a French sentence,
// "au moins" / "au plus", a count from 0 to 5, "dans", the twenty horses; refuses the
// constraints that make no sense and appends the others to the constraint file.
// Whenever it closes, it announces that the constraints may have changed (the generator
// window then opens and regenerates).

#include "commun/fenetre.h"
#include "quintes/contrainte.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;

class Form6 : public Fenetre
{
    Q_OBJECT
public:
    Form6();

    // Sets the controls from a constraint (used by "Modifier" of the list window).
    void remplir(const quintes::Contrainte &c);
    // The constraint the controls show.
    quintes::Contrainte contrainte() const;
    void cachemessage();

protected:
    void chargement() override;
    void dechargement() override;

private:
    void enregistrer();
    void aide();

    QMenuBar *m_menu;
    std::array<QRadioButton *, 2> Option1;
    std::array<QRadioButton *, 6> Option2;
    std::array<QCheckBox *, 20> Check1;
    QFrame *Frame1;
    QFrame *Frame2;
    QLabel *Label1;
    QLabel *Label3;
    QPushButton *Command1;
};

Form6 &form6();
