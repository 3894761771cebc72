// The four windows of the base-of-three method, driven through their buttons and keys as
// a player uses them: a base chosen, couples built by hand or by a list, the summary saved.

#include "basedetrois/base.h"
#include "basedetrois/form10.h"
#include "basedetrois/form11.h"
#include "basedetrois/form12.h"
#include "basedetrois/form9.h"
#include "commun/curseur.h"
#include "essais/essais.h"
#include "jeux/form1.h"
#include "travail/fichierdetravail.h"
#include "quintes/bilan.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cerrno>

using basedetrois::Couple;

namespace {

QByteArray couples(const QList<Couple> &l)
{
    return basedetrois::enregistrement(l);
}

const QByteArray base3712 = essais::lignes({"3", "7", "12"});

// The saved quinté bet of base 3 7 12 with one couple.
QByteArray pari(const char *a, const char *b)
{
    return essais::lignes({"\"quint\xe9\"", "1", "#FALSE#", "5", "3", "7", "12", a, b, "0", "0", "0"});
}

QString texte(Fenetre &f, const char *label)
{
    return essais::dans<QLabel>(&f, QString::fromLatin1(label))->text();
}

QPushButton *cheval(Fenetre &f, int i)
{
    return essais::dans<QPushButton>(&f, QStringLiteral("Command1(%1)").arg(i));
}

void clics(Fenetre &f, std::initializer_list<int> chevaux)
{
    for (int i : chevaux)
        QTest::mouseClick(cheval(f, i), Qt::LeftButton);
}

QListWidget *liste(Fenetre &f)
{
    return essais::dans<QListWidget>(&f, QStringLiteral("List1"));
}

QStringList lignes(Fenetre &f)
{
    QStringList r;
    for (int i = 0; i < liste(f)->count(); ++i)
        r << liste(f)->item(i)->text();
    return r;
}

// Clicks line k (from 1) of the list.
void choisir(Fenetre &f, int k)
{
    QListWidget *l = liste(f);
    l->scrollToItem(l->item(k - 1));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(k - 1)).center());
}

QString resume()
{
    return form1().findChild<QLabel *>(QStringLiteral("Label1"))->text();
}

} // namespace

class TstFenetresBase : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void choixdelabase_data();
    void choixdelabase();
    void nouvellebaseretirecouples();
    void couplesalamain_data();
    void couplesalamain();
    void couplesaucharger();
    void parliste_data();
    void parliste();
    void bilan_data();
    void bilan();
    void bilansansbase();
    void duoabime_data();
    void duoabime();
    void fenetressuivent();
    void ecritureimpossible_data();
    void ecritureimpossible();
    void basealamoitie();
    void effacementsuivi();
    void cheminentier();
};

void TstFenetresBase::choixdelabase_data()
{
    QTest::addColumn<QByteArray>("depart");
    QTest::addColumn<QList<int>>("chevaux");   // horse buttons clicked
    QTest::addColumn<QString>("touches");      // then typed
    QTest::addColumn<QString>("label");        // Label1 before the keys
    QTest::addColumn<int>("bips");
    QTest::addColumn<QByteArray>("mabase");    // the file at the end
    QTest::addColumn<bool>("ouverte");

    const QByteArray ancienne = essais::lignes({"1", "2", "5"});
    QTest::newRow("trois puis s") << QByteArray() << QList<int>{3, 7, 12} << "s" << "base : 3 - 7 - 12" << 0 << base3712 << false;
    QTest::newRow("trois puis Entrée") << QByteArray() << QList<int>{3, 7, 12} << "\r" << "base : 3 - 7 - 12" << 0 << base3712
                                       << false;
    QTest::newRow("deux") << QByteArray() << QList<int>{3, 7} << "" << "base : 3 - 7" << 0 << QByteArray() << true;
    QTest::newRow("deux puis s") << QByteArray() << QList<int>{3, 7} << "s" << "base : 3 - 7" << 1 << QByteArray() << true;
    QTest::newRow("répété") << QByteArray() << QList<int>{3, 3} << "" << "base : 3" << 1 << QByteArray() << true;
    QTest::newRow("un quatrième") << QByteArray() << QList<int>{3, 7, 12, 1} << "s" << "base : 3 - 7 - 12" << 1 << base3712
                                  << false;
    QTest::newRow("moins puis un autre") << QByteArray() << QList<int>{3, 7, 9} << "-" << "base : 3 - 7 - 9" << 0 << QByteArray()
                                         << true;
    QTest::newRow("effacer tout") << QByteArray() << QList<int>{3, 7, 9} << "\b" << "base : 3 - 7 - 9" << 0 << QByteArray() << true;
    QTest::newRow("abandon par a") << ancienne << QList<int>{} << "a" << "base : 1 - 2 - 5" << 0 << ancienne << false;
    QTest::newRow("abandon par Échap") << ancienne << QList<int>{} << "\x1b" << "base : 1 - 2 - 5" << 0 << ancienne << false;
    QTest::newRow("la base lue ne prend pas de quatrième") << ancienne << QList<int>{9} << "" << "base : 1 - 2 - 5" << 1
                                                           << ancienne << true;
    QTest::newRow("remplacée") << ancienne << QList<int>{} << "\b" << "base : 1 - 2 - 5" << 0 << ancienne << true;
}

