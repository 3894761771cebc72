// Printing one bet on a ticket: the marks and their order, the corrections read from
// `prefer`, the mark image, and every failure leaving nothing printed.

#include "essais/essais.h"
#include "ticket/form2.h"
#include "ticket/impression.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using ticket::Operation;
using Points = QList<QPointF>;
using Jeu9 = std::array<float, 9>;

Q_DECLARE_METATYPE(Jeu9)

namespace {

Points positions(const QList<Operation> &ops)
{
    Points r;
    for (const Operation &op : ops)
        r << op.position;
    return r;
}

// Positions agree to the hundredth of a twip.
bool memes(const Points &a, const Points &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::abs(a[i].x() - b[i].x()) >= 0.005 || std::abs(a[i].y() - b[i].y()) >= 0.005)
            return false;
    return true;
}

QString texte(const Points &p)
{
    QStringList l;
    for (const QPointF &q : p)
        l << QStringLiteral("(%1, %2)").arg(q.x(), 0, 'f', 3).arg(q.y(), 0, 'f', 3);
    return l.join(QLatin1Char(' '));
}

Points deplaces(Points p, double dx, double dy)
{
    for (QPointF &q : p)
        q += QPointF(dx, dy);
    return p;
}

// Refuses the mark numbered `refuse` (from 1), or the end of the document when it is 0,
// as a printer that fails in the middle of a job.
class Capricieuse final : public ticket::Imprimante
{
public:
    explicit Capricieuse(int refuse) : m_refuse(refuse) {}
    bool marque(const QImage &image, QPointF twips) override
    {
        if (++m_marques == m_refuse)
            return false;
        return enregistreuse.marque(image, twips);
    }
    bool ligne(const QString &texte) override { return enregistreuse.ligne(texte); }
    bool findocument() override { return m_refuse != 0 && enregistreuse.findocument(); }
    void abandonner() override { enregistreuse.abandonner(); }
    QString erreur() const override { return QStringLiteral("L'imprimante « essai » a refusé le document."); }
    ticket::Enregistreuse enregistreuse;

private:
    int m_refuse;
    int m_marques = 0;
};

const Points tierce = {{1777.5, 2175}, {908.25, 3261}, {5340, 1089}, {6480, 1451}, {7905, 1813}};

} // namespace

class TestImpression : public QObject
{
    Q_OBJECT
private slots:
    void init() { ticket::installermarque({}); }

    void marques_data();
    void marques();
    void troistickets();
    void correctionstoujoursdufichier();
    void echecs_data();
    void echecs();
    void refusenplein_data();
    void refusenplein();
    void formeimpression_data();
    void formeimpression();
    void marque_data();
    void marque();
    void marquecherchee();
};

