#include "edit/verlaufswerkzeuge.h"

#include <algorithm>
#include <vector>

#include "edit/figurbauer.h"
#include "edit/figurgeometrie.h"
#include "edit/werkzeugtabelle.h"

namespace quarzel {

namespace {

// Circles are outlines of this many points (one every 5 degrees).
constexpr int kKreispunkte = 72;

Zeichenfigur verlauf(std::vector<Weltpunkt> umriss, std::uint8_t basis) {
  Zeichenfigur f;
  f.zug = std::move(umriss);
  f.zugArt = Elementart::Verlauf;
  // Always an area: an outline of fewer than three corners is refused.
  f.geschlossen = true;
  f.verlaufsbasis = basis;
  return f;
}

bool zweiPolygone(const Werkzeugzustand& z) {
  return z.werkzeug == Werkzeugcode::ZweiPolygoneVerlauf;
}

}  // namespace

namespace figurbau {

Zeichenfigur verlaufLinear(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2) return {};
  if (p.n() == 2) return verlauf({p.p[0], p.p[1]}, 0);
  const auto e = figur::schraegesRechteck(p.p[0], p.p[1], p.p[2]);
  // No width: only the run, which is no area.
  if (figur::gleich(e[1], e[2])) return verlauf({p.p[0], p.p[1]}, 0);
  return verlauf({e.begin(), e.end()}, 0);
}

Zeichenfigur verlaufRechteck(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2) return {};
  const auto e = figur::rechteck(p.p[0], p.p[1]);
  return verlauf({e.begin(), e.end()}, 1);
}

Zeichenfigur verlaufPolygon(const Figurpunkte& p, const Zeichenvorgabe&) {
  return verlauf({p.p.begin(), p.p.end()}, 2);
}

Zeichenfigur verlaufSpline(const Figurpunkte& p, const Zeichenvorgabe&) {
  return verlauf({p.p.begin(), p.p.end()}, 3);
}

Zeichenfigur verlaufKreis(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2 || figur::gleich(p.p[0], p.p[1])) return {};
  return verlauf(figur::vieleck(p.p[0], p.p[1], kKreispunkte), 4);
}

Zeichenfigur verlaufRadial(const Figurpunkte& p, const Zeichenvorgabe&) {
  // The outline starts at the second point: the sweep starts there.
  if (p.n() < 2 || figur::gleich(p.p[0], p.p[1])) return {};
  return verlauf(figur::vieleck(p.p[0], p.p[1], kKreispunkte), 5);
}

Zeichenfigur verlaufVieleck(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2 || figur::gleich(p.p[0], p.p[1])) return {};
  const int ecken = std::clamp(v.eckenzahl, 3, kHoechsteVerlaufsecken);
  Zeichenfigur f = verlauf(figur::vieleck(p.p[0], p.p[1], ecken), 6);
  f.verlaufsecken = static_cast<std::uint16_t>(ecken);
  return f;
}

Zeichenfigur verlaufZweiPolygone(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.haelfte == 0 || p.n() <= p.haelfte) return verlauf({p.p.begin(), p.p.end()}, 7);
  std::vector<Weltpunkt> a(p.p.begin(), p.p.begin() + static_cast<std::ptrdiff_t>(p.haelfte));
  std::vector<Weltpunkt> b(p.p.begin() + static_cast<std::ptrdiff_t>(p.haelfte), p.p.end());
  // Refine the second polygon on its longest (closed) edge until it has as
  // many corners as the first: the bands blend corner to corner.
  while (b.size() < a.size()) {
    std::size_t lang = 0;
    double l = -1;
    for (std::size_t i = 0; i < b.size(); ++i) {
      const double d = figur::abstand(b[i], b[(i + 1) % b.size()]);
      if (d > l) l = d, lang = i;
    }
    const Weltpunkt m = figur::mal(figur::plus(b[lang], b[(lang + 1) % b.size()]), 0.5);
    b.insert(b.begin() + static_cast<std::ptrdiff_t>(lang + 1), m);
  }
  a.insert(a.end(), b.begin(), b.end());
  Zeichenfigur f = verlauf(std::move(a), 7);
  // Two polygons one after the other: neither is closed by a repeated point.
  f.geschlossen = false;
  return f;
}

}  // namespace figurbau

std::size_t Verlaufswerkzeuge::zielpunkte(const Werkzeugzeile& a) const {
  if (a.code == Werkzeugcode::ZweiPolygoneVerlauf) return haelfte_ > 0 ? 2 * haelfte_ : 0;
  return Figurwerkzeug::zielpunkte(a);
}

void Verlaufswerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (u.zustand.schritt <= 1) haelfte_ = 0;
  Figurwerkzeug::punkt(u, p);
  if (u.zustand.punkte.empty()) haelfte_ = 0;
}

void Verlaufswerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  const std::size_t n = u.zustand.punkte.size();
  if (zweiPolygone(u.zustand)) {
    if (haelfte_ == 0 && n >= 3) {
      haelfte_ = n;  // the first polygon is fixed; the second follows
      bewegung(u, p);
      return;
    }
    if (haelfte_ == 0 || n < haelfte_ + 3) {
      abbrechen(u);
      return;
    }
  }
  Figurwerkzeug::zweiteTaste(u, p);
  if (u.zustand.punkte.empty()) haelfte_ = 0;
}

void Verlaufswerkzeuge::doppelklick(Werkzeugumgebung& u, Weltpunkt p) {
  // The two polygons are told apart by the right button only.
  if (zweiPolygone(u.zustand)) return;
  Figurwerkzeug::doppelklick(u, p);
}

void Verlaufswerkzeuge::abbrechen(Werkzeugumgebung& u) {
  haelfte_ = 0;
  Figurwerkzeug::abbrechen(u);
}

}  // namespace quarzel
