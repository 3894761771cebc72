// The order window driven by its buttons.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "quintes/combinaison.h"
#include "quintes/form7.h"

#include "commun/curseur.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

namespace {

Form7 &form7()
{
    return fenetres::instance<Form7>();
}

QPushButton *bouton(int index)
{
    return form7().findChild<QPushButton *>(QStringLiteral("Command1(%1)").arg(index));
}

int indexde(const QString &mot)
{
    static const QHash<QString, int> commandes{{"C", 21}, {"CC", 22}, {"A", 23}, {"AA", 24}, {"OK", 25}};
    return commandes.value(mot, mot.toInt());
}

// Clicks the buttons named in turn ("7 3 C AA OK"); each must be on screen when clicked.
bool cliquer(const QString &commandes)
{
    for (const QString &mot : commandes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QPushButton *b = bouton(indexde(mot));
        if (!b || !b->isVisible()) {
            qWarning("bouton %s absent de l'écran", qPrintable(mot));
            return false;
        }
        QTest::mouseClick(b, Qt::LeftButton);
    }
    return true;
}

QString suite(int de, int a)
{
    QStringList l;
    for (int i = de; de <= a ? i <= a : i >= a; i += de <= a ? 1 : -1)
        l << QString::number(i);
    return l.join(QLatin1Char(' '));
}

// Captions of the rank buttons on screen, rank 1 first.
QStringList rangsvisibles()
{
    QStringList r;
    for (int i = 1; i <= 20; ++i)
        if (bouton(100 + i)->isVisible())
            r << bouton(100 + i)->text();
    return r;
}

QString commandesvisibles()
{
    QStringList r;
    for (const char *mot : {"C", "CC", "A", "AA", "OK"})
        if (bouton(indexde(QLatin1String(mot)))->isVisible())
            r << QLatin1String(mot);
    return r.join(QLatin1Char(' '));
}

} // namespace

class TstForm7 : public QObject
{
    Q_OBJECT
private slots:
    void disposition_data();
    void disposition();
    void boutons_data();
    void boutons();
    void aleatoire_data();
    void aleatoire();
    void appliquer_data();
    void appliquer();
    void quintedommage();
};

void TstForm7::disposition_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("legende");
    QTest::addColumn<QString>("aide");
    QTest::addColumn<QRect>("twips");

    const QString choix = QStringLiteral("choisir les chevaux dans l'ordre de vos preferences");
    QTest::newRow("cheval 1") << 1 << "1" << choix << QRect(240, 1440, 615, 615);
    QTest::newRow("cheval 10") << 10 << "10" << choix << QRect(5640, 1440, 615, 615);
    QTest::newRow("cheval 11") << 11 << "11" << choix << QRect(240, 2040, 615, 615);
    QTest::newRow("cheval 20") << 20 << "20" << choix << QRect(5640, 2040, 615, 615);
    QTest::newRow("C") << 21 << "C" << QStringLiteral("annule la dernière action") << QRect(240, 2640, 615, 615);
    QTest::newRow("CC") << 22 << "CC" << "annule tout" << QRect(840, 2640, 615, 615);
    QTest::newRow("A") << 23 << "A" << "un cheval aleatoirement" << QRect(1440, 2640, 615, 615);
    QTest::newRow("AA") << 24 << "AA" << "le reste aleatoirement" << QRect(2040, 2640, 615, 615);
    QTest::newRow("appliquer") << 25 << QStringLiteral("appliquer aux quintés sans ordre") << "pour valider"
                               << QRect(2640, 2640, 3615, 615);
    QTest::newRow("rang 1") << 101 << "1" << "" << QRect(240, 240, 615, 615);
    QTest::newRow("rang 11") << 111 << "11" << "" << QRect(240, 840, 615, 615);
    QTest::newRow("rang 20") << 120 << "20" << "" << QRect(5640, 840, 615, 615);
}

