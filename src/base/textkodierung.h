// Textkodierung: the one place where text changes encoding.
//
// Inside the program all text is UTF-8. Drawing and symbol files store text as
// single bytes in Windows-1252 (the record tags themselves are such bytes).
// Text files written by the program are UTF-8, but files edited with older
// Windows tools arrive in Windows-1252 or, when saved as "Unicode", in UTF-16
// with a byte-order mark. The readers accept any byte sequence and always
// return valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

// What becomes of the five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D). Drawing files keep their C1 code points, so text
// survives a round trip through the program byte for byte; text files for the
// user show U+FFFD instead.
enum class UndefinierteBytes { Behalten, Ersatzzeichen };

// Windows-1252 to UTF-8; the caller says what the undefined bytes become.
std::string ausCp1252(std::string_view cp1252, UndefinierteBytes undefiniert = UndefinierteBytes::Behalten);
// Characters without a Windows-1252 byte become "?"; the undefined bytes,
// kept as their C1 code points, come back as themselves.
std::string nachCp1252(std::string_view utf8);

// Appends one code point as UTF-8; surrogates and values above U+10FFFF
// become U+FFFD, so the result is always valid UTF-8.
void haengeUtf8An(std::string& ziel, char32_t zeichen);

// The single Windows-1252 byte of a character given as UTF-8 (e.g. "§"), for
// spelling record tags in code.
constexpr unsigned char latin1(char32_t zeichen) { return static_cast<unsigned char>(zeichen); }

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool istGueltigesUtf8(std::string_view bytes);

// Windows-1252 text of a text file: ausCp1252 with U+FFFD for the undefined
// bytes.
std::string cp1252NachUtf8(std::string_view bytes);

// Valid UTF-8 stays as it is, anything else is read as Windows-1252 (undefined
// bytes become U+FFFD).
std::string alsUtf8(std::string_view bytes);

// UTF-16 (little- or big-endian, without the byte-order mark) to UTF-8;
// unpaired surrogates and a dangling odd byte become U+FFFD.
std::string utf16NachUtf8(std::string_view bytes, bool bigEndian);

// A whole text file: a UTF-16 byte-order mark selects UTF-16, a UTF-8
// byte-order mark is dropped, and every line that is not valid UTF-8 is read as
// Windows-1252 on its own, so one line added by another editor does not spoil
// the rest of the file. NUL bytes are dropped.
std::string textdateiNachUtf8(std::string_view bytes);

}  // namespace quarzel
