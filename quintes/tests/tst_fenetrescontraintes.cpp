// The constraint list window and the constraint entry window, driven by keys and clicks.

#include "essais/essais.h"
#include "quintes/tests/fabrique.h"
#include "jeux/form1.h"
#include "quintes/contrainte.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using quintes::Contrainte;

using fabrique::contrainte;
using fabrique::fichier;

using essais::dans;
using essais::visible;

namespace {

const Contrainte A = contrainte(2, true, {3, 4, 5, 6});
const Contrainte B = contrainte(0, false, {1, 2});
const Contrainte C = contrainte(1, false, {7, 9});

QWidget *ouvrirgenerateur()
{
    form1().findChild<QAction *>(QStringLiteral("qsomn"))->trigger();
    return visible("Form5");
}

// From the generator, as the user goes: "Menu contraintes".
QWidget *ouvrirliste()
{
    QWidget *f5 = ouvrirgenerateur();
    QTest::mouseClick(dans<QPushButton>(f5, QStringLiteral("Command2")), Qt::LeftButton);
    return visible("contraintes");
}

QListWidget *liste(QWidget *fenetre)
{
    return dans<QListWidget>(fenetre, QStringLiteral("List1"));
}

QStringList lignes(QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

void cliquerligne(QListWidget *l, int i)
{
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
}

} // namespace

class TestFenetresContraintes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }

    void textes();
    void supprimer();
    void modifieretenregistrer();
    void modifiersansenregistrer();
    void modifierremplit();
    void sansselection();
    void supprimertout();
    void ajouter();
    void okoublielaselection();
    void imprimer_data();
    void imprimer();
    void impressionrefusee();
    void saisie_data();
    void saisie();
    void message();
    void aide();
    void fermersaisie();
};

void TestFenetresContraintes::textes()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B}));
    QWidget *l = ouvrirliste();
    QVERIFY(l);
    QCOMPARE(l->windowTitle(), QStringLiteral("contraintes"));
    QCOMPARE(lignes(liste(l)), (QStringList{quintes::decrirecontrainte(A), quintes::decrirecontrainte(B)}));
    const QList<std::tuple<QString, QString, QString>> boutons = {
        {"Command2", "(s) Supprimer la contrainte selectionnée", "cliquer ici pour selectionner la contrainte surligné"},
        {"Command5", "(m) Modifier la contraintes selectionnée", ""},
        {"Command4", "(i) Imprimer  les contraintes", ""},
        {"Command3", "(S) Supprimer toute les contraintes", "attention! cliquez ici pour supprimer TOUTES les contraintes!"},
        {"Command1", "(+/a) Ajouter une contrainte", "cliquer ici pour ajouter une contrainte"},
        {"Command6", "OK", ""}};
    for (const auto &[nom, texte, bulle] : boutons) {
        QCOMPARE(dans<QPushButton>(l, nom)->text(), texte);
        QCOMPARE(dans<QPushButton>(l, nom)->toolTip(), bulle);
    }

    QTest::keyClick(liste(l), Qt::Key_A);
    QWidget *f6 = visible("Form6");
    QVERIFY(f6);
    QCOMPARE(f6->windowTitle(), QStringLiteral("Saisir une contrainte"));
    QCOMPARE(dans<QRadioButton>(f6, "Option1(0)")->text(), QStringLiteral("au moins"));
    QCOMPARE(dans<QRadioButton>(f6, "Option1(1)")->text(), QStringLiteral("au plus"));
    const QStringList comptes = {"0 cheval", "1 cheval", "2 chevaux", "3 chevaux", "4 chevaux", "5 chevaux"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(dans<QRadioButton>(f6, QStringLiteral("Option2(%1)").arg(i))->text(), comptes[i]);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(dans<QCheckBox>(f6, QStringLiteral("Check1(%1)").arg(i))->text(), QString::number(i + 1));
    QCOMPARE(dans<QLabel>(f6, "Label1")->text(), QStringLiteral("dans"));
    QCOMPARE(dans<QLabel>(f6, "Label3")->text(), QStringLiteral("Cette contrainte est absurde ..."));
    QCOMPARE(dans<QPushButton>(f6, "Command1")->text(), QStringLiteral("enregistrer"));
    QCOMPARE(dans<QAction>(f6, "aide")->text(), QStringLiteral("&Aide"));
    QVERIFY(dans<QWidget>(f6, "Frame1") && dans<QWidget>(f6, "Frame2"));
}

