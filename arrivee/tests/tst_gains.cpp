// The rules of the race result: categories at their boundaries, several horses, all
// orders, multipliers, refunds, empty payouts; a count made order by order on random bets;
// the texts of the list and the labels; the file of the last race.

#include "arrivee/gains.h"
#include "essais/essais.h"
#include "ticket/surface.h"
#include "travail/jeu.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using arrivee::Course;
using travail::Jeu;

namespace {

Jeu jeu(const QString &type, float mult, bool dtlo, const QList<int> &numeros)
{
    Jeu j;
    j.typedejeu = type;
    j.mult = mult;
    j.dtlo = dtlo;
    j.chevaux[0] = static_cast<qint16>(numeros.size());
    for (int i = 0; i < numeros.size(); ++i)
        j.chevaux[i + 1] = static_cast<qint16>(numeros[i]);
    return j;
}

Course course(const QList<int> &arrivee, const QList<int> &nonpartants, const std::array<double, 10> &rapports)
{
    Course c;
    for (int i = 0; i < 5; ++i)
        c.arrivee[i] = static_cast<qint16>(arrivee[i]);
    for (int h : nonpartants)
        c.nonpartants.append(static_cast<qint16>(h));
    c.rapports = rapports;
    return c;
}

const std::array<double, 10> dizaines = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

// The category of one ordered combination, straight from the rules; -2 refunded, -1 none.
int categorie(const QList<int> &t, const QList<int> &a, const QList<int> &np)
{
    for (int h : t)
        if (np.contains(h))
            return -2;
    const int k = t.size();
    auto parmi = [&t](const QList<int> &hs) { return std::all_of(hs.begin(), hs.end(), [&t](int h) { return t.contains(h); }); };
    if (t == a.mid(0, k))
        return arrivee::ordre;
    if (parmi(a.mid(0, k)))
        return arrivee::desordre;
    if (k == 4 && parmi(a.mid(0, 3)))
        return arrivee::bonus;
    if (k == 5) {
        if (parmi(a.mid(0, 4)))
            return arrivee::bonus4;
        if (std::count_if(a.begin(), a.end(), [&t](int h) { return t.contains(h); }) >= 4)
            return arrivee::bonus4sur5;
        if (parmi(a.mid(0, 3)))
            return arrivee::bonus3;
    }
    return -1;
}

// Every ordered combination of the bet, one by one: each k horses in pick order, and
// each of their orders when played in all orders.
arrivee::Compte enumerer(const Jeu &j, const Course &c)
{
    arrivee::Compte r;
    const int k = travail::places(j.typedejeu), nb = j.nb();
    const QList<int> a(c.arrivee.begin(), c.arrivee.end());
    const QList<int> np(c.nonpartants.begin(), c.nonpartants.end());
    QList<int> choix(k);
    std::function<void(int, int)> suivant = [&](int debut, int rang) {
        if (rang == k) {
            QList<int> t;
            for (int i : choix)
                t << j.chevaux[i];
            QList<int> ordre = t;
            if (j.dtlo)
                std::sort(ordre.begin(), ordre.end());
            do {
                const int cat = categorie(ordre, a, np);
                if (cat == -2) {
                    ++r.rembourses;
                    r.remboursement += travail::prix(j.typedejeu, static_cast<qint16>(k), j.mult, false);
                } else if (cat >= 0) {
                    ++r.categories[cat];
                    r.gains += c.rapports[arrivee::indexrapport(k, cat)] * j.mult;
                }
            } while (j.dtlo && std::next_permutation(ordre.begin(), ordre.end()));
            return;
        }
        for (int i = debut; i <= nb; ++i) {
            choix[rang] = i;
            suivant(i + 1, rang + 1);
        }
    };
    suivant(1, 0);
    return r;
}

using Comptes = QList<qint64>;   // ordre, désordre, bonus, bonus 4, bonus 4 sur 5, bonus 3

} // namespace

class TstGains : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void regles_data();
    void regles();
    void enumeration();
    void exemple();
    void textes();
    void rapports_data();
    void rapports();
    void fichier();
    void fichierendommage_data();
    void fichierendommage();
};

