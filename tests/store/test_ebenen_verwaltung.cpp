// The layer manager's edits: moving layers and sublayers in the order must
// carry elements, tables and named views along together; the column switches
// change only their own bit.
#include <gtest/gtest.h>

#include "store/ebenenoperationen.h"
#include "store/ebenenverwaltung.h"
#include "support/dreiebenen.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::DreiEbenen;
using test::legeDreiEbenenAn;
using test::linieAuf;

// Layer tables and element layers of two drawings agree.
void erwarteGleicheEbenen(const Zeichnung& a, const Zeichnung& b) {
  ASSERT_EQ(a.ebenen.anzahl(), b.ebenen.anzahl());
  for (int e = 1; e <= a.ebenen.anzahl(); ++e) {
    EXPECT_EQ(a.ebenen.name(e), b.ebenen.name(e)) << "Ebene " << e;
    EXPECT_EQ(a.ebenen.massstab(e), b.ebenen.massstab(e)) << "Ebene " << e;
    EXPECT_EQ(a.ebenen.anzeigezustand(e), b.ebenen.anzeigezustand(e)) << "Ebene " << e;
    ASSERT_EQ(a.ebenen.folienanzahl(e), b.ebenen.folienanzahl(e)) << "Ebene " << e;
    for (int f = 1; f <= a.ebenen.folienanzahl(e); ++f) EXPECT_EQ(a.ebenen.folienname(e, f), b.ebenen.folienname(e, f));
    EXPECT_EQ(a.ansichten.slot(1)->daten.anzeigezustand(e), b.ansichten.slot(1)->daten.anzeigezustand(e));
  }
  EXPECT_EQ(a.ebenen.aktiveEbene(), b.ebenen.aktiveEbene());
  EXPECT_EQ(a.ebenen.aktiveFolie(), b.ebenen.aktiveFolie());
  ASSERT_EQ(a.speicher.gesamtanzahl(), b.speicher.gesamtanzahl());
  for (std::int32_t n = 1; n <= a.speicher.gesamtanzahl(); ++n) {
    EXPECT_EQ(a.speicher.planteil(n), b.speicher.planteil(n)) << "Element " << n;
    EXPECT_EQ(a.speicher.folie(n), b.speicher.folie(n)) << "Element " << n;
  }
}

// --- Moving layers ------------------------------------------------------------------------

TEST_F(DreiEbenen, VerschiebenGleichtEinerKetteVonTauschen) {
  // A fourth layer, a sublayer state and a view, so every table takes part.
  auto ergaenze = [](Zeichnung& d) {
    d.ebenen.fuegeEbeneAn("Lageplan");
    d.ebenen.fuegeFolieAn(4, "");
    d.speicher.beginneSchritt();
    linieAuf(d, 4, 1, 400, 0, 410, 0);
    d.ebenen.setzeAnzeigezustand(2, AnzeigeGrau);
    d.ansichten.definiere(1, Ansichtsdaten::ausEbenen(d.ebenen));
  };
  ergaenze(z);
  Zeichnung getauscht;
  legeDreiEbenenAn(getauscht);
  ergaenze(getauscht);

  ASSERT_TRUE(verschiebeEbene(z, 4, 1));
  tauscheEbenen(getauscht, 4, 3);
  tauscheEbenen(getauscht, 3, 2);
  tauscheEbenen(getauscht, 2, 1);
  erwarteGleicheEbenen(z, getauscht);
}

// --- Moving sublayers ---------------------------------------------------------------------

TEST_F(DreiEbenen, UnterebeneVerschiebenGehtAuchAufEinerInaktivenEbene) {
  z.ebenen.fuegeFolieAn(2, "Elektro");
  z.ebenen.setzeFolienzustand(2, 3, FolieAusgeblendet);
  z.ebenen.fuegeFolieAn(3, "");
  z.speicher.beginneSchritt();
  const std::int32_t auf3f2 = linieAuf(z, 3, 2, 300, 0, 310, 0);
  z.ansichten.definiere(1, Ansichtsdaten::ausEbenen(z.ebenen));
  ASSERT_EQ(z.ebenen.aktiveEbene(), 1);

  ASSERT_TRUE(verschiebeFolie(z, 2, 3, 1));
  EXPECT_EQ(std::tuple(z.ebenen.folienname(2, 1), z.ebenen.folienname(2, 2), z.ebenen.folienname(2, 3)),
            std::tuple("Elektro", "Wände", "Möbel"));
  EXPECT_EQ(std::tuple(z.ebenen.folienzustand(2, 1), z.ansichten.slot(1)->daten.folienzustand(2, 1)),
            std::tuple(FolieAusgeblendet, FolieAusgeblendet));
  // Other layers' sublayer numbers are not touched.
  EXPECT_EQ(std::tuple(z.speicher.folie(linien.e2f1), z.speicher.folie(linien.e2f2), z.speicher.folie(auf3f2),
                       z.speicher.folie(linien.e1), z.ebenen.aktiveEbene()),
            std::tuple(2, 3, 2, 1, 1));
}

// --- Columns ------------------------------------------------------------------------------

TEST_F(DreiEbenen, SchutzspalteAendertNurDasSchutzbit) {
  z.ebenen.setzeAnzeigezustand(2, AnzeigeGrau);
  setzeEbeneGeschuetzt(z, 2, true);
  EXPECT_EQ(z.ebenen.anzeigezustand(2), AnzeigeGrau | AnzeigeGeschuetzt);
  setzeEbeneGeschuetzt(z, 2, false);
  EXPECT_EQ(z.ebenen.anzeigezustand(2), AnzeigeGrau);

  setzeFolieSichtbar(z, 2, 2, false);
  setzeFolieGeschuetzt(z, 2, 2, true);
  EXPECT_EQ(z.ebenen.folienzustand(2, 2), FolieAusgeblendet | FolieGeschuetzt);
  setzeFolieSichtbar(z, 2, 2, true);
  EXPECT_EQ(z.ebenen.folienzustand(2, 2), FolieGeschuetzt);
  EXPECT_EQ(z.ebenen.folienzustand(2, 1), 0);
  EXPECT_TRUE(z.speicher.modifiziert());
}

TEST_F(DreiEbenen, NamenUndMassstabAusDemRaster) {
  benenneEbene(z, 2, "Erdgeschoss");
  benenneEbene(z, 2, "");
  benenneFolie(z, 2, 1, "Tragwerk");
  benenneFolie(z, 2, 7, "gibt es nicht");
  EXPECT_EQ(std::tuple(z.ebenen.name(2), z.ebenen.folienname(2, 1), z.ebenen.folienanzahl(2)),
            std::tuple("Erdgeschoss", "Tragwerk", 2));

  setzeEbenenmassstab(z, 2, 20);
  EXPECT_EQ(massstabVon(z, 2), 20);
  setzeEbenenmassstab(z, 2, 0);
  z.ansicht.drawingScale = 500;
  EXPECT_EQ(massstabVon(z, 2), 500);
  setzeEbenenmassstab(z, 2, -3);
  EXPECT_EQ(z.ebenen.massstab(2), 0);
}

}  // namespace
}  // namespace quarzel
