// The base of three horses and its couples: the two files read with their damage, the
// texts of the windows, the reduced field, and what the commands do to the files.

#include "basedetrois/base.h"
#include "basedetrois/couples.h"
#include "essais/essais.h"
#include "travail/fichierdetravail.h"

#include <QTest>

using basedetrois::Base;
using basedetrois::Couple;

namespace {

QByteArray couples(const QList<Couple> &l)
{
    return basedetrois::enregistrement(l);
}

// The saved quinté bet of base 3 7 12 with one couple.
QByteArray pari(const char *a, const char *b)
{
    return essais::lignes({"\"quint\xe9\"", "1", "#FALSE#", "5", "3", "7", "12", a, b, "0", "0", "0"});
}

const Base base3712({3, 7, 12});

} // namespace

class TstBase : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void lirebase_data();
    void lirebase();
    void lirecouples_data();
    void lirecouples();
    void textes_data();
    void textes();
    void choixdelabase();
    void champreduit();
    void sauverbase_data();
    void sauverbase();
    void baseimpossibleaecrire();
    void retirercouple_data();
    void retirercouple();
    void enregistrer();
};

void TstBase::lirebase_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("ligne");        // of the damage, 0 when intact
    QTest::addColumn<QString>("raison");   // part of the message

    QTest::newRow("trois chevaux") << essais::lignes({"3", "7", "12"}) << true << 0 << "";
    QTest::newRow("vide") << QByteArray() << false << 0 << "";
    // A last value without its line end may have been cut short: damage, not a horse.
    QTest::newRow("sans fin de ligne") << QByteArray("3\r\n7\r\n12") << false << 3 << "fin de ligne";
    QTest::newRow("deux chevaux") << essais::lignes({"3", "7"}) << false << 2 << "que 2 cheval(aux) au lieu de trois";
    QTest::newRow("quatre chevaux") << essais::lignes({"3", "7", "12", "1"}) << false << 4 << "une base n'a que trois chevaux";
    QTest::newRow("cheval répété") << essais::lignes({"3", "7", "3"}) << false << 3 << "le cheval 3 y figure deux fois";
    QTest::newRow("cheval 21") << essais::lignes({"3", "21", "12"}) << false << 2 << "21 n'est pas un numéro de cheval";
    QTest::newRow("cheval 0") << essais::lignes({"0", "7", "12"}) << false << 1 << "0 n'est pas un numéro de cheval";
    QTest::newRow("pas un nombre") << essais::lignes({"3", "sept", "12"}) << false << 2 << "";
    QTest::newRow("nombre à virgule") << essais::lignes({"3", "7.5", "12"}) << false << 2 << "7.5 n'est pas un nombre entier";
}

void TstBase::lirebase()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, complete);
    QFETCH(int, ligne);
    QFETCH(QString, raison);
    const basedetrois::LectureBase lue = basedetrois::lirebase(contenu);
    QCOMPARE(lue.complete(), complete);
    QCOMPARE(lue.ligne, ligne);
    if (complete)
        QCOMPARE(lue.base.chevaux(), QList<qint16>({3, 7, 12}));
    const QString message = lue.message(QStringLiteral("/r/mabase.txt"));
    QCOMPARE(message.isEmpty(), ligne == 0);
    if (ligne != 0) {
        QVERIFY2(message.contains(QStringLiteral("mabase.txt")) && message.contains(QStringLiteral("ligne %1").arg(ligne)),
                 qPrintable(message));
        QVERIFY2(message.contains(raison), qPrintable(message));
        QVERIFY(!lue.complete());
    }
    // A window that needs a base says why it cannot use this one.
    const QString sans = basedetrois::sansbase(lue, QStringLiteral("/r/mabase.txt"));
    QCOMPARE(sans.isEmpty(), complete);
    if (!complete)
        QVERIFY(sans.endsWith(QStringLiteral("Choisissez d'abord une base de trois chevaux (F4).")));
}

