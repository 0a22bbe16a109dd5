// Block boxes: a redraw that passes over blocks far from the canvas draws
// exactly what the full walk draws and notices every change of the drawing.
#include <gtest/gtest.h>

#include <random>

#include "render/blockrahmen.h"
#include "render/zustandsfilter.h"
#include "support/render/test_zeichnen_hilfe.h"

namespace quarzel {
// Figures compare point by point, exactly.
static bool operator==(Pixelpunkt a, Pixelpunkt b) {
  return a.x == b.x && a.y == b.y;
}
}  // namespace quarzel

namespace quarzel::test {
namespace {

using ZeichnenBloecke = Zeichnen;

std::vector<std::vector<Pixelpunkt>> alleZuege(const Aufzeichnungscanvas& c) {
  std::vector<std::vector<Pixelpunkt>> z;
  for (const auto& p : c.polylinien) z.push_back(p.punkte);
  for (const auto& m : c.mehrfachlinien) z.insert(z.end(), m.zuege.begin(), m.zuege.end());
  for (const auto& p : c.polygone) z.push_back(p.punkte);
  return z;
}

TEST_F(ZeichnenBloecke, PassingOverBlocksDrawsWhatTheFullWalkDraws) {
  // Rows of short lines in drawing order, as a plan grows, with arcs, thick
  // pens and line ends among them; the view shows a small part.
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> klein(-3, 3);
  for (int i = 0; i < 5000; ++i) {
    const double x = (i % 100) * 20.0, y = (i / 100) * 20.0;
    linie({.x1 = x,
           .y1 = y,
           .x2 = x + klein(zufall),
           .y2 = y + klein(zufall),
           .stift = static_cast<std::uint8_t>(i % 9),
           .ende = static_cast<std::uint8_t>(i % 7 == 0 ? 2 + 128 : 0)});
    if (i % 50 == 0) bogen({.xm = x, .ym = y, .xr = 15, .yr = 15});
  }
  Blockrahmen bloecke;
  for (double zoom : {0.5, 0.05}) {
    for (double x0 : {0.0, 300.0, 1900.0}) {
      canvas.leeren();
      Zeichenumgebung u = umgebung();
      drawElements(canvas, 1, z.speicher.anzahl(), 100, zoom, {0, 0, 799, 599}, x0, 400, u);
      const auto ohne = alleZuege(canvas);
      canvas.leeren();
      u.bloecke = &bloecke;
      drawElements(canvas, 1, z.speicher.anzahl(), 100, zoom, {0, 0, 799, 599}, x0, 400, u);
      EXPECT_TRUE(ohne == alleZuege(canvas)) << zoom << " " << x0;
    }
  }
  EXPECT_EQ(bloecke.neubauten(), 1);
}

TEST_F(ZeichnenBloecke, ChangesOfTheDrawingAreNoticed) {
  for (int i = 0; i < 2000; ++i) linie(5000, 5000, 5001, 5001);
  Blockrahmen bloecke;
  Zeichenumgebung u = umgebung();
  u.bloecke = &bloecke;
  EXPECT_EQ(zeichne(u), 0);
  zeichne(u);
  EXPECT_EQ(bloecke.neubauten(), 1);
  // A far line moved into view through the store's mutable record.
  z.speicher.linie(1500).x1 = 10;
  z.speicher.linie(1500).y1 = 10;
  zeichne(u);
  EXPECT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(bloecke.neubauten(), 2);
  canvas.leeren();
  linie(20, 20, 30, 30);
  zeichne(u);
  EXPECT_EQ(canvas.polylinien.size(), 2u);
}

}  // namespace
}  // namespace quarzel::test
