// The project data in the drawing file: every row survives save -> load ->
// save byte for byte, long and multi-line values included; damaged or
// foreign "p" records cost only themselves; a save names the file.
#include <gtest/gtest.h>

#include <functional>

#include "platform/skriptbenutzer.h"
#include "store/speichern.h"
#include "store/zeichnungsdatei.h"
#include "support/dateibauer.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

using test::Dateibauer;

TEST(Projektdatendatei, SpeichernLadenSpeichernIstBytegleich) {
  Zeichnung z, geladen;
  test::initialisiere(z.speicher);
  test::initialisiere(geladen.speicher);
  auto& w = z.projektdaten.werte;
  w[0] = "Jonas Berger";
  // Longer than one record, with the CR LF of a line break on the seam of two.
  w[8] = std::string(254, 'a') + "\nzweite Zeile\n" + std::string(400, 'b');
  w[9] = "Neubau – Süd €";
  w[57] = "$OLayerMaszStab";
  test::linie(z.speicher, 10, 20, 30, 40);
  const Schreibergebnis erst = schreibeZeichnung(z);
  SkriptBenutzer b;
  const Ladeergebnis e = leseZeichnung(erst.daten, geladen, b);
  ASSERT_TRUE(e.geladen);
  EXPECT_EQ(std::tuple(e.verworfeneSaetze, geladen.speicher.anzahl()), std::tuple(0, 1));
  EXPECT_EQ(geladen.projektdaten, z.projektdaten);
  EXPECT_EQ(schreibeZeichnung(geladen).daten, erst.daten);
}

TEST(Projektdatendatei, BeschaedigteUndFremdeSaetzeKostenNurSichSelbst) {
  const std::tuple<const char*, std::function<void(Dateibauer&)>, std::string> faelle[] = {
      {"CR LF is a line break", [](Dateibauer& d) { d.satz('p').u16(3).text("a\r\nb\rc").ende(); }, "a\nb\rc"},
      {"a continuation appends",
       [](Dateibauer& d) { d.satz('p').u16(3).text("Tal").ende().satz('p').u16(0x8003).text("heim").ende(); },
       "Talheim"},
      {"an unknown row", [](Dateibauer& d) { d.satz('p').u16(58).text("x").ende(); }, ""},
      {"a string longer than its record", [](Dateibauer& d) { d.satz('p').u16(3).u8(200).roh("kurz").ende(); }, ""},
      {"endless continuations stop at 64 KiB",
       [](Dateibauer& d) {
         for (int i = 0; i < 400; ++i) d.satz('p').u16(i ? 0x8003 : 3).text(std::string(255, i ? '\r' : 'x')).ende();
       },
       std::string(255, 'x') + std::string(65280, '\r')},
  };
  for (const auto& [name, saetze, zeile3] : faelle) {
    Dateibauer d = Dateibauer::fuer("ZEI.01", 11);
    d.kopf();
    saetze(d);
    d.linie(1, 2, 3, 4).schluss();
    Zeichnung z;
    test::initialisiere(z.speicher);
    SkriptBenutzer b;
    ASSERT_TRUE(leseZeichnung(d.daten(), z, b).geladen) << name;
    EXPECT_EQ(z.speicher.anzahl(), 1) << name << ": the line after it loads";
    EXPECT_EQ(z.projektdaten.werte[3], zeile3) << name;
  }
}

TEST(Projektdatendatei, SpeichernTraegtDenDateinamenEinAutomatischesSpeichernNicht) {
  test::TempOrdner ordner;
  Zeichnung z;
  test::initialisiere(z.speicher);
  SkriptBenutzer b;
  einstellung::Speichern e;
  const std::string& name = z.projektdaten.werte[Projektwerte::ZeileDateiname];
  ASSERT_EQ(speichereZeichnung(z, ordner / "haus", e, b).status, Speicherstatus::Gespeichert);
  EXPECT_EQ(name, "haus.QZZ");
  Zeichnung geladen;
  ASSERT_TRUE(ladeZeichnung((ordner / "haus.QZZ").string(), geladen, b).geladen);
  EXPECT_EQ(geladen.projektdaten.werte[Projektwerte::ZeileDateiname], "haus.QZZ") << "the file carries its name";
  ASSERT_TRUE(speichereZeichnung(z, ordner / "haus.QZZ", e, b, Speicherart::Automatisch).dateiGeschrieben());
  EXPECT_EQ(name, "haus.QZZ") << "not haus_autosave.QZZ";
  EXPECT_EQ(speichereZeichnung(z, ordner / "fehlt" / "anders", e, b).status, Speicherstatus::Fehlgeschlagen);
  EXPECT_EQ(name, "haus.QZZ") << "a save that cannot write keeps the name";
}

}  // namespace
}  // namespace quarzel
