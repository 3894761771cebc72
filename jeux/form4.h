#pragma once
// The saved bets window "tous les jeux...": one line per saved bet with its price, the
// count and the total; delete one or all, modify one (it goes back to the bet entry
// window), print one or all on tickets, print the text listing.

#include "commun/fenetre.h"
#include "travail/jeu.h"

#include <array>

class QLabel;
class QListView;
class QPushButton;

namespace jeux {
class ModeleJeux;
}

class Form4 : public Fenetre
{
    Q_OBJECT
public:
    Form4();

    // Prints bet number `selec` (from 1, in file order) on one ticket; false on failure,
    // already told to the user.
    bool impr(qint64 selec);

    QStringList fichiers() const override;

protected:
    void chargement() override;
    void dechargement() override;
    bool touche(const QString &texte) override;

private:
    void effacer();        // Command1
    void effacertout();    // Command4
    void modifier();       // Command6
    void imprimerchoisi(); // Command2
    void imprimertout();   // Command3
    void texte();          // Command5
    // Where the chosen bet stands in the file: its record number, and the bytes it spans.
    struct Place
    {
        qint64 numero = 0;
        qsizetype debut = 0;
        qsizetype fin = 0;
    };
    bool verifierchoisi(Place &place, travail::Jeu &jeu, QByteArray &octets);

    QListView *List1;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *Command6;

    // Counted in int: a file may hold far more bets than a 16-bit count can.
    int jeuchoisi = 0;   // line of the list last clicked, from 1
    bool choisi = false;
    int nbjeux = 0;
    // The bets as listed, and for each list line the number of its record in the file:
    // a damaged record is not listed but keeps its place in the file.
    jeux::ModeleJeux *m_modele;
    // The bytes of the file the list was read from: a file still holding them still
    // holds every bet where the list shows it, each line's bet at the bytes noted here.
    QByteArray m_octets;
    QList<qsizetype> m_debuts;
    QList<qsizetype> m_fins;
};

// The saved bets window, created on first use.
Form4 &form4();
