#include "styles/stifte.h"

#include <cmath>

#include "settings/einstellungen_anzeige.h"

namespace quarzel {

namespace {
constexpr Farbe kRgbMaske = 0xFFFFFF;
}

double Stifttabelle::blattbreite(int pen, double drawingScale) const {
  if (pen < 0 || pen > 255) return 0;
  const double b = penWidth[static_cast<std::size_t>(pen)];
  if (!istModellstift(pen)) return b;
  // A scale of 0 or less would make the pen infinitely wide; read it as 1:1.
  return std::isfinite(drawingScale) && drawingScale > 0 ? b / drawingScale : b;
}

void Stifttabelle::uebernimm(const einstellung::Stiftbreiten& e) {
  penWidth[0] = 0;
  for (int n = 1; n <= Benutzerstifte; ++n) {
    const double b = e.breite[static_cast<std::size_t>(n)];
    penWidth[static_cast<std::size_t>(n)] = std::isfinite(b) && b >= 0 && b <= GroessteBreite ? b : 1.0;
  }
  for (std::size_t n = 0; n < penColour.size(); ++n) penColour[n] = e.farbe[n] & kRgbMaske;
  setzeNormbreiten(e.normbreite);
}

einstellung::Stiftbreiten Stifttabelle::alsEinstellung() const {
  einstellung::Stiftbreiten e;
  e.normbreite = penNormWidths;
  e.breite[0] = 0;
  for (int n = 1; n <= Benutzerstifte; ++n)
    e.breite[static_cast<std::size_t>(n)] = penWidth[static_cast<std::size_t>(n)];
  for (std::size_t n = 0; n < penColour.size(); ++n) e.farbe[n] = penColour[n] & kRgbMaske;
  return e;
}

void Stifttabelle::setzeNormbreiten(bool an) {
  penNormWidths = an;
  if (!an) return;
  for (std::size_t i = 0; i < Normbreiten.size(); ++i) penWidth[i + 1] = Normbreiten[i];
}

void schreibeStifte(const Stifttabelle& stifte, IniDatei& ini) {
  stifte.alsEinstellung().schreibe(ini);
}

}  // namespace quarzel
