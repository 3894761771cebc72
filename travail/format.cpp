#include "travail/format.h"

#include "travail/cp1252.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace travail {

namespace {
const QByteArray finligne = QByteArrayLiteral("\r\n");

bool blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool finvaleur(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}
} // namespace

QByteArray textefichier(double valeur)
{
    if (std::isfinite(valeur) && valeur == std::trunc(valeur) && std::fabs(valeur) < 1e15)
        return QByteArray::number(static_cast<qint64>(valeur));
    // Room for the longest fixed text of a double: 309 digits before the point, or 2 + 323
    // after "0." for the smallest one, and a sign.
    char tampon[400];
    char *const fin = tampon + sizeof tampon;
    // The shortest text that reads back as the same single-precision value, when it is one.
    const auto simple = static_cast<float>(valeur);
    auto r = static_cast<double>(simple) == valeur ? std::to_chars(tampon, fin, simple, std::chars_format::fixed)
                                                   : std::to_chars(tampon, fin, valeur, std::chars_format::fixed);
    if (r.ec != std::errc())   // not expected; never the buffer's stale bytes
        r = std::to_chars(tampon, fin, valeur);
    if (r.ec != std::errc())
        return QByteArray::number(valeur, 'g', 17);
    return QByteArray(tampon, r.ptr - tampon);
}

Ecriture &Ecriture::chaine(const QString &texte)
{
    m_octets += '"';
    m_octets += encode1252(texte);
    m_octets += '"';
    m_octets += finligne;
    return *this;
}

Ecriture &Ecriture::booleen(bool valeur)
{
    m_octets += valeur ? QByteArrayView("#TRUE#\r\n") : QByteArrayView("#FALSE#\r\n");
    return *this;
}

Ecriture &Ecriture::entier(qint64 valeur)
{
    char tampon[24];   // the 20 characters of the widest qint64, and the line end
    const auto r = std::to_chars(tampon, tampon + sizeof tampon - 2, valeur);
    char *fin = r.ptr;
    *fin++ = '\r';
    *fin++ = '\n';
    m_octets.append(tampon, fin - tampon);
    return *this;
}

Ecriture &Ecriture::nombre(double valeur)
{
    m_octets += textefichier(valeur);
    m_octets += finligne;
    return *this;
}

Lecture::Lecture(QByteArray contenu) : m_contenu(std::move(contenu)) {}

bool Lecture::fini() const
{
    return m_pos >= m_contenu.size();
}

void Lecture::echec(const QString &raison)
{
    if (m_erreur.isEmpty())
        m_erreur = raison;
}

// Takes the next value: blanks skipped, up to the end of its line or a comma outside
// double quotes; the delimiter is consumed with it. The bytes are only read (constData),
// so the content shared with the caller is never copied.
bool Lecture::jeton(QByteArrayView &brut, bool &guillemets)
{
    brut = {};
    guillemets = false;
    if (!valide())
        return false;
    const char *const o = m_contenu.constData();
    const qsizetype n = m_contenu.size();
    qsizetype pos = m_pos;
    while (pos < n && (o[pos] == ' ' || o[pos] == '\t'))
        ++pos;
    m_pos = pos;
    m_ligne = m_ligneCourante;
    if (pos >= n) {
        echec(QStringLiteral("le fichier se termine au milieu d'un enregistrement"));
        return false;
    }
    if (o[pos] == '"') {
        guillemets = true;
        // The closing quote is on the same line: the search stops at the first line end.
        qsizetype fin = pos + 1;
        while (fin < n && o[fin] != '"' && o[fin] != '\r' && o[fin] != '\n')
            ++fin;
        if (fin >= n || o[fin] != '"') {
            echec(QStringLiteral("un texte entre guillemets n'est pas refermé"));
            return false;
        }
        brut = QByteArrayView(o + pos + 1, fin - pos - 1);
        pos = fin + 1;
        // Whatever stands after the closing quote up to the delimiter is ignored.
        while (pos < n && !finvaleur(o[pos]))
            ++pos;
    } else {
        qsizetype debut = pos;
        while (pos < n && !finvaleur(o[pos]))
            ++pos;
        qsizetype fin = pos;
        while (debut < fin && blanc(o[debut]))
            ++debut;
        while (fin > debut && blanc(o[fin - 1]))
            --fin;
        brut = QByteArrayView(o + debut, fin - debut);
    }
    if (pos >= n) {
        m_pos = pos;
        echec(QStringLiteral("la dernière valeur, « %1 », n'a pas de fin de ligne : le fichier a été coupé")
                  .arg(decode1252(brut)));
        return false;
    }
    ++m_valeurs;
    if (o[pos] == ',') {
        ++pos;
    } else {
        if (o[pos] == '\r')
            ++pos;
        if (pos < n && o[pos] == '\n')
            ++pos;
        ++m_ligneCourante;
    }
    m_pos = pos;
    return true;
}