// As built, before any load.
void TstForm7::disposition()
{
    QFETCH(int, index);
    QFETCH(QString, legende);
    QFETCH(QString, aide);
    QFETCH(QRect, twips);
    essais::Racine racine;
    QCOMPARE(form7().windowTitle(), QStringLiteral("gerer l'ordre"));
    QPushButton *b = bouton(index);
    QVERIFY(b);
    QCOMPARE(b->text(), legende);
    QCOMPARE(b->toolTip(), aide);
    QCOMPARE(b->geometry(), QRect(Fenetre::px(twips.x()), Fenetre::px(twips.y()), Fenetre::px(twips.width()),
                                  Fenetre::px(twips.height())));
    QCOMPARE(form7().findChildren<QPushButton *>().size(), 45);
}

void TstForm7::boutons_data()
{
    QTest::addColumn<QString>("clics");
    QTest::addColumn<QString>("classement");   // captions of the rank buttons shown
    QTest::addColumn<QString>("commandes");    // command buttons shown

    QTest::newRow("0 classé") << "" << "" << "A AA";
    QTest::newRow("1 classé") << "7" << "7" << "C A AA";
    QTest::newRow("2 classés") << "7 3" << "7 3" << "C CC A AA";
    QTest::newRow("7 3 12 puis C") << "7 3 12 C" << "7 3" << "C CC A AA";
    QTest::newRow("C jusqu'au vide") << "7 3 C C" << "" << "A AA";
    QTest::newRow("CC") << "5 6 7 CC" << "" << "A AA";
    QTest::newRow("CC puis un cheval") << "5 6 7 CC 9" << "9" << "C A AA";
    QTest::newRow("17 classés") << suite(1, 17) << suite(1, 17) << "C CC A AA";
    QTest::newRow("18 classés") << suite(1, 18) << suite(1, 18) << "C CC A";
    QTest::newRow("19 classés") << suite(20, 2) << suite(20, 2) << "C CC";
    QTest::newRow("19 classés, le dernier à la main") << suite(20, 2) + " 1" << suite(20, 1) << "C CC OK";
    QTest::newRow("20 classés puis C") << suite(20, 1) + " C" << suite(20, 2) << "C CC";
    QTest::newRow("20 classés puis CC") << suite(1, 20) + " CC" << "" << "A AA";
}

void TstForm7::boutons()
{
    QFETCH(QString, clics);
    QFETCH(QString, classement);
    QFETCH(QString, commandes);
    essais::Racine racine;
    form7().ouvrir();
    form7().graine(3);
    QVERIFY(cliquer(clics));

    QCOMPARE(commandesvisibles(), commandes);
    const QStringList rangs = rangsvisibles();
    QCOMPARE(rangs.join(QLatin1Char(' ')), classement);
    // A horse's button is on screen exactly while it has no rank.
    for (int h = 1; h <= 20; ++h)
        QCOMPARE(bouton(h)->isVisible(), !rangs.contains(QString::number(h)));
    QCOMPARE(form7().classement().prochainrang(), rangs.size() + 1);
}

void TstForm7::aleatoire_data()
{
    QTest::addColumn<QString>("amain");
    QTest::newRow("classement vide") << "";
    QTest::newRow("après cinq chevaux") << "7 3 12 1 20";
}

