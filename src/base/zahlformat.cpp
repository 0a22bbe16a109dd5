#include "base/zahlformat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quarzel {

namespace {

std::string_view ohneRand(std::string_view text) {
  const auto istRand = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && istRand(text.front())) text.remove_prefix(1);
  while (!text.empty() && istRand(text.back())) text.remove_suffix(1);
  return text;
}

bool istZiffer(char c) {
  return c >= '0' && c <= '9';
}

// from_chars reports "out of range" both for overflow and for underflow; only
// the decimal order of magnitude of the digits tells them apart.
bool istUnterlauf(std::string_view zahl) {
  std::size_t i = 0;
  long long groessenordnung = 0;
  bool ziffernGesehen = false;
  while (i < zahl.size() && istZiffer(zahl[i])) {
    if (zahl[i] != '0' || ziffernGesehen) {
      ziffernGesehen = true;
      ++groessenordnung;
    }
    ++i;
  }
  if (i < zahl.size() && zahl[i] == '.') {
    ++i;
    while (i < zahl.size() && istZiffer(zahl[i])) {
      if (!ziffernGesehen) {
        if (zahl[i] != '0') {
          ziffernGesehen = true;
        } else {
          --groessenordnung;
        }
      }
      ++i;
    }
  }
  long long exponent = 0;
  if (i < zahl.size() && (zahl[i] == 'e' || zahl[i] == 'E')) {
    ++i;
    bool negativ = false;
    if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-')) negativ = zahl[i++] == '-';
    for (; i < zahl.size() && istZiffer(zahl[i]); ++i) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (zahl[i] - '0');
    }
    if (negativ) exponent = -exponent;
  }
  return groessenordnung + exponent < 0;
}

}  // namespace

std::optional<double> leseZahl(std::string_view text) {
  text = ohneRand(text);
  if (text.empty()) return 0.0;

  bool negativ = false;
  if (text.front() == '+' || text.front() == '-') {
    negativ = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars itself accepts a leading "-" and the words "inf" and "nan"; only
  // a digit or a separator may start the rest of a number here.
  if (text.empty() || !(istZiffer(text.front()) || text.front() == '.' || text.front() == ',')) return std::nullopt;

  std::string zahl(text);
  const std::size_t trenner = zahl.find_first_of(".,");
  if (trenner != std::string::npos) zahl[trenner] = '.';

  double wert = 0.0;
  const char* ende = zahl.data() + zahl.size();
  const auto [rest, fehler] = std::from_chars(zahl.data(), ende, wert, std::chars_format::general);
  if (rest != ende) return std::nullopt;
  if (fehler == std::errc::result_out_of_range) {
    if (!istUnterlauf(zahl)) return std::nullopt;
    wert = 0.0;
  } else if (fehler != std::errc()) {
    return std::nullopt;
  }
  if (!std::isfinite(wert)) return std::nullopt;
  return negativ ? -wert : wert;
}

double leseZahlOder(std::string_view text, double vorgabe) {
  return leseZahl(text).value_or(vorgabe);
}

std::optional<std::int64_t> leseGanzzahl(std::string_view text) {
  text = ohneRand(text);
  if (text.empty()) return 0;
  bool negativ = false;
  if (text.front() == '+' || text.front() == '-') {
    negativ = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !istZiffer(text.front())) return std::nullopt;
  // Parsed unsigned so that the most negative value is reachable.
  std::uint64_t betrag = 0;
  const char* ende = text.data() + text.size();
  const auto [rest, fehler] = std::from_chars(text.data(), ende, betrag);
  if (rest != ende || fehler != std::errc()) return std::nullopt;
  constexpr std::uint64_t kMax = std::uint64_t(std::numeric_limits<std::int64_t>::max());
  if (negativ) {
    if (betrag > kMax + 1) return std::nullopt;
    return betrag == kMax + 1 ? std::numeric_limits<std::int64_t>::min() : -std::int64_t(betrag);
  }
  if (betrag > kMax) return std::nullopt;
  return std::int64_t(betrag);
}

std::optional<int> leseInt(std::string_view text) {
  const auto wert = leseGanzzahl(text);
  if (!wert || *wert < std::numeric_limits<int>::min() || *wert > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return int(*wert);
}

std::string schreibeZahl(double wert) {
  if (!std::isfinite(wert) || wert == 0.0) return "0";
  // Plain digits where a reader expects them (as JavaScript numbers do), the
  // exponent form only for magnitudes that would need long runs of zeros.
  const double betrag = std::fabs(wert);
  const bool festkomma = betrag >= 1e-6 && betrag < 1e21;
  char puffer[64];
  const auto [ende, fehler] = festkomma ? std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed)
                                        : std::to_chars(puffer, puffer + sizeof puffer, wert);
  if (fehler != std::errc()) return "0";
  return std::string(puffer, ende);
}

}  // namespace quarzel
