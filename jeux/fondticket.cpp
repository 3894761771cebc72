#include "jeux/fondticket.h"

#include "ticket/fond.h"
#include "ticket/geometrie.h"

#include <QPainter>

FondTicket::FondTicket(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fond"));
    setAutoFillBackground(false);
}

void FondTicket::etiquette(QWidget *w)
{
    m_etiquette = w;
    resizeEvent(nullptr);
}

void FondTicket::resizeEvent(QResizeEvent *)
{
    if (!m_etiquette)
        return;
    // From the top of the ticket down to the first row of horse boxes.
    const double y = ticket::position(1, 0).y() + 30;
    m_etiquette->setGeometry(0, 0, width(), int(y * height() / hauteur));
}

void FondTicket::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 250, 246));
    p.scale(width() / double(largeur), height() / double(hauteur));
    ticket::dessinerticket(p, {QColor(190, 24, 48), QColor(252, 228, 232), Qt::white});
}
