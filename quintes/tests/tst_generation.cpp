// The generation run, without any window, and the generator window around it.

#include "essais/essais.h"
#include "quintes/tests/fabrique.h"
#include "commun/curseur.h"
#include "jeux/form1.h"
#include "quintes/generation.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using quintes::Combinaison;
using quintes::Contrainte;

using fabrique::contrainte;
using fabrique::fichier;

namespace {

quintes::CheminsGeneration chemins()
{
    using namespace travail;
    return {chemin(noms::contrainte), chemin(noms::quinte), chemin(noms::cote), chemin(noms::contrecote), chemin(noms::tampon)};
}

QByteArray cotes(std::initializer_list<std::pair<int, const char *>> autres, const char *sinon = "15")
{
    QByteArray r;
    for (int h = 1; h <= 20; ++h) {
        QByteArray v = sinon;
        for (const auto &[cheval, cote] : autres)
            if (cheval == h)
                v = cote;
        r += v + "\r\n";
    }
    return r;
}

QByteArray octetsde(const QList<Combinaison> &l)
{
    QByteArray r;
    for (const Combinaison &c : l)
        r += quintes::enregistrement(c);
    return r;
}

// The plain way, horse by horse, for comparison.
QList<Combinaison> aladroite(const QList<Contrainte> &contraintes)
{
    QList<Combinaison> r;
    for (qint16 a = 1; a <= 16; ++a)
        for (qint16 b = a + 1; b <= 17; ++b)
            for (qint16 c = b + 1; c <= 18; ++c)
                for (qint16 d = c + 1; d <= 19; ++d)
                    for (qint16 e = d + 1; e <= 20; ++e) {
                        const Combinaison x{a, b, c, d, e};
                        bool garde = true;
                        for (const Contrainte &k : contraintes) {
                            int hits = 0;
                            for (qint16 h : x)
                                hits += k.ensemble[h] ? 1 : 0;
                            if ((k.aumoins && hits < k.nombre) || (!k.aumoins && hits > k.nombre))
                                garde = false;
                        }
                        if (garde)
                            r.append(x);
                    }
    return r;
}

} // namespace

class TestGeneration : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }

    void comptes_data();
    void comptes();
    void commelamain();
    void textes();
    void fichiersmanquants();
    void fichiersendommages_data();
    void fichiersendommages();
    void fenetre();
    void boutons();
};

