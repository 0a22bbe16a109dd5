// The rulers above and left of the drawing area (`linealzeichnen`): tick
// steps that stay readable at every zoom, their positions along the area and
// their labels, in metric units, decimal imperial units or imperial fractions.
// A ruler counts from the zero point, the vertical one upward; in model mode
// every step is divided by the drawing scale, so it counts model units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/ansicht.h"
#include "platform/canvas.h"

namespace quarzel {

enum class Strichart : std::uint8_t { Klein, Mittel, Gross };

struct Linealstrich {
  double position = 0;  // pixel along the area (x for the horizontal ruler, y for the vertical)
  Strichart art = Strichart::Klein;
  std::string beschriftung;  // only major ticks carry a label
};

struct Linealschritte {
  double kleinPixel = 0;  // the minor step in pixels; 0 when no ruler can be divided
  int mittelJe = 5;       // minor steps per middle tick
  int grossJe = 10;       // minor steps per major tick
  // Decimal labels: drawing units per major tick.
  double grossWert = 0;
  // Fraction labels: a major tick is bruchZaehler / bruchNenner of a unit.
  bool bruch = false;
  std::int64_t bruchZaehler = 0;
  static constexpr std::int64_t bruchNenner = 2048;
};

// Millimetres per unit the ruler uses for an imperial unit code (not the
// coordinate factor: its mile is 1609000 mm); 0 for metric codes.
double linealMmProEinheit(int unitCode);

Linealschritte linealschritte(const Ansicht& ansicht, bool modell);

// The ticks of a ruler `laengePixel` long, from pixel 0 of the area on.
std::vector<Linealstrich> linealteilung(const Ansicht& ansicht, bool waagerecht, int laengePixel, bool modell);

// The label of major tick number k (k major steps from the zero point, |k| < 10^15).
std::string linealbeschriftung(const Linealschritte& schritte, std::int64_t k);

// Draws a ruler onto its own strip canvas. The strip's pixel `versatz` (along
// the ruler) lies at the area's pixel 0; ticks grow from the edge facing the area.
void linealzeichnen(Canvas& canvas, const Ansicht& ansicht, bool waagerecht, bool modell, int versatz = 0);

}  // namespace quarzel
