// CadClip: Liang–Barsky against an axis-parallel frame.
#include "exchange/cadclip.h"

#include <algorithm>

namespace quarzel {

void CadRahmen::dazu(const CadPunkt2& p) {
  xmin = std::min(xmin, p.x);
  ymin = std::min(ymin, p.y);
  xmax = std::max(xmax, p.x);
  ymax = std::max(ymax, p.y);
}

bool linieKappen(const CadRahmen& r, CadPunkt2& a, CadPunkt2& b, double& t0, double& t1) {
  double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.xmin, r.xmax - a.x, a.y - r.ymin, r.ymax - a.y};
  t0 = 0;
  t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  CadPunkt2 start = a;
  if (t1 < 1) b = {start.x + dx * t1, start.y + dy * t1};
  if (t0 > 0) a = {start.x + dx * t0, start.y + dy * t0};
  return true;
}

}  // namespace quarzel
