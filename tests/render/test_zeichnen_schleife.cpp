// The element loop: which elements reach the canvas (undo state, layers,
// display switches, group culling, symbols), the hooks of the window
// (copies in the fast refresh mode, progress, abort), the drawn-on-screen
// flag, the background pass and the canvas state left behind.
#include <gtest/gtest.h>

#include "test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenSchleife = Zeichnen;

TEST_F(ZeichnenSchleife, DeletedAndUndoneElementsAreNotDrawn) {
  const std::int32_t lebend = linie(10, 10, 100, 10);
  const std::int32_t geloescht = linie(10, 20, 100, 20);
  const std::int32_t rueckgaengig = linie(10, 30, 100, 30);
  const std::int32_t verworfen = linie(10, 40, 100, 40);
  z.speicher.setzeZustand(geloescht, static_cast<std::int8_t>(-z.speicher.undoStufe()));
  z.speicher.setzeZustand(rueckgaengig, static_cast<std::int8_t>(z.speicher.undoStufe() + 1));
  z.speicher.setzeZustand(verworfen, 0);

  EXPECT_EQ(zeichne(), 1);
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].punkte[0].y, 10);
  const Zeichenkontext k = kontext();
  EXPECT_TRUE(isDrawable(k, lebend));
  EXPECT_FALSE(isDrawable(k, geloescht));
  EXPECT_FALSE(isDrawable(k, rueckgaengig));
  EXPECT_FALSE(isDrawable(k, 0));
  EXPECT_FALSE(isDrawable(k, 99));
}

TEST_F(ZeichnenSchleife, LeavesBlackOnePixelPenWhiteBrushAndCopyMode) {
  EXPECT_EQ(zeichne(1, 0), 0);  // also an empty drawing restores the canvas
  ASSERT_FALSE(canvas.stifte.empty());
  EXPECT_EQ(canvas.stifte.back(), (Aufzeichnungscanvas::Stift{rgb(0, 0, 0), 1}));
  canvas.leeren();

  Tliniendaten d;
  d.x2 = 100;
  d.farbe = rgb(0, 0, 255);
  d.stift = 5;
  linie(d);
  canvas.setzeStiftmodus(Stiftmodus::Weiss);
  zeichne();
  // The element is drawn in the mode the caller chose (erasing), only then restored.
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].zustand.modus, Stiftmodus::Weiss);
  EXPECT_EQ(canvas.zustand.stift, (Aufzeichnungscanvas::Stift{rgb(0, 0, 0), 1}));
  EXPECT_EQ(canvas.zustand.pinsel, (Aufzeichnungscanvas::Pinsel{rgb(255, 255, 255), false}));
  EXPECT_EQ(canvas.zustand.modus, Stiftmodus::Kopieren);
}

TEST_F(ZeichnenSchleife, FastRefreshCopiesAfterEveryFifthAndAtTheEnd) {
  for (int i = 0; i < 1001; ++i) linie(10, 1 + i * 0.5, 200, 1 + i * 0.5);
  Zeichenumgebung u = umgebung();
  u.schnellerRefresh = true;
  EXPECT_EQ(zeichne(u, 1, 1001), 1001);
  // (1001 − 1) / 5 = 200: a copy each time more than 200 were drawn, one at the end.
  EXPECT_EQ(beobachter.kopienBei, (std::vector<std::size_t>{201, 402, 603, 804, 1001}));
  beobachter.kopienBei.clear();
  zeichne();  // the slow mode never copies
  EXPECT_TRUE(beobachter.kopienBei.empty());
}

TEST_F(ZeichnenSchleife, CopiesCountOnlyDrawnElements) {
  for (int i = 0; i < 100; ++i) linie(10, 1 + i, 200, 1 + i);
  for (int n = 1; n <= 100; n += 2) z.speicher.setzeZustand(n, 0);
  Zeichenumgebung u = umgebung();
  u.schnellerRefresh = true;
  zeichne(u, 1, 100);
  // 99 / 5 = 19: copies after 20 and 40 drawn elements, then the final one.
  EXPECT_EQ(beobachter.kopienBei, (std::vector<std::size_t>{20, 40, 50}));
}

TEST_F(ZeichnenSchleife, AbortFlagStopsBeforeTheNextElement) {
  for (int i = 0; i < 10; ++i) linie(10, 1 + i, 200, 1 + i);
  bool abbruch = true;
  Zeichenumgebung u = umgebung();
  u.abbruch = &abbruch;
  EXPECT_EQ(zeichne(u), 0);
  EXPECT_TRUE(canvas.polylinien.empty());
  EXPECT_EQ(canvas.zustand.stift.farbe, rgb(0, 0, 0));
}

