// The line and area modules driven as the state machine would: what each
// figure adds, with which attributes and fill, the
// rubber band drawn in XOR (the second drawing erases it, never a black pen),
// and which elements are marked after a drawing tool or an edit command.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/zeichenvorgabe.h"
#include "support/bogenhilfen.h"
#include "support/werkzeugnummer.h"
#include "support/edit/test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

using Linienfiguren = Zeichenwerkzeuge;

TEST_F(Linienfiguren, ZweiKlicksGebenEineLinieMitDenAktuellenAttributen) {
  z.speicher.aktuell = {4, 7, 2, 3};  // pen, style, layer, sublayer
  linien.vorgabe.farbe = rgb(10, 20, 30);
  starte(wz(1));
  klick(linien, 5000, 5000);
  EXPECT_EQ(zs.schritt, 2);
  klick(linien, 5030, 4990);

  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  ASSERT_EQ(z.speicher.art(n), Elementart::Linie);
  const Tliniendaten& l = z.speicher.linie(n);
  EXPECT_EQ(std::tuple(l.x1, l.y1, l.x2, l.y2), std::tuple(5000.0, 5000.0, 5030.0, 4990.0));
  EXPECT_EQ(std::tuple(int(l.stift), int(l.linienstil), int(l.planteil), int(l.folie)), std::tuple(4, 7, 2, 3));
  EXPECT_EQ(l.farbe, rgb(10, 20, 30));
  EXPECT_TRUE(z.speicher.modifiziert());
  // The tool stays, waiting for the next figure.
  EXPECT_EQ(zs.schritt, 1);
  EXPECT_TRUE(zs.punkte.empty());
  EXPECT_FALSE(zs.bezug);
  ASSERT_EQ(gezeichnet.size(), 1u);
  EXPECT_EQ(gezeichnet[0], std::make_pair(n, n));

  // "Aus der Mitte": the first click is the middle, the second one end.
  starte(wz(42));
  klick(linien, 5000, 5000);
  klick(linien, 5030, 4990);
  ASSERT_EQ(lebende().size(), 2u);
  const Tliniendaten& m = z.speicher.linie(lebende()[1]);
  EXPECT_EQ(std::tuple(m.x1, m.y1, m.x2, m.y2), std::tuple(4970.0, 5010.0, 5030.0, 4990.0));
  // A line without length is no figure.
  starte(wz(1));
  klick(linien, 6000, 6000);
  klick(linien, 6000, 6000);
  EXPECT_EQ(lebende().size(), 2u);
}

TEST_F(Linienfiguren, RechteckMitEckradiusHatViertelboegenAnDenSeitenenden) {
  linien.vorgabe.eckradius = 5;
  starte(wz(3));
  klicks(linien, {{5000, 5000}, {5040, 5020}});
  ASSERT_EQ(anzahl(Elementart::Linie), 4u);
  ASSERT_EQ(anzahl(Elementart::Bogen), 4u);
  for (std::int32_t n : lebende()) {
    if (z.speicher.art(n) != Elementart::Bogen) continue;
    const auto& b = z.speicher.bogen(n);
    EXPECT_EQ(b.xr, 5);
    EXPECT_FLOAT_EQ(b.endwinkel - b.startwinkel, 90);
    // Both ends of each corner arc are ends of sides.
    for (double w : {double(b.startwinkel), double(b.endwinkel)}) {
      const double x = b.xm + 5 * std::cos(w * M_PI / 180), y = b.ym - 5 * std::sin(w * M_PI / 180);
      bool getroffen = false;
      for (std::int32_t k : lebende())
        if (z.speicher.art(k) == Elementart::Linie) {
          const auto& l = z.speicher.linie(k);
          getroffen |= (std::fabs(l.x1 - x) < 1e-9 && std::fabs(l.y1 - y) < 1e-9) ||
                       (std::fabs(l.x2 - x) < 1e-9 && std::fabs(l.y2 - y) < 1e-9);
        }
      EXPECT_TRUE(getroffen) << w;
    }
  }
}

