#include "jeux/form3.h"

#include "commun/controles.h"
#include "commun/dialogue.h"
#include "commun/reparer.h"
#include "travail/annulation.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "ticket/form2.h"
#include "travail/nombres.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace TypeDePari = travail::TypeDePari;

Form3 &form3()
{
    return fenetres::instance<Form3>();
}

Form3::Form3() : Fenetre(QStringLiteral("Form3"))
{
    setWindowTitle(QStringLiteral("saisir un jeu"));

    // The positions are laid out for a narrow 8-point face, as the captions were written for.
    const QFont police = policeformulaire();
    setFont(police);
    QFont grand = police;
    grand.setPointSize(grand.pointSize() + 4);
    grand.setBold(true);

    // Top: the type, the eight picked horses and the rule under them.
    Label2 = etiquette(this, QStringLiteral("Label2"));
    Label2->setFont(grand);
    placer(Label2, 120, 120, 1560, 495);
    for (int i = 1; i <= 8; ++i) {
        Label4[i] = etiquette(this, QStringLiteral("Label4(%1)").arg(i));
        Label4[i]->setFrameShape(QFrame::Box);
        Label4[i]->setAlignment(Qt::AlignCenter);
        Label4[i]->setFont(grand);
        placer(Label4[i], 1800 + (i - 1) * 600, 120, 540, 495);
    }
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    placer(Line1, 120, 705, 8280, 30);

    // The middle row: repeated pick, save, abandon, print; the warning spans the row.
    Label3 = etiquette(this, QStringLiteral("Label3"), QStringLiteral("         numéro déjà selectionné"));
    placer(Label3, 120, 840, 2880, 495);
    Command9 = bouton(this, QStringLiteral("Command9"), QStringLiteral("(s) Sauvegarder"),
                      QStringLiteral("enregistre le jeu saisi"));
    placer(Command9, 3060, 840, 1560, 495);
    Command10 = bouton(this, QStringLiteral("Command10"), QStringLiteral("(a) Abandonner"),
                       QStringLiteral("abandonne la saisie en cours"));
    placer(Command10, 4680, 840, 1560, 495);
    Command4 = bouton(this, QStringLiteral("Command4"), QStringLiteral("         (i)          Imprimer"),
                      QStringLiteral("imprime sur ticket PMU la saisie en cours"));
    placer(Command4, 6300, 840, 2100, 495);
    Label1 = etiquette(this, QStringLiteral("Label1"),
                       QStringLiteral("Jeu incomplet, nombre de chevaux selectionnés insuffisant pour ce type de paris"));
    Label1->setStyleSheet(QStringLiteral("color: red;"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    placer(Label1, 120, 840, 8280, 495);

    // Left: the price, the all-orders box and the multipliers in two rows.
    Label5 = etiquette(this, QStringLiteral("Label5"));
    Label5->setFont(grand);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placer(Label5, 120, 1500, 1560, 495);
    Label6 = etiquette(this, QStringLiteral("Label6"));
    Label6->setFont(grand);
    placer(Label6, 1680, 1500, 600, 495);
    Check1 = new QCheckBox(QStringLiteral("dans tous les ordres"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(QStringLiteral("pour jouer une combinaison dans tous les ordres possibles"));
    placer(Check1, 120, 2100, 2760, 345);
    auto *groupe = new QButtonGroup(this);
    const char *textes[7] = {"1x", "2x", "3x", "4x", "5x", "10x", "20x"};
    for (int i = 0; i < 7; ++i) {
        Option4[i] = new QRadioButton(QLatin1String(textes[i]), this);
        Option4[i]->setObjectName(QStringLiteral("Option4(%1)").arg(i));
        Option4[i]->setAccessibleName(QStringLiteral("mise %1").arg(QLatin1String(textes[i])));
        groupe->addButton(Option4[i], i);
        if (i < 3)
            placer(Option4[i], 120 + i * 720, 2580, 690, 345);
        else
            placer(Option4[i], 120 + (i - 3) * 720, 3000, 690, 345);
        connect(Option4[i], &QRadioButton::toggled, this, [this](bool choisie) {
            if (choisie)
                multiplicateur();
        });
    }
    Option4[0]->setToolTip(QStringLiteral("on peut jouer le meme jeu jusqu'à 20 fois"));

    // Middle: the twenty numbers, five rows of four.
    for (int i = 1; i <= 20; ++i) {
        Command5[i] = bouton(this, QStringLiteral("Command5(%1)").arg(i), QString::number(i));
        Command5[i]->setAccessibleName(QStringLiteral("cheval %1").arg(i));
        placer(Command5[i], 3060 + ((i - 1) % 4) * 720, 1500 + ((i - 1) / 4) * 540, 660, 480);
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { numero(i); });
    }

    // Right: the erasers and the three types.
    Command6 = bouton(this, QStringLiteral("Command6"), QStringLiteral("(-) Efface dernier"),
                      QStringLiteral("\"gomme\" le dernier numéro"));
    Command7 = bouton(this, QStringLiteral("Command7"), QStringLiteral("(del)  Efface tout"), QStringLiteral("\"gomme\" tout"));
    Command1 = bouton(this, QStringLiteral("Command1"), QStringLiteral("(3) Tierce"),
                      QStringLiteral("cliquer ici pour jouer en tiercé"));
    Command2 = bouton(this, QStringLiteral("Command2"), QStringLiteral("(4) Quarte"),
                      QStringLiteral("cliquer ici pour jouer en quarté"));
    Command3 = bouton(this, QStringLiteral("Command3"), QStringLiteral("(5) Quinte"),
                      QStringLiteral("cliquer ici pour jouer en quinté"));
    int haut = 1500;
    for (QPushButton *b : {Command6, Command7, Command1, Command2, Command3}) {
        placer(b, 6060, haut, 2340, 480);
        haut += 540;
    }
    cliententwips(8520, 4320);

    connect(Command6, &QPushButton::clicked, this, &Form3::effacedernier);
    connect(Command7, &QPushButton::clicked, this, &Form3::effacetout);
    connect(Command10, &QPushButton::clicked, this, &Form3::abandonner);
    connect(Command1, &QPushButton::clicked, this, [this] { choisirtype(TypeDePari::tierce); });
    connect(Command2, &QPushButton::clicked, this, [this] { choisirtype(TypeDePari::quarte); });
    connect(Command3, &QPushButton::clicked, this, [this] { choisirtype(TypeDePari::quinte); });
    connect(Check1, &QCheckBox::toggled, this, &Form3::ordres);
    connect(Command4, &QPushButton::clicked, this, &Form3::imprimer);
    connect(Command9, &QPushButton::clicked, this, &Form3::sauvegarder);
    boutonannuler(Command10);

    typedejeu = TypeDePari::quinte;
}

double Form3::prix(const QString &typedejeu, qint16 nb, float mult, bool dtlo) const
{
    return travail::prix(typedejeu, nb, mult, dtlo);
}

void Form3::chargement()
{
    m_numero = 0;
    typedejeu = TypeDePari::quinte;
    mult = 1;
    Label3->hide();
    if (Option4[0]->isChecked())
        multiplicateur();
    else
        Option4[0]->setChecked(true);
    nb = 0;
    raffraich();
    Check1->setChecked(false);
}

void Form3::raffraich()
{
    Label2->setText(typedejeu);
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label5), static_cast<QWidget *>(Label6),
                       static_cast<QWidget *>(Command4), static_cast<QWidget *>(Command9), static_cast<QWidget *>(Command10)})
        w->hide();
    for (int i = 1; i <= 8; ++i)
        Label4[i]->setText(i <= nb ? travail::textenombre(chevaux[i]) : QString());
    complet = (typedejeu == TypeDePari::tierce && nb > 2) || (typedejeu == TypeDePari::quarte && nb > 3) ||
              (typedejeu == TypeDePari::quinte && nb > 4);
    if (complet) {
        Command4->show();
        Command9->show();
        Command10->show();
        chevaux[0] = nb;
        dtlo = Check1->isChecked();
        prixjeu = static_cast<float>(prix(typedejeu, nb, mult, dtlo));
        Label5->setText(travail::textenombre(prixjeu));
        Label6->setText(travail::unite);
        Label5->show();
        Label6->show();
    } else {
        Label1->show();
    }
}

