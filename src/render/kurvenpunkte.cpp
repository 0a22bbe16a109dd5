#include "render/kurvenpunkte.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

constexpr double kGrad = M_PI / 180.0;
// Target chord length in pixels: below this a polyline looks round.
constexpr double kSehnePixel = 3.0;

double abstand(Pixelpunkt a, Pixelpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

bool endlich(Pixelpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Points per piece for a piece of `laenge` pixels.
int teile(double laenge, int mindestens, int hoechstens) {
  if (!std::isfinite(laenge)) return mindestens;
  return std::clamp(static_cast<int>(std::ceil(laenge / kSehnePixel)), mindestens, hoechstens);
}

}  // namespace

void bogenpunkte(const Ellipsenbogen& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const double radiusPixel = std::max(b.xr, b.yr) / lauf.zoom();
  const double bogenlaenge = radiusPixel * b.spanne * kGrad;
  const int n = teile(bogenlaenge, 8, 4096);
  aus.reserve(n + 1);
  // A start far outside one turn would swallow the small steps added to it.
  const double start = std::fmod(b.start, 360.0);
  for (int i = 0; i <= n; ++i) {
    const Weltpunkt p = b.punkt(start + b.spanne * i / n);
    aus.push_back(lauf.nachPixel(p.x, p.y));
  }
  if (b.voll) aus.back() = aus.front();  // close exactly, without a rounding gap
}

void bogenBezier(const Ellipsenbogen& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const int stuecke = std::max(1, static_cast<int>(std::ceil(b.spanne / 90.0 - 1e-9)));
  const double schritt = b.spanne / stuecke * kGrad;
  // Tangent length of a piece spanning `schritt` radians of the parameter.
  const double k = 4.0 / 3.0 * std::tan(schritt / 4);
  // The derivative of P(t) = centre + turn(xr cos t, -yr sin t), per radian.
  const auto tangente = [&](double t) -> Weltpunkt {
    const double dx = -b.xr * std::sin(t), dy = -b.yr * std::cos(t);
    return {dx * b.cosDreh + dy * b.sinDreh, -dx * b.sinDreh + dy * b.cosDreh};
  };
  const double start = std::fmod(b.start, 360.0);
  Weltpunkt p = b.punkt(start);
  aus.reserve(static_cast<std::size_t>(3 * stuecke + 1));
  aus.push_back(lauf.nachPixel(p.x, p.y));
  for (int i = 0; i < stuecke; ++i) {
    const double t0 = start * kGrad + i * schritt, t1 = t0 + schritt;
    const Weltpunkt q = b.punkt(start + b.spanne * (i + 1) / stuecke);
    const Weltpunkt d0 = tangente(t0), d1 = tangente(t1);
    aus.push_back(lauf.nachPixel(p.x + k * d0.x, p.y + k * d0.y));
    aus.push_back(lauf.nachPixel(q.x - k * d1.x, q.y - k * d1.y));
    aus.push_back(lauf.nachPixel(q.x, q.y));
    p = q;
  }
  if (b.voll) aus.back() = aus.front();  // close exactly, without a rounding gap
}

namespace {

// The spline's through-points as the curve uses them, and the four points
// and knots of each of its pieces.
class Catmullrom {
 public:
  Catmullrom(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen) : zu_(geschlossen) {
    p_.reserve(stuetzpunkte.size() + 3);
    for (const Pixelpunkt& q : stuetzpunkte)
      if (endlich(q) && (p_.empty() || q.x != p_.back().x || q.y != p_.back().y)) p_.push_back(q);
    if (zu_ && p_.size() > 1 && p_.front().x == p_.back().x && p_.front().y == p_.back().y) p_.pop_back();
    if (p_.size() < 3) zu_ = false;
  }

  const std::vector<Pixelpunkt>& punkte() const { return p_; }
  // Fewer than two distinct points make no curve.
  bool kurve() const { return p_.size() >= 2; }
  std::size_t stuecke() const { return zu_ ? p_.size() : p_.size() - 1; }

  struct Stueck {
    Pixelpunkt p0, p1, p2, p3;
    double t0, t1, t2, t3;
  };
  Stueck stueck(std::size_t i) const {
    const auto k = static_cast<std::ptrdiff_t>(i);
    Stueck s{punkt(k - 1), punkt(k), punkt(k + 1), punkt(k + 2), 0, 0, 0, 0};
    // Knot spacing of the centripetal parametrisation; never zero.
    auto knoten = [](Pixelpunkt a, Pixelpunkt b) { return std::max(std::sqrt(abstand(a, b)), 1e-6); };
    s.t1 = s.t0 + knoten(s.p0, s.p1);
    s.t2 = s.t1 + knoten(s.p1, s.p2);
    s.t3 = s.t2 + knoten(s.p2, s.p3);
    return s;
  }

 private:
  Pixelpunkt punkt(std::ptrdiff_t i) const {
    const std::size_t m = p_.size();
    const auto mm = static_cast<std::ptrdiff_t>(m);
    if (zu_) return p_[static_cast<std::size_t>((i % mm + mm) % mm)];
    if (i < 0) return {2 * p_[0].x - p_[1].x, 2 * p_[0].y - p_[1].y};
    if (i >= mm) return {2 * p_[m - 1].x - p_[m - 2].x, 2 * p_[m - 1].y - p_[m - 2].y};
    return p_[static_cast<std::size_t>(i)];
  }

  std::vector<Pixelpunkt> p_;
  bool zu_;
};

}  // namespace

void splinepunkte(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const Catmullrom c(stuetzpunkte, geschlossen);
  if (!c.kurve()) {
    aus = c.punkte();
    return;
  }
  const std::size_t stuecke = c.stuecke();
  // Share the point budget among the pieces.
  const int hoechstensProStueck = static_cast<int>(std::clamp<std::size_t>(kHoechstePunktzahl / stuecke, 1, 64));
  auto mische = [](Pixelpunkt a, Pixelpunkt b, double ta, double tb, double t) -> Pixelpunkt {
    const double s = (t - ta) / (tb - ta);
    return {a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s};
  };
  aus.push_back(c.punkte()[0]);
  for (std::size_t i = 0; i < stuecke; ++i) {
    const Catmullrom::Stueck s = c.stueck(i);
    const int n = teile(abstand(s.p1, s.p2), std::min(2, hoechstensProStueck), hoechstensProStueck);
    for (int j = 1; j <= n; ++j) {
      const double t = s.t1 + (s.t2 - s.t1) * j / n;
      const Pixelpunkt a1 = mische(s.p0, s.p1, s.t0, s.t1, t), a2 = mische(s.p1, s.p2, s.t1, s.t2, t),
                       a3 = mische(s.p2, s.p3, s.t2, s.t3, t);
      const Pixelpunkt b1 = mische(a1, a2, s.t0, s.t2, t), b2 = mische(a2, a3, s.t1, s.t3, t);
      aus.push_back(j == n ? s.p2 : mische(b1, b2, s.t1, s.t2, t));
    }
  }
}

void splineBezier(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const Catmullrom c(stuetzpunkte, geschlossen);
  if (!c.kurve()) return;
  aus.reserve(3 * c.stuecke() + 1);
  aus.push_back(c.punkte()[0]);
  // Each piece is the cubic through p1 and p2 whose end tangents the knot
  // pyramid gives; a third of them, scaled to the piece, are the inner
  // control points.
  auto differenz = [](Pixelpunkt a, Pixelpunkt b, double t) -> Pixelpunkt {
    return {(b.x - a.x) / t, (b.y - a.y) / t};
  };
  for (std::size_t i = 0; i < c.stuecke(); ++i) {
    const Catmullrom::Stueck s = c.stueck(i);
    const Pixelpunkt d01 = differenz(s.p0, s.p1, s.t1 - s.t0), d02 = differenz(s.p0, s.p2, s.t2 - s.t0),
                     d12 = differenz(s.p1, s.p2, s.t2 - s.t1), d13 = differenz(s.p1, s.p3, s.t3 - s.t1),
                     d23 = differenz(s.p2, s.p3, s.t3 - s.t2);
    const double drittel = (s.t2 - s.t1) / 3;
    const Pixelpunkt m1{d01.x - d02.x + d12.x, d01.y - d02.y + d12.y};
    const Pixelpunkt m2{d12.x - d13.x + d23.x, d12.y - d13.y + d23.y};
    aus.push_back({s.p1.x + m1.x * drittel, s.p1.y + m1.y * drittel});
    aus.push_back({s.p2.x - m2.x * drittel, s.p2.y - m2.y * drittel});
    aus.push_back(s.p2);
  }
}

void bezierpunkte(const std::array<double, 8>& k, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  std::array<Pixelpunkt, 4> p;
  for (int i = 0; i < 4; ++i) p[i] = lauf.nachPixel(k[2 * i], k[2 * i + 1]);
  for (const Pixelpunkt& q : p)
    if (!endlich(q)) return;
  // The control polygon is never shorter than the curve.
  const double laenge = abstand(p[0], p[1]) + abstand(p[1], p[2]) + abstand(p[2], p[3]);
  const int n = teile(laenge, 8, 1024);
  aus.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, s = 1 - t;
    const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
    aus.push_back(
        {a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x, a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y});
  }
}

}  // namespace quarzel
