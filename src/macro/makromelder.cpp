#include "macro/makromelder.h"

#include "platform/benutzer.h"

namespace quarzel {

std::optional<std::string> makromeldungstext(const Makrofehlerfall& fall, std::string_view unterprogramm,
                                             bool ausDatei) {
  const int code = static_cast<int>(fall.code);
  if (ausDatei) {
    // A macro handed out as a file shows the user only the code; the texts
    // are for the one who writes macros in the editor.
    if (fall.code == Makrofehler::UnbekannterFehler) return std::nullopt;
    if (fall.code == Makrofehler::DateiFehlt) return makrofehlertext(fall.code, fall.x);
    std::string t = "Es ist ein Fehler aufgetreten. Fehlercode: " + std::to_string(code);
    if (code >= 27 && code <= 30) t += "  " + fall.x;
    if (fall.code == Makrofehler::SchwererFehler) t += " bei " + fall.x;
    if (code > 100) t += "  " + fall.x;
    return t;
  }
  std::string t =
      fall.eigenerText.empty() ? makrofehlertext(fall.code, fall.x, fall.spur1, fall.spur2) : fall.eigenerText;
  if (!unterprogramm.empty()) t.append(" in ").append(unterprogramm).append("#");
  return t;
}

bool Makromelder::melde(const Makrofehlerfall& fall, std::string_view unterprogramm, bool ausDatei, std::size_t token,
                        std::uint32_t zeile) {
  const auto text = makromeldungstext(fall, unterprogramm, ausDatei);
  if (!text) return false;
  letzte_ = Makromeldung{fall.code, *text, token, zeile};
  if (benutzer_) benutzer_->meldung(*text, Meldungsart::Fehler);
  return true;
}

}  // namespace quarzel
