#pragma once
// The ranking of the twenty horses by preference, and its application to the unordered
// quintés: every combination of `quinte` rewritten in ranking order into `quinteo`.

#include "quintes/combinaison.h"
#include "travail/fichierdetravail.h"

#include <QRandomGenerator>
#include <QString>

#include <array>

namespace quintes {

// ordre(i) is the horse at rank i (1 = most preferred), 0 while rank i is free;
// prochainrang is the next free rank, 21 once every horse is ranked.
// Ranks 1 to prochainrang - 1 always hold distinct horses, the others 0.
class Classement
{
public:
    qint16 ordre(int rang) const { return m_ordre[rang]; }
    qint16 prochainrang() const { return m_prochainrang; }
    bool classe(qint16 cheval) const;   // the horse already has a rank
    bool complet() const { return m_prochainrang == 21; }

    // Each command returns false, and changes nothing, when its condition does not hold.
    bool choisir(qint16 cheval);                 // a horse button: the horse takes the next rank
    bool annuler();                              // "C": frees the last rank
    bool annulertout();                          // "CC": back to an empty ranking
    bool alea(QRandomGenerator &hasard);         // "A": one free horse drawn at random
    bool aleareste(QRandomGenerator &hasard);    // "AA": every free horse, in a random order

    void vider();

private:
    std::array<qint16, 21> m_ordre{};   // position 0 unused
    qint16 m_prochainrang = 1;
};

// What the order window shows for a ranking; slot 0 of each array is unused.
struct Affichage
{
    std::array<bool, 21> choix{};       // horse button i
    std::array<bool, 21> rang{};        // rank button i
    std::array<QString, 21> legende;    // caption of rank button i
    bool annuler = false;               // "C"
    bool annulertout = false;           // "CC"
    bool un = false;                    // "A"
    bool reste = false;                 // "AA"
    bool appliquer = false;             // "appliquer aux quintés sans ordre"
};

Affichage afficheordre(const Classement &classement);

// The five horses of `u` in ranking order, best rank first.
Combinaison ordonner(const Classement &classement, const Combinaison &u);

// Rewrites `quinteo` with every record of `quinte` in ranking order, in one write.
// A missing `quinte` counts as empty. A damaged one, or an incomplete ranking, writes
// nothing and says why.
travail::Resultat fini(const Classement &classement, const QString &quinte, const QString &quinteo);

} // namespace quintes
