#include "edit/fangformen.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

// Grows a box point by point and remembers a coordinate that is not a number.
struct Umgebung {
  Weltrechteck r{INFINITY, INFINITY, -INFINITY, -INFINITY};
  bool leer = true;
  bool kaputt = false;
  void hinzu(double x, double y) {
    if (std::isnan(x) || std::isnan(y)) {
      kaputt = true;
      return;
    }
    r.x1 = std::min(r.x1, x);
    r.y1 = std::min(r.y1, y);
    r.x2 = std::max(r.x2, x);
    r.y2 = std::max(r.y2, y);
    leer = false;
  }
  std::optional<Weltrechteck> ergebnis() const {
    if (leer || kaputt) return std::nullopt;
    return r;
  }
};

double abstand2(Weltpunkt a, Weltpunkt b) {
  return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

std::size_t punktzahl(const Tpolygondaten& p) {
  return std::min(p.x.size(), p.y.size());
}

// The frame of a bitmap: its two stored corners spanning an upright rectangle.
std::array<Weltpunkt, 4> rahmenecken(const Tbitmapdaten& b) {
  const auto& q = b.platzierung;
  return {Weltpunkt{q[0], q[1]}, Weltpunkt{q[2], q[1]}, Weltpunkt{q[2], q[3]}, Weltpunkt{q[0], q[3]}};
}

void biete(const Weltrechteck& fenster, Weltpunkt p, std::vector<Weltpunkt>& aus) {
  if (trifft(fenster, p)) aus.push_back(p);
}

// Nearest point over a chain of segments; pieces missing the window are skipped.
struct Naechster {
  Weltpunkt p;
  const Weltrechteck& fenster;
  std::optional<Weltpunkt> bester;
  double besterAbstand = INFINITY;
  void strecke(Weltpunkt a, Weltpunkt b) {
    if (!ueberlappt(streckenumgebung(a, b), fenster)) return;
    const Weltpunkt q = naechsterStreckenpunkt(p, a, b);
    const double d = abstand2(p, q);
    if (!bester || d < besterAbstand) {
      bester = q;
      besterAbstand = d;
    }
  }
};

}  // namespace

Fangform fangform(Elementart art) {
  switch (art) {
    case Elementart::Linie:
    case Elementart::Wandlinie2:
      return Fangform::Linie;
    case Elementart::Bogen:
      return Fangform::Bogen;
    case Elementart::Polygon:
    case Elementart::Verlauf:
      return Fangform::Polygon;
    case Elementart::Spline:
      return Fangform::Spline;
    case Elementart::Bezier:
      return Fangform::Bezier;
    case Elementart::Bitmap:
      return Fangform::Bitmap;
    case Elementart::Bemassung:
      return Fangform::Bemassung;
    // Not snapped to: wall lines of the first flavour are not drawn; texts,
    // metafiles and fills offer no points; group brackets have no geometry.
    case Elementart::Frei:
    case Elementart::Wandlinie1:
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende:
    case Elementart::Text:
    case Elementart::Kommentar:
    case Elementart::Metafile:
    case Elementart::Fuellung:
      break;
  }
  return Fangform::Keine;
}

std::optional<Weltrechteck> fangumgebung(const Elementspeicher& s, std::int32_t n) {
  Umgebung u;
  switch (fangform(s.art(n))) {
    case Fangform::Keine:
      return std::nullopt;
    case Fangform::Linie: {
      const Tliniendaten& l = s.linie(n);
      u.hinzu(l.x1, l.y1);
      u.hinzu(l.x2, l.y2);
      break;
    }
    case Fangform::Bogen: {
      const std::optional<Ellipsenbogen> b = ellipsenbogen(s.bogen(n));
      if (!b) return std::nullopt;
      const Weltrechteck r = b->umgebung();
      u.hinzu(r.x1, r.y1);
      u.hinzu(r.x2, r.y2);
      break;
    }
    case Fangform::Polygon:
    case Fangform::Spline: {
      const Tpolygondaten& p = s.polygon(n);
      for (std::size_t i = 0, k = punktzahl(p); i < k; ++i) u.hinzu(p.x[i], p.y[i]);
      break;
    }
    case Fangform::Bezier: {
      const auto& q = s.bezier(n).punkte;
      for (std::size_t i = 0; i < q.size(); i += 2) u.hinzu(q[i], q[i + 1]);
      break;
    }
    case Fangform::Bitmap: {
      const auto& q = s.bitmap(n).platzierung;
      u.hinzu(q[0], q[1]);
      u.hinzu(q[2], q[3]);
      break;
    }
    case Fangform::Bemassung: {
      const auto& g = s.bemassung(n).geometrie;
      u.hinzu(g[0], g[1]);
      u.hinzu(g[2], g[3]);
      break;
    }
  }
  return u.ergebnis();
}

