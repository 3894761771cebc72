// Times the check of the saved bets against a race result: 20 000 bets, of which 1 000
// are quintés on 8 horses in all orders (6 720 ordered combinations each). Run by hand:
// ./build/bench_gains [number of bets]

#include "arrivee/fenetrearrivee.h"
#include "arrivee/gains.h"
#include "bench/chrono.h"
#include "commun/fenetre.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Every twentieth bet is a quinté on 8 horses in all orders; the others mix the types,
// stakes and sizes. The horses cluster on 1 to 12 so that many bets meet the arrival.
QList<travail::Jeu> jeux(int nombre)
{
    static const QString types[3] = {travail::TypeDePari::tierce, travail::TypeDePari::quarte, travail::TypeDePari::quinte};
    QList<travail::Jeu> r;
    r.reserve(nombre);
    for (int i = 0; i < nombre; ++i) {
        travail::Jeu j;
        const bool gros = i % 20 == 0;
        j.typedejeu = gros ? travail::TypeDePari::quinte : types[i % 3];
        j.mult = travail::mises[i % 7];
        j.dtlo = gros || i % 5 == 1;
        const int nb = gros ? 8 : travail::places(j.typedejeu) + i % 4;
        // The big bets are only the twentieth ones.
        if (!gros && nb == 8 && j.typedejeu == travail::TypeDePari::quinte)
            j.dtlo = false;
        j.chevaux[0] = static_cast<qint16>(nb);
        for (int k = 1; k <= nb; ++k)
            j.chevaux[k] = static_cast<qint16>((i + k * 5) % 12 + 1);
        r.append(j);
    }
    return r;
}

double mediane(int fois, const std::function<void()> &f)
{
    return chrono::mesurer(fois, f).median;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &texte) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(texte));
    });
    QApplication app(argc, argv);
    const int nombre = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;

    QTemporaryDir racine;
    qputenv("KRN_RACINE", racine.path().toLocal8Bit());
    const QList<travail::Jeu> liste = jeux(nombre);
    QByteArray contenu;
    qint64 combinaisons = 0;
    int gros = 0;
    for (const travail::Jeu &j : liste) {
        contenu += travail::enregistrement(j);
        const int k = travail::places(j.typedejeu);
        combinaisons += travail::c(j.nb(), static_cast<qint16>(k)) * (j.dtlo ? (k == 3 ? 6 : k == 4 ? 24 : 120) : 1);
        gros += j.nb() == 8 && k == 5 && j.dtlo;
    }
    if (!travail::FichierDeTravail(travail::chemin(travail::noms::fichier)).reecrire(contenu).ok())
        return 1;

    arrivee::Course course;
    course.arrivee = {3, 7, 12, 1, 5};
    course.nonpartants = {9};
    course.rapports = {150.5, 30, 1200, 140, 12, 25000, 210, 40, 12, 6};

    const int fois = 9;
    arrivee::Controle resultat;
    const double calcul = mediane(fois, [&] { resultat = arrivee::controler(liste, {}, course); });
    const double lectureetcalcul = mediane(fois, [&] {
        const travail::LectureJeux lus = travail::lirejeux(contenu);
        resultat = arrivee::controler(lus.jeux, lus.positions, course);
    });

    // The window, as the user goes: the race typed in, then "(c)" (read, check, list, save).
    FenetreArrivee &f = fenetrearrivee();
    f.ouvrir();
    const QStringList champs = {u"3"_qs, u"7"_qs, u"12"_qs, u"1"_qs, u"5"_qs};
    for (int i = 1; i <= 5; ++i)
        f.findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(i))->setText(champs[i - 1]);
    f.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("9"));
    for (int i = 0; i < arrivee::nbrapports; ++i)
        f.findChild<QLineEdit *>(QStringLiteral("Text3(%1)").arg(i))->setText(QString::number(course.rapports[i]));
    auto *bouton = f.findChild<QPushButton *>(QStringLiteral("Command1"));
    const double fenetre = mediane(fois, [bouton] {
        bouton->click();
        QCoreApplication::processEvents();
    });
    const int lignes = f.findChild<QListWidget *>(QStringLiteral("List1"))->count();

    std::printf("%d jeux dont %d quintés sur 8 chevaux dans tous les ordres, %lld combinaisons unitaires ; médiane de %d essais\n",
                nombre, gros, static_cast<long long>(combinaisons), fois);
    std::printf("  contrôle des jeux (compter, lignes, totaux)   : %8.2f ms  (%lld lignes, %d gagnants)\n", calcul,
                static_cast<long long>(resultat.lignes.size()), resultat.gagnants);
    std::printf("  lecture du fichier et contrôle                : %8.2f ms\n", lectureetcalcul);
    std::printf("  « (c) Contrôler » dans la fenêtre (tout compris) : %8.2f ms  (%d lignes)\n", fenetre, lignes);
    std::printf("  %s\n", qPrintable(resultat.label1()));
    fenetres::detruiretout();
    return lignes == resultat.lignes.size() ? 0 : 1;
}
