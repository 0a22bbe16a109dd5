#include "edit/trimmoperationen.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "edit/konstruktionsgeometrie.h"
#include "edit/kurvenschnitt.h"
#include "edit/polygonkanten.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Rounding of the crossing may leave a tangent point a hair beyond a line's end.
constexpr double kReichweitenspiel = 1e-9;

Weltpunkt anfang(const Tliniendaten& d) {
  return {d.x1, d.y1};
}
Weltpunkt ende(const Tliniendaten& d) {
  return {d.x2, d.y2};
}
void setze(Tliniendaten& d, Weltpunkt a, Weltpunkt b) {
  d.x1 = a.x, d.y1 = a.y, d.x2 = b.x, d.y2 = b.y;
}

double entlang(Weltpunkt p, Weltpunkt s, Weltpunkt r) {
  return (p.x - s.x) * r.x + (p.y - s.y) * r.y;
}

// How far the edge reaches from S along the kept direction r.
double reichweite(const Trimmkante& k, Weltpunkt s, Weltpunkt r) {
  return std::max(entlang(k.a, s, r), entlang(k.b, s, r));
}

// The edge keeps its end farther out along r; the other end moves to t. Of
// a polyline that must be its free end.
std::string pruefeEnde(const Trimmkante& k, Weltpunkt s, Weltpunkt r) {
  if (k.freiesEnde < 0) return {};
  const bool freiVorn = entlang(k.a, s, r) < entlang(k.b, s, r);
  if (freiVorn != (k.freiesEnde == 0)) return "Hier müsste die Ecke des Polygonzugs wandern, nicht sein freies Ende.";
  return {};
}
void kuerzeAuf(Elementspeicher& sp, std::int32_t kopie, const Trimmkante& k, Weltpunkt s, Weltpunkt r, Weltpunkt t) {
  if (k.freiesEnde >= 0) {
    setzeFreiesEnde(sp, kopie, k, t);
    return;
  }
  Tliniendaten& d = sp.linie(kopie);
  if (entlang(anfang(d), s, r) >= entlang(ende(d), s, r)) {
    d.x2 = t.x, d.y2 = t.y;
  } else {
    d.x1 = t.x, d.y1 = t.y;
  }
}

// A new element made from line `vorlage`: its layer, sublayer, pen, style
// and colour, not the current ones.
void uebernimm(Elementspeicher& s, std::int32_t neu, const Tliniendaten& vorlage) {
  s.setzePlanteil(neu, vorlage.planteil);
  s.setzeFolie(neu, vorlage.folie);
  s.setzeStift(neu, vorlage.stift);
  s.setzeLinienstil(neu, vorlage.linienstil);
  s.setzeFarbe(neu, vorlage.farbe);
}

// The two picked edges of a fillet or chamfer and their corner; polygon
// edges only where the trim mode leaves them alone or they can be trimmed.
std::string eckeDer(const Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, Trimmodus modus,
                    Trimmkante& e1, Trimmkante& e2, std::optional<Ecke>& e) {
  if (std::string f = trimmkante(z, n1, k1, modus != Trimmodus::Keine, e1); !f.empty()) return f;
  if (std::string f = trimmkante(z, n2, k2, modus == Trimmodus::Beide, e2); !f.empty()) return f;
  if (n1 == n2) return "Bitte zwei verschiedene Linien wählen.";
  e = ecke(e1.a, e1.b, k1, e2.a, e2.b, k2);
  if (!e) return kKeinSchnitt;
  if (std::string f = modus != Trimmodus::Keine ? pruefeEnde(e1, e->s, e->r1) : ""; !f.empty()) return f;
  if (std::string f = modus == Trimmodus::Beide ? pruefeEnde(e2, e->s, e->r2) : ""; !f.empty()) return f;
  return {};
}

// Fillet and chamfer: the tangent points t1, t2 replace the corner; the
// trim mode says which lines end there; `neu` adds the new element.
template <class Neu>
void ersetzeEcke(Zeichnung& z, const Trimmkante& k1, const Trimmkante& k2, const Ecke& e, Weltpunkt t1, Weltpunkt t2,
                 Trimmodus modus, Neu&& neu) {
  Elementspeicher& s = z.speicher;
  const std::int32_t n1 = k1.n, n2 = k2.n;
  const Tliniendaten vorlage = linienvorlage(s, k1);
  if (modus == Trimmodus::Keine) {
    s.demarkiereAlle();
    s.beginneSchritt();
  } else {
    std::vector<std::int32_t> liste{n1};
    if (modus == Trimmodus::Beide) liste.push_back(n2);
    const std::vector<std::int32_t> kopien = bereiteVor(s, liste);
    kuerzeAuf(s, kopien[0], k1, e.s, e.r1, t1);
    if (modus == Trimmodus::Beide) kuerzeAuf(s, kopien[1], k2, e.s, e.r2, t2);
  }
  const std::int32_t n = neu(vorlage);
  s.vervollstaendige(n);
  uebernimm(s, n, vorlage);
  s.setzeModifiziert(true);
}

}  // namespace

