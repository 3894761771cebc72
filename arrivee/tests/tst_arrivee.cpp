// The window "arrivée et gains", driven as the user does: the menu, the fields, the keys,
// the refusals, the list and the labels, the file of the last race, the listing.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "travail/depot.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using essais::dans;
using essais::visible;
using travail::Jeu;

namespace {

QByteArray jeu(const QString &type, float mult, bool dtlo, const QList<int> &numeros)
{
    Jeu j;
    j.typedejeu = type;
    j.mult = mult;
    j.dtlo = dtlo;
    j.chevaux[0] = static_cast<qint16>(numeros.size());
    for (int i = 0; i < numeros.size(); ++i)
        j.chevaux[i + 1] = static_cast<qint16>(numeros[i]);
    return travail::enregistrement(j);
}

QWidget *ouvrir()
{
    form1().ouvrir();
    form1().findChild<QAction *>(u"gainsmn"_s)->trigger();
    return visible("arrivee");
}

QLineEdit *cheval(QWidget *f, int i) { return dans<QLineEdit>(f, u"Text1(%1)"_s.arg(i)); }
QLineEdit *rapport(QWidget *f, int i) { return dans<QLineEdit>(f, u"Text3(%1)"_s.arg(i)); }

void taper(QLineEdit *champ, const QString &texte)
{
    champ->setFocus();
    champ->selectAll();
    QTest::keyClick(champ, Qt::Key_Backspace);
    QTest::keyClicks(champ, texte);
}

// The race of the example: 3 7 12 1 15, payouts quinté ordre 10000 and désordre 53,5.
void exemple(QWidget *f)
{
    const QStringList arrivee = {u"3"_s, u"7"_s, u"12"_s, u"1"_s, u"15"_s};
    for (int i = 1; i <= 5; ++i)
        taper(cheval(f, i), arrivee[i - 1]);
    taper(rapport(f, 5), u"10000"_s);
    taper(rapport(f, 6), u"53,5"_s);
}

QStringList lignes(QWidget *f)
{
    auto *l = dans<QListWidget>(f, u"List1"_s);
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

const QString ligneexemple = u"jeu 1 : quinté 3 7 12 1 15 : 1 ordre, 119 désordre : 16366,5 €"_s;
const QString label1exemple = u"mises : 240 € ; gains : 16366,5 € ; solde : 16126,5 €"_s;

const QByteArray fichierexemple = essais::lignes({"3", "7", "12", "1", "15", "0", "0", "0", "0", "0", "0", "10000", "53.5", "0",
                                                  "0", "0"});

} // namespace

class TstArrivee : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void controles();
    void exemple();
    void touches();
    void refus_data();
    void refus();
    void dernierearrivee();
    void fichierendommage();
    void jeuxmodifies();
    void impression();
};

void TstArrivee::controles()
{
    essais::Racine racine;
    QWidget *f = ouvrir();
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), u"arrivée et gains"_s);
    const QStringList places = {u"1er"_s, u"2e"_s, u"3e"_s, u"4e"_s, u"5e"_s};
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(dans<QLabel>(f, u"Label3(%1)"_s.arg(i))->text(), places[i - 1]);
        QCOMPARE(cheval(f, i)->accessibleName(), places[i - 1]);
    }
    QCOMPARE(dans<QLineEdit>(f, u"Text2"_s)->accessibleName(), u"non-partants"_s);
    QCOMPARE(dans<QLabel>(f, u"Label4"_s)->text(), u"non-partants"_s);
    const QStringList noms = {u"tiercé ordre"_s,    u"tiercé désordre"_s, u"quarté ordre"_s,   u"quarté désordre"_s,
                              u"quarté bonus"_s,    u"quinté ordre"_s,    u"quinté désordre"_s, u"quinté bonus 4"_s,
                              u"quinté bonus 4 sur 5"_s, u"quinté bonus 3"_s};
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(dans<QLabel>(f, u"Label5(%1)"_s.arg(i))->text(), noms[i]);
        QCOMPARE(rapport(f, i)->accessibleName(), u"rapport "_s + noms[i]);
    }
    QCOMPARE(dans<QPushButton>(f, u"Command1"_s)->text(), u"(c) Contrôler"_s);
    QCOMPARE(dans<QPushButton>(f, u"Command2"_s)->text(), u"(i) Imprimer"_s);
    QCOMPARE(dans<QPushButton>(f, u"Command3"_s)->text(), u"(q) Quitter"_s);
    QVERIFY(dans<QPushButton>(f, u"Command1"_s)->isDefault());
    QCOMPARE(f->focusWidget(), cheval(f, 1));
    // No race typed yet: empty fields, nothing written.
    QVERIFY(cheval(f, 1)->text().isEmpty());
    QVERIFY(!racine.existe(travail::noms::arrivee));
}

