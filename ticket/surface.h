#pragma once
// The printer as the program sees it: marks drawn at positions in twips (ticket printing)
// and lines of text (listings), gathered into documents, and the documents of one command
// gathered into a batch that is sent whole. The program installs the printer the user
// chose (ImprimanteQt); tests install an Enregistreuse that keeps every operation.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>

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
    // Ends the open document. Outside a batch it is sent at once; inside one it waits for
    // the end of the batch.
    virtual bool findocument() = 0;
    // Drops the open document, if any, and the documents that the innermost open batch
    // has gathered, without printing anything of them; a batch around it keeps its own.
    virtual void abandonner() = 0;
    // Why the last operation failed, in French.
    virtual QString erreur() const = 0;

    // The documents of one command ("(I) Imprimer tout": every ticket) form a batch, sent
    // together when it ends: one preview, one PDF file, one print job. Batches nest and
    // only the outermost one sends. `nom` says what the batch holds ("tickets", "jeux"):
    // the name proposed for its PDF file. A printer without batches sends each document
    // at once.
    virtual void debutlot(const QString &nom) { Q_UNUSED(nom); }
    // Ends the batch, sending it when it is the outermost one. False when the sending
    // failed (erreur()) or when the user gave it up (renonce()).
    virtual bool finlot() { return true; }
    // The last findocument() or finlot() failed because the user gave the sending up (the
    // preview closed, no PDF file named): nothing was sent, and there is nothing to tell.
    virtual bool renonce() const { return false; }
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
    void debutlot(const QString &nom) override;
    bool finlot() override;

    QList<Operation> operations;          // in order, the ends of documents included
    QList<QList<Operation>> documents() const;   // the finished documents, each without its end
    QStringList lots;                     // the names of the batches sent, in order
    int abandons = 0;
    // Set by a test to make the next operations fail, as a printer refusing the job would.
    QString refus;

private:
    QList<Operation> m_ouvert;
    QList<qsizetype> m_debuts;   // where the documents of each open batch start in `operations`
    QString m_nomlot;
    QString m_erreur;
};

// One command's documents sent as one batch named `nom`: `documents` draws them and ends
// each one, and returns the reason of a failure in French (empty when all were drawn).
// Returns that reason, or why the sending failed; on any failure nothing is sent. An
// empty text: sent, or given up by the user (Imprimante::renonce()).
QString envoyer(Imprimante &imprimante, const QString &nom, const std::function<QString()> &documents);
// What the printer said of its last failure, or a sentence of our own when it said nothing.
QString raison(const Imprimante &imprimante);

// The lines that open every printed listing, and the footer line that closes it.
QStringList entete();
QString piedpage();

Imprimante &imprimante();
// Installs the printer to use (nullptr: none, every operation then fails). Returns the previous one.
Imprimante *installer(Imprimante *i);

} // namespace ticket
