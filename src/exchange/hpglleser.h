// HpglLeser: an HP-GL or HP-GL/2 plot file into the CAD model.
//
// Plotter units are 0.025 mm; the model gets millimetres with y upward. Each
// pen becomes a layer "Stift N" and keeps its number, colour and width.
// Printer wrappers (PJL headers, PCL escapes and their raster data) are
// skipped, and so is every instruction the reader does not know.
#pragma once

#include <string_view>

#include "exchange/cadmodell.h"

namespace quarzel {

CadLeseergebnis hpglLesen(std::string_view daten, CadModell& m);

}  // namespace quarzel
