// The odds window: what it shows, what it refuses, and the files the generator reads back.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "quintes/cotes.h"
#include "quintes/generation.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using essais::dans;
using essais::visible;

namespace {

// As the user goes: "1> Sans ordre", then "Gestion des côtes".
QWidget *ouvrircotes()
{
    form1().findChild<QAction *>(QStringLiteral("qsomn"))->trigger();
    QTest::mouseClick(dans<QPushButton>(visible("Form5"), QStringLiteral("Command3")), Qt::LeftButton);
    return visible("cotes");
}

QLineEdit *cote(QWidget *f, int cheval)
{
    return dans<QLineEdit>(f, QStringLiteral("Text1(%1)").arg(cheval - 1));
}

QLineEdit *borne(QWidget *f, int i)
{
    return dans<QLineEdit>(f, QStringLiteral("Text2(%1)").arg(i));
}

void taper(QLineEdit *champ, const QString &texte)
{
    champ->selectAll();
    QTest::keyClick(champ, Qt::Key_Backspace);
    QTest::keyClicks(champ, texte);
}

QString label1(int n)
{
    return quintes::textepossibles(static_cast<float>(n));
}

} // namespace

class TestCotes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }

    void lirenombre_data();
    void lirenombre();
    void valeurspardefaut();
    void enregistreetrelit();
    void refuse_data();
    void refuse();
    void annuler();
    void fichiersendommages();
};

void TestCotes::lirenombre_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<float>("valeur");
    QTest::newRow("virgule") << "7,5" << true << 7.5f;
    QTest::newRow("point") << "7.5" << true << 7.5f;
    QTest::newRow("entier et blancs") << "  12 " << true << 12.0f;
    QTest::newRow("vide") << "" << false << 0.0f;
    QTest::newRow("lettres") << "douze" << false << 0.0f;
    QTest::newRow("deux séparateurs") << "1,2.5" << false << 0.0f;
    QTest::newRow("unité") << "12 €" << false << 0.0f;
    QTest::newRow("infini") << "inf" << false << 0.0f;
    QTest::newRow("trop grand") << "1e60" << false << 0.0f;
}

void TestCotes::lirenombre()
{
    QFETCH(QString, texte);
    QFETCH(bool, ok);
    QFETCH(float, valeur);
    float v = 0;
    QCOMPARE(::lirenombre(texte, v), ok);
    if (ok)
        QCOMPARE(v, valeur);
}

void TestCotes::valeurspardefaut()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QWidget *f = ouvrircotes();
    QVERIFY(f);
    QVERIFY(!visible("Form5"));
    QCOMPARE(f->windowTitle(), QStringLiteral("Gestion des côtes"));
    for (int h = 1; h <= 20; ++h) {
        QCOMPARE(cote(f, h)->text(), QStringLiteral("15"));
        QCOMPARE(dans<QLabel>(f, QStringLiteral("Label1(%1)").arg(h - 1))->text(), QString::number(h));
    }
    QVERIFY(!dans<QCheckBox>(f, "Check1")->isChecked());
    const QStringList bornes = {"0", "500", "0", "1000"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(borne(f, i)->text(), bornes[i]);
    QVERIFY(repondeur.questions.isEmpty());
}

void TestCotes::enregistreetrelit()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QWidget *f = ouvrircotes();
    taper(cote(f, 1), QStringLiteral("2,5"));
    taper(cote(f, 2), QStringLiteral("3.5"));
    taper(cote(f, 20), QStringLiteral("40"));
    QTest::mouseClick(dans<QCheckBox>(f, "Check1"), Qt::LeftButton);
    taper(borne(f, 1), QStringLiteral("30"));
    taper(borne(f, 3), QStringLiteral("999,5"));
    QTest::keyClick(borne(f, 3), Qt::Key_Return);   // "enregistrer" is the default button

    QVERIFY(!visible("cotes"));
    QByteArray attendu = essais::lignes({"2.5", "3.5"});
    for (int h = 3; h <= 19; ++h)
        attendu += "15\r\n";
    attendu += "40\r\n";
    QCOMPARE(racine.lire(travail::noms::cote), attendu);
    QCOMPARE(racine.lire(travail::noms::contrecote), essais::lignes({"#TRUE#", "0", "30", "0", "999.5"}));
    QVERIFY(!racine.existe(travail::noms::tampon));

    // The generator opens again and counts without horse 20 (odds 40 above 30).
    QWidget *f5 = visible("Form5");
    QVERIFY(f5);
    QCOMPARE(dans<QLabel>(f5, "Label1")->text(), label1(11628));
    QCOMPARE(dans<QLabel>(f5, "Label3")->text(), QStringLiteral(" Filtre sur les côtes activé"));
    QVERIFY(repondeur.questions.isEmpty());

    // Opened again, the window shows what was saved, in the French form.
    QTest::mouseClick(dans<QPushButton>(f5, "Command3"), Qt::LeftButton);
    QCOMPARE(cote(f, 1)->text(), QStringLiteral("2,5"));
    QCOMPARE(cote(f, 20)->text(), QStringLiteral("40"));
    QVERIFY(dans<QCheckBox>(f, "Check1")->isChecked());
    QCOMPARE(borne(f, 3)->text(), QStringLiteral("999,5"));

    // The filter off: every combination again.
    QTest::mouseClick(dans<QCheckBox>(f, "Check1"), Qt::LeftButton);
    QTest::mouseClick(dans<QPushButton>(f, "Command1"), Qt::LeftButton);
    QCOMPARE(dans<QLabel>(visible("Form5"), "Label1")->text(), label1(15504));
    QCOMPARE(racine.lire(travail::noms::contrecote), essais::lignes({"#FALSE#", "0", "30", "0", "999.5"}));
}

