#pragma once
// The constraint list window "contraintes": one line per constraint of the constraint
// file; add, delete one or all, modify (through the entry window), print, and back to
// the generator.

#include "commun/fenetre.h"
#include "quintes/contrainte.h"

#include <QList>

class QListWidget;
class QPushButton;

class FenetreContraintes : public Fenetre
{
    Q_OBJECT
public:
    FenetreContraintes();

    enum class Destination { liste, imprimante };
    // The description of every readable constraint, to the list or to the printer.
    // Printing stops at the first refused line; false then.
    bool sortircontraintes(Destination destination);

    QStringList fichiers() const override;

protected:
    void chargement() override;
    bool touche(const QString &texte) override;

private:
    void ajouter();
    bool supprimer();
    void modifier();
    void supprimertout();
    void imprimer();
    void ok();

    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *Command6;

    int selection = 0;             // line last selected since the load, from 1; 0: none
    QList<quintes::Contrainte> contraintes;   // the constraint of each line, as listed
    QList<qint64> positions;       // record number in the file of each line of the list
};

FenetreContraintes &fenetrecontraintes();
