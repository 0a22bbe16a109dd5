// Saving a drawing: file names, the backup, the messages, a write that fails
// halfway, exports that are not there yet and the emergency file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/skriptbenutzer.h"
#include "store/speichern.h"
#include "store/strukturpruefung.h"
#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"
#include "test_speichern_hilfe.h"

namespace quarzel {
namespace {

using test::leseDatei;
using test::schreibeDatei;

TEST(Speichername, EndungQzzWirdAngehaengtWennSieFehlt) {
  EXPECT_EQ(mitZeichnungsendung("plan"), "plan.QZZ");
  EXPECT_EQ(mitZeichnungsendung("plan.QZZ"), "plan.QZZ");
  EXPECT_EQ(mitZeichnungsendung("plan.qzz"), "plan.qzz");
  EXPECT_EQ(mitZeichnungsendung("plan.Qzz"), "plan.Qzz");
  EXPECT_EQ(mitZeichnungsendung("plan.qzz.txt"), "plan.qzz.txt.QZZ");
  EXPECT_EQ(mitZeichnungsendung("planQZZ"), "planQZZ.QZZ");
  EXPECT_EQ(mitZeichnungsendung("plan.BAK"), "plan.BAK.QZZ");
}

TEST(Speichername, ExportendungenInJederSchreibweise) {
  EXPECT_EQ(exportformat("haus.dxf"), "DXF");
  EXPECT_EQ(exportformat("haus.Wmf"), "WMF");
  EXPECT_EQ(exportformat("/a.b/haus.PNG"), "PNG");
  EXPECT_EQ(exportformat("haus.bmp"), "BMP");
  EXPECT_EQ(exportformat("haus.pla"), "PLA");
  EXPECT_EQ(exportformat("haus.QZZ"), std::nullopt);
  EXPECT_EQ(exportformat("dxf"), std::nullopt);
  EXPECT_EQ(exportformat("haus.dxf.QZZ"), std::nullopt);
}

TEST(Speichername, AutosavenameStehtVorDerEndung) {
  einstellung::Speichern e;
  EXPECT_EQ(autosavename("/plaene/plan.QZZ", e), "/plaene/plan_autosave.QZZ");
  EXPECT_EQ(autosavename("/plaene/plan.qzz", e), "/plaene/plan_autosave.qzz");
  EXPECT_EQ(autosavename("/plaene/plan", e), "/plaene/plan_autosave.QZZ");
  e.autosavepfad = "/sicher";
  EXPECT_EQ(autosavename("/plaene/plan.QZZ", e), "/plaene/plan_autosave.QZZ") << "folder switch is off";
  e.autosaveverzeichnis = true;
  EXPECT_EQ(autosavename("/plaene/plan.QZZ", e), "/sicher/plan_autosave.QZZ");
  e.autosavepfad.clear();
  EXPECT_EQ(autosavename("/plaene/plan.QZZ", e), "/plaene/plan_autosave.QZZ") << "no folder named";
}

class Speichern : public ::testing::Test {
 protected:
  void SetUp() override {
    test::initialisiere(z.speicher);
    for (int i = 0; i < 5; ++i) test::linie(z.speicher, i, 0, i, 10);
    ASSERT_TRUE(z.speicher.modifiziert());
  }

  // Loads a file into a fresh drawing; the number of elements, -1 when it is
  // no drawing.
  std::int32_t elementeIn(const std::string& pfad) {
    Zeichnung geladen;
    SkriptBenutzer b;
    const Ladeergebnis e = ladeZeichnung(pfad, geladen, b);
    return e.geladen ? geladen.speicher.anzahl() : -1;
  }

  Zeichnung z;
  SkriptBenutzer benutzer;
  einstellung::Speichern einstellungen;
  test::Speicherordner ordner;
};

TEST_F(Speichern, PlanWirdAlsPlanQzzGeschrieben) {
  const Speicherergebnis e = speichereZeichnung(z, ordner / "plan", einstellungen, benutzer);
  EXPECT_EQ(e.status, Speicherstatus::Gespeichert);
  EXPECT_EQ(e.pfad, ordner / "plan.QZZ");
  EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"plan.QZZ"});
  EXPECT_EQ(elementeIn(ordner / "plan.QZZ"), 5);
  EXPECT_EQ(z.dateiname, ordner / "plan.QZZ");
  EXPECT_FALSE(z.speicher.modifiziert());
  EXPECT_TRUE(benutzer.meldungen.empty());
}

