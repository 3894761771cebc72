// How long the generation of the unordered quintés takes with 1000 constraints, and how
// long the generator window takes to open with its 15504 lines.
// Run by hand: ./build/bench_generation (headless unless a display is asked for).

#include "bench/chrono.h"
#include "jeux/form1.h"
#include "quintes/form5.h"
#include "quintes/generation.h"
#include "travail/fichierdetravail.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using quintes::Contrainte;

namespace {

// Milliseconds of the fastest and the median of `fois` runs.
std::pair<double, double> mesurer(int fois, const std::function<void()> &travail)
{
    const chrono::Temps t = chrono::mesurer(fois, travail);
    return {t.meilleur, t.median};
}

void ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(octets);
}

// 1000 different constraints, each drawn until it makes sense. `larges`: "au plus 4" in
// sets of five to eight horses, which remove little, so that almost every combination
// is tested against all 1000; otherwise any sensible constraint.
QByteArray contraintes(bool larges)
{
    QRandomGenerator alea(larges ? 1 : 2);
    QByteArray octets;
    QList<quint32> vus;
    while (vus.size() < 1000) {
        Contrainte c;
        const int taille = larges ? 5 + alea.bounded(4) : 1 + alea.bounded(20);
        for (int i = 0; i < taille; ++i)
            c.ensemble[1 + alea.bounded(20)] = true;
        c.nombre = static_cast<quint8>(larges ? 4 : alea.bounded(6));
        c.aumoins = larges ? false : alea.bounded(2) == 1;
        if (quintes::absurde(c) || vus.contains(c.masque()))
            continue;
        vus << c.masque();
        octets += quintes::enregistrement(c);
    }
    return octets;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    qputenv("KRN_RACINE", dossier.path().toLocal8Bit());
    using namespace travail;
    const quintes::CheminsGeneration chemins{chemin(noms::contrainte), chemin(noms::quinte), chemin(noms::cote),
                                             chemin(noms::contrecote), chemin(noms::tampon)};

    // The very first run also builds the table of the 15504 combinations.
    QElapsedTimer premiere;
    premiere.start();
    quintes::generer(chemins);
    std::printf("First generation run of the program: %.2f ms\n", static_cast<double>(premiere.nsecsElapsed()) / 1e6);

    std::printf("Generation run (constraints read, 15504 combinations tested, quinte file written)\n");
    struct Cas
    {
        const char *nom;
        QByteArray contrainte;
        QByteArray contrecote;
    };
    const QByteArray filtre = "#TRUE#\r\n0\r\n500\r\n0\r\n1000\r\n";
    const Cas cas[] = {
        {"no constraint", {}, {}},
        {"1000 constraints removing little", contraintes(true), {}},
        {"1000 constraints removing little, filter on", contraintes(true), filtre},
        {"1000 sensible constraints", contraintes(false), {}},
    };
    for (const Cas &c : cas) {
        ecrire(chemins.contrainte, c.contrainte);
        ecrire(chemins.contrecote, c.contrecote);
        qsizetype n = 0;
        const auto [min, mediane] = mesurer(30, [&] { n = quintes::generer(chemins).combinaisons.size(); });
        std::printf("  %-46s %5lld kept   min %7.2f ms   median %7.2f ms\n", c.nom, static_cast<long long>(n), min, mediane);
    }

    std::printf("Opening the generator window (load, 15504 lines, first paint)\n");
    ecrire(chemins.contrainte, {});
    ecrire(chemins.contrecote, {});
    Form5 &f5 = form5();
    auto ouvrir = [&] {
        f5.ouvrir();
        QApplication::processEvents();
        (void)f5.grab();   // the whole window drawn, its list included
        f5.fermer();
    };
    const auto [min, mediane] = mesurer(15, ouvrir);
    std::printf("  %-46s %5d lines  min %7.2f ms   median %7.2f ms\n", "open, show, close",
                f5.findChild<QListWidget *>(QStringLiteral("List1"))->count(), min, mediane);
    fenetres::detruiretout();
    return 0;
}
