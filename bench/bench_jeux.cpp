// Times what reads the whole saved bets file, on n bets (20 000 by default; the constraint
// method appends 15 504 quintés at once, so a player reaches hundreds of thousands):
// reading and checking the file, the main window's summary, the saved bets window opened
// and painted, one bet deleted, one bet saved from the entry window, and the memory with
// the saved bets window open. Each figure is also given as a multiple of two bounds timed
// in the same run on the same bytes: copying them in memory, and reading the file.
// Run by hand: ./build/bench_jeux [number of bets] [runs of each, 11 by default]

#include "bench/chrono.h"
#include "commun/fenetre.h"
#include "jeux/form1.h"
#include "jeux/form3.h"
#include "jeux/form4.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

QByteArray fichierdejeux(int nombre)
{
    static const QString types[3] = {travail::TypeDePari::tierce, travail::TypeDePari::quarte, travail::TypeDePari::quinte};
    static const float mults[7] = {1, 2, 3, 4, 5, 10, 20};
    QByteArray r;
    for (int i = 0; i < nombre; ++i) {
        travail::Jeu j;
        j.typedejeu = types[i % 3];
        j.mult = mults[i % 7];
        j.dtlo = i % 5 == 0;
        const int nb = travail::places(j.typedejeu) + i % 4;
        j.chevaux[0] = static_cast<qint16>(nb);
        for (int k = 1; k <= nb; ++k)
            j.chevaux[k] = static_cast<qint16>((i + k * 7) % 20 + 1);
        r += travail::enregistrement(j);
    }
    return r;
}

// Resident and peak resident memory of this process, in MiB (Linux; 0 elsewhere).
std::pair<double, double> memoire()
{
    QFile f(QStringLiteral("/proc/self/status"));
    double rss = 0;
    double pic = 0;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &l : f.readAll().split('\n')) {
            if (l.startsWith("VmRSS:"))
                rss = l.mid(6).trimmed().split(' ').first().toDouble() / 1024;
            if (l.startsWith("VmHWM:"))
                pic = l.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    return {rss, pic};
}

QAbstractItemView *liste()
{
    return form4().findChild<QAbstractItemView *>(QStringLiteral("List1"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notices would drown the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &texte) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(texte));
    });
    QApplication app(argc, argv);
    const int nombre = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;

    QTemporaryDir racine;
    qputenv("KRN_RACINE", racine.path().toLocal8Bit());
    const QByteArray contenu = fichierdejeux(nombre);
    const travail::FichierDeTravail fichier(travail::chemin(travail::noms::fichier));
    if (!fichier.reecrire(contenu).ok())
        return 1;
    const int fois = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;

    // The bounds: the bytes copied in memory, the file read into memory.
    std::vector<char> copie(contenu.size());   // the bench's own bytes, freed before the windows
    const chrono::Temps memcopie = chrono::mesurer(fois, [&] {
        std::memcpy(copie.data(), contenu.constData(), contenu.size());
        // Keep the copy from being optimised away.
        if (copie[copie.size() / 2] != contenu[contenu.size() / 2])
            std::abort();
    });
    const chrono::Temps lecturebrute = chrono::mesurer(fois, [&] {
        QByteArray octets;
        if (!fichier.lire(octets).ok() || octets.size() != contenu.size())
            std::abort();
    });

    const chrono::Temps verification = chrono::mesurer(fois, [&] {
        QByteArray octets;
        if (!fichier.lire(octets).ok() || travail::lirejeux(octets).jeux.size() != nombre)
            std::abort();
    });
    // The same bets with CR alone as line end: the reading stays linear.
    QByteArray cr = contenu;
    cr.replace("\r\n", "\r");
    const chrono::Temps verificationcr = chrono::mesurer(fois, [&] {
        if (travail::lirejeux(cr).jeux.size() != nombre)
            std::abort();
    });

    // The bench's own copies leave before the windows are measured; `contenu` stays.
    std::vector<char>().swap(copie);
    cr = {};

    form1().ouvrir();
    const chrono::Temps principale = chrono::mesurer(fois, [] {
        form1().recharger();
        QCoreApplication::processEvents();
    });
    const chrono::Temps liste4 = chrono::mesurer(fois, [] {
        form4().ouvrir();
        QCoreApplication::processEvents();   // the first paint
    }, [] { form4().fermer(); });
    const int lignes = liste()->model()->rowCount();
    const auto [rss, pic] = memoire();

    // Dropping one bet from the middle: checked, copied through the scratch file, the
    // summary recomputed, the list opened again and painted.
    const chrono::Temps effacement = chrono::mesurer(fois, [] {
        form4().findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        form4().ouvrir();
        QCoreApplication::processEvents();
    }, [] {
        form4().ouvrir();
        QCoreApplication::processEvents();
        QAbstractItemView *l = liste();
        l->setCurrentIndex(l->model()->index(l->model()->rowCount() / 2, 0));
    });
    // One bet saved from the entry window: appended, the main window reloaded.
    const chrono::Temps sauvegarde = chrono::mesurer(fois, [] {
        form3().findChild<QPushButton *>(QStringLiteral("Command9"))->click();
        QCoreApplication::processEvents();
    }, [] {
        form4().fermer();
        form3().ouvrir();
        for (int h = 1; h <= 5; ++h)
            form3().findChild<QPushButton *>(QStringLiteral("Command5(%1)").arg(h))->click();
    });

    const auto ligne = [&](const char *nom, chrono::Temps m, const char *note = "") {
        std::printf("  %-46s %8.1f ms (médian %6.1f) %6.1f x memcpy %5.1f x lecture   (processeur %7.1f ms)  %s\n", nom, m.meilleur,
                    m.median, m.meilleur / memcopie.meilleur, m.meilleur / lecturebrute.meilleur, m.processeur, note);
    };
    std::printf("%d jeux (%lld octets), le plus rapide et le médian de %d essais; rapports sur les plus rapides\n", nombre,
                static_cast<long long>(contenu.size()), fois);
    std::printf("  %-46s %8.2f ms (médian %6.2f)\n", "memcpy des octets du fichier", memcopie.meilleur, memcopie.median);
    std::printf("  %-46s %8.2f ms (médian %6.2f)\n", "lecture du fichier en mémoire", lecturebrute.meilleur, lecturebrute.median);
    ligne("lecture et vérification du fichier", verification);
    ligne("la même, fins de ligne CR seules (sans disque)", verificationcr);
    ligne("fenêtre principale, résumé (Form1)", principale);
    ligne("fenêtre des jeux ouverte, peinte (Form4)", liste4, qPrintable(QStringLiteral("(%1 lignes)").arg(lignes)));
    ligne("effacer un jeu, résumé et liste refaits", effacement);
    ligne("enregistrer un jeu (Form3), résumé refait", sauvegarde);
    std::printf("  %-46s %8.1f Mio (pic %.1f Mio)\n", "mémoire résidente, Form4 ouverte (et le banc)", rss, pic);
    fenetres::detruiretout();
    return lignes == nombre ? 0 : 1;
}