TEST_F(Linienfiguren, PolygonzugEndetMitDerRechtenTasteOderDoppelklickOhneNeuenPunkt) {
  starte(wz(8));
  klicks(linien, {{5000, 5000}, {5010, 5000}, {5010, 5010}, {5020, 5020}});
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(zs.schritt, 2);
  linien.zweiteTaste(u, {5100, 5100});  // the position of the right click adds no point
  ASSERT_EQ(anzahl(Elementart::Linie), 3u);
  EXPECT_EQ(z.speicher.undoStufe(), 1);
  EXPECT_TRUE(zs.punkte.empty());

  klicks(linien, {{5000, 5000}, {5010, 5000}, {5010, 5010}});
  linien.doppelklick(u, {5010, 5010});  // the press already brought this point
  EXPECT_EQ(anzahl(Elementart::Linie), 5u);
}

// Construction lines.

TEST_F(Linienfiguren, HilfslinienReichenDurchIhrePunkteBisZumWeltrand) {
  linien.vorgabe.hilfslinienfarbe = rgb(0, 0, 255);
  starte(wz(800));
  klick(linien, 5000, 4321);
  starte(wz(802));
  klicks(linien, {{5000, 5000}, {5010, 5010}});
  ASSERT_EQ(lebende().size(), 2u);
  const auto& w = z.speicher.linie(lebende()[0]);
  EXPECT_EQ(std::fmin(w.x1, w.x2), 0);
  EXPECT_EQ(std::fmax(w.x1, w.x2), 10000);
  EXPECT_EQ(std::pair(w.y1, w.y2), std::pair(4321.0, 4321.0));
  EXPECT_EQ(w.stift, kHilfslinienstift);
  EXPECT_EQ(w.farbe, rgb(0, 0, 255));
  const auto& l = z.speicher.linie(lebende()[1]);
  erwartePunkt({l.x1, l.y1}, 0, 0);
  erwartePunkt({l.x2, l.y2}, 10000, 10000);
}

TEST_F(Linienfiguren, JederKnopfDerHilfslinienleisteLegtSeineFigurAb) {
  // Every figure runs through (5000, 5000) or about it with radius 10: the
  // directions of its lines, or the circle's points.
  struct Fall {
    int code;
    std::vector<Weltpunkt> klicks, richtungen;
    bool kreis;
  };
  const Fall faelle[] = {{800, {{5000, 5000}}, {{1, 0}}, false},
                         {801, {{5000, 5000}}, {{0, 1}}, false},
                         {802, {{5000, 5000}, {5010, 5020}}, {{1, 2}}, false},
                         {810, {{5000, 5000}, {5010, 5000}}, {}, true},
                         {813, {{4990, 5000}, {5010, 5000}}, {}, true},
                         {814, {{4990, 5000}, {5000, 5010}, {5010, 5000}}, {}, true},
                         {815, {{5000, 5000}}, {{1, 0}, {0, 1}}, false},
                         {816, {{5000, 5000}}, {{1, -1}, {1, 1}}, false}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.code);
    const std::int32_t erstes = z.speicher.anzahl() + 1;
    starte(wz(f.code));
    for (const Weltpunkt p : f.klicks) klick(linien, p.x, p.y);
    ASSERT_EQ(z.speicher.anzahl() - erstes + 1, f.kreis ? 1 : std::int32_t(f.richtungen.size()));
    for (std::int32_t n = erstes; n <= z.speicher.anzahl(); ++n) {
      EXPECT_EQ(*z.speicher.stift(n), kHilfslinienstift);
      if (f.kreis) {
        const tbogendaten& b = z.speicher.bogen(n);
        EXPECT_EQ(std::tuple(std::lround(b.xm), std::lround(b.ym), std::lround(b.xr), b.endwinkel - b.startwinkel),
                  std::tuple(5000, 5000, 10, 360.f));
        continue;
      }
      const Tliniendaten& l = z.speicher.linie(n);
      const Weltpunkt r = f.richtungen[std::size_t(n - erstes)];
      // Both ends lie on the line through (5000, 5000) in that direction.
      for (const auto& [x, y] : {std::pair(l.x1, l.y1), std::pair(l.x2, l.y2)})
        EXPECT_NEAR((x - 5000) * r.y - (y - 5000) * r.x, 0, 1e-6);
    }
  }
}

using Kreisfiguren = Zeichenwerkzeuge;

