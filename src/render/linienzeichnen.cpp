// Lines and wall lines (second flavour): the styled segment, then both end
// decorations; marker points as their marker symbol.
#include <algorithm>

#include "render/formzeichnen.h"
#include "render/linienenden.h"
#include "render/linienstilzeichnen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Decorations reach at most 2 L = 4 × the pen's width × 2 beyond the line;
// this margin keeps them when only they reach into the canvas.
Cliprechteck erweitert(const Cliprechteck& r, double rand) {
  return {r.links - rand, r.oben - rand, r.rechts + rand, r.unten + rand};
}

}  // namespace

void zeichneLinienelement(Zeichenkontext& k, std::int32_t n) {
  const Tliniendaten& d = k.zeichnung.speicher.linie(n);
  const Pixelpunkt a = k.lauf.nachPixel(d.x1, d.y1);
  if (d.anfang >= 21 && d.anfang <= 29) {
    if (!cursorclip(erweitert(k.clip, 32), a.x, a.y)) return;
    const double groesse = std::max(4, 3 * k.lauf.penPixelWidth(d.stift));
    zeichneMarker(k.canvas, a, d.anfang - 20, std::min(groesse, 64.0), k.elementfarbe(n, d.farbe));
    return;
  }
  const Pixelpunkt e = k.lauf.nachPixel(d.x2, d.y2);
  const bool verziert = d.anfang != 0 || d.ende != 0;
  const double rand = verziert ? 8.0 * std::max(2, 2 * k.lauf.penPixelWidth(d.stift)) : 0.0;
  // Most lines of a zoomed-in view end here, before any colour is looked up.
  if (!clip(verziert ? erweitert(k.clip, rand) : k.clip, a.x, a.y, e.x, e.y)) return;
  const Farbe farbe = k.elementfarbe(n, d.farbe);
  drawStyledSegment(k.canvas, k.lauf, d.stift, farbe, k.linienstil(d.linienstil), a.x, a.y, e.x, e.y);
  if (verziert) zeichneLinienenden(k, a, e, d.anfang, d.ende, d.stift, farbe);
}

}  // namespace quarzel
