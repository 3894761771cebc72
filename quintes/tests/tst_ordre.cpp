// The ranking of the twenty horses and its application to the unordered quintés.

#include "essais/essais.h"
#include "quintes/ordre.h"

#include <QTest>

#include <algorithm>
#include <numeric>

using quintes::Classement;
using quintes::Combinaison;

namespace {

// "7 3 12 C CC A AA": horse numbers are picks; A and AA draw with the given generator.
QString jouer(Classement &c, const QString &commandes, QRandomGenerator &hasard)
{
    QString acceptes;
    for (const QString &mot : commandes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok;
        if (mot == QLatin1String("C"))
            ok = c.annuler();
        else if (mot == QLatin1String("CC"))
            ok = c.annulertout();
        else if (mot == QLatin1String("A"))
            ok = c.alea(hasard);
        else if (mot == QLatin1String("AA"))
            ok = c.aleareste(hasard);
        else
            ok = c.choisir(static_cast<qint16>(mot.toInt()));
        acceptes += ok ? QLatin1Char('1') : QLatin1Char('0');
    }
    return acceptes;
}

QList<qint16> rangs(const Classement &c)
{
    QList<qint16> r;
    for (int i = 1; i <= 20; ++i)
        r.append(c.ordre(i));
    return r;
}

QString suite(int de, int a)
{
    QStringList l;
    for (int i = de; de <= a ? i <= a : i >= a; i += de <= a ? 1 : -1)
        l << QString::number(i);
    return l.join(QLatin1Char(' '));
}

Classement classementde(const QList<int> &chevaux)
{
    Classement c;
    for (int h : chevaux)
        c.choisir(static_cast<qint16>(h));
    return c;
}

QByteArray fichierde(const QList<Combinaison> &l)
{
    QByteArray r;
    for (const Combinaison &c : l)
        r += quintes::enregistrement(c);
    return r;
}

QList<Combinaison> toutes()
{
    QList<Combinaison> l;
    for (qint16 a = 1; a <= 16; ++a)
        for (qint16 b = a + 1; b <= 17; ++b)
            for (qint16 c = b + 1; c <= 18; ++c)
                for (qint16 d = c + 1; d <= 19; ++d)
                    for (qint16 e = d + 1; e <= 20; ++e)
                        l.append({a, b, c, d, e});
    return l;
}

// The example ranking 7, 3, 12, 1, 20, 5, then the other horses in increasing order.
QList<int> exemple()
{
    QList<int> r{7, 3, 12, 1, 20, 5};
    for (int h = 1; h <= 20; ++h)
        if (!r.contains(h))
            r.append(h);
    return r;
}

} // namespace

class TstOrdre : public QObject
{
    Q_OBJECT
private slots:
    void commandes_data();
    void commandes();
    void aleauniforme();
    void aleareste_data();
    void aleareste();
    void fini_data();
    void fini();
    void finiremplace();
    void finirefuse_data();
    void finirefuse();
};

void TstOrdre::commandes_data()
{
    QTest::addColumn<QString>("commandes");
    QTest::addColumn<QString>("acceptes");   // 1 for a command that acted, 0 for one ignored
    QTest::addColumn<QString>("ordre");      // ranks 1, 2, ... that hold a horse

    QTest::newRow("vide") << "" << "" << "";
    QTest::newRow("7 3 12 puis C") << "7 3 12 C" << "1111" << "7 3";
    QTest::newRow("C sans cheval classé") << "C" << "0" << "";
    QTest::newRow("CC sans cheval classé") << "CC" << "0" << "";
    QTest::newRow("CC avec un cheval") << "5 CC" << "11" << "";
    QTest::newRow("CC puis reprise") << "5 6 7 CC 9" << "11111" << "9";
    QTest::newRow("cheval déjà classé") << "7 3 7" << "110" << "7 3";
    QTest::newRow("numéros hors de 1 à 20") << "0 21 -1 4" << "0001" << "4";
    QTest::newRow("C jusqu'au vide") << "1 2 3 C C C C" << "1111110" << "";
    QTest::newRow("A sur le dernier cheval libre") << suite(1, 19) + " A" << QString(20, QLatin1Char('1')) << suite(1, 20);
    QTest::newRow("tout classé: rien de plus") << suite(20, 1) + " A AA 5"
                                             << QString(20, QLatin1Char('1')) + "000" << suite(20, 1);
    QTest::newRow("tout classé puis C") << suite(20, 1) + " C 1" << QString(22, QLatin1Char('1')) << suite(20, 1);
}

