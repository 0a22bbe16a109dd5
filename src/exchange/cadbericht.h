// What a CAD file holds, as text for `quarzel-cli info`: version, units,
// layers, blocks, the model space's entities by kind and the entities that
// were not converted, by name.
#pragma once

#include <string>

#include "exchange/cadmodell.h"

namespace quarzel {

std::string cadbericht(const CadModell& m);

}  // namespace quarzel
