#include "edit/polygonkanten.h"

#include <cmath>

#include "edit/geometrie.h"
#include "edit/konstruktionsgeometrie.h"
#include "edit/kurvenschnitt.h"
#include "edit/trimmoperationen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

double abstand2(Weltpunkt p, Weltpunkt q) {
  return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y);
}

// Drawn closed: filled, or a line style below 1 (as the outline has it).
bool geschlossen(const Tpolygondaten& p) {
  return p.fuellung.gefuellt != 0 || p.linienstil < 1;
}

}  // namespace

std::string trimmkante(const Zeichnung& z, std::int32_t n, Weltpunkt k, bool zumTrimmen, Trimmkante& aus) {
  const Elementspeicher& s = z.speicher;
  const bool polygon = n > 0 && n <= s.anzahl() && s.lebendig(n) && s.art(n) == Elementart::Polygon;
  if (!polygon) {
    if (std::string f = keineLinie(z, n); !f.empty()) return f;
    const Tliniendaten& l = s.linie(n);
    aus = {{l.x1, l.y1}, {l.x2, l.y2}, n, -1};
    return {};
  }
  const Tpolygondaten& p = s.polygon(n);
  const std::size_t anzahl = std::min(p.x.size(), p.y.size());
  if (anzahl < 2) return "Dieses Polygon hat keine Kante.";
  const bool zu = geschlossen(p) && anzahl > 2;
  // The edge nearest the click; a closed polygon also has the closing edge.
  const std::size_t kanten = zu ? anzahl : anzahl - 1;
  std::size_t beste = 0;
  double besterAbstand = INFINITY;
  for (std::size_t i = 0; i < kanten; ++i) {
    const Weltpunkt a{p.x[i], p.y[i]}, b{p.x[(i + 1) % anzahl], p.y[(i + 1) % anzahl]};
    const double d = abstand2(k, naechsterStreckenpunkt(k, a, b));
    if (d < besterAbstand) besterAbstand = d, beste = i;
  }
  const std::size_t j = (beste + 1) % anzahl;
  aus = {{p.x[beste], p.y[beste]}, {p.x[j], p.y[j]}, n, -1};
  if (!zumTrimmen) return {};
  if (zu) return "Kanten geschlossener Polygone lassen sich nicht trimmen: jede Ecke gehört zu zwei Kanten.";
  if (anzahl == 2) {
    aus.freiesEnde = linienparameter(aus.a, aus.b, k) < 0.5 ? 0 : 1;
  } else if (beste == 0) {
    aus.freiesEnde = 0;
  } else if (beste + 2 == anzahl) {
    aus.freiesEnde = std::int64_t(anzahl - 1);
  } else {
    return "Von einem Polygonzug lässt sich nur das erste oder letzte Stück trimmen.";
  }
  return {};
}

std::string pruefeSchnitt(const Trimmkante& e, Weltpunkt schnitt) {
  if (e.freiesEnde < 0) return {};
  // Along the edge from its free end to its corner: the crossing must lie before the corner.
  const bool amAnfang = e.freiesEnde == 0;
  const Weltpunkt frei = amAnfang ? e.a : e.b, ecke = amAnfang ? e.b : e.a;
  if (linienparameter(frei, ecke, schnitt) >= 1) return "Der Schnittpunkt liegt hinter der Ecke des Polygonzugs.";
  return {};
}

void trimme(Elementspeicher& s, std::int32_t kopie, const Trimmkante& e, Weltpunkt schnitt, Weltpunkt k) {
  if (e.freiesEnde < 0) {
    Weltpunkt a = e.a, b = e.b;
    schneideAb(a, b, schnitt, k);
    Tliniendaten& d = s.linie(kopie);
    d.x1 = a.x, d.y1 = a.y, d.x2 = b.x, d.y2 = b.y;
    return;
  }
  setzeFreiesEnde(s, kopie, e, schnitt);
}

void setzeFreiesEnde(Elementspeicher& s, std::int32_t kopie, const Trimmkante& e, Weltpunkt t) {
  Tpolygondaten& p = s.polygon(kopie);
  p.x[std::size_t(e.freiesEnde)] = t.x;
  p.y[std::size_t(e.freiesEnde)] = t.y;
}

Tliniendaten linienvorlage(const Elementspeicher& s, const Trimmkante& e) {
  if (s.art(e.n) != Elementart::Polygon) return s.linie(e.n);
  const Tpolygondaten& p = s.polygon(e.n);
  Tliniendaten d;
  d.planteil = p.planteil, d.folie = p.folie, d.stift = p.stift, d.farbe = p.farbe;
  d.linienstil = std::max<std::int16_t>(p.linienstil, 1);
  return d;
}

}  // namespace quarzel
