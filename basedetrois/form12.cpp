#include "basedetrois/form12.h"

#include "basedetrois/couples.h"
#include "basedetrois/modification.h"
#include "commun/controles.h"
#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/liste.h"
#include "quintes/bilan.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"

#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

using travail::FichierDeTravail;

Form12 &form12()
{
    return fenetres::instance<Form12>();
}

Form12::Form12() : Fenetre(QStringLiteral("Form12"))
{
    setWindowTitle(QStringLiteral("bilan methode 2"));
    cliententwips(11550, 6360);

    Label1 = etiquette(this, QStringLiteral("Label1"));
    placer(Label1, 120, 120, 5535, 375);
    Label2 = etiquette(this, QStringLiteral("Label2"));
    placer(Label2, 5895, 120, 5535, 375);

    List1 = new Liste(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des quintés construits"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    // Fixed pitch, so that the five horses of every line stand in columns.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    placer(List1, 120, 600, 11310, 4920);

    auto commande = [this](const QString &nom, const QString &texte, int gauche, void (Form12::*action)()) {
        QPushButton *b = bouton(this, nom, texte);
        placer(b, gauche, 5640, 2760, 495);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    Command1 = commande(QStringLiteral("Command1"), QStringLiteral("(s) Supprimer la selection"), 120, &Form12::supprimerselection);
    Command4 = commande(QStringLiteral("Command4"), QStringLiteral("(S) Supprimer tout"), 2970, &Form12::supprimertout);
    Command2 = commande(QStringLiteral("Command2"), QStringLiteral("(e) Enregistrer la selection"), 5820, &Form12::enregistrerselection);
    Command3 = commande(QStringLiteral("Command3"), QStringLiteral("(E) Enregistrer tout"), 8670, &Form12::enregistrertout);
    raccourci(QStringLiteral("s"), Command1);
    raccourci(QStringLiteral("S"), Command4);
    raccourci(QStringLiteral("e"), Command2);
    raccourci(QStringLiteral("E"), Command3);

    // The list always shows the file: another window changed the base or the couples.
    connect(&travail::depot(), &travail::Depot::basemodifiee, this, [this] {
        if (estouverte())
            recharger();
    });
}

QStringList Form12::fichiers() const
{
    return {travail::depot().mabase(), travail::depot().duo()};
}

void Form12::chargement()
{
    curseur::sablier();
    const travail::Depot &d = travail::depot();
    m_base = {};
    m_couples.clear();
    m_positions.clear();
    const basedetrois::LectureBase lue = basedetrois::lirebase(d.mabase());
    QString probleme = basedetrois::sansbase(lue, d.mabase());
    QString dommage;   // of the couples file, whose repair is offered
    if (probleme.isEmpty()) {
        m_base = lue.base;
        QByteArray contenu;
        if (travail::Resultat r = FichierDeTravail(d.duo()).lire(contenu); !r.ok())
            probleme = r.erreur;
        const basedetrois::LectureCouples lus = basedetrois::lirecouples(contenu, m_base);
        if (probleme.isEmpty())
            dommage = lus.message(d.duo());
        m_couples = lus.couples;
        m_positions = lus.positions;
    }

    QStringList lignes;
    lignes.reserve(m_couples.size());
    for (const basedetrois::Couple &c : m_couples)
        lignes << basedetrois::ligne(m_base, c);
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(lignes);
    List1->setUpdatesEnabled(true);
    Label1->setText(quintes::texteconstruits(m_couples.size()));
    Label2->setText(basedetrois::textemontant(m_couples.size()));
    curseur::normal();
    if (!probleme.isEmpty())
        avertir(probleme);
    if (!dommage.isEmpty())
        apres([this, dommage, base = m_base] {
            if (basedetrois::reparercouples(this, dommage, travail::depot().duo(), base))
                travail::depot().annoncerbase();   // every window that shows the couples reads them again
        });
}

void Form12::dechargement()
{
    List1->clear();
    m_couples.clear();
    m_positions.clear();
}

int Form12::selection() const
{
    const QModelIndexList choisies = List1->selectionModel()->selectedIndexes();
    return choisies.isEmpty() ? 0 : choisies.first().row() + 1;
}

void Form12::supprimerselection()
{
    const int k = selection();
    if (k == 0) {
        dialogue::bip();
        return;
    }
    const travail::Depot &d = travail::depot();
    bool change = false;
    if (!basedetrois::modifier(this, {d.duo()}, [&] {
            return basedetrois::retirercouple(m_base, m_positions[k - 1], m_couples[k - 1], d.duo(), d.tampon(), &change);
        })) {
        if (change)
            recharger();
        return;
    }
    travail::depot().annoncerbase();   // this window reloads, and so do the others that show the couples
}

void Form12::supprimertout()
{
    const travail::Depot &d = travail::depot();
    if (!basedetrois::modifier(this, {d.duo()}, [&] { return basedetrois::ecrirecouples({}, d.duo(), d.tampon()); }))
        return;
    fermer();
    travail::depot().annoncerbase();
}

void Form12::enregistrerselection()
{
    const int k = selection();
    if (k == 0) {
        dialogue::bip();
        return;
    }
    // The quinté of the line as it is shown: the list is read again whenever the base or
    // the couples change.
    const travail::Depot &d = travail::depot();
    if (!basedetrois::modifier(this, {}, [&] { return basedetrois::enregistrer(m_base, {m_couples[k - 1]}, d.fichier(), d.tampon()); }))
        return;
    travail::depot().annoncerjeux();
    ouvrir();   // back in front of the main window
}

void Form12::enregistrertout()
{
    curseur::Sablier sablier;
    // Many bets at once: the saved bets as they were can be put back.
    const travail::Depot &d = travail::depot();
    if (!m_couples.isEmpty() &&
        !basedetrois::modifier(this, {d.fichier()}, [&] { return basedetrois::enregistrer(m_base, m_couples, d.fichier(), d.tampon()); }))
        return;
    fermer();
    travail::depot().annoncerjeux();
}
