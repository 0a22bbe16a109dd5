// The select and edit tools on a real drawing: hit test, marking by click and
// frame, protection, and the edit commands as single undo steps.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/fangindex.h"
#include "edit/markierwerkzeug.h"
#include "edit/treffertest.h"
#include "test_werkzeug_hilfen.h"

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
  Pixelpunkt pixelVon(double x, double y) const { return z.ansicht.worldToPixel(x, y); }
  const Tliniendaten& lebendeLinie(int welche) const {
    int k = 0;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
      if (z.speicher.lebendig(n) && k++ == welche) return z.speicher.linie(n);
    return z.speicher.linie(1);
  }

  Markierwerkzeug werkzeug;
};

// --- Hit test ----------------------------------------------------------------

TEST_F(Bearbeitungstest, HitTestFindsTheNearestAliveElementWithinTheToleranceTopmostFirst) {
  const std::int32_t a = linieBei(100, 100, 200, 100);
  const std::int32_t b = linieBei(100, 104, 200, 104);
  EXPECT_EQ(trefferTest(z, 150, 101), a);
  EXPECT_EQ(trefferTest(z, 150, 103), b);
  EXPECT_EQ(trefferTest(z, 150, 115), 0);
  EXPECT_EQ(trefferTest(z, 150, 109, 5), b);
  const std::int32_t oben = linieBei(100, 100, 200, 100);
  EXPECT_EQ(trefferTest(z, 150, 101), oben);
  z.speicher.setzeMarkiert(oben, 1);
  z.speicher.loescheMarkierte();
  EXPECT_EQ(trefferTest(z, 150, 101), a);
}

TEST_F(Bearbeitungstest, HitTestMeasuresArcsAndCountsInsideTexts) {
  tbogendaten k;
  const Weltpunkt m = z.ansicht.pixelToWorld(300, 300);
  k.xm = m.x;
  k.ym = m.y;
  k.xr = k.yr = 50;  // zoom 1: 50 pixels
  const std::int32_t kreis = z.speicher.neuerBogen(k);
  z.speicher.vervollstaendige(kreis);
  z.speicher.setzeMarkiert(kreis, 0);
  EXPECT_EQ(trefferTest(z, 300, 251), kreis);
  EXPECT_EQ(trefferTest(z, 300, 300), 0);  // the centre of an unfilled circle
  z.speicher.bogen(kreis).fuellung.gefuellt = 1;
  EXPECT_EQ(trefferTest(z, 300, 300), kreis) << "a filled area is picked inside";
  z.speicher.bogen(kreis).fuellung.gefuellt = 0;

  Tfliestextdaten t;
  const Weltpunkt p = z.ansicht.pixelToWorld(500, 100);
  t.x = p.x;
  t.y = p.y;
  t.hoehe = 10;
  t.zeilen = {"Raum 1"};
  const std::int32_t text = z.speicher.neuerText(Elementart::Text, t);
  z.speicher.vervollstaendige(text);
  EXPECT_EQ(trefferTest(z, 510, 95), text);
}

TEST_F(Bearbeitungstest, HitTestThroughTheSnapIndexAgreesWithTheWalk) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> ort(0, 400), klein(-30, 30);
  for (int i = 0; i < 300; ++i) {
    const double x = ort(zufall), y = ort(zufall);
    if (i % 3 == 0) {
      linieBei(x, y, x + klein(zufall), y + klein(zufall));
    } else if (i % 3 == 1) {
      Tfliestextdaten t;
      const Weltpunkt p = z.ansicht.pixelToWorld(x, y);
      t.x = p.x;
      t.y = p.y;
      t.hoehe = 6;
      t.zeilen = {"Text"};
      z.speicher.vervollstaendige(z.speicher.neuerText(Elementart::Text, t));
    } else {
      tmessdaten m;
      const Weltpunkt p = z.ansicht.pixelToWorld(x, y);
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

TEST_F(Bearbeitungstest, ProtectedLayerRefusesSelectionByClickAndFrame) {
  z.ebenen.fuegeEbeneAn("Bestand");
  z.ebenen.fuegeFolieAn(2, "");
  const std::int32_t frei = linieBei(100, 100, 200, 100);
  z.speicher.aktuell.planteil = 2;
  const std::int32_t geschuetzt = linieBei(100, 200, 200, 200);
  z.ebenen.setzeAnzeigezustand(2, 1);
  st.pfeilaktiv();
  klicke(150, 200);
  EXPECT_TRUE(markierte().empty());
  ziehe(50, 50, 250, 250);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{frei}));
  EXPECT_EQ(trefferTest(z, 150, 200), 0);
  (void)geschuetzt;
}

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

TEST_F(Bearbeitungstest, ClickMarksTheElementUnderTheCursorAndNothingElse) {
  const std::int32_t a = linieBei(100, 100, 200, 100);
  const std::int32_t b = linieBei(100, 200, 200, 200);
  z.speicher.setzeMarkiert(a, 1);
  st.pfeilaktiv();
  klicke(150, 201);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{b}));
  EXPECT_EQ(st.zustand().schritt, 1);
  klicke(400, 400);
  EXPECT_TRUE(markierte().empty());
}

TEST_F(Bearbeitungstest, FrameLeftToRightMarksWhollyInsideElementsRightToLeftAlsoTouchingOnes) {
  const std::int32_t innen = linieBei(100, 100, 200, 100);
  const std::int32_t quer = linieBei(150, 150, 400, 150);  // sticks out
  const std::int32_t durch = linieBei(0, 120, 500, 120);   // crosses with both ends outside
  linieBei(300, 300, 400, 300);
  st.pfeilaktiv();
  ziehe(50, 50, 250, 200);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{innen}));
  ziehe(250, 200, 50, 50);
  EXPECT_EQ(markierte(), (std::vector<std::int32_t>{innen, quer, durch}));
}

