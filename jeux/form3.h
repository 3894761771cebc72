#pragma once
// The bet entry window "saisir un jeu": a bet type, up to eight horses picked in order,
// a multiplier and "dans tous les ordres"; the price is shown as soon as the selection
// is complete. Its `prix` is the price of travail/jeu.h, by which every window prices.

#include "commun/fenetre.h"
#include "travail/jeu.h"

#include <QString>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

class Form3 : public Fenetre
{
    Q_OBJECT
public:
    Form3();

    double prix(const QString &typedejeu, qint16 nb, float mult, bool dtlo) const;

    void raffraich();

    // Replays a stored bet through the same controls a user would use: its multiplier,
    // its type, the all-orders box, then its horses in order. The window must be open.
    void rejouer(const QString &typedejeu, qint16 mult, bool dtlo, const std::array<qint16, 8> &chevaux);

    // The bet on screen modifies record `numero` (from 1) of the saved bets file, which
    // held `original` when it was listed. The original stays in the file until "(s)"
    // replaces it; abandoning the entry or closing the window leaves the file as it was.
    void modification(qint64 numero, const travail::Jeu &original);

protected:
    void chargement() override;
    void dechargement() override;
    bool touche(const QString &texte) override;

private:
    // The state of the bet being composed.
    QString typedejeu;
    float mult = 1;
    qint16 nb = 0;
    std::array<float, 9> chevaux{};
    bool dtlo = false;
    bool complet = false;
    float prixjeu = 0;
    qint64 m_numero = 0;       // record modified, 0 for a new bet
    travail::Jeu m_original;   // what that record held

    void numero(int i);                 // Command5(i)
    void choisirtype(const QString &t); // Command1, Command2, Command3
    void effacedernier();               // Command6
    void effacetout();                  // Command7
    void abandonner();                  // Command10
    void ordres();                      // Check1
    void multiplicateur();              // Option4
    void imprimer();                    // Command4
    void sauvegarder();                 // Command9

    std::array<QPushButton *, 21> Command5{};   // 1 to 20
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command6;
    QPushButton *Command7;
    QPushButton *Command9;
    QPushButton *Command10;
    QCheckBox *Check1;
    std::array<QRadioButton *, 7> Option4{};
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    std::array<QLabel *, 9> Label4{};   // 1 to 8
    QLabel *Label5;
    QLabel *Label6;
    QFrame *Line1;
};

// The bet entry window, created on first use.
Form3 &form3();