std::vector<std::int32_t> bereiteVor(Elementspeicher& s, const std::vector<std::int32_t>& nummern) {
  s.demarkiereAlle();
  for (std::int32_t n : nummern) s.setzeMarkiert(n, 1);
  s.bereiteAenderungVor();
  std::vector<std::int32_t> kopien;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.markiert(n) && s.lebendig(n)) kopien.push_back(n);
  // The copies come in store order; the originals' order maps them back.
  std::vector<std::int32_t> sortiert = nummern;
  std::sort(sortiert.begin(), sortiert.end());
  std::vector<std::int32_t> ergebnis;
  for (std::int32_t n : nummern)
    ergebnis.push_back(kopien[std::size_t(std::find(sortiert.begin(), sortiert.end(), n) - sortiert.begin())]);
  return ergebnis;
}

std::string keineLinie(const Zeichnung& z, std::int32_t n) {
  const Elementspeicher& s = z.speicher;
  if (n <= 0 || n > s.anzahl() || !s.lebendig(n)) return "Hier liegt keine Linie.";
  switch (s.art(n)) {
    case Elementart::Linie:
    case Elementart::Wandlinie1:
    case Elementart::Wandlinie2:
      return s.istMarkerpunkt(n) ? "Markerpunkte haben keine Länge und lassen sich nicht bearbeiten." : "";
    case Elementart::Polygon:
    case Elementart::Spline:
    case Elementart::Verlauf:
      return "Polygonkanten lassen sich mit diesem Werkzeug nicht bearbeiten, nur einzelne Linien.";
    case Elementart::Bogen:
      return "Kreise, Bögen und Ellipsen lassen sich mit diesem Werkzeug nicht bearbeiten, nur Linien.";
    default:
      return "Dieses Werkzeug bearbeitet nur Linien.";
  }
}

