// Automatic saving: when it is due (interval, wrap of the tick counter, the
// switches), what it writes, that it leaves the modified flag alone, and the
// dialog for a drawing without a name.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "store/autosicherung.h"
#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"
#include "test_speichern_hilfe.h"

namespace quarzel {
namespace {

constexpr std::uint32_t Zehnminuten = 600000;

TEST(Autosavezeitpunkt, ErstWennDerAbstandUeberschrittenIstAuchUeberDenUeberlaufDesTickzaehlers) {
  EXPECT_FALSE(autosaveFaellig(1000, 0, Zehnminuten));
  EXPECT_FALSE(autosaveFaellig(Zehnminuten, 0, Zehnminuten)) << "the interval must be exceeded";
  EXPECT_TRUE(autosaveFaellig(Zehnminuten + 1, 0, Zehnminuten));
  EXPECT_TRUE(autosaveFaellig(5000000, 3000000, Zehnminuten));
  const std::uint32_t kurzVorUeberlauf = 0xFFFFFF00u;
  EXPECT_FALSE(autosaveFaellig(100, kurzVorUeberlauf, Zehnminuten)) << "356 ms after the last save";
  EXPECT_TRUE(autosaveFaellig(Zehnminuten, kurzVorUeberlauf, Zehnminuten)) << "600256 ms after";
  EXPECT_FALSE(autosaveFaellig(kurzVorUeberlauf, kurzVorUeberlauf - 10, Zehnminuten));
}

TEST(Autosavezeitpunkt, UnsinnigerAbstandGiltAlsZehnMinuten) {
  einstellung::Speichern e;
  EXPECT_EQ(autosaveabstand(e), Zehnminuten);
  e.alle = 60000;
  EXPECT_EQ(autosaveabstand(e), 60000u);
  for (int unsinn : {0, -1}) {
    e.alle = unsinn;
    EXPECT_EQ(autosaveabstand(e), Zehnminuten) << unsinn;
  }
}

class Autosichern : public ::testing::Test {
 protected:
  void SetUp() override {
    test::initialisiere(z.speicher);
    test::linie(z.speicher, 1, 2, 3, 4);
    z.dateiname = ordner / "plan.QZZ";
  }

  Autosicherung::Ergebnis tick(std::uint32_t jetzt, bool normal = true) {
    return a.tick(jetzt, z, einstellungen, normal, benutzer);
  }

  Zeichnung z;
  SkriptBenutzer benutzer;
  einstellung::Speichern einstellungen;
  Autosicherung a{0};
  test::Speicherordner ordner;
};

TEST_F(Autosichern, BenannteZeichnungSchreibtAutosavedateiUndBleibtModifiziert) {
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::Gespeichert);
  EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"plan_autosave.QZZ"}) << "the drawing's own file is not touched";
  Zeichnung geladen;
  ASSERT_TRUE(ladeZeichnung(ordner / "plan_autosave.QZZ", geladen, benutzer).geladen);
  EXPECT_EQ(geladen.speicher.anzahl(), 1);
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_EQ(z.dateiname, ordner / "plan.QZZ");
  EXPECT_EQ(a.letzteSicherung(), Zehnminuten + 1);
  EXPECT_FALSE(a.automatischesSpeichern());
  EXPECT_FALSE(a.beschaeftigt());
  EXPECT_TRUE(benutzer.fragen.empty());
}

TEST_F(Autosichern, JedeBedingungVerhindertDasSpeichernAllein) {
  einstellungen.automatischSpeichern = false;
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::NichtFaellig);
  einstellungen.automatischSpeichern = true;

  EXPECT_EQ(tick(Zehnminuten + 1, false), Autosicherung::Ergebnis::NichtFaellig) << "not in the editing state";
  EXPECT_EQ(tick(Zehnminuten), Autosicherung::Ergebnis::NichtFaellig) << "interval not exceeded";

  z.speicher.setzeModifiziert(false);
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::NichtFaellig);
  EXPECT_TRUE(ordner.inhalt().empty());
  EXPECT_EQ(a.letzteSicherung(), 0u) << "only an attempt starts a new interval";

  z.speicher.setzeModifiziert(true);
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::Gespeichert);
}

TEST_F(Autosichern, AbstandAusDenEinstellungenUndNaechsterTerminNachDemSpeichern) {
  einstellungen.alle = 1000;
  EXPECT_EQ(tick(1001), Autosicherung::Ergebnis::Gespeichert);
  EXPECT_EQ(tick(1500), Autosicherung::Ergebnis::NichtFaellig);
  EXPECT_EQ(tick(2002), Autosicherung::Ergebnis::Gespeichert);
}

TEST_F(Autosichern, SpeichertAuchUeberDenUeberlaufDesZaehlersHinweg) {
  Autosicherung spaet(0xFFFFF000u);
  EXPECT_EQ(spaet.tick(1000, z, einstellungen, true, benutzer), Autosicherung::Ergebnis::NichtFaellig);
  EXPECT_EQ(spaet.tick(Zehnminuten, z, einstellungen, true, benutzer), Autosicherung::Ergebnis::Gespeichert);
}

