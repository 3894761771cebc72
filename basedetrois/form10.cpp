#include "basedetrois/form10.h"

#include "basedetrois/chevaux.h"
#include "basedetrois/couples.h"
#include "basedetrois/modification.h"
#include "commun/controles.h"
#include "commun/dialogue.h"
#include "commun/liste.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using basedetrois::Couple;

Form10 &form10()
{
    return fenetres::instance<Form10>();
}

namespace {

QString textecouple(const Couple &c)
{
    return QStringLiteral("%1 - %2").arg(c[0]).arg(c[1]);
}

} // namespace

Form10::Form10() : Fenetre(QStringLiteral("Form10"))
{
    setWindowTitle(QStringLiteral("association par couples"));
    cliententwips(9495, 4335);

    Label1 = etiquette(this, QStringLiteral("Label1"));
    placer(Label1, 240, 120, 6015, 375);
    Label2 = etiquette(this, QStringLiteral("Label2"));
    placer(Label2, 240, 1920, 3015, 375);
    Label3 = etiquette(this, QStringLiteral("Label3"));
    placer(Label3, 240, 2400, 6015, 375);

    Command1 = basedetrois::boutonschevaux(this, [this](qint16 cheval) { choisir(cheval); });

    List1 = new Liste(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des couples"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    placer(List1, 6480, 120, 2775, 3375);

    auto commande = [this](const QString &nom, const QString &texte, int gauche, int largeur, void (Form10::*action)()) {
        QPushButton *b = bouton(this, nom, texte);
        placer(b, gauche, 3600, largeur, 495);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    Command2 = commande(QStringLiteral("Command2"), QStringLiteral("(s) Supprimer le couple"), 240, 2535, &Form10::supprimer);
    Command3 = commande(QStringLiteral("Command3"), QStringLiteral("(S) Supprimer tout"), 2880, 1935, &Form10::supprimertout);
    Command4 = commande(QStringLiteral("Command4"), QStringLiteral("(v) Valider"), 4920, 1455, &Form10::valider);
    Command5 = commande(QStringLiteral("Command5"), QStringLiteral("(a) Abandonner"), 6480, 2775, &Form10::fermer);
    boutondefaut(Command4);
    boutonannuler(Command5);
    raccourci(QStringLiteral("s"), Command2);
    raccourci(QStringLiteral("S"), Command3);
    raccourci(QStringLiteral("v"), Command4);
    raccourci(QStringLiteral("a"), Command5);

    // The base or the couples changed in another window: shown again as they now are.
    connect(&travail::depot(), &travail::Depot::basemodifiee, this, [this] {
        if (estouverte())
            recharger();
    });
}

QStringList Form10::fichiers() const
{
    return {travail::depot().mabase(), travail::depot().duo()};
}

void Form10::chargement()
{
    const travail::Depot &d = travail::depot();
    const basedetrois::LectureBase lue = basedetrois::lirebase(d.mabase());
    if (const QString pourquoi = basedetrois::sansbase(lue, d.mabase()); !pourquoi.isEmpty()) {
        avertir(pourquoi);
        fermer();
        return;
    }
    m_base = lue.base;
    QByteArray contenu;
    const travail::Resultat r = travail::FichierDeTravail(d.duo()).lire(contenu);
    const basedetrois::LectureCouples lus = basedetrois::lirecouples(contenu, m_base);
    m_couples = lus.couples;
    m_premier = 0;

    Label1->setText(m_base.texte());
    for (int i = 1; i <= 20; ++i)
        Command1[i]->setEnabled(!m_base.contient(static_cast<qint16>(i)));
    List1->clear();
    for (const Couple &c : m_couples)
        List1->addItem(textecouple(c));
    afficher();
    Command4->setFocus();
    if (!r.ok())
        avertir(r.erreur);
    else if (!lus.intact())
        apres([this, dommage = lus.message(d.duo()), base = m_base] {
            if (basedetrois::reparercouples(this, dommage, travail::depot().duo(), base))
                travail::depot().annoncerbase();   // every window that shows the couples reads them again
        });
}

void Form10::dechargement()
{
    List1->clear();
    m_couples.clear();
    m_premier = 0;
}

void Form10::afficher()
{
    Label2->setText(m_premier ? QStringLiteral("couple : %1 - ").arg(m_premier) : QString());
    Label3->setText(basedetrois::textecouples(m_couples.size()));
}

void Form10::choisir(qint16 cheval)
{
    if (m_base.contient(cheval) || cheval == m_premier) {
        dialogue::bip();
        return;
    }
    if (!m_premier) {
        m_premier = cheval;
        afficher();
        return;
    }
    const qint16 premier = std::exchange(m_premier, 0);
    if (std::any_of(m_couples.begin(), m_couples.end(),
                    [&](const Couple &c) { return basedetrois::memecouple(c, premier, cheval); })) {
        dialogue::bip();
        afficher();
        return;
    }
    m_couples.append({premier, cheval});
    List1->addItem(textecouple(m_couples.last()));
    List1->scrollToBottom();
    afficher();
}

void Form10::supprimer()
{
    const QModelIndexList choisies = List1->selectionModel()->selectedIndexes();
    if (choisies.isEmpty()) {
        dialogue::bip();
        return;
    }
    const int k = choisies.first().row();
    m_couples.removeAt(k);
    delete List1->takeItem(k);
    List1->clearSelection();
    afficher();
}

void Form10::supprimertout()
{
    m_couples.clear();
    List1->clear();
    m_premier = 0;
    afficher();
}

void Form10::valider()
{
    const travail::Depot &d = travail::depot();
    // The couples of the file, replaced by those of the list, can be put back.
    if (!basedetrois::modifier(this, {d.duo()}, [&] { return basedetrois::ecrirecouples(m_couples, d.duo(), d.tampon()); }))
        return;
    fermer();
    travail::depot().annoncerbase();
}
