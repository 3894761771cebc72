#pragma once
// The drawing of a blank PMU ticket, its boxes placed from the same geometry as the
// printed marks: the main window's background, and the faint ticket the preview shows
// behind the marks of a ticket page.

#include <QColor>

class QPainter;

namespace ticket {

// The picture is 1114 x 457 units at 150 units per inch, in twips.
inline constexpr int largeurticket = 1114 * 1440 / 150;
inline constexpr int hauteurticket = 457 * 1440 / 150;

struct Teintes
{
    QColor trait;       // the outline, the boxes and the writing
    QColor ticket;      // inside the outline
    QColor cases;       // inside the boxes
};

// The ticket drawn in twips from the painter's origin, the origin of the marks: boxes at
// their nominal place, without the printer's corrections.
void dessinerticket(QPainter &p, const Teintes &teintes);

} // namespace ticket
