// Placing a symbol with the whole tool chain, headless: the symbol hangs at
// the cursor as its outline, a click adds one group, "R" and "S" turn and
// mirror the next copy, Escape and the right button end the tool and leave
// the picture as it was.
#include <gtest/gtest.h>

#include "edit/symbolablage.h"
#include "edit/werkzeugkasten.h"
#include "platform/skriptbenutzer.h"
#include "support/aufzeichnungscanvas.h"
#include "support/edit/test_werkzeug_hilfen.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {
namespace {

class Symbolwerkzeugtest : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(z.speicher);
    z.ansicht.areaWidth = 800;
    z.ansicht.areaHeight = 600;
    z.ebenen.setzeMassstab(1, 100);
    k.steuerung.umgebung().rueckmeldung = &canvas;

    // The symbol: a table top 20 × 10 mm drawn at 1:50, marked.
    Zeichnung quelle;
    initialisiere(quelle.speicher);
    quelle.ebenen.setzeMassstab(1, 50);
    Elementspeicher& q = quelle.speicher;
    linie(q, 1000, 1000, 1020, 1000);
    linie(q, 1020, 1000, 1020, 1010);
    linie(q, 1020, 1010, 1000, 1010);
    linie(q, 1000, 1010, 1000, 1000);
    q.markiereAlleLebendigen();
    SkriptBenutzer b;
    std::unique_ptr<Symbol> s = symbolAusMarkierten(quelle, b);
    ASSERT_NE(s, nullptr);
    k.symbole.vormerken(k.steuerung.umgebung(), std::move(s), "Tisch.QZS");
    k.steuerung.waehleWerkzeug(Werkzeugcode::SymbolEinfuegen);
  }

  Weltpunkt welt(double x, double y) const { return z.ansicht.pixelToWorld(x, y); }
  void bewegen(double x, double y) { k.steuerung.mausBewegt({x, y, Maustaste::Keine, {}}); }
  void klick(double x, double y) {
    k.steuerung.mausGedrueckt({x, y, Maustaste::Links, {}});
    k.steuerung.mausLosgelassen({x, y, Maustaste::Links, {}});
  }
  bool taste(char32_t c) { return k.steuerung.taste({Taste::Sonstige, c}); }

  std::vector<std::int32_t> gruppen() const {
    std::vector<std::int32_t> g;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
      if (z.speicher.lebendig(n) && z.speicher.art(n) == Elementart::Gruppenanfang) g.push_back(n);
    return g;
  }
  // The first line of the group beginning at n.
  const Tliniendaten& ersteLinie(std::int32_t anfang) const { return z.speicher.linie(anfang + 1); }

  Zeichnung z;
  Stelluhr uhr;
  Werkzeugkasten k{z, uhr};
  Aufzeichnungscanvas canvas;
};

TEST_F(Symbolwerkzeugtest, EinKlickFuegtEineGruppeEin) {
  bewegen(300, 200);
  ASSERT_FALSE(canvas.mehrfachlinien.empty());  // the outline at the cursor
  klick(300, 200);
  ASSERT_EQ(gruppen().size(), 1u);
  const std::int32_t g = gruppen()[0];
  EXPECT_EQ(z.speicher.gruppe(g).name, "Tisch.QZS");
  // The lower left corner at the click, half the sheet size at 1:100.
  const Weltpunkt p = welt(300, 200);
  const Tliniendaten& unten = ersteLinie(g + 2);  // the symbol's third line runs along the lower edge
  EXPECT_DOUBLE_EQ(unten.x2, p.x);
  EXPECT_DOUBLE_EQ(unten.y2, p.y);
  EXPECT_DOUBLE_EQ(unten.x1 - unten.x2, 10);
  EXPECT_EQ(z.speicher.art(g + 5), Elementart::Gruppenende);
  // The tool stays for the next copy.
  EXPECT_EQ(k.steuerung.zustand().werkzeug, Werkzeugcode::SymbolEinfuegen);
  z.speicher.rueckgaengig();
  EXPECT_TRUE(gruppen().empty());
}

TEST_F(Symbolwerkzeugtest, RDrehtUndSSpiegeltDieNaechsteKopie) {
  bewegen(300, 200);
  EXPECT_TRUE(taste(U'r'));
  EXPECT_EQ(k.symbole.winkel(), 90);
  klick(300, 200);
  ASSERT_EQ(gruppen().size(), 1u);
  const Tliniendaten& oben = ersteLinie(gruppen()[0]);  // the upper edge, now on the left, pointing up
  EXPECT_NEAR(oben.x1, oben.x2, 1e-9);
  EXPECT_NEAR(oben.y1 - oben.y2, 10, 1e-9);

  EXPECT_TRUE(taste(U'R'));
  EXPECT_TRUE(taste(U'S'));
  EXPECT_EQ(k.symbole.winkel(), 180);
  EXPECT_TRUE(k.symbole.gespiegelt());
  klick(400, 200);
  ASSERT_EQ(gruppen().size(), 2u);
  const Tliniendaten& gespiegelt = ersteLinie(gruppen()[1]);  // mirrored, then half a turn: upside down
  EXPECT_NEAR(gespiegelt.x2 - gespiegelt.x1, 10, 1e-9);
  EXPECT_NEAR(gespiegelt.y1 - welt(400, 200).y, 5, 1e-9);
  EXPECT_FALSE(taste(U'x'));
}

TEST_F(Symbolwerkzeugtest, EscapeBeendetOhneEinzufuegenUndLoeschtDenUmriss) {
  bewegen(300, 200);
  bewegen(310, 210);
  k.steuerung.taste({Taste::Escape});
  EXPECT_EQ(k.steuerung.zustand().werkzeug, Werkzeugcode::Markieren);
  EXPECT_FALSE(k.symbole.bereit());
  // Every outline drawn in XOR was drawn a second time: the picture is clean.
  EXPECT_EQ(canvas.mehrfachlinien.size() % 2, 0u);
  EXPECT_TRUE(gruppen().empty());
  EXPECT_EQ(z.speicher.anzahl(), 0);
}

TEST_F(Symbolwerkzeugtest, DieRechteTasteBeendetEbenso) {
  bewegen(300, 200);
  k.steuerung.mausGedrueckt({300, 200, Maustaste::Rechts, {}});
  EXPECT_FALSE(k.symbole.bereit());
  EXPECT_EQ(k.steuerung.zustand().werkzeug, Werkzeugcode::Markieren);
  EXPECT_EQ(canvas.mehrfachlinien.size() % 2, 0u);
  EXPECT_EQ(z.speicher.anzahl(), 0);
}

TEST_F(Symbolwerkzeugtest, EinGetippterPunktPlatziertDort) {
  k.steuerung.getippterPunkt({5000, 5000});
  ASSERT_EQ(gruppen().size(), 1u);
  const Tliniendaten& unten = ersteLinie(gruppen()[0] + 2);
  EXPECT_DOUBLE_EQ(unten.x2, 5000);
  EXPECT_DOUBLE_EQ(unten.y2, 5000);
}

}  // namespace
}  // namespace quarzel::test
