#pragma once
// The background of the main window: our own drawing of the PMU ticket that bets are
// printed on, its boxes placed from the same geometry as the printed marks.

#include <QWidget>

class FondTicket : public QWidget
{
    Q_OBJECT
public:
    explicit FondTicket(QWidget *parent = nullptr);

    // The picture is 1114 x 457 units at 150 units per inch, in twips.
    static constexpr int largeur = 1114 * 1440 / 150;
    static constexpr int hauteur = 457 * 1440 / 150;

    // The label that stands in the band above the rows of horses.
    void etiquette(QWidget *w);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QWidget *m_etiquette = nullptr;
};
