// The method-1 summary window driven by its keys and its list.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "quintes/bilan.h"
#include "quintes/combinaison.h"
#include "quintes/form8.h"
#include "travail/depot.h"

#include "commun/curseur.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using quintes::Combinaison;

namespace {

Form8 &form8()
{
    return fenetres::instance<Form8>();
}

QListWidget *liste()
{
    return form8().findChild<QListWidget *>(QStringLiteral("List1"));
}

QString compte()
{
    return form8().findChild<QLabel *>(QStringLiteral("Label1"))->text();
}

QString resume()
{
    return form1().findChild<QLabel *>(QStringLiteral("Label1"))->text();
}

QStringList lignes()
{
    QStringList r;
    for (int i = 0; i < liste()->count(); ++i)
        r << liste()->item(i)->text();
    return r;
}

// Clicks line k (from 1) of the list.
void choisir(int k)
{
    QListWidget *l = liste();
    l->scrollToItem(l->item(k - 1));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(k - 1)).center());
}

QByteArray fichierde(const QList<Combinaison> &l)
{
    QByteArray r;
    for (const Combinaison &c : l)
        r += quintes::enregistrement(c);
    return r;
}

const Combinaison premier{7, 3, 12, 1, 5};
const Combinaison second{1, 2, 3, 4, 5};

// The 12 lines of the quinté bet of 7, 3, 12, 1, 5 and of 1, 2, 3, 4, 5.
QByteArray jeupremier()
{
    return essais::lignes({"\"quint\xe9\"", "1", "#FALSE#", "5", "7", "3", "12", "1", "5", "0", "0", "0"});
}
QByteArray jeusecond()
{
    return essais::lignes({"\"quint\xe9\"", "1", "#FALSE#", "5", "1", "2", "3", "4", "5", "0", "0", "0"});
}

// A tiercé already saved: the main window counts it only once reloaded.
const QByteArray tierce = essais::lignes({"\"tierc\xe9\"", "1", "#FALSE#", "3", "4", "9", "13", "0", "0", "0", "0", "0"});

} // namespace

class TstForm8 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void chargement_data();
    void chargement();
    void touches_data();
    void touches();
    void toutcommechaqueligne_data();
    void toutcommechaqueligne();
    void suppressiondansfichierabime_data();
    void suppressiondansfichierabime();
    void fichierchangeentretemps_data();
    void fichierchangeentretemps();
    void rechargeapresordre();
};

void TstForm8::chargement_data()
{
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QStringList>("attendues");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");   // part of the warning, empty when none

    const QString l1 = QStringLiteral("         7         3         12         1         5");
    const QString l2 = QStringLiteral("         1         2         3         4         5");
    QTest::newRow("deux quintés") << true << fichierde({premier, second}) << QStringList{l1, l2} << "2 quintés construits" << "";
    QTest::newRow("un quinté") << true << fichierde({second}) << QStringList{l2} << "1 quinté construit" << "";
    QTest::newRow("fichier vide") << true << QByteArray() << QStringList{} << "0 quinté construit" << "";
    QTest::newRow("fichier absent") << false << QByteArray() << QStringList{} << "0 quinté construit" << "";
    QTest::newRow("dernier enregistrement coupé")
        << true << fichierde({premier}) + essais::lignes({"1", "2"}) << QStringList{l1} << "1 quinté construit"
        << QStringLiteral("endommagé à la ligne 8");
    QTest::newRow("cheval 25") << true << fichierde({premier}) + essais::lignes({"1", "2", "25", "4", "5"}) + fichierde({second})
                               << QStringList{l1} << "1 quinté construit" << QStringLiteral("endommagé à la ligne 8");
    // The last horse may have been 15 or 16 before the file was cut: not a horse 5.
    QTest::newRow("sans fin de ligne") << true << fichierde({premier}) + "1\r\n2\r\n3\r\n4\r\n5" << QStringList{l1}
                                       << "1 quinté construit" << QStringLiteral("endommagé à la ligne 10");
}

void TstForm8::chargement()
{
    QFETCH(bool, existe);
    QFETCH(QByteArray, contenu);
    QFETCH(QStringList, attendues);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    essais::Racine racine;
    essais::Repondeur repondeur;
    repondeur.reponses << dialogue::Reponse::annuler;   // a repair offered is declined
    if (existe)
        racine.ecrire(travail::noms::quinteo, contenu);

    form1().ouvrir();
    form1().findChild<QAction *>("bilanmn")->trigger();
    QVERIFY(form8().estouverte());
    QCOMPARE(form8().windowTitle(), QStringLiteral("bilan methode 1"));
    QVERIFY(!curseur::ensablier());
    QCOMPARE(lignes(), attendues);
    QCOMPARE(compte(), texte);
    QVERIFY(liste()->selectedItems().isEmpty());
    QVERIFY(racine.existe(travail::noms::quinteo));
    QCOMPARE(racine.lire(travail::noms::quinteo), contenu);   // read, never repaired
    if (message.isEmpty()) {
        QVERIFY(repondeur.questions.isEmpty());
    } else {
        QCOMPARE(repondeur.questions.size(), 1);
        QVERIFY2(repondeur.questions[0].texte.contains(message), qPrintable(repondeur.questions[0].texte));
    }
}

