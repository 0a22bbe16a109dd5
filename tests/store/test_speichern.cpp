// Saving a drawing: file names, the backup, the messages, a write that fails
// halfway and the emergency file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/skriptbenutzer.h"
#include "store/speichern.h"
#include "store/strukturpruefung.h"
#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

using test::leseDatei;
using test::schreibeDatei;

TEST(Speichername, EndungQzzWirdAngehaengtWennSieFehltExportendungenInJederSchreibweise) {
  for (const auto& [name, mitEndung] : {std::pair("plan", "plan.QZZ"),
                                        {"plan.QZZ", "plan.QZZ"},
                                        {"plan.qzz", "plan.qzz"},
                                        {"plan.qzz.txt", "plan.qzz.txt.QZZ"},
                                        {"planQZZ", "planQZZ.QZZ"}})
    EXPECT_EQ(mitZeichnungsendung(name), mitEndung) << name;
  for (const auto& [name, format] : std::initializer_list<std::pair<const char*, std::optional<std::string>>>{
           {"haus.dxf", "DXF"}, {"haus.Wmf", "WMF"}, {"/a.b/haus.PNG", "PNG"}, {"haus.QZZ", {}}, {"haus.dxf.QZZ", {}}})
    EXPECT_EQ(exportformat(name), format) << name;
}

TEST(Speichername, AutosavenameStehtVorDerEndung) {
  einstellung::Speichern e;
  EXPECT_EQ(std::tuple(autosavename("/plaene/plan.QZZ", e), autosavename("/plaene/plan.qzz", e),
                       autosavename("/plaene/plan", e)),
            std::tuple("/plaene/plan_autosave.QZZ", "/plaene/plan_autosave.qzz", "/plaene/plan_autosave.QZZ"));
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
  test::TempOrdner ordner;
};

TEST_F(Speichern, UeberschreibenLegtDenAltenStandAlsBakAbWennGewuenscht) {
  schreibeDatei(ordner / "plan.QZZ", "alter Stand");
  schreibeDatei(ordner / "plan.BAK", "noch aelter");
  einstellungen.sicherheitskopieAnlegen = false;
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(leseDatei(ordner / "plan.BAK"), "noch aelter");

  schreibeDatei(ordner / "plan.QZZ", "alter Stand");
  einstellungen.sicherheitskopieAnlegen = true;
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan.QZZ", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(std::tuple(leseDatei(ordner / "plan.BAK"), elementeIn(ordner / "plan.QZZ")), std::tuple("alter Stand", 5));
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"plan.BAK", "plan.QZZ"})) << "no temporary file left";

  // The next save backs up the drawing just written.
  test::linie(z.speicher, 9, 9, 10, 10);
  ASSERT_EQ(speichereZeichnung(z, ordner / "plan.QZZ", einstellungen, benutzer).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(std::tuple(elementeIn(ordner / "plan.BAK"), elementeIn(ordner / "plan.QZZ")), std::tuple(5, 6));
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
  EXPECT_EQ(std::tuple(e.status, benutzer.letzteMeldung(), z.speicher.modifiziert()),
            std::tuple(Speicherstatus::Fehlgeschlagen,
                       "Das Erstellen der Datei " + (ordner / "plan.QZZ").string() + " ist fehlgeschlagen!", true));
  EXPECT_EQ(std::tuple(leseDatei(ordner / "plan.QZZ"), leseDatei(ordner / "plan.BAK")),
            std::tuple("alter Stand", "noch aelter"));
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"plan.BAK", "plan.QZZ"})) << "no temporary file left";
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
  EXPECT_EQ(std::tuple(e.status, e.nichtGeschrieben), std::tuple(Speicherstatus::Unvollstaendig, 1));
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.meldungen[0].text,
            "Speichern unvollständig: 1 Objekte konnten nicht gespeichert werden!\n"
            "Eventuell ist der Datenträger voll oder es liegt ein anderes Problem vor.\n"
            "Versuchen Sie die Zeichnung auf einem anderen Speichermedium zu sichern.");
  // The rest of the drawing is in the file; closing must still ask.
  EXPECT_EQ(std::tuple(elementeIn(ordner / "plan.QZZ"), z.speicher.modifiziert(), z.dateiname),
            std::tuple(5, true, (ordner / "plan.QZZ").string()));
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
  // The lines; the open bracket is repaired away on loading.
  EXPECT_EQ(std::tuple(elementeIn(pfad), z.speicher.modifiziert(), z.dateiname),
            std::tuple(5, true, (ordner / "haus.QZZ").string()));
}

}  // namespace
}  // namespace quarzel