void TstFenetresBase::choixdelabase()
{
    QFETCH(QByteArray, depart);
    QFETCH(QList<int>, chevaux);
    QFETCH(QString, touches);
    QFETCH(QString, label);
    QFETCH(int, bips);
    QFETCH(QByteArray, mabase);
    QFETCH(bool, ouverte);
    essais::Racine racine;
    essais::Repondeur repondeur;
    if (!depart.isEmpty())
        racine.ecrire(travail::noms::mabase, depart);
    form1().ouvrir();
    form1().findChild<QAction *>(QStringLiteral("cdbmn"))->trigger();
    QVERIFY(form9().estouverte());
    QCOMPARE(form9().windowTitle(), QStringLiteral("choix d'une base"));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(cheval(form9(), i)->text(), QString::number(i));
    for (int i : chevaux)
        QTest::mouseClick(cheval(form9(), i), Qt::LeftButton);
    QCOMPARE(texte(form9(), "Label1"), label);
    for (QChar c : touches) {
        if (c == QLatin1Char('\r'))
            QTest::keyClick(&form9(), Qt::Key_Return);
        else if (c == QLatin1Char('\b'))
            QTest::keyClick(&form9(), Qt::Key_Backspace);
        else if (c == QLatin1Char('\x1b'))
            QTest::keyClick(&form9(), Qt::Key_Escape);
        else
            QTest::keyClicks(&form9(), QString(c));
    }
    QCOMPARE(repondeur.bips, bips);
    QCOMPARE(form9().estouverte(), ouverte);
    QCOMPARE(racine.lire(travail::noms::mabase), mabase);
    QVERIFY(repondeur.questions.isEmpty());
    if (touches == QLatin1String("-"))
        QCOMPARE(texte(form9(), "Label1"), QStringLiteral("base : 3 - 7"));
    if (touches == QLatin1String("\b"))
        QCOMPARE(texte(form9(), "Label1"), QStringLiteral("base : aucun cheval"));
}

// A new base drops from the couples every one that holds one of its horses, and says so.
void TstFenetresBase::nouvellebaseretirecouples()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, essais::lignes({"1", "2", "5"}));
    racine.ecrire(travail::noms::duo, couples({{4, 9}, {3, 8}, {10, 11}, {12, 6}}));
    form9().ouvrir();
    QTest::keyClick(&form9(), Qt::Key_Backspace);
    clics(form9(), {3, 7, 12});
    QTest::mouseClick(essais::dans<QPushButton>(&form9(), QStringLiteral("Command4")), Qt::LeftButton);
    QVERIFY(!form9().estouverte());
    QCOMPARE(racine.lire(travail::noms::mabase), base3712);
    QCOMPARE(racine.lire(travail::noms::duo), couples({{4, 9}, {10, 11}}));
    QCOMPARE(repondeur.questions.size(), 1);
    QCOMPARE(repondeur.questions[0].texte, QStringLiteral("2 couples contenant un cheval de la base ont été retirés."));
    // Put back in one command: the old base and its couples.
    form1().ouvrir();
    form1().findChild<QAction *>(QStringLiteral("annulermn"))->trigger();
    QCOMPARE(racine.lire(travail::noms::mabase), essais::lignes({"1", "2", "5"}));
    QCOMPARE(racine.lire(travail::noms::duo), couples({{4, 9}, {3, 8}, {10, 11}, {12, 6}}));
}

