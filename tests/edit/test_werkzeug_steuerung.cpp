// The tool state machine driven headless through its event structs.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "edit/treffertest.h"
#include "test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using G = Werkzeuggruppe;

TEST(Werkzeuggruppen, EveryRangeOfTheDispatchTableReachesItsModuleAndGapsReachNone) {
  const std::pair<G, std::vector<int>> bereiche[] = {
      {G::Linien, {1, 8, 10, 12, 14, 15, 25, 26, 28, 29, 36, 42, 47, 53, 55, 135, 800, 802, 810, 813, 816}},
      {G::Flaechen, {9, 16, 24, 30, 35, 37, 38, 48, 52, 56}},
      {G::Trimmen, {101, 106, 121, 129, 137, 144}},
      {G::Bearbeiten, {100, 107, 108, 110, 112, 114, 120, 130, 131, 139, 142, 600, 602, 604, 606}},
      {G::Konstruktion, {200, 204, 206, 213, 803, 809, 811, 812}},
      {G::Messen, {300, 319}},
      {G::Verlaeufe, {400, 407}},
      {G::Bitmaps, {450, 457}},
      {G::Text, {500, 502, 508}},
      {G::Waende, {700, 706}},
      {G::Keine, {0, 13, 27, 39, 57, 109, 113, 132, 134, 143, 205, 320, 501, 603, 607, 608, 817, 901, 65535}}};
  for (const auto& [gruppe, werkzeuge] : bereiche)
    for (int w : werkzeuge) EXPECT_EQ(werkzeuggruppe(w), gruppe) << w;
}

TEST_F(Werkzeugtest, AToolWithoutModuleDoesNothingOnClicks) {
  st.waehleWerkzeug(132);
  links(10, 10);
  bewegen(20, 20);
  for (const Protokollmodul& m : module) EXPECT_EQ(m.anzahl("punkt"), 0);
}

// --- Tool start --------------------------------------------------------------

TEST_F(Werkzeugtest, ToolStartExpectsTheFirstPointWithoutReferenceAndSetsUpXorFeedback) {
  st.zustand().bezug = Weltpunkt{7, 0};
  st.zustand().schritt = 3;
  st.waehleWerkzeug(1);
  EXPECT_EQ(st.zustand().werkzeug, 1);
  EXPECT_EQ(st.zustand().schritt, 1);
  EXPECT_FALSE(st.zustand().bezug);
  EXPECT_EQ(canvas.zustand.modus, Stiftmodus::Xor);
  EXPECT_TRUE(canvas.zustand.pinsel.keinPinsel);
  EXPECT_EQ(canvas.zustand.stift.breitePixel, 1);
  EXPECT_EQ(st.zustand().letztesZeichenwerkzeug, 1);
  EXPECT_GE(modul(G::Linien).anzahl("rueckmeldungLoeschen"), 1);
}

TEST_F(Werkzeugtest, MirroringStartsWithoutErasingTheFeedback) {
  st.waehleWerkzeug(601);
  modul(G::Bearbeiten).aufrufe.clear();
  st.startparameter();
  EXPECT_EQ(modul(G::Bearbeiten).anzahl("rueckmeldungLoeschen"), 0);
}

TEST_F(Werkzeugtest, StructureCheckRunsAtMostEveryFifteenSeconds) {
  int pruefungen = 0;
  st.strukturPruefen = [&] { ++pruefungen; };
  st.waehleWerkzeug(1);
  EXPECT_EQ(pruefungen, 1);
  uhr.jetzt += 15000;
  st.waehleWerkzeug(2);
  EXPECT_EQ(pruefungen, 1);
  uhr.jetzt += 1;
  st.waehleWerkzeug(3);
  EXPECT_EQ(pruefungen, 2);
}

TEST_F(Werkzeugtest, AutosaveCheckIsSkippedForSelectAndMovePoint) {
  int pruefungen = 0;
  st.autosicherungPruefen = [&] { ++pruefungen; };
  for (int w : {100, 119, 39}) st.waehleWerkzeug(w);
  EXPECT_EQ(pruefungen, 0);
  st.waehleWerkzeug(1);
  EXPECT_EQ(pruefungen, 1);
}

