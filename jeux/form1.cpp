#include "jeux/form1.h"

#include "apropos/frmabout.h"
#include "arrivee/fenetrearrivee.h"
#include "basedetrois/form10.h"
#include "basedetrois/form11.h"
#include "basedetrois/form12.h"
#include "basedetrois/form9.h"
#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "jeux/fondticket.h"
#include "jeux/retablissement.h"
#include "jeux/form3.h"
#include "jeux/form4.h"
#include "quintes/form5.h"
#include "quintes/form7.h"
#include "quintes/form8.h"
#include "ticket/choiximprimante.h"
#include "ticket/destination.h"
#include "ticket/form2.h"
#include "ticket/imprimanteqt.h"
#include "travail/annulation.h"
#include "travail/fichierdetravail.h"
#include "travail/nombres.h"

#include <QLabel>
#include <QAction>
#include <QMenuBar>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

using travail::FichierDeTravail;

Form1 &form1()
{
    return fenetres::instance<Form1>();
}

namespace {
// Whoever changes the saved bets announces it; the summary is then recomputed by closing
// the main window and opening it again. The subscription is the main window's own, made
// once for the program rather than by each instance, so that a reload also opens a main
// window that was never created, as opening it through form1() would.
const QMetaObject::Connection abonnement =
    QObject::connect(&travail::depot(), &travail::Depot::jeuxmodifies, [] { form1().recharger(); });
} // namespace

Form1::Form1() : Fenetre(QStringLiteral("Form1"))
{
    // No title text; an empty title would be replaced by the application's name.
    setWindowTitle(QStringLiteral(" "));
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);

    m_menu = new QMenuBar(this);
    m_menu->setNativeMenuBar(false);
    disposition->setMenuBar(m_menu);
    construiremenu();

    m_fond = new FondTicket(this);
    disposition->addWidget(m_fond);

    // The summary sits in the band above the rows of horses.
    Label1 = new QLabel(m_fond);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont police;
    police.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    police.setStyleHint(QFont::SansSerif);
    police.setWeight(QFont::Black);
    police.setPointSize(24);
    Label1->setFont(police);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int largeur = 1000;
    resize(largeur, largeur * FondTicket::hauteur / FondTicket::largeur + m_menu->sizeHint().height());
    m_fond->etiquette(Label1);
}