// The point of an arc record at a parameter angle, as the store reads it.
Weltpunkt punktAuf(const tbogendaten& b, double w) {
  const double t = w * M_PI / 180, d = b.drehwinkel * M_PI / 180;
  const double ex = b.xr * std::cos(t), ey = b.yr * std::sin(t);
  return {b.xm + ex * std::cos(d) - ey * std::sin(d), b.ym - (ex * std::sin(d) + ey * std::cos(d))};
}

TEST_F(Kreisfiguren, VollkreisIstEinBogenVonNullBis360) {
  z.speicher.aktuell = {2, 3, 1, 1};
  starte(wz(2));
  klicks(linien, {{5000, 5000}, {5003, 5004}});
  ASSERT_EQ(lebende().size(), 1u);
  const auto& b = ersterBogen();
  EXPECT_EQ(std::tuple(b.xm, b.ym, b.xr, b.yr, b.startwinkel, b.endwinkel), std::tuple(5000, 5000, 5, 5, 0, 360));
  EXPECT_EQ(std::tuple(int(b.stift), int(b.linienstil), int(b.fuellung.gefuellt)), std::tuple(2, 3, 0));
}

TEST_F(Kreisfiguren, KreisDurchDreiPunkteTrifftAlleDreiAufEinerGeradenGibtEsKeinen) {
  starte(wz(15));
  klicks(linien, {{5000, 5000}, {5010, 5010}, {5020, 5020}});
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(z.speicher.undoStufe(), 0);
  EXPECT_EQ(zs.schritt, 1);

  const Weltpunkt a{5001.25, 4999.5}, b{5012.75, 5003.125}, c{4996.5, 5010.0625};
  klicks(linien, {a, b, c});
  const auto& k = ersterBogen();
  for (Weltpunkt p : {a, b, c}) EXPECT_NEAR(std::hypot(p.x - k.xm, p.y - k.ym), k.xr, 1e-9);
  EXPECT_EQ(k.endwinkel - k.startwinkel, 360);
}

TEST_F(Kreisfiguren, GetippteWinkelErstImDrittenSchrittEndeVorStartGibt60Bis390) {
  starte(wz(5));
  linien.getippterPunkt(u, {5000, 5000});
  EXPECT_EQ(zs.punkte.size(), 1u) << "before the third step a typed pair is a point";
  linien.getippterPunkt(u, {5010, 5000});
  EXPECT_EQ(zs.schritt, 3);
  linien.getippterPunkt(u, {60, 30});  // third group: start and end angle
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_FLOAT_EQ(ersterBogen().startwinkel, 60);
  EXPECT_FLOAT_EQ(ersterBogen().endwinkel, 390);
  EXPECT_EQ(ersterBogen().xr, 10);
  starte(wz(21));  // the elliptic sector takes both angles in one group, too
  for (Weltpunkt p : {Weltpunkt{6000, 6000}, Weltpunkt{6020, 6010}, Weltpunkt{60, 30}}) flaechen.getippterPunkt(u, p);
  EXPECT_EQ(lebende().size(), 2u);
}

TEST_F(Kreisfiguren, BogenImUhrzeigersinnLaeuftVomEndeZumStart) {
  starte(wz(11));
  klicks(linien, {{5000, 5000}, {5010, 5000}, {5000, 4990}, {4990, 5000}});
  // Clockwise from 90 to 180 is counter-clockwise from 180 to 450.
  EXPECT_FLOAT_EQ(ersterBogen().startwinkel, 180);
  EXPECT_FLOAT_EQ(ersterBogen().endwinkel, 450);
}

TEST_F(Kreisfiguren, BogenDurchDreiPunkteBeginntUndEndetAnDenAussenpunkten) {
  starte(wz(14));
  const Weltpunkt a{5010, 5000}, mitte{5000, 5010}, e{4990, 5000};  // the lower half, clockwise on screen
  klicks(linien, {a, mitte, e});
  const auto& b = ersterBogen();
  EXPECT_NEAR(b.xm, 5000, 1e-9);
  EXPECT_NEAR(b.ym, 5000, 1e-9);
  // The arc must pass through the middle point: 270 lies inside it.
  const Weltpunkt s = punktAuf(b, b.startwinkel), en = punktAuf(b, b.endwinkel);
  EXPECT_NEAR(s.x, 4990, 1e-4);
  EXPECT_NEAR(en.x, 5010, 1e-4);
  EXPECT_LT(b.startwinkel, 270);
  EXPECT_GT(b.endwinkel, 270);
}

