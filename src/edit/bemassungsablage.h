// What the dimensioning tools write into the store: the records of one
// finished dimension (a chain gives several) as one undo step. The records
// take layer, sublayer and pen of the current settings; what was marked
// before is unmarked and the new dimensions are left marked.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <utility>

#include "store/datensaetze.h"
#include "styles/bemassungsstil.h"
#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;

// The kinds of dimension records (bemassungslayout.h reads them).
enum class Messart : std::uint8_t {
  Parallel = 0,
  Horizontal = 1,
  Vertikal = 2,
  Radius = 3,
  Durchmesser = 4,
  WinkelBogen = 5,
  WinkelSymbol = 6,
  Bogenlaenge = 7,
  Kote = 8,
  Gerichtet = 9,  // along a given direction
};

// A new record of the kind with the four points, styled by the dimension
// style (dialog "Bemaßung"); level marks take its "Koten" settings.
tmessdaten neueMessdaten(Messart art, const std::array<Weltpunkt, 4>& punkte, const Bemassungsstil& stil);

// Numbers of the first and last new record; {0, -1} when none was usable
// (no undo step then).
std::pair<std::int32_t, std::int32_t> legeBemassungenAb(Zeichnung& z, std::span<const tmessdaten> saetze);

}  // namespace quarzel
