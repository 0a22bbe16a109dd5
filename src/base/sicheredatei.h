// SichereDatei: reading and writing whole small files safely.
//
// Reading takes at most a given number of bytes and only from a regular file,
// so a configuration name that points at a device, a FIFO or a huge file can
// neither hang the program nor exhaust memory. Writing goes to a temporary file
// in the same folder that is flushed to disk and then renamed over the target:
// a crash or a full disk leaves either the old or the new file, never half of one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quarzel {

enum class Lesestatus {
  Gelesen,        // the whole file is in `inhalt`
  Abgeschnitten,  // the file is longer than the limit; `inhalt` holds its beginning
  Fehlt,          // there is no such file
  Unlesbar,       // it exists but is no regular file or cannot be read
};

struct Leseergebnis {
  Lesestatus status = Lesestatus::Fehlt;
  std::string inhalt;
};

Leseergebnis leseDateiBegrenzt(const std::filesystem::path& pfad, std::size_t hoechstens);

// Replaces the file atomically; a symbolic link is followed, so the link stays
// and its target gets the new content. An existing file keeps its permissions.
// The folder must exist. On failure `fehler` (when given) receives the reason.
bool schreibeDateiAtomar(const std::filesystem::path& pfad, std::string_view inhalt, std::string* fehler = nullptr);

}  // namespace quarzel
