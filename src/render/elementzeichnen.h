// Elementzeichnen: the one renderer. drawElements paints a range of the
// store's elements onto any canvas for a zoom and an origin; the screen
// redraw, the drawing of a single new element, the overview and printing all
// call it with their own canvas and parameters.
//
// Per element, in store order: abort flag, progress, the visibility test
// (isDrawable), the drawn-on-screen flag, the drawer of its kind, and in the
// fast refresh mode the copy of the off-screen image to the window whenever
// more than (last − first) / 5 elements were drawn since the last copy (and
// once at the end). The canvas is left with a black one-pixel pen, a white
// brush and copy mode.
//
// Background pass: with "Flächen in Hintergrund" the interiors of filled
// closed elements and the fill elements (kind 39), with "Verläufe in
// Hintergrund" the gradients (kind 6), are drawn first, in store order, in one
// pass of their own; the main pass then draws everything else and only the
// outlines of those elements. Only the main pass counts for progress and
// copies.
#pragma once

#include <cstddef>
#include <cstdint>

#include "view/clip.h"
#include "render/zeichenkontext.h"
#include "store/elementart.h"
#include "platform/canvas.h"

namespace quarzel {

class Blockrahmen;
class Elementspeicher;

// The flag column of the store that carries the drawn-on-screen flag (column
// 0 belongs to the special add switch).
inline constexpr int kFlagspalteGezeichnet = 2;

// The window's side of a redraw. Every hook is optional.
class Zeichenbeobachter {
 public:
  virtual ~Zeichenbeobachter() = default;
  // 0..100; called only for long redraws and only when the value changes.
  virtual void fortschritt(int /*prozent*/) {}
  // Polled every few hundred elements (say, to look for Escape); true stops
  // the redraw like the abort flag.
  virtual bool abbrechen() { return false; }
  // The off-screen image is to be copied to the window now.
  virtual void insFenster() {}
};

// What a call needs beyond the geometry.
struct Zeichenumgebung {
  const Zeichnung& zeichnung;
  const Anzeigeschalter& schalter;
  const Darstellungswahl& darstellung;
  Schraffurbibliothek* schraffuren = nullptr;
  Zeichenbeobachter* beobachter = nullptr;
  // The window's abort flag: set (by a later event), the loop stops at the
  // next element.
  const bool* abbruch = nullptr;
  // Drawing into the window's image: the store whose drawn-on-screen flags
  // are set (the drawing's own store); nullptr for printers and exports.
  Elementspeicher* bildspeicher = nullptr;
  // The window's block boxes (kept across redraws): blocks of elements that
  // cannot reach the canvas are passed over without reading their records.
  // Elements passed over count as not drawn. nullptr reads every element.
  Blockrahmen* bloecke = nullptr;
  // The canvas is the off-screen image of the fast refresh mode.
  bool schnellerRefresh = false;
  // Printing above 300 dpi with the thin-line option.
  bool mindestbreite = false;
  // Bytes a texture may have on a printer driver that takes no larger ones
  // ("Texturen auf 64 KB begrenzen"); 0 is no limit.
  std::size_t texturgrenze = 0;
  // The values of project-data placeholders in texts; nullptr draws them as typed.
  const Textersetzung* textersetzung = nullptr;
};

// Draws elements first … last (clipped to the store's total count) onto the
// canvas: `zoom` millimetres per pixel, world point (originX, originY) at the
// top-left pixel, `scale` the drawing scale, `clip` the canvas's pixel
// rectangle. Returns the number of elements that passed the visibility test.
std::int32_t drawElements(Canvas& canvas, std::int32_t first, std::int32_t last, double scale, double zoom,
                          const Cliprechteck& clip, double originX, double originY, const Zeichenumgebung& umgebung);

// The stateless part of the visibility test of element n: alive, layer and
// sublayer visible, the display switch of its category on. Group culling and
// symbol contents are the loop's business (they depend on the brackets seen).
bool isDrawable(const Zeichenkontext& k, std::int32_t n);

}  // namespace quarzel
