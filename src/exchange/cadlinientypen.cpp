#include "exchange/cadlinientypen.h"

#include <array>
#include <string>
#include <utility>

namespace quarzel {

namespace {

struct Zeile {
  std::string_view name;
  std::int16_t stil;
};

// clang-format off
constexpr Zeile kTabelle[] = {
    {"continuous", 1}, {"gestrichelt", 2}, {"verdeckt", 3}, {"mittellinie", 7}, {"punktiert", 4},
    {"phantom", 8}, {"strichpunktiert", 6}, {"rand", 5}, {"trennlinie", 9},
    {"vla_linestyle_1", 1}, {"vla_linestyle_2", 2}, {"vla_linestyle_3", 3}, {"vla_linestyle_4", 4},
    {"vla_linestyle_5", 5}, {"vla_linestyle_6", 6}, {"vla_linestyle_7", 7}, {"vla_linestyle_8", 8},
    {"vla_linestyle_9", 9},
    {"1s3p", 91}, {"2s1p", 92}, {"2s2p", 93}, {"2s3p", 94}, {"pssolid", 1}, {"psdash", 2},
    {"strich_kreuz", 95}, {"kreuzlinie", 96}, {"waagerecht_senkrecht", 97}, {"fremdleitung", 98},
    {"strich_kreis", 99}, {"böschung", 100}, {"isolierung", 101}, {"erdreich", 102},
    {"hptltg_oberirdisch", 103}, {"hptltg_unterirdisch", 104}, {"abbruch", 105}, {"abbruch_gestrichelt", 106},
    {"sw", 107}, {"sw_abbruch", 108}, {"rw", 109}, {"psdot", 4},
    {"rw_abbruch", 110}, {"mw", 111}, {"mw_abbruch", 112}, {"drainage", 113}, {"drainage_abbruch", 114},
    {"lüftung", 115}, {"lüftung_pfeil", 116}, {"elektro", 117}, {"telefon", 118}, {"gas", 119},
    {"freihand1", 120}, {"freihand2", 121}, {"gelände1", 122}, {"gelände2", 123}, {"erdreich1", 124},
    {"psdashdot", 6},
};
// clang-format on

// Lower case for ASCII and the German capitals in UTF-8 (Ä Ö Ü → ä ö ü).
std::string klein(std::string_view s) {
  std::string k;
  k.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 'A' && c <= 'Z') {
      k += static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < s.size() && (s[i + 1] == '\x84' || s[i + 1] == '\x96' || s[i + 1] == '\x9C')) {
      k += static_cast<char>(c);
      k += static_cast<char>(s[++i] + 0x20);
    } else {
      k += static_cast<char>(c);
    }
  }
  return k;
}

}  // namespace

std::int16_t linienstilAusLinientyp(std::string_view name) {
  if (name.empty()) return 0;
  const std::string k = klein(name);
  for (const Zeile& z : kTabelle)
    if (z.name == k) return z.stil;
  return 0;
}

std::int16_t linienstilAusStiftart(std::string_view stiftart, std::int16_t bisher) {
  static constexpr std::array<std::pair<std::string_view, std::int16_t>, 4> kStiftarten{
      {{"psSolid", 1}, {"psDash", 2}, {"psDot", 4}, {"psDashDot", 6}}};
  for (const auto& [art, stil] : kStiftarten)
    if (art == stiftart) return stil;
  return bisher;
}

}  // namespace quarzel
