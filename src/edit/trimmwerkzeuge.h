// The module of the trimming group: picks lines with the hit test and hands
// them to the store operations (trimmoperationen.h).
//
//   101  two picks: the first line is cut or extended to its crossing with
//        the second; button 1 ("Linien trimmen (beide)") trims the second
//        too; button 2 ("Mehrere Linien trimmen") keeps the first pick as
//        the cutting line and trims every further pick to it, until the
//        right button or Escape.
//   102  two picks: fillet of `radius` (negative: `negativAbrunden`); the
//        button is the trim mode (none, first, both lines).
//   103  two picks: chamfer of `fasenmass`, a length or, with
//        `fasenAlsAbstand`, the distance from the corner; button = trim mode.
//   123  one pick: the input window asks for the number of pieces (proposed:
//        `teilstuecke`, the panel's value, which takes the answer).
// What cannot be done is told through `benutzer` (error box); without one
// (headless) it is only kept in `letzterFehler`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "edit/werkzeugmodul.h"

namespace quarzel {

class Benutzer;
class Fangsuche;

// The buttons of 101 by Werkzeugzustand::knopf.
inline constexpr std::uint8_t kTrimmenBeide = 1;
inline constexpr std::uint8_t kTrimmenMehrere = 2;

class Trimmwerkzeuge : public Werkzeugmodul {
 public:
  // Radius and chamfer measure in drawing units, as the user types them.
  double radius = 1;
  bool negativAbrunden = false;
  double fasenmass = 1;
  bool fasenAlsAbstand = false;
  int teilstuecke = 2;
  Benutzer* benutzer = nullptr;
  // Picks go through the snap search's spatial index when set; without it
  // the hit test walks the whole store.
  Fangsuche* fangsuche = nullptr;
  std::string letzterFehler;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override { (void)u, (void)p; }
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override { (void)u; }
  void abbrechen(Werkzeugumgebung& u) override;

 private:
  void teile(Werkzeugumgebung& u, std::int32_t n);
  // Shows an operation's answer; true when it was done.
  bool ergebnis(Werkzeugumgebung& u, const std::string& fehler);

  std::int32_t erste_ = 0;
  Weltpunkt ersterKlick_;
  // "Mehrere Linien trimmen": the cutting line, kept by its ends because
  // every trim renumbers the store.
  std::optional<std::pair<Weltpunkt, Weltpunkt>> schnittlinie_;
};

}  // namespace quarzel
