#include "render/verlauf.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

struct Rahmen {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Rahmen rahmenVon(std::span<const Pixelpunkt> p) {
  Rahmen r{p[0].x, p[0].y, p[0].x, p[0].y};
  for (const Pixelpunkt& q : p) {
    r.x0 = std::min(r.x0, q.x);
    r.y0 = std::min(r.y0, q.y);
    r.x1 = std::max(r.x1, q.x);
    r.y1 = std::max(r.y1, q.y);
  }
  return r;
}

Pixelpunkt mittelpunkt(std::span<const Pixelpunkt> p) {
  double sx = 0, sy = 0;
  for (const Pixelpunkt& q : p) {
    sx += q.x;
    sy += q.y;
  }
  return {sx / static_cast<double>(p.size()), sy / static_cast<double>(p.size())};
}

double groessterAbstand(std::span<const Pixelpunkt> p, Pixelpunkt c) {
  double r = 0;
  for (const Pixelpunkt& q : p) r = std::max(r, std::hypot(q.x - c.x, q.y - c.y));
  return r;
}

// Bands enough that neighbouring colours differ by about one step of a
// channel, but no more than the gradient is wide in pixels.
int bandzahl(Farbe a, Farbe b, double ausdehnungPixel, bool hinUndZurueck) {
  const int d = std::max({std::abs(rotAnteil(a) - rotAnteil(b)), std::abs(gruenAnteil(a) - gruenAnteil(b)),
                          std::abs(blauAnteil(a) - blauAnteil(b))});
  double n = std::min<double>(d + 1, ausdehnungPixel);
  if (hinUndZurueck) n *= 2;
  if (!std::isfinite(n)) n = 2;
  return static_cast<int>(std::clamp(n, 2.0, static_cast<double>(kMeisteBaender)));
}

struct Farbverlauf {
  Farbe a, b;
  bool hinUndZurueck;
  int n;
  Farbe bei(int i) const {
    const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0;
    const double s = hinUndZurueck ? 1 - std::abs(2 * t - 1) : t;
    return mischfarbe(a, b, s);
  }
};

std::vector<Pixelpunkt> skaliert(std::span<const Pixelpunkt> p, Pixelpunkt c, double f) {
  std::vector<Pixelpunkt> r;
  r.reserve(p.size());
  for (const Pixelpunkt& q : p) r.push_back({c.x + (q.x - c.x) * f, c.y + (q.y - c.y) * f});
  return r;
}

std::vector<Pixelpunkt> vieleck(Pixelpunkt c, double radius, int ecken, double startwinkel) {
  std::vector<Pixelpunkt> r;
  r.reserve(static_cast<std::size_t>(ecken));
  for (int i = 0; i < ecken; ++i) {
    const double w = startwinkel + 2 * std::numbers::pi * i / ecken;
    r.push_back({c.x + radius * std::cos(w), c.y + radius * std::sin(w)});
  }
  return r;
}

// Concentric shapes from the outermost (colour 1) inwards.
void konzentrisch(Verlaufsbild& bild, const Farbverlauf& f, std::span<const Pixelpunkt> form, Pixelpunkt c) {
  for (int i = 0; i < f.n; ++i)
    bild.baender.push_back({skaliert(form, c, 1.0 - static_cast<double>(i) / f.n), f.bei(i)});
}

void linear(Verlaufsbild& bild, const Farbverlauf& f, std::span<const Pixelpunkt> p) {
  double dx = p[1].x - p[0].x, dy = p[1].y - p[0].y;
  const double l = std::hypot(dx, dy);
  if (!(l > 1e-9)) {
    dx = 1;
    dy = 0;
  } else {
    dx /= l;
    dy /= l;
  }
  // s along the first edge, r across it.
  double smin = INFINITY, smax = -INFINITY, rmin = INFINITY, rmax = -INFINITY;
  for (const Pixelpunkt& q : p) {
    const double s = q.x * dx + q.y * dy, r = -q.x * dy + q.y * dx;
    smin = std::min(smin, s);
    smax = std::max(smax, s);
    rmin = std::min(rmin, r);
    rmax = std::max(rmax, r);
  }
  rmin -= 1;
  rmax += 1;
  const double w = (smax - smin) / f.n;
  auto punkt = [&](double s, double r) { return Pixelpunkt{s * dx - r * dy, s * dy + r * dx}; };
  for (int i = 0; i < f.n; ++i) {
    // Each band reaches half a pixel into the next, so no seam shows.
    const double s0 = smin + i * w - (i == 0 ? 1 : 0), s1 = smin + (i + 1) * w + (i + 1 == f.n ? 1 : 0.5);
    bild.baender.push_back({{punkt(s0, rmin), punkt(s1, rmin), punkt(s1, rmax), punkt(s0, rmax)}, f.bei(i)});
  }
}

void radial(Verlaufsbild& bild, const Farbverlauf& f, Pixelpunkt c, double radius, Pixelpunkt erster) {
  const double start = std::atan2(erster.y - c.y, erster.x - c.x);
  const double r = radius * 1.5 + 2;
  const double schritt = 2 * std::numbers::pi / f.n;
  for (int i = 0; i < f.n; ++i) {
    std::vector<Pixelpunkt> keil{c};
    // A little over the band's own angle, so neighbouring sectors overlap.
    const double w0 = start + i * schritt, w1 = start + (i + 1) * schritt + (i + 1 < f.n ? schritt * 0.5 : 0);
    constexpr int teile = 4;
    for (int k = 0; k <= teile; ++k) {
      const double w = w0 + (w1 - w0) * k / teile;
      keil.push_back({c.x + r * std::cos(w), c.y + r * std::sin(w)});
    }
    bild.baender.push_back({std::move(keil), f.bei(i)});
  }
}

void zweiPolygone(Verlaufsbild& bild, const Farbverlauf& f, std::span<const Pixelpunkt> a,
                  std::span<const Pixelpunkt> b) {
  for (int i = 0; i < f.n; ++i) {
    const double t = f.n > 1 ? static_cast<double>(i) / (f.n - 1) : 0;
    std::vector<Pixelpunkt> q;
    q.reserve(a.size());
    for (std::size_t k = 0; k < a.size(); ++k)
      q.push_back({a[k].x + (b[k].x - a[k].x) * t, a[k].y + (b[k].y - a[k].y) * t});
    bild.baender.push_back({std::move(q), f.bei(i)});
  }
}

}  // namespace

