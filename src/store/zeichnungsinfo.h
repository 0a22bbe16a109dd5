// The report of "quarzel-cli info": what a drawing file holds, as UTF-8 text.
// The file's signature and version, sheet and drawing scale, the element
// statistics (drawing and undo/redo store) and the layer table with the
// sublayers. The report is built from the loaded drawing, so it shows what
// the program itself would see when opening the file. For a symbol file:
// signature, scale, preview, the element statistics and its
// Symbolinformationen.
#pragma once

#include <optional>
#include <string>

#include "platform/benutzer.h"
#include "store/symboldatei.h"
#include "store/symbolinformationen.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

// "M 1:50", or "Zeichnungsmaßstab" for a layer that follows the drawing scale (0).
std::string massstabText(double nenner);

// The report of a drawing loaded from `pfad` with the result `geladen`.
std::string zeichnungsinfo(const std::string& pfad, const Zeichnung& zeichnung, const Ladeergebnis& geladen);

// Loads the file and builds its report. The file is read by its content, not
// its extension. std::nullopt when it is missing or no drawing; the user has
// been told why then.
std::optional<std::string> zeichnungsinfoAusDatei(const std::string& pfad, Benutzer& benutzer);

std::string symbolinfo(const std::string& pfad, const Symbolladeergebnis& geladen, const Symbolinformationen& info);
// Loads the symbol file (by its extension) and builds its report; std::nullopt
// when it is no symbol file (the user has been told why).
std::optional<std::string> symbolinfoAusDatei(const std::string& pfad, Benutzer& benutzer);

}  // namespace quarzel