void TestFenetresContraintes::supprimer()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B, C}));
    QWidget *l = ouvrirliste();
    cliquerligne(liste(l), 1);
    QTest::keyClicks(liste(l), QStringLiteral("s"));
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, C}));
    QVERIFY(!racine.existe(travail::noms::tampon));
    QCOMPARE(lignes(liste(l)), (QStringList{quintes::decrirecontrainte(A), quintes::decrirecontrainte(C)}));
    QVERIFY(liste(l)->selectedItems().isEmpty());
    QCOMPARE(repondeur.bips, 0);

    QTest::keyClicks(liste(l), QStringLiteral("s"));
    QCOMPARE(repondeur.bips, 1);
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, C}));
    QVERIFY(visible("contraintes"));
    QVERIFY(repondeur.questions.isEmpty());
}

void TestFenetresContraintes::modifieretenregistrer()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B, C}));
    QWidget *l = ouvrirliste();
    cliquerligne(liste(l), 0);
    QTest::keyClicks(liste(l), QStringLiteral("m"));
    QVERIFY(!visible("contraintes"));
    QWidget *f6 = visible("Form6");
    QVERIFY(f6);
    // The constraint stays in the file until its new version is saved.
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, B, C}));

    QTest::keyClick(f6, Qt::Key_Return);
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({B, C, A}));
    QVERIFY(!visible("Form6"));
    QWidget *f5 = visible("Form5");
    QVERIFY(f5);
    QCOMPARE(dans<QLabel>(f5, "Label2")->text(), QStringLiteral("3  contraintes"));

    // Back in the list, the modified constraint is the last line.
    QTest::mouseClick(dans<QPushButton>(f5, "Command2"), Qt::LeftButton);
    QCOMPARE(liste(visible("contraintes"))->item(2)->text(), quintes::decrirecontrainte(A));
}

void TestFenetresContraintes::modifiersansenregistrer()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B, C}));
    QWidget *l = ouvrirliste();
    cliquerligne(liste(l), 0);
    QTest::mouseClick(dans<QPushButton>(l, "Command5"), Qt::LeftButton);
    QWidget *f6 = visible("Form6");
    QVERIFY(f6);
    f6->close();
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, B, C}));
    QVERIFY(visible("Form5"));
    QCOMPARE(dans<QLabel>(visible("Form5"), "Label2")->text(), QStringLiteral("3  contraintes"));
}

void TestFenetresContraintes::modifierremplit()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({C, A}));
    QWidget *l = ouvrirliste();
    cliquerligne(liste(l), 1);
    QTest::keyClicks(liste(l), QStringLiteral("m"));
    QWidget *f6 = visible("Form6");
    QVERIFY(dans<QRadioButton>(f6, "Option1(0)")->isChecked());
    QVERIFY(!dans<QRadioButton>(f6, "Option1(1)")->isChecked());
    for (int i = 0; i < 6; ++i)
        QCOMPARE(dans<QRadioButton>(f6, QStringLiteral("Option2(%1)").arg(i))->isChecked(), i == 2);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(dans<QCheckBox>(f6, QStringLiteral("Check1(%1)").arg(i))->isChecked(), i >= 2 && i <= 5);
    QVERIFY(!dans<QLabel>(f6, "Label3")->isVisible());

    // An "au plus" constraint gives "au plus".
    f6->close();
    QTest::mouseClick(dans<QPushButton>(visible("Form5"), "Command2"), Qt::LeftButton);
    l = visible("contraintes");
    cliquerligne(liste(l), 0);
    QTest::keyClicks(liste(l), QStringLiteral("m"));
    f6 = visible("Form6");
    QVERIFY(dans<QRadioButton>(f6, "Option1(1)")->isChecked());
    QVERIFY(dans<QRadioButton>(f6, "Option2(1)")->isChecked());
    QVERIFY(dans<QCheckBox>(f6, "Check1(6)")->isChecked());
    QVERIFY(dans<QCheckBox>(f6, "Check1(8)")->isChecked());
    QVERIFY(!dans<QCheckBox>(f6, "Check1(2)")->isChecked());
}

