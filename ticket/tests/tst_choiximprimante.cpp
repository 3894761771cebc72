// Choosing the printer: the file that keeps the choice, the window "choiximprimante",
// the two commands of the main window's Fichier menu, and the choice after a restart.

#include "essais/essais.h"
#include "jeux/form1.h"
#include "ticket/choiximprimante.h"
#include "ticket/destination.h"
#include "ticket/imprimanteqt.h"
#include "travail/fichierdetravail.h"

#include <QAction>
#include <QDateTime>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using travail::noms::imprimante;

namespace {

QAction *action(const char *nom)
{
    return form1().findChild<QAction *>(QString::fromUtf8(nom));
}

QListWidget *liste()
{
    return essais::dans<QListWidget>(essais::visible("choiximprimante"), u"List1"_s);
}

void clic(const char *nom)
{
    QTest::mouseClick(essais::dans<QPushButton>(essais::visible("choiximprimante"), QString::fromUtf8(nom)), Qt::LeftButton);
}

void choisir(int ligne)
{
    QListWidget *l = liste();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(ligne)).center());
}

} // namespace

class TestChoixImprimante : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ticket::session() = {}; }

    void fichier_data();
    void fichier();
    void lecture_data();
    void lecture();
    void nomimpossible();
    void nompdf();
    void fenetre();
    void annuler_data();
    void annuler();
    void disparue();
    void apercu();
    void effacer();
};

void TestChoixImprimante::fichier_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("menu");
    QTest::newRow("PDF") << u"Fichier PDF"_s << QByteArray("Fichier PDF\r\n") << u"Choisir l'imprimante… (actuelle : PDF)"_s;
    QTest::newRow("imprimante") << u"Tickets"_s << QByteArray("Tickets\r\n") << u"Choisir l'imprimante… (actuelle : Tickets)"_s;
    QTest::newRow("accents et euro") << u"Épson du café €"_s << QByteArray("\xC9pson du caf\xE9 \x80\r\n")
                                     << u"Choisir l'imprimante… (actuelle : Épson du café €)"_s;
}

// The name on one line, in Windows-1252 with CR LF, read back as it was written.
void TestChoixImprimante::fichier()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, octets);
    QFETCH(QString, menu);
    essais::Racine racine;
    racine.ecrire(imprimante, "Autre\r\n");
    QVERIFY(ticket::ecrirechoix(nom).ok());
    QCOMPARE(racine.lire(imprimante), octets);
    const ticket::Destination d = ticket::lirechoix();
    QVERIFY(d.erreur.isEmpty());
    QCOMPARE(d.nom, nom);
    QCOMPARE(d.pdf(), nom == u"Fichier PDF"_s);
    QCOMPARE(ticket::textemenu(d), menu);
    // Replaced through the scratch file, which does not stay behind.
    QVERIFY(!racine.existe(travail::noms::tampon) || racine.lire(travail::noms::tampon).isEmpty());
}

void TestChoixImprimante::lecture_data()
{
    QTest::addColumn<QByteArray>("octets");   // the file; absent when null
    QTest::addColumn<QString>("nom");
    QTest::newRow("pas de fichier") << QByteArray() << QString();
    QTest::newRow("vide") << QByteArray("") << QString();
    QTest::newRow("sans fin de ligne") << QByteArray("Fichier PDF") << u"Fichier PDF"_s;
    QTest::newRow("fin de ligne LF") << QByteArray("Tickets\n") << u"Tickets"_s;
    QTest::newRow("deux lignes") << QByteArray("Tickets\r\nBureau\r\n") << u"Tickets"_s;
}

void TestChoixImprimante::lecture()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, nom);
    essais::Racine racine;
    if (!octets.isNull())
        racine.ecrire(imprimante, octets);
    const ticket::Destination d = ticket::lirechoix();
    QVERIFY(d.erreur.isEmpty());
    QCOMPARE(d.nom, nom);
    QCOMPARE(d.pardefaut(), nom.isEmpty());
    if (nom.isEmpty())
        QCOMPARE(ticket::textemenu(d), u"Choisir l'imprimante… (actuelle : imprimante par défaut)"_s);
    QCOMPARE(racine.lire(imprimante), octets.isNull() ? QByteArray() : octets);
}

// A name the code page cannot hold would come back as another name: it is refused, and
// the choice kept until then stays.
void TestChoixImprimante::nomimpossible()
{
    essais::Racine racine;
    racine.ecrire(imprimante, "Tickets\r\n");
    const travail::Resultat r = ticket::ecrirechoix(u"Imprimante ✓"_s);
    QVERIFY(!r.ok());
    QVERIFY(r.erreur.contains(u"« Imprimante ✓ »"_s));
    QCOMPARE(racine.lire(imprimante), QByteArray("Tickets\r\n"));
}

void TestChoixImprimante::nompdf()
{
    const QDateTime quand(QDate(2026, 12, 10), QTime(14, 30, 59));
    QCOMPARE(ticket::nompdf(u"tickets"_s, quand), u"tickets-2026-12-10-1430.pdf"_s);
    QCOMPARE(ticket::nompdf(u"jeux"_s, QDateTime(QDate(2027, 1, 5), QTime(9, 4))), u"jeux-2027-01-05-0904.pdf"_s);
}