TEST_F(Bearbeitungstest, DraggingShowsTheFrameAndErasesItAgain) {
  linieBei(100, 100, 200, 100);
  st.pfeilaktiv();
  canvas.leeren();
  ziehe(50, 50, 250, 200);
  // Shown once and erased once by drawing it again, both in XOR.
  ASSERT_GE(canvas.polylinien.size(), 2u);
  EXPECT_EQ(canvas.polylinien[0].punkte.size(), 5u);
  EXPECT_EQ(canvas.polylinien[0].zustand.modus, Stiftmodus::Xor);
  EXPECT_EQ(canvas.polylinien[1].punkte[2].x, canvas.polylinien[0].punkte[2].x);
}

TEST_F(Bearbeitungstest, DoubleClickOnAnElementReportsIt) {
  const std::int32_t a = linieBei(100, 100, 200, 100);
  std::int32_t gemeldet = 0;
  werkzeug.elementDoppelklick = [&](std::int32_t n) { gemeldet = n; };
  st.pfeilaktiv();
  links(150, 100);
  uhr.jetzt += 50;
  loslassen(150, 100);
  uhr.jetzt += 50;
  links(150, 100);
  EXPECT_EQ(gemeldet, a);
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

TEST_F(Bearbeitungstest, RotateTurnsAboutTheCentreInOneStep) {
  const std::int32_t a = linie(z.speicher, 100, 0, 110, 0, false);
  z.speicher.setzeMarkiert(a, 1);
  const std::int8_t stufe = z.speicher.undoStufe();
  dreheMarkierte(z, {100, 0}, 90);
  EXPECT_EQ(z.speicher.undoStufe(), stufe + 1);
  EXPECT_NEAR(lebendeLinie(0).x2, 100, 1e-9);
  EXPECT_NEAR(lebendeLinie(0).y2, -10, 1e-9);
  z.speicher.rueckgaengig();
  EXPECT_EQ(lebendeLinie(0).y2, 0);
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

TEST_F(Bearbeitungstest, HugeCopyCountsAreCapped) {
  const std::int32_t a = linie(z.speicher, 0, 0, 1, 0, false);
  const std::int32_t b = linie(z.speicher, 0, 1, 1, 1, false);
  z.speicher.setzeMarkiert(a, 1);
  z.speicher.setzeMarkiert(b, 1);
  EXPECT_EQ(rotationskopien(z, {0, 0}, 5, 1), 10);
  EXPECT_EQ(rotationskopien(z, {0, 0}, 0, 1), 0);
  EXPECT_EQ(rotationskopien(z, {0, 0}, 3, NAN), 0);
}

// --- Interactive tools -------------------------------------------------------

TEST_F(Bearbeitungstest, MirrorToolTakesTheAxisFromTwoClicksAndShowsTheMirroredOutline) {
  const std::int32_t a = linieBei(100, 100, 200, 150);
  z.speicher.setzeMarkiert(a, 1);
  st.waehleWerkzeug(602);
  canvas.leeren();
  klicke(300, 0);
  bewegen(300, 50);
  bewegen(300, 100);
  EXPECT_FALSE(canvas.mehrfachlinien.empty());
  EXPECT_EQ(canvas.mehrfachlinien.back().zustand.modus, Stiftmodus::Xor);
  klicke(300, 400);
  // Every outline drawn was erased again: an even count.
  EXPECT_EQ(canvas.mehrfachlinien.size() % 2, 0u);
  EXPECT_EQ(lebendige(), 2);
  EXPECT_NEAR(lebendeLinie(1).x1, z.ansicht.pixelToWorld(500, 0).x, 1e-9);
  EXPECT_EQ(st.zustand().schritt, 1);
}

TEST_F(Bearbeitungstest, FreeMoveFollowsTheMouseAndAppliesOnRequest) {
  const std::int32_t a = linieBei(100, 100, 200, 100);
  const double x1 = z.speicher.linie(a).x1;
  z.speicher.setzeMarkiert(a, 1);
  st.waehleWerkzeug(600);
  bewegen(10, 10);
  bewegen(40, 30);
  links(40, 30);  // the panel owns the clicks
  EXPECT_EQ(lebendeLinie(0).x1, x1);
  EXPECT_EQ(werkzeug.freiVerschieben(st.umgebung()), 1);
  EXPECT_DOUBLE_EQ(lebendeLinie(0).x1, x1 + 30);
}

TEST_F(Bearbeitungstest, ZoomToolShowsTheSpannedRectangleEscapeDropsItsFirstCorner) {
  st.waehleWerkzeug(107);
  klicke(100, 100);
  EXPECT_EQ(st.zustand().schritt, 2);
  escape();
  EXPECT_EQ(st.zustand().schritt, 1);
  EXPECT_EQ(st.zustand().werkzeug, 107);

  klicke(100, 100);
  const Weltpunkt a = z.ansicht.pixelToWorld(100, 100), b = z.ansicht.pixelToWorld(300, 250);
  klicke(300, 250);
  EXPECT_LT(z.ansicht.zoom, 1.0);
  const Pixelpunkt pa = z.ansicht.worldToPixel(a.x, a.y), pb = z.ansicht.worldToPixel(b.x, b.y);
  EXPECT_GE(pa.x, -1);
  EXPECT_LE(pb.x, 801);
  EXPECT_GE(pa.y, -1);
  EXPECT_LE(pb.y, 601);
  EXPECT_EQ(st.zustand().schritt, 1);
}

}  // namespace
}  // namespace quarzel::test
