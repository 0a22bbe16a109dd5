// Symbolverzeichnis: what the symbol catalogue finds on disk — the folder
// tree below a symbol folder and the symbol and detail files of a folder,
// each with the stamp (modification time and size) by which a catalogue
// knows whether what it read of the file before is still valid.
//
// Folders are user data: a link may point back up, a folder may hold
// thousands of files, an entry may vanish while it is read. So the walk
// stops at a depth and a count, and skips what it cannot read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quarzel {

// Deeper sub-folders are not shown; a link back up ends here at the latest.
inline constexpr int kSymbolordnerTiefe = 12;
// A folder tree or a file list is cut off after so many entries.
inline constexpr std::size_t kSymbolordnerHoechstzahl = 20000;

// Changes when the file is rewritten; equal stamps mean "read it before".
struct Dateistempel {
  std::int64_t zeit = 0;  // modification time, in the file clock's ticks
  std::uintmax_t groesse = 0;
  bool operator==(const Dateistempel&) const = default;
};

// A file that is gone or cannot be examined gives the empty stamp.
Dateistempel dateistempel(const std::filesystem::path& datei);

struct Symboldateieintrag {
  std::filesystem::path pfad;
  std::string name;  // the file name without its extension, as shown
  Dateistempel stempel;
};

struct Symboldateiliste {
  std::vector<Symboldateieintrag> dateien;  // sorted by name, then by path
  bool abgeschnitten = false;               // more than kSymbolordnerHoechstzahl
};

// The symbol and detail files (".QZS", ".DET", ".SY1", ".SY2", ".TMP", any
// case) directly in `ordner`, and with `unterordner` also in its sub-folders.
Symboldateiliste symboldateien(const std::filesystem::path& ordner, bool unterordner);

struct Ordnerknoten {
  std::string name;
  std::filesystem::path pfad;
  std::vector<Ordnerknoten> unterordner;  // sorted by name
};

// `wurzel` and its sub-folders; a missing folder gives a node without any.
Ordnerknoten symbolordnerbaum(const std::filesystem::path& wurzel, std::string name);

}  // namespace quarzel
