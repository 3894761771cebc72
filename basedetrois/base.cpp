#include "basedetrois/base.h"

#include "quintes/bilan.h"
#include "travail/format.h"
#include "travail/nombres.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace basedetrois {

namespace {

QString pluriel(qsizetype n, const QString &un, const QString &plusieurs)
{
    return travail::textenombre(n) + QLatin1Char(' ') + (n > 1 ? plusieurs : un);
}

// A horse is a whole number of 1 to 20; the reader would round "7.5" to 8.
QString controlecheval(double v)
{
    if (v != std::trunc(v))
        return QStringLiteral("%1 n'est pas un nombre entier").arg(v);
    if (v < 1 || v > 20)
        return QStringLiteral("%1 n'est pas un numéro de cheval de 1 à 20").arg(v);
    return {};
}

} // namespace

bool Base::ajouter(qint16 h)
{
    if (h < 1 || h > 20 || complete() || contient(h))
        return false;
    m_chevaux.append(h);
    return true;
}

bool Base::retirerdernier()
{
    if (m_chevaux.isEmpty())
        return false;
    m_chevaux.removeLast();
    return true;
}

bool Base::vider()
{
    if (m_chevaux.isEmpty())
        return false;
    m_chevaux.clear();
    return true;
}

QString Base::texte() const
{
    if (m_chevaux.isEmpty())
        return QStringLiteral("base : aucun cheval");
    QStringList numeros;
    for (qint16 h : m_chevaux)
        numeros << travail::textenombre(h);
    return QStringLiteral("base : ") + numeros.join(QStringLiteral(" - "));
}

QByteArray enregistrement(const Base &b)
{
    travail::Ecriture e;
    for (qint16 h : b.chevaux())
        e.entier(h);
    return e.octets();
}

QByteArray enregistrement(const Couple &c)
{
    return travail::Ecriture().entier(c[0]).entier(c[1]).octets();
}

QByteArray enregistrement(const QList<Couple> &couples)
{
    QByteArray octets;
    octets.reserve(couples.size() * 8);
    for (const Couple &c : couples)
        octets += enregistrement(c);
    return octets;
}

LectureBase lirebase(const QByteArray &contenu)
{
    LectureBase r;
    QList<qint16> chevaux;
    travail::Lecture lecture(contenu);
    while (!lecture.fini()) {
        const double v = lecture.nombre();
        if (!lecture.valide()) {
            r.ligne = lecture.ligne();
            r.raison = lecture.erreur();
            break;
        }
        if (const QString raison = controlecheval(v); !raison.isEmpty()) {
            r.ligne = lecture.ligne();
            r.raison = raison;
            break;
        }
        const qint16 h = static_cast<qint16>(v);
        if (chevaux.contains(h)) {
            r.ligne = lecture.ligne();
            r.raison = QStringLiteral("le cheval %1 y figure deux fois").arg(h);
            break;
        }
        if (chevaux.size() == 3) {
            r.ligne = lecture.ligne();
            r.raison = QStringLiteral("une base n'a que trois chevaux");
            break;
        }
        chevaux.append(h);
    }
    if (r.ligne == 0 && !chevaux.isEmpty() && chevaux.size() < 3) {
        r.ligne = lecture.ligne();
        r.raison = QStringLiteral("la base n'a que %1 cheval(aux) au lieu de trois").arg(chevaux.size());
    }
    r.base = Base(chevaux);
    return r;
}

LectureBase lirebase(const QString &chemin)
{
    QByteArray contenu;
    if (travail::Resultat lu = travail::FichierDeTravail(chemin).lire(contenu); !lu.ok()) {
        LectureBase r;
        r.erreur = lu.erreur;
        return r;
    }
    return lirebase(contenu);
}

QString LectureBase::message(const QString &chemin) const
{
    if (!erreur.isEmpty())
        return erreur;
    if (intact())
        return {};
    return QStringLiteral("Le fichier de la base « %1 » est endommagé à la ligne %2 : %3.\n\n"
                          "Aucune base n'est prise en compte. Le fichier n'a pas été modifié.")
        .arg(QDir::toNativeSeparators(chemin))
        .arg(ligne)
        .arg(raison);
}

