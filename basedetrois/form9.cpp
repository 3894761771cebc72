#include "basedetrois/form9.h"

#include "basedetrois/chevaux.h"
#include "basedetrois/couples.h"
#include "basedetrois/modification.h"
#include "commun/controles.h"
#include "commun/dialogue.h"
#include "travail/depot.h"

#include <QLabel>
#include <QPushButton>

Form9 &form9()
{
    return fenetres::instance<Form9>();
}

Form9::Form9() : Fenetre(QStringLiteral("Form9"))
{
    setWindowTitle(QStringLiteral("choix d'une base"));
    cliententwips(7575, 3495);

    Label1 = etiquette(this, QStringLiteral("Label1"));
    placer(Label1, 240, 120, 6015, 375);

    Command1 = basedetrois::boutonschevaux(this, [this](qint16 cheval) { choisir(cheval); });
    auto commande = [this](const QString &nom, const QString &texte, int gauche, void (Form9::*action)()) {
        QPushButton *b = bouton(this, nom, texte);
        placer(b, gauche, 2640, 1695, 615);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    Command2 = commande(QStringLiteral("Command2"), QStringLiteral("(-) Efface dernier"), 240, &Form9::effacedernier);
    Command3 = commande(QStringLiteral("Command3"), QStringLiteral("(del) Efface tout"), 2040, &Form9::effacetout);
    Command4 = commande(QStringLiteral("Command4"), QStringLiteral("(s) Sauvegarder"), 3840, &Form9::sauvegarder);
    Command5 = commande(QStringLiteral("Command5"), QStringLiteral("(a) Abandonner"), 5640, &Form9::fermer);
    boutondefaut(Command4);
    boutonannuler(Command5);
    raccourci(QStringLiteral("-"), Command2);
    raccourci(QStringLiteral("\b"), Command3);
    raccourci(QStringLiteral("s"), Command4);
    raccourci(QStringLiteral("a"), Command5);
}

QStringList Form9::fichiers() const
{
    return {travail::depot().mabase()};
}

void Form9::chargement()
{
    const basedetrois::LectureBase lue = basedetrois::lirebase(travail::depot().mabase());
    // A damaged base is not shown: the user picks a new one, which replaces the file.
    m_base = lue.intact() ? lue.base : basedetrois::Base();
    afficher();
    Command4->setFocus();
    if (!lue.intact())
        avertir(lue.message(travail::depot().mabase()));
}

void Form9::afficher()
{
    Label1->setText(m_base.texte());
}

void Form9::choisir(qint16 cheval)
{
    if (!m_base.ajouter(cheval)) {
        dialogue::bip();
        return;
    }
    afficher();
}

void Form9::effacedernier()
{
    if (m_base.retirerdernier())
        afficher();
}

void Form9::effacetout()
{
    if (m_base.vider())
        afficher();
}

void Form9::sauvegarder()
{
    if (!m_base.complete()) {
        dialogue::bip();
        return;
    }
    const travail::Depot &d = travail::depot();
    // The old base and the couples dropped with it can be put back.
    int retires = 0;
    if (!basedetrois::modifier(this, {d.mabase(), d.duo()}, std::function<travail::Resultat(bool &)>([&](bool &entame) {
                                   return basedetrois::sauverbase(m_base, d.mabase(), d.duo(), d.tampon(), &retires, &entame);
                               })))
        return;
    fermer();
    travail::depot().annoncerbase();
    if (retires > 0)
        dialogue::message(nullptr, QStringLiteral("%1 couple%2 contenant un cheval de la base %3 été retiré%2.")
                                       .arg(retires)
                                       .arg(retires > 1 ? QStringLiteral("s") : QString())
                                       .arg(retires > 1 ? QStringLiteral("ont") : QStringLiteral("a")));
}
