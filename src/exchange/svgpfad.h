// The outline of an SVG shape in user units: subpaths of straight, cubic and
// elliptic-arc segments, and the parser of path data ("d") that builds it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quarzel {

struct SvgSegment {
  enum class Art : unsigned char { Linie, Kubisch, Bogen };
  Art art = Art::Linie;
  double x = 0, y = 0;                    // the end point
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // cubic: the control points
  // Arc: centre, radii, the axis's angle and the parameter span, in radians.
  double cx = 0, cy = 0, rx = 0, ry = 0, phi = 0, t1 = 0, dt = 0;
};

struct SvgTeilpfad {
  double x0 = 0, y0 = 0;
  std::size_t erstes = 0, anzahl = 0;  // into SvgPfad::segmente
  bool zu = false;
};

class SvgPfad {
 public:
  void bewege(double x, double y);
  void linie(double x, double y);
  void kubisch(double x1, double y1, double x2, double y2, double x, double y);
  // An arc to (x, y) as the path data gives it; a line when a radius is 0.
  void bogen(double rx, double ry, double phiGrad, bool gross, bool positiv, double x, double y);
  // A whole ellipse as one closed subpath.
  void ellipse(double cx, double cy, double rx, double ry);
  void schliesse();
  void leeren();

  double x() const { return x_; }
  double y() const { return y_; }

  std::vector<SvgTeilpfad> teile;
  std::vector<SvgSegment> segmente;

 private:
  void segment(const SvgSegment& s);
  double x_ = 0, y_ = 0;
  bool offen_ = false;
};

// Reads path data into `p` up to the first fault, as viewers draw it.
// False when there was a fault.
bool svgPfadLesen(std::string_view d, SvgPfad& p);

}  // namespace quarzel
