#pragma once
// The main window: the hub of every other window, and the summary of the saved bets.

#include "commun/fenetre.h"
#include "travail/depot.h"
#include "travail/jeu.h"

class QLabel;
class QMenuBar;
class FondTicket;

class Form1 : public Fenetre
{
    Q_OBJECT
public:
    Form1();

    // The work files and constants, read-only, as the store and the prices give them.
    QString fichier() const { return travail::depot().fichier(); }
    QString tampon() const { return travail::depot().tampon(); }
    QString quinte() const { return travail::depot().quinte(); }
    QString contrainte() const { return travail::depot().contrainte(); }
    QString quinteo() const { return travail::depot().quinteo(); }
    QString mabase() const { return travail::depot().mabase(); }
    QString duo() const { return travail::depot().duo(); }
    QString cote() const { return travail::depot().cote(); }
    QString contrecote() const { return travail::depot().contrecote(); }
    QString prefer() const { return travail::depot().prefer(); }
    QString arrivee() const { return travail::depot().arrivee(); }
    qint16 puqi() const { return travail::puqi; }
    double puq() const { return travail::puq; }
    qint16 putr() const { return travail::putr; }
    QString unité() const { return travail::unite; }

    qint64 c(qint16 n, qint16 p) const;

    // The clear command ("Effacer tous les fichiers de calculs précédents").
    void effacer();
    // "Annuler la dernière modification": puts back the files of the last command that
    // dropped, emptied, added many or deleted, and reloads the windows that show them.
    void annuler();

    QStringList fichiers() const override { return {fichier()}; }

protected:
    void chargement() override;

private:
    void construiremenu();

    QMenuBar *m_menu;
    QAction *m_annuler = nullptr;
    QAction *m_imprimante = nullptr;
    FondTicket *m_fond;
    QLabel *Label1;
};

// The main window, created on first use.
Form1 &form1();