void TestGeneration::comptes_data()
{
    QTest::addColumn<QList<Contrainte>>("contraintes");
    QTest::addColumn<QByteArray>("cote");
    QTest::addColumn<QByteArray>("contrecote");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("premiere");
    QTest::addColumn<QString>("derniere");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("label3");

    const QString un = QStringLiteral("    1    2    3    4    5");
    const QString fin = QStringLiteral("    16    17    18    19    20");
    const QString aucune = QStringLiteral(" Aucune contrainte"), une = QStringLiteral(" Une seule contrainte");
    const QString off = QStringLiteral(" Filtre sur les côtes désactivé"), on = QStringLiteral(" Filtre sur les côtes activé");
    const QByteArray rien;
    const QByteArray filtre = essais::lignes({"#TRUE#", "0", "500", "0", "1000"});

    QTest::newRow("sans contrainte") << QList<Contrainte>{} << rien << rien << 15504 << un << fin << aucune << off;
    QTest::newRow("exemple de l'aide") << QList<Contrainte>{contrainte(2, true, {3, 4, 5, 6})} << rien << rien << 3856
                                       << QStringLiteral("    1    2    3    4    5") << QStringLiteral("    5    6    18    19    20")
                                       << une << off;
    QTest::newRow("au moins 5 dans 1 à 5") << QList<Contrainte>{contrainte(5, true, {1, 2, 3, 4, 5})} << rien << rien << 1 << un
                                           << un << une << off;
    QTest::newRow("au plus 0 dans {20}") << QList<Contrainte>{contrainte(0, false, {20})} << rien << rien << 11628 << un
                                         << QStringLiteral("    15    16    17    18    19") << une << off;
    QTest::newRow("au moins 0") << QList<Contrainte>{contrainte(0, true, {1, 2})} << rien << rien << 15504 << un << fin << une << off;
    QTest::newRow("au plus 5") << QList<Contrainte>{contrainte(5, false, {1, 2})} << rien << rien << 15504 << un << fin << une << off;
    QTest::newRow("7 au moins") << QList<Contrainte>{contrainte(7, true, {1, 2, 3, 4, 5, 6, 7, 8})} << rien << rien << 0 << QString()
                                << QString() << une << off;
    QTest::newRow("255 au plus") << QList<Contrainte>{contrainte(255, false, {1})} << rien << rien << 15504 << un << fin << une << off;
    QTest::newRow("contradictoires") << QList<Contrainte>{contrainte(3, true, {1, 2, 3}), contrainte(2, false, {1, 2, 3})} << rien
                                     << rien << 0 << QString() << QString() << QStringLiteral("2  contraintes") << off;
    QTest::newRow("filtre, côtes vides") << QList<Contrainte>{} << rien << filtre << 15504 << un << fin << aucune << on;
    QTest::newRow("filtre, totalMax 74") << QList<Contrainte>{} << rien << essais::lignes({"#TRUE#", "0", "500", "0", "74"}) << 0
                                         << QString() << QString() << aucune << on;
    QTest::newRow("filtre sur une ligne") << QList<Contrainte>{} << rien << QByteArray("#TRUE#,0,500,0,74\r\n") << 0 << QString()
                                          << QString() << aucune << on;
    QTest::newRow("filtre éteint, totalMax 74") << QList<Contrainte>{} << rien << essais::lignes({"#FALSE#", "0", "500", "0", "74"})
                                                << 15504 << un << fin << aucune << off;
    QTest::newRow("totalMin égal à la somme") << QList<Contrainte>{} << rien << essais::lignes({"#TRUE#", "0", "500", "75", "75"})
                                              << 15504 << un << fin << aucune << on;
    QTest::newRow("totalMin au-dessus") << QList<Contrainte>{} << rien << essais::lignes({"#TRUE#", "0", "500", "75.5", "1000"}) << 0
                                        << QString() << QString() << aucune << on;
    // 2.7 is not exact in single precision: a bound typed equal to the odds still keeps the horse.
    QTest::newRow("coteMax égale à une côte") << QList<Contrainte>{} << cotes({{3, "2.7"}}, "2")
                                              << essais::lignes({"#TRUE#", "2", "2.7", "0", "1000"}) << 15504 << un << fin << aucune << on;
    QTest::newRow("coteMin égale à une côte") << QList<Contrainte>{} << cotes({{3, "2.1"}}, "2.1")
                                              << essais::lignes({"#TRUE#", "2.1", "500", "0", "1000"}) << 15504 << un << fin << aucune << on;
    QTest::newRow("coteMax sous une côte") << QList<Contrainte>{} << cotes({{3, "2.7"}}, "2")
                                           << essais::lignes({"#TRUE#", "0", "2.69", "0", "1000"}) << 11628
                                           << QStringLiteral("    1    2    4    5    6") << fin << aucune << on;
    QTest::newRow("contrainte puis filtre") << QList<Contrainte>{contrainte(2, true, {3, 4, 5, 6})} << cotes({{20, "40"}})
                                            << essais::lignes({"#TRUE#", "0", "30", "0", "1000"}) << 3856 - 691 << un
                                            << QStringLiteral("    5    6    17    18    19") << une << on;
}

