#include "travail/jeu.h"

#include "travail/fichierdetravail.h"
#include "travail/cp1252.h"
#include "travail/format.h"
#include "travail/masques.h"

#include <QDir>

#include <algorithm>
#include <atomic>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

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
    QByteArray r;
    ajouterenregistrement(r, jeu);
    return r;
}

void ajouterenregistrement(QByteArray &octets, const Jeu &jeu)
{
    const int k = places(jeu.typedejeu);
    // A stake of one or two digits; any other (a fraction, too large, not a number) is
    // never converted to an integer.
    const bool petite = jeu.mult >= 0 && jeu.mult <= 99;
    const int mult = petite ? static_cast<int>(jeu.mult) : 0;
    if (k == 0 || !petite || static_cast<float>(mult) != jeu.mult) {
        // Any other record, as Ecriture writes each value.
        Ecriture e;
        e.chaine(jeu.typedejeu).nombre(jeu.mult).booleen(jeu.dtlo);
        for (qint16 v : jeu.chevaux)
            e.entier(v);
        octets += e.octets();
        return;
    }
    // The very bytes Ecriture writes for these values, without a text per value.
    static constexpr std::string_view types[3] = {"\"tierc\xE9\"\r\n", "\"quart\xE9\"\r\n", "\"quint\xE9\"\r\n"};
    char tampon[128];
    char *p = tampon;
    const auto ecrire = [&p](std::string_view t) {
        std::memcpy(p, t.data(), t.size());
        p += t.size();
    };
    const auto entier = [&p, &ecrire](int v) {
        p = std::to_chars(p, p + 8, v).ptr;   // a qint16 takes 6 characters at most
        ecrire("\r\n");
    };
    ecrire(types[k - 3]);
    entier(mult);
    ecrire(jeu.dtlo ? "#TRUE#\r\n" : "#FALSE#\r\n");
    for (qint16 v : jeu.chevaux)
        entier(v);
    octets.append(tampon, p - tampon);
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

// f(0), f(1), … f(N - 1) written out one after another: the loops over the values of one
// record are short and of fixed length, and unrolled they take a fifth fewer instructions.
template<int N, class F>
void pourchaque(F f)
{
    [&]<int... I>(std::integer_sequence<int, I...>) { (f(I), ...); }(std::make_integer_sequence<int, N>{});
}

// What the reader below may read from its start: the 64 bytes of its masks (a record it
// takes is 59 bytes at most), and a few more when a record it refuses runs past them.
constexpr qsizetype tailleecrite = 80;
// The shortest record it takes: one digit for the stake and each slot, #TRUE#.
constexpr qsizetype pluscourt = 48;

// A sound bet exactly as enregistrement() writes it, stake and horses of one or two
// digits, CR LF after each value: the record of nearly every file, read with no bound
// check per byte (the caller leaves it `tailleecrite` bytes at least) and checked as
// controle() checks it. The line ends, carriage returns and digits of the next 64 bytes
// are found at once, with the number each run of digits makes: each value's place is
// known without reading the one before it, the form of all the values is checked in a
// few operations, and no branch depends on a value's length (horse numbers mix one and
// two digits at random). Gives the record's length, the bet put in `j`; for any other
// record 0, `j` untouched, and the general reading reads the record from the same place,
// with its damage if it has one.
int lireecrit(const char *p, Jeu &j) noexcept
{
    const masques::Lignes m = masques::lignes(p);
    // The type, its closing quote at 7, CR LF at 8 and 9.
    const std::uint64_t type = masques::mot8(p);
    // Without a branch: files mix the three types in any order.
    const int k = 3 * (type == masques::mot8("\"tierc\xE9\"")) + 4 * (type == masques::mot8("\"quart\xE9\""))
        + 5 * (type == masques::mot8("\"quint\xE9\""));
    bool ok = (k != 0) & ((m.lf & 0x3FF) == (1u << 9)) & ((m.cr & 0x3FF) == (1u << 8));
    // The eleven line ends after it: the stake, the Boolean, the nine slots. The top bit
    // stands for none left (a record it takes ends before it), and spares the count of
    // trailing zeros its case of no bit at all.
    std::uint64_t lf = m.lf & (m.lf - 1);
    constexpr std::uint64_t aucun = std::uint64_t(1) << 63;
    int fins[11];
    pourchaque<11>([&](int i) {
        fins[i] = std::countr_zero(lf | aucun);
        lf &= lf - 1;
    });
    ok &= fins[10] < 63;
    const int fin = fins[10] + 1;   // the record's length
    const std::uint64_t etendue = (fin >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << fin) - 1) & ~std::uint64_t(0x3FF);
    // The Boolean's text, from after the stake's line end to its own CR.
    const int b = fins[0] + 1;
    const int longueur = fins[1] - b - 1;
    const std::uint64_t booleen = masques::mot8(p + b);
    const bool vrai = (longueur == 6) & (booleen == masques::mot8("#TRUE#\r\n"));
    ok &= vrai | ((longueur == 7) & (booleen == masques::mot8("#FALSE#\r")));
    // Its bits; any other length or place has already refused the record, and leaves the
    // shifts within bounds all the same.
    const std::uint64_t texte = ((std::uint64_t(1) << (longueur == 6 ? 6 : 7)) - 1) << (b & 63);
    // Every other byte a digit, a CR or a LF; a CR before each LF and nowhere else; no
    // value empty (a LF, or the stake's start, followed by a CR); none of three digits.
    const std::uint64_t lfs = m.lf & etendue;
    ok &= ((m.chiffres | m.cr | m.lf | texte) & etendue) == etendue;
    ok &= (m.cr & etendue) == (lfs >> 1);
    ok &= (((lfs << 1) | (std::uint64_t(1) << 10)) & m.cr) == 0;
    ok &= (m.chiffres & (m.chiffres >> 1) & (m.chiffres >> 2) & etendue) == 0;
    // Each value, of one or two digits, is the number made at its last digit, before its
    // CR. A place out of the 64 bytes belongs to a record refused above.
    const auto valeur = [&m](int finligne) -> unsigned { return m.nombres[(finligne - 2) & 63]; };
    const unsigned mult = valeur(fins[0]);
    const unsigned nb = valeur(fins[2]);
    std::uint8_t chevaux[8];
    pourchaque<8>([&](int i) { chevaux[i] = static_cast<std::uint8_t>(valeur(fins[i + 3])); });
    // The stakes 1, 2, 3, 4, 5, 10 and 20 as bits.
    constexpr std::uint32_t lesmises = (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5) | (1u << 10) | (1u << 20);
    ok &= (mult < 32) & ((lesmises >> (mult & 31)) & 1u);
    ok &= (nb >= unsigned(k)) & (nb <= 8);
    // The eight slots at once, a byte each (every value is below 100): a horse, 1 to 20,
    // in each of the nb first, 0 in the others. A byte plus 127 reaches 128 when it is not
    // 0, plus 107 when it is above 20, and no sum carries into the next byte.
    const std::uint64_t tous = masques::mot8(reinterpret_cast<const char *>(chevaux));
    constexpr std::uint64_t uns = 0x0101010101010101;
    constexpr std::uint64_t hauts = uns * 0x80;
    ok &= ((tous + uns * 127) & hauts) == (hauts >> ((64 - 8 * nb) & 63));
    ok &= ((tous + uns * 107) & hauts) == 0;
    if (!ok)
        return 0;
    // A copy then a move: both inline, where the copy assignment is a call.
    j.typedejeu = QString(k == 3 ? TypeDePari::tierce : k == 4 ? TypeDePari::quarte : TypeDePari::quinte);
    j.mult = static_cast<float>(mult);
    j.dtlo = vrai;
    j.chevaux[0] = static_cast<qint16>(nb);
    pourchaque<8>([&](int i) { j.chevaux[i + 1] = chevaux[i]; });
    return fin;
}

