// The text words: texts at the current point and the text settings of the
// run (font, height, angle, style bits).
#include <cmath>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr std::size_t HoechsteZeilen = 256;

// Style bits of SETTEXTSTYLE into the text record's style bytes: bold,
// italic, underlined, then the alignment.
void setzeStil(Tfliestextdaten& d, int bits) {
  d.stil[0] = (bits & 1) ? 1 : 0;
  d.stil[1] = (bits & 2) ? 1 : 0;
  d.stil[2] = (bits & 4) ? 1 : 0;
  d.stil[3] = static_cast<std::uint8_t>((bits >> 3) & 0x0F);
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::textfiguren(Befehl b, Makrostapel& s) {
  const Befehlseintrag* e = eintrag(b);
  if (s.groesse() < static_cast<std::size_t>(e->mindestens)) return Makrofehler::ZuwenigParameter;

  switch (b) {
    case Befehl::SHOW:
    case Befehl::SHOWBLOCK: {
      Tfliestextdaten d;
      if (b == Befehl::SHOW) {
        d.zeilen.push_back(s.oben(0));
      } else {
        const std::string& text = s.oben(1);
        const std::string& trenner = s.oben(0);
        std::size_t anfang = 0;
        while (d.zeilen.size() < HoechsteZeilen) {
          const std::size_t ende = trenner.empty() ? std::string::npos : text.find(trenner, anfang);
          d.zeilen.push_back(text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
          if (ende == std::string::npos) break;
          anfang = ende + trenner.size();
        }
      }
      s.entferne(static_cast<std::size_t>(e->mindestens));
      d.formate.assign(d.zeilen.size(), std::string());
      d.x = z_.punkt.x;
      d.y = z_.punkt.y;
      d.schrift = z_.schrift;
      d.farbe = z_.linienfarbe;
      if (z_.zweitfarbeAn) d.farbe2 = z_.zweitfarbe;
      d.hoehe = static_cast<float>(z_.texthoehe);
      // Texts turn with the coordinate system, as the figures around them do.
      d.winkel = static_cast<float>(z_.textwinkel + zeichnung_.ansicht.coordAngle);
      setzeStil(d, z_.textstil);
      vorElement();
      const std::int32_t n = zeichnung_.speicher.neuerText(Elementart::Text, std::move(d));
      nachElement(n, {z_.punkt.x, z_.punkt.y, z_.punkt.x, z_.punkt.y});
      return std::nullopt;
    }
    case Befehl::SETFONT:
      // An empty name would leave later texts without a font.
      if (!s.oben(0).empty()) z_.schrift = s.oben(0);
      s.entferne(1);
      return std::nullopt;
    case Befehl::SCALEFONT:
    case Befehl::TEXTROTATE: {
      double w;
      if (auto f = zahlen(s, 1, &w)) return f;
      if (b == Befehl::SCALEFONT) {
        z_.texthoehe = (w >= 0.01 && w <= 1000) ? w : 3.5;
      } else {
        z_.textwinkel = (w >= -360 && w <= 360) ? w : 0;
      }
      return std::nullopt;
    }
    case Befehl::SETTEXTSTYLE: {
      double w;
      if (auto f = zahlen(s, 1, &w)) return f;
      const double ganz = std::trunc(w);
      z_.textstil = (ganz >= 0 && ganz <= 255) ? static_cast<int>(ganz) : 0;
      return std::nullopt;
    }
    default:
      return Makrofehler::SchwererFehler;
  }
}

}  // namespace quarzel
