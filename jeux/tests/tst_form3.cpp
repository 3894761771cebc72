// The bet entry window, driven through its buttons and keys.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "travail/fichierdetravail.h"
#include "jeux/form3.h"
#include "travail/jeu.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

template<class W = QWidget>
W *controle(const QString &nom)
{
    W *w = form3().findChild<W *>(nom);
    if (!w)
        qFatal("no control %s", qPrintable(nom));
    return w;
}

void clic(const QString &nom)
{
    QAbstractButton *b = controle<QAbstractButton>(nom);
    QVERIFY2(b->isVisible(), qPrintable(nom));
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

void chevaux(const QList<int> &numeros)
{
    for (int n : numeros)
        clic(u"Command5(%1)"_s.arg(n));
}

QStringList cases()
{
    QStringList r;
    for (int i = 1; i <= 8; ++i)
        r << controle<QLabel>(u"Label4(%1)"_s.arg(i))->text();
    return r;
}

QStringList montres(const QList<int> &numeros)
{
    QStringList r;
    for (int n : numeros)
        r << QString::number(n);
    while (r.size() < 8)
        r << QString();
    return r;
}

bool visible(const QString &nom)
{
    return controle(nom)->isVisible();
}

// A key typed with the focus on `focus`, as the user would.
void frappe(const QString &focus, Qt::Key touche, QChar texte = {})
{
    QWidget *w = controle(focus);
    w->setFocus();
    if (texte.isNull())
        QTest::keyClick(w, touche);
    else
        QTest::keyClick(w, texte.toLatin1());
}

QByteArray enregistrement(const QString &type, float mult, bool dtlo, const QList<qint16> &numeros)
{
    travail::Jeu j;
    j.typedejeu = type;
    j.mult = mult;
    j.dtlo = dtlo;
    j.chevaux[0] = static_cast<qint16>(numeros.size());
    for (int i = 0; i < numeros.size(); ++i)
        j.chevaux[i + 1] = numeros[i];
    return travail::enregistrement(j);
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT

    std::unique_ptr<essais::Racine> racine;
    std::unique_ptr<essais::Repondeur> repondeur;

private slots:
    void initTestCase() { essais::francais(); }
    void init()
    {
        racine = std::make_unique<essais::Racine>();
        repondeur = std::make_unique<essais::Repondeur>();
        form3().ouvrir();
        QVERIFY(QTest::qWaitForWindowExposed(&form3()));
    }
    void cleanup()
    {
        racine.reset();
        repondeur.reset();
    }

    void chargement()
    {
        auto defauts = [] {
            QCOMPARE(controle<QLabel>(u"Label2"_s)->text(), u"quinté"_s);
            QVERIFY(visible(u"Label1"_s));
            QCOMPARE(controle<QLabel>(u"Label1"_s)->text(),
                     u"Jeu incomplet, nombre de chevaux selectionnés insuffisant pour ce type de paris"_s);
            for (const QString &n : {u"Label3"_s, u"Label5"_s, u"Label6"_s, u"Command4"_s, u"Command9"_s, u"Command10"_s})
                QVERIFY2(!visible(n), qPrintable(n));
            QVERIFY(controle<QRadioButton>(u"Option4(0)"_s)->isChecked());
            QVERIFY(!controle<QCheckBox>(u"Check1"_s)->isChecked());
            QCOMPARE(cases(), montres({}));
        };
        defauts();
        QCOMPARE(controle<QPushButton>(u"Command6"_s)->toolTip(), u"\"gomme\" le dernier numéro"_s);
        QCOMPARE(controle<QPushButton>(u"Command4"_s)->text(), u"         (i)          Imprimer"_s);
        QCOMPARE(form3().windowTitle(), u"saisir un jeu"_s);

        // Whatever was left on screen, the next opening starts afresh.
        clic(u"Command2"_s);
        clic(u"Option4(6)"_s);
        clic(u"Check1"_s);
        chevaux({4, 4});
        QVERIFY(visible(u"Label3"_s));
        form3().fermer();
        form3().ouvrir();
        defauts();

        // With 20x still selected from before, reopening puts the price back to 1x.
        clic(u"Option4(6)"_s);
        form3().fermer();
        form3().ouvrir();
        chevaux({1, 2, 3, 4, 5});
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), u"2"_s);
    }

    void prixaffiche_data()
    {
        QTest::addColumn<QString>("type");     // button clicked before the horses, or none
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("ordres");
        QTest::addColumn<QString>("prix");     // empty: incomplete

        QTest::newRow("quinté sur 3 incomplet") << QString() << QList<int>{3, 8, 12} << 0 << false << QString();
        QTest::newRow("tiercé sur 3") << u"Command1"_s << QList<int>{3, 8, 12} << 0 << false << u"1"_s;
        QTest::newRow("tiercé sur 2 incomplet") << u"Command1"_s << QList<int>{3, 8} << 0 << false << QString();
        QTest::newRow("tiercé sur 4") << u"Command1"_s << QList<int>{1, 2, 3, 4} << 0 << false << u"4"_s;
        QTest::newRow("tiercé sur 4 tous ordres") << u"Command1"_s << QList<int>{1, 2, 3, 4} << 0 << true << u"24"_s;
        QTest::newRow("quarté sur 4 à 3x") << u"Command2"_s << QList<int>{7, 1, 19, 20} << 2 << false << u"3,9"_s;
        QTest::newRow("quarté sur 3 incomplet") << u"Command2"_s << QList<int>{7, 1, 19} << 2 << false << QString();
        QTest::newRow("quarté sur 7 tous ordres 10x") << u"Command2"_s << QList<int>{1, 2, 3, 4, 5, 6, 7} << 5 << true << u"10920"_s;
        QTest::newRow("quinté sur 5 à 20x tous ordres") << u"Command3"_s << QList<int>{1, 2, 3, 4, 5} << 6 << true << u"4800"_s;
        QTest::newRow("quinté sur 8 à 20x tous ordres") << QString() << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 6 << true
                                                      << u"268800"_s;
        QTest::newRow("quinté sur 6 à 5x") << QString() << QList<int>{20, 19, 18, 17, 16, 15} << 4 << false << u"60"_s;
    }
    void prixaffiche()
    {
        QFETCH(QString, type);
        QFETCH(QList<int>, numeros);
        QFETCH(int, option);
        QFETCH(bool, ordres);
        QFETCH(QString, prix);

        if (!type.isEmpty())
            clic(type);
        chevaux(numeros);
        if (option != 0)
            clic(u"Option4(%1)"_s.arg(option));
        if (ordres)
            clic(u"Check1"_s);

        const bool complet = !prix.isEmpty();
        QCOMPARE(cases(), montres(numeros));
        QCOMPARE(visible(u"Label1"_s), !complet);
        for (const QString &n : {u"Label5"_s, u"Label6"_s, u"Command4"_s, u"Command9"_s, u"Command10"_s})
            QCOMPARE(visible(n), complet);
        if (complet) {
            QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), prix);
            QCOMPARE(controle<QLabel>(u"Label6"_s)->text(), u" €"_s);
        }
    }

    // The type can change after the horses: the price follows.
    void typeapreschevaux()
    {
        chevaux({3, 8, 12});
        QVERIFY(visible(u"Label1"_s));
        clic(u"Command1"_s);
        QCOMPARE(controle<QLabel>(u"Label2"_s)->text(), u"tiercé"_s);
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), u"1"_s);
        QVERIFY(!visible(u"Label1"_s));
        clic(u"Check1"_s);
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), u"6"_s);
        clic(u"Check1"_s);
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), u"1"_s);
    }

    void dejachoisi()
    {
        chevaux({5, 5});
        QVERIFY(visible(u"Label3"_s));
        QVERIFY(!visible(u"Label1"_s));
        QCOMPARE(controle<QLabel>(u"Label3"_s)->text(), u"         numéro déjà selectionné"_s);
        QCOMPARE(cases(), montres({5}));
        chevaux({6});
        QVERIFY(!visible(u"Label3"_s));
        QVERIFY(visible(u"Label1"_s));
        QCOMPARE(cases(), montres({5, 6}));

        // Any other action hides the message too.
        chevaux({6});
        QVERIFY(visible(u"Label3"_s));
        clic(u"Option4(1)"_s);
        QVERIFY(!visible(u"Label3"_s));
        QVERIFY(repondeur->questions.isEmpty());
    }

    void neuviemecheval()
    {
        chevaux({1, 2, 3, 4, 5, 6, 7, 8});
        clic(u"Command5(20)"_s);
        QCOMPARE(cases(), montres({1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(!visible(u"Label3"_s));
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), u"112"_s);
        // Even a horse already picked says nothing once the eight are there.
        clic(u"Command5(1)"_s);
        QVERIFY(!visible(u"Label3"_s));
        QVERIFY(repondeur->questions.isEmpty());
        QCOMPARE(repondeur->bips, 0);
    }

    void sauvegarde_data()
    {
        QTest::addColumn<bool>("clavier");
        QTest::newRow("souris") << false;
        QTest::newRow("clavier") << true;
    }
    // Efface dernier, then quarté, then save: the removed horse is not written.
    void sauvegarde()
    {
        QFETCH(bool, clavier);
        form1().ouvrir();
        form3().ouvrir();
        chevaux({1, 2, 3, 4, 5});
        if (clavier) {
            frappe(u"Command5(3)"_s, Qt::Key_Minus, u'-');
            frappe(u"Check1"_s, Qt::Key_4, u'4');
            frappe(u"Option4(0)"_s, Qt::Key_S, u's');
        } else {
            clic(u"Command6"_s);
            clic(u"Command2"_s);
            clic(u"Command9"_s);
        }
        QCOMPARE(racine->lire(travail::noms::fichier),
                 essais::lignes({"\"quart\xe9\"", "1", "#FALSE#", "4", "1", "2", "3", "4", "0", "0", "0", "0"}));
        QVERIFY(!form3().estouverte());
        QVERIFY(form1().estouverte());
        QCOMPARE(form1().findChild<QLabel *>(u"Label1"_s)->text(), u"1 jeu enregistré d'un montant de 1,3 €"_s);

        // A second bet goes after the first, and the summary counts both.
        form3().ouvrir();
        clic(u"Command1"_s);
        chevaux({4, 9, 13});
        clic(u"Option4(1)"_s);
        clic(u"Command9"_s);
        QCOMPARE(racine->lire(travail::noms::fichier),
                 essais::lignes({"\"quart\xe9\"", "1", "#FALSE#", "4", "1", "2", "3", "4", "0", "0", "0", "0",   //
                                 "\"tierc\xe9\"", "2", "#FALSE#", "3", "4", "9", "13", "0", "0", "0", "0", "0"}));
        QCOMPARE(form1().findChild<QLabel *>(u"Label1"_s)->text(), u"2 jeux enregistrés pour un montant total de 3,3 €"_s);
    }

    void sauvegardetousordres()
    {
        clic(u"Command3"_s);
        chevaux({14, 2, 7, 11, 3, 15});
        clic(u"Option4(5)"_s);
        clic(u"Check1"_s);
        clic(u"Command9"_s);
        QCOMPARE(racine->lire(travail::noms::fichier),
                 essais::lignes({"\"quint\xe9\"", "10", "#TRUE#", "6", "14", "2", "7", "11", "3", "15", "0", "0"}));
    }

    // "s" and "i" test completeness themselves, even though their buttons are hidden.
    void incompletrienecrit()
    {
        clic(u"Command1"_s);
        chevaux({4, 9});
        frappe(u"Command5(4)"_s, Qt::Key_S, u's');
        QVERIFY(form3().estouverte());
        QVERIFY(racine->lire(travail::noms::fichier).isEmpty());
        QCOMPARE(cases(), montres({4, 9}));
    }

    void touches_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<int>>("restent");

        const QList<int> tous{6, 2, 9, 14, 1};
        QTest::newRow("3 tiercé") << u"Check1"_s << int(Qt::Key_3) << u"3"_s << u"tiercé"_s << tous;
        QTest::newRow("4 quarté") << u"Option4(2)"_s << int(Qt::Key_4) << u"4"_s << u"quarté"_s << tous;
        QTest::newRow("5 quinté") << u"Command1"_s << int(Qt::Key_5) << u"5"_s << u"quinté"_s << tous;
        QTest::newRow("- efface dernier") << u"Command5(20)"_s << int(Qt::Key_Minus) << u"-"_s << u"quarté"_s
                                          << QList<int>{6, 2, 9, 14};
        QTest::newRow("retour arrière efface tout") << u"Command7"_s << int(Qt::Key_Backspace) << QString() << u"quarté"_s
                                                    << QList<int>{};
        QTest::newRow("a abandonne") << u"Option4(0)"_s << int(Qt::Key_A) << u"a"_s << u"quarté"_s << QList<int>{};
        QTest::newRow("Échap abandonne") << u"Command2"_s << int(Qt::Key_Escape) << QString() << u"quarté"_s << QList<int>{};
        QTest::newRow("A majuscule ne fait rien") << u"Check1"_s << int(Qt::Key_A) << u"A"_s << u"quarté"_s << tous;
        QTest::newRow("x ne fait rien") << u"Check1"_s << int(Qt::Key_X) << u"x"_s << u"quarté"_s << tous;
    }
    void touches()
    {
        QFETCH(QString, focus);
        QFETCH(int, touche);
        QFETCH(QString, texte);
        QFETCH(QString, type);
        QFETCH(QList<int>, restent);

        clic(u"Command2"_s);
        chevaux({6, 2, 9, 14, 1});
        QWidget *w = controle(focus);
        w->setFocus();
        if (texte.isEmpty())
            QTest::keyClick(w, Qt::Key(touche));
        else
            QTest::keyClick(w, texte.at(0).toLatin1());
        QCOMPARE(controle<QLabel>(u"Label2"_s)->text(), type);
        QCOMPARE(cases(), montres(restent));
        QVERIFY(form3().estouverte());
        QVERIFY(racine->lire(travail::noms::fichier).isEmpty());
    }

    // Escape abandons an incomplete entry too, while "(a) Abandonner" is hidden.
    void echapincomplet()
    {
        chevaux({4, 9});
        QVERIFY(!visible(u"Command10"_s));
        QTest::keyClick(controle(u"Command5(1)"_s), Qt::Key_Escape);
        QCOMPARE(cases(), montres({}));
        QVERIFY(form3().estouverte());
    }

    // "Abandonner" clears the horses only.
    void abandonner()
    {
        clic(u"Command2"_s);
        clic(u"Option4(2)"_s);
        clic(u"Check1"_s);
        chevaux({1, 2, 3, 4, 5, 6});
        clic(u"Command10"_s);
        QCOMPARE(controle<QLabel>(u"Label2"_s)->text(), u"quarté"_s);
        QVERIFY(controle<QRadioButton>(u"Option4(2)"_s)->isChecked());
        QVERIFY(controle<QCheckBox>(u"Check1"_s)->isChecked());
        QCOMPARE(cases(), montres({}));
        QVERIFY(visible(u"Label1"_s));
        QVERIFY(form3().estouverte());
        // Picking again starts from the first box, at the multiplier kept.
        chevaux({8, 7, 6, 5});
        QCOMPARE(cases(), montres({8, 7, 6, 5}));
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), u"93,6"_s);
    }

    void rejouer_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("mult");
        QTest::addColumn<bool>("ordres");
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("prix");

        QTest::newRow("quarté 2x tous ordres") << u"quarté"_s << 2 << true << QList<int>{6, 2, 9, 14} << 1 << u"62,4"_s;
        QTest::newRow("tiercé 1x") << u"tiercé"_s << 1 << false << QList<int>{3, 7, 12} << 0 << u"1"_s;
        QTest::newRow("tiercé 3x sur 5") << u"tiercé"_s << 3 << false << QList<int>{3, 7, 12, 1, 2} << 2 << u"30"_s;
        QTest::newRow("quinté 4x") << u"quinté"_s << 4 << false << QList<int>{2, 7, 11, 3, 15} << 3 << u"8"_s;
        QTest::newRow("quinté 5x sur 8") << u"quinté"_s << 5 << false << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 4 << u"560"_s;
        QTest::newRow("quarté 10x tous ordres") << u"quarté"_s << 10 << true << QList<int>{2, 9, 11, 14} << 5 << u"312"_s;
        QTest::newRow("quinté 20x tous ordres") << u"quinté"_s << 20 << true << QList<int>{20, 1, 19, 2, 18} << 6 << u"4800"_s;
    }
    void rejouer()
    {
        QFETCH(QString, type);
        QFETCH(int, mult);
        QFETCH(bool, ordres);
        QFETCH(QList<int>, numeros);
        QFETCH(int, option);
        QFETCH(QString, prix);

        std::array<qint16, 8> stockes{};
        for (int i = 0; i < numeros.size(); ++i)
            stockes[i] = static_cast<qint16>(numeros[i]);
        form3().rejouer(type, static_cast<qint16>(mult), ordres, stockes);

        QCOMPARE(controle<QLabel>(u"Label2"_s)->text(), type);
        QVERIFY(controle<QRadioButton>(u"Option4(%1)"_s.arg(option))->isChecked());
        QCOMPARE(controle<QCheckBox>(u"Check1"_s)->isChecked(), ordres);
        QCOMPARE(cases(), montres(numeros));
        QCOMPARE(controle<QLabel>(u"Label5"_s)->text(), prix);

        // Saved again, the bet is the same record.
        clic(u"Command9"_s);
        QList<qint16> n;
        for (int v : numeros)
            n << static_cast<qint16>(v);
        QCOMPARE(racine->lire(travail::noms::fichier), enregistrement(type, float(mult), ordres, n));
    }

    // The ticket carries the horses still picked, and nothing is saved.
    void imprimer_data()
    {
        QTest::addColumn<bool>("clavier");
        QTest::newRow("bouton") << false;
        QTest::newRow("i") << true;
    }
    void imprimer()
    {
        QFETCH(bool, clavier);
        essais::Imprimante imprimante;
        chevaux({1, 2, 3, 4, 5});
        clic(u"Command6"_s);
        clic(u"Command2"_s);
        clic(u"Check1"_s);
        if (clavier)
            frappe(u"Command5(1)"_s, Qt::Key_I, u'i');
        else
            clic(u"Command4"_s);
        const auto documents = imprimante.enregistreuse.documents();
        QCOMPARE(documents.size(), 1);
        QList<QPointF> marques;
        for (const ticket::Operation &op : documents[0])
            marques << op.position;
        // quarté, 1x, all orders, then horses 1 to 4 in rows 1 to 4.
        QCOMPARE(marques, (QList<QPointF>{{2618.25, 2175}, {908.25, 3261}, {908.25, 3623}, {4770, 1089}, {5055, 1451},
                                          {5340, 1813}, {5625, 2175}}));
        QVERIFY(form3().estouverte());
        QVERIFY(racine->lire(travail::noms::fichier).isEmpty());
        QCOMPARE(cases(), montres({1, 2, 3, 4}));

        // Incomplete: "i" prints nothing.
        clic(u"Command6"_s);
        frappe(u"Check1"_s, Qt::Key_I, u'i');
        QCOMPARE(imprimante.enregistreuse.documents().size(), 1);
        QVERIFY(repondeur->questions.isEmpty());
    }

    void impressionrefusee()
    {
        essais::Imprimante imprimante;
        imprimante.enregistreuse.refus = u"Plus de papier."_s;
        clic(u"Command1"_s);
        chevaux({3, 7, 12});
        clic(u"Command4"_s);
        QCOMPARE(repondeur->questions.size(), 1);
        QVERIFY(repondeur->questions[0].texte.contains(u"Plus de papier."_s));
        QVERIFY(imprimante.enregistreuse.documents().isEmpty());
        QVERIFY(form3().estouverte());
        QCOMPARE(cases(), montres({3, 7, 12}));
    }

    // A file that cannot be written: the user is told, the bet stays on screen.
    void sauvegardeimpossible()
    {
        QVERIFY(QDir(racine->chemin("")).mkdir(QString::fromLatin1(travail::noms::fichier)));
        clic(u"Command1"_s);
        chevaux({1, 2, 3});
        clic(u"Command9"_s);
        QCOMPARE(repondeur->questions.size(), 1);
        QVERIFY(repondeur->questions[0].texte.startsWith(u"Le jeu n'a pas pu être enregistré."_s));
        QVERIFY2(repondeur->questions[0].texte.contains(u"c'est un dossier"_s), qPrintable(repondeur->questions[0].texte));
        QVERIFY(form3().estouverte());
        QCOMPARE(cases(), montres({1, 2, 3}));
    }

    void finabimee_data()
    {
        QTest::addColumn<bool>("reparer");
        QTest::newRow("laissé tel quel") << false;
        QTest::newRow("réparé") << true;
    }
    // A bet is never appended after a bet cut short: the user is told which one, and the
    // repair sets the cut bytes aside before the save goes through.
    void finabimee()
    {
        QFETCH(bool, reparer);
        const QByteArray tierce = essais::lignes({"\"tierc\xe9\"", "1", "#FALSE#", "3", "4", "9", "13", "0", "0", "0", "0", "0"});
        const QByteArray coupe = essais::lignes({"\"quart\xe9\"", "1"}) + "#FAL";
        racine->ecrire(travail::noms::fichier, tierce + coupe);
        repondeur->reponses << (reparer ? dialogue::Reponse::ok : dialogue::Reponse::annuler);
        clic(u"Command1"_s);
        chevaux({1, 2, 3});
        clic(u"Command9"_s);
        const auto &q = repondeur->questions.first();
        QVERIFY(q.texte.startsWith(u"Le jeu n'a pas pu être enregistré."_s));
        QVERIFY(q.texte.contains(QDir::toNativeSeparators(racine->chemin(travail::noms::fichier))));
        QVERIFY2(q.texte.contains(u"l'enregistrement n° 2, qui commence à la ligne 13"_s), qPrintable(q.texte));
        QCOMPARE(q.boutons, dialogue::Boutons::okannuler);
        if (!reparer) {
            QCOMPARE(repondeur->questions.size(), 1);
            QCOMPARE(racine->lire(travail::noms::fichier), tierce + coupe);
            QVERIFY(form3().estouverte());
            return;
        }
        QCOMPARE(repondeur->questions.size(), 2);
        QVERIFY2(repondeur->questions[1].texte.contains(u"fichier.abime.txt"_s), qPrintable(repondeur->questions[1].texte));
        QCOMPARE(racine->lire("fichier.abime.txt"), coupe);
        QCOMPARE(racine->lire(travail::noms::fichier),
                 tierce + essais::lignes({"\"tierc\xe9\"", "1", "#FALSE#", "3", "1", "2", "3", "0", "0", "0", "0", "0"}));
        QVERIFY(!form3().estouverte());
    }

    // The disk fills up during the save: the bet is not in the file and the user is told so.
    void disqueplein()
    {
        struct Plein final : travail::Disque
        {
            qint64 ecrire(QFileDevice &f, QByteArrayView octets) override
            {
                f.write(octets.data(), 10);
                errno = ENOSPC;
                return -1;
            }
        } plein;
        const QByteArray avant = essais::lignes({"\"tierc\xe9\"", "1", "#FALSE#", "3", "4", "9", "13", "0", "0", "0", "0", "0"});
        racine->ecrire(travail::noms::fichier, avant);
        travail::Disque *reel = travail::installer(&plein);
        clic(u"Command1"_s);
        chevaux({1, 2, 3});
        clic(u"Command9"_s);
        travail::installer(reel);
        QCOMPARE(racine->lire(travail::noms::fichier), avant);
        QCOMPARE(repondeur->questions.size(), 1);
        QCOMPARE(repondeur->questions[0].texte,
                 u"Le jeu n'a pas pu être enregistré.\n\nImpossible d'écrire dans le fichier « %1 » : le disque est plein. "
                 u"Il n'a pas été modifié."_s.arg(QDir::toNativeSeparators(racine->chemin(travail::noms::fichier))));
        QVERIFY(form3().estouverte());
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
