// The snap marker's symbol drawn as an overlay: in the caller's pen mode and
// the colour asked for, one symbol per kind, nothing for results that found
// nothing.
#include <gtest/gtest.h>

#include "edit/fangmarker.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel {
namespace {

Fangergebnis ergebnis(Fangart art, bool gefangen) {
  Fangergebnis e;
  e.art = art;
  e.gefangen = gefangen;
  return e;
}

TEST(Fangsymbol, ZeichnetInKopiermodusMitDerGewuenschtenFarbe) {
  Aufzeichnungscanvas c;
  Fangmarker::zeichneSymbol(c, Fangart::Endpunkt, 40, 30, rgb(255, 0, 0));
  ASSERT_EQ(c.polylinien.size(), 1u);
  EXPECT_EQ(c.polylinien[0].zustand.modus, Stiftmodus::Kopieren);
  EXPECT_EQ(c.polylinien[0].zustand.stift.farbe, rgb(255, 0, 0)) << "no complement outside XOR";
  EXPECT_EQ(c.polylinien[0].punkte[0].x, 35);
  EXPECT_EQ(c.polylinien[0].punkte[0].y, 25);
}

TEST(Fangsymbol, JedeArtHatIhrEigenesZeichen) {
  const Fangart arten[] = {Fangart::Lineal,          Fangart::Kante,        Fangart::Endpunkt,   Fangart::Mittelpunkt,
                           Fangart::Quadrantenpunkt, Fangart::Schnittpunkt, Fangart::Rasterpunkt};
  std::vector<std::vector<Pixelpunkt>> zeichen;
  for (Fangart art : arten) {
    Aufzeichnungscanvas c;
    Fangmarker::zeichneSymbol(c, art, 0, 0, rgb(255, 0, 0));
    std::vector<Pixelpunkt> alle;
    for (const auto& p : c.polylinien) alle.insert(alle.end(), p.punkte.begin(), p.punkte.end());
    ASSERT_FALSE(alle.empty());
    for (const auto& bisher : zeichen) {
      const bool gleich = bisher.size() == alle.size() &&
                          std::equal(alle.begin(), alle.end(), bisher.begin(),
                                     [](Pixelpunkt a, Pixelpunkt b) { return a.x == b.x && a.y == b.y; });
      EXPECT_FALSE(gleich) << "two kinds share one symbol";
    }
    zeichen.push_back(alle);
  }
  Aufzeichnungscanvas leer;
  Fangmarker::zeichneSymbol(leer, Fangart::Keine, 0, 0, rgb(255, 0, 0));
  EXPECT_TRUE(leer.polylinien.empty());
}

TEST(Fangsymbol, NurGefundenesUndLinealrundungVerdienenEinZeichen) {
  EXPECT_TRUE(Fangmarker::zeigtSymbol(ergebnis(Fangart::Endpunkt, true)));
  EXPECT_TRUE(Fangmarker::zeigtSymbol(ergebnis(Fangart::Lineal, false)));
  EXPECT_FALSE(Fangmarker::zeigtSymbol(ergebnis(Fangart::Keine, false)));
  Fangergebnis abgewiesen = ergebnis(Fangart::Endpunkt, true);
  abgewiesen.abgewiesen = true;
  EXPECT_FALSE(Fangmarker::zeigtSymbol(abgewiesen));
  Fangergebnis abgebrochen = ergebnis(Fangart::Mittelpunkt, true);
  abgebrochen.abgebrochen = true;
  EXPECT_FALSE(Fangmarker::zeigtSymbol(abgebrochen));
}

}  // namespace
}  // namespace quarzel
