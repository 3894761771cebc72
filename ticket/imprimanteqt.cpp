#include "ticket/imprimanteqt.h"

#include <QFontMetricsF>
#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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

ImprimanteQt::ImprimanteQt(Fournisseur fournisseur) : m_fournisseur(std::move(fournisseur))
{
    if (!m_fournisseur)
        m_fournisseur = &ImprimanteQt::pardefaut;
}

ImprimanteQt::~ImprimanteQt() = default;

std::unique_ptr<QPrinter> ImprimanteQt::pardefaut(QString &erreur)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        erreur = QStringLiteral("Aucune imprimante par défaut n'est définie sur cet ordinateur. Choisissez "
                                "l'imprimante des tickets comme imprimante par défaut dans les réglages "
                                "d'impression du système, puis recommencez.");
        return nullptr;
    }
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
    if (!m_imprimante)
        return true;   // nothing was drawn: nothing to send
    const std::unique_ptr<QPrinter> p = std::move(m_imprimante);
    const QList<Element> document = std::move(m_document);
    m_document.clear();

    p->setDocName(QStringLiteral("KRN"));
    // The drawing origin is the corner of the printable area: no margin beyond the
    // printer's own, whatever margins were last chosen for it.
    p->setFullPage(false);
    const QPageLayout mise = p->pageLayout();
    p->setPageMargins(mise.minimumMargins(), mise.units());

    QPainter peintre;
    if (!peintre.begin(p.get())) {
        m_erreur = QStringLiteral("L'imprimante « %1 » refuse l'impression.").arg(nom(*p));
        return false;
    }
    const bool dessine = dessiner(peintre, QSizeF(p->width(), p->height()),
                                  QPointF(p->logicalDpiX(), p->logicalDpiY()), document, [&] { return p->newPage(); });
    if (!dessine) {
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

void ImprimanteQt::abandonner()
{
    m_imprimante.reset();
    m_document.clear();
}

} // namespace ticket
