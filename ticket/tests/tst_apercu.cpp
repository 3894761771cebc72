// The preview before printing and the PDF file, through the real printer in PDF mode:
// the pages shown are the pages printed, with the ticket faintly behind the marks on
// screen only; closing the preview sends nothing and stops the command; a PDF holds one
// page per ticket with the marks where the printer puts them; a chosen printer that is
// gone gives way to the default one.

#include "essais/essais.h"
#include "jeux/form4.h"
#include "ticket/destination.h"
#include "ticket/form2.h"
#include "ticket/impression.h"
#include "ticket/imprimanteqt.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QListView>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using travail::Jeu;
using Pages = QList<QList<QPoint>>;

using essais::fichier;

namespace {

const QList<Jeu> trois{essais::jeu(u"tiercé"_s, 1, false, {3, 7, 12}), essais::jeu(u"quarté"_s, 2, true, {6, 2, 9, 14}),
                       essais::jeu(u"quinté"_s, 1, false, {2, 7, 11, 3, 15})};

bool poppler()
{
    return !QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty() && !QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty();
}

// The pages of a PDF file: Poppler's count where it is installed, otherwise the page
// objects Qt writes, one per page.
int pages(const QString &chemin)
{
    if (poppler()) {
        QProcess p;
        p.start(u"pdfinfo"_s, {chemin});
        p.waitForFinished();
        const auto m = QRegularExpression(u"^Pages:\\s+(\\d+)"_s, QRegularExpression::MultilineOption)
                           .match(QString::fromLatin1(p.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(u"/Type\\s*/Page\\b(?!s)"_s)));
}

// The pages of a PDF file drawn at 144 dpi, ten twips a pixel, by Poppler.
QList<QImage> images(const QString &chemin)
{
    QTemporaryDir dossier;
    QProcess::execute(u"pdftoppm"_s, {u"-r"_s, u"144"_s, u"-png"_s, chemin, dossier.filePath(u"page"_s)});
    QList<QImage> r;
    for (const QString &nom : QDir(dossier.path()).entryList({u"page-*.png"_s}, QDir::Files, QDir::Name))
        r << QImage(dossier.filePath(nom)).convertToFormat(QImage::Format_RGB32);
    return r;
}

// The top-left corners of the marks of a page, in pixels: each group of touching dark
// pixels, top to bottom, then left to right.
QList<QPoint> marques(const QImage &page)
{
    QList<QPoint> r;
    QImage vu(page.size(), QImage::Format_Grayscale8);
    vu.fill(0);
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (vu.pixelColor(x, y).value() || qGray(page.pixel(x, y)) >= 128)
                continue;
            QPoint coin(x, y);
            QList<QPoint> pile{{x, y}};
            vu.setPixelColor(x, y, Qt::white);
            while (!pile.isEmpty()) {
                const QPoint p = pile.takeLast();
                coin = QPoint(std::min(coin.x(), p.x()), std::min(coin.y(), p.y()));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (page.rect().contains(q) && !vu.pixelColor(q).value() && qGray(page.pixel(q)) < 128) {
                        vu.setPixelColor(q, Qt::white);
                        pile << q;
                    }
                }
            }
            r << coin;
        }
    }
    std::sort(r.begin(), r.end(), [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    return r;
}

// The pixels of the faint ticket: reddish, where ink and paper are grey.
int roses(const QImage &page)
{
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            n += qRed(page.pixel(x, y)) - qGreen(page.pixel(x, y)) > 12;
    return n;
}

// Where the marks of `cases` fall on a page at 144 dpi, in the order of marques().
QList<QPoint> attendues(const QList<ticket::Case> &cases, float v, float h)
{
    // The drawing starts at the corner of the printable area of the PDF page.
    const QRectF zone = ticket::ImprimanteQt::pdf()->pageLayout().paintRect(QPageLayout::Inch);
    QList<QPoint> r;
    for (const ticket::Case &c : cases) {
        const QPointF p = ticket::position(c.rang, c.numero, v, h);
        r << QPoint(qRound(zone.left() * 144 + p.x() / 10), qRound(zone.top() * 144 + p.y() / 10));
    }
    std::sort(r.begin(), r.end(), [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    return r;
}

// Points that agree within a pixel, one for one.
bool proches(const QList<QPoint> &a, const QList<QPoint> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::abs(a[i].x() - b[i].x()) > 1 || std::abs(a[i].y() - b[i].y()) > 1)
            return false;
    return true;
}

QString texte(const QList<QPoint> &l)
{
    QStringList r;
    for (const QPoint &p : l)
        r << u"(%1, %2)"_s.arg(p.x()).arg(p.y());
    return r.join(u' ');
}

// The file dialog asking where a PDF goes: answers from a list (empty: gives up) and keeps
// what was proposed.
struct Demande
{
    Demande()
    {
        m_avant = ticket::installerdemandepdf([this](QWidget *, const QString &propose) {
            proposes << propose;
            return reponses.isEmpty() ? QString() : reponses.takeFirst();
        });
    }
    ~Demande() { ticket::installerdemandepdf(m_avant); }
    QStringList reponses;
    QStringList proposes;

private:
    ticket::DemandePdf m_avant;
};

// The printer the user chose, with the preview on or off, for the life of the object.
struct Imprimante
{
    explicit Imprimante(bool apercu)
    {
        ticket::session() = {apercu, {}};
        m_avant = ticket::installer(&imprimante);
    }
    ~Imprimante()
    {
        ticket::installer(m_avant);
        ticket::session() = {};
    }
    ticket::ImprimanteQt imprimante;

private:
    ticket::Imprimante *m_avant;
};

void frappe(QWidget *w, char touche)
{
    w->setFocus();
    QTest::keyClick(w, touche);
}

} // namespace

class TestApercu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_marque;

private slots:
    void initTestCase()
    {
        QFile f(m_marque.filePath(u"selec.bmp"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(essais::bmp(14, 18, 3780));
        f.close();
        ticket::installermarque(f.fileName());
    }
    void cleanupTestCase() { ticket::installermarque({}); }

    void apercuimprime_data();
    void apercuimprime();
    void fermer_data();
    void fermer();
    void pdfsansapercu();
    void disparue();
};

void TestApercu::apercuimprime_data()
{
    QTest::addColumn<bool>("test");   // the calibration window's test ticket, else every saved bet
    QTest::newRow("(I) Imprimer tout") << false;
    QTest::newRow("(t) Test d'impression") << true;
}

// What the preview shows is what is printed: the same pages, the same marks at the same
// place, the corrections included; the faint ticket stands behind them on screen only.
void TestApercu::apercuimprime()
{
    QFETCH(bool, test);
    essais::Racine racine;
    essais::Repondeur repondeur;
    QTemporaryDir dossier;
    racine.ecrire(travail::noms::fichier, fichier(trois));
    racine.ecrire(travail::noms::prefer, " 120 \r\n-35 \r\n");
    racine.ecrire(travail::noms::imprimante, "Fichier PDF\r\n");
    Imprimante imprimante(true);
    Demande demande;
    const QString imprime = dossier.filePath(u"imprime.pdf"_s);
    const QString montre = dossier.filePath(u"apercu.pdf"_s);
    demande.reponses << imprime;

    int vues = -1;
    QString titre;
    bool cachees = true;
    essais::Guetteur guetteur("apercu", [&](QWidget *w) {
        auto *apercu = qobject_cast<QPrintPreviewDialog *>(w);
        auto *vue = w->findChild<QPrintPreviewWidget *>();
        QVERIFY(apercu && vue);
        vues = vue->pageCount();
        titre = w->windowTitle();
        // The page is the one chosen beforehand: the dialog's own page setup is not offered.
        for (QAction *a : w->findChildren<QAction *>())
            if (a->text() == QCoreApplication::translate("QPrintPreviewDialog", "Page setup") && a->isVisible())
                cachees = false;
        // What the preview draws, written out through the preview's own printer.
        apercu->printer()->setOutputFileName(montre);
        vue->print();
        apercu->printer()->setOutputFileName({});
        w->findChild<QAction *>(u"imprimer"_s)->trigger();
    });

    QList<QList<QPoint>> attendu;
    if (test) {
        form2().ouvrir();
        QTest::mouseClick(form2().findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
        attendu << attendues(ticket::casestest(), 120, -35);
    } else {
        form4().ouvrir();
        frappe(form4().findChild<QListView *>(u"List1"_s), 'I');
        for (const Jeu &j : trois) {
            std::array<float, 9> c{};
            for (int i = 0; i < 9; ++i)
                c[i] = j.chevaux[i];
            attendu << attendues(ticket::casesjeu(j.typedejeu, j.mult, c, j.dtlo), 120, -35);
        }
    }

    QCOMPARE(guetteur.vus, 1);
    QCOMPARE(titre, u"Aperçu avant impression"_s);
    QVERIFY(cachees);
    QVERIFY2(repondeur.questions.isEmpty(), qPrintable(repondeur.questions.value(0).texte));
    QCOMPARE(vues, attendu.size());
    QCOMPARE(pages(montre), attendu.size());
    QCOMPARE(pages(imprime), attendu.size());
    // Asked once, where the file goes, with a name that says what it holds and when.
    QCOMPARE(demande.proposes.size(), 1);
    QVERIFY2(QRegularExpression(test ? u"/ticket-test-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.pdf$"_s
                                     : u"/tickets-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.pdf$"_s)
                 .match(demande.proposes[0])
                 .hasMatch(),
             qPrintable(demande.proposes[0]));

    if (!poppler())
        QSKIP("Poppler (pdftoppm, pdfinfo) is not installed: the pages were counted, not looked at.");
    const QList<QImage> ecran = images(montre);
    const QList<QImage> papier = images(imprime);
    QCOMPARE(ecran.size(), attendu.size());
    QCOMPARE(papier.size(), attendu.size());
    for (qsizetype i = 0; i < attendu.size(); ++i) {
        const QList<QPoint> vu = marques(ecran[i]);
        const QList<QPoint> sorti = marques(papier[i]);
        QVERIFY2(proches(sorti, attendu[i]), qPrintable(u"page %1: %2\nattendu: %3"_s.arg(i + 1).arg(texte(sorti), texte(attendu[i]))));
        QVERIFY2(proches(vu, sorti), qPrintable(u"page %1: %2\nimprimé: %3"_s.arg(i + 1).arg(texte(vu), texte(sorti))));
        QVERIFY2(roses(ecran[i]) > 5000, qPrintable(QString::number(roses(ecran[i]))));
        QCOMPARE(roses(papier[i]), 0);
    }
}

void TestApercu::fermer_data()
{
    QTest::addColumn<char>("commande");   // typed in the saved bets window ("t": the listing)
    QTest::addColumn<bool>("echap");      // closed with Escape, else by its window's close
    QTest::newRow("(I) Imprimer tout, Échap") << 'I' << true;
    QTest::newRow("(I) Imprimer tout, fermeture") << 'I' << false;
    QTest::newRow("(i) un ticket") << 'i' << true;
    QTest::newRow("liste des jeux") << 't' << false;
}

// Closing the preview sends nothing, tells nothing, and a command printing several
// tickets stops there; the next command prints as usual.
void TestApercu::fermer()
{
    QFETCH(char, commande);
    QFETCH(bool, echap);
    essais::Racine racine;
    essais::Repondeur repondeur;
    QTemporaryDir dossier;
    racine.ecrire(travail::noms::fichier, fichier(trois));
    racine.ecrire(travail::noms::imprimante, "Fichier PDF\r\n");
    Imprimante imprimante(true);
    Demande demande;

    int pagesvues = 0;
    bool accepter = false;
    essais::Guetteur guetteur("apercu", [&](QWidget *w) {
        pagesvues += w->findChild<QPrintPreviewWidget *>()->pageCount();
        if (accepter)
            w->findChild<QAction *>(u"imprimer"_s)->trigger();
        else if (echap)
            QTest::keyClick(w->findChild<QPrintPreviewWidget *>(), Qt::Key_Escape);
        else
            w->close();
    });
    form4().ouvrir();
    auto *liste = form4().findChild<QListView *>(u"List1"_s);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(0, 0)).center());
    frappe(liste, commande);

    QCOMPARE(guetteur.vus, 1);
    QCOMPARE(pagesvues, commande == 'I' ? 3 : 1);
    QVERIFY(demande.proposes.isEmpty());
    QVERIFY(QDir(dossier.path()).isEmpty());
    QVERIFY2(repondeur.questions.isEmpty(), qPrintable(repondeur.questions.value(0).texte));
    QVERIFY(form4().estouverte());

    // The same command again, printed from the preview this time.
    accepter = true;
    demande.reponses << dossier.filePath(u"document.pdf"_s);
    frappe(liste, commande);
    QCOMPARE(guetteur.vus, 2);
    QCOMPARE(demande.proposes.size(), 1);
    QCOMPARE(pages(dossier.filePath(u"document.pdf"_s)), commande == 'I' ? 3 : 1);
    QVERIFY(repondeur.questions.isEmpty());
}

// Without the preview, each command writes one PDF file, asking where; the next one
// proposes the same folder; giving no name writes nothing and says nothing.
void TestApercu::pdfsansapercu()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    QTemporaryDir dossier;
    racine.ecrire(travail::noms::fichier, fichier(trois));
    racine.ecrire(travail::noms::imprimante, "Fichier PDF\r\n");
    Imprimante imprimante(false);
    Demande demande;
    QVERIFY(QDir(dossier.path()).mkdir(u"tickets du jour"_s));
    const QString sousdossier = dossier.filePath(u"tickets du jour"_s);
    demande.reponses << sousdossier + u"/samedi"_s << QString() << sousdossier + u"/liste.pdf"_s;

    form4().ouvrir();
    auto *liste = form4().findChild<QListView *>(u"List1"_s);
    frappe(liste, 'I');
    QCOMPARE(demande.proposes.size(), 1);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(QFileInfo(demande.proposes[0]).absolutePath(), QDir(documents).exists() ? documents : QDir::homePath());
    // One file, one page per ticket; the name given without its suffix gets it.
    QCOMPARE(pages(sousdossier + u"/samedi.pdf"_s), 3);

    // The next command proposes the same folder; given up, nothing is written.
    frappe(liste, 'I');
    QCOMPARE(demande.proposes.size(), 2);
    QCOMPARE(QFileInfo(demande.proposes[1]).absolutePath(), sousdossier);
    QCOMPARE(QDir(sousdossier).entryList(QDir::Files), QStringList{u"samedi.pdf"_s});
    QVERIFY(repondeur.questions.isEmpty());

    // A listing goes the same road, under its own name.
    QTest::mouseClick(form4().findChild<QPushButton *>(u"Command5"_s), Qt::LeftButton);
    QCOMPARE(demande.proposes.size(), 3);
    QVERIFY2(QRegularExpression(u"/jeux-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.pdf$"_s).match(demande.proposes[2]).hasMatch(),
             qPrintable(demande.proposes[2]));
    QCOMPARE(pages(sousdossier + u"/liste.pdf"_s), 1);

    // The page is the one of paper: the default printer's sheet, A4 without one.
    if (poppler() && QPrinterInfo::defaultPrinter().isNull()) {
        QProcess p;
        p.start(u"pdfinfo"_s, {sousdossier + u"/samedi.pdf"_s});
        p.waitForFinished();
        QVERIFY(QString::fromLatin1(p.readAllStandardOutput()).contains(u"(A4)"_s));
    }
    QVERIFY(repondeur.questions.isEmpty());
}

