// The snap marker in the window: a mouse move of a drawing tool that snaps
// shows the symbol of what was found at the found point, over the picture
// and the rubber band but in neither; it goes when nothing is found, when the
// cursor leaves and when the view changes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cmath>

#include "fensterhilfen.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Fangmarketest : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
    Fangeinstellungen& e = f->werkzeuge().fangeinstellungen();
    e.modi = FangEndpunkte | FangMittelpunkte | FangSchnittLinieLinie;
    e.fangradius = 8;
  }

  Zeichenflaeche& flaeche() { return f->zeichenflaeche(); }
  void waehle(std::uint16_t code) { f->leisten().aktionFuer(code)->trigger(); }
  void klick(QPoint p) { QTest::mouseClick(&flaeche(), Qt::LeftButton, {}, p); }
  void bewege(QPoint p) { QTest::mouseMove(&flaeche(), p); }
  void linie(QPoint a, QPoint b) {
    waehle(1);
    klick(a);
    bewege(b);
    klick(b);
    QTest::keyClick(&flaeche(), Qt::Key_Escape);
  }

  // Pure red pixels (the marker's colour) inside r.
  static int rotIn(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += bild.pixel(x, y) == qRgb(255, 0, 0);
    return n;
  }
  static QRect um(QPoint p, int halb = 7) { return QRect(p.x() - halb, p.y() - halb, 2 * halb + 1, 2 * halb + 1); }

  test::Testfenster f;
};

TEST_F(Fangmarketest, EndpunktZeigtDasQuadratAmGefundenenPunkt) {
  linie({100, 100}, {300, 100});
  waehle(1);
  bewege({304, 103});
  ASSERT_EQ(flaeche().fangmarke(), Fangart::Endpunkt);
  const QImage sicht = flaeche().sichtbaresBild();
  // The square's top and bottom edges lie 5 pixels above and below the end point.
  EXPECT_GE(rotIn(sicht, QRect(296, 95, 9, 1)), 8);
  EXPECT_GE(rotIn(sicht, QRect(296, 105, 9, 1)), 8);
  // A square about the cursor would reach x = 309.
  EXPECT_EQ(rotIn(sicht, QRect(306, 90, 10, 20)), 0) << "at the point found, not at the cursor";
  EXPECT_EQ(rotIn(flaeche().bild(), um({300, 100})), 0) << "never painted into the picture";
}

TEST_F(Fangmarketest, WeitWegKeinMarker) {
  linie({100, 100}, {300, 100});
  waehle(1);
  bewege({302, 101});
  ASSERT_TRUE(flaeche().fangmarke().has_value());
  bewege({450, 300});
  EXPECT_FALSE(flaeche().fangmarke().has_value());
  EXPECT_EQ(rotIn(flaeche().sichtbaresBild(), um({300, 100})), 0);
}

TEST_F(Fangmarketest, MittelpunktUndSchnittpunktHabenIhrZeichen) {
  linie({100, 100}, {300, 100});
  // Its midpoint (250, 80) lies outside the capture radius of the crossing.
  linie({250, 40}, {250, 120});
  waehle(1);
  bewege({199, 102});
  EXPECT_EQ(flaeche().fangmarke(), Fangart::Mittelpunkt);
  bewege({252, 98});
  EXPECT_EQ(flaeche().fangmarke(), Fangart::Schnittpunkt);
  // The cross's arms run through the corners of the 10-pixel square.
  const QImage sicht = flaeche().sichtbaresBild();
  EXPECT_EQ(sicht.pixel(246, 96), qRgb(255, 0, 0));
  EXPECT_EQ(sicht.pixel(254, 104), qRgb(255, 0, 0));
}

TEST_F(Fangmarketest, MarkerLiegtUeberDemGummibandOhneEsZuStoeren) {
  linie({100, 100}, {300, 100});
  waehle(1);
  klick({100, 250});
  bewege({301, 101});
  ASSERT_EQ(flaeche().fangmarke(), Fangart::Endpunkt);
  // Moving on draws the band anew by XOR; the old band must vanish fully, so
  // the marker may not have touched the band's layer.
  bewege({400, 300});
  EXPECT_FALSE(flaeche().fangmarke().has_value());
  QTest::keyClick(&flaeche(), Qt::Key_Escape);
  EXPECT_EQ(flaeche().sichtbaresBild(), flaeche().bild()) << "no trace of band or marker";
}

TEST_F(Fangmarketest, VerlassenWerkzeugwechselUndNeuesBildNehmenIhnWeg) {
  linie({100, 100}, {300, 100});
  waehle(1);
  bewege({301, 101});
  ASSERT_TRUE(flaeche().fangmarke().has_value());
  QEvent weg(QEvent::Leave);
  QApplication::sendEvent(&flaeche(), &weg);
  EXPECT_FALSE(flaeche().fangmarke().has_value());

  bewege({302, 101});
  ASSERT_TRUE(flaeche().fangmarke().has_value());
  waehle(2);
  EXPECT_FALSE(flaeche().fangmarke().has_value());

  bewege({303, 102});
  ASSERT_TRUE(flaeche().fangmarke().has_value()) << "the circle tool snaps as well";
  f->vergroessern();
  EXPECT_FALSE(flaeche().fangmarke().has_value()) << "its pixel belongs to the old view";
}

TEST_F(Fangmarketest, MarkierwerkzeugZeigtKeinenMarker) {
  linie({100, 100}, {300, 100});
  waehle(100);
  bewege({301, 101});
  EXPECT_FALSE(flaeche().fangmarke().has_value());
}

TEST_F(Fangmarketest, RasterknotenZeigtDasPlus) {
  Fangeinstellungen& e = f->werkzeuge().fangeinstellungen();
  e.modi = 0;
  e.raster = true;
  waehle(1);
  // Two grid steps right of the grid origin, a pixel off.
  const Ansicht& a = f->sitzung().zeichnung.ansicht;
  const Pixelpunkt knoten = a.worldToPixel(a.gridOrigin.x + 2 * a.gridSpacingX, a.gridOrigin.y - a.gridSpacingY);
  bewege(QPoint(int(std::lround(knoten.x)) + 1, int(std::lround(knoten.y))));
  EXPECT_EQ(flaeche().fangmarke(), Fangart::Rasterpunkt);
}

}  // namespace
}  // namespace quarzel
