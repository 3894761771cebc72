#pragma once
// Printing a bet as marks on a PMU ticket, and the printer corrections file `prefer`.
// Everything here draws on an ticket::Imprimante, so that it runs on the real
// printer as well as on the recording one of the tests.

#include "ticket/geometrie.h"
#include "ticket/surface.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace ticket {

// ---- The mark image "selec.bmp" ----

inline constexpr const char *nommarque = "selec.bmp";

// Where the mark is looked for, in that order: the current directory, beside the
// executable, then the installed data directory (<prefix>/share/krn).
QStringList emplacementsmarque();

// Installs `chemin` as the one place the mark is read from (an empty text puts the usual
// places back), as a test does. Returns the previous one.
QString installermarque(const QString &chemin);

struct Marque
{
    QImage image;       // its resolution says its physical size (96 dpi when the file has none)
    QString erreur;     // in French, empty when the image was read
    bool ok() const { return erreur.isEmpty(); }
};

// Reads the mark image again (the file may have been replaced meanwhile).
Marque chargermarque();

// ---- The boxes of a bet ----

// The boxes to mark for a bet, in the order they are printed: type, multiplier,
// "dans tous les ordres", then one box per horse, horse i in row i.
QList<Case> casesjeu(const QString &tj, float m, const std::array<float, 9> &j, bool dt);

// Every box of the ticket, for the test ticket: the 160 horse boxes row by row, then
// the three types, the seven multipliers and "dans tous les ordres".
QList<Case> casestest();

// One mark: reads the mark image and draws it at box (rang, numero) moved by the
// vertical correction v and the horizontal correction h. Returns the failure, in
// French, or an empty text.
QString quellecase(ticket::Imprimante &imprimante, float rang, float numero, float v, float h);

// The boxes drawn as one document, sent at the end. The mark image is read before
// anything is drawn. On any failure the document is dropped, so nothing comes out
// half printed; the failure is returned in French (empty text: the ticket was sent).
QString imprimecases(ticket::Imprimante &imprimante, const QList<Case> &cases, float v, float h);

// ---- The corrections file `prefer` ----

struct Corrections
{
    float cvp = 0;     // vertical, the first line
    float chp = 0;     // horizontal, the second line
    QString erreur;    // why the file cannot be read (French), empty when it was
    int ligne = 0;     // the line at fault
    bool ok() const { return erreur.isEmpty(); }
};

// The two corrections held by the bytes of the file; an empty file gives 0 and 0.
Corrections lirecorrections(const QByteArray &contenu);
// The bytes of the file: cvp on the first line, chp on the second.
QByteArray ecrirecorrections(float cvp, float chp);
// A number in the print-style form of the file: " 120 ", "-35 ".
QByteArray formeimpression(float valeur);

} // namespace ticket
