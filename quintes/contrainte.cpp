#include "quintes/contrainte.h"

#include "travail/format.h"
#include "travail/nombres.h"

#include <QDir>

#include <algorithm>

namespace quintes {

using travail::FichierDeTravail;
using travail::Resultat;

quint32 Contrainte::masque() const
{
    quint32 m = 0;
    for (int h = 1; h <= 20; ++h)
        if (ensemble[h])
            m |= 1u << (h - 1);
    return m;
}

int Contrainte::taille() const
{
    return static_cast<int>(std::count(ensemble.begin() + 1, ensemble.end(), true));
}

QByteArray enregistrement(const Contrainte &c)
{
    travail::Ecriture e;
    e.entier(c.nombre);
    for (int h = 1; h <= 20; ++h)
        e.booleen(c.ensemble[h]);
    e.booleen(c.aumoins);
    return e.octets();
}

LectureContraintes lirecontraintes(const QByteArray &contenu)
{
    LectureContraintes r;
    const auto lire = [](travail::Lecture &lecture) {
        Contrainte c;
        c.nombre = lecture.octet();
        for (int h = 1; h <= 20; ++h)
            c.ensemble[h] = lecture.booleen();
        c.aumoins = lecture.booleen();
        return c;
    };
    // Readers take a record as it stands: only the form of its values is checked.
    const auto controle = [](const Contrainte &) { return QString(); };
    r.dommages = travail::lireenregistrements(contenu, valeursparcontrainte, lire, controle, [&r](Contrainte c, int k) {
        r.contraintes.append(c);
        r.positions.append(k);
    });
    return r;
}

LectureContraintes lirecontraintes(const QString &chemin)
{
    QByteArray contenu;
    if (Resultat r = FichierDeTravail(chemin).lire(contenu); !r.ok()) {
        LectureContraintes l;
        l.erreur = r.erreur;
        return l;
    }
    return lirecontraintes(contenu);
}

QString LectureContraintes::message(const QString &chemin) const
{
    if (!erreur.isEmpty())
        return erreur;
    if (dommages.isEmpty())
        return {};
    QString texte = QStringLiteral("Le fichier des contraintes « %1 » est endommagé.\n\n").arg(QDir::toNativeSeparators(chemin));
    texte += travail::listedommages(dommages, QStringLiteral("Contrainte"),
                                    QStringLiteral("… et %1 autre(s) contrainte(s) endommagée(s)."));
    texte += QStringLiteral("\nSeules les %1 contrainte(s) lisible(s) sont prises en compte. Le fichier n'a pas été modifié.")
                 .arg(contraintes.size());
    return texte;
}

Resultat ajoutecontrainte(const QString &chemin, const Contrainte &c)
{
    return FichierDeTravail(chemin).ajouter(enregistrement(c), valeursparcontrainte);
}

Resultat retirecontrainte(const QString &chemin, const QString &tampon, qint64 k, std::optional<Contrainte> &retiree)
{
    retiree.reset();
    const FichierDeTravail f(chemin);
    QByteArray contenu;
    if (Resultat r = f.lire(contenu); !r.ok())
        return r;
    const LectureContraintes lus = lirecontraintes(contenu);
    const qsizetype i = lus.positions.indexOf(k);
    if (i < 0) {
        // Either the file has fewer than k records, or record k cannot be read: in both
        // cases nothing is removed and the file stays as it is.
        for (const travail::Dommage &d : lus.dommages)
            if (d.enregistrement == k)
                return Resultat::echec(QStringLiteral("La contrainte n° %1 du fichier « %2 » est endommagée (ligne %3 : %4) ; "
                                                      "elle n'a pas été supprimée.")
                                           .arg(k)
                                           .arg(QDir::toNativeSeparators(chemin))
                                           .arg(d.ligne)
                                           .arg(d.raison));
        return {};
    }
    if (Resultat r = f.retirer(tampon, contenu, valeursparcontrainte, [k](int j) { return j != k; }); !r.ok())
        return r;
    retiree = lus.contraintes[i];
    return {};
}

Resultat remplacecontrainte(const QString &chemin, const QString &tampon, qint64 k, const Contrainte &original,
                            const Contrainte &nouvelle, bool &remplacee)
{
    remplacee = false;
    const FichierDeTravail f(chemin);
    QByteArray contenu;
    if (Resultat r = f.assureretlire(contenu); !r.ok())
        return r;
    const LectureContraintes lus = lirecontraintes(contenu);
    const qsizetype i = lus.positions.indexOf(k);
    if (i < 0 || lus.contraintes[i] != original)
        return ajoutecontrainte(chemin, nouvelle);
    if (Resultat r = f.retirer(tampon, contenu, valeursparcontrainte, [k](int j) { return j != k; }, enregistrement(nouvelle));
        !r.ok())
        return r;
    remplacee = true;
    return {};
}

Resultat videcontraintes(const QString &chemin)
{
    return FichierDeTravail(chemin).reecrire({});
}

QString decrirecontrainte(const Contrainte &c)
{
    QString texte;
    if (c.nombre == 0)
        texte = QStringLiteral("pas de chevaux ");
    else if (c.nombre == 1)
        texte = QStringLiteral(" 1  cheval");
    else
        texte = travail::textenombre(c.nombre) + QStringLiteral(" chevaux ");
    if (c.nombre >= 1 && c.nombre <= 4)
        texte += c.aumoins ? QStringLiteral(" au moins") : QStringLiteral(" au plus");
    texte += QStringLiteral(" dans :");
    for (int h = 1; h <= 20; ++h)
        if (c.ensemble[h])
            texte += QStringLiteral("     ") + travail::textenombre(h);
    return texte;
}

bool absurde(const Contrainte &c)
{
    const int k = c.taille();
    const int n = c.nombre;
    return k < n || k == 0 || (!c.aumoins && k == n) || (n == 0 && c.aumoins) || (n == 5 && !c.aumoins) ||
           (n == 5 && k == 5);
}

} // namespace quintes
