#include "render/bemassungstext.h"

#include <array>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "store/ebenen.h"
#include "view/ansicht.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

// Values beyond this are no length anyone dimensions; they read "?" rather
// than overflow the 1/10000 count.
constexpr double kGroessterWert = 1e14;

// a / b rounded to the nearest integer, ties to the even one (b > 0).
std::int64_t teileGerade(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  std::int64_t r = a % b;
  if (r < 0) {
    r += b;
    --q;
  }
  if (2 * r > b || (2 * r == b && (q % 2) != 0)) ++q;
  return q;
}

std::int64_t zehnHoch(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// `einheiten` counts of 1/10^stellen written with exactly `stellen` decimals.
std::string festkomma(std::int64_t einheiten, int stellen) {
  const bool negativ = einheiten < 0;
  const std::uint64_t betrag = negativ ? static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(einheiten)
                                       : static_cast<std::uint64_t>(einheiten);
  const auto p = static_cast<std::uint64_t>(zehnHoch(stellen));
  std::string text = std::to_string(betrag / p);
  if (stellen > 0) {
    std::string rest = std::to_string(betrag % p);
    text += ',' + std::string(static_cast<std::size_t>(stellen) - rest.size(), '0') + rest;
  }
  return negativ ? "-" + text : text;
}

std::string ohneNullen(std::string s) {
  if (s.find(',') == std::string::npos) return s;
  while (s.back() == '0') s.pop_back();
  if (s.back() == ',') s.pop_back();
  return s;
}

// The fraction N/D of step 6 for `rest` in 1/10000: empty when it rounds to
// nothing, "1/1" when it rounds up to a whole.
std::string bruch(std::int64_t rest, std::int64_t nenner) {
  std::int64_t n = teileGerade(nenner * rest, 10000);
  if (n == 0) return {};
  while (n % 2 == 0 && nenner % 2 == 0) {
    n /= 2;
    nenner /= 2;
  }
  return std::to_string(n) + "/" + std::to_string(nenner);
}

std::string angehaengt(const std::string& text, const std::string& teil, std::string_view trenner) {
  return text.empty() ? teil : text + std::string(trenner) + teil;
}

std::string mitVorsaetzen(std::string text, Bemassungsart art, const Masszahloptionen& o) {
  // Each prefix goes in front of what is there so far.
  if (art == Bemassungsart::Radius && o.zeichenR) text = "R" + text;
  if (art == Bemassungsart::Durchmesser && o.zeichenD) text = "D" + text;
  if (art == Bemassungsart::Durchmesser && o.zeichenDurchmesser) text = "Ø" + text;
  if (o.zeichenM) text = "M" + text;
  if (o.zeichenTilde) text = "~" + text;
  if (!o.vortext.empty()) text = o.vortext + " " + text;
  return text + o.nachtext;
}

}  // namespace

Masseinheitwahl einheitFuerEbene(const Ansicht& ansicht, const Ebenen& ebenen, int ebene) {
  Masseinheitwahl e;
  if (const Masseinheit* m = einheitNachCode(ansicht.unitCode)) {
    e.name = m->name;
    e.code = m->code;
  }
  e.faktor = ansicht.unitFactor;
  e.nachkommastellen = ansicht.displayDecimals;
  e.massstab = ansicht.drawingScale;
  if (ebene >= 1 && ebene <= 250) {
    const Ebeneneinheit eigene = entpackeEinheit(ebenen.einheit(ebene));
    if (eigene.code != 0) {
      if (const Masseinheit* m = einheitNachRadioIndex(eigene.code - 1)) {
        e.faktor = m->faktor;
        e.name = m->name;
        e.code = m->code;
        e.nachkommastellen = eigene.nachkommastellen;
        e.anzeigen = eigene.anzeigen;
        e.eigeneEinheit = true;
      }
    }
    const double s = ebenen.massstab(ebene);
    if (std::isfinite(s) && s > 0) e.massstab = s;
  }
  if (!std::isfinite(e.faktor) || e.faktor <= 0) e.faktor = 0.001;
  if (!std::isfinite(e.massstab) || e.massstab <= 0) e.massstab = 1;
  return e;
}

std::string masszahl(double wert, int dezimalen, bool keineNullen) {
  if (dezimalen < 0 || dezimalen > 3) dezimalen = 2;
  if (!std::isfinite(wert) || std::fabs(wert) > kGroessterWert) return "?";
  // The value is carried as 1/10000 units and rounded from there in whole
  // numbers, so a tie such as 0,125 stays a tie and goes to the even side.
  const auto zehntausendstel = static_cast<std::int64_t>(std::nearbyint(wert * 10000));
  const std::int64_t gerundet = teileGerade(zehntausendstel, zehnHoch(4 - dezimalen));
  const std::string s = festkomma(gerundet, dezimalen);
  return keineNullen ? ohneNullen(s) : s;
}

