// DxfKurven: sampling elliptic arcs and splines.
#include "exchange/dxfkurven.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

// A curve from a damaged file must not turn into millions of vertices.
constexpr int kHoechsteTeilung = 4096;
constexpr int kHoechsteTiefe = 10;
constexpr int kHoechsterGrad = 10;

CadScheitel scheitel(CadPunkt p) {
  CadScheitel s;
  s.p = p;
  return s;
}

// De Boor's algorithm in homogeneous coordinates.
class BSpline {
 public:
  BSpline(int grad, std::span<const CadPunkt> pole, std::span<const double> knoten, std::span<const double> gewichte)
      : p_(grad), pole_(pole), knoten_(knoten), gewichte_(gewichte) {}

  CadPunkt wert(double t) const {
    const int n = static_cast<int>(pole_.size());
    int k = p_;
    while (k < n - 1 && t >= knoten_[static_cast<std::size_t>(k + 1)]) ++k;
    double d[kHoechsterGrad + 1][4];
    for (int j = 0; j <= p_; ++j) {
      auto i = static_cast<std::size_t>(k - p_ + j);
      double w = gewichte_.empty() ? 1.0 : gewichte_[i];
      d[j][0] = pole_[i].x * w;
      d[j][1] = pole_[i].y * w;
      d[j][2] = pole_[i].z * w;
      d[j][3] = w;
    }
    for (int r = 1; r <= p_; ++r) {
      for (int j = p_; j >= r; --j) {
        auto links = static_cast<std::size_t>(j + k - p_);
        double nenner = knoten_[links + static_cast<std::size_t>(p_ - r + 1)] - knoten_[links];
        double a = nenner > 0 ? (t - knoten_[links]) / nenner : 0;
        for (int c = 0; c < 4; ++c) d[j][c] = (1 - a) * d[j - 1][c] + a * d[j][c];
      }
    }
    double w = d[p_][3] != 0 ? d[p_][3] : 1;
    return {d[p_][0] / w, d[p_][1] / w, d[p_][2] / w};
  }

 private:
  int p_;
  std::span<const CadPunkt> pole_;
  std::span<const double> knoten_;
  std::span<const double> gewichte_;
};

double abstandZurSehne(CadPunkt p, CadPunkt a, CadPunkt b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double l = std::hypot(dx, dy);
  if (l == 0) return std::hypot(p.x - a.x, p.y - a.y);
  return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / l;
}

// Halves [t0, t1] until the curve's middle lies within the tolerance of the chord.
void teilen(std::vector<CadScheitel>& aus, const BSpline& s, double t0, CadPunkt a, double t1, CadPunkt b,
            double toleranz, int tiefe) {
  double tm = (t0 + t1) / 2;
  CadPunkt m = s.wert(tm);
  if (tiefe < kHoechsteTiefe && abstandZurSehne(m, a, b) > toleranz) {
    teilen(aus, s, t0, a, tm, m, toleranz, tiefe + 1);
    teilen(aus, s, tm, m, t1, b, toleranz, tiefe + 1);
    return;
  }
  aus.push_back(scheitel(a));
}

}  // namespace

double woelbungFuer(double winkel) {
  return std::tan(winkel / 4);
}

void ellipsenbogenAnhaengen(std::vector<CadScheitel>& aus, CadPunkt mitte, CadPunkt achse, double verhaeltnis,
                            double t0, double t1, double toleranz) {
  const double r = std::hypot(achse.x, achse.y);
  const double spanne = t1 - t0;
  // The chord of a circle of the major radius deviates by r(1 - cos(step/2)).
  double schritt = toleranz < r ? 2 * std::acos(1 - toleranz / r) : std::numbers::pi / 2;
  double anzahl = std::ceil(std::abs(spanne) / std::max(schritt, 1e-9));
  int n = static_cast<int>(std::clamp(std::isfinite(anzahl) ? anzahl : 4.0, 4.0, double{kHoechsteTeilung}));
  for (int k = 0; k < n; ++k) {
    double t = t0 + spanne * k / n;
    double c = std::cos(t), s = std::sin(t);
    aus.push_back(scheitel({mitte.x + achse.x * c - achse.y * verhaeltnis * s,
                            mitte.y + achse.y * c + achse.x * verhaeltnis * s, mitte.z}));
  }
}

void splineAnhaengen(std::vector<CadScheitel>& aus, int grad, std::span<const CadPunkt> pole,
                     std::span<const double> knoten, std::span<const double> gewichte, double toleranz) {
  const std::size_t n = pole.size();
  bool passt = grad >= 1 && grad <= kHoechsterGrad && n > static_cast<std::size_t>(grad) &&
               knoten.size() == n + static_cast<std::size_t>(grad) + 1 &&
               std::is_sorted(knoten.begin(), knoten.end()) && (gewichte.empty() || gewichte.size() == n);
  if (passt && !gewichte.empty()) passt = std::all_of(gewichte.begin(), gewichte.end(), [](double w) { return w > 0; });
  if (!passt) {
    for (std::size_t i = 0; i + 1 < n; ++i) aus.push_back(scheitel(pole[i]));
    return;
  }
  const BSpline s(grad, pole, knoten, gewichte);
  const auto anfang = static_cast<std::size_t>(grad);
  const std::size_t bisAufWeiteres = aus.size();
  for (std::size_t k = anfang; k < n; ++k) {
    double t0 = knoten[k], t1 = knoten[k + 1];
    if (t1 <= t0) continue;
    // A span is first cut in four, so that an S-bend cannot hide its middle on the chord.
    for (int v = 0; v < 4; ++v) {
      double a = t0 + (t1 - t0) * v / 4, b = t0 + (t1 - t0) * (v + 1) / 4;
      teilen(aus, s, a, s.wert(a), b, s.wert(b), toleranz, 0);
    }
    if (aus.size() - bisAufWeiteres > 64 * static_cast<std::size_t>(kHoechsteTeilung)) return;
  }
}

}  // namespace quarzel
