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

const std::filesystem::path Makroordner = std::filesystem::path(QUARZEL_TEST_DATA) / ".." / ".." / "data" / "Makros";

// Runs the example on a drawing as a new one starts (metres, 1:100) and
// returns the number of alive elements.
int laufeBeispiel(const char* name, SkriptBenutzer& benutzer) {
  Zeichnung zeichnung;
  test::initialisiere(zeichnung.speicher);
  Makrozeichner zeichner(zeichnung);
  Makrointerpreter m;
  m.setzeBenutzer(&benutzer);
  m.setzeZeichnung(&zeichnung);
  m.setzeZeichner(&zeichner);
  const Quelltextergebnis quelle = leseQuelltext(Makroordner / name);
  EXPECT_EQ(quelle.status, Quelltextstatus::Gelesen) << name;
  EXPECT_EQ(m.starteQuelltext(quelle.text), Laufende::Beendet) << name << ": " << benutzer.letzteMeldung();
  int n = 0;
  for (std::int32_t i = 1; i <= zeichnung.speicher.anzahl(); ++i) n += zeichnung.speicher.lebendig(i);
  return n;
}

TEST(Beispielmakros, TreppeZeichnetLaufStufenUndBeschriftung) {
  SkriptBenutzer b;
  // outline 4, 13 step edges, circle, walking line, 2 arrow lines, text, group brackets
  EXPECT_GE(laufeBeispiel("Treppe.psq", b), 4 + 13 + 1 + 1 + 2 + 1);
  EXPECT_TRUE(b.meldungen.empty());
}

TEST(Beispielmakros, SchriftfeldZeichnetRahmenUndTexte) {
  SkriptBenutzer b;
  EXPECT_GE(laufeBeispiel("Schriftfeld.psq", b), 4 + 4 + 3 + 1 + 8);
  EXPECT_TRUE(b.meldungen.empty());
}

TEST(Beispielmakros, StuetzenrasterZeichnetAchsenStuetzenUndKreise) {
  SkriptBenutzer b;
  EXPECT_GE(laufeBeispiel("Stuetzenraster.psq", b), 9 + 20 + 9 * 2);
  EXPECT_TRUE(b.meldungen.empty());
}

}  // namespace
}  // namespace quarzel
