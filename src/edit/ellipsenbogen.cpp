#include "edit/ellipsenbogen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarzel {

namespace {

// Segment parameters this far outside 0..1 still lie on the segment.
constexpr double endspiel = 1e-9;
// A discriminant this small against its terms is a touching point.
constexpr double beruehrung = 1e-10;
// Samples along a figure for the searches that have no closed form.
constexpr int proben = 180;
constexpr int sektorproben = 32;
constexpr int verfeinerungen = 64;

double quadrat(double v) {
  return v * v;
}
double abstand2(Weltpunkt a, Weltpunkt b) {
  return quadrat(a.x - b.x) + quadrat(a.y - b.y);
}

// The parameter interval the figure covers, in degrees.
struct Intervall {
  double von, bis;
};
Intervall intervall(const Ellipsenbogen& b) {
  if (b.voll) return {0, 360};
  return {b.start, b.start + b.spanne};
}

// Golden-section search for the minimum of f on [a, b].
template <class F>
double minimum(double a, double b, F&& f) {
  const double g = (std::sqrt(5.0) - 1) / 2;
  double c = b - g * (b - a), d = a + g * (b - a);
  double fc = f(c), fd = f(d);
  for (int i = 0; i < verfeinerungen; ++i) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - g * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + g * (b - a);
      fd = f(d);
    }
  }
  return fc < fd ? c : d;
}