void TstArrivee::exemple()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}));
    QWidget *f = ouvrir();
    ::exemple(f);
    // Enter in a field presses "(c)".
    QTest::keyClick(rapport(f, 6), Qt::Key_Return);
    QVERIFY(repondeur.questions.isEmpty());
    QCOMPARE(lignes(f), QStringList{ligneexemple});
    QCOMPARE(dans<QLabel>(f, u"Label1"_s)->text(), label1exemple);
    QCOMPARE(dans<QLabel>(f, u"Label2"_s)->text(), u"1 jeu gagnant"_s);
    QCOMPARE(racine.lire(travail::noms::arrivee), fichierexemple);
    QVERIFY(!racine.existe(travail::noms::tampon));
    QVERIFY(visible("arrivee"));
}

void TstArrivee::touches()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}));
    QWidget *f = ouvrir();
    ::exemple(f);
    // In a field, the letters of the commands are typed there.
    QTest::keyClicks(cheval(f, 1), u"ciq"_s);
    QCOMPARE(cheval(f, 1)->text(), u"3ciq"_s);
    QVERIFY(lignes(f).isEmpty());
    QVERIFY(visible("arrivee"));
    taper(cheval(f, 1), u"3"_s);
    QTest::keyClicks(dans<QLineEdit>(f, u"Text2"_s), u"q"_s);
    QCOMPARE(dans<QLineEdit>(f, u"Text2"_s)->text(), u"q"_s);
    taper(dans<QLineEdit>(f, u"Text2"_s), {});
    // Elsewhere they are the commands.
    auto *liste = dans<QListWidget>(f, u"List1"_s);
    liste->setFocus();
    QTest::keyClicks(liste, u"c"_s);
    QCOMPARE(lignes(f), QStringList{ligneexemple});
    QVERIFY(repondeur.questions.isEmpty());
    QTest::keyClicks(liste, u"q"_s);
    QVERIFY(!visible("arrivee"));
    // Escape in a field closes the window.
    f = ouvrir();
    QTest::keyClick(cheval(f, 2), Qt::Key_Escape);
    QVERIFY(!visible("arrivee"));
}

void TstArrivee::refus_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("message");
    QTest::newRow("1er vide") << "Text1(1)" << "" << "Le cheval arrivé 1er manque : tapez son numéro, de 1 à 20.";
    QTest::newRow("3e hors limites") << "Text1(3)" << "25" << "Le cheval arrivé 3e « 25 » n'est pas un numéro de cheval de 1 à 20.";
    QTest::newRow("2e en lettres") << "Text1(2)" << "sept" << "Le cheval arrivé 2e « sept » n'est pas un numéro de cheval de 1 à 20.";
    QTest::newRow("5e décimal") << "Text1(5)" << "1,5" << "Le cheval arrivé 5e « 1,5 » n'est pas un numéro de cheval de 1 à 20.";
    QTest::newRow("4e répété") << "Text1(4)" << "3"
                               << "Le cheval arrivé 4e « 3 » est déjà arrivé 1er : les cinq chevaux de l'arrivée doivent être différents.";
    QTest::newRow("non-partant en lettres") << "Text2" << "4 x"
                                            << "Les non-partants : « x » n'est pas un numéro de cheval de 1 à 20 "
                                               "(séparez les numéros par des blancs ou des virgules).";
    QTest::newRow("non-partant 21") << "Text2" << "4,21" << "Les non-partants : « 21 » n'est pas un numéro de cheval de 1 à 20 "
                                                          "(séparez les numéros par des blancs ou des virgules).";
    QTest::newRow("non-partant à l'arrivée") << "Text2" << "4 7"
                                             << "Les non-partants : le cheval 7 ne peut pas être non-partant, il est arrivé 2e.";
    QTest::newRow("rapport en lettres") << "Text3(0)" << "abc"
                                        << "Le rapport tiercé ordre « abc » n'est pas un nombre (par exemple 53,5 ou 1200).";
    QTest::newRow("rapport à deux séparateurs") << "Text3(8)" << "1,2,3"
                                                << "Le rapport quinté bonus 4 sur 5 « 1,2,3 » n'est pas un nombre (par exemple 53,5 ou 1200).";
    QTest::newRow("rapport négatif") << "Text3(9)" << "-1" << "Le rapport quinté bonus 3 « -1 » ne peut pas être négatif.";
}