void TstFenetresBase::couplesalamain_data()
{
    QTest::addColumn<QList<int>>("chevaux");   // horse buttons clicked
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("couple");        // Label2
    QTest::addColumn<QString>("compte");        // Label3
    QTest::addColumn<int>("bips");

    QTest::newRow("rien") << QList<int>{} << QStringList{} << "" << "0 couple : 0 quinté, montant 0 €" << 0;
    QTest::newRow("un choix") << QList<int>{4} << QStringList{} << "couple : 4 - " << "0 couple : 0 quinté, montant 0 €" << 0;
    QTest::newRow("un couple") << QList<int>{4, 9} << QStringList{"4 - 9"} << "" << "1 couple : 1 quinté, montant 2 €" << 0;
    QTest::newRow("trois couples") << QList<int>{4, 9, 1, 15, 20, 2} << QStringList{"4 - 9", "1 - 15", "20 - 2"} << ""
                                   << "3 couples : 3 quintés, montant 6 €" << 0;
    QTest::newRow("même cheval deux fois") << QList<int>{4, 4} << QStringList{} << "couple : 4 - "
                                           << "0 couple : 0 quinté, montant 0 €" << 1;
    QTest::newRow("couple déjà là") << QList<int>{4, 9, 4, 9} << QStringList{"4 - 9"} << "" << "1 couple : 1 quinté, montant 2 €"
                                    << 1;
    QTest::newRow("dans l'autre ordre") << QList<int>{4, 9, 9, 4} << QStringList{"4 - 9"} << ""
                                        << "1 couple : 1 quinté, montant 2 €" << 1;
}

void TstFenetresBase::couplesalamain()
{
    QFETCH(QList<int>, chevaux);
    QFETCH(QStringList, liste);
    QFETCH(QString, couple);
    QFETCH(QString, compte);
    QFETCH(int, bips);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, base3712);
    form1().ouvrir();
    form1().findChild<QAction *>(QStringLiteral("metcplemn"))->trigger();
    QVERIFY(form10().estouverte());
    QCOMPARE(form10().windowTitle(), QStringLiteral("association par couples"));
    QCOMPARE(texte(form10(), "Label1"), QStringLiteral("base : 3 - 7 - 12"));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(cheval(form10(), i)->isEnabled(), i != 3 && i != 7 && i != 12);
    for (int i : chevaux)
        QTest::mouseClick(cheval(form10(), i), Qt::LeftButton);
    QCOMPARE(lignes(form10()), liste);
    QCOMPARE(texte(form10(), "Label2"), couple);
    QCOMPARE(texte(form10(), "Label3"), compte);
    QCOMPARE(repondeur.bips, bips);
    QVERIFY(!racine.existe(travail::noms::duo) || racine.lire(travail::noms::duo).isEmpty());

    // Enter validates, whatever horse was clicked last: the couples in list order.
    QTest::keyClick(&form10(), Qt::Key_Return);
    QVERIFY(!form10().estouverte());
    QByteArray attendu;
    for (const QString &l : liste)
        attendu += essais::lignes({qPrintable(l.section(QStringLiteral(" - "), 0, 0)), qPrintable(l.section(QStringLiteral(" - "), 1))});
    QCOMPARE(racine.lire(travail::noms::duo), attendu);
    QVERIFY(repondeur.questions.isEmpty());
}

