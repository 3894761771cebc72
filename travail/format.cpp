#include "travail/format.h"

#include "travail/cp1252.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace travail {

namespace {
const QByteArray finligne = QByteArrayLiteral("\r\n");
}

QByteArray textefichier(double valeur)
{
    if (std::isfinite(valeur) && valeur == std::trunc(valeur) && std::fabs(valeur) < 1e15)
        return QByteArray::number(static_cast<qint64>(valeur));
    char tampon[64];
    // The shortest text that reads back as the same single-precision value, when it is one.
    const auto simple = static_cast<float>(valeur);
    const auto r = static_cast<double>(simple) == valeur
                       ? std::to_chars(tampon, tampon + sizeof tampon, simple, std::chars_format::fixed)
                       : std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed);
    return QByteArray(tampon, r.ptr - tampon);
}

Ecriture &Ecriture::chaine(const QString &texte)
{
    m_octets += '"' + encode1252(texte) + '"' + finligne;
    return *this;
}

Ecriture &Ecriture::booleen(bool valeur)
{
    m_octets += (valeur ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#")) + finligne;
    return *this;
}

Ecriture &Ecriture::entier(qint64 valeur)
{
    m_octets += QByteArray::number(valeur) + finligne;
    return *this;
}

Ecriture &Ecriture::nombre(double valeur)
{
    m_octets += textefichier(valeur) + finligne;
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
// double quotes; the delimiter is consumed with it.
bool Lecture::jeton(QByteArray &brut, bool &guillemets)
{
    brut.clear();
    guillemets = false;
    if (!valide())
        return false;
    const qsizetype n = m_contenu.size();
    while (m_pos < n && (m_contenu[m_pos] == ' ' || m_contenu[m_pos] == '\t'))
        ++m_pos;
    m_ligne = m_ligneCourante;
    if (m_pos >= n) {
        echec(QStringLiteral("le fichier se termine au milieu d'un enregistrement"));
        return false;
    }
    if (m_contenu[m_pos] == '"') {
        guillemets = true;
        const qsizetype fin = m_contenu.indexOf('"', m_pos + 1);
        const qsizetype eol = m_contenu.indexOf('\n', m_pos + 1);
        if (fin < 0 || (eol >= 0 && eol < fin)) {
            echec(QStringLiteral("un texte entre guillemets n'est pas refermé"));
            return false;
        }
        brut = m_contenu.mid(m_pos + 1, fin - m_pos - 1);
        m_pos = fin + 1;
        // Whatever stands after the closing quote up to the delimiter is ignored.
        while (m_pos < n && m_contenu[m_pos] != ',' && m_contenu[m_pos] != '\r' && m_contenu[m_pos] != '\n')
            ++m_pos;
    } else {
        const qsizetype debut = m_pos;
        while (m_pos < n && m_contenu[m_pos] != ',' && m_contenu[m_pos] != '\r' && m_contenu[m_pos] != '\n')
            ++m_pos;
        brut = m_contenu.mid(debut, m_pos - debut).trimmed();
    }
    ++m_valeurs;
    if (m_pos < n) {
        if (m_contenu[m_pos] == ',') {
            ++m_pos;
        } else {
            if (m_contenu[m_pos] == '\r')
                ++m_pos;
            if (m_pos < n && m_contenu[m_pos] == '\n')
                ++m_pos;
            ++m_ligneCourante;
        }
    }
    return true;
}

QString Lecture::chaine()
{
    QByteArray brut;
    bool guillemets;
    if (!jeton(brut, guillemets))
        return {};
    return decode1252(brut);
}

bool Lecture::booleen()
{
    QByteArray brut;
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
    QByteArray brut;
    bool guillemets;
    if (!jeton(brut, guillemets))
        return false;
    const char *debut = brut.constData();
    const char *fin = debut + brut.size();
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

qint16 Lecture::entier16()
{
    double v = 0;
    if (!numerique(v))
        return 0;
    const double arrondi = std::nearbyint(v);   // to the nearest, halves to even
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
    const double arrondi = std::nearbyint(v);
    if (arrondi < 0 || arrondi > 255) {
        echec(QStringLiteral("le nombre %1 est hors des limites").arg(v));
        return 0;
    }
    return static_cast<quint8>(arrondi);
}

bool Lecture::passer()
{
    QByteArray brut;
    bool guillemets;
    return jeton(brut, guillemets);
}

} // namespace travail