TEST_F(Werkzeugtest, PanelsFollowTheTool) {
  std::vector<std::uint16_t> gezeigt;
  st.panelsZeigen = [&](std::uint16_t w) { gezeigt.push_back(w); };
  st.waehleWerkzeug(313);
  st.pfeilaktiv();
  EXPECT_EQ(gezeigt, (std::vector<std::uint16_t>{313, 100}));
}

// --- Mouse -------------------------------------------------------------------

TEST_F(Werkzeugtest, LeftClickReachesTheModuleSnappedOrConvertedByTheView) {
  st.waehleWerkzeug(9);
  links(10, 20);
  const Weltpunkt erwartet = z.ansicht.pixelToWorld(10, 20);
  EXPECT_EQ(modul(G::Flaechen).orte.back().x, erwartet.x);
  EXPECT_EQ(modul(G::Flaechen).orte.back().y, erwartet.y);

  st.fangen = [](int x, int y) { return Weltpunkt{double(x) + 0.5, double(y) + 0.25}; };
  st.waehleWerkzeug(1);
  st.mausGedrueckt({12, 34, Maustaste::Links, {true, false, true}});
  ASSERT_EQ(modul(G::Linien).anzahl("punkt"), 1);
  EXPECT_EQ(modul(G::Linien).orte.back().x, 12.5);
  EXPECT_EQ(modul(G::Linien).orte.back().y, 34.25);
  EXPECT_TRUE(st.zustand().umschaltung.shift);
  EXPECT_TRUE(st.zustand().umschaltung.alt);
  EXPECT_FALSE(st.zustand().umschaltung.strg);
}

TEST_F(Werkzeugtest, PanelDrivenToolsIgnoreLeftClicks) {
  st.waehleWerkzeug(600);
  links(5, 5);
  EXPECT_EQ(modul(G::Bearbeiten).anzahl("punkt"), 0);
  EXPECT_TRUE(panelgesteuert(608) && panelgesteuert(609) && panelgesteuert(610));
}

TEST_F(Werkzeugtest, MiddleButtonStartsPanning) {
  Pixelpunkt start{-1, -1};
  st.verschiebenStarten = [&](double x, double y) { start = {x, y}; };
  st.waehleWerkzeug(1);
  st.mausGedrueckt({40, 50, Maustaste::Mitte, {}});
  EXPECT_TRUE(st.verschiebenAktiv());
  EXPECT_EQ(start.x, 40);
  EXPECT_EQ(start.y, 50);
  EXPECT_EQ(modul(G::Linien).anzahl("punkt"), 0);
  st.mausLosgelassen({40, 50, Maustaste::Mitte, {}});
  EXPECT_FALSE(st.verschiebenAktiv());
}

TEST_F(Werkzeugtest, RightButtonAfterPointsGoesToTheModule) {
  st.waehleWerkzeug(8);
  links(5, 5);
  rechts(6, 6);
  EXPECT_EQ(modul(G::Linien).anzahl("zweiteTaste"), 1);
}

TEST_F(Werkzeugtest, RightButtonOnAnElementMarksItAndActivatesTheSelectToolOnEmptyPlaceNothing) {
  const std::int32_t a = linie(z.speicher, 4800, 4900, 4900, 4900);
  const std::int32_t b = linie(z.speicher, 4800, 5000, 4900, 5000);
  z.speicher.setzeMarkiert(b, 1);
  st.elementUnterCursor = [this](double x, double y) { return trefferTest(z, x, y); };
  int rahmen = 0;
  st.markierrahmenZeichnen = [&] { ++rahmen; };
  st.waehleWerkzeug(1);
  rechts(5, 5);
  EXPECT_EQ(st.zustand().werkzeug, 1);
  EXPECT_EQ(modul(G::Linien).anzahl("zweiteTaste"), 0);

  const Pixelpunkt p = z.ansicht.worldToPixel(4850, 4901);
  rechts(p.x, p.y);
  EXPECT_EQ(st.zustand().werkzeug, 100);
  EXPECT_EQ(z.speicher.markiert(a), 1);
  EXPECT_EQ(z.speicher.markiert(b), 0);
  EXPECT_EQ(rahmen, 1);
}

