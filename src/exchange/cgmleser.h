// CgmLeser: a CGM file, binary or clear text, into the CAD model.
//
// Coordinates come out in millimetres with y upward: a metric file by its
// scale factor, an abstract one at one millimetre per VDC unit. Each picture
// is a layer "Bild N" unless the file holds only one. Primitives it does not
// draw are counted by class and id in the model, never fatal.
#pragma once

#include <string_view>

#include "exchange/cadmodell.h"

namespace quarzel {

CadLeseergebnis cgmLesen(std::string_view daten, CadModell& m);

}  // namespace quarzel
