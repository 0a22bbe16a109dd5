#include "render/druckplanung.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "render/bildcache.h"
#include "render/formzeichnen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

std::string grossgeschrieben(std::string_view s) {
  std::string g(s);
  std::transform(g.begin(), g.end(), g.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return g;
}

// Whether a picture file has pixels that let the paper show through.
bool durchsichtig(std::span<const std::uint8_t> datei, bool nurTeilweise) {
  const auto bild = Bildcache::programm().bild(datei);
  if (!bild) return false;
  for (std::size_t i = 3; i < bild->rgba.size(); i += 4) {
    const std::uint8_t a = bild->rgba[i];
    if (a == 255) continue;
    if (!nurTeilweise || a != 0) return true;
  }
  return false;
}

// Cut marks are this long, drawn from the paper's edges inwards.
constexpr double kMarkeMm = 5;

// How many tiles of `seite` (with `schritt` between their starts) cover `laenge`.
int kachelzahl(double laenge, double seite, double schritt) {
  if (laenge <= seite || schritt <= 0) return 1;
  return 1 + static_cast<int>(std::ceil((laenge - seite) / schritt - 1e-9));
}

}  // namespace

std::string frageSeitenzahl(int seiten) {
  return "Die Zeichnung wird auf " + std::to_string(seiten) + " Seiten gedruckt. Fortfahren?";
}

bool istPdfDrucker(std::string_view druckername, bool pdfOptimieren) {
  if (pdfOptimieren) return true;
  const std::string name = grossgeschrieben(druckername);
  return name.find("PDF") != std::string::npos || name.find("ADOBE") != std::string::npos;
}

Druckverfahren waehleDruckverfahren(bool pdfMode, int dpi, Druckmethode methode, bool transparent, Benutzer& benutzer) {
  Druckverfahren v;
  if (dpi < 1) dpi = 600;
  v.printerZoom = 25.4 / dpi;
  v.pdfMode = pdfMode;
  v.minimumWidthMode = v.pdfMode && dpi > kMindestbreiteAbDpi;
  switch (methode) {
    case Druckmethode::RasternImTreiber:
      v.rasterInProgram = transparent && benutzer.jaNein(FrageTransparenz);
      break;
    case Druckmethode::RasternInQuarzel:
      v.rasterInProgram = true;
      break;
    case Druckmethode::Automatisch:
    default:
      v.rasterInProgram = transparent;
      break;
  }
  return v;
}

bool hatTransparenteElemente(const Zeichnung& z, const Anzeigeschalter& schalter, bool pdfMode) {
  const Elementspeicher& s = z.speicher;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (!s.lebendig(n) || !z.ebenen.sichtbar(s.planteil(n), s.folie(n))) continue;
    const Elementart art = s.art(n);
    if (art == Elementart::Bitmap || art == Elementart::Fuellung) {
      if (schalter.bitmaps && durchsichtig(s.bitmap(n).daten, pdfMode)) return true;
      continue;
    }
    const Fuellangaben* f = s.fuellung(n);
    if (f == nullptr || !schalter.texturen || !schalter.flaechen || !s.gefuellt(n)) continue;
    if (fuellart(*f) != Fuellart::Textur || f->fuellwert < 1 || f->fuellwert > z.optionen.texturen.size()) continue;
    if (durchsichtig(z.optionen.texturen[f->fuellwert - 1].daten, pdfMode)) return true;
  }
  return false;
}

Anzeigeschalter druckschalter(Anzeigeschalter schalter, const einstellung::Drucken& drucken) {
  if (drucken.keineHilfslinien) schalter.hilfslinien = false;
  if (drucken.keineMarker) schalter.markerpunkte = false;
  schalter.druck = true;
  return schalter;
}

Graudruck::Graudruck(Zeichnung& zeichnung, const einstellung::Graueinstellungen& grau)
    : zeichnung_(zeichnung),
      ebenen_(zeichnung.ebenen.grauInaktiveEbenen),
      folien_(zeichnung.ebenen.grauInaktiveFolien) {
  zeichnung_.ebenen.grauInaktiveEbenen = grau.grauplanteildruck;
  zeichnung_.ebenen.grauInaktiveFolien = grau.graufoliedruck;
}

