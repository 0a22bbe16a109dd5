#include "edit/elementumriss.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "edit/ellipsenbogen.h"

namespace quarzel {

namespace {

constexpr double grad = std::numbers::pi / 180;
// Segments of a full turn; an arc gets its share, at least four.
constexpr int kBogensegmente = 96;
constexpr int kBeziersegmente = 32;
// More points than any polygon of the store may hold: guards against a
// damaged record's sizes.
constexpr std::size_t kHoechstpunkte = 1u << 20;

bool endlich(Weltpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// The frame of a bitmap or metafile: the two stored corners span an upright
// rectangle, turned by the angle about its centre.
void rahmen(const std::array<double, 6>& q, Umriss& u) {
  const double cx = (q[0] + q[2]) / 2, cy = (q[1] + q[3]) / 2;
  const double c = std::cos(q[4] * grad), s = std::sin(q[4] * grad);
  const Weltpunkt ecken[4] = {{q[0], q[1]}, {q[2], q[1]}, {q[2], q[3]}, {q[0], q[3]}};
  u.beginne();
  for (int i = 0; i <= 4; ++i) {
    const Weltpunkt e = ecken[i % 4];
    const double dx = e.x - cx, dy = e.y - cy;
    u.hinzu(q[4] == 0 ? e : Weltpunkt{cx + dx * c + dy * s, cy - dx * s + dy * c});
  }
  u.flaeche = true;
}

Weltpunkt bezierpunkt(const std::array<double, 8>& b, double t) {
  const double m = 1 - t;
  const double k0 = m * m * m, k1 = 3 * m * m * t, k2 = 3 * m * t * t, k3 = t * t * t;
  return {k0 * b[0] + k1 * b[2] + k2 * b[4] + k3 * b[6], k0 * b[1] + k1 * b[3] + k2 * b[5] + k3 * b[7]};
}

}  // namespace

void textbox(const Tfliestextdaten& t, Weltpunkt aus[4]) {
  std::size_t zeichen = 1;
  for (const std::string& z : t.zeilen) zeichen = std::max(zeichen, z.size());
  const double h = std::isfinite(t.hoehe) && t.hoehe > 0 ? t.hoehe : 0;
  const double breite = 0.6 * h * double(std::min<std::size_t>(zeichen, 4096));
  const std::size_t zeilen = std::clamp<std::size_t>(t.zeilen.size(), 1, 256);
  const double unten = 1.25 * h * double(zeilen - 1);  // the renderer's line spacing
  const double c = std::cos(t.winkel * grad), s = std::sin(t.winkel * grad);
  // Centred and right-aligned texts reach left of the insertion point. The
  // text hangs from it, or stands on it with its first baseline (style byte 4).
  const double links = t.stil[3] == 1 ? -breite / 2 : t.stil[3] == 2 ? -breite : 0;
  const double oben = t.stil[4] == 1 ? -0.8 * h : 0;
  // Local frame: x along the baseline, y downward.
  const Weltpunkt lokal[4] = {{links, oben},
                              {links + breite, oben},
                              {links + breite, oben + unten + h},
                              {links, oben + unten + h}};
  for (int i = 0; i < 4; ++i) aus[i] = {t.x + lokal[i].x * c + lokal[i].y * s, t.y - lokal[i].x * s + lokal[i].y * c};
}

bool elementumriss(const Elementspeicher& s, std::int32_t n, Umriss& u) {
  u.leere();
  if (n < 1 || n > s.gesamtanzahl()) return false;
  const Elementart art = s.art(n);
  switch (art) {
    case Elementart::Linie:
    case Elementart::Wandlinie2: {
      const Tliniendaten& l = s.linie(n);
      u.beginne();
      u.hinzu({l.x1, l.y1});
      u.hinzu({l.x2, l.y2});
      break;
    }
    case Elementart::Bogen: {
      const std::optional<Ellipsenbogen> b = ellipsenbogen(s.bogen(n));
      if (!b) return false;
      const double spanne = b->voll ? 360 : b->spanne;
      const int k = std::max(4, int(std::ceil(kBogensegmente * spanne / 360)));
      u.beginne();
      for (int i = 0; i <= k; ++i) u.hinzu(b->punkt(b->start + spanne * i / k));
      u.flaeche = s.bogen(n).fuellung.gefuellt != 0;
      break;
    }
    case Elementart::Polygon:
    case Elementart::Spline:
    case Elementart::Verlauf: {
      const Tpolygondaten& p = s.polygon(n);
      const std::size_t k = std::min({p.x.size(), p.y.size(), kHoechstpunkte});
      if (k == 0) return false;
      u.beginne();
      for (std::size_t i = 0; i < k; ++i) u.hinzu({p.x[i], p.y[i]});
      const bool zu =
          art == Elementart::Verlauf || (art == Elementart::Polygon && (p.fuellung.gefuellt != 0 || p.linienstil < 1));
      if (zu && k > 2) u.hinzu({p.x[0], p.y[0]});
      // A filled area is picked anywhere inside, as it looks solid.
      u.flaeche = k > 2 && (art == Elementart::Verlauf || p.fuellung.gefuellt != 0);
      break;
    }
    case Elementart::Bezier: {
      const auto& b = s.bezier(n).punkte;
      u.beginne();
      for (int i = 0; i <= kBeziersegmente; ++i) u.hinzu(bezierpunkt(b, double(i) / kBeziersegmente));
      u.flaeche = s.bezier(n).fuellung.gefuellt != 0;
      break;
    }
    case Elementart::Bemassung: {
      const tmessdaten& d = s.bemassung(n);
      const auto& g = d.geometrie;
      u.beginne();
      if (d.typ == 8) {
        // A level mark is its symbol and value at the marked point; its
        // second point only keeps the reference height.
        const double m = std::clamp(static_cast<std::int32_t>(d.werte[3]) / 100.0, 1.0, 25.0);
        for (const Weltpunkt e : {Weltpunkt{0, 0}, Weltpunkt{4 * m, 0}, Weltpunkt{4 * m, -m}, Weltpunkt{0, -m}})
          u.hinzu({g[0] + e.x, g[1] + e.y});
        break;
      }
      for (int i : {0, 2, 3, 1}) u.hinzu({g[2 * i], g[2 * i + 1]});
      break;
    }
    case Elementart::Bitmap:
    case Elementart::Fuellung:
      rahmen(s.bitmap(n).platzierung, u);
      break;
    case Elementart::Metafile:
      rahmen(s.metafile(n).platzierung, u);
      break;
    case Elementart::Text:
    case Elementart::Kommentar: {
      Weltpunkt e[4];
      textbox(s.text(n), e);
      u.beginne();
      for (int i = 0; i <= 4; ++i) u.hinzu(e[i % 4]);
      u.flaeche = true;
      break;
    }
    // No outline: wall lines of the first flavour are not drawn, group
    // brackets have no geometry of their own.
    case Elementart::Frei:
    case Elementart::Wandlinie1:
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende:
      return false;
  }
  if (!std::all_of(u.punkte.begin(), u.punkte.end(), endlich)) {
    u.leere();
    return false;
  }
  return !u.leer();
}

std::optional<Weltrechteck> umrissumgebung(const Umriss& u) {
  if (u.punkte.empty()) return std::nullopt;
  Weltrechteck r{u.punkte[0].x, u.punkte[0].y, u.punkte[0].x, u.punkte[0].y};
  for (const Weltpunkt& p : u.punkte) {
    r.x1 = std::min(r.x1, p.x);
    r.y1 = std::min(r.y1, p.y);
    r.x2 = std::max(r.x2, p.x);
    r.y2 = std::max(r.y2, p.y);
  }
  return r;
}

}  // namespace quarzel
