#pragma once
// What the program checks before its first window: that the work directory exists and
// that no other KRN works in it.

#include "travail/verrou.h"

#include <memory>

namespace demarrage {

// The work directory taken for this program, held for the life of the object; nullptr
// once the user has been told why it cannot be (the program then ends).
std::unique_ptr<travail::Verrou> prendredossier();

} // namespace demarrage
