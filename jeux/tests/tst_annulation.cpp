// Nothing lost by a slip of the hand: a modification keeps the original until its new
// version is saved, the last destructive command can be undone (even after a restart),
// windows come back where the user left them, and "Quitter" ends without a word.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "jeux/form3.h"
#include "jeux/form4.h"
#include "quintes/combinaison.h"
#include "quintes/contrainte.h"
#include "quintes/form8.h"
#include "quintes/tests/fabrique.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCryptographicHash>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using essais::dans;
using essais::visible;
using travail::Jeu;

using essais::fichier;

namespace {

const QList<Jeu> trois = {essais::jeu(u"tiercé"_s, 1, false, {3, 7, 12}), essais::jeu(u"quarté"_s, 2, false, {6, 2, 9, 14}),
                          essais::jeu(u"quinté"_s, 1, false, {2, 7, 11, 3, 15})};

QByteArray quintesordonnes(int n)
{
    QByteArray r;
    for (int i = 0; i < n; ++i)
        r += quintes::enregistrement(quintes::Combinaison{qint16(1 + i), 16, 17, 18, 19});
    return r;
}

QAction *action(const char *nom)
{
    return form1().findChild<QAction *>(QString::fromUtf8(nom));
}

// The three bets saved, the main window open and the saved bets window opened from its menu.
void voirtrois(const essais::Racine &racine)
{
    racine.ecrire(travail::noms::fichier, fichier(trois));
    form1().ouvrir();
    action("voirmn")->trigger();
}

QString resume()
{
    return form1().findChild<QLabel *>(u"Label1"_s)->text();
}

void choisir(QWidget *fenetre, int ligne)
{
    auto *l = dans<QAbstractItemView>(fenetre, u"List1"_s);
    const QModelIndex i = l->model()->index(ligne, 0);
    l->scrollTo(i);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(i).center());
}

void touche(QWidget *fenetre, char c)
{
    QTest::keyClick(dans<QAbstractItemView>(fenetre, u"List1"_s), c);
}

void clic(QWidget *fenetre, const QString &nom)
{
    QTest::mouseClick(dans<QAbstractButton>(fenetre, nom), Qt::LeftButton);
}

Form8 &form8()
{
    return fenetres::instance<Form8>();
}

} // namespace

class TstAnnulation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { essais::francais(); }
    void modifierpuisabandonner_data();
    void modifierpuisabandonner();
    void contraintemodifieepuisfermee();
    void annuler_data();
    void annuler();
    void annulerapresredemarrage();
    void riendannuler();
    void fichierchangedepuis();
    void empreintes_data();
    void empreintes();
    void positionsgardees();
    void quitter();
};

// The bet being modified is never lost: whichever way the entry is given up, the file
// is as it was, and a bet composed afterwards is added beside the original.
void TstAnnulation::modifierpuisabandonner_data()
{
    QTest::addColumn<int>("facon");
    QTest::newRow("(a) Abandonner") << 0;
    QTest::newRow("touche a") << 1;
    QTest::newRow("Échap") << 2;
    QTest::newRow("case de fermeture") << 3;
}

void TstAnnulation::modifierpuisabandonner()
{
    QFETCH(int, facon);
    essais::Racine racine;
    essais::Repondeur repondeur;
    voirtrois(racine);
    choisir(&form4(), 1);
    touche(&form4(), 'm');
    Form3 &saisie = form3();
    QVERIFY(saisie.estouverte());
    QCOMPARE(racine.lire(travail::noms::fichier), fichier(trois));

    switch (facon) {
    case 0: clic(&saisie, u"Command10"_s); break;
    case 1: QTest::keyClick(dans<QPushButton>(&saisie, u"Command5(1)"_s), 'a'); break;
    case 2: QTest::keyClick(dans<QPushButton>(&saisie, u"Command5(1)"_s), Qt::Key_Escape); break;
    case 3: saisie.close(); break;
    }
    QCOMPARE(racine.lire(travail::noms::fichier), fichier(trois));
    if (facon == 3) {
        QVERIFY(!saisie.estouverte());
        return;
    }
    // A new bet composed after giving up goes beside the original (the stake of the
    // replayed bet, 2x, is still chosen).
    clic(&saisie, u"Command1"_s);
    for (int h : {1, 2, 4})
        clic(&saisie, u"Command5(%1)"_s.arg(h));
    clic(&saisie, u"Command9"_s);
    QCOMPARE(racine.lire(travail::noms::fichier), fichier(trois + QList<Jeu>{essais::jeu(u"tiercé"_s, 2, false, {1, 2, 4})}));
    QVERIFY(repondeur.questions.isEmpty());
}

