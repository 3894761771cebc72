// The constraint record, its file and its description.

#include "essais/essais.h"
#include "quintes/tests/fabrique.h"
#include "quintes/contrainte.h"
#include "travail/fichierdetravail.h"

#include <QTest>

#include <optional>

using quintes::Contrainte;

Q_DECLARE_METATYPE(Contrainte)

using fabrique::contrainte;
using fabrique::fichier;

namespace {

const Contrainte A = contrainte(2, true, {3, 4, 5, 6});
const Contrainte B = contrainte(0, false, {1, 2});
const Contrainte C = contrainte(1, true, {20});

} // namespace

class TestContrainte : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }

    void description_data();
    void description();
    void enregistrementexact();
    void ajouteetrelit();
    void retire_data();
    void retire();
    void retiregardelesoctets();
    void endommage_data();
    void endommage();
    void retireendommagee();
    void vide();
    void absurde_data();
    void absurde();
};

void TestContrainte::description_data()
{
    QTest::addColumn<Contrainte>("c");
    QTest::addColumn<QString>("texte");
    QTest::newRow("2 au moins") << A << "2 chevaux  au moins dans :     3     4     5     6";
    QTest::newRow("0 au plus") << B << "pas de chevaux  dans :     1     2";
    QTest::newRow("1 au plus") << contrainte(1, false, {7}) << " 1  cheval au plus dans :     7";
    QTest::newRow("1 au moins") << C << " 1  cheval au moins dans :     20";
    QTest::newRow("5 au moins") << contrainte(5, true, {1, 2, 3, 4, 5, 6}) << "5 chevaux  dans :     1     2     3     4     5     6";
    QTest::newRow("3 au plus") << contrainte(3, false, {10, 11, 12, 13, 14})
                               << "3 chevaux  au plus dans :     10     11     12     13     14";
    QTest::newRow("ensemble vide") << contrainte(2, true, {}) << "2 chevaux  au moins dans :";
    QTest::newRow("5 sans direction") << contrainte(5, false, {1}) << "5 chevaux  dans :     1";
    QTest::newRow("0 sans direction") << contrainte(0, true, {1}) << "pas de chevaux  dans :     1";
    QTest::newRow("au-delà de 5") << contrainte(12, true, {9}) << "12 chevaux  dans :     9";
}

void TestContrainte::description()
{
    QFETCH(Contrainte, c);
    QFETCH(QString, texte);
    QCOMPARE(quintes::decrirecontrainte(c), texte);
}

void TestContrainte::enregistrementexact()
{
    // The help example: "2", horses 1 and 2 out, 3 to 6 in, 7 to 20 out, "au moins".
    QByteArray attendu = essais::lignes({"2", "#FALSE#", "#FALSE#", "#TRUE#", "#TRUE#", "#TRUE#", "#TRUE#"});
    for (int h = 7; h <= 20; ++h)
        attendu += "#FALSE#\r\n";
    attendu += "#TRUE#\r\n";
    QCOMPARE(quintes::enregistrement(A), attendu);
    QCOMPARE(attendu.count('\n'), 22);
}

void TestContrainte::ajouteetrelit()
{
    essais::Racine racine;
    const QString chemin = travail::chemin(travail::noms::contrainte);
    QVERIFY(!racine.existe(travail::noms::contrainte));
    QVERIFY(quintes::ajoutecontrainte(chemin, A).ok());
    QCOMPARE(racine.lire(travail::noms::contrainte), quintes::enregistrement(A));
    QVERIFY(quintes::ajoutecontrainte(chemin, C).ok());

    const quintes::LectureContraintes lues = quintes::lirecontraintes(chemin);
    QVERIFY(lues.intact());
    QCOMPARE(lues.contraintes, (QList<Contrainte>{A, C}));
    QCOMPARE(lues.positions, (QList<qint64>{1, 2}));
    QCOMPARE(lues.message(chemin), QString());
    QCOMPARE(racine.lire(travail::noms::contrainte).count('\n'), 44);
}

