#include "jeux/form4.h"

#include "commun/controles.h"
#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "commun/liste.h"
#include "jeux/form3.h"
#include "jeux/lignejeu.h"
#include "ticket/form2.h"
#include "ticket/surface.h"
#include "travail/annulation.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "travail/nombres.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using travail::FichierDeTravail;

Form4 &form4()
{
    return fenetres::instance<Form4>();
}

namespace {

// Reads the bytes of the saved bets file as it is now. A failure is told to the user, or
// left in `erreur` when the caller tells it later.
bool lireoctets(QWidget *parent, QByteArray &octets, QString *erreur = nullptr)
{
    const FichierDeTravail f(travail::depot().fichier());
    if (const travail::Resultat r = f.assureretlire(octets); !r.ok()) {
        if (erreur)
            *erreur = r.erreur;
        else
            dialogue::message(parent, r.erreur, dialogue::Icone::critique);
        return false;
    }
    return true;
}

// The same, read as saved bets.
bool relire(QWidget *parent, travail::LectureJeux &lus)
{
    QByteArray contenu;
    if (!lireoctets(parent, contenu))
        return false;
    lus = travail::lirejeux(contenu);
    return true;
}

} // namespace

Form4::Form4() : Fenetre(QStringLiteral("Form4"))
{
    setWindowTitle(QStringLiteral("tous les jeux..."));

    // The lines are built by the model when they are painted; every line has the same
    // height, so the view lays out hundreds of thousands of them at once.
    m_modele = new jeux::ModeleJeux(this);
    List1 = new ListeVue(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des jeux enregistrés"));
    List1->setModel(m_modele);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setUniformItemSizes(true);
    placer(List1, 240, 240, 9255, 1815);

    // The positions are laid out for a narrow 8-point face, as the captions were written for.
    const QFont police = policeformulaire();
    setFont(police);
    QFont grand = police;
    grand.setPointSize(grand.pointSize() + 4);
    grand.setBold(true);
    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(grand);
    placer(Label1, 240, 2400, 3135, 975);
    Label2 = new QLabel(QStringLiteral("Label2"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placer(Label2, 120, 3600, 3255, 735);

    Command6 = bouton(this, QStringLiteral("Command6"), QStringLiteral("(m) Modifier le jeu selectionné"));
    Command1 = bouton(this, QStringLiteral("Command1"), QStringLiteral("(e) Effacer le jeu selectionné"));
    Command4 = bouton(this, QStringLiteral("Command4"), QStringLiteral("(E) Effacer tout"), QStringLiteral("efface tous les jeux"));
    Command2 = bouton(this, QStringLiteral("Command2"), QStringLiteral("(i) Imprimer le jeu selectionné"),
                      QStringLiteral("sur ticket pmu..."));
    Command3 = bouton(this, QStringLiteral("Command3"), QStringLiteral("(I) Imprimer tout"), QStringLiteral("sur ticket pmu..."));
    Command5 = bouton(this, QStringLiteral("Command5"), QStringLiteral("Imprimer le (t) texte"),
                      QStringLiteral("seule cette option imprime sur un autre support que les tickets pmu"));
    placer(Command6, 3600, 2520, 3255, 615);
    placer(Command1, 3600, 3120, 3255, 615);
    placer(Command4, 3600, 3720, 3255, 615);
    placer(Command2, 6840, 2520, 2655, 615);
    placer(Command3, 6840, 3120, 2655, 615);
    placer(Command5, 6840, 3720, 2655, 615);
    cliententwips(9645, 4530);

    // A line becomes the chosen bet when the user selects it, by mouse or by the arrow keys;
    // the list taking the focus does not choose one.
    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList lignes = List1->selectionModel()->selectedRows();
        if (!lignes.isEmpty()) {
            jeuchoisi = lignes.first().row() + 1;
            choisi = true;
        }
    });
    connect(Command1, &QPushButton::clicked, this, &Form4::effacer);
    connect(Command4, &QPushButton::clicked, this, &Form4::effacertout);
    connect(Command6, &QPushButton::clicked, this, &Form4::modifier);
    connect(Command2, &QPushButton::clicked, this, &Form4::imprimerchoisi);
    connect(Command3, &QPushButton::clicked, this, &Form4::imprimertout);
    connect(Command5, &QPushButton::clicked, this, &Form4::texte);
}

void Form4::chargement()
{
    curseur::sablier();
    choisi = false;
    QString erreur;
    const bool lu = lireoctets(this, m_octets, &erreur);
    if (!lu)
        m_octets.clear();
    travail::LectureJeux lus = travail::lirejeux(m_octets);
    const QString dommages = lus.message(travail::depot().fichier());
    const float total = jeux::total(lus.jeux);
    m_debuts = std::move(lus.debuts);
    m_fins = std::move(lus.fins);
    m_modele->remplacer(std::move(lus.jeux), std::move(lus.positions));

    Label1->setText(travail::textenombre(total) + QLatin1Char(' ') + travail::unite);
    const int n = m_modele->rowCount();
    Label2->setText(travail::textenombre(n) +
                    (n < 2 ? QStringLiteral(" jeu enregistré  ") : QStringLiteral(" jeux enregistrés  ")));
    nbjeux = n;
    // The list would mark its first line on taking the focus, which looks like a choice
    // although none was made: the focus starts on the first command instead.
    Command6->setFocus();
    curseur::normal();

    if (!lu)
        avertir(erreur, dialogue::Icone::critique);
    else if (!dommages.isEmpty())
        apres([this, dommages] {
            if (reparer::proposer(this, dommages, travail::depot().fichier(), travail::valeursparjeu, reparer::lisiblesjeux)) {
                recharger();
                travail::depot().annoncerjeux();
            }
        });
}

void Form4::dechargement()
{
    choisi = false;
}

bool Form4::touche(const QString &texte)
{
    if (texte == QLatin1String("e"))
        effacer();
    else if (texte == QLatin1String("E"))
        effacertout();
    else if (texte == QLatin1String("i"))
        imprimerchoisi();
    else if (texte == QLatin1String("I"))
        imprimertout();
    else if (texte == QLatin1String("m"))
        modifier();
    else if (texte == QLatin1String("t"))
        this->texte();
    else
        return false;
    return true;
}

QStringList Form4::fichiers() const
{
    return {travail::depot().fichier()};
}

// The chosen bet, where it stands and the bytes of the file as they are now, once it is
// checked that the file still holds that bet there. False when it does not (the user is
// told and the list is read again) or when the file cannot be read.
bool Form4::verifierchoisi(Place &place, travail::Jeu &jeu, QByteArray &octets)
{
    const int ligne = jeuchoisi - 1;
    if (ligne < 0 || ligne >= m_modele->jeux().size())
        return false;
    place = {m_modele->positions()[ligne], m_debuts[ligne], m_fins[ligne]};
    jeu = m_modele->jeux()[ligne];

    // The list mirrors the file as it was at the load; another window may have changed it
    // since (the main window's clear command). Never drop a bet other than the one shown.
    if (!lireoctets(this, octets))
        return false;
    if (octets == m_octets)
        return true;
    const travail::LectureJeux lus = travail::lirejeux(octets);
    const qsizetype ici = lus.positions.indexOf(place.numero);
    if (ici < 0 || lus.jeux[ici] != jeu) {
        dialogue::message(this,
                          QStringLiteral("Le fichier des jeux enregistrés a changé depuis l'affichage de cette liste : "
                                         "rien n'a été fait. La liste va être relue."),
                          dialogue::Icone::attention);
        recharger();
        return false;
    }
    place.debut = lus.debuts[ici];
    place.fin = lus.fins[ici];
    return true;
}

// Drops the chosen bet from the file, closes this window and reloads the main window.
void Form4::effacer()
{
    if (!choisi) {
        dialogue::bip();
        return;
    }
    Place place;
    travail::Jeu jeu;
    QByteArray octets;
    if (!verifierchoisi(place, jeu, octets))
        return;
    const FichierDeTravail f(travail::depot().fichier());
    travail::annulation::Modification modification({f.chemin()});
    travail::Resultat r = modification.resultat();
    // Its bytes are known from the reading just checked: the rest is kept as it stands.
    if (r.ok())
        r = f.retirerplage(travail::depot().tampon(), octets, place.debut, place.fin);
    if (!r.ok()) {
        dialogue::message(this, QStringLiteral("Le jeu n'a pas pu être effacé ; le fichier est resté tel quel.\n\n") + r.erreur,
                          dialogue::Icone::critique);
        return;
    }
    modification.reussie();
    fermer();
    travail::depot().annoncerjeux();
}

void Form4::effacertout()
{
    const FichierDeTravail f(travail::depot().fichier());
    travail::annulation::Modification modification({f.chemin()});
    travail::Resultat r = modification.resultat();
    if (r.ok())
        r = f.reecrire({});
    if (!r.ok()) {
        dialogue::message(this, QStringLiteral("Les jeux n'ont pas pu être effacés.\n\n") + r.erreur, dialogue::Icone::critique);
        return;
    }
    modification.reussie();
    fermer();
    travail::depot().annoncerjeux();
}

// The chosen bet goes to the entry window; it stays in the file until the entry window
// saves its new version in its place.
void Form4::modifier()
{
    if (!choisi) {
        dialogue::bip();
        return;
    }
    Place place;
    travail::Jeu jeu;
    QByteArray octets;
    if (!verifierchoisi(place, jeu, octets))
        return;
    fermer();
    std::array<qint16, 8> chevaux{};
    for (int i = 1; i <= 8; ++i)
        chevaux[i - 1] = jeu.chevaux[i];
    // The replay starts from the entry window's defaults, as a fresh load gives them.
    Form3 &saisie = form3();
    saisie.fermer();
    saisie.ouvrir();
    saisie.rejouer(jeu.typedejeu, static_cast<qint16>(std::lround(jeu.mult)), jeu.dtlo, chevaux);
    saisie.modification(place.numero, jeu);
}

void Form4::imprimerchoisi()
{
    if (!choisi) {
        dialogue::bip();
        return;
    }
    if (jeuchoisi >= 1 && jeuchoisi <= m_modele->positions().size())
        impr(m_modele->positions()[jeuchoisi - 1]);
}

namespace {

bool imprimejeu(const travail::Jeu &jeu, QString *erreur = nullptr)
{
    std::array<float, 9> j{};
    for (int i = 0; i < 9; ++i)
        j[i] = jeu.chevaux[i];
    return form2().imprime(jeu.typedejeu, jeu.mult, j, jeu.dtlo, erreur);
}

} // namespace

bool Form4::impr(qint64 selec)
{
    travail::LectureJeux lus;
    if (!relire(this, lus))
        return false;
    const qsizetype ici = lus.positions.indexOf(selec);
    if (ici < 0) {
        dialogue::message(this,
                          QStringLiteral("Le jeu n° %1 n'est plus lisible dans le fichier des jeux enregistrés : "
                                         "rien n'a été imprimé.").arg(selec),
                          dialogue::Icone::attention);
        return false;
    }
    return imprimejeu(lus.jeux[ici]);
}

// One ticket per listed bet, in file order; the first failure stops the rest, so that
// the printer does not go on with a ticket missing.
void Form4::imprimertout()
{
    travail::LectureJeux lus;
    if (!relire(this, lus))
        return;
    const qsizetype n = std::min<qsizetype>(nbjeux, lus.jeux.size());
    // One batch: one preview, one PDF file, one print job. A ticket that cannot be drawn
    // stops the rest; the tickets drawn before it are still sent, and the user is told how
    // far it got, so that they are not printed twice.
    ticket::Imprimante &imprimante = ticket::imprimante();
    imprimante.debutlot(QStringLiteral("tickets"));
    for (qsizetype i = 0; i < n; ++i) {
        QString erreur;
        if (!imprimejeu(lus.jeux[i], &erreur)) {
            const bool envoyes = imprimante.finlot() && !imprimante.renonce();
            QString texte = jeux::ticketsenvoyes(envoyes ? i : 0, n, i + 1) + erreur;
            if (!envoyes && !imprimante.renonce() && i > 0)
                texte += QStringLiteral("\n\n") + ticket::raison(imprimante);
            dialogue::message(this, texte, dialogue::Icone::attention);
            return;
        }
    }
    if (!imprimante.finlot() && !imprimante.renonce())
        dialogue::message(this, QStringLiteral("Les tickets n'ont pas été imprimés.\n\n") + ticket::raison(imprimante),
                          dialogue::Icone::attention);
}

void Form4::texte()
{
    travail::LectureJeux lus;
    if (!relire(this, lus))
        return;
    ticket::Imprimante &imprimante = ticket::imprimante();
    const QString e = ticket::envoyer(imprimante, QStringLiteral("jeux"), [&]() -> QString {
        for (const QString &l : jeux::listing(lus.jeux))
            if (!imprimante.ligne(l))
                return ticket::raison(imprimante);
        return imprimante.findocument() ? QString() : ticket::raison(imprimante);
    });
    if (!e.isEmpty())
        dialogue::message(this, QStringLiteral("La liste des jeux n'a pas pu être imprimée.\n\n") + e,
                          dialogue::Icone::critique);
}
