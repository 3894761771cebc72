#pragma once
// The summary window "bilan methode 1": the ordered quintés listed, dropped one by one or
// all at once, and saved as quinté bets, the selected one or all of them.

#include "commun/fenetre.h"

class QLabel;
class QListWidget;
class QPushButton;

class Form8 : public Fenetre
{
    Q_OBJECT
public:
    Form8();

    // Appends the quinté of line `selec` (from 1) to the saved bets.
    bool enregistre(int selec);

    QStringList fichiers() const override;

protected:
    void chargement() override;
    void dechargement() override;
    bool touche(const QString &texte) override;

private:
    int selection() const;   // line selected, from 1; 0 when none
    void supprimerselection();
    void supprimertout();
    void enregistrerselection();
    void enregistrertout();

    QLabel *Label1;
    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Command3;
};
