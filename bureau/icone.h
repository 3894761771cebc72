#pragma once
// The program's icon, drawn once in krn.svg: the same picture on every window, in the
// desktop menu and on krn.exe.

#include <QIcon>

namespace bureau {

// The icon at every size it is drawn in (16, 32, 48 and 256 pixels).
QIcon icone();

} // namespace bureau
