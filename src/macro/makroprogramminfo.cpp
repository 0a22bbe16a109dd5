#include "macro/makroprogramminfo.h"

#include "macro/makrointeraktion.h"
#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/makroversion.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr int ProjektzeileVersion = 32;

std::string projektzeile(const Zeichnung& z, const Makrointeraktionsumfeld& umfeld, int zeile) {
  if (umfeld.projektwert) return umfeld.projektwert(zeile);
  return z.projektdaten.werte[static_cast<std::size_t>(zeile)];
}

bool setzeProjektzeile(Zeichnung& z, const Makrointeraktionsumfeld& umfeld, int zeile, std::string wert) {
  if (umfeld.setzeProjektwert) return umfeld.setzeProjektwert(zeile, std::move(wert));
  if (zeile < 0 || zeile >= Projektwerte::Zeilenzahl) return false;
  z.projektdaten.werte[static_cast<std::size_t>(zeile)] = std::move(wert);
  return true;
}

}  // namespace

std::optional<Makrofehlerfall> programminfo(Makrostapel& s, Zeichnung& z, const Makrointeraktionsumfeld& umfeld) {
  const Makrofehlerfall ungueltig{Makrofehler::UngueltigerParameter, "GETPINFO", {}, {}, {}};
  const auto sel = liesGanzzahl(s.oben(1));
  if (!sel) return ungueltig;
  if (*sel < 0) {
    if (*sel < -(Projektwerte::Zeilenzahl - 1) || !setzeProjektzeile(z, umfeld, static_cast<int>(-*sel), s.oben(0))) {
      return ungueltig;
    }
    s.entferne(2);
    return std::nullopt;
  }
  std::string wert;
  const Farbe farbe = umfeld.zeichner ? umfeld.zeichner->zustand().linienfarbe : Farbe{0};
  switch (*sel) {
    case ProjektzeileVersion:
      wert = kMakroversion;
      break;
    case 48:
      wert = umfeld.programmordner.string();
      break;
    case 49:
      wert = std::to_string(z.speicher.aktuell.stift);
      break;
    case 50:
      wert = std::to_string(z.speicher.aktuell.linienstil);
      break;
    case 51:
      wert = std::to_string(rotAnteil(farbe));
      break;
    case 52:
      wert = std::to_string(gruenAnteil(farbe));
      break;
    case 53:
      wert = std::to_string(blauAnteil(farbe));
      break;
    case 54:
      wert = std::to_string(z.ebenen.aktiveEbene());
      break;
    case 55:
      wert = std::to_string(z.ebenen.aktiveFolie());
      break;
    default: {
      if (*sel > 47) return ungueltig;
      const auto arg = liesMakrowert(s.oben(0));
      if (!arg) return ungueltig;
      if (*arg <= 0) wert = projektzeile(z, umfeld, static_cast<int>(*sel));
      break;
    }
  }
  s.entferne(1);
  s.oben() = std::move(wert);
  return std::nullopt;
}

}  // namespace quarzel
