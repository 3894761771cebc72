#include "quintes/fenetrecontraintes.h"

#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "commun/liste.h"
#include "quintes/form6.h"
#include "ticket/surface.h"
#include "travail/annulation.h"
#include "travail/depot.h"

#include <QListWidget>
#include <QPushButton>

#include <optional>

FenetreContraintes &fenetrecontraintes()
{
    return fenetres::instance<FenetreContraintes>();
}

FenetreContraintes::FenetreContraintes() : Fenetre(QStringLiteral("contraintes"))
{
    setWindowTitle(QStringLiteral("contraintes"));
    cliententwips(12000, 4800);

    List1 = new Liste(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des contraintes"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    placer(List1, 120, 120, 11760, 3240);

    auto bouton = [this](const QString &nom, const QString &texte, const QString &bulle, int gauche, int haut) {
        auto *b = new QPushButton(texte, this);
        b->setObjectName(nom);
        if (!bulle.isEmpty())
            b->setToolTip(bulle);
        placer(b, gauche, haut, 3840, 495);
        return b;
    };
    Command2 = bouton(QStringLiteral("Command2"), QStringLiteral("(s) Supprimer la contrainte selectionnée"),
                      QStringLiteral("cliquer ici pour selectionner la contrainte surligné"), 120, 3480);
    Command5 = bouton(QStringLiteral("Command5"), QStringLiteral("(m) Modifier la contraintes selectionnée"), {}, 4080, 3480);
    Command4 = bouton(QStringLiteral("Command4"), QStringLiteral("(i) Imprimer  les contraintes"), {}, 8040, 3480);
    Command3 = bouton(QStringLiteral("Command3"), QStringLiteral("(S) Supprimer toute les contraintes"),
                      QStringLiteral("attention! cliquez ici pour supprimer TOUTES les contraintes!"), 120, 4140);
    Command1 = bouton(QStringLiteral("Command1"), QStringLiteral("(+/a) Ajouter une contrainte"),
                      QStringLiteral("cliquer ici pour ajouter une contrainte"), 4080, 4140);
    Command6 = bouton(QStringLiteral("Command6"), QStringLiteral("OK"), {}, 8040, 4140);
    Command6->setDefault(true);
    boutondefaut(Command6);

    // A click, or the arrow keys, select a line; the focus alone selects none.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> choisis = List1->selectedItems();
        selection = choisis.isEmpty() ? 0 : List1->row(choisis.first()) + 1;
    });
    connect(Command1, &QPushButton::clicked, this, [this] { ajouter(); });
    connect(Command2, &QPushButton::clicked, this, [this] { supprimer(); });
    connect(Command3, &QPushButton::clicked, this, [this] { supprimertout(); });
    connect(Command4, &QPushButton::clicked, this, [this] { imprimer(); });
    connect(Command5, &QPushButton::clicked, this, [this] { modifier(); });
    connect(Command6, &QPushButton::clicked, this, [this] { ok(); });
}

bool FenetreContraintes::sortircontraintes(Destination destination)
{
    const QString chemin = travail::depot().contrainte();
    const quintes::LectureContraintes lues = quintes::lirecontraintes(chemin);
    if (destination == Destination::liste) {
        positions = lues.positions;
        contraintes = lues.contraintes;
        QStringList lignes;
        for (const quintes::Contrainte &c : lues.contraintes)
            lignes << quintes::decrirecontrainte(c);
        List1->addItems(lignes);
        QString probleme = lues.message(chemin);
        if (lues.erreur.isEmpty()) {
            QByteArray octets;
            travail::FichierDeTravail(chemin).lire(octets);
            if (const travail::Fin fin = travail::examinerfin(octets, quintes::valeursparcontrainte); probleme.isEmpty() && !fin.entiere)
                probleme = travail::textefin(chemin, fin);
        }
        if (!probleme.isEmpty() && lues.erreur.isEmpty())
            apres([this, probleme, chemin] {
                if (reparer::proposer(this, probleme, chemin, quintes::valeursparcontrainte,
                                      [](const QByteArray &octets) { return quintes::lirecontraintes(octets).positions; }))
                    recharger();
            });
        else if (!probleme.isEmpty())
            avertir(probleme);
        return true;
    }
    ticket::Imprimante &imprimante = ticket::imprimante();
    for (const quintes::Contrainte &c : lues.contraintes)
        if (!imprimante.ligne(quintes::decrirecontrainte(c)))
            return false;
    return true;
}

