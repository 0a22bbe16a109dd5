// The drawing tools' rubber band on a real image through QtCanvas: it shows
// in its colour ("Farbe beim Zeichnen von Objekten") on white, and drawing it
// again restores every pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "edit/linienwerkzeuge.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {
namespace {

class GummibandImBild : public ::testing::Test {
 protected:
  void SetUp() override {
    test::initialisiere(z.speicher);
    bild.fill(Qt::white);
    leer = bild.copy();
    zs.werkzeug = 1;
    zs.schritt = 1;
  }
  // One painter per event, as the drawing area paints between events.
  template <class F>
  void mitCanvas(F&& f) {
    auto canvas = std::make_unique<QtCanvas>(bild);
    canvas->setzeStiftmodus(Stiftmodus::Xor);
    u.rueckmeldung = canvas.get();
    f();
    u.rueckmeldung = nullptr;
  }
  // World points of the default view: (4790, 4855) is the top-left pixel.
  static Weltpunkt welt(double px, double py) { return {4790 + px, 4855 + py}; }

  Zeichnung z;
  Werkzeugzustand zs;
  Werkzeugumgebung u{z, zs, nullptr, {}, {}, {}};
  Linienwerkzeuge linien;
  QImage bild{200, 150, QImage::Format_RGB32};
  QImage leer;
};

TEST_F(GummibandImBild, ZweimalGezeichnetStelltDasBildWiederHer) {
  mitCanvas([&] { linien.punkt(u, welt(20, 20)); });
  mitCanvas([&] { linien.bewegung(u, welt(180, 20)); });
  EXPECT_NE(bild, leer);
  // The band is its colour (black by default) on the white image.
  EXPECT_EQ(bild.pixel(100, 20), qRgb(0, 0, 0));
  mitCanvas([&] { linien.bewegung(u, welt(100, 140)); });
  EXPECT_EQ(bild.pixel(100, 20), qRgb(255, 255, 255));  // the old band is gone
  mitCanvas([&] { linien.rueckmeldungLoeschen(u); });
  EXPECT_EQ(bild, leer);
}

TEST_F(GummibandImBild, FarbigesGummibandErscheintAufWeiss) {
  linien.vorgabe.gummibandfarbe = rgb(255, 0, 0);
  zs.werkzeug = 2;  // circle
  mitCanvas([&] { linien.punkt(u, welt(100, 75)); });
  mitCanvas([&] { linien.bewegung(u, welt(140, 75)); });
  EXPECT_EQ(bild.pixel(140, 75), qRgb(255, 0, 0));
  mitCanvas([&] { linien.abbrechen(u); });
  EXPECT_EQ(bild, leer);
}

TEST_F(GummibandImBild, WeissesGummibandBleibtSichtbar) {
  linien.vorgabe.gummibandfarbe = rgb(255, 255, 255);
  mitCanvas([&] { linien.punkt(u, welt(20, 20)); });
  mitCanvas([&] { linien.bewegung(u, welt(180, 20)); });
  EXPECT_NE(bild, leer);
  mitCanvas([&] { linien.rueckmeldungLoeschen(u); });
  EXPECT_EQ(bild, leer);
}

}  // namespace
}  // namespace quarzel
