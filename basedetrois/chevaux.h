#pragma once
// The twenty horse buttons "Command1(1)" … "Command1(20)" of the base method's windows,
// two rows of ten from (240, 600) twips. A click does not take the focus, so that Enter
// after a click still presses the window's default button; Tab reaches them.

#include "commun/controles.h"
#include "commun/fenetre.h"

#include <QPushButton>

#include <array>
#include <functional>

namespace basedetrois {

inline std::array<QPushButton *, 21> boutonschevaux(Fenetre *fenetre, const std::function<void(qint16)> &choisir)
{
    std::array<QPushButton *, 21> boutons{};
    for (int i = 1; i <= 20; ++i) {
        QPushButton *b = bouton(fenetre, QStringLiteral("Command1(%1)").arg(i), QString::number(i));
        b->setAccessibleName(QStringLiteral("cheval %1").arg(i));
        b->setFocusPolicy(Qt::TabFocus);
        Fenetre::placer(b, 240 + 600 * ((i - 1) % 10), 600 + 600 * ((i - 1) / 10), 615, 615);
        QObject::connect(b, &QPushButton::clicked, fenetre, [choisir, i] { choisir(static_cast<qint16>(i)); });
        boutons[i] = b;
    }
    return boutons;
}

} // namespace basedetrois
