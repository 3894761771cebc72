#pragma once
// The window "arrivée et gains": the arrival, the non-runners and the payouts of the race
// typed in; "(c)" checks every saved bet against them, lists what each one won and
// saves the race, "(i)" prints the list.

#include "arrivee/gains.h"
#include "commun/fenetre.h"

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class FenetreArrivee : public Fenetre
{
    Q_OBJECT
public:
    FenetreArrivee();

protected:
    void chargement() override;
    bool touche(const QString &texte) override;

private:
    void controler();   // Command1
    void imprimer();    // Command2
    bool lire(arrivee::Course &course);
    void afficher(const arrivee::Course &course);

    std::array<QLabel *, 6> Label3;      // 1 to 5: "1er" … "5e"
    std::array<QLineEdit *, 6> Text1;    // 1 to 5: the horses placed 1st to 5th (0 unused)
    QLabel *Label4;
    QLineEdit *Text2;                    // the non-runners
    std::array<QLabel *, arrivee::nbrapports> Label5;
    std::array<QLineEdit *, arrivee::nbrapports> Text3;   // the payouts
    QListWidget *List1;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;

    bool m_controle = false;     // a check is on screen
    arrivee::Course m_course;    // the race it was made with
};

// The window, created on first use.
FenetreArrivee &fenetrearrivee();
