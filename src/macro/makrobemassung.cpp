// Dimensions, the two occupancy tests and pictures: the environment words
// that add or look at elements rather than settings.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/messdatenstil.h"
#include "store/zeichnung.h"
#include "styles/bemassungsprofil.h"

namespace quarzel {

namespace {

// Pictures are embedded in the drawing; a larger file is refused rather
// than copied into memory.
constexpr std::uintmax_t GroesstesBild = 64u << 20;

double kreuz(Weltpunkt o, Weltpunkt a, Weltpunkt b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool aufStrecke(Weltpunkt a, Weltpunkt b, Weltpunkt p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// Whether the segments a-b and c-d cross or touch.
bool beruehren(Weltpunkt a, Weltpunkt b, Weltpunkt c, Weltpunkt d) {
  const double d1 = kreuz(c, d, a), d2 = kreuz(c, d, b), d3 = kreuz(a, b, c), d4 = kreuz(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
  return (d1 == 0 && aufStrecke(c, d, a)) || (d2 == 0 && aufStrecke(c, d, b)) || (d3 == 0 && aufStrecke(a, b, c)) ||
         (d4 == 0 && aufStrecke(a, b, d));
}

std::filesystem::path dateipfad(const std::string& ordner, const std::string& name) {
  std::filesystem::path p(name);
  if (p.is_relative() && !ordner.empty()) p = std::filesystem::path(ordner) / p;
  return p;
}

bool istDatei(const std::filesystem::path& p) {
  std::error_code fehler;
  return std::filesystem::is_regular_file(p, fehler);
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::bemassungUndPruefung(Befehl b, Makrostapel& s) {
  const Befehlseintrag* e = eintrag(b);
  if (s.groesse() < static_cast<std::size_t>(e->mindestens)) return Makrofehler::ZuwenigParameter;
  Elementspeicher& sp = zeichnung_.speicher;
  double w[6];

  auto bemassung = [&](Weltpunkt a, Weltpunkt c, Weltpunkt lage, std::string text) {
    tmessdaten d;
    d.geometrie = {a.x, a.y, c.x, c.y, lage.x, lage.y, 0, 0};
    if (z_.massstil) {
      stilInMessdaten(*z_.massstil, d);
    } else {
      d.texthoehe = z_.texthoehe;
      d.schrift = z_.schrift;
      d.farbe = z_.linienfarbe;
    }
    d.textwinkel = z_.textwinkel;
    d.masstext = std::move(text);
    d.textposition = static_cast<std::uint8_t>(z_.masstextposition);
    vorElement();
    const std::int32_t n = sp.neueBemassung(std::move(d));
    nachElement(n, {std::min({a.x, c.x, lage.x}), std::min({a.y, c.y, lage.y}), std::max({a.x, c.x, lage.x}),
                    std::max({a.y, c.y, lage.y})});
  };

  switch (b) {
    case Befehl::MEASURE: {
      // One operand when the top reads as a number, else the top is the text.
      const bool mitText = !liesMakrowert(s.oben(0)).has_value();
      if (mitText && s.groesse() < 2) return Makrofehler::ZuwenigParameter;
      const auto abstand = liesMakrowert(s.oben(mitText ? 1 : 0));
      if (!abstand || !std::isfinite(*abstand)) return Makrofehler::UnbekannterFehler;
      const std::int32_t n = z_.letzteLinie;
      if (n < 1 || n > sp.anzahl() || !istLinienart(sp.art(n)) || !sp.lebendig(n))
        return Makrofehler::UngueltigerParameter;
      std::string text = mitText ? s.oben(0) : std::string();
      s.entferne(mitText ? 2 : 1);
      const Tliniendaten& l = sp.linie(n);
      const Weltpunkt a{l.x1, l.y1}, c{l.x2, l.y2};
      const double len = std::hypot(c.x - a.x, c.y - a.y);
      const double versatzMm = laenge(*abstand);
      // Left of the line as seen on the sheet (world y grows downward).
      const double nx = len > 0 ? (c.y - a.y) / len : 0, ny = len > 0 ? -(c.x - a.x) / len : -1;
      const Weltpunkt lage{(a.x + c.x) / 2 + versatzMm * nx, (a.y + c.y) / 2 + versatzMm * ny};
      if (!endlich({lage.x, lage.y})) return Makrofehler::UnbekannterFehler;
      bemassung(a, c, lage, std::move(text));
      return std::nullopt;
    }
    case Befehl::MEASURELINE: {
      if (auto f = zahlen(s, 6, w)) return f;
      const Weltpunkt a = welt(w[0], w[1]), c = welt(w[2], w[3]), lage = welt(w[4], w[5]);
      if (!endlich({a.x, a.y, c.x, c.y, lage.x, lage.y})) return Makrofehler::UnbekannterFehler;
      bemassung(a, c, lage, std::string());
      return std::nullopt;
    }
    case Befehl::SETMASPOS: {
      const auto n = liesGanzzahl(s.oben(0));
      if (!n) return Makrofehler::UngueltigerParameter;
      z_.masstextposition = static_cast<int>(std::clamp<std::int64_t>(*n, 0, 255));
      s.entferne(1);
      return std::nullopt;
    }
    case Befehl::SETMASPROFILE: {
      std::string name = s.oben(0);
      if (std::filesystem::path(name).extension().empty()) name += ".QZB";
      const std::filesystem::path pfad = dateipfad(host_.dateiordner, name);
      Bemassungsstil stil = z_.massstil.value_or(Bemassungsstil());
      // A damaged profile is as good as none.
      if (!istDatei(pfad) || ladeProfildatei(pfad, stil)) {
        fehlerbezug_ = name;
        return Makrofehler::ProfilFehlt;
      }
      z_.massprofil = name;
      z_.massstil = stil;
      z_.masstextposition = stil.textposition;
      s.entferne(1);
      return std::nullopt;
    }
    case Befehl::CHECKAREA: {
      if (auto f = zahlen(s, 3, w)) return f;
      const Weltpunkt p = welt(w[0], w[1]);
      const double r = std::fabs(laenge(w[2]));
      bool belegt = false;
      auto nah = [&](double x, double y) { return std::hypot(x - p.x, y - p.y) <= r; };
      for (std::int32_t n = 1; n <= sp.anzahl() && !belegt; ++n) {
        if (!sp.lebendig(n)) continue;
        const Elementart art = sp.art(n);
        if (istLinienart(art)) {
          const Tliniendaten& d = sp.linie(n);
          belegt = nah(d.x1, d.y1) || nah(d.x2, d.y2);
        } else if (art == Elementart::Bogen) {
          belegt = nah(sp.bogen(n).xm, sp.bogen(n).ym);
        } else if (istPolygonart(art)) {
          const Tpolygondaten& d = sp.polygon(n);
          for (std::size_t i = 0; i < d.x.size() && !belegt; ++i) belegt = nah(d.x[i], d.y[i]);
        } else if (art == Elementart::Bezier) {
          const auto& q = sp.bezier(n).punkte;
          belegt = nah(q[0], q[1]) || nah(q[6], q[7]);
        } else if (istTextart(art)) {
          belegt = nah(sp.text(n).x, sp.text(n).y);
        }
      }
      s.legeWahrheit(belegt);
      return std::nullopt;
    }
    case Befehl::CHECKLINE: {
      if (auto f = zahlen(s, 2, w)) return f;
      const Weltpunkt a = z_.punkt, c = welt(w[0], w[1]);
      bool trifft = false;
      for (std::int32_t n = 1; n <= sp.anzahl() && !trifft; ++n) {
        if (!sp.lebendig(n)) continue;
        const Elementart art = sp.art(n);
        if (istLinienart(art)) {
          const Tliniendaten& d = sp.linie(n);
          trifft = beruehren(a, c, {d.x1, d.y1}, {d.x2, d.y2});
        } else if (istPolygonart(art)) {
          const Tpolygondaten& d = sp.polygon(n);
          for (std::size_t i = 1; i < d.x.size() && !trifft; ++i)
            trifft = beruehren(a, c, {d.x[i - 1], d.y[i - 1]}, {d.x[i], d.y[i]});
        }
      }
      s.legeWahrheit(trifft);
      return std::nullopt;
    }
    case Befehl::PICTURE: {
      double m[5];
      for (int i = 0; i < 5; ++i) {
        const auto z = liesMakrowert(s.oben(static_cast<std::size_t>(4 - i)));
        if (!z || !std::isfinite(*z)) return Makrofehler::UnbekannterFehler;
        m[i] = *z;
      }
      const std::string name = s.oben(5);
      const std::filesystem::path pfad = dateipfad(host_.dateiordner, name);
      if (!istDatei(pfad)) {
        fehlerbezug_ = name;
        return Makrofehler::DateiFehlt;
      }
      std::error_code fehler;
      const std::uintmax_t groesse = std::filesystem::file_size(pfad, fehler);
      if (fehler || groesse > GroesstesBild) return Makrofehler::UngueltigerParameter;
      Tbitmapdaten d;
      d.daten.resize(static_cast<std::size_t>(groesse));
      std::ifstream datei(pfad, std::ios::binary);
      if (!datei.read(reinterpret_cast<char*>(d.daten.data()), static_cast<std::streamsize>(groesse))) {
        fehlerbezug_ = name;
        return Makrofehler::DateiFehlt;
      }
      s.entferne(6);
      // The placement is the upright frame about the picture's centre plus the
      // turn; the macro gives the lower-left corner along the turned axes.
      const double winkel = m[4] + zeichnung_.ansicht.coordAngle;
      const double a = winkel * std::numbers::pi / 180.0;
      const Weltpunkt unten = welt(m[0], m[1]);
      const double breite = laenge(m[2]), hoehe = laenge(m[3]);
      const double ex = std::cos(a), ey = -std::sin(a);   // x axis in world terms
      const double hx = -std::sin(a), hy = -std::cos(a);  // y axis (upward)
      const Weltpunkt mitte{unten.x + (breite * ex + hoehe * hx) / 2, unten.y + (breite * ey + hoehe * hy) / 2};
      d.platzierung = {mitte.x - breite / 2, mitte.y - hoehe / 2, mitte.x + breite / 2, mitte.y + hoehe / 2, winkel, 0};
      if (!endlich({d.platzierung[0], d.platzierung[1], d.platzierung[2], d.platzierung[3], winkel}))
        return Makrofehler::UnbekannterFehler;
      vorElement();
      const std::int32_t n = sp.neueBitmap(Elementart::Bitmap, std::move(d));
      // The box of the turned picture: the other two corners mirror these
      // two through the centre.
      const Weltpunkt oben{unten.x + hoehe * hx, unten.y + hoehe * hy};
      const double weitX = std::max(std::fabs(unten.x - mitte.x), std::fabs(oben.x - mitte.x));
      const double weitY = std::max(std::fabs(unten.y - mitte.y), std::fabs(oben.y - mitte.y));
      nachElement(n, {mitte.x - weitX, mitte.y - weitY, mitte.x + weitX, mitte.y + weitY});
      return std::nullopt;
    }
    default:
      return Makrofehler::SchwererFehler;
  }
}

}  // namespace quarzel