void TstOrdre::commandes()
{
    QFETCH(QString, commandes);
    QFETCH(QString, acceptes);
    QFETCH(QString, ordre);

    Classement c;
    QRandomGenerator hasard(1);
    QCOMPARE(jouer(c, commandes, hasard), acceptes);

    QList<qint16> attendu;
    for (const QString &h : ordre.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        attendu.append(static_cast<qint16>(h.toInt()));
    QCOMPARE(c.prochainrang(), attendu.size() + 1);
    QCOMPARE(c.complet(), attendu.size() == 20);
    while (attendu.size() < 20)
        attendu.append(0);
    QCOMPARE(rangs(c), attendu);
    for (qint16 h = 1; h <= 20; ++h)
        QCOMPARE(c.classe(h), attendu.contains(h));
}

// Every free horse has the same chance, and a ranked one none.
void TstOrdre::aleauniforme()
{
    QRandomGenerator hasard(20240607);
    const int tirages = 20000;
    std::array<int, 21> vides{};
    for (int t = 0; t < tirages; ++t) {
        Classement c;
        QVERIFY(c.alea(hasard));
        QCOMPARE(c.prochainrang(), 2);
        ++vides[c.ordre(1)];
    }
    for (int h = 1; h <= 20; ++h)   // 1000 expected, about 31 of standard deviation
        QVERIFY2(vides[h] > 850 && vides[h] < 1150, qPrintable(QStringLiteral("cheval %1 tiré %2 fois").arg(h).arg(vides[h])));

    // Only horses 4 and 17 left free.
    QList<int> sauf;
    for (int h = 1; h <= 20; ++h)
        if (h != 4 && h != 17)
            sauf.append(h);
    int quatre = 0;
    for (int t = 0; t < 2000; ++t) {
        Classement c = classementde(sauf);
        QVERIFY(c.alea(hasard));
        QVERIFY(c.ordre(19) == 4 || c.ordre(19) == 17);
        quatre += c.ordre(19) == 4;
    }
    QVERIFY2(quatre > 900 && quatre < 1100, qPrintable(QString::number(quatre)));
}

void TstOrdre::aleareste_data()
{
    QTest::addColumn<QList<int>>("amain");
    QTest::newRow("classement vide") << QList<int>{};
    QTest::newRow("après cinq chevaux") << QList<int>{7, 3, 12, 1, 20};
    QTest::newRow("après dix-sept chevaux") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
}

void TstOrdre::aleareste()
{
    QFETCH(QList<int>, amain);
    QRandomGenerator hasard(7);
    Classement c = classementde(amain);
    QVERIFY(c.aleareste(hasard));
    QVERIFY(c.complet());
    QList<qint16> r = rangs(c);
    for (int i = 0; i < amain.size(); ++i)
        QCOMPARE(r[i], amain[i]);
    std::sort(r.begin(), r.end());
    QList<qint16> un_a_vingt(20);
    std::iota(un_a_vingt.begin(), un_a_vingt.end(), qint16(1));
    QCOMPARE(r, un_a_vingt);

    // The same seed draws the same ranking; another seed, for 15 free horses or more, another one.
    QRandomGenerator meme(7);
    Classement d = classementde(amain);
    d.aleareste(meme);
    QCOMPARE(rangs(d), rangs(c));
    if (amain.size() <= 5) {
        QRandomGenerator autre(8);
        Classement e = classementde(amain);
        e.aleareste(autre);
        QVERIFY(rangs(e) != rangs(c));
    }
}

void TstOrdre::fini_data()
{
    QTest::addColumn<QList<int>>("classement");
    QTest::addColumn<QByteArray>("quinte");
    QTest::addColumn<QByteArray>("attendu");

    const QList<Combinaison> tout = toutes();
    QList<Combinaison> inverses;
    for (Combinaison c : tout) {
        std::reverse(c.begin(), c.end());
        inverses.append(c);
    }
    QList<int> identite(20);
    std::iota(identite.begin(), identite.end(), 1);
    QList<int> inverse(identite.rbegin(), identite.rend());

    QTest::newRow("identité, 15504 combinaisons") << identite << fichierde(tout) << fichierde(tout);
    QTest::newRow("inverse, 15504 combinaisons") << inverse << fichierde(tout) << fichierde(inverses);
    QTest::newRow("exemple 7, 3, 12, 1, 20, 5")
        << exemple()
        << fichierde({{1, 3, 5, 7, 12}, {1, 2, 3, 4, 5}, {16, 17, 18, 19, 20}, {1, 3, 5, 7, 12}})
        << essais::lignes({"7", "3", "12", "1", "5", "3", "1", "5", "2", "4", "20", "16", "17", "18", "19",
                           "7", "3", "12", "1", "5"});
    QTest::newRow("fichier vide") << exemple() << QByteArray() << QByteArray();
}

void TstOrdre::fini()
{
    QFETCH(QList<int>, classement);
    QFETCH(QByteArray, quinte);
    QFETCH(QByteArray, attendu);
    essais::Racine racine;
    racine.ecrire(travail::noms::quinte, quinte);

    const travail::Resultat r = quintes::fini(classementde(classement), racine.chemin(travail::noms::quinte),
                                              racine.chemin(travail::noms::quinteo));
    QVERIFY2(r.ok(), qPrintable(r.erreur));
    QCOMPARE(racine.lire(travail::noms::quinteo), attendu);
    QCOMPARE(racine.lire(travail::noms::quinte), quinte);
}

// A second application replaces the ordered file whole; a missing unordered file reads as empty.
void TstOrdre::finiremplace()
{
    essais::Racine racine;
    const QString quinte = racine.chemin(travail::noms::quinte);
    const QString quinteo = racine.chemin(travail::noms::quinteo);
    const QByteArray sansordre = fichierde({{1, 3, 5, 7, 12}});
    racine.ecrire(travail::noms::quinte, sansordre);

    QVERIFY(quintes::fini(classementde(exemple()), quinte, quinteo).ok());
    QCOMPARE(racine.lire(travail::noms::quinteo), essais::lignes({"7", "3", "12", "1", "5"}));
    QList<int> identite(20);
    std::iota(identite.begin(), identite.end(), 1);
    QVERIFY(quintes::fini(classementde(identite), quinte, quinteo).ok());
    QCOMPARE(racine.lire(travail::noms::quinteo), sansordre);
    QCOMPARE(racine.lire(travail::noms::quinte), sansordre);

    QFile::remove(quinte);
    QVERIFY(quintes::fini(classementde(identite), quinte, quinteo).ok());
    QVERIFY(racine.existe(travail::noms::quinteo));
    QCOMPARE(racine.lire(travail::noms::quinteo), QByteArray());
    QVERIFY(!racine.existe(travail::noms::quinte));
}

void TstOrdre::finirefuse_data()
{
    QTest::addColumn<int>("classes");
    QTest::addColumn<QByteArray>("quinte");
    QTest::addColumn<QString>("raison");

    const QByteArray bon = fichierde({{1, 2, 3, 4, 5}});
    QTest::newRow("enregistrement coupé") << 20 << bon + essais::lignes({"1", "2", "3"}) << "ligne 9";
    QTest::newRow("cheval 25") << 20 << bon + essais::lignes({"1", "2", "25", "4", "5"}) << "ligne 8";
    QTest::newRow("texte") << 20 << bon + essais::lignes({"1", "x", "3", "4", "5"}) << "ligne 7";
    QTest::newRow("cheval cité deux fois") << 20 << bon + essais::lignes({"1", "2", "2", "4", "5"}) << "deux fois le cheval 2";
    QTest::newRow("classement incomplet") << 19 << bon << "pas tous classés";
}

// Nothing is written: the ordered file keeps what it held.
void TstOrdre::finirefuse()
{
    QFETCH(int, classes);
    QFETCH(QByteArray, quinte);
    QFETCH(QString, raison);
    essais::Racine racine;
    racine.ecrire(travail::noms::quinte, quinte);
    const QByteArray avant = essais::lignes({"5", "4", "3", "2", "1"});
    racine.ecrire(travail::noms::quinteo, avant);

    QList<int> chevaux(classes);
    std::iota(chevaux.begin(), chevaux.end(), 1);
    const travail::Resultat r =
        quintes::fini(classementde(chevaux), racine.chemin(travail::noms::quinte), racine.chemin(travail::noms::quinteo));
    QVERIFY(!r.ok());
    QVERIFY2(r.erreur.contains(raison), qPrintable(r.erreur));
    QCOMPARE(racine.lire(travail::noms::quinteo), avant);
    QCOMPARE(racine.lire(travail::noms::quinte), quinte);
}

QTEST_GUILESS_MAIN(TstOrdre)
#include "tst_ordre.moc"
