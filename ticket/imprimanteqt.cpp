#include "ticket/imprimanteqt.h"

#include "commun/curseur.h"
#include "commun/dialogue.h"
#include "ticket/destination.h"
#include "ticket/fond.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace ticket {

namespace {

constexpr double twipsparpouce = 1440;

// The size of an image on paper, in inches, from the resolution it states.
QSizeF taillepouces(const QImage &image)
{
    const double dpmx = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 3780;
    const double dpmy = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 3780;
    return {image.width() / (dpmx * 0.0254), image.height() / (dpmy * 0.0254)};
}

QString nom(const QPrinter &p)
{
    if (p.outputFormat() == QPrinter::PdfFormat)
        return QDir::toNativeSeparators(p.outputFileName());
    return p.printerName().isEmpty() ? QStringLiteral("par défaut") : p.printerName();
}

// Whether the print queue is set to turn new jobs away. The print engine hands the
// document over without looking, so such a queue would swallow the ticket without a
// word. Asked of the CUPS library when there is one; elsewhere the system's own print
// dialog reports such a printer.
bool refuselestravaux(const QString &imprimante)
{
#if defined(Q_OS_UNIX)
    struct Option
    {
        char *nom;
        char *valeur;
    };
    struct Destination
    {
        char *nom;
        char *instance;
        int pardefaut;
        int options;
        Option *liste;
    };
    using Trouver = Destination *(*)(void *, const char *, const char *);
    using Lire = const char *(*)(const char *, int, Option *);
    using Liberer = void (*)(int, Destination *);

    QLibrary cups(QStringLiteral("cups"), 2);
    const auto trouver = reinterpret_cast<Trouver>(cups.resolve("cupsGetNamedDest"));
    const auto lire = reinterpret_cast<Lire>(cups.resolve("cupsGetOption"));
    const auto liberer = reinterpret_cast<Liberer>(cups.resolve("cupsFreeDests"));
    if (!trouver || !lire || !liberer)
        return false;
    // A CUPS name may carry an instance after a slash: "PDF/tickets".
    const QByteArray nom = imprimante.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = imprimante.section(QLatin1Char('/'), 1).toLocal8Bit();
    Destination *d = trouver(nullptr, nom.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (!d)
        return false;
    const char *accepte = lire("printer-is-accepting-jobs", d->options, d->liste);
    const bool refuse = accepte && qstrcmp(accepte, "false") == 0;
    liberer(1, d);
    return refuse;
#else
    Q_UNUSED(imprimante);
    return false;
#endif
}

} // namespace

bool dessiner(QPainter &peintre, QSizeF page, QPointF resolution, const QList<Element> &elements,
              const std::function<bool()> &nouvellepage)
{
    const double ex = resolution.x() / twipsparpouce;
    const double ey = resolution.y() / twipsparpouce;
    const QFontMetricsF mesure(peintre.font(), peintre.device());
    double y = 0;   // top of the next line, in dots
    for (const Element &e : elements) {
        if (!e.image.isNull()) {
            const QSizeF pouces = taillepouces(e.image);
            const QRectF cible(e.twips.x() * ex, e.twips.y() * ey, pouces.width() * resolution.x(),
                               pouces.height() * resolution.y());
            peintre.drawImage(cible, e.image);
            continue;
        }
        if (y > 0 && y + mesure.height() > page.height()) {
            if (!nouvellepage())
                return false;
            y = 0;
        }
        peintre.drawText(QPointF(0, y + mesure.ascent()), e.texte);
        y += mesure.lineSpacing();
    }
    return true;
}

bool dessinerdocuments(QPainter &peintre, QPrinter &imprimante, const QList<QList<Element>> &documents, bool fond)
{
    const QSizeF page(imprimante.width(), imprimante.height());
    const QPointF resolution(imprimante.logicalDpiX(), imprimante.logicalDpiY());
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (i > 0 && !imprimante.newPage())
            return false;
        const QList<Element> &document = documents[i];
        const bool ticket = std::any_of(document.begin(), document.end(), [](const Element &e) { return !e.image.isNull(); });
        if (fond && ticket) {
            // Faint enough for the marks to stand out, at the nominal place of the boxes.
            peintre.save();
            peintre.scale(resolution.x() / twipsparpouce, resolution.y() / twipsparpouce);
            dessinerticket(peintre, {QColor(190, 24, 48, 70), QColor(252, 228, 232, 90), Qt::transparent});
            peintre.restore();
        }
        if (!dessiner(peintre, page, resolution, document, [&] { return imprimante.newPage(); }))
            return false;
    }
    return true;
}

Session &session()
{
    static Session s;
    return s;
}

namespace {

QString demandeparfenetre(QWidget *parent, const QString &propose)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer en PDF"), propose,
                                        QStringLiteral("Documents PDF (*.pdf)"));
}

DemandePdf demandeactuelle = demandeparfenetre;