void TstAnnulation::contraintemodifieepuisfermee()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray avant = fabrique::fichier({fabrique::contrainte(2, true, {3, 4, 5, 6}), fabrique::contrainte(1, false, {7, 9})});
    racine.ecrire(travail::noms::contrainte, avant);
    form1().ouvrir();
    action("qsomn")->trigger();
    clic(visible("Form5"), u"Command2"_s);
    QWidget *liste = visible("contraintes");
    choisir(liste, 1);
    touche(liste, 'm');
    QWidget *saisie = visible("Form6");
    QVERIFY(saisie);
    QCOMPARE(racine.lire(travail::noms::contrainte), avant);
    saisie->close();
    QCOMPARE(racine.lire(travail::noms::contrainte), avant);
}

// After each kind of destructive command, undo puts back the bytes of before, reloads
// the windows that show them and says what it put back.
void TstAnnulation::annuler_data()
{
    QTest::addColumn<int>("commande");
    QTest::addColumn<QString>("message");
    QTest::newRow("un jeu effacé") << 0 << u"Les jeux enregistrés ont été rétablis : 3 jeux."_s;
    QTest::newRow("tous les jeux effacés") << 1 << u"Les jeux enregistrés ont été rétablis : 3 jeux."_s;
    QTest::newRow("jeu modifié") << 2 << u"Les jeux enregistrés ont été rétablis : 3 jeux."_s;
    QTest::newRow("(E) Enregistrer tout") << 3 << u"Les jeux enregistrés ont été rétablis : 3 jeux."_s;
    QTest::newRow("contraintes vidées") << 4 << u"Les contraintes ont été rétablies : 2 contraintes."_s;
    QTest::newRow("une contrainte supprimée") << 5 << u"Les contraintes ont été rétablies : 2 contraintes."_s;
    QTest::newRow("effacer tous les fichiers")
        << 6
        << u"Les jeux enregistrés ont été rétablis : 3 jeux.\nLes quintés ordonnés ont été rétablis : 4 quintés.\n"
           "Les contraintes ont été rétablies : 2 contraintes.\nLes corrections d'impression ont été rétablies.\n"
           "Le choix de l'imprimante a été rétabli."_s;
}