void TestCotes::refuse_data()
{
    QTest::addColumn<int>("champ");      // 1 to 20: a horse's odds; 21 to 24: the four bounds
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("lettres") << 7 << "abc" << "La côte du cheval 7 « abc » n'est pas un nombre";
    QTest::newRow("vide") << 1 << "" << "La côte du cheval 1 «  » n'est pas un nombre";
    QTest::newRow("négative") << 3 << "-2" << "La côte du cheval 3 « -2 » ne peut pas être négative.";
    QTest::newRow("borne illisible") << 22 << "5OO" << "La côte maximale « 5OO » n'est pas un nombre";
    QTest::newRow("total illisible") << 24 << "1.000,5" << "Le total maximal « 1.000,5 » n'est pas un nombre";
}

void TestCotes::refuse()
{
    QFETCH(int, champ);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    essais::Racine racine;
    essais::Repondeur repondeur;
    QWidget *f = ouvrircotes();
    QLineEdit *e = champ <= 20 ? cote(f, champ) : borne(f, champ - 21);
    taper(e, texte);
    QTest::mouseClick(dans<QPushButton>(f, "Command1"), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions.first().texte.startsWith(message), qPrintable(repondeur.questions.first().texte));
    QVERIFY(visible("cotes"));
    QVERIFY(!visible("Form5"));
    QCOMPARE(e->text(), texte);
    QCOMPARE(racine.lire(travail::noms::cote), QByteArray());
    QCOMPARE(racine.lire(travail::noms::contrecote), QByteArray());
}

void TestCotes::annuler()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::cote, essais::lignes({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
                                                       "15", "16", "17", "18", "19", "20"}));
    QWidget *f = ouvrircotes();
    QCOMPARE(cote(f, 12)->text(), QStringLiteral("12"));
    taper(cote(f, 12), QStringLiteral("99"));
    QTest::keyClick(cote(f, 12), Qt::Key_Escape);
    QVERIFY(!visible("cotes"));
    QVERIFY(visible("Form5"));
    QVERIFY(racine.lire(travail::noms::cote).startsWith("1\r\n2\r\n"));
    QCOMPARE(racine.lire(travail::noms::contrecote), QByteArray());
}

void TestCotes::fichiersendommages()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::cote, essais::lignes({"4", "x"}));
    racine.ecrire(travail::noms::contrecote, essais::lignes({"#TRUE#", "1"}));
    QWidget *f = ouvrircotes();
    // The generator told once (the filter could not be used), the odds window once more.
    QCOMPARE(repondeur.questions.size(), 2);
    const QString texte = repondeur.questions.last().texte;
    QVERIFY2(texte.contains(QStringLiteral("Le fichier des côtes")) && texte.contains(QStringLiteral("Le fichier du filtre")),
             qPrintable(texte));
    // What could be read is shown; the rest takes the defaults, the filter stays off.
    QCOMPARE(cote(f, 1)->text(), QStringLiteral("4"));
    QCOMPARE(cote(f, 2)->text(), QStringLiteral("15"));
    QVERIFY(!dans<QCheckBox>(f, "Check1")->isChecked());
    QCOMPARE(borne(f, 0)->text(), QStringLiteral("1"));
    QCOMPARE(borne(f, 1)->text(), QStringLiteral("500"));

    // Saving writes whole files the generator reads without a word.
    QTest::mouseClick(dans<QPushButton>(f, "Command1"), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 2);
    QCOMPARE(racine.lire(travail::noms::cote).count('\n'), 20);
    QCOMPARE(racine.lire(travail::noms::contrecote), essais::lignes({"#FALSE#", "1", "500", "0", "1000"}));
    QCOMPARE(dans<QLabel>(visible("Form5"), "Label1")->text(), label1(15504));
}

QTEST_MAIN(TestCotes)
#include "tst_cotes.moc"
