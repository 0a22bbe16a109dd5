// Windows-1252 <-> UTF-8. Drawing and symbol files store text as single
// bytes in Windows-1252 (the record tags themselves are such bytes); inside
// the program all text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

// What becomes of the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D). Drawing files keep their C1 code points, so text
// survives a round trip through the program byte for byte; text files for the
// user show U+FFFD instead.
enum class UndefinierteBytes { Behalten, Ersatzzeichen };

std::string ausCp1252(std::string_view cp1252, UndefinierteBytes undefiniert = UndefinierteBytes::Behalten);
// Characters without a Windows-1252 byte become "?".
std::string nachCp1252(std::string_view utf8);

// Appends one code point as UTF-8; surrogates and values above U+10FFFF
// become U+FFFD, so the result is always valid UTF-8.
void haengeUtf8An(std::string& ziel, char32_t zeichen);

// The single Windows-1252 byte of a character given as UTF-8 (e.g. "§"), for
// spelling record tags in code.
constexpr unsigned char latin1(char32_t zeichen) { return static_cast<unsigned char>(zeichen); }

}  // namespace quarzel
