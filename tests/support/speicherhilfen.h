// Helpers for tests of the element store: an initialised store and short
// ways to add complete elements.
#pragma once

#include "platform/skriptbenutzer.h"
#include "store/elementspeicher.h"

namespace quarzel::test {

// Initialises the store; fails the test when that does not work.
void initialisiere(Elementspeicher& s);

// Adds a complete (alive, unmarked) line in a new undo step unless `schritt` is false.
std::int32_t linie(Elementspeicher& s, double x1, double y1, double x2, double y2, bool schritt = true);

// Adds a complete polygon from the given corners in the current step.
std::int32_t polygon(Elementspeicher& s, std::initializer_list<std::pair<double, double>> ecken);

// Adds a complete group bracket in the current step.
std::int32_t klammer(Elementspeicher& s, Elementart art);

}  // namespace quarzel::test