void TestFenetresContraintes::sansselection()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B}));
    QWidget *l = ouvrirliste();
    liste(l)->setFocus();   // the focus alone selects no line
    QTest::keyClicks(liste(l), QStringLiteral("m"));
    QTest::mouseClick(dans<QPushButton>(l, "Command2"), Qt::LeftButton);
    QCOMPARE(repondeur.bips, 2);
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, B}));
    QVERIFY(visible("contraintes"));
    QVERIFY(!visible("Form6"));
    // Other keys do nothing.
    QTest::keyClicks(liste(l), QStringLiteral("xM"));
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, B}));
    QVERIFY(visible("contraintes"));
}

void TestFenetresContraintes::supprimertout()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B, C}));
    QWidget *l = ouvrirliste();
    QTest::keyClicks(liste(l), QStringLiteral("S"));
    QVERIFY(racine.existe(travail::noms::contrainte));
    QCOMPARE(racine.lire(travail::noms::contrainte), QByteArray());
    QCOMPARE(liste(l)->count(), 0);
    QVERIFY(repondeur.questions.isEmpty());
    QVERIFY(visible("contraintes"));
}

void TestFenetresContraintes::ajouter()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A}));
    QWidget *l = ouvrirliste();
    // Pre-fill the entry window once, then come back by "+": it starts empty.
    cliquerligne(liste(l), 0);
    QTest::keyClicks(liste(l), QStringLiteral("m"));
    visible("Form6")->close();
    QTest::mouseClick(dans<QPushButton>(visible("Form5"), "Command2"), Qt::LeftButton);
    QTest::keyClicks(liste(visible("contraintes")), QStringLiteral("+"));
    QVERIFY(!visible("contraintes"));
    QWidget *f6 = visible("Form6");
    QVERIFY(f6);
    QVERIFY(dans<QRadioButton>(f6, "Option1(1)")->isChecked());
    QVERIFY(dans<QRadioButton>(f6, "Option2(0)")->isChecked());
    for (int i = 0; i < 20; ++i)
        QVERIFY(!dans<QCheckBox>(f6, QStringLiteral("Check1(%1)").arg(i))->isChecked());
}

void TestFenetresContraintes::okoublielaselection()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A, B}));
    QWidget *l = ouvrirliste();
    cliquerligne(liste(l), 1);
    QTest::keyClick(l, Qt::Key_Return);   // "OK" is the default button
    QVERIFY(!visible("contraintes"));
    QWidget *f5 = visible("Form5");
    QVERIFY(f5);
    QCOMPARE(dans<QLabel>(f5, "Label2")->text(), QStringLiteral("2  contraintes"));
    QTest::mouseClick(dans<QPushButton>(f5, "Command2"), Qt::LeftButton);
    QTest::keyClicks(liste(visible("contraintes")), QStringLiteral("s"));
    QCOMPARE(repondeur.bips, 1);
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A, B}));
}

void TestFenetresContraintes::imprimer_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("deux contraintes") << fichier({A, C}) << QStringList{quintes::decrirecontrainte(A), quintes::decrirecontrainte(C)};
    QTest::newRow("aucune") << QByteArray() << QStringList{};
}

