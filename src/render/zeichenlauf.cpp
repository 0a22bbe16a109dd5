#include "render/zeichenlauf.h"

#include <algorithm>
#include <cmath>

#include "view/ansicht.h"

namespace quarzel {

Zeichenlauf::Zeichenlauf(const Stifttabelle& stifte, const Linienstiltabelle& stile, const Laufparameter& parameter)
    : stifte_(&stifte), stile_(&stile), p_(parameter) {
  computePenPixelWidths(p_.zoom);
}

void Zeichenlauf::computePenPixelWidths(double zoom) {
  p_.zoom = std::isfinite(zoom) && zoom > 0 ? zoom : 1.0;
  for (int pen = 0; pen < 256; ++pen) {
    double px = 1;
    if (pen != 0) {
      const double mm = stifte_->blattbreite(pen, p_.drawingScale);
      px = std::isfinite(mm) && mm > 0 ? Ansicht::nearest(std::min(mm / p_.zoom, double(kGroesstePixelbreite))) : 0;
    }
    int breite = static_cast<int>(px);
    if (p_.mindestbreite) breite = std::max(breite, kMindestbreite);
    penPixelWidth_[static_cast<std::size_t>(pen)] = breite;
  }
}

int Zeichenlauf::penPixelWidth(int pen) const {
  return pen >= 0 && pen < 256 ? penPixelWidth_[static_cast<std::size_t>(pen)] : 1;
}

int Zeichenlauf::breite(int pen, int style, bool echt) const {
  int b;
  if (pen == Stifttabelle::DickerSonderstift) {
    b = kBreiteStift98;
  } else if (pen == Stifttabelle::DuennerSonderstift) {
    b = istKomplexerStil(style) ? kBreiteStift99Komplex : kBreiteStift99;
  } else if (linienstilfamilie(style) == Linienstilfamilie::Kosmetisch) {
    b = 1;
  } else {
    b = echt ? penPixelWidth(pen) : 1;
  }
  return std::max(b, 1);
}

int Zeichenlauf::stiftbreitePixel(int pen, int style) const {
  return breite(pen, style, p_.echteBreiten);
}
int Zeichenlauf::musterbreitePixel(int pen, int style) const {
  return breite(pen, style, true);
}

}  // namespace quarzel
