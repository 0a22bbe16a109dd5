// The select and edit tools on a real drawing: hit test, marking by click and
// frame, protection, and the edit commands as single undo steps.
#include <gtest/gtest.h>

#include <random>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/fangindex.h"
#include "edit/markierwerkzeug.h"
#include "edit/treffertest.h"
#include "support/bogenhilfen.h"
#include "support/werkzeugnummer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

class Bearbeitungstest : public Werkzeugtest {
 protected:
  void SetUp() override {
    Werkzeugtest::SetUp();
    st.setzeModul(Werkzeuggruppe::Bearbeiten, &werkzeug);
    z.speicher.beginneSchritt();
  }
  // A complete line in the current step, given in pixels of the area.
  std::int32_t linieBei(double x1, double y1, double x2, double y2) {
    const Weltpunkt a = z.ansicht.pixelToWorld(x1, y1), b = z.ansicht.pixelToWorld(x2, y2);
    return linie(z.speicher, a.x, a.y, b.x, b.y, false);
  }
  void klicke(double x, double y) {
    uhr.jetzt += 1000;
    links(x, y);
    loslassen(x, y);
  }
  void ziehe(double x1, double y1, double x2, double y2) {
    uhr.jetzt += 1000;
    links(x1, y1);
    bewegen(x2, y2);
    loslassen(x2, y2);
  }
  std::vector<std::int32_t> markierte() const {
    std::vector<std::int32_t> m;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
      if (z.speicher.markiert(n) && z.speicher.lebendig(n)) m.push_back(n);
    return m;
  }
  std::int32_t lebendige() const {
    std::int32_t k = 0;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) k += z.speicher.lebendig(n);
    return k;
  }
  const Tliniendaten& lebendeLinie(int welche) const {
    int k = 0;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
      if (z.speicher.lebendig(n) && k++ == welche) return z.speicher.linie(n);
    return z.speicher.linie(1);
  }

  Markierwerkzeug werkzeug;
};

// --- Hit test ----------------------------------------------------------------

// A filled area is picked anywhere inside, an unfilled one only on its outline.
TEST_F(Bearbeitungstest, HitTestPicksAFilledCircleInside) {
  const Weltpunkt m = z.ansicht.pixelToWorld(300, 300);
  const std::int32_t kreis = z.speicher.neuerBogen(bogendaten(m.x, m.y, 50, 50));  // zoom 1: 50 pixels
  z.speicher.vervollstaendige(kreis);
  z.speicher.setzeMarkiert(kreis, 0);
  EXPECT_EQ(trefferTest(z, 300, 251), kreis);
  EXPECT_EQ(trefferTest(z, 300, 300), 0);
  z.speicher.bogen(kreis).fuellung.gefuellt = 1;
  EXPECT_EQ(trefferTest(z, 300, 300), kreis);
  // A polygon of a single point is picked at that point.
  const Weltpunkt q = z.ansicht.pixelToWorld(100, 100);
  const std::int32_t punkt = z.speicher.neuesPolygonMitPunkten(Elementart::Polygon, {.x = {q.x}, .y = {q.y}});
  z.speicher.vervollstaendige(punkt);
  EXPECT_EQ(trefferTest(z, 102, 100), punkt);
}

TEST_F(Bearbeitungstest, HitTestThroughTheSnapIndexAgreesWithTheWalk) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> ort(0, 400), klein(-30, 30);
  for (int i = 0; i < 300; ++i) {
    const double x = ort(zufall), y = ort(zufall);
    const Weltpunkt p = z.ansicht.pixelToWorld(x, y);
    if (i % 3 == 0) {
      linieBei(x, y, x + klein(zufall), y + klein(zufall));
    } else if (i % 3 == 1) {
      const Tfliestextdaten t{.x = p.x, .y = p.y, .zeilen = {"Text"}, .formate = {}, .hoehe = 6};
      z.speicher.vervollstaendige(z.speicher.neuerText(Elementart::Text, t));
    } else {
      tmessdaten m;
      m.geometrie = {p.x, p.y, p.x + 20, p.y, p.x, p.y - 10, p.x + 20, p.y - 10};
      z.speicher.vervollstaendige(z.speicher.neueBemassung(m));
    }
  }
  Fangindex index(z.speicher);
  index.aktualisiere();
  for (int i = 0; i < 400; ++i) {
    const double x = ort(zufall), y = ort(zufall);
    EXPECT_EQ(trefferTest(z, x, y, 5, &index), trefferTest(z, x, y, 5)) << x << " " << y;
  }
}

