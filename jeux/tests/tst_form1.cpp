// The main window: its summary of the saved bets, its menu and its clear command.

#include "essais/essais.h"
#include "commun/curseur.h"
#include "jeux/form1.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace travail;

namespace {

QByteArray jeu(const QString &type, float mult, bool dtlo, std::initializer_list<qint16> chevaux)
{
    Jeu j{type, mult, dtlo, {}};
    j.chevaux[0] = qint16(chevaux.size());
    int i = 1;
    for (qint16 h : chevaux)
        j.chevaux[i++] = h;
    return enregistrement(j);
}

QString resume()
{
    return form1().findChild<QLabel *>(QStringLiteral("Label1"))->text();
}

QAction *action(const char *nom)
{
    return form1().findChild<QAction *>(QString::fromUtf8(nom));
}

const char *const tous[] = {noms::fichier, noms::tampon, noms::quinte, noms::contrainte, noms::quinteo,
                            noms::mabase,  noms::duo,    noms::cote,   noms::contrecote, noms::prefer, noms::arrivee,
                            noms::imprimante};

} // namespace

class TstForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init() { essais::francais(); }
    void resume_data();
    void resume();
    void premierdemarrage();
    void fichierendommage_data();
    void fichierendommage();
    void reparation();
    void menu_data();
    void menu();
    void police();
    void basedetrois_data();
    void basedetrois();
    void effacer_data();
    void effacer();
};

void TstForm1::resume_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("vide") << QByteArray() << " aucun jeu enregisté";
    QTest::newRow("un quinté") << jeu(TypeDePari::quinte, 1, false, {1, 2, 3, 4, 5}) << "1 jeu enregistré d'un montant de 2 €";
    QTest::newRow("un quarté x3") << jeu(TypeDePari::quarte, 3, false, {6, 2, 9, 14}) << "1 jeu enregistré d'un montant de 3,9 €";
    QTest::newRow("tiercé et quarté")
        << jeu(TypeDePari::tierce, 1, false, {3, 7, 12}) + jeu(TypeDePari::quarte, 1, false, {1, 2, 3, 4})
        << "2 jeux enregistrés pour un montant total de 2,3 €";
    QTest::newRow("le plus cher et un tiercé")
        << jeu(TypeDePari::quinte, 20, true, {1, 2, 3, 4, 5, 6, 7, 8}) + jeu(TypeDePari::tierce, 2, true, {1, 2, 3, 4})
        << "2 jeux enregistrés pour un montant total de 268848 €";
}

void TstForm1::resume()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, attendu);
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(noms::fichier, contenu);
    form1().ouvrir();
    QCOMPARE(::resume(), attendu);
    QVERIFY(repondeur.questions.isEmpty());
    QCOMPARE(racine.lire(noms::fichier), contenu);
}

void TstForm1::premierdemarrage()
{
    essais::Racine racine;
    QVERIFY(!racine.existe(noms::fichier));
    form1().ouvrir();
    QVERIFY(racine.existe(noms::fichier));
    QCOMPARE(racine.lire(noms::fichier), QByteArray());
    QCOMPARE(::resume(), QStringLiteral(" aucun jeu enregisté"));
}

void TstForm1::fichierendommage_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<QString>("ligne");
    const QByteArray tierce = jeu(TypeDePari::tierce, 1, false, {3, 7, 12});
    QTest::newRow("coupé") << tierce + essais::lignes({"\"quart\xE9\"", "1", "#FALSE#"})
                           << "1 jeu enregistré d'un montant de 1 €" << "ligne 16";
    QTest::newRow("UTF-8") << tierce + QByteArray(tierce).replace('\xE9', "\xC3\xA9")
                           << "1 jeu enregistré d'un montant de 1 €" << "ligne 13";
    QTest::newRow("trop de chevaux")
        << essais::lignes({"\"quint\xE9\"", "1", "#FALSE#", "9", "1", "2", "3", "4", "5", "6", "7", "8"}) + tierce + tierce
        << "2 jeux enregistrés pour un montant total de 2 €" << "ligne 1";
}

void TstForm1::fichierendommage()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, attendu);
    QFETCH(QString, ligne);
    essais::Racine racine;
    essais::Repondeur repondeur;
    repondeur.reponses << dialogue::Reponse::annuler;   // the repair offered is declined
    racine.ecrire(noms::fichier, contenu);
    form1().ouvrir();
    QCOMPARE(::resume(), attendu);
    QCOMPARE(repondeur.questions.size(), 1);
    const auto &q = repondeur.questions.first();
    QVERIFY(q.texte.contains(QDir::toNativeSeparators(racine.chemin(noms::fichier))));
    QVERIFY2(q.texte.contains(ligne), qPrintable(q.texte));
    QVERIFY(q.texte.contains(QStringLiteral("Réparer le fichier ?")));
    QCOMPARE(q.icone, dialogue::Icone::attention);
    QCOMPARE(q.boutons, dialogue::Boutons::okannuler);
    QCOMPARE(racine.lire(noms::fichier), contenu);
}

