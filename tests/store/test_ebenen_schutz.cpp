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
  const auto zustand = [&] {
    return std::tuple(bearbeitbar(z, linien.e2f1), bearbeitbar(z, linien.e2f2), bearbeitbar(z, linien.e3));
  };
  EXPECT_EQ(zustand(), std::tuple(true, true, true));
  setzeEbeneGeschuetzt(z, 2, true);
  EXPECT_EQ(zustand(), std::tuple(false, false, true));
  setzeEbeneGeschuetzt(z, 2, false);
  setzeFolieGeschuetzt(z, 2, 2, true);
  EXPECT_EQ(zustand(), std::tuple(true, false, true));
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
  const auto grau = [this](std::int32_t n) { return z.ebenen.grau(z.speicher.planteil(n), z.speicher.folie(n)); };
  EXPECT_FALSE(grau(linien.e2f1));
  z.ebenen.grauInaktiveEbenen = true;
  EXPECT_TRUE(grau(linien.e2f1));
  EXPECT_FALSE(grau(linien.e1));
  z.ebenen.grauInaktiveEbenen = false;

  wechsleSichtbarkeit(z);  // 1: protected, not grey
  EXPECT_FALSE(grau(linien.e1));
  wechsleSichtbarkeit(z);  // 2: grey even though active
  EXPECT_TRUE(grau(linien.e1));
  EXPECT_TRUE(bearbeitbar(z, linien.e1));

  aktiviereEbene(z, benutzer, 2);
  z.ebenen.grauInaktiveFolien = true;
  EXPECT_FALSE(grau(linien.e2f1));
  EXPECT_TRUE(grau(linien.e2f2));
}

}  // namespace
}  // namespace quarzel
