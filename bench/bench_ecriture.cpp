// What writing whole-or-nothing costs on n saved bets (20 000 and 200 000 by default):
// one bet appended then flushed and cut back on failure ("ajout"), against the whole file
// rewritten through the scratch file and renamed ("remplacement"); the same for the 15 504
// quintés of "(E) Enregistrer tout"; and their parts: reading the file, checking its end,
// the plain append of before (no check, no flush).
// Run by hand: ./build/bench_ecriture [n...]

#include "bench/chrono.h"
#include "quintes/bilan.h"
#include "quintes/combinaison.h"
#include "travail/annulation.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QByteArray jeux(int n)
{
    QByteArray r;
    for (int i = 0; i < n; ++i) {
        travail::Jeu j;
        const qint16 h = static_cast<qint16>(1 + i % 13);
        j.typedejeu = i % 3 == 0 ? travail::TypeDePari::tierce : i % 3 == 1 ? travail::TypeDePari::quarte : travail::TypeDePari::quinte;
        j.chevaux = {5, h, static_cast<qint16>(h + 1), static_cast<qint16>(h + 2), static_cast<qint16>(h + 3), static_cast<qint16>(h + 4), 0, 0, 0};
        r += travail::enregistrement(j);
    }
    return r;
}

void ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(chemin));
}

// Median and best of `fois` runs, in milliseconds; `avant` runs untimed before each.
void mesurer(const char *nom, int fois, const std::function<void()> &avant, const std::function<void()> &travail)
{
    const chrono::Temps t = chrono::mesurer(fois, travail, avant);
    std::printf("  %-58s médian %8.1f ms   meilleur %8.1f ms  (%d fois)\n", nom, t.median, t.meilleur, fois);
}

void verifier(const travail::Resultat &r)
{
    if (!r.ok())
        std::fprintf(stderr, "échec : %s\n", qPrintable(r.erreur));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> tailles;
    for (int i = 1; i < argc; ++i)
        tailles.append(std::max(1, atoi(argv[i])));
    if (tailles.isEmpty())
        tailles = {20000, 200000};

    QTemporaryDir dossier;
    qputenv("KRN_RACINE", dossier.path().toLocal8Bit());
    const QString fichier = travail::chemin(travail::noms::fichier);
    const QString tampon = travail::chemin(travail::noms::tampon);
    const QString quinteo = travail::chemin(travail::noms::quinteo);
    const travail::FichierDeTravail f(fichier);
    ecrire(quinteo, chrono::toutesles15504());
    travail::Jeu un;
    un.chevaux = {5, 1, 2, 3, 4, 5, 0, 0, 0};
    const QByteArray unjeu = travail::enregistrement(un);
    const int fois = 9;
    QByteArray quinzemille;
    for (const quintes::Combinaison &k : quintes::lirecombinaisons(chrono::toutesles15504()).combinaisons)
        quinzemille += travail::enregistrement(quintes::jeubilan(k));

    for (int n : tailles) {
        const QByteArray base = jeux(n);
        auto remettre = [&] { ecrire(fichier, base); };
        std::printf("%d jeux enregistrés (%.1f Mo)\n", n, base.size() / 1e6);
        remettre();
        mesurer("lire le fichier", fois, [] {}, [&] { QByteArray c; verifier(f.lire(c)); });
        mesurer("lire et examiner sa fin", fois, [] {}, [&] {
            QByteArray c;
            verifier(f.lire(c));
            if (!travail::examinerfin(c, travail::valeursparjeu).entiere)
                std::fprintf(stderr, "fin abîmée ?\n");
        });
        mesurer("un jeu : ajout simple d'avant (sans examen ni vidage)", fois, remettre, [&] {
            QFile a(fichier);
            if (!a.open(QIODevice::WriteOnly | QIODevice::Append) || a.write(unjeu) != unjeu.size())
                std::fprintf(stderr, "ajout impossible\n");
        });
        mesurer("un jeu : ajout examiné, vidé sur disque, recoupé si échec", fois, remettre,
                [&] { verifier(f.ajouter(unjeu, travail::valeursparjeu)); });
        mesurer("un jeu : fichier entier réécrit par le tampon", fois, remettre,
                [&] { verifier(f.ajouterpartampon(tampon, unjeu, travail::valeursparjeu)); });
        mesurer("(E) 15 504 quintés : ajout examiné et vidé", 5, remettre, [&] { verifier(f.ajouter(quinzemille, travail::valeursparjeu)); });
        mesurer("(E) 15 504 quintés : fichier entier réécrit par le tampon", 5, remettre,
                [&] { verifier(f.ajouterpartampon(tampon, quinzemille, travail::valeursparjeu)); });
        mesurer("(E) 15 504 quintés : copie d'annulation + enregistretout (fenêtre)", 5, remettre, [&] {
            travail::annulation::Modification m({fichier});
            verifier(m.resultat());
            verifier(quintes::enregistretout(15504, quinteo, fichier));
            m.reussie();
        });
    }
    return 0;
}