// "AA" ranks every free horse behind those already ranked; a fixed seed draws the same order again.
void TstForm7::aleatoire()
{
    QFETCH(QString, amain);
    essais::Racine racine;
    QStringList premiers;
    for (int fois = 0; fois < 2; ++fois) {
        form7().ouvrir();
        form7().graine(42);
        QVERIFY(rangsvisibles().isEmpty());
        QVERIFY(cliquer(amain + " AA"));
        const QStringList rangs = rangsvisibles();
        QCOMPARE(rangs.size(), 20);
        QCOMPARE(rangs.mid(0, amain.split(' ', Qt::SkipEmptyParts).size()), amain.split(' ', Qt::SkipEmptyParts));
        QStringList tries = rangs;
        std::sort(tries.begin(), tries.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        QCOMPARE(tries.join(' '), suite(1, 20));
        for (int h = 1; h <= 20; ++h)
            QVERIFY(!bouton(h)->isVisible());
        QCOMPARE(commandesvisibles(), QStringLiteral("C CC OK"));
        if (fois == 0)
            premiers = rangs;
        else
            QCOMPARE(rangs, premiers);
        form7().close();   // the close box: the ranking is dropped, nothing written
        QVERIFY(!racine.existe(travail::noms::quinteo));
    }
}

void TstForm7::appliquer_data()
{
    QTest::addColumn<bool>("entree");
    QTest::newRow("bouton") << false;
    QTest::newRow("touche Entrée") << true;
}

// From the menu of the main window to the ordered file; the main window is left as it was.
void TstForm7::appliquer()
{
    QFETCH(bool, entree);
    essais::Racine racine;
    essais::Repondeur repondeur;
    QByteArray sansordre;
    for (const quintes::Combinaison &c : {quintes::Combinaison{1, 3, 5, 7, 12}, {1, 2, 3, 4, 5}, {16, 17, 18, 19, 20}})
        sansordre += quintes::enregistrement(c);
    racine.ecrire(travail::noms::quinte, sansordre);
    racine.ecrire(travail::noms::quinteo, QByteArray(200, 'x'));

    form1().ouvrir();
    const QString resume = form1().findChild<QWidget *>("Label1")->property("text").toString();
    form1().findChild<QAction *>("ordremn")->trigger();
    QVERIFY(form7().estouverte());
    QVERIFY(!curseur::ensablier());

    QVERIFY(cliquer("7 3 12 1 20 5 2 4 6 8 9 10 11 13 14 15 16 17 18"));
    QVERIFY(!bouton(25)->isVisible());
    if (entree)
        QTest::keyClick(&form7(), Qt::Key_Return);   // not complete yet: nothing applied
    QVERIFY(form7().estouverte());
    QVERIFY(cliquer("19"));
    if (entree)
        QTest::keyClick(&form7(), Qt::Key_Return);
    else
        QVERIFY(cliquer("OK"));

    QVERIFY(!form7().estouverte());
    QCOMPARE(racine.lire(travail::noms::quinteo),
             essais::lignes({"7", "3", "12", "1", "5", "3", "1", "5", "2", "4", "20", "16", "17", "18", "19"}));
    QCOMPARE(racine.lire(travail::noms::quinte), sansordre);
    QCOMPARE(Fenetre::ouvertes(), QList<Fenetre *>{&form1()});
    QCOMPARE(form1().findChild<QWidget *>("Label1")->property("text").toString(), resume);
    QVERIFY(repondeur.questions.isEmpty());

    // Opened again, the window starts from an empty ranking.
    form1().findChild<QAction *>("ordremn")->trigger();
    QVERIFY(rangsvisibles().isEmpty());
    QCOMPARE(commandesvisibles(), QStringLiteral("A AA"));
}

// A damaged unordered file: a message, the ordered file untouched, the ranking kept on screen.
void TstForm7::quintedommage()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray abime = essais::lignes({"1", "2", "3", "4", "5", "6", "7"});
    racine.ecrire(travail::noms::quinte, abime);
    const QByteArray avant = essais::lignes({"5", "4", "3", "2", "1"});
    racine.ecrire(travail::noms::quinteo, avant);

    form7().ouvrir();
    QVERIFY(cliquer("AA OK"));
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(QStringLiteral("endommagé à la ligne 8")), qPrintable(repondeur.questions[0].texte));
    QVERIFY(repondeur.questions[0].texte.contains(QStringLiteral("n'a pas été modifié")));
    QCOMPARE(racine.lire(travail::noms::quinteo), avant);
    QCOMPARE(racine.lire(travail::noms::quinte), abime);
    QVERIFY(form7().estouverte());
    QCOMPARE(rangsvisibles().size(), 20);
    QVERIFY(!curseur::ensablier());
}

QTEST_MAIN(TstForm7)
#include "tst_form7.moc"