void Form1::construiremenu()
{
    auto action = [this](QMenu *menu, const QString &nom, const QString &texte, const QKeySequence &raccourci,
                         auto &&commande) {
        QAction *a = menu->addAction(texte);
        a->setObjectName(nom);
        if (!raccourci.isEmpty())
            a->setShortcut(raccourci);
        connect(a, &QAction::triggered, this, commande);
        return a;
    };
    auto sousmenu = [](auto *parent, const QString &nom, const QString &texte) {
        QMenu *m = parent->addMenu(texte);
        m->setObjectName(nom);
        m->menuAction()->setObjectName(nom);
        return m;
    };

    QMenu *mnfichier = sousmenu(m_menu, QStringLiteral("mnfichier"), QStringLiteral("&Fichier"));
    action(mnfichier, QStringLiteral("mnparamimp"), QStringLiteral("&Parametre d'impression"), {},
           [] {
               form3().fermer();
               form4().fermer();
               form2().ouvrir();
           });
    // Kept for the session: the action lives as long as the main window, the state longer.
    QAction *apercu = action(mnfichier, QStringLiteral("apercumn"), QStringLiteral("Aperçu avant impression"), {},
                             [](bool coche) { ticket::session().apercu = coche; });
    apercu->setCheckable(true);
    apercu->setChecked(ticket::session().apercu);
    m_imprimante = action(mnfichier, QStringLiteral("imprimantemn"), ticket::textemenu(ticket::lirechoix()), {},
                          [] { choiximprimante().ouvrir(); });
    connect(&travail::depot(), &travail::Depot::imprimantemodifiee, this,
            [this] { m_imprimante->setText(ticket::textemenu(ticket::lirechoix())); });
    action(mnfichier, QStringLiteral("infomn"), QStringLiteral("&Info"), {}, [this] {
        frmAbout &apropos = frmabout();
        apropos.proprietaire(this);
        apropos.ouvrir();
    });
    action(mnfichier, QStringLiteral("effmn"), QStringLiteral("&Effacer tous les fichiers de calculs précédents"),
           QKeySequence(Qt::SHIFT | Qt::Key_Delete), [this] { effacer(); });
    m_annuler = action(mnfichier, QStringLiteral("annulermn"), QStringLiteral("Annuler la dernière modification"),
                       QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { annuler(); });
    // Greyed whenever there is nothing to put back, whichever window made or used the copy.
    auto etat = [this] { m_annuler->setEnabled(travail::annulation::possible()); };
    connect(&travail::depot(), &travail::Depot::annulationmodifiee, this, etat);
    etat();
    mnfichier->addSeparator();
    action(mnfichier, QStringLiteral("quittermn"), QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q),
           [] { Fenetre::quittertout(); });

    QMenu *jeuxmn = sousmenu(m_menu, QStringLiteral("jeuxmn"), QStringLiteral("&Jeux"));
    action(jeuxmn, QStringLiteral("saisrmn"), QStringLiteral("Saisir un jeu"), QKeySequence(Qt::CTRL | Qt::Key_S), [] {
        form2().fermer();
        form4().fermer();
        form3().ouvrir();
    });
    action(jeuxmn, QStringLiteral("voirmn"), QStringLiteral("Voir les jeux enregistrés"), QKeySequence(Qt::CTRL | Qt::Key_V),
           [] {
               curseur::sablier();
               form3().fermer();
               form2().fermer();
               form4().ouvrir();
               curseur::normal();
           });
    action(jeuxmn, QStringLiteral("gainsmn"), QStringLiteral("Contrôler les gains"), QKeySequence(Qt::Key_F8),
           [] { fenetrearrivee().ouvrir(); });

    QMenu *qmcmn = sousmenu(m_menu, QStringLiteral("qmcmn"), QStringLiteral("Quinté&1 (méthode par contraintes)"));
    // Each command sets the hourglass and the window's load puts it back; a window that is
    // already open does not load again, hence the normal pointer after it.
    action(qmcmn, QStringLiteral("qsomn"), QStringLiteral("1> Sans ordre"), QKeySequence(Qt::Key_F1), [] {
        curseur::sablier();
        form5().ouvrir();
        curseur::normal();
    });
    action(qmcmn, QStringLiteral("ordremn"), QStringLiteral("2>Gérer l'ordre"), QKeySequence(Qt::Key_F2), [] {
        curseur::sablier();
        fenetres::instance<Form7>().ouvrir();
        curseur::normal();
    });
    action(qmcmn, QStringLiteral("bilanmn"), QStringLiteral("4> bilan"), QKeySequence(Qt::Key_F3), [] {
        curseur::sablier();
        fenetres::instance<Form8>().ouvrir();
        curseur::normal();
    });

    QMenu *qb3mn = sousmenu(m_menu, QStringLiteral("qb3mn"), QStringLiteral("Quinté&2 (méthode par base de 3)"));
    action(qb3mn, QStringLiteral("cdbmn"), QStringLiteral("1>Choix d'une base"), QKeySequence(Qt::Key_F4),
           [] { form9().ouvrir(); });
    QMenu *assomn = sousmenu(qb3mn, QStringLiteral("assomn"), QStringLiteral("2> Associer des chevaux"));
    action(assomn, QStringLiteral("metcplemn"), QStringLiteral("a) Méthode par couple"), QKeySequence(Qt::Key_F5),
           [] { form10().ouvrir(); });
    action(assomn, QStringLiteral("méthlistemn"), QStringLiteral("b) Méthode par liste"), QKeySequence(Qt::Key_F6),
           [] { form11().ouvrir(); });
    action(qb3mn, QStringLiteral("bil2mn"), QStringLiteral("3> Bilan"), QKeySequence(Qt::Key_F7), [] {
        curseur::sablier();
        form12().ouvrir();
        curseur::normal();
    });
}

qint64 Form1::c(qint16 n, qint16 p) const
{
    return travail::c(n, p);
}

