// The calibration window "test imprimantes", driven through its controls and keys.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "ticket/form2.h"
#include "ticket/impression.h"
#include "travail/nombres.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

using ticket::Operation;

namespace {

template<class W>
W *controle(const char *nom)
{
    auto *w = form2().findChild<W *>(QLatin1String(nom));
    if (!w)
        qFatal("no control %s", nom);
    return w;
}

QString texte(const char *nom)
{
    return controle<QLabel>(nom)->text();
}

void ouvrirparlemenu()
{
    form1().findChild<QAction *>(QStringLiteral("mnparamimp"))->trigger();
}

void appuyer(QWidget *w, Qt::Key touche, int fois)
{
    for (int i = 0; i < fois; ++i)
        QTest::keyClick(w, touche);
}

// Keys typed while the first slider has the focus: "Escape" or one character.
void taper(const QStringList &touches)
{
    for (const QString &t : touches) {
        QWidget *w = form2().isVisible() ? QApplication::focusWidget() : nullptr;
        if (!w)
            w = controle<QSlider>("Slider1");
        if (t == QLatin1String("Escape"))
            QTest::keyClick(w, Qt::Key_Escape);
        else
            QTest::keyClick(w, t.at(0).toLatin1());
    }
}

QPointF tierce(float v, float h)
{
    return ticket::position(4, -9.5f, v, h);
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void init() { ticket::installermarque({}); }

    void controles_data();
    void controles();
    void ouverture_data();
    void ouverture();
    void glissieres();
    void touches_data();
    void touches();
    void prefereendommage();
    void enregistrementimpossible();
    void testsansmarque();
};

void TestForm2::controles_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("bulle");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Label4") << "Label4"
                            << QStringLiteral("         Insérer un ou des tickets PMU dans le bac d'alimentattion de votre "
                                              "imprimante. Le test est positif si toutes les cases sont cochées. Dans ce "
                                              "cas enregistrez vos paramètres. Dans le cas contraire effectuez les "
                                              "corrections nécessaires. Vous devrez peut-être modifier la taille du "
                                              "papier dans votre gestionnaire d'impression.")
                            << QString() << QRect(120, 120, 10575, 1095);
    QTest::newRow("Command1") << "Command1" << QStringLiteral("(t) Test d'impression")
                              << QStringLiteral("cliquez ici pour faire une impression teste") << QRect(240, 1320, 1455, 600);
    QTest::newRow("Command2") << "Command2" << QStringLiteral("(e) Enregistrer et quitter")
                              << QStringLiteral("en cliquant ici vous enregistrez vos propres parametres")
                              << QRect(2040, 1320, 1455, 600);
    QTest::newRow("Command3") << "Command3" << QStringLiteral("(q) Quitter sans modifier") << QString()
                              << QRect(3840, 1320, 1455, 600);
    QTest::newRow("Command4") << "Command4" << QStringLiteral("(r) Réinitialiser") << QStringLiteral("reglage par defaut")
                              << QRect(5640, 1320, 1455, 600);
    QTest::newRow("Label2") << "Label2" << QStringLiteral("correction horizontale:  0") << QString()
                            << QRect(480, 2040, 3015, 495);
    QTest::newRow("Label3") << "Label3" << QStringLiteral("correction verticale:  0") << QString()
                            << QRect(3840, 2040, 3015, 615);
    QTest::newRow("Label1") << "Label1" << QStringLiteral("corrections horizontales et verticales") << QString()
                            << QRect(360, 2760, 1575, 855);
    QTest::newRow("Slider1") << "Slider1" << QString()
                             << QStringLiteral("pour modifier la position horizontale des croix sur le ticket")
                             << QRect(2160, 2640, 8535, 375);
    QTest::newRow("Slider2") << "Slider2" << QString()
                             << QStringLiteral("pour modifier l'alignement vertical des croix sur le ticket")
                             << QRect(2160, 3120, 8535, 375);
}

