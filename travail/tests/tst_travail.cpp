// The work files: bytes written, values read back, records dropped; the bet record,
// its price and the display form of numbers.

#include "essais/essais.h"
#include "travail/fichierdetravail.h"
#include "travail/format.h"
#include "travail/jeu.h"
#include "travail/nombres.h"

#include <QTest>

#include <algorithm>
#include <limits>

using namespace travail;

class TstTravail : public QObject
{
    Q_OBJECT

private slots:
    void ecriture_data();
    void ecriture();
    void lecture_data();
    void lecture();
    void lectureerronee_data();
    void lectureerronee();
    void assurerexistence();
    void lirefichierabsent();
    void ajouter();
    void retirer_data();
    void retirer();
    void retirergardeillisible();
    void retirerfinsdeligne_data();
    void retirerfinsdeligne();
    void nombrelarge_data();
    void nombrelarge();
    void remplacementinterrompu();
    void prix_data();
    void prix();
    void binome_data();
    void binome();
    void textenombre_data();
    void textenombre();
    void relirejeux();
    void jeuxendommages_data();
    void jeuxendommages();
    void formeecrite_data();
    void enregistrementjeu_data();
    void enregistrementjeu();
    void formeecrite();
    void deuxmoities_data();
    void deuxmoities();
};

void TstTravail::ecriture_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("simple 20") << Ecriture().nombre(20.0f).octets() << QByteArray("20\r\n");
    QTest::newRow("entier 20") << Ecriture().entier(qint16(20)).octets() << QByteArray("20\r\n");
    QTest::newRow("simple 1.3") << Ecriture().nombre(1.3f).octets() << QByteArray("1.3\r\n");
    QTest::newRow("négatif") << Ecriture().entier(-35).octets() << QByteArray("-35\r\n");
    QTest::newRow("vrai") << Ecriture().booleen(true).octets() << QByteArray("#TRUE#\r\n");
    QTest::newRow("faux") << Ecriture().booleen(false).octets() << QByteArray("#FALSE#\r\n");
    QTest::newRow("tiercé") << Ecriture().chaine(TypeDePari::tierce).octets() << QByteArray("\"tierc\xE9\"\r\n");
    QTest::newRow("quinté") << Ecriture().chaine(TypeDePari::quinte).octets()
                            << QByteArray::fromHex("227175696E74E9220D0A");
    QTest::newRow("enregistrement")
        << enregistrement(Jeu{TypeDePari::tierce, 2, false, {3, 4, 9, 13, 0, 0, 0, 0, 0}})
        << essais::lignes({"\"tierc\xE9\"", "2", "#FALSE#", "3", "4", "9", "13", "0", "0", "0", "0", "0"});
}

void TstTravail::ecriture()
{
    QFETCH(QByteArray, octets);
    QFETCH(QByteArray, attendu);
    QCOMPARE(octets, attendu);
}

void TstTravail::lecture_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("types");     // c chaîne, b booléen, e entier, s simple, o octet
    QTest::addColumn<QStringList>("valeurs");
    QTest::newRow("une ligne par valeur") << essais::lignes({"\"quart\xE9\"", "1.3", "#TRUE#", "12"}) << "csbe"
                                          << QStringList{u"quarté"_qs, "1.3", "true", "12"};
    QTest::newRow("blancs autour") << essais::lignes({" 120 ", "-35 "}) << "ee" << QStringList{"120", "-35"};
    QTest::newRow("virgules") << QByteArray("#TRUE#,0, 500,0,1000\r\n") << "bssss"
                              << QStringList{"true", "0", "500", "0", "1000"};
    QTest::newRow("virgule entre guillemets") << QByteArray("\"a,b\",5\r\n") << "ce" << QStringList{"a,b", "5"};
    QTest::newRow("fins de ligne LF") << QByteArray("7\n8\n") << "ee" << QStringList{"7", "8"};
    QTest::newRow("fins de ligne CR") << QByteArray("\"quint\xE9\"\r8\r") << "ce" << QStringList{u"quinté"_qs, "8"};
    QTest::newRow("fins mêlées") << QByteArray("7\r8\n9\r\n10,11\r") << "eeeee" << QStringList{"7", "8", "9", "10", "11"};
    QTest::newRow("virgule en fin de fichier") << QByteArray("7,") << "e" << QStringList{"7"};
    QTest::newRow("octet") << QByteArray("200\r\n") << "o" << QStringList{"200"};
    QTest::newRow("entier arrondi") << QByteArray("2.5\r\n3.5\r\n") << "ee" << QStringList{"2", "4"};
}

void TstTravail::lecture()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, types);
    QFETCH(QStringList, valeurs);
    Lecture l(contenu);
    for (int i = 0; i < types.size(); ++i) {
        QVERIFY(!l.fini());
        QString lu;
        switch (types[i].toLatin1()) {
        case 'c': lu = l.chaine(); break;
        case 'b': lu = l.booleen() ? "true" : "false"; break;
        case 'e': lu = QString::number(l.entier16()); break;
        case 's': lu = QString::number(l.simple()); break;
        case 'o': lu = QString::number(l.octet()); break;
        }
        QVERIFY2(l.valide(), qPrintable(l.erreur()));
        QCOMPARE(lu, valeurs[i]);
    }
    QVERIFY(l.fini());
}