void TestGeneration::comptes()
{
    QFETCH(QList<Contrainte>, contraintes);
    QFETCH(QByteArray, cote);
    QFETCH(QByteArray, contrecote);
    QFETCH(int, n);
    QFETCH(QString, premiere);
    QFETCH(QString, derniere);
    QFETCH(QString, label2);
    QFETCH(QString, label3);

    essais::Racine racine;
    racine.ecrire(travail::noms::contrainte, fichier(contraintes));
    racine.ecrire(travail::noms::cote, cote);
    racine.ecrire(travail::noms::contrecote, contrecote);
    racine.ecrire(travail::noms::quinte, "restes d'une autre génération\r\n");

    const quintes::Generation g = quintes::generer(chemins());
    QCOMPARE(g.problemes, QStringList());
    QCOMPARE(g.combinaisons.size(), n);
    QCOMPARE(g.lignes.size(), n);
    QCOMPARE(g.lignes.value(0), premiere);
    QCOMPARE(g.lignes.isEmpty() ? QString() : g.lignes.last(), derniere);
    QCOMPARE(g.contraintes, label2);
    QCOMPARE(g.cotes, label3);
    QCOMPARE(g.nbcontraintes, contraintes.size());

    // The file holds exactly what is shown, and the scratch file is gone.
    const QByteArray quinte = racine.lire(travail::noms::quinte);
    QCOMPARE(quinte, octetsde(g.combinaisons));
    QCOMPARE(quinte.count('\n'), 5 * n);
    QVERIFY(!racine.existe(travail::noms::tampon));
    const quintes::LectureCombinaisons relues = quintes::lirecombinaisons(quinte);
    QVERIFY(relues.intact());
    QCOMPARE(relues.combinaisons, g.combinaisons);
    for (int i = 0; i < g.combinaisons.size(); ++i)
        QCOMPARE(g.lignes[i], quintes::lignecombinaison(g.combinaisons[i]));
    // The constraint file is only read.
    QCOMPARE(racine.lire(travail::noms::contrainte), fichier(contraintes));
}

void TestGeneration::commelamain()
{
    // Random constraint sets, several on the same set, against the horse-by-horse count.
    QRandomGenerator alea(20240611);
    for (int essai = 0; essai < 40; ++essai) {
        QList<Contrainte> contraintes;
        const int nb = 1 + alea.bounded(6);
        for (int j = 0; j < nb; ++j) {
            Contrainte c;
            c.nombre = static_cast<quint8>(alea.bounded(7));
            c.aumoins = alea.bounded(2) == 1;
            const int taille = 1 + alea.bounded(12);
            for (int i = 0; i < taille; ++i)
                c.ensemble[1 + alea.bounded(20)] = true;
            contraintes << c;
            if (alea.bounded(4) == 0) {
                Contrainte meme = c;
                meme.aumoins = !c.aumoins;
                meme.nombre = static_cast<quint8>(alea.bounded(6));
                contraintes << meme;
            }
        }
        QCOMPARE(quintes::retenues(contraintes), aladroite(contraintes));
    }
}

void TestGeneration::textes()
{
    QCOMPARE(quintes::textepossibles(15504), QStringLiteral("15504  quinté(s) possible(s) sans tenir compte de l'ordre, soit 1860480 quinté(s) en tout."));
    QCOMPARE(quintes::textepossibles(3856), QStringLiteral("3856  quinté(s) possible(s) sans tenir compte de l'ordre, soit 462720 quinté(s) en tout."));
    QCOMPARE(quintes::textepossibles(0), QStringLiteral("0  quinté(s) possible(s) sans tenir compte de l'ordre, soit 0 quinté(s) en tout."));
    QCOMPARE(quintes::textecontraintes(1000), QStringLiteral("1000  contraintes"));
    QCOMPARE(quintes::lignecombinaison({1, 12, 13, 19, 20}), QStringLiteral("    1    12    13    19    20"));
}

