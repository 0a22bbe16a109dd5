#include "edit/bemassungswerkzeuge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "edit/fangsuche.h"
#include "edit/konstruktionsgeometrie.h"
#include "edit/kurvenschnitt.h"
#include "edit/treffertest.h"
#include "platform/benutzer.h"
#include "render/bemassungslayout.h"
#include "render/bemassungstext.h"
#include "render/masszahloptionen.h"
#include "render/zeichenlauf.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;
using P = Weltpunkt;

constexpr double kGrad = std::numbers::pi / 180;
// Radius of the angle symbol in sheet millimetres ("Größe des Winkelsymbols:").
constexpr double kWinkelsymbol = 6;
// Circles are told from ellipses by their radii agreeing this closely.
constexpr double kKreistoleranz = 1e-6;

P plus(P a, P b, double t = 1) {
  return {a.x + t * b.x, a.y + t * b.y};
}
P minus(P a, P b) {
  return {a.x - b.x, a.y - b.y};
}
double laenge(P a) {
  return std::hypot(a.x, a.y);
}
double skalar(P a, P b) {
  return a.x * b.x + a.y * b.y;
}
// Screen angles: counter-clockwise with y growing downward.
// The direction of r, counter-clockwise on screen: the one angle routine of
// the constructions, the angle grid and the angle dimensions.
double winkelVon(P r) {
  return richtungsgrad({0, 0}, r);
}
P einheit(double grad) {
  return {std::cos(grad * kGrad), -std::sin(grad * kGrad)};
}
// How far counter-clockwise from a to b, in [0, 360).
double ccw(double a, double b) {
  const double w = std::fmod(b - a, 360.0);
  return w < 0 ? w + 360 : w;
}

bool istKette(W w) {
  return w == W::Masskette || w == W::Mehrfachbemassung || w == W::MasskettSenkrecht;
}
bool istWinkel(W w) {
  return w == W::WinkelbemassungBogen || w == W::WinkelbemassungSymbol;
}
bool istKreis(W w) {
  return w == W::Radiusbemassung || w == W::Durchmesserbemassung || w == W::MasspfeilRadius ||
         w == W::MasspfeilDurchmesser;
}

}  // namespace

bool Bemassungswerkzeuge::flaechenwerkzeug(Werkzeugcode w) {
  return w == W::Flaechenbemassung || w == W::MasseAddieren;
}

Werkzeugmodul* Bemassungswerkzeuge::weiter(const Werkzeugumgebung& u) const {
  return flaechenwerkzeug(u.zustand.werkzeug) ? flaechen : nullptr;
}

void Bemassungswerkzeuge::melde(const std::string& text, bool fehler) {
  letzteMeldung = text;
  if (benutzer != nullptr) benutzer->meldung(text, fehler ? Meldungsart::Fehler : Meldungsart::Information);
}

bool Bemassungswerkzeuge::waehle(Werkzeugumgebung& u, Weltpunkt p) {
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  if (n == 0) return false;
  const W w = u.zustand.werkzeug;
  const Elementart art = u.zeichnung.speicher.art(n);
  if (w == W::BogenlaengeMessen) {
    const tbogendaten* b = art == Elementart::Bogen ? &u.zeichnung.speicher.bogen(n) : nullptr;
    if (b == nullptr || std::fabs(b->xr - b->yr) > kKreistoleranz * std::max(1.0, b->xr) ||
        b->endwinkel - b->startwinkel >= 360) {
      melde("Bitte einen Kreisbogen wählen.", true);
      return false;
    }
  } else if (art != Elementart::Linie) {
    // Angles take a point instead; the reference of 318 must be a line.
    if (w == W::MasskettSenkrecht) melde("Bitte eine Linie als Referenzlinie wählen.", true);
    return false;
  }
  if (!gewaehlt_.empty() && gewaehlt_.back() == n) {
    melde("Bitte zwei verschiedene Linien wählen.", true);
    return false;
  }
  gewaehlt_.push_back(n);
  klicks_.push_back(p);
  return true;
}

