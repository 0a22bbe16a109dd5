// Runs that draw: the interpreter with the drawing words on a real drawing,
// included macros, the unit variable.
#include <gtest/gtest.h>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "makrotest_hilfe.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

class Zeichnungslauf : public ::testing::Test {
 protected:
  void SetUp() override {
    test::initialisiere(zeichnung.speicher);
    zeichnung.ansicht.unitCode = 1;
    zeichnung.ansicht.unitFactor = 1.0;
    zeichnung.ansicht.unitName = "mm";
    zeichnung.ansicht.drawingScale = 1;
    zeichnung.ebenen.setzeMassstab(1, 0);
    interpreter.setzeBenutzer(&benutzer);
    interpreter.setzeZeichnung(&zeichnung);
    interpreter.setzeZeichner(&zeichner);
    interpreter.setzeMakroordner(ordner.pfad());
  }

  Laufende lauf(std::string_view q) { return interpreter.starteQuelltext(q); }
  int fehler() const { return interpreter.letzterFehler() ? static_cast<int>(interpreter.letzterFehler()->code) : 0; }
  int lebende() const {
    int n = 0;
    for (std::int32_t i = 1; i <= zeichnung.speicher.anzahl(); ++i) n += zeichnung.speicher.lebendig(i);
    return n;
  }
  std::string oben() const { return interpreter.stapel().leer() ? "<leer>" : interpreter.stapel().oben(); }

  test::Makroordner ordner;
  Zeichnung zeichnung;
  SkriptBenutzer benutzer;
  Makrozeichner zeichner{zeichnung};
  Makrointerpreter interpreter;
};

TEST_F(Zeichnungslauf, LinienInEinerSchleife) {
  EXPECT_EQ(lauf("0 0 MOVETO /i 0 DEF 10 { /i i 1 ADD DEF i 10 MUL 0 LINETO }"), Laufende::Beendet);
  EXPECT_EQ(fehler(), 0) << benutzer.letzteMeldung();
  EXPECT_EQ(lebende(), 10);
}

TEST_F(Zeichnungslauf, FigurenwortMitTextStattZahlAufDemSchnellweg) {
  lauf("0 0 MOVETO a 0 LINETO");
  EXPECT_EQ(fehler(), 97);
  EXPECT_EQ(lebende(), 0);
}

TEST_F(Zeichnungslauf, FehlerDesZeichnersImUnterprogramm) {
  lauf("(rahmen) CALL rahmen# 0 0 MOVETO 5 5 LINETO (profil) SETMASPROFILE RETURN");
  EXPECT_EQ(fehler(), 31);
  EXPECT_EQ(benutzer.letzteMeldung(), "Das Bemaßungsprofil profil.QZB konnte nicht gefunden werden. in rahmen#");
  EXPECT_EQ(lebende(), 1);  // what was drawn before the error stays
}

TEST_F(Zeichnungslauf, EinheitswortStelltDieZeichnungUm) {
  lauf("/einheit (cm) DEF einheit");
  EXPECT_EQ(oben(), "cm");
  EXPECT_EQ(zeichnung.ansicht.unitCode, 2);
  EXPECT_EQ(zeichnung.ansicht.unitFactor, 0.1);
  EXPECT_EQ(zeichnung.ansicht.unitName, "cm");
  lauf("/EINHEIT (Zoll) DEF");
  EXPECT_EQ(zeichnung.ansicht.unitName, "cm");
}

TEST_F(Zeichnungslauf, VordefinierteAusDerZeichnung) {
  zeichnung.ansicht.sheetWidth = 420;
  zeichnung.ansicht.unitFactor = 0.001;
  zeichnung.ansicht.unitName = "m";
  zeichnung.ansicht.drawingScale = 100;
  zeichnung.ansicht.sheetLeft = 1000;
  zeichnung.ansicht.zeroPoint = {1010, 2000};
  lauf("workb maßstab einheit paperleft");
  ASSERT_EQ(interpreter.stapel().groesse(), 4u);
  EXPECT_EQ(interpreter.stapel().an(0), "42");
  EXPECT_EQ(interpreter.stapel().an(1), "100");
  EXPECT_EQ(interpreter.stapel().an(2), "m");
  EXPECT_EQ(interpreter.stapel().an(3), "-1");
}

TEST_F(Zeichnungslauf, EingebundenesMakroMachtSeineUnterprogrammeAufrufbar) {
  ASSERT_TRUE(schreibeMakrodatei(ordner / "Teile.MAK", kompiliereText("(nie) teil# 0 0 MOVETO 5 0 LINETO 7 RETURN")));
  lauf("(Teile) INCLUDE (teil) CALL (Teile) INCLUDE (teil) CALL");
  EXPECT_EQ(fehler(), 0) << benutzer.letzteMeldung();
  ASSERT_EQ(interpreter.stapel().groesse(), 2u);
  EXPECT_EQ(oben(), "7");
  EXPECT_EQ(lebende(), 2);
}

TEST_F(Zeichnungslauf, EinbindenMehrfachLaesstDasProgrammNichtWachsen) {
  ASSERT_TRUE(schreibeMakrodatei(ordner / "a.MAK", kompiliereText("(a) INCLUDE x# 1 RETURN")));
  lauf("100 { (a) INCLUDE }");
  EXPECT_EQ(fehler(), 0);
  const std::size_t laenge = interpreter.programm().laenge();
  lauf("1 { (a) INCLUDE }");
  EXPECT_EQ(interpreter.programm().laenge(), laenge);
}

TEST_F(Zeichnungslauf, EinbindenMeldetFehlendeUndFremdeDateien) {
  lauf("(gibtsnicht) INCLUDE");
  EXPECT_EQ(fehler(), 23);
  EXPECT_EQ(benutzer.letzteMeldung(), "Das eingebundene Makro gibtsnicht konnte nicht gefunden werden.");
  test::schreibeBytes(ordner / "kaputt.MAK", "QZMK das ist kein Makro");
  lauf("(kaputt) INCLUDE");
  EXPECT_EQ(fehler(), 24);
  EXPECT_EQ(benutzer.letzteMeldung(), "Die Datei kaputt ist kein Makro");
}

TEST_F(Zeichnungslauf, NeuerUndoSchrittTrenntDieSchritte) {
  lauf("0 0 MOVETO 5 0 LINETO NEWUNDO 5 5 LINETO");
  EXPECT_EQ(lebende(), 2);
  EXPECT_NE(zeichnung.speicher.zustand(1), zeichnung.speicher.zustand(2));
}

}  // namespace
}  // namespace quarzel
