#pragma once
// What the tests share: a fresh root directory for the work files, an answering
// machine for message boxes that counts beeps, a printer that records, and a watch for
// the modal dialogs a command waits on.

#include "commun/dialogue.h"
#include "commun/fenetre.h"
#include "ticket/surface.h"
#include "travail/jeu.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QLocale>
#include <QString>
#include <QPointer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTimer>

#include <functional>

namespace essais {

// A Repondeur that answers from a queue (OK when it is empty) and keeps what was asked.
class Repondeur final : public dialogue::Repondeur
{
public:
    struct Question
    {
        QString texte;
        QString titre;
        dialogue::Icone icone;
        dialogue::Boutons boutons;
    };

    Repondeur() { m_avant = dialogue::installer(this); }
    ~Repondeur() override { dialogue::installer(m_avant); }

    dialogue::Reponse message(QWidget *, const QString &texte, const QString &titre, dialogue::Icone icone,
                              dialogue::Boutons boutons) override
    {
        questions.append({texte, titre, icone, boutons});
        return reponses.isEmpty() ? dialogue::Reponse::ok : reponses.takeFirst();
    }
    void bip() override { ++bips; }

    QList<dialogue::Reponse> reponses;
    QList<Question> questions;
    int bips = 0;

private:
    dialogue::Repondeur *m_avant;
};

// A fresh root directory for the work files, for the life of the object; the windows
// are destroyed at its end so that the next test starts from new instances.
class Racine
{
public:
    Racine()
    {
        qputenv("KRN_RACINE", m_dossier.path().toLocal8Bit());
    }
    ~Racine()
    {
        fenetres::detruiretout();
        qunsetenv("KRN_RACINE");
    }
    QString chemin(const char *nom) const { return m_dossier.path() + QLatin1Char('/') + QLatin1String(nom); }
    QByteArray lire(const char *nom) const
    {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void ecrire(const char *nom, const QByteArray &octets) const
    {
        QFile f(chemin(nom));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(octets);
    }
    bool existe(const char *nom) const { return QFile::exists(chemin(nom)); }

private:
    QTemporaryDir m_dossier;
};

// The recording printer, installed for the life of the object.
class Imprimante
{
public:
    Imprimante() { m_avant = ticket::installer(&enregistreuse); }
    ~Imprimante() { ticket::installer(m_avant); }
    ticket::Enregistreuse enregistreuse;

private:
    ticket::Imprimante *m_avant;
};

// Runs `action` on each window named `nom` once it is on screen, for the life of the
// object: a modal dialog is reached this way while the command that opened it waits.
// The action answers the dialog (it closes it, one way or another).
class Guetteur
{
public:
    Guetteur(const char *nom, std::function<void(QWidget *)> action) : m_nom(QString::fromUtf8(nom)), m_action(std::move(action))
    {
        QObject::connect(&m_minuterie, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() != m_nom || !w->isVisible() || w == m_dernier)
                    continue;
                m_dernier = w;
                ++vus;
                m_action(w);
                return;
            }
        });
        m_minuterie.start(20);
    }
    int vus = 0;   // the windows found

private:
    QString m_nom;
    std::function<void(QWidget *)> m_action;
    QPointer<QWidget> m_dernier;
    QTimer m_minuterie;
};

// Lines joined with CR LF, each ended by one: the bytes of a work file.
inline QByteArray lignes(std::initializer_list<const char *> l)
{
    QByteArray r;
    for (const char *s : l)
        r += QByteArray(s) + "\r\n";
    return r;
}

// The window of that name, when it is on screen.
inline QWidget *visible(const char *nom)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nom) && w->isVisible())
            return w;
    return nullptr;
}

// The control of that name in `fenetre`; the test stops when there is none.
template<class T>
T *dans(QWidget *fenetre, const QString &nom)
{
    T *w = fenetre ? fenetre->findChild<T *>(nom) : nullptr;
    if (!w)
        qFatal("%s not found", qPrintable(nom));
    return w;
}

inline void francais()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

// A saved bet of that type, stake, "all orders" and horses.
inline travail::Jeu jeu(const QString &type, float mult, bool dtlo, std::initializer_list<qint16> chevaux)
{
    travail::Jeu j;
    j.typedejeu = type;
    j.mult = mult;
    j.dtlo = dtlo;
    j.chevaux[0] = static_cast<qint16>(chevaux.size());
    int i = 1;
    for (qint16 h : chevaux)
        j.chevaux[i++] = h;
    return j;
}

// The bytes of a saved bets file holding `jeux`.
inline QByteArray fichier(const QList<travail::Jeu> &jeux)
{
    QByteArray r;
    for (const travail::Jeu &j : jeux)
        r += travail::enregistrement(j);
    return r;
}

// A small BMP of w × h black pixels stating `ppm` pixels per metre (0: none).
inline QByteArray bmp(int w, int h, int ppm)
{
    const int ligne = (w * 3 + 3) / 4 * 4;
    QByteArray o(54 + ligne * h, '\0');
    auto *p = reinterpret_cast<uchar *>(o.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(o.size(), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(w, p + 18);
    qToLittleEndian<qint32>(h, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    qToLittleEndian<quint32>(ligne * h, p + 34);
    qToLittleEndian<qint32>(ppm, p + 38);
    qToLittleEndian<qint32>(ppm, p + 42);
    return o;
}

} // namespace essais