void Form3::numero(int i)
{
    Label1->hide();
    if (nb >= 8)
        return;   // a ninth horse is ignored, without a message
    for (int k = 1; k <= nb; ++k)
        if (chevaux[k] == i) {
            Label3->show();
            return;
        }
    ++nb;
    Label3->hide();
    chevaux[nb] = static_cast<float>(i);
    raffraich();
}

void Form3::choisirtype(const QString &t)
{
    Label3->hide();
    typedejeu = t;
    raffraich();
}

void Form3::effacedernier()
{
    Label3->hide();
    if (nb > 0) {
        --nb;
        raffraich();
    }
}

void Form3::dechargement()
{
    m_numero = 0;
}

void Form3::modification(qint64 numero, const travail::Jeu &original)
{
    m_numero = numero;
    m_original = original;
}

// The entry is given up: a bet being modified stays in the file as it was.
void Form3::abandonner()
{
    m_numero = 0;
    effacetout();
}

void Form3::effacetout()
{
    Label3->hide();
    nb = 0;
    raffraich();
}

void Form3::ordres()
{
    Label3->hide();
    raffraich();
}

void Form3::multiplicateur()
{
    Label3->hide();
    for (std::size_t i = 0; i < travail::mises.size(); ++i)
        if (Option4[i]->isChecked())
            mult = travail::mises[i];
    raffraich();
}