std::optional<Weltpunkt> kantenpunkt(const Elementspeicher& s, std::int32_t n, Weltpunkt p,
                                     const Weltrechteck& fenster) {
  Naechster k{p, fenster, std::nullopt};
  switch (fangform(s.art(n))) {
    case Fangform::Linie: {
      const Tliniendaten& l = s.linie(n);
      k.strecke({l.x1, l.y1}, {l.x2, l.y2});
      break;
    }
    case Fangform::Polygon: {
      const Tpolygondaten& q = s.polygon(n);
      for (std::size_t i = 0, z = punktzahl(q); i + 1 < z; ++i) k.strecke({q.x[i], q.y[i]}, {q.x[i + 1], q.y[i + 1]});
      break;
    }
    case Fangform::Bitmap: {
      const auto e = rahmenecken(s.bitmap(n));
      for (std::size_t i = 0; i < 4; ++i) k.strecke(e[i], e[(i + 1) % 4]);
      break;
    }
    case Fangform::Bogen: {
      const std::optional<Ellipsenbogen> b = ellipsenbogen(s.bogen(n));
      if (b) return naechsterBogenpunkt(*b, p);
      break;
    }
    case Fangform::Keine:
    case Fangform::Spline:
    case Fangform::Bezier:
    case Fangform::Bemassung:
      break;
  }
  return k.bester;
}

void endpunkte(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster, std::vector<Weltpunkt>& aus) {
  switch (fangform(s.art(n))) {
    case Fangform::Linie: {
      const Tliniendaten& l = s.linie(n);
      biete(fenster, {l.x1, l.y1}, aus);
      biete(fenster, {l.x2, l.y2}, aus);
      break;
    }
    case Fangform::Bogen: {
      const std::optional<Ellipsenbogen> b = ellipsenbogen(s.bogen(n));
      if (!b || b->voll) break;
      biete(fenster, b->anfang(), aus);
      biete(fenster, b->ende(), aus);
      break;
    }
    case Fangform::Polygon:
    case Fangform::Spline: {
      const Tpolygondaten& p = s.polygon(n);
      for (std::size_t i = 0, k = punktzahl(p); i < k; ++i) biete(fenster, {p.x[i], p.y[i]}, aus);
      break;
    }
    case Fangform::Bezier: {
      const auto& q = s.bezier(n).punkte;
      for (std::size_t i = 0; i < q.size(); i += 2) biete(fenster, {q[i], q[i + 1]}, aus);
      break;
    }
    case Fangform::Bitmap:
      for (const Weltpunkt& e : rahmenecken(s.bitmap(n))) biete(fenster, e, aus);
      break;
    case Fangform::Bemassung: {
      const auto& g = s.bemassung(n).geometrie;
      biete(fenster, {g[0], g[1]}, aus);
      biete(fenster, {g[2], g[3]}, aus);
      break;
    }
    case Fangform::Keine:
      break;
  }
}

void mittelpunkte(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster, std::vector<Weltpunkt>& aus) {
  switch (fangform(s.art(n))) {
    case Fangform::Linie: {
      const Tliniendaten& l = s.linie(n);
      biete(fenster, {(l.x1 + l.x2) / 2, (l.y1 + l.y2) / 2}, aus);
      break;
    }
    case Fangform::Bogen: {
      const tbogendaten& b = s.bogen(n);
      biete(fenster, {b.xm, b.ym}, aus);
      break;
    }
    case Fangform::Polygon: {
      const Tpolygondaten& p = s.polygon(n);
      for (std::size_t i = 0, k = punktzahl(p); i + 1 < k; ++i)
        biete(fenster, {(p.x[i] + p.x[i + 1]) / 2, (p.y[i] + p.y[i + 1]) / 2}, aus);
      break;
    }
    case Fangform::Keine:
    case Fangform::Spline:
    case Fangform::Bezier:
    case Fangform::Bitmap:
    case Fangform::Bemassung:
      break;
  }
}

void quadrantenpunkte(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster,
                      std::vector<Weltpunkt>& aus) {
  if (fangform(s.art(n)) != Fangform::Bogen) return;
  const std::optional<Ellipsenbogen> b = ellipsenbogen(s.bogen(n));
  if (!b) return;
  for (double t : {0.0, 90.0, 180.0, 270.0})
    if (b->enthaelt(t)) biete(fenster, b->punkt(t), aus);
}

}  // namespace quarzel
