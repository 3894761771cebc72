#pragma once
// Where the boxes of a PMU ticket stand, in twips (1/1440 inch) from the top-left
// corner of the printable area. A box is addressed by a row and a column; the horses
// fill rows 1 to 8 and columns 1 to 20, the other boxes sit at negative columns.

#include "travail/jeu.h"

#include <QPointF>
#include <QString>

#include <array>

namespace ticket {

inline constexpr float largeurcase = 285;
inline constexpr float hauteurcase = 362;

// Where the mark of box (rang, numero) is drawn, with the corrections applied;
// computed in single precision.
inline QPointF position(float rang, float numero, float v = 0, float h = 0)
{
    const float x = numero * 285.0f + 4485.0f + h;
    const float y = rang * 362.0f + 727.0f + v;
    return {x, y};
}

struct Case
{
    float rang;
    float numero;
};

// The boxes of the bet types, in the order tiercé, quarté, quinté.
inline constexpr std::array<Case, 3> casestype = {{{4, -9.5f}, {4, -6.55f}, {4, -3.6f}}};
// The stake boxes of the multipliers 1, 2, 3, 4, 5, 10, 20 (travail::mises).
using travail::mises;
inline constexpr std::array<Case, 7> casesmise = {
    {{7, -12.55f}, {7, -11.55f}, {7, -10.55f}, {7, -9.55f}, {7, -8.55f}, {7, -7.55f}, {7, -6.55f}}};
// The box "dans tous les ordres".
inline constexpr Case casetouslesordres = {8, -12.55f};

} // namespace ticket