void TestContrainte::retire_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<std::optional<Contrainte>>("retiree");
    QTest::addColumn<QByteArray>("reste");
    QTest::newRow("premiere") << 1 << std::optional<Contrainte>(A) << fichier({B, C});
    QTest::newRow("milieu") << 2 << std::optional<Contrainte>(B) << fichier({A, C});
    QTest::newRow("derniere") << 3 << std::optional<Contrainte>(C) << fichier({A, B});
    QTest::newRow("absente") << 4 << std::optional<Contrainte>() << fichier({A, B, C});
    QTest::newRow("zero") << 0 << std::optional<Contrainte>() << fichier({A, B, C});
}

void TestContrainte::retire()
{
    QFETCH(int, k);
    QFETCH(std::optional<Contrainte>, retiree);
    QFETCH(QByteArray, reste);
    essais::Racine racine;
    racine.ecrire(travail::noms::contrainte, fichier({A, B, C}));
    std::optional<Contrainte> r = Contrainte{};
    QVERIFY(quintes::retirecontrainte(travail::chemin(travail::noms::contrainte), travail::chemin(travail::noms::tampon), k, r).ok());
    QCOMPARE(r, retiree);
    QCOMPARE(racine.lire(travail::noms::contrainte), reste);
    QVERIFY(!racine.existe(travail::noms::tampon));
}

void TestContrainte::retiregardelesoctets()
{
    // Records the program reads but would not write this way (blanks, values on one line,
    // a damaged record) come back untouched when another record is removed.
    essais::Racine racine;
    QByteArray bizarre = " 3\r\n";
    for (int h = 1; h <= 20; ++h)
        bizarre += h <= 4 ? "#TRUE#," : "#FALSE#,";
    bizarre += "#FALSE#\r\n";
    QByteArray abime = quintes::enregistrement(B);
    abime.replace("#TRUE#", "oui");
    racine.ecrire(travail::noms::contrainte, bizarre + abime + fichier({C, A}));

    std::optional<Contrainte> r;
    QVERIFY(quintes::retirecontrainte(travail::chemin(travail::noms::contrainte), travail::chemin(travail::noms::tampon), 3, r).ok());
    QCOMPARE(r, std::optional<Contrainte>(C));
    QCOMPARE(racine.lire(travail::noms::contrainte), bizarre + abime + fichier({A}));
    const quintes::LectureContraintes lues = quintes::lirecontraintes(racine.lire(travail::noms::contrainte));
    QCOMPARE(lues.contraintes, (QList<Contrainte>{contrainte(3, false, {1, 2, 3, 4}), A}));
    QCOMPARE(lues.positions, (QList<qint64>{1, 3}));
}

void TestContrainte::endommage_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QList<Contrainte>>("lisibles");
    QTest::addColumn<QList<qint64>>("positions");
    QTest::addColumn<int>("ligne");

    const QByteArray a = quintes::enregistrement(A), b = quintes::enregistrement(B), c = quintes::enregistrement(C);
    QTest::newRow("coupé court") << a + b.left(b.indexOf("#TRUE#")) << QList<Contrainte>{A} << QList<qint64>{1} << 24;
    QByteArray mot = b;
    mot.replace(mot.indexOf("#TRUE#"), 6, "vrai");
    QTest::newRow("pas un booléen") << a + mot + c << QList<Contrainte>{A, C} << QList<qint64>{1, 3} << 24;
    QTest::newRow("nombre hors d'un octet") << QByteArray("300\r\n") + b.mid(b.indexOf('\n') + 1) + c
                                            << QList<Contrainte>{C} << QList<qint64>{2} << 1;
    QTest::newRow("nombre illisible") << a + c + QByteArray("deux\r\n") + a.mid(a.indexOf('\n') + 1)
                                      << QList<Contrainte>{A, C} << QList<qint64>{1, 2} << 45;
    QTest::newRow("ligne vide finale") << a + "\r\n" << QList<Contrainte>{A} << QList<qint64>{1} << 23;
}

