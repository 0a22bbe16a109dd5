// The line styles a drawing carries: through a real drawing file and back,
// older drawings with only the embedded definition file, damaged records.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "store/linienstilzeichnung.h"
#include "store/zeichnungsdatei.h"
#include "styles/linienini.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

std::vector<std::uint8_t> bytes(std::string_view s) {
  return {s.begin(), s.end()};
}

Linienstiltabelle eigeneStile() {
  Linienstiltabelle t;
  t.komplexes(1).name = "Böschung links";
  t.komplexes(1).fixedSection = 1;
  t.komplexes(1).sectionLength = 0.75;
  t.komplexes(1).section = {2, 2, 6, 2, 2, 0, 33, 0, 2, 2, 2, 0};
  t.komplexes(20).name = "Letztes";
  t.komplexes(20).section[11] = 128;
  const std::vector<double> lang{10, 2, 1, 2, 1, 2, 1, 2, 0, 2};
  t.einfaches(1).name = "Zaun";
  t.einfaches(1).muster.setze(lang);
  t.einfaches(1).dxfLineType = 3;
  t.einfaches(7).name = "Grenze";
  return t;
}

TEST(ZeichnungsLinienstile, GehenDurchEineZeichnungsdateiUndZurueck) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  const Linienstiltabelle t = eigeneStile();
  linienstileInZeichnung(t, z.optionen);
  EXPECT_EQ(z.optionen.linienstile.size(), 20u);
  EXPECT_EQ(z.optionen.linienstile2.size(), 20u);

  const Schreibergebnis datei = schreibeZeichnung(z);
  Zeichnung geladen;
  SkriptBenutzer benutzer;
  ASSERT_TRUE(leseZeichnung(datei.daten, geladen, benutzer).geladen);
  Linienstiltabelle gelesen;
  linienstileAusZeichnung(geladen.optionen, gelesen);
  EXPECT_EQ(gelesen, t);
  // Loading applies them to the drawing's own table in force.
  EXPECT_EQ(geladen.linienstile, t);
}

TEST(ZeichnungsLinienstile, AlteZeichnungNurMitEingebetteterDatei) {
  Zeichnungsoptionen o;
  o.linienstildatei = bytes("[Linien]\nVersion=1.03\n[Namen]\nMauer=1\n[Mauer]\nAbstand=4;1;4;1;4;1;\n");
  Linienstiltabelle t;
  t.komplexes(2).name = "bleibt";
  linienstileAusZeichnung(o, t);
  EXPECT_EQ(t.einfaches(1).name, "Mauer");
  EXPECT_EQ(t.einfaches(1).muster.dashPeriod, 15);
  EXPECT_EQ(t.komplexes(2).name, "bleibt");
}

TEST(ZeichnungsLinienstile, BeschaedigteSaetzeWerdenUebergangen) {
  Zeichnungsoptionen o;
  o.linienstildatei = bytes("\xFF\xFE garbage [[[ \n=\n");
  o.linienstile = {
      {"ohne Nummer", bytes("TRUE\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n")},
      {"Nummer 0", bytes("0\nTRUE\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n")},
      {"Nummer 21", bytes("21\nTRUE\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n")},
      {"zu kurz", bytes("3\nTRUE\n1\n4\n")},
      {"leer", {}},
      {"", bytes("4\r\nTRUE\r\n2\r\n4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")},
  };
  o.linienstile2 = {
      {"ohne DXF", bytes("2\n12\n6\n2\n2\n2\n2\n2\n2\n0\n0\n0\n0\n0\n0\n")},
      {"gut", bytes("5\n3\n2\n2\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n9\n")},
  };
  Linienstiltabelle t;
  linienstileAusZeichnung(o, t);
  Linienstiltabelle erwartet;
  // Complex 4 is read; its empty name gives the default.
  erwartet.komplexes(4).fixedSection = 1;
  erwartet.komplexes(4).sectionLength = 2;
  erwartet.komplexes(4).section[0] = 4;
  erwartet.einfaches(5).name = "gut";
  const std::array<double, 2> zwei{2, 1};
  erwartet.einfaches(5).muster.setze(zwei);
  erwartet.einfaches(5).dxfLineType = 9;
  EXPECT_EQ(t, erwartet);
}

}  // namespace
}  // namespace quarzel