void Form1::chargement()
{
    curseur::sablier();
    // The clear command and undo change the printer's file too.
    m_imprimante->setText(ticket::textemenu(ticket::lirechoix()));
    FichierDeTravail f(fichier());
    QString probleme;
    QByteArray contenu;
    if (travail::Resultat r = f.assureretlire(contenu); !r.ok())
        probleme = r.erreur;
    // Only the count and the prices: no bet is kept. The constraint method alone can add
    // 15 504 bets at a time. Summed in double and shown in single precision: a running
    // single-precision sum drifts (150 quartés at 1,3 would make 195,0003).
    const travail::TotalJeux lus = travail::totaljeux(contenu);
    const qint64 nbjeux = lus.nombre;
    const double montant = lus.montant;
    bool abime = false;
    if (probleme.isEmpty()) {
        probleme = lus.message(f.chemin());
        // Read whole and ended by a line end, the file ends on a whole record: the reader
        // reports a record cut short; only a last line end without its LF is left to look at.
        if (probleme.isEmpty() && !contenu.isEmpty() && !contenu.endsWith('\n')) {
            if (const travail::Fin fin = travail::examinerfin(contenu, travail::valeursparjeu); !fin.entiere)
                probleme = travail::textefin(f.chemin(), fin);
        }
        abime = !probleme.isEmpty();
    }

    if (nbjeux == 0)
        Label1->setText(QStringLiteral(" aucun jeu enregisté"));
    else if (nbjeux == 1)
        Label1->setText(travail::textenombre(1) + QStringLiteral(" jeu enregistré d'un montant de ") +
                        travail::textenombre(static_cast<float>(montant)) + unité());
    else
        Label1->setText(travail::textenombre(nbjeux) + QStringLiteral(" jeux enregistrés pour un montant total de ") +
                        travail::textenombre(static_cast<float>(montant)) + unité());
    curseur::normal();
    if (abime) {
        // Offered once the window is on screen; the announcement reloads whoever shows the bets.
        apres([this, probleme, chemin = f.chemin()] {
            if (reparer::proposer(this, probleme, chemin, travail::valeursparjeu, reparer::lisiblesjeux))
                travail::depot().annoncerjeux();
        });
    } else if (!probleme.isEmpty()) {
        avertir(probleme);
    }
}

void Form1::effacer()
{
    const auto reponse = dialogue::message(this, QStringLiteral("êtes-vous certain?"), dialogue::Icone::attention,
                                           dialogue::Boutons::okannuler);
    if (reponse == dialogue::Reponse::ok) {
        // What the command deletes can be put back by "Annuler la dernière modification";
        // nothing is deleted without that copy.
        travail::annulation::Modification modification(
            {fichier(), quinteo(), contrainte(), mabase(), duo(), cote(), contrecote(), prefer(), arrivee(),
             travail::depot().imprimante()});
        if (!modification.resultat().ok()) {
            dialogue::message(this,
                              QStringLiteral("Aucun fichier n'a été effacé : la copie qui permettrait d'annuler "
                                             "l'effacement n'a pas pu être faite.\n\n") +
                                  modification.resultat().erreur,
                              dialogue::Icone::critique);
            recharger();
            return;
        }
        QStringList erreurs;
        for (const QString &chemin : {fichier(), tampon(), quinteo(), contrainte(), mabase(), duo(), cote(), contrecote(), prefer(), arrivee()})
            if (travail::Resultat r = FichierDeTravail(chemin).assurerexistence(); !r.ok())
                erreurs << r.erreur;
        for (const QString &chemin : {prefer(), cote(), fichier(), tampon(), quinteo(), contrainte(), mabase(), duo(), contrecote(), arrivee(),
                                      travail::depot().imprimante()})
            if (travail::Resultat r = FichierDeTravail(chemin).supprimer(); !r.ok())
                erreurs << r.erreur;
        modification.reussie();
        if (!erreurs.isEmpty())
            dialogue::message(this, erreurs.join(QLatin1Char('\n')), dialogue::Icone::critique);
        // The windows of the base-of-three method show what is left: nothing.
        travail::depot().annoncerbase();
    }
    recharger();
}

void Form1::annuler()
{
    const travail::annulation::Retablissement r = travail::annulation::retablir();
    // The windows that show a file put back read it again, then this one.
    const QList<Fenetre *> ouvertes = Fenetre::ouvertes();
    for (Fenetre *f : ouvertes) {
        if (f == this || !f->estouverte())
            continue;
        const QStringList montres = f->fichiers();
        if (std::any_of(montres.begin(), montres.end(), [&r](const QString &c) { return r.chemins.contains(c); }))
            f->recharger();
    }
    if (!r.chemins.isEmpty())
        recharger();
    if (!r.ok())
        dialogue::message(this, r.erreur, dialogue::Icone::attention);
    else
        dialogue::message(this, jeux::texteretablissement(r.chemins), dialogue::Icone::information);
}
