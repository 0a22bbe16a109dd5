#include "view/einheiten.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quarzel {

const Masseinheit* einheitNachRadioIndex(int index) {
  if (index < 0 || index >= static_cast<int>(masseinheiten.size())) return nullptr;
  return &masseinheiten[static_cast<std::size_t>(index)];
}

int radioIndexVonCode(int code) {
  for (std::size_t i = 0; i < masseinheiten.size(); ++i) {
    if (masseinheiten[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

const Masseinheit* einheitNachCode(int code) {
  return einheitNachRadioIndex(radioIndexVonCode(code));
}

namespace {

constexpr std::uint8_t einheitMaske = 0x0F;
constexpr std::uint8_t eineStelle = 16;
constexpr std::uint8_t zweiStellen = 32;
constexpr std::uint8_t dreiStellen = 64;
constexpr std::uint8_t anzeigeBit = 128;

}  // namespace

std::uint8_t packeEinheitenbyte(const Einheitenbyte& e) {
  const int index = std::clamp(e.radioIndex, 0, static_cast<int>(masseinheiten.size()) - 1);
  std::uint8_t byte = static_cast<std::uint8_t>(index + 1);
  switch (std::clamp(e.nachkommastellen, 0, 3)) {
    case 1:
      byte |= eineStelle;
      break;
    case 2:
      byte |= zweiStellen;
      break;
    case 3:
      byte |= dreiStellen;
      break;
    default:
      break;
  }
  if (e.anzeigen) byte |= anzeigeBit;
  return byte;
}

std::optional<Einheitenbyte> entpackeEinheitenbyte(std::uint8_t byte) {
  const int code = byte & einheitMaske;
  if (code < 1 || code > static_cast<int>(masseinheiten.size())) return std::nullopt;
  Einheitenbyte e;
  e.radioIndex = code - 1;
  if (byte & dreiStellen) {
    e.nachkommastellen = 3;
  } else if (byte & zweiStellen) {
    e.nachkommastellen = 2;
  } else if (byte & eineStelle) {
    e.nachkommastellen = 1;
  }
  e.anzeigen = (byte & anzeigeBit) != 0;
  return e;
}

int angezeigteDezimalen(int displayDecimals) {
  if (displayDecimals >= 0 && displayDecimals <= 3) return displayDecimals;
  return 2;
}

std::int64_t imperialWert(double wert) {
  const double v = std::round(wert * 10000.0);
  if (std::isnan(v)) return 0;
  // 2^63 is exactly representable; anything at or beyond it saturates.
  constexpr double grenze = 9223372036854775808.0;
  if (v >= grenze) return std::numeric_limits<std::int64_t>::max();
  if (v < -grenze) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}

std::string formatiereDezimal(double wert, int dezimalen) {
  dezimalen = std::clamp(dezimalen, 0, 17);
  if (!std::isfinite(wert)) return std::isnan(wert) ? "0" : (wert > 0 ? "inf" : "-inf");
  // %f of a huge double can need ~330 characters.
  char puffer[400];
  std::snprintf(puffer, sizeof puffer, "%.*f", dezimalen, wert);
  std::string text(puffer);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string formatiereBenutzerwert(double wert, int unitCode, int displayDecimals, bool imperialDecimal) {
  if (!istImperial(unitCode) || imperialDecimal) return formatiereDezimal(wert, angezeigteDezimalen(displayDecimals));
  // The feet-inch-fraction notation works on this count of 1/10000 units; this
  // writes the same count as a decimal number of the unit.
  const std::int64_t zehntausendstel = imperialWert(wert);
  std::string text = formatiereDezimal(static_cast<double>(zehntausendstel) / 10000.0, 4);
  const auto punkt = text.find('.');
  if (punkt != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace quarzel
