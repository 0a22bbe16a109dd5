// Windows-1252 <-> UTF-8. Drawing and symbol files store text as single
// bytes in Windows-1252 (the record tags themselves are such bytes); inside
// the program all text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

// Undefined bytes keep their C1 code points, so text survives a round trip
// through the program byte for byte.
std::string ausCp1252(std::string_view cp1252);
// Characters without a Windows-1252 byte become "?".
std::string nachCp1252(std::string_view utf8);

// The single Windows-1252 byte of a character given as UTF-8 (e.g. "§"), for
// spelling record tags in code.
constexpr unsigned char latin1(char32_t zeichen) { return static_cast<unsigned char>(zeichen); }

}  // namespace quarzel
