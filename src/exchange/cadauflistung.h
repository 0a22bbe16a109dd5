// The entity listing of "Save as text...": one block of text per entity of
// a layout, with its kind, layer, line type and its points and measures,
// for finding out what a file really holds.
#pragma once

#include <string>
#include <string_view>

#include "exchange/cadmodell.h"

namespace quarzel {

std::string cadAuflistung(const CadModell& modell, std::string_view layout);

}  // namespace quarzel
