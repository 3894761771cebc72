#pragma once
// The window "association par couples": couples of associated horses picked by hand, two
// clicks a couple, each making one quinté with the base; validated into duo.

#include "basedetrois/base.h"
#include "commun/fenetre.h"

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

class Form10 : public Fenetre
{
    Q_OBJECT
public:
    Form10();

    QStringList fichiers() const override;

protected:
    void chargement() override;
    void dechargement() override;

private:
    void choisir(qint16 cheval);
    void supprimer();
    void supprimertout();
    void valider();
    void afficher();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QListWidget *List1;
    std::array<QPushButton *, 21> Command1{};   // 1 to 20
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    basedetrois::Base m_base;
    QList<basedetrois::Couple> m_couples;   // as List1 shows them
    qint16 m_premier = 0;                   // first horse of the couple being built
};

Form10 &form10();
