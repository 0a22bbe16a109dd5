// The text module driven as the state machine would: each code adds its
// kind of text with its alignment, leader and background as one undo step,
// marked; a double click's edit is one undo step; the right button drops a
// note's first point.
#include <gtest/gtest.h>

#include "edit/textwerkzeuge.h"
#include "support/werkzeugnummer.h"
#include "test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

class Texte : public Zeichenwerkzeuge {
 protected:
  void SetUp() override {
    Zeichenwerkzeuge::SetUp();
    m.farbe = rgb(200, 0, 0);
    m.kuerzel = "AM";
    m.letzte.ausrichtung = 2;
    m.abfragen = [this](Werkzeugcode, const Textangaben& v) {
      ++fragen;
      Textangaben a = v;
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
  struct Fall {
    int werkzeug;
    double weg;         // drag of the first press (0: a click)
    bool zweiterPunkt;  // the notes' text position
    Elementart art;
    bool linie;         // a leader before the text
    Weltpunkt ort;
    int ausrichtung, oben, hinterlegt;
    const char* ersteZeile;
  };
  const Weltpunkt p{100, 200}, q{130, 180};
  // 507: the noted point p in the user's system and unit, as the status bar shows it.
  // clang-format off
  const std::vector<Fall> faelle{
      {500, 0, false, Elementart::Text, false, p, 2, 0, 0, "Eins"},
      {500, 20, false, Elementart::Text, false, p, 2, 1, 0, "Eins"},
      {502, 0, false, Elementart::Text, false, p, 2, 1, 0, "Eins"},
      {503, 0, false, Elementart::Text, false, p, 0, 0, 0, "Eins"},
      {504, 0, true, Elementart::Text, true, q, 2, 0, 0, "Eins"},
      {505, 0, false, Elementart::Text, false, p, 2, 0, 1, "Eins"},
      {507, 0, true, Elementart::Text, true, q, 2, 0, 0, "X: -472.50 m  Y: 491.50 m"},
      {508, 0, false, Elementart::Kommentar, false, p, 2, 0, 0, "AM: Eins"}};
  // clang-format on
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.werkzeug);
    starte(wz(f.werkzeug));
    druecke(p, f.weg);
    if (f.zweiterPunkt) druecke(q);
    const auto n = lebende();
    ASSERT_EQ(n.size(), f.linie ? 2u : 1u);
    const Tfliestextdaten& t = z.speicher.text(n.back());
    EXPECT_EQ(z.speicher.art(n.back()), f.art);
    EXPECT_EQ(std::tuple(t.x, t.y, t.farbe, t.zeilen.front()), std::tuple(f.ort.x, f.ort.y, rgb(200, 0, 0), f.ersteZeile));
    EXPECT_EQ(std::tuple(int(t.stil[kStilAusrichtung]), int(t.stil[kStilOben]), int(t.stil[kStilHinterlegt])),
              std::tuple(f.ausrichtung, f.oben, f.hinterlegt));
    if (f.linie) {
      EXPECT_EQ(std::tuple(z.speicher.linie(n[0]).x1, z.speicher.linie(n[0]).y1), std::tuple(p.x, p.y));
    }
    for (std::int32_t e : n) EXPECT_TRUE(z.speicher.markiert(e));
    EXPECT_EQ(zs.schritt, 1);
    z.speicher.rueckgaengig();
    EXPECT_TRUE(lebende().empty());
  }
}

TEST_F(Texte, WiederholenSetztDenLetztenTextOhneFrageAbErsteMalMitFrage) {
  starte(wz(506));
  druecke({10, 10});
  druecke({50, 60});
  ASSERT_EQ(lebende().size(), 2u);
  EXPECT_EQ(fragen, 1);
  const Tfliestextdaten& b = z.speicher.text(lebende()[1]);
  EXPECT_EQ(std::tuple(b.x, b.y, b.zeilen), std::tuple(50.0, 60.0, std::vector<std::string>{"Eins", "Zwei"}));
}

TEST_F(Texte, AbbruchImDialogOderRechteTasteLegtNichts) {
  starte(wz(504));
  m.punkt(u, {10, 10});
  m.zweiteTaste(u, {20, 20});
  EXPECT_EQ(std::tuple(zs.schritt, zs.punkte.size()), std::tuple(1, 0u));
  m.abfragen = [](Werkzeugcode, const Textangaben&) { return std::optional<Textangaben>(); };
  starte(wz(500));
  druecke({10, 10});
  EXPECT_TRUE(lebende().empty());
  EXPECT_FALSE(z.speicher.undoMoeglich());
}

TEST_F(Texte, AendernIstEinSchrittUndBehaeltDenOrt) {
  starte(wz(500));
  druecke({10, 10});
  const std::int32_t n = lebende()[0];
  Textangaben a = textangabenAus(z.speicher.text(n));
  a.zeilen = {"Neu"};
  a.winkel = 30;
  ASSERT_TRUE(aendereText(z, n, a));
  ASSERT_EQ(lebende().size(), 1u);
  const Tfliestextdaten& t = z.speicher.text(lebende()[0]);
  EXPECT_EQ(std::tuple(t.zeilen.front(), t.winkel, t.x), std::tuple(std::string("Neu"), 30.0f, 10.0));
  EXPECT_FALSE(aendereText(z, lebende()[0], a)) << "nothing changed: no step";
  z.speicher.rueckgaengig();
  EXPECT_EQ(z.speicher.text(lebende()[0]).zeilen.front(), "Eins");
}

}  // namespace
}  // namespace quarzel::test
