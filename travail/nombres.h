#pragma once
// textenombre: how every number is shown in a label, a list line or a printed text.
// No blank before it, no thousands separator, the decimal separator of the user's
// regional settings, at most 7 significant digits for a single-precision value.

#include <QString>

#include <concepts>

namespace travail {

QString textenombre(float valeur);

template<std::integral T>
QString textenombre(T valeur)
{
    return QString::number(valeur);
}

} // namespace travail
