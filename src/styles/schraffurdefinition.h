// Schraffurdefinition: one named hatch. A hatch is the union of six patterns;
// each pattern is a direction and up to five active lines, and each active
// line is an infinite family of parallel lines drawn with its own pen and line
// style. The definition is plain data: files (schraffurdatei.h), the lookup by
// name (schraffurbibliothek.h) and the fill (schraffurfuellung.h) work on it.
//
// The six built-in hatches "Windows-Standard 1" … "Windows-Standard 6" live in
// the code, so a hatch is always at hand even when no file can be read; the
// first of them is the fallback for names that are not found.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarzel {

struct Schraffurlinie {
  static constexpr double MinAbstand = 0.1;    // millimetres
  static constexpr double MaxAbstand = 10000;  // millimetres

  std::uint8_t active = 0;  // 0 or 1
  double distance = 5;      // millimetres before this line (see scaleDependent)
  std::uint8_t style = 0;   // line-style index as chosen; drawn with style number style + 1
  std::uint8_t pen = 0;

  bool operator==(const Schraffurlinie&) const = default;
};

struct Schraffurmuster {
  static constexpr int Linienanzahl = 5;

  std::int32_t direction = 0;  // degrees
  std::array<Schraffurlinie, Linienanzahl> linien{};

  bool hatAktiveLinie() const;
  bool operator==(const Schraffurmuster&) const = default;
};

struct Schraffurdefinition {
  static constexpr int Musteranzahl = 6;

  std::string name;
  // 1: distances are model lengths, divided by the scale in force; 0: sheet millimetres.
  std::uint8_t scaleDependent = 0;
  std::array<Schraffurmuster, Musteranzahl> muster{};

  bool zeichnetEtwas() const;
  bool operator==(const Schraffurdefinition&) const = default;
};

// The values of a definition read without values: directions 0;45;90;135;30;60,
// every line inactive, distances 1,5 / 5 / 5 / 5 / 5, styles 0, pens 1;0;0;0;0.
Schraffurdefinition vorgabeSchraffur(std::string name = {});
inline constexpr std::array<std::int32_t, 6> VorgabeRichtungen = {0, 45, 90, 135, 30, 60};
inline constexpr std::array<double, 5> VorgabeAbstaende = {1.5, 5, 5, 5, 5};
inline constexpr std::array<std::uint8_t, 5> VorgabeStifte = {1, 0, 0, 0, 0};

inline constexpr int StandardSchraffurAnzahl = 6;
inline constexpr std::string_view ErsatzSchraffur = "Windows-Standard 1";
inline constexpr std::string_view MeldungStandardNichtLoeschbar = "Standard-Schraffuren können nicht gelöscht werden";

// "Windows-Standard " followed by 1 … 6.
std::string standardSchraffurName(int nummer);
// 1 … 6 for the name of a built-in hatch (spelled exactly), otherwise 0.
int standardSchraffurNummer(std::string_view name);
// The built-in hatch of that name; std::nullopt for any other name.
std::optional<Schraffurdefinition> standardSchraffur(std::string_view name);

// Whether a name can be a file name in a hatch folder: not empty, at most 200
// bytes, no path separators or control characters, not "." or "..".
bool gueltigerSchraffurname(std::string_view name);

}  // namespace quarzel
