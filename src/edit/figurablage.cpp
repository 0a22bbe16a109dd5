#include "edit/figurablage.h"

#include <cmath>
#include <vector>

#include "edit/figurgeometrie.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool bogenBrauchbar(const Figurbogen& b) {
  return figur::endlich(b.mitte) && std::isfinite(b.xr) && std::isfinite(b.yr) && b.xr > 0 && b.yr > 0 &&
         std::isfinite(b.start) && std::isfinite(b.ende) && std::isfinite(b.dreh) && b.ende > b.start;
}

bool linieBrauchbar(const Figurlinie& l) {
  if (!figur::endlich(l.a) || !figur::endlich(l.b)) return false;
  // A marker point is a line of no length; any other line needs one.
  return l.anfang != 0 || !figur::gleich(l.a, l.b);
}

// The points that go to the store: repeated points dropped, at most what the
// point buffer holds, an area closed by its first point.
std::vector<Weltpunkt> zugpunkte(const Zeichenfigur& f) {
  std::vector<Weltpunkt> p = figur::ohneWiederholungen(f.zug);
  if (p.size() > Punktpuffer::Hoechstzahl - 1) p.resize(Punktpuffer::Hoechstzahl - 1);
  if (f.geschlossen && p.size() > 2 && !figur::gleich(p.front(), p.back())) p.push_back(p.front());
  return p;
}

void setzeFlaeche(Elementspeicher& s, std::int32_t n, const Flaechenvorgabe& v) {
  if (Fuellangaben* fl = s.fuellung(n)) {
    fl->fuellwert = v.fuellwert;
    fl->fuellflag = v.fuellflag;
    fl->schraffurName = v.schraffurName;
    fl->schraffurWinkel = v.schraffurWinkel;
    fl->gefuellt = v.gefuellt;
  }
  s.setzeAttribut(n, {v.attribut, v.attributFlag});
}

}  // namespace

bool figurBrauchbar(const Zeichenfigur& f) {
  if (f.leer()) return false;
  for (const Figurlinie& l : f.linien)
    if (!linieBrauchbar(l)) return false;
  for (const Figurbogen& b : f.boegen)
    if (!bogenBrauchbar(b)) return false;
  if (!f.zug.empty()) {
    for (const Weltpunkt& p : f.zug)
      if (!figur::endlich(p)) return false;
    if (figur::ohneWiederholungen(f.zug).size() < (f.geschlossen ? 3u : 2u)) return false;
  }
  if (f.bezier) {
    for (const Weltpunkt& p : *f.bezier)
      if (!figur::endlich(p)) return false;
    if (figur::gleich((*f.bezier)[0], (*f.bezier)[3])) return false;
  }
  return true;
}

std::pair<std::int32_t, std::int32_t> legeFigurAb(Werkzeugumgebung& u, const Zeichenfigur& f, const Zeichenvorgabe& v,
                                                  const Flaechenvorgabe* flaeche) {
  if (!figurBrauchbar(f)) return {0, -1};
  Elementspeicher& s = u.zeichnung.speicher;
  const Farbe farbe = f.hilfslinie ? v.hilfslinienfarbe : v.farbe;

  s.beginneSchritt();
  std::vector<std::int32_t> neu;
  for (const Figurlinie& l : f.linien) {
    Tliniendaten d;
    d.x1 = l.a.x;
    d.y1 = l.a.y;
    d.x2 = l.b.x;
    d.y2 = l.b.y;
    d.farbe = farbe;
    d.anfang = l.anfang;
    neu.push_back(s.neueLinie(d));
    if (f.hilfslinie) s.setzeStift(neu.back(), kHilfslinienstift);
  }
  for (const Figurbogen& b : f.boegen) {
    tbogendaten d;
    d.xm = b.mitte.x;
    d.ym = b.mitte.y;
    d.xr = b.xr;
    d.yr = b.yr;
    d.startwinkel = static_cast<float>(b.start);
    d.endwinkel = static_cast<float>(b.ende);
    d.drehwinkel = static_cast<float>(b.dreh);
    d.farbe = farbe;
    neu.push_back(s.neuerBogen(d));
    if (f.hilfslinie) s.setzeStift(neu.back(), kHilfslinienstift);
  }
  if (f.zug.size() >= 2) {
    s.punkte.leere();
    for (const Weltpunkt& p : zugpunkte(f)) s.punkte.fuegeHinzu(p.x, p.y);
    Tpolygondaten d;
    d.farbe = farbe;
    if (f.freihand) d.muster = kFreihandMuster;
    if (f.zugArt == Elementart::Verlauf) {
      d.farbe2 = v.farbe2;
      d.verlaufstyp = packeVerlaufstyp({f.verlaufsbasis, false, false});
      d.wert2 = f.verlaufsecken;
    }
    const std::int32_t n = s.neuesPolygon(f.zugArt, d);
    s.punkte.leere();
    if (f.freihand && v.freihandstift != 0) s.setzeStift(n, v.freihandstift);
    neu.push_back(n);
  }
  if (f.bezier) {
    Tbezierdaten d;
    for (int i = 0; i < 4; ++i) {
      d.punkte[2 * i] = (*f.bezier)[i].x;
      d.punkte[2 * i + 1] = (*f.bezier)[i].y;
    }
    d.farbe = farbe;
    neu.push_back(s.neueBezierkurve(d));
  }
  for (std::int32_t n : neu) {
    if (flaeche) setzeFlaeche(s, n, *flaeche);
    s.vervollstaendige(n);
    // The store completes new elements marked. Drawing is no selection: the
    // user goes on drawing, and what was marked before stays marked.
    s.setzeMarkiert(n, 0);
  }
  s.setzeModifiziert(true);
  // New elements stand at consecutive numbers in the order they were added.
  const std::int32_t von = neu.front(), bis = neu.back();
  if (u.elementeZeichnen) u.elementeZeichnen(von, bis);
  return {von, bis};
}

}  // namespace quarzel
