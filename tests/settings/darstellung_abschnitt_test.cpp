// The section "Darstellung": the dialog's outline and centre-mark choices and
// the refresh mode have keys of their own next to the four colours, with
// defaults that match what the window shows before anything was chosen.
#include <gtest/gtest.h>

#include "settings/einstellungen.h"
#include "render/zeichenkontext.h"

namespace quarzel {
namespace {

TEST(DarstellungAbschnitt, LeereDateiGibtDieVorgabenDesFensters) {
  einstellung::Darstellung d;
  d.lese(IniDatei::ausText(""));
  EXPECT_TRUE(d.objektraender);
  EXPECT_TRUE(d.schnellerRefresh);
  // The renderer's own default mark is "Plus"; the file must not change it.
  EXPECT_EQ(d.mittelpunktmarkierung, static_cast<int>(Darstellungswahl{}.mittelpunkt));
  EXPECT_EQ(d.objektraender, Darstellungswahl{}.objektraenderAnzeigen);
}

TEST(DarstellungAbschnitt, NeueSchluesselUeberlebenSchreibenUndLesen) {
  einstellung::Darstellung d;
  d.objektraender = false;
  d.mittelpunktmarkierung = 0;
  d.schnellerRefresh = false;
  IniDatei ini;
  d.schreibe(ini);
  EXPECT_EQ(ini.wert("Darstellung", "Objektränder anzeigen"), "0");
  EXPECT_EQ(ini.wert("Darstellung", "Mittelpunktmarkierung"), "0");
  EXPECT_EQ(ini.wert("Darstellung", "Schneller Refresh"), "0");
  einstellung::Darstellung gelesen;
  gelesen.lese(ini);
  EXPECT_EQ(gelesen, d);
}

TEST(DarstellungAbschnitt, UnlesbareWerteGebenDieVorgabe) {
  einstellung::Darstellung d;
  d.lese(IniDatei::ausText("[Darstellung]\nSchneller Refresh=vielleicht\nMittelpunktmarkierung=zwei\n"));
  EXPECT_TRUE(d.schnellerRefresh);
  EXPECT_EQ(d.mittelpunktmarkierung, 2);
}

}  // namespace
}  // namespace quarzel