std::vector<tmessdaten> Bemassungswerkzeuge::kreisbemassung(const Werkzeugumgebung& u, Weltpunkt p,
                                                            std::string& fehler) const {
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  const Elementspeicher& s = u.zeichnung.speicher;
  if (n == 0) return {};
  if (s.art(n) != Elementart::Bogen ||
      std::fabs(s.bogen(n).xr - s.bogen(n).yr) > kKreistoleranz * std::max(1.0, s.bogen(n).xr)) {
    fehler = "Bitte einen Kreis oder Kreisbogen wählen.";
    return {};
  }
  const tbogendaten& b = s.bogen(n);
  const P c{b.xm, b.ym};
  const double l = laenge(minus(p, c));
  const P r = l > 0 ? P{(p.x - c.x) / l, (p.y - c.y) / l} : P{1, 0};
  const W w = u.zustand.werkzeug;
  const bool durchmesser = w == W::Durchmesserbemassung || w == W::MasspfeilDurchmesser;
  const P a = durchmesser ? plus(c, r, -b.xr) : c;
  tmessdaten d =
      neueMessdaten(durchmesser ? Messart::Durchmesser : Messart::Radius, {a, plus(c, r, b.xr), p, p}, bemassungsstil());
  d.optionen[5] = w == W::MasspfeilRadius || w == W::MasspfeilDurchmesser;
  d.optionen[0] = !durchmesser;  // "R" before radii
  d.optionen[2] = durchmesser;   // "Ø" before diameters
  return {d};
}

std::vector<tmessdaten> Bemassungswerkzeuge::winkel(const Werkzeugumgebung& u, Weltpunkt p) const {
  const std::vector<P>& pk = u.zustand.punkte;
  P s, a, b;
  if (gewaehlt_.size() == 2) {
    const Tliniendaten& l1 = u.zeichnung.speicher.linie(gewaehlt_[0]);
    const Tliniendaten& l2 = u.zeichnung.speicher.linie(gewaehlt_[1]);
    const P a1{l1.x1, l1.y1}, b1{l1.x2, l1.y2}, a2{l2.x1, l2.y1}, b2{l2.x2, l2.y2};
    s = linienschnitt(a1, b1, a2, b2);
    if (keinSchnitt(s)) return {};
    // Of the four legs the two lines give, the two enclosing p.
    struct Schenkel {
      P r;
      double reichweite;
    };
    std::vector<Schenkel> schenkel;
    for (const auto& [x, y] : {std::pair{a1, b1}, std::pair{a2, b2}}) {
      const P r{(y.x - x.x) / laenge(minus(y, x)), (y.y - x.y) / laenge(minus(y, x))};
      const double v1 = skalar(minus(x, s), r), v2 = skalar(minus(y, s), r);
      schenkel.push_back({r, std::max(v1, v2)});
      schenkel.push_back({{-r.x, -r.y}, std::max(-v1, -v2)});
    }
    const double wp = winkelVon(minus(p, s));
    const Schenkel* vor = nullptr;
    const Schenkel* nach = nullptr;
    for (const Schenkel& k : schenkel) {
      if (vor == nullptr || ccw(winkelVon(k.r), wp) < ccw(winkelVon(vor->r), wp)) vor = &k;
      if (nach == nullptr || ccw(wp, winkelVon(k.r)) < ccw(wp, winkelVon(nach->r))) nach = &k;
    }
    // A leg the line does not reach along still needs a point to give its direction.
    a = plus(s, vor->r, std::max(vor->reichweite, 1e-3));
    b = plus(s, nach->r, std::max(nach->reichweite, 1e-3));
  } else if (pk.size() == 3) {
    s = pk[0];
    a = pk[1];
    b = pk[2];
    const double w1 = winkelVon(minus(a, s));
    if (ccw(w1, winkelVon(minus(p, s))) > ccw(w1, winkelVon(minus(b, s)))) std::swap(a, b);
  } else {
    return {};
  }
  if (laenge(minus(a, s)) <= 0 || laenge(minus(b, s)) <= 0) return {};
  const bool symbol = u.zustand.werkzeug == W::WinkelbemassungSymbol;
  P lage = p;
  if (symbol) {
    const double w1 = winkelVon(minus(a, s));
    lage = plus(s, einheit(w1 + ccw(w1, winkelVon(minus(b, s))) / 2), kWinkelsymbol);
  }
  if (laenge(minus(lage, s)) <= 0) return {};
  return {neueMessdaten(symbol ? Messart::WinkelSymbol : Messart::WinkelBogen, {s, a, b, lage}, bemassungsstil())};
}

