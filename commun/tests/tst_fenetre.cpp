// The machinery every window stands on: open, close and reload; key preview;
// default and cancel buttons; the hourglass.

#include "commun/curseur.h"
#include "commun/fenetre.h"
#include "commun/liste.h"
#include "essais/essais.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class Essai : public Fenetre
{
public:
    Essai() : Fenetre(QStringLiteral("Essai"))
    {
        defaut = new QPushButton(QStringLiteral("OK"), this);
        defaut->setObjectName(QStringLiteral("Command1"));
        annuler = new QPushButton(QStringLiteral("Quitter"), this);
        annuler->setObjectName(QStringLiteral("Command2"));
        liste = new QListWidget(this);
        liste->setObjectName(QStringLiteral("List1"));
        liste->addItems({QStringLiteral("s"), QStringLiteral("S")});
        placer(defaut, 120, 120, 1200, 375);
        placer(annuler, 120, 600, 1200, 375);
        placer(liste, 1500, 120, 1500, 1500);
        cliententwips(3200, 1800);
        boutondefaut(defaut);
        boutonannuler(annuler);
        connect(defaut, &QPushButton::clicked, this, [this] { journal << QStringLiteral("défaut"); });
        connect(annuler, &QPushButton::clicked, this, [this] { journal << QStringLiteral("annuler"); });
    }

    QStringList journal;
    QString avertissement;   // given by the load, when set
    QPushButton *defaut;
    QPushButton *annuler;
    QListWidget *liste;

protected:
    void chargement() override
    {
        journal << QStringLiteral("chargement");
        if (!avertissement.isEmpty())
            avertir(avertissement);
    }
    void dechargement() override { journal << QStringLiteral("déchargement"); }
    bool touche(const QString &texte) override
    {
        if (texte != QStringLiteral("s"))
            return false;
        journal << QStringLiteral("s");
        return true;
    }
};

} // namespace

class TstFenetre : public QObject
{
    Q_OBJECT

private slots:
    void cycle();
    void instanceunique();
    void touches_data();
    void touches();
    void avertissementapreslaffichage();
    void twips();
    void sablier();
    void listegardesaselection();
};

void TstFenetre::cycle()
{
    Essai e;
    e.fermer();   // not open: nothing happens
    QVERIFY(e.journal.isEmpty());
    e.ouvrir();
    QVERIFY(e.isVisible());
    e.ouvrir();   // already open: brought to the front, not loaded again
    QCOMPARE(e.journal, QStringList{"chargement"});
    e.recharger();
    QCOMPARE(e.journal, (QStringList{"chargement", "déchargement", "chargement"}));
    QVERIFY(e.isVisible());
    QVERIFY(Fenetre::ouvertes().isEmpty() || !Fenetre::ouvertes().contains(&e));   // not registered: a local one
    e.close();    // the close box unloads it too
    QCOMPARE(e.journal.last(), QStringLiteral("déchargement"));
    QVERIFY(!e.estouverte());
    e.fermer();
    QCOMPARE(e.journal.size(), 4);
}

void TstFenetre::instanceunique()
{
    essais::Racine racine;
    Essai &a = fenetres::instance<Essai>();
    QCOMPARE(&fenetres::instance<Essai>(), &a);
    a.ouvrir();
    QCOMPARE(Fenetre::ouvertes(), QList<Fenetre *>{&a});
    a.fermer();
    QVERIFY(Fenetre::ouvertes().isEmpty());
}

