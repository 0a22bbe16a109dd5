#include "render/textelemente.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "render/bemassungslayout.h"
#include "render/bemassungstext.h"
#include "render/bemassungswert.h"
#include "render/linienenden.h"
#include "render/linienstilzeichnen.h"
#include "render/textersetzung.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Lines of a text follow each other at this multiple of the text height.
constexpr double kZeilenabstand = 1.25;
// Texts smaller than this are not drawn: they could not be read anyway.
constexpr double kKleinsteTexthoehePixel = 1;
// Longest line handed to the canvas; longer ones are cut.
constexpr std::size_t kLaengsteZeile = 4096;
constexpr std::size_t kMeisteZeilen = 256;
// The canvas hangs a line from its anchor; its baseline lies this share of
// the text height lower. A text placed on its baseline starts that much higher.
constexpr double kOberlaenge = 0.8;
// The background of a text reaches this share of the height beyond the letters.
constexpr double kHintergrundrand = 0.2;

enum Ausrichtung : std::uint8_t { Links = 0, Mitte = 1, Rechts = 2 };

// Cuts at a character boundary, so no broken UTF-8 sequence reaches the canvas.
std::string_view gekuerzt(std::string_view s) {
  if (s.size() <= kLaengsteZeile) return s;
  std::size_t n = kLaengsteZeile;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return s.substr(0, n);
}

void strecke(Zeichenkontext& k, int stift, Farbe farbe, Pixelpunkt a, Pixelpunkt b) {
  // Positions are pixels here; the styled-segment routine works in pixels.
  drawStyledSegment(k.canvas, k.lauf, stift, farbe, 1, a.x, a.y, b.x, b.y);
}

void begrenzung(Zeichenkontext& k, const Bemassungsfigur& f, Pixelpunkt t, Pixelpunkt innen, Farbe farbe) {
  const double l = f.begrenzungPixel;
  if (!(l >= 1)) return;
  k.canvas.setzeStift(farbe, 1);
  k.canvas.setzePinsel(farbe, !f.gefuellt);
  switch (f.begrenzung) {
    case Begrenzung::Pfeil: {
      // An arrow as long as the size and a third as wide on each side.
      const double dx = innen.x - t.x, dy = innen.y - t.y, n = std::hypot(dx, dy);
      if (!(n > 0)) return;
      const double ux = dx / n, uy = dy / n;
      const Pixelpunkt b{t.x + l * ux, t.y + l * uy};
      const double w = l / 3;
      const Pixelpunkt s1{b.x - w * uy, b.y + w * ux}, s2{b.x + w * uy, b.y - w * ux};
      if (f.gefuellt) {
        const Pixelpunkt dreieck[3] = {s1, t, s2};
        k.canvas.polygon(dreieck);
      } else {
        const Pixelpunkt zug[3] = {s1, t, s2};
        k.canvas.polylinie(zug);
      }
      break;
    }
    // The line-end shapes give the oblique tick and the circle.
    case Begrenzung::Schraegstrich:
      zeichneLinienende(k.canvas, t, innen, 12, l / 2);
      break;
    case Begrenzung::Kreis:
      zeichneLinienende(k.canvas, t, innen, f.gefuellt ? EndeKreisGefuellt : EndeKreis, l / 2);
      break;
    case Begrenzung::Ohne:
      break;
  }
}

}  // namespace