void Form3::sauvegarder()
{
    Label3->hide();
    if (!complet)
        return;
    travail::Jeu jeu;
    jeu.typedejeu = typedejeu;
    jeu.mult = mult;
    jeu.dtlo = dtlo;
    jeu.chevaux[0] = nb;
    // Only the horses still picked: a slot freed by "Efface dernier" is written as 0.
    for (int i = 1; i <= 8; ++i)
        jeu.chevaux[i] = i <= nb ? static_cast<qint16>(chevaux[i]) : 0;
    const travail::FichierDeTravail f(travail::depot().fichier());
    // The bet stays on screen after a failure, so that nothing is lost.
    auto echec = [this, &f](const travail::Resultat &r) {
        const QString texte = QStringLiteral("Le jeu n'a pas pu être enregistré.\n\n") + r.erreur;
        if (!r.finabimee)
            dialogue::message(this, texte, dialogue::Icone::critique);
        else if (reparer::proposer(this, texte, f.chemin(), travail::valeursparjeu, reparer::lisiblesjeux))
            sauvegarder();   // the file now ends on a whole bet: the save is tried again
    };
    QString avis;
    if (m_numero > 0) {
        QByteArray octets;
        if (travail::Resultat r = f.assureretlire(octets); !r.ok())
            return echec(r);
        const travail::LectureJeux lus = travail::lirejeux(octets);
        const qsizetype ici = lus.positions.indexOf(m_numero);
        if (ici >= 0 && lus.jeux[ici] == m_original) {
            // The original leaves the file and the new bet comes at the end, in one step.
            travail::annulation::Modification modification({f.chemin()});
            if (!modification.resultat().ok())
                return echec(modification.resultat());
            const qint64 numero = m_numero;
            if (travail::Resultat r = f.retirer(travail::depot().tampon(), octets, 12, [numero](qint64 k) { return k != numero; },
                                                travail::enregistrement(jeu));
                !r.ok())
                return echec(r);
            modification.reussie();
        } else {
            if (travail::Resultat r = f.ajouter(travail::enregistrement(jeu), travail::valeursparjeu); !r.ok())
                return echec(r);
            avis = QStringLiteral("Le jeu d'origine n'est plus dans le fichier des jeux enregistrés tel qu'il était "
                                  "affiché : le jeu modifié a été ajouté comme un nouveau jeu, sans rien retirer.");
        }
    } else if (travail::Resultat r = f.ajouter(travail::enregistrement(jeu), travail::valeursparjeu); !r.ok()) {
        return echec(r);
    }
    fermer();
    travail::depot().annoncerjeux();
    if (!avis.isEmpty())
        dialogue::message(nullptr, avis, dialogue::Icone::attention);
}

bool Form3::touche(const QString &texte)
{
    if (texte == QLatin1String("\b"))
        effacetout();
    else if (texte == QLatin1String("-"))
        effacedernier();
    else if (texte == QLatin1String("3"))
        choisirtype(TypeDePari::tierce);
    else if (texte == QLatin1String("4"))
        choisirtype(TypeDePari::quarte);
    else if (texte == QLatin1String("5"))
        choisirtype(TypeDePari::quinte);
    else if (texte == QLatin1String("a"))
        abandonner();
    else if (texte == QLatin1String("\x1b"))
        abandonner();   // Escape presses "(a) Abandonner", shown or not
    else if (texte == QLatin1String("i"))
        imprimer();
    else if (texte == QLatin1String("s"))
        sauvegarder();
    else
        return false;
    return true;
}

void Form3::rejouer(const QString &type, qint16 m, bool tousordres, const std::array<qint16, 8> &stockes)
{
    if (m >= 1 && m < 6)
        Option4[m - 1]->setChecked(true);
    else if (m == 10)
        Option4[5]->setChecked(true);
    else if (m == 20)
        Option4[6]->setChecked(true);
    if (type == TypeDePari::tierce)
        Command1->click();
    else if (type == TypeDePari::quarte)
        Command2->click();
    else if (type == TypeDePari::quinte)
        Command3->click();
    if (tousordres)
        Check1->setChecked(true);
    for (qint16 h : stockes)
        if (h > 0 && h <= 20)
            Command5[h]->click();
}

void Form3::imprimer()
{
    Label3->hide();
    if (!complet)
        return;
    // The ticket gets the horses still picked; slots freed by "Efface dernier" go as 0.
    std::array<float, 9> j{};
    j[0] = nb;
    for (int i = 1; i <= nb; ++i)
        j[i] = chevaux[i];
    form2().imprime(typedejeu, mult, j, dtlo);
}
