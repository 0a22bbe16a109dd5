// Textkodierung: turning the bytes of a text file into UTF-8.
//
// Inside the program all text is UTF-8. Text files written by the program are
// UTF-8, but files edited with older Windows tools arrive in Windows-1252 or,
// when saved as "Unicode", in UTF-16 with a byte-order mark. These functions
// accept any byte sequence and always return valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool istGueltigesUtf8(std::string_view bytes);

// Windows-1252 to UTF-8. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string cp1252NachUtf8(std::string_view bytes);

// Valid UTF-8 stays as it is, anything else is read as Windows-1252.
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
