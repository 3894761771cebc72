#pragma once
// Where tickets and listings go: the printer the user chose, kept in the work file
// `imprimante` (its name on one line), a PDF file, or the system's default printer when
// nothing was chosen.

#include "travail/fichierdetravail.h"

#include <QDateTime>
#include <QString>

namespace ticket {

// The line of the choice window, and of the file, that stands for a PDF file.
inline constexpr const char *fichierpdf = "Fichier PDF";

struct Destination
{
    QString nom;      // the printer's name, fichierpdf, or empty: the system's default printer
    QString erreur;   // why the file could not be read (French); empty when it was
    bool pdf() const { return nom == QLatin1String(fichierpdf); }
    bool pardefaut() const { return nom.isEmpty(); }
};

// The choice as the file holds it; a missing or empty file is the default printer.
Destination lirechoix();
// Keeps `nom` as the choice, the file replaced in one atomic step.
travail::Resultat ecrirechoix(const QString &nom);
// What the menu shows of the choice: "Choisir l'imprimante… (actuelle : PDF)".
QString textemenu(const Destination &d);

// The name proposed for a PDF file: what it holds, then the day and the minute,
// "tickets-2026-12-10-1430.pdf".
QString nompdf(const QString &contenu, const QDateTime &quand);

} // namespace ticket
