#include "travail/jeu.h"

#include "travail/fichierdetravail.h"
#include "travail/cp1252.h"
#include "travail/format.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <limits>

namespace travail {

int places(const QString &typedejeu)
{
    // The types read from a file share the constants' text: the same text is the same
    // type without comparing characters.
    const QChar *const d = typedejeu.constData();
    if (typedejeu.size() == 6) {
        if (d == TypeDePari::tierce.constData())
            return 3;
        if (d == TypeDePari::quarte.constData())
            return 4;
        if (d == TypeDePari::quinte.constData())
            return 5;
    }
    if (typedejeu == TypeDePari::tierce)
        return 3;
    if (typedejeu == TypeDePari::quarte)
        return 4;
    if (typedejeu == TypeDePari::quinte)
        return 5;
    return 0;
}

QByteArray enregistrement(const Jeu &jeu)
{
    Ecriture e;
    e.chaine(jeu.typedejeu).nombre(jeu.mult).booleen(jeu.dtlo);
    for (qint16 v : jeu.chevaux)
        e.entier(v);
    return e.octets();
}

qint64 c(qint16 n, qint16 p)
{
    if (n < 1 || p < 0 || p > n)
        return 0;
    // The horses of a bet: from the table.
    static constexpr qint64 petits[9][9] = {{1},
                                            {1, 1},
                                            {1, 2, 1},
                                            {1, 3, 3, 1},
                                            {1, 4, 6, 4, 1},
                                            {1, 5, 10, 10, 5, 1},
                                            {1, 6, 15, 20, 15, 6, 1},
                                            {1, 7, 21, 35, 35, 21, 7, 1},
                                            {1, 8, 28, 56, 70, 56, 28, 8, 1}};
    if (n <= 8)
        return petits[n][p];
    // Multiplied then divided at each step, which stays exact: r is c(n - p + i, i).
    const qint16 k = std::min<qint16>(p, n - p);
    qint64 r = 1;
    for (qint16 i = 1; i <= k; ++i) {
        const qint64 facteur = n - k + i;
        if (r > std::numeric_limits<qint64>::max() / facteur)
            return std::numeric_limits<qint64>::max();   // far beyond any bet: no overflow
        r = r * facteur / i;
    }
    return r;
}

double prix(const QString &typedejeu, qint16 nb, float mult, bool dtlo)
{
    double resultat = 0;
    switch (places(typedejeu)) {
    case 5:
        resultat = double(c(nb, 5)) * puqi;
        if (dtlo)
            resultat *= 120;
        break;
    case 4:
        resultat = double(c(nb, 4)) * puq;
        if (dtlo)
            resultat *= 24;
        break;
    case 3:
        resultat = double(c(nb, 3)) * putr;
        if (dtlo)
            resultat *= 6;
        break;
    }
    return resultat * mult;
}

namespace {

bool multvalide(float m)
{
    return std::find(mises.begin(), mises.end(), m) != mises.end();
}

// What is wrong with a record whose values all had the right form; empty when nothing.
QString controle(const Jeu &j)
{
    const int k = places(j.typedejeu);
    // A sound record, the usual case, at a few comparisons.
    const int n = j.nb();
    if (k != 0 && n >= k && n <= 8 && multvalide(j.mult)) {
        bool sain = true;
        for (int i = 1; i <= 8; ++i)
            sain = sain && (i <= n ? j.chevaux[i] >= 1 && j.chevaux[i] <= 20 : j.chevaux[i] == 0);
        if (sain)
            return {};
    }
    if (k == 0)
        return QStringLiteral("le type de pari « %1 » n'est ni tiercé, ni quarté, ni quinté").arg(j.typedejeu);
    if (!multvalide(j.mult))
        return QStringLiteral("la mise x%1 n'est pas l'une des mises 1, 2, 3, 4, 5, 10 ou 20").arg(j.mult);
    const int nb = j.nb();
    if (nb < k || nb > 8)
        return QStringLiteral("un %1 ne peut pas porter sur %2 chevaux (de %3 à 8)").arg(j.typedejeu).arg(nb).arg(k);
    for (int i = 1; i <= 8; ++i) {
        const qint16 h = j.chevaux[i];
        if (i <= nb && (h < 1 || h > 20))
            return QStringLiteral("le cheval %1 n'est pas un numéro de 1 à 20").arg(h);
        if (i > nb && h != 0)
            return QStringLiteral("un numéro de cheval suit le dernier cheval du jeu");
    }
    return {};
}

// Accented letters written in UTF-8 are two bytes, the first C2 to DF, the second
// 80 to BF: a pair that Windows-1252 text of this program never holds.
bool semble_utf8(const QByteArray &contenu)
{
    for (qsizetype i = 0; i + 1 < contenu.size(); ++i) {
        const auto a = static_cast<unsigned char>(contenu[i]);
        const auto b = static_cast<unsigned char>(contenu[i + 1]);
        if (a >= 0xC2 && a <= 0xDF && b >= 0x80 && b <= 0xBF)
            return true;
    }
    return false;
}

// The type of a record, shared with the constants when it is one of them: no text is
// built for the bets of a sound file.
QString typelu(QByteArrayView octets)
{
    if (octets.size() == 6) {
        const char *o = octets.data();
        if (std::memcmp(o, "tierc\xE9", 6) == 0)
            return TypeDePari::tierce;
        if (std::memcmp(o, "quart\xE9", 6) == 0)
            return TypeDePari::quarte;
        if (std::memcmp(o, "quint\xE9", 6) == 0)
            return TypeDePari::quinte;
    }
    return decode1252(octets);
}

// Every record in one pass over the bytes; `garder(jeu, k)` gets the sound ones.
template<class Garder>
QList<Dommage> parcourir(const QByteArray &contenu, Garder garder)
{
    // The record in the form the program writes it first, the general reading from the
    // same place for any other form.
    const auto lire = [](Lecture &lecture) {
        Jeu j;
        Lecture::Ecrits e = lecture.ecrits();
        QByteArrayView type;
        qint16 mult = 0;
        bool ecrit = e.chaine(type) && e.entier(mult) && e.booleen(j.dtlo);
        for (qint16 &v : j.chevaux)
            ecrit = ecrit && e.entier(v);
        if (ecrit) {
            lecture.prendre(e);
            j.typedejeu = typelu(type);
            j.mult = mult;
            return j;
        }
        j.typedejeu = typelu(lecture.chaineoctets());
        j.mult = lecture.simple();
        j.dtlo = lecture.booleen();
        for (qint16 &v : j.chevaux)
            v = lecture.entier16();
        return j;
    };
    return lireenregistrements(contenu, valeursparjeu, lire, controle, garder);
}

QString messagedommages(const QList<Dommage> &dommages, bool utf8, qint64 lisibles, const QString &chemin)
{
    if (dommages.isEmpty())
        return {};
    QString texte = QStringLiteral("Le fichier des jeux enregistrés « %1 » est endommagé.\n\n").arg(QDir::toNativeSeparators(chemin));
    texte += listedommages(dommages, QStringLiteral("Jeu"), QStringLiteral("… et %1 autre(s) jeu(x) endommagé(s)."));
    if (utf8)
        texte += QStringLiteral("\nLe fichier semble enregistré en UTF-8 ; il doit l'être en Windows-1252 (Europe occidentale).\n");
    if (lisibles == 0)
        texte += QStringLiteral("\nAucun jeu n'a pu être lu.");
    else if (lisibles == 1)
        texte += QStringLiteral("\nSeul le jeu lisible est pris en compte.");
    else
        texte += QStringLiteral("\nSeuls les %1 jeux lisibles sont pris en compte.").arg(lisibles);
    texte += QStringLiteral(" Le fichier n'a pas été modifié.");
    return texte;
}

} // namespace

LectureJeux lirejeux(const QByteArray &contenu)
{
    LectureJeux r;
    // A record of the program is 50 to 70 bytes.
    r.jeux.reserve(contenu.size() / 48 + 1);
    r.positions.reserve(contenu.size() / 48 + 1);
    r.dommages = parcourir(contenu, [&r](Jeu j, qint64 k) {
        r.jeux.append(std::move(j));
        r.positions.append(k);
    });
    if (!r.dommages.isEmpty())
        r.utf8 = semble_utf8(contenu);
    return r;
}

TotalJeux totaljeux(const QByteArray &contenu)
{
    TotalJeux r;
    r.dommages = parcourir(contenu, [&r](const Jeu &j, qint64) {
        ++r.nombre;
        r.montant += prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
    });
    if (!r.dommages.isEmpty())
        r.utf8 = semble_utf8(contenu);
    return r;
}

QString TotalJeux::message(const QString &chemin) const
{
    return messagedommages(dommages, utf8, nombre, chemin);
}

QString LectureJeux::message(const QString &chemin) const
{
    return messagedommages(dommages, utf8, jeux.size(), chemin);
}

} // namespace travail