void zeichneText(Zeichenkontext& k, std::int32_t n) {
  const Tfliestextdaten& d = k.zeichnung.speicher.text(n);
  const double zoom = k.lauf.zoom() > 0 ? k.lauf.zoom() : 1;
  const double h = static_cast<double>(d.hoehe) / zoom;
  if (!std::isfinite(h) || h < kKleinsteTexthoehePixel || d.zeilen.empty()) return;
  const AusgegebeneZeilen ausgegeben(k.zeichnung, n, k.textersetzung);
  const std::vector<std::string>& textzeilen = ausgegeben.zeilen();
  const double winkel = std::isfinite(d.winkel) ? d.winkel : 0;
  const Pixelpunkt anker = k.lauf.nachPixel(d.x, d.y);
  if (!std::isfinite(anker.x) || !std::isfinite(anker.y)) return;
  const std::size_t zeilen = std::min(textzeilen.size(), kMeisteZeilen);
  // Quick rejection: nothing of the text reaches farther than its lines'
  // length and count allow.
  std::size_t laengste = 0;
  for (std::size_t i = 0; i < zeilen; ++i)
    laengste = std::max(laengste, std::min(textzeilen[i].size(), kLaengsteZeile));
  const double reichweite = h * (static_cast<double>(laengste) + kZeilenabstand * static_cast<double>(zeilen) + 2);
  if (anker.x + reichweite < k.clip.links || anker.x - reichweite > k.clip.rechts ||
      anker.y + reichweite < k.clip.oben || anker.y - reichweite > k.clip.unten)
    return;

  Schriftangaben s;
  s.name = d.schrift.empty() ? std::string_view("Arial") : std::string_view(d.schrift);
  s.hoehePixel = h;
  s.winkelGrad = winkel;
  s.fett = d.stil[0] != 0;
  s.kursiv = d.stil[1] != 0;
  s.unterstrichen = d.stil[2] != 0;
  const int ausrichtung = d.stil[3] <= Rechts ? static_cast<int>(d.stil[3]) : static_cast<int>(Links);
  const Farbe farbe = k.elementfarbe(n, d.farbe);
  const double a = winkel * std::numbers::pi / 180;
  // Along the text and down to the next line, on screen (y grows downward).
  const double lx = std::cos(a), ly = -std::sin(a);
  const double ux = std::sin(a), uy = std::cos(a);
  const double oben = d.stil[4] == 1 ? -kOberlaenge * h : 0;
  std::vector<double> versaetze(zeilen, 0);
  double links = 0, rechts = 0;
  for (std::size_t i = 0; i < zeilen; ++i) {
    const std::string_view zeile = gekuerzt(textzeilen[i]);
    if (zeile.empty()) continue;
    const double b = k.canvas.textbreite(zeile, s);
    double& versatz = versaetze[i];
    if (ausrichtung != Links) versatz = ausrichtung == Mitte ? -b / 2 : -b;
    links = std::min(links, versatz);
    rechts = std::max(rechts, versatz + b);
  }
  if (d.stil[5] == 1) {
    // Filled with the second colour and framed in the text's colour.
    const double r = kHintergrundrand * h;
    const double o = oben - r;
    const double un = oben + kZeilenabstand * h * static_cast<double>(zeilen - 1) + h + r;
    const double l = links - r, re = rechts + r;
    auto ecke = [&](double x, double y) { return Pixelpunkt{anker.x + x * lx + y * ux, anker.y + x * ly + y * uy}; };
    const Pixelpunkt rahmen[4] = {ecke(l, o), ecke(re, o), ecke(re, un), ecke(l, un)};
    k.canvas.setzeStift(farbe, 1);
    k.canvas.setzePinsel(d.farbe2);
    k.canvas.polygon(rahmen);
  }
  for (std::size_t i = 0; i < zeilen; ++i) {
    const std::string_view zeile = gekuerzt(textzeilen[i]);
    if (zeile.empty()) continue;
    const double versatz = versaetze[i];
    const double abwaerts = oben + kZeilenabstand * h * static_cast<double>(i);
    k.canvas.text(anker.x + versatz * lx + abwaerts * ux, anker.y + versatz * ly + abwaerts * uy, zeile, s, farbe);
  }
}

void zeichneBemassung(Zeichenkontext& k, std::int32_t n) {
  const Zeichnung& z = k.zeichnung;
  const tmessdaten& d = z.speicher.bemassung(n);
  const Masseinheitwahl einheit = einheitFuerEbene(z.ansicht, z.ebenen, d.planteil);
  // The value is computed from the measured points at each drawing, so it
  // follows them through moving, turning and scaling; an edited text stays.
  const bool editiert = !d.masstext.empty();
  const std::string text = editiert ? std::string(gekuerzt(d.masstext)) : berechneterMasstext(d, einheit);

  Schriftangaben s;
  s.name = d.schrift.empty() ? std::string_view("Arial") : std::string_view(d.schrift);
  const double zoom = k.lauf.zoom() > 0 ? k.lauf.zoom() : 1;
  s.hoehePixel = (std::isfinite(d.texthoehe) && d.texthoehe > 0 ? std::min(d.texthoehe, 1000.0) : 3.5) / zoom;
  const std::optional<Bemassungsfigur> f = bemassungsfigur(d, k.lauf, k.canvas.textbreite(text, s));
  if (!f) return;

  const Farbe farbe = k.elementfarbe(n, d.farbe);
  const int stift = d.stift;
  strecke(k, stift, farbe, f->masslinie.a, f->masslinie.b);
  for (const auto& h : f->hilfslinien) strecke(k, stift, farbe, h.a, h.b);
  for (const auto& zug : f->zuege)
    for (std::size_t i = 1; i < zug.size(); ++i) strecke(k, stift, farbe, zug[i - 1], zug[i]);
  for (std::size_t i = 0; i < f->spitzen.size(); ++i) {
    // The first terminator belongs to the line's start, the second to its end.
    if (i == 0 ? f->begrenzungAnfang : i == 1 ? f->begrenzungEnde : true)
      begrenzung(k, *f, f->spitzen[i].spitze, f->spitzen[i].innen, farbe);
  }

  s.hoehePixel = f->texthoehePixel;
  s.winkelGrad = f->textwinkel;
  // "&Editierte Bemaßung": edited values stand out in their own colour,
  // unless the element is shown in the marking colour.
  Farbe textfarbe = farbe;
  // On paper only with "Editierte Maßzahl in der ausgewählten Farbe drucken".
  const bool farbigGedruckt = !k.schalter.druck || (d.schalter[1] & 16) != 0;
  if (editiert && k.schalter.editierteBemassung && farbigGedruckt && farbe == d.farbe) textfarbe = d.werte[4] & 0xFFFFFF;
  if (s.hoehePixel >= kKleinsteTexthoehePixel) k.canvas.text(f->textpunkt.x, f->textpunkt.y, text, s, textfarbe);
}

}  // namespace quarzel
