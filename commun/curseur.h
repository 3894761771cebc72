#pragma once
// The screen-wide pointer: one hourglass that a menu command sets and the window it
// opens puts back to normal at the end of its load.

namespace curseur {

void sablier();
void normal();
bool ensablier();

// Sets the hourglass for the life of the object, then the normal pointer.
struct Sablier
{
    Sablier() { sablier(); }
    ~Sablier() { normal(); }
    Sablier(const Sablier &) = delete;
    Sablier &operator=(const Sablier &) = delete;
};

} // namespace curseur
