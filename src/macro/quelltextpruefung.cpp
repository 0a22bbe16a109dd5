#include "macro/quelltextpruefung.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "macro/befehlstabelle.h"
#include "macro/quelltokenizer.h"

namespace quarzel {

namespace {

void faerbe(std::string_view zeile, std::vector<Quellstueck>& stuecke, std::vector<Farbspanne>& spannen) {
  spannen.clear();
  zerlegeZeile(zeile, stuecke);
  for (const Quellstueck& s : stuecke) {
    switch (s.art) {
      case Stueckart::Wort:
        if (findeBefehl(zeile.substr(s.anfang, s.laenge)) != Befehl::Keiner)
          spannen.push_back({s.anfang, s.laenge, Auszeichnung::Befehlswort});
        break;
      case Stueckart::Literal: {
        spannen.push_back({s.anfang, 1, Auszeichnung::Klammer});
        const std::size_t innen = s.laenge - 1 - (s.geschlossen ? 1 : 0);
        if (innen > 0) spannen.push_back({s.anfang + 1, innen, Auszeichnung::Literal});
        if (s.geschlossen) spannen.push_back({s.ende() - 1, 1, Auszeichnung::Klammer});
        break;
      }
      case Stueckart::Kommentar:
        spannen.push_back({s.anfang, s.laenge, Auszeichnung::Kommentar});
        break;
    }
  }
}

// Length in UTF-16 units of the UTF-8 sequence starting at `i`, and the
// number of bytes it takes; a byte that does not start a valid sequence is
// one unit and one byte.
std::pair<std::size_t, std::size_t> utf16Zeichen(std::string_view t, std::size_t i) {
  const auto c = static_cast<unsigned char>(t[i]);
  std::size_t bytes = 1;
  std::uint32_t min = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    bytes = 2, min = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    bytes = 3, min = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    bytes = 4, min = 0x10000;
  } else {
    return {1, 1};
  }
  if (i + bytes > t.size()) return {1, 1};
  std::uint32_t cp = c & (0xFF >> (bytes + 1));
  for (std::size_t k = 1; k < bytes; ++k) {
    const auto f = static_cast<unsigned char>(t[i + k]);
    if ((f & 0xC0) != 0x80) return {1, 1};
    cp = (cp << 6) | (f & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {1, 1};
  return {cp >= 0x10000 ? 2 : 1, bytes};
}

}  // namespace

std::vector<Farbspanne> faerbeZeile(std::string_view zeile) {
  std::vector<Quellstueck> stuecke;
  std::vector<Farbspanne> spannen;
  faerbe(zeile, stuecke, spannen);
  return spannen;
}

std::vector<Zeilenfaerbung> faerbeZeilen(const std::vector<std::string>& zeilen, std::size_t von, std::size_t bis) {
  bis = std::min(bis, zeilen.size());
  std::vector<Zeilenfaerbung> ergebnis;
  std::vector<Quellstueck> stuecke;
  for (std::size_t z = von; z < bis; ++z) {
    Zeilenfaerbung f;
    f.zeile = z;
    faerbe(zeilen[z], stuecke, f.spannen);
    ergebnis.push_back(std::move(f));
  }
  return ergebnis;
}

std::vector<Farbspanne> inUtf16(std::string_view zeile, const std::vector<Farbspanne>& spannen) {
  // One walk over the line: spans are in order, so every byte offset met is
  // converted when the walk passes it. An offset inside a character (never
  // made by the check pass) is taken at that character's start.
  std::vector<Farbspanne> ergebnis;
  ergebnis.reserve(spannen.size());
  std::size_t byte = 0;
  std::size_t einheit = 0;
  const auto bis = [&](std::size_t ziel) {
    ziel = std::min(ziel, zeile.size());
    while (byte < ziel) {
      const auto [einheiten, bytes] = utf16Zeichen(zeile, byte);
      if (byte + bytes > ziel) break;
      byte += bytes;
      einheit += einheiten;
    }
    return einheit;
  };
  for (const Farbspanne& s : spannen) {
    if (s.anfang < byte) return ergebnis;  // not in order: not ours
    const std::size_t anfang = bis(s.anfang);
    const std::size_t ende = bis(s.anfang + s.laenge);
    ergebnis.push_back({anfang, ende - anfang, s.art});
  }
  return ergebnis;
}

std::vector<Zeilenfaerbung> Quelltextpruefung::pruefe(const std::vector<std::string>& zeilen,
                                                      const Statusanzeige& status) {
  std::vector<Zeilenfaerbung> ergebnis;
  Statusfortschritt fortschritt(status, StatusPruefen, zeilen.size());
  std::vector<Quellstueck> stuecke;
  for (std::size_t z = 0; z < zeilen.size(); ++z) {
    const bool unveraendert = z < puffer_.size() && puffer_[z] == zeilen[z];
    if (!unveraendert && !zeilen[z].empty()) {
      Zeilenfaerbung f;
      f.zeile = z;
      faerbe(zeilen[z], stuecke, f.spannen);
      ergebnis.push_back(std::move(f));
    }
    fortschritt.zeileFertig(z);
  }
  puffer_ = zeilen;
  fortschritt.fertig();
  return ergebnis;
}

}  // namespace quarzel