// Accepted, the repair keeps the readable bets and sets the rest aside; the summary follows.
void TstForm1::reparation()
{
    essais::Racine racine;
    essais::Repondeur repondeur;
    const QByteArray tierce = jeu(TypeDePari::tierce, 1, false, {3, 7, 12});
    const QByteArray abime = essais::lignes({"\"quint\xe9\"", "1", "#FALSE#", "9", "1", "2", "3", "4", "5", "6", "7", "8"});
    const QByteArray coupe = "\"quart\xE9\"\r\n1\r";
    racine.ecrire(noms::fichier, tierce + abime + tierce + coupe);
    racine.ecrire("fichier.abime.txt", "d'avant");
    form1().ouvrir();
    QCOMPARE(repondeur.questions.size(), 2);
    QVERIFY2(repondeur.questions[1].texte.contains(QStringLiteral("fichier.abime2.txt")), qPrintable(repondeur.questions[1].texte));
    QCOMPARE(racine.lire(noms::fichier), tierce + tierce);
    QCOMPARE(racine.lire("fichier.abime2.txt"), abime + coupe);
    QCOMPARE(racine.lire("fichier.abime.txt"), QByteArray("d'avant"));
    QCOMPARE(::resume(), QStringLiteral("2 jeux enregistrés pour un montant total de 2 €"));
    // Reloaded after the repair, it finds nothing more to say.
    QCOMPARE(repondeur.questions.size(), 2);
}

void TstForm1::menu_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QKeySequence>("raccourci");
    const QString fichier = QStringLiteral("&Fichier"), jeux = QStringLiteral("&Jeux");
    const QString q1 = QStringLiteral("Quinté&1 (méthode par contraintes)"), q2 = QStringLiteral("Quinté&2 (méthode par base de 3)");
    const QString asso = QStringLiteral("2> Associer des chevaux");
    QTest::newRow("mnparamimp") << "mnparamimp" << fichier << "&Parametre d'impression" << QKeySequence();
    QTest::newRow("apercumn") << "apercumn" << fichier << "Aperçu avant impression" << QKeySequence();
    QTest::newRow("imprimantemn") << "imprimantemn" << fichier << "Choisir l'imprimante… (actuelle : imprimante par défaut)"
                                  << QKeySequence();
    QTest::newRow("infomn") << "infomn" << fichier << "&Info" << QKeySequence();
    QTest::newRow("effmn") << "effmn" << fichier << "&Effacer tous les fichiers de calculs précédents"
                           << QKeySequence(Qt::SHIFT | Qt::Key_Delete);
    QTest::newRow("saisrmn") << "saisrmn" << jeux << "Saisir un jeu" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("voirmn") << "voirmn" << jeux << "Voir les jeux enregistrés" << QKeySequence(Qt::CTRL | Qt::Key_V);
    QTest::newRow("gainsmn") << "gainsmn" << jeux << "Contrôler les gains" << QKeySequence(Qt::Key_F8);
    QTest::newRow("qsomn") << "qsomn" << q1 << "1> Sans ordre" << QKeySequence(Qt::Key_F1);
    QTest::newRow("ordremn") << "ordremn" << q1 << "2>Gérer l'ordre" << QKeySequence(Qt::Key_F2);
    QTest::newRow("bilanmn") << "bilanmn" << q1 << "4> bilan" << QKeySequence(Qt::Key_F3);
    QTest::newRow("cdbmn") << "cdbmn" << q2 << "1>Choix d'une base" << QKeySequence(Qt::Key_F4);
    QTest::newRow("metcplemn") << "metcplemn" << asso << "a) Méthode par couple" << QKeySequence(Qt::Key_F5);
    QTest::newRow("méthlistemn") << "méthlistemn" << asso << "b) Méthode par liste" << QKeySequence(Qt::Key_F6);
    QTest::newRow("bil2mn") << "bil2mn" << q2 << "3> Bilan" << QKeySequence(Qt::Key_F7);
}