QString Lecture::chaine()
{
    return decode1252(chaineoctets());
}

QByteArrayView Lecture::chaineoctets()
{
    QByteArrayView brut;
    bool guillemets;
    jeton(brut, guillemets);
    return brut;
}

bool Lecture::booleen()
{
    QByteArrayView brut;
    bool guillemets;
    if (!jeton(brut, guillemets))
        return false;
    if (!guillemets && brut == "#TRUE#")
        return true;
    if (!guillemets && brut == "#FALSE#")
        return false;
    echec(QStringLiteral("« %1 » n'est ni #TRUE# ni #FALSE#").arg(decode1252(brut)));
    return false;
}

bool Lecture::numerique(double &valeur)
{
    QByteArrayView brut;
    bool guillemets;
    if (!jeton(brut, guillemets))
        return false;
    const char *debut = brut.data();
    const char *const fin = debut + brut.size();
    if (!guillemets) {
        // The usual case, a few digits and perhaps a sign, without the general conversion.
        const char *p = debut;
        const bool moins = p != fin && *p == '-';
        if (p != fin && (*p == '-' || *p == '+'))
            ++p;
        if (p != fin && fin - p <= 15) {
            qint64 v = 0;
            while (p != fin && *p >= '0' && *p <= '9')
                v = v * 10 + (*p++ - '0');
            if (p == fin) {
                valeur = moins ? -double(v) : double(v);
                return true;
            }
        }
    }
    if (debut != fin && *debut == '+')
        ++debut;
    const auto r = std::from_chars(debut, fin, valeur, std::chars_format::general);
    if (guillemets || brut.isEmpty() || r.ec != std::errc() || r.ptr != fin || !std::isfinite(valeur)) {
        echec(QStringLiteral("« %1 » n'est pas un nombre").arg(decode1252(brut)));
        return false;
    }
    return true;
}

double Lecture::nombre()
{
    double v = 0;
    return numerique(v) ? v : 0;
}

float Lecture::simple()
{
    double v = 0;
    if (!numerique(v))
        return 0;
    if (std::fabs(v) > std::numeric_limits<float>::max()) {
        echec(QStringLiteral("le nombre %1 est trop grand").arg(v));
        return 0;
    }
    return static_cast<float>(v);
}

namespace {
// To the nearest, halves to even; a whole number within the bounds of the program's
// numbers without the library call.
double arrondi(double v)
{
    if (v > -100000 && v < 100000 && v == static_cast<double>(static_cast<int>(v)))
        return v;
    return std::nearbyint(v);
}
} // namespace

qint16 Lecture::entier16()
{
    double v = 0;
    if (!numerique(v))
        return 0;
    const double arrondi = travail::arrondi(v);
    if (arrondi < -32768 || arrondi > 32767) {
        echec(QStringLiteral("le nombre %1 est hors des limites").arg(v));
        return 0;
    }
    return static_cast<qint16>(arrondi);
}

quint8 Lecture::octet()
{
    double v = 0;
    if (!numerique(v))
        return 0;
    const double arrondi = travail::arrondi(v);
    if (arrondi < 0 || arrondi > 255) {
        echec(QStringLiteral("le nombre %1 est hors des limites").arg(v));
        return 0;
    }
    return static_cast<quint8>(arrondi);
}

bool Lecture::passer()
{
    QByteArrayView brut;
    bool guillemets;
    return jeton(brut, guillemets);
}

} // namespace travail
