#include "styles/schraffurdefinition.h"

#include <algorithm>

namespace quarzel {

namespace {

constexpr std::string_view StandardPraefix = "Windows-Standard ";

struct Linienvorgabe {
  double distance;
  std::uint8_t style;
};

// One pattern of a built-in hatch: direction and its active lines in order.
Schraffurmuster muster(std::int32_t richtung, std::initializer_list<Linienvorgabe> linien) {
  Schraffurmuster m;
  m.direction = richtung;
  for (std::size_t i = 0; i < m.linien.size(); ++i) {
    m.linien[i].distance = VorgabeAbstaende[i];
    m.linien[i].pen = VorgabeStifte[i];
  }
  std::size_t i = 0;
  for (const Linienvorgabe& l : linien) {
    m.linien[i] = {1, l.distance, l.style, 1};
    ++i;
  }
  return m;
}

}  // namespace

bool Schraffurmuster::hatAktiveLinie() const {
  return std::any_of(linien.begin(), linien.end(), [](const Schraffurlinie& l) { return l.active != 0; });
}

bool Schraffurdefinition::zeichnetEtwas() const {
  return std::any_of(muster.begin(), muster.end(), [](const Schraffurmuster& m) { return m.hatAktiveLinie(); });
}

Schraffurdefinition vorgabeSchraffur(std::string name) {
  Schraffurdefinition d;
  d.name = std::move(name);
  for (std::size_t p = 0; p < d.muster.size(); ++p) {
    d.muster[p].direction = VorgabeRichtungen[p];
    for (std::size_t i = 0; i < d.muster[p].linien.size(); ++i) {
      d.muster[p].linien[i] = {0, VorgabeAbstaende[i], 0, VorgabeStifte[i]};
    }
  }
  return d;
}

std::string standardSchraffurName(int nummer) {
  return std::string(StandardPraefix) + std::to_string(nummer);
}

int standardSchraffurNummer(std::string_view name) {
  if (name.size() != StandardPraefix.size() + 1 || !name.starts_with(StandardPraefix)) return 0;
  const char c = name.back();
  return c >= '1' && c <= '0' + StandardSchraffurAnzahl ? c - '0' : 0;
}

// The built-in hatches give six distinct everyday looks in sheet millimetres,
// all with the thinnest pen: single diagonal, cross, horizontal, square grid,
// dense diagonal, and a diagonal that alternates solid and dashed lines.
std::optional<Schraffurdefinition> standardSchraffur(std::string_view name) {
  const int nummer = standardSchraffurNummer(name);
  if (nummer == 0) return std::nullopt;
  Schraffurdefinition d = vorgabeSchraffur(std::string(name));
  auto setze = [&](std::size_t p, Schraffurmuster m) { d.muster[p] = m; };
  switch (nummer) {
    case 1:
      setze(1, muster(45, {{2.5, 0}}));
      break;
    case 2:
      setze(1, muster(45, {{2.5, 0}}));
      setze(3, muster(135, {{2.5, 0}}));
      break;
    case 3:
      setze(0, muster(0, {{2.0, 0}}));
      break;
    case 4:
      setze(0, muster(0, {{4.0, 0}}));
      setze(2, muster(90, {{4.0, 0}}));
      break;
    case 5:
      setze(1, muster(45, {{1.0, 0}}));
      break;
    default:
      setze(1, muster(45, {{1.5, 0}, {1.5, 1}}));
      break;
  }
  return d;
}

bool gueltigerSchraffurname(std::string_view name) {
  if (name.empty() || name.size() > 200 || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || c == '/' || c == '\\';
  });
}

}  // namespace quarzel
