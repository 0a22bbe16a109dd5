#include "edit/textwerkzeuge.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "edit/figurgeometrie.h"
#include "store/zeichnung.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

constexpr std::size_t kHoechsteZeilen = 256;
constexpr double kKleinsteHoehe = 0.01, kGroessteHoehe = 1000;

// Tools whose first press already is the text's place (released there or
// dragged to a frame); the notes take a second point instead.
bool mitHinweislinie(W w) {
  return w == W::Hinweistext || w == W::HinweistextMitKoordinaten;
}

bool istText(const Elementspeicher& s, std::int32_t n) {
  return n > 0 && n <= s.anzahl() && (s.art(n) == Elementart::Text || s.art(n) == Elementart::Kommentar);
}

// The new elements are the only marked ones: the user sees what was placed.
void markiereNur(Elementspeicher& s, const std::vector<std::int32_t>& neu) {
  s.demarkiereAlle();
  for (std::int32_t n : neu) s.vervollstaendige(n);
}

}  // namespace

Textangaben textangabenAus(const Tfliestextdaten& d) {
  Textangaben a;
  a.zeilen = d.zeilen;
  a.schrift = d.schrift;
  a.hoehe = d.hoehe;
  a.winkel = d.winkel;
  a.ausrichtung = std::min<std::uint8_t>(d.stil[kStilAusrichtung], 2);
  a.hinterlegt = d.stil[kStilHinterlegt] != 0;
  if (a.hinterlegt) a.hintergrund = d.farbe2;
  return a;
}

void uebernimm(const Textangaben& a, Tfliestextdaten& d) {
  d.zeilen = a.zeilen;
  if (d.zeilen.size() > kHoechsteZeilen) d.zeilen.resize(kHoechsteZeilen);
  d.formate.resize(d.zeilen.size());
  if (!a.schrift.empty()) d.schrift = a.schrift;
  d.hoehe = static_cast<float>(std::isfinite(a.hoehe) ? std::clamp(a.hoehe, kKleinsteHoehe, kGroessteHoehe) : 3.5);
  d.winkel = static_cast<float>(std::isfinite(a.winkel) ? std::fmod(a.winkel, 360.0) : 0.0);
  d.stil[kStilAusrichtung] = std::min<std::uint8_t>(a.ausrichtung, 2);
  d.stil[kStilHinterlegt] = a.hinterlegt ? 1 : 0;
  if (a.hinterlegt) d.farbe2 = a.hintergrund;
}

bool aendereText(Zeichnung& z, std::int32_t n, const Textangaben& a) {
  Elementspeicher& s = z.speicher;
  if (!istText(s, n) || !s.lebendig(n)) return false;
  Tfliestextdaten neu = s.text(n);
  uebernimm(a, neu);
  if (neu == s.text(n)) return false;
  s.demarkiereAlle();
  s.setzeMarkiert(n, 1);
  // The marked text is retired and its copy, the one marked now, changed.
  s.bereiteAenderungVor();
  for (std::int32_t m = 1; m <= s.anzahl(); ++m)
    if (s.markiert(m) && s.lebendig(m) && istText(s, m)) {
      s.text(m) = std::move(neu);
      break;
    }
  s.setzeModifiziert(true);
  return true;
}

std::string koordinatentext(const Zeichnung& z, Weltpunkt p) {
  const Ansicht& a = z.ansicht;
  const Benutzerpunkt b = a.worldToUser(p.x, p.y, z.massstabInKraft());
  const std::string einheit = a.unitName.empty() ? std::string() : " " + a.unitName;
  return "X: " + formatiereBenutzerwert(b.x, a.unitCode, a.displayDecimals, a.imperialDecimal) + einheit +
         "  Y: " + formatiereBenutzerwert(b.y, a.unitCode, a.displayDecimals, a.imperialDecimal) + einheit;
}

void Textwerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  if (z.schritt >= 2 && mitHinweislinie(z.werkzeug) && !z.punkte.empty()) {
    const Weltpunkt ziel = z.punkte.front();
    band_.loesche(u.rueckmeldung);
    zuruecksetzen(u);
    lege(u, p, true, ziel);
    return;
  }
  // The press is the first point; the release decides (loslassen).
  z.punkte.assign(1, p);
  z.bezug = p;
  z.schritt = 2;
}

