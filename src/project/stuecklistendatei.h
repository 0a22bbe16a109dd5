// Stuecklistendatei: a bill of materials saved as an HTML table or as a CSV
// file. Both hold every row, the heading row first, and within a row only the
// columns whose heading is not empty, left to right.
//
// HTML declares iso-8859-1 and is written in it (Windows-1252, which browsers
// read for that label); "&", "<" and ">" in a cell become entities, and a
// character without a byte there a numeric reference, so no text is lost.
// Every cell ends in "&nbsp;", so an empty cell keeps its frame.
// CSV is UTF-8 like the program's other text files; every cell is followed by
// ";", and a cell holding ";", a double quote or a line break is quoted.
// Lines of both end in CR LF: the lists go to offices whose spreadsheet and
// text programs expect it, and CSV (RFC 4180) prescribes it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "project/stueckliste.h"

namespace quarzel {

enum class Listenformat { Html, Csv };

// The format a file name asks for by its extension (".htm", ".html" or
// ".csv", in any case); `vorgabe` for any other name.
Listenformat listenformatFuer(std::string_view dateiname, Listenformat vorgabe);

// The name a list is saved under: ".htm" or ".csv" appended to a name that
// does not end in it (".html" counts for HTML), only "htm" or "csv" after a
// final ".".
std::string listendateiname(std::string dateiname, Listenformat format);

// The file's bytes.
std::string stuecklisteAlsHtml(const Stueckliste& liste);
std::string stuecklisteAlsCsv(const Stueckliste& liste);

// Writes the file safely (base/sicheredatei.h) under the name given, which the
// caller has completed with listendateiname. False with the reason in
// `fehler` when it could not.
bool speichereStueckliste(const Stueckliste& liste, const std::filesystem::path& pfad, Listenformat format,
                          std::string* fehler = nullptr);

}  // namespace quarzel
