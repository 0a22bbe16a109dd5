// Makromelder: the one place every error of a macro run goes through.
//
// A failing word describes its error as a `Makrofehlerfall` (code, the
// command or name it concerns, optionally a text of its own for failures the
// numbered texts do not cover). The reporter turns it into the message the
// user sees: the numbered text plus " in name#" while a subroutine runs, or,
// for a macro started from a macro file, the short "Fehlercode" form, where
// code 99 is not shown at all and does not stop the run. It tells the user
// through `Benutzer` and keeps the last report for callers without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "macro/makrofehler.h"

namespace quarzel {

class Benutzer;

struct Makrofehlerfall {
  Makrofehler code = Makrofehler::UnbekannterFehler;
  std::string x;            // the command or name the error concerns
  std::string spur1;        // code 97: what failed
  std::string spur2;        // code 97: where
  std::string eigenerText;  // replaces the numbered text when set
};

struct Makromeldung {
  Makrofehler code = Makrofehler::UnbekannterFehler;
  std::string text;         // as shown
  std::size_t token = 0;    // index of the failing token
  std::uint32_t zeile = 0;  // its source line, from 0
};

// The message for `fall`; `unterprogramm` is the running subroutine's name
// ("" at the outermost level). nullopt when nothing is to be shown (code 99
// of a macro started from a file).
std::optional<std::string> makromeldungstext(const Makrofehlerfall& fall, std::string_view unterprogramm,
                                             bool ausDatei);

class Makromelder {
 public:
  explicit Makromelder(Benutzer* benutzer = nullptr) : benutzer_(benutzer) {}
  void setzeBenutzer(Benutzer* benutzer) { benutzer_ = benutzer; }

  // Reports the error; true when the run must stop.
  bool melde(const Makrofehlerfall& fall, std::string_view unterprogramm, bool ausDatei, std::size_t token,
             std::uint32_t zeile);

  const std::optional<Makromeldung>& letzte() const { return letzte_; }
  void vergiss() { letzte_.reset(); }

 private:
  Benutzer* benutzer_;
  std::optional<Makromeldung> letzte_;
};

}  // namespace quarzel
