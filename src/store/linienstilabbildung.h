// Line-style numbers of older drawing files mapped to today's numbering.
#pragma once

#include <cstdint>

namespace quarzel {

// Version 5 and older numbered the complex patterns 12..32; version 8 and
// older had 99 for what is now 127 and counted the predefined patterns 100
// higher (except in VS-variant files).
std::int16_t bildeLinienstilAb(std::int16_t stil, int version, bool vsVariante);

}  // namespace quarzel
