#include "travail/jeu.h"

#include "travail/fichierdetravail.h"
#include "travail/format.h"

#include <QDir>

#include <algorithm>

namespace travail {

int places(const QString &typedejeu)
{
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
    if (n == p || p == 0 || n == 1)
        return 1;
    return c(n - 1, p - 1) + c(n - 1, p);
}

double prix(const QString &typedejeu, qint16 nb, float mult, bool dtlo)
{
    double resultat = 0;
    if (typedejeu == TypeDePari::quinte) {
        resultat = double(c(nb, 5)) * puqi;
        if (dtlo)
            resultat *= 120;
    }
    if (typedejeu == TypeDePari::quarte) {
        resultat = double(c(nb, 4)) * puq;
        if (dtlo)
            resultat *= 24;
    }
    if (typedejeu == TypeDePari::tierce) {
        resultat = double(c(nb, 3)) * putr;
        if (dtlo)
            resultat *= 6;
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

} // namespace

LectureJeux lirejeux(const QByteArray &contenu)
{
    LectureJeux r;
    const auto lire = [](Lecture &lecture) {
        Jeu j;
        j.typedejeu = lecture.chaine();
        j.mult = lecture.simple();
        j.dtlo = lecture.booleen();
        for (qint16 &v : j.chevaux)
            v = lecture.entier16();
        return j;
    };
    r.dommages = lireenregistrements(contenu, valeursparjeu, lire, controle, [&r](Jeu j, int k) {
        r.jeux.append(std::move(j));
        r.positions.append(k);
    });
    if (!r.dommages.isEmpty())
        r.utf8 = semble_utf8(contenu);
    return r;
}

QString LectureJeux::message(const QString &chemin) const
{
    if (dommages.isEmpty())
        return {};
    QString texte = QStringLiteral("Le fichier des jeux enregistrés « %1 » est endommagé.\n\n").arg(QDir::toNativeSeparators(chemin));
    texte += listedommages(dommages, QStringLiteral("Jeu"), QStringLiteral("… et %1 autre(s) jeu(x) endommagé(s)."));
    if (utf8)
        texte += QStringLiteral("\nLe fichier semble enregistré en UTF-8 ; il doit l'être en Windows-1252 (Europe occidentale).\n");
    if (jeux.isEmpty())
        texte += QStringLiteral("\nAucun jeu n'a pu être lu.");
    else if (jeux.size() == 1)
        texte += QStringLiteral("\nSeul le jeu lisible est pris en compte.");
    else
        texte += QStringLiteral("\nSeuls les %1 jeux lisibles sont pris en compte.").arg(jeux.size());
    texte += QStringLiteral(" Le fichier n'a pas été modifié.");
    return texte;
}

} // namespace travail
