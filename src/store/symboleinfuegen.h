// Placing a symbol into a drawing. The symbol's elements are sheet
// millimetres at the symbol's scale; in the drawing they land on the active
// layer and sublayer at its scale, so their sheet size changes by the ratio
// of the two scales and the real size stays: a door 1 m wide saved at 1:50
// is 1 m wide in a layer of 1:100, half as long on the sheet.
//
// The map from symbol to drawing is one Abbildung: scaled by that ratio,
// mirrored across the vertical line through the insertion point, turned
// about it, moved to it. The rubber band of the placing tool shows the same
// map, so what the user sees is what is inserted.
//
// An insertion is one undo step: a group named after the file (its file name
// with the extension: a group whose name holds ".QZS" or ".DET" counts as a
// placed symbol for the display switch and the bill of materials) around the
// copies, all marked.
#pragma once

#include <cstdint>
#include <string>

#include "store/elementabbildung.h"
#include "store/symboldatei.h"

namespace quarzel {

struct Symbolplatzierung {
  Weltpunkt punkt;          // where the insertion point lands (world mm)
  double winkel = 0;        // degrees, counter-clockwise on the screen
  bool gespiegelt = false;  // left and right swapped, before the turn
};

// The symbol's scale over the scale in force in `ziel`; 1 when the symbol
// names none.
double symbolfaktor(const Symbol& symbol, const Zeichnung& ziel);

Abbildung symbolabbildung(const Symbol& symbol, const Zeichnung& ziel, const Symbolplatzierung& platzierung);

// "…/Bad/Wanne.QZS" -> "Wanne.QZS".
std::string symbolgruppenname(const std::string& pfad);

// Inserts the symbol's elements as one group named `name`, in one undo step,
// on the active layer and sublayer; the new elements become the marked ones.
// `rahmen`, the box of the symbol's elements when the caller knows it, gives
// the group its frame. Returns the group begin's number; 0 and no step when
// the symbol holds no element.
std::int32_t fuegeSymbolEin(Zeichnung& ziel, const Symbol& symbol, const Symbolplatzierung& platzierung,
                            const std::string& name, const Weltrechteck* rahmen = nullptr);

}  // namespace quarzel