void TstBase::lirecouples_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QList<qint64>>("positions");   // records read
    QTest::addColumn<QList<qint64>>("abimes");      // records reported damaged
    QTest::addColumn<QString>("raison");         // part of the first damage's reason

    QTest::newRow("deux couples") << couples({{4, 9}, {1, 5}}) << QList<qint64>{1, 2} << QList<qint64>{} << "";
    QTest::newRow("vide") << QByteArray() << QList<qint64>{} << QList<qint64>{} << "";
    QTest::newRow("cheval de la base") << couples({{4, 9}, {7, 5}, {1, 2}}) << QList<qint64>{1, 3} << QList<qint64>{2}
                                       << "le cheval 7 est un cheval de la base";
    QTest::newRow("couple d'un seul cheval") << couples({{4, 4}, {1, 2}}) << QList<qint64>{2} << QList<qint64>{1}
                                             << "le cheval 4 y figure deux fois";
    QTest::newRow("cheval 25") << couples({{4, 25}, {1, 2}}) << QList<qint64>{2} << QList<qint64>{1} << "25 n'est pas un numéro";
    QTest::newRow("pas un nombre") << essais::lignes({"4", "x", "1", "2"}) << QList<qint64>{2} << QList<qint64>{1} << "";
    QTest::newRow("nombre à virgule") << essais::lignes({"4", "9.5", "1", "2"}) << QList<qint64>{2} << QList<qint64>{1}
                                      << "9.5 n'est pas un nombre entier";
    QTest::newRow("coupé court") << couples({{4, 9}}) + essais::lignes({"1"}) << QList<qint64>{1} << QList<qint64>{2} << "";
}

void TstBase::lirecouples()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QList<qint64>, positions);
    QFETCH(QList<qint64>, abimes);
    QFETCH(QString, raison);
    const basedetrois::LectureCouples lus = basedetrois::lirecouples(contenu, base3712);
    QCOMPARE(lus.positions, positions);
    QCOMPARE(lus.couples.size(), positions.size());
    QList<qint64> trouves;
    for (const travail::Dommage &d : lus.dommages)
        trouves << d.enregistrement;
    QCOMPARE(trouves, abimes);
    const QString message = lus.message(QStringLiteral("/r/duo.txt"));
    QCOMPARE(message.isEmpty(), abimes.isEmpty());
    if (!abimes.isEmpty()) {
        QVERIFY2(message.contains(QStringLiteral("duo.txt")) && message.contains(QStringLiteral("Couple n° %1").arg(abimes[0])),
                 qPrintable(message));
        QVERIFY2(lus.dommages[0].raison.contains(raison), qPrintable(lus.dommages[0].raison));
    }
}

void TstBase::textes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("couples");
    QTest::addColumn<QString>("associes");
    QTest::addColumn<QString>("montant");
    QTest::newRow("0") << 0 << "0 couple : 0 quinté, montant 0 €" << "0 cheval associé : 0 quinté, montant 0 €" << "montant : 0 €";
    QTest::newRow("1") << 1 << "1 couple : 1 quinté, montant 2 €" << "1 cheval associé : 0 quinté, montant 0 €" << "montant : 2 €";
    QTest::newRow("2") << 2 << "2 couples : 2 quintés, montant 4 €" << "2 chevaux associés : 1 quinté, montant 2 €"
                       << "montant : 4 €";
    QTest::newRow("5") << 5 << "5 couples : 5 quintés, montant 10 €" << "5 chevaux associés : 10 quintés, montant 20 €"
                       << "montant : 10 €";
    QTest::newRow("17") << 17 << "17 couples : 17 quintés, montant 34 €"
                        << "17 chevaux associés : 136 quintés, montant 272 €" << "montant : 34 €";
}

void TstBase::textes()
{
    QFETCH(int, n);
    QFETCH(QString, couples);
    QFETCH(QString, associes);
    QFETCH(QString, montant);
    QCOMPARE(basedetrois::textecouples(n), couples);
    QCOMPARE(basedetrois::texteassocies(n), associes);
    QCOMPARE(basedetrois::textemontant(n), montant);
}