// The normal pointer while the user answers a dialog, then the hourglass again if it was on.
struct SansSablier
{
    const bool avant = curseur::ensablier();
    SansSablier() { curseur::normal(); }
    ~SansSablier()
    {
        if (avant)
            curseur::sablier();
    }
    SansSablier(const SansSablier &) = delete;
    SansSablier &operator=(const SansSablier &) = delete;
};

// The printer of `info`, unless it is stopped, turns jobs away or cannot be used.
std::unique_ptr<QPrinter> utilisable(const QPrinterInfo &info, QString &erreur)
{
    if (info.state() == QPrinter::Error) {
        erreur = QStringLiteral("L'imprimante « %1 » est arrêtée ou en erreur. Vérifiez-la dans les réglages "
                                "d'impression du système, puis recommencez.")
                     .arg(info.printerName());
        return nullptr;
    }
    if (refuselestravaux(info.printerName())) {
        erreur = QStringLiteral("L'imprimante « %1 » refuse les travaux d'impression pour le moment. Vérifiez-la "
                                "dans les réglages d'impression du système, puis recommencez.")
                     .arg(info.printerName());
        return nullptr;
    }
    auto p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!p->isValid()) {
        erreur = QStringLiteral("L'imprimante « %1 » n'est pas utilisable.").arg(info.printerName());
        return nullptr;
    }
    return p;
}

// The window in front, which the dialogs of the printing belong to.
QWidget *devant()
{
    QWidget *w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}

} // namespace

DemandePdf installerdemandepdf(DemandePdf demande)
{
    DemandePdf avant = std::move(demandeactuelle);
    demandeactuelle = demande ? std::move(demande) : DemandePdf(demandeparfenetre);
    return avant;
}

ImprimanteQt::ImprimanteQt(Fournisseur fournisseur) : m_fournisseur(std::move(fournisseur))
{
    if (!m_fournisseur)
        m_fournisseur = &ImprimanteQt::choisie;
}

ImprimanteQt::~ImprimanteQt() = default;

std::unique_ptr<QPrinter> ImprimanteQt::pardefaut(QString &erreur)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        erreur = QStringLiteral("Aucune imprimante par défaut n'est définie sur cet ordinateur. Choisissez "
                                "l'imprimante des tickets dans « Fichier → Choisir l'imprimante… » ou dans les "
                                "réglages d'impression du système, puis recommencez.");
        return nullptr;
    }
    return utilisable(info, erreur);
}

std::unique_ptr<QPrinter> ImprimanteQt::pdf()
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    QPageLayout mise(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    // The sheet the default printer would use: printed at 100 %, the file puts the marks
    // where that printer puts them, its unprintable margin included.
    if (const QPrinterInfo info = QPrinterInfo::defaultPrinter(); !info.isNull()) {
        const QPrinter modele(info, QPrinter::HighResolution);
        if (modele.isValid()) {
            mise = modele.pageLayout();
            mise.setMinimumMargins(QMarginsF());
            mise.setMargins(modele.pageLayout().minimumMargins());
        }
    }
    p->setFullPage(false);
    p->setPageLayout(mise);
    return p;
}

std::unique_ptr<QPrinter> ImprimanteQt::choisie(QString &erreur)
{
    const Destination choix = lirechoix();
    if (!choix.erreur.isEmpty()) {
        erreur = choix.erreur + QStringLiteral("\n\nChoisissez l'imprimante à nouveau dans « Fichier → Choisir "
                                               "l'imprimante… ».");
        return nullptr;
    }
    if (choix.pardefaut())
        return pardefaut(erreur);
    if (choix.pdf())
        return pdf();
    const QPrinterInfo info = QPrinterInfo::printerInfo(choix.nom);
    if (info.isNull()) {
        dialogue::message(devant(),
                          QStringLiteral("L'imprimante « %1 » choisie pour KRN n'est plus installée sur cet ordinateur : "
                                         "l'imprimante par défaut la remplace. Choisissez-en une autre dans « Fichier → "
                                         "Choisir l'imprimante… ».")
                              .arg(choix.nom),
                          dialogue::Icone::attention);
        return pardefaut(erreur);
    }
    return utilisable(info, erreur);
}

bool ImprimanteQt::ouvrir()
{
    if (m_imprimante)
        return true;
    m_erreur.clear();
    m_imprimante = m_fournisseur(m_erreur);
    if (!m_imprimante && m_erreur.isEmpty())
        m_erreur = QStringLiteral("Aucune imprimante n'est disponible.");
    return m_imprimante != nullptr;
}

bool ImprimanteQt::marque(const QImage &image, QPointF twips)
{
    if (image.isNull()) {
        m_erreur = QStringLiteral("L'image à imprimer est vide.");
        return false;
    }
    if (!ouvrir())
        return false;
    m_document.append(Element{image, twips, {}});
    return true;
}

bool ImprimanteQt::ligne(const QString &texte)
{
    if (!ouvrir())
        return false;
    m_document.append(Element{{}, {}, texte});
    return true;
}

bool ImprimanteQt::findocument()
{
    m_renonce = false;
    if (!m_document.isEmpty())
        m_lot.append(std::exchange(m_document, {}));
    if (!m_debuts.isEmpty())
        return true;
    return envoyer();
}

