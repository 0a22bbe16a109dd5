// The recent-files list: order, case-insensitive matching, what the menu
// shows, and the way through the configuration file.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "settings/konfiguration.h"
#include "store/zuletztgeoeffnet.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

using Liste = std::vector<std::string>;

ZuletztGeoeffnet liste(std::initializer_list<const char*> namen) {
  ZuletztGeoeffnet l;
  // Taken up oldest first, so the list reads in the order given.
  std::vector<std::string> v(namen.begin(), namen.end());
  for (auto it = v.rbegin(); it != v.rend(); ++it) l.nimmAuf(*it);
  return l;
}

TEST(ZuletztGeoeffnet, NeuerNameKommtNachObenVorhandenerRueckAufLeererAendertNichts) {
  ZuletztGeoeffnet l = liste({"a", "b", "c", "d", "e", "f"});
  l.nimmAuf("g");
  EXPECT_EQ(l.angezeigt(), (Liste{"g", "a", "b", "c", "d", "e"})) << "the sixth drops out";
  l.nimmAuf("c");
  EXPECT_EQ(l.angezeigt(), (Liste{"c", "g", "a", "b", "d", "e"})) << "only the entries above c move down";
  l.nimmAuf("c");
  l.nimmAuf("");
  EXPECT_EQ(l.angezeigt(), (Liste{"c", "g", "a", "b", "d", "e"}));
}

TEST(ZuletztGeoeffnet, GrossUndKleinschreibungMachtKeinenNeuenEintrag) {
  ZuletztGeoeffnet l = liste({"/p/Plan.QZZ", "/p/haus.QZZ"});
  l.nimmAuf("/p/HAUS.qzz");
  EXPECT_EQ(l.angezeigt(), (Liste{"/p/HAUS.qzz", "/p/Plan.QZZ"})) << "the newest spelling is kept";
  l.nimmAuf("/p/bäder.QZZ");
  l.nimmAuf("/P/BÄDER.qzz");
  EXPECT_EQ(l.angezeigt(), (Liste{"/P/BÄDER.qzz", "/p/HAUS.qzz", "/p/Plan.QZZ"}));
}

TEST(ZuletztGeoeffnet, MerkenSchreibtDenAbschnittDateienDerKonfiguration) {
  test::TempOrdner ordner;
  const std::string ini = ordner / "quarzel.ini";
  test::schreibeDatei(ini, "[Speichern]\nAlle=1000\n[Dateien]\nDatei1=/p/alt.QZZ\n");
  SkriptBenutzer benutzer;
  Konfiguration k(benutzer, [](std::string_view) { return std::nullopt; });
  k.werteBefehlszeileAus(std::vector<std::string>{"-i", ini});

  merkeZuletztGeoeffnet(k, "/p/neu.QZZ");
  const ZuletztGeoeffnet l = merkeZuletztGeoeffnet(k, "/p/ALT.qzz");
  EXPECT_EQ(l.angezeigt(), (Liste{"/p/ALT.qzz", "/p/neu.QZZ"}));

  IniDatei gelesen;
  ASSERT_EQ(gelesen.laden(ini), IniDatei::Ladestatus::Gelesen);
  EXPECT_EQ(gelesen.leseText("Dateien", "Datei1", ""), "/p/ALT.qzz");
  EXPECT_EQ(gelesen.leseText("Dateien", "Datei2", ""), "/p/neu.QZZ");
  EXPECT_EQ(gelesen.leseText("Speichern", "Alle", ""), "1000") << "other sections are kept";
  EXPECT_TRUE(benutzer.meldungen.empty());
}

}  // namespace
}  // namespace quarzel
