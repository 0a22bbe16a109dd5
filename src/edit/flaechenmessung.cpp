#include "edit/flaechenmessung.h"

#include <algorithm>
#include <cmath>

#include "edit/figurgeometrie.h"
#include "edit/koordinateneingabe.h"
#include "edit/textwerkzeuge.h"
#include "edit/treffertest.h"
#include "platform/benutzer.h"
#include "render/bemassungstext.h"
#include "store/zeichnung.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

// The button "Flächen messen" of code 313: read-outs only.
constexpr std::uint8_t kNurMessen = 1;

bool umschliesst(Elementart a) {
  return a == Elementart::Polygon || a == Elementart::Spline || a == Elementart::Bezier || a == Elementart::Bogen ||
         a == Elementart::Verlauf;
}

}  // namespace

double wohnflaeche(double f, double u, double putz, double hoehe, double meter) {
  const double anteil = hoehe >= 2 * meter ? 1 : hoehe >= meter ? 0.5 : 0;
  return std::max(0.0, f - u * putz) * anteil;
}

void Flaechenmessung::melde(const std::string& text) {
  if (benutzer != nullptr) benutzer->meldung(text, Meldungsart::Fehler);
}

void Flaechenmessung::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  if (z.werkzeug == W::MasseAddieren) return addiere(u, p);
  if (z.umschaltung.strg && z.punkte.empty()) {
    const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
    if (n == 0) return;
    const Elementspeicher& s = u.zeichnung.speicher;
    const std::optional<Flaechenmass> m =
        umschliesst(s.art(n)) ? elementflaeche(u.zeichnung, n, vorgabe.hundertstel) : std::nullopt;
    if (!m) {
      melde("Bitte ein Polygon, eine Kurve oder einen Kreis wählen.");
      return;
    }
    if (miss(u, *m, s.planteil(n), p)) abbrechen(u);
    return;
  }
  z.punkte.push_back(p);
  z.bezug = p;
  z.schritt = 2;
}

void Flaechenmessung::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  if (z.werkzeug == W::MasseAddieren || z.punkte.size() < 3) {
    neueSumme_ = true;
    abbrechen(u);
    return;
  }
  band_.loesche(u.rueckmeldung);
  const double k = zeichnungseinheitenJeMm(u.zeichnung, 0);
  const Flaechenmass m{umrissflaeche(z.punkte, k, vorgabe.hundertstel), umrissumfang(z.punkte, k)};
  // A cancelled question keeps the corners: the right button may finish again.
  if (miss(u, m, 0, p)) abbrechen(u);
}

bool Flaechenmessung::miss(Werkzeugumgebung& u, const Flaechenmass& m, int ebene, Weltpunkt ort) {
  Zeichnung& zeichnung = u.zeichnung;
  const Masseinheitwahl e =
      einheitFuerEbene(zeichnung.ansicht, zeichnung.ebenen, ebene > 0 ? ebene : zeichnung.ebenen.aktiveEbene());
  const std::string einheit(e.name);
  anzeige.flaeche = messtext(m.flaeche, Messgroesse::Flaeche, einheit);
  anzeige.umfang = messtext(m.umfang, Messgroesse::Laenge, einheit);
  if (u.zustand.knopf == kNurMessen) return true;

  std::string raum;
  double hoehe = 0;
  const double meter = 1000 * e.faktor;
  if (benutzer != nullptr) {
    const auto name = benutzer->eingabe("Raumbezeichnung", "Geben Sie bitte die Raumbezeichnung ein.", raum_);
    if (!name) return false;
    raum = *name;
    if (vorgabe.mitPutzabzug) {
      const auto antwort = benutzer->eingabe("Eingabe der Öffnungshöhe", "Geben Sie bitte die Öffnungshöhe ein.",
                                             formatiereDezimal(2.5 * meter, 2));
      if (!antwort) return false;
      const std::optional<double> h = zahlwert(*antwort);
      if (!h || *h < 0) {
        melde("Bitte eine Höhe von 0 oder mehr eingeben.");
        return false;
      }
      hoehe = *h;
    }
    raum_ = raum;
  } else {
    hoehe = 2 * meter;  // nobody to ask: the area counts whole
  }

  Tfliestextdaten d;
  const bool mehrzeilig = vorgabe.umfangAngeben || vorgabe.mitPutzabzug;
  if (!mehrzeilig) {
    d.zeilen.push_back(raum.empty() ? anzeige.flaeche : raum + " " + anzeige.flaeche);
  } else {
    if (!raum.empty()) d.zeilen.push_back(raum);
    d.zeilen.push_back("F: " + anzeige.flaeche);
    if (vorgabe.umfangAngeben) d.zeilen.push_back("U: " + anzeige.umfang);
    if (vorgabe.mitPutzabzug) {
      const double putz = std::clamp(vorgabe.putzstaerkeCm, 0.0, 20.0) * 10 * e.faktor;
      const double wfl = rundeMesswert(wohnflaeche(m.flaeche, m.umfang, putz, hoehe, meter), vorgabe.hundertstel);
      d.zeilen.push_back("WFl: " + messtext(wfl, Messgroesse::Flaeche, einheit));
    }
  }
  d.formate.resize(d.zeilen.size());
  d.x = ort.x;
  d.y = ort.y;
  // As many pixels high at the current zoom as the measuring texts are set to.
  const int pixel = stil != nullptr ? stil->messtexthoehe : Bemassungsstil{}.messtexthoehe;
  d.hoehe = static_cast<float>(std::clamp(pixel, 1, 1000) * zeichnung.ansicht.zoom);
  d.farbe = vorgabe.farbe;
  d.stil[kStilAusrichtung] = 1;  // centred on the click, as room labels stand
  d.stil[kStilGrundlinie] = 1;

  Elementspeicher& s = zeichnung.speicher;
  s.beginneSchritt();
  const std::int32_t n = s.neuerText(Elementart::Text, std::move(d));
  // The label is the only marked element: it can be moved at once.
  s.demarkiereAlle();
  s.vervollstaendige(n);
  s.setzeModifiziert(true);
  if (u.neuZeichnen) u.neuZeichnen();
  if (u.elementeZeichnen) u.elementeZeichnen(n, n);
  return true;
}

void Flaechenmessung::addiere(Werkzeugumgebung& u, Weltpunkt p) {
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  if (n == 0) return;
  const std::optional<double> l = elementlaenge(u.zeichnung, n);
  if (!l) {
    melde("Bitte eine Linie, eine Kurve, einen Bogen oder eine Bemaßung wählen.");
    return;
  }
  if (neueSumme_) gesamt_ = 0;
  neueSumme_ = false;
  gesamt_ = rundeMesswert(gesamt_ + *l);
  const Masseinheitwahl e = einheitFuerEbene(u.zeichnung.ansicht, u.zeichnung.ebenen, u.zeichnung.speicher.planteil(n));
  anzeige.gesamt = messtext(gesamt_, Messgroesse::Laenge, "");
  anzeige.einheit = std::string(e.name);
  // From the second step the right button reaches the module: it ends the sum.
  u.zustand.schritt = 2;
}

void Flaechenmessung::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzustand& z = u.zustand;
  if (z.werkzeug == W::MasseAddieren || z.punkte.empty() || !figur::endlich(p)) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  Zeichenfigur f;
  f.zug = z.punkte;
  f.zug.push_back(p);
  f.geschlossen = f.zug.size() > 2;
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, vorgabe.gummibandfarbe);
}

void Flaechenmessung::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
}

void Flaechenmessung::abbrechen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  u.zustand.vonVorn();
}

}  // namespace quarzel
