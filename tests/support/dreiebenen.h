// A drawing with three layers, for tests of everything that walks layers:
//
//   layer 1 "Ebene 1"    1:100  sublayer 1 "Unterebene 1"
//   layer 2 "Grundriss"  1:50   sublayers 1 "Wände", 2 "Möbel"
//   layer 3 "Details"    1:10   sublayer 1 "Unterebene 1"
//
// with one alive, unmarked line on each sublayer (all added in one undo
// step) and layer 1, sublayer 1 active. Each line runs from (10 e, 10 f) to
// (10 e + 10, 10 f) for layer e and sublayer f, so a test can tell them apart
// by their coordinates after renumbering.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"

namespace quarzel::test {

struct DreiEbenenLinien {
  std::int32_t e1 = 0;    // layer 1, sublayer 1
  std::int32_t e2f1 = 0;  // layer 2, sublayer 1
  std::int32_t e2f2 = 0;  // layer 2, sublayer 2
  std::int32_t e3 = 0;    // layer 3, sublayer 1
};

// Fills an empty drawing (its store is initialised here).
DreiEbenenLinien legeDreiEbenenAn(Zeichnung& z);

// Adds a complete, unmarked line on (ebene, folie) in the current undo step;
// the current attributes are left as they were.
std::int32_t linieAuf(Zeichnung& z, int ebene, int folie, double x1, double y1, double x2, double y2);

// The x1 of element n when it is a line: the tests' way to recognise a line.
double x1Von(const Zeichnung& z, std::int32_t n);

class DreiEbenen : public ::testing::Test {
 protected:
  void SetUp() override { linien = legeDreiEbenenAn(z); }

  Zeichnung z;
  SkriptBenutzer benutzer;
  DreiEbenenLinien linien;
};

}  // namespace quarzel::test
