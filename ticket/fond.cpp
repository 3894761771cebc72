#include "ticket/fond.h"

#include "ticket/geometrie.h"

#include <QPainter>
#include <QPainterPath>

namespace ticket {

namespace {

// A box drawn inside its cell, so that neighbouring cells keep a gap.
QRectF caseticket(float rang, float numero)
{
    const QPointF p = position(rang, numero);
    return {p.x() + 25, p.y() + 40, largeurcase - 50, hauteurcase - 80};
}

void texte(QPainter &p, const QRectF &r, const QString &t, int flags = Qt::AlignCenter)
{
    p.drawText(r, flags, t);
}

} // namespace

void dessinerticket(QPainter &p, const Teintes &teintes)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // The ticket itself, with its margin.
    QPainterPath bord;
    bord.addRoundedRect(QRectF(120, 120, largeurticket - 240, hauteurticket - 240), 180, 180);
    p.fillPath(bord, teintes.ticket);
    p.setPen(QPen(teintes.trait, 30));
    p.drawPath(bord);

    QFont petit(QStringLiteral("DejaVu Sans"));
    petit.setPixelSize(150);
    QFont legende = petit;
    legende.setPixelSize(120);
    legende.setBold(true);

    p.setPen(QPen(teintes.trait, 18));
    p.setBrush(teintes.cases);

    // Eight rows of twenty horse boxes, one row per place in the bet.
    p.setFont(petit);
    for (int rang = 1; rang <= 8; ++rang) {
        const QPointF debut = position(rang, 0);
        texte(p, QRectF(debut.x() - 200, debut.y(), 480, hauteurcase),
              rang == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(rang));
        for (int n = 1; n <= 20; ++n) {
            const QRectF r = caseticket(rang, n);
            p.drawRect(r);
            texte(p, r, QString::number(n));
        }
    }

    // The three bet types, with their names above.
    const QString types[] = {QStringLiteral("TIERC\u00c9"), QStringLiteral("QUART\u00c9"), QStringLiteral("QUINT\u00c9")};
    for (std::size_t i = 0; i < casestype.size(); ++i) {
        const QRectF r = caseticket(casestype[i].rang, casestype[i].numero);
        p.drawRect(r);
        p.setFont(legende);
        texte(p, QRectF(r.center().x() - 420, r.top() - 330, 840, 300), types[i]);
    }

    // The seven stake boxes, in a row, and the all-orders box under the first.
    p.setFont(legende);
    const QPointF mise = position(casesmise[0].rang, casesmise[0].numero);
    texte(p, QRectF(mise.x(), mise.y() - 330, 7 * largeurcase, 300), QStringLiteral("NOMBRE DE FOIS"),
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setFont(petit);
    for (std::size_t i = 0; i < casesmise.size(); ++i) {
        const QRectF r = caseticket(casesmise[i].rang, casesmise[i].numero);
        p.drawRect(r);
        texte(p, r, QString::number(int(mises[i])));
    }
    const QRectF ordres = caseticket(casetouslesordres.rang, casetouslesordres.numero);
    p.drawRect(ordres);
    p.setFont(legende);
    texte(p, QRectF(ordres.right() + 80, ordres.top() - 60, 2400, ordres.height() + 120),
          QStringLiteral("DANS TOUS LES ORDRES"), Qt::AlignLeft | Qt::AlignVCenter);
    p.restore();
}

} // namespace ticket
