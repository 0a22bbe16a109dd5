// Runs that draw: the interpreter with the drawing words on a real drawing,
// included macros, the unit variable.
//
// The error reporter: texts, the subroutine suffix and the short form of
// macros started from a file.
//
// The example macros shipped in data/Makros run without an error on a new
// drawing and draw what they are for.
#include <gtest/gtest.h>

#include <filesystem>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makromelder.h"
#include "macro/quelltextdatei.h"
#include "styles/bemassungsprofil.h"
#include "support/macro/makrolauf_hilfe.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

class Zeichnungslauf : public ::testing::Test, protected test::Zeichnungsmakrolauf {
 protected:
  Zeichnungslauf() : Zeichnungsmakrolauf(true) { interpreter.setzeMakroordner(ordner.pfad()); }

  test::TempOrdner ordner;
};

TEST_F(Zeichnungslauf, LinienInEinerSchleife) {
  EXPECT_EQ(lauf("0 0 MOVETO /i 0 DEF 10 { /i i 1 ADD DEF i 10 MUL 0 LINETO }"), Laufende::Beendet);
  EXPECT_EQ(fehlercode(), 0) << benutzer.letzteMeldung();
  EXPECT_EQ(lebende(), 10);
}

TEST_F(Zeichnungslauf, FehlerDesZeichnersImUnterprogramm) {
  lauf("(rahmen) CALL rahmen# 0 0 MOVETO 5 5 LINETO (profil) SETMASPROFILE RETURN");
  EXPECT_EQ(fehlercode(), 31);
  EXPECT_EQ(benutzer.letzteMeldung(), "Das Bemaßungsprofil profil.QZB konnte nicht gefunden werden. in rahmen#");
  EXPECT_EQ(lebende(), 1);  // what was drawn before the error stays
}

TEST_F(Zeichnungslauf, BemassungenNehmenDenStilDesProfils) {
  Bemassungsstil stil;
  stil.dezimalmodus = 4;
  stil.texthoehe = 5;
  stil.textposition = 1;
  test::schreibeDatei(ordner / "plan.qzb", profiltext(stil));
  test::schreibeDatei(ordner / "kaputt.qzb", "2\n");
  lauf("(" + (ordner / "plan.qzb").string() + ") SETMASPROFILE 0 0 10 0 5 5 MEASURELINE (" +
       (ordner / "kaputt.qzb").string() + ") SETMASPROFILE");
  EXPECT_EQ(fehlercode(), 31);
  ASSERT_EQ(lebende(), 1);
  const tmessdaten& d = zeichnung.speicher.bemassung(1);
  EXPECT_EQ(std::tuple(d.schalter[0], d.texthoehe, d.textposition), std::tuple(4, 5.0, 1));
}

TEST_F(Zeichnungslauf, EingebundenesMakroMachtSeineUnterprogrammeAufrufbar) {
  ASSERT_TRUE(schreibeMakrodatei(ordner / "Teile.MAK", kompiliereText("(nie) teil# 0 0 MOVETO 5 0 LINETO 7 RETURN")));
  lauf("(Teile) INCLUDE (teil) CALL (Teile) INCLUDE (teil) CALL");
  EXPECT_EQ(fehlercode(), 0) << benutzer.letzteMeldung();
  ASSERT_EQ(interpreter.stapel().groesse(), 2u);
  EXPECT_EQ(oben(), "7");
  EXPECT_EQ(lebende(), 2);
}

Makrofehlerfall fall(Makrofehler code, std::string x = "X") {
  return {code, std::move(x), {}, {}, {}};
}

// One row per rule: the subroutine suffix, the short form of macros started
// from a file (only the code, except for a missing file), the trace texts.
TEST(Makromeldungen, TexteJeHerkunft) {
  const Makrofehlerfall spur{Makrofehler::UnbekannterFehlerMitSpur, "DIV", "eins", "zwei", {}};
  const struct {
    Makrofehlerfall f;
    const char* unterprogramm;
    bool ausDatei;
    const char* text;
  } faelle[] = {
      {fall(Makrofehler::ZuwenigParameter, "LINETO"), "", false, "Zuwenig Parameter für LINETO"},
      {fall(Makrofehler::ZuwenigParameter, "LINETO"), "rahmen", false, "Zuwenig Parameter für LINETO in rahmen#"},
      {spur, "", false, "Unbekannter Fehler führte zum Abbruch bei DIV eins zwei"},
      {fall(Makrofehler::SchwererFehler, "SHOW"), "", true, "Es ist ein Fehler aufgetreten. Fehlercode: 13 bei SHOW"},
      {fall(Makrofehler::SchreibdateiOffen, "liste.txt"), "", true,
       "Es ist ein Fehler aufgetreten. Fehlercode: 27  liste.txt"},
      {fall(Makrofehler::KeineSchreibdatei, "a.txt"), "", true, "Es ist ein Fehler aufgetreten. Fehlercode: 30  a.txt"},
      {fall(Makrofehler::DateiFehlt, "bild.png"), "", true, "Es fehlt folgende Datei: bild.png"},
      {fall(Makrofehler::DivisionDurchNull, "DIV"), "teil", true, "Es ist ein Fehler aufgetreten. Fehlercode: 9"},
  };
  for (const auto& f : faelle) EXPECT_EQ(makromeldungstext(f.f, f.unterprogramm, f.ausDatei), f.text) << f.text;
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

TEST(Beispielmakros, LaufenOhneMeldungUndZeichnenIhreTeile) {
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / ".." / ".." / "data" / "Makros";
  const struct {
    const char* name;
    int mindestens;
  } beispiele[] = {
      // outline 4, 13 step edges, circle, walking line, 2 arrow lines, text
      {"Treppe.psq", 4 + 13 + 1 + 1 + 2 + 1},
      {"Schriftfeld.psq", 4 + 4 + 3 + 1 + 8},
      {"Stuetzenraster.psq", 9 + 20 + 9 * 2},
  };
  for (const auto& b : beispiele) {
    test::Zeichnungsmakrolauf m;
    const Quelltextergebnis quelle = leseQuelltext(ordner / b.name);
    EXPECT_EQ(quelle.status, Quelltextstatus::Gelesen) << b.name;
    EXPECT_EQ(m.lauf(quelle.text), Laufende::Beendet) << b.name << ": " << m.benutzer.letzteMeldung();
    EXPECT_TRUE(m.benutzer.meldungen.empty()) << b.name;
    EXPECT_GE(m.lebende(), b.mindestens) << b.name;
  }
}

}  // namespace
}  // namespace quarzel
