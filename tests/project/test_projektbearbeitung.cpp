// Accepting the dialog, the dates of the change entries, setting single rows
// and a new drawing.
#include <gtest/gtest.h>

#include "project/projektbearbeitung.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

TEST(Dialoguebernahme, EingabezeilenUndPlatzhalterDerBerechnetenZeilen) {
  Zeichnung z;
  Projekteingaben e;
  for (int i = 0; i < kProjektfelder; ++i) e[static_cast<std::size_t>(i)] = "Eingabe " + std::to_string(i);
  e[35] = e[41] = "";  // change entries 1 and 3 get no name
  ASSERT_TRUE(uebernimmProjekteingaben(z, e, "24.12.2030"));
  EXPECT_TRUE(z.speicher.modifiziert());
  for (int i = 0; i < kProjektfelder; ++i) {
    const std::string& w = z.projektdaten.werte[static_cast<std::size_t>(i)];
    const std::string erwartet =
        (i <= 9 || (i >= 12 && i <= 27) || i == 36 || i == 38 || i == 39 || i == 42 || i == 44 || i == 45)
            ? "Eingabe " + std::to_string(i)
        : i >= 28 && i <= 34 ? std::string(projektfelder()[static_cast<std::size_t>(i)].platzhalter)
        : i == 40 || i == 46 ? "24.12.2030"
                             : "";
    EXPECT_EQ(w, erwartet) << i;
  }
  z.speicher.setzeModifiziert(false);
  EXPECT_FALSE(uebernimmProjekteingaben(z, e, "25.12.2030")) << "nothing new: no change, no new date";
  EXPECT_FALSE(z.speicher.modifiziert());

  e[38] = "Max Weber";  // entry 2 has its date: its name stays; entry 1 is dated now
  e[35] = "Lea Sommer";
  ASSERT_TRUE(uebernimmProjekteingaben(z, e, "26.12.2030"));
  EXPECT_EQ(z.projektdaten.werte[38] + z.projektdaten.werte[35] + z.projektdaten.werte[37],
            "Eingabe 38Lea Sommer26.12.2030");
}

TEST(Projektwert, SetzenDatumUndNeueZeichnung) {
  Zeichnung z;
  EXPECT_FALSE(setzeProjektwert(z, -1, "x") || setzeProjektwert(z, kProjektfelder, "x") || z.speicher.modifiziert());
  EXPECT_TRUE(setzeProjektwert(z, 31, "Freier Text"));
  EXPECT_EQ(std::tuple(z.projektdaten.werte[31], z.speicher.modifiziert()), std::tuple("Freier Text", true));
  EXPECT_EQ(std::tuple(datumstext(5, 3, 2024), datumstext(31, 12, 10000)), std::tuple("05.03.2024", "31.12.10000"));
  beginneProjektdaten(z, "05.03.2024");
  Projektwerte erwartet;
  erwartet.werte[10] = "05.03.2024";
  EXPECT_EQ(std::tuple(z.projektdaten, heutigesDatum().size()), std::tuple(erwartet, 10u));
}

}  // namespace
}  // namespace quarzel