TEST_F(ZeichnenSchleife, ObserverCanStopALongRedraw) {
  for (int i = 0; i < 2000; ++i) linie(10, 1 + i * 0.2, 200, 1 + i * 0.2);
  beobachter.abbrechenNach = 2;
  const std::int32_t n = zeichne();
  EXPECT_GT(n, 0);
  EXPECT_LT(n, 2000);
}

TEST_F(ZeichnenSchleife, ProgressOnlyForLongRedrawsAndOnlyOnChange) {
  for (int i = 0; i < 100; ++i) linie(10, 1 + i, 200, 1 + i);
  zeichne();
  EXPECT_TRUE(beobachter.prozente.empty());
  for (int i = 0; i < 30000; ++i) linie(1000, 1000, 1001, 1001);
  zeichne();
  ASSERT_FALSE(beobachter.prozente.empty());
  EXPECT_EQ(beobachter.prozente.front(), 0);
  EXPECT_EQ(beobachter.prozente.back(), 100);
  EXPECT_LE(beobachter.prozente.size(), 101u);
}

TEST_F(ZeichnenSchleife, HiddenLayerAndSublayerAreNotDrawn) {
  z.ebenen.fuegeFolieAn(1, "Möbel");
  z.ebenen.fuegeEbeneAn("Details");
  z.ebenen.fuegeFolieAn(2, "");
  Tliniendaten d;
  d.x2 = 100;
  d.y1 = d.y2 = 10;
  linie(d);
  d.y1 = d.y2 = 20;
  d.folie = 2;
  const std::int32_t aufFolie2 = linie(d);
  d.y1 = d.y2 = 30;
  d.planteil = 2;
  d.folie = 1;
  const std::int32_t aufEbene2 = linie(d);
  z.ebenen.setzeFolienzustand(1, 2, FolieAusgeblendet);
  z.ebenen.modus = Sichtbarkeitsmodus::NurAktive;

  EXPECT_EQ(zeichne(), 1);
  const Zeichenkontext k = kontext();
  EXPECT_FALSE(isDrawable(k, aufFolie2));
  EXPECT_FALSE(isDrawable(k, aufEbene2));
  z.ebenen.allesSichtbar = true;
  EXPECT_EQ(zeichne(), 3);
}

TEST_F(ZeichnenSchleife, DisplaySwitchesHideTheirCategory) {
  Tliniendaten d;
  d.x2 = 100;
  d.y1 = d.y2 = 10;
  linie(d);
  d.y1 = d.y2 = 20;
  d.stift = kHilfslinienstift;
  linie(d);
  d.y1 = d.y2 = 30;
  d.stift = 1;
  d.anfang = 21;
  linie(d);

  EXPECT_EQ(zeichne(), 3);
  schalter.linien = false;
  EXPECT_EQ(zeichne(), 2);
  schalter.hilfslinien = false;
  EXPECT_EQ(zeichne(), 1);
  schalter.markerpunkte = false;
  EXPECT_EQ(zeichne(), 0);
  schalter.linien = true;
  EXPECT_EQ(zeichne(), 1);
}

TEST_F(ZeichnenSchleife, WithoutLineStylesEveryLineIsContinuous) {
  Tliniendaten d;
  d.x2 = 40;
  d.y1 = d.y2 = 10;
  d.stift = 1;
  d.linienstil = 2;  // dashed; at 0.1 mm per pixel the dashes are several pixels long
  linie(d);
  zeichne(1, -1, 0.1);
  EXPECT_FALSE(canvas.mehrfachlinien.empty()) << "dashes go out as one multi-polyline";
  canvas.leeren();
  schalter.linienstile = false;
  zeichne(1, -1, 0.1);
  EXPECT_TRUE(canvas.mehrfachlinien.empty());
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].punkte.size(), 2u);
}

TEST_F(ZeichnenSchleife, WallLinesOfTheFirstFlavourAreNotDrawn) {
  Tliniendaten d;
  d.x2 = 100;
  linie(d, Elementart::Wandlinie1);
  d.y1 = d.y2 = 10;
  linie(d, Elementart::Wandlinie2);
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].punkte[0].y, 10);
}

TEST_F(ZeichnenSchleife, OnlyAnOutermostGroupWhollyOutsideTheViewIsSkipped) {
  // The box says "far away"; the members lie in view all the same, so only
  // the culling can keep them off the canvas.
  gruppe("", {5000, 5000, 5100, 5100});
  linie(10, 10, 100, 10);
  gruppe("", {0, 0, 50, 50});  // an inner group in view does not bring it back
  linie(10, 20, 100, 20);
  gruppenende();
  gruppenende();
  linie(10, 30, 100, 30);
  // Only the outermost box counts: an inner box far away keeps nothing out.
  gruppe("", {0, 0, 200, 200});
  gruppe("", {5000, 5000, 5100, 5100});
  linie(10, 40, 100, 40);
  gruppenende();
  gruppenende();
  // A group without a box or partly in view is drawn.
  gruppe("", {0, 0, 0, 0});
  linie(10, 50, 100, 50);
  gruppenende();
  gruppe("", {700, 500, 5000, 5000});
  linie(10, 60, 100, 60);
  gruppenende();
  // The range to draw is clipped to the store.
  EXPECT_EQ(zeichne(-5, 100000), 4);
  ASSERT_EQ(canvas.polylinien.size(), 4u);
  EXPECT_EQ(canvas.polylinien[0].punkte[0].y, 30);
}

