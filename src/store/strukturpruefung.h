// The structure check of the open drawing: group brackets well formed and no
// element on a layer that does not exist. A failure is fatal: the drawing is
// written to the emergency file and the program ends, because editing a
// damaged structure further could destroy the user's work.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/benutzer.h"
#include "store/elementspeicher.h"

namespace quarzel {

enum class Strukturbefund { InOrdnung, Gruppenstruktur, FehlendeEbene };

Strukturbefund pruefeStruktur(const Elementspeicher& speicher,
                              const std::function<bool(std::uint8_t planteil)>& ebeneExistiert);

// "Notsicherung.qzz" in the folder of the drawing file (or in `ersatzordner`
// when the drawing has no name yet).
std::string notsicherungspfad(const std::string& dateiname, const std::string& ersatzordner);

// Runs the check with its consequences. The emergency save itself is done by
// the caller-supplied function (the drawing file writer).
class Strukturwaechter {
 public:
  static constexpr std::uint32_t Abstand = 15000;  // ms between two checks from tool start

  std::function<bool(const std::string& pfad)> notsicherung;

  // True when the drawing is damaged and the program must end. `statustext`
  // receives the text for the status panel (shown on red).
  bool pruefe(const Elementspeicher& speicher, const std::function<bool(std::uint8_t)>& ebeneExistiert,
              const std::string& pfad, Benutzer& benutzer, std::string& statustext);

  // The check from tool start: at most once every 15000 ms.
  bool pruefeGedrosselt(std::uint32_t jetzt, const Elementspeicher& speicher,
                        const std::function<bool(std::uint8_t)>& ebeneExistiert, const std::string& pfad,
                        Benutzer& benutzer, std::string& statustext);

 private:
  bool gemeldet_ = false;
  bool schonGeprueft_ = false;
  std::uint32_t letztePruefung_ = 0;
};

// The emergency save after a fatal error: message, save, program end by the caller.
void meldeSystemfehler(Benutzer& benutzer, const std::string& pfad);

}  // namespace quarzel
