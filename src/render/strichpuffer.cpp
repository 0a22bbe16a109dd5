#include "render/strichpuffer.h"

namespace quarzel {

void Strichpuffer::beendeZug(double richtungX, double richtungY) {
  if (zug_.empty()) return;
  if (zug_.size() == 1) zug_.push_back(zug_.front());
  if (zug_.size() == 2 && (richtungX != 0 || richtungY != 0)) {
    const Pixelpunkt a = zug_[0];
    Pixelpunkt& b = zug_[1];
    if (imSelbenPixel(a, b)) b = {a.x + richtungX, a.y + richtungY};
  }
  stueck(zug_);
  zug_.clear();
}

void Strichpuffer::zeichne(Canvas& canvas, Farbe fuellfarbe) {
  beendeZug();
  if (!laengen_.empty()) canvas.mehrfachPolylinie(punkte_, laengen_);
  if (!flaechenlaengen_.empty()) {
    canvas.setzePinsel(fuellfarbe);
    std::size_t anfang = 0;
    for (const int n : flaechenlaengen_) {
      canvas.polygon(std::span<const Pixelpunkt>(flaechenpunkte_).subspan(anfang, static_cast<std::size_t>(n)));
      anfang += static_cast<std::size_t>(n);
    }
  }
  leeren();
}

}  // namespace quarzel
