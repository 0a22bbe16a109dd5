// Block boxes: a redraw that passes over blocks far from the canvas draws
// exactly what the full walk draws and notices every change of the drawing.
#include <gtest/gtest.h>

#include <random>

#include "render/blockrahmen.h"
#include "render/zustandsfilter.h"
#include "test_zeichnen_hilfe.h"

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

bool gleich(const std::vector<std::vector<Pixelpunkt>>& a, const std::vector<std::vector<Pixelpunkt>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].size() != b[i].size()) return false;
    for (std::size_t j = 0; j < a[i].size(); ++j)
      if (a[i][j].x != b[i][j].x || a[i][j].y != b[i][j].y) return false;
  }
  return true;
}

TEST_F(ZeichnenBloecke, PassingOverBlocksDrawsWhatTheFullWalkDraws) {
  // Rows of short lines in drawing order, as a plan grows, with arcs, thick
  // pens and line ends among them; the view shows a small part.
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> klein(-3, 3);
  for (int i = 0; i < 5000; ++i) {
    Tliniendaten d;
    d.x1 = (i % 100) * 20.0;
    d.y1 = (i / 100) * 20.0;
    d.x2 = d.x1 + klein(zufall);
    d.y2 = d.y1 + klein(zufall);
    d.stift = static_cast<std::uint8_t>(i % 9);
    d.ende = i % 7 == 0 ? 2 + 128 : 0;
    linie(d);
    if (i % 50 == 0) {
      tbogendaten b;
      b.xm = d.x1;
      b.ym = d.y1;
      b.xr = b.yr = 15;
      bogen(b);
    }
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
      EXPECT_TRUE(gleich(ohne, alleZuege(canvas))) << zoom << " " << x0;
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
