// What the program makes of its settings and command line at start: which
// extensions open a drawing, when the named file counts as missing, and the
// values a new drawing begins with.
#include "ui/window/programmstart.h"

#include <gtest/gtest.h>

#include "fensterhilfen.h"

namespace quarzel {
namespace {

TEST(Dateiart, NurDieLetzteEndungDesDateinamensZaehltInJederSchreibweise) {
  EXPECT_EQ(dateiart("/a/plan.QZZ"), Dateiart::Zeichnung);
  EXPECT_EQ(dateiart("plan.qzz"), Dateiart::Zeichnung);
  EXPECT_EQ(dateiart("plan.Bak"), Dateiart::Zeichnung);
  EXPECT_EQ(dateiart("alt.pla"), Dateiart::Import);
  EXPECT_EQ(dateiart("alt.RUZ"), Dateiart::Import);
  EXPECT_EQ(dateiart("alt.zid"), Dateiart::Import);
  EXPECT_EQ(dateiart("plan.QZZ.txt"), Dateiart::Andere);
  EXPECT_EQ(dateiart("/ordner.QZZ/plan"), Dateiart::Andere);
  EXPECT_EQ(dateiart(".QZZ"), Dateiart::Andere) << "a hidden file named QZZ has no extension";
  EXPECT_EQ(dateiart("QZZ"), Dateiart::Andere);
  EXPECT_EQ(dateiart(""), Dateiart::Andere);
  EXPECT_EQ(endungGross("a.b.qZz"), "QZZ");
}

class Startdateien : public ::testing::Test, public test::Fenstertest {};

TEST_F(Startdateien, NurDasErsteArgumentMitDerRichtigenEndungOeffnet) {
  EXPECT_EQ(startdatei({}).art, Startdatei::Art::Keine);
  EXPECT_EQ(startdatei({""}).art, Startdatei::Art::Keine);
  const std::string plan = schreibeDatei("plan.QZZ", "x");
  const Startdatei s = startdatei({plan, pfad("fehlt.QZZ")});
  EXPECT_EQ(s.art, Startdatei::Art::Oeffnen);
  EXPECT_EQ(s.pfad, plan);
  EXPECT_EQ(startdatei({schreibeDatei("alt.ruz", "x")}).art, Startdatei::Art::Oeffnen);
  // An existing file of another kind and a folder open nothing.
  EXPECT_EQ(startdatei({schreibeDatei("liesmich.txt", "x")}).art, Startdatei::Art::Keine);
  EXPECT_EQ(startdatei({pfad("")}).art, Startdatei::Art::Keine) << "the test folder itself";
}

TEST_F(Startdateien, FehlendeDateiGleichWelcherEndung) {
  EXPECT_EQ(startdatei({pfad("fehlt.QZZ")}).art, Startdatei::Art::Fehlt);
  EXPECT_EQ(startdatei({pfad("fehlt.txt")}).art, Startdatei::Art::Fehlt);
  EXPECT_EQ(meldungStartdateiFehlt("/x/fehlt.QZZ"), "Die Datei /x/fehlt.QZZ wurde nicht gefunden.");
}

TEST(Zeichnungsvorgaben, KommenAusProjektoptionenUndUndoschritten) {
  Einstellungen e;
  e.projektoptionen.blattBreite = 420.4;
  e.projektoptionen.blattHoehe = 296.6;
  e.projektoptionen.einheit = 2;
  e.projektoptionen.einheitenname = "cm";
  e.projektoptionen.faktor = 0.01;
  e.projektoptionen.massstab = 20;
  e.undoschritte.anzahl = 50;
  const Zeichnungsvorgaben v = zeichnungsvorgaben(e);
  EXPECT_EQ(v.ansicht.sheetWidth, 420);
  EXPECT_EQ(v.ansicht.sheetHeight, 297);
  EXPECT_EQ(v.ansicht.unitCode, 2);
  EXPECT_EQ(v.ansicht.unitName, "cm");
  EXPECT_DOUBLE_EQ(v.ansicht.unitFactor, 0.01);
  EXPECT_DOUBLE_EQ(v.ansicht.drawingScale, 20);
  EXPECT_EQ(v.undoTiefe, 50);
  // The undo depth stays within the levels.
  e.undoschritte.anzahl = 1000;
  EXPECT_EQ(zeichnungsvorgaben(e).undoTiefe, 100);
  e.undoschritte.anzahl = -5;
  EXPECT_EQ(zeichnungsvorgaben(e).undoTiefe, 1);
}

TEST(Zeichnungsvorgaben, RiesigesBlattWirdVomStartAbgelehntStattUeberzulaufen) {
  Einstellungen e;
  e.projektoptionen.blattBreite = 1e30;
  Zeichnung z;
  SkriptBenutzer b;
  ASSERT_TRUE(starteZeichnung(z, zeichnungsvorgaben(e), b));
  EXPECT_EQ(b.letzteMeldung(), "Initialisierungsfehler 1");
  EXPECT_GT(z.ansicht.zoom, 0);
}

}  // namespace
}  // namespace quarzel
