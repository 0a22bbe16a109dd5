// The element loop: which elements reach the canvas (undo state, layers,
// display switches, group culling, symbols), the marking colour and the
// background pass.
#include <gtest/gtest.h>

#include "render/zustandsfilter.h"
#include "support/render/test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenSchleife = Zeichnen;

TEST_F(ZeichnenSchleife, OnlyLiveVisibleElementsOutsideCulledGroupsAreDrawn) {
  // Each case builds a drawing of lines at y = 10, 20, …; the lines that reach
  // the canvas and the y of the first one.
  struct Fall {
    const char* name;
    std::function<void()> aufbau;
    std::int32_t gezeichnet;  // the loop's count; a wall line of the first flavour counts without a figure
    std::size_t figuren;
    double erstesY;
    bool proElement;  // isDrawable, used outside the loop, must agree
  };
  const auto versteckt = [&] {
    z.ebenen.fuegeFolieAn(1, "Möbel");
    z.ebenen.fuegeEbeneAn("Details");
    linie(10, 10, 100, 10);
    z.speicher.setzeFolie(linie(10, 20, 100, 20), 2);
    z.speicher.setzePlanteil(linie(10, 30, 100, 30), 2);
    z.ebenen.setzeFolienzustand(1, 2, FolieAusgeblendet);
    z.ebenen.modus = Sichtbarkeitsmodus::NurAktive;
  };
  const Fall faelle[] = {
      {"deleted, undone and discarded",
       [&] {
         linie(10, 10, 100, 10);
         for (const std::int8_t zustand :
              {std::int8_t(-z.speicher.undoStufe()), std::int8_t(z.speicher.undoStufe() + 1), std::int8_t(0)})
           z.speicher.setzeZustand(linie(10, 20, 100, 20), zustand);
       },
       1, 1, 10, true},
      {"hidden sublayer, layer not active", versteckt, 1, 1, 10, true},
      {"hidden but all shown",
       [&] {
         versteckt();
         z.ebenen.allesSichtbar = true;
       },
       3, 3, 10, true},
      {"wall lines of the first flavour",
       [&] {
         linie({.x2 = 100}, Elementart::Wandlinie1);
         linie({.y1 = 10, .x2 = 100, .y2 = 10}, Elementart::Wandlinie2);
       },
       2, 1, 10, false},
      // The box says "far away"; the members lie in view all the same, so only
      // the culling can keep them off the canvas. Only the outermost box counts.
      {"outermost group wholly outside",
       [&] {
         gruppe("", {5000, 5000, 5100, 5100});
         linie(10, 10, 100, 10);
         gruppe("", {0, 0, 50, 50});
         linie(10, 20, 100, 20);
         gruppenende();
         gruppenende();
         linie(10, 30, 100, 30);
         gruppe("", {0, 0, 200, 200});
         gruppe("", {5000, 5000, 5100, 5100});
         linie(10, 40, 100, 40);
         gruppenende();
         gruppenende();
         gruppe("", {0, 0, 0, 0});  // no box
         linie(10, 50, 100, 50);
         gruppenende();
         gruppe("", {700, 500, 5000, 5000});  // partly in view
         linie(10, 60, 100, 60);
         gruppenende();
       },
       4, 4, 30, false},
      // A deleted group end inside must not end the skipped range early.
      {"culled group ends at its own end",
       [&] {
         gruppe("", {5000, 5000, 5100, 5100});
         linie(10, 10, 100, 10);
         z.speicher.setzeZustand(gruppenende(), 0);
         linie(10, 20, 100, 20);
         gruppenende();
         linie(10, 30, 100, 30);
       },
       1, 1, 30, false},
      // A box that only touches the canvas edge is in view.
      {"groups touching the edges",
       [&] {
         double y = 10;
         for (const auto& r :
              {std::array<double, 4>{-100, 0, 0, 50}, {799, 0, 900, 50}, {0, -100, 50, 0}, {0, 599, 50, 700}}) {
           gruppe("", r);
           linie(10, y, 100, y);
           gruppenende();
           y += 10;
         }
       },
       4, 4, 10, false},
      {"symbol contents without the symbol switch",
       [&] {
         gruppe("Architektur\\Tisch.qzs", {0, 0, 200, 200});
         linie(10, 10, 100, 10);
         gruppenende();
         gruppe("Tisch", {0, 0, 200, 200});  // a named group is no symbol
         linie(10, 20, 100, 20);
         gruppenende();
         schalter.symbole = false;
       },
       1, 1, 20, false},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    z = Zeichnung();
    initialisiere(z.speicher);
    z.speicher.beginneSchritt();
    schalter = {};
    canvas.leeren();
    f.aufbau();
    // The range to draw is clipped to the store.
    EXPECT_EQ(zeichne(umgebung(), -5, 100000), f.gezeichnet);
    ASSERT_EQ(canvas.polylinien.size(), f.figuren);
    EXPECT_EQ(canvas.polylinien[0].punkte[0].y, f.erstesY);
    if (!f.proElement) continue;
    const Zeichenkontext k = kontext();
    std::int32_t zeichenbar = 0;
    for (std::int32_t n = 0; n <= z.speicher.anzahl() + 1; ++n) zeichenbar += isDrawable(k, n);
    EXPECT_EQ(zeichenbar, f.gezeichnet);
  }
}