void TestForm2::controles()
{
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, bulle);
    QFETCH(QRect, twips);

    essais::Racine racine;
    form2().ouvrir();
    QCOMPARE(form2().windowTitle(), QStringLiteral("test imprimantes"));
    QCOMPARE(form2().size(), QSize(Fenetre::px(10815), Fenetre::px(3645)));

    auto *w = form2().findChild<QWidget *>(nom);
    QVERIFY(w);
    if (auto *l = qobject_cast<QLabel *>(w))
        QCOMPARE(l->text(), texte);
    if (auto *b = qobject_cast<QPushButton *>(w))
        QCOMPARE(b->text(), texte);
    if (auto *s = qobject_cast<QSlider *>(w)) {
        QCOMPARE(s->orientation(), Qt::Horizontal);
        QCOMPARE(s->minimum(), -1000);
        QCOMPARE(s->maximum(), 1000);
        QCOMPARE(s->singleStep(), 1);
        QCOMPARE(s->pageStep(), 5);
    }
    QCOMPARE(w->toolTip(), bulle);
    QCOMPARE(w->geometry(),
             QRect(Fenetre::px(twips.x()), Fenetre::px(twips.y()), Fenetre::px(twips.width()), Fenetre::px(twips.height())));
}

void TestForm2::ouverture_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("prefer");
    QTest::addColumn<QString>("horizontale");
    QTest::addColumn<QString>("verticale");
    QTest::addColumn<int>("slider1");
    QTest::addColumn<int>("slider2");
    QTest::addColumn<float>("chp");
    QTest::addColumn<float>("cvp");

    QTest::newRow("sans fichier") << false << QByteArray() << "0" << "0" << 0 << 0 << 0.f << 0.f;
    QTest::newRow("fichier vide") << true << QByteArray() << "0" << "0" << 0 << 0 << 0.f << 0.f;
    QTest::newRow("120 et -35") << true << essais::lignes({"-35 ", " 120 "}) << "120" << "-35" << 120 << -35 << 120.f << -35.f;
    // The sliders only take whole values; setting them must not round the corrections.
    QTest::newRow("valeurs non entières") << true << essais::lignes({"-7.5 ", " 12.5 "}) << "12,5" << "-7,5" << 12 << -8
                                          << 12.5f << -7.5f;
}

void TestForm2::ouverture()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, prefer);
    QFETCH(QString, horizontale);
    QFETCH(QString, verticale);
    QFETCH(int, slider1);
    QFETCH(int, slider2);
    QFETCH(float, chp);
    QFETCH(float, cvp);

    essais::Racine racine;
    essais::Repondeur repondeur;
    if (present)
        racine.ecrire("prefer.txt", prefer);
    form2().chp = 77;
    form2().cvp = 77;
    ouvrirparlemenu();

    QVERIFY(form2().estouverte());
    QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  ") + horizontale);
    QCOMPARE(texte("Label3"), QStringLiteral("correction verticale:  ") + verticale);
    QCOMPARE(controle<QSlider>("Slider1")->value(), slider1);
    QCOMPARE(controle<QSlider>("Slider2")->value(), slider2);
    QCOMPARE(form2().chp, chp);
    QCOMPARE(form2().cvp, cvp);
    QVERIFY(racine.existe("prefer.txt"));
    QCOMPARE(racine.lire("prefer.txt"), prefer);
    QCOMPARE(repondeur.questions.size(), 0);
}

