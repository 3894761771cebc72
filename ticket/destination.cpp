#include "ticket/destination.h"

#include "travail/cp1252.h"
#include "travail/depot.h"

#include <QDir>

namespace ticket {

Destination lirechoix()
{
    const travail::FichierDeTravail f(travail::depot().imprimante());
    QByteArray octets;
    if (travail::Resultat r = f.lire(octets); !r.ok())
        return {{}, r.erreur};
    // The name is the first line; a file saved by hand without its line end reads the same.
    const qsizetype fin = octets.indexOf('\n');
    QByteArray ligne = fin < 0 ? octets : octets.left(fin);
    if (ligne.endsWith('\r'))
        ligne.chop(1);
    return {travail::decode1252(ligne), {}};
}

travail::Resultat ecrirechoix(const QString &nom)
{
    const QByteArray octets = travail::encode1252(nom);
    const travail::FichierDeTravail f(travail::depot().imprimante());
    // A name the code page cannot hold would come back as another printer's name.
    if (travail::decode1252(octets) != nom || nom.contains(QLatin1Char('\n')) || nom.contains(QLatin1Char('\r')))
        return travail::Resultat::echec(
            QStringLiteral("Le nom de l'imprimante « %1 » ne peut pas être enregistré dans le fichier « %2 » : il contient "
                           "des caractères que ce fichier ne peut pas garder.")
                .arg(nom, QDir::toNativeSeparators(f.chemin())));
    return f.remplacerpartampon(travail::depot().tampon(), octets + "\r\n");
}

QString textemenu(const Destination &d)
{
    const QString actuelle = d.pardefaut() ? QStringLiteral("imprimante par défaut")
                             : d.pdf()     ? QStringLiteral("PDF")
                                           : d.nom;
    return QStringLiteral("Choisir l'imprimante… (actuelle : %1)").arg(actuelle);
}

QString nompdf(const QString &contenu, const QDateTime &quand)
{
    return contenu + QLatin1Char('-') + quand.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QStringLiteral(".pdf");
}

} // namespace ticket
