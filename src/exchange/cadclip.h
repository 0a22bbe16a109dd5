// CadClip: the frame of a paper-space viewport, and cutting lines to it.
#pragma once

#include "exchange/cadtransformation.h"

namespace quarzel {

struct CadRahmen {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;

  bool trifft(const CadRahmen& box) const {
    return box.xmin <= xmax && box.xmax >= xmin && box.ymin <= ymax && box.ymax >= ymin;
  }
  bool enthaelt(const CadPunkt2& p) const { return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax; }
  void dazu(const CadPunkt2& p);
  static CadRahmen um(const CadPunkt2& p) { return {p.x, p.y, p.x, p.y}; }
};

// Cuts the segment a → b to the frame (Liang–Barsky); false when nothing of
// it is inside. The parameters of the kept part on a → b go to t0 and t1.
bool linieKappen(const CadRahmen& r, CadPunkt2& a, CadPunkt2& b, double& t0, double& t1);

// An arc from a to b that turns by `winkel` radians (counter-clockwise when
// positive), as a polyline bulge describes it.
struct CadBogen {
  CadPunkt2 mitte;
  double radius = 0, anfang = 0, winkel = 0;

  static CadBogen ausWoelbung(const CadPunkt2& a, const CadPunkt2& b, double woelbung);
  CadPunkt2 punkt(double t) const;  // t = 0 at a, 1 at b
};

// The parts of the arc inside the frame as pairs of parameters (t0, t1),
// in order; returns how many (at most 5) went to `teile`.
int bogenKappen(const CadRahmen& r, const CadBogen& bogen, double teile[5][2]);

}  // namespace quarzel