// The user moves the sliders with the keyboard and the mouse; saving writes the
// vertical correction first, and the next opening shows them again.
void TestForm2::glissieres()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    form2().ouvrir();
    auto *s1 = controle<QSlider>("Slider1");
    auto *s2 = controle<QSlider>("Slider2");

    // A click on the groove, right of the handle.
    QStyleOptionSlider option;
    option.initFrom(s1);
    option.orientation = Qt::Horizontal;
    option.minimum = s1->minimum();
    option.maximum = s1->maximum();
    option.sliderPosition = s1->value();
    option.tickPosition = s1->tickPosition();
    const QRect rainure = s1->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, s1);
    QTest::mouseClick(s1, Qt::LeftButton, {}, QPoint(rainure.right() - 5, rainure.center().y()));
    QVERIFY(s1->value() > 0);
    QCOMPARE(form2().chp, float(s1->value()));
    QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  %1").arg(s1->value()));

    s1->setFocus();
    appuyer(s1, Qt::Key_Home, 1);
    appuyer(s1, Qt::Key_End, 1);
    QCOMPARE(form2().chp, 1000.f);
    appuyer(s1, Qt::Key_Home, 1);
    QCOMPARE(form2().chp, -1000.f);
    QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  -1000"));
    appuyer(s1, Qt::Key_PageDown, 1);   // already at its minimum
    QCOMPARE(form2().chp, -1000.f);
    s1->setValue(0);   // back to the middle, as the program would: not a move of the user
    QCOMPARE(form2().chp, -1000.f);

    appuyer(s1, Qt::Key_PageUp, 24);
    appuyer(s1, Qt::Key_Right, 2);
    appuyer(s1, Qt::Key_Left, 2);
    s2->setFocus();
    appuyer(s2, Qt::Key_PageDown, 7);
    QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  120"));
    QCOMPARE(texte("Label3"), QStringLiteral("correction verticale:  -35"));
    QCOMPARE(racine.lire("prefer.txt"), QByteArray());   // nothing written until saved

    // Dragging the handle of the second slider, then putting it back with the keys.
    QStyleOptionSlider option2;
    option2.initFrom(s2);
    option2.orientation = Qt::Horizontal;
    option2.minimum = s2->minimum();
    option2.maximum = s2->maximum();
    option2.sliderPosition = s2->value();
    option2.tickPosition = s2->tickPosition();
    const QPoint poignee = s2->style()->subControlRect(QStyle::CC_Slider, &option2, QStyle::SC_SliderHandle, s2).center();
    QTest::mousePress(s2, Qt::LeftButton, {}, poignee);
    QTest::mouseMove(s2, poignee + QPoint(60, 0));
    QTest::mouseRelease(s2, Qt::LeftButton, {}, poignee + QPoint(60, 0));
    QVERIFY(s2->value() > -35);
    QCOMPARE(form2().cvp, float(s2->value()));
    QCOMPARE(texte("Label3"), QStringLiteral("correction verticale:  %1").arg(s2->value()));
    appuyer(s2, Qt::Key_Left, s2->value() + 35);
    QCOMPARE(form2().cvp, -35.f);

    QTest::mouseClick(controle<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(!form2().estouverte());
    QCOMPARE(racine.lire("prefer.txt"), essais::lignes({"-35 ", " 120 "}));

    form2().chp = 0;
    form2().cvp = 0;
    form2().ouvrir();
    QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  120"));
    QCOMPARE(texte("Label3"), QStringLiteral("correction verticale:  -35"));
    QCOMPARE(s1->value(), 120);
    QCOMPARE(s2->value(), -35);
    QCOMPARE(repondeur.questions.size(), 0);
}

// The keys of the window, after the sliders were moved from the saved -15 / 40 to
// -20 / 45; then a bet printed from elsewhere, which always uses what is saved.
void TestForm2::touches_data()
{
    QTest::addColumn<QStringList>("touches");
    QTest::addColumn<bool>("ouverte");
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<float>("chp");          // in memory after the keys
    QTest::addColumn<float>("cvp");
    QTest::addColumn<int>("tests");          // test tickets printed

    const QByteArray sauve = essais::lignes({"-15 ", " 40 "});
    QTest::newRow("t") << QStringList{"t"} << true << sauve << 45.f << -20.f << 1;
    QTest::newRow("e") << QStringList{"e"} << false << essais::lignes({"-20 ", " 45 "}) << 45.f << -20.f << 0;
    QTest::newRow("q") << QStringList{"q"} << false << sauve << 45.f << -20.f << 0;
    QTest::newRow("Escape") << QStringList{"Escape"} << false << sauve << 45.f << -20.f << 0;
    QTest::newRow("r") << QStringList{"r"} << true << sauve << 0.f << 0.f << 0;
    QTest::newRow("r puis q") << QStringList{"r", "q"} << false << sauve << 0.f << 0.f << 0;
    QTest::newRow("r puis e") << QStringList{"r", "e"} << false << essais::lignes({" 0 ", " 0 "}) << 0.f << 0.f << 0;
    QTest::newRow("r puis t") << QStringList{"r", "t"} << true << sauve << 0.f << 0.f << 1;
    QTest::newRow("majuscules") << QStringList{"T", "E", "Q", "R"} << true << sauve << 45.f << -20.f << 0;
    QTest::newRow("autres touches") << QStringList{"s", "i", "1", " "} << true << sauve << 45.f << -20.f << 0;
}

