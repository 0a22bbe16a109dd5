// DxfLeser: an ASCII or binary DXF file into the CAD model.
//
// Reads the header values the import needs, the layer and line-type tables,
// the block definitions and the model space. Entities it does not convert
// are counted by name in the model, never fatal. Texts come out as UTF-8:
// files up to R2004 are in Windows-1252, later ones in UTF-8, and `\U+XXXX`
// escapes are resolved in both.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "exchange/cadmodell.h"
#include "exchange/dxftext.h"

namespace quarzel {

using DxfErgebnis = CadLeseergebnis;

// `gelesen`, when given, hears every few megabytes how far the reader got.
DxfErgebnis dxfLesen(std::string_view daten, CadModell& modell, std::function<void(std::size_t gelesen)> gelesen = {});

}  // namespace quarzel