TEST_F(Speichern, UeberschreibenLegtDenAltenStandAlsBakAbWennGewuenscht) {
  schreibeDatei(ordner / "plan.QZZ", "alter Stand");
  schreibeDatei(ordner / "plan.BAK", "noch aelter");
  einstellungen.sicherheitskopieAnlegen = false;
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(leseDatei(ordner / "plan.BAK"), "noch aelter");

  schreibeDatei(ordner / "plan.QZZ", "alter Stand");
  einstellungen.sicherheitskopieAnlegen = true;
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan.QZZ", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(leseDatei(ordner / "plan.BAK"), "alter Stand");
  EXPECT_EQ(elementeIn(ordner / "plan.QZZ"), 5);
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"plan.BAK", "plan.QZZ"})) << "no temporary file left";

  // The next save backs up the drawing just written.
  test::linie(z.speicher, 9, 9, 10, 10);
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan.QZZ", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(elementeIn(ordner / "plan.BAK"), 5);
  EXPECT_EQ(elementeIn(ordner / "plan.QZZ"), 6);
}

TEST_F(Speichern, UeberEinenLinkGespeichertHaeltDieBakDenAltenInhaltNichtDenLink) {
  std::filesystem::create_directory(ordner / "echt");
  schreibeDatei(ordner / "echt/plan.QZZ", "alter Stand");
  std::filesystem::create_symlink(ordner / "echt/plan.QZZ", ordner / "plan.QZZ");
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan.QZZ", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_TRUE(std::filesystem::is_symlink(ordner / "plan.QZZ"));
  EXPECT_EQ(elementeIn(ordner / "echt/plan.QZZ"), 5);
  EXPECT_FALSE(std::filesystem::is_symlink(ordner / "plan.BAK"));
  EXPECT_EQ(leseDatei(ordner / "plan.BAK"), "alter Stand");
}

TEST_F(Speichern, OrdnerDerKeinerIstGibtDieMeldungUndLaesstDieZeichnungUngespeichert) {
  // A regular file as the folder: creating fails even for root.
  schreibeDatei(ordner / "kein_ordner", "x");
  z.dateiname = ordner / "vorher.QZZ";
  const std::string ziel = ordner / "kein_ordner/plan";
  const Speicherergebnis e = speichereZeichnung(z, ziel, einstellungen, benutzer);
  EXPECT_EQ(e.status, Speicherstatus::Fehlgeschlagen);
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.meldungen[0].text, "Das Erstellen der Datei " + ziel + ".QZZ ist fehlgeschlagen!");
  EXPECT_EQ(benutzer.meldungen[0].art, Meldungsart::Fehler);
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_EQ(z.dateiname, ordner / "vorher.QZZ");
}

// A full disk, simulated with the file-size limit: writing stops after a few
// bytes as it would on a full medium. Root is subject to it too.
class Dateigroessengrenze {
 public:
  explicit Dateigroessengrenze(rlim_t bytes) {
    alterSignalbehandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &alt_);
    rlimit neu = alt_;
    neu.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &neu);
  }
  ~Dateigroessengrenze() {
    ::setrlimit(RLIMIT_FSIZE, &alt_);
    std::signal(SIGXFSZ, alterSignalbehandler_);
  }

 private:
  rlimit alt_{};
  void (*alterSignalbehandler_)(int);
};

TEST_F(Speichern, VollerDatentraegerLaesstAlteDateiUndAlteBakUnberuehrt) {
  schreibeDatei(ordner / "plan.QZZ", "alter Stand");
  schreibeDatei(ordner / "plan.BAK", "noch aelter");
  Speicherergebnis e;
  {
    Dateigroessengrenze grenze(64);
    e = speichereZeichnung(z, ordner / "plan", einstellungen, benutzer);
  }
  EXPECT_EQ(e.status, Speicherstatus::Fehlgeschlagen);
  EXPECT_EQ(benutzer.letzteMeldung(), "Das Erstellen der Datei " + (ordner / "plan.QZZ") + " ist fehlgeschlagen!");
  EXPECT_EQ(leseDatei(ordner / "plan.QZZ"), "alter Stand");
  EXPECT_EQ(leseDatei(ordner / "plan.BAK"), "noch aelter");
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"plan.BAK", "plan.QZZ"})) << "no temporary file left";
  EXPECT_TRUE(z.speicher.modifiziert());
}

