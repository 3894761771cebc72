#include "quintes/form8.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/liste.h"
#include "commun/reparer.h"
#include "quintes/bilan.h"
#include "quintes/combinaison.h"
#include "travail/annulation.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using travail::FichierDeTravail;

Form8::Form8() : Fenetre(QStringLiteral("Form8"))
{
    setWindowTitle(QStringLiteral("bilan methode 1"));
    cliententwips(11550, 6360);

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placer(Label1, 120, 120, 11310, 375);

    List1 = new Liste(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des quintés dans l'ordre"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);   // 15504 lines laid out without measuring each
    // Fixed pitch, so that the five horses of every line stand in columns.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    placer(List1, 120, 600, 11310, 4920);

    auto bouton = [this](const QString &nom, const QString &legende, int gauche, void (Form8::*commande)()) {
        auto *b = new QPushButton(legende, this);
        b->setObjectName(nom);
        placer(b, gauche, 5640, 2760, 495);
        connect(b, &QPushButton::clicked, this, commande);
        return b;
    };
    Command1 = bouton(QStringLiteral("Command1"), QStringLiteral("(s) Supprimer la selection"), 120, &Form8::supprimerselection);
    Command4 = bouton(QStringLiteral("Command4"), QStringLiteral("(S) Supprimer tout"), 2970, &Form8::supprimertout);
    Command2 = bouton(QStringLiteral("Command2"), QStringLiteral("(e) Enregistrer la selection"), 5820, &Form8::enregistrerselection);
    Command3 = bouton(QStringLiteral("Command3"), QStringLiteral("(E) Enregistrer tout"), 8670, &Form8::enregistrertout);

    // The order window rewrote the ordered file: the list shows it as it is now.
    connect(&travail::depot(), &travail::Depot::quintesmodifies, this, [this] {
        if (estouverte())
            recharger();
    });
}

namespace {

// The ordered quintés are read up to their first damage: those are the readable ones.
QList<qint64> lisiblescombinaisons(const QByteArray &contenu)
{
    QList<qint64> k;
    const qsizetype n = quintes::lirecombinaisons(contenu).combinaisons.size();
    for (qint64 i = 1; i <= n; ++i)
        k.append(i);
    return k;
}

} // namespace

void Form8::chargement()
{
    QString probleme;
    const FichierDeTravail quinteo(travail::depot().quinteo());
    QByteArray contenu;
    curseur::sablier();
    if (travail::Resultat r = quinteo.assureretlire(contenu); !r.ok())
        probleme = r.erreur;
    const quintes::LectureCombinaisons lus = quintes::lirecombinaisons(contenu);
    bool abime = false;
    if (probleme.isEmpty()) {
        probleme = lus.message(quinteo.chemin());
        abime = !probleme.isEmpty();
    }
    m_combinaisons = lus.combinaisons;

    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(quintes::lignesbilan(lus.combinaisons));
    List1->setUpdatesEnabled(true);
    Label1->setText(quintes::texteconstruits(List1->count()));
    curseur::normal();

    if (abime) {
        const QString chemin = quinteo.chemin();
        apres([this, probleme, chemin] {
            if (reparer::proposer(this, probleme, chemin, 5, lisiblescombinaisons))
                recharger();
        });
    } else if (!probleme.isEmpty()) {
        avertir(probleme);
    }
}

bool Form8::verifierliste(QByteArray &contenu)
{
    if (travail::Resultat r = FichierDeTravail(travail::depot().quinteo()).lire(contenu); !r.ok()) {
        dialogue::message(this, r.erreur, dialogue::Icone::critique);
        return false;
    }
    if (quintes::lirecombinaisons(contenu).combinaisons == m_combinaisons)
        return true;
    dialogue::message(this,
                      QStringLiteral("Le fichier des quintés ordonnés a changé depuis l'affichage de cette liste : "
                                     "rien n'a été fait. La liste va être relue."),
                      dialogue::Icone::attention);
    recharger();
    return false;
}

bool Form8::reparerjeux(const travail::Resultat &r, const QString &texte)
{
    if (!r.finabimee)
        return false;
    return reparer::proposer(this, texte + r.erreur, travail::depot().fichier(), travail::valeursparjeu, reparer::lisiblesjeux);
}

QStringList Form8::fichiers() const
{
    return {travail::depot().quinteo()};
}

void Form8::dechargement()
{
    List1->clear();
}

bool Form8::touche(const QString &texte)
{
    if (texte == QLatin1String("s"))
        supprimerselection();
    else if (texte == QLatin1String("S"))
        supprimertout();
    else if (texte == QLatin1String("e"))
        enregistrerselection();
    else if (texte == QLatin1String("E"))
        enregistrertout();
    else
        return false;
    return true;
}

int Form8::selection() const
{
    const QModelIndexList choisies = List1->selectionModel()->selectedIndexes();
    return choisies.isEmpty() ? 0 : choisies.first().row() + 1;
}

bool Form8::enregistre(int selec)
{
    travail::Resultat r = quintes::enregistre(selec, travail::depot().quinteo(), travail::depot().fichier());
    const QString texte = QStringLiteral("Le quinté n'a pas été enregistré.\n\n");
    if (reparerjeux(r, texte))
        r = quintes::enregistre(selec, travail::depot().quinteo(), travail::depot().fichier());
    if (!r.ok() && !r.finabimee)
        dialogue::message(this, texte + r.erreur, dialogue::Icone::critique);
    return r.ok();
}

void Form8::supprimerselection()
{
    const int k = selection();
    if (k == 0) {
        dialogue::bip();
        return;
    }
    // Every other record is copied as it stands, an unreadable end included.
    QByteArray contenu;
    if (!verifierliste(contenu))
        return;
    const FichierDeTravail quinteo(travail::depot().quinteo());
    travail::annulation::Modification modification({quinteo.chemin()});
    travail::Resultat r = modification.resultat();
    if (r.ok())
        r = quinteo.retirer(travail::depot().tampon(), contenu, 5, [k](int j) { return j != k; });
    if (!r.ok()) {
        dialogue::message(this, r.erreur, dialogue::Icone::critique);
        return;
    }
    modification.reussie();
    recharger();
}

void Form8::supprimertout()
{
    const FichierDeTravail quinteo(travail::depot().quinteo());
    travail::annulation::Modification modification({quinteo.chemin()});
    travail::Resultat r = modification.resultat();
    if (r.ok())
        r = quinteo.reecrire({});
    if (!r.ok()) {
        dialogue::message(this, r.erreur, dialogue::Icone::critique);
        return;
    }
    modification.reussie();
    fermer();
}

void Form8::enregistrerselection()
{
    const int k = selection();
    if (k < 1) {
        dialogue::bip();
        return;
    }
    QByteArray contenu;
    if (!verifierliste(contenu))
        return;
    const bool ok = enregistre(k);
    if (ok)
        travail::depot().annoncerjeux();
    ouvrir();   // back in front of the main window
}

void Form8::enregistrertout()
{
    QByteArray contenu;
    if (!verifierliste(contenu))
        return;
    curseur::sablier();
    int enregistres = 0;
    travail::Resultat r;
    {
        // Many bets at once: the saved bets as they were can be put back.
        travail::annulation::Modification modification({travail::depot().fichier()});
        r = modification.resultat();
        if (r.ok())
            r = quintes::enregistretout(List1->count(), travail::depot().quinteo(), travail::depot().fichier(), &enregistres);
        if (enregistres > 0)
            modification.reussie();
    }
    if (!r.ok()) {
        curseur::normal();
        // Nothing was appended onto a damaged end: once it is repaired, the whole save again.
        if (r.finabimee) {
            if (reparerjeux(r, QStringLiteral("Les quintés n'ont pas été enregistrés.\n\n")))
                enregistrertout();
            return;
        }
        dialogue::message(this, r.erreur, dialogue::Icone::critique);
        // Nothing saved: the window stays, so the user can try again.
        if (enregistres == 0)
            return;
    }
    fermer();
    travail::depot().annoncerjeux();
    curseur::normal();
}
