// The program as the desktop meets it once installed: the files laid down by the install
// rules, the menu entry and the software-centre data as their validators read them, the
// manual page as man shows it, and the icon of the windows.

#include "bureau/icone.h"
#include "krn/version.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString identifiant = QStringLiteral(KRN_IDENTIFIANT);

struct Sortie
{
    int code = -1;
    QString texte;   // stdout and stderr together
    QString erreur;  // stderr alone
};

Sortie lancer(const QString &programme, const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    p.setProcessEnvironment(env);
    p.start(programme, arguments);
    Sortie s;
    if (!p.waitForFinished(120000))
        return s;
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    s.erreur = QString::fromUtf8(p.readAllStandardError());
    s.texte = out + s.erreur;
    s.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return s;
}

} // namespace

class TestBureau : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fichiers_data();
    void fichiers();
    void entreedemenu();
    void logiciatheque();
    void manuel();
    void icone();

private:
    QTemporaryDir m_dossier;
    QString m_usr;   // the prefix the program was installed in

    QString installe(const QString &chemin) const { return m_usr + u'/' + chemin; }
};

void TestBureau::initTestCase()
{
    QVERIFY(m_dossier.isValid());
    m_usr = m_dossier.path() + u"/usr"_s;
    const Sortie s = lancer(QStringLiteral(KRN_CMAKE), {u"--install"_s, QStringLiteral(KRN_CONSTRUCTION), u"--prefix"_s, m_usr});
    QVERIFY2(s.code == 0, qPrintable(s.texte));
}

void TestBureau::fichiers_data()
{
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<int>("taille");   // of the image, in pixels; 0 when not a bitmap

    QTest::newRow("program") << u"bin/krn"_s << 0;
    QTest::newRow("ticket mark") << u"share/krn/selec.bmp"_s << 0;
    QTest::newRow("menu entry") << u"share/applications/%1.desktop"_s.arg(identifiant) << 0;
    QTest::newRow("software centre") << u"share/metainfo/%1.metainfo.xml"_s.arg(identifiant) << 0;
    QTest::newRow("icon, drawing") << u"share/icons/hicolor/scalable/apps/%1.svg"_s.arg(identifiant) << 0;
    for (int taille : {16, 32, 48, 256})
        QTest::addRow("icon, %d px", taille) << u"share/icons/hicolor/%1x%1/apps/%2.png"_s.arg(taille).arg(identifiant)
                                             << taille;
    QTest::newRow("manual") << u"share/man/man1/krn.1.gz"_s << 0;
}

void TestBureau::fichiers()
{
    QFETCH(QString, chemin);
    QFETCH(int, taille);
    QVERIFY2(QFileInfo(installe(chemin)).isFile(), qPrintable(chemin));
    if (taille > 0)
        QCOMPARE(QImage(installe(chemin)).size(), QSize(taille, taille));
}

void TestBureau::entreedemenu()
{
    const QString entree = installe(u"share/applications/%1.desktop"_s.arg(identifiant));
    // What the menu starts and shows: the installed program, under the installed icon.
    QFile f(entree);
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lignes = QString::fromUtf8(f.readAll()).split(u'\n');
    QVERIFY(lignes.contains(u"Exec=krn"_s));
    QVERIFY(lignes.contains(u"Icon="_s + identifiant));
    QVERIFY(lignes.contains(u"Categories=Office;Finance;"_s));
    QVERIFY(lignes.contains(u"Name=KRN"_s));

    const QString validateur = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (validateur.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian's desktop-file-utils)");
    const Sortie v = lancer(validateur, {entree});
    QVERIFY2(v.code == 0 && v.texte.trimmed().isEmpty(), qPrintable(v.texte));
}

void TestBureau::logiciatheque()
{
    const QString appstream = QStandardPaths::findExecutable(u"appstreamcli"_s);
    if (appstream.isEmpty())
        QSKIP("appstreamcli is not installed (Debian's appstream)");
    const QString donnees = installe(u"share/metainfo/%1.metainfo.xml"_s.arg(identifiant));
    const Sortie v = lancer(appstream, {u"validate"_s, u"--no-net"_s, u"--explain"_s, donnees});
    QVERIFY2(v.code == 0, qPrintable(v.texte));
    // The whole tree: the data, the menu entry it launches and the icon the entry names.
    const Sortie arbre = lancer(appstream, {u"validate-tree"_s, u"--no-net"_s, u"--explain"_s, m_dossier.path()});
    QVERIFY2(arbre.code == 0, qPrintable(arbre.texte));
}

void TestBureau::manuel()
{
    const QString man = QStandardPaths::findExecutable(u"man"_s);
    if (man.isEmpty())
        QSKIP("man is not installed (Debian's man-db)");
    const Sortie m = lancer(man, {u"--warnings"_s, u"-l"_s, installe(u"share/man/man1/krn.1.gz"_s)});
    QVERIFY2(m.code == 0, qPrintable(m.texte));
    QVERIFY2(m.erreur.trimmed().isEmpty(), qPrintable(m.erreur));
    for (const QString &partie : {u"SYNOPSIS"_s, u"KRN_RACINE"_s, u"fichier.txt"_s, u"IMPRESSION"_s, u"--version"_s,
                                  QStringLiteral("KRN " KRN_VERSION)})
        QVERIFY2(m.texte.contains(partie), qPrintable(partie));
}

void TestBureau::icone()
{
    // The icon of every window: drawn at each size a window manager asks for.
    const QIcon i = bureau::icone();
    for (int taille : {16, 32, 48, 256}) {
        QVERIFY(i.availableSizes().contains(QSize(taille, taille)));
        const QImage image = i.pixmap(taille).toImage();
        QCOMPARE(image.size(), QSize(taille, taille));
        // The green of the turf at the bottom left, the corners transparent.
        const QColor herbe = image.pixel(taille / 5, taille * 85 / 100);
        QVERIFY(herbe.green() > 100 && herbe.red() < 100);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

QTEST_MAIN(TestBureau)
#include "tst_bureau.moc"