void TstTravail::lectureerronee_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("types");
    QTest::addColumn<int>("ligne");
    QTest::newRow("pas un nombre") << essais::lignes({"1", "abc"}) << "ee" << 2;
    QTest::newRow("nombre vide") << essais::lignes({"1", ""}) << "ee" << 2;
    QTest::newRow("booléen mal écrit") << essais::lignes({"#TRUE"}) << "b" << 1;
    QTest::newRow("coupé") << essais::lignes({"1", "2"}) << "eee" << 3;
    QTest::newRow("hors des limites") << essais::lignes({"40000"}) << "e" << 1;
    QTest::newRow("octet négatif") << essais::lignes({"-1"}) << "o" << 1;
    QTest::newRow("guillemet non refermé") << essais::lignes({"\"tierc\xE9", "1"}) << "ce" << 1;
    QTest::newRow("guillemet non refermé, fins CR") << QByteArray("\"tierc\xE9\r1\r\"\r") << "ce" << 1;
    // A file cut inside its last value: never the value's first digits.
    QTest::newRow("cheval 16 coupé en 1") << essais::lignes({"5", "2"}) + "1" << "eee" << 3;
    QTest::newRow("correction -35 coupée en -3") << essais::lignes({"40"}) + "-3" << "ee" << 2;
    QTest::newRow("dernière ligne sans fin") << QByteArray("7\r\n8") << "ee" << 2;
    QTest::newRow("booléen sans fin de ligne") << QByteArray("#TRUE#") << "b" << 1;
    QTest::newRow("texte sans fin de ligne") << QByteArray("\"tierc\xE9\"") << "c" << 1;
}

void TstTravail::lectureerronee()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, types);
    QFETCH(int, ligne);
    Lecture l(contenu);
    for (QChar t : types) {
        if (t == 'e')
            l.entier16();
        else if (t == 'b')
            l.booleen();
        else if (t == 'o')
            l.octet();
        else
            l.chaine();
    }
    QVERIFY(!l.valide());
    QVERIFY(!l.erreur().isEmpty());
    QCOMPARE(l.ligne(), ligne);
}

void TstTravail::assurerexistence()
{
    essais::Racine racine;
    FichierDeTravail f(chemin(noms::fichier));
    QCOMPARE(f.chemin(), QDir::toNativeSeparators(racine.chemin(noms::fichier)));
    QVERIFY(!f.existe());
    QVERIFY(f.assurerexistence().ok());
    QVERIFY(f.existe());
    QCOMPARE(racine.lire(noms::fichier), QByteArray());
    const QByteArray jeu = enregistrement(Jeu{});
    racine.ecrire(noms::fichier, jeu);
    QVERIFY(f.assurerexistence().ok());
    QCOMPARE(racine.lire(noms::fichier), jeu);
}

void TstTravail::lirefichierabsent()
{
    essais::Racine racine;
    QByteArray contenu = "reste";
    QVERIFY(FichierDeTravail(chemin(noms::quinte)).lire(contenu).ok());
    QVERIFY(contenu.isEmpty());
    QVERIFY(!racine.existe(noms::quinte));
    QVERIFY(lirejeux(contenu).jeux.isEmpty());
}

