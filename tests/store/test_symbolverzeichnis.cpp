// The walk through the symbol folders ends on a link that points back up
// (what a folder lists is checked through the catalogue's own test).
#include <gtest/gtest.h>

#include <algorithm>

#include "store/symbolverzeichnis.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

int tiefe(const Ordnerknoten& knoten) {
  int t = 0;
  for (const Ordnerknoten& u : knoten.unterordner) t = std::max(t, 1 + tiefe(u));
  return t;
}

TEST(Symbolverzeichnis, RueckverweisEndetBeiDerHoechsttiefe) {
  test::TempOrdner ordner;
  const fs::path wurzel = ordner / "Symbole";
  fs::create_directories(wurzel / "Architektur" / "Bad");
  test::schreibeDatei(wurzel / "Tisch.QZS", "x");
  fs::create_directory_symlink(wurzel, wurzel / "Architektur" / "zurück");

  const Ordnerknoten baum = symbolordnerbaum(wurzel, "Eigene Symbole");
  ASSERT_EQ(baum.unterordner.size(), 1u);
  ASSERT_EQ(baum.unterordner[0].unterordner.size(), 2u);
  EXPECT_EQ(baum.unterordner[0].unterordner[0].pfad, wurzel / "Architektur" / "Bad");
  EXPECT_EQ(tiefe(baum), kSymbolordnerTiefe);
  // The search through the sub-folders finds the file once per turn of the loop, then stops.
  const Symboldateiliste liste = symboldateien(wurzel, true);
  EXPECT_FALSE(liste.dateien.empty());
  EXPECT_LE(liste.dateien.size(), static_cast<std::size_t>(kSymbolordnerTiefe));
  EXPECT_TRUE(symbolordnerbaum(wurzel / "fehlt", "x").unterordner.empty());
}

}  // namespace
}  // namespace quarzel
