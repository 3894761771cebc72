#pragma once
// The order window "gerer l'ordre": the twenty horses ranked by preference, by hand or at
// random, then the ranking applied to every unordered quinté.

#include "commun/fenetre.h"
#include "quintes/ordre.h"

#include <QRandomGenerator>

#include <array>

class QPushButton;

class Form7 : public Fenetre
{
    Q_OBJECT
public:
    Form7();

    const quintes::Classement &classement() const { return m_classement; }
    // Fixes the draws of "A" and "AA" (the program seeds them from the system's entropy).
    void graine(quint32 valeur) { m_hasard.seed(valeur); }

protected:
    void chargement() override;

private:
    void clic(int index);
    void afficheordre();
    void fini();

    // Indexes 1 to 20: horse buttons; 21 "C", 22 "CC", 23 "A", 24 "AA", 25 apply;
    // 101 to 120: rank buttons.
    std::array<QPushButton *, 121> Command1{};
    quintes::Classement m_classement;
    QRandomGenerator m_hasard;
};