void TstTravail::ajouter()
{
    essais::Racine racine;
    FichierDeTravail f(chemin(noms::fichier));
    const Jeu a{TypeDePari::tierce, 1, false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    const Jeu b{TypeDePari::quinte, 20, true, {8, 1, 2, 3, 4, 5, 6, 7, 8}};
    QVERIFY(f.ajouter(enregistrement(a), valeursparjeu).ok());
    QVERIFY(f.ajouter(enregistrement(b), valeursparjeu).ok());
    QCOMPARE(racine.lire(noms::fichier), enregistrement(a) + enregistrement(b));
    const LectureJeux lus = lirejeux(racine.lire(noms::fichier));
    QCOMPARE(lus.jeux, (QList<Jeu>{a, b}));
}

namespace {
QByteArray cinqjeux(QList<int> horses)
{
    QByteArray r;
    for (int h : horses)
        r += enregistrement(Jeu{TypeDePari::quinte, 1, false, {5, qint16(h), 2, 3, 4, 5, 0, 0, 0}});
    return r;
}
} // namespace

void TstTravail::retirer_data()
{
    QTest::addColumn<QList<int>>("avant");
    QTest::addColumn<int>("retire");
    QTest::addColumn<QList<int>>("apres");
    QTest::newRow("le seul") << QList<int>{10} << 1 << QList<int>{};
    QTest::newRow("le troisième de cinq") << QList<int>{10, 11, 12, 13, 14} << 3 << QList<int>{10, 11, 13, 14};
    QTest::newRow("le premier") << QList<int>{10, 11, 12} << 1 << QList<int>{11, 12};
    QTest::newRow("le dernier") << QList<int>{10, 11, 12} << 3 << QList<int>{10, 11};
    QTest::newRow("absent") << QList<int>{10, 11, 12} << 4 << QList<int>{10, 11, 12};
}

void TstTravail::retirer()
{
    QFETCH(QList<int>, avant);
    QFETCH(int, retire);
    QFETCH(QList<int>, apres);
    essais::Racine racine;
    racine.ecrire(noms::fichier, cinqjeux(avant));
    const Resultat r = FichierDeTravail(chemin(noms::fichier)).retirer(chemin(noms::tampon), 12, [&](int k) { return k != retire; });
    QVERIFY2(r.ok(), qPrintable(r.erreur));
    QVERIFY(racine.existe(noms::fichier));
    QCOMPARE(racine.lire(noms::fichier), cinqjeux(apres));
    QVERIFY(!racine.existe(noms::tampon));
}

void TstTravail::retirergardeillisible()
{
    // A record the program cannot read, and an incomplete end, go through untouched.
    essais::Racine racine;
    const QByteArray illisible = essais::lignes({"\"quint\xC3\xA9\"", "1", "#FALSE#", "5", "1", "2", "3", "4", "5", "0", "0", "0"});
    const QByteArray coupe = essais::lignes({"\"tierc\xE9\"", "1"});
    racine.ecrire(noms::fichier, cinqjeux({10}) + illisible + cinqjeux({12}) + coupe);
    QVERIFY(FichierDeTravail(chemin(noms::fichier)).retirer(chemin(noms::tampon), 12, [](int k) { return k != 1; }).ok());
    QCOMPARE(racine.lire(noms::fichier), illisible + cinqjeux({12}) + coupe);
}

namespace {

// A tiercé record on horses `a` 2 3, each value followed by `fin`.
QByteArray tierce(int a, const char *fin)
{
    QByteArray r;
    for (const QByteArray &v : QList<QByteArray>{"\"tierc\xE9\"", "1", "#FALSE#", "3", QByteArray::number(a), "2", "3", "0", "0", "0", "0", "0"})
        r += v + fin;
    return r;
}

// The same record without its first value: after an empty line, a damaged record of 12 values.
QByteArray sanstype(int a, const char *fin)
{
    const QByteArray r = tierce(a, fin);
    return r.mid(r.indexOf('"', 1) + 1 + qstrlen(fin));
}

} // namespace

// Whatever the line ends, dropping one record leaves every other record as it read:
// the same bets at the same places, the same damaged records. Every record is dropped in turn.
void TstTravail::retirerfinsdeligne_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("enregistrements");
    QTest::newRow("CR LF") << tierce(1, "\r\n") + tierce(2, "\r\n") + tierce(3, "\r\n") << 3;
    QTest::newRow("CR seuls") << tierce(1, "\r") + tierce(2, "\r") + tierce(3, "\r") << 3;
    QTest::newRow("LF seuls") << tierce(1, "\n") + tierce(2, "\n") + tierce(3, "\n") << 3;
    QTest::newRow("mêlées") << tierce(1, "\r") + tierce(2, "\n") + tierce(3, "\r\n") + tierce(4, "\r") << 4;
    // A record ending with a lone CR, then a record starting with an empty line: dropping
    // the one between must not make one CR LF of the two.
    QTest::newRow("CR seul puis ligne vide LF")
        << tierce(1, "\r") + tierce(2, "\r\n") + "\n" + sanstype(3, "\r\n") + tierce(4, "\r\n") << 4;
    QTest::newRow("CR seul puis ligne vide LF, LF seuls")
        << tierce(1, "\r") + tierce(2, "\n") + "\n" + sanstype(3, "\n") + tierce(4, "\n") << 4;
    QTest::newRow("CR seul, virgule puis ligne vide LF")
        << tierce(1, "\r") + tierce(2, ",") + "\n" + sanstype(3, "\n") + tierce(4, "\n") << 4;
    QTest::newRow("LF puis ligne vide CR") << tierce(1, "\n") + "\r" + sanstype(2, "\r") + tierce(3, "\n") + tierce(4, "\r\n") << 4;
    QTest::newRow("fin coupée") << tierce(1, "\r") + tierce(2, "\r\n") + tierce(3, "\r\n").chopped(3) << 2;
    QTest::newRow("virgules") << tierce(1, ",") + "\r\n" + tierce(2, ",") + tierce(3, "\r\n") << 3;
    QByteArray guillemets = tierce(2, "\r\n");
    guillemets.replace("\"tierc\xE9\"", "\"a,b\" ,\"\"").replace("\r\n3\r\n", "\r\n 3 \r\n");
    QTest::newRow("virgule entre guillemets, blancs") << tierce(1, "\r\n") + guillemets + tierce(3, "\r\n") << 3;
    QTest::newRow("CR LF puis CR seul puis ligne vide LF")
        << tierce(1, "\r\n") + tierce(2, "\r\n") + tierce(3, "\r") + tierce(4, "\r\n") + "\n" + sanstype(5, "\r\n") + tierce(6, "\r\n") << 6;
}

void TstTravail::retirerfinsdeligne()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, enregistrements);
    const LectureJeux avant = lirejeux(contenu);
    QVERIFY(!avant.jeux.isEmpty());
    for (int retire = 1; retire <= enregistrements; ++retire) {
        essais::Racine racine;
        racine.ecrire(noms::fichier, contenu);
        QVERIFY(FichierDeTravail(chemin(noms::fichier)).retirer(chemin(noms::tampon), 12, [&](qint64 k) { return k != retire; }).ok());
        const QByteArray apres = racine.lire(noms::fichier);
        // A readable bet dropped by the bytes its reading found (the saved bets window)
        // leaves the very same bytes.
        if (const qsizetype i = avant.positions.indexOf(retire); i >= 0) {
            racine.ecrire(noms::fichier, contenu);
            QVERIFY(FichierDeTravail(chemin(noms::fichier)).retirerplage(chemin(noms::tampon), contenu, avant.debuts[i], avant.fins[i]).ok());
            QCOMPARE(racine.lire(noms::fichier), apres);
        }
        const LectureJeux lus = lirejeux(apres);
        // What should read: every record but the dropped one, numbered again.
        QList<Jeu> jeux;
        QList<qint64> positions;
        for (qsizetype i = 0; i < avant.jeux.size(); ++i)
            if (avant.positions[i] != retire) {
                jeux << avant.jeux[i];
                positions << (avant.positions[i] > retire ? avant.positions[i] - 1 : avant.positions[i]);
            }
        QList<qint64> abimes;
        for (const Dommage &d : avant.dommages)
            if (d.enregistrement != retire)
                abimes << (d.enregistrement > retire ? d.enregistrement - 1 : d.enregistrement);
        QList<qint64> abimeslus;
        for (const Dommage &d : lus.dommages)
            abimeslus << d.enregistrement;
        QCOMPARE(lus.jeux, jeux);
        QCOMPARE(lus.positions, positions);
        QCOMPARE(abimeslus, abimes);
        // One stretch of bytes went, nothing else changed; a LF may stand in its place, where
        // it keeps a lone CR from meeting the LF that starts the next record.
        qsizetype debut = 0;
        while (debut < apres.size() && apres[debut] == contenu[debut])
            ++debut;
        qsizetype fin = 0;
        while (fin < apres.size() - debut && apres[apres.size() - 1 - fin] == contenu[contenu.size() - 1 - fin])
            ++fin;
        QVERIFY(apres.size() < contenu.size());
        QVERIFY(debut + fin == apres.size() || (debut + fin == apres.size() - 1 && apres[debut] == '\n'));
    }
}

