// The printer behind the tickets: marks at their place and physical size on the page,
// listings over several pages, documents sent whole or not at all.

#include "essais/essais.h"
#include "ticket/form2.h"
#include "ticket/impression.h"
#include "ticket/imprimanteqt.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using ticket::Element;
using ticket::ImprimanteQt;

namespace {

// The smallest rectangle holding every dark pixel.
QRect encre(const QImage &page)
{
    QRect r;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

QImage noire(int w, int h, int dpi)
{
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(Qt::black);
    i.setDotsPerMeterX(qRound(dpi / 0.0254));
    i.setDotsPerMeterY(qRound(dpi / 0.0254));
    return i;
}

// The pages of a PDF file as Qt writes it: one page object each.
int pages(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))));
}

// Each document goes to a PDF file of its own, numbered from 1.
struct Fichiers
{
    QTemporaryDir dossier;
    int faits = 0;
    QString chemin(int n) const { return dossier.filePath(QStringLiteral("document%1.pdf").arg(n)); }
    ImprimanteQt::Fournisseur fournisseur()
    {
        return [this](QString &) {
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(chemin(++faits));
            return p;
        };
    }
};

} // namespace

class TestImprimanteQt : public QObject
{
    Q_OBJECT
private slots:
    void marqueenplace_data();
    void marqueenplace();
    void documents();
    void abandon();
    void sansimprimante();
};

void TestImprimanteQt::marqueenplace_data()
{
    QTest::addColumn<int>("dpi");            // of the page
    QTest::addColumn<QImage>("marque");
    QTest::addColumn<QPointF>("twips");
    QTest::addColumn<QRectF>("attendu");     // in pixels of the page

    // 144 dpi: ten twips a pixel. A 14 × 18 mark at 96 dpi is 210 × 270 twips.
    QTest::newRow("cheval 1, rang 1") << 144 << noire(14, 18, 96) << QPointF(4770, 1089) << QRectF(477, 108.9, 21, 27);
    QTest::newRow("tiercé, case fractionnaire") << 144 << noire(14, 18, 96) << QPointF(1777.5, 2175)
                                                << QRectF(177.75, 217.5, 21, 27);
    QTest::newRow("page à 300 dpi") << 300 << noire(14, 18, 96) << QPointF(4770, 1089)
                                    << QRectF(993.75, 226.875, 43.75, 56.25);
    QTest::newRow("marque à 300 dpi") << 144 << noire(30, 30, 300) << QPointF(720, 1440) << QRectF(72, 144, 14.4, 14.4);
}

void TestImprimanteQt::marqueenplace()
{
    QFETCH(int, dpi);
    QFETCH(QImage, marque);
    QFETCH(QPointF, twips);
    QFETCH(QRectF, attendu);

    QImage page(qRound(8.27 * dpi), 4 * dpi, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter peintre(&page);
    QVERIFY(ticket::dessiner(peintre, page.size(), QPointF(dpi, dpi), {Element{marque, twips, {}}}, [] { return true; }));
    peintre.end();

    const QRect obtenu = encre(page);
    const QString texte = QStringLiteral("(%1, %2) %3 × %4").arg(obtenu.x()).arg(obtenu.y()).arg(obtenu.width()).arg(obtenu.height());
    QVERIFY2(std::abs(obtenu.x() - attendu.x()) <= 1 && std::abs(obtenu.y() - attendu.y()) <= 1, qPrintable(texte));
    QVERIFY2(std::abs(obtenu.width() - attendu.width()) <= 1 && std::abs(obtenu.height() - attendu.height()) <= 1,
             qPrintable(texte));
}

// One ticket is one page; a long listing goes on over the next pages; every document is
// sent on its own.
void TestImprimanteQt::documents()
{
    Fichiers fichiers;
    ImprimanteQt imprimante(fichiers.fournisseur());
    const ticket::Marque marque = ticket::chargermarque();
    QVERIFY(marque.ok());

    for (const ticket::Case &c : ticket::casestest())
        QVERIFY(imprimante.marque(marque.image, ticket::position(c.rang, c.numero)));
    QVERIFY2(imprimante.findocument(), qPrintable(imprimante.erreur()));

    for (int i = 0; i < 3; ++i)
        QVERIFY(imprimante.ligne(QStringLiteral("ligne %1").arg(i)));
    QVERIFY(imprimante.findocument());

    for (int i = 0; i < 300; ++i)
        QVERIFY(imprimante.ligne(QStringLiteral("ligne %1").arg(i)));
    QVERIFY(imprimante.findocument());

    QCOMPARE(fichiers.faits, 3);
    QCOMPARE(pages(fichiers.chemin(1)), 1);
    QCOMPARE(pages(fichiers.chemin(2)), 1);
    QVERIFY2(pages(fichiers.chemin(3)) >= 3, qPrintable(QString::number(pages(fichiers.chemin(3)))));

    // Ending a document when nothing was drawn sends nothing.
    QVERIFY(imprimante.findocument());
    QCOMPARE(fichiers.faits, 3);
}

// A dropped document never reaches the printer, and the next one prints as usual.
void TestImprimanteQt::abandon()
{
    Fichiers fichiers;
    ImprimanteQt imprimante(fichiers.fournisseur());
    const ticket::Marque marque = ticket::chargermarque();
    QVERIFY(imprimante.marque(marque.image, {4770, 1089}));
    QVERIFY(imprimante.ligne(QStringLiteral("à moitié")));
    imprimante.abandonner();
    QVERIFY(!QFile::exists(fichiers.chemin(1)));

    QVERIFY(imprimante.marque(marque.image, {4770, 1089}));
    QVERIFY(imprimante.findocument());
    QCOMPARE(fichiers.faits, 2);
    QVERIFY(!QFile::exists(fichiers.chemin(1)));
    QCOMPARE(pages(fichiers.chemin(2)), 1);
}

// Without a printer the user is told why, and printing works again once there is one.
void TestImprimanteQt::sansimprimante()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    Fichiers fichiers;
    bool disponible = false;
    const QString raison = QStringLiteral("Aucune imprimante par défaut n'est définie sur cet ordinateur.");
    ImprimanteQt imprimante([&](QString &erreur) -> std::unique_ptr<QPrinter> {
        if (!disponible) {
            erreur = raison;
            return nullptr;
        }
        return fichiers.fournisseur()(erreur);
    });
    ticket::Imprimante *avant = ticket::installer(&imprimante);

    const std::array<float, 9> j = {3, 3, 7, 12, 0, 0, 0, 0, 0};
    const bool sans = form2().imprime(QStringLiteral("tiercé"), 1, j, false);
    disponible = true;
    const bool avec = form2().imprime(QStringLiteral("tiercé"), 1, j, false);
    ticket::installer(avant);

    QVERIFY(!sans);
    QCOMPARE(repondeur.questions.size(), 1);
    QVERIFY(repondeur.questions[0].texte.contains(raison));
    QVERIFY(avec);
    QCOMPARE(fichiers.faits, 1);
    QCOMPARE(pages(fichiers.chemin(1)), 1);
}

QTEST_MAIN(TestImprimanteQt)
#include "tst_imprimanteqt.moc"