void TstGains::regles_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<float>("mult");
    QTest::addColumn<bool>("dtlo");
    QTest::addColumn<QList<int>>("chevaux");
    QTest::addColumn<QList<int>>("nonpartants");
    QTest::addColumn<int>("vide");         // a payout left empty, -1 for none
    QTest::addColumn<Comptes>("comptes");
    QTest::addColumn<qint64>("rembourses");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("remboursement");
    const QString t = u"tiercé"_s, q = u"quarté"_s, Q = u"quinté"_s;
    const QList<int> aucun;
    // The arrival is 1 2 3 4 5 throughout; payouts 10, 20, … 100 in the order of the fields.
    QTest::newRow("tiercé ordre") << t << 1.f << false << QList{1, 2, 3} << aucun << -1 << Comptes{1, 0, 0, 0, 0, 0} << 0ll << 10. << 0.;
    QTest::newRow("tiercé désordre") << t << 1.f << false << QList{2, 1, 3} << aucun << -1 << Comptes{0, 1, 0, 0, 0, 0} << 0ll << 20. << 0.;
    QTest::newRow("tiercé rien (4e)") << t << 1.f << false << QList{1, 2, 4} << aucun << -1 << Comptes{0, 0, 0, 0, 0, 0} << 0ll << 0. << 0.;
    QTest::newRow("quarté ordre") << q << 1.f << false << QList{1, 2, 3, 4} << aucun << -1 << Comptes{1, 0, 0, 0, 0, 0} << 0ll << 30. << 0.;
    QTest::newRow("quarté désordre") << q << 1.f << false << QList{1, 2, 4, 3} << aucun << -1 << Comptes{0, 1, 0, 0, 0, 0} << 0ll << 40. << 0.;
    QTest::newRow("quarté bonus (5e)") << q << 1.f << false << QList{3, 2, 1, 5} << aucun << -1 << Comptes{0, 0, 1, 0, 0, 0} << 0ll << 50. << 0.;
    QTest::newRow("quarté bonus (hors arrivée)") << q << 1.f << false << QList{1, 9, 2, 3} << aucun << -1 << Comptes{0, 0, 1, 0, 0, 0} << 0ll << 50. << 0.;
    QTest::newRow("quarté rien (sans le 3e)") << q << 1.f << false << QList{1, 2, 4, 5} << aucun << -1 << Comptes{0, 0, 0, 0, 0, 0} << 0ll << 0. << 0.;
    QTest::newRow("quinté ordre") << Q << 1.f << false << QList{1, 2, 3, 4, 5} << aucun << -1 << Comptes{1, 0, 0, 0, 0, 0} << 0ll << 60. << 0.;
    QTest::newRow("quinté désordre") << Q << 1.f << false << QList{1, 2, 3, 5, 4} << aucun << -1 << Comptes{0, 1, 0, 0, 0, 0} << 0ll << 70. << 0.;
    QTest::newRow("quinté bonus 4") << Q << 1.f << false << QList{4, 3, 2, 1, 9} << aucun << -1 << Comptes{0, 0, 0, 1, 0, 0} << 0ll << 80. << 0.;
    QTest::newRow("quinté bonus 4 sur 5 (sans le 4e)") << Q << 1.f << false << QList{1, 2, 3, 5, 9} << aucun << -1 << Comptes{0, 0, 0, 0, 1, 0} << 0ll << 90. << 0.;
    QTest::newRow("quinté bonus 4 sur 5 (sans le 1er)") << Q << 1.f << false << QList{2, 3, 4, 5, 9} << aucun << -1 << Comptes{0, 0, 0, 0, 1, 0} << 0ll << 90. << 0.;
    QTest::newRow("quinté bonus 3") << Q << 1.f << false << QList{1, 2, 3, 9, 10} << aucun << -1 << Comptes{0, 0, 0, 0, 0, 1} << 0ll << 100. << 0.;
    QTest::newRow("quinté rien (3 des 5, pas les 3 premiers)") << Q << 1.f << false << QList{2, 3, 4, 9, 10} << aucun << -1 << Comptes{0, 0, 0, 0, 0, 0} << 0ll << 0. << 0.;
    // Several horses: every k of them in pick order.
    QTest::newRow("tiercé sur 4") << t << 1.f << false << QList{3, 1, 2, 4} << aucun << -1 << Comptes{0, 1, 0, 0, 0, 0} << 0ll << 20. << 0.;
    QTest::newRow("quinté sur 6") << Q << 1.f << false << QList{1, 2, 3, 4, 5, 6} << aucun << -1 << Comptes{1, 0, 0, 1, 4, 0} << 0ll << 500. << 0.;
    QTest::newRow("quinté sur 8") << Q << 1.f << false << QList{1, 2, 3, 4, 5, 6, 7, 8} << aucun << -1
                                  << Comptes{1, 0, 0, 3, 12, 3} << 0ll << (60. + 3 * 80 + 12 * 90 + 3 * 100) << 0.;
    // All orders: one order is the arrival's, the others are "désordre".
    QTest::newRow("tiercé tous ordres") << t << 1.f << true << QList{3, 2, 1} << aucun << -1 << Comptes{1, 5, 0, 0, 0, 0} << 0ll << 110. << 0.;
    QTest::newRow("quinté tous ordres") << Q << 1.f << true << QList{5, 4, 3, 2, 1} << aucun << -1 << Comptes{1, 119, 0, 0, 0, 0} << 0ll << (60. + 119 * 70) << 0.;
    QTest::newRow("quarté bonus tous ordres") << q << 1.f << true << QList{1, 2, 3, 9} << aucun << -1 << Comptes{0, 0, 24, 0, 0, 0} << 0ll << 1200. << 0.;
    // Multipliers.
    QTest::newRow("tiercé x10") << t << 10.f << false << QList{1, 2, 3} << aucun << -1 << Comptes{1, 0, 0, 0, 0, 0} << 0ll << 100. << 0.;
    QTest::newRow("quarté x3 tous ordres") << q << 3.f << true << QList{4, 3, 2, 1} << aucun << -1 << Comptes{1, 23, 0, 0, 0, 0} << 0ll << 2850. << 0.;
    // Non-runners: the combination is refunded, whatever it would have met.
    QTest::newRow("tiercé remboursé") << t << 1.f << false << QList{1, 2, 9} << QList{9} << -1 << Comptes{0, 0, 0, 0, 0, 0} << 1ll << 0. << 1.;
    QTest::newRow("quarté x2 sur 5, 4 remboursés") << q << 2.f << false << QList{1, 2, 3, 4, 9} << QList{9, 11} << -1
                                                   << Comptes{1, 0, 0, 0, 0, 0} << 4ll << 60. << 4 * 2.6;
    QTest::newRow("quinté tous ordres remboursé") << Q << 2.f << true << QList{1, 2, 3, 4, 9} << QList{9} << -1
                                                  << Comptes{0, 0, 0, 0, 0, 0} << 120ll << 0. << 480.;
    // An empty payout: counted in its category, worth nothing.
    QTest::newRow("bonus 3 vide") << Q << 1.f << false << QList{1, 2, 3, 9, 10} << aucun << 9 << Comptes{0, 0, 0, 0, 0, 1} << 0ll << 0. << 0.;
}

