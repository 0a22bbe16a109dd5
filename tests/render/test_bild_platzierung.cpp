// The placement of a bitmap means the same to writer, reader and renderer:
// values 1-4 are two opposite corners of the upright frame, value 5 the turn
// in degrees counter-clockwise about the frame's centre, value 6 is kept.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/skriptbenutzer.h"
#include "render/bildelemente.h"
#include "store/zeichnungsdatei.h"
#include "support/dateibauer.h"
#include "support/speicherhilfen.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::alsPng;
using bildtest::Umgebung;
using bildtest::verlaufsbild;

TEST(Bildplatzierung, SpeichernLadenZeichnenBehaeltRahmenUndDrehung) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  z.speicher.beginneSchritt();
  // Corners in either order.
  const Tbitmapdaten d{.platzierung = {50, 40, 10, 20, 30, 7}, .daten = alsPng(verlaufsbild(8, 4))};
  const std::int32_t n = z.speicher.neueBitmap(Elementart::Bitmap, d);
  z.speicher.vervollstaendige(n);
  z.speicher.setzeMarkiert(n, 0);
  // A view origin away from the world origin: only coordinates may move with it.
  z.ansicht.viewOriginX = 100;
  z.ansicht.viewOriginY = 200;

  Umgebung u;
  SkriptBenutzer b;
  ASSERT_TRUE(leseZeichnung(schreibeZeichnung(z).daten, u.zeichnung, b).geladen);
  ASSERT_EQ(u.zeichnung.speicher.anzahl(), 1);
  EXPECT_EQ(u.zeichnung.speicher.bitmap(1).platzierung, d.platzierung);

  zeichneBitmap(u.k(), 1);
  ASSERT_EQ(u.canvas.rasterbilder.size(), 1u);
  const Bildlage& l = u.canvas.rasterbilder[0].lage;
  // Zoom 1 with the world origin at the top-left pixel: pixels are millimetres.
  // The picture keeps the frame's size, its centre (30, 30), and its top edge
  // runs 30 degrees up from the x axis (y grows downward).
  const double w = 30 * std::numbers::pi / 180;
  EXPECT_NEAR(l.obenRechts.x - l.obenLinks.x, 40 * std::cos(w), 1e-9);
  EXPECT_NEAR(l.obenRechts.y - l.obenLinks.y, -40 * std::sin(w), 1e-9);
  EXPECT_NEAR(l.untenLinks.x - l.obenLinks.x, 20 * std::sin(w), 1e-9);
  EXPECT_NEAR(l.untenLinks.y - l.obenLinks.y, 20 * std::cos(w), 1e-9);
  EXPECT_NEAR((l.obenRechts.x + l.untenLinks.x) / 2, 30, 1e-9);
  EXPECT_NEAR((l.obenRechts.y + l.untenLinks.y) / 2, 30, 1e-9);
}

TEST(Bildplatzierung, BezugspunktAlterDateienVerschiebtNurDieEcken) {
  // No reference record: coordinates are relative to the view origin in the
  // header (4790, 4855); the turn and the spare value are no coordinates.
  test::Dateibauer datei = test::Dateibauer::fuer("VS1.00", 2);
  datei.kopf().satz(0xD6 /* Ö */).f64(1).f64(2).f64(3).f64(4).f64(30).f64(6).u32(2).roh("xy").u8(0).u8(0).ende();
  datei.linie(0, 0, 1, 1).schluss();
  Zeichnung z;
  test::initialisiere(z.speicher);
  SkriptBenutzer b;
  ASSERT_TRUE(leseZeichnung(datei.daten(), z, b).geladen);
  ASSERT_EQ(z.speicher.art(1), Elementart::Bitmap);
  const std::array<double, 6> erwartet{4791, 4857, 4793, 4859, 30, 6};
  EXPECT_EQ(z.speicher.bitmap(1).platzierung, erwartet);
}

}  // namespace
}  // namespace quarzel
