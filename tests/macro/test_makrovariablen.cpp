#include <gtest/gtest.h>

#include "macro/makrovariablen.h"

namespace quarzel {
namespace {

TEST(Makrovariablen, NamenOhneRuecksichtAufSchreibweise) {
  Makrovariablen v;
  v.setze("Breite", "10");
  ASSERT_NE(v.finde("BREITE"), nullptr);
  EXPECT_EQ(*v.finde("breite"), "10");
  v.setze("BREITE", "20");
  EXPECT_EQ(v.anzahl(), 1u);
  EXPECT_EQ(*v.finde("Breite"), "20");
  EXPECT_EQ(v.name(0), "BREITE");  // redefining writes the name as given
}

TEST(Makrovariablen, UmlauteZaehlenOhneSchreibweise) {
  Makrovariablen v;
  v.setze("Länge", "3");
  ASSERT_NE(v.finde("LÄNGE"), nullptr);
  EXPECT_EQ(v.name(0), "länge");
}

TEST(Makrovariablen, UnbekannteNamenFehlen) {
  Makrovariablen v;
  EXPECT_EQ(v.finde("x"), nullptr);
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
  EXPECT_EQ(v.name(0), "workb");
  EXPECT_EQ(v.wert(0), "39000");
  EXPECT_EQ(v.name(2), "pi");
  EXPECT_EQ(v.wert(2), "3.14159265358979");
  EXPECT_EQ(v.name(11), "maßstab");
  EXPECT_EQ(v.name(12), "einheit");
  EXPECT_EQ(v.wert(12), "m");
  EXPECT_EQ(v.name(32), "acred");
  EXPECT_EQ(v.name(35), "progpath");
  EXPECT_EQ(v.wert(35), "/opt/quarzel");
  EXPECT_EQ(v.name(43), "subroutine");
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
