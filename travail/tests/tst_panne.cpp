// Proof against crashes and a second program: a child process is killed at every step of
// a save, a deletion and "(E) Enregistrer tout" (and half-way through each of its writes),
// after which every bet saved before is readable and the file is the old one or the new
// one; a cut save is recognised, refused as an end to append to and set aside. Two
// programs never work in the same directory; the lock of a killed one is taken over.

#include "essais/essais.h"
#include "quintes/bilan.h"
#include "quintes/combinaison.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"
#include "travail/reparation.h"
#include "travail/verrou.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <iostream>

#include <unistd.h>

using namespace travail;

namespace {

QByteArray jeu(qint16 h)
{
    return enregistrement(Jeu{TypeDePari::quinte, 1, false, {5, h, 2, 3, 4, 5, 0, 0, 0}});
}

QByteArray quintes2000()
{
    QByteArray r;
    int n = 0;
    for (qint16 a = 1; a <= 16 && n < 2000; ++a)
        for (qint16 b = a + 1; b <= 17 && n < 2000; ++b)
            for (qint16 c = b + 1; c <= 18 && n < 2000; ++c)
                for (qint16 d = c + 1; d <= 19 && n < 2000; ++d)
                    for (qint16 e = d + 1; e <= 20 && n < 2000; ++e, ++n)
                        r += quintes::enregistrement({a, b, c, d, e});
    return r;
}

// The disk of the child: it dies at point n, a point being a step between writes or a
// piece of a write (it dies half-way through that piece).
struct Tueur final : Disque
{
    int n = 0;
    qint64 morceau = 0;
    int compte = 0;
    static void mourir() { ::kill(::getpid(), SIGKILL); }
    qint64 ecrire(QFileDevice &f, QByteArrayView octets) override
    {
        const qint64 m = std::min<qint64>(octets.size(), morceau);
        if (++compte == n) {
            f.write(octets.data(), m / 2);
            mourir();
        }
        return f.write(octets.data(), m);
    }
    bool etape(Etape, const QString &) override
    {
        if (++compte == n)
            mourir();
        return true;
    }
};

QString operation(int op)
{
    return QStringList{QStringLiteral("ajout"), QStringLiteral("retrait"), QStringLiteral("tout")}[op];
}

int enfant(const QStringList &args)
{
    const QString mode = args.value(1);
    if (mode == QLatin1String("--tenir") || mode == QLatin1String("--essayer")) {
        const Verrou v;
        std::cout << (v.ok() ? QByteArray("pris") : v.erreur().toUtf8()).constData() << std::endl;
        if (mode == QLatin1String("--tenir") && v.ok()) {
            std::string ligne;
            std::getline(std::cin, ligne);   // held until the parent closes our input
        }
        return v.ok() ? 0 : 1;
    }
    // --panne <operation> <n> <piece>
    Tueur tueur;
    tueur.n = args.value(3).toInt();
    tueur.morceau = args.value(4).toLongLong();
    installer(&tueur);
    const FichierDeTravail f(chemin(noms::fichier));
    Resultat r;
    const QString op = args.value(2);
    if (op == QLatin1String("ajout"))
        r = f.ajouter(jeu(99), valeursparjeu);
    else if (op == QLatin1String("retrait"))
        r = f.retirer(chemin(noms::tampon), valeursparjeu, [](int k) { return k != 2; });
    else
        r = quintes::enregistretout(2000, chemin(noms::quinteo), chemin(noms::fichier));
    return r.ok() ? 0 : 2;
}

QList<qint64> lisibles(const QByteArray &c)
{
    return lirejeux(c).positions;
}

} // namespace

class TstPanne : public QObject
{
    Q_OBJECT

private slots:
    void crash_data();
    void crash();
    void deuxprogrammes();
};

void TstPanne::crash_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<qint64>("morceau");
    QTest::newRow("un jeu enregistré") << 0 << qint64(16);
    QTest::newRow("un jeu effacé") << 1 << qint64(64);
    QTest::newRow("(E) Enregistrer tout") << 2 << qint64(16384);
}