void TestFenetresContraintes::imprimer()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QStringList, descriptions);
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    racine.ecrire(travail::noms::contrainte, contenu);
    QWidget *l = ouvrirliste();
    QTest::keyClicks(liste(l), QStringLiteral("i"));

    const QStringList attendu = QStringList{" FROM TISK KRN (korinette)", QString(38, QLatin1Char('_')), " ", " "} + descriptions +
                                QStringList{QString(), ticket::piedpage()};
    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), 1);
    QStringList imprime;
    for (const ticket::Operation &op : documents.first()) {
        QCOMPARE(op.genre, ticket::Operation::ligne);
        imprime << op.texte;
    }
    QCOMPARE(imprime, attendu);
    QVERIFY(ticket::piedpage().startsWith(QString(54, QLatin1Char(' '))));
    QVERIFY(visible("contraintes"));
    QCOMPARE(racine.lire(travail::noms::contrainte), contenu);
    QVERIFY(repondeur.questions.isEmpty());
}

void TestFenetresContraintes::impressionrefusee()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    racine.ecrire(travail::noms::contrainte, fichier({A}));
    imprimante.enregistreuse.refus = QStringLiteral("L'imprimante est hors ligne.");
    QWidget *l = ouvrirliste();
    QTest::mouseClick(dans<QPushButton>(l, "Command4"), Qt::LeftButton);
    QVERIFY(imprimante.enregistreuse.documents().isEmpty());
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions.first().texte.contains(QStringLiteral("L'imprimante est hors ligne.")));
    QVERIFY(repondeur.questions.first().texte.contains(QStringLiteral("n'ont pas pu être imprimées")));
    QVERIFY(visible("contraintes"));

    // A printer that refuses only the end of the document: what was sent is taken back.
    imprimante.enregistreuse.refus.clear();
    struct Capricieuse final : ticket::Imprimante
    {
        ticket::Enregistreuse &e;
        explicit Capricieuse(ticket::Enregistreuse &en) : e(en) {}
        bool marque(const QImage &i, QPointF p) override { return e.marque(i, p); }
        bool ligne(const QString &t) override { return e.ligne(t); }
        bool findocument() override { return false; }
        void abandonner() override { e.abandonner(); }
        QString erreur() const override { return QStringLiteral("Plus de papier."); }
    } capricieuse(imprimante.enregistreuse);
    ticket::Imprimante *avant = ticket::installer(&capricieuse);
    QTest::mouseClick(dans<QPushButton>(l, "Command4"), Qt::LeftButton);
    ticket::installer(avant);
    QCOMPARE(imprimante.enregistreuse.abandons, 1);
    QVERIFY(imprimante.enregistreuse.operations.isEmpty());
    QCOMPARE(repondeur.questions.size(), 2);
    QVERIFY(repondeur.questions.last().texte.contains(QStringLiteral("Plus de papier.")));
}

void TestFenetresContraintes::saisie_data()
{
    QTest::addColumn<int>("direction");   // 0: au moins, 1: au plus, -1: left as it opens
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QList<int>>("chevaux");
    QTest::addColumn<bool>("acceptee");
    QTest::newRow("fenêtre neuve") << -1 << 0 << QList<int>{} << false;
    QTest::newRow("au moins 1 dans {7}") << 0 << 1 << QList<int>{7} << true;
    QTest::newRow("au plus 0 dans {1;2}") << 1 << 0 << QList<int>{1, 2} << true;
    QTest::newRow("au plus 2 dans {3;4}") << 1 << 2 << QList<int>{3, 4} << false;
    QTest::newRow("au plus 3 dans {1;2}") << 1 << 3 << QList<int>{1, 2} << false;
    QTest::newRow("au moins 0") << 0 << 0 << QList<int>{4, 8} << false;
    QTest::newRow("au plus 5") << 1 << 5 << QList<int>{1, 2, 3, 4, 5, 6} << false;
    QTest::newRow("au moins 5 dans 1 à 5") << 0 << 5 << QList<int>{1, 2, 3, 4, 5} << false;
    QTest::newRow("au moins 5 dans 1 à 6") << 0 << 5 << QList<int>{1, 2, 3, 4, 5, 6} << true;
    QTest::newRow("exemple de l'aide") << 0 << 2 << QList<int>{3, 4, 5, 6} << true;
}