// The couples of the file come back at load; "s" drops the chosen one, "S" all of them;
// "a" and Escape leave the file as it was.
void TstFenetresBase::couplesaucharger()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray depart = couples({{4, 9}, {1, 15}, {20, 2}});
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, depart);
    form10().ouvrir();
    QCOMPARE(lignes(form10()), (QStringList{"4 - 9", "1 - 15", "20 - 2"}));
    QCOMPARE(texte(form10(), "Label3"), QStringLiteral("3 couples : 3 quintés, montant 6 €"));

    QTest::keyClicks(liste(form10()), "s");   // no line chosen
    QCOMPARE(repondeur.bips, 1);
    choisir(form10(), 2);
    QTest::keyClicks(liste(form10()), "s");
    QCOMPARE(lignes(form10()), (QStringList{"4 - 9", "20 - 2"}));
    QCOMPARE(texte(form10(), "Label3"), QStringLiteral("2 couples : 2 quintés, montant 4 €"));
    QTest::keyClick(&form10(), Qt::Key_Escape);
    QVERIFY(!form10().estouverte());
    QCOMPARE(racine.lire(travail::noms::duo), depart);

    form10().ouvrir();
    QCOMPARE(lignes(form10()).size(), 3);
    QTest::keyClicks(liste(form10()), "S");
    QVERIFY(lignes(form10()).isEmpty());
    QCOMPARE(texte(form10(), "Label3"), QStringLiteral("0 couple : 0 quinté, montant 0 €"));
    QTest::keyClicks(liste(form10()), "a");
    QCOMPARE(racine.lire(travail::noms::duo), depart);

    form10().ouvrir();
    choisir(form10(), 1);
    QTest::keyClicks(liste(form10()), "sv");
    QVERIFY(!form10().estouverte());
    QCOMPARE(racine.lire(travail::noms::duo), couples({{1, 15}, {20, 2}}));
    QCOMPARE(repondeur.bips, 1);
    QVERIFY(repondeur.questions.isEmpty());
}

void TstFenetresBase::parliste_data()
{
    QTest::addColumn<QList<int>>("coches");
    QTest::addColumn<QString>("compte");
    QTest::addColumn<QByteArray>("duo");   // the file after "v"; the old one when refused

    const QByteArray ancien = couples({{4, 9}});
    QTest::newRow("aucun") << QList<int>{} << "0 cheval associé : 0 quinté, montant 0 €" << ancien;
    QTest::newRow("un") << QList<int>{5} << "1 cheval associé : 0 quinté, montant 0 €" << ancien;
    QTest::newRow("deux") << QList<int>{9, 5} << "2 chevaux associés : 1 quinté, montant 2 €" << couples({{5, 9}});
    QTest::newRow("cinq") << QList<int>{20, 1, 15, 4, 9} << "5 chevaux associés : 10 quintés, montant 20 €"
                          << couples({{1, 4}, {1, 9}, {1, 15}, {1, 20}, {4, 9}, {4, 15}, {4, 20}, {9, 15}, {9, 20}, {15, 20}});
    QTest::newRow("coché puis décoché") << QList<int>{1, 2, 2} << "1 cheval associé : 0 quinté, montant 0 €" << ancien;
}

void TstFenetresBase::parliste()
{
    QFETCH(QList<int>, coches);
    QFETCH(QString, compte);
    QFETCH(QByteArray, duo);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, couples({{4, 9}}));
    form1().ouvrir();
    form1().findChild<QAction *>(QString::fromUtf8("méthlistemn"))->trigger();
    QVERIFY(form11().estouverte());
    QCOMPARE(form11().windowTitle(), QStringLiteral("association par liste"));
    QCOMPARE(texte(form11(), "Label1"), QStringLiteral("base : 3 - 7 - 12"));
    for (int i = 1; i <= 20; ++i) {
        auto *c = essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(%1)").arg(i));
        QCOMPARE(c->text(), QString::number(i));
        QVERIFY(!c->isChecked());
        QCOMPARE(c->isEnabled(), i != 3 && i != 7 && i != 12);
    }
    for (int i : coches)
        QTest::mouseClick(essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(%1)").arg(i)), Qt::LeftButton);
    QCOMPARE(texte(form11(), "Label3"), compte);
    QTest::keyClicks(&form11(), "v");
    const bool valide = duo != couples({{4, 9}});
    QCOMPARE(form11().estouverte(), !valide);
    QCOMPARE(repondeur.bips, valide ? 0 : 1);
    QCOMPARE(racine.lire(travail::noms::duo), duo);
    if (!valide) {
        QTest::keyClick(&form11(), Qt::Key_Escape);
        QVERIFY(!form11().estouverte());
        QCOMPARE(racine.lire(travail::noms::duo), duo);
    }
}

