// Zeichenlauf: the state of one call of the draw routine (a full redraw, one
// element, the overview, one printed page): zoom and origin of the output,
// the pens' pixel widths for that zoom, the display and print switches that
// decide line widths, and the scratch buffer of the styled-segment routine.
//
// The renderer creates one at the start of a redraw and hands it to every
// styled segment; printing creates its own with the printer's zoom.
#pragma once

#include <array>

#include "styles/linienstile.h"
#include "styles/stifte.h"
#include "render/strichpuffer.h"
#include "platform/canvas.h"

namespace quarzel {

struct Laufparameter {
  double zoom = 1;            // millimetres per output pixel
  double drawingScale = 100;  // n of 1 : n, for the model-scale pens
  double originX = 0;         // world point at the canvas's top-left pixel
  double originY = 0;
  bool echteBreiten = true;    // the true-width display ("Stiftbrei&ten && Farben")
  bool mindestbreite = false;  // printing above 300 dpi with the thin-line option
};

class Zeichenlauf {
 public:
  // Widest pixel width a pen gets, so a model-scale pen at the finest zoom
  // cannot ask the platform for a pen kilometres wide.
  static constexpr int kGroesstePixelbreite = 10000;
  // Pixel widths of the special pens while drawing.
  static constexpr int kBreiteStift98 = 3;
  static constexpr int kBreiteStift99Komplex = 1;
  static constexpr int kBreiteStift99 = 2;
  // The minimum-width print mode draws nothing thinner than this.
  static constexpr int kMindestbreite = 3;

  // Keeps references to both tables; they must outlive the run.
  Zeichenlauf(const Stifttabelle& stifte, const Linienstiltabelle& stile, const Laufparameter& parameter);

  // Fills penPixelWidth for a zoom (millimetres per pixel) and makes it the
  // run's zoom: pen 0 one pixel (three in the minimum-width mode), the others
  // their width over the zoom, model-scale pens over scale and zoom, rounded
  // to the nearest pixel. A zoom that is not a positive number counts as 1.
  void computePenPixelWidths(double zoom);

  const Laufparameter& parameter() const { return p_; }
  double zoom() const { return p_.zoom; }
  const Stifttabelle& stifte() const { return *stifte_; }
  const Linienstiltabelle& stile() const { return *stile_; }

  // The pen's pixel width as computed for this zoom (true width).
  int penPixelWidth(int pen) const;
  // The width a line of this pen and style is drawn with: pen 98 three
  // pixels, pen 99 one for complex patterns and two otherwise, cosmetic styles
  // one, others their penPixelWidth with the true-width display on and one
  // pixel with it off; never under one.
  int stiftbreitePixel(int pen, int style) const;
  // The same with the true-width display taken as on: the measure of symbol
  // sections and special lines, so their shape does not change with the switch.
  int musterbreitePixel(int pen, int style) const;

  // World millimetres to pixels of this run's canvas.
  Pixelpunkt nachPixel(double x, double y) const { return {(x - p_.originX) / p_.zoom, (y - p_.originY) / p_.zoom}; }

  // Scratch space of the styled-segment routine.
  Strichpuffer& puffer() { return puffer_; }

 private:
  int breite(int pen, int style, bool echt) const;

  const Stifttabelle* stifte_;
  const Linienstiltabelle* stile_;
  Laufparameter p_;
  std::array<int, 256> penPixelWidth_{};
  Strichpuffer puffer_;
};

}  // namespace quarzel