QString sansbase(const LectureBase &lue, const QString &chemin)
{
    if (lue.complete())
        return {};
    const QString choisir = QStringLiteral("Choisissez d'abord une base de trois chevaux (F4).");
    const QString dommage = lue.message(chemin);
    return dommage.isEmpty() ? choisir : dommage + QStringLiteral("\n\n") + choisir;
}

LectureCouples lirecouples(const QByteArray &contenu, const Base &base)
{
    LectureCouples r;
    r.couples.reserve(contenu.size() / 8);
    using Valeurs = std::array<double, 2>;
    r.dommages = travail::lireenregistrements(
        contenu, 2,
        [](travail::Lecture &l) {
            Valeurs v{};
            v[0] = l.nombre();
            if (l.valide())
                v[1] = l.nombre();
            return v;
        },
        [&base](const Valeurs &v) -> QString {
            for (double h : v)
                if (const QString raison = controlecheval(h); !raison.isEmpty())
                    return raison;
            if (v[0] == v[1])
                return QStringLiteral("le cheval %1 y figure deux fois").arg(v[0]);
            for (double h : v)
                if (base.contient(static_cast<qint16>(h)))
                    return QStringLiteral("le cheval %1 est un cheval de la base").arg(h);
            return {};
        },
        [&r](const Valeurs &v, qint64 k) {
            r.couples.append({static_cast<qint16>(v[0]), static_cast<qint16>(v[1])});
            r.positions.append(k);
        });
    return r;
}

QString LectureCouples::message(const QString &chemin) const
{
    if (!erreur.isEmpty())
        return erreur;
    if (dommages.isEmpty())
        return {};
    QString texte = QStringLiteral("Le fichier des couples « %1 » est endommagé.\n\n").arg(QDir::toNativeSeparators(chemin));
    texte += travail::listedommages(dommages, QStringLiteral("Couple"), QStringLiteral("… et %1 autre(s) couple(s) endommagé(s)."));
    texte += QStringLiteral("\nSeuls les %1 couple(s) lisible(s) sont pris en compte. Le fichier n'a pas été modifié.")
                 .arg(couples.size());
    return texte;
}

double montant(qsizetype quintes)
{
    return static_cast<double>(quintes) * travail::prix(travail::TypeDePari::quinte, 5, 1, false);
}

QString textemontant(qsizetype quintes)
{
    return QStringLiteral("montant : ") + travail::textenombre(static_cast<float>(montant(quintes))) + travail::unite;
}

namespace {

QString quintesetmontant(qsizetype quintes)
{
    return pluriel(quintes, QStringLiteral("quinté"), QStringLiteral("quintés")) + QStringLiteral(", montant ") +
           travail::textenombre(static_cast<float>(montant(quintes))) + travail::unite;
}

} // namespace

QString textecouples(qsizetype couples)
{
    return pluriel(couples, QStringLiteral("couple"), QStringLiteral("couples")) + QStringLiteral(" : ") +
           quintesetmontant(couples);
}

QString texteassocies(qsizetype chevaux)
{
    const qsizetype quintes = chevaux * (chevaux - 1) / 2;
    return pluriel(chevaux, QStringLiteral("cheval associé"), QStringLiteral("chevaux associés")) + QStringLiteral(" : ") +
           quintesetmontant(quintes);
}

QList<Couple> champreduit(QList<qint16> chevaux)
{
    std::sort(chevaux.begin(), chevaux.end());
    chevaux.erase(std::unique(chevaux.begin(), chevaux.end()), chevaux.end());
    QList<Couple> couples;
    for (qsizetype i = 0; i < chevaux.size(); ++i)
        for (qsizetype j = i + 1; j < chevaux.size(); ++j)
            couples.append({chevaux[i], chevaux[j]});
    return couples;
}

travail::Jeu jeu(const Base &base, const Couple &c)
{
    const QList<qint16> &b = base.chevaux();
    return quintes::jeubilan({b.value(0), b.value(1), b.value(2), c[0], c[1]});
}

QString ligne(const Base &base, const Couple &c)
{
    const QList<qint16> &b = base.chevaux();
    return quintes::lignebilan({b.value(0), b.value(1), b.value(2), c[0], c[1]});
}

} // namespace basedetrois