void TestContrainte::endommage()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QList<Contrainte>, lisibles);
    QFETCH(QList<qint64>, positions);
    QFETCH(int, ligne);
    const quintes::LectureContraintes lues = quintes::lirecontraintes(contenu);
    QVERIFY(!lues.intact());
    QCOMPARE(lues.contraintes, lisibles);
    QCOMPARE(lues.positions, positions);
    QCOMPARE(lues.dommages.first().ligne, ligne);
    const QString message = lues.message(QStringLiteral("/racine/contrainte.txt"));
    QVERIFY2(message.contains(QStringLiteral("contraintes « /racine/contrainte.txt » est endommagé")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("ligne %1").arg(ligne)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Seules les %1 contrainte(s) lisible(s)").arg(lisibles.size())), qPrintable(message));
}

void TestContrainte::retireendommagee()
{
    // The damaged record cannot be handed back: nothing is removed.
    essais::Racine racine;
    QByteArray abime = quintes::enregistrement(B);
    abime.replace("#TRUE#", "oui");
    const QByteArray avant = fichier({A}) + abime + fichier({C});
    racine.ecrire(travail::noms::contrainte, avant);
    std::optional<Contrainte> r;
    const travail::Resultat res =
        quintes::retirecontrainte(travail::chemin(travail::noms::contrainte), travail::chemin(travail::noms::tampon), 2, r);
    QVERIFY(!res.ok());
    QVERIFY(res.erreur.contains(QStringLiteral("n'a pas été supprimée")));
    QVERIFY(!r);
    QCOMPARE(racine.lire(travail::noms::contrainte), avant);
}

void TestContrainte::vide()
{
    essais::Racine racine;
    const QString chemin = travail::chemin(travail::noms::contrainte);
    QVERIFY(quintes::videcontraintes(chemin).ok());
    QVERIFY(racine.existe(travail::noms::contrainte));
    racine.ecrire(travail::noms::contrainte, fichier({A, B}));
    QVERIFY(quintes::videcontraintes(chemin).ok());
    QVERIFY(racine.existe(travail::noms::contrainte));
    QCOMPARE(racine.lire(travail::noms::contrainte), QByteArray());
    QVERIFY(quintes::lirecontraintes(chemin).contraintes.isEmpty());
}

void TestContrainte::absurde_data()
{
    QTest::addColumn<Contrainte>("c");
    QTest::addColumn<bool>("refusee");
    QTest::newRow("fenêtre neuve") << contrainte(0, false, {}) << true;
    QTest::newRow("au moins 1 dans {7}") << contrainte(1, true, {7}) << false;
    QTest::newRow("au plus 0 dans {1;2}") << contrainte(0, false, {1, 2}) << false;
    QTest::newRow("au plus 2 dans {3;4}") << contrainte(2, false, {3, 4}) << true;
    QTest::newRow("au plus 3 dans {1;2}") << contrainte(3, false, {1, 2}) << true;
    QTest::newRow("au moins 3 dans {1;2}") << contrainte(3, true, {1, 2}) << true;
    QTest::newRow("au moins 0") << contrainte(0, true, {1, 2, 3}) << true;
    QTest::newRow("au plus 5") << contrainte(5, false, {1, 2, 3, 4, 5, 6, 7}) << true;
    QTest::newRow("au moins 5 dans 1 à 5") << contrainte(5, true, {1, 2, 3, 4, 5}) << true;
    QTest::newRow("au moins 5 dans 1 à 6") << contrainte(5, true, {1, 2, 3, 4, 5, 6}) << false;
    QTest::newRow("exemple de l'aide") << A << false;
    QTest::newRow("au plus 4 dans cinq") << contrainte(4, false, {1, 2, 3, 4, 5}) << false;
    QTest::newRow("au moins 2 sans cheval") << contrainte(2, true, {}) << true;
}

void TestContrainte::absurde()
{
    QFETCH(Contrainte, c);
    QFETCH(bool, refusee);
    QCOMPARE(quintes::absurde(c), refusee);
}

QTEST_MAIN(TestContrainte)
#include "tst_contrainte.moc"