// From the menu: the printers, the default one marked, "Fichier PDF" last; the choice is
// kept in the file, shown in the menu, and still there after a restart.
void TestChoixImprimante::fenetre()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    form1().ouvrir();
    QAction *a = action("imprimantemn");
    QCOMPARE(a->text(), u"Choisir l'imprimante… (actuelle : imprimante par défaut)"_s);
    a->trigger();
    QWidget *w = essais::visible("choiximprimante");
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), u"Choisir l'imprimante"_s);

    const QStringList imprimantes = QPrinterInfo::availablePrinterNames();
    const QString pardefaut = QPrinterInfo::defaultPrinterName();
    QCOMPARE(liste()->count(), imprimantes.size() + 1);
    for (int i = 0; i < imprimantes.size(); ++i)
        QCOMPARE(liste()->item(i)->text(), imprimantes[i] == pardefaut ? imprimantes[i] + u"  (par défaut)"_s : imprimantes[i]);
    QCOMPARE(liste()->item(imprimantes.size())->text(), u"Fichier PDF"_s);
    // Nothing chosen yet: the default printer is the current one.
    QCOMPARE(liste()->currentItem() ? liste()->currentItem()->text() : QString(),
             pardefaut.isEmpty() ? QString() : pardefaut + u"  (par défaut)"_s);

    choisir(int(imprimantes.size()));
    clic("Command1");
    QVERIFY(!essais::visible("choiximprimante"));
    QCOMPARE(racine.lire(imprimante), QByteArray("Fichier PDF\r\n"));
    QCOMPARE(a->text(), u"Choisir l'imprimante… (actuelle : PDF)"_s);
    QVERIFY(repondeur.questions.isEmpty());

    // The program ends and starts again on the same work directory.
    fenetres::detruiretout();
    form1().ouvrir();
    QCOMPARE(action("imprimantemn")->text(), u"Choisir l'imprimante… (actuelle : PDF)"_s);
    action("imprimantemn")->trigger();
    QCOMPARE(liste()->currentItem()->text(), u"Fichier PDF"_s);
    QVERIFY(liste()->currentItem()->isSelected());

    // A double click chooses too.
    QListWidget *l = liste();
    const QPoint centre = l->visualItemRect(l->item(l->count() - 1)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centre);
    QVERIFY(!essais::visible("choiximprimante"));
    QCOMPARE(racine.lire(imprimante), QByteArray("Fichier PDF\r\n"));
}

void TestChoixImprimante::annuler_data()
{
    QTest::addColumn<bool>("echap");
    QTest::newRow("Annuler") << false;
    QTest::newRow("Échap") << true;
}

// Giving up leaves the file and the menu as they were.
void TestChoixImprimante::annuler()
{
    QFETCH(bool, echap);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(imprimante, "Tickets\r\n");
    form1().ouvrir();
    action("imprimantemn")->trigger();
    choisir(liste()->count() - 1);
    if (echap)
        QTest::keyClick(liste(), Qt::Key_Escape);
    else
        clic("Command2");
    QVERIFY(!essais::visible("choiximprimante"));
    QCOMPARE(racine.lire(imprimante), QByteArray("Tickets\r\n"));
    QCOMPARE(action("imprimantemn")->text(), u"Choisir l'imprimante… (actuelle : Tickets)"_s);
}

// A printer chosen once and gone since: the window says so and offers the default one;
// the file changes only when the user chooses.
void TestChoixImprimante::disparue()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(imprimante, "Imprimante disparue\r\n");
    form1().ouvrir();
    action("imprimantemn")->trigger();
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(u"L'imprimante « Imprimante disparue » choisie pour KRN n'est plus installée"_s),
             qPrintable(repondeur.questions[0].texte));
    const QString pardefaut = QPrinterInfo::defaultPrinterName();
    QCOMPARE(liste()->currentItem() ? liste()->currentItem()->text() : QString(),
             pardefaut.isEmpty() ? QString() : pardefaut + u"  (par défaut)"_s);
    QCOMPARE(racine.lire(imprimante), QByteArray("Imprimante disparue\r\n"));
    if (pardefaut.isEmpty()) {
        // Nothing to choose on "OK": a beep, and the file stays.
        clic("Command1");
        QCOMPARE(repondeur.bips, 1);
        QVERIFY(essais::visible("choiximprimante"));
        QCOMPARE(racine.lire(imprimante), QByteArray("Imprimante disparue\r\n"));
    }
}

// "Aperçu avant impression": off at first, checked by the user, kept for the session
// (the main window closed and made again), never written anywhere.
void TestChoixImprimante::apercu()
{
    essais::Racine racine;
    form1().ouvrir();
    QAction *a = action("apercumn");
    QCOMPARE(a->text(), u"Aperçu avant impression"_s);
    QVERIFY(a->isCheckable());
    QVERIFY(!a->isChecked());
    QVERIFY(!ticket::session().apercu);
    a->trigger();
    QVERIFY(a->isChecked());
    QVERIFY(ticket::session().apercu);

    fenetres::detruiretout();
    form1().ouvrir();
    QVERIFY(action("apercumn")->isChecked());
    action("apercumn")->trigger();
    QVERIFY(!ticket::session().apercu);
    QVERIFY(!racine.existe(imprimante));
}

// The clear command deletes the choice, and undo puts it back.
void TestChoixImprimante::effacer()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(imprimante, "Fichier PDF\r\n");
    form1().ouvrir();
    action("effmn")->trigger();
    QVERIFY(!racine.existe(imprimante));
    QCOMPARE(action("imprimantemn")->text(), u"Choisir l'imprimante… (actuelle : imprimante par défaut)"_s);

    repondeur.questions.clear();
    action("annulermn")->trigger();
    QCOMPARE(racine.lire(imprimante), QByteArray("Fichier PDF\r\n"));
    QCOMPARE(action("imprimantemn")->text(), u"Choisir l'imprimante… (actuelle : PDF)"_s);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.contains(u"Le choix de l'imprimante a été rétabli."_s));
}

QTEST_MAIN(TestChoixImprimante)
#include "tst_choiximprimante.moc"
