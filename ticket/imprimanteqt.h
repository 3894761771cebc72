#pragma once
// The printer the user chose behind ticket::Imprimante: a system printer, or a PDF file.
//
// A document is kept in memory from its first mark or line, and the documents of a batch
// until the batch ends; they are sent whole: a document dropped by abandonner(), or one
// that fails on the way, never reaches the printer half drawn. With the preview on, the
// pages are shown first and are sent only from the preview. Coordinates are twips from
// the top-left corner of the printable area; the printer is looked up when a document
// opens, not before, since finding the printers can take seconds.

#include "ticket/surface.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace ticket {

// What a document holds until it is sent: a mark at a position in twips, or a line of text.
struct Element
{
    QImage image;      // null for a line
    QPointF twips;
    QString texte;
};

// Draws the elements on `peintre`, whose device has `resolution` dots per inch and pages
// of `page` dots. Lines go one below the other from the top at the left margin, in the
// painter's font; `nouvellepage` is called when the next line does not fit (false stops
// the drawing). A mark keeps its physical size. False when a new page failed.
bool dessiner(QPainter &peintre, QSizeF page, QPointF resolution, const QList<Element> &elements,
              const std::function<bool()> &nouvellepage);

// Draws documents on `imprimante`, each from a new page. With `fond`, a ticket page (one
// with marks) shows the ticket faintly behind its marks, at its nominal place: the
// preview's pages, never paper. False when a new page failed.
bool dessinerdocuments(QPainter &peintre, QPrinter &imprimante, const QList<QList<Element>> &documents, bool fond);

// What the user set for this session: off at start, forgotten at the end.
struct Session
{
    bool apercu = false;   // "Aperçu avant impression": every document is shown before it is sent
    QString dossierpdf;    // where the last PDF file was written, proposed for the next one
};
Session &session();

// Asks where to write a PDF file, proposing `propose` (a whole path); an empty text when
// the user gives up. The program asks with the file dialog; a test installs its answer.
using DemandePdf = std::function<QString(QWidget *parent, const QString &propose)>;
// Installs `demande` (empty: the file dialog again). Returns the previous one.
DemandePdf installerdemandepdf(DemandePdf demande);

class ImprimanteQt final : public Imprimante
{
public:
    // Gives the printer of one sending, or nullptr with the reason in `erreur`. A PDF
    // printer without a file name asks for one once the pages are accepted.
    using Fournisseur = std::function<std::unique_ptr<QPrinter>(QString &erreur)>;

    // Without a fournisseur, the printer chosen by the user (choisie()).
    explicit ImprimanteQt(Fournisseur fournisseur = {});
    ~ImprimanteQt() override;

    bool marque(const QImage &image, QPointF twips) override;
    bool ligne(const QString &texte) override;
    bool findocument() override;
    void abandonner() override;
    QString erreur() const override { return m_erreur; }
    void debutlot(const QString &nom) override;
    bool finlot() override;
    bool renonce() const override { return m_renonce; }

    // The system's default printer.
    static std::unique_ptr<QPrinter> pardefaut(QString &erreur);
    // The printer of the work file `imprimante`: a printer by its name, a PDF file, or
    // the default printer. A chosen printer that is no longer installed gives the default
    // one, and the user is told.
    static std::unique_ptr<QPrinter> choisie(QString &erreur);
    // A PDF file without its name yet, with the page of the default printer (A4 without
    // one), drawn from the corner of the sheet.
    static std::unique_ptr<QPrinter> pdf();

private:
    bool ouvrir();
    bool envoyer();
    bool montrer(QPrinter &imprimante, const QList<QList<Element>> &documents);

    Fournisseur m_fournisseur;
    std::unique_ptr<QPrinter> m_imprimante;   // set from the first mark or line until the sending
    QList<Element> m_document;                // the open document
    QList<QList<Element>> m_lot;              // the documents ended, waiting to be sent
    QList<qsizetype> m_debuts;               // where the documents of each open batch start in m_lot
    QString m_nomlot;
    bool m_renonce = false;
    QString m_erreur;
};

} // namespace ticket