// --- Protection --------------------------------------------------------------

TEST_F(Bearbeitungstest, ProtectedSublayerElementsAreNotChangedEvenWhenMarkedHiddenOnesNotHit) {
  z.ebenen.fuegeFolieAn(1, "Bestand");
  z.ebenen.fuegeFolieAn(1, "Aus");
  z.speicher.aktuell.folie = 2;
  const std::int32_t n = linieBei(100, 100, 200, 100);
  z.speicher.aktuell.folie = 3;
  linieBei(100, 300, 200, 300);
  z.ebenen.setzeFolienzustand(1, 2, 2);
  z.ebenen.setzeFolienzustand(1, 3, 1);
  EXPECT_EQ(trefferTest(z, 150, 300), 0);
  z.speicher.setzeMarkiert(n, 1);
  const std::int8_t stufe = z.speicher.undoStufe();
  EXPECT_EQ(verschiebeMarkierte(z, 10, 0), 0);
  EXPECT_EQ(loescheMarkierteElemente(z), 0);
  EXPECT_EQ(z.speicher.undoStufe(), stufe);
  EXPECT_TRUE(z.speicher.lebendig(n));
  EXPECT_EQ(z.speicher.linie(n).x1, z.ansicht.pixelToWorld(100, 100).x);
}

// --- Click and frame ---------------------------------------------------------

TEST_F(Bearbeitungstest, FrameLeftToRightMarksWhollyInsideElementsRightToLeftAlsoTouchingOnes) {
  const std::int32_t innen = linieBei(100, 100, 200, 100);
  const std::int32_t quer = linieBei(150, 150, 400, 150);  // sticks out
  const std::int32_t durch = linieBei(0, 120, 500, 120);   // crosses with both ends outside
  const std::int32_t kante = linieBei(60, 200, 240, 200);  // on the frame's edge, as snapping makes it
  linieBei(300, 300, 400, 300);
  linieBei(240, 10, 290, 60);  // passes the corner: only its box overlaps
  st.pfeilaktiv();
  ziehe(50, 50, 250, 200);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{innen, kante}));
  ziehe(250, 200, 50, 50);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{innen, quer, durch, kante}));
  // A frame begun before switching to the zoom tool marks nothing.
  uhr.jetzt += 1000;
  links(50, 50);
  st.waehleWerkzeug(wz(107));
  loslassen(250, 200);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{innen, quer, durch, kante}));
}

// --- Zoom and pick tools -----------------------------------------------------

TEST_F(Bearbeitungstest, EachZoomButtonChangesTheViewAsItsHintSays) {
  // Per button of 107: the pixels clicked, the zoom after them (at 1 before)
  // and where the world point under the first click lies then.
  struct Fall {
    int knopf;
    std::vector<Pixelpunkt> klicks;
    double zoom;
    Pixelpunkt danach;
  };
  const Fall faelle[] = {{0, {{100, 100}, {300, 250}}, 0.25, {0, 0}},
                         {kZoomZentriert, {{100, 100}}, 1 / Ansicht::zoomSchritt, {400, 300}},
                         {kZoomVergroessern, {{100, 100}}, 1 / Ansicht::zoomSchritt, {100, 100}},
                         {kZoomVerkleinern, {{100, 100}}, Ansicht::zoomSchritt, {100, 100}}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.knopf);
    z.ansicht = Ansicht{};
    z.ansicht.areaWidth = 800;
    z.ansicht.areaHeight = 600;
    const Weltpunkt p = z.ansicht.pixelToWorld(f.klicks[0].x, f.klicks[0].y);
    st.waehleWerkzeug(wz(107), std::uint8_t(f.knopf));
    for (const Pixelpunkt k : f.klicks) klicke(k.x, k.y);
    EXPECT_DOUBLE_EQ(z.ansicht.zoom, f.zoom);
    const Pixelpunkt jetzt = z.ansicht.worldToPixel(p.x, p.y);
    // The origin is kept in whole millimetres.
    EXPECT_NEAR(jetzt.x, f.danach.x, 1 / z.ansicht.zoom);
    EXPECT_NEAR(jetzt.y, f.danach.y, 1 / z.ansicht.zoom);
  }
}

