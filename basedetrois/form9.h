#pragma once
// The window "choix d'une base": the three base horses picked one after another, then
// saved in mabase; the couples that hold one of them are dropped from duo.

#include "basedetrois/base.h"
#include "commun/fenetre.h"

#include <array>

class QLabel;
class QPushButton;

class Form9 : public Fenetre
{
    Q_OBJECT
public:
    Form9();

    const basedetrois::Base &base() const { return m_base; }
    QStringList fichiers() const override;

protected:
    void chargement() override;

private:
    void choisir(qint16 cheval);
    void effacedernier();
    void effacetout();
    void sauvegarder();
    void afficher();

    QLabel *Label1;
    std::array<QPushButton *, 21> Command1{};   // 1 to 20
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    basedetrois::Base m_base;
};

Form9 &form9();