void TstFenetresBase::bilan_data()
{
    QTest::addColumn<int>("ligne");            // line clicked first, 0 for none
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QByteArray>("duo");       // at the end
    QTest::addColumn<QByteArray>("jeux");      // bets appended
    QTest::addColumn<bool>("ouverte");
    QTest::addColumn<int>("bips");
    QTest::addColumn<QString>("resume");

    const QByteArray trois = couples({{4, 9}, {1, 15}, {20, 2}});
    const QString aucun = QStringLiteral(" aucun jeu enregisté");
    QTest::newRow("e sur la deuxième") << 2 << "e" << trois << pari("1", "15") << true << 0
                                       << QStringLiteral("1 jeu enregistré d'un montant de 2 €");
    QTest::newRow("E") << 0 << "E" << trois << pari("4", "9") + pari("1", "15") + pari("20", "2") << false << 0
                       << QStringLiteral("3 jeux enregistrés pour un montant total de 6 €");
    QTest::newRow("s sur la première") << 1 << "s" << couples({{1, 15}, {20, 2}}) << QByteArray() << true << 0 << aucun;
    QTest::newRow("S") << 0 << "S" << QByteArray() << QByteArray() << false << 0 << aucun;
    QTest::newRow("e sans ligne") << 0 << "e" << trois << QByteArray() << true << 1 << aucun;
    QTest::newRow("s sans ligne") << 0 << "s" << trois << QByteArray() << true << 1 << aucun;
    QTest::newRow("s puis e sans ligne") << 3 << "se" << couples({{4, 9}, {1, 15}}) << QByteArray() << true << 1 << aucun;
}

void TstFenetresBase::bilan()
{
    QFETCH(int, ligne);
    QFETCH(QString, touches);
    QFETCH(QByteArray, duo);
    QFETCH(QByteArray, jeux);
    QFETCH(bool, ouverte);
    QFETCH(int, bips);
    QFETCH(QString, resume);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, couples({{4, 9}, {1, 15}, {20, 2}}));
    form1().ouvrir();
    form1().findChild<QAction *>(QStringLiteral("bil2mn"))->trigger();
    QVERIFY(form12().estouverte());
    QVERIFY(!curseur::ensablier());
    QCOMPARE(form12().windowTitle(), QStringLiteral("bilan methode 2"));
    QCOMPARE(lignes(form12()), (QStringList{QStringLiteral("         3         7         12         4         9"),
                                            QStringLiteral("         3         7         12         1         15"),
                                            QStringLiteral("         3         7         12         20         2")}));
    QCOMPARE(texte(form12(), "Label1"), QStringLiteral("3 quintés construits"));
    QCOMPARE(texte(form12(), "Label2"), QStringLiteral("montant : 6 €"));

    if (ligne > 0)
        choisir(form12(), ligne);
    QTest::keyClicks(liste(form12()), touches);
    QCOMPARE(racine.lire(travail::noms::duo), duo);
    QCOMPARE(racine.lire(travail::noms::fichier), jeux);
    QCOMPARE(form12().estouverte(), ouverte);
    QCOMPARE(repondeur.bips, bips);
    QVERIFY(repondeur.questions.isEmpty());
    QCOMPARE(::resume(), resume);
    QVERIFY(!racine.existe(travail::noms::tampon));
    if (ouverte) {
        // What is on screen is what the files hold.
        const basedetrois::LectureCouples lus = basedetrois::lirecouples(duo, basedetrois::Base({3, 7, 12}));
        QCOMPARE(lignes(form12()).size(), lus.couples.size());
        QCOMPARE(texte(form12(), "Label1"), quintes::texteconstruits(lus.couples.size()));
    }
}

void TstFenetresBase::bilansansbase()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::duo, couples({{4, 9}}));
    form1().ouvrir();
    form1().findChild<QAction *>(QStringLiteral("bil2mn"))->trigger();
    QVERIFY(form12().estouverte());
    QVERIFY(lignes(form12()).isEmpty());
    QCOMPARE(texte(form12(), "Label1"), QStringLiteral("0 quinté construit"));
    QCOMPARE(repondeur.questions.size(), 1);
    QCOMPARE(repondeur.questions[0].texte, QStringLiteral("Choisissez d'abord une base de trois chevaux (F4)."));
    QTest::keyClicks(liste(form12()), "E");
    QVERIFY(racine.lire(travail::noms::fichier).isEmpty());
}

