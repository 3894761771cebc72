#include "commun/fenetre.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include <utility>

namespace {
fenetres::Fin fin;

QList<QPointer<Fenetre>> &toutes()
{
    static QList<QPointer<Fenetre>> liste;
    return liste;
}
} // namespace

Fenetre::Fenetre(const QString &nom, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(nom);
    setAttribute(Qt::WA_QuitOnClose, false);
    qApp->installEventFilter(this);
}

Fenetre::~Fenetre()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void Fenetre::placer(QWidget *w, int gauche, int haut, int largeur, int hauteur)
{
    w->setGeometry(px(gauche), px(haut), px(largeur), px(hauteur));
}

void Fenetre::cliententwips(int largeur, int hauteur)
{
    setFixedSize(px(largeur), px(hauteur));
}

void Fenetre::ouvrir()
{
    if (!m_ouverte) {
        m_ouverte = true;
        m_enchargement = true;
        chargement();
        m_enchargement = false;
        const auto avertissements = std::exchange(m_avertissements, {});
        const auto actions = std::exchange(m_apres, {});
        // The load may have closed the window again.
        if (m_ouverte) {
            // Back where the user left it, rather than wherever the desktop puts it.
            if (!m_geometrie.isEmpty())
                restoreGeometry(m_geometrie);
            show();
            raise();
            activateWindow();
        }
        for (const auto &[texte, icone] : avertissements)
            dialogue::message(this, texte, icone);
        for (const auto &action : actions)
            action();
        return;
    }
    raise();
    activateWindow();
}

void Fenetre::avertir(const QString &texte, dialogue::Icone icone)
{
    if (m_enchargement)
        m_avertissements.append({texte, icone});
    else
        dialogue::message(this, texte, icone);
}

void Fenetre::apres(std::function<void()> action)
{
    if (m_enchargement)
        m_apres.append(std::move(action));
    else
        action();
}

void Fenetre::fermer()
{
    if (!m_ouverte)
        return;
    m_ouverte = false;
    m_geometrie = saveGeometry();
    dechargement();
    hide();
    verifierfin();
}

void Fenetre::quittertout()
{
    for (const auto &f : toutes())
        if (f && f->m_ouverte) {
            f->m_ouverte = false;
            f->m_geometrie = f->saveGeometry();
            f->hide();
        }
    verifierfin();
}

void Fenetre::recharger()
{
    fermer();
    ouvrir();
}

void Fenetre::closeEvent(QCloseEvent *e)
{
    if (m_ouverte) {
        m_ouverte = false;
        m_geometrie = saveGeometry();
        dechargement();
    }
    e->accept();
    verifierfin();
}

QList<Fenetre *> Fenetre::ouvertes()
{
    QList<Fenetre *> r;
    for (const auto &f : toutes())
        if (f && f->m_ouverte)
            r.append(f);
    return r;
}

// Checked once the current handler has run, so that "close this one, open that one"
// and a reload never end the program on the way.
void Fenetre::verifierfin()
{
    static bool prevue = false;
    if (!fin || prevue)
        return;
    prevue = true;
    QTimer::singleShot(0, qApp, [] {
        prevue = false;
        if (fin && ouvertes().isEmpty())
            fin();
    });
}

bool Fenetre::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && m_ouverte && o->isWidgetType()) {
        auto *w = static_cast<QWidget *>(o);
        if (w->window() == this && clavier(w, static_cast<QKeyEvent *>(e)))
            return true;
    }
    return QWidget::eventFilter(o, e);
}

bool Fenetre::touche(const QString &texte)
{
    for (const auto &[cle, bouton] : m_raccourcis)
        if (cle == texte && bouton) {
            bouton->click();
            return true;
        }
    return false;
}

bool Fenetre::clavier(QWidget *cible, QKeyEvent *e)
{
    // A chord with Ctrl, Alt or Meta is a shortcut or an access key, not a typed character.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString texte = e->text();
    if (!texte.isEmpty() && touche(texte))
        return true;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // As on the desktop: Enter presses the focused button, else the default button.
        if (auto *b = qobject_cast<QAbstractButton *>(cible); b && b->isVisible() && b->isEnabled() && b->inherits("QPushButton")) {
            b->click();
            return true;
        }
        if (m_defaut && m_defaut->isVisible() && m_defaut->isEnabled()) {
            m_defaut->click();
            return true;
        }
    }
    if (e->key() == Qt::Key_Escape && m_annuler && m_annuler->isVisible() && m_annuler->isEnabled()) {
        m_annuler->click();
        return true;
    }
    return false;
}

namespace fenetres {

void enregistrer(Fenetre *f)
{
    toutes().append(f);
}

Fin installerfin(Fin f)
{
    return std::exchange(fin, std::move(f));
}

void detruiretout()
{
    const auto liste = toutes();
    toutes().clear();
    for (const auto &f : liste)
        delete f.data();
}

} // namespace fenetres