void TestForm2::touches()
{
    QFETCH(QStringList, touches);
    QFETCH(bool, ouverte);
    QFETCH(QByteArray, fichier);
    QFETCH(float, chp);
    QFETCH(float, cvp);
    QFETCH(int, tests);

    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    racine.ecrire("prefer.txt", essais::lignes({"-15 ", " 40 "}));
    form2().ouvrir();
    auto *s1 = controle<QSlider>("Slider1");
    auto *s2 = controle<QSlider>("Slider2");
    s1->setFocus();
    appuyer(s1, Qt::Key_PageUp, 1);
    appuyer(s2, Qt::Key_PageDown, 1);
    QCOMPARE(form2().chp, 45.f);
    QCOMPARE(form2().cvp, -20.f);

    taper(touches);

    QCOMPARE(form2().estouverte(), ouverte);
    QCOMPARE(racine.lire("prefer.txt"), fichier);
    QCOMPARE(form2().chp, chp);
    QCOMPARE(form2().cvp, cvp);
    if (ouverte) {
        QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  ") + travail::textenombre(chp));
        QCOMPARE(s1->value(), int(chp));
        QCOMPARE(s2->value(), int(cvp));
    }
    const auto documents = imprimante.enregistreuse.documents();
    QCOMPARE(documents.size(), tests);
    if (tests) {
        // Every box, row by row, then the other boxes, moved by the corrections of the window.
        const QList<Operation> &d = documents[0];
        QCOMPARE(d.size(), 171);
        QCOMPARE(d[0].position, ticket::position(1, 1, cvp, chp));
        QCOMPARE(d[19].position, ticket::position(1, 20, cvp, chp));
        QCOMPARE(d[20].position, ticket::position(2, 1, cvp, chp));
        QCOMPARE(d[159].position, ticket::position(8, 20, cvp, chp));
        QCOMPARE(d[160].position, tierce(cvp, chp));
        QCOMPARE(d[170].position, ticket::position(8, -12.55f, cvp, chp));
    }

    // A bet printed now uses the saved corrections, whatever the window holds.
    QVERIFY(form2().imprime(QStringLiteral("tiercé"), 1, {0, 0, 0, 0, 0, 0, 0, 0, 0}, false));
    const ticket::Corrections c = ticket::lirecorrections(fichier);
    QCOMPARE(imprimante.enregistreuse.documents().last().first().position, tierce(c.cvp, c.chp));
    QCOMPARE(repondeur.questions.size(), 0);
}

// A damaged file is shown as 0 and 0, left as it is, and replaced only when the user saves.
void TestForm2::prefereendommage()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray abime = essais::lignes({"-15 "});
    racine.ecrire("prefer.txt", abime);
    form2().ouvrir();

    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.contains(QStringLiteral("est endommagé")));
    QVERIFY(repondeur.questions[0].texte.contains(QStringLiteral("remises à 0")));
    QCOMPARE(texte("Label2"), QStringLiteral("correction horizontale:  0"));
    QCOMPARE(texte("Label3"), QStringLiteral("correction verticale:  0"));
    QCOMPARE(racine.lire("prefer.txt"), abime);

    QTest::mouseClick(controle<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(racine.lire("prefer.txt"), abime);
    form2().ouvrir();
    QTest::mouseClick(controle<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(racine.lire("prefer.txt"), essais::lignes({" 0 ", " 0 "}));
}

// The corrections cannot be written: the user is told and the window stays open.
void TestForm2::enregistrementimpossible()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QVERIFY(QDir().mkdir(racine.chemin("prefer.txt")));
    form2().ouvrir();
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.contains(QStringLiteral("Impossible de lire")));

    appuyer(controle<QSlider>("Slider1"), Qt::Key_PageUp, 2);
    QTest::mouseClick(controle<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 2);
    QVERIFY(repondeur.questions[1].texte.contains(QStringLiteral("n'ont pas été enregistrées")));
    QVERIFY(form2().estouverte());
    QCOMPARE(form2().chp, 10.f);
}

void TestForm2::testsansmarque()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    essais::Imprimante imprimante;
    ticket::installermarque(racine.chemin("selec.bmp"));
    form2().ouvrir();
    QTest::mouseClick(controle<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.startsWith(QStringLiteral("Le ticket de test n'a pas été imprimé.")));
    QVERIFY(repondeur.questions[0].texte.contains(QStringLiteral("introuvable")));
    QCOMPARE(imprimante.enregistreuse.operations.size(), 0);
    QVERIFY(form2().estouverte());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