std::string architektenzahl(double wert) {
  if (!std::isfinite(wert) || std::fabs(wert) > kGroessterWert) return "?";
  static constexpr std::array<std::string_view, 10> hoch{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  const auto zehntausendstel = static_cast<std::int64_t>(std::nearbyint(wert * 10000));
  const std::int64_t tausendstel = teileGerade(zehntausendstel, 10);
  const std::int64_t ziffer = std::llabs(tausendstel % 10);
  std::string text = festkomma(tausendstel / 10, 2);
  if (tausendstel < 0 && tausendstel / 10 == 0) text = "-" + text;
  if (ziffer != 0) text += hoch[static_cast<std::size_t>(ziffer)];
  return text;
}

std::string masszahlImModus(double wert, int dezimalmodus, bool keineNullen) {
  return dezimalmodus == 4 ? architektenzahl(wert) : masszahl(wert, dezimalmodus, keineNullen);
}

std::string imperialtext(std::int64_t v, int unitCode, int dezimalmodus) {
  const bool negativ = v < 0;
  // The magnitude of the most negative count does not fit; one less is no
  // visible difference at 1/10000.
  const std::int64_t betrag = negativ ? -(v + (v == INT64_MIN ? 1 : 0)) : v;
  std::int64_t ganz = betrag / 10000;
  std::int64_t rest = betrag % 10000;
  if (rest >= 10000 - 10) {
    rest = 0;
    ++ganz;
  } else if (rest <= 10) {
    rest = 0;
  }
  const std::int64_t nenner = dezimalmodus == 1 ? 16 : dezimalmodus == 2 ? 64 : dezimalmodus == 3 ? 256 : 4;
  std::string text;
  if (unitCode != 6) {
    std::string b = rest != 0 ? bruch(rest, nenner) : std::string();
    if (b == "1/1") {
      ++ganz;
      b.clear();
    }
    text = ganz != 0 ? std::to_string(ganz) : std::string();
    if (!b.empty()) text = angehaengt(text, b, " ");
  } else {
    std::int64_t zoll = rest * 12 / 10000;
    std::string b = rest != 0 ? bruch(rest * 12 % 10000, nenner) : std::string();
    if (b == "1/1") {
      ++zoll;
      b.clear();
    }
    if (zoll == 12) {
      zoll = 0;
      ++ganz;
    }
    if (ganz > 0) text = std::to_string(ganz) + "'-";
    if (zoll > 0 || !b.empty()) {
      if (zoll > 0) text += std::to_string(zoll);
      if (!b.empty()) text = zoll > 0 ? text + " " + b : text + b;
      text += '"';
    }
  }
  if (text.empty()) return "0";
  return negativ ? "-" + text : text;
}

std::string bemassungstext(double laengeMm, Bemassungsart art, const Masszahloptionen& o, const Masseinheitwahl& e) {
  const double wert = laengeMm * e.faktor * e.massstab;
  std::string text;
  if (istImperial(e.code) && !o.dezimalEnglisch && std::isfinite(wert) && std::fabs(wert) <= kGroessterWert) {
    text = imperialtext(imperialWert(wert), e.code, o.dezimalmodus);
  } else {
    text = masszahlImModus(wert, o.dezimalmodus, o.keineNullen);
    if (o.einheitAnzeigen || e.anzeigen) text += " " + std::string(e.name);
  }
  return mitVorsaetzen(std::move(text), art, o);
}

std::string winkeltext(double grad, const Masszahloptionen& o) {
  std::string text = masszahl(grad, o.dezimalmodus == 4 ? 2 : o.dezimalmodus, o.keineNullen);
  if (o.gradzeichen) text += "º";
  return mitVorsaetzen(std::move(text), Bemassungsart::Laenge, o);
}

std::string kotentext(double hoeheMm, double bezugsgroesse, const Masszahloptionen& o, const Masseinheitwahl& e) {
  const double wert = hoeheMm * e.faktor * e.massstab + bezugsgroesse * e.faktor;
  std::string betrag = masszahlImModus(std::fabs(wert), o.dezimalmodus, o.keineNullen);
  // The reference height has fixed labels, written with a point whatever
  // the decimal separator of the other values.
  if (betrag.find_first_not_of("0,") == std::string::npos) {
    static constexpr const char* kNull[] = {"±0", "±0.0", "±0.00", "±0.000", "±0.00"};
    return mitVorsaetzen(kNull[std::clamp(o.dezimalmodus, 0, 4)], Bemassungsart::Laenge, o);
  }
  return mitVorsaetzen((wert > 0 ? "+" : "-") + betrag, Bemassungsart::Laenge, o);
}

Toleranzangabe toleranzangabe(const Masszahloptionen& o) {
  Toleranzangabe t;
  const auto ohneVorzeichen = [](std::string_view s) {
    if (s.starts_with("±")) return s.substr(std::string_view("±").size());
    if (s.starts_with('+') || s.starts_with('-')) return s.substr(1);
    return s;
  };
  const std::string_view oben = o.toleranzOben, unten = o.toleranzUnten;
  if (oben.empty() && unten.empty()) return t;
  if (!oben.empty() && !unten.empty() && ohneVorzeichen(oben) != ohneVorzeichen(unten)) {
    t.oben = oben;
    t.unten = unten;
    return t;
  }
  const std::string_view wert = oben.empty() ? unten : oben;
  // Two values of the same size are one "±" tolerance.
  const bool gleich = !oben.empty() && !unten.empty();
  if (gleich || (o.plusMinus && ohneVorzeichen(wert) == wert)) {
    t.einzeilig = "±" + std::string(ohneVorzeichen(wert));
  } else {
    t.einzeilig = wert;
  }
  t.hochgestellt = !o.toleranzNichtHoch;
  return t;
}

std::string mitToleranz(const std::string& text, const Toleranzangabe& t) {
  if (!t.einzeilig.empty()) return text + " " + t.einzeilig;
  if (!t.oben.empty()) return text + " " + t.oben + "/" + t.unten;
  return text;
}

std::string messtext(double wert, Messgroesse g, std::string_view einheit) {
  std::string text = ohneNullen(masszahl(wert, 3, false));
  const auto komma = text.find(',');
  if (text != "?") {
    if (komma == std::string::npos) {
      text += ",00";
    } else if (text.size() - komma == 2) {
      text += '0';
    }
  }
  if (einheit.empty()) return text;
  return text + " " + std::string(einheit) + (g == Messgroesse::Flaeche ? "²" : "");
}

}  // namespace quarzel