TEST_F(Bearbeitungstest, PickToolsTakeTheValuesOfTheClickedElement) {
  Tliniendaten& l = z.speicher.linie(linieBei(100, 100, 300, 100));
  std::tie(l.stift, l.linienstil, l.farbe) = std::tuple(4, 7, rgb(1, 2, 3));
  for (const std::uint8_t gefuellt : {1, 0}) {  // circles of radius 50 about (500, 300) and (500, 100)
    const Weltpunkt m = z.ansicht.pixelToWorld(500, gefuellt ? 300 : 100);
    tbogendaten k;
    std::tie(k.xm, k.ym, k.xr, k.yr, k.stift, k.farbe) = std::tuple(m.x, m.y, 50, 50, 2, rgb(4, 5, 6));
    k.fuellung.fuellwert = rgb(7, 8, 9);
    k.fuellung.gefuellt = gefuellt;
    const std::int32_t n = z.speicher.neuerBogen(k);
    z.speicher.bogen(n) = k;
    z.speicher.vervollstaendige(n);
    z.speicher.setzeMarkiert(n, 0);
  }
  // Per tool and click: colour, pen, style and fill taken.
  struct Fall {
    int code;
    Pixelpunkt klick;
    std::optional<Farbe> farbe;
    std::optional<std::uint8_t> stift;
    std::optional<std::int16_t> stil;
    std::optional<std::uint32_t> fuellwert;
  };
  const Fall faelle[] = {{130, {200, 100}, rgb(1, 2, 3), {}, {}, {}},
                         {131, {200, 100}, rgb(1, 2, 3), 4, 7, {}},
                         {131, {500, 300}, rgb(4, 5, 6), 2, 1, rgb(7, 8, 9)},
                         {131, {550, 100}, rgb(4, 5, 6), 2, 1, {}},  // an outline leaves its fill behind
                         {131, {700, 500}, {}, {}, {}, {}}};         // nothing there: nothing taken
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.klick.y);
    Aufnahme a;
    werkzeug.aufgenommen = [&](const Aufnahme& neu) { a = neu; };
    st.waehleWerkzeug(wz(f.code));
    klicke(f.klick.x, f.klick.y);
    const auto fuellwert = a.fuellung ? std::optional(a.fuellung->fuellwert) : std::nullopt;
    EXPECT_EQ(std::tuple(a.farbe, a.stift, a.linienstil, fuellwert), std::tuple(f.farbe, f.stift, f.stil, f.fuellwert));
  }
}

// --- Edit commands -----------------------------------------------------------

TEST_F(Bearbeitungstest, MoveAndDeleteAreOneUndoStepEach) {
  const std::int32_t a = linieBei(100, 100, 200, 100);
  const std::int32_t b = linieBei(100, 200, 200, 200);
  const double x1 = z.speicher.linie(a).x1;
  z.speicher.setzeMarkiert(a, 1);
  z.speicher.setzeMarkiert(b, 1);
  const std::int8_t stufe = z.speicher.undoStufe();
  EXPECT_EQ(verschiebeMarkierte(z, 5, -2), 2);
  EXPECT_EQ(z.speicher.undoStufe(), stufe + 1);
  EXPECT_EQ(lebendige(), 2);
  EXPECT_EQ(lebendeLinie(0).x1, x1 + 5);
  EXPECT_TRUE(z.speicher.modifiziert());
  z.speicher.rueckgaengig();
  EXPECT_EQ(lebendige(), 2);
  EXPECT_EQ(lebendeLinie(0).x1, x1);

  z.speicher.demarkiereAlle();
  z.speicher.setzeMarkiert(a, 1);
  EXPECT_EQ(loescheMarkierteElemente(z), 1);
  EXPECT_EQ(lebendige(), 1);
  z.speicher.rueckgaengig();
  EXPECT_EQ(lebendige(), 2);
}