void TstFenetresBase::duoabime_data()
{
    QTest::addColumn<QByteArray>("duo");
    QTest::addColumn<int>("lisibles");
    QTest::addColumn<QString>("message");      // part of the warning
    QTest::addColumn<QByteArray>("deplace");   // the bytes a repair moves beside the file
    QTest::newRow("cheval de la base") << couples({{4, 9}, {7, 5}, {1, 15}}) << 2
                                       << "Couple n° 2, ligne 3 : le cheval 7 est un cheval de la base" << couples({{7, 5}});
    QTest::newRow("coupé court") << couples({{4, 9}}) + QByteArray("1") << 1 << "Couple n° 2" << QByteArray("1");
    QTest::newRow("pas un nombre") << essais::lignes({"4", "9", "1", "quinze"}) << 1 << "Couple n° 2, ligne 4"
                                   << essais::lignes({"1", "quinze"});
}

// A damaged couples file: named in the message, its readable couples used, its bytes
// left as they are by every window that only reads it while the repair is declined; once
// accepted, the readable couples stay and the other bytes go whole beside the file.
void TstFenetresBase::duoabime()
{
    QFETCH(QByteArray, duo);
    QFETCH(int, lisibles);
    QFETCH(QString, message);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, duo);
    form1().ouvrir();
    for (const char *menu : {"metcplemn", "bil2mn"}) {
        repondeur.questions.clear();
        repondeur.reponses = {dialogue::Reponse::annuler};
        form1().findChild<QAction *>(QString::fromLatin1(menu))->trigger();
        QCOMPARE(repondeur.questions.size(), 1);
        const QString texte = repondeur.questions[0].texte;
        QVERIFY2(texte.contains(QStringLiteral("duo.txt")) && texte.contains(message), qPrintable(texte));
        QCOMPARE(racine.lire(travail::noms::duo), duo);
    }
    QCOMPARE(lignes(form10()).size(), lisibles);
    QCOMPARE(lignes(form12()).size(), lisibles);
    // Saving every readable quinté leaves the damaged file as it is.
    QTest::keyClicks(liste(form12()), "E");
    QCOMPARE(racine.lire(travail::noms::duo), duo);
    QCOMPARE(basedetrois::lirecouples(duo, basedetrois::Base({3, 7, 12})).couples.size(), lisibles);

    // The repair accepted: no byte lost, the couples file now reads whole.
    repondeur.questions.clear();
    form1().findChild<QAction *>(QStringLiteral("bil2mn"))->trigger();
    const QByteArray repare = racine.lire(travail::noms::duo);
    const QByteArray abime = racine.lire("duo.abime.txt");
    QVERIFY(!abime.isEmpty());
    QFETCH(QByteArray, deplace);
    QVERIFY2(abime.startsWith(deplace), abime.constData());
    const basedetrois::LectureCouples lus = basedetrois::lirecouples(repare, basedetrois::Base({3, 7, 12}));
    QVERIFY(lus.intact());
    QCOMPARE(lus.couples.size(), lisibles);
    QCOMPARE(lignes(form12()).size(), lisibles);
}

