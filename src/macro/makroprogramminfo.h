// Makroprogramminfo: GETPINFO, what a macro may ask about the program and
// the drawing's project data.
//
//   sel arg GETPINFO → wert
//     sel < 0          sets project data row −sel to arg; nothing is pushed
//     0 … 31, 33 … 47  project data row sel when arg ≤ 0, else ""
//     32               the macro language version ("17.0")
//     48               the program folder
//     49, 50           current pen, current line style
//     51, 52, 53       red, green, blue of the run's line colour
//     54, 55           active layer, active sublayer
// A selector that is not a whole number, a row that cannot be set and a
// selector above 55 are error 5.
#pragma once

#include <optional>

#include "macro/makromelder.h"

namespace quarzel {

class Makrostapel;
struct Zeichnung;
struct Makrointeraktionsumfeld;

std::optional<Makrofehlerfall> programminfo(Makrostapel& s, Zeichnung& zeichnung,
                                            const Makrointeraktionsumfeld& umfeld);

}  // namespace quarzel
