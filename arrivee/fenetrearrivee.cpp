#include "arrivee/fenetrearrivee.h"

#include "commun/controles.h"
#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/liste.h"
#include "ticket/surface.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"
#include "travail/nombres.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using travail::FichierDeTravail;

FenetreArrivee &fenetrearrivee()
{
    return fenetres::instance<FenetreArrivee>();
}

namespace {

const QStringList places = {QString(), QStringLiteral("1er"), QStringLiteral("2e"), QStringLiteral("3e"),
                            QStringLiteral("4e"), QStringLiteral("5e")};

// A horse number typed in a field: a whole number of 1 to 20.
bool lirecheval(const QString &texte, qint16 &h)
{
    bool ok = false;
    const int v = texte.trimmed().toInt(&ok);
    if (!ok || v < 1 || v > 20)
        return false;
    h = static_cast<qint16>(v);
    return true;
}

} // namespace

FenetreArrivee::FenetreArrivee() : Fenetre(QStringLiteral("arrivee"))
{
    setWindowTitle(QStringLiteral("arrivée et gains"));
    setFont(policeformulaire());
    auto nommer = [](QWidget *w, const QString &nom, int i) { w->setObjectName(QStringLiteral("%1(%2)").arg(nom).arg(i)); };
    auto champ = [this](QLabel *etiquette, const QString &nomaccessible) {
        auto *t = new QLineEdit(this);
        t->setAccessibleName(nomaccessible);
        etiquette->setBuddy(t);
        return t;
    };

    Label3[0] = nullptr;
    Text1[0] = nullptr;
    for (int i = 1; i <= 5; ++i) {
        const int gauche = 240 + (i - 1) * 1200;
        Label3[i] = new QLabel(places[i], this);
        nommer(Label3[i], QStringLiteral("Label3"), i);
        placer(Label3[i], gauche, 120, 1080, 255);
        Text1[i] = champ(Label3[i], places[i]);
        nommer(Text1[i], QStringLiteral("Text1"), i);
        Text1[i]->setToolTip(QStringLiteral("numéro du cheval arrivé %1").arg(places[i]));
        placer(Text1[i], gauche, 375, 1080, 330);
    }
    Label4 = etiquette(this, QStringLiteral("Label4"), QStringLiteral("non-partants"));
    placer(Label4, 6480, 120, 3015, 255);
    Text2 = champ(Label4, QStringLiteral("non-partants"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("numéros séparés par des blancs ou des virgules"));
    placer(Text2, 6480, 375, 3015, 330);

    for (int i = 0; i < arrivee::nbrapports; ++i) {
        const int gauche = 240 + (i % 5) * 1860, haut = 900 + (i / 5) * 720;
        Label5[i] = new QLabel(arrivee::nomsrapports()[i], this);
        nommer(Label5[i], QStringLiteral("Label5"), i);
        placer(Label5[i], gauche, haut, 1800, 255);
        Text3[i] = champ(Label5[i], QStringLiteral("rapport ") + arrivee::nomsrapports()[i]);
        nommer(Text3[i], QStringLiteral("Text3"), i);
        Text3[i]->setToolTip(QStringLiteral("rapport publié pour la mise de base (1 € au tiercé, 1,30 € au quarté, "
                                            "2 € au quinté) ; vide : 0"));
        placer(Text3[i], gauche, haut + 255, 1740, 330);
    }

    List1 = new Liste(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("liste des gains"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    placer(List1, 240, 2400, 9255, 2175);

    Label1 = etiquette(this, QStringLiteral("Label1"));
    placer(Label1, 240, 4680, 9255, 300);
    QFont gras = font();
    gras.setBold(true);
    Label1->setFont(gras);
    Label2 = etiquette(this, QStringLiteral("Label2"));
    placer(Label2, 240, 5010, 9255, 300);

    Command1 = bouton(this, QStringLiteral("Command1"), QStringLiteral("(c) Contrôler"),
                      QStringLiteral("contrôler tous les jeux enregistrés avec cette arrivée"));
    Command2 = bouton(this, QStringLiteral("Command2"), QStringLiteral("(i) Imprimer"), QStringLiteral("imprimer la liste des gains"));
    Command3 = bouton(this, QStringLiteral("Command3"), QStringLiteral("(q) Quitter"));
    placer(Command1, 240, 5460, 2400, 495);
    placer(Command2, 3660, 5460, 2400, 495);
    placer(Command3, 7095, 5460, 2400, 495);
    Command1->setDefault(true);
    boutondefaut(Command1);
    boutonannuler(Command3);
    cliententwips(9735, 6120);

    connect(Command1, &QPushButton::clicked, this, [this] { controler(); });
    connect(Command2, &QPushButton::clicked, this, [this] { imprimer(); });
    connect(Command3, &QPushButton::clicked, this, [this] { fermer(); });

    // The list shows the saved bets as they are: when they change, the check is made again
    // with the race it was made with.
    connect(&travail::depot(), &travail::Depot::jeuxmodifies, this, [this] {
        if (estouverte() && m_controle)
            afficher(m_course);
    });
}

void FenetreArrivee::chargement()
{
    m_controle = false;
    List1->clear();
    Label1->clear();
    Label2->clear();
    for (int i = 1; i <= 5; ++i)
        Text1[i]->clear();
    Text2->clear();
    for (QLineEdit *t : Text3)
        t->clear();

    // The last race typed in; what a damaged file still gives is shown, and the file is
    // left as it is until the next check replaces it.
    const QString chemin = travail::depot().arrivee();
    QByteArray octets;
    if (travail::Resultat r = FichierDeTravail(chemin).lire(octets); !r.ok()) {
        avertir(r.erreur, dialogue::Icone::critique);
    } else {
        const arrivee::LectureCourse lue = arrivee::lirecourse(octets, chemin);
        for (int i = 0; i < lue.chevaux; ++i)
            Text1[i + 1]->setText(travail::textenombre(lue.course.arrivee[i]));
        if (lue.nonpartants) {
            QStringList np;
            for (qint16 h : lue.course.nonpartants)
                np << travail::textenombre(h);
            Text2->setText(np.join(QLatin1Char(' ')));
        }
        for (int i = 0; i < lue.rapports; ++i)
            Text3[i]->setText(arrivee::texterapport(lue.course.rapports[i]));
        if (!lue.erreur.isEmpty())
            avertir(lue.erreur + QStringLiteral("\n\nSeules les valeurs lues avant sont affichées ; le fichier n'a pas été "
                                                "modifié. « (c) Contrôler » le réécrit."));
    }
    Text1[1]->setFocus();
    Text1[1]->selectAll();
}

bool FenetreArrivee::touche(const QString &texte)
{
    // In a field a letter is typed there; elsewhere it is a command.
    if (qobject_cast<QLineEdit *>(focusWidget()))
        return false;
    if (texte == QLatin1String("c"))
        controler();
    else if (texte == QLatin1String("i"))
        imprimer();
    else if (texte == QLatin1String("q"))
        fermer();
    else
        return false;
    return true;
}

// Reads every field into `course`; the first wrong one is told to the user and takes the focus.
bool FenetreArrivee::lire(arrivee::Course &course)
{
    auto refuser = [this](QLineEdit *champ, const QString &texte) {
        dialogue::message(this, texte, dialogue::Icone::attention);
        champ->setFocus();
        champ->selectAll();
        return false;
    };
    for (int i = 1; i <= 5; ++i) {
        const QString t = Text1[i]->text().trimmed();
        qint16 h = 0;
        if (t.isEmpty())
            return refuser(Text1[i], QStringLiteral("Le cheval arrivé %1 manque : tapez son numéro, de 1 à 20.").arg(places[i]));
        if (!lirecheval(t, h))
            return refuser(Text1[i],
                           QStringLiteral("Le cheval arrivé %1 « %2 » n'est pas un numéro de cheval de 1 à 20.").arg(places[i], t));
        for (int j = 1; j < i; ++j)
            if (course.arrivee[j - 1] == h)
                return refuser(Text1[i], QStringLiteral("Le cheval arrivé %1 « %2 » est déjà arrivé %3 : les cinq chevaux de "
                                                        "l'arrivée doivent être différents.")
                                             .arg(places[i], t, places[j]));
        course.arrivee[i - 1] = h;
    }

    course.nonpartants.clear();
    const QStringList morceaux = Text2->text().split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    for (const QString &m : morceaux) {
        qint16 h = 0;
        if (!lirecheval(m, h))
            return refuser(Text2, QStringLiteral("Les non-partants : « %1 » n'est pas un numéro de cheval de 1 à 20 "
                                                 "(séparez les numéros par des blancs ou des virgules).").arg(m));
        if (const auto ici = std::find(course.arrivee.begin(), course.arrivee.end(), h); ici != course.arrivee.end())
            return refuser(Text2, QStringLiteral("Les non-partants : le cheval %1 ne peut pas être non-partant, il est arrivé %2.")
                                      .arg(h)
                                      .arg(places[int(ici - course.arrivee.begin()) + 1]));
        if (!course.nonpartants.contains(h))
            course.nonpartants.append(h);
    }
    std::sort(course.nonpartants.begin(), course.nonpartants.end());

    for (int i = 0; i < arrivee::nbrapports; ++i) {
        const QString t = Text3[i]->text().trimmed();
        const QString quoi = QStringLiteral("Le rapport ") + arrivee::nomsrapports()[i];
        double v = 0;
        if (!arrivee::lirerapport(t, v))
            return refuser(Text3[i], QStringLiteral("%1 « %2 » n'est pas un nombre (par exemple 53,5 ou 1200).").arg(quoi, t));
        if (v < 0)
            return refuser(Text3[i], QStringLiteral("%1 « %2 » ne peut pas être négatif.").arg(quoi, t));
        course.rapports[i] = v;
    }
    return true;
}

// Checks the saved bets as the file holds them now and shows the result.
void FenetreArrivee::afficher(const arrivee::Course &course)
{
    curseur::Sablier sablier;
    const QString chemin = travail::depot().fichier();
    QByteArray octets;
    if (travail::Resultat r = FichierDeTravail(chemin).lire(octets); !r.ok()) {
        m_controle = false;
        List1->clear();
        Label1->clear();
        Label2->clear();
        dialogue::message(this, QStringLiteral("Les jeux enregistrés n'ont pas pu être lus.\n\n") + r.erreur,
                          dialogue::Icone::critique);
        return;
    }
    const travail::LectureJeux lus = travail::lirejeux(octets);
    const arrivee::Controle c = arrivee::controler(lus.jeux, lus.positions, course);
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(c.lignes);
    List1->setUpdatesEnabled(true);
    Label1->setText(c.label1());
    Label2->setText(c.label2());
    m_controle = true;
    m_course = course;
    if (!lus.intact())
        dialogue::message(this, lus.message(chemin), dialogue::Icone::attention);
}

void FenetreArrivee::controler()
{
    arrivee::Course course;
    if (!lire(course))
        return;
    afficher(course);
    const travail::Depot &d = travail::depot();
    if (travail::Resultat r = FichierDeTravail(d.arrivee()).remplacerpartampon(d.tampon(), arrivee::enregistrement(course));
        !r.ok())
        dialogue::message(this, QStringLiteral("L'arrivée n'a pas pu être enregistrée.\n\n") + r.erreur,
                          dialogue::Icone::critique);
}

void FenetreArrivee::imprimer()
{
    if (List1->count() == 0) {
        dialogue::bip();
        return;
    }
    QStringList lignes;
    lignes.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        lignes << List1->item(i)->text();
    ticket::Imprimante &imprimante = ticket::imprimante();
    const QString e = ticket::envoyer(imprimante, QStringLiteral("gains"), [&]() -> QString {
        for (const QString &l : arrivee::listing(lignes, Label1->text(), Label2->text()))
            if (!imprimante.ligne(l))
                return ticket::raison(imprimante);
        return imprimante.findocument() ? QString() : ticket::raison(imprimante);
    });
    if (!e.isEmpty())
        dialogue::message(this, QStringLiteral("La liste des gains n'a pas pu être imprimée.\n\n") + e,
                          dialogue::Icone::critique);
}