void TstTravail::nombrelarge_data()
{
    QTest::addColumn<double>("valeur");
    QTest::newRow("1e300") << 1e300;
    QTest::newRow("-1e300") << -1e300;
    QTest::newRow("plus grand double") << std::numeric_limits<double>::max();
    QTest::newRow("1e-300") << 1e-300;
    QTest::newRow("plus petit double") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("3e38 simple") << double(3e38f);
    QTest::newRow("1e20") << 1e20;
    QTest::newRow("0,1") << 0.1;
}

// However wide its text, a number is written with its own digits and reads back the same.
void TstTravail::nombrelarge()
{
    QFETCH(double, valeur);
    const QByteArray texte = textefichier(valeur);
    for (char ch : texte)
        QVERIFY2((ch >= '0' && ch <= '9') || ch == '.' || ch == '-', texte.constData());
    Lecture l(Ecriture().nombre(valeur).octets());
    QCOMPARE(l.nombre(), valeur);
    QVERIFY(l.valide());
    QVERIFY(l.fini());
}

void TstTravail::remplacementinterrompu()
{
    essais::Racine racine;
    const QByteArray avant = cinqjeux({10, 11, 12});
    racine.ecrire(noms::fichier, avant);
    struct Panne final : travail::Disque
    {
        bool etape(Etape e, const QString &) override { return e != Etape::tamponecrit; }
    } panne;
    travail::Disque *reel = travail::installer(&panne);
    const Resultat r = FichierDeTravail(chemin(noms::fichier)).retirer(chemin(noms::tampon), 12, [](int k) { return k != 2; });
    travail::installer(reel);
    QVERIFY(!r.ok());
    // The crash came after the scratch file was complete: the work file is whole.
    QCOMPARE(racine.lire(noms::fichier), avant);
    QCOMPARE(racine.lire(noms::tampon), cinqjeux({10, 12}));
    // The next drop starts afresh and leaves no scratch file.
    QVERIFY(FichierDeTravail(chemin(noms::fichier)).retirer(chemin(noms::tampon), 12, [](int k) { return k != 2; }).ok());
    QCOMPARE(racine.lire(noms::fichier), cinqjeux({10, 12}));
    QVERIFY(!racine.existe(noms::tampon));
}

void TstTravail::prix_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("nb");
    QTest::addColumn<float>("mult");
    QTest::addColumn<bool>("dtlo");
    QTest::addColumn<double>("attendu");
    struct Ligne { int nb; double t, tt, q, qt, qi, qit; };
    const Ligne table[] = {{3, 1, 6, 0, 0, 0, 0},          {4, 4, 24, 1.3, 31.2, 0, 0},
                           {5, 10, 60, 6.5, 156, 2, 240},  {6, 20, 120, 19.5, 468, 12, 1440},
                           {7, 35, 210, 45.5, 1092, 42, 5040}, {8, 56, 336, 91, 2184, 112, 13440}};
    for (const Ligne &l : table) {
        const auto ajoute = [&](const QString &type, bool dtlo, double v) {
            if (places(type) <= l.nb)
                QTest::addRow("%s %d%s", qPrintable(type), l.nb, dtlo ? " ordres" : "") << type << l.nb << 1.0f << dtlo << v;
        };
        ajoute(TypeDePari::tierce, false, l.t);
        ajoute(TypeDePari::tierce, true, l.tt);
        ajoute(TypeDePari::quarte, false, l.q);
        ajoute(TypeDePari::quarte, true, l.qt);
        ajoute(TypeDePari::quinte, false, l.qi);
        ajoute(TypeDePari::quinte, true, l.qit);
    }
    QTest::newRow("quarté x3") << TypeDePari::quarte << 4 << 3.0f << false << 3.9;
    QTest::newRow("quarté 4 x2 ordres") << TypeDePari::quarte << 4 << 2.0f << true << 62.4;
    QTest::newRow("quinté 5 x20 ordres") << TypeDePari::quinte << 5 << 20.0f << true << 4800.0;
    QTest::newRow("le plus cher") << TypeDePari::quinte << 8 << 20.0f << true << 268800.0;
    QTest::newRow("type inconnu") << QStringLiteral("Tiercé") << 3 << 1.0f << false << 0.0;
    QTest::newRow("type vide") << QString() << 8 << 20.0f << true << 0.0;
}

void TstTravail::prix()
{
    QFETCH(QString, type);
    QFETCH(int, nb);
    QFETCH(float, mult);
    QFETCH(bool, dtlo);
    QFETCH(double, attendu);
    const auto p = static_cast<float>(travail::prix(type, qint16(nb), mult, dtlo));
    QCOMPARE(qRound64(p * 100.0), qRound64(attendu * 100.0));
}

