// The empty-sheet picture of the drawing area (background, the sheet in the
// sheet display, the sheet border `rahmenzeichnen`, the grid) and the status
// bar texts for the sheet and the scale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "view/ansicht.h"
#include "platform/canvas.h"

namespace quarzel {

inline constexpr Farbe blattUmgebungFarbe = rgb(232, 232, 232);

// In the sheet display the area outside the sheet is light grey and the sheet
// white, otherwise the whole area is white; then the sheet border in black and,
// when asked, the grid. Leaves a black one-pixel pen in copy mode.
void zeichneBlattansicht(Canvas& canvas, const Ansicht& ansicht, bool rasterSichtbar);

// The sheet's outline as a black rectangle.
void rahmenzeichnen(Canvas& canvas, const Ansicht& ansicht);

// "Blatt 1  297*210 mm": the sheet's name, two blanks, width "*" height " mm".
std::string blattStatustext(std::string_view blattname, std::int32_t breite, std::int32_t hoehe);
std::string blattStatustext(std::string_view blattname, const Ansicht& ansicht);
// "M 1:100", "M 1:12.5": the scale's denominator in its shortest decimal form.
std::string massstabStatustext(double drawingScale);

}  // namespace quarzel
