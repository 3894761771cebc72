// What a screen reader says of each control: every control that takes the focus, in every
// window, has a name of its own in that window, and the controls of the arrays and those
// with no caption have the names written for them.

#include "apropos/frmabout.h"
#include "arrivee/fenetrearrivee.h"
#include "basedetrois/form10.h"
#include "basedetrois/form11.h"
#include "basedetrois/form12.h"
#include "basedetrois/form9.h"
#include "essais/essais.h"
#include "jeux/form1.h"
#include "jeux/form3.h"
#include "jeux/form4.h"
#include "quintes/cotes.h"
#include "quintes/fenetrecontraintes.h"
#include "quintes/form5.h"
#include "quintes/form6.h"
#include "quintes/form7.h"
#include "quintes/form8.h"
#include "ticket/form2.h"

#include <QAccessible>
#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Fenetre &fenetre(const QString &nom)
{
    if (nom == u"Form1")
        return form1();
    if (nom == u"Form2")
        return form2();
    if (nom == u"Form3")
        return form3();
    if (nom == u"Form4")
        return form4();
    if (nom == u"Form5")
        return form5();
    if (nom == u"contraintes")
        return fenetrecontraintes();
    if (nom == u"Form6")
        return form6();
    if (nom == u"cotes")
        return fenetrecotes();
    if (nom == u"Form7")
        return fenetres::instance<Form7>();
    if (nom == u"Form8")
        return fenetres::instance<Form8>();
    if (nom == u"Form9")
        return form9();
    if (nom == u"Form10")
        return form10();
    if (nom == u"Form11")
        return form11();
    if (nom == u"Form12")
        return form12();
    if (nom == u"arrivee")
        return fenetrearrivee();
    if (nom == u"frmAbout")
        return frmabout();
    qFatal("no window %s", qPrintable(nom));
}

const QStringList toutes = {u"Form1"_s, u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s, u"contraintes"_s, u"Form6"_s,
                            u"cotes"_s, u"Form7"_s, u"Form8"_s, u"Form9"_s, u"Form10"_s, u"Form11"_s, u"Form12"_s,
                            u"arrivee"_s, u"frmAbout"_s};

// The name assistive technologies get, from the accessibility interface of the control.
QString nomaccessible(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibilite : public QObject
{
    Q_OBJECT

private slots:
    void chaquecontrole_data();
    void chaquecontrole();
    void noms_data();
    void noms();
};

void TestAccessibilite::chaquecontrole_data()
{
    QTest::addColumn<QString>("nom");
    for (const QString &f : toutes)
        QTest::newRow(qPrintable(f)) << f;
}

void TestAccessibilite::chaquecontrole()
{
    QFETCH(QString, nom);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, essais::lignes({"3", "7", "12"}));   // the windows of couples open only with a base
    Fenetre &f = fenetre(nom);
    f.ouvrir();
    QVERIFY(f.estouverte());
    QCOMPARE(f.objectName(), nom);

    // Shown or hidden for now: each control that can be reached by the Tab key.
    QHash<QString, QString> vus;   // name → the control that has it
    int controles = 0;
    for (QWidget *w : f.findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        ++controles;
        const QString n = nomaccessible(w);
        QVERIFY2(!n.trimmed().isEmpty(), qPrintable(u"no name for "_s + w->objectName()));
        QVERIFY2(!vus.contains(n), qPrintable(u"\""_s + n + u"\" for both "_s + vus.value(n) + u" and "_s + w->objectName()));
        vus.insert(n, w->objectName());
    }
    // Every window but the main one, whose menu bar is reached by Alt, has controls.
    QVERIFY(nom == u"Form1" || controles > 0);
}

void TestAccessibilite::noms_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("odds") << u"cotes"_s << u"Text1(6)"_s << u"côte du cheval 7"_s;
    QTest::newRow("odds, last") << u"cotes"_s << u"Text1(19)"_s << u"côte du cheval 20"_s;
    QTest::newRow("filter, lowest odds") << u"cotes"_s << u"Text2(0)"_s << u"côte minimale de chaque cheval"_s;
    QTest::newRow("filter, highest total") << u"cotes"_s << u"Text2(3)"_s << u"total maximal des cinq côtes"_s;
    QTest::newRow("horizontal correction") << u"Form2"_s << u"Slider1"_s << u"correction horizontale"_s;
    QTest::newRow("vertical correction") << u"Form2"_s << u"Slider2"_s << u"correction verticale"_s;
    QTest::newRow("horse to pick") << u"Form3"_s << u"Command5(12)"_s << u"cheval 12"_s;
    QTest::newRow("stake") << u"Form3"_s << u"Option4(5)"_s << u"mise 10x"_s;
    QTest::newRow("saved bets") << u"Form4"_s << u"List1"_s << u"liste des jeux enregistrés"_s;
    QTest::newRow("unordered quintés") << u"Form5"_s << u"List1"_s << u"liste des quintés sans ordre"_s;
    QTest::newRow("constraints") << u"contraintes"_s << u"List1"_s << u"liste des contraintes"_s;
    QTest::newRow("horse of a set") << u"Form6"_s << u"Check1(0)"_s << u"cheval 1"_s;
    QTest::newRow("horse to rank") << u"Form7"_s << u"Command1(20)"_s << u"cheval 20"_s;
    QTest::newRow("ordered quintés") << u"Form8"_s << u"List1"_s << u"liste des quintés dans l'ordre"_s;
    QTest::newRow("horse of the base") << u"Form9"_s << u"Command1(3)"_s << u"cheval 3"_s;
    QTest::newRow("horse of a couple") << u"Form10"_s << u"Command1(20)"_s << u"cheval 20"_s;
    QTest::newRow("couples") << u"Form10"_s << u"List1"_s << u"liste des couples"_s;
    QTest::newRow("associated horse") << u"Form11"_s << u"Check1(5)"_s << u"cheval associé 5"_s;
    QTest::newRow("built quintés") << u"Form12"_s << u"List1"_s << u"liste des quintés construits"_s;
    QTest::newRow("winnings") << u"arrivee"_s << u"List1"_s << u"liste des gains"_s;
    QTest::newRow("arrival") << u"arrivee"_s << u"Text1(1)"_s << u"1er"_s;
}

void TestAccessibilite::noms()
{
    QFETCH(QString, nom);
    QFETCH(QString, controle);
    QFETCH(QString, attendu);
    essais::Racine racine;
    essais::Repondeur repondeur;
    Fenetre &f = fenetre(nom);
    f.ouvrir();
    QCOMPARE(nomaccessible(essais::dans<QWidget>(&f, controle)), attendu);
}

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
