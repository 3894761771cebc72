#pragma once
// The printer calibration window "test imprimantes", and the ticket printing that the
// other windows call on its single instance without showing it.
//
// Contract shared with the bet entry and saved bets windows:
//   form2().imprime(tj, m, j, dt) prints one bet on one ticket through the installed
//   printer (impression::imprimante()), after reading the corrections from the `prefer`
//   work file. It returns true when the ticket was sent; on any failure it has already
//   told the user in a French message box, nothing was printed, and it returns false.

#include "commun/fenetre.h"

#include <QString>

#include <array>

class Form2 : public Fenetre
{
    Q_OBJECT
public:
    Form2();

    float chp = 0;   // horizontal correction, twips
    float cvp = 0;   // vertical correction, twips

    void sortirprefer();
    bool imprime(const QString &tj, float m, const std::array<float, 9> &j, bool dt);
};

Form2 &form2();
