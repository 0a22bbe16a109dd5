// The trimming tools through the state machine: scripted clicks on lines,
// the result in the store, one undo step, properties kept, result marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/trimmwerkzeuge.h"
#include "platform/skriptbenutzer.h"
#include "test_werkzeug_hilfen.h"

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
  std::vector<Strecke> danach;  // the lines afterwards, in any order
  int boegen, markiert;
  double mass = 20;  // fillet radius or chamfer distance
};

const Strecke h{-100, 0, 100, 0}, v{0, -100, 0, 100};
const Fall kFaelle[] = {
    {"erste, zu kurz: verlaengert",
     W::LinienTrimmen,
     0,
     {{-100, 0, -20, 0}, v},
     {{-50, 0}, {0, 50}},
     "",
     {{-100, 0, 0, 0}, v},
     0,
     1},
    {"beide, je die angeklickte Seite",
     W::LinienTrimmen,
     1,
     {h, v},
     {{-50, 0}, {0, 50}},
     "",
     {{-100, 0, 0, 0}, {0, 0, 0, 100}},
     0,
     2},
    {"parallel",
     W::LinienTrimmen,
     1,
     {h, {-100, 9, 100, 9}},
     {{-50, 0}, {0, 9}},
     "Die Linien schneiden sich nicht.",
     {h, {-100, 9, 100, 9}},
     0,
     0},
    {"mehrere an einer Schnittkante",
     W::LinienTrimmen,
     2,
     {v, {-100, 10, -20, 10}, {-100, -10, 50, -10}},
     {{0, 50}, {-50, 10}, {-50, -10}},
     "",
     {v, {-100, 10, 0, 10}, {-100, -10, 0, -10}},
     0,
     1},
    {"abrunden, beide trimmen",
     W::Abrunden,
     2,
     {h, v},
     {{50, 0}, {0, 50}},
     "",
     {{20, 0, 100, 0}, {0, 20, 0, 100}},
     1,
     3},
    {"abrunden, Radius zu gross",
     W::Abrunden,
     0,
     {{0, 0, 100, 0}, v},
     {{50, 0}, {0, 50}},
     "Der Radius ist zu groß für diese Ecke.",
     {{0, 0, 100, 0}, v},
     0,
     0,
     150},
    {"befasen im Abstand, erste trimmen",
     W::Befasen,
     1,
     {h, v},
     {{50, 0}, {0, 50}},
     "",
     {{30, 0, 100, 0}, v, {30, 0, 0, 30}},
     0,
     2,
     30},
    {"teilen in vier",
     W::LinieTeilen,
     0,
     {h},
     {{50, 0}},
     "",
     {{-100, 0, -50, 0}, {-50, 0, 0, 0}, {0, 0, 50, 0}, {50, 0, 100, 0}},
     0,
     4},
};

void PrintTo(const Fall& f, std::ostream* os) { *os << f.name; }

class Trimmtest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Trimmtest, Werkzeug) {
  const Fall& f = GetParam();
  Trimmwerkzeuge werkzeug;
  SkriptBenutzer benutzer;
  benutzer.eingaben.push_back("4");
  werkzeug.benutzer = &benutzer;
  werkzeug.radius = werkzeug.fasenmass = f.mass;
  werkzeug.fasenAlsAbstand = true;
  st.setzeModul(Werkzeuggruppe::Trimmen, &werkzeug);
  // Away from the world origin, where a crossing would count as none.
  const Weltpunkt o = z.ansicht.pixelToWorld(401, 299);
  ASSERT_FALSE(o.x == 0 || o.y == 0);
  z.speicher.beginneSchritt();
  for (const Strecke& l : f.linien) {
    const std::int32_t n = linie(z.speicher, o.x + l[0], o.y + l[1], o.x + l[2], o.y + l[3], false);
    z.speicher.linie(n).stift = 7;
    z.speicher.linie(n).farbe = 0x123456;
  }
  z.speicher.demarkiereAlle();
  st.waehleWerkzeug(f.werkzeug, f.knopf);
  for (Weltpunkt k : f.klicks) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + k.x, o.y + k.y);
    uhr.jetzt += 1000;
    links(p.x, p.y);
    loslassen(p.x, p.y);
  }
  EXPECT_EQ(benutzer.letzteMeldung(), f.fehler) << f.name;
  const auto lebende = [&](Elementart art) {
    std::vector<Strecke> r;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
      if (!z.speicher.lebendig(n) || z.speicher.art(n) != art) continue;
      EXPECT_EQ(z.speicher.stift(n), 7) << f.name;
      EXPECT_EQ(z.speicher.farbe(n), Farbe(0x123456)) << f.name;
      if (art != Elementart::Linie) {
        r.push_back({});
        continue;
      }
      const Tliniendaten& d = z.speicher.linie(n);
      r.push_back({std::round(d.x1 - o.x), std::round(d.y1 - o.y), std::round(d.x2 - o.x), std::round(d.y2 - o.y)});
    }
    std::sort(r.begin(), r.end());
    return r;
  };
  std::vector<Strecke> erwartet = f.danach;
  std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(lebende(Elementart::Linie), erwartet) << f.name;
  EXPECT_EQ(lebende(Elementart::Bogen).size(), std::size_t(f.boegen)) << f.name;
  EXPECT_EQ(z.speicher.anzahlMarkierte(), f.markiert) << f.name;
  if (*f.fehler != 0 || (f.werkzeug == W::LinienTrimmen && f.knopf == 2)) return;
  z.speicher.rueckgaengig();  // one step brings the drawing back
  erwartet = f.linien;
  std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(lebende(Elementart::Linie), erwartet) << f.name;
  EXPECT_TRUE(lebende(Elementart::Bogen).empty()) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Trimmen, Trimmtest, ::testing::ValuesIn(kFaelle));

}  // namespace
}  // namespace quarzel::test
