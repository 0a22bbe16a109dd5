// Quelltextdatei: macro sources in ".PSQ" files, their ".PSB" backups and the
// automatic saving of the editor's open sources before a run.
//
// A source file is plain text, one source line per line. It is written as
// UTF-8 with "\n" line ends; reading also accepts Windows-1252 (line by line),
// UTF-16 with a byte-order mark and "\r\n" or "\r" line ends, because macros
// come from older installations and Windows editors. Saving over an existing
// file keeps the old one as ".PSB" (replacing an older backup), and the file
// is replaced atomically, so a full disk leaves the old file and old backup.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/konfiguration.h"

namespace quarzel {

inline constexpr std::string_view Quelltextendung = ".PSQ";
inline constexpr std::string_view Quelltextsicherungsendung = ".PSB";
inline constexpr std::string_view Makrodateifilter = "Quelltext (*.PSQ)|*.PSQ|Makro (*.MAK)|*.MAK";
inline constexpr std::string_view NeuerQuelltextTitel = "Neuer Quelltext";
inline constexpr std::size_t HoechsteQuelltextgroesse = 64u << 20;
inline constexpr int HoechsteQuelltextreiter = 10;

enum class Quelltextstatus { Gelesen, Fehlt, Unlesbar, ZuGross };

struct Quelltextergebnis {
  Quelltextstatus status = Quelltextstatus::Fehlt;
  std::string text;  // UTF-8, lines separated by "\n"
};

Quelltextergebnis leseQuelltext(const std::filesystem::path& pfad);

// The message for a source that could not be read (empty for Gelesen).
std::string meldungQuelltext(Quelltextstatus status, const std::string& name);

// The name with ".PSQ" appended unless it already ends so (in any case).
std::string mitQuelltextendung(std::string_view name);

// Writes the source (any line ends) as UTF-8; an existing file becomes the
// ".PSB" beside it. On failure `fehler` (when given) gets the reason, and
// what was on disk is unchanged.
bool speichereQuelltext(const std::filesystem::path& pfad, std::string_view text, std::string* fehler = nullptr);

// "Source_" + n + "_autosave.psq" for tab number n (1…10).
std::string autosavenameQuelltext(int reiter);

// Where the automatic save writes: the editor's macro folder when one is set,
// otherwise the user's program data folder (the program folder itself is not
// writable); std::nullopt when neither exists.
std::optional<std::filesystem::path> autosaveordnerQuelltext(std::string_view makroordner,
                                                             const Umgebung& umgebung = prozessUmgebung());

struct Quelltextsicherung {
  int reiter = 0;  // 1…10
  std::filesystem::path pfad;
  bool gespeichert = false;
  std::string fehler;
};

// Saves the sources of the open tabs (`quelltexte[0]` is tab 1; at most ten
// are looked at) into `ordner`, each that has more than one line, with the
// ".PSB" backup of its previous autosave file. Called when a run starts and
// "Automatisch speichern" is on. Reports one entry per source it tried.
std::vector<Quelltextsicherung> sichereQuelltexteAutomatisch(std::span<const std::string> quelltexte,
                                                             const std::filesystem::path& ordner);

}  // namespace quarzel