// The outline follows in XOR: a second erase would paint it back.
TEST_F(Bearbeitungstest, PreviewShowsTheMarkedOutlinesOnceAndErasesThemOnce) {
  z.speicher.setzeMarkiert(linieBei(100, 100, 200, 100), 1);
  linieBei(100, 200, 200, 200);
  Umrissvorschau v;
  v.sammle(z);
  canvas.leeren();
  v.zeige(&canvas, z.ansicht, Abbildung{});
  v.loesche(&canvas);
  v.loesche(&canvas);
  ASSERT_EQ(canvas.mehrfachlinien.size(), 2u);
  const auto& zuege = canvas.mehrfachlinien[1].zuege;  // the marked line only
  ASSERT_EQ(zuege.size(), 1u);
  EXPECT_EQ(std::tuple(zuege[0].size(), zuege[0][0].x, zuege[0][1].x), std::tuple(2u, 100.0, 200.0));
}

TEST_F(Bearbeitungstest, MirrorWithCopyKeepsTheOriginalWithoutReplacesIt) {
  const std::int32_t a = linie(z.speicher, 10, 0, 20, 5, false);
  z.speicher.setzeMarkiert(a, 1);
  EXPECT_EQ(spiegleMarkierte(z, {0, 0}, {0, 1}, true), 1);
  EXPECT_EQ(lebendige(), 2);
  EXPECT_EQ(lebendeLinie(0).x1, 10);
  EXPECT_DOUBLE_EQ(lebendeLinie(1).x1, -10);
  EXPECT_DOUBLE_EQ(lebendeLinie(1).y2, 5);
  ASSERT_EQ(markierte().size(), 1u);
  EXPECT_NE(markierte()[0], a);
  z.speicher.rueckgaengig();
  EXPECT_EQ(lebendige(), 1);

  z.speicher.setzeMarkiert(a, 1);
  EXPECT_EQ(spiegleMarkierte(z, {0, 0}, {1, 0}, false), 1);
  EXPECT_EQ(lebendige(), 1);
  EXPECT_DOUBLE_EQ(lebendeLinie(0).y2, -5);
  EXPECT_EQ(spiegleMarkierte(z, {3, 3}, {3, 3}, false), 0);  // no axis
}

TEST_F(Bearbeitungstest, RotationCopiesTurnRadialCopiesKeepTheirOrientation) {
  const std::int32_t a = linie(z.speicher, 100, 0, 110, 0, false);
  z.speicher.setzeMarkiert(a, 1);
  const std::int8_t stufe = z.speicher.undoStufe();
  EXPECT_EQ(rotationskopien(z, {0, 0}, 3, 90), 3);
  EXPECT_EQ(z.speicher.undoStufe(), stufe + 1);
  EXPECT_EQ(lebendige(), 4);
  EXPECT_NEAR(lebendeLinie(1).x1, 0, 1e-9);
  EXPECT_NEAR(lebendeLinie(1).y2, -110, 1e-9);
  EXPECT_NEAR(lebendeLinie(2).x1, -100, 1e-9);

  z.speicher.demarkiereAlle();
  z.speicher.setzeMarkiert(a, 1);
  EXPECT_EQ(radialeKopien(z, {0, 0}, 1, 90), 1);
  const Tliniendaten& r = lebendeLinie(4);
  EXPECT_NEAR(r.x2 - r.x1, 10, 1e-9);  // still horizontal
  EXPECT_NEAR(r.y1, r.y2, 1e-9);
  EXPECT_NEAR((r.x1 + r.x2) / 2, 0, 1e-9);
  EXPECT_NEAR(r.y1, -105, 1e-9);
}

TEST_F(Bearbeitungstest, CopiesTakeGroupBracketsOnlyInPairs) {
  Elementspeicher& s = z.speicher;
  const std::int32_t g1 = klammer(s, Elementart::Gruppenanfang);
  const std::int32_t l = linie(s, 0, 0, 10, 0, false);
  const std::int32_t g2 = klammer(s, Elementart::Gruppenende);
  const std::int32_t einzeln = klammer(s, Elementart::Gruppenanfang);
  for (std::int32_t n : {g1, l, g2, einzeln}) s.setzeMarkiert(n, 1);
  EXPECT_EQ(kopierbareMarkierte(z), (std::vector<std::int32_t>{g1, l, g2}));
  EXPECT_EQ(kopiereMarkierte(z, Abbildung::verschiebung(0, 50)), 3);
}

}  // namespace
}  // namespace quarzel::test