void TstForm8::touches_data()
{
    QTest::addColumn<QByteArray>("depart");     // the ordered file at the start
    QTest::addColumn<int>("ligne");             // line clicked first, 0 for none
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QByteArray>("quinteo");    // the ordered file at the end
    QTest::addColumn<QByteArray>("jeux");       // bets appended after the tiercé
    QTest::addColumn<bool>("ouverte");
    QTest::addColumn<QString>("texte");         // count text, when the window is open
    QTest::addColumn<int>("bips");
    QTest::addColumn<QString>("resume");        // the main window's summary at the end

    const QByteArray deux = fichierde({premier, second});
    const QString avant = QStringLiteral(" aucun jeu enregisté");   // the tiercé not yet counted
    QTest::newRow("e sur la seconde ligne") << deux << 2 << "e" << deux << jeusecond() << true << "2 quintés construits" << 0
                                            << QStringLiteral("2 jeux enregistrés pour un montant total de 3 €");
    QTest::newRow("e deux fois") << deux << 2 << "ee" << deux << jeusecond() + jeusecond() << true << "2 quintés construits"
                                 << 0 << QStringLiteral("3 jeux enregistrés pour un montant total de 5 €");
    QTest::newRow("E") << deux << 0 << "E" << deux << jeupremier() + jeusecond() << false << "" << 0
                       << QStringLiteral("3 jeux enregistrés pour un montant total de 5 €");
    QTest::newRow("E avec une ligne choisie") << deux << 2 << "E" << deux << jeupremier() + jeusecond() << false << "" << 0
                                              << QStringLiteral("3 jeux enregistrés pour un montant total de 5 €");
    QTest::newRow("E sur une liste vide") << QByteArray() << 0 << "E" << QByteArray() << QByteArray() << false << "" << 0
                                          << QStringLiteral("1 jeu enregistré d'un montant de 1 €");
    QTest::newRow("s sur la première ligne") << deux << 1 << "s" << fichierde({second}) << QByteArray() << true
                                             << "1 quinté construit" << 0 << avant;
    QTest::newRow("s sur la seconde puis e sans ligne") << deux << 2 << "se" << fichierde({premier}) << QByteArray() << true
                                                        << "1 quinté construit" << 1 << avant;
    QTest::newRow("S") << deux << 1 << "S" << QByteArray() << QByteArray() << false << "" << 0 << avant;
    QTest::newRow("e sans ligne choisie") << deux << 0 << "e" << deux << QByteArray() << true << "2 quintés construits" << 1 << avant;
    QTest::newRow("s sans ligne choisie") << deux << 0 << "s" << deux << QByteArray() << true << "2 quintés construits" << 1 << avant;
    QTest::newRow("autres touches") << deux << 1 << "xaz1 " << deux << QByteArray() << true << "2 quintés construits" << 0 << avant;
}

void TstForm8::touches()
{
    QFETCH(QByteArray, depart);
    QFETCH(int, ligne);
    QFETCH(QString, touches);
    QFETCH(QByteArray, quinteo);
    QFETCH(QByteArray, jeux);
    QFETCH(bool, ouverte);
    QFETCH(QString, texte);
    QFETCH(int, bips);
    QFETCH(QString, resume);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::quinteo, depart);
    form1().ouvrir();
    racine.ecrire(travail::noms::fichier, tierce);

    form8().ouvrir();
    if (ligne > 0)
        choisir(ligne);
    QTest::keyClicks(liste(), touches);

    QCOMPARE(racine.lire(travail::noms::quinteo), quinteo);
    QCOMPARE(racine.lire(travail::noms::fichier), tierce + jeux);
    QVERIFY(!racine.existe(travail::noms::tampon));
    QCOMPARE(form8().estouverte(), ouverte);
    QCOMPARE(form8().isVisible(), ouverte);
    if (ouverte)
        QCOMPARE(compte(), texte);
    QCOMPARE(repondeur.bips, bips);
    QVERIFY(repondeur.questions.isEmpty());
    QVERIFY(form1().estouverte());
    QCOMPARE(::resume(), resume);
    QVERIFY(!curseur::ensablier());

    // What is on screen is what the file holds.
    form8().recharger();
    QCOMPARE(lignes(), quintes::lignesbilan(quintes::lirecombinaisons(quinteo).combinaisons));
}

void TstForm8::toutcommechaqueligne_data()
{
    QTest::addColumn<QByteArray>("quinteo");
    const QByteArray six = fichierde({premier, second, {20, 19, 18, 17, 16}, premier, {2, 11, 4, 15, 9}, second});
    QTest::newRow("six quintés") << six;
    QTest::newRow("fin abîmée") << six + essais::lignes({"3", "4", "x"});
}

