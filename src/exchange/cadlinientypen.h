// The line style an imported entity gets from its line-type name or from the
// pen style its reader reports.
#pragma once

#include <cstdint>
#include <string_view>

namespace quarzel {

// The style of the first row of the import's line-type table that the name
// matches (case-insensitive, umlauts included); 0 when none matches.
std::int16_t linienstilAusLinientyp(std::string_view name);

// "psSolid" 1, "psDash" 2, "psDot" 4, "psDashDot" 6; any other pen style
// leaves `bisher`.
std::int16_t linienstilAusStiftart(std::string_view stiftart, std::int16_t bisher);

}  // namespace quarzel
