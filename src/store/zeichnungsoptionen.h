// Settings of a drawing that travel with it in the drawing file but belong
// to no other table: values of the main window's tool panel, display options,
// the drawing's title, and definition files that the drawing carries along.
// Values whose meaning belongs to a later command are kept as read, so that
// a drawing goes out exactly as it came in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "styles/eingebettetedatei.h"

namespace quarzel {

struct Zeichnungsoptionen {
  // Four numeric option fields and one choice of the tool panel.
  std::uint8_t werkzeugWahl = 0;
  std::uint32_t werkzeugWert1 = 0;
  std::uint32_t werkzeugWert2 = 0;
  double werkzeugWert3 = 0;
  std::uint8_t werkzeugWert4 = 0;

  bool einheitAnzeigen = false;  // the unit after coordinates
  // Drawing aids kept with the drawing: grid, zero point, ruler, cross-hair,
  // snapping, angle grid.
  std::array<std::uint8_t, 6> zeichenhilfen{};
  std::uint8_t koordinatenanzeige = 0;
  std::array<std::uint32_t, 2> einheitenblockWerte{};
  std::uint8_t einheitenblockByte1 = 0;
  std::uint32_t einheitenblockWert3 = 0;
  std::uint8_t einheitenblockByte2 = 0;
  std::string titel;  // the drawing's title

  std::array<std::uint16_t, 2> rasterschalter{};  // grid shown, square grid
  std::uint8_t winkelraster = 0;
  double winkelschritt = 15;
  std::uint8_t blattnummer = 1;
  std::string blattname = "Blatt 1";

  // The line-style definition file embedded in the header, and the named
  // definitions (hatches "=", line styles "g"/"h", textures "X") as read.
  std::vector<std::uint8_t> linienstildatei;
  std::vector<EingebetteteDatei> schraffuren;
  std::vector<EingebetteteDatei> linienstile;
  std::vector<EingebetteteDatei> linienstile2;
  std::vector<EingebetteteDatei> texturen;
  // The bill of materials' files it carries: data masks ("v", named
  // "MASK_<name>.ini") and symbol-information files ("t", "<symbol>.ini").
  std::vector<EingebetteteDatei> datenmasken;
  std::vector<EingebetteteDatei> symbolattributdateien;

  bool operator==(const Zeichnungsoptionen&) const = default;
};

}  // namespace quarzel
