// The line-style files of the program folder: what is read at start-up and
// written by the line-style dialog. Missing or unusable files leave the
// defaults in force without a message; a user's copy in the per-user data
// folder is preferred to the shipped file (see findeProgrammdatei).
#pragma once

#include <string>

#include "settings/konfiguration.h"
#include "styles/linienauswahl.h"
#include "styles/linienstile.h"

namespace quarzel {

inline constexpr std::string_view kLinienIniName = "Linien.ini";
inline constexpr std::string_view kStandardTlmName = "standard.tlm";
inline constexpr std::string_view kLinien2Name = "Linien2.dat";

struct Linienstilstart {
  bool linienIni = false;    // "Linien.ini" was used
  bool standardTlm = false;  // "standard.tlm" was read (in full or in part)
};

// The start-up sequence: the built-in defaults of both kinds of user
// patterns, then "Linien.ini", then "standard.tlm".
Linienstilstart ladeLinienstileBeimStart(Linienstiltabelle& tabelle, const Umgebung& umgebung = prozessUmgebung());
// "Linien2.dat"; false when it was not read.
bool ladeVerfuegbareLinienstile(Linienstilauswahl& auswahl, const Umgebung& umgebung = prozessUmgebung());

// "als Standard": the user patterns as "standard.tlm" in the program folder.
bool speichereStandardmuster(const Linienstiltabelle& tabelle, std::string* fehler = nullptr,
                             const Umgebung& umgebung = prozessUmgebung());
// OK of the line-style dialog: "Linien2.dat" in the program folder.
bool speichereVerfuegbareLinienstile(const Linienstilauswahl& auswahl, std::string* fehler = nullptr,
                                     const Umgebung& umgebung = prozessUmgebung());

}  // namespace quarzel
