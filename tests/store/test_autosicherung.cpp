// Automatic saving: when it is due (interval, wrap of the tick counter, the
// switches), what it writes, that it leaves the modified flag alone, and the
// dialog for a drawing without a name.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "store/autosicherung.h"
#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

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
  test::TempOrdner ordner;
};

TEST_F(Autosichern, BenannteZeichnungSchreibtAutosavedateiUndBleibtModifiziert) {
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::Gespeichert);
  EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"plan_autosave.QZZ"}) << "the drawing's own file is not touched";
  Zeichnung geladen;
  ASSERT_TRUE(ladeZeichnung(ordner / "plan_autosave.QZZ", geladen, benutzer).geladen);
  EXPECT_EQ(std::tuple(geladen.speicher.anzahl(), z.speicher.modifiziert(), z.dateiname),
            std::tuple(1, true, (ordner / "plan.QZZ").string()));
  EXPECT_EQ(std::tuple(a.letzteSicherung(), a.automatischesSpeichern(), a.beschaeftigt(), benutzer.fragen.size()),
            std::tuple(Zehnminuten + 1, false, false, 0u));
}

TEST_F(Autosichern, UnbenannteZeichnungFragtNachDemNamenUndAbbrechenFragtErstNachDemAbstandWieder) {
  z.dateiname.clear();
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::OhneNamen);
  EXPECT_EQ(benutzer.fragen, std::vector<std::string>{"Automatisches Speichern..."});
  EXPECT_EQ(std::tuple(ordner.inhalt().size(), z.speicher.modifiziert()), std::tuple(0u, true));
  EXPECT_EQ(tick(Zehnminuten + 2), Autosicherung::Ergebnis::NichtFaellig) << "no question on every tick";
  EXPECT_EQ(benutzer.fragen.size(), 1u);
  EXPECT_EQ(tick(2 * Zehnminuten + 2), Autosicherung::Ergebnis::OhneNamen);
  EXPECT_EQ(benutzer.fragen.size(), 2u);
}

TEST_F(Autosichern, FehlschlagMeldetUndLaesstDieZeichnungUnveraendert) {
  test::schreibeDatei(ordner / "kein_ordner", "x");
  z.dateiname = ordner / "kein_ordner/plan.QZZ";
  EXPECT_EQ(tick(Zehnminuten + 1), Autosicherung::Ergebnis::Fehlgeschlagen);
  EXPECT_EQ(benutzer.letzteMeldung(),
            "Das Erstellen der Datei " + (ordner / "kein_ordner/plan_autosave.QZZ").string() + " ist fehlgeschlagen!");
  EXPECT_EQ(std::tuple(z.speicher.modifiziert(), z.dateiname),
            std::tuple(true, (ordner / "kein_ordner/plan.QZZ").string()));
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
  std::optional<std::string> eingabe(std::string_view, std::string_view, std::string_view, std::string_view) override {
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
  EXPECT_EQ(std::tuple(b.titel, b.automatischWaehrendDesDialogs, b.beschaeftigtWaehrendDesDialogs, b.innererTick),
            std::tuple("Automatisches Speichern...", true, true, Autosicherung::Ergebnis::NichtFaellig));
  EXPECT_EQ(std::tuple(a.automatischesSpeichern(), a.beschaeftigt()), std::tuple(false, false));
}

}  // namespace
}  // namespace quarzel
