#include "travail/enregistrements.h"

#include <algorithm>

namespace travail {

QString listedommages(const QList<Dommage> &dommages, const QString &nom, const QString &autres)
{
    QString texte;
    const int montres = std::min<int>(dommages.size(), 5);
    for (int i = 0; i < montres; ++i) {
        const Dommage &d = dommages[i];
        texte += QStringLiteral("%1 n° %2, ligne %3 : %4.\n").arg(nom).arg(d.enregistrement).arg(d.ligne).arg(d.raison);
    }
    if (dommages.size() > montres)
        texte += autres.arg(dommages.size() - montres) + QLatin1Char('\n');
    return texte;
}

} // namespace travail