void TstGains::regles()
{
    QFETCH(QString, type);
    QFETCH(float, mult);
    QFETCH(bool, dtlo);
    QFETCH(QList<int>, chevaux);
    QFETCH(QList<int>, nonpartants);
    QFETCH(int, vide);
    QFETCH(Comptes, comptes);
    QFETCH(qint64, rembourses);
    QFETCH(double, gains);
    QFETCH(double, remboursement);
    std::array<double, 10> r = dizaines;
    if (vide >= 0)
        r[vide] = 0;
    const Course c = course({1, 2, 3, 4, 5}, nonpartants, r);
    const Jeu j = jeu(type, mult, dtlo, chevaux);
    const arrivee::Compte compte = arrivee::compter(j, c);
    QCOMPARE(Comptes(compte.categories.begin(), compte.categories.end()), comptes);
    QCOMPARE(compte.rembourses, rembourses);
    QCOMPARE(compte.gains, gains);
    QCOMPARE(compte.remboursement, remboursement);
    // The same bet counted order by order.
    const arrivee::Compte un = enumerer(j, c);
    QCOMPARE(compte.categories, un.categories);
    QCOMPARE(compte.rembourses, un.rembourses);
}

// A few hundred random bets, counted by sets and order by order.
void TstGains::enumeration()
{
    QRandomGenerator alea(20261210);
    const QString types[3] = {travail::TypeDePari::tierce, travail::TypeDePari::quarte, travail::TypeDePari::quinte};
    int gagnants = 0, rembourses = 0;
    for (int essai = 0; essai < 400; ++essai) {
        // A small field, so that the bets meet the arrival often.
        QList<int> champ;
        for (int h = 1; h <= 11; ++h)
            champ << h;
        std::shuffle(champ.begin(), champ.end(), alea);
        QList<int> a = champ.mid(0, 5), np;
        for (int i = 0; i < int(alea.bounded(3)); ++i)
            np << champ[5 + i];
        std::sort(np.begin(), np.end());
        std::array<double, 10> r;
        for (double &v : r)
            v = alea.bounded(2) ? alea.bounded(100000) / 10.0 : 0;
        const Course c = course(a, np, r);

        const QString type = types[alea.bounded(3)];
        const int k = travail::places(type);
        const int nb = k + int(alea.bounded(9 - k));
        std::shuffle(champ.begin(), champ.end(), alea);
        const Jeu j = jeu(type, travail::mises[alea.bounded(7)], alea.bounded(2) == 1, champ.mid(0, nb));

        const arrivee::Compte parensembles = arrivee::compter(j, c);
        const arrivee::Compte parordres = enumerer(j, c);
        QCOMPARE(parensembles.categories, parordres.categories);
        QCOMPARE(parensembles.rembourses, parordres.rembourses);
        QVERIFY(qFuzzyCompare(1 + parensembles.gains, 1 + parordres.gains));
        QVERIFY(qFuzzyCompare(1 + parensembles.remboursement, 1 + parordres.remboursement));
        gagnants += parensembles.gagnant();
        rembourses += parensembles.rembourses > 0;
    }
    // The draw reaches both kinds of result.
    QVERIFY(gagnants > 50);
    QVERIFY(rembourses > 50);
}

