// The origin in the window: a button of 132 and a click move the origins,
// typed points start from there, and the menu item "Nullpunkt" hides the
// marker and keeps the choice in the configuration.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

using UrsprungFenster = test::Fensterfixture;

TEST_F(UrsprungFenster, KlickSetztDenUrsprungUndGetippteLinieBeginntDort) {
  f->leisten().aktionFuer(wz(132), 2)->trigger();
  EXPECT_TRUE(f->werkzeuge().aufforderung().endsWith(QStringLiteral(": Nullpunkt")));
  const Ansicht& a = f->sitzung().zeichnung.ansicht;
  const Weltpunkt alt = a.zeroPoint;
  klick({300, 200});
  const Weltpunkt n = a.zeroPoint;
  EXPECT_NE(std::pair(n.x, n.y), std::pair(alt.x, alt.y));
  EXPECT_EQ(std::pair(a.gridOrigin.x, a.gridOrigin.y), std::pair(n.x, n.y));
  const Pixelpunkt marke = a.worldToPixel(n.x, n.y);
  ASSERT_TRUE(flaeche().nullpunkt());
  EXPECT_NEAR(flaeche().nullpunkt()->x(), marke.x, 1e-6);

  waehle(wz(1));
  f->leisten().numerischeEingabe->trigger();
  QApplication::processEvents();
  Koordinatenpanel& p = f->werkzeuge().panel();
  p.relativ(0)->setChecked(false);
  for (auto [g, x, y] : {std::tuple(0, "2", "1"), std::tuple(1, "1", "0")}) {
    p.feld(g, false)->setText(QString::fromLatin1(x));
    p.feld(g, true)->setText(QString::fromLatin1(y));
    ASSERT_TRUE(p.ok());
  }
  ASSERT_EQ(speicher().anzahl(), 1);
  const Tliniendaten& l = speicher().linie(1);
  // Unit m at 1:100: one unit is 10 mm; user y points up.
  EXPECT_EQ(std::tuple(l.x1 - n.x, l.y1 - n.y, l.x2 - n.x, l.y2 - n.y), std::tuple(20.0, -10.0, 30.0, -10.0));

  QAction* menue = f->findChild<QAction*>(QStringLiteral("AktionNullpunkt"));
  ASSERT_TRUE(menue && menue->isChecked());
  menue->trigger();
  EXPECT_FALSE(flaeche().nullpunkt());
  EXPECT_EQ(konfiguration().wert("Zeichenhilfen", "Nullpunkt sichtbar"), "0");
}

}  // namespace
}  // namespace quarzel
