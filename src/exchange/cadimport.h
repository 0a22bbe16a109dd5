// The CAD file import: a DXF, DWG, HPGL, SVG or CGM file into the open
// drawing, on a new layer named after the file whose sublayers are the
// file's layers, as one undo step.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "exchange/cadmodell.h"

namespace quarzel {

struct Zeichnung;
class Benutzer;

// The check boxes of "DXF/DWG-Import"; they last while the program runs.
struct CadImportoptionen {
  bool cliprahmenIgnorieren = false;  // "Cliprahmen ignorieren"
  bool zNichtFiltern = false;         // "Z-Koordinaten nicht filtern"
  bool yzTauschen = false;            // "Y- und Z-Achse tauschen"
  bool blockweise = false;            // "Blockweise importieren"
  bool punkte = false;                // "Punkte importieren"
};

// A file read into the model, with what the import needs of it besides.
struct CadDatei {
  std::string pfad;
  CadModell modell;
  int punktdarstellung = 0;  // $PDMODE
  bool gelesen = false;      // false: nothing usable (fehler says why)
  std::string fehler;        // German; set for a damaged file even when part of it was read
};

// Chooses the reader by extension and reads the file. `abbrechen` is asked
// while a reader that runs an external converter (DWG) waits for it.
CadDatei ladeCadDatei(const std::string& pfad, const std::function<bool()>& abbrechen = {});

struct CadImportergebnis {
  std::int32_t elemente = 0;
  int zielebene = 0;  // 0: nothing was changed
};

// The import of a loaded file: the target layer, the elements of `layout`
// (or, with "Blockweise importieren", of every block as a named group),
// placed on the sheet. Progress and warnings go through the user.
CadImportergebnis importiereCad(Zeichnung& z, Benutzer& benutzer, const CadDatei& datei,
                                const CadImportoptionen& optionen, std::string_view layout = "Model");

// The whole command once the file is chosen: the version check and its
// question, reading, and the import. Nothing changes when the extension is
// none of ours, the question is answered No or the file cannot be read.
CadImportergebnis importiereCadDatei(Zeichnung& z, Benutzer& benutzer, const std::string& pfad,
                                     const CadImportoptionen& optionen, std::string_view layout = "Model",
                                     const std::function<bool()>& abbrechen = {});

// The version question of a file, asked when its code needs one; false when
// the user answered No.
bool cadVersionBestaetigt(const std::string& pfad, Benutzer& benutzer);

}  // namespace quarzel
