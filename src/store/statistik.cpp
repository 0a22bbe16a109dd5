#include "store/statistik.h"

namespace quarzel {

namespace {

constexpr std::array<std::string_view, 14> Zeilennamen = {
    "Bemaßungen", "Bézierkurven", "Bitmaps",     "Bögen",    "Füllungen", "Gruppenobjekte", "Linien",
    "Metafiles",  "Polygone",     "Splines",     "Textobjekte", "Verläufe", "Wandobjekte",   "Gesamt"};

constexpr int KeineZeile = -1;

// Row of each kind code; comments are not counted.
constexpr std::array<int, 256> zeilenTabelle() {
  std::array<int, 256> t{};
  for (auto& z : t) z = KeineZeile;
  t[7] = 0;
  t[4] = 1;
  t[16] = 2;
  t[2] = 3;
  t[39] = 4;
  t[8] = t[9] = 5;
  t[1] = 6;
  t[38] = 7;
  t[3] = 8;
  t[5] = 9;
  t[17] = 10;
  t[6] = 11;
  t[11] = t[12] = 12;
  return t;
}

}  // namespace

Statistik zeichnungsstatistik(const Elementspeicher& speicher) {
  static constexpr std::array<int, 256> zeile = zeilenTabelle();
  std::array<std::array<std::int64_t, 2>, 13> zaehler{};
  const std::int32_t anzahl = speicher.anzahl();
  for (std::int32_t n = 1; n <= anzahl; ++n) {
    const int z = zeile[static_cast<std::uint8_t>(speicher.art(n))];
    if (z != KeineZeile) ++zaehler[z][speicher.lebendig(n) ? 0 : 1];
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
