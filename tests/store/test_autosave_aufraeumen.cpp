// When the autosave copy goes: only with "Autosave loeschen", only at the
// moment "bei Programmende" chooses, and never while the drawing holds
// changes that exist nowhere else.
#include <gtest/gtest.h>

#include "store/autosicherung.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

class AutosaveAufraeumen : public ::testing::Test {
 protected:
  void SetUp() override {
    test::initialisiere(z.speicher);
    z.dateiname = ordner / "plan.QZZ";
    test::schreibeDatei(ordner / "plan.QZZ", "Zeichnung");
    test::schreibeDatei(ordner / "plan_autosave.QZZ", "Kopie");
    z.speicher.setzeModifiziert(false);
    e.autosaveLoeschen = true;
    e.beiProgrammende = true;
  }
  bool kopieDa() const { return std::filesystem::exists(ordner / "plan_autosave.QZZ"); }

  Zeichnung z;
  einstellung::Speichern e;
  test::TempOrdner ordner;
};

TEST_F(AutosaveAufraeumen, BeiProgrammendeNurAmEndeEinerGesichertenZeichnung) {
  EXPECT_FALSE(autosaveAufraeumen(z, e, false)) << "a save alone keeps it when the end is chosen";
  EXPECT_TRUE(kopieDa());
  z.speicher.setzeModifiziert(true);
  EXPECT_FALSE(autosaveAufraeumen(z, e, true)) << "unsaved changes: the copy is the safety net";
  EXPECT_TRUE(kopieDa());
  z.speicher.setzeModifiziert(false);
  EXPECT_TRUE(autosaveAufraeumen(z, e, true));
  EXPECT_FALSE(kopieDa());
  EXPECT_TRUE(std::filesystem::exists(ordner / "plan.QZZ"));
}

TEST_F(AutosaveAufraeumen, AusDerKopieGeoeffneteZeichnungLoeschtSichNichtSelbst) {
  z.dateiname = ordner / "plan_autosave.QZZ";
  test::schreibeDatei(ordner / "plan_autosave_autosave.QZZ", "Kopie der Kopie");
  EXPECT_TRUE(autosaveAufraeumen(z, e, true));
  EXPECT_TRUE(kopieDa()) << "the open drawing itself stays";
  EXPECT_FALSE(std::filesystem::exists(ordner / "plan_autosave_autosave.QZZ"));
}

}  // namespace
}  // namespace quarzel
