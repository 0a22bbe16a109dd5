// Makrosymbole: LOADSYM and MOVESYMBOL, which place a symbol file into the
// drawing, and what GETSYMBOL answers.
//
//   name LOADSYM                 the symbol with its insertion point at the
//                                zero point (macro point 0 0)
//   name w LOADSYM               the same, turned by w degrees
//   name MOVESYMBOL              at the run's current point
//   name w MOVESYMBOL            at the current point, turned by w degrees
//   name x y MOVESYMBOL          at macro point (x, y)
//   name x y w MOVESYMBOL        at (x, y), turned by w degrees
// The name is the deepest operand that is not a number; the numbers above
// it say which form is meant. MOVESYMBOL without such a name is error 2
// (the operands name no symbol), a symbol that is not found error 20.
//
// A name without a folder is searched for in the symbol folders and their
// subfolders, in the order given, letter case ignored; ".QZS" is added when
// it has no extension. Each placement is a group named after the file and one
// undo step of its own, on the active layer and sublayer (symboleinfuegen.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "macro/befehlstabelle.h"
#include "macro/makromelder.h"
#include "view/ansicht.h"

namespace quarzel {

class Makrostapel;
struct Zeichnung;

// The symbol file `name` names: as given when it has a folder, otherwise the
// first match in `ordner`. nullopt when there is none.
std::optional<std::filesystem::path> findeSymboldatei(const std::string& name,
                                                      const std::vector<std::filesystem::path>& ordner);

// LOADSYM or MOVESYMBOL; `aktuellerPunkt` is the run's current point (world mm).
std::optional<Makrofehlerfall> symbolwort(Befehl b, Makrostapel& s, Zeichnung& zeichnung,
                                          const std::vector<std::filesystem::path>& ordner, Weltpunkt aktuellerPunkt);

// The file name of the placed symbol element `element` belongs to (the
// innermost group around it whose name is a symbol file's); nullopt when
// it belongs to none.
std::optional<std::string> symbolAnElement(const Zeichnung& zeichnung, std::int32_t element);

}  // namespace quarzel