void TstPanne::crash()
{
    QFETCH(int, op);
    QFETCH(qint64, morceau);
    essais::Racine racine;
    const QByteArray ancien = jeu(10) + jeu(11) + jeu(12);
    const QByteArray ordonnes = quintes2000();
    QByteArray nouveau;
    if (op == 0)
        nouveau = ancien + jeu(99);
    else if (op == 1)
        nouveau = jeu(10) + jeu(12);
    else {
        nouveau = ancien;
        for (const quintes::Combinaison &c : quintes::lirecombinaisons(ordonnes).combinaisons)
            nouveau += enregistrement(quintes::jeubilan(c));
    }
    const QList<Jeu> avant = lirejeux(ancien).jeux;

    int tues = 0;
    for (int n = 1;; ++n) {
        QVERIFY(n < 500);
        racine.ecrire(noms::fichier, ancien);
        racine.ecrire(noms::quinteo, ordonnes);
        QFile::remove(racine.chemin(noms::tampon));
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--panne"), operation(op), QString::number(n), QString::number(morceau)});
        QVERIFY(p.waitForFinished(60000));
        const QByteArray apres = racine.lire(noms::fichier);
        if (p.exitStatus() == QProcess::NormalExit) {
            QCOMPARE(p.exitCode(), 0);
            QCOMPARE(apres, nouveau);
            break;
        }
        ++tues;
        const QString ici = QStringLiteral("tué au point %1").arg(n);
        if (apres == ancien || apres == nouveau)
            continue;
        // Only a save of one bet appends in place: the old bytes, then a cut part of the new bet.
        QVERIFY2(op == 0 && apres.startsWith(ancien) && nouveau.startsWith(apres), qPrintable(ici));
        const LectureJeux lus = lirejeux(apres);
        QCOMPARE(lus.jeux.mid(0, avant.size()), avant);
        // The cut save is recognised: nothing is appended after it, and it is set aside.
        const FichierDeTravail f(chemin(noms::fichier));
        const Resultat r = f.ajouter(jeu(50), valeursparjeu);
        QVERIFY2(r.finabimee, qPrintable(ici));
        QCOMPARE(racine.lire(noms::fichier), apres);
        const reparation::Reparation rep = reparation::reparer(chemin(noms::fichier), valeursparjeu, lisibles);
        QVERIFY2(rep.resultat.ok(), qPrintable(rep.resultat.erreur));
        // Set aside whole, unless all of it was written but the end of its last line.
        const QByteArray repare = racine.lire(noms::fichier);
        if (repare == ancien)
            QCOMPARE(racine.lire("fichier.abime.txt"), apres.mid(ancien.size()));
        else
            QVERIFY2(repare == nouveau && !racine.existe("fichier.abime.txt"), qPrintable(ici));
        QFile::remove(racine.chemin("fichier.abime.txt"));
    }
    // Every step was tried: at least the scratch or the appended bytes, then the steps after.
    QVERIFY2(tues >= 3, qPrintable(QString::number(tues)));
}

void TstPanne::deuxprogrammes()
{
    essais::Racine racine;
    const QString programme = QCoreApplication::applicationFilePath();
    const QString message = QStringLiteral("KRN est déjà ouvert sur le dossier « %1 ».").arg(QDir::toNativeSeparators(racine.chemin("")).chopped(1));

    QProcess premier;
    premier.start(programme, {QStringLiteral("--tenir")});
    QVERIFY(premier.waitForReadyRead(30000));
    QCOMPARE(premier.readLine().trimmed(), QByteArray("pris"));

    // A second program on the same directory is told, and goes.
    QProcess second;
    second.start(programme, {QStringLiteral("--essayer")});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(second.readAllStandardOutput().trimmed()), message);

    // The first one crashes: its lock is taken over.
    premier.kill();
    QVERIFY(premier.waitForFinished(30000));
    QVERIFY(QFileInfo::exists(racine.chemin(nomverrou)));
    QProcess troisieme;
    troisieme.start(programme, {QStringLiteral("--essayer")});
    QVERIFY(troisieme.waitForFinished(30000));
    QCOMPARE(troisieme.readAllStandardOutput().trimmed(), QByteArray("pris"));
    QCOMPARE(troisieme.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && args[1].startsWith(QLatin1String("--")) && args[1] != QLatin1String("--"))
        if (const QString m = args[1]; m == QLatin1String("--tenir") || m == QLatin1String("--essayer") || m == QLatin1String("--panne"))
            return enfant(args);
    TstPanne t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_panne.moc"
