// The error reporter: texts, the subroutine suffix and the short form of
// macros started from a file.
#include <gtest/gtest.h>

#include "macro/makromelder.h"
#include "makrolauf_hilfe.h"
#include "platform/skriptbenutzer.h"

namespace quarzel {
namespace {

Makrofehlerfall fall(Makrofehler code, std::string x = "X") {
  return {code, std::move(x), {}, {}, {}};
}

TEST(Makromeldungen, UnterprogrammWirdAngehaengt) {
  EXPECT_EQ(makromeldungstext(fall(Makrofehler::ZuwenigParameter, "LINETO"), "", false),
            "Zuwenig Parameter für LINETO");
  EXPECT_EQ(makromeldungstext(fall(Makrofehler::ZuwenigParameter, "LINETO"), "rahmen", false),
            "Zuwenig Parameter für LINETO in rahmen#");
}

TEST(Makromeldungen, AusDateiNurDerCodeAusserBeiFehlenderDatei) {
  const std::pair<Makrofehlerfall, const char*> faelle[] = {
      {fall(Makrofehler::SchwererFehler, "SHOW"), "Es ist ein Fehler aufgetreten. Fehlercode: 13 bei SHOW"},
      {fall(Makrofehler::SchreibdateiOffen, "liste.txt"), "Es ist ein Fehler aufgetreten. Fehlercode: 27  liste.txt"},
      {fall(Makrofehler::KeineSchreibdatei, "a.txt"), "Es ist ein Fehler aufgetreten. Fehlercode: 30  a.txt"},
      {fall(Makrofehler::DateiFehlt, "bild.png"), "Es fehlt folgende Datei: bild.png"},
  };
  for (const auto& [f, text] : faelle) EXPECT_EQ(makromeldungstext(f, "", true), text);
  EXPECT_EQ(makromeldungstext(fall(Makrofehler::DivisionDurchNull, "DIV"), "teil", true),
            "Es ist ein Fehler aufgetreten. Fehlercode: 9");
}

TEST(Makromeldungen, AusDateiWirdCode99UebergangenUndDerLaufGehtWeiter) {
  EXPECT_FALSE(makromeldungstext(fall(Makrofehler::UnbekannterFehler), "", true));
  test::Makrolauf m;
  Makrostart start;
  start.ausDatei = true;
  m.lauf("(a) ABS (weiter)", start);
  EXPECT_EQ(m.ende, Laufende::Beendet);
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a", "weiter"}));
  EXPECT_TRUE(m.benutzer.meldungen.empty());
}

TEST(Makromeldungen, SpurtexteFolgenMitLeerzeichen) {
  Makrofehlerfall f = fall(Makrofehler::UnbekannterFehlerMitSpur, "DIV");
  f.spur1 = "eins";
  f.spur2 = "zwei";
  EXPECT_EQ(makromeldungstext(f, "", false), "Unbekannter Fehler führte zum Abbruch bei DIV eins zwei");
}

TEST(Makromeldungen, DerBenutzerSiehtDieMeldungAlsFehler) {
  test::Makrolauf m;
  m.lauf("\n\n(x) CALL");
  ASSERT_EQ(m.benutzer.meldungen.size(), 1u);
  EXPECT_EQ(m.benutzer.meldungen[0].text, "Unterprogramm \"x\" nicht gefunden");
  EXPECT_EQ(m.benutzer.meldungen[0].art, Meldungsart::Fehler);
  ASSERT_TRUE(m.interpreter.letzterFehler());
  EXPECT_EQ(m.interpreter.letzterFehler()->zeile, 2u);
}

TEST(Makromeldungen, WoerterOhneAnschlussMeldenDasKlar) {
  test::Makrolauf m;
  m.lauf("(Hallo) ALERT");
  EXPECT_EQ(m.ende, Laufende::Fehler);
  EXPECT_EQ(m.fehlertext(), "Der Befehl ALERT steht hier nicht zur Verfügung.");
  m.lauf("10 10 MOVETO");
  EXPECT_EQ(m.fehlertext(), "Der Befehl MOVETO steht hier nicht zur Verfügung.");
}

}  // namespace
}  // namespace quarzel
