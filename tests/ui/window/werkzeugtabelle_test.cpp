// The tool table, the tool bars the window builds from it and the modules the
// window registers cover each other: every available tool can be reached, no
// button starts a tool no module serves, figure tools have their builder.
#include "edit/werkzeugtabelle.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QSvgRenderer>
#include <set>

#include "edit/werkzeugsteuerung.h"
#include "edit/werkzeugvarianten.h"
#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/tools/werkzeugsymbole.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {
namespace {

TEST(Werkzeugtabelle, JederCodeHatGenauEineZeileUndWeitereKnoepfeFolgenIhr) {
  std::set<std::pair<Werkzeugcode, int>> gesehen;
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    EXPECT_TRUE(gesehen.insert({z.code, z.knopfNr}).second) << nr(z.code) << "/" << int(z.knopfNr);
    if (z.knopfNr == 0) {
      EXPECT_EQ(werkzeugzeile(z.code), &z) << nr(z.code);
      EXPECT_EQ(werkzeugcodeAus(nr(z.code)), z.code);
    } else {
      EXPECT_TRUE(gesehen.count({z.code, z.knopfNr - 1})) << nr(z.code) << ": buttons numbered in order";
      EXPECT_TRUE(z.istKnopf()) << nr(z.code);
    }
  }
  for (std::uint32_t keiner : {0u, 13u, 1023u, 1024u, 65535u, 70000u}) EXPECT_EQ(werkzeugcodeAus(keiner), std::nullopt);
}

TEST(Werkzeugtabelle, FigurwerkzeugeHabenIhrenBauerUndPassendePunktzahlen) {
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    const bool zeichnend = z.gruppe == Werkzeuggruppe::Linien || z.gruppe == Werkzeuggruppe::Flaechen ||
                           z.gruppe == Werkzeuggruppe::Verlaeufe;
    if (z.figur != nullptr) {
      EXPECT_TRUE(zeichnend) << nr(z.code) << ": a figure outside the drawing modules";
      EXPECT_TRUE(z.verfuegbar) << nr(z.code);
    }
    // 135 is the line module's too, but turns the coordinate system instead of drawing.
    if (zeichnend && z.verfuegbar && z.code != Werkzeugcode::KoordinatensystemDrehen) {
      EXPECT_NE(z.figur, nullptr) << nr(z.code) << ": the module needs a builder";
    }
    // Open tools end only by the right button or a double click.
    if (z.figur != nullptr && z.punktzahl == 0) {
      EXPECT_GT(z.mindestens, 0) << nr(z.code);
    }
    if (z.winkelgruppe) {
      EXPECT_EQ(z.punktzahl, 4) << nr(z.code) << ": the angle group is the fourth step";
    }
    // Every area gets the fill of the property bar.
    EXPECT_EQ(z.hatFeld(kFuellung), z.gruppe == Werkzeuggruppe::Flaechen && z.verfuegbar) << nr(z.code);
  }
}

TEST(Werkzeugtabelle, VariantenGehoerenZuEinemKnopfDerselbenLeiste) {
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    if (z.variante.empty()) continue;
    const Werkzeugzeile* k = werkzeugzeile(z.knopf);
    ASSERT_NE(k, nullptr) << nr(z.code);
    EXPECT_TRUE(k->istKnopf()) << nr(z.code);
    EXPECT_FALSE(k->variante.empty()) << nr(z.code) << ": the button is its own first variant";
    EXPECT_EQ(k->leiste, z.leiste) << nr(z.code);
    EXPECT_EQ(k->gruppe, z.gruppe) << nr(z.code);
  }
}

TEST(Werkzeugtabelle, JederKnopfHatSeinBild) {
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    if (!z.istKnopf()) continue;
    EXPECT_TRUE(QSvgRenderer(symbolpfad(z.symbol)).isValid()) << nr(z.code) << ": no picture " << z.symbol;
  }
  EXPECT_TRUE(werkzeugsymbol("linie").pixmap(24).toImage().pixelColor(20, 5).alpha() > 0) << "the line is drawn";
  EXPECT_TRUE(werkzeugsymbol("gibtsnicht").isNull());
}

using Werkzeugabdeckung = test::Fensterfixture;

TEST_F(Werkzeugabdeckung, JederKnopfUndJedeVarianteErreichtEinModul) {
  Werkzeugsteuerung& st = f->werkzeuge().steuerung();
  std::set<Werkzeugcode> codes;
  for (const QAction* a : f->leisten().werkzeuge->actions()) {
    const Werkzeugcode code = werkzeugcode(a);
    codes.insert(code);
    if (const Variantenknopf* k = variantenknopf(code))
      for (const Werkzeugvariante& v : k->varianten) codes.insert(v.code);
  }
  for (Werkzeugcode code : codes) {
    const Werkzeugzeile* z = werkzeugzeile(code);
    ASSERT_NE(z, nullptr) << code;
    EXPECT_TRUE(z->verfuegbar) << code << ": a button for a tool that is not there";
    st.waehleWerkzeug(code);
    EXPECT_NE(st.aktivesModul(), nullptr) << code << ": no module serves the button";
  }
}

TEST_F(Werkzeugabdeckung, JedesVerfuegbareWerkzeugHatEinenKnopf) {
  // The colour fields have buttons that start no tool; placing a symbol
  // starts from the menu "Symbole" with the file it places.
  const std::set<std::uint16_t> ohneLeiste{901, 902, 950};
  std::set<std::uint16_t> fehlend;
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    if (z.verfuegbar && f->leisten().aktionFuer(z.code, z.knopfNr) == nullptr) fehlend.insert(nr(z.code));
  }
  EXPECT_EQ(fehlend, ohneLeiste);
}

}  // namespace
}  // namespace quarzel