void TstGains::exemple()
{
    std::array<double, 10> r{};
    r[5] = 10000;
    r[6] = 53.5;
    const arrivee::Controle c = arrivee::controler({jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15})}, {}, course({3, 7, 12, 1, 15}, {}, r));
    QCOMPARE(c.lignes, QStringList{u"jeu 1 : quinté 3 7 12 1 15 : 1 ordre, 119 désordre : 16366,5 €"_s});
    QCOMPARE(c.label1(), u"mises : 240 € ; gains : 16366,5 € ; solde : 16126,5 €"_s);
    QCOMPARE(c.label2(), u"1 jeu gagnant"_s);
}

void TstGains::textes()
{
    // Arrival 3 7 12 1 15, horse 20 a non-runner.
    const std::array<double, 10> r = {150.5, 30, 1000, 100, 10, 10000, 53.5, 20, 8, 4};
    const Course c = course({3, 7, 12, 1, 15}, {20}, r);
    const QList<Jeu> jeux = {
        jeu(u"quinté"_s, 1, true, {3, 7, 12, 1, 15}),
        jeu(u"tiercé"_s, 1, false, {2, 4, 6}),        // nothing: not listed
        jeu(u"tiercé"_s, 2, false, {7, 3, 12}),
        jeu(u"tiercé"_s, 1, false, {3, 7, 20}),       // refunded only: listed, not a winner
        jeu(u"quarté"_s, 1, false, {3, 7, 12, 20, 9}),
        jeu(u"quinté"_s, 1, false, {3, 7, 12, 1, 15}),
    };
    // The numbers are those of the file, where a damaged record may stand between two.
    const arrivee::Controle k = arrivee::controler(jeux, {1, 2, 3, 5, 6, 7}, c);
    const QStringList attendu = {
        u"jeu 1 : quinté 3 7 12 1 15 : 1 ordre, 119 désordre : 16366,5 €"_s,
        u"jeu 3 : tiercé 7 3 12 : 1 désordre : 60 €"_s,
        u"jeu 5 : tiercé 3 7 20 : 1 remboursé : 1 €"_s,
        u"jeu 6 : quarté 3 7 12 20 9 : 1 bonus, 4 remboursés : 15,2 €"_s,
        u"jeu 7 : quinté 3 7 12 1 15 : 1 ordre : 10000 €"_s,
    };
    QCOMPARE(k.lignes, attendu);
    QCOMPARE(k.numeros, (QList<int>{1, 3, 5, 6, 7}));
    QCOMPARE(k.label1(), u"mises : 252,5 € ; gains : 26442,7 € ; solde : 26190,2 €"_s);
    QCOMPARE(k.label2(), u"4 jeux gagnants"_s);

    // Nothing won: a negative balance; single precision and no thousands separator.
    const arrivee::Controle perdu = arrivee::controler({jeu(u"quinté"_s, 1, false, {2, 4, 6, 8, 9, 10})}, {}, c);
    QVERIFY(perdu.lignes.isEmpty());
    QCOMPARE(perdu.label1(), u"mises : 12 € ; gains : 0 € ; solde : -12 €"_s);
    QCOMPARE(perdu.label2(), u"aucun jeu gagnant"_s);
    std::array<double, 10> gros{};
    gros[5] = 720100;
    const arrivee::Controle riche = arrivee::controler({jeu(u"quinté"_s, 20, false, {3, 7, 12, 1, 15})}, {}, course({3, 7, 12, 1, 15}, {}, gros));
    QCOMPARE(riche.lignes, QStringList{u"jeu 1 : quinté 3 7 12 1 15 : 1 ordre : 1,4402E+07 €"_s});

    // The listing: header, lines, the two labels, footer.
    const QStringList l = arrivee::listing(k.lignes, k.label1(), k.label2());
    QCOMPARE(l.mid(0, 4), ticket::entete());
    QCOMPARE(l.mid(4, 5), attendu);
    QCOMPARE(l.mid(9), (QStringList{k.label1(), k.label2(), ticket::piedpage()}));
}

