#pragma once
// The line format shared by every work file: one value per line, CR LF after each,
// strings between double quotes, Booleans as #TRUE# / #FALSE#, numbers with a point.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <cstring>

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

    // Values in the very form Ecriture writes them (no blank, CR LF after each), read at a
    // few comparisons a value, for files of hundreds of thousands of records: a cursor
    // from the current position, whose values count only once prendre() takes them. A
    // value of any other form, or the end of the file, makes the cursor answer false;
    // the general reading above then reads the same values from the same place, or
    // finds the error. A Lecture that has met an error gives an empty cursor.
    class Ecrits
    {
    public:
        bool entier(qint16 &valeur) noexcept;   // -9999 to 9999
        bool booleen(bool &valeur) noexcept;
        bool chaine(QByteArrayView &octets) noexcept;
        bool passer() noexcept;   // a value of any form, as long as CR LF ends it

        // For a reader of one record's very form: where the cursor stands, and `valeurs`
        // values taken up to `p`, which that reader found well formed.
        const char *debut() const noexcept { return m_p; }
        void avancer(const char *p, qint64 valeurs) noexcept
        {
            m_p = p;
            m_valeurs += valeurs;
        }

    private:
        friend class Lecture;
        Ecrits(const char *p, const char *fin) : m_p(p), m_fin(fin) {}
        const char *m_p;
        const char *m_fin;
        qint64 m_valeurs = 0;
    };
    Ecrits ecrits() const noexcept;
    void prendre(const Ecrits &e) noexcept;

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

inline Lecture::Ecrits Lecture::ecrits() const noexcept
{
    const char *const fin = m_contenu.constData() + m_contenu.size();
    return m_erreur.isEmpty() ? Ecrits(m_contenu.constData() + m_pos, fin) : Ecrits(fin, fin);
}

inline void Lecture::prendre(const Ecrits &e) noexcept
{
    if (e.m_valeurs == 0)
        return;
    m_pos = e.m_p - m_contenu.constData();
    m_ligneCourante += e.m_valeurs;
    m_ligne = m_ligneCourante - 1;
    m_valeurs += e.m_valeurs;
}

inline bool Lecture::Ecrits::entier(qint16 &valeur) noexcept
{
    const char *p = m_p;
    const bool moins = p < m_fin && *p == '-';
    if (moins)
        ++p;
    const char *const chiffres = p;
    int v = 0;
    while (p < m_fin && p - chiffres < 4 && *p >= '0' && *p <= '9')
        v = v * 10 + (*p++ - '0');
    if (p == chiffres || m_fin - p < 2 || p[0] != '\r' || p[1] != '\n')
        return false;
    valeur = static_cast<qint16>(moins ? -v : v);
    m_p = p + 2;
    ++m_valeurs;
    return true;
}

inline bool Lecture::Ecrits::booleen(bool &valeur) noexcept
{
    const qsizetype reste = m_fin - m_p;
    if (reste >= 8 && std::memcmp(m_p, "#TRUE#\r\n", 8) == 0) {
        valeur = true;
        m_p += 8;
    } else if (reste >= 9 && std::memcmp(m_p, "#FALSE#\r\n", 9) == 0) {
        valeur = false;
        m_p += 9;
    } else {
        return false;
    }
    ++m_valeurs;
    return true;
}

inline bool Lecture::Ecrits::chaine(QByteArrayView &octets) noexcept
{
    if (m_p >= m_fin || *m_p != '"')
        return false;
    const char *p = m_p + 1;
    while (p < m_fin && *p != '"' && *p != '\r' && *p != '\n')
        ++p;
    if (m_fin - p < 3 || p[0] != '"' || p[1] != '\r' || p[2] != '\n')
        return false;
    octets = QByteArrayView(m_p + 1, p - m_p - 1);
    m_p = p + 3;
    ++m_valeurs;
    return true;
}

inline bool Lecture::Ecrits::passer() noexcept
{
    if (m_p < m_fin && *m_p == '"') {
        QByteArrayView octets;
        return chaine(octets);
    }
    // A value that the general reading would start elsewhere (after blanks) is not taken.
    if (m_p < m_fin && (*m_p == ' ' || *m_p == '\t'))
        return false;
    const char *p = m_p;
    while (p < m_fin && *p != ',' && *p != '\r' && *p != '\n')
        ++p;
    if (m_fin - p < 2 || p[0] != '\r' || p[1] != '\n')
        return false;
    m_p = p + 2;
    ++m_valeurs;
    return true;
}

} // namespace travail
