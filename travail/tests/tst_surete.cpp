// Nothing lost whatever happens to a write: an end that is not a whole record is never
// appended to, a full disk or a read-only file leaves the file as it was and says so in
// French, a damaged file is repaired without losing a byte, and the work directory is
// taken by one program at a time.

#include "essais/essais.h"
#include "travail/fichierdetravail.h"
#include "travail/jeu.h"
#include "travail/reparation.h"
#include "travail/verrou.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>

using namespace travail;

namespace {

QByteArray jeu(qint16 h)
{
    return enregistrement(Jeu{TypeDePari::quinte, 1, false, {5, h, 2, 3, 4, 5, 0, 0, 0}});
}

// A disk that takes `place` bytes, then fails as a full one does.
struct DisquePlein final : Disque
{
    qint64 place = 0;
    qint64 ecrire(QFileDevice &f, QByteArrayView octets) override
    {
        if (place <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const qint64 n = f.write(octets.data(), std::min<qint64>(place, octets.size()));
        place -= n;
        return n;
    }
};

struct Installe
{
    explicit Installe(Disque *d) : avant(installer(d)) {}
    ~Installe() { installer(avant); }
    Disque *avant;
};

} // namespace

class TstSurete : public QObject
{
    Q_OBJECT

private slots:
    void fin_data();
    void fin();
    void ajoutsurfinabimee_data();
    void ajoutsurfinabimee();
    void disqueplein_data();
    void disqueplein();
    void lectureseule();
    void raisons_data();
    void raisons();
    void reparation_data();
    void reparation();
    void abimejamaisecrase();
    void racineabsente();
    void verroudumemedossier();
};

void TstSurete::fin_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("entiere");
    QTest::addColumn<int>("enregistrement");
    QTest::addColumn<int>("ligne");
    const QByteArray deux = jeu(10) + jeu(11);
    QTest::newRow("vide") << QByteArray() << true << 0 << 0;
    QTest::newRow("deux jeux") << deux << true << 0 << 0;
    QTest::newRow("coupé dans une ligne") << deux + jeu(12).left(30) << false << 3 << 25;
    QTest::newRow("coupé au bout d'une ligne") << deux + essais::lignes({"\"tierc\xE9\"", "1"}) << false << 3 << 25;
    QTest::newRow("sans fin de ligne") << deux.chopped(2) << false << 2 << 13;
    QTest::newRow("guillemet ouvert") << deux + "\"quint" << false << 3 << 25;
    QTest::newRow("blancs après") << deux + "  " << false << 3 << 25;
    QTest::newRow("CR LF coupé entre ses octets") << deux.chopped(1) << false << 2 << 13;
    QTest::newRow("fins de ligne LF") << QByteArray(deux).replace("\r\n", "\n") << true << 0 << 0;
    // Files of many bets, where plain lines are counted by the sixty-four: the stretches
    // with quotes, commas or lone CR between them count as each value does.
    QByteArray dix;
    for (qint16 h = 1; h <= 10; ++h)
        dix += jeu(h);
    QTest::newRow("dix jeux") << dix << true << 0 << 0;
    QTest::newRow("dix jeux, le dernier coupé") << dix.left(dix.size() - 20) << false << 10 << 109;
    QTest::newRow("dix jeux, un blanc de trop à la fin") << dix + " " << false << 11 << 121;
    QByteArray virgules = dix;
    virgules.replace(QByteArray("\r\n6\r\n"), QByteArray(",6,"));   // the fifth horse of the record after each "6"
    QTest::newRow("dix jeux, des virgules") << virgules << true << 0 << 0;
    QTest::newRow("dix jeux, des virgules, le dernier coupé") << virgules.left(virgules.size() - 20) << false << 10 << 107;
    QByteArray crseuls = dix;
    crseuls.replace(QByteArray("\r\n0\r\n0\r\n"), QByteArray("\r0\r0\r"));
    QTest::newRow("dix jeux, des CR seuls") << crseuls << true << 0 << 0;
    QTest::newRow("dix jeux, des CR seuls, le dernier coupé") << crseuls.left(crseuls.size() - 16) << false << 10 << 109;
    QByteArray guillemets = dix;
    guillemets.replace(QByteArray("\"quint\xE9\""), QByteArray("\"a,b\"x"));
    QTest::newRow("dix jeux, des virgules entre guillemets") << guillemets << true << 0 << 0;
    QByteArray ouvert = dix;
    ouvert.replace(ouvert.indexOf("\"quint\xE9\"", 4 * jeu(1).size()), 8, "\"quint\xE9 ");
    QTest::newRow("dix jeux, un guillemet non refermé au cinquième") << ouvert << false << 5 << 49;
    QTest::newRow("dix jeux, un guillemet au milieu d'une valeur") << QByteArray(dix).replace("#FALSE#", "#FA\"LSE#") << true << 0 << 0;
    // The reader ends a quoted text at the line's CR as at its LF: the fifth bet's type is
    // not closed, and nothing can be read after it.
    QByteArray crguillemets = dix;
    crguillemets.replace(crguillemets.indexOf("\"quint\xE9\"", 4 * jeu(1).size()), 8, "\"qu\rint\xE9\"");
    QTest::newRow("dix jeux, un CR seul entre guillemets au cinquième") << crguillemets << false << 5 << 49;
    QTest::newRow("dix jeux, une valeur de moins") << QByteArray(dix).replace(QByteArray("\r\n4\r\n5\r\n0"), QByteArray("\r\n4\r\n0"))
                                                   << false << 10 << 109;
}

