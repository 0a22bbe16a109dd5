// The snap marker in the window: a mouse move of a drawing tool that snaps
// shows the symbol of what was found at the found point, and none far away;
// it goes when the cursor leaves, when the tool changes and when the view
// changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>

#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Fangmarketest : public test::Fensterfixture {
 protected:
  void SetUp() override {
    Fensterfixture::SetUp();
    Fangeinstellungen& e = f->werkzeuge().fangeinstellungen();
    e.modi = FangEndpunkte | FangMittelpunkte | FangSchnittLinieLinie;
    e.fangradius = 8;
    // A line from (100, 100) to (300, 100), then the line tool again.
    waehle(wz(1));
    klick({100, 100});
    bewege({300, 100});
    klick({300, 100});
    QTest::keyClick(&flaeche(), Qt::Key_Escape);
    waehle(wz(1));
  }

  // Pure red pixels (the marker's colour) inside r.
  static int rotIn(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += bild.pixel(x, y) == qRgb(255, 0, 0);
    return n;
  }
};

TEST_F(Fangmarketest, EndpunktZeigtDasQuadratAmGefundenenPunktUndWeitWegKeins) {
  bewege({304, 103});
  ASSERT_EQ(flaeche().fangmarke(), Fangart::Endpunkt);
  const QImage sicht = flaeche().sichtbaresBild();
  // The square's top and bottom edges lie 5 pixels above and below the end
  // point; the point's pixel may round either way (the view's zoom depends on
  // the area's size), so each edge is looked for in three rows.
  const Tliniendaten& l = speicher().linie(1);
  const Pixelpunkt e = f->sitzung().zeichnung.ansicht.worldToPixel(l.x2, l.y2);
  const int ex = static_cast<int>(std::lround(e.x)), ey = static_cast<int>(std::lround(e.y));
  EXPECT_GE(rotIn(sicht, QRect(ex - 5, ey - 6, 11, 3)), 8);
  EXPECT_GE(rotIn(sicht, QRect(ex - 5, ey + 4, 11, 3)), 8);
  // A square about the cursor would reach x = 309.
  EXPECT_EQ(rotIn(sicht, QRect(306, 90, 10, 20)), 0) << "at the point found, not at the cursor";
  EXPECT_EQ(rotIn(flaeche().bild(), QRect(293, 93, 15, 15)), 0) << "never painted into the picture";
  bewege({450, 300});
  EXPECT_FALSE(flaeche().fangmarke().has_value());
  EXPECT_EQ(rotIn(flaeche().sichtbaresBild(), QRect(293, 93, 15, 15)), 0);
}

TEST_F(Fangmarketest, VerlassenWerkzeugwechselUndNeuesBildNehmenIhnWeg) {
  bewege({301, 101});
  ASSERT_TRUE(flaeche().fangmarke().has_value());
  QEvent weg(QEvent::Leave);
  QApplication::sendEvent(&flaeche(), &weg);
  EXPECT_FALSE(flaeche().fangmarke().has_value());
  bewege({302, 101});
  ASSERT_TRUE(flaeche().fangmarke().has_value());
  waehle(wz(2));
  EXPECT_FALSE(flaeche().fangmarke().has_value());
  bewege({303, 102});
  ASSERT_TRUE(flaeche().fangmarke().has_value()) << "the circle tool snaps as well";
  f->vergroessern();
  EXPECT_FALSE(flaeche().fangmarke().has_value()) << "its pixel belongs to the old view";
}

}  // namespace
}  // namespace quarzel
