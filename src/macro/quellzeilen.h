// Quellzeilen: a macro source as lines, and the status line of a pass over it.
//
// The editor hands its text over as one string; both passes work on its lines.
// A long pass tells the editor's status line how far it has come, but only
// every hundred lines at most, so the display does not cost more than the pass.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

// Lines of a text: "\r\n", "\n" and a lone "\r" each end a line; a break at
// the very end does not start another line, so "" has no lines and "a\n" one.
std::vector<std::string> teileInZeilen(std::string_view text);

// Receives the status line text; an empty text clears it. The editor shows
// the text and lets the window process its messages.
using Statusanzeige = std::function<void(const std::string& text)>;

inline constexpr std::string_view StatusCompilieren = " Compiliere Quelltext: ";
inline constexpr std::string_view StatusPruefen = " Prüfe Quelltext: ";

// Counts the lines of one pass and calls the display whenever the percentage
// done has changed and at least 100 lines have passed since the last call.
class Statusfortschritt {
 public:
  Statusfortschritt(const Statusanzeige& anzeige, std::string_view vorsatz, std::size_t zeilen)
      : anzeige_(anzeige), vorsatz_(vorsatz), zeilen_(zeilen) {}

  // Line `zeile` (from 0) is done.
  void zeileFertig(std::size_t zeile);
  // The pass is over: clears the status line (when anything was shown or not).
  void fertig();

 private:
  const Statusanzeige& anzeige_;
  std::string_view vorsatz_;
  std::size_t zeilen_;
  std::size_t letzteZeile_ = 0;
  int letzterProzentsatz_ = 0;
};

}  // namespace quarzel