TEST_F(Werkzeugtest, RightButtonAbortsTheOriginToolsAndCancelsMovePanels) {
  int abgebrochen = 0;
  st.bearbeitungspanelAbbrechen = [&] { return ++abgebrochen > 0; };
  st.waehleWerkzeug(600);
  rechts(5, 5);
  EXPECT_EQ(abgebrochen, 1);
}

TEST_F(Werkzeugtest, FreehandCollectsEveryPositionInGreen) {
  // The state machine collects the stroke itself, whatever the module does.
  st.setzeModul(Werkzeuggruppe::Linien, nullptr);
  st.waehleWerkzeug(40);
  links(10, 10);
  bewegen(11, 12);
  bewegen(12, 14);
  loslassen(12, 14);
  bewegen(30, 30);  // button up: no more points
  EXPECT_EQ(st.zustand().punkte.size(), 3u);
  EXPECT_EQ(canvas.anzahlPixel(rgb(0, 128, 0)), 3u);
  EXPECT_EQ(canvas.zustand.modus, Stiftmodus::Xor);
}

TEST_F(Werkzeugtest, MouseMoveReachesTheModuleOfTheActiveTool) {
  st.waehleWerkzeug(17);
  bewegen(3, 4);
  EXPECT_EQ(modul(G::Flaechen).anzahl("bewegung"), 1);
  EXPECT_EQ(modul(G::Linien).anzahl("bewegung"), 0);
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

TEST_F(Werkzeugtest, PlatformDoubleClicksGoToOtherToolsOnly) {
  st.waehleWerkzeug(8);
  st.mausDoppelklick({5, 5, Maustaste::Links, {}});
  EXPECT_EQ(modul(G::Linien).anzahl("doppelklick"), 1);
  st.pfeilaktiv();
  st.mausDoppelklick({5, 5, Maustaste::Links, {}});
  EXPECT_EQ(modul(G::Bearbeiten).anzahl("doppelklick"), 0);
}

// --- Escape ------------------------------------------------------------------

TEST_F(Werkzeugtest, EachEscapeUndoesOneThingInItsOrder) {
  // Field, edit panel, collected point, and only then the tool.
  bool feld = true, panel = true;
  st.feldEscape = [&] { return std::exchange(feld, false); };
  st.bearbeitungspanelAbbrechen = [&] { return std::exchange(panel, false); };
  st.waehleWerkzeug(1);
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
  EXPECT_EQ(st.zustand().werkzeug, 1);
  EXPECT_EQ(st.zustand().schritt, 1);
  EXPECT_TRUE(st.zustand().punkte.empty());
  EXPECT_EQ(neuZeichnungen, vorher + 1);
  escape();
  EXPECT_EQ(st.zustand().werkzeug, 100);
  EXPECT_EQ(st.zustand().schritt, 1);
}

TEST_F(Werkzeugtest, EscapeOfAuxiliaryLineAndMultiPointToolsAbortsTheirModules) {
  const std::pair<int, G> faelle[] = {{800, G::Linien},  {25, G::Linien},  {311, G::Messen},    {9, G::Flaechen},
                                      {35, G::Flaechen}, {702, G::Waende}, {107, G::Bearbeiten}};
  for (auto [w, g] : faelle) {
    st.waehleWerkzeug(w);
    if (w != 800) st.zustand().schritt = 2;  // the auxiliary line aborts even at its first point
    const int vorher = modul(g).anzahl("abbrechen");
    escape();
    EXPECT_EQ(modul(g).anzahl("abbrechen"), vorher + 1) << w;
    EXPECT_EQ(st.zustand().werkzeug, w);
  }
}

TEST_F(Werkzeugtest, CancelButtonAbortsTheModuleAndKeepsTheTool) {
  st.waehleWerkzeug(1);
  links(10, 10);
  st.funktionsabbruch();
  EXPECT_EQ(modul(G::Linien).anzahl("abbrechen"), 1);
  EXPECT_EQ(st.zustand().werkzeug, 1);
  EXPECT_EQ(st.zustand().schritt, 1);
}

TEST_F(Werkzeugtest, LeavingTheNumericPanelResetsTheReference) {
  st.zustand().bezug = Weltpunkt{3, 0};
  st.panelVerlassen();
  EXPECT_FALSE(st.zustand().bezug);
}

// --- Other keys --------------------------------------------------------------

TEST(Rollschritt, IsAnEighthOfTheAreaInWorldMillimetresRoundedAndAtLeastOne) {
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(800, 1.0), 100);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(804, 1.0), 101);  // 100.5 -> 101
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(800, 0.5), 50);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(3, 1.0), 1);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(0, 1.0), 1);
  EXPECT_EQ(Werkzeugsteuerung::rollschritt(100, std::nan("")), 1);
}