void TstArrivee::refus()
{
    QFETCH(QString, champ);
    QFETCH(QString, valeur);
    QFETCH(QString, message);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}));
    QWidget *f = ouvrir();
    ::exemple(f);
    QLineEdit *c = dans<QLineEdit>(f, champ);
    taper(c, valeur);
    QTest::mouseClick(dans<QPushButton>(f, u"Command1"_s), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 1);
    QCOMPARE(repondeur.questions[0].texte, message);
    QCOMPARE(repondeur.questions[0].icone, dialogue::Icone::attention);
    QCOMPARE(f->focusWidget(), c);
    QVERIFY(lignes(f).isEmpty());
    QVERIFY(!racine.existe(travail::noms::arrivee));
}

void TstArrivee::dernierearrivee()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QWidget *f = ouvrir();
    ::exemple(f);
    // Repeated non-runners are kept once, in increasing order.
    taper(dans<QLineEdit>(f, u"Text2"_s), u"9, 4  9"_s);
    taper(rapport(f, 0), u"150.5"_s);
    QTest::mouseClick(dans<QPushButton>(f, u"Command1"_s), Qt::LeftButton);
    QVERIFY(repondeur.questions.isEmpty());
    // No bet saved: nothing listed, nothing staked.
    QVERIFY(lignes(f).isEmpty());
    QCOMPARE(dans<QLabel>(f, u"Label1"_s)->text(), u"mises : 0 € ; gains : 0 € ; solde : 0 €"_s);
    QCOMPARE(dans<QLabel>(f, u"Label2"_s)->text(), u"aucun jeu gagnant"_s);
    QCOMPARE(racine.lire(travail::noms::arrivee),
             essais::lignes({"3", "7", "12", "1", "15", "2", "4", "9", "150.5", "0", "0", "0", "0", "10000", "53.5", "0", "0", "0"}));

    // Opened again, the window shows the last race, in the user's form; the list waits for "(c)".
    QTest::mouseClick(dans<QPushButton>(f, u"Command3"_s), Qt::LeftButton);
    QVERIFY(!visible("arrivee"));
    f = ouvrir();
    const QStringList attendus = {u"3"_s, u"7"_s, u"12"_s, u"1"_s, u"15"_s};
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(cheval(f, i)->text(), attendus[i - 1]);
    QCOMPARE(dans<QLineEdit>(f, u"Text2"_s)->text(), u"4 9"_s);
    QCOMPARE(rapport(f, 0)->text(), u"150,5"_s);
    QCOMPARE(rapport(f, 6)->text(), u"53,5"_s);
    QCOMPARE(rapport(f, 9)->text(), u"0"_s);
    QVERIFY(lignes(f).isEmpty());
    QVERIFY(dans<QLabel>(f, u"Label1"_s)->text().isEmpty());
}