void TstGains::rapports_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("valeur");
    QTest::newRow("virgule") << "53,5" << true << 53.5;
    QTest::newRow("point") << "53.5" << true << 53.5;
    QTest::newRow("centimes d'un gros rapport") << "254321,45" << true << 254321.45;
    QTest::newRow("vide") << "" << true << 0.;
    QTest::newRow("blancs") << "   " << true << 0.;
    QTest::newRow("négatif (refusé par la fenêtre)") << "-3" << true << -3.;
    QTest::newRow("lettres") << "abc" << false << 0.;
    QTest::newRow("deux séparateurs") << "1,2.3" << false << 0.;
    QTest::newRow("unité") << "12 €" << false << 0.;
    QTest::newRow("infini") << "inf" << false << 0.;
}

void TstGains::rapports()
{
    QFETCH(QString, texte);
    QFETCH(bool, ok);
    QFETCH(double, valeur);
    double v = -1;
    QCOMPARE(arrivee::lirerapport(texte, v), ok);
    if (ok) {
        QCOMPARE(v, valeur);
        // Put back in its field, it reads as the same value.
        double w = -1;
        QVERIFY(arrivee::lirerapport(arrivee::texterapport(v), w));
        QCOMPARE(w, v);
    }
}

void TstGains::fichier()
{
    std::array<double, 10> r{};
    r[0] = 150.5;
    r[5] = 10000;
    r[6] = 254321.45;
    Course c = course({3, 7, 12, 1, 15}, {9, 4, 9}, r);
    const QByteArray octets = arrivee::enregistrement(c);
    QCOMPARE(octets, essais::lignes({"3", "7", "12", "1", "15", "2", "4", "9", "150.5", "0", "0", "0", "0", "10000",
                                     "254321.45", "0", "0", "0"}));
    const arrivee::LectureCourse lue = arrivee::lirecourse(octets, u"/x/arrivee.txt"_s);
    QVERIFY(lue.erreur.isEmpty());
    QVERIFY(!lue.vide);
    c.nonpartants = {4, 9};
    QCOMPARE(lue.course, c);
    QCOMPARE(lue.chevaux, 5);
    QVERIFY(lue.nonpartants);
    QCOMPARE(lue.rapports, 10);
    QCOMPARE(arrivee::texterapport(lue.course.rapports[6]), u"254321,45"_s);

    const arrivee::LectureCourse rien = arrivee::lirecourse({}, u"/x/arrivee.txt"_s);
    QVERIFY(rien.vide);
    QVERIFY(rien.erreur.isEmpty());
    QCOMPARE(rien.chevaux, 0);
}

