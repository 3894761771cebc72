#include "ticket/form2.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "ticket/impression.h"
#include "ticket/surface.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "travail/nombres.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

using travail::FichierDeTravail;

namespace {

// A push button whose caption wraps over two lines, as the captions of this window
// are longer than their buttons are wide.
class Bouton final : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter peintre(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        peintre.drawControl(QStyle::CE_PushButton, option);
        peintre.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        peintre.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

} // namespace

Form2 &form2()
{
    return fenetres::instance<Form2>();
}

Form2::Form2() : Fenetre(QStringLiteral("Form2"))
{
    setWindowTitle(QStringLiteral("test imprimantes"));
    cliententwips(10815, 3645);

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setText(QStringLiteral(
        "         Insérer un ou des tickets PMU dans le bac d'alimentattion de votre imprimante. Le test est positif si "
        "toutes les cases sont cochées. Dans ce cas enregistrez vos paramètres. Dans le cas contraire effectuez les "
        "corrections nécessaires. Vous devrez peut-être modifier la taille du papier dans votre gestionnaire "
        "d'impression."));
    placer(Label4, 120, 120, 10575, 1095);

    auto bouton = [this](const char *nom, const QString &texte, const QString &bulle, int gauche) {
        auto *b = new Bouton(texte, this);
        b->setObjectName(QLatin1String(nom));
        b->setToolTip(bulle);
        b->setAutoDefault(false);
        placer(b, gauche, 1320, 1455, 600);
        return b;
    };
    Command1 = bouton("Command1", QStringLiteral("(t) Test d'impression"),
                      QStringLiteral("cliquez ici pour faire une impression teste"), 240);
    Command2 = bouton("Command2", QStringLiteral("(e) Enregistrer et quitter"),
                      QStringLiteral("en cliquant ici vous enregistrez vos propres parametres"), 2040);
    Command3 = bouton("Command3", QStringLiteral("(q) Quitter sans modifier"), QString(), 3840);
    Command4 = bouton("Command4", QStringLiteral("(r) Réinitialiser"), QStringLiteral("reglage par defaut"), 5640);
    boutonannuler(Command3);

    auto etiquette = [this](const char *nom, int gauche, int haut, int largeur, int hauteur) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(nom));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placer(l, gauche, haut, largeur, hauteur);
        return l;
    };
    Label2 = etiquette("Label2", 480, 2040, 3015, 495);
    Label3 = etiquette("Label3", 3840, 2040, 3015, 615);
    Label1 = etiquette("Label1", 360, 2760, 1575, 855);
    Label1->setText(QStringLiteral("corrections horizontales et verticales"));

    auto glissiere = [this](const char *nom, const QString &bulle, int haut) {
        auto *s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QLatin1String(nom));
        s->setToolTip(bulle);
        s->setRange(-1000, 1000);
        s->setSingleStep(1);
        s->setPageStep(5);
        s->setTickPosition(QSlider::TicksBelow);
        s->setTickInterval(100);
        placer(s, 2160, haut, 8535, 375);
        return s;
    };
    Slider1 = glissiere("Slider1", QStringLiteral("pour modifier la position horizontale des croix sur le ticket"), 2640);
    Slider2 = glissiere("Slider2", QStringLiteral("pour modifier l'alignement vertical des croix sur le ticket"), 3120);
    Slider1->setAccessibleName(QStringLiteral("correction horizontale"));
    Slider2->setAccessibleName(QStringLiteral("correction verticale"));

    connect(Command1, &QPushButton::clicked, this, &Form2::test);
    connect(Command2, &QPushButton::clicked, this, &Form2::enregistrer);
    connect(Command3, &QPushButton::clicked, this, &Form2::fermer);
    connect(Command4, &QPushButton::clicked, this, &Form2::reinitialiser);
    // A move of the user (mouse, keys, wheel) triggers an action, with the new position
    // already set; setting the value from the program triggers none.
    connect(Slider1, &QSlider::actionTriggered, this, [this] { horizontal(Slider1->sliderPosition()); });
    connect(Slider2, &QSlider::actionTriggered, this, [this] { vertical(Slider2->sliderPosition()); });
}