void ImprimanteQt::debutlot(const QString &nom)
{
    if (m_debuts.isEmpty())
        m_nomlot = nom;
    m_debuts.append(m_lot.size());
}

bool ImprimanteQt::finlot()
{
    m_renonce = false;
    if (m_debuts.isEmpty())
        return true;
    m_debuts.removeLast();
    if (!m_debuts.isEmpty())
        return true;
    return envoyer();
}

void ImprimanteQt::abandonner()
{
    m_document.clear();
    // Inside a batch, only what its innermost level gathered; the batch around it goes on.
    if (!m_debuts.isEmpty() && m_debuts.last() > 0) {
        m_lot.resize(m_debuts.last());
        return;
    }
    m_imprimante.reset();
    m_lot.clear();
}

bool ImprimanteQt::envoyer()
{
    m_renonce = false;
    if (m_lot.isEmpty() || !m_imprimante) {
        abandonner();
        return true;   // nothing was drawn: nothing to send
    }
    const std::unique_ptr<QPrinter> p = std::move(m_imprimante);
    const QList<QList<Element>> documents = std::exchange(m_lot, {});
    const QString nomlot = m_nomlot.isEmpty() ? QStringLiteral("document") : m_nomlot;

    p->setDocName(QStringLiteral("KRN"));
    if (p->outputFormat() == QPrinter::NativeFormat) {
        // The drawing origin is the corner of the printable area: no margin beyond the
        // printer's own, whatever margins were last chosen for it.
        p->setFullPage(false);
        const QPageLayout mise = p->pageLayout();
        p->setPageMargins(mise.minimumMargins(), mise.units());
    }

    if (session().apercu && !montrer(*p, documents)) {
        m_renonce = true;
        return false;
    }

    if (p->outputFormat() == QPrinter::PdfFormat && p->outputFileName().isEmpty()) {
        // The folder of the last PDF file of the session, else the user's documents, else home.
        QString dossier = session().dossierpdf;
        if (dossier.isEmpty() || !QDir(dossier).exists())
            dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (dossier.isEmpty() || !QDir(dossier).exists())
            dossier = QDir::homePath();
        QString chemin;
        {
            const SansSablier pointeur;
            chemin = demandeactuelle(devant(), QDir(dossier).filePath(nompdf(nomlot, QDateTime::currentDateTime())));
        }
        if (chemin.isEmpty()) {
            m_renonce = true;
            return false;
        }
        if (QFileInfo(chemin).suffix().isEmpty())
            chemin += QStringLiteral(".pdf");
        session().dossierpdf = QFileInfo(chemin).absolutePath();
        p->setOutputFileName(chemin);
    }

    QPainter peintre;
    if (!peintre.begin(p.get())) {
        m_erreur = p->outputFormat() == QPrinter::PdfFormat
                       ? QStringLiteral("Le fichier « %1 » ne peut pas être écrit.").arg(QDir::toNativeSeparators(p->outputFileName()))
                       : QStringLiteral("L'imprimante « %1 » refuse l'impression.").arg(nom(*p));
        return false;
    }
    if (!dessinerdocuments(peintre, *p, documents, false)) {
        // Drops the job where the print engine can; the printer has failed in any case.
        p->abort();
        peintre.end();
        m_erreur = QStringLiteral("L'imprimante « %1 » a refusé une nouvelle page.").arg(nom(*p));
        return false;
    }
    if (!peintre.end() || p->printerState() == QPrinter::Error || p->printerState() == QPrinter::Aborted) {
        m_erreur = QStringLiteral("L'imprimante « %1 » n'a pas accepté le document.").arg(nom(*p));
        return false;
    }
    return true;
}

bool ImprimanteQt::montrer(QPrinter &imprimante, const QList<QList<Element>> &documents)
{
    QPrintPreviewDialog apercu(&imprimante, devant());
    apercu.setObjectName(QStringLiteral("apercu"));
    apercu.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu, [&documents](QPrinter *q) {
        QPainter peintre(q);
        dessinerdocuments(peintre, *q, documents, true);
    });
    // The pages are shown as they will print: the page and the printer are those chosen
    // beforehand, so the dialog's own page setup, orientation and print dialog are left
    // out, and its print button sends to the chosen printer.
    const auto texte = [](const char *source) { return QCoreApplication::translate("QPrintPreviewDialog", source); };
    for (QAction *a : apercu.findChildren<QAction *>()) {
        if (a->text() == texte("Print")) {
            a->disconnect(&apercu);
            a->setObjectName(QStringLiteral("imprimer"));
            a->setText(QStringLiteral("Imprimer"));
            QObject::connect(a, &QAction::triggered, &apercu, &QDialog::accept);
        } else if (a->text() == texte("Page setup") || a->text() == texte("Portrait") || a->text() == texte("Landscape")) {
            a->setVisible(false);
        }
    }
    const SansSablier pointeur;
    return apercu.exec() == QDialog::Accepted;
}

} // namespace ticket