std::vector<tmessdaten> Bemassungswerkzeuge::kette(const Werkzeugumgebung& u, Weltpunkt p) const {
  const std::vector<P>& pk = u.zustand.punkte;
  if (pk.size() < 2) return {};
  const W w = u.zustand.werkzeug;
  Messart art = Messart::Gerichtet;
  double richtung = winkelVon(minus(pk[1], pk[0]));
  if (w == W::Masskette && u.zustand.knopf < 2) {
    art = u.zustand.knopf == 0 ? Messart::Horizontal : Messart::Vertikal;
  } else if (w == W::Mehrfachbemassung) {
    const P d = minus(pk[1], pk[0]);
    art = std::fabs(d.x) >= std::fabs(d.y) ? Messart::Horizontal : Messart::Vertikal;
  } else if (w == W::MasskettSenkrecht) {
    if (gewaehlt_.empty()) return {};
    const Tliniendaten& l = u.zeichnung.speicher.linie(gewaehlt_[0]);
    richtung = winkelVon({l.x2 - l.x1, l.y2 - l.y1}) + 90;
  }
  std::vector<tmessdaten> r;
  if (w == W::Mehrfachbemassung) {
    // Each further dimension one spacing farther out, away from the points.
    const P n = art == Messart::Horizontal ? P{0, 1} : P{1, 0};
    const double seite = skalar(minus(p, pk[0]), n) < 0 ? -1 : 1;
    for (std::size_t i = 1; i < pk.size(); ++i) {
      const P lage = plus(p, n, seite * bemassungsstil().mehrfachabstand * static_cast<double>(i - 1));
      r.push_back(neueMessdaten(art, {pk[0], pk[i], lage, lage}, bemassungsstil()));
    }
    return r;
  }
  for (std::size_t i = 1; i < pk.size(); ++i) {
    tmessdaten d = neueMessdaten(art, {pk[i - 1], pk[i], p, p}, bemassungsstil());
    d.textwinkel = richtung;
    r.push_back(d);
  }
  return r;
}

std::vector<tmessdaten> Bemassungswerkzeuge::automatischeKette(const Werkzeugumgebung& u, Weltpunkt p) const {
  const std::vector<P>& pk = u.zustand.punkte;
  if (pk.size() < 2) return {};
  const P a = pk[0], b = pk[1];
  const double l2 = skalar(minus(b, a), minus(b, a));
  if (!(l2 > 0)) return {};
  const Fangindex* index = fangsuche != nullptr ? &fangsuche->index() : nullptr;
  std::vector<double> stellen;
  for (const P& s : alleSchnittpunkte(u.zeichnung.speicher, index, Schnittfigur{a, b, false, std::nullopt}, 0))
    stellen.push_back(skalar(minus(s, a), minus(b, a)) / l2);
  std::sort(stellen.begin(), stellen.end());
  // Crossings closer than a thousandth of a millimetre are one (a corner
  // where two lines meet).
  const double spiel = 1e-3 / std::sqrt(l2);
  stellen.erase(std::unique(stellen.begin(), stellen.end(), [&](double x, double y) { return y - x < spiel; }),
                stellen.end());
  if (stellen.size() < 2) return {};
  const double richtung = winkelVon(minus(b, a));
  std::vector<tmessdaten> r;
  for (std::size_t i = 1; i < stellen.size(); ++i) {
    tmessdaten d = neueMessdaten(Messart::Gerichtet, {plus(a, minus(b, a), stellen[i - 1]), plus(a, minus(b, a), stellen[i]), p, p},
                                 bemassungsstil());
    d.textwinkel = richtung;
    r.push_back(d);
  }
  return r;
}

