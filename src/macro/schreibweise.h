// Schreibweise: upper and lower case of macro words and names.
//
// Command words are recognised in any case and variable names are compared
// without regard to case. Macros were written on Windows, where "any case"
// means the letters of code page 1252: the ASCII letters, the Latin-1 letters
// À…Þ / à…þ (without × and ÷) and Š Œ Ž Ÿ. Texts are UTF-8 here; every one of
// these letters keeps its byte length when its case changes, so offsets into a
// token stay valid for its upper- and lower-case forms. ß has no capital and
// stays as it is; every other character is left untouched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quarzel {

std::string grossschreibung(std::string_view text);
std::string kleinschreibung(std::string_view text);

// The two texts are equal when case is ignored (the rules above).
bool gleichInKleinschrift(std::string_view a, std::string_view b);

// A hash of the lower-case form, so `hashInKleinschrift("MoveTo") == hashInKleinschrift("moveto")`.
std::uint64_t hashInKleinschrift(std::string_view text);

}  // namespace quarzel
