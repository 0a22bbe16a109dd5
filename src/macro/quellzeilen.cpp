#include "macro/quellzeilen.h"

namespace quarzel {

std::vector<std::string> teileInZeilen(std::string_view text) {
  std::vector<std::string> zeilen;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t ende = text.find_first_of("\r\n", pos);
    if (ende == std::string_view::npos) {
      zeilen.emplace_back(text.substr(pos));
      break;
    }
    zeilen.emplace_back(text.substr(pos, ende - pos));
    pos = ende + ((text[ende] == '\r' && ende + 1 < text.size() && text[ende + 1] == '\n') ? 2 : 1);
  }
  return zeilen;
}

void Statusfortschritt::zeileFertig(std::size_t zeile) {
  if (!anzeige_ || zeilen_ == 0) return;
  const std::size_t erledigt = zeile + 1;
  const int prozent = static_cast<int>(erledigt >= zeilen_ ? 100 : erledigt * 100 / zeilen_);
  if (prozent == letzterProzentsatz_ || erledigt - letzteZeile_ < 100) return;
  letzterProzentsatz_ = prozent;
  letzteZeile_ = erledigt;
  anzeige_(std::string(vorsatz_) + std::to_string(prozent) + "%");
}

void Statusfortschritt::fertig() {
  if (anzeige_) anzeige_(std::string());
}

}  // namespace quarzel
