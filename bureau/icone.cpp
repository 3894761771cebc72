#include "bureau/icone.h"

namespace bureau {

QIcon icone()
{
    QIcon i;
    for (int taille : {16, 32, 48, 256})
        i.addFile(QStringLiteral(":/bureau/krn-%1.png").arg(taille), QSize(taille, taille));
    return i;
}

} // namespace bureau
