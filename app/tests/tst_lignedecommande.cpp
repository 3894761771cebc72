// The command line of the program itself: "--help" and "--version" answer on the terminal
// with no display at all (a window would abort the program there), Qt's own options are
// accepted, anything else is refused with a message.

#include "krn/version.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLigneDeCommande : public QObject
{
    Q_OBJECT

private slots:
    void reponses_data();
    void reponses();
};

void TestLigneDeCommande::reponses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("sortie");        // what stdout holds
    QTest::addColumn<QStringList>("erreur");        // what stderr holds
    QTest::addColumn<QStringList>("absent");        // what neither holds

    const QString version = u"KRN "_s + QStringLiteral(KRN_VERSION) + u"\n"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << QStringList{version} << QStringList{}
                               << QStringList{};
    QTest::newRow("-v") << QStringList{u"-v"_s} << 0 << QStringList{version} << QStringList{} << QStringList{};
    QTest::newRow("--help") << QStringList{u"--help"_s} << 0
                            << QStringList{u"--version"_s, u"--help"_s, u"KRN_RACINE"_s, u"quintés"_s} << QStringList{}
                            << QStringList{u"platform"_s, u"stylesheet"_s};
    QTest::newRow("-h") << QStringList{u"-h"_s} << 0 << QStringList{u"--version"_s} << QStringList{} << QStringList{};
    // "-reverse" is one of Qt's options, not -r -e -v -e -r -s -e.
    QTest::newRow("Qt options before") << QStringList{u"-platform"_s, u"offscreen"_s, u"-style=fusion"_s, u"-reverse"_s, u"-v"_s}
                                       << 0 << QStringList{version} << QStringList{} << QStringList{};
    QTest::newRow("unknown option") << QStringList{u"--verison"_s} << 2 << QStringList{}
                                    << QStringList{u"verison"_s, u"krn --help"_s} << QStringList{};
    QTest::newRow("argument") << QStringList{u"fichier.txt"_s} << 2 << QStringList{}
                              << QStringList{u"« fichier.txt »"_s, u"krn --help"_s} << QStringList{};
}

void TestLigneDeCommande::reponses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QStringList, sortie);
    QFETCH(QStringList, erreur);
    QFETCH(QStringList, absent);

    // No display of any kind: a window would make the program abort.
    QTemporaryDir racine;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *nom : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(nom));
    env.insert(u"KRN_RACINE"_s, racine.path());
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    QProcess krn;
    krn.setProcessEnvironment(env);
    krn.start(QStringLiteral(KRN_PROGRAMME), arguments);
    QVERIFY(krn.waitForFinished(20000));
    const QString out = QString::fromUtf8(krn.readAllStandardOutput());
    const QString err = QString::fromUtf8(krn.readAllStandardError());
    QCOMPARE(krn.exitStatus(), QProcess::NormalExit);
    QCOMPARE(krn.exitCode(), code);
    if (sortie.size() == 1 && sortie.first().startsWith(u"KRN "_s))
        QCOMPARE(out, sortie.first());
    for (const QString &s : sortie)
        QVERIFY2(out.contains(s), qPrintable(out));
    for (const QString &s : erreur)
        QVERIFY2(err.contains(s), qPrintable(err));
    if (code == 0)
        QVERIFY2(err.isEmpty(), qPrintable(err));
    else
        QVERIFY(out.isEmpty());
    for (const QString &s : absent)
        QVERIFY2(!out.contains(s) && !err.contains(s), qPrintable(out + err));
    // Nothing was written to the work directory: the program never got that far.
    QVERIFY(QDir(racine.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "tst_lignedecommande.moc"
