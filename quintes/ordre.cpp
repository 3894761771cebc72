#include "quintes/ordre.h"

#include "travail/nombres.h"

#include <QDir>

namespace quintes {

bool Classement::classe(qint16 cheval) const
{
    for (int i = 1; i < m_prochainrang; ++i)
        if (m_ordre[i] == cheval)
            return true;
    return false;
}

bool Classement::choisir(qint16 cheval)
{
    if (cheval < 1 || cheval > 20 || complet() || classe(cheval))
        return false;
    m_ordre[m_prochainrang] = cheval;
    ++m_prochainrang;
    return true;
}

bool Classement::annuler()
{
    if (m_prochainrang <= 1)
        return false;
    --m_prochainrang;
    m_ordre[m_prochainrang] = 0;
    return true;
}

bool Classement::annulertout()
{
    if (m_prochainrang <= 1)
        return false;
    vider();
    return true;
}

// Drawn straight among the free horses: each has the same chance, and no draw is wasted
// on a horse already ranked.
bool Classement::alea(QRandomGenerator &hasard)
{
    if (complet())
        return false;
    std::array<qint16, 20> libres{};
    int n = 0;
    for (qint16 h = 1; h <= 20; ++h)
        if (!classe(h))
            libres[n++] = h;
    return choisir(libres[hasard.bounded(n)]);
}

bool Classement::aleareste(QRandomGenerator &hasard)
{
    if (complet())
        return false;
    while (alea(hasard)) {
    }
    return true;
}

void Classement::vider()
{
    m_ordre.fill(0);
    m_prochainrang = 1;
}

Affichage afficheordre(const Classement &classement)
{
    Affichage a;
    a.choix.fill(true);
    a.choix[0] = false;
    for (int i = 1; i <= 20; ++i) {
        const qint16 h = classement.ordre(i);
        a.legende[i] = travail::textenombre(h);
        a.rang[i] = h > 0;
        if (h > 0)
            a.choix[h] = false;
    }
    a.appliquer = classement.ordre(20) > 0;
    a.reste = classement.ordre(18) == 0;
    a.un = classement.ordre(19) == 0;
    a.annulertout = classement.ordre(2) > 0;
    a.annuler = classement.ordre(1) > 0;
    return a;
}

Combinaison ordonner(const Classement &classement, const Combinaison &u)
{
    Combinaison o{};
    int p = 0;
    for (int i = 1; i <= 20 && p < 5; ++i) {
        const qint16 h = classement.ordre(i);
        for (qint16 x : u)
            if (x == h) {
                o[p++] = h;
                break;
            }
    }
    return o;
}

travail::Resultat fini(const Classement &classement, const QString &quinte, const QString &quinteo)
{
    if (!classement.complet())
        return travail::Resultat::echec(QStringLiteral("Les vingt chevaux ne sont pas tous classés : le classement n'a pas été appliqué."));

    QByteArray contenu;
    if (travail::Resultat r = travail::FichierDeTravail(quinte).lire(contenu); !r.ok())
        return r;
    const LectureCombinaisons lus = lirecombinaisons(contenu);
    const QString nonapplique = QStringLiteral("Le classement n'a pas été appliqué et le fichier « %1 » n'a pas été modifié. "
                                               "Refaites les quintés sans ordre (« 1> Sans ordre ») puis appliquez le classement.")
                                    .arg(QDir::toNativeSeparators(quinteo));
    if (!lus.intact())
        return travail::Resultat::echec(QStringLiteral("Le fichier « %1 » est endommagé à la ligne %2 : %3.\n\n%4")
                                            .arg(QDir::toNativeSeparators(quinte))
                                            .arg(lus.ligne)
                                            .arg(lus.raison, nonapplique));

    QByteArray sortie;
    sortie.reserve(contenu.size());
    for (qsizetype k = 0; k < lus.combinaisons.size(); ++k) {
        const Combinaison &u = lus.combinaisons[k];
        // A horse named twice would leave an ordered record short of a horse.
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b)
                if (u[a] == u[b])
                    return travail::Resultat::echec(
                        QStringLiteral("Le fichier « %1 » est endommagé : la combinaison n° %2 cite deux fois le cheval %3.\n\n%4")
                            .arg(QDir::toNativeSeparators(quinte))
                            .arg(k + 1)
                            .arg(u[a])
                            .arg(nonapplique));
        sortie += enregistrement(ordonner(classement, u));
    }
    return travail::FichierDeTravail(quinteo).reecrire(sortie);
}

} // namespace quintes