TEST_F(Werkzeugtest, ArrowKeysScrollByOneStep) {
  const std::int32_t x0 = z.ansicht.viewOriginX, y0 = z.ansicht.viewOriginY;
  std::vector<std::uint32_t> pausen;
  st.pause = [&](std::uint32_t ms) { pausen.push_back(ms); };
  EXPECT_TRUE(st.taste({Taste::Rechts}));
  EXPECT_EQ(z.ansicht.viewOriginX, x0 + 100);
  EXPECT_TRUE(st.taste({Taste::Num2}));
  EXPECT_EQ(z.ansicht.viewOriginY, y0 + 75);
  EXPECT_TRUE(st.taste({Taste::Num7}));
  EXPECT_EQ(z.ansicht.viewOriginX, x0);
  EXPECT_EQ(z.ansicht.viewOriginY, y0);
  EXPECT_EQ(pausen, (std::vector<std::uint32_t>{100, 100, 100}));
}

TEST_F(Werkzeugtest, ScrollKeysArrivingDuringAStepAreDropped) {
  const std::int32_t x0 = z.ansicht.viewOriginX;
  int verschachtelt = 0;
  st.pause = [&](std::uint32_t) {
    // The window processes its events during the pause: a key arrives.
    EXPECT_TRUE(st.beschaeftigt());
    ++verschachtelt;
    st.taste({Taste::Rechts});
  };
  st.taste({Taste::Rechts});
  EXPECT_EQ(verschachtelt, 1);
  EXPECT_EQ(z.ansicht.viewOriginX, x0 + 100);
  EXPECT_FALSE(st.beschaeftigt());
}

TEST_F(Werkzeugtest, PageAndNumpadKeysChangePlanPartZoomAndFitOtherKeysAreLeftToTheWindow) {
  std::vector<int> richtungen;
  int alles = 0, eingefangen = 0;
  st.planteilWechseln = [&](int r) { richtungen.push_back(r); };
  st.allesZeigen = [&] { ++alles; };
  st.cursorEinfangen = [&] { ++eingefangen; };
  st.taste({Taste::BildHoch});
  st.taste({Taste::BildRunter});
  EXPECT_EQ(richtungen, (std::vector<int>{1, -1}));

  const double zoom = z.ansicht.zoom;
  st.taste({Taste::NumPlus});
  EXPECT_LT(z.ansicht.zoom, zoom);
  EXPECT_EQ(eingefangen, 1);
  st.taste({Taste::NumMinus});
  EXPECT_NEAR(z.ansicht.zoom, zoom, 1e-9);
  EXPECT_EQ(eingefangen, 1);
  st.taste({Taste::Num0});
  EXPECT_EQ(alles, 1);

  EXPECT_FALSE(st.taste({Taste::Enter}));
  EXPECT_FALSE(st.taste({Taste::Sonstige}));
}

}  // namespace
}  // namespace quarzel::test
