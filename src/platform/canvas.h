// Canvas: the one drawing surface the core paints on. It knows pixels, pens,
// brushes and texts, nothing of elements. Implementations: QtCanvas (screen,
// image, printer, PDF, SVG) and the recording canvas of the tests.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/farbe.h"

namespace quarzel {

struct Pixelpunkt {
  double x = 0;
  double y = 0;
};

// How the pen combines with what is already there. Xor makes rubber bands
// erasable by drawing them a second time.
enum class Stiftmodus : std::uint8_t { Kopieren, Xor, Weiss };

// Cosmetic pen styles (always one pixel wide when not solid).
enum class Stiftart : std::uint8_t { Durchgezogen, Gestrichelt, Gepunktet, StrichPunkt, StrichPunktPunkt };

struct Schriftangaben {
  std::string_view name = "DejaVu Sans";
  double hoehePixel = 12;  // cap-to-descender height in pixels
  double winkelGrad = 0;   // counter-clockwise
  bool fett = false;
  bool kursiv = false;
  bool unterstrichen = false;
};

struct Pixelrechteck {
  int links = 0;
  int oben = 0;
  int breite = 0;
  int hoehe = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int breite() const = 0;
  virtual int hoehe() const = 0;

  virtual void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) = 0;
  // keinPinsel: polygons are only outlined.
  virtual void setzePinsel(Farbe farbe, bool keinPinsel = false) = 0;
  virtual void setzeStiftmodus(Stiftmodus modus) = 0;

  virtual void polylinie(std::span<const Pixelpunkt> punkte) = 0;
  // Several separate polylines in one call; laengen holds each one's point count.
  virtual void mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) = 0;
  // Filled with the brush and outlined with the pen.
  virtual void polygon(std::span<const Pixelpunkt> punkte) = 0;
  virtual void rechteckFuellen(const Pixelrechteck& r, Farbe farbe) = 0;
  virtual void pixel(int x, int y, Farbe farbe) = 0;
  virtual void text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) = 0;
  // An image file's bytes (PNG or JPEG) stretched into the destination rectangle.
  virtual void bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) = 0;

  // Restricts drawing to a polygon until clipAufheben().
  virtual void setzeClip(std::span<const Pixelpunkt> polygon) = 0;
  virtual void clipAufheben() = 0;
};

}  // namespace quarzel