void TstFenetre::touches_data()
{
    QTest::addColumn<QString>("cible");     // the control the key is typed in
    QTest::addColumn<int>("touche");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    QTest::addColumn<bool>("atteint");      // the key reached the list
    QTest::newRow("s dans la liste") << "List1" << int(Qt::Key_S) << "s" << QStringList{"s"} << false;
    QTest::newRow("s sur un bouton") << "Command2" << int(Qt::Key_S) << "s" << QStringList{"s"} << false;
    QTest::newRow("S n'est pas s") << "List1" << int(Qt::Key_S) << "S" << QStringList{} << true;
    QTest::newRow("Alt+s n'est pas s") << "Command2" << int(Qt::Key_S) << "s" << QStringList{} << false;
    QTest::newRow("Entrée: bouton par défaut") << "List1" << int(Qt::Key_Return) << "\r" << QStringList{"défaut"} << false;
    QTest::newRow("Entrée sur un bouton: ce bouton") << "Command2" << int(Qt::Key_Return) << "\r" << QStringList{"annuler"} << false;
    QTest::newRow("Échap: bouton d'annulation") << "List1" << int(Qt::Key_Escape) << "\x1b" << QStringList{"annuler"} << false;
}

void TstFenetre::touches()
{
    QFETCH(QString, cible);
    QFETCH(int, touche);
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    QFETCH(bool, atteint);
    Essai e;
    e.ouvrir();
    e.journal.clear();
    auto *w = e.findChild<QWidget *>(cible);
    w->setFocus();
    const Qt::KeyboardModifiers modificateurs = texte == "S" ? Qt::ShiftModifier
                                                : QString::fromUtf8(QTest::currentDataTag()).startsWith("Alt") ? Qt::AltModifier
                                                                                                                : Qt::NoModifier;
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key(touche), texte, modificateurs);
    QCOMPARE(e.journal, attendu);
    // A key the window used never reaches the control; any other one does (the list
    // then jumps to the line that starts with it).
    QCOMPARE(e.liste->currentRow() != -1, atteint);
}

namespace {
// Notes whether the window a message speaks of was already on screen.
class Temoin final : public dialogue::Repondeur
{
public:
    Temoin() { m_avant = dialogue::installer(this); }
    ~Temoin() override { dialogue::installer(m_avant); }
    dialogue::Reponse message(QWidget *parent, const QString &texte, const QString &, dialogue::Icone, dialogue::Boutons) override
    {
        vus << texte;
        parentvisible << (parent && parent->isVisible());
        return dialogue::Reponse::ok;
    }
    void bip() override {}
    QStringList vus;
    QList<bool> parentvisible;

private:
    dialogue::Repondeur *m_avant;
};
} // namespace

void TstFenetre::avertissementapreslaffichage()
{
    Temoin temoin;
    Essai e;
    e.avertissement = QStringLiteral("Le fichier est endommagé.");
    e.ouvrir();
    QCOMPARE(temoin.vus, QStringList{e.avertissement});
    QCOMPARE(temoin.parentvisible, QList<bool>{true});
    e.ouvrir();   // already open: no load, no warning again
    QCOMPARE(temoin.vus.size(), 1);
}

void TstFenetre::twips()
{
    Essai e;
    QCOMPARE(e.defaut->geometry(), QRect(8, 8, 80, 25));
    QCOMPARE(e.size(), QSize(213, 120));
}

void TstFenetre::sablier()
{
    curseur::sablier();
    curseur::sablier();
    QVERIFY(curseur::ensablier());
    curseur::normal();   // one call puts the pointer back, however often it was set
    QVERIFY(!curseur::ensablier());
    {
        curseur::Sablier s;
        QVERIFY(curseur::ensablier());
    }
    QVERIFY(!curseur::ensablier());
}

void TstFenetre::listegardesaselection()
{
    Liste l;
    l.addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    l.resize(200, 300);
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    const QPoint b = l.visualItemRect(l.item(1)).center();
    QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, b);
    QCOMPARE(l.selectedItems(), QList<QListWidgetItem *>{l.item(1)});
    // Below the last line, then Ctrl on the chosen line: the choice stays.
    QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, QPoint(100, 280));
    QCOMPARE(l.selectedItems(), QList<QListWidgetItem *>{l.item(1)});
    QTest::mouseClick(l.viewport(), Qt::LeftButton, Qt::ControlModifier, b);
    QCOMPARE(l.selectedItems(), QList<QListWidgetItem *>{l.item(1)});
    QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.item(2)).center());
    QCOMPARE(l.selectedItems(), QList<QListWidgetItem *>{l.item(2)});
}

QTEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
