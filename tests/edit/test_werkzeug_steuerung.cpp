// The tool state machine driven headless through its event structs.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "edit/treffertest.h"
#include "support/edit/test_werkzeug_hilfen.h"
#include "support/werkzeugnummer.h"

namespace quarzel::test {
namespace {

using G = Werkzeuggruppe;

TEST(Werkzeuggruppen, EveryRangeOfTheDispatchTableReachesItsModuleAndGapsReachNone) {
  const std::pair<G, std::vector<int>> bereiche[] = {
      {G::Linien, {1, 8, 10, 12, 14, 15, 25, 26, 28, 29, 36, 42, 47, 53, 55, 135, 800, 802, 810, 813, 816}},
      {G::Flaechen, {9, 16, 24, 30, 35, 37, 38, 48, 52, 56}},
      {G::Trimmen, {101, 106, 121, 129, 137, 144}},
      {G::Bearbeiten, {100, 107, 108, 110, 112, 114, 120, 130, 131, 139, 142, 600, 602, 604, 606}},
      {G::Konstruktion, {200, 204, 205, 206, 213, 803, 809, 811, 812}},
      {G::Messen, {300, 319}},
      {G::Verlaeufe, {400, 407}},
      {G::Bitmaps, {450, 457}},
      {G::Text, {500, 502, 508}},
      {G::Waende, {700, 706}},
      {G::Ursprung, {132, 134}},
      {G::Keine, {0, 13, 27, 39, 57, 109, 113, 133, 143, 320, 501, 603, 607, 608, 817, 901, 65535}}};
  for (const auto& [gruppe, werkzeuge] : bereiche)
    for (int w : werkzeuge) EXPECT_EQ(werkzeuggruppe(wz(w)), gruppe) << w;
}

// --- Tool start --------------------------------------------------------------

TEST_F(Werkzeugtest, ToolStartExpectsTheFirstPointWithoutReferenceAndSetsUpXorFeedback) {
  st.zustand().bezug = Weltpunkt{7, 0};
  st.zustand().schritt = 3;
  st.waehleWerkzeug(wz(1));
  EXPECT_EQ(st.zustand().werkzeug, wz(1));
  EXPECT_EQ(st.zustand().schritt, 1);
  EXPECT_FALSE(st.zustand().bezug);
  EXPECT_EQ(std::tuple(canvas.zustand.modus, canvas.zustand.pinsel.keinPinsel, int(canvas.zustand.stift.breitePixel)),
            std::tuple(Stiftmodus::Xor, true, 1));
  EXPECT_EQ(st.zustand().letztesZeichenwerkzeug, wz(1));
  EXPECT_GE(modul(G::Linien).anzahl("rueckmeldungLoeschen"), 1);
}

// --- Mouse -------------------------------------------------------------------

TEST_F(Werkzeugtest, LeftClickReachesTheModuleSnappedOrConvertedByTheView) {
  st.waehleWerkzeug(wz(9));
  links(10, 20);
  const Weltpunkt erwartet = z.ansicht.pixelToWorld(10, 20);
  EXPECT_EQ(modul(G::Flaechen).orte.back().x, erwartet.x);
  EXPECT_EQ(modul(G::Flaechen).orte.back().y, erwartet.y);

  st.fangen = [](int x, int y) { return Weltpunkt{double(x) + 0.5, double(y) + 0.25}; };
  st.waehleWerkzeug(wz(1));
  st.mausGedrueckt({12, 34, Maustaste::Links, {true, false, true}});
  ASSERT_EQ(modul(G::Linien).anzahl("punkt"), 1);
  EXPECT_EQ(modul(G::Linien).orte.back().x, 12.5);
  EXPECT_EQ(modul(G::Linien).orte.back().y, 34.25);
  EXPECT_TRUE(st.zustand().umschaltung.shift);
  EXPECT_TRUE(st.zustand().umschaltung.alt);
  EXPECT_FALSE(st.zustand().umschaltung.strg);

  // A free-hand stroke keeps the pointer's own points, from the press on.
  st.waehleWerkzeug(wz(40));
  links(12, 34);
  EXPECT_EQ(modul(G::Linien).orte.back().x, z.ansicht.pixelToWorld(12, 34).x);
  bewegen(13, 36);
  EXPECT_EQ(st.zustand().punkte.back().y, z.ansicht.pixelToWorld(13, 36).y);
}

TEST_F(Werkzeugtest, RightButtonOnAnElementMarksItAndActivatesTheSelectToolOnEmptyPlaceNothing) {
  const std::int32_t a = linie(z.speicher, 4800, 4900, 4900, 4900);
  const std::int32_t b = linie(z.speicher, 4800, 5000, 4900, 5000);
  z.speicher.setzeMarkiert(b, 1);
  st.elementUnterCursor = [this](double x, double y) { return trefferTest(z, x, y); };
  int rahmen = 0;
  st.markierrahmenZeichnen = [&] { ++rahmen; };
  st.waehleWerkzeug(wz(1));
  rechts(5, 5);
  EXPECT_EQ(st.zustand().werkzeug, wz(1));
  EXPECT_EQ(modul(G::Linien).anzahl("zweiteTaste"), 0);

  const Pixelpunkt p = z.ansicht.worldToPixel(4850, 4901);
  rechts(p.x, p.y);
  EXPECT_EQ(st.zustand().werkzeug, wz(100));
  EXPECT_EQ(z.speicher.markiert(a), 1);
  EXPECT_EQ(z.speicher.markiert(b), 0);
  EXPECT_EQ(rahmen, 1);
}

TEST_F(Werkzeugtest, PanelDrivenToolsIgnoreLeftClicksAndTheRightButtonClosesTheirPanel) {
  int geschlossen = 0;
  st.bearbeitungspanelAbbrechen = [&] { return ++geschlossen > 0; };
  for (int n : {600, 608, 609, 610}) {
    st.waehleWerkzeug(wz(n));
    links(10, 20);
    rechts(10, 20);
  }
  EXPECT_EQ(modul(G::Bearbeiten).anzahl("punkt"), 0);
  EXPECT_EQ(geschlossen, 4);
}

// --- Select tool: click or frame, double click -------------------------------

TEST_F(Werkzeugtest, ReleaseWithinTwoPixelsIsAClickFurtherIsAFrame) {
  st.pfeilaktiv();
  links(100, 100);
  loslassen(101.9, 98.1);
  uhr.jetzt += 1000;
  links(100, 100);
  loslassen(102, 100);
  EXPECT_EQ(modul(G::Bearbeiten).anzahl("klick"), 1);
  EXPECT_EQ(modul(G::Bearbeiten).anzahl("rahmen"), 1);
}

TEST_F(Werkzeugtest, DoubleClickNeedsAReleaseWithin150AndASecondPressWithin250Ms) {
  struct Fall {
    std::uint32_t start, bisLoslassen, bisZweitemDruck;
    bool doppelklick;
  };
  for (const Fall f : {Fall{10000, 150, 250, true}, Fall{20000, 151, 10, false}, Fall{30000, 100, 251, false},
                       Fall{0xFFFFFFF0u, 100, 100, true}}) {  // the tick counter wraps
    Protokollmodul& m = modul(G::Bearbeiten);
    m.aufrufe.clear();
    uhr.jetzt = f.start;
    st.pfeilaktiv();
    links(50, 50);
    uhr.jetzt += f.bisLoslassen;
    loslassen(50, 50);
    uhr.jetzt += f.bisZweitemDruck;
    links(50, 50);
    EXPECT_EQ(m.anzahl("doppelklick"), f.doppelklick ? 1 : 0) << f.bisLoslassen << "/" << f.bisZweitemDruck;
    EXPECT_EQ(m.anzahl("punkt"), f.doppelklick ? 1 : 2) << f.bisLoslassen << "/" << f.bisZweitemDruck;
    loslassen(50, 50);
  }
}

// --- Escape ------------------------------------------------------------------

TEST_F(Werkzeugtest, EachEscapeUndoesOneThingInItsOrder) {
  // Field, edit panel, collected point, and only then the tool.
  bool feld = true, panel = true;
  st.feldEscape = [&] { return std::exchange(feld, false); };
  st.bearbeitungspanelAbbrechen = [&] { return std::exchange(panel, false); };
  st.waehleWerkzeug(wz(1));
  links(10, 10);
  ASSERT_EQ(st.zustand().punkte.size(), 1u);
  ASSERT_TRUE(st.zustand().bezug);

  escape();  // the field
  EXPECT_TRUE(st.zustand().bezug);
  escape();  // the panel, with the reference
  EXPECT_FALSE(st.zustand().bezug);
  EXPECT_EQ(st.zustand().punkte.size(), 1u);
  const int vorher = neuZeichnungen;
  escape();
  EXPECT_EQ(st.zustand().werkzeug, wz(1));
  EXPECT_EQ(st.zustand().schritt, 1);
  EXPECT_TRUE(st.zustand().punkte.empty());
  EXPECT_EQ(neuZeichnungen, vorher + 1);
  escape();
  EXPECT_EQ(st.zustand().werkzeug, wz(100));
  EXPECT_EQ(st.zustand().schritt, 1);
}

// --- Scrolling --------------------------------------------------------------

TEST(Rollschritt, IsAnEighthOfTheAreaInWorldMillimetresRoundedAndAtLeastOne) {
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(800, 1.0), 100);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(804, 1.0), 101);  // 100.5 -> 101
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(800, 0.5), 50);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(3, 1.0), 1);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(0, 1.0), 1);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(100, std::nan("")), 1);
}

}  // namespace
}  // namespace quarzel::test
