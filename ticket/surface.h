#pragma once
// The printer as the program sees it: marks drawn at positions in twips (ticket printing)
// and lines of text (listings), gathered into documents. The program installs the
// system's default printer; tests install an Enregistreuse that keeps every operation.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace ticket {

class Imprimante
{
public:
    virtual ~Imprimante() = default;
    // Draws `image` at its own physical size with its top-left corner at `twips`, measured
    // from the top-left corner of the printable area. The first drawing or line opens a document.
    virtual bool marque(const QImage &image, QPointF twips) = 0;
    // Prints one line of text at the left margin and moves to the next line.
    virtual bool ligne(const QString &texte) = 0;
    // Ends the open document and sends it to the printer.
    virtual bool findocument() = 0;
    // Drops the open document, if any, without printing anything of it.
    virtual void abandonner() = 0;
    // Why the last operation failed, in French.
    virtual QString erreur() const = 0;
};

// What was printed, operation by operation.
struct Operation
{
    enum Genre { marque, ligne, fin };
    Genre genre;
    QPointF position;      // marque: in twips
    QSize taille;          // marque: size of the image in pixels
    QString texte;         // ligne
    bool operator==(const Operation &) const = default;
};

class Enregistreuse final : public Imprimante
{
public:
    bool marque(const QImage &image, QPointF twips) override;
    bool ligne(const QString &texte) override;
    bool findocument() override;
    void abandonner() override;
    QString erreur() const override { return m_erreur; }

    QList<Operation> operations;          // in order, the ends of documents included
    QList<QList<Operation>> documents() const;   // the finished documents, each without its end
    int abandons = 0;
    // Set by a test to make the next operations fail, as a printer refusing the job would.
    QString refus;

private:
    QList<Operation> m_ouvert;
    QString m_erreur;
};

// The lines that open every printed listing, and the footer line that closes it.
QStringList entete();
QString piedpage();

Imprimante &imprimante();
// Installs the printer to use (nullptr: none, every operation then fails). Returns the previous one.
Imprimante *installer(Imprimante *i);

} // namespace ticket
