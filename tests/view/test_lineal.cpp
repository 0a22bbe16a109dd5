// Ruler steps at every zoom, tick positions and labels (metric, decimal
// imperial, imperial fractions), model mode, and the drawn strip.
#include <gtest/gtest.h>

#include <cmath>

#include "view/lineal.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel {
namespace {

// The zero point sits on pixel (100, 500).
Ansicht linealansicht(double zoom, int unitCode, double unitFactor) {
  Ansicht a;
  a.areaWidth = 800;
  a.areaHeight = 600;
  a.zoom = zoom;
  a.unitCode = static_cast<std::uint8_t>(unitCode);
  a.unitFactor = unitFactor;
  a.viewOriginX = 1000;
  a.viewOriginY = 1000;
  a.zeroPoint = {1000 + 100 * zoom, 1000 + 500 * zoom};
  return a;
}

TEST(LinealSchritte, MetrischWaechstUmZehnBisMindestensVierPixel) {
  // 0.0001 mm at 1 mm per pixel: 0.0001 ... 1 are under 4 pixels, 10 is not.
  const Linealschritte s = linealschritte(linealansicht(1, 1, 1), false);
  EXPECT_NEAR(s.kleinPixel, 10, 1e-9);
  EXPECT_NEAR(s.grossWert, 100, 1e-9);
  EXPECT_NEAR(linealschritte(linealansicht(0.25, 1, 1), false).kleinPixel, 4, 1e-9);  // 4 is enough
  EXPECT_EQ(linealschritte(linealansicht(NAN, 1, 1), false).kleinPixel, 0);
}

TEST(LinealSchritte, ModellTeiltDurchDenZeichnungsmassstab) {
  Ansicht a = linealansicht(1, 3, 0.001);
  a.drawingScale = 100;
  const Linealschritte s = linealschritte(a, true);
  EXPECT_NEAR(s.kleinPixel, 10, 1e-9);  // 1000 model mm = 10 sheet mm
  EXPECT_EQ(linealbeschriftung(s, 2), "20");
  EXPECT_EQ(linealbeschriftung(linealschritte(a, false), -12), "-1.2");
}

TEST(LinealSchritte, ImperialDezimalUndBrueche) {
  Ansicht a = linealansicht(1, 5, 0.03937);
  a.imperialDecimal = true;
  EXPECT_NEAR(linealschritte(a, false).kleinPixel, 2.54, 1e-9);  // a tenth of an inch
  a.imperialDecimal = false;
  a.zoom = 0.1;
  const Linealschritte s = linealschritte(a, false);
  // 25.4 / 2048 / 16 mm = 0.00775 pixels, doubled until 2: 512 times, 3.97 pixels.
  EXPECT_NEAR(s.kleinPixel, 25.4 / 2048 / 16 / 0.1 * 512, 1e-9);
  EXPECT_EQ(s.grossJe, 16);
  EXPECT_EQ(s.mittelJe, 8);
  EXPECT_EQ(linealbeschriftung(s, 1), "1/4");  // a major tick is 512/2048 inch
  EXPECT_EQ(linealbeschriftung(s, 2), "1/2");
  EXPECT_EQ(linealbeschriftung(s, -6), "-1 1/2");
  EXPECT_EQ(linealbeschriftung(s, 8), "2");
  EXPECT_EQ(linealMmProEinheit(8), 1609000);  // the ruler's mile, not the coordinate one
}

TEST(LinealTeilung, StricheZaehlenVomNullpunktDasSenkrechteNachOben) {
  const Ansicht a = linealansicht(1, 1, 1);
  const std::vector<Linealstrich> w = linealteilung(a, true, 800, false);
  ASSERT_EQ(w.size(), 81u);  // every 10 pixels from 0 to 800
  EXPECT_EQ(w[0].beschriftung, "-100");
  EXPECT_EQ(w[3].art, Strichart::Klein);
  EXPECT_EQ(w[5].art, Strichart::Mittel);
  EXPECT_EQ(w[10].art, Strichart::Gross);
  EXPECT_DOUBLE_EQ(w[10].position, 100);
  EXPECT_EQ(w[10].beschriftung, "0");
  const std::vector<Linealstrich> s = linealteilung(a, false, 600, false);
  EXPECT_DOUBLE_EQ(s[40].position, 400);
  EXPECT_EQ(s[40].beschriftung, "100");
}

TEST(LinealZeichnen, TickenWachsenVonDerKanteZurZeichenflaeche) {
  const Ansicht a = linealansicht(1, 1, 1);
  Aufzeichnungscanvas oben(830, 20);
  linealzeichnen(oben, a, true, false, 30);
  ASSERT_EQ(oben.mehrfachlinien.size(), 1u);
  const auto& zuege = oben.mehrfachlinien[0].zuege;
  ASSERT_EQ(zuege.size(), 82u);                           // the edge line and 81 ticks
  EXPECT_DOUBLE_EQ(zuege[11][0].x, 130);                  // the zero point's tick, shifted by the offset
  EXPECT_DOUBLE_EQ(zuege[11][0].y - zuege[11][1].y, 20);  // major: full height
  EXPECT_DOUBLE_EQ(zuege[12][0].y - zuege[12][1].y, 5);   // minor: a quarter
  EXPECT_EQ(oben.texte.size(), 9u);

  Aufzeichnungscanvas links(20, 600);
  linealzeichnen(links, a, false, false);
  EXPECT_EQ(links.texte.at(0).winkelGrad, 90);
  EXPECT_DOUBLE_EQ(links.mehrfachlinien.at(0).zuege.at(1)[0].x, 19.5);  // from the right edge
}

}  // namespace
}  // namespace quarzel