QStringList FenetreContraintes::fichiers() const
{
    return {travail::depot().contrainte()};
}

void FenetreContraintes::chargement()
{
    List1->clear();
    positions.clear();
    contraintes.clear();
    sortircontraintes(Destination::liste);
    selection = 0;
    List1->setFocus();
}

bool FenetreContraintes::touche(const QString &texte)
{
    if (texte == QLatin1String("a") || texte == QLatin1String("+"))
        Command1->click();
    else if (texte == QLatin1String("s"))
        Command2->click();
    else if (texte == QLatin1String("S"))
        Command3->click();
    else if (texte == QLatin1String("i"))
        Command4->click();
    else if (texte == QLatin1String("m"))
        Command5->click();
    else
        return false;
    return true;
}

void FenetreContraintes::ajouter()
{
    fermer();
    form6().ouvrir();
}

// Removes the selected constraint from the file; true when it was removed.
bool FenetreContraintes::supprimer()
{
    if (selection < 1 || selection > positions.size()) {
        dialogue::bip();
        return false;
    }
    std::optional<quintes::Contrainte> retiree;
    travail::annulation::Modification modification({travail::depot().contrainte()});
    travail::Resultat r = modification.resultat();
    if (r.ok())
        r = quintes::retirecontrainte(travail::depot().contrainte(), travail::depot().tampon(), positions[selection - 1], retiree);
    if (r.ok() && retiree)
        modification.reussie();
    recharger();
    if (!r.ok())
        dialogue::message(this, r.erreur, dialogue::Icone::critique);
    return r.ok() && retiree.has_value();
}

// The selected constraint goes to the entry window; it stays in the file until the entry
// window saves its new version in its place.
void FenetreContraintes::modifier()
{
    if (selection < 1 || selection > positions.size()) {
        dialogue::bip();
        return;
    }
    const int numero = positions[selection - 1];
    const quintes::Contrainte originale = contraintes[selection - 1];
    fermer();
    Form6 &saisie = form6();
    saisie.ouvrir();
    saisie.remplir(originale);
    saisie.modification(numero, originale);
}

void FenetreContraintes::supprimertout()
{
    travail::annulation::Modification modification({travail::depot().contrainte()});
    travail::Resultat r = modification.resultat();
    if (r.ok())
        r = quintes::videcontraintes(travail::depot().contrainte());
    if (r.ok())
        modification.reussie();
    recharger();
    if (!r.ok())
        dialogue::message(this, r.erreur, dialogue::Icone::critique);
}

void FenetreContraintes::imprimer()
{
    ticket::Imprimante &imprimante = ticket::imprimante();
    const QString pourquoi = ticket::envoyer(imprimante, QStringLiteral("contraintes"), [&]() -> QString {
        bool reussi = true;
        for (const QString &ligne : ticket::entete())
            reussi = reussi && imprimante.ligne(ligne);
        reussi = reussi && sortircontraintes(Destination::imprimante);
        reussi = reussi && imprimante.ligne(QString()) && imprimante.ligne(ticket::piedpage());
        reussi = reussi && imprimante.findocument();
        return reussi ? QString() : ticket::raison(imprimante);
    });
    if (!pourquoi.isEmpty())
        dialogue::message(this, QStringLiteral("Les contraintes n'ont pas pu être imprimées : %1").arg(pourquoi),
                          dialogue::Icone::attention);
}

void FenetreContraintes::ok()
{
    fermer();
    travail::depot().annoncercontraintes();
}
