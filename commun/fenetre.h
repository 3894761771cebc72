#pragma once
// What every window of the program shares:
// - one instance each, created on first use (instance<F>());
// - open (runs its load, or brings it to the front when already open), close (runs its
//   unload; closing a window that is not open does nothing) and reload (close, then open);
// - the program ends when its last window closes;
// - key preview: every character typed in the window reaches touche() before the
//   focused control, compared exactly ("s" and "S" differ);
// - a default button (Enter) and a cancel button (Escape);
// - positions in twips, 1/15 of a pixel at 96 dpi.

#include <QList>
#include <QStringList>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "commun/dialogue.h"

#include <QAbstractButton>
class QKeyEvent;

class Fenetre : public QWidget
{
    Q_OBJECT
public:
    explicit Fenetre(const QString &nom, QWidget *parent = nullptr);
    ~Fenetre() override;

    void ouvrir();
    void fermer();
    void recharger();
    bool estouverte() const { return m_ouverte; }

    // The work files this window shows: after an undo puts one of them back, the window,
    // when it is open, is reloaded.
    virtual QStringList fichiers() const { return {}; }

    // Closes every window at once, without their unload (nothing is asked, written or
    // opened on the way), then ends the program as installerfin() says.
    static void quittertout();

    static QList<Fenetre *> ouvertes();

    // Twips to pixels, and a control placed at (left, top, width, height) in twips.
    static int px(int twips) { return (twips + 7) / 15; }
    static void placer(QWidget *w, int gauche, int haut, int largeur, int hauteur);
    void cliententwips(int largeur, int hauteur);

protected:
    virtual void chargement() {}     // the window's load
    virtual void dechargement() {}   // the window's unload
    // A character typed anywhere in the window; true when the window used it. By default
    // it presses the button given that key by raccourci().
    virtual bool touche(const QString &texte);
    // The key that presses `b` wherever the focus is, as its caption's "(s)" says.
    void raccourci(const QString &texte, QAbstractButton *b) { m_raccourcis.append({texte, b}); }

    // A warning for the user. During the load it waits until the window is on screen,
    // so that the message stands in front of the window it speaks of.
    void avertir(const QString &texte, dialogue::Icone icone = dialogue::Icone::attention);
    // Something to do once the window is on screen (at once outside the load), after the
    // warnings: a question about the file the load found damaged.
    void apres(std::function<void()> action);

    void boutondefaut(QAbstractButton *b) { m_defaut = b; }
    void boutonannuler(QAbstractButton *b) { m_annuler = b; }

    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    static void verifierfin();
    bool clavier(QWidget *cible, QKeyEvent *e);

    bool m_ouverte = false;
    QByteArray m_geometrie;   // where the user left the window, for the rest of the session
    bool m_enchargement = false;
    QList<std::pair<QString, dialogue::Icone>> m_avertissements;
    QList<std::function<void()>> m_apres;
    QPointer<QAbstractButton> m_defaut;
    QPointer<QAbstractButton> m_annuler;
    QList<std::pair<QString, QPointer<QAbstractButton>>> m_raccourcis;
};

// The single instance of each window class, created on first use.
namespace fenetres {

void enregistrer(Fenetre *f);

// What happens once the last open window has closed: the program installs the end of
// the program; by default (in tests) nothing. Returns the previous one.
using Fin = std::function<void()>;
Fin installerfin(Fin fin);
// Destroys every window (at the end of the program, or between two tests).
void detruiretout();

template<class F>
F &instance()
{
    static QPointer<F> f;
    if (!f) {
        f = new F;
        enregistrer(f);
    }
    return *f;
}

} // namespace fenetres
