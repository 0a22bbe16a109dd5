// The text module driven as the state machine would: each code adds its
// kind of text with its alignment, leader and background as one undo step,
// marked; repeating asks once; a double click's edit is one undo step.
#include <gtest/gtest.h>

#include "edit/textwerkzeuge.h"
#include "support/werkzeugnummer.h"
#include "support/edit/test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

class Texte : public Zeichenwerkzeuge {
 protected:
  void SetUp() override {
    Zeichenwerkzeuge::SetUp();
    m.farbe = rgb(200, 0, 0);
    m.kuerzel = "AM";
    m.letzte.ausrichtung = 2;
    m.abfragen = [this](Werkzeugcode, Textangaben a) {
      ++fragen;
      a.zeilen = {"Eins", "Zwei"};
      return std::optional<Textangaben>(a);
    };
  }
  // A press and a release `weg` millimetres further (0: a click).
  void druecke(Weltpunkt p, double weg = 0) {
    m.punkt(u, p);
    m.loslassen(u, {p.x + weg, p.y + weg}, weg == 0);
  }
  Textwerkzeuge m;
  int fragen = 0;
};

TEST_F(Texte, JedesWerkzeugLegtSeinenTextAlsEinenMarkiertenSchritt) {
  // weg: the first press dragged; notes take a second point q and add a
  // leader from p; stil: alignment, on the baseline, background.
  struct Fall {
    int werkzeug;
    double weg;
    bool hinweis;
    Elementart art;
    std::array<int, 3> stil;
    const char* ersteZeile;
  };
  const Weltpunkt p{100, 200}, q{130, 180};
  // 507: the noted point p in the user's system and unit, as the status bar shows it.
  // clang-format off
  const std::vector<Fall> faelle{
      {500, 0, false, Elementart::Text, {2, 1, 0}, "Eins"}, {500, 20, false, Elementart::Text, {2, 0, 0}, "Eins"},
      {502, 0, false, Elementart::Text, {2, 0, 0}, "Eins"}, {503, 0, false, Elementart::Text, {0, 1, 0}, "Eins"},
      {504, 0, true, Elementart::Text, {2, 1, 0}, "Eins"}, {505, 0, false, Elementart::Text, {2, 1, 1}, "Eins"},
      {507, 0, true, Elementart::Text, {2, 1, 0}, "X: -472.50 m  Y: 491.50 m"},
      {508, 0, false, Elementart::Kommentar, {2, 1, 0}, "AM: Eins"}};
  // clang-format on
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.werkzeug);
    starte(wz(f.werkzeug));
    druecke(p, f.weg);
    if (f.hinweis) druecke(q);
    const auto n = lebende();
    ASSERT_EQ(n.size(), f.hinweis ? 2u : 1u);
    const Tfliestextdaten& t = z.speicher.text(n.back());
    EXPECT_EQ(std::tuple(z.speicher.art(n.back()), t.x, t.y, t.farbe, t.zeilen.front()),
              std::tuple(f.art, (f.hinweis ? q : p).x, (f.hinweis ? q : p).y, rgb(200, 0, 0), f.ersteZeile));
    EXPECT_EQ((std::array<int, 3>{t.stil[kStilAusrichtung], t.stil[kStilGrundlinie], t.stil[kStilHinterlegt]}), f.stil);
    EXPECT_TRUE(!f.hinweis || std::tuple(z.speicher.linie(n[0]).x1, z.speicher.linie(n[0]).y1) == std::tuple(p.x, p.y));
    for (std::int32_t e : n) EXPECT_TRUE(z.speicher.markiert(e));
    z.speicher.rueckgaengig();
    EXPECT_TRUE(lebende().empty());
  }
}

TEST_F(Texte, WiederholenFragtNurBeimErstenMalUndAbbruchLegtNichts) {
  starte(wz(506));
  druecke({10, 10});
  druecke({50, 60});
  const Tfliestextdaten& b = z.speicher.text(lebende().at(1));
  EXPECT_EQ(std::tuple(fragen, b.x, b.y, b.zeilen.size()), std::tuple(1, 50.0, 60.0, 2u));
  m.abfragen = [](Werkzeugcode, const Textangaben&) { return std::optional<Textangaben>(); };
  starte(wz(500));
  druecke({10, 10});
  EXPECT_EQ(lebende().size(), 2u);
}

TEST_F(Texte, AendernIstEinSchrittUndBehaeltDenOrt) {
  starte(wz(500));
  druecke({10, 10});
  Textangaben a = textangabenAus(z.speicher.text(1));
  a.zeilen = {"Neu"};
  a.winkel = 30;
  ASSERT_TRUE(aendereText(z, 1, a));
  const Tfliestextdaten& t = z.speicher.text(lebende().at(0));
  EXPECT_EQ(std::tuple(lebende().size(), t.zeilen.front(), t.winkel, t.x),
            std::tuple(1u, std::string("Neu"), 30.0f, 10.0));
  EXPECT_FALSE(aendereText(z, lebende()[0], a)) << "nothing changed: no step";
  z.speicher.rueckgaengig();
  EXPECT_EQ(z.speicher.text(lebende()[0]).zeilen.front(), "Eins");
}

}  // namespace
}  // namespace quarzel::test
