// Makrocompiler: the compile pass, from macro source to token program.
//
// Every word and literal of every line becomes one token, in order, with the
// line and column it came from; comments and blanks leave nothing. The program
// ends with the two end markers. The pass reports nothing: words that are not
// commands are data, an unclosed literal ends with its line. Structural faults
// (IF without ENDIF and the like) are the interpreter's to find.
#pragma once

#include <string_view>
#include <vector>

#include "macro/quellzeilen.h"
#include "macro/tokenprogramm.h"

namespace quarzel {

// The token text of a literal: the marker followed by the literal's text.
std::string literaltoken(std::string_view literal);

// Compiles the lines; `status` (when set) gets " Compiliere Quelltext: n%"
// now and then and an empty text at the end.
Tokenprogramm kompiliere(const std::vector<std::string>& zeilen, const Statusanzeige& status = {});

// The same for a whole text (see teileInZeilen).
Tokenprogramm kompiliereText(std::string_view quelltext, const Statusanzeige& status = {});

}  // namespace quarzel
