#include "exchange/cadformate.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace quarzel {

namespace {

constexpr std::array<std::string_view, 18> kErweiterungen = {
    ".dxf", ".dwg", ".plt",  ".hgl",   ".rtl", ".hg",  ".plo", ".hp",  ".hp1",
    ".hp2", ".hpg", ".hpgl", ".hpgl2", ".gl2", ".prn", ".spl", ".svg", ".cgm",
};

constexpr std::array<std::string_view, 14> kOhneFrage = {"1.50", "2.10", "1002", "1003", "1004", "1006", "1009",
                                                         "1012", "1014", "1015", "1018", "1021", "1024", "1027"};

std::string klein(std::string_view s) {
  std::string k(s);
  for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

std::string_view ohneRand(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

}  // namespace

int cadErweiterungsindex(std::string_view dateiname) {
  const std::string name = klein(dateiname);
  const std::size_t punkt = name.find_last_of('.');
  if (punkt == std::string::npos || name.find_first_of("/\\", punkt) != std::string::npos) return -1;
  const std::string_view erweiterung = std::string_view(name).substr(punkt);
  for (std::size_t i = 0; i < kErweiterungen.size(); ++i)
    if (kErweiterungen[i] == erweiterung) return static_cast<int>(i);
  return -1;
}

CadLeser cadLeser(std::string_view dateiname) {
  const int i = cadErweiterungsindex(dateiname);
  if (i < 0) return CadLeser::Keiner;
  if (i == 0) return CadLeser::Dxf;
  if (i == 1) return CadLeser::Dwg;
  if (i <= 15) return CadLeser::Hpgl;
  return i == 16 ? CadLeser::Svg : CadLeser::Cgm;
}

std::string cadVersionscode(std::string_view anfang) {
  anfang = anfang.substr(0, 512);
  const std::size_t p = anfang.find("AC1");
  if (p == std::string_view::npos) return {};
  return std::string(anfang.substr(p + 2, 4));
}

std::optional<std::string> cadVersionsfrage(std::string_view code) {
  if (std::find(kOhneFrage.begin(), kOhneFrage.end(), code) != kOhneFrage.end()) return std::nullopt;
  if (code == "1032")
    return std::string(
        "Diese Datei liegt im Format von AutoCAD 2018 oder neuer vor und kann wahrscheinlich nicht importiert "
        "werden.\r\nSoll ein Import trotzden versucht werden?");
  return std::string(
      "Diese Datei liegt in einer unbekannten Formatvariante vor und kann wahscheinlich nicht importiert "
      "werden.\r\nSoll ein Import trotzden versucht werden?");
}

int cadPunktdarstellung(std::string_view text) {
  // Only lines that start with "$" can be the variable's name; memchr finds
  // them fast in files of hundreds of megabytes.
  for (std::size_t p = text.find('$'); p != std::string_view::npos; p = text.find('$', p + 1)) {
    const std::size_t anfang = text.rfind('\n', p) == std::string_view::npos ? 0 : text.rfind('\n', p) + 1;
    const std::size_t ende = std::min(text.find('\n', p), text.size());
    if (klein(ohneRand(text.substr(anfang, ende - anfang))) != "$pdmode") continue;
    // The line two lines further on.
    std::size_t vor = ende, zeile = ende;
    for (int i = 0; i < 2; ++i) {
      if (zeile >= text.size()) return 0;
      vor = zeile;
      zeile = std::min(text.find('\n', zeile + 1), text.size());
    }
    const std::string_view wert = ohneRand(text.substr(vor + 1, zeile - vor - 1));
    int zahl = 0;
    const auto [q, fehler] = std::from_chars(wert.data(), wert.data() + wert.size(), zahl);
    return fehler == std::errc{} && q == wert.data() + wert.size() ? zahl : 0;
  }
  return 0;
}

}  // namespace quarzel
