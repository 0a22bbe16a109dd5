// What the construction tools write into the store: the lines of one
// finished construction as one undo step. The new lines take layer,
// sublayer, pen, style and colour of the current settings, or of the picked
// line when `vorlage` is given ("Eigenschaften übernehmen"); construction
// lines always keep the construction pen and colour, from a picked line
// they take only layer and sublayer. What was marked before is unmarked; the
// new lines are left marked, so the next command can take them.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "edit/zeichenfigur.h"
#include "platform/farbe.h"

namespace quarzel {

struct Zeichnung;
class Elementspeicher;

struct Konstruktionsablage {
  Farbe farbe = 0;  // the drawing colour, or the construction colour
  bool hilfslinie = false;
  // The picked line whose properties the new lines take; 0: the current ones.
  std::int32_t vorlage = 0;
};

// "Eigenschaften übernehmen": new element n takes layer and sublayer of
// element `vorlage` and, unless it is a construction line, its pen, line
// style and colour. Nothing for vorlage 0 or an element no longer alive.
void uebernimmEigenschaften(Elementspeicher& s, std::int32_t n, std::int32_t vorlage, bool hilfslinie);

// Numbers of the first and last new line; {0, -1} when nothing usable was
// given (no undo step then).
std::pair<std::int32_t, std::int32_t> legeKonstruktionAb(Zeichnung& z, std::span<const Figurlinie> linien,
                                                         const Konstruktionsablage& a);

}  // namespace quarzel
