#include "travail/nombres.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace travail {

QString textenombre(float valeur)
{
    if (valeur == 0 || !std::isfinite(valeur))
        return valeur == 0 ? QStringLiteral("0") : QString::number(valeur);

    // Seven significant digits, rounded: d.dddddde±x.
    char brut[32];
    std::snprintf(brut, sizeof brut, "%.6e", static_cast<double>(std::fabs(valeur)));
    QString chiffres;
    for (const char *p = brut; *p && *p != 'e'; ++p)
        if (*p != '.')
            chiffres += QLatin1Char(*p);
    const int exposant = std::atoi(std::strchr(brut, 'e') + 1);
    while (chiffres.size() > 1 && chiffres.endsWith(QLatin1Char('0')))
        chiffres.chop(1);

    const QString separateur = QLocale().decimalPoint();
    QString texte;
    if (exposant >= 7 || exposant < -4) {
        texte = chiffres.left(1);
        if (chiffres.size() > 1)
            texte += separateur + chiffres.mid(1);
        texte += QStringLiteral("E%1%2").arg(exposant < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                     .arg(std::abs(exposant), 2, 10, QLatin1Char('0'));
    } else if (exposant < 0) {
        texte = QStringLiteral("0") + separateur + QString(-exposant - 1, QLatin1Char('0')) + chiffres;
    } else if (chiffres.size() <= exposant + 1) {
        texte = chiffres + QString(exposant + 1 - chiffres.size(), QLatin1Char('0'));
    } else {
        texte = chiffres.left(exposant + 1) + separateur + chiffres.mid(exposant + 1);
    }
    return valeur < 0 ? QLatin1Char('-') + texte : texte;
}

} // namespace travail
