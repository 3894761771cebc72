// The roads by which a window that changed a file refreshes the windows that show it:
// the writer announces to the store, the subscribed window reloads once, and the writer
// has closed (or stays open) exactly as before the reload.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "jeux/form3.h"
#include "jeux/form4.h"
#include "quintes/combinaison.h"
#include "quintes/form5.h"
#include "quintes/form8.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QAction>
#include <QAbstractItemView>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using essais::dans;
using essais::visible;

namespace {

// Counts the times a window comes on screen, and notes which windows are open then.
class Temoin final : public QObject
{
public:
    explicit Temoin(QWidget *fenetre) { fenetre->installEventFilter(this); }
    int apparitions = 0;
    QStringList ouvertes;   // at the last appearance

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            ++apparitions;
            ouvertes.clear();
            for (Fenetre *f : Fenetre::ouvertes())
                ouvertes << f->objectName();
            ouvertes.sort();
        }
        return false;
    }
};

QByteArray deuxjeux()
{
    travail::Jeu a;
    a.typedejeu = travail::TypeDePari::tierce;
    a.chevaux = {3, 1, 2, 3, 0, 0, 0, 0, 0};
    travail::Jeu b = a;
    b.chevaux = {3, 4, 5, 6, 0, 0, 0, 0, 0};
    return travail::enregistrement(a) + travail::enregistrement(b);
}

QByteArray deuxquintes()
{
    QByteArray r;
    for (const quintes::Combinaison &c : {quintes::Combinaison{1, 2, 3, 4, 5}, quintes::Combinaison{6, 7, 8, 9, 10}})
        r += quintes::enregistrement(c);
    return r;
}

void choisir(QWidget *fenetre, int ligne)
{
    auto *l = dans<QAbstractItemView>(fenetre, u"List1"_s);
    const QModelIndex i = l->model()->index(ligne, 0);
    l->scrollTo(i);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(i).center());
}

void touche(QWidget *fenetre, char c)
{
    QTest::keyClick(dans<QAbstractItemView>(fenetre, u"List1"_s), c);
}

Form8 &form8()
{
    return fenetres::instance<Form8>();
}

} // namespace

class TstAnnonces : public QObject
{
    Q_OBJECT
private slots:
    void jeux_data();
    void jeux();
    void generateur_data();
    void generateur();
};

// Every writer of the saved bets: the main window reloads once, after the writer has
// closed (or, for one quinté saved from the summary, while the summary stays open).
void TstAnnonces::jeux_data()
{
    QTest::addColumn<int>("route");
    QTest::addColumn<QStringList>("ouvertes");   // open when the main window comes back
    QTest::addColumn<bool>("ecrivainouvert");    // the writer is open at the end
    QTest::newRow("saisie, (s)") << 0 << QStringList{u"Form1"_s} << false;
    QTest::newRow("jeux enregistrés, (e)") << 1 << QStringList{u"Form1"_s} << false;
    QTest::newRow("jeux enregistrés, (E)") << 2 << QStringList{u"Form1"_s} << false;
    QTest::newRow("bilan, (e)") << 3 << QStringList{u"Form1"_s, u"Form8"_s} << true;
    QTest::newRow("bilan, (E)") << 4 << QStringList{u"Form1"_s} << false;
}

void TstAnnonces::jeux()
{
    QFETCH(int, route);
    QFETCH(QStringList, ouvertes);
    QFETCH(bool, ecrivainouvert);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, deuxjeux());
    racine.ecrire(travail::noms::quinteo, deuxquintes());
    form1().ouvrir();
    Fenetre *ecrivain = nullptr;
    if (route == 0) {
        form1().findChild<QAction *>(u"saisrmn"_s)->trigger();
        ecrivain = &form3();
    } else if (route <= 2) {
        form1().findChild<QAction *>(u"voirmn"_s)->trigger();
        ecrivain = &form4();
    } else {
        form1().findChild<QAction *>(u"bilanmn"_s)->trigger();
        ecrivain = &form8();
    }
    QVERIFY(ecrivain->estouverte());

    Temoin temoin(&form1());
    switch (route) {
    case 0:
        for (int h : {7, 8, 9})
            QTest::mouseClick(dans<QPushButton>(ecrivain, u"Command5(%1)"_s.arg(h)), Qt::LeftButton);
        QTest::mouseClick(dans<QPushButton>(ecrivain, u"Command1"_s), Qt::LeftButton);
        QTest::keyClick(dans<QPushButton>(ecrivain, u"Command1"_s), 's');
        break;
    case 1:
        choisir(ecrivain, 0);
        touche(ecrivain, 'e');
        break;
    case 2:
        touche(ecrivain, 'E');
        break;
    case 3:
        choisir(ecrivain, 1);
        touche(ecrivain, 'e');
        break;
    case 4:
        touche(ecrivain, 'E');
        break;
    }
    QCOMPARE(temoin.apparitions, 1);
    QCOMPARE(temoin.ouvertes, ouvertes);
    QCOMPARE(ecrivain->estouverte(), ecrivainouvert);
    QVERIFY(form1().estouverte());
    QVERIFY(repondeur.questions.isEmpty());
}

// The satellites of the generator announce when they close: the generator opens once,
// after they have closed, and regenerates.
void TstAnnonces::generateur_data()
{
    QTest::addColumn<int>("route");
    QTest::newRow("saisie d'une contrainte, enregistrer") << 0;
    QTest::newRow("liste des contraintes, OK") << 1;
    QTest::newRow("côtes, annuler") << 2;
    QTest::newRow("côtes, enregistrer") << 3;
}

void TstAnnonces::generateur()
{
    QFETCH(int, route);
    essais::Racine racine;
    essais::Repondeur repondeur;
    form1().ouvrir();
    form1().findChild<QAction *>(u"qsomn"_s)->trigger();
    QWidget *f5 = visible("Form5");
    QVERIFY(f5);
    QTest::mouseClick(dans<QPushButton>(f5, route <= 1 ? u"Command2"_s : u"Command3"_s), Qt::LeftButton);
    QVERIFY(!visible("Form5"));

    Temoin temoin(f5);
    if (route == 0) {
        QWidget *liste = visible("contraintes");
        QTest::mouseClick(dans<QPushButton>(liste, u"Command1"_s), Qt::LeftButton);   // add
        QWidget *saisie = visible("Form6");
        QVERIFY(saisie);
        QCOMPARE(temoin.apparitions, 0);
        QTest::mouseClick(dans<QAbstractButton>(saisie, u"Check1(0)"_s), Qt::LeftButton);
        QTest::mouseClick(dans<QPushButton>(saisie, u"Command1"_s), Qt::LeftButton);
    } else if (route == 1) {
        QTest::mouseClick(dans<QPushButton>(visible("contraintes"), u"Command6"_s), Qt::LeftButton);
    } else {
        QWidget *cotes = visible("cotes");
        QTest::mouseClick(dans<QPushButton>(cotes, route == 2 ? u"Command2"_s : u"Command1"_s), Qt::LeftButton);
    }
    QCOMPARE(temoin.apparitions, 1);
    QCOMPARE(temoin.ouvertes, (QStringList{u"Form1"_s, u"Form5"_s}));
    QVERIFY(racine.existe(travail::noms::quinte));   // it regenerated
    QVERIFY(repondeur.questions.isEmpty());
}

QTEST_MAIN(TstAnnonces)
#include "tst_annonces.moc"