void TstArrivee::fichierendommage()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray abime = essais::lignes({"3", "7", "12", "25", "15"});
    racine.ecrire(travail::noms::arrivee, abime);
    QWidget *f = ouvrir();
    QCOMPARE(repondeur.questions.size(), 1);
    const QString &t = repondeur.questions[0].texte;
    QVERIFY2(t.contains(u"« %1 » est endommagé à la ligne 4 : le cheval arrivé 4e (25)"_s
                            .arg(QDir::toNativeSeparators(racine.chemin(travail::noms::arrivee)))),
             qPrintable(t));
    // What could be read is shown; the file stays as it is.
    QCOMPARE(cheval(f, 3)->text(), u"12"_s);
    QVERIFY(cheval(f, 4)->text().isEmpty());
    QCOMPARE(racine.lire(travail::noms::arrivee), abime);

    // A damaged saved bet is told, the others are checked with their numbers in the file.
    racine.ecrire(travail::noms::fichier, jeu(u"tiercé"_s, 1, false, {2, 4, 6}) + essais::lignes({"\"trio\"", "1", "#FALSE#", "3", "3",
                                                                                                  "7", "12", "0", "0", "0", "0", "0"}) +
                                                jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}));
    ::exemple(f);
    repondeur.questions.clear();
    QTest::mouseClick(dans<QPushButton>(f, u"Command1"_s), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(u"Jeu n° 2, ligne 13"_s), qPrintable(repondeur.questions[0].texte));
    QCOMPARE(lignes(f), QStringList{u"jeu 3 : quinté 3 7 12 1 15 : 1 ordre, 119 désordre : 16366,5 €"_s});
    QCOMPARE(dans<QLabel>(f, u"Label1"_s)->text(), u"mises : 241 € ; gains : 16366,5 € ; solde : 16125,5 €"_s);
    QCOMPARE(racine.lire(travail::noms::arrivee), fichierexemple);
}

void TstArrivee::jeuxmodifies()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QWidget *f = ouvrir();
    ::exemple(f);
    QTest::mouseClick(dans<QPushButton>(f, u"Command1"_s), Qt::LeftButton);
    QVERIFY(lignes(f).isEmpty());
    // A bet saved meanwhile: the list follows the file.
    racine.ecrire(travail::noms::fichier, jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}));
    travail::depot().annoncerjeux();
    QCOMPARE(lignes(f), QStringList{ligneexemple});
    QCOMPARE(dans<QLabel>(f, u"Label1"_s)->text(), label1exemple);
}

void TstArrivee::impression()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    QWidget *f = ouvrir();
    // Nothing listed yet: a beep, nothing printed.
    QTest::mouseClick(dans<QPushButton>(f, u"Command2"_s), Qt::LeftButton);
    QCOMPARE(repondeur.bips, 1);
    QVERIFY(imprimante.enregistreuse.operations.isEmpty());

    racine.ecrire(travail::noms::fichier, jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}) + jeu(u"tiercé"_s, 1, false, {2, 4, 6}));
    ::exemple(f);
    QTest::mouseClick(dans<QPushButton>(f, u"Command1"_s), Qt::LeftButton);
    dans<QListWidget>(f, u"List1"_s)->setFocus();
    QTest::keyClicks(dans<QListWidget>(f, u"List1"_s), u"i"_s);
    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), 1);
    QStringList textes;
    for (const auto &op : documents[0])
        textes << op.texte;
    QStringList attendu = ticket::entete();
    attendu << ligneexemple << u"mises : 241 € ; gains : 16366,5 € ; solde : 16125,5 €"_s << u"1 jeu gagnant"_s << ticket::piedpage();
    QCOMPARE(textes, attendu);
    QCOMPARE(repondeur.bips, 1);

    // A printer that refuses: told in French, nothing printed half.
    imprimante.enregistreuse.refus = u"L'imprimante est hors ligne."_s;
    QTest::mouseClick(dans<QPushButton>(f, u"Command2"_s), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.startsWith(u"La liste des gains n'a pas pu être imprimée."_s));
    QVERIFY(repondeur.questions[0].texte.contains(u"L'imprimante est hors ligne."_s));
    QCOMPARE(imprimante.enregistreuse.documents().size(), 1);
}

QTEST_MAIN(TstArrivee)
#include "tst_arrivee.moc"
