#pragma once
// The background of the main window: our own drawing of the PMU ticket that bets are
// printed on (ticket::dessinerticket), its boxes placed from the same geometry as the
// printed marks.

#include "ticket/fond.h"

#include <QWidget>

class FondTicket : public QWidget
{
    Q_OBJECT
public:
    explicit FondTicket(QWidget *parent = nullptr);

    // The size of the picture, in twips.
    static constexpr int largeur = ticket::largeurticket;
    static constexpr int hauteur = ticket::hauteurticket;

    // The label that stands in the band above the rows of horses.
    void etiquette(QWidget *w);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QWidget *m_etiquette = nullptr;
};