TEST_F(Autosichern, UnbenannteZeichnungFragtNachDemNamenUndAbbrechenFragtErstNachDemAbstandWieder) {
  z.dateiname.clear();
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::OhneNamen);
  EXPECT_EQ(benutzer.fragen, std::vector<std::string>{"Automatisches Speichern..."});
  EXPECT_TRUE(ordner.inhalt().empty());
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_EQ(tick(Zehnminuten + 2), Autosicherung::Ergebnis::NichtFaellig) << "no question on every tick";
  EXPECT_EQ(benutzer.fragen.size(), 1u);
  EXPECT_EQ(tick(2 * Zehnminuten + 2), Autosicherung::Ergebnis::OhneNamen);
  EXPECT_EQ(benutzer.fragen.size(), 2u);
}

TEST_F(Autosichern, UnbenannteZeichnungBekommtDenGewaehltenNamen) {
  z.dateiname.clear();
  benutzer.dateinamen.push_back(ordner / "neu");
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::Gespeichert);
  EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"neu_autosave.QZZ"});
  EXPECT_EQ(z.dateiname, ordner / "neu.QZZ");
  EXPECT_TRUE(z.speicher.modifiziert());
  // The next automatic save goes to the same file without asking.
  EXPECT_EQ(tick(2 * Zehnminuten + 2), Autosicherung::Ergebnis::Gespeichert);
  EXPECT_EQ(benutzer.fragen.size(), 1u);
}

TEST_F(Autosichern, FehlschlagMeldetUndLaesstDieZeichnungUnveraendert) {
  test::schreibeDatei(ordner / "kein_ordner", "x");
  z.dateiname = ordner / "kein_ordner/plan.QZZ";
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::Fehlgeschlagen);
  EXPECT_EQ(benutzer.letzteMeldung(),
            "Das Erstellen der Datei " + (ordner / "kein_ordner/plan_autosave.QZZ") + " ist fehlgeschlagen!");
  EXPECT_TRUE(z.speicher.modifiziert());
  EXPECT_EQ(z.dateiname, ordner / "kein_ordner/plan.QZZ");
  EXPECT_EQ(tick(Zehnminuten + 2), Autosicherung::Ergebnis::NichtFaellig) << "one message per interval";
}

// A user whose save dialog looks at the flags and lets a further timer tick
// through, as a dialog's own event loop would.
class VerschachtelterBenutzer final : public Benutzer {
 public:
  VerschachtelterBenutzer(Autosicherung& a, Zeichnung& z, const einstellung::Speichern& e) : a_(a), z_(z), e_(e) {}

  bool automatischWaehrendDesDialogs = false;
  bool beschaeftigtWaehrendDesDialogs = false;
  Autosicherung::Ergebnis innererTick = Autosicherung::Ergebnis::Gespeichert;
  std::string titel;

  void meldung(std::string_view, Meldungsart) override {}
  bool jaNein(std::string_view) override { return false; }
  Antwort jaNeinAbbrechen(std::string_view) override { return Antwort::Abbrechen; }
  int auswahl(std::string_view, std::string_view, const std::vector<std::string>&) override { return 0; }
  std::optional<std::string> eingabe(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> dateiOeffnen(std::string_view, std::string_view, std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> dateiSpeichern(std::string_view t, std::string_view, std::string_view) override {
    titel = t;
    automatischWaehrendDesDialogs = a_.automatischesSpeichern();
    beschaeftigtWaehrendDesDialogs = a_.beschaeftigt();
    innererTick = a_.tick(5 * Zehnminuten, z_, e_, true, *this);
    return std::nullopt;
  }
  void fortschritt(std::string_view, int) override {}

 private:
  Autosicherung& a_;
  Zeichnung& z_;
  const einstellung::Speichern& e_;
};

TEST_F(Autosichern, WaehrendDesDialogsSindDieFlagsGesetztUndWeitereTicksTunNichts) {
  z.dateiname.clear();
  VerschachtelterBenutzer b(a, z, einstellungen);
  EXPECT_EQ(a.tick(Zehnminuten + 1, z, einstellungen, true, b), Autosicherung::Ergebnis::OhneNamen);
  EXPECT_EQ(b.titel, "Automatisches Speichern...");
  EXPECT_TRUE(b.automatischWaehrendDesDialogs);
  EXPECT_TRUE(b.beschaeftigtWaehrendDesDialogs);
  EXPECT_EQ(b.innererTick, Autosicherung::Ergebnis::NichtFaellig);
  EXPECT_FALSE(a.automatischesSpeichern());
  EXPECT_FALSE(a.beschaeftigt());
}

}  // namespace
}  // namespace quarzel
