// The rubber band of the drawing tools: drawn in XOR so that the second
// drawing erases it, never with a black pen, and not at all without a canvas.
#include <cmath>

#include "edit/gummiband.h"
#include "test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

using Gummibaender = Zeichenwerkzeuge;

bool gleicheZuege(const Aufzeichnungscanvas::Mehrfachlinie& a, const Aufzeichnungscanvas::Mehrfachlinie& b) {
  if (a.zuege.size() != b.zuege.size()) return false;
  for (std::size_t i = 0; i < a.zuege.size(); ++i) {
    if (a.zuege[i].size() != b.zuege[i].size()) return false;
    for (std::size_t k = 0; k < a.zuege[i].size(); ++k)
      if (a.zuege[i][k].x != b.zuege[i][k].x || a.zuege[i][k].y != b.zuege[i][k].y) return false;
  }
  return a.zustand.stift == b.zustand.stift;
}

TEST_F(Gummibaender, JedeBewegungLoeschtDasAlteBandUndZeigtDasNeueInXor) {
  starte(1);
  klick(linien, 5000, 5000);
  canvas.leeren();
  linien.bewegung(u, {5010, 5000});
  linien.bewegung(u, {5020, 5000});
  // Show, then erase (same lines again) and show the new one.
  ASSERT_EQ(canvas.mehrfachlinien.size(), 3u);
  EXPECT_TRUE(gleicheZuege(canvas.mehrfachlinien[0], canvas.mehrfachlinien[1]));
  EXPECT_FALSE(gleicheZuege(canvas.mehrfachlinien[1], canvas.mehrfachlinien[2]));
  for (const auto& m : canvas.mehrfachlinien) {
    EXPECT_EQ(m.zustand.modus, Stiftmodus::Xor);
    EXPECT_NE(m.zustand.stift.farbe, 0u);
  }
  // The band runs from the first point to the mouse, in pixels.
  const Pixelpunkt a = z.ansicht.worldToPixel(5000, 5000), b = z.ansicht.worldToPixel(5020, 5000);
  ASSERT_EQ(canvas.mehrfachlinien[2].zuege.size(), 1u);
  EXPECT_EQ(canvas.mehrfachlinien[2].zuege[0].front().x, a.x);
  EXPECT_EQ(canvas.mehrfachlinien[2].zuege[0].back().x, b.x);
}

TEST_F(Gummibaender, DerLetztePunktLoeschtDasBandVorDemAnlegen) {
  starte(1);
  klick(linien, 5000, 5000);
  linien.bewegung(u, {5010, 5000});
  canvas.leeren();
  klick(linien, 5010, 5000);
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);  // the erasing draw only
  linien.bewegung(u, {5020, 5000});             // nothing collected: nothing to show
  EXPECT_EQ(canvas.mehrfachlinien.size(), 1u);
}

TEST_F(Gummibaender, RueckmeldungLoeschenZeichnetDasBandEinZweitesMal) {
  starte(2);
  klick(linien, 5000, 5000);
  linien.bewegung(u, {5010, 5000});
  canvas.leeren();
  linien.rueckmeldungLoeschen(u);
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);
  linien.rueckmeldungLoeschen(u);  // already gone: not drawn again
  EXPECT_EQ(canvas.mehrfachlinien.size(), 1u);
}

TEST_F(Gummibaender, SchwarzZeichnetMitWeissDasSchwarzErgibt) {
  EXPECT_EQ(Gummiband::xorFarbe(rgb(0, 0, 0)), rgb(255, 255, 255));
  EXPECT_EQ(Gummiband::xorFarbe(rgb(255, 0, 0)), rgb(0, 255, 255));
  // White would need black, which XOR cannot show.
  EXPECT_NE(Gummiband::xorFarbe(rgb(255, 255, 255)), 0u);
}

TEST_F(Gummibaender, OhneCanvasWirdNichtsGezeichnetAberGezeichnetWirdTrotzdem) {
  u.rueckmeldung = nullptr;
  starte(3);
  klick(linien, 5000, 5000);
  linien.bewegung(u, {5010, 5010});
  linien.rueckmeldungLoeschen(u);
  klick(linien, 5010, 5010);
  EXPECT_EQ(lebende().size(), 4u);
  EXPECT_TRUE(canvas.protokoll.empty());
}

TEST_F(Gummibaender, KreisbandFolgtDemRadiusUndBleibtBegrenzt) {
  starte(2);
  klick(linien, 5000, 5000);
  canvas.leeren();
  linien.bewegung(u, {5100, 5000});
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);
  const auto& zug = canvas.mehrfachlinien[0].zuege.at(0);
  EXPECT_LE(zug.size(), 362u);
  const Pixelpunkt m = z.ansicht.worldToPixel(5000, 5000);
  EXPECT_NEAR(std::hypot(zug[0].x - m.x, zug[0].y - m.y), 100 / z.ansicht.zoom, 1e-6);
}

TEST_F(Gummibaender, FreihandZeigtKeinBandDieSteuerungMaltDiePunkte) {
  starte(40);
  zs.punkte = {{5000, 5000}};
  canvas.leeren();
  linien.bewegung(u, {5010, 5000});
  EXPECT_TRUE(canvas.mehrfachlinien.empty());
}

TEST_F(Gummibaender, HilfslinienbandZeigtSichErstAbDemErstenPunkt) {
  starte(802);
  linien.bewegung(u, {5000, 5000});
  EXPECT_TRUE(canvas.mehrfachlinien.empty());
  klick(linien, 5000, 5000);
  linien.bewegung(u, {5010, 5020});
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);
  // Across the whole world, not just between the two points.
  const auto& zug = canvas.mehrfachlinien[0].zuege.at(0);
  const Pixelpunkt ecke = z.ansicht.worldToPixel(0, 0);
  EXPECT_LT(std::fmin(zug.front().y, zug.back().y), ecke.y + 1);
}

TEST_F(Gummibaender, BezugspunktFolgtDemLetztenFestenPunkt) {
  starte(8);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  ASSERT_TRUE(zs.bezug);
  EXPECT_EQ(zs.bezug->x, 5010);
  EXPECT_EQ(zs.bezug->y, 5000);
}

}  // namespace
}  // namespace quarzel::test
