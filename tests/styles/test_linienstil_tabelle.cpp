// The line-style table: where the user patterns lie, the families of the
// style numbers and the names of the styles.
#include <gtest/gtest.h>

#include "styles/linienstile.h"

namespace quarzel {
namespace {

using namespace linienstil;

TEST(EinfacheMuster, LiegenAufDenStilen71Bis90) {
  const Linienstiltabelle t;
  EXPECT_EQ(
      std::tuple(t.strichmuster(71), t.strichmuster(90), t.strichmuster(-75), t.strichmuster(2)),
      std::tuple(&t.einfaches(1).muster, &t.einfaches(20).muster, &t.einfaches(5).muster, &eingebautesStrichmuster(2)));
  // 12 is a complex pattern.
  EXPECT_TRUE(!t.strichmuster(12) && !t.strichmuster(91) && !t.strichmuster(1));
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

TEST(Stilnamen, BenutzermusterHeissenWieSieBenanntSind) {
  Linienstiltabelle t;
  t.einfaches(2).name = "Zaun";
  t.komplexes(1).name = "Grenze";
  EXPECT_EQ(std::tuple(t.name(72), t.name(12), t.name(100), t.name(2), t.name(7), t.name(500)),
            std::tuple("Zaun", "Grenze", "böschung", "Gestrichelt", "Mittellinie", ""));
}

}  // namespace
}  // namespace quarzel
