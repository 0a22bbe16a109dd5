// The line-style table: where the user patterns lie, the families of the
// style numbers and the names of the styles.
#include <gtest/gtest.h>

#include "styles/linienstile.h"

namespace quarzel {
namespace {

using namespace linienstil;

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
  EXPECT_EQ(t.name(72), "Zaun");
  EXPECT_EQ(t.name(12), "Grenze");
  EXPECT_EQ(t.name(100), "böschung");
  EXPECT_EQ(t.name(2), "Gestrichelt");
  EXPECT_EQ(t.name(7), "Mittellinie");
  EXPECT_EQ(t.name(500), "");
}

}  // namespace
}  // namespace quarzel
