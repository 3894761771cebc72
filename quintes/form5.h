#pragma once
// The generator window "quinté sans ordre": each load runs one generation and shows how
// many combinations the constraints (and the odds filter) leave, and the combinations.

#include "commun/fenetre.h"

class QLabel;
class QListWidget;
class QPushButton;

class Form5 : public Fenetre
{
    Q_OBJECT
public:
    Form5();

    QStringList fichiers() const override;

protected:
    void chargement() override;

private:
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

Form5 &form5();
