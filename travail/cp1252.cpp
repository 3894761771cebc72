#include "travail/cp1252.h"

#include <array>

namespace travail {

namespace {

// Bytes 80 to 9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> haut = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QByteArray encode1252(const QString &texte)
{
    QByteArray octets;
    octets.reserve(texte.size());
    for (QChar ch : texte) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            octets.append(char(u));
            continue;
        }
        char octet = '?';
        for (std::size_t i = 0; i < haut.size(); ++i) {
            if (haut[i] != 0 && haut[i] == u) {
                octet = char(0x80 + i);
                break;
            }
        }
        octets.append(octet);
    }
    return octets;
}

QString decode1252(QByteArrayView octets)
{
    QString texte;
    texte.reserve(octets.size());
    for (char c : octets) {
        const auto o = static_cast<unsigned char>(c);
        if (o >= 0x80 && o <= 0x9F)
            texte.append(haut[o - 0x80] ? QChar(haut[o - 0x80]) : QChar(0xFFFD));
        else
            texte.append(QChar(o));
    }
    return texte;
}

} // namespace travail
