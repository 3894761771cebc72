#pragma once
// The line format shared by every work file: one value per line, CR LF after each,
// strings between double quotes, Booleans as #TRUE# / #FALSE#, numbers with a point.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace travail {

// Builds the bytes of values written one after another.
class Ecriture
{
public:
    Ecriture &chaine(const QString &texte);
    Ecriture &booleen(bool valeur);
    Ecriture &entier(qint64 valeur);
    Ecriture &nombre(double valeur);   // a whole value is written without a decimal point
    const QByteArray &octets() const { return m_octets; }

private:
    QByteArray m_octets;
};

// The text of one number as a work file holds it: "20", "1.3", "-35". Whatever its size,
// every digit comes from the number itself.
QByteArray textefichier(double valeur);

// Reads values one after another, each typed by what the caller expects.
// A value that is missing or of the wrong form stops the reading: valide() becomes
// false, erreur() says why and ligne() where. Nothing after that is read.
// A value ends at a comma or at its line end: CR LF, or a lone CR or LF as other editors
// write them. A value that runs into the end of the file without its line end is
// damage, never a value: a file cut short after "1" of "16" would otherwise read 1.
// Each value is found by one pass over its own bytes, so reading is linear in the
// size of the file whatever its line ends.
class Lecture
{
public:
    explicit Lecture(QByteArray contenu);

    bool fini() const;          // no byte left after the last value read
    bool valide() const { return m_erreur.isEmpty(); }
    QString erreur() const { return m_erreur; }
    qint64 ligne() const { return m_ligne; }   // line (from 1) of the last value read or refused
    qint64 lignesuivante() const { return m_ligneCourante; }   // line where the next value starts
    qsizetype position() const { return m_pos; }

    QString chaine();
    // The bytes of a string value as the file holds them, without decoding them: valid
    // until the Lecture is destroyed.
    QByteArrayView chaineoctets();
    bool booleen();
    qint16 entier16();
    quint8 octet();
    float simple();
    double nombre();

    // Skips one value of any form (used to step over a damaged record).
    bool passer();
    // Forgets the last error, so that reading can go on after a damaged record.
    void reprendre() { m_erreur.clear(); }
    qint64 valeurs() const { return m_valeurs; }   // values taken so far, of any form

private:
    bool jeton(QByteArrayView &brut, bool &guillemets);
    bool numerique(double &valeur);
    void echec(const QString &raison);

    QByteArray m_contenu;
    qsizetype m_pos = 0;
    qint64 m_ligneCourante = 1;
    qint64 m_ligne = 0;
    qint64 m_valeurs = 0;
    QString m_erreur;
};

} // namespace travail
