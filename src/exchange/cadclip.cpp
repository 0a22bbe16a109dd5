// CadClip: Liang–Barsky against an axis-parallel frame.
#include "exchange/cadclip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

CadBogen CadBogen::ausWoelbung(const CadPunkt2& a, const CadPunkt2& b, double woelbung) {
  CadBogen r;
  double dx = b.x - a.x, dy = b.y - a.y, sehne = std::hypot(dx, dy);
  r.winkel = 4 * std::atan(woelbung);
  if (sehne == 0 || woelbung == 0) {
    r.mitte = a;
    return r;
  }
  // The centre lies on the chord's normal, cot(θ/2)·chord/2 from its middle.
  double h = sehne / 2 * (1 - woelbung * woelbung) / (2 * woelbung);
  r.mitte = {(a.x + b.x) / 2 - dy / sehne * h, (a.y + b.y) / 2 + dx / sehne * h};
  r.radius = std::hypot(a.x - r.mitte.x, a.y - r.mitte.y);
  r.anfang = std::atan2(a.y - r.mitte.y, a.x - r.mitte.x);
  return r;
}

CadPunkt2 CadBogen::punkt(double t) const {
  double w = anfang + winkel * t;
  return {mitte.x + radius * std::cos(w), mitte.y + radius * std::sin(w)};
}

int bogenKappen(const CadRahmen& r, const CadBogen& bogen, double teile[5][2]) {
  constexpr double kVoll = 2 * std::numbers::pi;
  double t[10];
  int n = 0;
  t[n++] = 0;
  t[n++] = 1;
  // Where the circle crosses a frame line, as a parameter along the arc.
  auto schnitt = [&](double winkel) {
    double d = std::fmod(bogen.winkel > 0 ? winkel - bogen.anfang : bogen.anfang - winkel, kVoll);
    if (d < 0) d += kVoll;
    double s = d / std::abs(bogen.winkel);
    if (s > 0 && s < 1) t[n++] = s;
  };
  if (bogen.radius > 0 && bogen.winkel != 0) {
    for (double x : {r.xmin, r.xmax}) {
      double c = (x - bogen.mitte.x) / bogen.radius;
      if (std::abs(c) >= 1) continue;
      schnitt(std::acos(c));
      schnitt(-std::acos(c));
    }
    for (double y : {r.ymin, r.ymax}) {
      double c = (y - bogen.mitte.y) / bogen.radius;
      if (std::abs(c) >= 1) continue;
      schnitt(std::asin(c));
      schnitt(std::numbers::pi - std::asin(c));
    }
  }
  std::sort(t, t + n);
  int teileAnzahl = 0;
  for (int i = 0; i + 1 < n; ++i) {
    if (!(t[i + 1] > t[i])) continue;
    // Between two crossings the arc is wholly inside or wholly outside.
    if (!r.enthaelt(bogen.punkt((t[i] + t[i + 1]) / 2))) continue;
    if (teileAnzahl > 0 && teile[teileAnzahl - 1][1] == t[i]) {
      teile[teileAnzahl - 1][1] = t[i + 1];
    } else if (teileAnzahl < 5) {
      teile[teileAnzahl][0] = t[i];
      teile[teileAnzahl][1] = t[i + 1];
      ++teileAnzahl;
    }
  }
  return teileAnzahl;
}

}  // namespace quarzel
