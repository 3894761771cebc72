#pragma once
// Controls made the same way in every window: named after their name in the form,
// with their tooltip. A push button never becomes the default just by taking the focus.

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

inline QPushButton *bouton(QWidget *parent, const QString &nom, const QString &texte, const QString &bulle = {})
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setToolTip(bulle);
    b->setAutoDefault(false);
    return b;
}

inline QLabel *etiquette(QWidget *parent, const QString &nom, const QString &texte = {})
{
    auto *l = new QLabel(texte, parent);
    l->setObjectName(nom);
    return l;
}

// The face the windows' positions in twips are laid out for: a narrow 8-point sans serif.
inline QFont policeformulaire()
{
    QFont police;
    police.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                        QStringLiteral("Helvetica")});
    police.setStyleHint(QFont::SansSerif);
    police.setPointSize(8);
    return police;
}
