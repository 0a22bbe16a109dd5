// Gradients: linear bands from the first to the second colour, drawn in the
// outline clip.
#include <gtest/gtest.h>

#include "render/bildelemente.h"
#include "render/verlauf.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

const std::vector<Pixelpunkt> kQuadrat = {{0, 0}, {200, 0}, {200, 100}, {0, 100}};
constexpr Farbe kSchwarz = rgb(0, 0, 0);
constexpr Farbe kWeiss = rgb(255, 255, 255);

Verlaufsbild baender(std::uint8_t basis, std::span<const Pixelpunkt> p = kQuadrat, bool a = false, bool b = false) {
  return verlaufsbaender({.punkte = p, .farbe1 = kSchwarz, .farbe2 = kWeiss, .basis = basis, .a = a, .b = b});
}

TEST(Verlauf, LinearerVerlaufGehtInStreifenVonFarbeEinsZuFarbeZwei) {
  const Verlaufsbild bild = baender(0);
  ASSERT_GE(bild.baender.size(), 100u);
  EXPECT_LE(bild.baender.size(), static_cast<std::size_t>(kMeisteBaender));
  EXPECT_EQ(bild.baender.front().farbe, kSchwarz);
  EXPECT_EQ(bild.baender.back().farbe, kWeiss);
  EXPECT_EQ(bild.umriss.size(), 4u);  // clipped to the outline
  // Along the first edge (x): the first band is at the left, the last at the right.
  auto mitteX = [](const Verlaufsband& b) {
    double s = 0;
    for (const auto& p : b.punkte) s += p.x;
    return s / static_cast<double>(b.punkte.size());
  };
  EXPECT_LT(mitteX(bild.baender.front()), 5);
  EXPECT_GT(mitteX(bild.baender.back()), 195);
  // Grey values never run backwards.
  for (std::size_t i = 1; i < bild.baender.size(); ++i)
    EXPECT_GE(rotAnteil(bild.baender[i].farbe), rotAnteil(bild.baender[i - 1].farbe));

  // Concentric bands shrink towards the middle of the outline.
  const Verlaufsband innen = baender(2).baender.back();
  EXPECT_NEAR(innen.punkte[0].x, 100, 2);
  EXPECT_NEAR(innen.punkte[0].y, 50, 2);

  // Little colour difference, few bands.
  EXPECT_EQ(verlaufsbaender({.punkte = kQuadrat, .farbe1 = rgb(10, 10, 10), .farbe2 = rgb(13, 10, 10)}).baender.size(),
            4u);
}

TEST(Verlauf, ZeichneVerlaufMaltBaenderImUmrissClip) {
  bildtest::Umgebung u;
  Tpolygondaten d{.x = {10, 110, 110, 10},
                  .y = {10, 10, 60, 60},
                  .farbe = rgb(255, 0, 0),
                  .farbe2 = rgb(0, 0, 255),
                  .verlaufstyp = packeVerlaufstyp({0, false, false})};
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Verlauf, d);
  zeichneVerlauf(u.k(), n);
  ASSERT_GE(u.canvas.polygone.size(), 2u);
  EXPECT_EQ(std::tuple(u.canvas.clips.size(), u.canvas.clipAufhebungen), std::tuple(1u, 1));
  for (const auto& f : u.canvas.polygone)
    EXPECT_TRUE(f.zustand.geclippt && f.zustand.pinsel.farbe == f.zustand.stift.farbe);
  EXPECT_EQ(std::tuple(u.canvas.polygone.front().zustand.pinsel.farbe, u.canvas.polygone.back().zustand.pinsel.farbe),
            std::tuple(rgb(255, 0, 0), rgb(0, 0, 255)));
  // Outside the picture nothing is drawn.
  u.canvas.leeren();
  d.x = {5000, 5100, 5100, 5000};
  zeichneVerlauf(u.k(), u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Verlauf, d));
  EXPECT_TRUE(u.canvas.protokoll.empty());
}

}  // namespace
}  // namespace quarzel
