// The colour bands of gradients: count, colours from the first to the
// second colour, the shape of each type and hostile outlines.
#include <gtest/gtest.h>

#include <cmath>

#include "render/bildelemente.h"
#include "render/verlauf.h"
#include "test_bild_hilfe.h"

namespace quarzel {
namespace {

const std::vector<Pixelpunkt> kQuadrat = {{0, 0}, {200, 0}, {200, 100}, {0, 100}};
constexpr Farbe kSchwarz = rgb(0, 0, 0);
constexpr Farbe kWeiss = rgb(255, 255, 255);

Verlaufsbild baender(std::uint8_t basis, std::span<const Pixelpunkt> p = kQuadrat, bool a = false, bool b = false) {
  Verlaufsangaben v;
  v.punkte = p;
  v.farbe1 = kSchwarz;
  v.farbe2 = kWeiss;
  v.basis = basis;
  v.a = a;
  v.b = b;
  return verlaufsbaender(v);
}

TEST(Verlauf, MischfarbeLaeuftVonDerErstenZurZweitenFarbe) {
  EXPECT_EQ(mischfarbe(rgb(0, 100, 200), rgb(200, 100, 0), 0), rgb(0, 100, 200));
  EXPECT_EQ(mischfarbe(rgb(0, 100, 200), rgb(200, 100, 0), 1), rgb(200, 100, 0));
  EXPECT_EQ(mischfarbe(rgb(0, 100, 200), rgb(200, 100, 0), 0.5), rgb(100, 100, 100));
  EXPECT_EQ(mischfarbe(rgb(0, 0, 0), rgb(255, 255, 255), std::nan("")), rgb(0, 0, 0));
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

  Verlaufsangaben wenig;  // little colour difference, few bands
  wenig.punkte = kQuadrat;
  wenig.farbe1 = rgb(10, 10, 10);
  wenig.farbe2 = rgb(13, 10, 10);
  EXPECT_EQ(verlaufsbaender(wenig).baender.size(), 4u);
}

TEST(Verlauf, FlagBLaeuftHinUndZurueckUndAMitBTauschtDieFarben) {
  const Verlaufsbild hin = baender(0, kQuadrat, false, true);
  EXPECT_EQ(hin.baender.front().farbe, kSchwarz);
  EXPECT_EQ(hin.baender.back().farbe, kSchwarz);
  EXPECT_GE(rotAnteil(hin.baender[hin.baender.size() / 2].farbe), 250) << "the middle is colour 2";
  const Verlaufsbild getauscht = baender(0, kQuadrat, true, true);
  EXPECT_EQ(getauscht.baender.front().farbe, kWeiss);
}

TEST(Verlauf, KreisfoermigeUndVieleckigeBaenderWerdenNachInnenKleiner) {
  for (std::uint8_t basis : {1, 2, 3, 4, 6}) {
    const Verlaufsbild bild = baender(basis);
    ASSERT_GE(bild.baender.size(), 2u) << int(basis);
    auto ausdehnung = [](const Verlaufsband& b) {
      double x0 = 1e9, x1 = -1e9;
      for (const auto& p : b.punkte) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
      }
      return x1 - x0;
    };
    EXPECT_GT(ausdehnung(bild.baender.front()), ausdehnung(bild.baender.back())) << int(basis);
    EXPECT_EQ(bild.baender.front().farbe, kSchwarz) << int(basis);
  }
  // The outer circular band covers the corners of the outline.
  const Verlaufsbild kreis = baender(4);
  double r = 0;
  for (const auto& p : kreis.baender.front().punkte) r = std::max(r, std::hypot(p.x - 100, p.y - 50));
  EXPECT_GE(r, std::hypot(100, 50));
}

TEST(Verlauf, RadialerVerlaufSindSektorenUmDieMitte) {
  const Verlaufsbild bild = baender(5);
  ASSERT_GE(bild.baender.size(), 2u);
  for (const auto& b : bild.baender) {
    EXPECT_DOUBLE_EQ(b.punkte.front().x, 100);
    EXPECT_DOUBLE_EQ(b.punkte.front().y, 50);
  }
}

TEST(Verlauf, ZweiPolygoneWerdenIneinanderUebergeblendet) {
  const std::vector<Pixelpunkt> p = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {40, 40}, {60, 40}, {60, 60}, {40, 60}};
  const Verlaufsbild bild = baender(7, p);
  ASSERT_GE(bild.baender.size(), 2u);
  EXPECT_TRUE(bild.umriss.empty());
  EXPECT_DOUBLE_EQ(bild.baender.front().punkte[0].x, 0);
  EXPECT_DOUBLE_EQ(bild.baender.back().punkte[0].x, 40);
  EXPECT_DOUBLE_EQ(bild.baender.back().punkte[2].y, 60);
}