// Records in the program's own form one after another from p, as long as lireecrit()
// takes them, `tailleecrite` bytes are left before `fin` and p is before `limite`: each in
// `lieu.place()`, then kept by `lieu.garder(k, debut, fin)`, k its number. Where it stopped.
template<class Lieu>
const char *courir(const char *p, const char *fin, const char *limite, qint64 &k, Lieu &lieu)
{
    while (p < limite && fin - p >= tailleecrite) {
        const int n = lireecrit(p, lieu.place());
        if (n == 0)
            break;
        lieu.garder(++k, p, p + n);
        p += n;
    }
    return p;
}

// Every record in one pass over the bytes, each sound one given to `lieu` with its number
// and the bytes it spans (see courir()). Runs of records in the program's own form go
// through lireecrit() straight from the bytes; any other record through the general
// reading, from the same place. `suite`, when given, has read from its `depart()` on, at
// the same time, what courir() would read there: the reading takes its records instead
// when it reaches that very place at the start of a record, and reads on by itself when
// it goes past it; nullptr for none.
template<class Lieu, class Suite>
QList<Dommage> parcourir(const QByteArray &contenu, Lieu &lieu, Suite suite)
{
    constexpr bool avecsuite = !std::is_null_pointer_v<Suite>;
    const auto lire = [](Lecture &lecture) {
        Jeu j;
        j.typedejeu = typelu(lecture.chaineoctets());
        j.mult = lecture.simple();
        j.dtlo = lecture.booleen();
        for (qint16 &v : j.chevaux)
            v = lecture.entier16();
        return j;
    };
    QList<Dommage> dommages;
    Lecture lecture(contenu);
    const char *const octets = contenu.constData();
    const char *const fin = octets + contenu.size();
    const char *arret = fin;
    if constexpr (avecsuite)
        arret = suite ? suite->depart() : fin;
    qsizetype debut = 0;
    const auto gardergeneral = [&](Jeu j, qint64 k) {
        lieu.place() = std::move(j);
        lieu.garder(k, octets + debut, octets + lecture.position());
    };
    qint64 k = 0;
    for (;;) {
        Lecture::Ecrits e = lecture.ecrits();
        const qint64 avant = k;
        const char *p = e.debut();
        for (;;) {
            p = courir(p, fin, arret, k, lieu);
            if (p < arret || arret == fin)
                break;
            // At the place the other reading started from, or past it.
            if constexpr (avecsuite) {
                if (p == arret)
                    p = suite->rejoindre(k, lieu);
                else
                    suite->abandonner();
            }
            arret = fin;
        }
        e.avancer(p, (k - avant) * valeursparjeu);
        lecture.prendre(e);
        debut = lecture.position();
        if (lecture.fini() || !enregistrementsuivant(lecture, k, valeursparjeu, lire, controle, gardergeneral, dommages))
            break;
    }
    if constexpr (avecsuite)
        if (arret != fin)
            suite->abandonner();
    return dommages;
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

// The bets read and where they are, written in place: the lists grow by a few hundred
// bets at a time within the room reserved, each bet read where its list has just made it,
// with no call per bet to grow a list nor a second pass over memory long left.
class Listes
{
public:
    explicit Listes(const char *octets) : m_octets(octets) {}

    // Room for that many bets without moving them.
    void reserver(qsizetype taille)
    {
        jeux.reserve(taille);
        positions.reserve(taille);
        debuts.reserve(taille);
        fins.reserve(taille);
    }
    Jeu &place()
    {
        if (n == m_taille)
            agrandir(n + 256);
        return m_jeux[n];
    }
    void garder(qint64 k, const char *debut, const char *fin)
    {
        m_positions[n] = k;
        m_debuts[n] = debut - m_octets;
        m_fins[n] = fin - m_octets;
        ++n;
    }
    // The lists cut to the bets kept.
    void finir() { agrandir(n); }
    // The bets of `suite`, read from the same bytes, kept after these, numbered on from k.
    void ajouter(Listes &suite, qint64 &k)
    {
        finir();
        suite.finir();
        for (qint64 &position : suite.positions)
            position += k;
        k += suite.n;
        n += suite.n;
        jeux.append(std::move(suite.jeux));
        positions.append(std::move(suite.positions));
        debuts.append(std::move(suite.debuts));
        fins.append(std::move(suite.fins));
        agrandir(n);
    }

    QList<Jeu> jeux;
    QList<qint64> positions;
    QList<qsizetype> debuts;
    QList<qsizetype> fins;
    qsizetype n = 0;

private:
    // Beyond their capacity, the lists grow by steps of their own.
    void agrandir(qsizetype taille)
    {
        jeux.resize(taille);
        positions.resize(taille);
        debuts.resize(taille);
        fins.resize(taille);
        m_taille = taille;
        m_jeux = jeux.data();
        m_positions = positions.data();
        m_debuts = debuts.data();
        m_fins = fins.data();
    }

    const char *m_octets;
    qsizetype m_taille = 0;   // the bets the lists hold, read or not yet
    Jeu *m_jeux = nullptr;
    qint64 *m_positions = nullptr;
    qsizetype *m_debuts = nullptr;
    qsizetype *m_fins = nullptr;
};

// The second half of a large file read on another processor while the first is read:
// from the first record in the program's form after the middle, as courir() reads, into
// lists of its own. Only a guess at a record's start: the reading from the start takes
// these bets only if it reaches that very place at the start of a record.
class SecondeMoitie
{
public:
    // Where it would start in `contenu`: a type at the start of a line (a LF before its
    // quote) that lireecrit() takes, a little after the middle; null when there is none.
    static const char *apresmilieu(const QByteArray &contenu)
    {
        const char *const fin = contenu.constData() + contenu.size();
        const char *q = contenu.constData() + contenu.size() / 2;
        const char *const jusque = std::min(fin - tailleecrite, q + 4096);
        for (; q < jusque; ++q) {
            q = static_cast<const char *>(std::memchr(q, '"', jusque - q));
            if (q == nullptr)
                break;
            Jeu j;
            if (q[-1] == '\n' && lireecrit(q, j) != 0)
                return q;
        }
        return nullptr;
    }

    SecondeMoitie(const QByteArray &contenu, const char *depart)
        : m_listes(contenu.constData()), m_depart(depart), m_arrivee(depart)
    {
        const char *const fin = contenu.constData() + contenu.size();
        m_listes.reserver((fin - depart) / pluscourt + 1);
        m_fil = std::thread([this, fin] {
            // A lot at a time, so that a reading abandoned stops soon.
            constexpr qsizetype lot = 1 << 18;
            qint64 k = 0;
            const char *p = m_depart;
            while (!m_abandon.load(std::memory_order_relaxed)) {
                const char *const limite = fin - p > lot ? p + lot : fin;
                p = courir(p, fin, limite, k, m_listes);
                if (p < limite)
                    break;
            }
            m_arrivee = p;
        });
    }
    ~SecondeMoitie() { abandonner(); }
    SecondeMoitie(const SecondeMoitie &) = delete;
    SecondeMoitie &operator=(const SecondeMoitie &) = delete;

    const char *depart() const { return m_depart; }

    // Its bets added to `listes`, numbered on from k; where they end.
    const char *rejoindre(qint64 &k, Listes &listes)
    {
        m_fil.join();
        listes.ajouter(m_listes, k);
        return m_arrivee;
    }

    void abandonner()
    {
        m_abandon.store(true, std::memory_order_relaxed);
        if (m_fil.joinable())
            m_fil.join();
    }

private:
    Listes m_listes;
    const char *const m_depart;
    const char *m_arrivee;   // where its reading stopped, once the thread has ended
    std::atomic<bool> m_abandon = false;
    std::thread m_fil;
};

// Files from this size on (about 10 000 bets; a thread costs a few tens of microseconds)
// are read in two halves at once where there are two processors.
constexpr qsizetype partage = 1 << 19;

// The bets read one after another, their prices summed in file order.
struct Somme
{
    Jeu &place() { return j; }
    void garder(qint64, const char *, const char *)
    {
        ++nombre;
        montant += prix(j.typedejeu, j.nb(), j.mult, j.dtlo);
    }

    Jeu j;
    qint64 nombre = 0;
    double montant = 0;
};

} // namespace