bool gleich(double a, double b) {
  return std::fabs(a - b) <= 1e-12 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

bool deckungsgleich(const Ellipsenbogen& e, const Ellipsenbogen& f) {
  if (!gleich(e.mitte.x, f.mitte.x) || !gleich(e.mitte.y, f.mitte.y)) return false;
  if (e.kreis() && f.kreis()) return gleich(e.xr, f.xr);
  // The same ellipse, turned by a multiple of 180 degrees, or with swapped
  // radii turned by 90 more.
  const double kreuz = e.sinDreh * f.cosDreh - e.cosDreh * f.sinDreh;  // sin of the difference
  const double skalar = e.cosDreh * f.cosDreh + e.sinDreh * f.sinDreh;
  if (gleich(e.xr, f.xr) && gleich(e.yr, f.yr) && std::fabs(kreuz) < 1e-12) return true;
  return gleich(e.xr, f.yr) && gleich(e.yr, f.xr) && std::fabs(skalar) < 1e-12;
}

// The parameter angles of e whose points can lie inside the window: the
// rays from the centre through the window, which the corners bound when the
// centre lies outside it. None when the centre is inside (all angles).
std::optional<Intervall> fenstersektor(const Ellipsenbogen& e, const Weltrechteck& w) {
  if (trifft(w, e.mitte)) return std::nullopt;
  const double mitte = e.winkelVon({(w.x1 + w.x2) / 2, (w.y1 + w.y2) / 2});
  double lo = 0, hi = 0;
  for (const Weltpunkt c :
       {Weltpunkt{w.x1, w.y1}, Weltpunkt{w.x2, w.y1}, Weltpunkt{w.x1, w.y2}, Weltpunkt{w.x2, w.y2}}) {
    double d = std::fmod(e.winkelVon(c) - mitte, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    lo = std::min(lo, d);
    hi = std::max(hi, d);
  }
  if (!(hi - lo < 180)) return std::nullopt;  // rounding at a window touching the centre
  return Intervall{mitte + lo, mitte + hi};
}

Punktliste kreisKreisSchnitt(const Ellipsenbogen& e, const Ellipsenbogen& f) {
  Punktliste aus;
  const double dx = f.mitte.x - e.mitte.x, dy = f.mitte.y - e.mitte.y;
  const double d = std::hypot(dx, dy);
  if (!(d > 0)) return aus;
  const double r1 = e.xr, r2 = f.xr;
  const double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
  const double h2 = r1 * r1 - a * a;
  const double toleranz = beruehrung * quadrat(std::max(r1, r2));
  if (!(h2 >= -toleranz)) return aus;
  const double ex = dx / d, ey = dy / d;
  const Weltpunkt fuss{e.mitte.x + a * ex, e.mitte.y + a * ey};
  auto biete = [&](Weltpunkt p) {
    if (e.enthaelt(e.winkelVon(p)) && f.enthaelt(f.winkelVon(p))) aus.hinzu(p);
  };
  if (h2 <= toleranz) {
    biete(fuss);
    return aus;
  }
  const double h = std::sqrt(h2);
  biete({fuss.x - h * ey, fuss.y + h * ex});
  biete({fuss.x + h * ey, fuss.y - h * ex});
  return aus;
}

}  // namespace

Weltpunkt naechsterBogenpunkt(const Ellipsenbogen& b, Weltpunkt p) {
  if (b.kreis()) {
    if (p.x == b.mitte.x && p.y == b.mitte.y) return b.anfang();
    const double t = b.winkelVon(p);
    if (b.enthaelt(t)) return b.punkt(t);
    const Weltpunkt a = b.anfang(), e = b.ende();
    return abstand2(p, a) <= abstand2(p, e) ? a : e;
  }
  const Intervall iv = intervall(b);
  const double schritt = (iv.bis - iv.von) / proben;
  auto abstand = [&](double t) { return abstand2(p, b.punkt(t)); };
  int besteK = 0;
  double besterAbstand = abstand(iv.von);
  for (int k = 1; k <= proben; ++k) {
    const double d = abstand(iv.von + k * schritt);
    if (d < besterAbstand) {
      besterAbstand = d;
      besteK = k;
    }
  }
  if (!(schritt > 0)) return b.punkt(iv.von);
  const double lo = std::max(iv.von, iv.von + (besteK - 1) * schritt);
  const double hi = std::min(iv.bis, iv.von + (besteK + 1) * schritt);
  double t = minimum(lo, hi, abstand);
  if (abstand(iv.von + besteK * schritt) < abstand(t)) t = iv.von + besteK * schritt;
  return b.punkt(t);
}

namespace {

// The crossings of the line a + t (b - a) with the figure for t in [von, bis].
Punktliste linieBogenSchnitt(Weltpunkt a, Weltpunkt b, const Ellipsenbogen& e, double von, double bis) {
  Punktliste aus;
  if (!(e.xr > 0 && e.yr > 0)) return aus;
  const Weltpunkt p = e.einheitskreis(a), q = e.einheitskreis(b);
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double qa = dx * dx + dy * dy;
  if (!(qa > 0) || !std::isfinite(qa)) return aus;
  const double qb = 2 * (p.x * dx + p.y * dy);
  const double qc = p.x * p.x + p.y * p.y - 1;
  const double disk = qb * qb - 4 * qa * qc;
  const double toleranz = beruehrung * (qb * qb + std::fabs(4 * qa * qc));
  if (!(disk >= -toleranz)) return aus;
  double t[2];
  int anzahl = 0;
  if (disk <= toleranz) {
    t[anzahl++] = -qb / (2 * qa);
  } else {
    const double w = std::sqrt(disk);
    const double h = -0.5 * (qb + std::copysign(w, qb));
    t[0] = h / qa;
    t[1] = qc / h;
    if (t[1] < t[0]) std::swap(t[0], t[1]);
    anzahl = 2;
  }
  for (int i = 0; i < anzahl; ++i) {
    if (!(t[i] >= von && t[i] <= bis)) continue;
    const Weltpunkt s{a.x + t[i] * (b.x - a.x), a.y + t[i] * (b.y - a.y)};
    if (e.enthaelt(e.winkelVon(s))) aus.hinzu(s);
  }
  return aus;
}

}  // namespace

Punktliste streckeBogenSchnitt(Weltpunkt a, Weltpunkt b, const Ellipsenbogen& e) {
  return linieBogenSchnitt(a, b, e, -endspiel, 1 + endspiel);
}

Punktliste geradeBogenSchnitt(Weltpunkt a, Weltpunkt b, const Ellipsenbogen& e) {
  const double unendlich = std::numeric_limits<double>::infinity();
  return linieBogenSchnitt(a, b, e, -unendlich, unendlich);
}

Ellipsenbogen vollfigur(Ellipsenbogen e) {
  e.voll = true;
  e.spanne = 360;
  return e;
}

Punktliste bogenBogenSchnitt(const Ellipsenbogen& e, const Ellipsenbogen& f, const Weltrechteck* fenster) {
  if (!(e.xr > 0 && e.yr > 0 && f.xr > 0 && f.yr > 0)) return {};
  if (deckungsgleich(e, f)) return {};
  if (e.kreis() && f.kreis()) return kreisKreisSchnitt(e, f);

  // g(t) < 0 inside f, > 0 outside; its zeros along e are the crossings.
  auto g = [&](double t) {
    const Weltpunkt u = f.einheitskreis(e.punkt(t));
    return u.x * u.x + u.y * u.y - 1;
  };
  // Sampled: the whole figure, or only the angles the window covers, where
  // far fewer samples resolve the few crossings there can be.
  const std::optional<Intervall> sektor = fenster ? fenstersektor(e, *fenster) : std::nullopt;
  const bool rundum = !sektor && e.voll;
  const Intervall iv = sektor ? *sektor : (rundum ? Intervall{0, 360} : intervall(e));
  const int n = sektor ? sektorproben : proben;
  const double schritt = (iv.bis - iv.von) / n;
  double werte[proben + 1];
  for (int k = 0; k <= n; ++k) werte[k] = g(iv.von + k * schritt);

  Punktliste aus;
  auto biete = [&](double t) {
    if (!e.enthaelt(t)) return;
    const Weltpunkt p = e.punkt(t);
    if (!f.enthaelt(f.winkelVon(p))) return;
    for (const Weltpunkt& q : aus)
      if (abstand2(p, q) <= 1e-18 * (1 + abstand2(p, e.mitte))) return;
    aus.hinzu(p);
  };
  // Around a closed figure the last sample is the first one again.
  const int letzte = rundum ? n - 1 : n;
  for (int k = 0; k <= letzte; ++k) {
    const double t0 = iv.von + k * schritt;
    if (werte[k] == 0) {
      biete(t0);
      continue;
    }
    if (k < n && werte[k + 1] != 0 && (werte[k] < 0) != (werte[k + 1] < 0)) {
      double lo = t0, hi = t0 + schritt;
      const bool loNegativ = werte[k] < 0;
      for (int i = 0; i < verfeinerungen; ++i) {
        const double mid = (lo + hi) / 2;
        ((g(mid) < 0) == loNegativ ? lo : hi) = mid;
      }
      biete((lo + hi) / 2);
      continue;
    }
    // A touching point: |g| has a local minimum near zero between samples
    // of the same sign.
    if (k == n || (k == 0 && !rundum)) continue;
    const double links = k > 0 ? werte[k - 1] : werte[n - 1], rechts = werte[k + 1];
    if ((links < 0) != (werte[k] < 0) || (rechts < 0) != (werte[k] < 0)) continue;
    if (std::fabs(werte[k]) > std::fabs(links) || std::fabs(werte[k]) > std::fabs(rechts)) continue;
    const double t = minimum(t0 - schritt, t0 + schritt, [&](double s) { return std::fabs(g(s)); });
    if (std::fabs(g(t)) <= 1e-9) biete(t);
  }
  return aus;
}

}  // namespace quarzel
