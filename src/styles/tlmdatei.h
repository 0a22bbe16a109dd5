// Pattern files (".TLM"; "standard.tlm" is the standard set): the user's
// complex and simple patterns as a text file, one value per line:
//   "TLM"
//   20 x complex pattern: name, "TRUE"/"FALSE" (fixed section length),
//        section length in mm, 12 section codes
//   20 x simple pattern: name, period, count, 12 lengths in mm
//   20 x DXF line type of the simple patterns
// Numbers are written in the shortest decimal form and read with "," or ".";
// the file is written in UTF-8 and read in UTF-8 or Windows-1252.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "styles/linienstile.h"

namespace quarzel {

enum class Tlmstatus {
  Gelesen,
  Unvollstaendig,  // the file ended early; the patterns it held in full were taken
  KeinMuster,      // the first line is not "TLM", or the file is missing or unreadable
};

// Reads a pattern file's text into the table's user patterns. Without the
// "TLM" line nothing changes. A pattern is taken only when all its lines are
// there; values that cannot be right are mended: a code that is no number of
// 0..255 becomes 0, a section length is held to 0.01..10 mm (1 when
// unreadable), lengths to 0..100 mm, counts to 0..12. The period in the file
// is not trusted: it becomes the sum of the counted lengths. An empty name
// gives the pattern its default name.
Tlmstatus leseTlm(std::string_view text, Linienstiltabelle& tabelle);
Tlmstatus ladeTlm(const std::filesystem::path& pfad, Linienstiltabelle& tabelle);

std::string schreibeTlm(const Linienstiltabelle& tabelle);
bool speichereTlm(const std::filesystem::path& pfad, const Linienstiltabelle& tabelle, std::string* fehler = nullptr);

// The same blocks for one pattern, as the drawing file carries them (without
// the name, which the record holds): the complex block is fixed flag, length
// and 12 codes, the simple block period, count, 12 lengths and the DXF line
// type. The readers return false (and change nothing) when lines are missing.
std::string schreibeKomplexenBlock(const KomplexesMuster& m);
std::string schreibeEinfachenBlock(const EinfachesMuster& m);
bool leseKomplexenBlock(std::string_view text, KomplexesMuster& m);
bool leseEinfachenBlock(std::string_view text, EinfachesMuster& m);

}  // namespace quarzel