LectureJeux lirejeux(const QByteArray &contenu)
{
    LectureJeux r;
    Listes listes(contenu.constData());
    listes.reserver(contenu.size() / pluscourt + 1);
    const bool deux = contenu.size() >= partage && std::thread::hardware_concurrency() > 1;
    const char *const depart = deux ? SecondeMoitie::apresmilieu(contenu) : nullptr;
    std::optional<SecondeMoitie> moitie;
    if (depart != nullptr) {
        try {
            moitie.emplace(contenu, depart);
        } catch (const std::system_error &) {
            // No thread to be had: the reading from the start reads the whole file.
        }
    }
    r.dommages = parcourir(contenu, listes, moitie ? &*moitie : nullptr);
    listes.finir();
    r.jeux = std::move(listes.jeux);
    r.positions = std::move(listes.positions);
    r.debuts = std::move(listes.debuts);
    r.fins = std::move(listes.fins);
    if (!r.dommages.isEmpty())
        r.utf8 = semble_utf8(contenu);
    return r;
}

TotalJeux totaljeux(const QByteArray &contenu)
{
    TotalJeux r;
    // In one reading: the total is summed in the order of the file, the same every time.
    Somme somme;
    r.dommages = parcourir(contenu, somme, nullptr);
    r.nombre = somme.nombre;
    r.montant = somme.montant;
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
