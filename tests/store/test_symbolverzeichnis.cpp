// What the symbol catalogue finds on disk: the symbol files of a folder by
// their extension in any case, with or without the sub-folders, sorted
// regardless of case; the folder tree; a link that points back up; and the
// stamp that tells a rewritten file from an unchanged one.
#include <gtest/gtest.h>

#include <algorithm>

#include "store/symbolverzeichnis.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namen(const Symboldateiliste& liste) {
  std::vector<std::string> n;
  for (const Symboldateieintrag& e : liste.dateien) n.push_back(e.name);
  return n;
}

std::vector<std::string> namen(const Ordnerknoten& knoten) {
  std::vector<std::string> n;
  for (const Ordnerknoten& u : knoten.unterordner) n.push_back(u.name);
  return n;
}

// Symbole/ wanne.qzs Tisch.QZS alt.SY2 Notiz.txt Plan.QZZ Architektur/Bad/Dusche.DET Architektur/Bad/Becken.tmp
struct Symbolbaum {
  test::TempOrdner ordner;
  fs::path wurzel = ordner / "Symbole";
  Symbolbaum() {
    fs::create_directories(wurzel / "Architektur" / "Bad");
    fs::create_directories(wurzel / "möbel");
    for (const char* datei : {"wanne.qzs", "Tisch.QZS", "alt.SY2", "Notiz.txt", "Plan.QZZ",
                              "Architektur/Bad/Dusche.DET", "Architektur/Bad/Becken.tmp", "möbel/Stuhl.Sy1"})
      test::schreibeDatei(wurzel / datei, "x");
  }
};

TEST(Symbolverzeichnis, SymboldateienEinesOrdners) {
  Symbolbaum b;
  struct Fall {
    fs::path ordner;
    bool unterordner;
    std::vector<std::string> erwartet;
  };
  const Fall faelle[] = {
      {b.wurzel, false, {"alt", "Tisch", "wanne"}},
      {b.wurzel, true, {"alt", "Becken", "Dusche", "Stuhl", "Tisch", "wanne"}},
      {b.wurzel / "Architektur", false, {}},
      {b.wurzel / "Architektur", true, {"Becken", "Dusche"}},
      {b.wurzel / "fehlt", true, {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.ordner.string() + (f.unterordner ? " mit Unterordnern" : ""));
    const Symboldateiliste liste = symboldateien(f.ordner, f.unterordner);
    EXPECT_EQ(namen(liste), f.erwartet);
    EXPECT_FALSE(liste.abgeschnitten);
  }
}

TEST(Symbolverzeichnis, OrdnerbaumMitUnterordnernUndRueckverweis) {
  Symbolbaum b;
  // A link to the root itself: the tree ends at its depth instead of looping.
  fs::create_directory_symlink(b.wurzel, b.wurzel / "Architektur" / "zurück");
  const Ordnerknoten baum = symbolordnerbaum(b.wurzel, "Eigene Symbole");
  EXPECT_EQ(baum.name, "Eigene Symbole");
  EXPECT_EQ(namen(baum), (std::vector<std::string>{"Architektur", "möbel"}));
  EXPECT_EQ(namen(baum.unterordner[0]), (std::vector<std::string>{"Bad", "zurück"}));
  EXPECT_EQ(baum.unterordner[0].unterordner[0].pfad, b.wurzel / "Architektur" / "Bad");
  const auto tiefe = [](const Ordnerknoten& k, auto& selbst) -> int {
    int t = 0;
    for (const Ordnerknoten& u : k.unterordner) t = std::max(t, 1 + selbst(u, selbst));
    return t;
  };
  EXPECT_EQ(tiefe(baum, tiefe), kSymbolordnerTiefe);
  // The search through the sub-folders ends as well.
  EXPECT_FALSE(symboldateien(b.wurzel, true).dateien.empty());

  EXPECT_TRUE(symbolordnerbaum(b.wurzel / "fehlt", "x").unterordner.empty());
}

TEST(Symbolverzeichnis, StempelFolgtDemInhalt) {
  test::TempOrdner ordner;
  const fs::path datei = ordner / "a.QZS";
  test::schreibeDatei(datei, "abc");
  const Dateistempel erst = dateistempel(datei);
  EXPECT_EQ(erst.groesse, 3u);
  EXPECT_EQ(dateistempel(datei), erst);
  test::schreibeDatei(datei, "abcd");
  EXPECT_NE(dateistempel(datei), erst);
  EXPECT_EQ(dateistempel(ordner / "fehlt.QZS"), Dateistempel{});
}

}  // namespace
}  // namespace quarzel