// Plane constructions.

class Flaechenfiguren : public Zeichenwerkzeuge {
 protected:
  void SetUp() override {
    Zeichenwerkzeuge::SetUp();
    flaechen.flaechenvorgabe = {rgb(200, 100, 50), 2, 0xDEADBEEF, 1, "ANSI31", 30.0f, 1};
  }
  void pruefeFuellung(std::int32_t n) {
    const Fuellangaben* f = z.speicher.fuellung(n);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::tuple(f->fuellwert, int(f->fuellflag), f->schraffurName, f->schraffurWinkel, int(f->gefuellt)),
              std::tuple(rgb(200, 100, 50), 2, "ANSI31", 30.0f, 1));
    const auto a = z.speicher.attribut(n);
    ASSERT_TRUE(a);
    EXPECT_EQ(std::tuple(a->wert, int(a->flag)), std::tuple(0xDEADBEEFu, 1));
    EXPECT_TRUE(z.speicher.gefuellt(n));
  }
};

TEST_F(Flaechenfiguren, PolygonEndetMitDerRechtenTasteGeschlossenUndGefuelltAberNichtMitZweiPunkten) {
  starte(wz(9));
  klicks(flaechen, {{5000, 5000}, {5010, 5000}});
  flaechen.zweiteTaste(u, {5050, 5050});
  EXPECT_TRUE(lebende().empty());
  EXPECT_TRUE(zs.punkte.empty());

  klicks(flaechen, {{5000, 5000}, {5010, 5000}, {5010, 5010}});
  EXPECT_TRUE(lebende().empty());
  flaechen.zweiteTaste(u, {5050, 5050});
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  EXPECT_EQ(z.speicher.art(n), Elementart::Polygon);
  const auto& p = z.speicher.polygon(n);
  ASSERT_EQ(p.punktanzahl(), 4u);
  EXPECT_EQ(p.x.back(), p.x.front());
  EXPECT_EQ(p.y.back(), p.y.front());
  pruefeFuellung(n);
  EXPECT_EQ(z.speicher.undoStufe(), 1);

  klicks(flaechen, {{5000, 5000}, {5010, 5000}});
  flaechen.doppelklick(u, {5010, 5000});  // the press already brought this point
  EXPECT_EQ(zs.punkte.size(), 2u) << "two corners do not end an area yet";
}

TEST_F(Flaechenfiguren, FreihandflaecheEndetBeimLoslassenMitFreihandmuster) {
  flaechen.vorgabe.freihandglaetten = false;
  starte(wz(41));
  // The state machine collects the stroke itself.
  zs.punkte = {{5000, 5000}, {5001, 5000}, {5001, 5001}, {5000, 5002}};
  flaechen.loslassen(u, {5000, 5002}, false);
  ASSERT_EQ(lebende().size(), 1u);
  const auto& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.muster, kFreihandMuster);
  EXPECT_EQ(p.punktanzahl(), 5u);
  pruefeFuellung(lebende()[0]);
  EXPECT_EQ(neuZeichnungen, 1);  // the stroke's painted points go away
  EXPECT_TRUE(zs.punkte.empty());
}

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
  starte(wz(1));
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

// --- Marking after new elements -------------------------------------------------

using Markierung = Zeichenwerkzeuge;

TEST_F(Markierung, GezeichneteObjekteSindNichtMarkiertUndDieAlteMarkierungBleibt) {
  starte(wz(1));
  klicks(linien, {{5000, 5000}, {5100, 5000}});
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t alt = lebende()[0];
  EXPECT_FALSE(z.speicher.markiert(alt));
  z.speicher.setzeMarkiert(alt, 1);
  starte(wz(16));
  klicks(flaechen, {{5000, 5100}, {5100, 5200}});
  ASSERT_EQ(lebende().size(), 2u);
  EXPECT_TRUE(z.speicher.markiert(alt));
  EXPECT_FALSE(z.speicher.markiert(lebende()[1]));
}

}  // namespace
}  // namespace quarzel::test