void TestFenetresContraintes::saisie()
{
    QFETCH(int, direction);
    QFETCH(int, nombre);
    QFETCH(QList<int>, chevaux);
    QFETCH(bool, acceptee);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({B}));
    QTest::keyClicks(liste(ouvrirliste()), QStringLiteral("a"));
    QWidget *f6 = visible("Form6");
    QVERIFY(f6);
    if (direction >= 0)
        QTest::mouseClick(dans<QRadioButton>(f6, QStringLiteral("Option1(%1)").arg(direction)), Qt::LeftButton);
    QTest::mouseClick(dans<QRadioButton>(f6, QStringLiteral("Option2(%1)").arg(nombre)), Qt::LeftButton);
    for (int h : chevaux)
        QTest::mouseClick(dans<QCheckBox>(f6, QStringLiteral("Check1(%1)").arg(h - 1)), Qt::LeftButton);
    QTest::keyClick(f6, Qt::Key_Return);

    if (acceptee) {
        Contrainte c;
        c.aumoins = direction == 0;
        c.nombre = static_cast<quint8>(nombre);
        for (int h : chevaux)
            c.ensemble[h] = true;
        QCOMPARE(racine.lire(travail::noms::contrainte), fichier({B}) + quintes::enregistrement(c));
        QVERIFY(!visible("Form6"));
        QVERIFY(visible("Form5"));
        QCOMPARE(repondeur.bips, 0);
    } else {
        QCOMPARE(racine.lire(travail::noms::contrainte), fichier({B}));
        QVERIFY(visible("Form6"));
        QVERIFY(dans<QLabel>(f6, "Label3")->isVisible());
        QCOMPARE(repondeur.bips, 1);
        QVERIFY(!visible("Form5"));
        // The controls are left as they were.
        QVERIFY(dans<QRadioButton>(f6, QStringLiteral("Option2(%1)").arg(nombre))->isChecked());
        for (int h : chevaux)
            QVERIFY(dans<QCheckBox>(f6, QStringLiteral("Check1(%1)").arg(h - 1))->isChecked());
    }
    QVERIFY(repondeur.questions.isEmpty());
}

void TestFenetresContraintes::message()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QTest::keyClicks(liste(ouvrirliste()), QStringLiteral("a"));
    QWidget *f6 = visible("Form6");
    auto *label3 = dans<QLabel>(f6, "Label3");
    QVERIFY(!label3->isVisible());
    QTest::mouseClick(dans<QCheckBox>(f6, "Check1(4)"), Qt::LeftButton);
    QTest::mouseClick(dans<QRadioButton>(f6, "Option2(3)"), Qt::LeftButton);
    QTest::mouseClick(dans<QPushButton>(f6, "Command1"), Qt::LeftButton);
    QVERIFY(label3->isVisible());
    QTest::mouseClick(dans<QRadioButton>(f6, "Option2(2)"), Qt::LeftButton);
    QVERIFY(label3->isVisible());
    QTest::mouseClick(dans<QCheckBox>(f6, "Check1(5)"), Qt::LeftButton);
    QVERIFY(!label3->isVisible());
    QTest::mouseClick(dans<QPushButton>(f6, "Command1"), Qt::LeftButton);   // au plus 2 in two horses
    QVERIFY(label3->isVisible());
    QTest::mouseClick(dans<QRadioButton>(f6, "Option1(1)"), Qt::LeftButton);
    QVERIFY(!label3->isVisible());
    QCOMPARE(repondeur.bips, 2);
    QCOMPARE(racine.lire(travail::noms::contrainte), QByteArray());

    // Closed and opened again, it starts afresh, without the message.
    QTest::mouseClick(dans<QPushButton>(f6, "Command1"), Qt::LeftButton);
    QVERIFY(label3->isVisible());
    f6->close();
    QTest::mouseClick(dans<QPushButton>(visible("Form5"), "Command2"), Qt::LeftButton);
    QTest::keyClicks(liste(visible("contraintes")), QStringLiteral("a"));
    QVERIFY(!label3->isVisible());
    QVERIFY(!dans<QCheckBox>(f6, "Check1(4)")->isChecked());
}

