// Makrovorpruefung: the count check of the debug mode before a run.
//
// A macro whose IF and ENDIF, "/name" and DEF, or "{" and "}" counts differ
// is almost certainly broken; in debug mode the user is warned before it
// draws half a figure. The counts look at tokens only, so an IF inside a
// string literal does not count.
#pragma once

#include <string>
#include <vector>

#include "macro/tokenprogramm.h"

namespace quarzel {

struct Makrozaehlung {
  std::size_t ifs = 0, endifs = 0, defs = 0, schraegstriche = 0, klammerAuf = 0, klammerZu = 0;
};

Makrozaehlung zaehleStruktur(const Tokenprogramm& programm);

// The warnings for the counts, in the order IF, /var, {; empty when all match.
std::vector<std::string> strukturwarnungen(const Makrozaehlung& z);

}  // namespace quarzel
