// Protection and grey display as the tools and the renderer see them, per
// element.
#include <gtest/gtest.h>

#include "store/ebenenoperationen.h"
#include "store/ebenenschutz.h"
#include "store/ebenenverwaltung.h"
#include "support/dreiebenen.h"

namespace quarzel {
namespace {

using test::DreiEbenen;

TEST_F(DreiEbenen, GeschuetzteEbeneUndUnterebeneSindNichtBearbeitbar) {
  EXPECT_TRUE(bearbeitbar(z, linien.e2f1));
  setzeEbeneGeschuetzt(z, 2, true);
  EXPECT_FALSE(bearbeitbar(z, linien.e2f1));
  EXPECT_FALSE(bearbeitbar(z, linien.e2f2));
  EXPECT_TRUE(bearbeitbar(z, linien.e3));
  setzeEbeneGeschuetzt(z, 2, false);
  setzeFolieGeschuetzt(z, 2, 2, true);
  EXPECT_TRUE(bearbeitbar(z, linien.e2f1));
  EXPECT_FALSE(bearbeitbar(z, linien.e2f2));
  z.speicher.setzeZustand(linien.e3, 0);  // deleted
  EXPECT_FALSE(bearbeitbar(z, linien.e3));
}

TEST_F(DreiEbenen, SchutzVerweigertAenderungenAnMarkiertenObjekten) {
  setzeEbeneGeschuetzt(z, 2, true);
  z.speicher.markiereAlleLebendigen();
  EXPECT_EQ(demarkiereNichtBearbeitbare(z), 2);
  EXPECT_EQ(z.speicher.anzahlMarkierte(), 2);

  // A command on the marked elements leaves the protected ones as they were.
  z.speicher.setzeStiftMarkierte(7);
  int geaendert = 0;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    if (!z.speicher.lebendig(n)) continue;
    const bool aufZwei = z.speicher.planteil(n) == 2;
    EXPECT_EQ(*z.speicher.stift(n) == 7, !aufZwei) << "Element " << n;
    geaendert += *z.speicher.stift(n) == 7;
  }
  EXPECT_EQ(geaendert, 2);
}

TEST_F(DreiEbenen, GrauNachAnzeigezustandUndSchaltern) {
  EXPECT_FALSE(grauDarstellen(z, linien.e2f1));
  z.ebenen.grauInaktiveEbenen = true;
  EXPECT_TRUE(grauDarstellen(z, linien.e2f1));
  EXPECT_FALSE(grauDarstellen(z, linien.e1));
  z.ebenen.grauInaktiveEbenen = false;

  wechsleSichtbarkeit(z);  // 1: protected, not grey
  EXPECT_FALSE(grauDarstellen(z, linien.e1));
  wechsleSichtbarkeit(z);  // 2: grey even though active
  EXPECT_TRUE(grauDarstellen(z, linien.e1));
  EXPECT_TRUE(bearbeitbar(z, linien.e1));

  aktiviereEbene(z, benutzer, 2);
  z.ebenen.grauInaktiveFolien = true;
  EXPECT_FALSE(grauDarstellen(z, linien.e2f1));
  EXPECT_TRUE(grauDarstellen(z, linien.e2f2));
  EXPECT_FALSE(grauDarstellen(z, -4));
}

}  // namespace
}  // namespace quarzel
