// Start-up of the sheet and view: applies the configuration's values (with
// their defaults for 0), centres the sheet in the world, places the zero point
// and the grid origin and shows the whole sheet.
#pragma once

#include <cstdint>
#include <string>

#include "view/ansicht.h"
#include "platform/benutzer.h"

namespace quarzel {

// The values as read from the configuration file. A 0 means "use the default".
struct Ansichtsvorgaben {
  std::int32_t sheetWidth = 390;
  std::int32_t sheetHeight = 270;
  int unitCode = 3;
  double unitFactor = 0.001;
  std::string unitName = "m";
  double drawingScale = 100;
};

// Runs the five start-up steps, each guarded:
//   1 world and sheet size (0 -> 297 x 210),
//   2 unit and scale (factor 0 -> unit "m", scale 0 -> 100),
//   3 sheet centred in the world,
//   4 zero point 20 mm in from the sheet's bottom-left corner, grid origin on it,
//   5 zoom 1 and the whole sheet.
// A step that fails (values that cannot be used: negative or oversized sheet,
// unknown unit code, non-positive factor or scale) tells the user
// "Initialisierungsfehler n", leaves its values as they were and start-up goes on.
void starteAnsicht(Ansicht& ansicht, const Ansichtsvorgaben& vorgaben, Benutzer& benutzer);

}  // namespace quarzel
