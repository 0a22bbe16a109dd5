// Helpers shared by the tests of pens and line styles: a run over fresh pen
// and style tables on a recording canvas, and measures of what was drawn.
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "render/linienstilzeichnen.h"
#include "render/zeichenlauf.h"
#include "styles/linienstile.h"
#include "styles/stifte.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel::test {

inline double abstand(Pixelpunkt a, Pixelpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// Length of a polyline.
inline double laenge(const std::vector<Pixelpunkt>& p) {
  double l = 0;
  for (std::size_t i = 1; i < p.size(); ++i) l += abstand(p[i - 1], p[i]);
  return l;
}

struct Linienbild {
  Stifttabelle stifte;
  Linienstiltabelle stile;
  Laufparameter parameter;
  Aufzeichnungscanvas canvas{2000, 2000};
  std::unique_ptr<Zeichenlauf> lauf;

  explicit Linienbild(double zoom = 0.1) {
    parameter.zoom = zoom;
    neu();
  }
  // The run points into the tables of this object.
  Linienbild(const Linienbild&) = delete;
  Linienbild& operator=(const Linienbild&) = delete;
  // Creates the run anew after the tables or parameters were changed.
  Zeichenlauf& neu() {
    lauf = std::make_unique<Zeichenlauf>(stifte, stile, parameter);
    return *lauf;
  }
  void segment(int pen, int style, double x1, double y1, double x2, double y2, Farbe farbe = 0) {
    drawStyledSegment(canvas, *lauf, pen, farbe, style, x1, y1, x2, y2);
  }
  void polylinie(int pen, int style, const std::vector<Pixelpunkt>& p, Farbe farbe = 0) {
    drawStyledPolyline(canvas, *lauf, pen, farbe, style, p);
  }
  // The pieces of the one multi-polyline call that must have been made.
  const std::vector<std::vector<Pixelpunkt>>& stuecke() const {
    static const std::vector<std::vector<Pixelpunkt>> leer;
    return canvas.mehrfachlinien.empty() ? leer : canvas.mehrfachlinien.back().zuege;
  }
};

}  // namespace quarzel::test
