// "Teilstück aus einer Linie bearbeiten" (126) and "Kreisausschnitt
// bearbeiten" (127): the piece of a line or of an arc, circle or ellipse
// between the two crossings with other elements nearest the click (or a
// crossing and the element's end) is deleted or made an element of its own.
//
//   Löschen   the piece goes; a line becomes up to two lines, an arc up to
//             two arcs, a full circle the arc that is left.
//   Ändern    the element is split at the crossings; the piece, left marked
//             alone, takes the current pen, line style and colour (the other
//             pieces keep the element's).
// The crossings are found through the snap search's spatial index when given.
// One undo step; a German sentence and no change when there is no piece.
#pragma once

#include <cstdint>
#include <string>

#include "platform/farbe.h"
#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;
class Fangindex;

enum class Teilstueckmodus : std::uint8_t { Loeschen, Aendern };

// What "Ändern" gives the piece.
struct Stueckstil {
  std::uint8_t stift = 1;
  std::int16_t linienstil = 1;
  Farbe farbe = 0;
};

std::string bearbeiteLinienstueck(Zeichnung& z, std::int32_t n, Weltpunkt k, const Fangindex* index,
                                  Teilstueckmodus modus, const Stueckstil& stil);
std::string bearbeiteKreisstueck(Zeichnung& z, std::int32_t n, Weltpunkt k, const Fangindex* index,
                                 Teilstueckmodus modus, const Stueckstil& stil);

}  // namespace quarzel