void TstBase::choixdelabase()
{
    Base b;
    QCOMPARE(b.texte(), QStringLiteral("base : aucun cheval"));
    QVERIFY(b.ajouter(3));
    QVERIFY(!b.ajouter(3));   // already there
    QVERIFY(b.ajouter(7));
    QCOMPARE(b.texte(), QStringLiteral("base : 3 - 7"));
    QVERIFY(!b.ajouter(0));
    QVERIFY(!b.ajouter(21));
    QVERIFY(b.ajouter(12));
    QCOMPARE(b.texte(), QStringLiteral("base : 3 - 7 - 12"));
    QVERIFY(!b.ajouter(1));   // a fourth
    QVERIFY(b.complete());
    QVERIFY(b.retirerdernier());
    QCOMPARE(b.texte(), QStringLiteral("base : 3 - 7"));
    QVERIFY(b.vider());
    QVERIFY(!b.vider());
    QVERIFY(!b.retirerdernier());
}

void TstBase::champreduit()
{
    // Checked in any order, listed by a then b.
    const QList<Couple> attendus = {{1, 4}, {1, 9}, {1, 15}, {1, 20}, {4, 9}, {4, 15}, {4, 20}, {9, 15}, {9, 20}, {15, 20}};
    QCOMPARE(basedetrois::champreduit({15, 4, 20, 1, 9}), attendus);
    QVERIFY(basedetrois::champreduit({5}).isEmpty());
    QCOMPARE(basedetrois::champreduit({6, 2}), (QList<Couple>{{2, 6}}));
}

void TstBase::sauverbase_data()
{
    QTest::addColumn<QByteArray>("duo");
    QTest::addColumn<QByteArray>("reste");
    QTest::addColumn<int>("retires");

    const QByteArray abime = essais::lignes({"4", "x"});
    QTest::newRow("deux couples retirés") << couples({{4, 9}, {1, 7}, {5, 6}, {12, 2}}) << couples({{4, 9}, {5, 6}}) << 2;
    QTest::newRow("aucun") << couples({{4, 9}}) << couples({{4, 9}}) << 0;
    QTest::newRow("pas de fichier") << QByteArray() << QByteArray() << 0;
    // A record that cannot be read stays as it is, even beside a dropped one.
    QTest::newRow("couple illisible gardé") << couples({{3, 9}}) + abime + couples({{1, 5}}) << abime + couples({{1, 5}}) << 1;
    // A couple of the old base is sound once the base changes.
    QTest::newRow("ancienne base") << couples({{1, 2}, {8, 9}}) << couples({{1, 2}, {8, 9}}) << 0;
}

void TstBase::sauverbase()
{
    QFETCH(QByteArray, duo);
    QFETCH(QByteArray, reste);
    QFETCH(int, retires);
    essais::Racine racine;
    racine.ecrire(travail::noms::mabase, essais::lignes({"1", "2", "8"}));
    if (!duo.isEmpty())
        racine.ecrire(travail::noms::duo, duo);
    int n = -1;
    const travail::Resultat r =
        basedetrois::sauverbase(Base({12, 3, 7}), racine.chemin(travail::noms::mabase), racine.chemin(travail::noms::duo),
                                racine.chemin(travail::noms::tampon), &n);
    QVERIFY2(r.ok(), qPrintable(r.erreur));
    QCOMPARE(n, retires);
    QCOMPARE(racine.lire(travail::noms::mabase), essais::lignes({"12", "3", "7"}));
    QCOMPARE(racine.lire(travail::noms::duo), reste);
    QVERIFY(!racine.existe(travail::noms::tampon));
}

namespace {

// Stops the replacement of one file, as a crash or a full disk would.
class Refus : public travail::Disque
{
public:
    explicit Refus(QString nom) : m_nom(std::move(nom)) {}
    bool etape(travail::Etape e, const QString &fichier) override
    {
        return e != travail::Etape::tamponecrit || !fichier.endsWith(m_nom);
    }

private:
    QString m_nom;
};

} // namespace