void TstTravail::binome_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("p");
    QTest::addColumn<qint64>("attendu");
    QTest::newRow("c(5,5)") << 5 << 5 << qint64(1);
    QTest::newRow("c(8,0)") << 8 << 0 << qint64(1);
    QTest::newRow("c(1,1)") << 1 << 1 << qint64(1);
    QTest::newRow("c(6,3)") << 6 << 3 << qint64(20);
    QTest::newRow("c(7,4)") << 7 << 4 << qint64(35);
    QTest::newRow("c(8,5)") << 8 << 5 << qint64(56);
    QTest::newRow("c(8,4)") << 8 << 4 << qint64(70);
    QTest::newRow("c(20,10)") << 20 << 10 << qint64(184756);
    QTest::newRow("c(60,30)") << 60 << 30 << qint64(118264581564861424);
    // Outside its domain (a damaged record): no endless recursion, no combination.
    QTest::newRow("c(0,1)") << 0 << 1 << qint64(0);
    QTest::newRow("c(-3,2)") << -3 << 2 << qint64(0);
    QTest::newRow("c(2,3)") << 2 << 3 << qint64(0);
    QTest::newRow("c(4,-1)") << 4 << -1 << qint64(0);
}

void TstTravail::binome()
{
    QFETCH(int, n);
    QFETCH(int, p);
    QFETCH(qint64, attendu);
    QCOMPARE(travail::c(qint16(n), qint16(p)), attendu);
}

void TstTravail::textenombre_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<float>("valeur");
    QTest::addColumn<QString>("attendu");
    const QLocale fr(QLocale::French, QLocale::France);
    const QLocale c = QLocale::c();
    QTest::newRow("268800") << fr << 268800.0f << "268800";
    QTest::newRow("2") << fr << 2.0f << "2";
    QTest::newRow("0") << fr << 0.0f << "0";
    QTest::newRow("9999999") << fr << 9999999.0f << "9999999";
    // Prices as the windows compute them: in double precision, kept in single.
    const auto prixsimple = [](const QString &type, int nb, float mult, bool dtlo) {
        return static_cast<float>(travail::prix(type, qint16(nb), mult, dtlo));
    };
    for (const auto &[nom, locale] : {std::pair{"fr", fr}, std::pair{"C", c}}) {
        const auto sep = [&](const char *s) { return QString::fromLatin1(s).replace('.', locale == fr ? ',' : '.'); };
        QTest::addRow("45.5 %s", nom) << locale << 45.5f << sep("45.5");
        QTest::addRow("1.3 %s", nom) << locale << static_cast<float>(1.3) << sep("1.3");
        QTest::addRow("quarté x3 %s", nom) << locale << prixsimple(TypeDePari::quarte, 4, 3, false) << sep("3.9");
        QTest::addRow("quarté x2 ordres %s", nom) << locale << prixsimple(TypeDePari::quarte, 4, 2, true)
                                                  << sep("62.4");
        QTest::addRow("12345678 %s", nom) << locale << 12345678.0f << sep("1.234568E+07");
        QTest::addRow("-2.5 %s", nom) << locale << -2.5f << sep("-2.5");
        QTest::addRow("0.25 %s", nom) << locale << 0.25f << sep("0.25");
    }
}

void TstTravail::textenombre()
{
    QFETCH(QLocale, locale);
    QFETCH(float, valeur);
    QFETCH(QString, attendu);
    QLocale::setDefault(locale);
    QCOMPARE(travail::textenombre(valeur), attendu);
    // Whole numbers of the integer types give all their digits, whatever the settings.
    QCOMPARE(travail::textenombre(qint16(1)), QStringLiteral("1"));
    QCOMPARE(travail::textenombre(112), QStringLiteral("112"));
    QLocale::setDefault(QLocale::c());
}

void TstTravail::relirejeux()
{
    // The record of a quinté built by the summary of the constraint method.
    const LectureJeux lus = lirejeux(essais::lignes({"\"quint\xE9\"", "1", "#FALSE#", "5", "2", "7", "11", "3", "15", "0", "0", "0",
                                                     "\"quart\xE9\"", "3", "#FALSE#", "4", "6", "2", "9", "14", "0", "0", "0", "0"}));
    QVERIFY(lus.intact());
    QCOMPARE(lus.jeux.size(), 2);
    QCOMPARE(lus.jeux[0], (Jeu{TypeDePari::quinte, 1, false, {5, 2, 7, 11, 3, 15, 0, 0, 0}}));
    QCOMPARE(travail::prix(lus.jeux[0].typedejeu, lus.jeux[0].nb(), lus.jeux[0].mult, lus.jeux[0].dtlo), 2.0);
    QCOMPARE(lus.jeux[1].nb(), 4);
    QCOMPARE(lus.positions, (QList<qint64>{1, 2}));
}

