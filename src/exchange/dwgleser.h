// The DWG reader: an external converter (LibreDWG built as WebAssembly, run by
// Node.js, in the program folder's "DWG") turns the file into a DXF file,
// which the DXF reader then reads. The converter runs in a process of its own
// with a time and a memory limit, so a damaged file can neither hang nor
// take the program down.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "exchange/cadmodell.h"

namespace quarzel {

struct DwgKonverter {
  std::string node;                // the Node.js program (a name in PATH or a path)
  std::filesystem::path skript;    // dwgnachdxf.mjs
  std::filesystem::path paket;     // the DWG library's package folder
  int zeitlimitMs = 120000;
  std::uint64_t speicherlimit = std::uint64_t(3) << 30;  // the library may use 1 to 2 GB
};

// Where the shipped converter lies; $QUARZEL_NODE names another Node.js.
DwgKonverter standardDwgKonverter();

// "AutoCAD 2000, AC1015" for the version code at the start of a DWG file.
std::string dwgVersionsname(std::string_view anfang);

// Reads a DWG file into the model; `abbrechen` is asked while the converter
// runs and stops it when it says true. The result carries a German message
// when Node.js or the converter is missing, the file is refused or damaged,
// or the converter ran out of time or memory.
struct DwgErgebnis : CadLeseergebnis {
  int punktdarstellung = 0;  // $PDMODE
};
DwgErgebnis dwgLesen(const std::string& pfad, CadModell& modell, const DwgKonverter& konverter,
                     const std::function<bool()>& abbrechen = {});

}  // namespace quarzel