void TstBase::baseimpossibleaecrire()
{
    // The base cannot be written: the couples dropped for it are put back.
    essais::Racine racine;
    const QByteArray base = essais::lignes({"1", "2", "8"});
    const QByteArray duo = couples({{4, 9}, {3, 5}});
    racine.ecrire(travail::noms::mabase, base);
    racine.ecrire(travail::noms::duo, duo);
    Refus refus(QStringLiteral("mabase.txt"));
    travail::Disque *avant = travail::installer(&refus);
    int n = -1;
    const travail::Resultat r =
        basedetrois::sauverbase(base3712, racine.chemin(travail::noms::mabase), racine.chemin(travail::noms::duo),
                                racine.chemin(travail::noms::tampon), &n);
    travail::installer(avant);
    QVERIFY(!r.ok());
    QCOMPARE(n, 0);
    QCOMPARE(racine.lire(travail::noms::mabase), base);
    QCOMPARE(racine.lire(travail::noms::duo), duo);
}

void TstBase::retirercouple_data()
{
    QTest::addColumn<QByteArray>("duo");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("retire");
    QTest::addColumn<QByteArray>("apres");

    const QByteArray abime = essais::lignes({"4", "x"});
    QTest::newRow("le second") << couples({{4, 9}, {1, 5}, {2, 6}}) << 2 << true << couples({{4, 9}, {2, 6}});
    QTest::newRow("après un couple illisible") << abime + couples({{1, 5}, {2, 6}}) << 2 << true << abime + couples({{2, 6}});
    QTest::newRow("plus à sa place") << couples({{4, 9}, {2, 6}}) << 2 << false << couples({{4, 9}, {2, 6}});
    QTest::newRow("fichier raccourci") << couples({{4, 9}}) << 2 << false << couples({{4, 9}});
}

void TstBase::retirercouple()
{
    QFETCH(QByteArray, duo);
    QFETCH(int, position);
    QFETCH(bool, retire);
    QFETCH(QByteArray, apres);
    essais::Racine racine;
    racine.ecrire(travail::noms::duo, duo);
    bool change = false;
    const travail::Resultat r = basedetrois::retirercouple(base3712, position, {1, 5}, racine.chemin(travail::noms::duo),
                                                           racine.chemin(travail::noms::tampon), &change);
    QCOMPARE(r.ok(), retire);
    QCOMPARE(change, !retire);
    QCOMPARE(racine.lire(travail::noms::duo), apres);
    if (!retire)
        QVERIFY(r.erreur.contains(QStringLiteral("Le couple 1 - 5 n'est plus à cette place")));
}

void TstBase::enregistrer()
{
    essais::Racine racine;
    const QByteArray avant = essais::lignes({"\"tierc\xe9\"", "1", "#FALSE#", "3", "4", "9", "13", "0", "0", "0", "0", "0"});
    racine.ecrire(travail::noms::fichier, avant);
    const QString fichier = racine.chemin(travail::noms::fichier);
    const QString tampon = racine.chemin(travail::noms::tampon);
    QVERIFY(basedetrois::enregistrer(base3712, {{4, 9}, {1, 15}}, fichier, tampon).ok());
    QVERIFY(basedetrois::enregistrer(base3712, {}, fichier, tampon).ok());
    QVERIFY(basedetrois::enregistrer(base3712, {{2, 6}}, fichier, tampon).ok());
    QCOMPARE(racine.lire(travail::noms::fichier), avant + pari("4", "9") + pari("1", "15") + pari("2", "6"));
    QVERIFY(!racine.existe(travail::noms::tampon));
    // Nothing lands after a bet cut short: the answer says the end is damaged.
    racine.ecrire(travail::noms::fichier, avant + "\"quint\xe9\"\r\n1\r\n");
    for (const QList<Couple> &l : {QList<Couple>{{4, 9}}, QList<Couple>{{4, 9}, {1, 15}}}) {
        const travail::Resultat r = basedetrois::enregistrer(base3712, l, fichier, tampon);
        QVERIFY(!r.ok());
        QVERIFY(r.finabimee);
        QCOMPARE(racine.lire(travail::noms::fichier), avant + "\"quint\xe9\"\r\n1\r\n");
    }
    QCOMPARE(basedetrois::ligne(base3712, {4, 9}),
             QStringLiteral("         3         7         12         4         9"));
}

QTEST_GUILESS_MAIN(TstBase)
#include "tst_base.moc"