QString Form2::sortirprefer()
{
    cvp = 0;
    chp = 0;
    const FichierDeTravail f(travail::depot().prefer());
    QByteArray contenu;
    if (travail::Resultat r = f.assureretlire(contenu); !r.ok())
        return r.erreur;
    const ticket::Corrections c = ticket::lirecorrections(contenu);
    if (!c.ok())
        return QStringLiteral("Le fichier des corrections d'impression « %1 » est endommagé (ligne %2 : %3). "
                              "Il n'a pas été modifié.")
            .arg(f.chemin())
            .arg(c.ligne)
            .arg(c.erreur);
    cvp = c.cvp;
    chp = c.chp;
    return {};
}

QString Form2::quellecase(float rang, float numero, float v, float h)
{
    return ticket::quellecase(ticket::imprimante(), rang, numero, v, h);
}

bool Form2::imprime(const QString &tj, float m, const std::array<float, 9> &j, bool dt, QString *erreur)
{
    // Called from the other windows while this one is usually hidden.
    QWidget *parent = isVisible() ? this : QApplication::activeWindow();
    if (const QString e = sortirprefer(); !e.isEmpty()) {
        const QString texte = e + QStringLiteral("\n\nLe ticket n'a pas été imprimé. Enregistrez vos corrections dans "
                                                 "« Parametre d'impression » pour remplacer ce fichier.");
        if (erreur)
            *erreur = texte;
        else
            dialogue::message(parent, texte, dialogue::Icone::attention);
        return false;
    }
    ticket::Imprimante &imprimante = ticket::imprimante();
    QString e;
    {
        const curseur::Sablier sablier;
        e = ticket::envoyer(imprimante, QStringLiteral("ticket"),
                            [&] { return ticket::imprimecases(imprimante, ticket::casesjeu(tj, m, j, dt), cvp, chp); });
    }
    if (e.isEmpty())
        return !imprimante.renonce();   // sent, or the preview closed: nothing to tell
    if (erreur)
        *erreur = e;
    else
        dialogue::message(parent, QStringLiteral("Le ticket n'a pas été imprimé.\n\n") + e, dialogue::Icone::attention);
    return false;
}

void Form2::affichecorrections()
{
    Label2->setText(QStringLiteral("correction horizontale:  ") + travail::textenombre(chp));
    Label3->setText(QStringLiteral("correction verticale:  ") + travail::textenombre(cvp));
    Slider1->setValue(static_cast<int>(std::nearbyint(chp)));
    Slider2->setValue(static_cast<int>(std::nearbyint(cvp)));
}

void Form2::chargement()
{
    if (const QString e = sortirprefer(); !e.isEmpty())
        avertir(e + QStringLiteral("\n\nLes corrections sont remises à 0. Le fichier ne sera remplacé que si "
                                   "vous enregistrez."));
    affichecorrections();
}

bool Form2::touche(const QString &texte)
{
    QPushButton *b = texte == QLatin1String("t")   ? Command1
                     : texte == QLatin1String("e") ? Command2
                     : texte == QLatin1String("q") ? Command3
                     : texte == QLatin1String("r") ? Command4
                                                   : nullptr;
    if (!b)
        return false;
    b->click();
    return true;
}

void Form2::test()
{
    // The corrections as they stand in the window, saved or not.
    QString e;
    {
        const curseur::Sablier sablier;
        ticket::Imprimante &imprimante = ticket::imprimante();
        e = ticket::envoyer(imprimante, QStringLiteral("ticket-test"),
                            [&] { return ticket::imprimecases(imprimante, ticket::casestest(), cvp, chp); });
    }
    if (!e.isEmpty())
        dialogue::message(this, QStringLiteral("Le ticket de test n'a pas été imprimé.\n\n") + e,
                          dialogue::Icone::attention);
}

void Form2::enregistrer()
{
    const FichierDeTravail f(travail::depot().prefer());
    if (travail::Resultat r = f.reecrire(ticket::ecrirecorrections(cvp, chp)); !r.ok()) {
        // The window stays open so that the corrections are not lost.
        dialogue::message(this, r.erreur + QStringLiteral("\n\nLes corrections n'ont pas été enregistrées."),
                          dialogue::Icone::critique);
        return;
    }
    fermer();
    travail::depot().annoncerpreferences();
}

void Form2::reinitialiser()
{
    chp = 0;
    cvp = 0;
    affichecorrections();
}

void Form2::horizontal(int valeur)
{
    chp = static_cast<float>(valeur);
    Label2->setText(QStringLiteral("correction horizontale:  ") + travail::textenombre(chp));
}

void Form2::vertical(int valeur)
{
    cvp = static_cast<float>(valeur);
    Label3->setText(QStringLiteral("correction verticale:  ") + travail::textenombre(cvp));
}