void TstTravail::jeuxendommages_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QList<qint64>>("lisibles");   // record numbers read
    QTest::addColumn<int>("ligne");             // line of the first damage
    QTest::addColumn<bool>("utf8");
    const QByteArray bon = essais::lignes({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    const auto jeu = [](std::initializer_list<const char *> l) { return essais::lignes(l); };
    QTest::newRow("coupé à la fin") << bon + jeu({"\"quint\xE9\"", "1", "#FALSE#", "5", "1"}) << QList<qint64>{1} << 18 << false;
    QTest::newRow("type inconnu")
        << bon + jeu({"\"trio\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"}) + bon << QList<qint64>{1, 3} << 13 << false;
    QTest::newRow("trop peu de chevaux")
        << jeu({"\"quint\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"}) + bon << QList<qint64>{2} << 1 << false;
    QTest::newRow("aucun cheval")
        << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "0", "0", "0", "0", "0", "0", "0", "0", "0"}) << QList<qint64>{} << 1 << false;
    QTest::newRow("neuf chevaux")
        << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "9", "1", "2", "3", "4", "5", "6", "7", "8"}) << QList<qint64>{} << 1 << false;
    QTest::newRow("valeur mal formée")
        << bon + jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "x", "3", "0", "0", "0", "0", "0"}) + bon << QList<qint64>{1, 3} << 18 << false;
    QTest::newRow("cheval 21")
        << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "21", "3", "0", "0", "0", "0", "0"}) << QList<qint64>{} << 1 << false;
    QTest::newRow("mise 7")
        << jeu({"\"tierc\xE9\"", "7", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"}) << QList<qint64>{} << 1 << false;
    QTest::newRow("écrit en UTF-8")
        << bon + jeu({"\"quint\xC3\xA9\"", "1", "#FALSE#", "5", "1", "2", "3", "4", "5", "0", "0", "0"}) << QList<qint64>{1} << 13 << true;
    // The last horse was 16 and the file was cut after its 1.
    QTest::newRow("dernier cheval coupé")
        << bon + jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2"}) + "1" << QList<qint64>{1} << 19 << false;
    QTest::newRow("dernier zéro sans fin de ligne")
        << bon + jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0"}) + "0" << QList<qint64>{1} << 24 << false;
}

void TstTravail::jeuxendommages()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QList<qint64>, lisibles);
    QFETCH(int, ligne);
    QFETCH(bool, utf8);
    const LectureJeux lus = lirejeux(contenu);
    QCOMPARE(lus.positions, lisibles);
    QCOMPARE(lus.jeux.size(), lisibles.size());
    QVERIFY(!lus.intact());
    QCOMPARE(lus.dommages.first().ligne, ligne);
    QCOMPARE(lus.utf8, utf8);
    const QString message = lus.message(QStringLiteral("/racine/fichier.txt"));
    QVERIFY(message.contains(QStringLiteral("/racine/fichier.txt")));
    QVERIFY(message.contains(QStringLiteral("ligne %1").arg(ligne)));
    QVERIFY(message.contains(QStringLiteral("n'a pas été modifié")));
    QCOMPARE(message.contains(QStringLiteral("UTF-8")), utf8);
}