Farbe mischfarbe(Farbe a, Farbe b, double t) {
  if (!(t > 0)) return a;
  if (t >= 1) return b;
  auto kanal = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
  return rgb(kanal(rotAnteil(a), rotAnteil(b)), kanal(gruenAnteil(a), gruenAnteil(b)),
             kanal(blauAnteil(a), blauAnteil(b)));
}

std::vector<Pixelpunkt> geschlossenerSpline(std::span<const Pixelpunkt> p, int schritte) {
  const std::size_t n = p.size();
  std::vector<Pixelpunkt> r;
  if (n < 3 || schritte < 1) {
    r.assign(p.begin(), p.end());
    return r;
  }
  r.reserve(n * static_cast<std::size_t>(schritte));
  // Centripetal parametrisation (alpha 1/2): no cusps or loops within a span.
  auto knoten = [](Pixelpunkt a, Pixelpunkt b) { return std::max(std::sqrt(std::hypot(b.x - a.x, b.y - a.y)), 1e-6); };
  for (std::size_t i = 0; i < n; ++i) {
    const Pixelpunkt p0 = p[(i + n - 1) % n], p1 = p[i], p2 = p[(i + 1) % n], p3 = p[(i + 2) % n];
    const double t0 = 0, t1 = t0 + knoten(p0, p1), t2 = t1 + knoten(p1, p2), t3 = t2 + knoten(p2, p3);
    for (int s = 0; s < schritte; ++s) {
      const double t = t1 + (t2 - t1) * s / schritte;
      auto lerp = [](Pixelpunkt a, Pixelpunkt b, double ta, double tb, double t) {
        const double u = (t - ta) / (tb - ta);
        return Pixelpunkt{a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u};
      };
      const Pixelpunkt a1 = lerp(p0, p1, t0, t1, t), a2 = lerp(p1, p2, t1, t2, t), a3 = lerp(p2, p3, t2, t3, t);
      const Pixelpunkt b1 = lerp(a1, a2, t0, t2, t), b2 = lerp(a2, a3, t1, t3, t);
      r.push_back(lerp(b1, b2, t1, t2, t));
    }
  }
  return r;
}

Verlaufsbild verlaufsbaender(const Verlaufsangaben& v) {
  Verlaufsbild bild;
  std::span<const Pixelpunkt> p = v.punkte;
  for (const Pixelpunkt& q : p)
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) return bild;
  // A closing point equal to the first adds nothing.
  while (p.size() > 1 && p.front().x == p.back().x && p.front().y == p.back().y) p = p.first(p.size() - 1);
  if (p.size() < 3) return bild;

  const bool tauschen = v.a && v.b;
  const Pixelpunkt c = mittelpunkt(p);
  const double radius = groessterAbstand(p, c);
  const Rahmen r = rahmenVon(p);
  const double ausdehnung = std::max(r.x1 - r.x0, r.y1 - r.y0);
  Farbverlauf f{tauschen ? v.farbe2 : v.farbe1, tauschen ? v.farbe1 : v.farbe2, v.b, 2};
  f.n = bandzahl(v.farbe1, v.farbe2, v.basis == 4 || v.basis == 6 ? radius : ausdehnung, v.b);

  const auto mitUmriss = [&] { bild.umriss.assign(p.begin(), p.end()); };
  switch (v.basis) {
    case 1: {
      mitUmriss();
      const Pixelpunkt ecken[4] = {{r.x0, r.y0}, {r.x1, r.y0}, {r.x1, r.y1}, {r.x0, r.y1}};
      konzentrisch(bild, f, ecken, {(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2});
      break;
    }
    case 2:
      konzentrisch(bild, f, p, c);
      break;
    case 3: {
      const std::vector<Pixelpunkt> kurve = geschlossenerSpline(p, 8);
      konzentrisch(bild, f, kurve, c);
      break;
    }
    case 4: {
      mitUmriss();
      const int teile = static_cast<int>(std::clamp(radius / 2, 16.0, 128.0));
      konzentrisch(bild, f, vieleck(c, radius + 1, teile, 0), c);
      break;
    }
    case 5:
      mitUmriss();
      radial(bild, f, c, radius, p[0]);
      break;
    case 6: {
      mitUmriss();
      const int ecken = v.ecken >= 3 && v.ecken <= 64 ? v.ecken : 6;
      // The circumradius that lets the polygon cover the whole outline.
      const double aussen = (radius + 1) / std::cos(std::numbers::pi / ecken);
      konzentrisch(bild, f, vieleck(c, aussen, ecken, std::atan2(p[0].y - c.y, p[0].x - c.x)), c);
      break;
    }
    case 7: {
      const std::size_t m = p.size() / 2;
      if (m >= 3) {
        zweiPolygone(bild, f, p.first(m), p.subspan(m, m));
        break;
      }
      konzentrisch(bild, f, p, c);
      break;
    }
    default:
      mitUmriss();
      linear(bild, f, p);
      break;
  }
  return bild;
}

}  // namespace quarzel
