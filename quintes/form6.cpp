#include "quintes/form6.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "travail/annulation.h"
#include "travail/depot.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Form6 &form6()
{
    return fenetres::instance<Form6>();
}

Form6::Form6() : Fenetre(QStringLiteral("Form6"))
{
    setWindowTitle(QStringLiteral("Saisir une contrainte"));

    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    m_menu = new QMenuBar(this);
    m_menu->setNativeMenuBar(false);
    QAction *a = m_menu->addAction(QStringLiteral("&Aide"));
    a->setObjectName(QStringLiteral("aide"));
    connect(a, &QAction::triggered, this, [this] { aide(); });
    disposition->setMenuBar(m_menu);

    auto *zone = new QWidget(this);
    const int largeur = 7200, hauteur = 2760;
    zone->setFixedSize(px(largeur), px(hauteur));
    disposition->addWidget(zone);

    auto nommer = [](QWidget *w, const QString &nom, int i) { w->setObjectName(QStringLiteral("%1(%2)").arg(nom).arg(i)); };

    // The direction.
    Frame1 = new QFrame(zone);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    placer(Frame1, 120, 120, 1440, 900);
    auto *direction = new QButtonGroup(this);
    const QStringList sens = {QStringLiteral("au moins"), QStringLiteral("au plus")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(sens[i], Frame1);
        nommer(Option1[i], QStringLiteral("Option1"), i);
        placer(Option1[i], 120, 120 + i * 360, 1220, 300);
        direction->addButton(Option1[i], i);
        connect(Option1[i], &QRadioButton::clicked, this, [this] { cachemessage(); });
    }

    // The count.
    Frame2 = new QFrame(zone);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::Box);
    placer(Frame2, 1680, 120, 1440, 2160);
    auto *compte = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        Option2[i] = new QRadioButton(i < 2 ? QStringLiteral("%1 cheval").arg(i) : QStringLiteral("%1 chevaux").arg(i), Frame2);
        nommer(Option2[i], QStringLiteral("Option2"), i);
        placer(Option2[i], 120, 90 + i * 330, 1220, 300);
        compte->addButton(Option2[i], i);
    }

    Label1 = new QLabel(QStringLiteral("dans"), zone);
    Label1->setObjectName(QStringLiteral("Label1"));
    placer(Label1, 3240, 780, 540, 300);

    // The set: four rows of five, 1 to 5 on top.
    for (int i = 0; i < 20; ++i) {
        Check1[i] = new QCheckBox(QString::number(i + 1), zone);
        nommer(Check1[i], QStringLiteral("Check1"), i);
        Check1[i]->setAccessibleName(QStringLiteral("cheval %1").arg(i + 1));
        placer(Check1[i], 3900 + (i % 5) * 640, 120 + (i / 5) * 360, 620, 300);
        connect(Check1[i], &QCheckBox::clicked, this, [this] { cachemessage(); });
    }

    Command1 = new QPushButton(QStringLiteral("enregistrer"), zone);
    Command1->setObjectName(QStringLiteral("Command1"));
    placer(Command1, 3900, 1680, 3100, 480);
    Command1->setDefault(true);
    boutondefaut(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { enregistrer(); });

    Label3 = new QLabel(QStringLiteral("Cette contrainte est absurde ..."), zone);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: red;"));
    Label3->setAlignment(Qt::AlignCenter);
    placer(Label3, 3900, 2220, 3100, 300);
    Label3->hide();

    setFixedSize(px(largeur), px(hauteur) + m_menu->sizeHint().height());
}

void Form6::chargement()
{
    m_numero = 0;
    // A fresh opening starts from "au plus", "0 cheval", no horse, no message.
    Option1[1]->setChecked(true);
    Option2[0]->setChecked(true);
    for (QCheckBox *c : Check1)
        c->setChecked(false);
    Label3->hide();
    curseur::normal();
}

void Form6::dechargement()
{
    m_numero = 0;
    travail::depot().annoncercontraintes();
}

void Form6::modification(int numero, const quintes::Contrainte &originale)
{
    m_numero = numero;
    m_originale = originale;
}

void Form6::remplir(const quintes::Contrainte &c)
{
    Option1[c.aumoins ? 0 : 1]->setChecked(true);
    Option2[std::min<int>(c.nombre, 5)]->setChecked(true);
    for (int h = 1; h <= 20; ++h)
        Check1[h - 1]->setChecked(c.ensemble[h]);
}

quintes::Contrainte Form6::contrainte() const
{
    quintes::Contrainte c;
    c.aumoins = Option1[0]->isChecked();
    for (int i = 0; i < 6; ++i)
        if (Option2[i]->isChecked()) {
            c.nombre = static_cast<quint8>(i);
            break;
        }
    for (int h = 1; h <= 20; ++h)
        c.ensemble[h] = Check1[h - 1]->isChecked();
    return c;
}

void Form6::cachemessage()
{
    Label3->hide();
}

void Form6::enregistrer()
{
    const quintes::Contrainte c = contrainte();
    if (quintes::absurde(c)) {
        Label3->show();
        dialogue::bip();
        return;
    }
    const QString chemin = travail::depot().contrainte();
    travail::Resultat r;
    bool remplacee = true;
    if (m_numero > 0) {
        travail::annulation::Modification modification({chemin});
        r = modification.resultat();
        if (r.ok())
            r = quintes::remplacecontrainte(chemin, travail::depot().tampon(), m_numero, m_originale, c, remplacee);
        if (r.ok() && remplacee)
            modification.reussie();
    } else {
        r = quintes::ajoutecontrainte(chemin, c);
    }
    if (!r.ok()) {
        // Nothing is lost: the window stays open with the constraint on screen.
        const QString texte = r.erreur + QStringLiteral("\n\nLa contrainte n'a pas été enregistrée.");
        if (!r.finabimee)
            dialogue::message(this, texte, dialogue::Icone::critique);
        else if (reparer::proposer(this, texte, chemin, quintes::valeursparcontrainte,
                                   [](const QByteArray &octets) { return quintes::lirecontraintes(octets).positions; }))
            enregistrer();   // the file now ends on a whole constraint: the save is tried again
        return;
    }
    if (!remplacee)
        dialogue::message(this,
                          QStringLiteral("La contrainte d'origine n'est plus dans le fichier telle qu'elle était affichée : "
                                         "la contrainte modifiée a été ajoutée, sans rien retirer."),
                          dialogue::Icone::attention);
    fermer();
}

void Form6::aide()
{
    dialogue::message(this,
                      QStringLiteral(" Exemple de contrainte: au moins 2 chevaux dans {3;4;5;6}"
                                     "(bonne réussite en trot sur 2100m autostart)"),
                      dialogue::Icone::information);
}
