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

    // The constraint on screen modifies record `numero` (from 1) of the constraint file,
    // which held `originale` when it was listed. It stays in the file until "enregistrer"
    // replaces it; closing the window leaves the file as it was.
    void modification(int numero, const quintes::Contrainte &originale);

protected:
    void chargement() override;
    void dechargement() override;

private:
    void enregistrer();
    void aide();

    int m_numero = 0;   // record modified, 0 for a new constraint
    quintes::Contrainte m_originale;
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
