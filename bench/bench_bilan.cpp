// Times the method-1 road on the largest ordered file, 15504 quintés:
// "(E) Enregistrer tout", the load of the summary window, and applying a ranking.
// Run by hand: ./build/bench_bilan [repetitions]

#include "bench/chrono.h"
#include "commun/fenetre.h"
#include "jeux/form1.h"
#include "quintes/bilan.h"
#include "quintes/combinaison.h"
#include "quintes/form8.h"
#include "quintes/ordre.h"
#include "travail/fichierdetravail.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Best and median of `fois` runs, in milliseconds; `avant` runs untimed before each.
void mesurer(const char *nom, int fois, const std::function<void()> &avant, const std::function<void()> &travail)
{
    const chrono::Temps t = chrono::mesurer(fois, travail, avant);
    std::printf("%-52s meilleur %8.1f ms   médian %8.1f ms   (%d fois)\n", nom, t.meilleur, t.median, fois);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int fois = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QTemporaryDir dossier;
    qputenv("KRN_RACINE", dossier.path().toLocal8Bit());
    const QString quinte = travail::chemin(travail::noms::quinte);
    const QString quinteo = travail::chemin(travail::noms::quinteo);
    const QString fichier = travail::chemin(travail::noms::fichier);
    const QByteArray sansordre = chrono::toutesles15504();
    travail::FichierDeTravail(quinte).reecrire(sansordre);

    quintes::Classement classement;
    for (qint16 h : {7, 3, 12, 1, 20, 5, 2, 4, 6, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19})
        classement.choisir(h);

    mesurer("fini sur 15504 combinaisons", fois, [] {}, [&] {
        if (!quintes::fini(classement, quinte, quinteo).ok())
            std::puts("échec de fini");
    });

    mesurer("enregistretout de 15504 lignes", fois, [&] { travail::FichierDeTravail(fichier).reecrire({}); }, [&] {
        if (!quintes::enregistretout(15504, quinteo, fichier).ok())
            std::puts("échec de enregistretout");
    });

    Form8 &form8 = fenetres::instance<Form8>();
    mesurer("chargement de Form8 avec 15504 lignes", fois, [&] { form8.fermer(); }, [&] {
        form8.ouvrir();
        QCoreApplication::processEvents();   // the first paint of the list
    });
    if (form8.findChild<QListWidget *>(QStringLiteral("List1"))->count() != 15504)
        std::puts("la liste n'a pas 15504 lignes");

    // The whole command, as the user gets it: saved, window closed, main window reloaded
    // (which reads and prices the 15504 bets).
    mesurer("(E) Enregistrer tout, fenêtre et rechargement", fois,
            [&] {
                travail::FichierDeTravail(fichier).reecrire({});
                form8.ouvrir();
            },
            [&] {
                QKeyEvent appui(QEvent::KeyPress, Qt::Key_E, Qt::ShiftModifier, QStringLiteral("E"));
                QApplication::sendEvent(form8.findChild<QListWidget *>(QStringLiteral("List1")), &appui);
            });

    // Saving each line in turn, as one read of the file per line would: a few hundred
    // lines only, to show how it grows.
    mesurer("enregistre ligne par ligne, 500 lignes", 1, [&] { travail::FichierDeTravail(fichier).reecrire({}); }, [&] {
        for (int k = 1; k <= 500; ++k)
            quintes::enregistre(k, quinteo, fichier);
    });

    fenetres::detruiretout();
    return 0;
}
