#include "jeux/fondticket.h"

#include "ticket/geometrie.h"

#include <QPainter>
#include <QPainterPath>

FondTicket::FondTicket(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fond"));
    setAutoFillBackground(false);
}

namespace {

const QColor rouge(190, 24, 48);
const QColor rose(252, 228, 232);
const QColor papier(255, 250, 246);

// A box drawn inside its cell, so that neighbouring cells keep a gap.
QRectF caseticket(float rang, float numero)
{
    const QPointF p = ticket::position(rang, numero);
    return {p.x() + 25, p.y() + 40, ticket::largeurcase - 50, ticket::hauteurcase - 80};
}

void texte(QPainter &p, const QRectF &r, const QString &t, int flags = Qt::AlignCenter)
{
    p.drawText(r, flags, t);
}

} // namespace

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
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), papier);
    p.scale(width() / double(largeur), height() / double(hauteur));

    // The ticket itself, with its margin.
    QPainterPath bord;
    bord.addRoundedRect(QRectF(120, 120, largeur - 240, hauteur - 240), 180, 180);
    p.fillPath(bord, rose);
    p.setPen(QPen(rouge, 30));
    p.drawPath(bord);

    QFont petit(QStringLiteral("DejaVu Sans"));
    petit.setPixelSize(150);
    QFont legende = petit;
    legende.setPixelSize(120);
    legende.setBold(true);

    p.setPen(QPen(rouge, 18));
    p.setBrush(Qt::white);

    // Eight rows of twenty horse boxes, one row per place in the bet.
    p.setFont(petit);
    for (int rang = 1; rang <= 8; ++rang) {
        const QPointF debut = ticket::position(rang, 0);
        texte(p, QRectF(debut.x() - 200, debut.y(), 480, ticket::hauteurcase),
              rang == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(rang));
        for (int n = 1; n <= 20; ++n) {
            const QRectF r = caseticket(rang, n);
            p.drawRect(r);
            texte(p, r, QString::number(n));
        }
    }

    // The three bet types, with their names above.
    const QString types[] = {QStringLiteral("TIERC\u00c9"), QStringLiteral("QUART\u00c9"), QStringLiteral("QUINT\u00c9")};
    for (std::size_t i = 0; i < ticket::casestype.size(); ++i) {
        const QRectF r = caseticket(ticket::casestype[i].rang, ticket::casestype[i].numero);
        p.drawRect(r);
        p.setFont(legende);
        texte(p, QRectF(r.center().x() - 420, r.top() - 330, 840, 300), types[i]);
    }

    // The seven stake boxes, in a row, and the all-orders box under the first.
    p.setFont(legende);
    const QPointF mise = ticket::position(ticket::casesmise[0].rang, ticket::casesmise[0].numero);
    texte(p, QRectF(mise.x(), mise.y() - 330, 7 * ticket::largeurcase, 300), QStringLiteral("NOMBRE DE FOIS"),
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setFont(petit);
    for (std::size_t i = 0; i < ticket::casesmise.size(); ++i) {
        const QRectF r = caseticket(ticket::casesmise[i].rang, ticket::casesmise[i].numero);
        p.drawRect(r);
        texte(p, r, QString::number(int(ticket::mises[i])));
    }
    const QRectF ordres = caseticket(ticket::casetouslesordres.rang, ticket::casetouslesordres.numero);
    p.drawRect(ordres);
    p.setFont(legende);
    texte(p, QRectF(ordres.right() + 80, ordres.top() - 60, 2400, ordres.height() + 120),
          QStringLiteral("DANS TOUS LES ORDRES"), Qt::AlignLeft | Qt::AlignVCenter);
}
