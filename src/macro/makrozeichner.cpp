// The dispatch of the drawing words and what all figures share: operand
// reading, coordinate conversion, the lazy undo step, group membership and
// the completion of each new element.
#include "macro/makrozeichner.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/makrowerte.h"
#include "store/zeichnung.h"

namespace quarzel {

Makrozeichner::Makrozeichner(Zeichnung& zeichnung, Makrozeichnerhost host)
    : zeichnung_(zeichnung), host_(std::move(host)) {
  laufBeginnt();
}

std::optional<Makrofehler> Makrozeichner::fuehreAus(Befehl befehl, Makrostapel& stapel, Makrovariablen& variablen) {
  const Befehlseintrag* e = eintrag(befehl);
  if (!e) return Makrofehler::SchwererFehler;
  fehlerbezug_.clear();
  switch (e->gruppe) {
    case Befehlsgruppe::Figur:
      switch (befehl) {
        case Befehl::ARC:
        case Befehl::ARCN:
        case Befehl::PIE:
        case Befehl::CIRCLE:
        case Befehl::FCIRCLE:
        case Befehl::ELLIPSE:
        case Befehl::FELLIPSE:
        case Befehl::CURVETO:
        case Befehl::FCURVETO:
        case Befehl::RCURVETO:
        case Befehl::RFCURVETO:
        case Befehl::SECTION:
        case Befehl::FSECTION:
        case Befehl::RSECTION:
        case Befehl::RFSECTION:
        case Befehl::RING:
        case Befehl::RINGPART:
        case Befehl::RRINGPART:
          return rundeFiguren(befehl, stapel);
        case Befehl::AREA:
        case Befehl::POLYLINE:
        case Befehl::SPLINE:
        case Befehl::FSPLINE:
        case Befehl::RAREA:
        case Befehl::RPOLYLINE:
        case Befehl::RSPLINE:
        case Befehl::RFSPLINE:
          return punktlisten(befehl, stapel);
        default:
          return pfad(befehl, stapel, variablen);
      }
    case Befehlsgruppe::Textfigur:
      return textfiguren(befehl, stapel);
    case Befehlsgruppe::Stil:
      return stile(befehl, stapel);
    case Befehlsgruppe::Umgebung:
      return umgebung(befehl, stapel, variablen);
    default:
      // Another module's word: the interpreter must not send it here.
      return Makrofehler::SchwererFehler;
  }
}

void Makrozeichner::laufBeginnt() {
  z_ = Zustand{};
  z_.punkt = zeichnung_.ansicht.zeroPoint;
  z_.pfadanfang = z_.punkt;
  z_.linienfarbe = vorgaben.linienfarbe;
  z_.fuellfarbe = vorgaben.fuellfarbe;
  z_.punktstil = std::clamp(vorgaben.punktstil, 0, 14);
  z_.punktgroesse = std::clamp(vorgaben.punktgroesse, 2, 254);
}

void Makrozeichner::laufEndet() {
  if (!z_.gruppeOffen) return;
  // A begin bracket without its end would break the group structure that
  // the store checks; the macro's members are closed as one group.
  Makrostapel leer;
  Makrovariablen keine;
  ebenenUndGruppen(Befehl::ENDGROUP, leer, keine);
}

void Makrozeichner::neuerUndoSchritt() {
  if (z_.gruppeOffen) {
    z_.schrittNachGruppe = true;
  } else {
    z_.schrittOffen = false;
  }
}

double Makrozeichner::textbreite(std::string_view text) const {
  const double mm = textbreiteOhneSchrift(text) * z_.texthoehe / 3.5;
  return mm * zeichnung_.ansicht.unitFactor * massstab();
}

// --- Operands ------------------------------------------------------------------

std::optional<Makrofehler> Makrozeichner::zahlen(Makrostapel& s, int n, double* w) {
  if (s.groesse() < static_cast<std::size_t>(n)) return Makrofehler::ZuwenigParameter;
  for (int i = 0; i < n; ++i) {
    const std::optional<double> z = liesMakrowert(s.oben(static_cast<std::size_t>(n - 1 - i)));
    if (!z) return Makrofehler::UnbekannterFehler;
    w[i] = *z;
  }
  s.entferne(static_cast<std::size_t>(n));
  return std::nullopt;
}

// --- Coordinates -----------------------------------------------------------------

double Makrozeichner::massstab() const {
  return zeichnung_.massstabInKraft();
}

Weltpunkt Makrozeichner::welt(double x, double y) const {
  return zeichnung_.ansicht.userToWorld(x, y, massstab());
}

Weltpunkt Makrozeichner::versatz(double dx, double dy) const {
  const Weltpunkt p = welt(dx, dy);
  const Weltpunkt& null = zeichnung_.ansicht.zeroPoint;
  return {p.x - null.x, p.y - null.y};
}

double Makrozeichner::laenge(double l) const {
  const double teiler = zeichnung_.ansicht.unitFactor * massstab();
  return teiler != 0 ? l / teiler : 0;
}

Benutzerpunkt Makrozeichner::alsMakropunkt(Weltpunkt p) const {
  return zeichnung_.ansicht.worldToUser(p.x, p.y, massstab());
}

// --- Adding ----------------------------------------------------------------------

void Makrozeichner::vorElement() {
  Elementspeicher& sp = zeichnung_.speicher;
  if (!z_.schrittOffen) {
    sp.beginneSchritt();
    z_.schrittOffen = true;
  }
  if (z_.gruppeOffen && z_.gruppenanfang == 0) {
    tgruppendaten g;
    g.name = z_.gruppenname;
    const std::int32_t n = sp.neueGruppenklammer(Elementart::Gruppenanfang, std::move(g));
    sp.vervollstaendige(n);
    z_.gruppenanfang = n;
  }
}

void Makrozeichner::nachElement(std::int32_t n, const Weltrechteck& r) {
  Elementspeicher& sp = zeichnung_.speicher;
  sp.vervollstaendige(n);
  // Only a group's members carry the mark: ENDGROUP finds them by it.
  sp.setzeMarkiert(n, z_.gruppeOffen ? 1 : 0);
  if (z_.gruppeOffen) {
    Weltrechteck& g = z_.gruppenrahmen;
    g.x1 = std::min({g.x1, r.x1, r.x2});
    g.y1 = std::min({g.y1, r.y1, r.y2});
    g.x2 = std::max({g.x2, r.x1, r.x2});
    g.y2 = std::max({g.y2, r.y1, r.y2});
  }
  if (host_.elementGezeichnet) host_.elementGezeichnet(n);
}

std::int32_t Makrozeichner::linie(Weltpunkt a, Weltpunkt e) {
  vorElement();
  Elementspeicher& sp = zeichnung_.speicher;
  const std::int32_t n = sp.neueLinie(a.x, a.y, e.x, e.y, z_.linienfarbe);
  nachElement(n, {a.x, a.y, e.x, e.y});
  z_.letzteLinie = n;
  return n;
}

void Makrozeichner::fuellangaben(Fuellangaben& f) const {
  f.gefuellt = 1;
  f.fuellflag = 0;  // solid colour
  f.fuellwert = z_.fuellfarbe;
  f.schraffurName = z_.muster;
}

Weltrechteck Makrozeichner::pufferrahmen() const {
  const Punktpuffer& p = zeichnung_.speicher.punkte;
  if (p.anzahl() == 0) return {};
  const auto [x1, x2] = std::minmax_element(p.x.begin(), p.x.end());
  const auto [y1, y2] = std::minmax_element(p.y.begin(), p.y.end());
  return {*x1, *y1, *x2, *y2};
}

std::int32_t Makrozeichner::polygon(Elementart art, bool gefuellt) {
  vorElement();
  Elementspeicher& sp = zeichnung_.speicher;
  Tpolygondaten vorlage;
  vorlage.farbe = z_.linienfarbe;
  if (z_.zweitfarbeAn) vorlage.farbe2 = z_.zweitfarbe;
  if (gefuellt) fuellangaben(vorlage.fuellung);
  const Weltrechteck rahmen = pufferrahmen();
  std::int32_t n;
  if (gefuellt) {
    // A negative style makes the adder close the outline; the element keeps
    // the macro's own style.
    const std::int16_t alt = sp.aktuell.linienstil;
    sp.aktuell.linienstil = static_cast<std::int16_t>(-z_.linienstil);
    n = sp.neuesPolygon(art, std::move(vorlage));
    sp.aktuell.linienstil = alt;
    sp.polygon(n).linienstil = z_.linienstil;
  } else {
    n = sp.neuesPolygon(art, std::move(vorlage));
  }
  nachElement(n, rahmen);
  return n;
}

std::int32_t Makrozeichner::bogen(Weltpunkt m, double xr, double yr, double start, double ende, double dreh,
                                  bool gefuellt) {
  vorElement();
  Elementspeicher& sp = zeichnung_.speicher;
  tbogendaten d;
  d.xm = m.x;
  d.ym = m.y;
  d.xr = std::fabs(xr);
  d.yr = std::fabs(yr);
  d.startwinkel = static_cast<float>(start);
  d.endwinkel = static_cast<float>(ende);
  d.drehwinkel = static_cast<float>(dreh);
  d.farbe = z_.linienfarbe;
  if (gefuellt) fuellangaben(d.fuellung);
  const double r = std::max(d.xr, d.yr);
  const std::int32_t n = sp.neuerBogen(std::move(d));
  if (gefuellt) sp.bogen(n).linienstil = z_.linienstil;
  nachElement(n, {m.x - r, m.y - r, m.x + r, m.y + r});
  return n;
}

bool Makrozeichner::bogenpunkte(Weltpunkt m, double r, double von, double spanne) {
  // One point per degree, at least 8 per figure: fine enough at any zoom a
  // sheet is read at, and bounded for any operand.
  const int schritte = std::clamp(static_cast<int>(std::ceil(std::fabs(spanne))), 8, 720);
  Punktpuffer& p = zeichnung_.speicher.punkte;
  for (int i = 0; i <= schritte; ++i) {
    const double w = (von + spanne * i / schritte) * std::numbers::pi / 180.0;
    if (!p.fuegeHinzu(m.x + r * std::cos(w), m.y - r * std::sin(w))) return false;
  }
  return true;
}

}  // namespace quarzel
