// DxfSchreiber: the drawing as an ASCII DXF file of version R2000 (AC1015),
// the exchange format of architects and engineers ("Speichern unter" with
// ".DXF", `quarzel-cli convert IN.qzz -o OUT.dxf`).
//
// The file has every section a CAD program expects: the header (version,
// millimetres, extents, next handle), the tables (viewport, line types,
// layers, text style, views, coordinate systems, applications with
// "QUARZEL", dimension style, block records), the blocks (model and paper
// space, one block per named group), the entities and the objects (root
// dictionary, groups, layouts). Names and numbers follow dxfzuordnung.h,
// the entities dxfentitaetenschreiber.h.
//
// Named groups become a block of that name (made unique with "_2", "_3" …)
// and an INSERT at the origin; unnamed groups give their members directly.
#pragma once

#include <filesystem>
#include <string>

#include "exchange/dxfentitaetenschreiber.h"

namespace quarzel {

struct Zeichnung;
class Textersetzung;

// Appends the file to `aus`; reports what was written and left out. Text
// lines that are placeholders go out as `ersetzung` gives them (nullptr: as
// typed).
DxfSchreibbericht dxfSchreiben(const Zeichnung& zeichnung, std::string& aus, const Textersetzung* ersetzung = nullptr);

struct DxfDateiergebnis {
  bool geschrieben = false;
  std::string fehler;  // German, when not written
  DxfSchreibbericht bericht;
};
// The file replaced as a whole (never half written). The drawing is not
// changed: its name and modified flag stay, as for any export.
DxfDateiergebnis schreibeDxfDatei(const Zeichnung& zeichnung, const std::filesystem::path& pfad,
                                  const Textersetzung* ersetzung = nullptr);

// The report in one German sentence for a message ("" when nothing was left out).
std::string dxfBerichtstext(const DxfSchreibbericht& bericht);

}  // namespace quarzel