void TestGeneration::fichiersmanquants()
{
    essais::Racine racine;
    const quintes::Generation g = quintes::generer(chemins());
    QCOMPARE(g.combinaisons.size(), 15504);
    QVERIFY(!g.filtre);
    for (const char *nom : {travail::noms::contrainte, travail::noms::cote, travail::noms::contrecote}) {
        QVERIFY2(racine.existe(nom), nom);
        QCOMPARE(racine.lire(nom), QByteArray());
    }
    const QByteArray quinte = racine.lire(travail::noms::quinte);
    QVERIFY(quinte.startsWith(essais::lignes({"1", "2", "3", "4", "5", "1", "2", "3", "4", "6"})));
    QVERIFY(quinte.endsWith(essais::lignes({"15", "17", "18", "19", "20", "16", "17", "18", "19", "20"})));
    QCOMPARE(quinte.count('\n'), 77520);
}

void TestGeneration::fichiersendommages_data()
{
    QTest::addColumn<QByteArray>("contrainte");
    QTest::addColumn<QByteArray>("cote");
    QTest::addColumn<QByteArray>("contrecote");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("filtre");
    QTest::addColumn<QString>("message");

    const QByteArray aide = quintes::enregistrement(contrainte(2, true, {3, 4, 5, 6}));
    const QByteArray filtre74 = essais::lignes({"#TRUE#", "0", "500", "0", "74"});
    QTest::newRow("contrainte coupée") << aide + "1\r\n#TRUE#\r\n" << QByteArray() << QByteArray() << 3856 << false
                                       << QStringLiteral("Contrainte n° 2, ligne 25");
    QTest::newRow("côtes trop courtes") << QByteArray() << essais::lignes({"2", "3"}) << filtre74 << 15504 << false
                                        << QStringLiteral("Le fichier des côtes");
    QTest::newRow("côte illisible") << QByteArray() << cotes({{4, "x"}}) << filtre74 << 15504 << false
                                    << QStringLiteral("ligne 4 (côte du cheval 4) : « x » n'est pas un nombre");
    QTest::newRow("filtre incomplet") << QByteArray() << QByteArray() << essais::lignes({"#TRUE#", "0", "500"}) << 15504 << false
                                      << QStringLiteral("Le fichier du filtre sur les côtes");
    QTest::newRow("filtre illisible") << QByteArray() << QByteArray() << essais::lignes({"oui", "0", "500", "0", "74"}) << 15504
                                      << false << QStringLiteral("« oui » n'est ni #TRUE# ni #FALSE#");
    // Odds the filter does not use are not worth a message.
    QTest::newRow("côtes illisibles, filtre éteint") << QByteArray() << QByteArray("x\r\n") << QByteArray() << 15504 << false
                                                     << QString();
}

void TestGeneration::fichiersendommages()
{
    QFETCH(QByteArray, contrainte);
    QFETCH(QByteArray, cote);
    QFETCH(QByteArray, contrecote);
    QFETCH(int, n);
    QFETCH(bool, filtre);
    QFETCH(QString, message);

    essais::Racine racine;
    racine.ecrire(travail::noms::contrainte, contrainte);
    racine.ecrire(travail::noms::cote, cote);
    racine.ecrire(travail::noms::contrecote, contrecote);
    const quintes::Generation g = quintes::generer(chemins());
    QCOMPARE(g.combinaisons.size(), n);
    QCOMPARE(g.filtre, filtre);
    if (message.isEmpty()) {
        QCOMPARE(g.problemes, QStringList());
    } else {
        QCOMPARE(g.problemes.size(), 1);
        QVERIFY2(g.problemes.first().contains(message), qPrintable(g.problemes.first()));
    }
    // Damaged files are reported, never repaired.
    QCOMPARE(racine.lire(travail::noms::contrainte), contrainte);
    QCOMPARE(racine.lire(travail::noms::cote), cote);
    QCOMPARE(racine.lire(travail::noms::contrecote), contrecote);
    QCOMPARE(racine.lire(travail::noms::quinte), octetsde(g.combinaisons));
}

