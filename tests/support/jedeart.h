// One element of each kind, with fields that show on screen and in files:
// for the tests that run every kind through a feature.
#pragma once

#include <cstdint>

#include "store/elementspeicher.h"

namespace quarzel::test {

// Adds one element of kind `art` (a group end comes after two begins, so the
// brackets pair up) and returns its number.
std::int32_t legeElement(Elementspeicher& s, Elementart art);

}  // namespace quarzel::test
