#pragma once
// The odds window "Gestion des côtes": the odds of horses 1 to 20 and the odds filter
// settings read by the generator. Whenever it closes, the generator window opens again.

#include "commun/fenetre.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FenetreCotes : public Fenetre
{
    Q_OBJECT
public:
    FenetreCotes();

protected:
    void chargement() override;
    void dechargement() override;

private:
    void enregistrer();

    std::array<QLabel *, 20> Label1;
    std::array<QLineEdit *, 20> Text1;    // odds of horse i + 1
    QCheckBox *Check1;                    // the filter is on
    std::array<QLabel *, 4> Label2;
    std::array<QLineEdit *, 4> Text2;     // coteMin, coteMax, totalMin, totalMax
    QPushButton *Command1;
    QPushButton *Command2;
};

FenetreCotes &fenetrecotes();

// A number typed by the user, with a comma or a point as decimal separator.
bool lirenombre(const QString &texte, float &valeur);
