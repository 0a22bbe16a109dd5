#include "edit/fangmarker.h"

#include <initializer_list>

namespace quarzel {

namespace {

Farbe komplement(Farbe f) {
  return rgb(255 - rotAnteil(f), 255 - gruenAnteil(f), 255 - blauAnteil(f));
}

}  // namespace

bool Fangmarker::zeigtSymbol(const Fangergebnis& e) {
  return !e.abgebrochen && !e.abgewiesen && (e.gefangen || e.art == Fangart::Lineal) && e.art != Fangart::Keine;
}

void Fangmarker::zeige(Canvas& canvas, const Fangergebnis& ergebnis) {
  const bool neu = zeigtSymbol(ergebnis);
  if (sichtbar_ && neu && ergebnis.art == art_ && ergebnis.x == x_ && ergebnis.y == y_) return;
  verberge(canvas);
  if (!neu) return;
  art_ = ergebnis.art;
  x_ = ergebnis.x;
  y_ = ergebnis.y;
  zeichne(canvas, art_, x_, y_);
  sichtbar_ = true;
}

void Fangmarker::verberge(Canvas& canvas) {
  if (!sichtbar_) return;
  zeichne(canvas, art_, x_, y_);
  sichtbar_ = false;
}

void Fangmarker::zeichne(Canvas& canvas, Fangart art, double x, double y) const {
  canvas.setzeStiftmodus(Stiftmodus::Xor);
  zeichneSymbol(canvas, art, x, y, komplement(farbe_));
  canvas.setzeStiftmodus(Stiftmodus::Kopieren);
}

void Fangmarker::zeichneSymbol(Canvas& canvas, Fangart art, double x, double y, Farbe farbe) {
  const double h = kHalbeGroesse;
  canvas.setzeStift(farbe, 1);
  canvas.setzePinsel(rgb(0, 0, 0), true);
  auto zug = [&](std::initializer_list<Pixelpunkt> p) {
    canvas.polylinie(std::span<const Pixelpunkt>(p.begin(), p.size()));
  };
  // In XOR, where strokes cross a pixel is XORed twice and stays
  // paper-coloured; that leaves the exact point visible in the middle.
  switch (art) {
    case Fangart::Endpunkt:
      zug({{x - h, y - h}, {x + h, y - h}, {x + h, y + h}, {x - h, y + h}, {x - h, y - h}});
      break;
    case Fangart::Mittelpunkt:
      zug({{x, y - h}, {x + h, y + h}, {x - h, y + h}, {x, y - h}});
      break;
    case Fangart::Quadrantenpunkt:
      zug({{x, y - h}, {x + h, y}, {x, y + h}, {x - h, y}, {x, y - h}});
      break;
    case Fangart::Schnittpunkt:
      zug({{x - h, y - h}, {x + h, y + h}});
      zug({{x + h, y - h}, {x - h, y + h}});
      break;
    case Fangart::Kante:
      // The perpendicular sign: a base line with an upright in its middle.
      zug({{x - h, y + h}, {x + h, y + h}});
      zug({{x, y + h - 1}, {x, y - h}});
      break;
    case Fangart::Rasterpunkt:
      zug({{x - h, y}, {x + h, y}});
      zug({{x, y - h}, {x, y + h}});
      break;
    case Fangart::Lineal:
      zug({{x - h, y - h}, {x - h, y + h}});
      zug({{x + h, y - h}, {x + h, y + h}});
      break;
    case Fangart::Keine:
      break;
  }
}

}  // namespace quarzel
