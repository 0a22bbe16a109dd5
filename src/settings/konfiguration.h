// Konfiguration: where the configuration file and the program's folders are,
// and how the configuration file is opened.
//
// The installed program folder is not writable, so the configuration file is
// a per-user file: $XDG_CONFIG_HOME/quarzel/quarzel.ini, or
// ~/.config/quarzel/quarzel.ini when that variable is not set. The option "-i"
// followed by a file name selects another file. The shipped definition files
// (hatches, line styles, symbols) are read from the program folder; files the
// program writes there on other platforms go to the per-user data folder.
//
// Environment variables are read through an `Umgebung`, so tests can give
// their own values without touching the process environment.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/inidatei.h"

namespace quarzel {

class Benutzer;

// The value of an environment variable, std::nullopt when it is not set.
using Umgebung = std::function<std::optional<std::string>(std::string_view name)>;
Umgebung prozessUmgebung();

inline constexpr std::string_view kMeldungIniNameFehlt =
    "Ein interner Fehler ist aufgetreten: INI-Datei-Name nicht gesetzt!";

// The command line split into the configuration file named with "-i" (the
// option compared in lower case, so "-I" counts too) and the other arguments
// (the drawing to open). A "-i" without a following argument is dropped; with
// several, the last one counts.
struct Befehlszeile {
  std::optional<std::string> iniDatei;
  std::vector<std::string> argumente;
};
Befehlszeile zerlegeBefehlszeile(std::span<const std::string> argumente);
// argv as main() receives it; argv[0], the program itself, is skipped.
Befehlszeile zerlegeBefehlszeile(int argc, const char* const* argv);

// The per-user configuration file; "_" and the suffix go before ".ini" when an
// installation gives one ("quarzel_demo.ini"). std::nullopt when neither
// XDG_CONFIG_HOME nor HOME names an absolute folder.
std::optional<std::filesystem::path> standardKonfigurationsdatei(const Umgebung& umgebung,
                                                                 std::string_view namenszusatz = {});

// The shipped, read-only data: $QUARZEL_DATA_DIR when set, otherwise
// share/quarzel beside the installed program, otherwise the checkout's data
// folder the build was configured with.
std::filesystem::path programmordner(const Umgebung& umgebung = prozessUmgebung());
// The writable per-user data folder, $XDG_DATA_HOME/quarzel or
// ~/.local/share/quarzel, created when missing; std::nullopt when it cannot be
// determined or created.
std::optional<std::filesystem::path> benutzerordner(const Umgebung& umgebung = prozessUmgebung());
// The default drawing folder, ~/Zeichnungen/ (with the final separator).
std::optional<std::filesystem::path> zeichnungsordner(const Umgebung& umgebung = prozessUmgebung());

// A relative name below the program folders such as "Schraffuren\Standard\a.tsc"
// ("\" and "/" both separate): std::nullopt for absolute names and names that
// climb out with "..", which a settings file or macro could otherwise use to
// reach any file.
std::optional<std::filesystem::path> relativerProgrammpfad(std::string_view name);
// Where a definition file is read from: the user's copy when there is one,
// otherwise the shipped one (which may not exist either).
std::optional<std::filesystem::path> findeProgrammdatei(std::string_view name,
                                                        const Umgebung& umgebung = prozessUmgebung());
// Where the program writes such a file: in the user's folder, with the
// folders above it created.
std::optional<std::filesystem::path> schreibbareProgrammdatei(std::string_view name,
                                                              const Umgebung& umgebung = prozessUmgebung());

// The settings object returned by openSettings(): the file's content, read when
// it was opened, and the way back to the file. Without a file name every read
// gives the built-in defaults and nothing is written.
class Einstellungsdatei {
 public:
  Einstellungsdatei(Benutzer& benutzer, std::optional<std::filesystem::path> pfad);

  const IniDatei& ini() const { return ini_; }
  IniDatei& ini() { return ini_; }
  const std::optional<std::filesystem::path>& pfad() const { return pfad_; }

  // Writes the content back atomically and creates the folder of the file when
  // needed. A file that exists but could not be read is not overwritten, so
  // settings the program never saw are not lost. Failures are reported to the
  // user; the result tells whether the file now holds the content.
  bool speichern();

 private:
  Benutzer* benutzer_;
  std::optional<std::filesystem::path> pfad_;
  IniDatei ini_;
  bool unlesbar_ = false;
};

class Konfiguration {
 public:
  explicit Konfiguration(Benutzer& benutzer, Umgebung umgebung = prozessUmgebung(), std::string namenszusatz = {});

  // Takes "-i" from the command line and returns the remaining arguments. Only
  // the first examination counts: once the file name is fixed (by this call or
  // by the first use of the name) later command lines do not change it.
  std::vector<std::string> werteBefehlszeileAus(std::span<const std::string> argumente);
  std::vector<std::string> werteBefehlszeileAus(int argc, const char* const* argv);

  // The configuration file, fixed on first use; std::nullopt when none could be
  // named (an empty "-i" name, or no home folder).
  const std::optional<std::filesystem::path>& dateiname();

  // Reads the file anew into a settings object, so a dialog writing its section
  // keeps what others have written meanwhile. A missing file reads as empty;
  // without a file name the user is told kMeldungIniNameFehlt.
  Einstellungsdatei openSettings();

  // Changes the file as it is now: reads it anew, lets `aendern` write into it
  // and saves it, so sections others wrote meanwhile survive. False when it
  // could not be saved (the user has been told).
  bool schreibe(const std::function<void(IniDatei&)>& aendern);
  // One section (anything with `schreibe(IniDatei&) const`), written whole.
  template <class Abschnitt>
  bool speichereAbschnitt(const Abschnitt& abschnitt) {
    return schreibe([&abschnitt](IniDatei& ini) { abschnitt.schreibe(ini); });
  }

 private:
  void legeFest(std::optional<std::string> ausBefehlszeile);

  Benutzer* benutzer_;
  Umgebung umgebung_;
  std::string namenszusatz_;
  bool festgelegt_ = false;
  std::optional<std::filesystem::path> dateiname_;
};

}  // namespace quarzel