std::string trimmeLinien(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, bool beide) {
  Trimmkante e1, e2;
  if (std::string f = trimmkante(z, n1, k1, true, e1); !f.empty()) return f;
  if (std::string f = trimmkante(z, n2, k2, beide, e2); !f.empty()) return f;
  if (n1 == n2) return "Bitte zwei verschiedene Linien wählen.";
  const Weltpunkt p = linienschnitt(e1.a, e1.b, e2.a, e2.b);
  if (keinSchnitt(p)) return kKeinSchnitt;
  if (std::string f = pruefeSchnitt(e1, p); !f.empty()) return f;
  if (std::string f = beide ? pruefeSchnitt(e2, p) : std::string(); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  const std::vector<std::int32_t> kopien = bereiteVor(s, {n1, n2});
  trimme(s, kopien[0], e1, p, k1);
  if (beide)
    trimme(s, kopien[1], e2, p, k2);
  else
    s.setzeMarkiert(kopien[1], 0);
  s.setzeModifiziert(true);
  return {};
}

std::string trimmeAn(Zeichnung& z, std::int32_t n, Weltpunkt k, Weltpunkt a, Weltpunkt b) {
  Trimmkante e;
  if (std::string f = trimmkante(z, n, k, true, e); !f.empty()) return f;
  const Weltpunkt p = linienschnitt(e.a, e.b, a, b);
  if (keinSchnitt(p)) return kKeinSchnitt;
  if (std::string f = pruefeSchnitt(e, p); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  trimme(s, bereiteVor(s, {n})[0], e, p, k);
  s.setzeModifiziert(true);
  return {};
}

std::string trimmeAnKante(Zeichnung& z, std::int32_t n, Weltpunkt k, std::int32_t m, Schnittkante kante) {
  if (std::string f = keineLinie(z, n); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  const bool lebt = m > 0 && m <= s.anzahl() && s.lebendig(m);
  const Elementart art = lebt ? s.art(m) : Elementart::Frei;
  if (kante == Schnittkante::Kreis && art != Elementart::Bogen)
    return "Bitte als Zweites einen Kreis, einen Bogen oder eine Ellipse wählen.";
  if (kante == Schnittkante::Kurve && art != Elementart::Bezier && art != Elementart::Spline &&
      art != Elementart::Polygon && art != Elementart::Verlauf)
    return "Bitte als Zweites eine Kurve, einen Spline oder einen Polygonzug wählen.";
  const Tliniendaten l = s.linie(n);
  std::vector<Weltpunkt> schnitte;
  schnittpunkte(s, m, Schnittfigur{anfang(l), ende(l), true, std::nullopt}, schnitte);
  // The crossing nearest the click along the line.
  const double tk = linienparameter(anfang(l), ende(l), k);
  const auto naeher = [&](Weltpunkt p, Weltpunkt q) {
    return std::fabs(linienparameter(anfang(l), ende(l), p) - tk) <
           std::fabs(linienparameter(anfang(l), ende(l), q) - tk);
  };
  const auto p = std::min_element(schnitte.begin(), schnitte.end(), naeher);
  if (p == schnitte.end())
    return kante == Schnittkante::Kreis ? "Die Linie schneidet den Kreis nicht."
                                        : "Die Linie schneidet die Kurve nicht.";
  const std::int32_t kopie = bereiteVor(s, {n})[0];
  Weltpunkt la = anfang(l), lb = ende(l);
  schneideAb(la, lb, *p, k);
  setze(s.linie(kopie), la, lb);
  s.setzeModifiziert(true);
  return {};
}

namespace {

// Whether both kept sides reach as far from the corner as the new piece
// starts (t1 on side 1; the piece is symmetric, so side 2 needs the same).
bool beideReichen(const Trimmkante& e1, const Trimmkante& e2, const Ecke& e, Weltpunkt t1) {
  const double bis = entlang(t1, e.s, e.r1) - kReichweitenspiel;
  return reichweite(e1, e.s, e.r1) >= bis && reichweite(e2, e.s, e.r2) >= bis;
}

}  // namespace

std::string rundeAb(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, double radius,
                    bool negativ, Trimmodus modus) {
  Trimmkante e1, e2;
  std::optional<Ecke> e;
  if (std::string f = eckeDer(z, n1, k1, n2, k2, modus, e1, e2, e); !f.empty()) return f;
  const std::optional<Abrundung> a = abrundung(*e, radius, negativ);
  if (!a) return "Der Radius muss größer als 0 sein.";
  if (!beideReichen(e1, e2, *e, a->t1)) return "Der Radius ist zu groß für diese Ecke.";
  ersetzeEcke(z, e1, e2, *e, a->t1, a->t2, modus, [&](const Tliniendaten&) {
    tbogendaten d;
    d.xm = a->mitte.x, d.ym = a->mitte.y;
    d.xr = d.yr = a->radius;
    d.startwinkel = static_cast<float>(a->start);
    d.endwinkel = static_cast<float>(a->ende);
    return z.speicher.neuerBogen(d);
  });
  return {};
}

std::string befase(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, double mass,
                   bool alsAbstand, Trimmodus modus) {
  Trimmkante e1, e2;
  std::optional<Ecke> e;
  if (std::string f = eckeDer(z, n1, k1, n2, k2, modus, e1, e2, e); !f.empty()) return f;
  const std::optional<Fase> f = fase(*e, mass, alsAbstand);
  if (!f) return "Die Fase muss größer als 0 sein.";
  if (!beideReichen(e1, e2, *e, f->t1)) return "Die Fase ist zu groß für diese Ecke.";
  // The chamfer of a polygon edge is a plain line.
  const Elementart art = z.speicher.art(n1) == Elementart::Polygon ? Elementart::Linie : z.speicher.art(n1);
  ersetzeEcke(z, e1, e2, *e, f->t1, f->t2, modus, [&](const Tliniendaten& vorlage) {
    Tliniendaten d = vorlage;
    setze(d, f->t1, f->t2);
    d.anfang = d.ende = 0;  // the chamfer carries no arrow heads of the line it cuts
    return z.speicher.neueLinie(d, art);
  });
  return {};
}

std::string teileLinie(Zeichnung& z, std::int32_t n, int teile) {
  if (std::string f = keineLinie(z, n); !f.empty()) return f;
  if (teile < 2 || teile > 100) return "Eine Linie lässt sich in 2 bis 100 Teilstücke teilen.";
  Elementspeicher& s = z.speicher;
  const Tliniendaten l = s.linie(n);
  const double dx = (l.x2 - l.x1) / teile, dy = (l.y2 - l.y1) / teile;
  const std::int32_t erste = bereiteVor(s, {n})[0];
  const auto punkt = [&](int i) { return Weltpunkt{l.x1 + i * dx, l.y1 + i * dy}; };
  setze(s.linie(erste), punkt(0), punkt(1));
  for (int i = 1; i < teile; ++i) {
    const std::int32_t m = s.dupliziere(erste);
    s.vervollstaendige(m);
    // The end of the last piece is the line's own end, free of rounding.
    setze(s.linie(m), punkt(i), i + 1 == teile ? ende(l) : punkt(i + 1));
  }
  s.setzeModifiziert(true);
  return {};
}

}  // namespace quarzel