// A printer chosen once and gone since: the user is told, the default printer takes its
// place, and the choice stays in the file for when it comes back.
void TestApercu::disparue()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::fichier, fichier(trois));
    racine.ecrire(travail::noms::imprimante, "Imprimante disparue\r\n");
    const QPrinterInfo pardefaut = QPrinterInfo::defaultPrinter();

    // The printer the next document would go to; nothing is sent.
    QString erreur;
    const std::unique_ptr<QPrinter> choisie = ticket::ImprimanteQt::choisie(erreur);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY2(repondeur.questions[0].texte.contains(u"« Imprimante disparue »"_s), qPrintable(repondeur.questions[0].texte));
    QVERIFY(repondeur.questions[0].texte.contains(u"l'imprimante par défaut la remplace"_s));
    if (pardefaut.isNull()) {
        QVERIFY(!choisie);
        QVERIFY(erreur.contains(u"Aucune imprimante par défaut"_s));
    } else {
        QVERIFY(choisie);
        QCOMPARE(choisie->printerName(), pardefaut.printerName());
    }
    QCOMPARE(racine.lire(travail::noms::imprimante), QByteArray("Imprimante disparue\r\n"));
    if (!pardefaut.isNull())
        QSKIP("This computer has a default printer: a ticket is not sent to it from a test.");

    // From the saved bets window, with no default printer either.
    repondeur.questions.clear();
    Imprimante imprimante(false);
    form4().ouvrir();
    auto *liste = form4().findChild<QListView *>(u"List1"_s);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(0, 0)).center());
    frappe(liste, 'i');

    QCOMPARE(repondeur.questions.size(), 2);
    QVERIFY(repondeur.questions[0].texte.contains(u"« Imprimante disparue »"_s));
    QVERIFY(repondeur.questions[1].texte.contains(u"Le ticket n'a pas été imprimé."_s));
    QVERIFY(repondeur.questions[1].texte.contains(u"Aucune imprimante par défaut"_s));
    QCOMPARE(racine.lire(travail::noms::imprimante), QByteArray("Imprimante disparue\r\n"));
}

QTEST_MAIN(TestApercu)
#include "tst_apercu.moc"
