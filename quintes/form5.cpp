#include "quintes/form5.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "quintes/cotes.h"
#include "quintes/fenetrecontraintes.h"
#include "quintes/generation.h"
#include "travail/depot.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

Form5 &form5()
{
    return fenetres::instance<Form5>();
}

Form5::Form5() : Fenetre(QStringLiteral("Form5"))
{
    setWindowTitle(QStringLiteral("quinté sans ordre"));
    cliententwips(7200, 6600);

    auto etiquette = [this](const QString &nom, int haut, int hauteur) {
        auto *l = new QLabel(nom, this);
        l->setObjectName(nom);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placer(l, 120, haut, 6960, hauteur);
        return l;
    };
    Label1 = etiquette(QStringLiteral("Label1"), 120, 480);
    Label2 = etiquette(QStringLiteral("Label2"), 660, 270);
    Label3 = etiquette(QStringLiteral("Label3"), 960, 270);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des quintés sans ordre"));
    // Up to 15504 lines of one height each: uniform sizes keep the list quick to fill and scroll.
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    placer(List1, 120, 1290, 6960, 4500);

    auto bouton = [this](const QString &nom, const QString &texte, int gauche) {
        auto *b = new QPushButton(texte, this);
        b->setObjectName(nom);
        placer(b, gauche, 5940, 2200, 480);
        return b;
    };
    Command1 = bouton(QStringLiteral("Command1"), QStringLiteral("OK"), 120);
    Command2 = bouton(QStringLiteral("Command2"), QStringLiteral("Menu contraintes"), 2500);
    Command3 = bouton(QStringLiteral("Command3"), QStringLiteral("Gestion des côtes"), 4880);
    Command3->setDefault(true);
    boutondefaut(Command3);
    boutonannuler(Command1);

    // The constraint list, the constraint entry and the odds windows announce, when they
    // close, that the constraints or the odds may have changed: the generator then opens
    // again and regenerates.
    connect(&travail::depot(), &travail::Depot::contraintesmodifiees, this, &Form5::recharger);
    connect(&travail::depot(), &travail::Depot::cotesmodifiees, this, &Form5::recharger);

    connect(Command1, &QPushButton::clicked, this, [this] { fermer(); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        fermer();
        fenetrecontraintes().ouvrir();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        fermer();
        fenetrecotes().ouvrir();
    });
}

QStringList Form5::fichiers() const
{
    const travail::Depot &d = travail::depot();
    return {d.contrainte(), d.cote(), d.contrecote()};
}

void Form5::chargement()
{
    curseur::sablier();
    const travail::Depot &f = travail::depot();
    const quintes::Generation g = quintes::generer({f.contrainte(), f.quinte(), f.cote(), f.contrecote(), f.tampon()});

    // All the lines in one go, with the drawing held back until they are in.
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(g.lignes);
    List1->setUpdatesEnabled(true);

    Label1->setText(g.compte);
    Label2->setText(g.contraintes);
    Label3->setText(g.cotes);
    // Whatever button was used last time, Enter presses the default button again.
    List1->setFocus();
    curseur::normal();

    if (!g.problemes.isEmpty())
        avertir(g.problemes.join(QStringLiteral("\n\n")));
}
