#include "basedetrois/form11.h"

#include "basedetrois/couples.h"
#include "basedetrois/modification.h"
#include "commun/controles.h"
#include "commun/dialogue.h"
#include "travail/depot.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

Form11 &form11()
{
    return fenetres::instance<Form11>();
}

Form11::Form11() : Fenetre(QStringLiteral("Form11"))
{
    setWindowTitle(QStringLiteral("association par liste"));
    cliententwips(6495, 3495);

    Label1 = etiquette(this, QStringLiteral("Label1"));
    placer(Label1, 240, 120, 6015, 375);
    Label3 = etiquette(this, QStringLiteral("Label3"));
    placer(Label3, 240, 1920, 6015, 375);

    for (int i = 1; i <= 20; ++i) {
        auto *c = new QCheckBox(QString::number(i), this);
        c->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        c->setAccessibleName(QStringLiteral("cheval associé %1").arg(i));
        placer(c, 240 + 600 * ((i - 1) % 10), 600 + 480 * ((i - 1) / 10), 555, 375);
        connect(c, &QCheckBox::toggled, this, &Form11::afficher);
        Check1[i] = c;
    }
    auto commande = [this](const QString &nom, const QString &texte, int gauche, void (Form11::*action)()) {
        QPushButton *b = bouton(this, nom, texte);
        placer(b, gauche, 2640, 1815, 615);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    Command4 = commande(QStringLiteral("Command4"), QStringLiteral("(v) Valider"), 2280, &Form11::valider);
    Command5 = commande(QStringLiteral("Command5"), QStringLiteral("(a) Abandonner"), 4320, &Form11::fermer);
    boutondefaut(Command4);
    boutonannuler(Command5);
    raccourci(QStringLiteral("v"), Command4);
    raccourci(QStringLiteral("a"), Command5);

    // A new base disables other horses: the list starts again from it. Couples changed
    // elsewhere leave the checked horses alone.
    connect(&travail::depot(), &travail::Depot::basemodifiee, this, [this] {
        if (!estouverte())
            return;
        const basedetrois::LectureBase lue = basedetrois::lirebase(travail::depot().mabase());
        if (!lue.complete() || lue.base != m_base)
            recharger();
    });
}

QStringList Form11::fichiers() const
{
    return {travail::depot().mabase()};
}

void Form11::chargement()
{
    const travail::Depot &d = travail::depot();
    const basedetrois::LectureBase lue = basedetrois::lirebase(d.mabase());
    if (const QString pourquoi = basedetrois::sansbase(lue, d.mabase()); !pourquoi.isEmpty()) {
        avertir(pourquoi);
        fermer();
        return;
    }
    m_base = lue.base;
    Label1->setText(m_base.texte());
    for (int i = 1; i <= 20; ++i) {
        const QSignalBlocker silence(Check1[i]);
        Check1[i]->setChecked(false);
        Check1[i]->setEnabled(!m_base.contient(static_cast<qint16>(i)));
    }
    afficher();
    Command4->setFocus();
}

QList<qint16> Form11::coches() const
{
    QList<qint16> chevaux;
    for (int i = 1; i <= 20; ++i)
        if (Check1[i]->isChecked() && Check1[i]->isEnabled())
            chevaux.append(static_cast<qint16>(i));
    return chevaux;
}

void Form11::afficher()
{
    Label3->setText(basedetrois::texteassocies(coches().size()));
}

void Form11::valider()
{
    const QList<qint16> chevaux = coches();
    if (chevaux.size() < 2) {
        dialogue::bip();
        return;
    }
    const travail::Depot &d = travail::depot();
    // The couples replaced by the reduced field can be put back.
    if (!basedetrois::modifier(this, {d.duo()},
                               [&] { return basedetrois::ecrirecouples(basedetrois::champreduit(chevaux), d.duo(), d.tampon()); }))
        return;
    fermer();
    travail::depot().annoncerbase();
}
