// The example macros shipped in data/Makros run without an error on a new
// drawing and draw what they are for.
#include <gtest/gtest.h>

#include <filesystem>

#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "macro/quelltextdatei.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

TEST(Beispielmakros, LaufenOhneMeldungUndZeichnenIhreTeile) {
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / ".." / ".." / "data" / "Makros";
  const struct {
    const char* name;
    int mindestens;
  } beispiele[] = {
      // outline 4, 13 step edges, circle, walking line, 2 arrow lines, text
      {"Treppe.psq", 4 + 13 + 1 + 1 + 2 + 1},
      {"Schriftfeld.psq", 4 + 4 + 3 + 1 + 8},
      {"Stuetzenraster.psq", 9 + 20 + 9 * 2},
  };
  for (const auto& b : beispiele) {
    // A drawing as a new one starts (metres, 1:100).
    Zeichnung zeichnung;
    test::initialisiere(zeichnung.speicher);
    Makrozeichner zeichner(zeichnung);
    SkriptBenutzer benutzer;
    Makrointerpreter m;
    m.setzeBenutzer(&benutzer);
    m.setzeZeichnung(&zeichnung);
    m.setzeZeichner(&zeichner);
    const Quelltextergebnis quelle = leseQuelltext(ordner / b.name);
    EXPECT_EQ(quelle.status, Quelltextstatus::Gelesen) << b.name;
    EXPECT_EQ(m.starteQuelltext(quelle.text), Laufende::Beendet) << b.name << ": " << benutzer.letzteMeldung();
    EXPECT_TRUE(benutzer.meldungen.empty()) << b.name;
    int lebende = 0;
    for (std::int32_t i = 1; i <= zeichnung.speicher.anzahl(); ++i) lebende += zeichnung.speicher.lebendig(i);
    EXPECT_GE(lebende, b.mindestens) << b.name;
  }
}

}  // namespace
}  // namespace quarzel
