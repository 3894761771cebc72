#include "jeux/lignejeu.h"

#include "travail/fichierdetravail.h"
#include "travail/nombres.h"
#include "ticket/surface.h"

#include <algorithm>
#include <limits>

namespace jeux {

QString signeblanc(qint16 valeur)
{
    return valeur < 0 ? QString::number(valeur) : QLatin1Char(' ') + QString::number(valeur);
}

float prixsimple(const travail::Jeu &jeu)
{
    return static_cast<float>(travail::prix(jeu.typedejeu, jeu.nb(), jeu.mult, jeu.dtlo));
}

QString lignejeu(const travail::Jeu &jeu, float prix)
{
    QString l;
    l.reserve(96);
    l += jeu.typedejeu;
    l += QLatin1String("   (x");
    l += travail::textenombre(jeu.mult);
    l += QLatin1Char(')');
    // Slot 0 of a readable record is between 3 and 8; the bound keeps a bad one in the array.
    const int n = std::clamp<int>(jeu.nb(), 0, 8);
    for (int i = 1; i <= n; ++i) {
        l += QLatin1String("  ");
        l += signeblanc(jeu.chevaux[i]);
    }
    if (jeu.dtlo)
        l += QLatin1String("   dans tous les ordres");
    l += QLatin1String("   (");
    l += travail::textenombre(prix);
    l += QLatin1Char(' ');
    l += travail::unite;
    l += QLatin1String(" )");
    return l;
}

Liste lignesjeux(const QList<travail::Jeu> &jeux)
{
    Liste r;
    r.lignes.reserve(jeux.size());
    double total = 0;
    for (const travail::Jeu &j : jeux) {
        const double p = travail::prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
        total += p;
        r.lignes.append(lignejeu(j, static_cast<float>(p)));
    }
    r.total = static_cast<float>(total);
    return r;
}

float total(const QList<travail::Jeu> &jeux)
{
    double somme = 0;
    for (const travail::Jeu &j : jeux)
        somme += travail::prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
    return static_cast<float>(somme);
}

void ModeleJeux::remplacer(QList<travail::Jeu> jeux, QList<qint64> positions)
{
    beginResetModel();
    m_jeux = std::move(jeux);
    m_positions = std::move(positions);
    endResetModel();
}

int ModeleJeux::rowCount(const QModelIndex &parent) const
{
    // A view counts its lines in int.
    return parent.isValid() ? 0 : static_cast<int>(std::min<qsizetype>(m_jeux.size(), std::numeric_limits<int>::max()));
}

QVariant ModeleJeux::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_jeux.size())
        return {};
    return lignejeu(m_jeux[index.row()]);
}

QStringList listing(const QList<travail::Jeu> &jeux)
{
    const Liste liste = lignesjeux(jeux);
    QStringList l = ticket::entete();
    l += liste.lignes;
    l += QStringLiteral("total des jeux: ") + travail::textenombre(liste.total) + travail::unite;
    l += ticket::piedpage();
    return l;
}

QString ticketsenvoyes(qsizetype envoyes, qsizetype total, qsizetype echoue)
{
    if (echoue <= 0)
        echoue = envoyes + 1;
    const QString suivant = echoue == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(echoue);
    QString debut;
    if (envoyes == 0)
        debut = QStringLiteral("Aucun ticket sur %1 n'a été envoyé à l'imprimante").arg(total);
    else if (envoyes == 1)
        debut = QStringLiteral("1 ticket sur %1 a été envoyé à l'imprimante").arg(total);
    else
        debut = QStringLiteral("%1 tickets sur %2 ont été envoyés à l'imprimante").arg(envoyes).arg(total);
    return debut + QStringLiteral(" ; le %1 n'a pas pu l'être : ").arg(suivant);
}

} // namespace jeux