void TstAnnulation::annuler()
{
    QFETCH(int, commande);
    QFETCH(QString, message);
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray jeux = fichier(trois);
    const QByteArray contraintes =
        fabrique::fichier({fabrique::contrainte(2, true, {3, 4, 5, 6}), fabrique::contrainte(1, false, {7, 9})});
    const QByteArray prefer = " 120 \r\n-35 \r\n";
    racine.ecrire(travail::noms::fichier, jeux);
    racine.ecrire(travail::noms::contrainte, contraintes);
    racine.ecrire(travail::noms::quinteo, quintesordonnes(4));
    racine.ecrire(travail::noms::prefer, prefer);
    racine.ecrire(travail::noms::imprimante, "Fichier PDF\r\n");
    form1().ouvrir();
    const QString avant = resume();
    QVERIFY(!action("annulermn")->isEnabled());

    QWidget *ouverte = nullptr;   // a window showing the file, left open during the undo
    switch (commande) {
    case 0:
        action("voirmn")->trigger();
        choisir(&form4(), 0);
        touche(&form4(), 'e');
        break;
    case 1:
        action("voirmn")->trigger();
        touche(&form4(), 'E');
        break;
    case 2:
        action("voirmn")->trigger();
        choisir(&form4(), 0);
        touche(&form4(), 'm');
        clic(&form3(), u"Command5(20)"_s);
        clic(&form3(), u"Command9"_s);
        break;
    case 3:
        action("bilanmn")->trigger();
        touche(&form8(), 'E');
        break;
    case 4:
    case 5:
        action("qsomn")->trigger();
        clic(visible("Form5"), u"Command2"_s);
        ouverte = visible("contraintes");
        if (commande == 5)
            choisir(ouverte, 0);
        touche(ouverte, commande == 4 ? 'S' : 's');
        break;
    case 6:
        action("effmn")->trigger();
        break;
    }
    QVERIFY(racine.lire(travail::noms::fichier) != jeux || racine.lire(travail::noms::contrainte) != contraintes);
    QVERIFY(action("annulermn")->isEnabled());

    repondeur.questions.clear();
    action("annulermn")->trigger();
    QCOMPARE(racine.lire(travail::noms::fichier), jeux);
    QCOMPARE(racine.lire(travail::noms::contrainte), contraintes);
    QCOMPARE(racine.lire(travail::noms::quinteo), quintesordonnes(4));
    QCOMPARE(racine.lire(travail::noms::prefer), prefer);
    QCOMPARE(racine.lire(travail::noms::imprimante), QByteArray("Fichier PDF\r\n"));
    QCOMPARE(resume(), avant);
    QCOMPARE(repondeur.questions.size(), 1);
    QCOMPARE(repondeur.questions[0].texte, message);
    if (ouverte) {
        // The open list reads the file again.
        auto *l = dans<QAbstractItemView>(ouverte, u"List1"_s);
        QCOMPARE(l->model()->rowCount(), 2);
    }
    // One level: nothing more to undo.
    QVERIFY(!action("annulermn")->isEnabled());
}

void TstAnnulation::annulerapresredemarrage()
{
    const QByteArray jeux = fichier(trois);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, jeux);
    form1().ouvrir();
    action("voirmn")->trigger();
    touche(&form4(), 'E');
    QCOMPARE(racine.lire(travail::noms::fichier), QByteArray());

    // The program ends and starts again on the same work directory.
    fenetres::detruiretout();
    form1().ouvrir();
    QCOMPARE(resume(), u" aucun jeu enregisté"_s);
    QVERIFY(action("annulermn")->isEnabled());
    action("annulermn")->trigger();
    QCOMPARE(racine.lire(travail::noms::fichier), jeux);
    QCOMPARE(resume(), u"3 jeux enregistrés pour un montant total de 5,6 €"_s);
}

void TstAnnulation::riendannuler()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, fichier(trois));
    form1().ouvrir();
    QAction *a = action("annulermn");
    QCOMPARE(a->text(), u"Annuler la dernière modification"_s);
    QCOMPARE(a->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(!a->isEnabled());
    // Saving one bet is not a destructive command: still nothing to undo.
    action("saisrmn")->trigger();
    for (int h : {1, 2, 3, 4, 5})
        clic(&form3(), u"Command5(%1)"_s.arg(h));
    clic(&form3(), u"Command9"_s);
    QVERIFY(!a->isEnabled());
    QVERIFY(repondeur.questions.isEmpty());
}

// A bet saved after a deletion is never lost by undoing the deletion.
void TstAnnulation::fichierchangedepuis()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    voirtrois(racine);
    choisir(&form4(), 0);
    touche(&form4(), 'e');
    action("saisrmn")->trigger();
    for (int h : {1, 2, 3, 4, 5})
        clic(&form3(), u"Command5(%1)"_s.arg(h));
    clic(&form3(), u"Command9"_s);
    const QByteArray apres = racine.lire(travail::noms::fichier);
    QCOMPARE(apres, fichier({trois[1], trois[2], essais::jeu(u"quinté"_s, 1, false, {1, 2, 3, 4, 5})}));

    action("annulermn")->trigger();
    QCOMPARE(racine.lire(travail::noms::fichier), apres);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(u"a changé depuis la dernière modification"_s),
             qPrintable(repondeur.questions[0].texte));
    QVERIFY(!action("annulermn")->isEnabled());
}

