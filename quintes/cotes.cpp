#include "quintes/cotes.h"

#include "commun/dialogue.h"
#include "quintes/generation.h"
#include "travail/depot.h"
#include "travail/nombres.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>
#include <limits>

using travail::FichierDeTravail;

FenetreCotes &fenetrecotes()
{
    return fenetres::instance<FenetreCotes>();
}

bool lirenombre(const QString &texte, float &valeur)
{
    QString t = texte.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty() || t.count(QLatin1Char('.')) > 1)
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return false;
    valeur = static_cast<float>(v);
    return true;
}

FenetreCotes::FenetreCotes() : Fenetre(QStringLiteral("cotes"))
{
    setWindowTitle(QStringLiteral("Gestion des côtes"));
    cliententwips(7440, 5580);

    auto nommer = [](QWidget *w, const QString &nom, int i) { w->setObjectName(QStringLiteral("%1(%2)").arg(nom).arg(i)); };

    auto *chevaux = new QGroupBox(QStringLiteral("Côte de chaque cheval"), this);
    chevaux->setObjectName(QStringLiteral("Frame1"));
    placer(chevaux, 120, 120, 7200, 2100);
    for (int i = 0; i < 20; ++i) {
        const int gauche = 120 + (i % 5) * 1400, haut = 360 + (i / 5) * 420;
        Label1[i] = new QLabel(QString::number(i + 1), chevaux);
        nommer(Label1[i], QStringLiteral("Label1"), i);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placer(Label1[i], gauche, haut, 360, 330);
        Text1[i] = new QLineEdit(chevaux);
        nommer(Text1[i], QStringLiteral("Text1"), i);
        Text1[i]->setToolTip(QStringLiteral("côte du cheval %1").arg(i + 1));
        Text1[i]->setAccessibleName(QStringLiteral("côte du cheval %1").arg(i + 1));
        placer(Text1[i], gauche + 420, haut, 840, 330);
    }

    auto *filtre = new QGroupBox(QStringLiteral("Filtre sur les côtes"), this);
    filtre->setObjectName(QStringLiteral("Frame2"));
    placer(filtre, 120, 2340, 7200, 2520);
    Check1 = new QCheckBox(QStringLiteral("Filtre activé"), filtre);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(QStringLiteral("cocher ici pour ne garder que les quintés dont les côtes respectent les limites"));
    placer(Check1, 120, 330, 3000, 300);
    Check1->resize(Check1->sizeHint().width(), Check1->height());   // a click beside the words does nothing
    const QStringList textes = {QStringLiteral("côte minimale de chaque cheval"), QStringLiteral("côte maximale de chaque cheval"),
                                QStringLiteral("total minimal des cinq côtes"), QStringLiteral("total maximal des cinq côtes")};
    for (int i = 0; i < 4; ++i) {
        const int haut = 720 + i * 420;
        Label2[i] = new QLabel(textes[i], filtre);
        nommer(Label2[i], QStringLiteral("Label2"), i);
        placer(Label2[i], 120, haut, 3300, 330);
        Text2[i] = new QLineEdit(filtre);
        nommer(Text2[i], QStringLiteral("Text2"), i);
        Text2[i]->setAccessibleName(textes[i]);
        placer(Text2[i], 3480, haut, 1000, 330);
    }

    Command1 = new QPushButton(QStringLiteral("enregistrer"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("enregistrer les côtes et le filtre, puis revenir aux quintés"));
    placer(Command1, 1560, 4980, 2000, 480);
    Command1->setDefault(true);
    boutondefaut(Command1);
    Command2 = new QPushButton(QStringLiteral("annuler"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("revenir aux quintés sans rien enregistrer"));
    placer(Command2, 3880, 4980, 2000, 480);
    boutonannuler(Command2);

    connect(Command1, &QPushButton::clicked, this, [this] { enregistrer(); });
    connect(Command2, &QPushButton::clicked, this, [this] { fermer(); });
}

void FenetreCotes::chargement()
{
    const travail::Depot &f = travail::depot();
    QStringList problemes;
    const quintes::LectureCotes cotes = quintes::lirecotes(f.cote());
    const quintes::LectureFiltre filtre = quintes::lirefiltre(f.contrecote());

    for (int h = 1; h <= 20; ++h)
        Text1[h - 1]->setText(travail::textenombre(cotes.cotes[h]));
    Check1->setChecked(filtre.filtre.actif);
    const std::array<float, 4> bornes = {filtre.filtre.coteMin, filtre.filtre.coteMax, filtre.filtre.totalMin,
                                         filtre.filtre.totalMax};
    for (int i = 0; i < 4; ++i)
        Text2[i]->setText(travail::textenombre(bornes[i]));
    Text1[0]->setFocus();
    Text1[0]->selectAll();

    for (const QString &e : {cotes.erreur, filtre.erreur})
        if (!e.isEmpty())
            problemes << e;
    if (!problemes.isEmpty())
        avertir(problemes.join(QStringLiteral("\n\n")) +
                QStringLiteral("\n\nLes valeurs illisibles sont remplacées par les valeurs par défaut ; "
                               "« enregistrer » réécrit le fichier."));
}

void FenetreCotes::dechargement()
{
    travail::depot().annoncercotes();
}

void FenetreCotes::enregistrer()
{
    // Every field is checked before anything is written.
    auto refuser = [this](QLineEdit *champ, const QString &quoi, const QString &pourquoi) {
        dialogue::message(this, QStringLiteral("%1 « %2 » %3").arg(quoi, champ->text().trimmed(), pourquoi),
                          dialogue::Icone::attention);
        champ->setFocus();
        champ->selectAll();
    };
    const QString pasunnombre = QStringLiteral("n'est pas un nombre (par exemple 12 ou 7,5).");
    const QString negatif = QStringLiteral("ne peut pas être négative.");
    const QString negatif2 = QStringLiteral("ne peut pas être négatif.");

    quintes::Cotes cotes = quintes::cotespardefaut();
    for (int h = 1; h <= 20; ++h) {
        float v = 0;
        const QString quoi = QStringLiteral("La côte du cheval %1").arg(h);
        if (!lirenombre(Text1[h - 1]->text(), v))
            return refuser(Text1[h - 1], quoi, pasunnombre);
        if (v < 0)
            return refuser(Text1[h - 1], quoi, negatif);
        cotes[h] = v;
    }
    quintes::FiltreDeCotes filtre;
    filtre.actif = Check1->isChecked();
    const std::array<float *, 4> bornes = {&filtre.coteMin, &filtre.coteMax, &filtre.totalMin, &filtre.totalMax};
    const QStringList noms = {QStringLiteral("La côte minimale"), QStringLiteral("La côte maximale"),
                              QStringLiteral("Le total minimal"), QStringLiteral("Le total maximal")};
    for (int i = 0; i < 4; ++i) {
        if (!lirenombre(Text2[i]->text(), *bornes[i]))
            return refuser(Text2[i], noms[i], pasunnombre);
        if (*bornes[i] < 0)
            return refuser(Text2[i], noms[i], i < 2 ? negatif : negatif2);
    }

    const travail::Depot &f = travail::depot();
    for (const auto &[chemin, octets] : {std::pair{f.cote(), quintes::enregistrementcotes(cotes)},
                                         std::pair{f.contrecote(), quintes::enregistrementfiltre(filtre)}})
        if (travail::Resultat r = FichierDeTravail(chemin).remplacerpartampon(f.tampon(), octets); !r.ok()) {
            dialogue::message(this, r.erreur, dialogue::Icone::critique);
            return;
        }
    fermer();
}
