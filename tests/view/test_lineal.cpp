// Ruler steps at every zoom (metric, decimal imperial, imperial fractions)
// and tick positions.
#include <gtest/gtest.h>

#include <cmath>

#include "support/aufzeichnungscanvas.h"
#include "view/lineal.h"

namespace quarzel {
namespace {

// The zero point sits on pixel (100, 500).
Ansicht linealansicht(double zoom, int unitCode, double unitFactor) {
  Ansicht a{.unitCode = static_cast<std::uint8_t>(unitCode),
            .unitFactor = unitFactor,
            .zoom = zoom,
            .viewOriginX = 1000,
            .viewOriginY = 1000,
            .areaWidth = 800,
            .areaHeight = 600};
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

TEST(LinealSchritte, ImperialDezimalUndBrueche) {
  Ansicht a = linealansicht(1, 5, 0.03937);
  a.imperialDecimal = true;
  EXPECT_NEAR(linealschritte(a, false).kleinPixel, 2.54, 1e-9);  // a tenth of an inch
  a.imperialDecimal = false;
  a.zoom = 0.1;
  const Linealschritte s = linealschritte(a, false);
  // 25.4 / 2048 / 16 mm = 0.00775 pixels, doubled until 2: 512 times, 3.97 pixels.
  EXPECT_NEAR(s.kleinPixel, 25.4 / 2048 / 16 / 0.1 * 512, 1e-9);
  EXPECT_EQ(std::pair(s.grossJe, s.mittelJe), std::pair(16, 8));
  // A major tick is 512/2048 inch.
  EXPECT_EQ(std::tuple(linealbeschriftung(s, 1), linealbeschriftung(s, 2), linealbeschriftung(s, -6),
                       linealbeschriftung(s, 8)),
            std::tuple("1/4", "1/2", "-1 1/2", "2"));
  EXPECT_EQ(linealMmProEinheit(8), 1609000);  // the ruler's mile, not the coordinate one
}

TEST(LinealTeilung, StricheZaehlenVomNullpunktDasSenkrechteNachOben) {
  const Ansicht a = linealansicht(1, 1, 1);
  const std::vector<Linealstrich> w = linealteilung(a, true, 800, false);
  ASSERT_EQ(w.size(), 81u);  // every 10 pixels from 0 to 800
  EXPECT_EQ(std::tuple(w[0].beschriftung, w[3].art, w[5].art, w[10].art, w[10].position, w[10].beschriftung),
            std::tuple("-100", Strichart::Klein, Strichart::Mittel, Strichart::Gross, 100.0, "0"));
  const std::vector<Linealstrich> s = linealteilung(a, false, 600, false);
  EXPECT_EQ(std::tuple(s[40].position, s[40].beschriftung), std::tuple(400.0, "100"));
}

}  // namespace
}  // namespace quarzel