TEST_F(Speichern, ElementeDieDasFormatNichtFasstWerdenGezaehltUndGemeldet) {
  // The point count of a polygon record is a 16-bit field.
  Tpolygondaten riesig;
  for (int i = 0; i < 70000; ++i) {
    riesig.x.push_back(i);
    riesig.y.push_back(i % 7);
  }
  z.speicher.vervollstaendige(z.speicher.neuesPolygonMitPunkten(Elementart::Polygon, riesig));
  const Speicherergebnis e = speichereZeichnung(z, ordner / "plan", einstellungen, benutzer);
  EXPECT_EQ(e.status, Speicherstatus::Unvollstaendig);
  EXPECT_EQ(e.nichtGeschrieben, 1);
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.meldungen[0].text,
            "Speichern unvollständig: 1 Objekte konnten nicht gespeichert werden!\n"
            "Eventuell ist der Datenträger voll oder es liegt ein anderes Problem vor.\n"
            "Versuchen Sie die Zeichnung auf einem anderen Speichermedium zu sichern.");
  EXPECT_EQ(elementeIn(ordner / "plan.QZZ"), 5) << "the rest of the drawing is in the file";
  EXPECT_TRUE(z.speicher.modifiziert()) << "closing must still ask";
  EXPECT_EQ(z.dateiname, ordner / "plan.QZZ");
}

TEST_F(Speichern, ExportendungSchreibtKeineZeichnungsdatei) {
  const Speicherergebnis e = speichereZeichnung(z, ordner / "plan.dxf", einstellungen, benutzer);
  EXPECT_EQ(e.status, Speicherstatus::ExportNichtVerfuegbar);
  EXPECT_TRUE(ordner.inhalt().empty());
  EXPECT_EQ(benutzer.letzteMeldung(),
            "Der Export im Format DXF ist noch nicht verfügbar. Die Zeichnung wurde nicht gespeichert.");
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_TRUE(z.dateiname.empty());
}

TEST_F(Speichern, AutomatischesSpeichernLegtDasAutosaveverzeichnisAnUndLaesstDieZeichnungWieSieWar) {
  einstellungen.autosaveverzeichnis = true;
  einstellungen.autosavepfad = ordner / "sicher/tief";
  z.dateiname = "/irgendwo/plan.QZZ";
  const Speicherergebnis e = speichereZeichnung(z, z.dateiname, einstellungen, benutzer, Speicherart::Automatisch);
  EXPECT_EQ(e.status, Speicherstatus::Gespeichert);
  EXPECT_EQ(e.pfad, ordner / "sicher/tief/plan_autosave.QZZ");
  EXPECT_EQ(elementeIn(e.pfad), 5);
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_EQ(z.dateiname, "/irgendwo/plan.QZZ");
}

TEST_F(Speichern, NotsicherungSchreibtDieZeichnungOhneSieZuVeraendern) {
  // A group begin without its end: the structure check fails and saves.
  z.speicher.beginneSchritt();
  test::klammer(z.speicher, Elementart::Gruppenanfang);
  z.dateiname = ordner / "haus.QZZ";
  Strukturwaechter waechter;
  waechter.notsicherung = notsicherungFuer(z);
  const std::string pfad = notsicherungspfad(z.dateiname, "/tmp");
  std::string status;
  EXPECT_TRUE(waechter.pruefe(
      z.speicher, [](std::uint8_t) { return true; }, pfad, benutzer, status));
  EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"Notsicherung.qzz"});
  EXPECT_EQ(elementeIn(pfad), 5) << "the lines; the open bracket is repaired away on loading";
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_EQ(z.dateiname, ordner / "haus.QZZ");
}

TEST_F(Speichern, NotsicherungInEinenFehlendenOrdnerMeldetNurFalsch) {
  schreibeDatei(ordner / "kein_ordner", "x");
  EXPECT_FALSE(schreibeNotsicherung(z, ordner / "kein_ordner/Notsicherung.qzz"));
  EXPECT_TRUE(benutzer.meldungen.empty());
}

}  // namespace
}  // namespace quarzel