void TestGeneration::fenetre()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::contrainte, fichier({contrainte(2, true, {3, 4, 5, 6})}));
    form1().ouvrir();
    QAction *qsomn = form1().findChild<QAction *>(QStringLiteral("qsomn"));
    QVERIFY(qsomn);
    QCOMPARE(qsomn->shortcut(), QKeySequence(Qt::Key_F1));
    qsomn->trigger();

    QWidget *form5 = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form5"))
            form5 = w;
    QVERIFY(form5 && form5->isVisible());
    QCOMPARE(form5->windowTitle(), QStringLiteral("quinté sans ordre"));
    QCOMPARE(form5->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("3856  quinté(s) possible(s) sans tenir compte de l'ordre, soit 462720 quinté(s) en tout."));
    QCOMPARE(form5->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral(" Une seule contrainte"));
    QCOMPARE(form5->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral(" Filtre sur les côtes désactivé"));
    auto *liste = form5->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(liste->count(), 3856);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("    1    2    3    4    5"));
    QCOMPARE(liste->item(3855)->text(), QStringLiteral("    5    6    18    19    20"));
    QVERIFY(!curseur::ensablier());
    QVERIFY(repondeur.questions.isEmpty());

    // Brought to the front, it does not run again; closed and opened, it does.
    racine.ecrire(travail::noms::contrainte, QByteArray());
    qsomn->trigger();
    QCOMPARE(liste->count(), 3856);
    QVERIFY(!curseur::ensablier());
    QTest::keyClick(liste, Qt::Key_Escape);
    QVERIFY(!form5->isVisible());
    qsomn->trigger();
    QCOMPARE(liste->count(), 15504);
    QCOMPARE(liste->item(15503)->text(), QStringLiteral("    16    17    18    19    20"));

    // A damaged constraint file: the readable ones are used and the user is told.
    racine.ecrire(travail::noms::contrainte, fichier({contrainte(5, true, {1, 2, 3, 4, 5})}) + "2\r\n");
    QTest::keyClick(liste, Qt::Key_Escape);
    qsomn->trigger();
    QCOMPARE(liste->count(), 1);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions.first().texte.contains(QStringLiteral("est endommagé")));
    QCOMPARE(repondeur.questions.first().icone, dialogue::Icone::attention);
}

void TestGeneration::boutons()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    form1().findChild<QAction *>(QStringLiteral("qsomn"))->trigger();
    auto fenetre = [](const char *nom) -> QWidget * {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(nom) && w->isVisible())
                return w;
        return nullptr;
    };
    QWidget *form5 = fenetre("Form5");
    QVERIFY(form5);
    QCOMPARE(form5->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));

    // Enter presses "Gestion des côtes".
    QTest::keyClick(form5->findChild<QListWidget *>(QStringLiteral("List1")), Qt::Key_Return);
    QVERIFY(!form5->isVisible());
    QVERIFY(fenetre("cotes"));
    fenetre("cotes")->close();
    QVERIFY(fenetre("Form5"));

    QTest::mouseClick(form5->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(!form5->isVisible());
    QVERIFY(fenetre("contraintes"));

    QTest::mouseClick(fenetre("contraintes")->findChild<QPushButton *>(QStringLiteral("Command6")), Qt::LeftButton);
    QVERIFY(fenetre("Form5"));
    // Back again, Enter still presses "Gestion des côtes", not the button clicked last time.
    QTest::keyClick(form5, Qt::Key_Return);
    QVERIFY(fenetre("cotes"));
    QTest::keyClick(fenetre("cotes"), Qt::Key_Escape);
    QVERIFY(fenetre("Form5"));
    QTest::mouseClick(form5->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!fenetre("Form5"));
    QVERIFY(!fenetre("contraintes"));
}

QTEST_MAIN(TestGeneration)
#include "tst_generation.moc"
