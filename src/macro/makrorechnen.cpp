#include "macro/makrorechnen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>
#include <string>

#include "base/textkodierung.h"
#include "macro/makrowerte.h"
#include "macro/schreibweise.h"

namespace quarzel {

namespace {

constexpr double GradJeBogen = 180.0 / std::numbers::pi;

double zahl(const Makrostapel& s, std::size_t tiefe) {
  return makrowert(s.oben(tiefe));
}

std::int64_t ganz(const Makrostapel& s, std::size_t tiefe) {
  const auto g = liesGanzzahl(s.oben(tiefe));
  if (!g) throw Makrozahlfehler(s.oben(tiefe));
  return *g;
}

// A result that is no number stops the run like a failed computation.
double geprueft(double z) {
  if (!std::isfinite(z)) throw std::domain_error("Ungültige Gleitkommaoperation");
  return z;
}

void ersetze(Makrostapel& s, std::size_t operanden, double ergebnis) {
  s.entferne(operanden);
  s.legeZahl(geprueft(ergebnis));
}

void ersetzeText(Makrostapel& s, std::size_t operanden, std::string ergebnis) {
  s.entferne(operanden);
  s.lege(std::move(ergebnis));
}

void ersetzeWahrheit(Makrostapel& s, std::size_t operanden, bool w) {
  s.entferne(operanden);
  s.legeWahrheit(w);
}

void ersetzeGanz(Makrostapel& s, std::size_t operanden, std::int64_t g) {
  s.entferne(operanden);
  s.lege(std::to_string(g));
}

Makrofehlerfall fehler(Makrofehler code, Befehl b) {
  return {code, std::string(befehlswort(b)), {}, {}, {}};
}

// Byte offset of character `n` (0-based) of a UTF-8 text, or its size.
std::size_t byteVonZeichen(std::string_view t, std::size_t n) {
  std::size_t i = 0;
  while (i < t.size() && n > 0) {
    ++i;
    while (i < t.size() && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) ++i;
    --n;
  }
  return i;
}

std::size_t klemme(std::int64_t n) {
  return n <= 0 ? 0 : static_cast<std::size_t>(n);
}

std::string festkomma(double x, std::int64_t stellen) {
  const int n = static_cast<int>(std::clamp<std::int64_t>(stellen, 0, 30));
  // A half rounds away from zero ("2,5 0 FORMAT" is 3), as users expect;
  // printf alone would round it to even.
  if (n <= 15) {
    const double faktor = std::pow(10.0, n);
    const double gerundet = std::round(x * faktor) / faktor;
    if (std::isfinite(gerundet)) x = gerundet;
  }
  const int laenge = std::snprintf(nullptr, 0, "%.*f", n, x);
  std::string t(static_cast<std::size_t>(std::max(laenge, 0)), '\0');
  std::snprintf(t.data(), t.size() + 1, "%.*f", n, x);
  if (t == "-0" || (t.starts_with("-0.") && t.find_first_not_of("0.", 1) == std::string::npos)) t.erase(0, 1);
  return t;
}

double fakultaet(double n) {
  const double g = std::trunc(n);
  if (g > 170) throw std::domain_error("Gleitkommaüberlauf");
  double f = 1;
  for (int i = 2; i <= g; ++i) f *= i;
  return f;
}

std::optional<Makrofehlerfall> stapelwort(Befehl b, Makrostapel& s, Rechenumfeld& u) {
  switch (b) {
    case Befehl::CLEAR:
      s.leere();
      return std::nullopt;
    case Befehl::DUP:
      if (!s.hatPlatz()) return fehler(Makrofehler::SchwererFehler, b);
      s.lege(s.oben());
      return std::nullopt;
    case Befehl::MULTIDUP: {
      const double n = std::trunc(zahl(s, 0));
      if (n > 0 && n > static_cast<double>(s.groesse() - 1)) return fehler(Makrofehler::ZuwenigParameter, b);
      const std::size_t anzahl = n > 0 ? static_cast<std::size_t>(n) : 0;
      s.entferne(1);
      if (!s.hatPlatz(anzahl)) return fehler(Makrofehler::SchwererFehler, b);
      const std::size_t erstes = s.groesse() - anzahl;
      for (std::size_t i = 0; i < anzahl; ++i) s.lege(s.an(erstes + i));
      return std::nullopt;
    }
    case Befehl::POP:
      s.entferne(1);
      return std::nullopt;
    case Befehl::EXCH: {
      if (gleichInKleinschrift(s.oben(0), "\\var")) {
        // name \VAR EXCH: the value of the variable named by the deeper operand.
        const std::string* wert = u.variablen.finde(s.oben(1));
        std::string neu = wert ? *wert : std::string();
        s.entferne(1);
        if (wert) s.oben() = std::move(neu);
        return std::nullopt;
      }
      std::swap(s.oben(0), s.oben(1));
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

std::optional<Makrofehlerfall> arithmetikwort(Befehl b, Makrostapel& s, Rechenumfeld& u) {
  switch (b) {
    case Befehl::ADD:
      ersetze(s, 2, zahl(s, 1) + zahl(s, 0));
      break;
    case Befehl::SUB:
      ersetze(s, 2, zahl(s, 1) - zahl(s, 0));
      break;
    case Befehl::MUL:
      ersetze(s, 2, zahl(s, 1) * zahl(s, 0));
      break;
    case Befehl::DIV:
    case Befehl::IDIV:
    case Befehl::MOD: {
      // Only the text "0" is caught as the user's mistake; "0.0" lets the
      // division itself fail, as macros in use expect.
      if (s.oben(0) == "0") return fehler(Makrofehler::DivisionDurchNull, b);
      const double a = zahl(s, 1), d = zahl(s, 0);
      if (d == 0) throw std::domain_error("Gleitkommadivision durch Null");
      if (b == Befehl::DIV) ersetze(s, 2, a / d);
      if (b == Befehl::IDIV) ersetze(s, 2, std::trunc(a / d));
      if (b == Befehl::MOD) ersetze(s, 2, std::trunc(a - std::trunc(a / d) * d));
      break;
    }
    case Befehl::POWER:
      ersetze(s, 2, std::pow(zahl(s, 1), zahl(s, 0)));
      break;
    case Befehl::MAX:
      ersetze(s, 2, std::max(zahl(s, 1), zahl(s, 0)));
      break;
    case Befehl::MIN:
      ersetze(s, 2, std::min(zahl(s, 1), zahl(s, 0)));
      break;
    case Befehl::ROUND: {
      const double faktor = std::pow(10.0, std::trunc(zahl(s, 0)));
      ersetze(s, 2, std::round(zahl(s, 1) * faktor) / faktor);
      break;
    }
    case Befehl::FORMAT:
      ersetzeText(s, 2, festkomma(geprueft(zahl(s, 1)), static_cast<std::int64_t>(std::trunc(zahl(s, 0)))));
      break;
    case Befehl::ABS:
      ersetze(s, 1, std::fabs(zahl(s, 0)));
      break;
    case Befehl::NEG:
      ersetze(s, 1, -zahl(s, 0));
      break;
    case Befehl::INC:
      ersetze(s, 1, zahl(s, 0) + 1);
      break;
    case Befehl::DEC:
      ersetze(s, 1, zahl(s, 0) - 1);
      break;
    case Befehl::SQR:
      ersetze(s, 1, std::sqrt(zahl(s, 0)));
      break;
    case Befehl::LOG:
    case Befehl::LOG10:
    case Befehl::LOG2: {
      const double a = zahl(s, 0);
      if (a <= 0) throw std::domain_error("Ungültige Gleitkommaoperation");
      ersetze(s, 1, b == Befehl::LOG ? std::log(a) : b == Befehl::LOG10 ? std::log10(a) : std::log2(a));
      break;
    }
    case Befehl::INT:
      ersetze(s, 1, std::trunc(zahl(s, 0)));
      break;
    case Befehl::RND: {
      const double n = std::trunc(zahl(s, 0));
      if (n < 1 || n > 4294967295.0) {
        ersetze(s, 1, 0);
        break;
      }
      std::uniform_int_distribution<std::uint64_t> verteilung(0, static_cast<std::uint64_t>(n) - 1);
      ersetze(s, 1, static_cast<double>(verteilung(u.zufall)));
      break;
    }
    case Befehl::Fakultaet:
      ersetze(s, 1, fakultaet(zahl(s, 0)));
      break;
    case Befehl::ODD:
      ersetzeWahrheit(s, 1, ganz(s, 0) % 2 != 0);
      break;
    case Befehl::EVEN:
      ersetzeWahrheit(s, 1, ganz(s, 0) % 2 == 0);
      break;
    case Befehl::SIN:
      ersetze(s, 1, std::sin(zahl(s, 0) / GradJeBogen));
      break;
    case Befehl::COS:
      // The cosine of a right angle is exactly 0 in drawings, not 6E-17.
      if (s.oben() == "90" || s.oben() == "270") {
        ersetze(s, 1, 0);
      } else {
        ersetze(s, 1, std::cos(zahl(s, 0) / GradJeBogen));
      }
      break;
    case Befehl::TAN:
      ersetze(s, 1, std::tan(zahl(s, 0) / GradJeBogen));
      break;
    case Befehl::ASIN:
      ersetze(s, 1, std::asin(zahl(s, 0)) * GradJeBogen);
      break;
    case Befehl::ACOS:
      ersetze(s, 1, std::acos(zahl(s, 0)) * GradJeBogen);
      break;
    case Befehl::ATN:
      ersetze(s, 1, std::atan(zahl(s, 0)) * GradJeBogen);
      break;
    case Befehl::DISTANCE:
      ersetze(s, 4, std::hypot(zahl(s, 1) - zahl(s, 3), zahl(s, 0) - zahl(s, 2)));
      break;
    case Befehl::ANGLE: {
      double w = std::atan2(zahl(s, 0) - zahl(s, 2), zahl(s, 1) - zahl(s, 3)) * GradJeBogen;
      if (w < 0) w += 360;
      ersetze(s, 4, w);
      break;
    }
    default:
      break;
  }
  return std::nullopt;
}

std::optional<Makrofehlerfall> vergleichswort(Befehl b, Makrostapel& s) {
  switch (b) {
    case Befehl::EQ:
      ersetzeWahrheit(s, 2, s.oben(1) == s.oben(0));
      break;
    case Befehl::NE:
      ersetzeWahrheit(s, 2, s.oben(1) != s.oben(0));
      break;
    case Befehl::LT:
      ersetzeWahrheit(s, 2, zahl(s, 1) < zahl(s, 0));
      break;
    case Befehl::LE:
      ersetzeWahrheit(s, 2, zahl(s, 1) <= zahl(s, 0));
      break;
    case Befehl::GT:
      ersetzeWahrheit(s, 2, zahl(s, 1) > zahl(s, 0));
      break;
    case Befehl::GE:
      ersetzeWahrheit(s, 2, zahl(s, 1) >= zahl(s, 0));
      break;
    case Befehl::AND:
      ersetzeGanz(s, 2, ganz(s, 1) & ganz(s, 0));
      break;
    case Befehl::OR:
      ersetzeGanz(s, 2, ganz(s, 1) | ganz(s, 0));
      break;
    case Befehl::XOR:
      ersetzeGanz(s, 2, ganz(s, 1) ^ ganz(s, 0));
      break;
    case Befehl::EQV:
      ersetzeGanz(s, 2, ~(ganz(s, 1) ^ ganz(s, 0)));
      break;
    case Befehl::NOT:
      ersetzeGanz(s, 1, ~ganz(s, 0));
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::optional<Makrofehlerfall> textwort(Befehl b, Makrostapel& s, Rechenumfeld& u) {
  switch (b) {
    case Befehl::STRADD:
    case Befehl::STRADDV: {
      if (s.oben(1).size() + s.oben(0).size() > (1u << 20)) return fehler(Makrofehler::SchwererFehler, b);
      std::string t = s.oben(1) + s.oben(0);
      if (b == Befehl::STRADDV) {
        if (const std::string* wert = u.variablen.finde(t)) t = *wert;
      }
      ersetzeText(s, 2, std::move(t));
      break;
    }
    case Befehl::STRADDASC: {
      const std::int64_t code = ganz(s, 0);
      if (code < 1 || code > 255) return fehler(Makrofehler::UngueltigerParameter, b);
      // Character codes are those of the code page macros were written in.
      const char zeichen = static_cast<char>(code);
      ersetzeText(s, 2, s.oben(1) + ausCp1252(std::string_view(&zeichen, 1), UndefinierteBytes::Ersatzzeichen));
      break;
    }
    case Befehl::LEFTSTR: {
      const std::string_view t = s.oben(1);
      ersetzeText(s, 2, std::string(t.substr(0, byteVonZeichen(t, klemme(ganz(s, 0))))));
      break;
    }
    case Befehl::RIGHTSTR: {
      const std::string_view t = s.oben(1);
      const std::size_t n = zeichenanzahl(t);
      const std::size_t k = std::min(n, klemme(ganz(s, 0)));
      ersetzeText(s, 2, std::string(t.substr(byteVonZeichen(t, n - k))));
      break;
    }
    case Befehl::MIDSTR: {
      const std::string_view t = s.oben(2);
      const std::size_t von = klemme(ganz(s, 1) - 1);
      const std::size_t anfang = byteVonZeichen(t, von);
      const std::string_view rest = t.substr(anfang);
      ersetzeText(s, 3, std::string(rest.substr(0, byteVonZeichen(rest, klemme(ganz(s, 0))))));
      break;
    }
    case Befehl::POS: {
      const std::string_view t = s.oben(1);
      const std::size_t stelle = s.oben(0).empty() ? std::string_view::npos : t.find(s.oben(0));
      ersetzeGanz(
          s, 2,
          stelle == std::string_view::npos ? 0 : static_cast<std::int64_t>(zeichenanzahl(t.substr(0, stelle))) + 1);
      break;
    }
    case Befehl::LENGTH:
      ersetzeGanz(s, 1, static_cast<std::int64_t>(zeichenanzahl(s.oben())));
      break;
    case Befehl::ISTEXT:
      ersetzeWahrheit(s, 1, !liesMakrowert(s.oben()).has_value());
      break;
    case Befehl::TEXTWIDTH: {
      const double breite = u.textbreite ? u.textbreite(s.oben()) : 0.0;
      ersetze(s, 1, breite);
      break;
    }
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

bool istRechenwort(Befehl b) {
  const Befehlseintrag* e = eintrag(b);
  if (!e) return false;
  return e->gruppe == Befehlsgruppe::Stapel || e->gruppe == Befehlsgruppe::Arithmetik ||
         e->gruppe == Befehlsgruppe::Vergleich || e->gruppe == Befehlsgruppe::Text;
}

std::optional<Makrofehlerfall> rechne(Befehl b, Makrostapel& s, Rechenumfeld& umfeld) {
  switch (eintrag(b)->gruppe) {
    case Befehlsgruppe::Stapel:
      return stapelwort(b, s, umfeld);
    case Befehlsgruppe::Arithmetik:
      return arithmetikwort(b, s, umfeld);
    case Befehlsgruppe::Vergleich:
      return vergleichswort(b, s);
    case Befehlsgruppe::Text:
      return textwort(b, s, umfeld);
    default:
      return std::nullopt;
  }
}

std::size_t zeichenanzahl(std::string_view text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace quarzel
