// The batch tool's command line: valid calls become one record, everything
// else is a usage error with a German reason (exit code 2).
#include "ui/window/cliaufruf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarzel {
namespace {

Cliauswertung auswerten(std::vector<std::string> argumente) {
  return werteCliAus(argumente);
}

TEST(CliaufrufGueltig, RenderMitAllenOptionenInBeliebigerReihenfolge) {
  const auto a = auswerten({"render", "--dpi", "300", "-o", "bild.PDF", "--all", "plan.qzz"});
  ASSERT_TRUE(a.aufruf) << a.fehler;
  EXPECT_EQ(a.aufruf->befehl, Clibefehl::Render);
  EXPECT_EQ(a.aufruf->eingabe, "plan.qzz");
  EXPECT_EQ(a.aufruf->ausgabe, "bild.PDF");
  EXPECT_EQ(a.aufruf->bereich, Renderbereich::Alles);
  EXPECT_EQ(a.aufruf->dpi, 300);
  EXPECT_EQ(auswerten({"render", "p.qzz", "-o", "b.png"}).aufruf->bereich, Renderbereich::Blatt);
}

TEST(CliaufrufGueltig, InfoMacroRunUndHilfe) {
  const auto info = auswerten({"info", "plan.qzz"});
  ASSERT_TRUE(info.aufruf) << info.fehler;
  EXPECT_EQ(info.aufruf->befehl, Clibefehl::Info);
  EXPECT_EQ(info.aufruf->eingabe, "plan.qzz");

  const auto a = auswerten({"macro", "run", "wand.psq", "-i", "alt.qzz", "-o", "neu.qzz"});
  ASSERT_TRUE(a.aufruf) << a.fehler;
  EXPECT_EQ(a.aufruf->befehl, Clibefehl::MacroRun);
  EXPECT_EQ(a.aufruf->eingabe, "wand.psq");
  EXPECT_EQ(a.aufruf->zeichnung, "alt.qzz");
  EXPECT_EQ(a.aufruf->ausgabe, "neu.qzz");
  EXPECT_TRUE(auswerten({"macro", "run", "wand.psq", "-o", "neu.QZZ"}).aufruf);

  for (const char* h : {"-h", "--help", "hilfe"}) {
    const auto hilfe = auswerten({h});
    ASSERT_TRUE(hilfe.aufruf) << h;
    EXPECT_EQ(hilfe.aufruf->befehl, Clibefehl::Hilfe);
  }
}

TEST(CliaufrufFehler, FehlendeTeileWerdenBenannt) {
  EXPECT_EQ(auswerten({}).fehler, "kein Befehl angegeben");
  EXPECT_EQ(auswerten({"info"}).fehler, "info: die Eingabedatei fehlt");
  EXPECT_EQ(auswerten({"convert", "a.dxf"}).fehler, "convert: -o AUSGABE fehlt");
  EXPECT_EQ(auswerten({"render", "a.qzz", "-o"}).fehler, "nach -o fehlt der Name der Ausgabedatei");
  EXPECT_EQ(auswerten({"macro"}).fehler, "nach \"macro\" fehlt \"run\"");
  EXPECT_EQ(auswerten({"macro", "run", "m.psq", "-i"}).fehler, "nach -i fehlt der Name der Zeichnung");
}

TEST(CliaufrufFehler, OptionenGeltenNurFuerIhrenBefehl) {
  EXPECT_FALSE(auswerten({"info", "a.qzz", "-o", "b.qzz"}).aufruf);
  EXPECT_FALSE(auswerten({"convert", "a.dxf", "-o", "b.qzz", "--dpi", "300"}).aufruf);
  EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", "b.png", "-i", "c.qzz"}).aufruf);
  EXPECT_EQ(auswerten({"info", "a.qzz", "--xyz"}).fehler, "unbekannte Option \"--xyz\" für info");
}

TEST(CliaufrufFehler, UnbekannterBefehlUndUeberzaehligeAngaben) {
  EXPECT_EQ(auswerten({"drucke", "a.qzz"}).fehler, "unbekannter Befehl \"drucke\"");
  EXPECT_EQ(auswerten({"info", "a.qzz", "b.qzz"}).fehler, "überzählige Angabe \"b.qzz\"");
  EXPECT_FALSE(auswerten({"--help", "info"}).aufruf);
  EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", "b.png", "-o", "c.png"}).aufruf);
  EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", "b.png", "--sheet", "--all"}).aufruf);
}

TEST(CliaufrufFehler, AusgabeformatUndAufloesungWerdenGeprueft) {
  EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", "b.bmp"}).aufruf);
  EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", ".png"}).aufruf);
  EXPECT_FALSE(auswerten({"convert", "a.dxf", "-o", "b.dxf"}).aufruf);
  EXPECT_FALSE(auswerten({"macro", "run", "m.psq", "-o", "b.png"}).aufruf);
  for (const char* dpi : {"0", "-5", "abc", "300dpi", "2401", "99999999999999999999", ""}) {
    EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", "b.png", "--dpi", dpi}).aufruf) << dpi;
  }
  EXPECT_TRUE(auswerten({"render", "a.qzz", "-o", "b.png", "--dpi", "2400"}).aufruf);
}

TEST(CliaufrufVerwendung, NenntJedenBefehlUndDieRueckgabewerte) {
  const std::string text = cliVerwendung();
  for (const char* b : {"info DATEI", "render DATEI", "macro run MAKRO.psq", "2 falscher Aufruf"}) {
    EXPECT_NE(text.find(b), std::string::npos) << b;
  }
  EXPECT_EQ(text.find("convert"), std::string::npos) << "no command is advertised before it exists";
}

}  // namespace
}  // namespace quarzel
