#pragma once
// The summary window "bilan methode 2": the quintés of the base with each couple, dropped
// one by one or all at once, and saved as quinté bets, the selected one or all of them.

#include "basedetrois/base.h"
#include "commun/fenetre.h"

class QLabel;
class QListWidget;
class QPushButton;

class Form12 : public Fenetre
{
    Q_OBJECT
public:
    Form12();

    QStringList fichiers() const override;

protected:
    void chargement() override;
    void dechargement() override;

private:
    int selection() const;   // line selected, from 1; 0 when none
    void supprimerselection();
    void supprimertout();
    void enregistrerselection();
    void enregistrertout();

    QLabel *Label1;
    QLabel *Label2;
    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Command3;
    basedetrois::Base m_base;
    QList<basedetrois::Couple> m_couples;   // one a line of List1
    QList<qint64> m_positions;              // the record of each in duo
};

Form12 &form12();
