// The line-style table: built-in dashes, families of the style numbers, the
// user patterns' defaults and the predefined complex patterns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "styles/linienstile.h"

namespace quarzel {
namespace {

using namespace linienstil;

std::vector<double> eintraege(const Strichmuster& m) {
  return {m.dash.begin(), m.dash.begin() + m.dashCount};
}

TEST(EingebauteStriche, SlotsZweiBisNeunInStiftbreiten) {
  const Linienstiltabelle t;
  EXPECT_EQ(eintraege(t.slot(2)), (std::vector<double>{8, 6}));
  EXPECT_EQ(eintraege(t.slot(3)), (std::vector<double>{4, 3}));
  EXPECT_EQ(eintraege(t.slot(4)), (std::vector<double>{0, 4}));
  EXPECT_EQ(eintraege(t.slot(5)), (std::vector<double>{12, 9}));
  EXPECT_EQ(eintraege(t.slot(6)), (std::vector<double>{4, 3, 1, 3}));
  EXPECT_EQ(eintraege(t.slot(7)), (std::vector<double>{8, 6, 1, 6}));
  EXPECT_EQ(eintraege(t.slot(8)), (std::vector<double>{4, 6, 1, 6, 1, 6}));
  EXPECT_EQ(eintraege(t.slot(9)), (std::vector<double>{8, 9, 1, 9, 1, 9}));
  // The period is the sum of the entries (8 + 9 + 1 + 9 + 1 + 9 = 37 for slot 9).
  const std::vector<double> perioden{14, 7, 4, 21, 11, 21, 24, 37};
  for (int s = 2; s <= 9; ++s) EXPECT_EQ(t.slot(s).dashPeriod, perioden[static_cast<std::size_t>(s - 2)]) << s;
  EXPECT_EQ(t.slot(1).dashCount, 0);
  EXPECT_EQ(t.slot(10).dashCount, 0);
  EXPECT_EQ(t.slot(32).dashCount, 0);
}

TEST(EinfacheMuster, VorgabeSindSechsmalZweiMillimeterUndSelbstdefiniert) {
  const Linienstiltabelle t;
  for (int n = 1; n <= kMuster; ++n) {
    const EinfachesMuster& m = t.einfaches(n);
    EXPECT_EQ(m.name, "Selbstdefiniert " + std::to_string(n));
    EXPECT_EQ(eintraege(m.muster), (std::vector<double>(6, 2.0)));
    EXPECT_EQ(m.muster.dashPeriod, 12);
    EXPECT_EQ(&t.slot(11 + n), &m.muster);
  }
}

TEST(EinfacheMuster, LiegenAufDenStilen71Bis90) {
  const Linienstiltabelle t;
  EXPECT_EQ(t.strichmuster(71), &t.einfaches(1).muster);
  EXPECT_EQ(t.strichmuster(90), &t.einfaches(20).muster);
  EXPECT_EQ(t.strichmuster(-75), &t.einfaches(5).muster);
  EXPECT_EQ(t.strichmuster(2), &eingebautesStrichmuster(2));
  EXPECT_EQ(t.strichmuster(12), nullptr);  // a complex pattern
  EXPECT_EQ(t.strichmuster(91), nullptr);
  EXPECT_EQ(t.strichmuster(1), nullptr);
}

TEST(KomplexeMuster, VorgabeSindLeerMitNamenUndLaengeEins) {
  const Linienstiltabelle t;
  for (int n = 1; n <= kMuster; ++n) {
    const KomplexesMuster& m = t.komplexes(n);
    EXPECT_EQ(m.name, "Komplexes Muster " + std::to_string(n));
    EXPECT_EQ(m.fixedSection, 0);
    EXPECT_EQ(m.sectionLength, 1.0);
    EXPECT_EQ(m.section, (std::array<std::uint8_t, 12>{}));
  }
  EXPECT_EQ(t.komplexesMuster(12), &t.komplexes(1));
  EXPECT_EQ(t.komplexesMuster(31), &t.komplexes(20));
  EXPECT_EQ(t.komplexesMuster(32), nullptr);
}

TEST(KomplexeMuster, AbschnitteKommenAusDemMusterOderDerFestenTabelle) {
  Linienstiltabelle t;
  t.komplexes(3).section[4] = 129;
  EXPECT_EQ(t.abschnitte(14)[4], 129);
  EXPECT_EQ(t.abschnitte(91)[0], kLinie);
  EXPECT_EQ(t.abschnitte(2), (std::array<std::uint16_t, 12>{}));
}

TEST(Stilfamilien, NummernbereicheWieFestgelegt) {
  const auto f = [](int s) { return linienstilfamilie(s); };
  EXPECT_EQ(f(1), Linienstilfamilie::Durchgezogen);
  for (int s = 2; s <= 9; ++s) EXPECT_EQ(f(s), Linienstilfamilie::Strichmuster) << s;
  for (int s : {10, 41, 42}) EXPECT_EQ(f(s), Linienstilfamilie::SonderlinieA) << s;
  EXPECT_EQ(f(11), Linienstilfamilie::SonderlinieB);
  for (int s = 12; s <= 31; ++s) EXPECT_EQ(f(s), Linienstilfamilie::Komplex) << s;
  for (int s = 50; s <= 69; ++s) EXPECT_EQ(f(s), Linienstilfamilie::Kosmetisch) << s;
  for (int s = 71; s <= 90; ++s) EXPECT_EQ(f(s), Linienstilfamilie::Strichmuster) << s;
  for (int s = 91; s <= 124; ++s) EXPECT_EQ(f(s), Linienstilfamilie::Komplex) << s;
  for (int s : {0, 32, 40, 43, 49, 70, 125, 32767, -32768, INT32_MIN}) {
    EXPECT_EQ(f(s), Linienstilfamilie::Durchgezogen) << s;
  }
  EXPECT_EQ(f(-2), Linienstilfamilie::Strichmuster);
}

TEST(VordefinierteMuster, VierunddreissigBenannteMusterMitSymbolen) {
  std::set<std::string_view> namen;
  std::set<std::array<std::uint16_t, 12>> muster;
  for (int s = kErsterVordefinierter; s <= kLetzterVordefinierter; ++s) {
    const auto codes = vordefinierteAbschnitte(s);
    namen.insert(vordefinierterName(s));
    std::array<std::uint16_t, 12> kopie{};
    std::copy(codes.begin(), codes.end(), kopie.begin());
    muster.insert(kopie);
    int symbole = 0;
    for (const auto c : codes) symbole += c != 0;
    EXPECT_GT(symbole, 0) << s;
  }
  EXPECT_EQ(namen.size(), 34u);
  EXPECT_EQ(muster.size(), 34u);  // no two look alike
  EXPECT_EQ(vordefinierterName(91), "1s3p");
  EXPECT_EQ(vordefinierterName(101), "isolierung");
  EXPECT_EQ(vordefinierterName(124), "erdreich1");
  EXPECT_EQ(vordefinierterName(90), "");
  EXPECT_EQ(vordefinierterName(125), "");
}

TEST(Stilnamen, BenutzermusterHeissenWieSieBenanntSind) {
  Linienstiltabelle t;
  t.einfaches(2).name = "Zaun";
  t.komplexes(1).name = "Grenze";
  EXPECT_EQ(t.name(72), "Zaun");
  EXPECT_EQ(t.name(12), "Grenze");
  EXPECT_EQ(t.name(100), "böschung");
  EXPECT_EQ(t.name(2), "Gestrichelt");
  EXPECT_EQ(t.name(7), "Mittellinie");
  EXPECT_EQ(t.name(500), "");
}

TEST(Strichmuster, SetzenSchneidetAbUndFlicktUnbrauchbareWerte) {
  Strichmuster m;
  const std::vector<double> v{1, -2, std::nan(""), 4, 1, 1, 1, 1, 1, 1, 1, 1, 99, 99};
  m.setze(v);
  EXPECT_EQ(m.dashCount, 12);
  EXPECT_EQ(m.dash[1], 0);
  EXPECT_EQ(m.dash[2], 0);
  EXPECT_EQ(m.dashPeriod, 13);
}

}  // namespace
}  // namespace quarzel
