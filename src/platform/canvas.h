// Canvas: the one drawing surface the core paints on. It knows pixels, pens,
// brushes and texts, nothing of elements. Implementations: QtCanvas (screen,
// image, printer, PDF, SVG) and the recording canvas of the tests.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

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

// A decoded picture: 8-bit RGBA, rows top to bottom, no padding.
struct Rasterbild {
  int breite = 0;
  int hoehe = 0;
  std::vector<std::uint8_t> rgba;  // breite * hoehe * 4 bytes
};

// Where a picture lands: the pixels its top-left, top-right and bottom-left
// corners go to. A parallelogram, so stretched, turned and mirrored pictures
// all take the same call.
struct Bildlage {
  Pixelpunkt obenLinks;
  Pixelpunkt obenRechts;
  Pixelpunkt untenLinks;
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
  // Separate straight segments, two points each (a trailing odd point is
  // ignored): runs of lines with one pen reach the device in one call, which
  // strokes them as one batch.
  virtual void strecken(std::span<const Pixelpunkt> paare);
  // A chain of cubic Bézier pieces: the start point, then per piece its two
  // control points and its end. Canvases that keep curves (see
  // kurvenErhalten) draw them as curves; the others get short chords.
  virtual void bezierzug(std::span<const Pixelpunkt> punkte);
  // Whether bezierzug stays a curve on this device (PDF, SVG, printers).
  // Where it does not, the renderer samples curves itself, as the screen
  // always has.
  virtual bool kurvenErhalten() const { return false; }
  // Draws whatever the canvas has held back for batching; called before the
  // device's result is looked at.
  virtual void abschliessen() {}
  // Filled with the brush and outlined with the pen.
  virtual void polygon(std::span<const Pixelpunkt> punkte) = 0;
  // The same area filled with the brush only, no outline: for outlines that
  // walk a seam there and back (a hole joined to its outline), whose pen
  // would show the seam. Canvases without the choice draw polygon().
  virtual void flaeche(std::span<const Pixelpunkt> punkte) { polygon(punkte); }
  virtual void rechteckFuellen(const Pixelrechteck& r, Farbe farbe) = 0;
  virtual void pixel(int x, int y, Farbe farbe) = 0;
  virtual void text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) = 0;
  // An image file's bytes (PNG or JPEG) stretched into the destination rectangle.
  virtual void bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) = 0;

  // A decoded picture mapped onto a parallelogram. Canvases that cannot show
  // pictures draw nothing.
  virtual void rasterbild(const Rasterbild& bild, const Bildlage& lage) {
    (void)bild;
    (void)lage;
  }
  // An SVG document played into a parallelogram (its view box fills it).
  // False when the canvas cannot play it; the caller then draws a placeholder.
  virtual bool vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) {
    (void)svg;
    (void)lage;
    return false;
  }
  // Advance width of a text in pixels, for aligning it. Without font metrics
  // an average glyph of 0.6 of the height is assumed.
  virtual double textbreite(std::string_view utf8, const Schriftangaben& schrift) const {
    std::size_t zeichen = 0;
    for (char c : utf8) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return 0.6 * schrift.hoehePixel * static_cast<double>(zeichen);
  }

  // Restricts drawing to a polygon until clipAufheben().
  virtual void setzeClip(std::span<const Pixelpunkt> polygon) = 0;
  virtual void clipAufheben() = 0;
};

}  // namespace quarzel
