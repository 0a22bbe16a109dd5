#include "edit/koordinateneingabe.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "edit/werkzeugsteuerung.h"
#include "edit/werkzeugtabelle.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

Eingabegruppe punktgruppe(std::string titel) {
  Eingabegruppe g;
  g.sichtbar = true;
  g.titel = std::move(titel);
  return g;
}

Eingabegruppe mausgruppe(std::string titel) {
  Eingabegruppe g = punktgruppe(std::move(titel));
  g.nurMaus = true;
  return g;
}

Eingabegruppe feldgruppe(std::string titel, std::string x, std::string y = "") {
  Eingabegruppe g = punktgruppe(std::move(titel));
  g.nurErstesFeld = y.empty();
  g.beschriftungX = std::move(x);
  g.beschriftungY = std::move(y);
  return g;
}

Eingabemaske maske(Eingabegruppe a, Eingabegruppe b = {}, Eingabegruppe c = {}) {
  Eingabemaske m;
  m.gruppen = {std::move(a), std::move(b), std::move(c)};
  return m;
}

// Expressions may use a decimal comma; muparser would read it as a list
// separator and return the last value.
std::string normalisiere(std::string_view s) {
  std::string t(s);
  for (char& c : t)
    if (c == ',') c = '.';
  return t;
}

double begrenze(double v, double grenze) {
  return v < -grenze ? -grenze : v > grenze ? grenze : v;
}

}  // namespace

bool istBogenwerkzeug(Werkzeugcode w) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  return z != nullptr && z->winkelgruppe;
}

Eingabemaske eingabemaske(Maskenart art) {
  using M = Maskenart;
  switch (art) {
    case M::StartEnde:
      return maske(punktgruppe("1.) Startpunkt"), punktgruppe("2.) Endpunkt"));
    case M::Ecken:
      return maske(punktgruppe("1.) Erster Eckpunkt"), punktgruppe("2.) Zweiter Eckpunkt"));
    case M::MitteRadius:
      return maske(punktgruppe("1.) Mittelpunkt"), feldgruppe("2.) Radius", "r:"));
    case M::KreisWaehlenRadius:
      return maske(mausgruppe("1.) Kreis wählen"), feldgruppe("2.) Radius", "r:"));
    case M::KreisWaehlenPunkt:
      return maske(mausgruppe("1.) Kreis wählen"), punktgruppe("2.) Punkt setzen"));
    case M::LinieWaehlenPunkt:
      return maske(mausgruppe("1.) Linie wählen"), punktgruppe("2.) Punkt setzen"));
    case M::LinieWaehlenLaenge:
      return maske(mausgruppe("1.) Linie wählen"), feldgruppe("Länge bestimmen", "L: "));
    case M::Bogen: {
      Eingabemaske m =
          maske(punktgruppe("1.) Mittelpunkt"), feldgruppe("2.) Radius", "r:"), feldgruppe("3.) Winkel", "w1:", "w2:"));
      m.bogenwinkel = true;
      return m;
    }
    case M::MitteRadien:
      return maske(punktgruppe("1.) Mittelpunkt"), feldgruppe("2.) Radius", "xr:", "yr:"));
    case M::Ellipsenbogen: {
      Eingabemaske m = maske(punktgruppe("1.) Mittelpunkt"), feldgruppe("2.) Radien", "xr:", "yr:"),
                             feldgruppe("3.) Winkel", "w1:", "w2:"));
      m.bogenwinkel = true;
      return m;
    }
    case M::DreiPunkte:
      return maske(punktgruppe("1.) Erster Punkt"), punktgruppe("2.) Zweiter Punkt"), punktgruppe("3.) Dritter Punkt"));
    case M::ZweiPunkte:
      return maske(punktgruppe("1.) Erster Punkt"), punktgruppe("2.) Zweiter Punkt"));
    case M::MitteZweiterPunkt:
      return maske(punktgruppe("1.) Mittelpunkt"), punktgruppe("2.) Zweiter Punkt"));
    case M::ZweiLinien:
      return maske(mausgruppe("1.) Erste Linie wählen"), mausgruppe("2.) Zweite Linie wählen"));
    case M::ZweiKreise:
      return maske(mausgruppe("1.) Ersten Kreis wählen"), mausgruppe("2.) Zweiten Kreis wählen"));
    case M::LinieKreis:
      return maske(mausgruppe("1.) Linie wählen"), mausgruppe("2.) Kreis wählen"));
    case M::KreisWaehlen:
      return maske(mausgruppe("1.) Kreis wählen"));
    case M::KreisWaehlenSeite:
      return maske(mausgruppe("1.) Kreis wählen"), mausgruppe("2.) Seite wählen"));
    case M::Bezier:
      return maske(punktgruppe("1.) Startpunkt"), punktgruppe("2.) Endpunkt"), mausgruppe("3. Stützpunkte setzen"));
    case M::Spline:
      return maske(punktgruppe("1.) Startpunkt"), punktgruppe("2.) Stützpunkt"));
    case M::Selektieren:
      return maske(mausgruppe("Selektieren"));
    case M::Verschieben:
      return maske(mausgruppe("1.) Selektieren"), punktgruppe("2.) Verschieben"));
    case M::PunktVerschieben:
      return maske(mausgruppe("1.) Selektieren"), punktgruppe("2.) Punkt Verschieben"));
    // eingabemaske(code, knopf) names the point by the button used.
    case M::Nullpunkt:
      return maske(punktgruppe("Nullpunkt"));
    case M::Referenzpunkt:
      return maske(punktgruppe("Referenzpunkt"));
    case M::Spiegelachse:
      return maske(punktgruppe("1.) Erster Punkt der Spiegelachse"), punktgruppe("2.) Zweiter Punkt der Spiegelachse"));
    case M::Drehpunkt:
      return maske(punktgruppe("Drehpunkt"));
    case M::Einfuegepunkt:
      return maske(punktgruppe("Einfügepunkt"));
    case M::FunktionAusfuehren:
      break;
  }
  return maske(mausgruppe("Funktion ausführen"));
}

