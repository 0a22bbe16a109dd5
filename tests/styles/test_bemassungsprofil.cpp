// Dimension profiles: a saved profile loads back to the same style and saves
// to the same bytes; damaged files leave the style as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/messdatenstil.h"
#include "styles/bemassungsprofil.h"
#include "support/settings/test_konfiguration_hilfe.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

std::vector<std::string> zeilen(const std::string& text) {
  std::vector<std::string> z;
  for (std::size_t a = 0, e; (e = text.find('\n', a)) != std::string::npos; a = e + 1)
    z.push_back(text.substr(a, e - a));
  return z;
}

std::string verbunden(const std::vector<std::string>& z) {
  std::string t;
  for (const auto& s : z) t += s + "\n";
  return t;
}

Bemassungsstil eigenerStil() {
  Bemassungsstil s;
  s.dezimalmodus = 4;
  s.zeichenTilde = true;
  s.toleranzOben = "+0,2";
  s.vortext = "ca.";
  s.nachtext = " (Rohbau)";
  s.schrift = "DejaVu Sans";
  s.texthoehe = 3.5;
  s.versatzHorizontal = 12.125;
  s.hilfslinienlaenge = -1;
  s.bezugsgroesse = -1250.5;
  s.kursiv = Dreiwert::An;
  s.farbe = 0x102030;
  return s;
}

TEST(Bemassungsprofil, SpeichernLadenSpeichernGleichByteweise) {
  test::TempOrdner ordner;
  const Umgebung u = test::umgebungAus(
      {{"QUARZEL_DATA_DIR", (ordner / "programm").string()}, {"XDG_DATA_HOME", (ordner / "benutzer").string()}});
  const Bemassungsstil stil = eigenerStil();
  ASSERT_EQ(speichereProfil("Grundriss", stil, u), std::nullopt);
  ASSERT_EQ(speichereProfil("GRUNDRISS.qzb", stil, u), std::nullopt);  // the same profile
  EXPECT_EQ(profilnamen(u), std::vector<std::string>{"Grundriss"});
  Bemassungsstil geladen;
  ASSERT_EQ(ladeProfil("grundriss", geladen, u), std::nullopt);
  EXPECT_EQ(geladen, stil);
  EXPECT_EQ(profiltext(geladen), test::leseDatei(ordner / "benutzer/quarzel/Bemassung/Grundriss.qzb"));
  EXPECT_NE(ladeProfil("fehlt", geladen, u), std::nullopt);
}

// What a record keeps of the style reads back unchanged, a level mark's
// reference value and symbol included: style -> record -> style -> record.
TEST(Bemassungsprofil, DatensatzGibtSeinenStilZurueck) {
  Bemassungsstil stil = eigenerStil();
  stil.keineNullen = stil.editierteDrucken = stil.gefuellt = stil.bezugsgroesseAddieren = true;
  stil.begrenzung = 2, stil.ueberstandMasslinien = 3.5, stil.begrenzungsgroesse = 1.75, stil.kotendarstellung = 1;
  for (std::uint8_t typ : {0, 8}) {
    tmessdaten d{.typ = typ};
    stilInMessdaten(stil, d);
    Bemassungsstil gelesen;
    messdatenInStil(d, gelesen);
    tmessdaten wieder{.typ = typ};
    stilInMessdaten(gelesen, wieder);
    EXPECT_EQ(wieder, d) << int(typ);
  }
}

TEST(Bemassungsprofil, BeschaedigteDateienAendernNichts) {
  const std::vector<std::string> gut = zeilen(profiltext(eigenerStil()));
  auto mit = [&](std::size_t zeile, std::string text) {
    auto z = gut;
    z.at(zeile) = std::move(text);
    return verbunden(z);
  };
  const std::vector<std::string> beschaedigt{
      "",
      verbunden({gut.begin(), gut.begin() + 10}),
      mit(22, std::string("Ari\0al", 6)),
      mit(17, "\xff\xfe"),
      std::string(kGroessteProfildatei + 1, '1'),
  };
  for (const std::string& text : beschaedigt) {
    Bemassungsstil s;
    const auto meldung = liesProfiltext(text, s);
    EXPECT_TRUE(meldung && meldung->starts_with("Die Datei ist keine gültige")) << text.size();
    EXPECT_EQ(s, Bemassungsstil());
  }
  // A line that does not read as its field keeps that field; the others load.
  Bemassungsstil s;
  s.dezimalmodus = 3;
  s.texthoehe = 7;
  ASSERT_EQ(liesProfiltext(mit(23, "99") + "ueberzaehlig\r\n", s), std::nullopt);
  EXPECT_EQ(std::tuple(s.texthoehe, s.dezimalmodus, s.schrift), std::tuple(7.0, 4, "DejaVu Sans"));
  ASSERT_EQ(liesProfiltext(mit(0, "zwei"), s), std::nullopt);
  EXPECT_EQ(s.dezimalmodus, 4);
  ASSERT_EQ(liesProfiltext(mit(0, "1,5"), s), std::nullopt);
  EXPECT_EQ(std::tuple(s.dezimalmodus, s.texthoehe), std::tuple(4, 3.5));
}

}  // namespace
}  // namespace quarzel