// "(E) Enregistrer tout" appends exactly what "(e)" on each line in turn appends.
void TstForm8::toutcommechaqueligne()
{
    QFETCH(QByteArray, quinteo);
    QByteArray tout;
    int n = 0;
    {
        essais::Racine racine;
        essais::Repondeur repondeur;
        repondeur.reponses << dialogue::Reponse::annuler;
        racine.ecrire(travail::noms::quinteo, quinteo);
        form8().ouvrir();
        n = liste()->count();
        QTest::keyClicks(liste(), "E");
        tout = racine.lire(travail::noms::fichier);
        QCOMPARE(racine.lire(travail::noms::quinteo), quinteo);
    }
    QByteArray chaque;
    {
        essais::Racine racine;
        essais::Repondeur repondeur;
        repondeur.reponses << dialogue::Reponse::annuler;
        racine.ecrire(travail::noms::quinteo, quinteo);
        form8().ouvrir();
        for (int k = 1; k <= n; ++k) {
            choisir(k);
            QTest::keyClicks(liste(), "e");
        }
        chaque = racine.lire(travail::noms::fichier);
    }
    QCOMPARE(n, 6);
    QCOMPARE(tout, chaque);
    QVERIFY(tout.startsWith(jeupremier() + jeusecond()));
    QList<travail::Jeu> attendus;
    for (const Combinaison &c : quintes::lirecombinaisons(quinteo).combinaisons)
        attendus.append(quintes::jeubilan(c));
    const travail::LectureJeux lus = travail::lirejeux(tout);
    QVERIFY(lus.intact());
    QCOMPARE(lus.jeux, attendus);
}

void TstForm8::suppressiondansfichierabime_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QByteArray>("reste");

    const QByteArray a = fichierde({premier}), b = fichierde({second}), c = fichierde({{20, 19, 18, 17, 16}});
    const QByteArray coupe = "1\r\n2\r\n3";
    const QByteArray cheval25 = essais::lignes({"1", "2", "25", "4", "5"});
    QTest::newRow("fin coupée, ligne 2") << a + b + c + coupe << 2 << a + c + coupe;
    QTest::newRow("fin coupée, ligne 3") << a + b + c + coupe << 3 << a + b + coupe;
    QTest::newRow("cheval 25, ligne 1") << a + cheval25 + c << 1 << cheval25 + c;
}

// Deleting a line drops only its record: the unreadable part stays byte for byte.
void TstForm8::suppressiondansfichierabime()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, ligne);
    QFETCH(QByteArray, reste);
    essais::Racine racine;
    essais::Repondeur repondeur;
    repondeur.reponses << dialogue::Reponse::annuler << dialogue::Reponse::annuler;
    racine.ecrire(travail::noms::quinteo, contenu);
    form8().ouvrir();
    QCOMPARE(repondeur.questions.size(), 1);
    choisir(ligne);
    QTest::keyClicks(liste(), "s");
    QCOMPARE(racine.lire(travail::noms::quinteo), reste);
    QVERIFY(!racine.existe(travail::noms::tampon));
    QCOMPARE(repondeur.questions.size(), 2);   // still damaged when reloaded
    QCOMPARE(lignes(), quintes::lignesbilan(quintes::lirecombinaisons(reste).combinaisons));
}

// The ordered file changed behind the window: nothing is done on a line that no longer
// shows what the file holds; the user is told and the list read again.
void TstForm8::fichierchangeentretemps_data()
{
    QTest::addColumn<QString>("touche");
    QTest::newRow("(e)") << "e";
    QTest::newRow("(E)") << "E";
    QTest::newRow("(s)") << "s";
}

void TstForm8::fichierchangeentretemps()
{
    QFETCH(QString, touche);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::quinteo, fichierde({premier, second}));
    form8().ouvrir();
    const QByteArray autre = fichierde({second, premier});
    racine.ecrire(travail::noms::quinteo, autre);

    choisir(1);
    QTest::keyClicks(liste(), touche);
    QCOMPARE(racine.lire(travail::noms::fichier), QByteArray());
    QCOMPARE(racine.lire(travail::noms::quinteo), autre);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(QStringLiteral("a changé depuis l'affichage de cette liste : rien n'a été fait")),
             qPrintable(repondeur.questions[0].texte));
    QVERIFY(form8().estouverte());
    QCOMPARE(lignes(), quintes::lignesbilan({second, premier}));

    // Read again, the list is the file: the same key now acts on what it shows.
    choisir(1);
    QTest::keyClicks(liste(), "e");
    QCOMPARE(racine.lire(travail::noms::fichier), jeusecond());
}

// The order window announces its rewrite: an open summary shows the new file at once.
void TstForm8::rechargeapresordre()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::quinteo, fichierde({premier, second}));
    form8().ouvrir();
    racine.ecrire(travail::noms::quinteo, fichierde({second}));
    travail::depot().annoncerquintes();
    QCOMPARE(lignes(), quintes::lignesbilan({second}));
    QVERIFY(repondeur.questions.isEmpty());
}

QTEST_MAIN(TstForm8)
#include "tst_form8.moc"