TEST_F(ZeichnenSchleife, CulledGroupOnlyAtItsOwnEnd) {
  // A deleted group end inside must not end the skipped range early.
  gruppe("", {5000, 5000, 5100, 5100});
  linie(10, 10, 100, 10);
  const std::int32_t totesEnde = gruppenende();
  z.speicher.setzeZustand(totesEnde, 0);
  linie(10, 20, 100, 20);
  gruppenende();
  linie(10, 30, 100, 30);
  EXPECT_EQ(zeichne(), 1);
}

TEST_F(ZeichnenSchleife, SymbolContentsOnlyWithTheSymbolSwitch) {
  gruppe("Architektur\\Tisch.qzs", {0, 0, 200, 200});
  linie(10, 10, 100, 10);
  gruppenende();
  gruppe("Tisch", {0, 0, 200, 200});  // a named group is no symbol
  linie(10, 20, 100, 20);
  gruppenende();
  EXPECT_EQ(zeichne(), 2);
  schalter.symbole = false;
  EXPECT_EQ(zeichne(), 1);
}

TEST_F(ZeichnenSchleife, MarkedElementsInTheMarkingColour) {
  Tliniendaten d;
  d.x2 = 100;
  d.farbe = rgb(0, 0, 255);
  const std::int32_t n = linie(d);
  z.speicher.setzeMarkiert(n, 1);
  darstellung.markierfarbe = rgb(0, 255, 0);
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].zustand.stift.farbe, rgb(0, 255, 0));

  canvas.leeren();
  darstellung.markierteEinfaerben = false;
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].zustand.stift.farbe, rgb(0, 0, 255));
}

TEST_F(ZeichnenSchleife, GreyLayersInGrey) {
  Tliniendaten d;
  d.x2 = 100;
  d.farbe = rgb(0, 0, 255);
  const std::int32_t n = linie(d);
  z.ebenen.setzeAnzeigezustand(1, AnzeigeGrau);
  const Zeichenkontext k = kontext();
  EXPECT_NE(k.elementfarbe(n, d.farbe), d.farbe);
  z.ebenen.setzeAnzeigezustand(1, 0);
  EXPECT_EQ(k.elementfarbe(n, d.farbe), d.farbe);
}

TEST_F(ZeichnenSchleife, DrawnOnScreenFlagOnlyForTheWindowImage) {
  const std::int32_t sichtbar = linie(10, 10, 100, 10);
  const std::int32_t versteckt = linie(10, 20, 100, 20);
  z.speicher.linie(versteckt).stift = kHilfslinienstift;
  schalter.hilfslinien = false;
  zeichne();
  EXPECT_EQ(z.speicher.flag(kFlagspalteGezeichnet, sichtbar), 0);
  Zeichenumgebung u = umgebung();
  u.bildspeicher = &z.speicher;
  zeichne(u);
  EXPECT_EQ(z.speicher.flag(kFlagspalteGezeichnet, sichtbar), 1);
  EXPECT_EQ(z.speicher.flag(kFlagspalteGezeichnet, versteckt), 0);
}

TEST_F(ZeichnenSchleife, FillsInTheBackgroundComeBeforeEverythingElse) {
  linie(0, 50, 300, 50);
  Fuellangaben f;
  f.gefuellt = 1;
  f.fuellwert = rgb(200, 0, 0);
  polygon({{10, 10}, {200, 10}, {200, 100}, {10, 100}}, f);
  zeichne();
  // Store order: the line, then the filled polygon over it.
  auto erstesPolygon = std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polygon");
  auto erstePolylinie = std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polylinie");
  EXPECT_LT(erstePolylinie, erstesPolygon);

  canvas.leeren();
  darstellung.flaechenInHintergrund = true;
  zeichne();
  erstesPolygon = std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polygon");
  erstePolylinie = std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polylinie");
  EXPECT_LT(erstesPolygon, erstePolylinie);
  EXPECT_EQ(canvas.polygone.size(), 1u);    // the interior once
  EXPECT_EQ(canvas.polylinien.size(), 2u);  // line and outline once each
}

}  // namespace
}  // namespace quarzel::test
