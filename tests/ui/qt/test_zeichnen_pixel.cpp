// The renderer on a real image through QtCanvas: what the user sees of line
// ends, filled and hatched polygons, hidden layers and marking, pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>

#include "render/elementzeichnen.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {
namespace {

constexpr Farbe kRot = rgb(255, 0, 0);
constexpr Farbe kBlau = rgb(0, 0, 255);

class ZeichnenPixel : public ::testing::Test {
 protected:
  void SetUp() override {
    test::initialisiere(z.speicher);
    z.speicher.beginneSchritt();
    bild.fill(Qt::white);
  }

  void zeichne() {
    QtCanvas canvas(bild);
    Zeichenumgebung u{z, schalter, darstellung};
    drawElements(canvas, 1, z.speicher.anzahl(), 100, 1, {0, 0, 399, 299}, 0, 0, u);
  }

  std::int32_t fertig(std::int32_t n) {
    z.speicher.vervollstaendige(n);
    z.speicher.setzeMarkiert(n, 0);
    return n;
  }

  std::int32_t linie(Tliniendaten d) {
    const std::int32_t n = z.speicher.neueLinie(d);
    z.speicher.linie(n) = d;
    return fertig(n);
  }

  // A blue U open to the top: two legs 50 px wide and a notch between them.
  void uForm(const Fuellangaben& f) {
    const std::int32_t n = test::polygon(
        z.speicher, {{100, 50}, {150, 50}, {150, 200}, {250, 200}, {250, 50}, {300, 50}, {300, 250}, {100, 250}});
    z.speicher.polygon(n).fuellung = f;
    z.speicher.polygon(n).farbe = kBlau;
  }

  Farbe pixel(int x, int y) const {
    const QRgb p = bild.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
  }

  Zeichnung z;
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  QImage bild{400, 300, QImage::Format_RGB32};
};

TEST_F(ZeichnenPixel, DoubleSizeFilledTrianglesAtBothEnds) {
  // Pen 0: base length 2 px, class 4 doubles it: L = 4.
  linie({.x1 = 50, .y1 = 150, .x2 = 350, .y2 = 150, .farbe = kBlau, .stift = 0, .anfang = 2, .ende = 2 + 128});
  zeichne();
  // Inside each triangle, off the line itself.
  EXPECT_EQ(pixel(53, 152), kBlau);
  EXPECT_EQ(pixel(347, 148), kBlau);
  // Beyond the triangles' width nothing is painted.
  EXPECT_EQ(pixel(53, 157), rgb(255, 255, 255));
  EXPECT_EQ(pixel(200, 153), rgb(255, 255, 255));
}

TEST_F(ZeichnenPixel, FilledUShapeLeavesTheNotchWhite) {
  uForm({.schraffurName = "", .fuellwert = kRot, .gefuellt = 1});
  zeichne();
  EXPECT_EQ(pixel(125, 100), kRot);
  EXPECT_EQ(pixel(275, 100), kRot);
  EXPECT_EQ(pixel(200, 225), kRot);
  EXPECT_EQ(pixel(200, 100), rgb(255, 255, 255));
}

TEST_F(ZeichnenPixel, HatchedUShapeHasLinesInTheLegsOnly) {
  uForm({.schraffurName = "Windows-Standard 3", .fuellflag = 1, .gefuellt = 1});  // horizontal, every 2 mm
  zeichne();
  auto blaueInZeile = [&](int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (pixel(x, y) == kBlau) ++n;
    return n;
  };
  EXPECT_GT(blaueInZeile(110, 140, 80, 120), 100);
  EXPECT_GT(blaueInZeile(260, 290, 80, 120), 100);
  EXPECT_EQ(blaueInZeile(160, 240, 60, 190), 0);
}

TEST_F(ZeichnenPixel, HiddenSublayerAndMarkedLine) {
  z.ebenen.fuegeFolieAn(1, "Möbel");
  Tliniendaten d{.x1 = 50, .y1 = 100, .x2 = 350, .y2 = 100, .farbe = kBlau};
  const std::int32_t markiert = linie(d);
  d.y1 = d.y2 = 200;
  d.folie = 2;
  linie(d);
  z.speicher.setzeMarkiert(markiert, 1);
  z.ebenen.setzeFolienzustand(1, 2, FolieAusgeblendet);
  darstellung.markierfarbe = kRot;
  zeichne();
  EXPECT_EQ(pixel(200, 100), kRot);
  EXPECT_EQ(pixel(200, 200), rgb(255, 255, 255));
}

}  // namespace
}  // namespace quarzel