// The windows that show the base or the couples follow a change made in another one.
void TstFenetresBase::fenetressuivent()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, couples({{4, 9}, {1, 15}}));
    form12().ouvrir();
    form11().ouvrir();
    QTest::mouseClick(essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(5)")), Qt::LeftButton);
    // Couples dropped in the summary: the list window keeps its checks.
    choisir(form12(), 1);
    QTest::keyClicks(liste(form12()), "s");
    QCOMPARE(lignes(form12()).size(), 1);
    QVERIFY(essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(5)"))->isChecked());

    // A new base: the summary shows its quintés, the list window its horses.
    form9().ouvrir();
    QTest::keyClick(&form9(), Qt::Key_Backspace);
    clics(form9(), {1, 2, 4});
    QTest::keyClicks(&form9(), "s");
    QCOMPARE(racine.lire(travail::noms::duo), couples({}));   // 1 - 15 held horse 1
    QCOMPARE(texte(form12(), "Label1"), QStringLiteral("0 quinté construit"));
    QCOMPARE(texte(form11(), "Label1"), QStringLiteral("base : 1 - 2 - 4"));
    QVERIFY(!essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(1)"))->isEnabled());
    QVERIFY(!essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(5)"))->isChecked());

    // The list validated: the summary shows the reduced field with the new base.
    for (int i : {5, 6, 9})
        QTest::mouseClick(essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(%1)").arg(i)), Qt::LeftButton);
    QTest::keyClicks(&form11(), "v");
    QCOMPARE(lignes(form12()), (QStringList{QStringLiteral("         1         2         4         5         6"),
                                            QStringLiteral("         1         2         4         5         9"),
                                            QStringLiteral("         1         2         4         6         9")}));
}

namespace {

// A full disk: no byte can be written.
class Plein : public travail::Disque
{
public:
    qint64 ecrire(QFileDevice &, QByteArrayView) override
    {
        errno = ENOSPC;
        return -1;
    }
};

} // namespace

void TstFenetresBase::ecritureimpossible_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QList<int>>("clics");   // horse buttons or check boxes
    QTest::addColumn<QString>("touche");
    QTest::newRow("nouvelle base") << "Form9" << QList<int>{1, 2, 4} << "s";
    QTest::newRow("couples") << "Form10" << QList<int>{5, 6} << "v";
    QTest::newRow("liste") << "Form11" << QList<int>{5, 6} << "v";
    QTest::newRow("tout supprimer") << "Form12" << QList<int>{} << "S";
}

// A change that cannot be written is told, the window stays with what the user did, the
// files are as they were, and there is nothing to undo.
void TstFenetresBase::ecritureimpossible()
{
    QFETCH(QString, fenetre);
    QFETCH(QList<int>, clics);
    QFETCH(QString, touche);
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray duo = couples({{1, 9}});
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, duo);
    Fenetre *f = fenetre == QLatin1String("Form9") ? static_cast<Fenetre *>(&form9())
                 : fenetre == QLatin1String("Form10") ? static_cast<Fenetre *>(&form10())
                 : fenetre == QLatin1String("Form11") ? static_cast<Fenetre *>(&form11())
                                                      : static_cast<Fenetre *>(&form12());
    form1().ouvrir();
    f->ouvrir();
    if (f == &form9())
        QTest::keyClick(f, Qt::Key_Backspace);
    for (int i : clics) {
        if (f == &form11())
            QTest::mouseClick(essais::dans<QCheckBox>(f, QStringLiteral("Check1(%1)").arg(i)), Qt::LeftButton);
        else
            QTest::mouseClick(cheval(*f, i), Qt::LeftButton);
    }
    Plein plein;
    travail::Disque *avant = travail::installer(&plein);
    QTest::keyClicks(f, touche);
    travail::installer(avant);
    QVERIFY(f->estouverte());
    QCOMPARE(repondeur.questions.size(), 1);
    QCOMPARE(repondeur.questions[0].icone, dialogue::Icone::critique);
    QCOMPARE(racine.lire(travail::noms::mabase), base3712);
    QCOMPARE(racine.lire(travail::noms::duo), duo);
    QVERIFY(!form1().findChild<QAction *>(QStringLiteral("annulermn"))->isEnabled());
    QVERIFY(!curseur::ensablier());
}

namespace {

// The couples can be rewritten once, then nothing more: the base cannot be written after
// them, nor the couples put back.
class Epuise : public travail::Disque
{
public:
    Epuise(QString mabase, QString duo) : m_mabase(std::move(mabase)), m_duo(std::move(duo)) {}
    bool etape(travail::Etape e, const QString &fichier) override
    {
        if (e != travail::Etape::tamponecrit)
            return true;
        if (fichier == m_duo)
            return m_duos++ == 0;
        return fichier != m_mabase;
    }

private:
    QString m_mabase;
    QString m_duo;
    int m_duos = 0;
};

} // namespace

// A new base that fails half way, its couples already dropped and not put back: the
// undo copy is kept, and puts them back.
void TstFenetresBase::basealamoitie()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray base = essais::lignes({"1", "2", "5"});
    const QByteArray duo = couples({{4, 9}, {3, 8}});
    racine.ecrire(travail::noms::mabase, base);
    racine.ecrire(travail::noms::duo, duo);
    form1().ouvrir();
    form9().ouvrir();
    QTest::keyClick(&form9(), Qt::Key_Backspace);
    clics(form9(), {3, 7, 12});
    Epuise epuise(racine.chemin(travail::noms::mabase), racine.chemin(travail::noms::duo));
    travail::Disque *avant = travail::installer(&epuise);
    QTest::keyClicks(&form9(), "s");
    travail::installer(avant);
    QVERIFY(form9().estouverte());
    QCOMPARE(racine.lire(travail::noms::mabase), base);
    QCOMPARE(racine.lire(travail::noms::duo), couples({{4, 9}}));
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(QStringLiteral("Annuler la dernière modification")),
             qPrintable(repondeur.questions[0].texte));
    form1().findChild<QAction *>(QStringLiteral("annulermn"))->trigger();
    QCOMPARE(racine.lire(travail::noms::duo), duo);
    QCOMPARE(racine.lire(travail::noms::mabase), base);
}

