#include "macro/makrowerte.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quarzel {

namespace {

// Long operands are not numbers anyway; the cap keeps the copy on the stack.
constexpr std::size_t LaengsteZahl = 400;

std::string_view ohneRand(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

}  // namespace

Makrozahlfehler::Makrozahlfehler(std::string_view text)
    : std::runtime_error("'" + std::string(text.substr(0, 60)) + "' ist kein gültiger Gleitkommawert") {}

std::string makrozahl(double z) {
  if (z == 0) return "0";  // also -0
  if (std::isnan(z)) return "NAN";
  if (std::isinf(z)) return z > 0 ? "INF" : "-INF";
  char puffer[40];
  if (std::fabs(z) < 1e15 && z == std::trunc(z)) {
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, static_cast<long long>(z));
    return std::string(puffer, ende);
  }
  const int n = std::snprintf(puffer, sizeof puffer, "%.15G", z);
  std::string t(puffer, n > 0 ? static_cast<std::size_t>(n) : 0);
  // "1E+20" -> "1E20", "1E-07" -> "1E-7": the exponent without sign or zeros.
  const auto e = t.find('E');
  if (e != std::string::npos) {
    std::string mantisse = t.substr(0, e);
    const bool negativ = t[e + 1] == '-';
    std::size_t i = e + 1;
    if (t[i] == '+' || t[i] == '-') ++i;
    while (i + 1 < t.size() && t[i] == '0') ++i;
    t = mantisse + "E" + (negativ ? "-" : "") + t.substr(i);
  }
  return t;
}

std::optional<double> liesMakrowert(std::string_view text) {
  text = ohneRand(text);
  if (text.empty()) return 0.0;
  if (text.size() > LaengsteZahl) return std::nullopt;
  char puffer[LaengsteZahl + 1];
  std::size_t n = 0;
  bool trennerGesehen = false;
  for (char c : text) {
    if (!trennerGesehen && (c == ',' || c == '.')) {
      c = '.';
      trennerGesehen = true;
    }
    puffer[n++] = c;
  }
  const char* anfang = puffer;
  const char* ende = puffer + n;
  if (*anfang == '+') ++anfang;
  if (anfang == ende) return std::nullopt;
  // from_chars would read "inf", "nan" and hexadecimal; a macro number is
  // only digits, one separator, a sign and an exponent.
  for (const char* p = anfang; p != ende; ++p) {
    const char c = *p;
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return std::nullopt;
  }
  double wert = 0;
  auto [rest, fehler] = std::from_chars(anfang, ende, wert, std::chars_format::general);
  if (fehler == std::errc::result_out_of_range) return std::nullopt;
  if (fehler != std::errc() || rest != ende || !std::isfinite(wert)) return std::nullopt;
  return wert;
}

double makrowert(std::string_view text) {
  const auto wert = liesMakrowert(text);
  if (!wert) throw Makrozahlfehler(text);
  return *wert;
}

std::optional<std::int64_t> liesGanzzahl(std::string_view text) {
  text = ohneRand(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int64_t wert = 0;
  auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || rest != text.data() + text.size()) return std::nullopt;
  return wert;
}

}  // namespace quarzel
