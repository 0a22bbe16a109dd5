// The batch tool's command line: everything but a valid call is a usage
// error with a German reason (exit code 2).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/window/cliaufruf.h"

namespace quarzel {
namespace {

// Calls that are no valid call: the German reason where the user must be
// told what is missing (nullptr: only that it is refused).
TEST(CliaufrufFehler, FalscheAufrufeWerdenAbgelehnt) {
  using A = std::vector<std::string>;
  const auto auswerten = [](const A& argumente) { return werteCliAus(argumente); };
  const std::pair<A, const char*> faelle[] = {
      {{}, "kein Befehl angegeben"},
      {{"info"}, "info: die Eingabedatei fehlt"},
      {{"convert", "a.dxf"}, "convert: -o AUSGABE fehlt"},
      {{"render", "a.qzz", "-o"}, "nach -o fehlt der Name der Ausgabedatei"},
      {{"macro"}, "nach \"macro\" fehlt \"run\""},
      {{"macro", "run", "m.psq", "-i"}, "nach -i fehlt der Name der Zeichnung"},
      {{"info", "a.qzz", "--xyz"}, "unbekannte Option \"--xyz\" für info"},
      {{"drucke", "a.qzz"}, "unbekannter Befehl \"drucke\""},
      {{"info", "a.qzz", "b.qzz"}, "überzählige Angabe \"b.qzz\""},
      // Options belong to their command.
      {{"info", "a.qzz", "-o", "b.qzz"}, nullptr},
      {{"convert", "a.dxf", "-o", "b.qzz", "--dpi", "300"}, nullptr},
      {{"render", "a.qzz", "-o", "b.png", "-i", "c.qzz"}, nullptr},
      {{"--help", "info"}, nullptr},
      {{"render", "a.qzz", "-o", "b.png", "-o", "c.png"}, nullptr},
      {{"render", "a.qzz", "-o", "b.png", "--sheet", "--all"}, nullptr},
      // Output formats and resolutions.
      {{"render", "a.qzz", "-o", "b.bmp"}, nullptr},
      {{"render", "a.qzz", "-o", ".png"}, nullptr},
      {{"convert", "a.qzz", "-o", "b.svg"}, "convert: die Ausgabe muss auf .qzz oder .dxf enden"},
      {{"macro", "run", "m.psq", "-o", "b.png"}, nullptr},
      {{"projekt", "a.qzz", "--setze", "ProjName=x"}, "projekt: zu --setze gehört -o AUSGABE"},
      {{"projekt", "a.qzz", "-o", "b.qzz"}, "projekt: zu -o gehört --setze"},
      {{"projekt", "a.qzz", "--setze", "=x", "-o", "b.qzz"}, "--setze braucht VARIABLE=WERT"},
      {{"projekt", "a.qzz", "--zeige", "ProjName", "--setze", "ProjName=x", "-o", "b.qzz"},
       "projekt: --zeige und --setze schließen einander aus"},
  };
  for (const auto& [argumente, fehler] : faelle) {
    const Cliauswertung a = auswerten(argumente);
    EXPECT_FALSE(a.aufruf) << (argumente.empty() ? "" : argumente[0]);
    if (fehler != nullptr) {
      EXPECT_EQ(a.fehler, fehler);
    }
  }
  for (const char* dpi : {"0", "-5", "abc", "300dpi", "2401", "99999999999999999999", ""}) {
    EXPECT_FALSE(auswerten({"render", "a.qzz", "-o", "b.png", "--dpi", dpi}).aufruf) << dpi;
  }
  EXPECT_TRUE(auswerten({"render", "a.qzz", "-o", "b.png", "--dpi", "2400"}).aufruf);
  const Cliauswertung projekt =
      auswerten({"projekt", "a.qzz", "--setze", "ProjName=a=b", "--setze", "$BauhName=", "-o", "b.qzz"});
  ASSERT_TRUE(projekt.aufruf);
  EXPECT_EQ(projekt.aufruf->projektwerte,
            (std::vector<std::pair<std::string, std::string>>{{"ProjName", "a=b"}, {"$BauhName", ""}}));
  const Cliauswertung fragen = auswerten({"projekt", "a.qzz", "--zeige", "ProjName", "--zeige", "$MaszStab"});
  EXPECT_EQ(fragen.aufruf->projektfragen, (std::vector<std::string>{"ProjName", "$MaszStab"}));
}

TEST(CliaufrufSymbol, MassstabUndSymbolinformationen) {
  const Cliauswertung a = werteCliAus(std::vector<std::string>{"symbol", "tisch.qzz", "-o", "Tisch.QZS", "--massstab",
                                                               "50", "--preis", "12,50 €", "--bezeichnung", "Tisch"});
  ASSERT_TRUE(a.aufruf) << a.fehler;
  EXPECT_EQ(a.aufruf->befehl, Clibefehl::Symbol);
  EXPECT_EQ(a.aufruf->massstab, 50);
  EXPECT_EQ(a.aufruf->symbolinfo[0], "Tisch");
  EXPECT_EQ(a.aufruf->symbolinfo[1], std::nullopt);
  EXPECT_EQ(a.aufruf->symbolinfo[4], "12,50 €");
  using A = std::vector<std::string>;
  const std::pair<A, const char*> falsch[] = {
      {{"symbol", "a.qzz", "-o", "a.qzz"}, "symbol: die Ausgabe muss auf .qzs oder .det enden"},
      {{"symbol", "a.qzz", "-o", "a.det", "--massstab", "0"}, nullptr},
      {{"symbol", "a.qzz", "-o", "a.det", "--massstab", "1:50"}, nullptr},
      {{"symbol", "a.qzz", "-o", "a.det", "--gewicht"}, "nach --gewicht fehlt der Text"},
      {{"symbol", "a.qzz", "-o", "a.det", "--preis", "1", "--preis", "2"}, "--preis ist doppelt angegeben"},
      {{"render", "a.qzz", "-o", "a.png", "--preis", "1"}, nullptr},
  };
  for (const auto& [argumente, fehler] : falsch) {
    const Cliauswertung e = werteCliAus(argumente);
    EXPECT_FALSE(e.aufruf) << argumente.back();
    if (fehler != nullptr) {
      EXPECT_EQ(e.fehler, fehler);
    }
  }
}

TEST(CliaufrufVerwendung, NenntJedenBefehlUndDieRueckgabewerte) {
  const std::string text = cliVerwendung();
  for (const char* b : {"info DATEI", "render DATEI", "convert EINGABE -o AUSGABE.qzz|dxf", "macro run MAKRO.psq",
                        "symbol ZEICHNUNG -o AUSGABE.qzs|det", "projekt DATEI", "2 falscher Aufruf"}) {
    EXPECT_NE(text.find(b), std::string::npos) << b;
  }
}

TEST(CliaufrufStueckliste, MaskeGruppenUndAusgabe) {
  const Cliauswertung a = werteCliAus(
      std::vector<std::string>{"stueckliste", "haus.qzz", "--maske", "Moebel", "--sichtbar", "-o", "liste.CSV"});
  ASSERT_TRUE(a.aufruf) << a.fehler;
  EXPECT_NE(cliVerwendung().find("stueckliste DATEI"), std::string::npos);
  EXPECT_EQ(
      std::tuple(a.aufruf->befehl, a.aufruf->stuecklistenmaske, a.aufruf->benannteGruppen, a.aufruf->nurSichtbare),
      std::tuple(Clibefehl::Stueckliste, "Moebel", false, true));
  using A = std::vector<std::string>;
  const std::pair<A, const char*> falsch[] = {
      {{"stueckliste", "a.qzz"}, "stueckliste: -o AUSGABE fehlt"},
      {{"stueckliste", "a.qzz", "-o", "a.txt"}, "stueckliste: die Ausgabe muss auf .htm oder .csv enden"},
      {{"stueckliste", "a.qzz", "--gruppen", "--maske", "M", "-o", "a.htm"},
       "stueckliste: --maske und --gruppen schließen einander aus"},
      {{"stueckliste", "a.qzz", "-o", "a.htm", "--maske"}, "nach --maske fehlt der Name der Datenmaske"},
      {{"info", "a.qzz", "--gruppen"}, nullptr},
  };
  for (const auto& [argumente, fehler] : falsch) {
    const Cliauswertung e = werteCliAus(argumente);
    EXPECT_FALSE(e.aufruf) << argumente.back();
    if (fehler != nullptr) {
      EXPECT_EQ(e.fehler, fehler);
    }
  }
}

}  // namespace
}  // namespace quarzel
