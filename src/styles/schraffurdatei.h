// Schraffurdatei: the two file forms of hatch definitions.
//
// A definition file ("<name>.tsc") holds one hatch, one value group per line:
//   1      "0" or "1" (distances scale-dependent)
//   2      the six directions, "0;45;90;135;30;60"
//   3..26  per pattern four lines of five values each: active flags "1;0;0;0;0",
//          distances with decimal comma each followed by ";" "2,5;5;5;5;5;",
//          styles "0;0;0;0;0" and pens "1;0;0;0;0".
// The same bytes travel in drawing files as the drawing's hatch table.
//
// The older combined file "Schraffur.ini" lists the names as keys of the
// section "Schraffur-Namen"; section <name> holds "Masstab", "Richtung" and per
// pattern p the keys "Aktiv"p, "Abstand"p, "Art"p and "Stiftdicke"p.
//
// Both readers take any bytes. Missing lines, keys or entries take the values
// of `vorgabeSchraffur`; extra entries are ignored; numbers out of range take
// the default of their place, except distances, which are brought into
// 0.1 … 10000 mm when positive. Only an empty text, or a first line that is not
// a number, is not a hatch.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/inidatei.h"
#include "styles/schraffurdefinition.h"

namespace quarzel {

// A definition file is a few hundred bytes; more than this is not read.
inline constexpr std::size_t HoechsteTscGroesse = 64 * 1024;

std::optional<Schraffurdefinition> leseTsc(std::string_view text, std::string name);
// CR LF line ends, distances in the shortest form with a decimal comma.
std::string schreibeTsc(const Schraffurdefinition& definition);

// std::nullopt when the file is missing, unreadable, empty or no hatch.
std::optional<Schraffurdefinition> leseTscDatei(const std::filesystem::path& pfad, std::string name);
// Writes atomically; the folder must exist.
bool schreibeTscDatei(const std::filesystem::path& pfad, const Schraffurdefinition& definition,
                      std::string* fehler = nullptr);

inline constexpr std::string_view SchraffurIniNamen = "Schraffur-Namen";

// The names listed in "Schraffur-Namen", in file order.
std::vector<std::string> schraffurIniNamen(const IniDatei& ini);
// The definition of a listed name; std::nullopt when the name is not listed.
std::optional<Schraffurdefinition> leseSchraffurIni(const IniDatei& ini, std::string_view name);

}  // namespace quarzel
