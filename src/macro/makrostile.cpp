// The style words: pen, line style, colours, transparency, fill pattern and
// border of the figures a run adds.
#include <algorithm>
#include <cmath>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool gueltigerLinienstil(std::int64_t n) {
  return (n >= 1 && n <= 31) || (n >= 51 && n <= 55) || (n >= 61 && n <= 65) || (n >= 71 && n <= 124);
}

// A colour component as the byte it is taken as (wrapping like a byte cast).
std::uint8_t alsByte(std::int64_t v) {
  return static_cast<std::uint8_t>(v & 0xFF);
}

std::uint8_t prozentGrau(double p) {
  return static_cast<std::uint8_t>(std::clamp(255.0 - std::round(p * 2.55), 0.0, 255.0));
}

// Hue in degrees, lightness and saturation in percent.
Farbe hlsFarbe(double h, double l, double s) {
  h = std::fmod(h, 360.0);
  if (h < 0) h += 360.0;
  l = std::clamp(l, 0.0, 100.0) / 100.0;
  s = std::clamp(s, 0.0, 100.0) / 100.0;
  const double c = (1 - std::fabs(2 * l - 1)) * s;
  const double x = c * (1 - std::fabs(std::fmod(h / 60.0, 2.0) - 1));
  const double m = l - c / 2;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h / 60.0)) {
    case 0:
      r = c, g = x;
      break;
    case 1:
      r = x, g = c;
      break;
    case 2:
      g = c, b = x;
      break;
    case 3:
      g = x, b = c;
      break;
    case 4:
      r = x, b = c;
      break;
    default:
      r = c, b = x;
      break;
  }
  auto k = [&](double v) { return static_cast<std::uint8_t>(std::clamp(std::round((v + m) * 255.0), 0.0, 255.0)); };
  return rgb(k(r), k(g), k(b));
}

// Three integer operands (deepest first); false when one is not an integer.
bool dreiGanzzahlen(const Makrostapel& s, std::int64_t* w) {
  for (int i = 0; i < 3; ++i) {
    const auto v = liesGanzzahl(s.oben(static_cast<std::size_t>(2 - i)));
    if (!v) return false;
    w[i] = *v;
  }
  return true;
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::stile(Befehl b, Makrostapel& s) {
  const Befehlseintrag* e = eintrag(b);
  if (s.groesse() < static_cast<std::size_t>(e->mindestens)) return Makrofehler::ZuwenigParameter;
  Elementspeicher& sp = zeichnung_.speicher;

  switch (b) {
    case Befehl::SETPEN:
    case Befehl::SETDASH: {
      const auto n = liesGanzzahl(s.oben(0));
      if (!n) return Makrofehler::UngueltigerParameter;
      s.entferne(1);
      if (b == Befehl::SETPEN && *n >= 0 && *n <= Stifttabelle::Benutzerstifte) {
        sp.aktuell.stift = static_cast<std::uint8_t>(*n);
      } else if (b == Befehl::SETDASH && gueltigerLinienstil(*n)) {
        sp.aktuell.linienstil = static_cast<std::int16_t>(*n);
        z_.linienstil = static_cast<std::int16_t>(*n);
      } else {
        return std::nullopt;  // out of range: ignored
      }
      if (host_.attributeGeaendert) host_.attributeGeaendert();
      return std::nullopt;
    }
    case Befehl::RGBCOLOR:
    case Befehl::CMYCOLOR: {
      std::int64_t w[3];
      if (!dreiGanzzahlen(s, w)) return Makrofehler::UnbekannterFehler;
      s.entferne(3);
      Farbe f = rgb(alsByte(w[0]), alsByte(w[1]), alsByte(w[2]));
      if (b == Befehl::CMYCOLOR) f = rgb(255 - alsByte(w[0]), 255 - alsByte(w[1]), 255 - alsByte(w[2]));
      z_.linienfarbe = f;
      z_.fuellfarbe = f;
      return std::nullopt;
    }
    case Befehl::SETGRAY: {
      double p;
      if (auto f = zahlen(s, 1, &p)) return f;
      const std::uint8_t g = prozentGrau(p);
      z_.linienfarbe = z_.fuellfarbe = rgb(g, g, g);
      return std::nullopt;
    }
    case Befehl::HLSCOLOR: {
      double w[3];
      if (auto f = zahlen(s, 3, w)) return f;
      if (!endlich({w[0], w[1], w[2]})) return Makrofehler::UnbekannterFehler;
      z_.linienfarbe = z_.fuellfarbe = hlsFarbe(w[0], w[1], w[2]);
      return std::nullopt;
    }
    case Befehl::SETMULTICOLOR: {
      if (s.oben(0) == "0") {
        s.entferne(1);
        z_.zweitfarbeAn = false;
        return std::nullopt;
      }
      if (s.groesse() < 4) return Makrofehler::ZuwenigParameter;
      std::int64_t w[3];
      for (int i = 0; i < 3; ++i) {
        const auto v = liesGanzzahl(s.oben(static_cast<std::size_t>(3 - i)));
        if (!v) return Makrofehler::UnbekannterFehler;
        w[i] = *v;
      }
      s.entferne(4);
      z_.zweitfarbe = rgb(alsByte(w[0]), alsByte(w[1]), alsByte(w[2]));
      z_.zweitfarbeAn = true;
      return std::nullopt;
    }
    case Befehl::SETTRANS: {
      const auto p = liesMakrowert(s.oben(0));
      s.entferne(1);
      z_.transparenz =
          p && std::isfinite(*p) ? static_cast<std::uint8_t>(std::clamp(std::round(255.0 - *p * 2.55), 0.0, 255.0)) : 0;
      return std::nullopt;
    }
    case Befehl::SETPATTERN: {
      const std::string& name = s.oben(0);
      z_.muster = (name == " " || name == "0") ? std::string() : name;
      s.entferne(1);
      return std::nullopt;
    }
    case Befehl::SETBORDER:
      z_.rand = s.oben(0) != "0";
      s.entferne(1);
      return std::nullopt;
    case Befehl::FINDPEN: {
      double breite;
      if (auto f = zahlen(s, 1, &breite)) return f;
      int best = 1;
      for (int n = 2; n <= Stifttabelle::Benutzerstifte; ++n)
        if (std::fabs(zeichnung_.stifte.penWidth[n] - breite) < std::fabs(zeichnung_.stifte.penWidth[best] - breite))
          best = n;
      s.legeZahl(best);
      return std::nullopt;
    }
    default:
      return Makrofehler::SchwererFehler;
  }
}

}  // namespace quarzel
