// Automatic saving: what the window's timer sets off on each tick. The
// drawing is written to its autosave file ("plan_autosave.QZZ") through the
// ordinary save, without counting as a save by the user: the modified flag
// stays as it was, so closing still asks.
//
// The window passes in whether it is in its normal editing state (no
// dialog-driven save running, drawing area not busy) and, after a tick that
// did something, refreshes its layer display.
#pragma once

#include <cstdint>

#include "settings/einstellungen_dateien.h"
#include "platform/benutzer.h"
#include "store/speichern.h"
#include "store/zeichnung.h"

namespace quarzel {

inline constexpr std::string_view TitelAutomatischesSpeichern = "Automatisches Speichern...";
inline constexpr std::uint32_t StandardAutosaveabstand = 600000;  // ms, 10 minutes

// The interval in force: "Alle" from the settings; a value of 0 or less (a
// damaged file) would save on every tick, so it counts as the default.
std::uint32_t autosaveabstand(const einstellung::Speichern& einstellungen);

// More than `abstand` ms have passed since `letzte`. The difference is taken
// unsigned, so it stays right when the 32-bit tick counter wraps.
constexpr bool autosaveFaellig(std::uint32_t jetzt, std::uint32_t letzte, std::uint32_t abstand) {
  return std::uint32_t(jetzt - letzte) > abstand;
}

// Removes the drawing's autosave copy once it has done its job: with
// "Autosave loeschen" on, either at a regular program end ("bei Programmende")
// or right after each complete save by the user (off). Only a drawing without
// unsaved changes loses its copy: when the user ended the program with "Nein"
// to the save question, the copy stays as the last safety net. True when a
// file was removed.
bool autosaveAufraeumen(const Zeichnung& zeichnung, const einstellung::Speichern& einstellungen, bool programmende);

class Autosicherung {
 public:
  enum class Ergebnis {
    NichtFaellig,    // nothing done
    Gespeichert,     // the autosave file was written (possibly incomplete)
    Fehlgeschlagen,  // the user was told why; the drawing is unchanged
    OhneNamen,       // an unnamed drawing and the user cancelled the dialog
  };

  // `start`: the tick count at program start, the first interval counts from it.
  explicit Autosicherung(std::uint32_t start = 0) : letzteSicherung_(start) {}

  // One timer tick at tick count `jetzt`. Saves when automatic saving is on,
  // the interval has passed, the drawing is modified and `normalerZustand`.
  // A drawing without a name asks for one with the title "Automatisches
  // Speichern..."; the chosen name becomes the drawing's name and the
  // autosave file is written beside it. Whatever the outcome of an attempt,
  // the next one is an interval later, so a cancelled dialog does not return
  // on the next tick.
  Ergebnis tick(std::uint32_t jetzt, Zeichnung& zeichnung, const einstellung::Speichern& einstellungen,
                bool normalerZustand, Benutzer& benutzer);

  // Set while the automatic save runs (the save-as dialog reads it).
  bool automatischesSpeichern() const { return automatisch_; }
  // Set while the automatic save runs; the structure check waits meanwhile.
  // A dialog's event loop may deliver further ticks; those do nothing.
  bool beschaeftigt() const { return beschaeftigt_; }
  std::uint32_t letzteSicherung() const { return letzteSicherung_; }

 private:
  std::uint32_t letzteSicherung_;
  bool automatisch_ = false;
  bool beschaeftigt_ = false;
};

}  // namespace quarzel
