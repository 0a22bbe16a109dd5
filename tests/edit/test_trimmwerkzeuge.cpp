// The trimming tools through the state machine: scripted clicks on lines,
// the result in the store, one undo step, properties kept, result marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/trimmwerkzeuge.h"
#include "platform/skriptbenutzer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using W = Werkzeugcode;
using Strecke = std::array<double, 4>;  // x1, y1, x2, y2 from the drawing's middle

struct Fall {
  const char* name;
  W werkzeug;
  std::uint8_t knopf;
  std::vector<Strecke> linien;
  std::vector<Weltpunkt> klicks;
  const char* fehler;           // "" when it works
  std::vector<Strecke> danach;  // the elements afterwards in any order, an arc as {}
  int markiert;
  double mass = 20;  // fillet radius or chamfer distance
};

// clang-format off
const Strecke h{-100, 0, 100, 0}, v{0, -100, 0, 100};
const Fall kFaelle[] = {
    {"erste, zu kurz: verlaengert", W::LinienTrimmen, 0, {{-100, 0, -20, 0}, v}, {{-50, 0}, {0, 50}}, "", {{-100, 0, 0, 0}, v}, 1},
    {"beide, je die angeklickte Seite", W::LinienTrimmen, 1, {h, v}, {{-50, 0}, {0, 50}}, "", {{-100, 0, 0, 0}, {0, 0, 0, 100}}, 2},
    {"parallel", W::LinienTrimmen, 1, {h, {-100, 9, 100, 9}}, {{-50, 0}, {0, 9}}, "Die Linien schneiden sich nicht.", {h, {-100, 9, 100, 9}}, 0},
    {"mehrere an einer Schnittkante", W::LinienTrimmen, 2, {v, {-100, 10, -20, 10}, {-100, -10, 50, -10}}, {{0, 50}, {-50, 10}, {-50, -10}}, "",
     {v, {-100, 10, 0, 10}, {-100, -10, 0, -10}}, 1},
    {"abrunden, beide trimmen", W::Abrunden, 2, {h, v}, {{50, 0}, {0, 50}}, "", {{20, 0, 100, 0}, {0, 20, 0, 100}, {}}, 3},
    {"abrunden, Radius zu gross", W::Abrunden, 0, {{0, 0, 100, 0}, v}, {{50, 0}, {0, 50}}, "Der Radius ist zu groß für diese Ecke.", {{0, 0, 100, 0}, v}, 0, 150},
    {"befasen im Abstand, erste trimmen", W::Befasen, 1, {h, v}, {{50, 0}, {0, 50}}, "", {{30, 0, 100, 0}, v, {30, 0, 0, 30}}, 2, 30},
    {"teilen in vier", W::LinieTeilen, 0, {h}, {{50, 0}}, "", {{-100, 0, -50, 0}, {-50, 0, 0, 0}, {0, 0, 50, 0}, {50, 0, 100, 0}}, 4},
};
// clang-format on

class Trimmtest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Trimmtest, Werkzeug) {
  const Fall& f = GetParam();
  Trimmwerkzeuge werkzeug;
  SkriptBenutzer benutzer;
  benutzer.eingaben.push_back("4");
  werkzeug.benutzer = &benutzer;
  // The panel takes drawing units.
  werkzeug.radius = werkzeug.fasenmass = f.mass * z.massstabInKraft() * z.ansicht.unitFactor;
  werkzeug.fasenAlsAbstand = true;
  st.setzeModul(Werkzeuggruppe::Trimmen, &werkzeug);
  // Away from the world origin, where a crossing would count as none.
  const Weltpunkt o = z.ansicht.pixelToWorld(401, 299);
  ASSERT_FALSE(o.x == 0 || o.y == 0);
  z.speicher.beginneSchritt();
  for (const Strecke& l : f.linien) {
    const std::int32_t n = linie(z.speicher, o.x + l[0], o.y + l[1], o.x + l[2], o.y + l[3], false);
    z.speicher.linie(n).stift = 7, z.speicher.linie(n).farbe = 0x123456;
  }
  z.speicher.demarkiereAlle();
  st.waehleWerkzeug(f.werkzeug, f.knopf);
  for (Weltpunkt k : f.klicks) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + k.x, o.y + k.y);
    links(p.x, p.y), loslassen(p.x, p.y);
  }
  EXPECT_EQ(benutzer.letzteMeldung(), f.fehler) << f.name;
  // The live elements, sorted, an arc as {}; each with the lines' pen and colour.
  const auto lebende = [&] {
    std::vector<Strecke> r;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
      if (!z.speicher.lebendig(n)) continue;
      EXPECT_TRUE(z.speicher.stift(n) == 7 && z.speicher.farbe(n) == Farbe(0x123456)) << f.name;
      const Tliniendaten* d = z.speicher.art(n) == Elementart::Bogen ? nullptr : &z.speicher.linie(n);
      r.push_back(d ? Strecke{std::round(d->x1 - o.x), std::round(d->y1 - o.y), std::round(d->x2 - o.x),
                              std::round(d->y2 - o.y)}
                    : Strecke{});
    }
    std::sort(r.begin(), r.end());
    return r;
  };
  const auto sortiert = [](std::vector<Strecke> v) { return std::sort(v.begin(), v.end()), v; };
  EXPECT_EQ(lebende(), sortiert(f.danach)) << f.name;
  EXPECT_EQ(z.speicher.anzahlMarkierte(), f.markiert) << f.name;
  if (*f.fehler != 0 || (f.werkzeug == W::LinienTrimmen && f.knopf == kTrimmenMehrere)) return;
  z.speicher.rueckgaengig();  // one step brings the drawing back
  EXPECT_EQ(lebende(), sortiert(f.linien)) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Trimmen, Trimmtest, ::testing::ValuesIn(kFaelle));

}  // namespace
}  // namespace quarzel::test
