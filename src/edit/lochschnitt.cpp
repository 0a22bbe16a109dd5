#include "edit/lochschnitt.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "edit/figurgeometrie.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool geschlossenesPolygon(const Elementspeicher& s, std::int32_t n) {
  if (s.art(n) != Elementart::Polygon) return false;
  const Tpolygondaten& p = s.polygon(n);
  return p.x.size() >= 3 && (p.fuellung.gefuellt != 0 || p.linienstil < 1);
}

std::vector<Weltpunkt> punkteVon(const Tpolygondaten& p) {
  std::vector<Weltpunkt> r(p.x.size());
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = {p.x[i], p.y[i]};
  // A stored closing point would make a zero-length edge at the seam.
  if (r.size() > 3 && r.front().x == r.back().x && r.front().y == r.back().y) r.pop_back();
  return r;
}

// The outline of the would-be hole, or none for kinds that are not closed.
std::optional<std::vector<Weltpunkt>> lochumriss(const Elementspeicher& s, std::int32_t n) {
  if (geschlossenesPolygon(s, n)) return punkteVon(s.polygon(n));
  if (s.art(n) != Elementart::Bogen) return std::nullopt;
  const tbogendaten& b = s.bogen(n);
  if (std::fabs(double(b.endwinkel) - double(b.startwinkel)) < 360 || !(b.xr > 0 && b.yr > 0)) return std::nullopt;
  std::vector<Weltpunkt> r = figur::bogenpunkte({{b.xm, b.ym}, b.xr, b.yr, 0, 360, b.drehwinkel});
  if (r.size() > 3) r.pop_back();  // the full circle ends where it starts
  return r;
}

double flaeche2(const std::vector<Weltpunkt>& p) {
  double a = 0;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) a += (p[j].x - p[i].x) * (p[j].y + p[i].y);
  return a;
}

double abstand2(Weltpunkt a, Weltpunkt b) {
  return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

}  // namespace

bool imUmriss(const std::vector<Weltpunkt>& umriss, Weltpunkt p) {
  bool innen = false;
  for (std::size_t i = 0, j = umriss.size() - 1; i < umriss.size(); j = i++) {
    const Weltpunkt a = umriss[i], b = umriss[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) innen = !innen;
  }
  return innen;
}

std::string keinFlaechenpolygon(const Zeichnung& z, std::int32_t n) {
  const Elementspeicher& s = z.speicher;
  if (n <= 0 || n > s.anzahl() || !s.lebendig(n)) return "Hier liegt kein Polygon.";
  if (!geschlossenesPolygon(s, n)) return "Ein Loch lässt sich nur in ein geschlossenes oder gefülltes Polygon schneiden.";
  return {};
}

std::string schneideLoch(Zeichnung& z, std::int32_t aussen, std::int32_t innen) {
  if (std::string f = keinFlaechenpolygon(z, aussen); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  if (innen == aussen) return "Bitte als Loch ein anderes Element wählen.";
  if (innen <= 0 || innen > s.anzahl() || !s.lebendig(innen)) return "Hier liegt kein Element für das Loch.";
  const std::optional<std::vector<Weltpunkt>> loch = lochumriss(s, innen);
  if (!loch) return "Als Loch dienen geschlossene Polygone, Kreise und Ellipsen.";
  std::vector<Weltpunkt> rand = punkteVon(s.polygon(aussen));
  for (Weltpunkt p : *loch) {
    if (!imUmriss(rand, p)) return "Das Loch muss ganz im Polygon liegen.";
  }

  // The seam: the closest pair of an outline corner and a hole point.
  std::size_t ia = 0, ii = 0;
  double best = std::numeric_limits<double>::infinity();
  for (std::size_t a = 0; a < rand.size(); ++a) {
    for (std::size_t i = 0; i < loch->size(); ++i) {
      if (const double d = abstand2(rand[a], (*loch)[i]); d < best) best = d, ia = a, ii = i;
    }
  }
  std::rotate(rand.begin(), rand.begin() + std::ptrdiff_t(ia), rand.end());
  std::vector<Weltpunkt> l = *loch;
  std::rotate(l.begin(), l.begin() + std::ptrdiff_t(ii), l.end());
  // The hole runs against the outline, so it stays empty with either fill rule.
  if ((flaeche2(rand) > 0) == (flaeche2(l) > 0)) std::reverse(l.begin() + 1, l.end());
  rand.push_back(rand.front());
  rand.insert(rand.end(), l.begin(), l.end());
  rand.push_back(l.front());

  // One step: the hole's element goes first, as the copy that takes the
  // new outline is inserted behind the polygon and renumbers what follows.
  s.demarkiereAlle();
  s.setzeMarkiert(innen, 1);
  s.loescheMarkierte();
  s.setzeMarkiert(aussen, 1);
  const bool vorher = s.schrittUnterdrueckt;
  s.schrittUnterdrueckt = true;
  s.bereiteAenderungVor();
  s.schrittUnterdrueckt = vorher;
  std::int32_t neu = 0;
  for (std::int32_t n = 1; n <= s.anzahl() && neu == 0; ++n)
    if (s.markiert(n) && s.lebendig(n)) neu = n;
  Tpolygondaten& p = s.polygon(neu);
  p.x.resize(rand.size());
  p.y.resize(rand.size());
  for (std::size_t i = 0; i < rand.size(); ++i) p.x[i] = rand[i].x, p.y[i] = rand[i].y;
  p.punktflags.assign(rand.size(), 0);
  s.setzeMarkiert(neu, 1);
  s.setzeModifiziert(true);
  return {};
}

}  // namespace quarzel
