// Makrodatei: compiled macros in ".MAK" files.
//
// A compiled macro is a token program stored enciphered, so that a macro can
// be handed out without its source being readable or easily changed. The
// form is our own:
//
//   offset  size  content (integers little-endian)
//        0     4  "QZMK"
//        4     2  format version, 1
//        6     2  0
//        8     4  key
//       12     4  number of tokens
//       16     4  length of the payload in bytes
//       20     4  CRC-32 of the plain payload
//       24     n  the payload, enciphered
//
// The plain payload holds per token three unsigned LEB128 numbers (source
// line, column, length in bytes) and the token's UTF-8 text. The cipher XORs
// every byte with a key stream (xorshift32 seeded from the key) and rotates it
// by three further bits of the stream. The key is derived from the content,
// so the same program always gives the same file.
//
// The reader trusts nothing: a file that is too large, has another header, a
// length or count that does not fit, a wrong checksum, a token running past
// the end, or does not end with the two end markers is not a compiled macro
// (error 24 for INCLUDE). It never allocates more than the file's size allows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "macro/tokenprogramm.h"

namespace quarzel {

inline constexpr std::string_view Makroendung = ".MAK";
inline constexpr std::size_t HoechsteMakrodateigroesse = 64u << 20;

// The bytes of a ".MAK" file for the program.
std::string verschluessele(const Tokenprogramm& programm);
// The program in such bytes, or std::nullopt when they are not a compiled macro.
std::optional<Tokenprogramm> entschluessele(std::string_view bytes);

// The second half of `verschluessele`: header, checksum and cipher around a
// plain payload said to hold `anzahl` tokens. Tests and the fuzzer use it to
// reach the reader's token parsing with payloads of their own.
std::string verpacke(std::string_view nutzlast, std::uint32_t anzahl);

enum class Makrolesestatus {
  Gelesen,
  Fehlt,      // no such file (error 23 for INCLUDE)
  KeinMakro,  // unreadable, too large or not a compiled macro (error 24)
};

struct Makroleseergebnis {
  Makrolesestatus status = Makrolesestatus::Fehlt;
  Tokenprogramm programm;
  std::filesystem::path pfad;  // the file read, when one was found
};

// The name with ".MAK" appended when it has no extension at all.
std::string mitMakroendung(std::string_view name);

// Reads a compiled macro. A name that does not exist is also looked for in
// its folder without regard to case, since macros written on Windows name
// "Treppe" what lies on disk as "treppe.mak".
Makroleseergebnis leseMakrodatei(const std::filesystem::path& pfad);

// Writes the program atomically; on failure `fehler` (when given) gets the reason.
bool schreibeMakrodatei(const std::filesystem::path& pfad, const Tokenprogramm& programm,
                        std::string* fehler = nullptr);

}  // namespace quarzel
