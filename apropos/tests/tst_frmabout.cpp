// The About window as the user sees it: opened by "&Info", its texts and positions, the
// ways it closes, and the system-information button over a registry held in memory.

#include "apropos/frmabout.h"
#include "essais/essais.h"
#include "fauxsysteme.h"
#include "jeux/form1.h"
#include "krn/version.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString cleoutil = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString cledossier = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString indisponible = QStringLiteral("Les informations système ne sont pas disponibles actuellement");

QRect entwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(Fenetre::px(gauche), Fenetre::px(haut), Fenetre::px(largeur), Fenetre::px(hauteur));
}
} // namespace

class tst_frmabout : public QObject
{
    Q_OBJECT

private slots:
    void ouvertparinfo();
    void textes();
    void positions_data();
    void positions();
    void fenetrefixe();
    void fermeture_data();
    void fermeture();
    void info_data();
    void info();
#ifndef Q_OS_WIN
    void infosansregistre();
#endif

private:
    static frmAbout &ouvrir()
    {
        frmabout().ouvrir();
        return frmabout();
    }
};

void tst_frmabout::ouvertparinfo()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    form1().ouvrir();
    auto *info = form1().findChild<QAction *>(QStringLiteral("infomn"));
    QVERIFY(info);
    QCOMPARE(info->text(), QStringLiteral("&Info"));
    info->trigger();

    frmAbout *f = &frmabout();
    QVERIFY(f->isVisible());
    QVERIFY(f->estouverte());
    QVERIFY(form1().isVisible());   // modeless: the main window stays
    QVERIFY(!f->isModal());
    QVERIFY(f->windowHandle() && f->windowHandle()->transientParent() == form1().windowHandle());
    QVERIFY(repondeur.questions.isEmpty());
}

