// Times the loads that read the whole saved bets file: the main window's summary and the
// saved bets window's list, on a file of 20 000 bets (the constraint method appends
// 15 504 quintés at once). Run by hand: ./build/bench_jeux [number of bets]

#include "commun/fenetre.h"
#include "jeux/form1.h"
#include "jeux/form4.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

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

// Median of `fois` runs, in milliseconds.
double mediane(int fois, const std::function<void()> &f)
{
    QList<double> temps;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        temps.append(t.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
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
    if (!travail::FichierDeTravail(travail::chemin(travail::noms::fichier)).reecrire(contenu).ok())
        return 1;

    const int fois = 7;
    form1().ouvrir();
    const double principale = mediane(fois, [] {
        form1().recharger();
        QCoreApplication::processEvents();
    });
    const double lecture = mediane(fois, [&contenu] { (void)travail::lirejeux(contenu); });
    const double liste = mediane(fois, [] {
        form4().fermer();
        form4().ouvrir();
        QCoreApplication::processEvents();
    });
    const int lignes = form4().findChild<QListWidget *>(QStringLiteral("List1"))->count();
    // Dropping one bet from the middle: check, copy through the scratch file, reload the summary.
    const double effacement = mediane(fois, [] {
        form4().ouvrir();
        auto *l = form4().findChild<QListWidget *>(QStringLiteral("List1"));
        l->setCurrentRow(l->count() / 2);
        form4().findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });

    std::printf("%d jeux (%lld octets), médiane de %d essais\n", nombre, static_cast<long long>(contenu.size()), fois);
    std::printf("  lecture du fichier (lirejeux)          : %8.1f ms\n", lecture);
    std::printf("  fenêtre principale, résumé (Form1)     : %8.1f ms\n", principale);
    std::printf("  fenêtre des jeux enregistrés (Form4)   : %8.1f ms  (%d lignes)\n", liste, lignes);
    std::printf("  effacer un jeu, résumé recalculé       : %8.1f ms  (liste rouverte comprise)\n", effacement);
    fenetres::detruiretout();
    return lignes == nombre ? 0 : 1;
}
