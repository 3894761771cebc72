// Every input of the fuzz corpus (fuzz/corpus/<target>/), found by the fuzzer or made by
// hand, given again to its target: no crash, no sanitizer report, and the properties of
// fuzz/cibles.cpp hold. A property that fails stops the test on the input named.

#include "fuzz/cibles.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TstCorpus : public QObject
{
    Q_OBJECT

private slots:
    void rejouer_data();
    void rejouer();
};

void TstCorpus::rejouer_data()
{
    QTest::addColumn<QString>("cible");
    QTest::addColumn<QString>("chemin");
    for (const fuzz::Entree &e : fuzz::cibles()) {
        const QDir dossier(QStringLiteral(KRN_CORPUS "/") + QLatin1String(e.nom));
        const QStringList fichiers = dossier.entryList(QDir::Files, QDir::Name);
        // Every target has its corpus: a folder missing would silently test nothing.
        if (fichiers.isEmpty())
            qFatal("pas de corpus pour la cible %s dans %s", e.nom, qPrintable(dossier.path()));
        for (const QString &f : fichiers)
            QTest::addRow("%s/%s", e.nom, qPrintable(f)) << QString::fromLatin1(e.nom) << dossier.filePath(f);
    }
}

void TstCorpus::rejouer()
{
    QFETCH(QString, cible);
    QFETCH(QString, chemin);
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    fuzz::cible(cible)(octets);
}

QTEST_GUILESS_MAIN(TstCorpus)
#include "tst_corpus.moc"