void TstForm1::menu()
{
    QFETCH(QString, nom);
    QFETCH(QString, menu);
    QFETCH(QString, texte);
    QFETCH(QKeySequence, raccourci);
    essais::Racine racine;
    form1().ouvrir();
    auto *a = form1().findChild<QAction *>(nom);
    QVERIFY(a);
    QCOMPARE(a->text(), texte);
    QCOMPARE(a->shortcut(), raccourci);
    // The entry stands in the menu of its caption.
    bool trouve = false;
    for (QMenu *m : form1().findChildren<QMenu *>())
        if (m->title() == menu && m->actions().contains(a))
            trouve = true;
    QVERIFY(trouve);
    // The four top-level menus, in order, with their names.
    const QList<QAction *> hauts = form1().findChild<QMenuBar *>()->actions();
    QCOMPARE(hauts.size(), 4);
    const QStringList attendus{"mnfichier", "jeuxmn", "qmcmn", "qb3mn"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(hauts[i]->objectName(), attendus[i]);
}

void TstForm1::police()
{
    essais::Racine racine;
    form1().ouvrir();
    const QFont f = form1().findChild<QLabel *>(QStringLiteral("Label1"))->font();
    QCOMPARE(f.families().value(0), QStringLiteral("Arial Black"));
    QCOMPARE(f.pointSize(), 24);
    QCOMPARE(f.weight(), QFont::Black);
}

void TstForm1::basedetrois_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<bool>("sansbase");   // the window opens without a base
    QTest::newRow("cdbmn") << "cdbmn" << "Form9" << true;
    QTest::newRow("metcplemn") << "metcplemn" << "Form10" << false;
    QTest::newRow("méthlistemn") << "méthlistemn" << "Form11" << false;
    QTest::newRow("bil2mn") << "bil2mn" << "Form12" << true;
}

void TstForm1::basedetrois()
{
    QFETCH(QString, menu);
    QFETCH(QString, fenetre);
    QFETCH(bool, sansbase);
    const QString choisir = QStringLiteral("Choisissez d'abord une base de trois chevaux (F4).");
    {
        essais::Racine racine;
        essais::Repondeur repondeur;
        form1().ouvrir();
        action(menu.toUtf8().constData())->trigger();
        QCOMPARE(essais::visible(qPrintable(fenetre)) != nullptr, sansbase);
        QCOMPARE(repondeur.questions.size(), menu == QLatin1String("cdbmn") ? 0 : 1);
        if (!repondeur.questions.isEmpty())
            QCOMPARE(repondeur.questions.first().texte, choisir);
        QVERIFY(form1().estouverte());
    }
    essais::Racine racine;
    essais::Repondeur repondeur;
    racine.ecrire(travail::noms::mabase, essais::lignes({"3", "7", "12"}));
    form1().ouvrir();
    action(menu.toUtf8().constData())->trigger();
    QVERIFY(essais::visible(qPrintable(fenetre)));
    QVERIFY(repondeur.questions.isEmpty());
    QVERIFY(!curseur::ensablier());
}

void TstForm1::effacer_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Annuler") << false;
}

void TstForm1::effacer()
{
    QFETCH(bool, ok);
    essais::Racine racine;
    essais::Repondeur repondeur;
    for (const char *nom : tous)
        racine.ecrire(nom, QByteArray(nom) + "\r\n");
    const QByteArray deuxjeux = jeu(TypeDePari::tierce, 1, false, {3, 7, 12}) + jeu(TypeDePari::quarte, 1, false, {1, 2, 3, 4});
    racine.ecrire(noms::fichier, deuxjeux);
    form1().ouvrir();
    QCOMPARE(::resume(), QStringLiteral("2 jeux enregistrés pour un montant total de 2,3 €"));

    repondeur.reponses = {ok ? dialogue::Reponse::ok : dialogue::Reponse::annuler};
    action("effmn")->trigger();

    QCOMPARE(repondeur.questions.size(), 1);
    const auto &q = repondeur.questions.first();
    QCOMPARE(q.texte, QStringLiteral("êtes-vous certain?"));
    QCOMPARE(q.titre, QStringLiteral("KRN"));
    QCOMPARE(q.icone, dialogue::Icone::attention);
    QCOMPARE(q.boutons, dialogue::Boutons::okannuler);
    QVERIFY(form1().estouverte());
    if (ok) {
        for (const char *nom : tous) {
            if (qstrcmp(nom, noms::quinte) == 0)
                QCOMPARE(racine.lire(nom), QByteArray("quinte1.txt\r\n"));
            else if (qstrcmp(nom, noms::fichier) == 0)
                QVERIFY(racine.existe(nom) && racine.lire(nom).isEmpty());
            else
                QVERIFY2(!racine.existe(nom), nom);
        }
        QCOMPARE(::resume(), QStringLiteral(" aucun jeu enregisté"));
    } else {
        for (const char *nom : tous)
            QCOMPARE(racine.lire(nom), qstrcmp(nom, noms::fichier) == 0 ? deuxjeux : QByteArray(nom) + "\r\n");
        QCOMPARE(::resume(), QStringLiteral("2 jeux enregistrés pour un montant total de 2,3 €"));
    }
}

QTEST_MAIN(TstForm1)
#include "tst_form1.moc"
