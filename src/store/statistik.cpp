#include "store/statistik.h"

namespace quarzel {

namespace {

constexpr std::array<std::string_view, 14> Zeilennamen = {
    "Bemaßungen", "Bézierkurven", "Bitmaps",     "Bögen",    "Füllungen", "Gruppenobjekte", "Linien",
    "Metafiles",  "Polygone",     "Splines",     "Textobjekte", "Verläufe", "Wandobjekte",   "Gesamt"};

// Row of each kind code, from the kind table; comments are not counted.
constexpr std::array<std::int8_t, 256> zeilenTabelle() {
  std::array<std::int8_t, 256> t{};
  for (auto& z : t) z = -1;
  for (Elementart a : alleElementarten) t[static_cast<std::uint8_t>(a)] = artangaben(a).statistikzeile;
  return t;
}

}  // namespace

Statistik zeichnungsstatistik(const Elementspeicher& speicher) {
  static constexpr std::array<std::int8_t, 256> zeile = zeilenTabelle();
  std::array<std::array<std::int64_t, 2>, 13> zaehler{};
  const std::int32_t anzahl = speicher.anzahl();
  for (std::int32_t n = 1; n <= anzahl; ++n) {
    const int z = zeile[static_cast<std::uint8_t>(speicher.art(n))];
    if (z >= 0) ++zaehler[std::size_t(z)][speicher.lebendig(n) ? 0 : 1];
  }
  Statistik s;
  for (std::size_t i = 0; i < s.size(); ++i) s[i].name = Zeilennamen[i];
  for (std::size_t i = 0; i < zaehler.size(); ++i) {
    s[i].zeichnung = zaehler[i][0];
    s[i].undoRedo = zaehler[i][1];
    s.back().zeichnung += zaehler[i][0];
    s.back().undoRedo += zaehler[i][1];
  }
  return s;
}

}  // namespace quarzel
