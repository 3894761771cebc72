#pragma once
// The summary window "bilan methode 1": the ordered quintés listed, dropped one by one or
// all at once, and saved as quinté bets, the selected one or all of them.

#include "commun/fenetre.h"
#include "quintes/combinaison.h"
#include "travail/fichierdetravail.h"

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
    // The ordered file still holds the quintés listed, in the same order; `contenu` gets its
    // bytes. When it does not, nothing may be done: the user is told and the list read again.
    bool verifierliste(QByteArray &contenu);
    // A save refused on the saved bets file's damaged end: the repair offered, and the
    // save tried again once it is done.
    bool reparerjeux(const travail::Resultat &r, const QString &texte);
    void supprimerselection();
    void supprimertout();
    void enregistrerselection();
    void enregistrertout();

    QList<quintes::Combinaison> m_combinaisons;   // the quintés listed, as the load read them
    QLabel *Label1;
    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Command3;
};