TEST(Verlauf, ZuWenigeOderUngueltigePunkteGebenNichts) {
  const std::vector<Pixelpunkt> zwei = {{0, 0}, {10, 10}};
  EXPECT_TRUE(baender(0, zwei).baender.empty());
  const std::vector<Pixelpunkt> geschlossen = {{0, 0}, {10, 10}, {0, 0}};
  EXPECT_TRUE(baender(0, geschlossen).baender.empty());
  const std::vector<Pixelpunkt> nan = {{0, 0}, {10, std::nan("")}, {0, 10}};
  for (std::uint8_t basis = 0; basis < 60; ++basis) EXPECT_TRUE(baender(basis, nan).baender.empty());
}

TEST(Verlauf, RiesigeAusdehnungBleibtBeiHoechstensSovielenBaendern) {
  const std::vector<Pixelpunkt> gross = {{-1e12, -1e12}, {1e12, -1e12}, {1e12, 1e12}, {-1e12, 1e12}};
  for (std::uint8_t basis = 0; basis < 8; ++basis)
    EXPECT_LE(baender(basis, gross).baender.size(), static_cast<std::size_t>(kMeisteBaender));
}

TEST(Verlauf, GeschlossenerSplineGehtDurchDiePunkte) {
  const auto kurve = geschlossenerSpline(kQuadrat, 8);
  ASSERT_EQ(kurve.size(), 32u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(kurve[i * 8].x, kQuadrat[i].x, 1e-9);
    EXPECT_NEAR(kurve[i * 8].y, kQuadrat[i].y, 1e-9);
  }
}

TEST(Verlauf, ZeichneVerlaufMaltBaenderImUmrissClip) {
  bildtest::Umgebung u;
  Tpolygondaten d;
  d.x = {10, 110, 110, 10};
  d.y = {10, 10, 60, 60};
  d.farbe = rgb(255, 0, 0);
  d.farbe2 = rgb(0, 0, 255);
  d.verlaufstyp = packeVerlaufstyp({0, false, false});
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Verlauf, d);
  zeichneVerlauf(u.k(), n);
  ASSERT_GE(u.canvas.polygone.size(), 2u);
  EXPECT_EQ(u.canvas.clips.size(), 1u);
  EXPECT_EQ(u.canvas.clipAufhebungen, 1);
  for (const auto& f : u.canvas.polygone) {
    EXPECT_TRUE(f.zustand.geclippt);
    EXPECT_EQ(f.zustand.pinsel.farbe, f.zustand.stift.farbe);
  }
  EXPECT_EQ(u.canvas.polygone.front().zustand.pinsel.farbe, rgb(255, 0, 0));
  EXPECT_EQ(u.canvas.polygone.back().zustand.pinsel.farbe, rgb(0, 0, 255));
}

TEST(Verlauf, VerlaufAusserhalbDesBildesWirdNichtGezeichnet) {
  bildtest::Umgebung u;
  Tpolygondaten d;
  d.x = {5000, 5100, 5100};
  d.y = {10, 10, 60};
  d.farbe2 = rgb(0, 0, 255);
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Verlauf, d);
  zeichneVerlauf(u.k(), n);
  EXPECT_TRUE(u.canvas.protokoll.empty());
}

}  // namespace
}  // namespace quarzel
