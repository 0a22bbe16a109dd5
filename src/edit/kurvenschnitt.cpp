#include "edit/kurvenschnitt.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "edit/elementumriss.h"
#include "edit/fangformen.h"
#include "edit/fangindex.h"
#include "edit/konstruktionsgeometrie.h"

namespace quarzel {

namespace {

// Cuts this close to a figure's end (in its parameter) are the end itself.
constexpr double kLinienspiel = 1e-9;
constexpr double kWinkelspiel = 1e-7;

constexpr double kWeit = std::numeric_limits<double>::max();
constexpr Weltrechteck kUeberall{-kWeit, -kWeit, kWeit, kWeit};

double winkelAb(double t, double von) {
  double d = std::fmod(t - von, 360.0);
  if (d < 0) d += 360;
  return d;
}

void mitStrecke(const Schnittfigur& f, Weltpunkt c, Weltpunkt d, std::vector<Weltpunkt>& aus) {
  if (f.bogen) {
    for (const Weltpunkt& p : streckeBogenSchnitt(c, d, *f.bogen)) aus.push_back(p);
  } else if (f.gerade) {
    const Weltpunkt p = linienschnitt(f.a, f.b, c, d);
    const double t = linienparameter(c, d, p);
    if (!keinSchnitt(p) && t >= -kLinienspiel && t <= 1 + kLinienspiel) aus.push_back(p);
  } else if (const std::optional<Weltpunkt> p = streckenschnitt(f.a, f.b, c, d)) {
    aus.push_back(*p);
  }
}

}  // namespace

double linienparameter(Weltpunkt a, Weltpunkt b, Weltpunkt p) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  return l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
}

std::optional<Ellipsenbogen> bogenfigur(const Elementspeicher& s, std::int32_t n) {
  if (s.art(n) != Elementart::Bogen) return std::nullopt;
  return ellipsenbogen(s.bogen(n));
}

void schnittpunkte(const Elementspeicher& s, std::int32_t m, const Schnittfigur& f, std::vector<Weltpunkt>& aus) {
  switch (fangform(s.art(m))) {
    case Fangform::Linie:
    case Fangform::Polygon:
      fuerStrecken(s, m, kUeberall, [&](Weltpunkt c, Weltpunkt d) { mitStrecke(f, c, d, aus); });
      break;
    case Fangform::Bogen: {
      const std::optional<Ellipsenbogen> e = bogenfigur(s, m);
      if (!e) break;
      const Punktliste l = f.bogen    ? bogenBogenSchnitt(*f.bogen, *e)
                           : f.gerade ? geradeBogenSchnitt(f.a, f.b, *e)
                                      : streckeBogenSchnitt(f.a, f.b, *e);
      aus.insert(aus.end(), l.begin(), l.end());
      break;
    }
    case Fangform::Bezier:
    case Fangform::Spline: {
      Umriss u;
      if (!elementumriss(s, m, u)) break;
      std::size_t i = 0;
      for (int laenge : u.laengen) {
        for (int j = 1; j < laenge; ++j) mitStrecke(f, u.punkte[i + j - 1], u.punkte[i + j], aus);
        i += std::size_t(laenge);
      }
      break;
    }
    default:
      break;
  }
}

std::vector<Weltpunkt> alleSchnittpunkte(const Elementspeicher& s, const Fangindex* index, const Schnittfigur& f,
                                         std::int32_t ausser, bool nurStrecken) {
  const Weltrechteck fenster = f.bogen ? f.bogen->umgebung() : f.gerade ? kUeberall : streckenumgebung(f.a, f.b);
  std::vector<std::int32_t> kandidaten;
  if (index != nullptr) {
    index->suche(fenster, kandidaten);
  } else {
    for (std::int32_t m = 1; m <= s.anzahl(); ++m) kandidaten.push_back(m);
  }
  std::vector<Weltpunkt> aus;
  for (std::int32_t m : kandidaten) {
    if (m == ausser || m > s.anzahl() || !s.lebendig(m)) continue;
    const Fangform form = fangform(s.art(m));
    if (nurStrecken && form != Fangform::Linie && form != Fangform::Polygon) continue;
    schnittpunkte(s, m, f, aus);
  }
  return aus;
}

Stueck linienstueck(Weltpunkt a, Weltpunkt b, const std::vector<Weltpunkt>& schnitte, double k) {
  k = std::clamp(k, 0.0, 1.0);
  Stueck st{0, 1};
  for (const Weltpunkt& p : schnitte) {
    const double t = linienparameter(a, b, p);
    if (t <= kLinienspiel || t >= 1 - kLinienspiel) continue;
    if (std::fabs(t - k) <= kLinienspiel) st.aufSchnitt = true;
    if (t < k && t > st.von) st.von = t, st.vonSchnitt = true;
    if (t > k && t < st.bis) st.bis = t, st.bisSchnitt = true;
  }
  return st;
}

std::optional<Stueck> bogenstueck(const Ellipsenbogen& e, const std::vector<Weltpunkt>& schnitte, double k) {
  if (e.voll) {
    // Around a closed figure: the nearest cut ahead of the click and the
    // nearest behind it.
    double vor = 360, nach = 0;
    bool aufSchnitt = false;
    for (const Weltpunkt& p : schnitte) {
      const double d = winkelAb(e.winkelVon(p), k);
      if (d <= kWinkelspiel || d >= 360 - kWinkelspiel) {
        aufSchnitt = true;
        continue;
      }
      vor = std::min(vor, d), nach = std::max(nach, d);
    }
    if (aufSchnitt) return Stueck{k, k, false, false, true};
    if (!(nach - vor > kWinkelspiel)) return std::nullopt;
    return Stueck{k + nach - 360, k + vor, true, true};
  }
  double uk = winkelAb(k, e.start);
  if (uk > e.spanne) uk = uk - e.spanne < 360 - uk ? e.spanne : 0;
  Stueck st{0, e.spanne};
  for (const Weltpunkt& p : schnitte) {
    const double u = winkelAb(e.winkelVon(p), e.start);
    if (u <= kWinkelspiel || u >= e.spanne - kWinkelspiel) continue;
    if (std::fabs(u - uk) <= kWinkelspiel) st.aufSchnitt = true;
    if (u < uk && u > st.von) st.von = u, st.vonSchnitt = true;
    if (u > uk && u < st.bis) st.bis = u, st.bisSchnitt = true;
  }
  st.von += e.start, st.bis += e.start;
  return st;
}

}  // namespace quarzel