std::vector<tmessdaten> Bemassungswerkzeuge::ergebnis(const Werkzeugumgebung& u, Weltpunkt p, bool rechts) const {
  const Werkzeugzustand& z = u.zustand;
  const W w = z.werkzeug;
  if (istKette(w)) return rechts ? kette(u, p) : std::vector<tmessdaten>{};
  if (w == W::AutomatischeMasskette) return automatischeKette(u, p);
  if (istWinkel(w)) return winkel(u, p);
  if (istKreis(w)) {
    std::string fehler;
    return kreisbemassung(u, p, fehler);
  }
  if (w == W::Kotenbemassung) {
    tmessdaten d = neueMessdaten(Messart::Kote, {p, u.zeichnung.ansicht.userToWorld(0, 0, 1), p, p}, bemassungsstil());
    d.schalter[0] = 3;  // levels read to the millimetre: "±0,000"
    return {d};
  }
  if (w == W::BogenlaengeMessen) {
    if (gewaehlt_.empty()) return {};
    const tbogendaten& b = u.zeichnung.speicher.bogen(gewaehlt_[0]);
    const P c{b.xm, b.ym};
    const P a = plus(c, einheit(b.startwinkel + b.drehwinkel), b.xr);
    const P e = plus(c, einheit(b.endwinkel + b.drehwinkel), b.xr);
    if (laenge(minus(p, c)) <= 0) return {};
    return {neueMessdaten(Messart::Bogenlaenge, {c, a, e, p}, bemassungsstil())};
  }
  if ((w == W::StreckenMessen || w == W::MasspfeilLaenge) && z.punkte.size() == 2) {
    const P a = z.punkte[0], b = z.punkte[1];
    Messart art = Messart::Parallel;
    if (w == W::StreckenMessen) {
      // The drawn direction: beside both points vertical, above or below horizontal.
      const bool zwischenX = p.x > std::min(a.x, b.x) && p.x < std::max(a.x, b.x);
      const bool zwischenY = p.y > std::min(a.y, b.y) && p.y < std::max(a.y, b.y);
      if (zwischenX && !zwischenY) art = Messart::Horizontal;
      if (zwischenY && !zwischenX) art = Messart::Vertikal;
    }
    tmessdaten d = neueMessdaten(art, {a, b, p, p}, bemassungsstil());
    d.optionen[5] = w == W::MasspfeilLaenge;
    return {d};
  }
  return {};
}

void Bemassungswerkzeuge::lege(Werkzeugumgebung& u, const std::vector<tmessdaten>& saetze) {
  band_.loesche(u.rueckmeldung);
  const bool warMarkiert = u.zeichnung.speicher.anzahlMarkierte() > 0;
  const auto [von, bis] = legeBemassungenAb(u.zeichnung, saetze);
  if (von != 0) {
    letzteMeldung.clear();
    if (warMarkiert && u.neuZeichnen)
      u.neuZeichnen();
    else if (u.elementeZeichnen)
      u.elementeZeichnen(von, bis);
  }
  gewaehlt_.clear();
  klicks_.clear();
  u.zustand.vonVorn();
}

const Bemassungsstil& Bemassungswerkzeuge::bemassungsstil() const {
  static const Bemassungsstil kFrisch;
  return stil != nullptr ? *stil : kFrisch;
}

void Bemassungswerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = weiter(u)) return m->punkt(u, p);
  Werkzeugzustand& z = u.zustand;
  const W w = z.werkzeug;
  const auto weiterMit = [&](P q) {
    z.punkte.push_back(q);
    z.bezug = q;
    z.schritt = static_cast<int>(z.punkte.size() + gewaehlt_.size()) + 1;
  };
  if (istKreis(w)) {
    std::string fehler;
    const std::vector<tmessdaten> r = kreisbemassung(u, p, fehler);
    if (!fehler.empty()) melde(fehler, true);
    if (!r.empty()) lege(u, r);
    return;
  }
  if (w == W::Kotenbemassung) return lege(u, ergebnis(u, p, false));
  if (w == W::BogenlaengeMessen) {
    if (gewaehlt_.empty()) {
      if (waehle(u, p)) z.schritt = 2;
      return;
    }
    return lege(u, ergebnis(u, p, false));
  }
  if (istWinkel(w)) {
    if (gewaehlt_.size() == 2 || z.punkte.size() == 3) {
      const std::vector<tmessdaten> r = winkel(u, p);
      if (r.empty()) return melde("Die Linien schneiden sich nicht.", true);
      return lege(u, r);
    }
    // The first click says whether lines or points give the angle: on a
    // line the second must be a line too.
    if (z.punkte.empty() && !gewaehlt_.empty()) {
      if (waehle(u, p)) z.schritt = 3;
      return;
    }
    if (z.punkte.empty() && waehle(u, p)) {
      z.schritt = 2;
      return;
    }
    return weiterMit(p);
  }
  if (w == W::MasskettSenkrecht && gewaehlt_.empty()) {
    if (waehle(u, p)) z.schritt = 2;
    return;
  }
  if (istKette(w)) return weiterMit(p);
  if (w == W::AutomatischeMasskette && z.punkte.size() == 2) {
    const std::vector<tmessdaten> r = automatischeKette(u, p);
    if (r.empty()) {
      band_.loesche(u.rueckmeldung);
      u.zustand.vonVorn();
      return melde("Keine geeigneten Objekte im Messbereich!", true);
    }
    return lege(u, r);
  }
  // 301, 307 and 315: two points, then the line's place.
  if (z.punkte.size() < 2) {
    weiterMit(p);
    if (z.punkte.size() == 2 && w == W::StreckenMessen && z.knopf == 1) {
      // "ohne Maßlinie": the distance is told, nothing is drawn.
      const P a = z.punkte[0], b = z.punkte[1];
      const Masseinheitwahl e =
          einheitFuerEbene(u.zeichnung.ansicht, u.zeichnung.ebenen, u.zeichnung.speicher.aktuell.planteil);
      // The value text rules of the style, in the shortest form, with the
      // unit and the style's tolerances.
      Masszahloptionen o = masszahloptionen(bemassungsstil());
      o.keineNullen = o.einheitAnzeigen = true;
      const std::string wert =
          mitToleranz(bemassungstext(laenge(minus(b, a)), Bemassungsart::Laenge, o, e), toleranzangabe(o));
      band_.loesche(u.rueckmeldung);
      u.zustand.vonVorn();
      melde("Länge: " + wert, false);
    }
    return;
  }
  lege(u, ergebnis(u, p, false));
}

void Bemassungswerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = weiter(u)) return m->zweiteTaste(u, p);
  if (istKette(u.zustand.werkzeug) && u.zustand.punkte.size() >= 2) return lege(u, kette(u, p));
  abbrechen(u);
}

void Bemassungswerkzeuge::zeigeBand(Werkzeugumgebung& u, const std::vector<tmessdaten>& saetze, Weltpunkt p) {
  Zeichenfigur f;
  const Zeichnung& z = u.zeichnung;
  // The layout in world millimetres: a run whose pixels are world units
  // scaled by the zoom, read back the same way.
  Laufparameter lp;
  lp.zoom = z.ansicht.zoom > 0 ? z.ansicht.zoom : 1;
  const Zeichenlauf lauf(z.stifte, z.linienstile, lp);
  const auto welt = [&](Pixelpunkt q) { return P{q.x * lp.zoom, q.y * lp.zoom}; };
  for (const tmessdaten& d : saetze) {
    const std::optional<Bemassungsfigur> b = bemassungsfigur(d, lauf, 0);
    if (!b) continue;
    f.linien.push_back({welt(b->masslinie.a), welt(b->masslinie.b)});
    for (const auto& h : b->hilfslinien) f.linien.push_back({welt(h.a), welt(h.b)});
    for (const auto& zug : b->zuege)
      for (std::size_t i = 1; i < zug.size(); ++i) f.linien.push_back({welt(zug[i - 1]), welt(zug[i])});
  }
  // The last point leads to the mouse: where the next point of a chain
  // goes, or what a dimension still lacks. The points before are not
  // joined: they mostly lie on drawn edges, which XOR would wipe out.
  const std::vector<P>& pk = u.zustand.punkte;
  if ((saetze.empty() || istKette(u.zustand.werkzeug)) && !pk.empty()) f.linien.push_back({pk.back(), p});
  band_.zeige(u.rueckmeldung, z.ansicht, f, gummibandfarbe);
}

void Bemassungswerkzeuge::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = weiter(u)) return m->bewegung(u, p);
  if (!std::isfinite(p.x) || !std::isfinite(p.y) || u.zustand.schritt < 1) return band_.loesche(u.rueckmeldung);
  zeigeBand(u, ergebnis(u, p, true), p);
}

void Bemassungswerkzeuge::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  if (Werkzeugmodul* m = weiter(u)) return m->rueckmeldungLoeschen(u);
  band_.loesche(u.rueckmeldung);
}

void Bemassungswerkzeuge::abbrechen(Werkzeugumgebung& u) {
  if (Werkzeugmodul* m = weiter(u)) return m->abbrechen(u);
  band_.loesche(u.rueckmeldung);
  gewaehlt_.clear();
  klicks_.clear();
  u.zustand.vonVorn();
}

void Bemassungswerkzeuge::getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = weiter(u)) return m->getippterPunkt(u, p);
  punkt(u, p);
}

void Bemassungswerkzeuge::doppelklick(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = weiter(u)) m->doppelklick(u, p);
}

void Bemassungswerkzeuge::loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) {
  if (Werkzeugmodul* m = weiter(u)) m->loslassen(u, p, klick);
}

}  // namespace quarzel
