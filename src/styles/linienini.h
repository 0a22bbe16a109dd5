// "Linien.ini": the line-style definition file. It names the simple user
// patterns and gives each six lengths in millimetres (drawn, gap, drawn, ...)
// and the line type its DXF export uses:
//   [Linien]  Version=1.03
//   [Namen]   one key per pattern, in order (at most 20)
//   [<name>]  Abstand=2,00;3,00;4,00;5,00;6,00;7,00;   DXF=0
// The same text is what a drawing file embeds as its line-style definition
// file (see linienstilzeichnung.h).
#pragma once

#include <filesystem>
#include <string>

#include "base/inidatei.h"
#include "styles/linienstile.h"

namespace quarzel {

inline constexpr std::string_view kLinienIniVersion = "1.03";

// Takes names, lengths and DXF line types of the file's patterns into simple
// patterns 1.. in the order of the names; patterns beyond the file's names keep
// theirs. A file of another version or with more than 20 names is not used:
// false, and the table is unchanged. Unreadable, negative or oversized lengths
// take the default length of their place.
bool leseLinienIni(const IniDatei& ini, Linienstiltabelle& tabelle);
// Reads the file; a missing or unusable file leaves the table as it is.
bool ladeLinienIni(const std::filesystem::path& pfad, Linienstiltabelle& tabelle);

// The file for the table's 20 simple patterns: the first six entries of each,
// missing ones written as 0 (a dot or gap of no length, which changes nothing
// that shows). Names that cannot be a section name of the format (with "=",
// "]" or a line break, or starting with "[", ";" or "#") get "_" in place of
// those characters; a name used twice (or "Linien", "Namen") gets its number
// appended, so that every pattern reads back to its own section.
IniDatei schreibeLinienIni(const Linienstiltabelle& tabelle);
bool speichereLinienIni(const std::filesystem::path& pfad, const Linienstiltabelle& tabelle,
                        std::string* fehler = nullptr);

}  // namespace quarzel
