// Formzeichnen: the drawers of the geometric kinds, called by drawElements
// after the visibility test. Each reads element n's record, turns it into
// output pixels with the run's zoom and origin and paints through the
// context's canvas; none changes the drawing.
#pragma once

#include <cstdint>
#include <span>

#include "render/zeichenkontext.h"
#include "store/datensaetze.h"

namespace quarzel {

// Which part of a closed element a pass draws: everything, only the interior
// (the background pass), or everything but the interior (the main pass after
// a background pass).
enum class Zeichenteil : std::uint8_t { Alles, NurFlaeche, OhneFlaeche };

// Lines and wall lines of the second flavour, with their end decorations;
// marker points as their marker symbol.
void zeichneLinienelement(Zeichenkontext& k, std::int32_t n);
// The marker symbol of a marker point (start code 21..29) at p.
void zeichneMarker(Canvas& canvas, Pixelpunkt p, int form, double groesse, Farbe farbe);
// A small circle of line ends and markers (a 24-gon), outlined or filled.
void kleinerKreis(Canvas& c, Pixelpunkt m, double r, bool gefuellt);
// Arcs, circles and ellipses with their fill and centre mark.
void zeichneBogenelement(Zeichenkontext& k, std::int32_t n, Zeichenteil teil);
// Polygons, splines and Bézier curves with their fill.
void zeichneKurvenelement(Zeichenkontext& k, std::int32_t n, Zeichenteil teil);

// Outline and interior of a figure whose outline is already in pixels.
struct Umrissstil {
  int stift = 0;
  int linienstil = 1;
  Farbe farbe = 0;  // outline and hatch lines (the marking colour when marked)
};
// Draws the interior when `fuellung` says filled and the switches allow it
// (solid colour, hatch or texture), then the outline, closed when
// `geschlossen` or filled. With "&Flächen" off, a filled element shows its
// outline only when "Objektränder anzeigen" is chosen.
void zeichneUmrissUndFlaeche(Zeichenkontext& k, std::int32_t n, std::span<const Pixelpunkt> umriss, bool geschlossen,
                             const Fuellangaben* fuellung, const Umrissstil& stil, Zeichenteil teil);

// How a filled element's interior is painted.
enum class Fuellart : std::uint8_t { Vollfarbe, Schraffur, Textur };
// fuellflag 2 is a texture (fuellwert its number); fuellflag 1 or a hatch name
// is a hatch; anything else the solid colour fuellwert.
Fuellart fuellart(const Fuellangaben& f);

}  // namespace quarzel
