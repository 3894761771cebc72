// The libFuzzer entry of one target, named by KRN_CIBLE when built (outils/fuzz.sh).

#include "fuzz/cibles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    static const fuzz::Cible cible = fuzz::cible(QStringLiteral(KRN_CIBLE));
    cible(QByteArrayView(reinterpret_cast<const char *>(donnees), static_cast<qsizetype>(taille)));
    return 0;
}
