// Value texts of dimensions, levels, angles, imperial lengths and read-outs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/bemassungstext.h"
#include "render/masszahloptionen.h"
#include "store/messdatenstil.h"

namespace quarzel {
namespace {

struct Fall {
  const char* was;
  std::string ist, soll;
};

TEST(Masstexte, Tabelle) {
  const Masseinheitwahl m;  // metres at 1:100: 10 sheet mm are 1 m
  const Masseinheitwahl zoll{.faktor = 0.03937, .name = "in", .massstab = 1, .code = 5};
  const Masseinheitwahl fuss{.faktor = 0.0032786, .name = "ft", .massstab = 1, .code = 6};
  const Masszahloptionen a{.dezimalmodus = 4};
  const Masszahloptionen d3{.dezimalmodus = 3};
  const Masszahloptionen d0{.dezimalmodus = 0};
  const Masszahloptionen sechzehntel{.dezimalmodus = 1};
  const Masszahloptionen grad{.gradzeichen = true};
  tmessdaten satz;
  stilInMessdaten({.dezimalmodus = 4, .zeichenTilde = true, .vortext = "ca."}, satz);
  const std::vector<Fall> faelle{
      {"style through a record", bemassungstext(24.05, Bemassungsart::Laenge, masszahloptionen(satz), m), "ca. ~2,40⁵"},
      {"ties to even", masszahl(0.125, 2, false), "0,12"},
      {"tie upwards to even", masszahl(0.135, 2, false), "0,14"},
      {"1/10000 carried first", masszahl(1.23449, 2, false), "1,23"},
      {"~ and M", bemassungstext(12.349, Bemassungsart::Laenge, {.zeichenM = true, .zeichenTilde = true}, m), "~M1,23"},
      {"Ø before D", bemassungstext(10, Bemassungsart::Durchmesser, {.zeichenD = true, .zeichenDurchmesser = true}, m),
       "ØD1,00"},
      {"negative", masszahl(-1.005, 1, false), "-1,0"},
      {"architect raised 5", bemassungstext(24.05, Bemassungsart::Laenge, a, m), "2,40⁵"},
      {"architect no raised 0", bemassungstext(24.0, Bemassungsart::Laenge, a, m), "2,40"},
      {"architect below 1", architektenzahl(-0.365), "-0,36⁵"},
      {"level at reference mode 3", kotentext(0, 0, d3, m), "±0.000"},
      {"level at reference architect", kotentext(0.00004, 0, a, m), "±0.00"},
      {"level below", kotentext(-2.75, 0, {}, m), "-0,28"},
      {"level above with reference", kotentext(1, 3000, d3, m), "+3,100"},
      {"level reference below", kotentext(-40, 1000, d0, m), "-3"},
      {"angle", winkeltext(359.99, grad), "359,99º"},
      {"angle rounds to 360", winkeltext(359.99, {.dezimalmodus = 1}), "360,0"},
      {"inch half", imperialtext(25000, 5, 0), "2 1/2"},
      {"inch nearly whole", imperialtext(29996, 5, 0), "3"},
      {"inch 1/16", imperialtext(30625, 5, 1), "3 1/16"},
      {"inch 7/16 below one", imperialtext(-4375, 5, 1), "-7/16"},
      {"fraction rounds up", imperialtext(29700, 5, 1), "3"},
      {"feet and inches", imperialtext(55000, 6, 0), "5'-6\""},
      {"whole feet", imperialtext(50000, 6, 0), "5'-"},
      {"feet with 1/16 inch", imperialtext(10052, 6, 1), "1'-1/16\""},
      {"zero", imperialtext(0, 5, 2), "0"},
      {"inch through the style", bemassungstext(63.5, Bemassungsart::Laenge, {.dezimalmodus = 1}, zoll), "2 1/2"},
      {"decimal english", bemassungstext(63.5, Bemassungsart::Laenge, {.dezimalEnglisch = true}, zoll), "2,50"},
      {"feet through the style", bemassungstext(1524, Bemassungsart::Laenge, {}, fuss), "4'-11 61/64\""},
      {"tolerance ±", mitToleranz("1,00", toleranzangabe({.toleranzOben = "0,1", .plusMinus = true})), "1,00 ±0,1"},
      {"tolerance kept after the text", nachtextMitToleranz([] {
         Bemassungsstil s;
         s.nachtext = " (R)", s.toleranzOben = "+0,2", s.toleranzUnten = "-0,1";
         return s;
       }()), " (R) +0,2/-0,1"},
      {"tolerance stacked", mitToleranz("1,00", toleranzangabe({.toleranzOben = "+0,2", .toleranzUnten = "-0,1"})),
       "1,00 +0,2/-0,1"},
      {"area read-out", messtext(12.5, Messgroesse::Flaeche), "12,50 m²"},
      {"length read-out", messtext(4.125, Messgroesse::Laenge), "4,125 m"},
      {"whole area", messtext(12, Messgroesse::Flaeche), "12,00 m²"},
      {"sum without unit, in cm", messtext(0.1234, Messgroesse::Laenge, "") + messtext(3, Messgroesse::Flaeche, "cm"), "0,1233,00 cm²"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(f.ist, f.soll) << f.was;
  EXPECT_FALSE(toleranzangabe({.toleranzUnten = "0,1", .toleranzNichtHoch = true}).hochgestellt);
}

}  // namespace
}  // namespace quarzel
