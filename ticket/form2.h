#pragma once
// The printer calibration window "test imprimantes", and the ticket printing that the
// other windows call on its single instance without showing it.
//
// Contract shared with the bet entry and saved bets windows:
//   form2().imprime(tj, m, j, dt) prints one bet on one ticket through the installed
//   printer (ticket::imprimante()), after reading the corrections from the `prefer`
//   work file, as a batch of its own or as one ticket of the caller's batch. It returns
//   true when the ticket was sent (or kept for the caller's batch); on any failure it has
//   already told the user in a French message box, nothing was printed, and it returns
//   false. It also returns false, with nothing told, when the user closed the preview or
//   gave no PDF file name.

#include "commun/fenetre.h"

#include <QString>

#include <array>

class QLabel;
class QPushButton;
class QSlider;

class Form2 : public Fenetre
{
    Q_OBJECT
public:
    Form2();

    float chp = 0;   // horizontal correction, twips
    float cvp = 0;   // vertical correction, twips

    // Loads cvp and chp from the corrections file (created empty when missing). When the
    // file cannot be read, both become 0, the file is left as it is, and the reason is
    // returned in French; an empty text means the corrections were read.
    QString sortirprefer();
    // Draws one mark at box (rang, numero), moved by the vertical correction v and the
    // horizontal correction h, in the printer's open document. Returns the failure in
    // French, or an empty text.
    QString quellecase(float rang, float numero, float v, float h);
    // A failure is told to the user, or given in `erreur` when the caller tells it itself.
    bool imprime(const QString &tj, float m, const std::array<float, 9> &j, bool dt, QString *erreur = nullptr);

    void affichecorrections();

protected:
    void chargement() override;
    bool touche(const QString &texte) override;

private:
    void test();
    void enregistrer();
    void reinitialiser();
    void horizontal(int valeur);
    void vertical(int valeur);

    QLabel *Label4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label1;
    QSlider *Slider1;
    QSlider *Slider2;
};

Form2 &form2();
