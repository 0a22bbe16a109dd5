// Symbolinformationen: the keys of the information file and where it is
// read and written (the user's folder before the shipped one).
#include <gtest/gtest.h>

#include "store/symbolinformationen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

TEST(Symbolinformationen, NeueSchluesselVorAltenUndLeerBeiFehlendem) {
  const IniDatei ini = IniDatei::ausText(
      "[Wanne]\nN=Badewanne alt\nB=Acryl, weiß\ne1=Badewanne 170\nG=32 kg\n"
      "[Andere]\ne5=99\n");
  const Symbolinformationen info = symbolinformationenAus(ini, "Wanne");
  EXPECT_EQ(info.bezeichnung, "Badewanne 170");  // "e1" counts before "N"
  EXPECT_EQ(info.beschreibung, "Acryl, weiß");
  EXPECT_EQ(info.material, "");
  EXPECT_EQ(info.gewicht, "32 kg");
  EXPECT_EQ(info.preis, "");
  EXPECT_EQ(symbolinformationenAus(ini, "Fehlt"), Symbolinformationen{});
}

TEST(Symbolinformationen, NameIstDerDateinameOhneEndung) {
  EXPECT_EQ(symbolstamm("/a/Bad/Wanne.QZS"), "Wanne");
  EXPECT_EQ(symbolstamm("Tür.v2.DET"), "Tür.v2");
}

TEST(Symbolinformationen, GeschriebenWirdIndenBenutzerordnerUndDieMaskeBleibt) {
  test::TempOrdner ordner;
  const auto programm = ordner / "programm";
  const auto daten = ordner / "daten";
  std::filesystem::create_directories(programm / "Symbolinformationen");
  std::ofstream(programm / "Symbolinformationen" / "Wanne.ini") << "[Wanne]\ne1=Wanne\ne6=weiß\nMask=Sanitär\n";
  const Umgebung umgebung = [&](std::string_view name) -> std::optional<std::string> {
    if (name == "QUARZEL_DATA_DIR") return programm.string();
    if (name == "XDG_DATA_HOME") return daten.string();
    return std::nullopt;
  };
  const std::string symbol = "/irgendwo/Bad/Wanne.QZS";
  EXPECT_EQ(leseSymbolinformationen(symbol, umgebung).bezeichnung, "Wanne");

  Symbolinformationen neu{"Badewanne", "170 × 75", "Acryl", "32 kg", "412,00 €"};
  std::string fehler;
  ASSERT_TRUE(speichereSymbolinformationen(symbol, neu, &fehler, umgebung)) << fehler;
  EXPECT_EQ(leseSymbolinformationen(symbol, umgebung), neu);
  // The shipped file is untouched; the user's copy keeps the mask's values.
  IniDatei ausgeliefert, eigene;
  ausgeliefert.laden(programm / "Symbolinformationen" / "Wanne.ini");
  eigene.laden(daten / "quarzel" / "Symbolinformationen" / "Wanne.ini");
  EXPECT_EQ(ausgeliefert.wert("Wanne", "e1"), "Wanne");
  EXPECT_EQ(eigene.wert("Wanne", "Mask"), "Sanitär");
  EXPECT_EQ(eigene.wert("Wanne", "e6"), "weiß");
  EXPECT_EQ(eigene.wert("Wanne", "e5"), "412,00 €");
}

}  // namespace
}  // namespace quarzel
