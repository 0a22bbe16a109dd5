#include "view/blattdarstellung.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "view/raster.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace {

const Farbe schwarz = rgb(0, 0, 0);
const Farbe weiss = rgb(255, 255, 255);

// The sheet's pixel rectangle, its edges pulled to just outside the canvas so
// that a sheet far larger than the screen still gives small integer coordinates.
struct Blattpixel {
  double links, oben, rechts, unten;
};

Blattpixel blattpixel(const Canvas& canvas, const Ansicht& a) {
  const Pixelpunkt lo = a.worldToPixel(a.sheetLeft, a.sheetTop);
  const Pixelpunkt ru =
      a.worldToPixel(static_cast<double>(a.sheetLeft) + a.sheetWidth, static_cast<double>(a.sheetTop) + a.sheetHeight);
  auto x = [&](double v) { return std::clamp(Ansicht::nearest(v), -2.0, canvas.breite() + 2.0); };
  auto y = [&](double v) { return std::clamp(Ansicht::nearest(v), -2.0, canvas.hoehe() + 2.0); };
  return {x(lo.x), y(lo.y), x(ru.x), y(ru.y)};
}

}  // namespace

void rahmenzeichnen(Canvas& canvas, const Ansicht& ansicht) {
  const Blattpixel b = blattpixel(canvas, ansicht);
  if (std::isnan(b.links) || std::isnan(b.oben) || std::isnan(b.rechts) || std::isnan(b.unten)) return;
  const std::array<Pixelpunkt, 5> rahmen{
      {{b.links, b.oben}, {b.rechts, b.oben}, {b.rechts, b.unten}, {b.links, b.unten}, {b.links, b.oben}}};
  canvas.setzeStift(schwarz, 1);
  canvas.polylinie(rahmen);
}

void zeichneBlattansicht(Canvas& canvas, const Ansicht& ansicht, bool rasterSichtbar) {
  canvas.setzeStiftmodus(Stiftmodus::Kopieren);
  const Pixelrechteck alles{0, 0, canvas.breite(), canvas.hoehe()};
  if (ansicht.layoutView) {
    canvas.setzeStift(blattUmgebungFarbe, 1);
    canvas.setzePinsel(blattUmgebungFarbe);
    canvas.rechteckFuellen(alles, blattUmgebungFarbe);
    const Blattpixel b = blattpixel(canvas, ansicht);
    if (b.rechts > b.links && b.unten > b.oben) {
      const Pixelrechteck blatt{static_cast<int>(b.links), static_cast<int>(b.oben),
                                static_cast<int>(b.rechts - b.links), static_cast<int>(b.unten - b.oben)};
      canvas.rechteckFuellen(blatt, weiss);
    }
  } else {
    canvas.rechteckFuellen(alles, weiss);
  }
  canvas.setzePinsel(weiss);
  rahmenzeichnen(canvas, ansicht);
  if (rasterSichtbar) rasterzeichnen(canvas, ansicht);
  canvas.setzeStift(schwarz, 1);
}

std::string blattStatustext(std::string_view blattname, std::int32_t breite, std::int32_t hoehe) {
  return std::string(blattname) + "  " + std::to_string(breite) + "*" + std::to_string(hoehe) + " mm";
}

std::string blattStatustext(std::string_view blattname, const Ansicht& ansicht) {
  return blattStatustext(blattname, ansicht.sheetWidth, ansicht.sheetHeight);
}

std::string massstabStatustext(double drawingScale) {
  return "M 1:" + schreibeZahl(drawingScale);
}

}  // namespace quarzel
