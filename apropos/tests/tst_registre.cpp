// Reading a registry value: strings, numbers, other types and every way it can fail.

#include "apropos/registre.h"
#include "apropos/systeme.h"
#include "fauxsysteme.h"

#include <QTest>

namespace {
const QString cle = QStringLiteral("SOFTWARE\\Essai");
const QString nom = QStringLiteral("Valeur");

QByteArray octets(std::initializer_list<int> l)
{
    QByteArray r;
    for (int o : l)
        r += char(o);
    return r;
}
} // namespace

class tst_registre : public QObject
{
    Q_OBJECT

    enum Etat { presente, cleabsente, valeurabsente, accesrefuse };

private slots:
    void GetKeyValue_data();
    void GetKeyValue();
#ifndef Q_OS_WIN
    void sansregistre();
#endif
};

void tst_registre::GetKeyValue_data()
{
    QTest::addColumn<int>("etat");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("donnees");
    QTest::addColumn<bool>("lu");
    QTest::addColumn<QString>("attendu");

    const quint32 sz = apropos::typechaine, dword = apropos::typenombre;
    QTest::newRow("chaîne et son zéro final")
        << int(presente) << sz << QByteArray("C:\\Outils\\MSINFO32.EXE\0", 23) << true << QStringLiteral("C:\\Outils\\MSINFO32.EXE");
    QTest::newRow("chaîne sans zéro final") << int(presente) << sz << QByteArray("abc") << true << QStringLiteral("abc");
    QTest::newRow("chaîne suivie de deux zéros") << int(presente) << sz << QByteArray("abc\0\0", 5) << true << QStringLiteral("abc");
    QTest::newRow("chaîne vide") << int(presente) << sz << QByteArray(1, '\0') << true << QString();
    QTest::newRow("chaîne de 1023 caractères, tampon plein")
        << int(presente) << sz << QByteArray(1023, 'a') + '\0' << true << QString(1023, QLatin1Char('a'));
    QTest::newRow("chaîne plus longue que le tampon") << int(presente) << sz << QByteArray(1024, 'a') + '\0' << false << QString();

    // Every byte of a number counts: 258 is 02 01 00 00, not 0x12.
    QTest::newRow("nombre 258") << int(presente) << dword << octets({0x02, 0x01, 0x00, 0x00}) << true << QStringLiteral("258");
    QTest::newRow("nombre à octets nuls au milieu")
        << int(presente) << dword << octets({0x0D, 0x00, 0x0B, 0x0A}) << true << QString::number(0x0A0B000D);
    QTest::newRow("nombre zéro") << int(presente) << dword << octets({0, 0, 0, 0}) << true << QStringLiteral("0");
    QTest::newRow("nombre maximal") << int(presente) << dword << octets({0xFF, 0xFF, 0xFF, 0xFF}) << true
                                    << QStringLiteral("4294967295");

    QTest::newRow("chaîne à développer (type 2)") << int(presente) << quint32(2) << QByteArray("%SystemRoot%\0", 13) << true << QString();
    QTest::newRow("binaire (type 3)") << int(presente) << quint32(3) << octets({1, 2, 3}) << true << QString();

    QTest::newRow("clé absente") << int(cleabsente) << sz << QByteArray("x") << false << QString();
    QTest::newRow("valeur absente") << int(valeurabsente) << sz << QByteArray("x") << false << QString();
    QTest::newRow("accès complet refusé") << int(accesrefuse) << sz << QByteArray("x") << false << QString();
}

void tst_registre::GetKeyValue()
{
    QFETCH(int, etat);
    QFETCH(quint32, type);
    QFETCH(QByteArray, donnees);
    QFETCH(bool, lu);
    QFETCH(QString, attendu);

    FauxSysteme faux;
    if (etat != cleabsente)
        faux.cles[cle][etat == valeurabsente ? QStringLiteral("Autre") : nom] = {type, donnees};
    if (etat == accesrefuse)
        faux.protegees << cle;

    QString valeur = QStringLiteral("ancienne");
    QCOMPARE(apropos::GetKeyValue(apropos::hkeylocalmachine, cle, nom, valeur), lu);
    QCOMPARE(valeur, attendu);

    QCOMPARE(faux.ouvertures, QStringList{cle});
    QCOMPARE(faux.acces_demandes, QList<quint32>{0x2003Fu});
    QCOMPARE(faux.ouvertes, 0);            // an opened key is always closed
    QCOMPARE(faux.fermeturesfausses, 0);   // and a key never opened is never closed
}

#ifndef Q_OS_WIN
// Away from Windows the registry has no keys.
void tst_registre::sansregistre()
{
    QString valeur = QStringLiteral("ancienne");
    QVERIFY(!apropos::GetKeyValue(apropos::hkeylocalmachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                  QStringLiteral("PATH"), valeur));
    QVERIFY(valeur.isEmpty());
    QCOMPARE(apropos::cheminsysinfo(), QString());
}
#endif

QTEST_GUILESS_MAIN(tst_registre)
#include "tst_registre.moc"
