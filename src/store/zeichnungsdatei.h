// The native drawing file (".QZZ"): writing the current format and reading
// it and its five older signatures. The byte layout is described in
// docs/file-format.md.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/benutzer.h"
#include "platform/uhr.h"
#include "store/zeichnung.h"

namespace quarzel {

inline constexpr const char* MeldungKeineZeichnung = "Datei enthält keine gültige Zeichnung oder ist defekt!";

struct Ladeoptionen {
  Tastatur* tastatur = nullptr;  // polled for Escape while reading
  // Whether a hatch of this name is known outside the file (a ".TSC" file);
  // without it only the definitions carried in the file count.
  std::function<bool(const std::string&)> schraffurBekannt;
};

struct Ladeergebnis {
  bool geladen = false;  // false: not a drawing; the target is unchanged
  std::string signatur;
  int version = 0;
  bool vsVariante = false;
  std::int32_t elemente = 0;          // elements added
  std::int32_t verworfeneSaetze = 0;  // damaged records skipped
  std::int32_t defekteGruppen = 0;    // brackets removed by the repair
  std::vector<std::string> fehlendeSchraffuren;
  bool abgebrochen = false;  // the user chose "Alles Folgende verwerfen"
};

// Reads a drawing from bytes into `ziel`, replacing its store and tables.
// The view settings of `ziel` (area size, zoom limits) are the starting point.
// On a wrong signature nothing is changed and the message is shown.
Ladeergebnis leseZeichnung(std::span<const std::uint8_t> daten, Zeichnung& ziel, Benutzer& benutzer,
                           const Ladeoptionen& optionen = {});

// Reads the file; the open drawing is replaced only when the file is a
// drawing. Sets the drawing's file name.
Ladeergebnis ladeZeichnung(const std::string& pfad, Zeichnung& zeichnung, Benutzer& benutzer,
                           const Ladeoptionen& optionen = {});

struct Schreibergebnis {
  std::vector<std::uint8_t> daten;
  std::int32_t nichtGeschrieben = 0;  // elements the format cannot hold
};

// The drawing in the current format: every alive element in drawing order.
Schreibergebnis schreibeZeichnung(const Zeichnung& zeichnung);

// The six accepted signatures and how to tell the version.
struct Dateikennung {
  std::string signatur;
  int version = 0;
  bool vsVariante = false;
  bool markiert = false;  // records end with "{|}"
};
// Reads the signature (and version word); std::nullopt for anything else.
bool leseKennung(std::span<const std::uint8_t> daten, Dateikennung& kennung);

}  // namespace quarzel
