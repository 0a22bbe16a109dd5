#include "render/bildelemente.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "render/bildcache.h"
#include "render/bildverkleinerung.h"
#include "render/bilddekoder.h"
#include "render/bildlage.h"
#include "render/verlauf.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// One texture pixel covers this much of the sheet.
constexpr double kTexturpixelMm = 0.25;
// More tiles than this are drawn larger instead: a texture seen from far
// away shows its colour, not its detail.
constexpr double kMeisteKacheln = 4096;

bool ueberlappt(const Cliprechteck& c, std::span<const Pixelpunkt> p) {
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (const Pixelpunkt& q : p) {
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) return false;
    x0 = std::min(x0, q.x);
    y0 = std::min(y0, q.y);
    x1 = std::max(x1, q.x);
    y1 = std::max(y1, q.y);
  }
  return x1 >= c.links && x0 <= c.rechts && y1 >= c.oben && y0 <= c.unten;
}

std::vector<Pixelpunkt> viereck(const Bildlage& l) {
  const Pixelpunkt ur{l.obenRechts.x + l.untenLinks.x - l.obenLinks.x, l.obenRechts.y + l.untenLinks.y - l.obenLinks.y};
  return {l.obenLinks, l.obenRechts, ur, l.untenLinks};
}

// The placeholder's caption is at most this high on the sheet.
constexpr double kPlatzhalterSchriftMm = 3.5;

void platzhalter(Zeichenkontext& k, const Bildlage& l, Farbe farbe) {
  std::vector<Pixelpunkt> rahmen = viereck(l);
  rahmen.push_back(rahmen.front());
  k.canvas.setzeStift(farbe, 1);
  k.canvas.polylinie(rahmen);
  const double breite = std::hypot(l.obenRechts.x - l.obenLinks.x, l.obenRechts.y - l.obenLinks.y);
  const double hoehe = std::hypot(l.untenLinks.x - l.obenLinks.x, l.untenLinks.y - l.obenLinks.y);
  Schriftangaben s;
  const double zoom = k.lauf.zoom() > 0 ? k.lauf.zoom() : 1;
  s.hoehePixel = std::clamp(std::min(hoehe / 3, breite / 6), 0.0, kPlatzhalterSchriftMm / zoom);
  if (s.hoehePixel < 4) return;
  s.winkelGrad = -std::atan2(l.obenRechts.y - l.obenLinks.y, l.obenRechts.x - l.obenLinks.x) * 180 / std::numbers::pi;
  const double a = s.winkelGrad * std::numbers::pi / 180;
  // A little in from the top-left corner along the frame's own axes.
  const double rand = s.hoehePixel / 4;
  const Pixelpunkt p{l.obenLinks.x + rand * (std::cos(a) + std::sin(a)),
                     l.obenLinks.y + rand * (std::cos(a) - std::sin(a))};
  k.canvas.text(p.x, p.y, "Metafile", s, farbe);
}

}  // namespace

void zeichneVerlauf(Zeichenkontext& k, std::int32_t n) {
  const Tpolygondaten& d = k.zeichnung.speicher.polygon(n);
  const std::size_t anzahl = std::min(d.x.size(), d.y.size());
  if (anzahl < 3) return;
  std::vector<Pixelpunkt> punkte;
  punkte.reserve(anzahl);
  for (std::size_t i = 0; i < anzahl; ++i) punkte.push_back(k.lauf.nachPixel(d.x[i], d.y[i]));
  if (!ueberlappt(k.clip, punkte)) return;
  const Verlaufstyp typ = entpackeVerlaufstyp(d.verlaufstyp);
  Verlaufsangaben v;
  v.punkte = punkte;
  v.farbe1 = k.elementfarbe(n, d.farbe);
  v.farbe2 = k.elementfarbe(n, d.farbe2);
  v.basis = typ.basis;
  v.a = typ.a;
  v.b = typ.b;
  v.ecken = d.wert2;
  const Verlaufsbild bild = verlaufsbaender(v);
  if (bild.baender.empty()) return;
  if (!bild.umriss.empty()) k.canvas.setzeClip(bild.umriss);
  for (const Verlaufsband& band : bild.baender) {
    // The pen in the band's colour closes the hairline gaps between bands.
    k.canvas.setzeStift(band.farbe, 1);
    k.canvas.setzePinsel(band.farbe);
    k.canvas.polygon(band.punkte);
  }
  if (!bild.umriss.empty()) k.canvas.clipAufheben();
}