void TestImpression::marques_data()
{
    QTest::addColumn<QString>("tj");
    QTest::addColumn<float>("m");
    QTest::addColumn<Jeu9>("j");
    QTest::addColumn<bool>("dt");
    QTest::addColumn<QByteArray>("prefer");
    QTest::addColumn<Points>("attendu");

    const QByteArray vide;
    const Jeu9 t3712 = {3, 3, 7, 12, 0, 0, 0, 0, 0};
    QTest::newRow("tiercé 3 7 12") << "tiercé" << 1.f << t3712 << false << vide << tierce;
    QTest::newRow("dans tous les ordres")
        << "tiercé" << 1.f << t3712 << true << vide
        << Points{{1777.5, 2175}, {908.25, 3261}, {908.25, 3623}, {5340, 1089}, {6480, 1451}, {7905, 1813}};
    QTest::newRow("chp 100, cvp -50") << "tiercé" << 1.f << t3712 << false << essais::lignes({"-50 ", " 100 "})
                                      << deplaces(tierce, 100, -50);
    QTest::newRow("cvp -15, chp 40") << "tiercé" << 1.f << t3712 << false << essais::lignes({"-15 ", " 40 "})
                                     << deplaces(tierce, 40, -15);
    QTest::newRow("corrections non entières") << "tiercé" << 1.f << t3712 << false << essais::lignes({" 2.5 ", "-0.25 "})
                                              << deplaces(tierce, -0.25, 2.5);
    QTest::newRow("multiplicateur 6") << "tiercé" << 6.f << t3712 << false << vide
                                      << Points{{1777.5, 2175}, {5340, 1089}, {6480, 1451}, {7905, 1813}};
    QTest::newRow("Tiercé avec majuscule") << "Tiercé" << 1.f << t3712 << false << vide
                                           << Points{{908.25, 3261}, {5340, 1089}, {6480, 1451}, {7905, 1813}};
    QTest::newRow("aucun cheval") << "quarté" << 2.f << Jeu9{} << true << vide
                                  << Points{{2618.25, 2175}, {1193.25, 3261}, {908.25, 3623}};
    QTest::newRow("le même cheval deux fois")
        << "quarté" << 20.f << Jeu9{4, 5, 5, 1, 20, 0, 0, 0, 0} << false << vide
        << Points{{2618.25, 2175}, {2618.25, 3261}, {5910, 1089}, {5910, 1451}, {4770, 1813}, {10185, 2175}};
    QTest::newRow("quinté, multiplicateurs 3 4 5 10")
        << "quinté" << 10.f << Jeu9{5, 1, 2, 3, 4, 5, 0, 0, 0} << false << vide
        << Points{{3459, 2175}, {2333.25, 3261}, {4770, 1089}, {5055, 1451}, {5340, 1813}, {5625, 2175}, {5910, 2537}};
    QTest::newRow("multiplicateur 3") << "quinté" << 3.f << Jeu9{} << false << vide << Points{{3459, 2175}, {1478.25, 3261}};
    QTest::newRow("multiplicateur 4") << "quinté" << 4.f << Jeu9{} << false << vide << Points{{3459, 2175}, {1763.25, 3261}};
    QTest::newRow("multiplicateur 5") << "quinté" << 5.f << Jeu9{} << false << vide << Points{{3459, 2175}, {2048.25, 3261}};
    QTest::newRow("numéros hors de 1 à 20, sans contrôle")
        << "tiercé" << 1.f << Jeu9{2, 0, 21, 0, 0, 0, 0, 0, 0} << false << vide
        << Points{{1777.5, 2175}, {908.25, 3261}, {4485, 1089}, {10470, 1451}};
    QTest::newRow("huit chevaux, rangs 1 à 8")
        << "quinté" << 1.f << Jeu9{8, 8, 7, 6, 5, 4, 3, 2, 1} << false << vide
        << Points{{3459, 2175}, {908.25, 3261}, {6765, 1089}, {6480, 1451}, {6195, 1813}, {5910, 2175},
                  {5625, 2537}, {5340, 2899}, {5055, 3261}, {4770, 3623}};
    // A count beyond the eight horse slots stops at the last slot.
    QTest::newRow("compte de 12 chevaux")
        << "" << 0.f << Jeu9{12, 1, 1, 1, 1, 1, 1, 1, 1} << false << vide
        << Points{{4770, 1089}, {4770, 1451}, {4770, 1813}, {4770, 2175}, {4770, 2537}, {4770, 2899}, {4770, 3261}, {4770, 3623}};
}

void TestImpression::marques()
{
    QFETCH(QString, tj);
    QFETCH(float, m);
    QFETCH(Jeu9, j);
    QFETCH(bool, dt);
    QFETCH(QByteArray, prefer);
    QFETCH(Points, attendu);

    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    racine.ecrire("prefer.txt", prefer);

    QVERIFY(form2().imprime(tj, m, j, dt));
    QCOMPARE(repondeur.questions.size(), 0);
    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), 1);
    const Points obtenu = positions(documents[0]);
    QVERIFY2(memes(obtenu, attendu), qPrintable(texte(obtenu)));
    for (const Operation &op : documents[0]) {
        QCOMPARE(op.genre, Operation::marque);
        QCOMPARE(op.taille, QSize(14, 18));   // the shipped selec.bmp
    }
    QCOMPARE(racine.lire("prefer.txt"), prefer);
}

void TestImpression::troistickets()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    const Jeu9 j = {3, 3, 7, 12, 0, 0, 0, 0, 0};
    for (int i = 0; i < 3; ++i)
        QVERIFY(form2().imprime(QStringLiteral("tiercé"), 1, j, false));
    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), 3);
    for (const auto &d : documents)
        QVERIFY(memes(positions(d), tierce));
    QCOMPARE(imprimante.enregistreuse.operations.size(), 3 * (5 + 1));
}

