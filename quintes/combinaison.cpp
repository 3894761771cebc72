#include "quintes/combinaison.h"

#include "travail/format.h"

#include <QDir>

namespace quintes {

QByteArray enregistrement(const Combinaison &c)
{
    travail::Ecriture e;
    for (qint16 h : c)
        e.entier(h);
    return e.octets();
}

LectureCombinaisons lirecombinaisons(const QByteArray &contenu)
{
    LectureCombinaisons r;
    r.combinaisons.reserve(contenu.size() / 15);
    travail::Lecture lecture(contenu);
    while (!lecture.fini()) {
        Combinaison c{};
        // The record as the program writes it, at a few comparisons a value; any other
        // form, or a number out of bounds, is read again by the general reading below.
        travail::Lecture::Ecrits e = lecture.ecrits();
        bool ecrit = true;
        for (qint16 &h : c)
            ecrit = ecrit && e.entier(h) && h >= 1 && h <= 20;
        if (ecrit) {
            lecture.prendre(e);
            r.combinaisons.append(c);
            continue;
        }
        c = {};
        for (qint16 &h : c) {
            h = lecture.entier16();
            if (lecture.valide() && (h < 1 || h > 20)) {
                r.ligne = lecture.ligne();
                r.raison = QStringLiteral("%1 n'est pas un numéro de cheval de 1 à 20").arg(h);
                return r;
            }
        }
        if (!lecture.valide()) {
            r.ligne = lecture.ligne();
            r.raison = lecture.erreur();
            return r;
        }
        r.combinaisons.append(c);
    }
    return r;
}

QString LectureCombinaisons::message(const QString &chemin) const
{
    if (intact())
        return {};
    return QStringLiteral("Le fichier « %1 » est endommagé à la ligne %2 : %3.\n\n"
                          "Seules les %4 combinaison(s) qui précèdent sont prises en compte. Le fichier n'a pas été modifié.")
        .arg(QDir::toNativeSeparators(chemin))
        .arg(ligne)
        .arg(raison)
        .arg(combinaisons.size());
}

} // namespace quintes