void TstSurete::fin()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, entiere);
    QFETCH(int, enregistrement);
    QFETCH(int, ligne);
    const Fin f = examinerfin(contenu, valeursparjeu);
    QCOMPARE(f.entiere, entiere);
    QCOMPARE(f.enregistrement, enregistrement);
    QCOMPARE(f.ligne, ligne);
}

void TstSurete::ajoutsurfinabimee_data()
{
    QTest::addColumn<QByteArray>("avant");
    QTest::newRow("coupé") << jeu(10) + jeu(11).left(40);
    QTest::newRow("sans fin de ligne") << (jeu(10) + jeu(11)).chopped(2);
}

// Appending after a record cut short would make every later record unreadable.
void TstSurete::ajoutsurfinabimee()
{
    QFETCH(QByteArray, avant);
    essais::Racine racine;
    racine.ecrire(noms::fichier, avant);
    const FichierDeTravail f(chemin(noms::fichier));
    for (const auto &ajout : {std::function([&] { return f.ajouter(jeu(12), valeursparjeu); }),
                              std::function([&] { return f.ajouterpartampon(chemin(noms::tampon), jeu(12) + jeu(13), valeursparjeu); })}) {
        const Resultat r = ajout();
        QVERIFY(!r.ok());
        QVERIFY(r.finabimee);
        QVERIFY2(r.erreur.contains(QStringLiteral("enregistrement n° 2")), qPrintable(r.erreur));
        QVERIFY(r.erreur.contains(QDir::toNativeSeparators(chemin(noms::fichier))));
        QCOMPARE(racine.lire(noms::fichier), avant);
    }
    // Once repaired, the same save goes through and lines up.
    QVERIFY(reparation::reparer(chemin(noms::fichier), valeursparjeu, [](const QByteArray &c) { return lirejeux(c).positions; })
                .resultat.ok());
    QVERIFY(f.ajouter(jeu(12), valeursparjeu).ok());
    const LectureJeux lus = lirejeux(racine.lire(noms::fichier));
    QVERIFY(lus.intact());
    QCOMPARE(lus.jeux.last().chevaux[1], qint16(12));
}

void TstSurete::disqueplein_data()
{
    QTest::addColumn<int>("operation");   // 0 append, 1 append through the scratch file, 2 drop, 3 rewrite
    QTest::addColumn<int>("place");
    for (int op = 0; op < 4; ++op)
        for (int place : {0, 7, 30})
            QTest::addRow("opération %d, %d octets", op, place) << op << place;
}

