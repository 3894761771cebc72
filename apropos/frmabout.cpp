#include "apropos/frmabout.h"

#include "apropos/registre.h"
#include "apropos/systeme.h"
#include "commun/dialogue.h"
#include "krn/version.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QtMath>
#include <QWindow>

namespace {

// The logo: a horseshoe over a strip of turf, with the cross that marks a ticket box.
QPixmap logo(int largeur, int hauteur)
{
    const qreal echelle = 2;   // drawn at twice the size so that it stays smooth on a HiDPI screen
    QPixmap image(QSize(largeur, hauteur) * echelle);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre(0.5, 0.5, largeur - 1, hauteur - 1);
    p.setPen(QPen(QColor(20, 80, 30), 1));
    p.setBrush(QColor(46, 139, 62));
    p.drawRoundedRect(cadre, 5, 5);

    // The horseshoe, opening downwards.
    const QRectF fer(largeur * 0.18, hauteur * 0.12, largeur * 0.64, hauteur * 0.62);
    QPen acier(QColor(225, 228, 232), largeur * 0.14, Qt::SolidLine, Qt::FlatCap);
    p.setPen(acier);
    p.setBrush(Qt::NoBrush);
    p.drawArc(fer, -30 * 16, 240 * 16);
    // Its nail holes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 139, 62));
    const QPointF centre = fer.center();
    for (int angle : {-10, 30, 150, 190}) {
        const qreal a = qDegreesToRadians(qreal(angle));
        const QPointF trou(centre.x() + fer.width() / 2 * qCos(a), centre.y() - fer.height() / 2 * qSin(a));
        p.drawEllipse(trou, 1.2, 1.2);
    }

    // The mark of a ticket box, bottom right.
    const QRectF caseticket(largeur * 0.56, hauteur * 0.70, largeur * 0.30, largeur * 0.30);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::white);
    p.drawRect(caseticket);
    p.setPen(QPen(QColor(200, 20, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(caseticket.topLeft() + QPointF(2, 2), caseticket.bottomRight() - QPointF(2, 2));
    p.drawLine(caseticket.topRight() + QPointF(-2, 2), caseticket.bottomLeft() + QPointF(2, -2));
    return image;
}

QFrame *ligne(QWidget *parent, const QString &nom, const QColor &couleur, int epaisseur, int haut, int largeur)
{
    auto *l = new QFrame(parent);
    l->setObjectName(nom);
    l->setFrameShape(QFrame::NoFrame);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, couleur);
    l->setPalette(p);
    l->setGeometry(0, Fenetre::px(haut), largeur, epaisseur);
    return l;
}

} // namespace

frmAbout &frmabout()
{
    return fenetres::instance<frmAbout>();
}

frmAbout::frmAbout() : Fenetre(QStringLiteral("frmAbout"))
{
    // A fixed dialog: a close box only, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    cliententwips(5280, 3270);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    placer(Picture1, 240, 240, 615, 735);
    Picture1->setPixmap(logo(Picture1->width(), Picture1->height()));

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont grand = lblTitle->font();
    grand.setPointSize(16);
    grand.setBold(true);
    lblTitle->setFont(grand);
    placer(lblTitle, 1080, 240, 3885, 480);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    placer(lblVersion, 1080, 780, 3885, 225);

    lblDescription = new QLabel(QStringLiteral("Écrit par un turfiste pour préparer et imprimer ses jeux PMU."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(lblDescription, 1050, 1125, 3885, 450);

    Line1[0] = ligne(this, QStringLiteral("Line1(0)"), Qt::white, 2, 1680, width());
    Line1[1] = ligne(this, QStringLiteral("Line1(1)"), QColor(128, 128, 128), 1, 2160, width());

    lblDisclaimer = new QLabel(QStringLiteral("Avertissement: verifier vos paris,ma responsabilité ne peut etre engagé"), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(lblDisclaimer, 120, 2280, 3495, 825);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    placer(cmdOK, 3840, 2280, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, [this] { fermer(); });

    cmdSysInfo = new QPushButton(QStringLiteral("info"), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    placer(cmdSysInfo, 3840, 2760, 1245, 345);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });

    boutondefaut(cmdOK);
    boutonannuler(cmdOK);
    setTabOrder(cmdOK, cmdSysInfo);
}

void frmAbout::chargement()
{
    setWindowTitle(QStringLiteral("À propos de ") + dialogue::titre);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(KRN_VERSION_MAJEURE).arg(KRN_VERSION_MINEURE).arg(KRN_VERSION_REVISION));
    lblTitle->setText(dialogue::titre);

    // Owned by the window it was opened from, so that it has no button of its own in the
    // task bar and stays in front of it.
    if (m_proprietaire && m_proprietaire->isVisible()) {
        winId();
        m_proprietaire->winId();
        if (windowHandle())
            windowHandle()->setTransientParent(m_proprietaire->windowHandle());
    }
    cmdOK->setFocus();
}

void frmAbout::StartSysInfo()
{
    const QString chemin = apropos::cheminsysinfo();
    if (!chemin.isEmpty() && apropos::actuel().demarrer(chemin))
        return;
    dialogue::message(this, QStringLiteral("Les informations système ne sont pas disponibles actuellement"),
                      dialogue::Icone::aucune, dialogue::Boutons::ok, dialogue::titre);
}

bool frmAbout::GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    return apropos::GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}
