#pragma once
// The window "association par liste": associated horses checked in a list; every pair of
// them makes one quinté with the base (a reduced field), validated into duo.

#include "basedetrois/base.h"
#include "commun/fenetre.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

class Form11 : public Fenetre
{
    Q_OBJECT
public:
    Form11();

    QStringList fichiers() const override;

protected:
    void chargement() override;

private:
    QList<qint16> coches() const;
    void afficher();
    void valider();

    QLabel *Label1;
    QLabel *Label3;
    std::array<QCheckBox *, 21> Check1{};   // 1 to 20
    QPushButton *Command4;
    QPushButton *Command5;
    basedetrois::Base m_base;
};

Form11 &form11();
