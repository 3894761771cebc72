#pragma once
// The main window: the hub of every other window, and the summary of the saved bets.

#include "commun/fenetre.h"
#include "travail/fichierdetravail.h"

class QLabel;
class QMenuBar;
class FondTicket;

class Form1 : public Fenetre
{
    Q_OBJECT
public:
    Form1();

    // The work files and constants, read-only.
    QString fichier() const { return travail::chemin(travail::noms::fichier); }
    QString tampon() const { return travail::chemin(travail::noms::tampon); }
    QString quinte() const { return travail::chemin(travail::noms::quinte); }
    QString contrainte() const { return travail::chemin(travail::noms::contrainte); }
    QString quinteo() const { return travail::chemin(travail::noms::quinteo); }
    QString mabase() const { return travail::chemin(travail::noms::mabase); }
    QString duo() const { return travail::chemin(travail::noms::duo); }
    QString cote() const { return travail::chemin(travail::noms::cote); }
    QString contrecote() const { return travail::chemin(travail::noms::contrecote); }
    QString prefer() const { return travail::chemin(travail::noms::prefer); }
    qint16 puqi() const { return travail::puqi; }
    double puq() const { return travail::puq; }
    qint16 putr() const { return travail::putr; }
    QString unité() const { return travail::unite; }

    qint64 c(qint16 n, qint16 p) const;

    // The clear command ("Effacer tous les fichiers de calculs précédents").
    void effacer();

protected:
    void chargement() override;

private:
    void construiremenu();
    void basedetrois();

    QMenuBar *m_menu;
    FondTicket *m_fond;
    QLabel *Label1;
};

// The main window, created on first use.
Form1 &form1();