// The clear command empties the summary on screen, so that "(e)" cannot save a quinté the
// files no longer hold.
void TstFenetresBase::effacementsuivi()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, base3712);
    racine.ecrire(travail::noms::duo, couples({{4, 9}}));
    form1().ouvrir();
    form12().ouvrir();
    QCOMPARE(lignes(form12()).size(), 1);
    form1().effacer();
    QVERIFY(!racine.existe(travail::noms::duo));
    QVERIFY(lignes(form12()).isEmpty());
    QTest::keyClicks(liste(form12()), "e");
    QVERIFY(racine.lire(travail::noms::fichier).isEmpty());
}

// The whole road of a player: a base, couples by hand, then by a list, the summary, one
// bet saved then all of them; the main window's summary and the saved bets at the end.
void TstFenetresBase::cheminentier()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    form1().ouvrir();
    QVERIFY(QTest::qWaitForWindowActive(&form1()));
    QTest::keyClick(&form1(), Qt::Key_F4);
    QVERIFY(form9().estouverte());
    clics(form9(), {3, 7, 12});
    QTest::keyClick(&form9(), Qt::Key_Return);
    QCOMPARE(racine.lire(travail::noms::mabase), base3712);

    QTest::keyClick(&form1(), Qt::Key_F5);
    QVERIFY(form10().estouverte());
    clics(form10(), {4, 9, 1, 15});
    QTest::keyClicks(&form10(), "v");
    QCOMPARE(racine.lire(travail::noms::duo), couples({{4, 9}, {1, 15}}));

    QTest::keyClick(&form1(), Qt::Key_F7);
    QCOMPARE(lignes(form12()).size(), 2);
    choisir(form12(), 2);
    QTest::keyClicks(liste(form12()), "e");
    QCOMPARE(racine.lire(travail::noms::fichier), pari("1", "15"));
    QCOMPARE(resume(), QStringLiteral("1 jeu enregistré d'un montant de 2 €"));
    QVERIFY(form12().isActiveWindow() || form12().isVisible());
    form12().fermer();

    QTest::keyClick(&form1(), Qt::Key_F6);
    QVERIFY(form11().estouverte());
    for (int i : {20, 1, 15, 4, 9})
        QTest::mouseClick(essais::dans<QCheckBox>(&form11(), QStringLiteral("Check1(%1)").arg(i)), Qt::LeftButton);
    QTest::keyClick(&form11(), Qt::Key_Return);
    QCOMPARE(racine.lire(travail::noms::duo),
             couples({{1, 4}, {1, 9}, {1, 15}, {1, 20}, {4, 9}, {4, 15}, {4, 20}, {9, 15}, {9, 20}, {15, 20}}));

    QTest::keyClick(&form1(), Qt::Key_F7);
    QCOMPARE(texte(form12(), "Label1"), QStringLiteral("10 quintés construits"));
    QCOMPARE(texte(form12(), "Label2"), QStringLiteral("montant : 20 €"));
    QTest::keyClicks(liste(form12()), "E");
    QVERIFY(!form12().estouverte());
    QByteArray attendu = pari("1", "15");
    for (const auto &[a, b] : {std::pair{"1", "4"}, {"1", "9"}, {"1", "15"}, {"1", "20"}, {"4", "9"}, {"4", "15"}, {"4", "20"},
                               {"9", "15"}, {"9", "20"}, {"15", "20"}})
        attendu += pari(a, b);
    QCOMPARE(racine.lire(travail::noms::fichier), attendu);
    QCOMPARE(resume(), QStringLiteral("11 jeux enregistrés pour un montant total de 22 €"));
    QVERIFY(repondeur.questions.isEmpty());
    QCOMPARE(repondeur.bips, 0);
}

QTEST_MAIN(TstFenetresBase)
#include "tst_fenetresbase.moc"
