// BsplineZerlegung: blossoms of B-splines, Bézier pieces and samples.
#include "exchange/bsplinezerlegung.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarzel {

namespace {

constexpr int kMaxGrad = 32;

struct Homogen {
  double x = 0, y = 0, w = 1;
};

// The blossom f(t[0], …, t[p−1]) of the piece on the span [U_i, U_{i+1}):
// de Boor's triangle with a different argument on each level.
Homogen blossom(int p, std::span<const double> u, std::span<const CadPunkt2> pk, std::span<const double> gew,
                std::size_t i, const double* t) {
  std::array<Homogen, kMaxGrad + 1> d;
  for (int j = 0; j <= p; ++j) {
    std::size_t k = i - static_cast<std::size_t>(p) + static_cast<std::size_t>(j);
    double w = gew.empty() ? 1.0 : gew[k];
    d[static_cast<std::size_t>(j)] = {pk[k].x * w, pk[k].y * w, w};
  }
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      std::size_t k = i - static_cast<std::size_t>(p) + static_cast<std::size_t>(j);
      double nenner = u[k + static_cast<std::size_t>(p - r + 1)] - u[k];
      double a = nenner > 0 ? (t[r - 1] - u[k]) / nenner : 0;
      Homogen& z = d[static_cast<std::size_t>(j)];
      const Homogen& v = d[static_cast<std::size_t>(j - 1)];
      z = {(1 - a) * v.x + a * z.x, (1 - a) * v.y + a * z.y, (1 - a) * v.w + a * z.w};
    }
  }
  return d[static_cast<std::size_t>(p)];
}

CadPunkt2 punkt(const Homogen& h) {
  return h.w != 0 ? CadPunkt2{h.x / h.w, h.y / h.w} : CadPunkt2{h.x, h.y};
}

CadPunkt2 mische(const CadPunkt2& a, const CadPunkt2& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

}  // namespace

bool bsplineGueltig(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                    std::span<const double> gewichte) {
  if (grad < 1 || grad > kMaxGrad || punkte.size() < static_cast<std::size_t>(grad) + 1) return false;
  if (knoten.size() != punkte.size() + static_cast<std::size_t>(grad) + 1) return false;
  if (!gewichte.empty() && gewichte.size() != punkte.size()) return false;
  for (std::size_t i = 0; i < knoten.size(); ++i)
    if (!std::isfinite(knoten[i]) || (i > 0 && knoten[i] < knoten[i - 1])) return false;
  for (double w : gewichte)
    if (!(w > 0) || !std::isfinite(w)) return false;
  auto p = static_cast<std::size_t>(grad);
  return knoten[p] < knoten[punkte.size()];
}

bool bsplineBezier(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                   std::vector<CadPunkt2>& bezier) {
  if (grad > 3 || !bsplineGueltig(grad, knoten, punkte, {})) return false;
  auto p = static_cast<std::size_t>(grad);
  std::array<double, 3> t{};
  std::array<CadPunkt2, 4> b;
  for (std::size_t i = p; i < punkte.size(); ++i) {
    double a = knoten[i], e = knoten[i + 1];
    if (!(a < e)) continue;
    // Bézier point j of the span is the blossom with p−j arguments a and j arguments e.
    for (std::size_t j = 0; j <= p; ++j) {
      for (std::size_t r = 0; r < p; ++r) t[r] = r < p - j ? a : e;
      b[j] = punkt(blossom(grad, knoten, punkte, {}, i, t.data()));
    }
    if (grad == 1) {
      b[3] = b[1];
      b[1] = mische(b[0], b[3], 1.0 / 3);
      b[2] = mische(b[0], b[3], 2.0 / 3);
    } else if (grad == 2) {
      b[3] = b[2];
      b[2] = mische(b[3], b[1], 2.0 / 3);
      b[1] = mische(b[0], b[1], 2.0 / 3);
    }
    if (bezier.empty()) bezier.push_back(b[0]);
    bezier.insert(bezier.end(), b.begin() + 1, b.end());
  }
  return true;
}

CadPunkt2 bsplinePunkt(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                       std::span<const double> gewichte, double u) {
  auto p = static_cast<std::size_t>(grad);
  std::size_t n = punkte.size();
  u = std::clamp(u, knoten[p], knoten[n]);
  // The last span whose start is ≤ u and which is not empty.
  auto it = std::upper_bound(knoten.begin() + static_cast<std::ptrdiff_t>(p),
                             knoten.begin() + static_cast<std::ptrdiff_t>(n), u);
  std::size_t i = static_cast<std::size_t>(it - knoten.begin()) - 1;
  while (i > p && !(knoten[i] < knoten[i + 1])) --i;
  std::array<double, kMaxGrad> t;
  t.fill(u);
  return punkt(blossom(grad, knoten, punkte, gewichte, i, t.data()));
}

void bsplineAbtasten(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                     std::span<const double> gewichte, int jeAbschnitt, std::vector<CadPunkt2>& aus) {
  auto p = static_cast<std::size_t>(grad);
  std::array<double, kMaxGrad> t;
  aus.push_back(bsplinePunkt(grad, knoten, punkte, gewichte, knoten[p]));
  for (std::size_t i = p; i < punkte.size(); ++i) {
    double a = knoten[i], e = knoten[i + 1];
    if (!(a < e)) continue;
    for (int s = 1; s <= jeAbschnitt; ++s) {
      t.fill(a + (e - a) * s / jeAbschnitt);
      aus.push_back(punkt(blossom(grad, knoten, punkte, gewichte, i, t.data())));
    }
  }
}

void catmullRomBezier(std::span<const CadPunkt2> punkte, bool geschlossen, std::vector<CadPunkt2>& bezier) {
  std::size_t n = punkte.size();
  if (n < 2) return;
  auto at = [&](std::ptrdiff_t i) -> CadPunkt2 {
    auto sn = static_cast<std::ptrdiff_t>(n);
    if (geschlossen) return punkte[static_cast<std::size_t>(((i % sn) + sn) % sn)];
    // Reflected end points make the end tangent the direction of the end chord.
    if (i < 0) return mische(punkte[1], punkte[0], 2);
    if (i >= sn) return mische(punkte[n - 2], punkte[n - 1], 2);
    return punkte[static_cast<std::size_t>(i)];
  };
  std::size_t stuecke = geschlossen ? n : n - 1;
  bezier.push_back(punkte[0]);
  for (std::size_t k = 0; k < stuecke; ++k) {
    auto i = static_cast<std::ptrdiff_t>(k);
    CadPunkt2 p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    bezier.push_back({p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6});
    bezier.push_back({p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6});
    bezier.push_back(p2);
  }
}

}  // namespace quarzel
