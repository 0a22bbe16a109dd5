// The report of "quarzel-cli info": the statistics rows in order and aligned,
// the layers with their scales, sheet and signature; no report for files
// that are no drawings.
#include <gtest/gtest.h>

#include <sstream>

#include "store/speichern.h"
#include "store/statistik.h"
#include "store/zeichnungsinfo.h"
#include "support/dreiebenen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

std::vector<std::string> zeilen(const std::string& text) {
  std::vector<std::string> z;
  std::istringstream ein(text);
  for (std::string zeile; std::getline(ein, zeile);) z.push_back(zeile);
  return z;
}

std::vector<std::string> woerter(const std::string& zeile) {
  std::vector<std::string> w;
  std::istringstream ein(zeile);
  for (std::string wort; ein >> wort;) w.push_back(wort);
  return w;
}

std::size_t zeichen(const std::string& utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

class Zeichnungsinfo : public test::DreiEbenen {
 protected:
  std::string gespeichert() {
    einstellung::Speichern e;
    const Speicherergebnis s = speichereZeichnung(z, ordner / "haus", e, benutzer);
    EXPECT_EQ(s.status, Speicherstatus::Gespeichert);
    return s.pfad;
  }
  test::TempOrdner ordner;
};

TEST_F(Zeichnungsinfo, StatistikzeilenInIhrerReihenfolgeUndBuendig) {
  const std::string pfad = gespeichert();
  const auto bericht = zeichnungsinfoAusDatei(pfad, benutzer);
  ASSERT_TRUE(bericht) << benutzer.letzteMeldung();
  const auto z = zeilen(*bericht);

  const auto kopf =
      std::find_if(z.begin(), z.end(), [](const std::string& s) { return s.find("Zeichnung  ") != s.npos; });
  ASSERT_NE(kopf, z.end());
  EXPECT_EQ(woerter(*kopf), (std::vector<std::string>{"Zeichnung", "Undo-/Redospeicher", "Gesamt"}));
  const Statistik namen = zeichnungsstatistik(Elementspeicher());
  for (std::size_t i = 0; i < namen.size(); ++i) {
    ASSERT_LT(std::size_t(kopf - z.begin()) + 1 + i, z.size());
    const std::string& zeile = *(kopf + 1 + std::ptrdiff_t(i));
    EXPECT_EQ(woerter(zeile).front(), namen[i].name) << "row " << i;
    EXPECT_EQ(zeichen(zeile), zeichen(*kopf)) << "every row as wide as the header: " << zeile;
  }
  EXPECT_EQ(woerter(*(kopf + 7)), (std::vector<std::string>{"Linien", "4", "0", "4"}));
  EXPECT_EQ(woerter(*(kopf + 14)), (std::vector<std::string>{"Gesamt", "4", "0", "4"}));
}

TEST_F(Zeichnungsinfo, KopfangabenUndEbenenMitMassstaeben) {
  z.ebenen.setzeMassstab(3, 0);
  z.ansicht.sheetWidth = 420;
  z.ansicht.sheetHeight = 297;
  z.ansicht.drawingScale = 12.5;
  const auto bericht = zeichnungsinfoAusDatei(gespeichert(), benutzer);
  ASSERT_TRUE(bericht);
  const std::string& b = *bericht;
  EXPECT_NE(b.find("Signatur:          ZEI.01\n"), b.npos) << b;
  EXPECT_NE(b.find("Version:           11\n"), b.npos);
  EXPECT_NE(b.find("Blatt:             420 x 297 mm\n"), b.npos);
  EXPECT_NE(b.find("Zeichnungsmaßstab: M 1:12,5\n"), b.npos);
  EXPECT_NE(b.find("    1  Ebene 1    M 1:100\n"
                   "           1  Unterebene 1\n"
                   "    2  Grundriss  M 1:50\n"
                   "           1  Wände\n"
                   "           2  Möbel\n"
                   "    3  Details    Zeichnungsmaßstab\n"),
            b.npos)
      << b;
}

TEST_F(Zeichnungsinfo, KeineZeichnungGibtKeinenBerichtUndDieMeldung) {
  test::schreibeDatei(ordner / "muell.QZZ", "Das ist keine Zeichnung, nur Text.");
  EXPECT_FALSE(zeichnungsinfoAusDatei(ordner / "muell.QZZ", benutzer));
  EXPECT_EQ(benutzer.letzteMeldung(), "Datei enthält keine gültige Zeichnung oder ist defekt!");

  EXPECT_FALSE(zeichnungsinfoAusDatei(ordner / "fehlt.QZZ", benutzer));
  EXPECT_NE(benutzer.letzteMeldung().find("fehlt.QZZ"), std::string::npos);

  test::schreibeDatei(ordner / "leer.QZZ", "");
  EXPECT_FALSE(zeichnungsinfoAusDatei(ordner / "leer.QZZ", benutzer));
}

TEST(Massstabtext, NennerOderZeichnungsmassstab) {
  EXPECT_EQ(massstabText(100), "M 1:100");
  EXPECT_EQ(massstabText(12.5), "M 1:12,5");
  EXPECT_EQ(massstabText(0), "Zeichnungsmaßstab");
}

}  // namespace
}  // namespace quarzel
