// The element store: start-up failures, the closing and marker-point rules,
// groups losing their last member and the operations on marked elements.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "store/elementspeicher.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

class Speicher : public ::testing::Test {
 protected:
  void SetUp() override { test::initialisiere(s); }
  Elementspeicher s;
};

TEST(Initialisierung, JederFehlschlagMeldetSeineKernelfehlernummer) {
  // Step numbers skip 7: there is no seventh table.
  for (int schritt : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) {
    Elementspeicher s;
    s.allokationErlaubt = [schritt](int k) { return k != schritt; };
    SkriptBenutzer b;
    EXPECT_FALSE(s.initialisiere(b));
    ASSERT_EQ(b.meldungen.size(), 1u);
    EXPECT_EQ(std::tuple(b.meldungen[0].text, b.meldungen[0].art),
              std::tuple("Kernelfehler " + std::to_string(schritt), Meldungsart::Fehler));
  }
}

TEST_F(Speicher, PolygonWirdNurBeiStilUnterEinsUndOffenemEndeGeschlossen) {
  s.aktuell.linienstil = 0;
  EXPECT_EQ(s.polygon(test::polygon(s, {{0, 0}, {1, 0}, {1, 1}})).punktanzahl(), 4u);
  EXPECT_EQ(s.polygon(test::polygon(s, {{0, 0}, {1, 0}, {0, 0}})).punktanzahl(), 3u) << "already closed";
  s.aktuell.linienstil = 2;
  EXPECT_EQ(s.polygon(test::polygon(s, {{0, 0}, {1, 0}, {1, 1}})).punktanzahl(), 3u);
  EXPECT_EQ(s.polygon(3).punktflags.size(), 3u);
}

TEST_F(Speicher, MarkerpunktNurBeiLinienMitAnfang21Bis29) {
  for (const auto& [anfang, art, marker] : {std::tuple(20, Elementart::Linie, false),
                                            {21, Elementart::Linie, true},
                                            {29, Elementart::Linie, true},
                                            {30, Elementart::Linie, false},
                                            {25, Elementart::Wandlinie2, false}})
    EXPECT_EQ(s.istMarkerpunkt(s.neueLinie({.anfang = std::uint8_t(anfang)}, art)), marker) << anfang;
}

// --- Marked elements ---------------------------------------------------------

TEST_F(Speicher, LoeschenDesEinzigenGruppenmitgliedsLoeschtDieGruppeEinWeiteresHaeltSie) {
  s.beginneSchritt();
  const auto aussen = test::klammer(s, Elementart::Gruppenanfang);
  const auto anfang = test::klammer(s, Elementart::Gruppenanfang);
  const auto linie = test::linie(s, 0, 0, 1, 1, false);
  const auto ende = test::klammer(s, Elementart::Gruppenende);
  const auto aussenEnde = test::klammer(s, Elementart::Gruppenende);
  const auto frei = test::linie(s, 5, 5, 6, 6, false);
  const auto anfang2 = test::klammer(s, Elementart::Gruppenanfang);
  const auto a = test::linie(s, 0, 0, 1, 1, false);
  test::linie(s, 2, 2, 3, 3, false);
  const auto ende2 = test::klammer(s, Elementart::Gruppenende);

  s.setzeMarkiert(linie, 1);
  s.setzeMarkiert(a, 1);
  s.loescheMarkierte();
  for (auto n : {aussen, anfang, linie, ende, aussenEnde, a}) EXPECT_FALSE(s.lebendig(n)) << n;
  for (auto n : {frei, anfang2, ende2}) EXPECT_TRUE(s.lebendig(n)) << n;
  EXPECT_EQ(s.gruppenende(anfang2), ende2);
  s.rueckgaengig();
  for (auto n : {aussen, anfang, linie, ende, aussenEnde, a}) EXPECT_TRUE(s.lebendig(n)) << n;
}

TEST_F(Speicher, GanzeGruppenNurWoEinGliedMarkiertIst) {
  s.beginneSchritt();
  const auto anfang = test::klammer(s, Elementart::Gruppenanfang);
  const auto glied = test::linie(s, 0, 0, 1, 1, false);
  const auto ende = test::klammer(s, Elementart::Gruppenende);
  const auto frei = test::linie(s, 5, 5, 6, 6, false);
  const auto anfang2 = test::klammer(s, Elementart::Gruppenanfang);
  const auto glied2 = test::linie(s, 0, 0, 1, 1, false);
  const auto ende2 = test::klammer(s, Elementart::Gruppenende);
  s.setzeMarkiert(glied, 1);
  s.setzeMarkiert(frei, 1);
  s.markiereGanzeGruppen();
  for (auto n : {anfang, glied, ende, frei}) EXPECT_EQ(s.markiert(n), 1) << n;
  for (auto n : {anfang2, glied2, ende2}) EXPECT_EQ(s.markiert(n), 0) << n;
}

TEST_F(Speicher, NachHintenBehaeltDieReihenfolgeDerMarkierten) {
  for (int i = 1; i <= 6; ++i) test::linie(s, i, 0, i, 1);
  for (int n : {2, 4, 6}) s.setzeMarkiert(n, 1);
  s.markierteNachHinten();
  const double erwartet[] = {2, 4, 6, 1, 3, 5};
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(s.linie(n).x1, erwartet[n - 1]) << n;
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(s.markiert(n) == 1 && s.zustand(n) == s.undoStufe()) << n;
  EXPECT_EQ(s.markiert(4), 0);
}

// A fill changed through the toolbar tells the window the drawing is unsaved.
TEST_F(Speicher, FuellungDerMarkiertenAendernMachtDieZeichnungModifiziert) {
  s.beginneSchritt();
  s.setzeMarkiert(test::polygon(s, {{0, 0}, {1, 0}, {1, 1}}), 1);
  s.setzeModifiziert(false);
  s.aendereFuellungMarkierte([](Fuellangaben& f) { f.gefuellt = 1; });
  EXPECT_TRUE(s.modifiziert());
}

TEST_F(Speicher, AttributFuerAlleMarkiertenIstEinRueckgaengigSchritt) {
  const auto linie = test::linie(s, 0, 0, 1, 1);
  s.beginneSchritt();
  const auto text = s.neuerText(Elementart::Text, {});
  s.vervollstaendige(text);
  s.setzeMarkiert(linie, 1);
  s.setzeStiftMarkierte(9);

  // The line was replaced by a changed copy; the text keeps its mark.
  std::int32_t kopie = 0;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.lebendig(n) && s.art(n) == Elementart::Linie) kopie = n;
  ASSERT_NE(kopie, 0);
  EXPECT_EQ(std::tuple(s.linie(kopie).stift, s.markiert(kopie)), std::tuple(9, 1));
  std::int32_t textNeu = 0;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.art(n) == Elementart::Text) textNeu = n;
  EXPECT_EQ(s.markiert(textNeu), 1);

  s.rueckgaengig();
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.lebendig(n) && s.art(n) == Elementart::Linie) {
      EXPECT_EQ(s.linie(n).stift, 1);
    }
}

}  // namespace
}  // namespace quarzel
