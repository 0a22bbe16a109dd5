// DxfLeserKern: the boundary paths of a hatch as closed vertex runs.
#include <cmath>
#include <numbers>

#include "exchange/dxfkurven.h"
#include "exchange/dxfleserkern.h"

namespace quarzel {

// HATCH: the pairs are read in the order the boundary data demands, each
// step leaving the first pair it did not use in p_.
void DxfLeserKern::schraffur(CadEntitaet& e) {
  e.ersterPfad = static_cast<std::uint32_t>(m_.pfade.size());
  vor();
  while (!istNull()) {
    if (p_.code == 91) {
      int pfade = ganz();
      vor();
      for (int k = 0; k < pfade && p_.code == 92; ++k) {
        if (randpfad()) ++e.pfadAnzahl;
      }
      continue;
    }
    if (!gemeinsam(e)) {
      if (p_.code == 2)
        e.muster = m_.name(text());
      else if (p_.code == 70)
        e.gefuellt = (ganz() & 1) != 0;
      else if (p_.code == 52)
        e.drehung = zahl();
      else if (p_.code == 41)
        e.massstab = zahl();
    }
    vor();
  }
  if (e.gefuellt) e.muster = kKeinIndex;
}

// One boundary path, from its 92 on; false when it gave no vertices.
bool DxfLeserKern::randpfad() {
  CadPfad pfad;
  pfad.art = ganz();
  pfad.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
  vor();
  if (pfad.art & 2) {
    polylinienpfad();
  } else if (p_.code == 93) {
    int kanten = ganz();
    vor();
    for (int k = 0; k < kanten && p_.code == 72; ++k) kante();
  }
  while (p_.code == 97 || p_.code == 330) vor();  // the boundary's source objects
  pfad.anzahl = static_cast<std::uint32_t>(m_.scheitel.size() - pfad.ersterScheitel);
  if (pfad.anzahl == 0) return false;
  m_.pfade.push_back(pfad);
  return true;
}

void DxfLeserKern::polylinienpfad() {
  while (p_.code == 72 || p_.code == 73 || p_.code == 93) vor();
  const std::size_t erster = m_.scheitel.size();
  while (p_.code == 10 || p_.code == 20 || p_.code == 42) {
    double w = zahl();
    if (p_.code == 10)
      m_.scheitel.push_back({{w, 0, 0}, 0, 0, 0});
    else if (m_.scheitel.size() > erster)
      (p_.code == 20 ? m_.scheitel.back().p.y : m_.scheitel.back().woelbung) = w;
    vor();
  }
  // A closing vertex on the first one is implied by the closed run.
  if (m_.scheitel.size() > erster + 1) {
    const CadPunkt& a = m_.scheitel[erster].p;
    const CadPunkt& b = m_.scheitel.back().p;
    if (a.x == b.x && a.y == b.y) m_.scheitel.pop_back();
  }
}

// One edge of a boundary, from its 72 on: its start up to, not including, its end.
void DxfLeserKern::kante() {
  const int art = ganz();
  vor();
  CadPunkt a, b;
  double radius = 0, anfang = 0, ende = 0;
  bool gegenUhrzeiger = true;
  int grad = 3;
  knoten_.clear();
  gewichte_.clear();
  pole_.clear();
  fitpunkte_.clear();
  bool fitGesehen = false;
  while (!istNull() && p_.code != 72 && (p_.code != 97 || art == 4) && p_.code != 330 && p_.code != 92) {
    int c = p_.code;
    double w = istKoordinate(c) ? zahl() : 0;
    if (art == 4) {
      if (c == 94)
        grad = ganz();
      else if (c == 40)
        knoten_.push_back(w);
      else if (c == 42)
        gewichte_.push_back(w);
      else if (c == 10)
        pole_.push_back({w, 0, 0});
      else if (c == 20 && !pole_.empty())
        pole_.back().y = w;
      else if (c == 11)
        fitpunkte_.push_back({w, 0, 0});
      else if (c == 21 && !fitpunkte_.empty())
        fitpunkte_.back().y = w;
    } else if (!punkt(c, 10, a, w) && !punkt(c, 11, b, w)) {
      if (c == 40)
        radius = w;
      else if (c == 50)
        anfang = w;
      else if (c == 51)
        ende = w;
      else if (c == 73)
        gegenUhrzeiger = ganz() != 0;
    }
    vor();
    if (art == 4 && p_.code == 97 && !fitGesehen) {
      // The edge's count of fit points, or in older files the path's count
      // of source objects: what follows tells, and either way the count
      // itself is not needed.
      fitGesehen = true;
      vor();
      if (p_.code != 11 && p_.code != 12) break;
    }
    if (fitGesehen && p_.code != 11 && p_.code != 21 && p_.code != 12 && p_.code != 22 && p_.code != 13 &&
        p_.code != 23)
      break;
  }
  auto& aus = m_.scheitel;
  const std::size_t vorher = aus.size();
  // Once a file has used up its share, its curves get the coarsest chords:
  // a few bytes of elliptic edges must not become gigabytes of vertices.
  const double toleranz = abtastungRest_ > 0 ? kSehnenfehler : HUGE_VAL;
  switch (art) {
    case 1:
      aus.push_back({a, 0, 0, 0});
      break;
    case 2: {
      // Clockwise arcs give their angles mirrored.
      double richtung = gegenUhrzeiger ? 1 : -1;
      double spanne = std::fmod(ende - anfang, 360.0);
      if (spanne <= 0) spanne += 360;
      double start = richtung * anfang * std::numbers::pi / 180;
      double halb = richtung * spanne * std::numbers::pi / 360;
      for (int teil = 0; teil < 2; ++teil) {  // halves: a full circle has no single bulge
        double t = start + teil * halb;
        aus.push_back({{a.x + radius * std::cos(t), a.y + radius * std::sin(t), 0}, woelbungFuer(halb), 0, 0});
      }
      break;
    }
    case 3: {
      // The angles are true angles; the ellipse runs by its parameter.
      auto parameter = [&](double grad) {
        double t = grad * std::numbers::pi / 180;
        return std::atan2(std::sin(t) / (radius != 0 ? radius : 1), std::cos(t));
      };
      double richtung = gegenUhrzeiger ? 1 : -1;
      double t0 = parameter(anfang);
      double spanne = std::fmod(parameter(ende) - t0, 2 * std::numbers::pi);
      if (spanne <= 1e-12) spanne += 2 * std::numbers::pi;
      ellipsenbogenAnhaengen(aus, a, b, radius, richtung * t0, richtung * (t0 + spanne), toleranz);
      break;
    }
    case 4:
      if (pole_.empty()) {
        for (std::size_t i = 0; i + 1 < fitpunkte_.size(); ++i) aus.push_back({fitpunkte_[i], 0, 0, 0});
      } else {
        splineAnhaengen(aus, grad, pole_, knoten_, gewichte_, toleranz);
      }
      break;
    default:
      break;
  }
  abtastungRest_ -= static_cast<std::int64_t>(aus.size() - vorher);
}

}  // namespace quarzel