void Textwerkzeuge::loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) {
  Werkzeugzustand& z = u.zustand;
  if (z.schritt != 2 || z.punkte.empty() || mitHinweislinie(z.werkzeug)) return;
  const Weltpunkt a = z.punkte.front();
  band_.loesche(u.rueckmeldung);
  zuruecksetzen(u);
  if (klick || z.werkzeug == W::TextWiederholen) {
    lege(u, a, z.werkzeug != W::FliesstextOben, std::nullopt);
  } else {
    // A frame: the text hangs from its upper left corner (y grows downward).
    lege(u, {std::min(a.x, p.x), std::min(a.y, p.y)}, false, std::nullopt);
  }
}

void Textwerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt) {
  abbrechen(u);
}

void Textwerkzeuge::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzustand& z = u.zustand;
  if (z.schritt != 2 || z.punkte.empty()) return;
  Zeichenfigur f;
  const Weltpunkt a = z.punkte.front();
  if (mitHinweislinie(z.werkzeug)) {
    f.linien.push_back({a, p});
  } else if (z.werkzeug != W::TextWiederholen) {
    // Dragging spans the frame the text will hang from.
    f.zug = {a, {p.x, a.y}, p, {a.x, p.y}, a};
  }
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, gummibandfarbe);
}

void Textwerkzeuge::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
}

void Textwerkzeuge::abbrechen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  zuruecksetzen(u);
}

void Textwerkzeuge::zuruecksetzen(Werkzeugumgebung& u) {
  u.zustand.vonVorn();
}

void Textwerkzeuge::lege(Werkzeugumgebung& u, Weltpunkt ort, bool grundlinie, std::optional<Weltpunkt> ziel) {
  if (!figur::endlich(ort) || (ziel && !figur::endlich(*ziel))) return;
  const W w = u.zustand.werkzeug;
  Tfliestextdaten d;
  if (w == W::TextWiederholen && letzterText_) {
    d = *letzterText_;
  } else {
    Textangaben vorschlag = letzte;
    vorschlag.hinterlegt = w == W::TextHinterlegen;
    if (w == W::FliesstextLinks) vorschlag.ausrichtung = 0;
    if (w == W::HinweistextMitKoordinaten) {
      vorschlag.zeilen = {koordinatentext(u.zeichnung, *ziel)};
    } else {
      if (!abfragen) return;
      const std::optional<Textangaben> a = abfragen(w, vorschlag);
      if (!a) return;
      vorschlag = *a;
      // Font, height and angle are what the next text starts with; the
      // words and the background are this text's own.
      letzte.schrift = vorschlag.schrift;
      letzte.hoehe = vorschlag.hoehe;
      letzte.winkel = vorschlag.winkel;
      if (w != W::FliesstextLinks) letzte.ausrichtung = vorschlag.ausrichtung;
      if (vorschlag.hinterlegt) letzte.hintergrund = vorschlag.hintergrund;
      if (w == W::FliesstextLinks) vorschlag.ausrichtung = 0;
    }
    bool leer = true;
    for (const std::string& zeile : vorschlag.zeilen) leer = leer && zeile.empty();
    if (leer) return;
    uebernimm(vorschlag, d);
    d.farbe = farbe;
    if (w == W::Kommentar && !kuerzel.empty()) d.zeilen.front() = kuerzel + ": " + d.zeilen.front();
  }
  d.x = ort.x;
  d.y = ort.y;
  d.stil[kStilGrundlinie] = grundlinie ? 1 : 0;
  if (w != W::Kommentar && w != W::HinweistextMitKoordinaten) letzterText_ = d;

  Elementspeicher& s = u.zeichnung.speicher;
  s.beginneSchritt();
  std::vector<std::int32_t> neu;
  if (ziel) {
    Tliniendaten l;
    l.x1 = ziel->x;
    l.y1 = ziel->y;
    l.x2 = ort.x;
    l.y2 = ort.y;
    l.farbe = farbe;
    l.anfang = hinweispfeil;
    neu.push_back(s.neueLinie(l));
  }
  neu.push_back(s.neuerText(w == W::Kommentar ? Elementart::Kommentar : Elementart::Text, std::move(d)));
  markiereNur(s, neu);
  s.setzeModifiziert(true);
  // Marks elsewhere went away: the whole picture, not just the new elements.
  if (u.neuZeichnen) u.neuZeichnen();
  if (u.elementeZeichnen) u.elementeZeichnen(neu.front(), neu.back());
}

}  // namespace quarzel
