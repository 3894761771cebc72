// The store of the work files, without any window: its paths follow the root at every
// call, and each announcement reaches its subscribers once, and only its own.

#include "travail/depot.h"
#include "travail/fichierdetravail.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using travail::Depot;
using travail::depot;

using Propriete = QString (Depot::*)() const;
using Annonce = void (Depot::*)();
Q_DECLARE_METATYPE(Propriete)
Q_DECLARE_METATYPE(Annonce)

class TstDepot : public QObject
{
    Q_OBJECT
private slots:
    void chemins_data();
    void chemins();
    void annonces_data();
    void annonces();
};

void TstDepot::chemins_data()
{
    QTest::addColumn<Propriete>("propriete");
    QTest::addColumn<QString>("nom");
    QTest::newRow("fichier") << &Depot::fichier << "fichier.txt";
    QTest::newRow("tampon") << &Depot::tampon << "tampon.txt";
    QTest::newRow("quinte") << &Depot::quinte << "quinte1.txt";
    QTest::newRow("contrainte") << &Depot::contrainte << "contrainte.txt";
    QTest::newRow("quinteo") << &Depot::quinteo << "quinte2.txt";
    QTest::newRow("mabase") << &Depot::mabase << "mabase.txt";
    QTest::newRow("duo") << &Depot::duo << "duo.txt";
    QTest::newRow("cote") << &Depot::cote << "cote.txt";
    QTest::newRow("contrecote") << &Depot::contrecote << "contrecote";
    QTest::newRow("prefer") << &Depot::prefer << "prefer.txt";
    QTest::newRow("arrivee") << &Depot::arrivee << "arrivee.txt";
    QTest::newRow("imprimante") << &Depot::imprimante << "imprimante.txt";
}

// A test changes KRN_RACINE between two calls: the path follows.
void TstDepot::chemins()
{
    QFETCH(Propriete, propriete);
    QFETCH(QString, nom);
    QTemporaryDir un, deux;
    qputenv("KRN_RACINE", un.path().toLocal8Bit());
    QCOMPARE(QDir::fromNativeSeparators((depot().*propriete)()), un.filePath(nom));
    qputenv("KRN_RACINE", deux.path().toLocal8Bit());
    QCOMPARE(QDir::fromNativeSeparators((depot().*propriete)()), deux.filePath(nom));
    qunsetenv("KRN_RACINE");
}

void TstDepot::annonces_data()
{
    QTest::addColumn<Annonce>("annonce");
    QTest::addColumn<int>("signal");   // index in the list of spies below
    QTest::newRow("jeux") << &Depot::annoncerjeux << 0;
    QTest::newRow("contraintes") << &Depot::annoncercontraintes << 1;
    QTest::newRow("quintes") << &Depot::annoncerquintes << 2;
    QTest::newRow("cotes") << &Depot::annoncercotes << 3;
    QTest::newRow("preferences") << &Depot::annoncerpreferences << 4;
    QTest::newRow("base") << &Depot::annoncerbase << 5;
    QTest::newRow("imprimante") << &Depot::annoncerimprimante << 6;
}

void TstDepot::annonces()
{
    QFETCH(Annonce, annonce);
    QFETCH(int, signal);
    QSignalSpy jeux(&depot(), &Depot::jeuxmodifies);
    QSignalSpy contraintes(&depot(), &Depot::contraintesmodifiees);
    QSignalSpy quintes(&depot(), &Depot::quintesmodifies);
    QSignalSpy cotes(&depot(), &Depot::cotesmodifiees);
    QSignalSpy preferences(&depot(), &Depot::preferencesmodifiees);
    QSignalSpy base(&depot(), &Depot::basemodifiee);
    QSignalSpy imprimante(&depot(), &Depot::imprimantemodifiee);
    const QList<QSignalSpy *> espions = {&jeux, &contraintes, &quintes, &cotes, &preferences, &base, &imprimante};

    (depot().*annonce)();
    for (int i = 0; i < espions.size(); ++i)
        QCOMPARE(espions[i]->count(), i == signal ? 1 : 0);
}

QTEST_GUILESS_MAIN(TstDepot)
#include "tst_depot.moc"
