// Start-up of sheet and view: the centred sheet, the zero point, and guarded
// steps that report and go on.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "view/ansicht.h"
#include "view/ansichtstart.h"

namespace quarzel {
namespace {

Ansichtsvorgaben a4Quer() {
  return {.sheetWidth = 297, .sheetHeight = 210};
}

TEST(AnsichtStart, A4QuerLiegtMittigMitNullpunktUndZeigtDasGanzeBlatt) {
  Ansicht a{.areaWidth = 800, .areaHeight = 600};
  SkriptBenutzer benutzer;
  starteAnsicht(a, a4Quer(), benutzer);
  // 4851.5: the half goes to the even neighbour.
  EXPECT_EQ(std::tuple(a.sheetLeft, a.sheetTop, a.zeroPoint.x, a.zeroPoint.y, a.gridOrigin.y),
            std::tuple(4852, 4895, 4872, 5085, 5085));
  // 327 x 230 mm into 800 x 600 pixels: the width governs, the height is
  // centred: 4885 - (600 * 0.40875 - 230) / 2.
  EXPECT_EQ(std::tuple(a.zoom, a.viewOriginX, a.viewOriginY), std::tuple(327.0 / 800.0, 4852 - 15, 4877));
  EXPECT_TRUE(benutzer.meldungen.empty());
}

TEST(AnsichtStartFehler, UnbrauchbaresBlattMeldetSchrittEinsUndDerStartGehtWeiter) {
  // Either side negative or larger than the world.
  for (const auto& [breite, hoehe] : {std::pair{-5, 210}, std::pair{297, -5}, std::pair{297, 10001}}) {
    Ansicht a;
    Ansichtsvorgaben v = a4Quer();
    v.sheetWidth = breite;
    v.sheetHeight = hoehe;
    SkriptBenutzer benutzer;
    starteAnsicht(a, v, benutzer);
    ASSERT_EQ(benutzer.meldungen.size(), 1u) << hoehe;
    EXPECT_EQ(std::tuple(benutzer.meldungen[0].text, benutzer.meldungen[0].art),
              std::tuple("Initialisierungsfehler 1", Meldungsart::Fehler));
    // The later steps ran on the sheet as it was (390 x 270).
    EXPECT_EQ(std::tuple(a.sheetLeft, a.zeroPoint.x), std::tuple(4805, 4825));
  }
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
    EXPECT_EQ(std::tuple(benutzer.meldungen[0].text, a.unitCode, a.drawingScale, a.sheetLeft),
              std::tuple("Initialisierungsfehler 2", 3, 100, 4852));
  }
}

}  // namespace
}  // namespace quarzel