Graudruck::~Graudruck() {
  zeichnung_.ebenen.grauInaktiveEbenen = ebenen_;
  zeichnung_.ebenen.grauInaktiveFolien = folien_;
}

Druckbereich druckbereich(const Ansicht& a, bool ganzeZeichnung, const std::optional<Weltrechteck>& gezeigt) {
  const Druckbereich blatt{double(a.sheetLeft), double(a.sheetTop), double(a.sheetWidth), double(a.sheetHeight)};
  if (!ganzeZeichnung || !gezeigt) return blatt;
  const double x1 = std::min(gezeigt->x1, gezeigt->x2), x2 = std::max(gezeigt->x1, gezeigt->x2);
  const double y1 = std::min(gezeigt->y1, gezeigt->y2), y2 = std::max(gezeigt->y1, gezeigt->y2);
  if (!std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(y1) || !std::isfinite(y2)) return blatt;
  return {x1 - 1, y1 - 1, Ansicht::nearest(x2 - x1 + 2), Ansicht::nearest(y2 - y1 + 2)};
}

Seitenplan planeSeiten(const Druckbereich& b, const Druckerseite& seite, bool raenderIgnorieren) {
  Seitenplan plan;
  const int dpi = seite.dpi > 0 ? seite.dpi : 600;
  const double zoom = 25.4 / dpi;
  plan.bereichBreite = static_cast<int>(Ansicht::nearest(b.breite / zoom));
  plan.bereichHoehe = static_cast<int>(Ansicht::nearest(b.hoehe / zoom));
  // A sheet of the paper's nominal size must not spill onto a second page
  // because the driver reports its paper a few dots smaller.
  const double spiel = dpi / 25.0;
  plan.eineSeite = plan.bereichBreite <= seite.papierBreite + spiel && plan.bereichHoehe <= seite.papierHoehe + spiel;
  if (plan.eineSeite) {
    Druckblatt blatt;
    blatt.originX = b.x;
    blatt.originY = b.y;
    if (!raenderIgnorieren) {
      // The painter starts at the printable area; the area is to start at the paper's corner.
      blatt.originX += seite.druckbar.links * zoom;
      blatt.originY += seite.druckbar.oben * zoom;
    }
    plan.blaetter.push_back(std::move(blatt));
    return plan;
  }

  const double seiteB = std::max(1, seite.druckbar.breite) * zoom;
  const double seiteH = std::max(1, seite.druckbar.hoehe) * zoom;
  const double schrittX = std::max(seiteB - kUeberlappungMm, seiteB / 2);
  const double schrittY = std::max(seiteH - kUeberlappungMm, seiteH / 2);
  plan.spalten = kachelzahl(b.breite, seiteB, schrittX);
  plan.zeilen = kachelzahl(b.hoehe, seiteH, schrittY);
  const double ueberX = seiteB - schrittX, ueberY = seiteH - schrittY;
  const double marke = kMarkeMm / zoom;
  for (int zeile = 0; zeile < plan.zeilen; ++zeile) {
    for (int spalte = 0; spalte < plan.spalten; ++spalte) {
      Druckblatt blatt;
      blatt.spalte = spalte;
      blatt.zeile = zeile;
      blatt.originX = b.x + spalte * schrittX;
      blatt.originY = b.y + zeile * schrittY;
      // The cut runs through the middle of each overlap, at the same world
      // line on both neighbours.
      const double breitePx = seite.druckbar.breite, hoehePx = seite.druckbar.hoehe;
      auto senkrecht = [&](double x) {
        blatt.marken.push_back({{x, 0}, {x, marke}});
        blatt.marken.push_back({{x, hoehePx - marke}, {x, hoehePx}});
      };
      auto waagerecht = [&](double y) {
        blatt.marken.push_back({{0, y}, {marke, y}});
        blatt.marken.push_back({{breitePx - marke, y}, {breitePx, y}});
      };
      if (spalte > 0) senkrecht(ueberX / 2 / zoom);
      if (spalte + 1 < plan.spalten) senkrecht((schrittX + ueberX / 2) / zoom);
      if (zeile > 0) waagerecht(ueberY / 2 / zoom);
      if (zeile + 1 < plan.zeilen) waagerecht((schrittY + ueberY / 2) / zoom);
      plan.blaetter.push_back(std::move(blatt));
    }
  }
  return plan;
}

}  // namespace quarzel
