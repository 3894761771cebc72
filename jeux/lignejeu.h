#pragma once
// The texts of the saved bets window: one display line per bet, and the text listing
// printed from them. Pure text, no window.

#include "travail/jeu.h"

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

namespace jeux {

// A horse number in the sign-blank form: a blank before a number that is not negative,
// a minus sign before a negative one, then its digits (" 3", "-2").
QString signeblanc(qint16 valeur);

// The price of a bet as every window keeps it: in single precision.
float prixsimple(const travail::Jeu &jeu);

// lignejeu: "tiercé   (x1)   3   7   12   (1  € )", with "   dans tous les ordres"
// before the price when the bet is played in all orders.
QString lignejeu(const travail::Jeu &jeu, float prix);
inline QString lignejeu(const travail::Jeu &jeu) { return lignejeu(jeu, prixsimple(jeu)); }

// The lines of the saved bets, in file order, with their total. The total is summed in
// double and kept in single precision once, as the main window's summary does, so
// that it does not drift with the number of bets.
struct Liste
{
    QStringList lignes;
    float total = 0;
};
Liste lignesjeux(const QList<travail::Jeu> &jeux);
// The same total, without the lines.
float total(const QList<travail::Jeu> &jeux);

// The saved bets as the lines of a list view, with the number of its record in the file
// behind each line. A line is built only when the view asks for it, that is when it is
// painted: a list of 200 000 bets costs the lines on screen, not 200 000 texts.
class ModeleJeux : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void remplacer(QList<travail::Jeu> jeux, QList<qint64> positions);
    const QList<travail::Jeu> &jeux() const { return m_jeux; }
    const QList<qint64> &positions() const { return m_positions; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<travail::Jeu> m_jeux;
    QList<qint64> m_positions;
};

// The lines of the printed listing, header and footer included.
QStringList listing(const QList<travail::Jeu> &jeux);

// How far printing several tickets got when ticket `echoue` (from 1; by default the one
// after those sent) of `total` failed:
// "36 tickets sur 40 ont été envoyés à l'imprimante ; le 37e n'a pas pu l'être : ".
QString ticketsenvoyes(qsizetype envoyes, qsizetype total, qsizetype echoue = 0);

} // namespace jeux