// What the calibration window holds in memory is never used for a bet: the file is read
// first, and a missing file is created empty and means no correction.
void TestImpression::correctionstoujoursdufichier()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    const Jeu9 j = {3, 3, 7, 12, 0, 0, 0, 0, 0};

    form2().chp = 300;
    form2().cvp = 300;
    QVERIFY(!racine.existe("prefer.txt"));
    QVERIFY(form2().imprime(QStringLiteral("tiercé"), 1, j, false));
    QVERIFY(racine.existe("prefer.txt"));
    QCOMPARE(racine.lire("prefer.txt"), QByteArray());

    racine.ecrire("prefer.txt", essais::lignes({"-15 ", " 40 "}));
    form2().chp = 300;
    form2().cvp = 300;
    QVERIFY(form2().imprime(QStringLiteral("tiercé"), 1, j, false));
    QCOMPARE(form2().cvp, -15.f);
    QCOMPARE(form2().chp, 40.f);

    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), 2);
    QVERIFY(memes(positions(documents[0]), tierce));
    QVERIFY(memes(positions(documents[1]), deplaces(tierce, 40, -15)));
}

void TestImpression::echecs_data()
{
    QTest::addColumn<QByteArray>("prefer");
    QTest::addColumn<QByteArray>("image");      // empty: the shipped mark
    QTest::addColumn<bool>("imageabsente");
    QTest::addColumn<QString>("refus");         // the recording printer refuses every operation
    QTest::addColumn<bool>("sansimprimante");
    QTest::addColumn<QString>("message");       // part of what the user is told

    const QByteArray bon = essais::lignes({"-15 ", " 40 "});
    QTest::newRow("image absente") << bon << QByteArray() << true << QString() << false
                                   << QStringLiteral("est introuvable");
    QTest::newRow("image illisible") << bon << QByteArray("pas une image") << false << QString() << false
                                     << QStringLiteral("est illisible");
    QTest::newRow("image tronquée") << bon << essais::bmp(14, 18, 3780).left(60) << false << QString() << false
                                    << QStringLiteral("est illisible");
    QTest::newRow("prefer d'une seule valeur") << essais::lignes({"-15 "}) << QByteArray() << false << QString() << false
                                               << QStringLiteral("est endommagé (ligne 2 : le fichier se termine");
    QTest::newRow("prefer sans fin de ligne") << QByteArray("-15 ") << QByteArray() << false << QString() << false
                                              << QStringLiteral("est endommagé");
    QTest::newRow("prefer non numérique") << essais::lignes({" 12 ", "douze"}) << QByteArray() << false << QString()
                                          << false << QStringLiteral("(ligne 2 : « douze » n'est pas un nombre)");
    QTest::newRow("prefer au-delà des glissières") << essais::lignes({" 1500 ", "-20 "}) << QByteArray() << false << QString()
                                                   << false << QStringLiteral("(ligne 1 : la correction 1500 n'est pas comprise entre -1000 et 1000)");
    QTest::newRow("prefer démesuré") << essais::lignes({" 0 ", "1e30 "}) << QByteArray() << false << QString() << false
                                     << QStringLiteral("n'est pas comprise entre -1000 et 1000");
    QTest::newRow("prefer d'une ligne vide") << QByteArray("\r\n") << QByteArray() << false << QString() << false
                                             << QStringLiteral("n'est pas un nombre");
    QTest::newRow("imprimante qui refuse") << bon << QByteArray() << false
                                           << QStringLiteral("L'imprimante « essai » refuse le travail.") << false
                                           << QStringLiteral("L'imprimante « essai » refuse le travail.");
    QTest::newRow("aucune imprimante") << bon << QByteArray() << false << QString() << true
                                       << QStringLiteral("Aucune imprimante");
}

void TestImpression::echecs()
{
    QFETCH(QByteArray, prefer);
    QFETCH(QByteArray, image);
    QFETCH(bool, imageabsente);
    QFETCH(QString, refus);
    QFETCH(bool, sansimprimante);
    QFETCH(QString, message);

    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    racine.ecrire("prefer.txt", prefer);
    if (imageabsente || !image.isEmpty()) {
        ticket::installermarque(racine.chemin("selec.bmp"));
        if (!imageabsente)
            racine.ecrire("selec.bmp", image);
    }
    imprimante.enregistreuse.refus = refus;
    if (sansimprimante)
        ticket::installer(nullptr);

    const bool imprime = form2().imprime(QStringLiteral("tiercé"), 1, {3, 3, 7, 12, 0, 0, 0, 0, 0}, true);
    if (sansimprimante)
        ticket::installer(&imprimante.enregistreuse);

    QVERIFY(!imprime);
    QCOMPARE(repondeur.questions.size(), 1);
    const QString question = repondeur.questions[0].texte;
    QVERIFY2(question.contains(message), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("n'a pas été imprimé")), qPrintable(question));
    QCOMPARE(imprimante.enregistreuse.operations.size(), 0);
    QCOMPARE(racine.lire("prefer.txt"), prefer);
}

