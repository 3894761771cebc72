#include "quintes/form7.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "travail/depot.h"

#include <QPushButton>

namespace {
const QString aidechoix = QStringLiteral("choisir les chevaux dans l'ordre de vos preferences");
}

Form7::Form7() : Fenetre(QStringLiteral("Form7")), m_hasard(QRandomGenerator::system()->generate())
{
    setWindowTitle(QStringLiteral("gerer l'ordre"));
    cliententwips(6495, 3495);

    auto bouton = [this](int index, const QString &legende, const QString &aide, int gauche, int haut, int largeur) {
        auto *b = new QPushButton(legende, this);
        b->setObjectName(QStringLiteral("Command1(%1)").arg(index));
        b->setToolTip(aide);
        placer(b, gauche, haut, largeur, 615);
        connect(b, &QPushButton::clicked, this, [this, index] { clic(index); });
        Command1[index] = b;
        return b;
    };
    for (int i = 1; i <= 20; ++i) {
        const int gauche = 240 + 600 * ((i - 1) % 10);
        const int ligne = (i - 1) / 10;
        bouton(100 + i, QString::number(i), QString(), gauche, 240 + 600 * ligne, 615)->setFocusPolicy(Qt::NoFocus);
        bouton(i, QString::number(i), aidechoix, gauche, 1440 + 600 * ligne, 615)
            ->setAccessibleName(QStringLiteral("cheval %1").arg(i));
    }
    bouton(21, QStringLiteral("C"), QStringLiteral("annule la dernière action"), 240, 2640, 615);
    bouton(22, QStringLiteral("CC"), QStringLiteral("annule tout"), 840, 2640, 615);
    bouton(23, QStringLiteral("A"), QStringLiteral("un cheval aleatoirement"), 1440, 2640, 615);
    bouton(24, QStringLiteral("AA"), QStringLiteral("le reste aleatoirement"), 2040, 2640, 615);
    boutondefaut(bouton(25, QStringLiteral("appliquer aux quintés sans ordre"), QStringLiteral("pour valider"), 2640, 2640, 3615));
}

void Form7::chargement()
{
    m_classement.vider();
    afficheordre();
    curseur::normal();
}

void Form7::clic(int index)
{
    bool change = false;
    if (index >= 1 && index <= 20)
        change = m_classement.choisir(static_cast<qint16>(index));
    else if (index == 21)
        change = m_classement.annuler();
    else if (index == 22)
        change = m_classement.annulertout();
    else if (index == 23)
        change = m_classement.alea(m_hasard);
    else if (index == 24)
        change = m_classement.aleareste(m_hasard);
    else if (index == 25 && m_classement.complet())
        fini();
    // Rank buttons (101 to 120) only show the ranking.
    if (change)
        afficheordre();
}

void Form7::afficheordre()
{
    const quintes::Affichage a = quintes::afficheordre(m_classement);
    for (int i = 1; i <= 20; ++i) {
        Command1[i]->setVisible(a.choix[i]);
        Command1[100 + i]->setText(a.legende[i]);
        Command1[100 + i]->setVisible(a.rang[i]);
    }
    Command1[21]->setVisible(a.annuler);
    Command1[22]->setVisible(a.annulertout);
    Command1[23]->setVisible(a.un);
    Command1[24]->setVisible(a.reste);
    const bool avant = Command1[25]->isVisibleTo(this);
    Command1[25]->setVisible(a.appliquer);
    // Once the ranking is complete, Enter applies it whatever button had the focus.
    if (a.appliquer && !avant)
        Command1[25]->setFocus();
}

void Form7::fini()
{
    curseur::Sablier sablier;
    const travail::Resultat r = quintes::fini(m_classement, travail::depot().quinte(), travail::depot().quinteo());
    if (!r.ok()) {
        curseur::normal();
        dialogue::message(this, r.erreur, dialogue::Icone::attention);
        return;
    }
    fermer();
    travail::depot().annoncerquintes();
}
