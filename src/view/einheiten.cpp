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
