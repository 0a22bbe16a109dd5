#include "render/schraffurfuellung.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

constexpr std::size_t Stapelgroesse = 4096;

// Sine and cosine of an angle in degrees, exact at multiples of 45 degrees:
// a hatch line along a horizontal, vertical or diagonal polygon edge must come
// out exactly parallel to it, which sin(2π) ≈ −2.4e−16 would spoil.
void sinCosGrad(double grad, double& s, double& c) {
  double r = std::fmod(grad, 360.0);
  if (r < 0) r += 360.0;
  if (r == std::floor(r) && static_cast<long long>(r) % 45 == 0) {
    constexpr double h = 0.70710678118654752440;
    static constexpr double Sinus[8] = {0, h, 1, h, 0, -h, -1, -h};
    static constexpr double Cosinus[8] = {1, h, 0, -h, -1, -h, 0, h};
    const auto i = static_cast<std::size_t>(static_cast<long long>(r) / 45 % 8);
    s = Sinus[i];
    c = Cosinus[i];
    return;
  }
  const double rad = r * (3.14159265358979323846 / 180.0);
  s = std::sin(rad);
  c = std::cos(rad);
}

bool endlich(const Pixelpunkt& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

void EinfacherSchraffurzeichner::zeichneStrecken(Canvas& canvas, std::span<const Schraffurstrecke> strecken,
                                                 std::uint8_t, int) {
  punkte_.clear();
  laengen_.clear();
  for (const Schraffurstrecke& s : strecken) {
    punkte_.push_back(s.a);
    punkte_.push_back(s.b);
    laengen_.push_back(2);
  }
  if (!laengen_.empty()) canvas.mehrfachPolylinie(punkte_, laengen_);
}

std::size_t Schraffurfueller::fillHatch(Canvas& canvas, const Schraffurdefinition& definition,
                                        std::span<const Pixelpunkt> polygon, double schraffurWinkel) {
  std::size_t n = polygon.size();
  if (n >= 2 && polygon.front().x == polygon[n - 1].x && polygon.front().y == polygon[n - 1].y) --n;
  if (n < 3 || n > 0xFFFFFFFFu) return 0;
  if (!std::all_of(polygon.begin(), polygon.begin() + static_cast<std::ptrdiff_t>(n), endlich)) return 0;
  punkte_.assign(polygon.begin(), polygon.begin() + static_cast<std::ptrdiff_t>(n));

  const double massstab = std::isfinite(rahmen.massstab) && rahmen.massstab > 0 ? rahmen.massstab : 1;
  const double zoom = std::isfinite(rahmen.zoom) && rahmen.zoom > 0 ? rahmen.zoom : 1;
  const double winkel = std::isfinite(schraffurWinkel) ? schraffurWinkel : 0;
  // Millimetres (model or sheet) to output pixels.
  const double teiler = (definition.scaleDependent ? massstab : 1) * zoom;

  budget_ = rahmen.hoechsteSchnittpunkte;
  gezeichnet_ = 0;
  for (const Schraffurmuster& m : definition.muster) {
    double band = 0;
    for (const Schraffurlinie& l : m.linien)
      if (l.active) band += l.distance;
    const double bandPixel = band / teiler;
    if (!(std::isfinite(bandPixel) && bandPixel > 0)) continue;

    bereiteMusterVor(static_cast<double>(m.direction) + winkel);
    double versatz = 0;
    for (const Schraffurlinie& l : m.linien) {
      if (!l.active) continue;
      versatz += l.distance;
      zeichneFamilie(canvas, versatz / teiler, bandPixel, l.pen, l.style + 1);
      if (budget_ == 0) return gezeichnet_;
    }
  }
  return gezeichnet_;
}

// Projections onto the lines' normal and the edges sorted by their lower
// projection serve every line of the pattern, since they share the direction.
void Schraffurfueller::bereiteMusterVor(double richtung) {
  sinCosGrad(360.0 - richtung, sin_, cos_);
  double r = std::fmod(richtung, 180.0);
  if (r < 0) r += 180.0;
  nachY_ = r > 45 && r < 135;

  const Pixelpunkt u = rahmen.ursprung;
  projektion_.resize(punkte_.size());
  unten_ = HUGE_VAL;
  oben_ = -HUGE_VAL;
  for (std::size_t i = 0; i < punkte_.size(); ++i) {
    const double p = -sin_ * (punkte_[i].x - u.x) + cos_ * (punkte_[i].y - u.y);
    projektion_[i] = p;
    unten_ = std::min(unten_, p);
    oben_ = std::max(oben_, p);
  }
  if (rahmen.sichtbereich) {
    const Cliprechteck& s = *rahmen.sichtbereich;
    double su = HUGE_VAL, so = -HUGE_VAL;
    for (const Pixelpunkt& e : {Pixelpunkt{s.links, s.oben}, Pixelpunkt{s.rechts, s.oben}, Pixelpunkt{s.links, s.unten},
                                Pixelpunkt{s.rechts, s.unten}}) {
      const double p = -sin_ * (e.x - u.x) + cos_ * (e.y - u.y);
      su = std::min(su, p);
      so = std::max(so, p);
    }
    unten_ = std::max(unten_, su);
    oben_ = std::min(oben_, so);
  }

  kanten_.clear();
  const auto n = static_cast<std::uint32_t>(punkte_.size());
  for (std::uint32_t a = 0; a < n; ++a) {
    const std::uint32_t b = a + 1 == n ? 0 : a + 1;
    const double pa = projektion_[a], pb = projektion_[b];
    // The projection difference is the cross product of the unit line
    // direction with the edge: edges parallel to the lines never cross them.
    if (std::abs(pb - pa) <= ParallelGrenze) continue;
    kanten_.push_back({std::min(pa, pb), std::max(pa, pb), a, b});
  }
  std::sort(kanten_.begin(), kanten_.end(), [](const Kante& x, const Kante& y) { return x.unten < y.unten; });
}

void Schraffurfueller::zeichneFamilie(Canvas& canvas, double versatz, double abstand, std::uint8_t pen,
                                      int linienstil) {
  if (!(unten_ <= oben_) || !std::isfinite(versatz)) return;
  double schritt = abstand;
  if (rahmen.mindestabstandPixel > 0 && schritt < rahmen.mindestabstandPixel)
    schritt *= std::ceil(rahmen.mindestabstandPixel / schritt);
  if (!std::isfinite(schritt)) return;
  // Lattice indices of the first and last line inside the range; thinning
  // keeps every m-th index so neighbouring polygons stay in step.
  double erstes = std::ceil((unten_ - versatz) / schritt);
  double letztes = std::floor((oben_ - versatz) / schritt);
  if (!std::isfinite(erstes) || !std::isfinite(letztes) || letztes < erstes) return;
  const double anzahl = letztes - erstes + 1;
  if (anzahl > HoechsteLinienProFamilie) {
    schritt *= std::ceil(anzahl / HoechsteLinienProFamilie);
    if (!std::isfinite(schritt)) return;
    erstes = std::ceil((unten_ - versatz) / schritt);
    letztes = std::floor((oben_ - versatz) / schritt);
    if (!std::isfinite(erstes) || !std::isfinite(letztes) || letztes < erstes) return;
  }
  const double linien = std::min(letztes - erstes + 1, HoechsteLinienProFamilie);

  aktiv_.clear();
  naechsteKante_ = 0;
  strecken_.clear();
  for (double j = 0; j < linien && budget_ > 0; ++j) {
    zeichneLinie(versatz + (erstes + j) * schritt);
    if (strecken_.size() >= Stapelgroesse) gibAus(canvas, pen, linienstil);
  }
  gibAus(canvas, pen, linienstil);
}

// One line at a position along the normal: an edge crosses it when the line
// lies in [lower, upper) of the edge's projections. The half-open rule counts
// a vertex the line passes through once, and a vertex it only touches twice
// or not at all, so the crossings always pair up.
void Schraffurfueller::zeichneLinie(double position) {
  while (naechsteKante_ < kanten_.size() && kanten_[naechsteKante_].unten <= position)
    aktiv_.push_back(kanten_[naechsteKante_++]);
  std::erase_if(aktiv_, [position](const Kante& k) { return k.oben <= position; });
  if (aktiv_.empty()) return;

  schnitte_.clear();
  for (const Kante& k : aktiv_) {
    const Pixelpunkt& a = punkte_[k.a];
    const Pixelpunkt& b = punkte_[k.b];
    const double pa = projektion_[k.a];
    const double t = (position - pa) / (projektion_[k.b] - pa);
    const Pixelpunkt s{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    schnitte_.push_back({nachY_ ? s.y : s.x, s});
  }
  // A line that would overrun the budget is not drawn, and nothing after it.
  if (schnitte_.size() > budget_) {
    budget_ = 0;
    return;
  }
  budget_ -= schnitte_.size();
  if (schnitte_.size() > 2)
    std::sort(schnitte_.begin(), schnitte_.end(),
              [](const Schnitt& x, const Schnitt& y) { return x.schluessel < y.schluessel; });
  for (std::size_t i = 0; i + 1 < schnitte_.size(); i += 2) {
    const Pixelpunkt& p = schnitte_[i].punkt;
    const Pixelpunkt& q = schnitte_[i + 1].punkt;
    if (p.x != q.x || p.y != q.y) strecken_.push_back({p, q});
  }
}

void Schraffurfueller::gibAus(Canvas& canvas, std::uint8_t pen, int linienstil) {
  if (strecken_.empty()) return;
  gezeichnet_ += strecken_.size();
  zeichner_->zeichneStrecken(canvas, strecken_, pen, linienstil);
  strecken_.clear();
}

}  // namespace quarzel