// A write that fails part way leaves the file as it was, no scratch file behind, and says why.
void TstSurete::disqueplein()
{
    QFETCH(int, operation);
    QFETCH(int, place);
    essais::Racine racine;
    const QByteArray avant = jeu(10) + jeu(11) + jeu(12);
    racine.ecrire(noms::fichier, avant);
    const FichierDeTravail f(chemin(noms::fichier));
    DisquePlein plein;
    plein.place = place;
    Resultat r;
    {
        Installe i(&plein);
        switch (operation) {
        case 0: r = f.ajouter(jeu(13), valeursparjeu); break;
        case 1: r = f.ajouterpartampon(chemin(noms::tampon), jeu(13), valeursparjeu); break;
        case 2: r = f.retirer(chemin(noms::tampon), valeursparjeu, [](int k) { return k != 2; }); break;
        default: r = f.reecrire(jeu(20) + jeu(21)); break;
        }
    }
    QVERIFY(!r.ok());
    QVERIFY(!r.finabimee);
    QVERIFY2(r.erreur.contains(QStringLiteral("le disque est plein")), qPrintable(r.erreur));
    QVERIFY2(r.erreur.contains(QStringLiteral("n'a pas été modifié")), qPrintable(r.erreur));
    QCOMPARE(racine.lire(noms::fichier), avant);
    QVERIFY(!racine.existe(noms::tampon));
}

// A file the user made read-only is neither replaced, appended to nor deleted.
void TstSurete::lectureseule()
{
    essais::Racine racine;
    const QByteArray avant = jeu(10) + jeu(11);
    racine.ecrire(noms::fichier, avant);
    QFile::setPermissions(racine.chemin(noms::fichier), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const FichierDeTravail f(chemin(noms::fichier));
    const QList<Resultat> resultats = {f.retirer(chemin(noms::tampon), valeursparjeu, [](int k) { return k != 1; }),
                                       f.ajouter(jeu(12), valeursparjeu), f.reecrire({}), f.supprimer()};
    for (const Resultat &r : resultats) {
        QVERIFY(!r.ok());
        QVERIFY2(r.erreur.contains(QStringLiteral("lecture seule")), qPrintable(r.erreur));
    }
    QCOMPARE(racine.lire(noms::fichier), avant);
    QFile::setPermissions(racine.chemin(noms::fichier), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TstSurete::raisons_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("disque plein") << ENOSPC << QStringLiteral("le disque est plein");
    QTest::newRow("accès refusé") << EACCES << QStringLiteral("accès refusé");
    QTest::newRow("lecture seule") << EROFS << QStringLiteral("le disque est en lecture seule");
    QTest::newRow("introuvable") << ENOENT << QStringLiteral("fichier ou dossier introuvable");
    QTest::newRow("dossier") << EISDIR << QStringLiteral("c'est un dossier");
    QTest::newRow("entrée-sortie") << EIO << QStringLiteral("erreur d'entrée-sortie");
    QTest::newRow("sans raison") << 0 << QStringLiteral("erreur du système sans raison donnée");
}

void TstSurete::raisons()
{
    QFETCH(int, code);
    QFETCH(QString, attendu);
    QCOMPARE(raisonsysteme(code), attendu);
}

void TstSurete::reparation_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QByteArray>("gardes");
    QTest::addColumn<QByteArray>("abimes");
    const QByteArray cheval25 = essais::lignes({"\"quint\xE9\"", "1", "#FALSE#", "5", "25", "2", "3", "4", "5", "0", "0", "0"});
    const QByteArray coupe = jeu(13).left(31);
    QTest::newRow("fin coupée") << jeu(10) + jeu(11) + coupe << jeu(10) + jeu(11) << coupe;
    QTest::newRow("jeu illisible au milieu") << jeu(10) + cheval25 + jeu(12) << jeu(10) + jeu(12) << cheval25;
    QTest::newRow("les deux") << cheval25 + jeu(11) + coupe << jeu(11) << cheval25 + coupe;
    // A last value without its line end may have been cut ("0" of "05"): set aside too.
    QTest::newRow("sans fin de ligne") << jeu(10) + jeu(11).chopped(2) << jeu(10) << jeu(11).chopped(2);
    QTest::newRow("CR sans LF") << jeu(10) + jeu(11).chopped(1) << jeu(10) + jeu(11) << QByteArray();
    QTest::newRow("rien de lisible") << coupe << QByteArray() << coupe;
    QTest::newRow("virgule après le dernier lisible") << jeu(10).chopped(2) + ",\"tierc" << jeu(10) << QByteArray("\"tierc");
}

// The readable bets stay, byte for byte; every other byte goes, whole, to a file beside.
void TstSurete::reparation()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QByteArray, gardes);
    QFETCH(QByteArray, abimes);
    essais::Racine racine;
    racine.ecrire(noms::fichier, contenu);
    const reparation::Reparation r =
        reparation::reparer(chemin(noms::fichier), valeursparjeu, [](const QByteArray &c) { return lirejeux(c).positions; });
    QVERIFY2(r.resultat.ok(), qPrintable(r.resultat.erreur));
    QCOMPARE(racine.lire(noms::fichier), gardes);
    QCOMPARE(racine.existe("fichier.abime.txt"), !abimes.isEmpty());
    QCOMPARE(racine.lire("fichier.abime.txt"), abimes);
    QVERIFY(!racine.existe(noms::tampon));
    const QString message = r.message(chemin(noms::fichier));
    QVERIFY(message.contains(QStringLiteral("a été réparé")));
    QCOMPARE(message.contains(QStringLiteral("fichier.abime.txt")), !abimes.isEmpty());
    QVERIFY(examinerfin(racine.lire(noms::fichier), valeursparjeu).entiere);
}

