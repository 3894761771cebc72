#include "arrivee/gains.h"

#include "ticket/surface.h"
#include "travail/format.h"
#include "travail/nombres.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <vector>

namespace arrivee {

namespace {

using Indices = std::array<quint8, 5>;

// Every choice of k slots (from 1) among the nb of a bet, in increasing order, so that
// the horses of each come in the order they were picked. Made once: 6 × 3 small tables.
const std::vector<Indices> &choix(int nb, int k)
{
    static const auto table = [] {
        std::array<std::array<std::vector<Indices>, 6>, 9> t;
        for (int n = 3; n <= 8; ++n)
            for (int p = 3; p <= 5 && p <= n; ++p) {
                Indices i{};
                for (int j = 0; j < p; ++j)
                    i[j] = static_cast<quint8>(j + 1);
                while (true) {
                    t[n][p].push_back(i);
                    int j = p - 1;
                    while (j >= 0 && i[j] == n - (p - 1 - j))
                        --j;
                    if (j < 0)
                        break;
                    ++i[j];
                    for (int l = j + 1; l < p; ++l)
                        i[l] = static_cast<quint8>(i[l - 1] + 1);
                }
            }
        return t;
    }();
    return table[nb][k];
}

quint32 bit(int cheval)
{
    return cheval >= 1 && cheval <= 20 ? 1u << cheval : 0u;
}

qint64 factorielle(int k)
{
    qint64 f = 1;
    for (int i = 2; i <= k; ++i)
        f *= i;
    return f;
}

QString nomaffiche(const QString &chemin)
{
    return QDir::toNativeSeparators(chemin);
}

bool entier(double v)
{
    return v == std::trunc(v);
}

} // namespace

QString nomcategorie(int categorie)
{
    switch (categorie) {
    case ordre: return QStringLiteral("ordre");
    case desordre: return QStringLiteral("désordre");
    case bonus: return QStringLiteral("bonus");
    case bonus4: return QStringLiteral("bonus 4");
    case bonus4sur5: return QStringLiteral("bonus 4 sur 5");
    case bonus3: return QStringLiteral("bonus 3");
    default: return {};
    }
}

const QStringList &nomsrapports()
{
    static const QStringList noms = {
        QStringLiteral("tiercé ordre"),   QStringLiteral("tiercé désordre"),  QStringLiteral("quarté ordre"),
        QStringLiteral("quarté désordre"), QStringLiteral("quarté bonus"),    QStringLiteral("quinté ordre"),
        QStringLiteral("quinté désordre"), QStringLiteral("quinté bonus 4"),  QStringLiteral("quinté bonus 4 sur 5"),
        QStringLiteral("quinté bonus 3")};
    return noms;
}

int indexrapport(int places, int categorie)
{
    switch (places) {
    case 3: return categorie == ordre ? 0 : categorie == desordre ? 1 : -1;
    case 4: return categorie == ordre ? 2 : categorie == desordre ? 3 : categorie == bonus ? 4 : -1;
    case 5:
        switch (categorie) {
        case ordre: return 5;
        case desordre: return 6;
        case bonus4: return 7;
        case bonus4sur5: return 8;
        case bonus3: return 9;
        default: return -1;
        }
    default: return -1;
    }
}

bool Compte::gagnant() const
{
    return std::any_of(categories.begin(), categories.end(), [](qint64 n) { return n > 0; });
}

Compte compter(const travail::Jeu &jeu, const Course &course)
{
    Compte r;
    const int k = travail::places(jeu.typedejeu);
    const int nb = std::clamp<int>(jeu.nb(), 0, 8);
    if (k == 0 || nb < k)
        return r;

    const auto &a = course.arrivee;
    const quint32 premiers3 = bit(a[0]) | bit(a[1]) | bit(a[2]);
    const quint32 premiers4 = premiers3 | bit(a[3]);
    const quint32 premiers5 = premiers4 | bit(a[4]);
    const quint32 premiersk = k == 3 ? premiers3 : k == 4 ? premiers4 : premiers5;
    quint32 np = 0;
    for (qint16 h : course.nonpartants)
        np |= bit(h);
    // Each set of k horses stands for one combination, or for its k! orders.
    const qint64 ordres = jeu.dtlo ? factorielle(k) : 1;

    auto &n = r.categories;
    for (const Indices &i : choix(nb, k)) {
        quint32 m = 0;
        for (int j = 0; j < k; ++j)
            m |= bit(jeu.chevaux[i[j]]);
        if (m & np) {
            r.rembourses += ordres;
            continue;
        }
        if (m == premiersk) {
            // The right horses: of their k! orders exactly one is the arrival's.
            if (jeu.dtlo) {
                n[ordre] += 1;
                n[desordre] += ordres - 1;
            } else {
                bool exact = true;
                for (int j = 0; j < k && exact; ++j)
                    exact = jeu.chevaux[i[j]] == a[j];
                ++n[exact ? ordre : desordre];
            }
            continue;
        }
        // Below "désordre" no category depends on the order.
        if (k == 4) {
            if ((m & premiers3) == premiers3)
                n[bonus] += ordres;
        } else if (k == 5) {
            if ((m & premiers4) == premiers4)
                n[bonus4] += ordres;
            else if (std::popcount(m & premiers5) >= 4)
                n[bonus4sur5] += ordres;
            else if ((m & premiers3) == premiers3)
                n[bonus3] += ordres;
        }
    }

    for (int c = 0; c < nbcategories; ++c)
        if (const int x = indexrapport(k, c); x >= 0 && n[c] > 0)
            r.gains += double(n[c]) * course.rapports[x] * jeu.mult;
    // The stake of one combination: the unit price times the multiplier.
    if (r.rembourses > 0)
        r.remboursement = double(r.rembourses) * travail::prix(jeu.typedejeu, static_cast<qint16>(k), jeu.mult, false);
    return r;
}

QString lignegain(int numero, const travail::Jeu &jeu, const Compte &compte)
{
    QString l = QStringLiteral("jeu ") + travail::textenombre(numero) + QStringLiteral(" : ") + jeu.typedejeu;
    const int nb = std::clamp<int>(jeu.nb(), 0, 8);
    for (int i = 1; i <= nb; ++i)
        l += QLatin1Char(' ') + travail::textenombre(jeu.chevaux[i]);
    QStringList parts;
    for (int c = 0; c < nbcategories; ++c)
        if (compte.categories[c] > 0)
            parts << travail::textenombre(compte.categories[c]) + QLatin1Char(' ') + nomcategorie(c);
    if (compte.rembourses > 0)
        parts << travail::textenombre(compte.rembourses) +
                     (compte.rembourses == 1 ? QStringLiteral(" remboursé") : QStringLiteral(" remboursés"));
    l += QStringLiteral(" : ") + parts.join(QStringLiteral(", "));
    l += QStringLiteral(" : ") + travail::textenombre(static_cast<float>(compte.montant())) + travail::unite;
    return l;
}

QString textemontants(double mises, double gains)
{
    auto montant = [](double v) { return travail::textenombre(static_cast<float>(v)) + travail::unite; };
    return QStringLiteral("mises : ") + montant(mises) + QStringLiteral(" ; gains : ") + montant(gains) +
           QStringLiteral(" ; solde : ") + montant(gains - mises);
}

QString textegagnants(int n)
{
    if (n <= 0)
        return QStringLiteral("aucun jeu gagnant");
    if (n == 1)
        return QStringLiteral("1 jeu gagnant");
    return travail::textenombre(n) + QStringLiteral(" jeux gagnants");
}

QString Controle::label1() const
{
    return textemontants(mises, gains);
}

QString Controle::label2() const
{
    return textegagnants(gagnants);
}

Controle controler(const QList<travail::Jeu> &jeux, const QList<qint64> &positions, const Course &course)
{
    Controle r;
    // Summed in double, shown in single precision once.
    for (qsizetype i = 0; i < jeux.size(); ++i) {
        const travail::Jeu &j = jeux[i];
        r.mises += travail::prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
        const Compte compte = compter(j, course);
        if (!compte.liste())
            continue;
        const int numero = i < positions.size() ? positions[i] : static_cast<int>(i + 1);
        r.lignes.append(lignegain(numero, j, compte));
        r.numeros.append(numero);
        r.gains += compte.montant();
        if (compte.gagnant())
            ++r.gagnants;
    }
    return r;
}

QStringList listing(const QStringList &lignes, const QString &label1, const QString &label2)
{
    QStringList l = ticket::entete();
    l += lignes;
    l += label1;
    l += label2;
    l += ticket::piedpage();
    return l;
}

bool lirerapport(const QString &texte, double &valeur)
{
    QString t = texte.trimmed();
    if (t.isEmpty()) {
        valeur = 0;
        return true;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.count(QLatin1Char('.')) > 1)
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

QString texterapport(double valeur)
{
    if (std::isfinite(valeur) && entier(valeur) && std::fabs(valeur) < 1e15)
        return QString::number(static_cast<qint64>(valeur));
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed);
    QString t = QString::fromLatin1(tampon, r.ptr - tampon);
    t.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return t;
}

QByteArray enregistrement(const Course &course)
{
    travail::Ecriture e;
    for (qint16 h : course.arrivee)
        e.entier(h);
    QList<qint16> np = course.nonpartants;
    std::sort(np.begin(), np.end());
    np.erase(std::unique(np.begin(), np.end()), np.end());
    e.entier(np.size());
    for (qint16 h : np)
        e.entier(h);
    for (double v : course.rapports)
        e.nombre(v);
    return e.octets();
}

LectureCourse lirecourse(const QByteArray &contenu, const QString &chemin)
{
    LectureCourse r;
    travail::Lecture lecture(contenu);
    if (lecture.fini())
        return r;
    r.vide = false;
    QString raison;
    // A whole number of 1 to 20, or the reason why not.
    auto numero = [&lecture, &raison](const QString &quoi, qint16 &h) {
        const double v = lecture.nombre();
        if (!lecture.valide())
            return false;
        if (!entier(v) || v < 1 || v > 20) {
            raison = QStringLiteral("%1 (%2) n'est pas un numéro de cheval de 1 à 20").arg(quoi).arg(v);
            return false;
        }
        h = static_cast<qint16>(v);
        return true;
    };
    auto lire = [&]() -> bool {
        for (int i = 0; i < 5; ++i) {
            qint16 h = 0;
            const QString quoi = QStringLiteral("le cheval arrivé %1").arg(i == 0 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(i + 1));
            if (!numero(quoi, h))
                return false;
            if (std::find(r.course.arrivee.begin(), r.course.arrivee.begin() + i, h) != r.course.arrivee.begin() + i) {
                raison = QStringLiteral("%1 (%2) est déjà à l'arrivée").arg(quoi).arg(h);
                return false;
            }
            r.course.arrivee[i] = h;
            r.chevaux = i + 1;
        }
        const double n = lecture.nombre();
        if (!lecture.valide())
            return false;
        if (!entier(n) || n < 0 || n > 15) {
            raison = QStringLiteral("le nombre de non-partants (%1) n'est pas un nombre de 0 à 15").arg(n);
            return false;
        }
        QList<qint16> np;
        for (int i = 0; i < int(n); ++i) {
            qint16 h = 0;
            if (!numero(QStringLiteral("le non-partant"), h))
                return false;
            if (std::find(r.course.arrivee.begin(), r.course.arrivee.end(), h) != r.course.arrivee.end()) {
                raison = QStringLiteral("le non-partant %1 est à l'arrivée").arg(h);
                return false;
            }
            if (!np.isEmpty() && h <= np.last()) {
                raison = QStringLiteral("les non-partants ne sont pas en ordre croissant");
                return false;
            }
            np.append(h);
        }
        r.course.nonpartants = np;
        r.nonpartants = true;
        for (int i = 0; i < nbrapports; ++i) {
            const double v = lecture.nombre();
            if (!lecture.valide())
                return false;
            if (v < 0) {
                raison = QStringLiteral("le rapport %1 (%2) est négatif").arg(nomsrapports()[i]).arg(v);
                return false;
            }
            r.course.rapports[i] = v;
            r.rapports = i + 1;
        }
        if (!lecture.fini()) {
            lecture.passer();
            raison = QStringLiteral("des valeurs suivent le dernier rapport");
            return false;
        }
        return true;
    };
    if (!lire()) {
        if (raison.isEmpty())
            raison = lecture.erreur();
        r.erreur = QStringLiteral("Le fichier de la dernière arrivée « %1 » est endommagé à la ligne %2 : %3.")
                       .arg(nomaffiche(chemin))
                       .arg(lecture.ligne())
                       .arg(raison);
    }
    return r;
}

} // namespace arrivee