// A printer that fails in the middle of a ticket: the marks already sent are taken back.
void TestImpression::refusenplein_data()
{
    QTest::addColumn<int>("refuse");
    QTest::newRow("à la troisième marque") << 3;
    QTest::newRow("à la dernière marque") << 5;
    QTest::newRow("à la fin du document") << 0;
}

void TestImpression::refusenplein()
{
    QFETCH(int, refuse);
    essais::Racine racine;
    essais::Repondeur repondeur;
    Capricieuse capricieuse(refuse);
    ticket::Imprimante *avant = ticket::installer(&capricieuse);
    const bool imprime = form2().imprime(QStringLiteral("tiercé"), 1, {3, 3, 7, 12, 0, 0, 0, 0, 0}, false);
    ticket::installer(avant);

    QVERIFY(!imprime);
    QCOMPARE(capricieuse.enregistreuse.operations.size(), 0);
    QCOMPARE(capricieuse.enregistreuse.abandons, 1);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.contains(QStringLiteral("a refusé le document")));
}

void TestImpression::formeimpression_data()
{
    QTest::addColumn<float>("valeur");
    QTest::addColumn<QByteArray>("forme");
    QTest::newRow("120") << 120.f << QByteArray(" 120 ");
    QTest::newRow("-35") << -35.f << QByteArray("-35 ");
    QTest::newRow("0") << 0.f << QByteArray(" 0 ");
    QTest::newRow("-1000") << -1000.f << QByteArray("-1000 ");
    QTest::newRow("2.5") << 2.5f << QByteArray(" 2.5 ");
    QTest::newRow("-0.1") << -0.1f << QByteArray("-0.1 ");
}

// The print-style form, and the two lines of the file read back as they were written.
void TestImpression::formeimpression()
{
    QFETCH(float, valeur);
    QFETCH(QByteArray, forme);
    QCOMPARE(ticket::formeimpression(valeur), forme);
    const QByteArray fichier = ticket::ecrirecorrections(valeur, -valeur);
    QCOMPARE(fichier, forme + "\r\n" + ticket::formeimpression(-valeur) + "\r\n");
    const ticket::Corrections c = ticket::lirecorrections(fichier);
    QVERIFY(c.ok());
    QCOMPARE(c.cvp, valeur);
    QCOMPARE(c.chp, -valeur);
}

// The mark keeps the resolution its file states; a file stating none is taken at 96 dpi.
void TestImpression::marque_data()
{
    QTest::addColumn<int>("ppm");
    QTest::addColumn<int>("attendu");
    QTest::newRow("sans résolution") << 0 << 3780;
    QTest::newRow("96 dpi") << 3780 << 3780;
    QTest::newRow("300 dpi") << 11811 << 11811;
}

void TestImpression::marque()
{
    QFETCH(int, ppm);
    QFETCH(int, attendu);
    QTemporaryDir dossier;
    ticket::installermarque(dossier.filePath(QStringLiteral("selec.bmp")));
    QFile f(dossier.filePath(QStringLiteral("selec.bmp")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(essais::bmp(5, 7, ppm));
    f.close();
    const ticket::Marque m = ticket::chargermarque();
    QVERIFY2(m.ok(), qPrintable(m.erreur));
    QCOMPARE(m.image.size(), QSize(5, 7));
    QCOMPARE(m.image.dotsPerMeterX(), attendu);
    QCOMPARE(m.image.dotsPerMeterY(), attendu);
}

// The mark of the current directory comes first; without one, the one beside the program.
void TestImpression::marquecherchee()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    const QString avant = QDir::currentPath();
    QTemporaryDir ailleurs;
    QVERIFY(QDir::setCurrent(ailleurs.path()));

    const Jeu9 j = {1, 1, 0, 0, 0, 0, 0, 0, 0};
    const bool sanslocale = form2().imprime(QStringLiteral("tiercé"), 1, j, false);
    QFile f(ailleurs.filePath(QStringLiteral("selec.bmp")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(essais::bmp(3, 4, 0));
    f.close();
    const bool aveclocale = form2().imprime(QStringLiteral("tiercé"), 1, j, false);
    QDir::setCurrent(avant);

    QVERIFY(sanslocale);
    QVERIFY(aveclocale);
    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), 2);
    QCOMPARE(documents[0][0].taille, QSize(14, 18));
    QCOMPARE(documents[1][0].taille, QSize(3, 4));
}

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