// A record read where the bytes after it leave room for the reading of the program's own
// form (a file of many bets) is read as the same record at the end of a file, where only
// the general reading reads it: the same bet, or the same damage at the same line.
void TstTravail::formeecrite_data()
{
    QTest::addColumn<QByteArray>("premier");
    const auto jeu = [](std::initializer_list<const char *> l) { return essais::lignes(l); };
    QTest::newRow("tiercé") << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("quarté en tous ordres x20")
        << jeu({"\"quart\xE9\"", "20", "#TRUE#", "8", "20", "19", "1", "10", "11", "9", "2", "12"});
    QTest::newRow("quinté x10") << jeu({"\"quint\xE9\"", "10", "#FALSE#", "5", "20", "2", "13", "4", "5", "0", "0", "0"});
    QTest::newRow("zéro devant") << jeu({"\"tierc\xE9\"", "01", "#FALSE#", "3", "05", "2", "3", "00", "0", "0", "0", "0"});
    QTest::newRow("blancs") << jeu({"\"tierc\xE9\"", " 1", "#FALSE#", "3", "1 ", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("signe") << jeu({"\"tierc\xE9\"", "+1", "#FALSE#", "3", "1", "-0", "3", "0", "0", "0", "0", "-0"});
    QTest::newRow("mise décimale") << jeu({"\"tierc\xE9\"", "1.0", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("mise 1,5") << jeu({"\"tierc\xE9\"", "1.5", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("mise 6") << jeu({"\"tierc\xE9\"", "6", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("mise 0") << jeu({"\"tierc\xE9\"", "0", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("cheval à trois chiffres")
        << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "100", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("cheval 0 dans le jeu") << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "0", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("cheval après le dernier")
        << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "4", "0", "0", "0", "0"});
    QTest::newRow("huit chevaux, dernier 21")
        << jeu({"\"quint\xE9\"", "1", "#FALSE#", "8", "1", "2", "3", "4", "5", "6", "7", "21"});
    QTest::newRow("neuf chevaux") << jeu({"\"quint\xE9\"", "1", "#FALSE#", "9", "1", "2", "3", "4", "5", "6", "7", "8"});
    QTest::newRow("quarté de trois") << jeu({"\"quart\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("valeur vide") << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("mise vide") << jeu({"\"tierc\xE9\"", "", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("booléen en minuscules")
        << jeu({"\"tierc\xE9\"", "1", "#true#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("booléen suivi") << jeu({"\"tierc\xE9\"", "1", "#TRUE#x", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("booléen chiffré") << jeu({"\"tierc\xE9\"", "1", "#FALSE", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("type en UTF-8") << jeu({"\"tierc\xC3\xA9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("type suivi") << jeu({"\"tierc\xE9\" x", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("type sans guillemets") << jeu({"tierc\xE9", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("deux valeurs sur une ligne")
        << jeu({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1,2", "3", "0", "0", "0", "0", "0"});
    QTest::newRow("LF seuls") << QByteArray("\"tierc\xE9\"\n1\n#FALSE#\n3\n1\n2\n3\n0\n0\n0\n0\n0\n");
    QTest::newRow("CR seuls") << QByteArray("\"tierc\xE9\"\r1\r#FALSE#\r3\r1\r2\r3\r0\r0\r0\r0\r0\r");
    QTest::newRow("un CR de trop") << QByteArray("\"tierc\xE9\"\r\n1\r\r\n#FALSE#\r\n3\r\n1\r\n2\r\n3\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    QTest::newRow("un CR perdu") << QByteArray("\"tierc\xE9\"\r\n1\r\n#FALSE#\r\n3\r\n1\n2\r\n3\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    QTest::newRow("un CR perdu après deux chiffres")
        << QByteArray("\"tierc\xE9\"\r\n1\r\n#FALSE#\r\n3\r\n1\r\n12\n3\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    // Longer than the 64 bytes looked at once.
    QTest::newRow("long") << jeu({"\"tierc\xE9\"", "      1", "#FALSE#", "3", "1       ", "2", "3", "0", "0", "0", "0", "      0"});
}

void TstTravail::formeecrite()
{
    QFETCH(QByteArray, premier);
    const QByteArray bon = essais::lignes({"\"quint\xE9\"", "2", "#TRUE#", "6", "4", "8", "15", "16", "20", "1", "0", "0"});
    const LectureJeux seul = lirejeux(premier);
    const LectureJeux suivi = lirejeux(premier + bon + bon);
    const bool lu = seul.positions.value(0) == 1;
    QCOMPARE(suivi.positions.value(0) == 1, lu);
    if (lu) {
        QCOMPARE(suivi.jeux.first(), seul.jeux.first());
        QCOMPARE(suivi.jeux.size(), 3);
    }
    const bool abime = !seul.dommages.isEmpty() && seul.dommages.first().enregistrement == 1;
    QCOMPARE(!suivi.dommages.isEmpty() && suivi.dommages.first().enregistrement == 1, abime);
    if (abime) {
        QCOMPARE(suivi.dommages.first().ligne, seul.dommages.first().ligne);
        QCOMPARE(suivi.dommages.first().raison, seul.dommages.first().raison);
    }
    QVERIFY(lu != abime);
    // The summary counts and prices what the list reads.
    const TotalJeux total = totaljeux(premier + bon + bon);
    QCOMPARE(total.nombre, suivi.jeux.size());
    double montant = 0;
    for (const Jeu &j : suivi.jeux)
        montant += travail::prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
    QCOMPARE(total.montant, montant);
}

// A bet's record has the bytes of its values written one by one, whatever the values, and
// records appended one after another are those records side by side.
void TstTravail::enregistrementjeu_data()
{
    QTest::addColumn<Jeu>("jeu");
    QTest::newRow("quinté") << Jeu{TypeDePari::quinte, 1, false, {5, 2, 7, 11, 3, 15, 0, 0, 0}};
    QTest::newRow("quarté en tous ordres x20") << Jeu{TypeDePari::quarte, 20, true, {8, 20, 19, 1, 10, 11, 9, 2, 12}};
    QTest::newRow("mise 1,5") << Jeu{TypeDePari::tierce, 1.5f, false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    QTest::newRow("mise 100") << Jeu{TypeDePari::tierce, 100, false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    QTest::newRow("mise négative") << Jeu{TypeDePari::tierce, -2, false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    QTest::newRow("mise immense") << Jeu{TypeDePari::tierce, 1e30f, false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    QTest::newRow("mise qui n'est pas un nombre")
        << Jeu{TypeDePari::tierce, std::numeric_limits<float>::quiet_NaN(), false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    QTest::newRow("chevaux extrêmes") << Jeu{TypeDePari::quinte, 10, true, {-32768, 32767, -1, 0, 300, 20, 1, 99, 100}};
    QTest::newRow("type inconnu") << Jeu{QStringLiteral("trio"), 1, false, {3, 1, 2, 3, 0, 0, 0, 0, 0}};
    QTest::newRow("type accentué autrement") << Jeu{QStringLiteral("quint\u00e8"), 1, false, {5, 1, 2, 3, 4, 5, 0, 0, 0}};
}

void TstTravail::enregistrementjeu()
{
    QFETCH(Jeu, jeu);
    Ecriture e;
    e.chaine(jeu.typedejeu).nombre(jeu.mult).booleen(jeu.dtlo);
    for (qint16 v : jeu.chevaux)
        e.entier(v);
    QCOMPARE(enregistrement(jeu), e.octets());
    QByteArray deux = "x";
    ajouterenregistrement(deux, jeu);
    ajouterenregistrement(deux, jeu);
    QCOMPARE(deux, "x" + e.octets() + e.octets());
}

namespace {

// Bets of every type, stake, Boolean and number of horses, one record each.
QList<QByteArray> enregistrementsvaries(int nombre)
{
    const QString types[3] = {TypeDePari::tierce, TypeDePari::quarte, TypeDePari::quinte};
    QList<QByteArray> r;
    for (int i = 0; i < nombre; ++i) {
        Jeu j{types[i % 3], mises[i % 7], i % 5 == 0, {}};
        const int nb = places(j.typedejeu) + i % 4;
        j.chevaux[0] = static_cast<qint16>(nb);
        for (int k = 1; k <= nb; ++k)
            j.chevaux[k] = static_cast<qint16>((i * 7 + k * 3) % 20 + 1);
        r.append(enregistrement(j));
    }
    return r;
}

QByteArray bout(const QList<QByteArray> &enregistrements, qsizetype debut, qsizetype fin)
{
    QByteArray r;
    for (qsizetype i = debut; i < fin; ++i)
        r += enregistrements[i];
    return r;
}

} // namespace

// A file of 1.5 MB is read in two halves at once (from 512 KiB on): whatever it holds, the bets, their
// numbers, their bytes and the damages are those of one reading from the start, which
// the summary makes (its total is summed bet after bet in the order of the file).
void TstTravail::deuxmoities_data()
{
    QTest::addColumn<QByteArray>("contenu");
    constexpr int nombre = 30000;
    const QList<QByteArray> e = enregistrementsvaries(nombre);
    const QByteArray tout = bout(e, 0, nombre);
    QVERIFY(tout.size() > 1400000);
    const auto avec = [&e](qsizetype i, const QByteArray &remplacant) {
        QList<QByteArray> copie = e;
        copie[i] = remplacant;
        return bout(copie, 0, copie.size());
    };
    const QByteArray cheval25 = essais::lignes({"\"quint\xE9\"", "1", "#FALSE#", "5", "25", "2", "3", "4", "5", "0", "0", "0"});
    const QByteArray incomplet = essais::lignes({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0"});
    const QByteArray treize = essais::lignes({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0", "0"});
    const QByteArray lettre = essais::lignes({"\"tierc\xE9\"", "1", "#FALSE#", "3", "1", "2a", "3", "0", "0", "0", "0", "0"});
    // The record over the middle of the file, where the second half would start.
    qsizetype milieu = 0;
    for (qsizetype octets = 0; octets + e[milieu].size() <= tout.size() / 2; ++milieu)
        octets += e[milieu].size();

    QTest::newRow("sain") << tout;
    QTest::newRow("cheval 25 au début") << avec(100, cheval25);
    QTest::newRow("cheval 25 après le milieu") << avec(nombre * 3 / 4, cheval25);
    QTest::newRow("dernier enregistrement abîmé") << avec(nombre - 1, lettre);
    QTest::newRow("enregistrement du milieu abîmé") << avec(milieu, lettre);
    QTest::newRow("enregistrement après le milieu abîmé") << avec(milieu + 1, lettre);
    // Every record after it is read one value off: the second half never starts on one.
    QTest::newRow("une valeur manquante au début") << avec(100, incomplet);
    QTest::newRow("une valeur de trop au début") << avec(100, treize);
    QTest::newRow("une valeur manquante après le milieu") << avec(nombre * 3 / 4, incomplet);
    QByteArray lf = bout(e, 0, nombre / 2);
    lf.replace("\r\n", "\n");
    QTest::newRow("LF seuls avant le milieu") << lf + bout(e, nombre / 2, nombre);
    QByteArray lfapres = bout(e, nombre / 2, nombre);
    lfapres.replace("\r\n", "\n");
    QTest::newRow("LF seuls après le milieu") << bout(e, 0, nombre / 2) + lfapres;
    QByteArray cr = tout;
    cr.replace("\r\n", "\r");
    QTest::newRow("CR seuls") << cr;
    QTest::newRow("coupé à la fin") << tout + e[7].first(30);
    QTest::newRow("UTF-8 au début") << avec(10, essais::lignes({"\"quint\xC3\xA9\"", "1", "#FALSE#", "5", "1", "2", "3", "4", "5", "0", "0", "0"}));
}

void TstTravail::deuxmoities()
{
    QFETCH(QByteArray, contenu);
    const LectureJeux lus = lirejeux(contenu);
    const TotalJeux total = totaljeux(contenu);
    QCOMPARE(lus.jeux.size(), total.nombre);
    QCOMPARE(lus.positions.size(), lus.jeux.size());
    QCOMPARE(lus.debuts.size(), lus.jeux.size());
    QCOMPARE(lus.fins.size(), lus.jeux.size());
    double montant = 0;
    for (const Jeu &j : lus.jeux)
        montant += travail::prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
    QCOMPARE(montant, total.montant);
    QCOMPARE(lus.dommages.size(), total.dommages.size());
    for (qsizetype i = 0; i < lus.dommages.size(); ++i) {
        QCOMPARE(lus.dommages[i].enregistrement, total.dommages[i].enregistrement);
        QCOMPARE(lus.dommages[i].ligne, total.dommages[i].ligne);
        QCOMPARE(lus.dommages[i].raison, total.dommages[i].raison);
    }
    QCOMPARE(lus.utf8, total.utf8);
    QCOMPARE(lus.message(QStringLiteral("fichier.txt")), total.message(QStringLiteral("fichier.txt")));
    // Each record is either read or damaged, numbered in order; each bet is the one its
    // bytes hold.
    QList<qint64> numeros = lus.positions;
    for (const Dommage &d : lus.dommages)
        numeros.append(d.enregistrement);
    std::sort(numeros.begin(), numeros.end());
    for (qsizetype i = 0; i < numeros.size(); ++i)
        QCOMPARE(numeros[i], i + 1);
    qsizetype avant = 0;
    for (qsizetype i = 0; i < lus.jeux.size(); ++i) {
        if (i > 0)
            QVERIFY(lus.positions[i] > lus.positions[i - 1]);
        QVERIFY(lus.debuts[i] >= avant);
        avant = lus.fins[i];
        const LectureJeux seul = lirejeux(contenu.sliced(lus.debuts[i], lus.fins[i] - lus.debuts[i]));
        if (seul.jeux != QList<Jeu>{lus.jeux[i]} || !seul.intact())
            QFAIL(qPrintable(QStringLiteral("le jeu n° %1 n'est pas celui de ses octets").arg(lus.positions[i])));
    }
}

QTEST_GUILESS_MAIN(TstTravail)
#include "tst_travail.moc"
