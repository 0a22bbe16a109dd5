// What a print decides before a page is drawn: the method and its question,
// the area and the tiles.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/skriptbenutzer.h"
#include "render/druckplanung.h"

namespace quarzel {
namespace {

TEST(Druckplanung, MethodeFragtNurBeiTransparenzImTreiber) {
  // method, transparent elements, the answer, asked, rasterised by us
  const std::tuple<Druckmethode, bool, Antwort, bool, bool> faelle[] = {
      {Druckmethode::Automatisch, false, Antwort::Ja, false, false},
      {Druckmethode::Automatisch, true, Antwort::Nein, false, true},
      {Druckmethode::RasternImTreiber, false, Antwort::Ja, false, false},
      {Druckmethode::RasternImTreiber, true, Antwort::Nein, true, false},
      {Druckmethode::RasternImTreiber, true, Antwort::Ja, true, true},
      {Druckmethode::RasternInQuarzel, false, Antwort::Nein, false, true}};
  for (const auto& [methode, transparent, antwort, gefragt, rastern] : faelle) {
    SkriptBenutzer b;
    b.antworten.push_back(antwort);
    EXPECT_EQ(waehleDruckverfahren(false, 600, methode, transparent, b).rasterInProgram, rastern);
    EXPECT_EQ(b.fragen, std::vector<std::string>(gefragt ? 1 : 0, std::string(FrageTransparenz)));
  }
}

TEST(Druckplanung, GanzeZeichnungMitEinemMillimeterRand) {
  Ansicht a;
  const Druckbereich blatt{double(a.sheetLeft), double(a.sheetTop), double(a.sheetWidth), double(a.sheetHeight)};
  EXPECT_EQ(druckbereich(a, false, Weltrechteck{0, 0, 5, 5}), blatt);
  EXPECT_EQ(druckbereich(a, true, std::nullopt), blatt);
  EXPECT_EQ(druckbereich(a, true, Weltrechteck{50.6, 40.1, 10.3, 20.2}), (Druckbereich{9.3, 19.2, 42, 22}));
}

TEST(Druckplanung, KachelnUeberlappenZeilenweise) {
  // Paper 110 × 60 mm, printable 100 × 50 mm, at ten dots per millimetre.
  const Druckerseite seite{254, 1100, 600, {50, 50, 1000, 500}};
  // area width and height, page columns and rows
  const std::tuple<double, double, int, int> faelle[] = {
      {111, 61, 1, 1}, {150, 60, 2, 2}, {190, 50.5, 2, 2}, {191, 40, 3, 1}, {300, 200, 4, 5}};
  for (const auto& [breite, hoehe, spalten, zeilen] : faelle) {
    const Seitenplan p = planeSeiten({0, 0, breite, hoehe}, seite, false);
    ASSERT_EQ(p.blaetter.size(), std::size_t(spalten * zeilen)) << breite;
    EXPECT_EQ(p.spalten, spalten);
    const Druckblatt& letztes = p.blaetter.back();
    if (p.eineSeite) {
      // The area's corner on the paper's corner, in front of the printable part.
      EXPECT_DOUBLE_EQ(letztes.originX, 5);
      continue;
    }
    EXPECT_NEAR(p.blaetter[1].originX, spalten > 1 ? 100 - kUeberlappungMm : 0, 1e-9);
    EXPECT_NEAR(letztes.originY, (zeilen - 1) * (50 - kUeberlappungMm), 1e-9);
    // The last tile still reaches the area's far corner, and shows where to cut.
    EXPECT_TRUE(letztes.originX + 100 >= breite && letztes.originY + 50 >= hoehe);
    EXPECT_FALSE(letztes.marken.empty());
  }
}

}  // namespace
}  // namespace quarzel
