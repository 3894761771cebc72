#include "ticket/choiximprimante.h"

#include "commun/controles.h"
#include "commun/dialogue.h"
#include "commun/liste.h"
#include "ticket/destination.h"
#include "travail/depot.h"

#include <QPrinterInfo>

ChoixImprimante &choiximprimante()
{
    return fenetres::instance<ChoixImprimante>();
}

ChoixImprimante::ChoixImprimante() : Fenetre(QStringLiteral("choiximprimante"))
{
    setWindowTitle(QStringLiteral("Choisir l'imprimante"));
    setFont(policeformulaire());
    cliententwips(5520, 3960);

    Label1 = etiquette(this, QStringLiteral("Label1"), QStringLiteral("Imprimante des tickets et des listes :"));
    placer(Label1, 120, 120, 5280, 255);

    List1 = new Liste(this);
    List1->setObjectName(QStringLiteral("List1"));
    placer(List1, 120, 480, 5280, 2640);

    Command1 = bouton(this, QStringLiteral("Command1"), QStringLiteral("OK"));
    placer(Command1, 2520, 3360, 1335, 420);
    Command2 = bouton(this, QStringLiteral("Command2"), QStringLiteral("Annuler"));
    placer(Command2, 4065, 3360, 1335, 420);
    boutondefaut(Command1);
    boutonannuler(Command2);

    connect(Command1, &QPushButton::clicked, this, &ChoixImprimante::choisir);
    connect(Command2, &QPushButton::clicked, this, &ChoixImprimante::fermer);
    connect(List1, &QListWidget::itemDoubleClicked, this, &ChoixImprimante::choisir);
}

QStringList ChoixImprimante::fichiers() const
{
    return {travail::depot().imprimante()};
}

void ChoixImprimante::chargement()
{
    List1->clear();
    const QString pardefaut = QPrinterInfo::defaultPrinterName();
    QListWidgetItem *defaut = nullptr;
    for (const QString &nom : QPrinterInfo::availablePrinterNames()) {
        auto *ligne = new QListWidgetItem(nom == pardefaut ? nom + QStringLiteral("  (par défaut)") : nom, List1);
        ligne->setData(Qt::UserRole, nom);
        if (nom == pardefaut)
            defaut = ligne;
    }
    auto *pdf = new QListWidgetItem(QLatin1String(ticket::fichierpdf), List1);
    pdf->setData(Qt::UserRole, QLatin1String(ticket::fichierpdf));

    // The current choice is the selected line; a printer gone since is replaced by the
    // default one, as the printing does.
    const ticket::Destination choix = ticket::lirechoix();
    QListWidgetItem *choisie = defaut;
    if (!choix.erreur.isEmpty()) {
        avertir(choix.erreur);
    } else if (choix.pdf()) {
        choisie = pdf;
    } else if (!choix.pardefaut()) {
        QListWidgetItem *trouvee = nullptr;
        for (int i = 0; i < List1->count() && !trouvee; ++i)
            if (List1->item(i)->data(Qt::UserRole).toString() == choix.nom)
                trouvee = List1->item(i);
        if (trouvee)
            choisie = trouvee;
        else
            avertir(QStringLiteral("L'imprimante « %1 » choisie pour KRN n'est plus installée sur cet ordinateur : "
                                   "l'imprimante par défaut la remplace tant qu'une autre n'est pas choisie.")
                        .arg(choix.nom));
    }
    if (choisie)
        List1->setCurrentItem(choisie);
    List1->setFocus();
}

void ChoixImprimante::choisir()
{
    QListWidgetItem *ligne = List1->currentItem();
    if (!ligne || !ligne->isSelected()) {
        dialogue::bip();
        return;
    }
    if (travail::Resultat r = ticket::ecrirechoix(ligne->data(Qt::UserRole).toString()); !r.ok()) {
        dialogue::message(this, r.erreur + QStringLiteral("\n\nLe choix de l'imprimante n'a pas été enregistré."),
                          dialogue::Icone::critique);
        return;
    }
    fermer();
    travail::depot().annoncerimprimante();
}
