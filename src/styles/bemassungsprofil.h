// Bemassungsprofil: dimension profiles, the style saved as "<name>.qzb" in the
// folder "Bemassung" of the user's data folder (shipped profiles beside the
// program are listed and read too).
//
// The file is plain text, one field per line in the order of
// Bemassungsstil::felder(): booleans and choices as integers (a boolean is on
// when its integer is not 0), numbers with the decimal comma, texts as they
// are. A line that does not read as its field keeps that field's value; a file
// that is no profile at all (too short, control characters, too long) leaves
// the whole style untouched and says why in German.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/konfiguration.h"
#include "styles/bemassungsstil.h"

namespace quarzel {

inline constexpr std::string_view kProfilordner = "Bemassung";
inline constexpr std::string_view kProfilendung = ".qzb";
// No profile comes near this; a longer file is refused unread.
inline constexpr std::size_t kGroessteProfildatei = 64 * 1024;

std::string profiltext(const Bemassungsstil& stil);
// nullopt when read (malformed lines keep their field); otherwise the message
// and `stil` as it was.
std::optional<std::string> liesProfiltext(std::string_view text, Bemassungsstil& stil);

// The names (without ".qzb") of the user's and the shipped profiles, each once,
// sorted without regard to case.
std::vector<std::string> profilnamen(const Umgebung& umgebung = prozessUmgebung());
// Loads the named profile (names compare without regard to case); the message
// when it fails.
std::optional<std::string> ladeProfil(std::string_view name, Bemassungsstil& stil,
                                      const Umgebung& umgebung = prozessUmgebung());
std::optional<std::string> ladeProfildatei(const std::filesystem::path& pfad, Bemassungsstil& stil);
// Saves under the name, ".qzb" appended unless given; an existing file of the
// name in another case is replaced.
std::optional<std::string> speichereProfil(std::string_view name, const Bemassungsstil& stil,
                                           const Umgebung& umgebung = prozessUmgebung());
std::optional<std::string> speichereProfildatei(const std::filesystem::path& pfad, const Bemassungsstil& stil);

}  // namespace quarzel