void TestFenetresContraintes::aide()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QTest::keyClicks(liste(ouvrirliste()), QStringLiteral("a"));
    QWidget *f6 = visible("Form6");
    QTest::mouseClick(dans<QRadioButton>(f6, "Option1(0)"), Qt::LeftButton);
    QTest::mouseClick(dans<QRadioButton>(f6, "Option2(2)"), Qt::LeftButton);
    QTest::mouseClick(dans<QCheckBox>(f6, "Check1(2)"), Qt::LeftButton);
    dans<QAction>(f6, "aide")->trigger();
    QCOMPARE(repondeur.questions.size(), 1);
    const essais::Repondeur::Question &q = repondeur.questions.first();
    QCOMPARE(q.texte, QStringLiteral(" Exemple de contrainte: au moins 2 chevaux dans {3;4;5;6}(bonne réussite en trot sur 2100m autostart)"));
    QCOMPARE(q.titre, dialogue::titre);
    QCOMPARE(q.icone, dialogue::Icone::information);
    QCOMPARE(q.boutons, dialogue::Boutons::ok);
    QVERIFY(visible("Form6"));
    QVERIFY(dans<QRadioButton>(f6, "Option1(0)")->isChecked());
    QVERIFY(dans<QRadioButton>(f6, "Option2(2)")->isChecked());
    QVERIFY(dans<QCheckBox>(f6, "Check1(2)")->isChecked());
    QCOMPARE(racine.lire(travail::noms::contrainte), QByteArray());
}

void TestFenetresContraintes::fermersaisie()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({A}));
    QTest::keyClicks(liste(ouvrirliste()), QStringLiteral("a"));
    QWidget *f6 = visible("Form6");
    QTest::mouseClick(dans<QRadioButton>(f6, "Option1(0)"), Qt::LeftButton);
    QTest::mouseClick(dans<QRadioButton>(f6, "Option2(1)"), Qt::LeftButton);
    QTest::mouseClick(dans<QCheckBox>(f6, "Check1(0)"), Qt::LeftButton);
    f6->close();
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier({A}));
    QWidget *f5 = visible("Form5");
    QVERIFY(f5);
    QCOMPARE(dans<QLabel>(f5, "Label1")->text(),
             QStringLiteral("3856  quinté(s) possible(s) sans tenir compte de l'ordre, soit 462720 quinté(s) en tout."));

    // With the generator still open from the main menu, saving regenerates it all the same.
    QTest::mouseClick(dans<QPushButton>(f5, "Command2"), Qt::LeftButton);
    QTest::keyClicks(liste(visible("contraintes")), QStringLiteral("a"));
    ouvrirgenerateur();
    QCOMPARE(dans<QLabel>(f5, "Label2")->text(), QStringLiteral(" Une seule contrainte"));
    QTest::mouseClick(dans<QRadioButton>(f6, "Option1(0)"), Qt::LeftButton);
    QTest::mouseClick(dans<QRadioButton>(f6, "Option2(1)"), Qt::LeftButton);
    QTest::mouseClick(dans<QCheckBox>(f6, "Check1(6)"), Qt::LeftButton);
    QTest::keyClick(f6, Qt::Key_Return);
    QVERIFY(!visible("Form6"));
    QCOMPARE(dans<QLabel>(f5, "Label2")->text(), QStringLiteral("2  contraintes"));
}

QTEST_MAIN(TestFenetresContraintes)
#include "tst_fenetrescontraintes.moc"
