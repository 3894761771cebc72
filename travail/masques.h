#pragma once
// Sixty-four bytes looked at in one go: bit i of a mask stands for byte i. The readers of
// large files use them to find line ends and check the form of many values at once.
// Every one of the 64 bytes from p must be readable. SSE2 where the processor has it,
// sixteen bytes a compare; a plain loop elsewhere, with the same results.

#include <QtEndian>

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KRN_SSE2 1
#endif

namespace travail::masques {

// The 8 bytes from p as one number, the first byte lowest whatever the processor: the
// same bytes always give the same number.
inline std::uint64_t mot8(const char *p) noexcept
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return qFromLittleEndian(v);
}

// Line feeds, carriage returns and digits; and at each digit, the number its run of digits
// makes up to it (modulo 256; the two last digits of the run when it is longer): at the last
// digit of a one or two-digit value, that value, with no loop over its digits.
struct Lignes
{
    std::uint64_t lf = 0;
    std::uint64_t cr = 0;
    std::uint64_t chiffres = 0;
    alignas(16) std::uint8_t nombres[64];
};

#ifdef KRN_SSE2

// The 16 bytes of a compare as bits, at their place among the 64.
inline std::uint64_t bits(__m128i x, int i) noexcept
{
    return std::uint64_t(static_cast<std::uint16_t>(_mm_movemask_epi8(x))) << (16 * i);
}

// The bytes equal to c.
inline std::uint64_t egaux(const char *p, char c) noexcept
{
    const __m128i u = _mm_set1_epi8(c);
    std::uint64_t m = 0;
    for (int i = 0; i < 4; ++i)
        m |= bits(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * i)), u), i);
    return m;
}

inline Lignes lignes(const char *p) noexcept
{
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i zero = _mm_set1_epi8('0');
    const __m128i neuf = _mm_set1_epi8(9);
    std::uint64_t lfs = 0;
    std::uint64_t crs = 0;
    std::uint64_t chiffres = 0;
    Lignes m;
    __m128i precedents = _mm_setzero_si128();   // the digits of the block before, 0 elsewhere
    // Called for every record: the four blocks written out, their masks kept in registers.
    const auto bloc = [&](int i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * i));
        const __m128i c = _mm_sub_epi8(v, zero);   // a digit is then 0 to 9, unsigned
        const __m128i estchiffre = _mm_cmpeq_epi8(_mm_min_epu8(c, neuf), c);
        lfs |= bits(_mm_cmpeq_epi8(v, lf), i);
        crs |= bits(_mm_cmpeq_epi8(v, cr), i);
        chiffres |= bits(estchiffre, i);
        // Each byte's digit plus ten times the digit before it (0 when that byte is none).
        const __m128i valeurs = _mm_and_si128(c, estchiffre);
        const __m128i avant = _mm_or_si128(_mm_slli_si128(valeurs, 1), _mm_srli_si128(precedents, 15));
        const __m128i deux = _mm_add_epi8(avant, avant);
        const __m128i quatre = _mm_add_epi8(deux, deux);
        const __m128i huit = _mm_add_epi8(quatre, quatre);
        _mm_store_si128(reinterpret_cast<__m128i *>(m.nombres + 16 * i), _mm_add_epi8(c, _mm_add_epi8(huit, deux)));
        precedents = valeurs;
    };
    bloc(0);
    bloc(1);
    bloc(2);
    bloc(3);
    m.lf = lfs;
    m.cr = crs;
    m.chiffres = chiffres;
    return m;
}

#else

inline std::uint64_t egaux(const char *p, char c) noexcept
{
    std::uint64_t m = 0;
    for (int i = 0; i < 64; ++i)
        m |= std::uint64_t(p[i] == c) << i;
    return m;
}

inline Lignes lignes(const char *p) noexcept
{
    Lignes m;
    m.lf = egaux(p, '\n');
    m.cr = egaux(p, '\r');
    unsigned avant = 0;
    for (int i = 0; i < 64; ++i) {
        const unsigned c = static_cast<unsigned char>(p[i]) - unsigned('0');
        const bool chiffre = c <= 9;
        m.chiffres |= std::uint64_t(chiffre) << i;
        m.nombres[i] = static_cast<std::uint8_t>(c + 10 * avant);
        avant = chiffre ? c : 0;
    }
    return m;
}

#endif
#undef KRN_SSE2

// Bit i is the parity of the bits 0 to i of x: inside or outside quotes, for a mask of
// quotes.
inline std::uint64_t parite(std::uint64_t x) noexcept
{
    for (int d = 1; d < 64; d *= 2)
        x ^= x << d;
    return x;
}

} // namespace travail::masques
