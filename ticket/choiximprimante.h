#pragma once
// The window "choiximprimante": the system's printers, the default one marked, and a last
// line "Fichier PDF". The choice is kept in the work file `imprimante`; every ticket and
// listing goes there from then on.

#include "commun/fenetre.h"

#include "commun/liste.h"
class QLabel;
class QListWidgetItem;
class QPushButton;

class ChoixImprimante : public Fenetre
{
    Q_OBJECT
public:
    ChoixImprimante();

protected:
    void chargement() override;
    QStringList fichiers() const override;

private:
    void choisir();

    QLabel *Label1;
    Liste *List1;
    QPushButton *Command1;
    QPushButton *Command2;
};

ChoixImprimante &choiximprimante();