void zeichneBitmap(Zeichenkontext& k, std::int32_t n) {
  const Tbitmapdaten& d = k.zeichnung.speicher.bitmap(n);
  const Bildlage lage = bildlageInPixeln(bitmaplage(d.platzierung), k.lauf);
  if (!ueberlappt(k.clip, viereck(lage))) return;
  const auto bild = Bildcache::programm().bild(d.daten);
  if (!bild) return;
  k.canvas.rasterbild(*bild, lage);
  if (k.darstellung.markierteEinfaerben && k.zeichnung.speicher.markiert(n)) {
    std::vector<Pixelpunkt> rahmen = viereck(lage);
    rahmen.push_back(rahmen.front());
    k.canvas.setzeStift(k.darstellung.markierfarbe, 1);
    k.canvas.polylinie(rahmen);
  }
}

void zeichneMetafile(Zeichenkontext& k, std::int32_t n) {
  const Tmetafiledaten& d = k.zeichnung.speicher.metafile(n);
  const Bildlage lage = bildlageInPixeln(metafilelage(d.platzierung), k.lauf);
  if (!ueberlappt(k.clip, viereck(lage))) return;
  const bool markiert = k.darstellung.markierteEinfaerben && k.zeichnung.speicher.markiert(n);
  bool gespielt = false;
  if (erkenneBildformat(d.daten) == Bildformat::Svg) gespielt = k.canvas.vektorbild(d.daten, lage);
  if (!gespielt) {
    platzhalter(k, lage, markiert ? k.darstellung.markierfarbe : k.elementfarbe(n, rgb(0, 0, 0)));
  } else if (markiert) {
    std::vector<Pixelpunkt> rahmen = viereck(lage);
    rahmen.push_back(rahmen.front());
    k.canvas.setzeStift(k.darstellung.markierfarbe, 1);
    k.canvas.polylinie(rahmen);
  }
}

void fuelleTextur(Zeichenkontext& k, std::int32_t n, std::span<const Pixelpunkt> umriss) {
  if (umriss.size() < 3 || !ueberlappt(k.clip, umriss)) return;
  const Fuellangaben* f = k.zeichnung.speicher.fuellung(n);
  if (!f) return;
  const auto& texturen = k.zeichnung.optionen.texturen;
  if (f->fuellwert < 1 || f->fuellwert > texturen.size()) return;
  auto bild = Bildcache::programm().bild(texturen[f->fuellwert - 1].daten);
  if (!bild) return;
  if (k.texturgrenze > 0 && bild->rgba.size() > k.texturgrenze)
    bild = std::make_shared<const Rasterbild>(verkleinertAuf(*bild, k.texturgrenze));
  const double zoom = k.lauf.zoom() > 0 ? k.lauf.zoom() : 1;
  double kw = bild->breite * kTexturpixelMm / zoom;
  double kh = bild->hoehe * kTexturpixelMm / zoom;
  // The part of the outline that is on the canvas.
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (const Pixelpunkt& q : umriss) {
    x0 = std::min(x0, q.x);
    y0 = std::min(y0, q.y);
    x1 = std::max(x1, q.x);
    y1 = std::max(y1, q.y);
  }
  x0 = std::max(x0, k.clip.links);
  y0 = std::max(y0, k.clip.oben);
  x1 = std::min(x1, k.clip.rechts);
  y1 = std::min(y1, k.clip.unten);
  if (!(x1 > x0 && y1 > y0) || !(kw > 0 && kh > 0)) return;
  const double kacheln = ((x1 - x0) / kw + 1) * ((y1 - y0) / kh + 1);
  if (!std::isfinite(kacheln)) return;
  if (kacheln > kMeisteKacheln) {
    const double f2 = std::sqrt(kacheln / kMeisteKacheln);
    kw *= f2;
    kh *= f2;
  }
  // Tiles are anchored at the world origin, so the texture stays with the
  // drawing when the view moves.
  const Pixelpunkt null = k.lauf.nachPixel(0, 0);
  const double sx = null.x + std::floor((x0 - null.x) / kw) * kw;
  const double sy = null.y + std::floor((y0 - null.y) / kh) * kh;
  k.canvas.setzeClip(umriss);
  for (double y = sy; y < y1; y += kh)
    for (double x = sx; x < x1; x += kw) k.canvas.rasterbild(*bild, Bildlage{{x, y}, {x + kw, y}, {x, y + kh}});
  k.canvas.clipAufheben();
}

}  // namespace quarzel
