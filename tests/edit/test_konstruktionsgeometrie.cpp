#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "edit/ellipsenbogen.h"
#include "edit/konstruktionsgeometrie.h"
#include "edit/tangentengeometrie.h"

namespace quarzel {
namespace {

double abstandZurGeraden(Weltpunkt p, Weltpunkt a, Weltpunkt b) {
  return std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / std::hypot(b.x - a.x, b.y - a.y);
}

TEST(Linienschnitt, Grenzfaelle) {
  const struct {
    const char* name;
    Weltpunkt a1, b1, a2, b2, erwartet;  // (0, 0): none
  } faelle[] = {
      {"treffen sich im Ursprung", {-5, 0}, {5, 0}, {0, -5}, {0, 5}, {0, 0}},
      {"parallel", {0, 1}, {10, 2}, {0, 3}, {10, 4}, {0, 0}},
      {"y -2e7 liegt unter der Grenze", {0, -1e7}, {1, -2e7}, {-1, -2e7}, {5, -2e7}, {0, 0}},
      {"y +2e7 wird geliefert", {0, 1e7}, {1, 2e7}, {-1, 2e7}, {5, 2e7}, {1, 2e7}},
      {"x jenseits 1e8", {0, 1}, {1, 1}, {2e8, 0}, {2e8, 5}, {0, 0}},
      {"senkrecht gegen schraeg", {3, -1}, {3 + 1e-8, 9}, {0, 0.5}, {2, 2.5}, {3, 3.5}},
      {"waagerecht gegen schraeg", {-4, 2}, {9, 2}, {1, 0}, {2, 1}, {3, 2}},
  };
  for (const auto& f : faelle) {
    const Weltpunkt s = linienschnitt(f.a1, f.b1, f.a2, f.b2);
    EXPECT_TRUE(std::hypot(s.x - f.erwartet.x, s.y - f.erwartet.y) < 1e-6) << f.name;
  }
}

TEST(Richtungsgrad, Quadranten) {
  // World y grows downwards on screen; angles turn counter-clockwise there.
  const std::pair<Weltpunkt, float> faelle[] = {{{1, 0}, 0},    {{1, -1}, 45},  {{0, -2}, 90}, {{-1, -1}, 135},
                                                {{-3, 0}, 180}, {{-1, 1}, 225}, {{0, 1}, 270}, {{1, 1}, 315}};
  for (const auto& [q, grad] : faelle) EXPECT_NEAR(richtungsgrad({0, 0}, q), grad, 1e-4) << q.x << "," << q.y;
}

// Random corners: the crossing lies on both lines, a trimmed line ends on the
// other, a fillet touches both sides and chamfers keep their measure.
TEST(Konstruktionsgeometrie, ZufaelligeEcken) {
  std::mt19937 zufall(1818);
  std::uniform_real_distribution<double> koord(-5000, 5000), mass(0.5, 200);
  int geprueft = 0;
  for (int i = 0; i < 2000; ++i) {
    const Weltpunkt a1{koord(zufall), koord(zufall)}, b1{koord(zufall), koord(zufall)};
    const Weltpunkt a2{koord(zufall), koord(zufall)}, b2{koord(zufall), koord(zufall)};
    const Weltpunkt s = linienschnitt(a1, b1, a2, b2);
    if (keinSchnitt(s)) continue;
    const double skala = std::max({1.0, std::fabs(s.x), std::fabs(s.y)}) * 1e-9;
    ASSERT_LT(abstandZurGeraden(s, a1, b1), 1e-5 + skala);
    ASSERT_LT(abstandZurGeraden(s, a2, b2), 1e-5 + skala);

    Weltpunkt a = a1, b = b1;
    schneideAb(a, b, s, a1);
    ASSERT_TRUE((a.x == s.x && a.y == s.y) || (b.x == s.x && b.y == s.y));

    const auto e = ecke(a1, b1, a1, a2, b2, b2);
    if (!e || e->halbwinkel < 0.05) continue;
    const double r = mass(zufall);
    const auto f = abrundung(*e, r, false);
    ASSERT_TRUE(f);
    const double tol = 1e-6 * std::max(1.0, r / std::tan(e->halbwinkel));
    EXPECT_NEAR(abstandZurGeraden(f->mitte, a1, b1), r, tol);
    EXPECT_NEAR(abstandZurGeraden(f->mitte, a2, b2), r, tol);
    EXPECT_LT(abstandZurGeraden(f->t1, a1, b1), tol);
    EXPECT_LT(abstandZurGeraden(f->t2, a2, b2), tol);
    EXPECT_NEAR(std::hypot(f->t1.x - f->mitte.x, f->t1.y - f->mitte.y), r, tol);
    EXPECT_NEAR(f->ende - f->start, 180 - 2 * e->halbwinkel * 180 / M_PI, 1e-6);
    // The arc's middle (angles counter-clockwise on screen, world y down) faces the corner.
    const double mitte = (f->start + f->ende) / 2 * M_PI / 180;
    const Weltpunkt scheitel{f->mitte.x + r * std::cos(mitte), f->mitte.y - r * std::sin(mitte)};
    EXPECT_LT(std::hypot(scheitel.x - s.x, scheitel.y - s.y), std::hypot(f->mitte.x - s.x, f->mitte.y - s.y));

    // Negative: the same end points, the centre mirrored across their chord.
    const auto neg = abrundung(*e, r, true);
    EXPECT_NEAR(neg->mitte.x + f->mitte.x, f->t1.x + f->t2.x, tol);
    EXPECT_NEAR(neg->mitte.y + f->mitte.y, f->t1.y + f->t2.y, tol);
    // The bisector makes equal angles with both kept sides; an offset
    // parallel lies at its distance; an angled direction keeps its angle.
    const Weltpunkt w = halbierende(*e);
    EXPECT_NEAR(w.x * e->r1.x + w.y * e->r1.y, w.x * e->r2.x + w.y * e->r2.y, 1e-9);
    const auto versatz = versatzZurSeite(a1, b1, a2, r);
    EXPECT_NEAR(abstandZurGeraden({a1.x + versatz->x, a1.y + versatz->y}, a1, b1), r, tol);
    EXPECT_NEAR(abstandZurGeraden(a2, {a1.x + versatz->x, a1.y + versatz->y}, {b1.x + versatz->x, b1.y + versatz->y}),
                std::fabs(abstandZurGeraden(a2, a1, b1) - r), tol);
    const auto gedreht = gedrehteRichtung(a1, b1, r);
    const double dreh = richtungsgrad({0, 0}, *gedreht) - richtungsgrad(a1, b1);
    EXPECT_NEAR(std::fmod(dreh + 720 - r + 180, 360.0) - 180, 0, 1e-2);
    const auto laenge = fase(*e, r, false);
    EXPECT_NEAR(std::hypot(laenge->t2.x - laenge->t1.x, laenge->t2.y - laenge->t1.y), r, tol);
    ++geprueft;
  }
  EXPECT_GT(geprueft, 1000);
}

// Random circles: tangent points lie on the circle with the radius at right
// angles to the tangent; common tangents and tangential arcs touch both circles.
TEST(Tangentengeometrie, ZufaelligeKreise) {
  std::mt19937 zufall(2024);
  std::uniform_real_distribution<double> koord(-3000, 3000), radius(1, 800), winkel(0, 360);
  const auto ab = [](Weltpunkt a, Weltpunkt b) { return std::hypot(b.x - a.x, b.y - a.y); };
  int tangenten = 0, boegen = 0;
  for (int i = 0; i < 2000; ++i) {
    const Kreisform k1{{koord(zufall), koord(zufall)}, radius(zufall)},
        k2{{koord(zufall), koord(zufall)}, radius(zufall)};
    const Weltpunkt p{koord(zufall), koord(zufall)};
    const Punktliste t = tangentenpunkte(Ellipsenbogen{k1.mitte, k1.r, k1.r}, p);
    ASSERT_EQ(t.size(), ab(p, k1.mitte) > k1.r ? 2u : 0u);
    const double tol = 1e-7 * 3000;
    for (const Weltpunkt& q : t) {
      EXPECT_NEAR(ab(q, k1.mitte), k1.r, tol);
      EXPECT_NEAR((q.x - k1.mitte.x) * (p.x - q.x) + (q.y - k1.mitte.y) * (p.y - q.y), 0, tol * ab(p, q));
    }
    const auto klick = [&](const Kreisform& k) {
      const double w = winkel(zufall) * M_PI / 180;
      return Weltpunkt{k.mitte.x + k.r * std::cos(w), k.mitte.y + k.r * std::sin(w)};
    };
    if (const auto g = gemeinsameTangente(k1, klick(k1), k2, klick(k2)); g && ab(g->a, g->b) > 1) {
      EXPECT_NEAR(abstandZurGeraden(k1.mitte, g->a, g->b), k1.r, tol);
      EXPECT_NEAR(abstandZurGeraden(k2.mitte, g->a, g->b), k2.r, tol);
      ++tangenten;
    }
    const double r = radius(zufall);
    if (const auto b = tangentialbogen(k1, klick(k1), k2, klick(k2), r)) {
      for (const auto& [k, t] : {std::pair(k1, b->t1), std::pair(k2, b->t2)}) {
        const double e = ab(b->mitte, k.mitte);
        EXPECT_TRUE(std::fabs(e - (r + k.r)) < tol || std::fabs(e - (r - k.r)) < tol) << i;
        EXPECT_NEAR(ab(t, k.mitte), k.r, tol);
        EXPECT_NEAR(ab(t, b->mitte), r, tol);
      }
      EXPECT_TRUE(b->ende > b->start && b->ende - b->start <= 180 + 1e-9) << i;
      ++boegen;
    }
  }
  EXPECT_GT(tangenten, 1000);
  EXPECT_GT(boegen, 300);
}

// Random lines against circles and turned ellipses, and circles against
// circles: every crossing lies on both figures, and a line trimmed to one
// ends on the figure.
TEST(Konstruktionsgeometrie, ZufaelligeKreisschnitte) {
  std::mt19937 zufall(1819);
  std::uniform_real_distribution<double> koord(-500, 500), radius(1, 300), winkel(0, 360);
  int geprueft = 0;
  const auto aufFigur = [](const Ellipsenbogen& e, Weltpunkt p) {
    const Weltpunkt u = e.einheitskreis(p);
    return std::fabs(std::hypot(u.x, u.y) - 1) * std::max(e.xr, e.yr);
  };
  for (int i = 0; i < 2000; ++i) {
    tbogendaten d;
    d.xm = koord(zufall), d.ym = koord(zufall), d.xr = radius(zufall);
    d.yr = i % 2 ? d.xr : radius(zufall);
    d.drehwinkel = float(i % 2 ? 0 : winkel(zufall));
    const Ellipsenbogen e = *ellipsenbogen(d);
    const Weltpunkt a{koord(zufall), koord(zufall)}, b{koord(zufall), koord(zufall)};
    for (const Weltpunkt& s : geradeBogenSchnitt(a, b, e)) {
      ASSERT_LT(abstandZurGeraden(s, a, b), 1e-6);
      ASSERT_LT(aufFigur(e, s), 1e-6);
      Weltpunkt ta = a, tb = b;
      schneideAb(ta, tb, s, b);
      ASSERT_LT(std::min(aufFigur(e, ta), aufFigur(e, tb)), 1e-6);
      ++geprueft;
    }
    tbogendaten g = d;
    g.xm += koord(zufall) / 2, g.ym += koord(zufall) / 2, g.yr = g.xr = radius(zufall), g.drehwinkel = 0;
    const Ellipsenbogen f = *ellipsenbogen(g);
    for (const Weltpunkt& s : bogenBogenSchnitt(e, f)) {
      ASSERT_LT(aufFigur(e, s), 1e-5);
      ASSERT_LT(aufFigur(f, s), 1e-5);
    }
  }
  EXPECT_GT(geprueft, 1000);
}

}  // namespace
}  // namespace quarzel