void TstGains::fichierendommage_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("raison");
    QTest::addColumn<int>("chevaux");
    QTest::addColumn<bool>("nonpartants");
    QTest::addColumn<int>("rapports");
    const QByteArray arrivee = essais::lignes({"3", "7", "12", "1", "15"});
    const QByteArray dix = essais::lignes({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    QTest::newRow("coupé après 3 chevaux") << essais::lignes({"3", "7", "12"}) << 4 << "se termine" << 3 << false << 0;
    QTest::newRow("cheval 25") << essais::lignes({"3", "25"}) << 2 << "le cheval arrivé 2e (25) n'est pas un numéro" << 1 << false << 0;
    QTest::newRow("cheval 1,5") << essais::lignes({"3", "7", "1.5"}) << 3 << "le cheval arrivé 3e (1.5)" << 2 << false << 0;
    QTest::newRow("cheval deux fois") << essais::lignes({"3", "7", "3"}) << 3 << "déjà à l'arrivée" << 2 << false << 0;
    QTest::newRow("trop de non-partants") << arrivee + "16\r\n" << 6 << "le nombre de non-partants (16)" << 5 << false << 0;
    QTest::newRow("non-partant à l'arrivée") << arrivee + essais::lignes({"1", "7"}) << 7 << "le non-partant 7 est à l'arrivée" << 5
                                              << false << 0;
    QTest::newRow("non-partants en désordre") << arrivee + essais::lignes({"2", "9", "4"}) << 8 << "ordre croissant" << 5 << false << 0;
    QTest::newRow("rapport en lettres") << arrivee + essais::lignes({"0", "150.5", "abc"}) << 8 << "« abc » n'est pas un nombre" << 5
                                        << true << 1;
    QTest::newRow("rapport négatif") << arrivee + essais::lignes({"0", "-2"}) << 7 << "le rapport tiercé ordre (-2) est négatif" << 5
                                     << true << 0;
    QTest::newRow("valeur en trop") << arrivee + "0\r\n" + dix + "11\r\n" << 17 << "des valeurs suivent" << 5 << true << 10;
}

void TstGains::fichierendommage()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, ligne);
    QFETCH(QString, raison);
    QFETCH(int, chevaux);
    QFETCH(bool, nonpartants);
    QFETCH(int, rapports);
    const arrivee::LectureCourse lue = arrivee::lirecourse(contenu, u"/x/arrivee.txt"_s);
    QVERIFY(!lue.vide);
    QVERIFY2(lue.erreur.startsWith(u"Le fichier de la dernière arrivée « "_s), qPrintable(lue.erreur));
    QVERIFY2(lue.erreur.contains(u"endommagé à la ligne %1 : "_s.arg(ligne)), qPrintable(lue.erreur));
    QVERIFY2(lue.erreur.contains(raison), qPrintable(lue.erreur));
    QCOMPARE(lue.chevaux, chevaux);
    QCOMPARE(lue.nonpartants, nonpartants);
    QCOMPARE(lue.rapports, rapports);
}

QTEST_MAIN(TstGains)
#include "tst_gains.moc"
