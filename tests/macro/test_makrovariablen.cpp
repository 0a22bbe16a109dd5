#include <gtest/gtest.h>

#include "macro/makrovariablen.h"

namespace quarzel {
namespace {

TEST(Makrovariablen, NamenOhneRuecksichtAufSchreibweiseAuchBeiUmlauten) {
  Makrovariablen v;
  EXPECT_EQ(v.finde("breite"), nullptr);
  v.setze("Breite", "10");
  ASSERT_NE(v.finde("BREITE"), nullptr);
  v.setze("BREITE", "20");
  EXPECT_EQ(v.anzahl(), 1u);
  EXPECT_EQ(*v.finde("breite"), "20");
  EXPECT_EQ(v.name(0), "BREITE");  // redefining writes the name as given
  v.setze("Länge", "3");
  ASSERT_NE(v.finde("LÄNGE"), nullptr);
  EXPECT_EQ(v.name(1), "länge");
}

TEST(Makrovariablen, VierundvierzigVordefinierteInIhrerReihenfolge) {
  Makrovariablen v;
  Makroumgebung u;
  u.workb = 39000;
  u.einheit = "m";
  u.progpath = "/opt/quarzel";
  v.setze("alt", "1");
  v.legeVordefinierteAn(u);
  ASSERT_EQ(v.anzahl(), AnzahlVordefinierte);
  EXPECT_EQ(v.finde("alt"), nullptr);
  const std::pair<std::size_t, const char*> namen[] = {{0, "workb"},     {2, "pi"},        {11, "maßstab"},
                                                       {12, "einheit"},  {32, "acred"},    {35, "progpath"},
                                                       {43, "subroutine"}};
  for (const auto& [i, name] : namen) EXPECT_EQ(v.name(i), name) << i;
  EXPECT_EQ(v.wert(0), "39000");
  EXPECT_EQ(v.wert(2), "3.14159265358979");
  EXPECT_EQ(v.wert(12), "m");
  EXPECT_EQ(v.wert(35), "/opt/quarzel");
  EXPECT_EQ(v.wert(Vordefiniert::Subroutine), "no");
}

TEST(Makroeinheiten, WoerterInJederSchreibweise) {
  Makroeinheit e{};
  ASSERT_TRUE(einheitswort("CM", e));
  EXPECT_EQ(e.code, 2);
  EXPECT_EQ(e.faktor, 0.1);
  ASSERT_TRUE(einheitswort("inch", e));
  EXPECT_EQ(e.name, "in");
  ASSERT_TRUE(einheitswort("Miles", e));
  EXPECT_EQ(e.code, 8);
  EXPECT_FALSE(einheitswort("zoll", e));
  EXPECT_FALSE(einheitswort("", e));
}

}  // namespace
}  // namespace quarzel