void tst_frmabout::textes()
{
    essais::Racine racine;
    frmAbout &f = ouvrir();
    QCOMPARE(f.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(f.windowTitle(), QStringLiteral("À propos de KRN"));
    QCOMPARE(f.findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("KRN"));
    QCOMPARE(f.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version " KRN_VERSION));
    QCOMPARE(f.findChild<QLabel *>(QStringLiteral("lblDisclaimer"))->text(),
             QStringLiteral("Avertissement: verifier vos paris,ma responsabilité ne peut etre engagé"));
    QCOMPARE(f.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
    QCOMPARE(f.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->text(), QStringLiteral("info"));

    const QString description = f.findChild<QLabel *>(QStringLiteral("lblDescription"))->text();
    QVERIFY(!description.isEmpty());
    QVERIFY(!description.contains(QLatin1Char('\n')));

    const QPixmap logo = f.findChild<QLabel *>(QStringLiteral("Picture1"))->pixmap();
    QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(Fenetre::px(615), Fenetre::px(735)));
    const QImage image = logo.toImage();
    QVERIFY(image.pixelColor(image.width() / 2, image.height() / 8) != image.pixelColor(4, image.height() / 2));

    const auto blanche = f.findChild<QWidget *>(QStringLiteral("Line1(0)"));
    const auto grise = f.findChild<QWidget *>(QStringLiteral("Line1(1)"));
    QVERIFY(blanche && grise);
    QCOMPARE(blanche->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(grise->palette().color(QPalette::Window), QColor(128, 128, 128));
    QVERIFY(blanche->autoFillBackground() && grise->autoFillBackground());
}

void tst_frmabout::positions_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("place");

    QTest::newRow("Picture1") << QStringLiteral("Picture1") << entwips(240, 240, 615, 735);
    QTest::newRow("lblTitle") << QStringLiteral("lblTitle") << entwips(1080, 240, 3885, 480);
    QTest::newRow("lblVersion") << QStringLiteral("lblVersion") << entwips(1080, 780, 3885, 225);
    QTest::newRow("lblDescription") << QStringLiteral("lblDescription") << entwips(1050, 1125, 3885, 450);
    QTest::newRow("lblDisclaimer") << QStringLiteral("lblDisclaimer") << entwips(120, 2280, 3495, 825);
    QTest::newRow("cmdOK") << QStringLiteral("cmdOK") << entwips(3840, 2280, 1260, 345);
    QTest::newRow("cmdSysInfo") << QStringLiteral("cmdSysInfo") << entwips(3840, 2760, 1245, 345);
    // The lines run across the whole client area.
    QTest::newRow("Line1(0)") << QStringLiteral("Line1(0)") << QRect(0, Fenetre::px(1680), Fenetre::px(5280), 2);
    QTest::newRow("Line1(1)") << QStringLiteral("Line1(1)") << QRect(0, Fenetre::px(2160), Fenetre::px(5280), 1);
}

void tst_frmabout::positions()
{
    QFETCH(QString, nom);
    QFETCH(QRect, place);
    essais::Racine racine;
    frmAbout &f = ouvrir();
    auto *w = f.findChild<QWidget *>(nom);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->geometry(), place);
}

void tst_frmabout::fenetrefixe()
{
    essais::Racine racine;
    frmAbout &f = ouvrir();
    const QSize client(Fenetre::px(5280), Fenetre::px(3270));
    QCOMPARE(f.size(), client);
    QCOMPARE(f.minimumSize(), client);
    QCOMPARE(f.maximumSize(), client);
    const Qt::WindowFlags drapeaux = f.windowFlags();
    QCOMPARE(drapeaux & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(drapeaux & Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(drapeaux & Qt::WindowCloseButtonHint);
    QVERIFY(!(drapeaux & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(drapeaux & Qt::WindowMaximizeButtonHint));
}

void tst_frmabout::fermeture_data()
{
    QTest::addColumn<int>("touche");   // 0: a click on "OK"
    QTest::newRow("clic sur OK") << 0;
    QTest::newRow("Entrée") << int(Qt::Key_Return);
    QTest::newRow("Entrée du pavé numérique") << int(Qt::Key_Enter);
    QTest::newRow("Échap") << int(Qt::Key_Escape);
}

void tst_frmabout::fermeture()
{
    QFETCH(int, touche);
    essais::Racine racine;
    essais::Repondeur repondeur;
    FauxSysteme faux;
    faux.chaine(cleoutil, QStringLiteral("PATH"), "C:\\Outils\\MSINFO32.EXE");
    frmAbout &f = ouvrir();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    if (touche == 0)
        QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        QTest::keyClick(&f, Qt::Key(touche));

    QVERIFY(!f.isVisible());
    QVERIFY(!f.estouverte());
    QVERIFY(faux.demarres.isEmpty());
    QVERIFY(repondeur.questions.isEmpty());

    // It loads again at the next opening.
    f.ouvrir();
    QVERIFY(f.isVisible());
    QCOMPARE(f.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version " KRN_VERSION));
}

void tst_frmabout::info_data()
{
    QTest::addColumn<QString>("outil");      // value "PATH" of the first key; empty: not there
    QTest::addColumn<QString>("dossier");    // value "MSINFO" of the second key; empty: not there
    QTest::addColumn<bool>("fichier");       // the tool exists in that folder
    QTest::addColumn<bool>("refusee");       // the first key refuses full access
    QTest::addColumn<bool>("demarrage");     // the start succeeds
    QTest::addColumn<QStringList>("cles");   // keys opened, in order
    QTest::addColumn<QStringList>("demarres");
    QTest::addColumn<bool>("message");

    const QString outil = QStringLiteral("C:\\Program Files\\Outils\\MSINFO32.EXE");
    const QString dossier = QStringLiteral("D:\\Partage\\MSInfo");
    const QString outildossier = dossier + QStringLiteral("\\MSINFO32.EXE");
    const QStringList deuxcles{cleoutil, cledossier};

    QTest::newRow("le premier chemin suffit") << outil << dossier << true << false << true << QStringList{cleoutil}
                                              << QStringList{outil} << false;
    QTest::newRow("seul le dossier, outil absent")
        << QString() << dossier << false << false << true << deuxcles << QStringList() << true;
    QTest::newRow("seul le dossier, outil présent")
        << QString() << dossier << true << false << true << deuxcles << QStringList{outildossier} << false;
    QTest::newRow("rien d'inscrit") << QString() << QString() << false << false << true << deuxcles << QStringList() << true;
    QTest::newRow("le démarrage échoue") << outil << dossier << true << false << false << QStringList{cleoutil}
                                         << QStringList{outil} << true;
    QTest::newRow("le démarrage par le dossier échoue")
        << QString() << dossier << true << false << false << deuxcles << QStringList{outildossier} << true;
    QTest::newRow("accès complet refusé à la première clé")
        << outil << dossier << true << true << true << deuxcles << QStringList{outildossier} << false;
}

void tst_frmabout::info()
{
    QFETCH(QString, outil);
    QFETCH(QString, dossier);
    QFETCH(bool, fichier);
    QFETCH(bool, refusee);
    QFETCH(bool, demarrage);
    QFETCH(QStringList, cles);
    QFETCH(QStringList, demarres);
    QFETCH(bool, message);

    essais::Racine racine;
    essais::Repondeur repondeur;
    FauxSysteme faux;
    if (!outil.isEmpty())
        faux.chaine(cleoutil, QStringLiteral("PATH"), outil.toLocal8Bit());
    if (!dossier.isEmpty())
        faux.chaine(cledossier, QStringLiteral("MSINFO"), dossier.toLocal8Bit());
    if (fichier)
        faux.fichiers << dossier + QStringLiteral("\\MSINFO32.EXE");
    if (refusee)
        faux.protegees << cleoutil;
    faux.demarrage = demarrage;

    frmAbout &f = ouvrir();
    QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);

    QCOMPARE(faux.ouvertures, cles);
    QCOMPARE(faux.ouvertes, 0);
    QCOMPARE(faux.demarres, demarres);
    if (message) {
        QCOMPARE(repondeur.questions.size(), 1);
        const auto &q = repondeur.questions.first();
        QCOMPARE(q.texte, indisponible);
        QCOMPARE(q.titre, QStringLiteral("KRN"));
        QCOMPARE(q.boutons, dialogue::Boutons::ok);
    } else {
        QVERIFY(repondeur.questions.isEmpty());
    }
    QVERIFY(f.isVisible());   // the window stays open either way
}

#ifndef Q_OS_WIN
// Away from Windows there is no registry, so no tool: the message.
void tst_frmabout::infosansregistre()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    frmAbout &f = ouvrir();
    QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QCOMPARE(repondeur.questions.size(), 1);
    QCOMPARE(repondeur.questions.first().texte, indisponible);
    QVERIFY(f.isVisible());
}
#endif

QTEST_MAIN(tst_frmabout)
#include "tst_frmabout.moc"
