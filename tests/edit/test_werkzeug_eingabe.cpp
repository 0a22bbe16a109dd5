// Numeric entry: captions, expression evaluation, conversion, feeding the tool.
#include <gtest/gtest.h>

#include <tuple>

#include "edit/koordinateneingabe.h"
#include "support/edit/test_werkzeug_hilfen.h"
#include "support/werkzeugnummer.h"

namespace quarzel::test {
namespace {

TEST(Ausdruck, LeavingAFieldShowsTheEvaluatedValueAndKeepsWhatIsNoNumber) {
  EXPECT_EQ(feldVerlassen("2*3"), "6");
  EXPECT_EQ(feldVerlassen("10/4"), "2.5");
  EXPECT_EQ(feldVerlassen("(1+2)*-3"), "-9");
  EXPECT_EQ(feldVerlassen("1,5*2"), "3") << "a decimal comma is a decimal point";
  for (const char* s : {"", "abc", "2*", "2**", "1/0", "sqrt(-1)", "1,2,3", "((((", "2;3"}) {
    EXPECT_EQ(feldVerlassen(s), s) << s;
    EXPECT_FALSE(zahlwert(s)) << s;
  }
  EXPECT_FALSE(zahlwert(std::string(10000, '1')));
}

TEST(Eingabemaske, CaptionsFollowTheToolsPointSequence) {
  EXPECT_EQ(eingabemaske(wz(1)).gruppen[0].titel, "1.) Startpunkt");
  EXPECT_EQ(eingabemaske(wz(702)).gruppen[1].titel, "2.) Endpunkt");
  EXPECT_FALSE(eingabemaske(wz(1)).gruppen[2].sichtbar);
  EXPECT_EQ(eingabemaske(wz(16)).gruppen[1].titel, "2.) Zweiter Eckpunkt");
  EXPECT_EQ(eingabemaske(wz(810)).gruppen[1].beschriftungX, "r:");
  EXPECT_TRUE(eingabemaske(wz(810)).gruppen[1].nurErstesFeld);
  EXPECT_EQ(eingabemaske(wz(4)).gruppen[1].beschriftungY, "yr:");
  EXPECT_EQ(eingabemaske(wz(12)).gruppen[1].titel, "2.) Radien");
  EXPECT_EQ(eingabemaske(wz(602)).gruppen[1].titel, "2.) Zweiter Punkt der Spiegelachse");
  EXPECT_EQ(eingabemaske(wz(605)).gruppen[0].titel, "Drehpunkt");
  EXPECT_EQ(eingabemaske(wz(200)).gruppen[1].titel, "Länge bestimmen");
  EXPECT_EQ(eingabemaske(wz(200)).gruppen[1].beschriftungX, "L: ");
  EXPECT_EQ(eingabemaske(wz(38)).gruppen[2].titel, "3.) Dritter Punkt");
  EXPECT_EQ(eingabemaske(wz(606)).gruppen[1].titel, "2.) Punkt Verschieben");
  EXPECT_EQ(eingabemaske(wz(35)).gruppen[1].titel, "2.) Stützpunkt");
}

// The default view: unit m, scale 1:100, so one unit is 10 sheet millimetres;
// user y points up, polar angles count counter-clockwise from the user x axis.
TEST(Umrechnung, AbsoluteRelativeAndPolarValuesBecomeWorldPoints) {
  Ansicht a;
  const Weltpunkt p = eingabeZuWelt(1, 2, false, false, {0, 0}, a, 100);
  EXPECT_DOUBLE_EQ(p.x, a.zeroPoint.x + 10);
  EXPECT_DOUBLE_EQ(p.y, a.zeroPoint.y - 20);
  const Weltpunkt r = eingabeZuWelt(1, 1, true, false, {100, 100}, a, 100);
  EXPECT_DOUBLE_EQ(r.x, 110);
  EXPECT_DOUBLE_EQ(r.y, 90);
  const Weltpunkt q = eingabeZuWelt(2, 90, true, true, {100, 100}, a, 100);
  EXPECT_NEAR(q.x, 100, 1e-9);
  EXPECT_NEAR(q.y, 80, 1e-9);
  a.coordAngle = 90;  // the turn of the user axes is added
  const Weltpunkt d = eingabeZuWelt(1, 0, true, true, {100, 100}, a, 100);
  EXPECT_NEAR(d.x, 100, 1e-9);
  EXPECT_NEAR(d.y, 90, 1e-9);
}

class Eingabetest : public Werkzeugtest {
 protected:
  Koordinateneingabe eingabe;
  Protokollmodul& linien() { return modul(Werkzeuggruppe::Linien); }
};

TEST_F(Eingabetest, TheExpectedGroupFeedsItsPointToTheTool) {
  st.waehleWerkzeug(wz(1));
  eingabe.werkzeugGestartet(wz(1));
  eingabe.gruppen[0] = {"2*3", "0", false, false};
  ASSERT_TRUE(eingabe.uebernehme(st));
  EXPECT_EQ(eingabe.gruppen[0].x, "6");
  ASSERT_EQ(linien().anzahl("getippt"), 1);
  const Weltpunkt erster = linien().orte.back();
  EXPECT_DOUBLE_EQ(erster.x, z.ansicht.zeroPoint.x + 60);
  EXPECT_EQ(eingabe.erwarteteGruppe(st), 1);
  eingabe.gruppen[1] = {"1", "0", true, false};
  ASSERT_TRUE(eingabe.uebernehme(st));
  EXPECT_DOUBLE_EQ(linien().orte.back().x, erster.x + 10);
  EXPECT_DOUBLE_EQ(linien().orte.back().y, erster.y);
}

TEST_F(Eingabetest, AFieldThatIsNoNumberFeedsNothingAndStays) {
  st.waehleWerkzeug(wz(1));
  eingabe.werkzeugGestartet(wz(1));
  for (const auto& [x, y, kaputt] : {std::tuple{"abc", "0", 0}, {"1", "2**", 1}, {"1/0", "1", 0}}) {
    eingabe.gruppen[0] = {x, y, false, false};
    EXPECT_FALSE(eingabe.uebernehme(st)) << x << " " << y;
    EXPECT_EQ(eingabe.kaputtesFeld, kaputt) << x << " " << y;
    EXPECT_EQ(eingabe.gruppen[0].x, x);
    EXPECT_EQ(eingabe.gruppen[0].y, y);
  }
  EXPECT_EQ(linien().anzahl("getippt"), 0);
}

}  // namespace
}  // namespace quarzel::test