Eingabemaske eingabemaske(Werkzeugcode w, std::uint8_t knopf) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  Eingabemaske m = eingabemaske(z != nullptr ? z->maske : Maskenart::FunktionAusfuehren);
  if (w == Werkzeugcode::Ursprung) {
    // Each button of 132 asks for the point it moves.
    static constexpr std::array<std::string_view, 3> kPunkte{"Koordinatennullpunkt", "Rasternullpunkt", "Nullpunkt"};
    m.gruppen[0].titel = std::string(kPunkte[std::min<std::size_t>(knopf, kPunkte.size() - 1)]);
  }
  return m;
}

std::array<std::string_view, 2> feldbeschriftung(bool relativ, bool polar) {
  if (relativ && polar) return {"d:", "phi:"};
  if (polar) return {"D:", "Phi:"};
  if (relativ) return {"dx:", "dy:"};
  return {"x:", "y:"};
}

std::optional<double> zahlwert(std::string_view ausdruck, double grenze) {
  // A runaway text is no formula anyone typed; the parser need not see it.
  if (ausdruck.size() > 4096) return std::nullopt;
  double v = 0;
  try {
    mu::Parser parser;
    parser.SetExpr(normalisiere(ausdruck));
    int anzahl = 0;
    const double* werte = parser.Eval(anzahl);
    if (anzahl != 1 || werte == nullptr) return std::nullopt;
    v = werte[0];
  } catch (const mu::Parser::exception_type&) {
    return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (!std::isfinite(v)) return std::nullopt;
  return begrenze(v, grenze);
}

double werteAus(std::string_view ausdruck, double grenze) {
  return zahlwert(ausdruck, grenze).value_or(0);
}

std::string zahltext(double wert) {
  if (wert == 0) wert = 0;  // no "-0"
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.15g", wert);
  return puffer;
}

std::string feldVerlassen(std::string_view ausdruck, double grenze) {
  const std::optional<double> wert = zahlwert(ausdruck, grenze);
  return wert ? zahltext(*wert) : std::string(ausdruck);
}

Bogenwinkel bogenwinkel(double start, double ende) {
  auto begrenzt = [](double v) { return std::isfinite(v) ? begrenze(v, kWinkelGrenze) : 0.0; };
  Bogenwinkel b{begrenzt(start), begrenzt(ende)};
  if (b.ende < b.start) b.ende += 360;
  return b;
}

Weltpunkt eingabeZuWelt(double a, double b, bool relativ, bool polar, Weltpunkt vorher, const Ansicht& ansicht,
                        double massstab) {
  double ux = a, uy = b;
  if (polar) {
    const double w = b * std::numbers::pi / 180.0;
    ux = a * std::cos(w);
    uy = a * std::sin(w);
  }
  // userToWorld carries unit, scale, the turned axes and the upward y.
  const Weltpunkt p = ansicht.userToWorld(ux, uy, massstab);
  if (!relativ) return p;
  return {vorher.x + (p.x - ansicht.zeroPoint.x), vorher.y + (p.y - ansicht.zeroPoint.y)};
}

std::optional<int> Koordinateneingabe::erwarteteGruppe(const Werkzeugsteuerung& st) const {
  const int schritt = st.zustand().schritt;
  if (schritt < 1) return std::nullopt;
  const int g = schritt >= 3 ? 2 : schritt - 1;
  if (!maske_.gruppen[g].sichtbar) return std::nullopt;
  return g;
}

Weltpunkt Koordinateneingabe::vorherigerPunkt(const Werkzeugsteuerung& st) const {
  const Werkzeugzustand& z = st.zustand();
  if (!z.punkte.empty()) return z.punkte.back();
  if (z.bezug) return *z.bezug;
  if (z.referenzpunkt) return *z.referenzpunkt;
  return st.zeichnung().ansicht.zeroPoint;
}

bool Koordinateneingabe::uebernehme(Werkzeugsteuerung& st) {
  kaputtesFeld.reset();
  const std::optional<int> g = erwarteteGruppe(st);
  if (!g) return false;
  const Eingabegruppe& maske = maske_.gruppen[*g];
  if (maske.nurMaus) return false;
  Gruppe& feld = gruppen[*g];
  const bool winkel = maske_.bogenwinkel && *g == 2;
  const double grenze = winkel ? kWinkelGrenze : kEingabeGrenze;
  // A typo must not become 0: a point at the zero point is worse than none.
  const std::optional<double> wertX = zahlwert(feld.x, grenze);
  const std::optional<double> wertY = maske.nurErstesFeld ? std::optional<double>(0) : zahlwert(feld.y, grenze);
  if (!wertX || !wertY) {
    kaputtesFeld = wertX ? 1 : 0;
    return false;
  }
  const double a = *wertX, b = *wertY;
  feld.x = zahltext(a);
  if (!maske.nurErstesFeld) feld.y = zahltext(b);

  Zeichnung& z = st.zeichnung();
  const double massstab = z.massstabInKraft();
  const Weltpunkt vorher = vorherigerPunkt(st);

  if (winkel) {
    // The arc tools take both angles at once, as one typed "point".
    const Bogenwinkel w = bogenwinkel(a, b);
    st.getippterPunkt({w.start, w.ende});
    return true;
  }

  Weltpunkt p;
  if (!maske.beschriftungX.empty()) {
    // Radius, radii and length fields: measured from the previous point
    // along the user axes, whatever the check boxes say.
    p = eingabeZuWelt(a, b, true, false, vorher, z.ansicht, massstab);
  } else {
    p = eingabeZuWelt(a, b, feld.relativ, feld.polar, vorher, z.ansicht, massstab);
  }
  st.zustand().referenzpunkt = p;
  st.getippterPunkt(p);
  return true;
}

}  // namespace quarzel
