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

// Something the user is to be told about a load. The reader shows nothing
// itself; the caller reports with meldeLadehinweise once the load is over.
struct Ladehinweis {
  Meldungsart art = Meldungsart::Warnung;
  std::string text;
  bool operator==(const Ladehinweis&) const = default;
};

struct Ladeergebnis {
  bool geladen = false;  // false: not a drawing; the target is unchanged
  std::vector<Ladehinweis> hinweise;  // in the order they were found
  std::string signatur;
  int version = 0;
  bool vsVariante = false;
  std::int32_t elemente = 0;          // elements added
  std::int32_t verworfeneSaetze = 0;  // damaged records skipped
  // Bytes read a second time after damaged records (the search for the next
  // marker starts again at each one's tag); bounded, so no file costs time
  // quadratic in its size.
  std::size_t wiedergelesen = 0;
  std::int32_t defekteGruppen = 0;    // brackets removed by the repair
  std::vector<std::string> fehlendeSchraffuren;
  bool abgebrochen = false;  // the user chose "Alles Folgende verwerfen"
};

// Reads a drawing from bytes into `ziel`, replacing its store and tables.
// The view settings of `ziel` (area size, zoom limits) are the starting point.
// On a wrong signature nothing is changed and the result says why. `benutzer`
// sees the progress and is asked whether to stop when Escape is pressed.
Ladeergebnis leseZeichnung(std::span<const std::uint8_t> daten, Zeichnung& ziel, Benutzer& benutzer,
                           const Ladeoptionen& optionen = {});

// Reads the file; the open drawing is replaced only when the file is a
// drawing. Sets the drawing's file name.
Ladeergebnis ladeZeichnung(const std::string& pfad, Zeichnung& zeichnung, Benutzer& benutzer,
                           const Ladeoptionen& optionen = {});

// Tells the user what a load found, one message per note in their order: the
// one way the window and the batch tool report a load.
void meldeLadehinweise(const Ladeergebnis& ergebnis, Benutzer& benutzer);

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
