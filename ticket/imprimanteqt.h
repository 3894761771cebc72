#pragma once
// The system's default printer behind ticket::Imprimante.
//
// A document is kept in memory from its first mark or line and sent whole by
// findocument(): a document dropped by abandonner(), or one that fails on the way,
// never reaches the printer half drawn. Coordinates are twips from the top-left corner
// of the printable area; the printer is looked up when a document opens, not before,
// since finding the printers can take seconds.

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

class ImprimanteQt final : public Imprimante
{
public:
    // Gives the printer of one document, or nullptr with the reason in `erreur`.
    using Fournisseur = std::function<std::unique_ptr<QPrinter>(QString &erreur)>;

    // Without a fournisseur, the system's default printer (pardefaut()).
    explicit ImprimanteQt(Fournisseur fournisseur = {});
    ~ImprimanteQt() override;

    bool marque(const QImage &image, QPointF twips) override;
    bool ligne(const QString &texte) override;
    bool findocument() override;
    void abandonner() override;
    QString erreur() const override { return m_erreur; }

    static std::unique_ptr<QPrinter> pardefaut(QString &erreur);

private:
    bool ouvrir();

    Fournisseur m_fournisseur;
    std::unique_ptr<QPrinter> m_imprimante;   // set while a document is open
    QList<Element> m_document;
    QString m_erreur;
};

} // namespace ticket
