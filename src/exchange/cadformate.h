// Which reader a CAD file goes to, and the checks the import runs on a file
// before it reads it: the version code near its start and the point display
// mode of its header.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarzel {

enum class CadLeser { Keiner, Dxf, Dwg, Hpgl, Svg, Cgm };

// The filter of the import's file dialog.
inline constexpr std::string_view kCadDateifilter =
    "All (*.dxf;*.dwg;*.plt)|*.dxf;*.dwg;*.plt|AutoCAD DXF|*.dxf|AutoCAD DWG|*.dwg|HPGL2|*.plt";

// The index 0..17 of the file name's extension in the import's list, -1 for
// any other extension.
int cadErweiterungsindex(std::string_view dateiname);
CadLeser cadLeser(std::string_view dateiname);

// The four characters after the first "AC" that is followed by "1" within
// the first 512 bytes, starting at that "1"; "" when there is none.
std::string cadVersionscode(std::string_view anfang);

// The question to ask before importing a file of this version code, or none
// when the version imports without a question.
std::optional<std::string> cadVersionsfrage(std::string_view code);

// The value of $PDMODE: the line two lines after the one that reads
// "$PDMODE"; 0 when the text has none or it is no number.
int cadPunktdarstellung(std::string_view text);

}  // namespace quarzel