// Undo knows a file changed since the command by its size and fingerprint: a digit changed
// in place by another editor is noticed too, and a copy kept by an earlier version of the
// program, fingerprinted with SHA-1, is still put back.
void TstAnnulation::empreintes_data()
{
    QTest::addColumn<bool>("chiffrechange");
    QTest::addColumn<bool>("anciennecopie");
    QTest::newRow("un chiffre changé, même taille") << true << false;
    QTest::newRow("copie d'une version précédente") << false << true;
    QTest::newRow("copie d'une version précédente, puis un chiffre changé") << true << true;
}

void TstAnnulation::empreintes()
{
    QFETCH(bool, chiffrechange);
    QFETCH(bool, anciennecopie);
    essais::Racine racine;
    essais::Repondeur repondeur;
    voirtrois(racine);
    choisir(&form4(), 0);
    touche(&form4(), 'e');
    QByteArray apres = racine.lire(travail::noms::fichier);
    QCOMPARE(apres, fichier({trois[1], trois[2]}));
    if (anciennecopie) {
        const char *const liste = "annulation/annulation.txt";
        QByteArray texte = racine.lire(liste);
        const QByteArray sha1 = QCryptographicHash::hash(apres, QCryptographicHash::Sha1).toHex();
        const qsizetype debut = texte.indexOf("\"m64:");
        QVERIFY(debut > 0);
        texte.replace(debut + 1, 4 + 16, sha1);
        racine.ecrire(liste, texte);
    }
    if (chiffrechange) {
        // The quarté's horse 9 becomes 8 (same size).
        const qsizetype neuf = apres.indexOf("\r\n9\r\n");
        QVERIFY(neuf > 0);
        apres[neuf + 2] = '8';
        racine.ecrire(travail::noms::fichier, apres);
    }
    action("annulermn")->trigger();
    if (chiffrechange) {
        QCOMPARE(racine.lire(travail::noms::fichier), apres);
        QCOMPARE(repondeur.questions.size(), 1);
        QVERIFY(repondeur.questions[0].texte.contains(u"a changé depuis la dernière modification"_s));
    } else {
        QCOMPARE(racine.lire(travail::noms::fichier), fichier(trois));
        for (const auto &q : repondeur.questions)
            QVERIFY2(!q.texte.contains(u"a changé"_s), qPrintable(q.texte));
        QCOMPARE(resume(), u"3 jeux enregistrés pour un montant total de 5,6 €"_s);
    }
    QVERIFY(!action("annulermn")->isEnabled());
}

// A window closed and opened again, by the user or by a reload, comes back where it was.
void TstAnnulation::positionsgardees()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    form1().ouvrir();
    form1().move(210, 130);
    action("saisrmn")->trigger();
    form3().move(400, 300);
    for (int h : {1, 2, 3, 4, 5})
        clic(&form3(), u"Command5(%1)"_s.arg(h));
    clic(&form3(), u"Command9"_s);   // closes the entry window and reloads the main window
    QVERIFY(form1().estouverte());
    QCOMPARE(form1().pos(), QPoint(210, 130));
    action("saisrmn")->trigger();
    QCOMPARE(form3().pos(), QPoint(400, 300));
}

// Every window closes at once; nothing is asked, nothing is written, nothing else opens.
void TstAnnulation::quitter()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    int fins = 0;
    const fenetres::Fin avant = fenetres::installerfin([&fins] { ++fins; });
    form1().ouvrir();
    action("qsomn")->trigger();
    clic(visible("Form5"), u"Command2"_s);
    clic(visible("contraintes"), u"Command1"_s);   // the constraint entry window
    QVERIFY(visible("Form6"));
    QFile::remove(racine.chemin(travail::noms::quinte));
    QAction *q = action("quittermn");
    QCOMPARE(q->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    q->trigger();
    QTRY_COMPARE(fins, 1);
    fenetres::installerfin(avant);
    QVERIFY(Fenetre::ouvertes().isEmpty());
    QVERIFY(!racine.existe(travail::noms::quinte));   // the generator did not run again
    QVERIFY(repondeur.questions.isEmpty());
}

QTEST_MAIN(TstAnnulation)
#include "tst_annulation.moc"