TEST_F(ZeichnenSchleife, DisplaySwitchesHideTheirCategory) {
  // A plain line, a construction line and a marker point (start code 21); the
  // loop and isDrawable (used outside the loop) must agree on each.
  const std::int32_t einfach = linie({.y1 = 10, .x2 = 100, .y2 = 10});
  const std::int32_t hilfslinie = linie({.y1 = 20, .x2 = 100, .y2 = 20, .stift = kHilfslinienstift});
  const std::int32_t marker = linie({.y1 = 30, .x2 = 100, .y2 = 30, .stift = 1, .anfang = 21});
  // Each switch hides only its own category.
  for (const std::tuple<bool, bool, bool>& an : {std::tuple(true, true, true),
                                                 {false, true, true},
                                                 {false, false, true},
                                                 {false, false, false},
                                                 {true, false, false}}) {
    std::tie(schalter.linien, schalter.hilfslinien, schalter.markerpunkte) = an;
    const auto [l, h, m] = an;
    EXPECT_EQ(zeichne(), l + h + m);
    const Zeichenkontext k = kontext();
    EXPECT_EQ(std::tuple(isDrawable(k, einfach), isDrawable(k, hilfslinie), isDrawable(k, marker)), an);
  }
  // Of the circles the switch hides the construction circles only.
  const auto kreis = [this](std::uint8_t stift) {
    const std::int32_t n = z.speicher.neuerBogen({.xm = 50, .ym = 50, .xr = 10, .yr = 10});
    z.speicher.bogen(n).stift = stift;
    fertig(n);
    return n;
  };
  const std::int32_t gewoehnlich = kreis(1), hilfskreis = kreis(kHilfslinienstift);
  schalter.hilfslinien = false;
  const Zeichenkontext k = kontext();
  EXPECT_EQ(std::pair(isDrawable(k, gewoehnlich), isDrawable(k, hilfskreis)), std::pair(true, false));
}

TEST_F(ZeichnenSchleife, MarkedElementsInTheMarkingColour) {
  const Tliniendaten d{.x2 = 100, .farbe = rgb(0, 0, 255)};
  const std::int32_t n = linie(d);
  z.speicher.setzeMarkiert(n, 1);
  darstellung.markierfarbe = rgb(0, 255, 0);
  zeichne();
  darstellung.markierteEinfaerben = false;
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 2u);
  EXPECT_EQ(std::tuple(canvas.polylinien[0].zustand.stift.farbe, canvas.polylinien[1].zustand.stift.farbe),
            std::tuple(rgb(0, 255, 0), rgb(0, 0, 255)));
  // Grey layers draw in grey.
  const Zeichenkontext k = kontext();
  z.ebenen.setzeAnzeigezustand(1, AnzeigeGrau);
  EXPECT_NE(k.elementfarbe(n, d.farbe), d.farbe);
  z.ebenen.setzeAnzeigezustand(1, 0);
  EXPECT_EQ(k.elementfarbe(n, d.farbe), d.farbe);
}

TEST_F(ZeichnenSchleife, FillsInTheBackgroundComeBeforeEverythingElse) {
  linie(0, 50, 300, 50);
  polygon({{10, 10}, {200, 10}, {200, 100}, {10, 100}}, {.fuellwert = rgb(200, 0, 0), .gefuellt = 1});
  const auto polygonZuerst = [&] {
    canvas.leeren();
    zeichne();
    const auto& p = canvas.protokoll;
    return std::find(p.begin(), p.end(), "polygon") < std::find(p.begin(), p.end(), "polylinie");
  };
  EXPECT_FALSE(polygonZuerst()) << "store order: the line, then the filled polygon over it";
  darstellung.flaechenInHintergrund = true;
  EXPECT_TRUE(polygonZuerst());
  EXPECT_EQ(canvas.polygone.size(), 1u);    // the interior once
  EXPECT_EQ(canvas.polylinien.size(), 2u);  // line and outline once each

  // Stopped during the background pass, the redraw ends there.
  struct Halt : Zeichenbeobachter {
    bool abbrechen() override { return true; }
  } halt;
  for (int i = 0; i < 300; ++i) linie(0, 60, 300, 60);
  Zeichenumgebung u = umgebung();
  u.beobachter = &halt;
  canvas.leeren();
  zeichne(u);
  EXPECT_TRUE(canvas.polylinien.empty());
}

// Only changes reach the canvas: a hollow shape after a filled one of the
// same colour still needs its brush.
TEST(Zustandsfilter, GibtNurAenderungenWeiter) {
  Aufzeichnungscanvas c;
  Zustandsfilter f(c);
  for (const bool hohl : {false, false, true}) f.setzePinsel(rgb(1, 2, 3), hohl);
  EXPECT_EQ(c.pinsel, (std::vector<Aufzeichnungscanvas::Pinsel>{{rgb(1, 2, 3), false}, {rgb(1, 2, 3), true}}));
}

}  // namespace
}  // namespace quarzel::test
