#include "edit/linienwerkzeuge.h"

#include <cmath>

#include "edit/figurbauer.h"
#include "edit/figurgeometrie.h"

namespace quarzel {

namespace figurbau {

using namespace figur;

Zeichenfigur umriss(std::span<const Weltpunkt> ecken, bool schliessen) {
  Zeichenfigur f;
  const std::size_t n = ecken.size();
  for (std::size_t i = 0; i + 1 < n; ++i) f.linien.push_back({ecken[i], ecken[i + 1]});
  if (schliessen && n > 2) f.linien.push_back({ecken[n - 1], ecken[0]});
  return f;
}

Zeichenfigur flaeche(std::vector<Weltpunkt> ecken) {
  Zeichenfigur f;
  f.zug = std::move(ecken);
  f.geschlossen = true;
  return f;
}

Zeichenfigur linie(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 2) f.linien.push_back({p.p[0], p.p[1]});
  return f;
}

Zeichenfigur mehrfachlinie(const Figurpunkte& p, const Zeichenvorgabe& v) {
  Zeichenfigur f;
  if (p.n() < 2) return f;
  const Weltpunkt a = p.p[0], b = p.p[1];
  const double l = abstand(a, b);
  if (!(l > 0)) return f;
  // Left of the drawing direction as seen on screen (y grows downward).
  const Weltpunkt links{(b.y - a.y) / l, -(b.x - a.x) / l};
  constexpr std::size_t kHoechstLinien = 64;
  for (std::size_t i = 0; i < v.mehrfachAbstaende.size() && i < kHoechstLinien; ++i) {
    const double d = v.mehrfachAbstaende[i];
    if (!std::isfinite(d)) continue;
    const Weltpunkt s = mal(links, d);
    f.linien.push_back({plus(a, s), plus(b, s)});
  }
  if (f.linien.empty()) f.linien.push_back({a, b});
  return f;
}

Zeichenfigur linieAusMitte(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 2) f.linien.push_back({minus(mal(p.p[0], 2), p.p[1]), p.p[1]});
  return f;
}

Zeichenfigur polygonzug(const Figurpunkte& p, const Zeichenvorgabe&) {
  const std::vector<Weltpunkt> q = ohneWiederholungen(p.p);
  return umriss(q, false);
}

Zeichenfigur linienkreuz(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() < 2) return f;
  const Weltpunkt c = p.p[0];
  const double r = abstand(c, p.p[1]);
  f.linien.push_back({{c.x - r, c.y}, {c.x + r, c.y}});
  f.linien.push_back({{c.x, c.y - r}, {c.x, c.y + r}});
  return f;
}

Zeichenfigur schraegkreuz(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() < 2) return f;
  const Weltpunkt c = p.p[0];
  const double r = abstand(c, p.p[1]);
  for (double w : {45.0, 135.0}) f.linien.push_back({polarpunkt(c, r, w + 180), polarpunkt(c, r, w)});
  return f;
}

Zeichenfigur markerpunkt(const Figurpunkte& p, const Zeichenvorgabe& v) {
  Zeichenfigur f;
  const std::uint8_t typ = v.markertyp >= 21 && v.markertyp <= 29 ? v.markertyp : 21;
  if (p.n() >= 1) f.linien.push_back({p.p[0], p.p[0], typ});
  return f;
}

Zeichenfigur rechteck(const Figurpunkte& p, const Zeichenvorgabe& v) {
  Zeichenfigur f;
  if (p.n() >= 2) abgerundetesRechteck(p.p[0], p.p[1], v.eckradius, f);
  return f;
}

Zeichenfigur schraegesRechteck(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const auto e = figur::schraegesRechteck(p.p[0], p.p[1], p.p[2]);
  return umriss(e);
}

Zeichenfigur parallelogramm(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const auto e = figur::parallelogramm(p.p[0], p.p[1], p.p[2]);
  return umriss(e);
}

Zeichenfigur konus(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const auto e = figur::konus(p.p[0], p.p[1], p.p[2]);
  return umriss(e);
}

Zeichenfigur stern(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  return umriss(figur::stern(p.p[0], p.p[1], v.eckenzahl, v.sternverhaeltnis));
}

Zeichenfigur vieleck(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  return umriss(figur::vieleck(p.p[0], p.p[1], v.eckenzahl));
}

}  // namespace figurbau


Linienwerkzeuge::Linienwerkzeuge() : Figurwerkzeug(Werkzeuggruppe::Linien) {}

namespace {

bool drehtKoordinaten(const Werkzeugumgebung& u) {
  return u.zustand.werkzeug == Werkzeugcode::KoordinatensystemDrehen;
}

}  // namespace

Koordinatendrehung& Linienwerkzeuge::drehung() {
  drehung_.gummibandfarbe = vorgabe.gummibandfarbe;
  return drehung_;
}

void Linienwerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  drehtKoordinaten(u) ? drehung().punkt(u, p) : Figurwerkzeug::punkt(u, p);
}

void Linienwerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  drehtKoordinaten(u) ? drehung().zweiteTaste(u, p) : Figurwerkzeug::zweiteTaste(u, p);
}

void Linienwerkzeuge::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  drehtKoordinaten(u) ? drehung().bewegung(u, p) : Figurwerkzeug::bewegung(u, p);
}

void Linienwerkzeuge::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  // Both bands: the tool may have changed since one was drawn.
  drehung_.rueckmeldungLoeschen(u);
  Figurwerkzeug::rueckmeldungLoeschen(u);
}

void Linienwerkzeuge::abbrechen(Werkzeugumgebung& u) {
  drehtKoordinaten(u) ? drehung().abbrechen(u) : Figurwerkzeug::abbrechen(u);
}

void Linienwerkzeuge::getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) {
  drehtKoordinaten(u) ? drehung().punkt(u, p) : Figurwerkzeug::getippterPunkt(u, p);
}

}  // namespace quarzel
