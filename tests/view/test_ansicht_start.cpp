// Start-up of sheet and view: defaults for values read as 0, the centred
// sheet, the zero point, and guarded steps that report and go on.
#include <gtest/gtest.h>

#include "view/ansicht.h"
#include "view/ansichtstart.h"
#include "platform/skriptbenutzer.h"

namespace quarzel {
namespace {

Ansichtsvorgaben a4Quer() {
  Ansichtsvorgaben v;
  v.sheetWidth = 297;
  v.sheetHeight = 210;
  return v;
}

TEST(AnsichtStart, A4QuerLiegtMittigMitNullpunktUndZeigtDasGanzeBlatt) {
  Ansicht a;
  a.areaWidth = 800;
  a.areaHeight = 600;
  SkriptBenutzer benutzer;
  starteAnsicht(a, a4Quer(), benutzer);
  EXPECT_EQ(a.sheetLeft, 4852);  // 4851.5: the half goes to the even neighbour
  EXPECT_EQ(a.sheetTop, 4895);
  EXPECT_DOUBLE_EQ(a.zeroPoint.x, 4872);
  EXPECT_DOUBLE_EQ(a.zeroPoint.y, 5085);
  EXPECT_DOUBLE_EQ(a.gridOrigin.y, 5085);
  // 327 x 230 mm into 800 x 600 pixels: the width governs, the height is centred.
  EXPECT_DOUBLE_EQ(a.zoom, 327.0 / 800.0);
  EXPECT_EQ(a.viewOriginX, 4852 - 15);
  EXPECT_EQ(a.viewOriginY, 4877);  // 4885 - (600 * 0.40875 - 230) / 2
  EXPECT_TRUE(benutzer.meldungen.empty());
}

TEST(AnsichtStart, NullWerteWerdenZuDenVorgaben) {
  Ansicht a;
  SkriptBenutzer benutzer;
  starteAnsicht(a, {0, 0, 0, 0, "", 0}, benutzer);
  EXPECT_EQ(a.sheetWidth, 297);
  EXPECT_EQ(a.sheetHeight, 210);
  EXPECT_DOUBLE_EQ(a.drawingScale, 100);
  EXPECT_EQ(a.unitCode, 3);
  EXPECT_DOUBLE_EQ(a.unitFactor, 0.001);
  EXPECT_EQ(a.unitName, "m");
  EXPECT_TRUE(benutzer.meldungen.empty());
}

TEST(AnsichtStartFehler, UnbrauchbaresBlattMeldetSchrittEinsUndDerStartGehtWeiter) {
  Ansicht a;
  Ansichtsvorgaben v = a4Quer();
  v.sheetWidth = -5;
  SkriptBenutzer benutzer;
  starteAnsicht(a, v, benutzer);
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.meldungen[0].text, "Initialisierungsfehler 1");
  EXPECT_EQ(benutzer.meldungen[0].art, Meldungsart::Fehler);
  // The later steps ran on the sheet as it was (390 x 270).
  EXPECT_EQ(a.sheetLeft, 4805);
  EXPECT_DOUBLE_EQ(a.zeroPoint.x, 4825);
}

TEST(AnsichtStartFehler, UnbekannteEinheitOderNegativerMassstabMeldenSchrittZwei) {
  for (const auto& [code, massstab] : {std::pair{42, 50.0}, std::pair{3, -50.0}}) {
    Ansicht a;
    Ansichtsvorgaben v = a4Quer();
    v.unitCode = code;
    v.drawingScale = massstab;
    SkriptBenutzer benutzer;
    starteAnsicht(a, v, benutzer);
    ASSERT_EQ(benutzer.meldungen.size(), 1u);
    EXPECT_EQ(benutzer.meldungen[0].text, "Initialisierungsfehler 2");
    EXPECT_EQ(a.unitCode, 3);
    EXPECT_DOUBLE_EQ(a.drawingScale, 100);
    EXPECT_EQ(a.sheetLeft, 4852);
  }
}

}  // namespace
}  // namespace quarzel