void TstSurete::abimejamaisecrase()
{
    essais::Racine racine;
    racine.ecrire("fichier.abime.txt", "déjà là");
    racine.ecrire("contrecote.abime", "aussi");
    QCOMPARE(reparation::nomabime(chemin(noms::fichier)), QDir::toNativeSeparators(racine.chemin("fichier.abime2.txt")));
    QCOMPARE(reparation::nomabime(chemin(noms::contrecote)), QDir::toNativeSeparators(racine.chemin("contrecote.abime2")));
    racine.ecrire(noms::fichier, jeu(10) + jeu(11).left(20));
    QVERIFY(reparation::reparer(chemin(noms::fichier), valeursparjeu, [](const QByteArray &c) { return lirejeux(c).positions; })
                .resultat.ok());
    QCOMPARE(racine.lire("fichier.abime.txt"), QByteArray("déjà là"));
    QCOMPARE(racine.lire("fichier.abime2.txt"), jeu(11).left(20));
}

// A KRN_RACINE that names nothing is reported, never created; the default one is created.
void TstSurete::racineabsente()
{
    essais::Racine dossier;
    const QString absent = dossier.chemin("nulle/part");
    qputenv("KRN_RACINE", absent.toLocal8Bit());
    QCOMPARE(racine(), absent);
    const Verrou v;
    QVERIFY(!v.ok());
    QCOMPARE(v.erreur(), QStringLiteral("Le dossier de travail « %1 », nommé par la variable KRN_RACINE, n'existe pas. "
                                        "Créez-le ou corrigez la variable, puis relancez KRN.")
                             .arg(QDir::toNativeSeparators(absent)));
    QVERIFY(!QFileInfo::exists(absent));
    QVERIFY(!QFileInfo::exists(dossier.chemin("nulle")));
}

void TstSurete::verroudumemedossier()
{
    essais::Racine dossier;
    auto premier = std::make_unique<Verrou>();
    QVERIFY2(premier->ok(), qPrintable(premier->erreur()));
    const Verrou second;
    QVERIFY(!second.ok());
    QCOMPARE(second.erreur(), QStringLiteral("KRN est déjà ouvert sur le dossier « %1 ».").arg(QDir::toNativeSeparators(racine())));
    premier.reset();
    QVERIFY(Verrou().ok());
}

QTEST_MAIN(TstSurete)
#include "tst_surete.moc"
