// The drawing aids' tool bar and the dialogs "Fangen" and
// "Rastereinstellungen", driven as a user would: buttons toggled, fields
// changed, "&OK" pressed.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/dialogs/fangdialog.h"
#include "ui/tools/fangleiste.h"
#include "ui/dialogs/rasterdialog.h"

namespace quarzel {
namespace {

TEST(Fangleiste, KnoepfeKommenAusDerKonfigurationUndSetzenDieModi) {
  Fangeinstellungen e;
  Fangleiste leiste(e);
  einstellung::Zeichenhilfen z;
  z.fangenButtons = {0, 1, 0, 0, 0, 1, 1, 0, 1};
  leiste.InitFangenButtons(z);
  EXPECT_EQ(e.modi, FangMittelpunkte | FangSchnittKreisKreis | FangKanten | FangSchnittPolygonPolygon);
  EXPECT_FALSE(leiste.modusknopf(0)->isChecked());
  EXPECT_TRUE(leiste.modusknopf(6)->isChecked());
  EXPECT_EQ(leiste.modusknopf(6)->toolTip(), QStringLiteral("Fangen auf Kanten"));

  leiste.modusknopf(0)->trigger();
  EXPECT_TRUE(e.modus(FangEndpunkte));
  leiste.modusknopf(6)->trigger();
  EXPECT_FALSE(e.modus(FangKanten));

  // Back into the configuration in button order.
  schreibeZeichenhilfen(e, z);
  EXPECT_EQ(z.fangenButtons, (std::array<int, 9>{1, 1, 0, 0, 0, 1, 0, 0, 1}));
}

TEST(Fangleiste, KnoepfeNurMitFangenUndEinemBereich) {
  Fangeinstellungen e;
  Fangleiste leiste(e);
  EXPECT_TRUE(leiste.modusknopf(3)->isEnabled());
  e.aktiveFolie = e.sichtbareFolienAktiveEbene = e.alleSichtbarenEbenen = false;
  leiste.abgleichen();
  EXPECT_FALSE(leiste.modusknopf(3)->isEnabled());
  e.alleSichtbarenEbenen = true;
  e.fangaktiv = false;
  leiste.abgleichen();
  EXPECT_FALSE(leiste.modusknopf(3)->isEnabled());
}

TEST(Fangleiste, RasterUndWinkelrasterSchliessenSichAus) {
  Fangeinstellungen e;
  Fangleiste leiste(e);
  int neuZeichnen = 0;
  QObject::connect(&leiste, &Fangleiste::darstellungGeaendert, [&] { ++neuZeichnen; });

  leiste.winkelrasterknopf()->trigger();
  EXPECT_TRUE(e.winkelraster);
  leiste.rasterknopf()->trigger();  // grid on -> angle grid off
  EXPECT_TRUE(e.raster);
  EXPECT_FALSE(e.winkelraster);
  EXPECT_FALSE(leiste.winkelrasterknopf()->isChecked());
  leiste.winkelrasterknopf()->trigger();  // angle grid on -> grid off
  EXPECT_TRUE(e.winkelraster);
  EXPECT_FALSE(e.raster);
  EXPECT_FALSE(leiste.rasterknopf()->isChecked());
  EXPECT_EQ(neuZeichnen, 2);  // grid on, grid off

  leiste.randlinealknopf()->trigger();
  EXPECT_TRUE(e.randlineale);
  EXPECT_EQ(neuZeichnen, 3);
}

TEST(Fangdialog, OkLiefertDieWerteUndLaesstDieModi) {
  Fangeinstellungen e;
  e.modi = FangKanten;
  Fangdialog d(e);
  EXPECT_TRUE(d.ein()->isChecked());
  d.radius()->setValue(25);  // above the range: held at 20
  d.aktiveUnterebene()->setChecked(false);
  d.alleEbenen()->setChecked(true);
  d.aus()->setChecked(true);
  EXPECT_FALSE(d.radius()->isEnabled());
  const Fangeinstellungen r = d.ergebnis();
  EXPECT_FALSE(r.fangaktiv);
  EXPECT_EQ(r.fangradius, 20);
  EXPECT_FALSE(r.aktiveFolie);
  EXPECT_TRUE(r.alleSichtbarenEbenen);
  EXPECT_EQ(r.modi, FangKanten);
}

TEST(Rasterdialog, MassstabsabhaengigZeigtZeichnungseinheiten) {
  // 5 sheet mm at 1:100 in metres is 0.5 m.
  Rasterwerte w;
  w.abstandX = 5;
  w.abstandY = 2;
  w.masstabsabhaengig = true;
  Rasterdialog d(w, 0.001, 100);
  EXPECT_DOUBLE_EQ(d.xAbstand()->value(), 0.5);
  EXPECT_DOUBLE_EQ(d.yAbstand()->value(), 0.2);
  d.xAbstand()->setValue(1.25);
  EXPECT_DOUBLE_EQ(d.ergebnis().abstandX, 12.5);

  // Unchecking shows sheet millimetres for the same grid.
  d.masstabsabhaengig()->setChecked(false);
  EXPECT_DOUBLE_EQ(d.xAbstand()->value(), 12.5);
  EXPECT_DOUBLE_EQ(d.ergebnis().abstandX, 12.5);

  // A square grid takes y from x; rotation only while "Drehen" is checked.
  d.quadratisch()->setChecked(true);
  d.winkel()->setValue(30);
  Rasterwerte r = d.ergebnis();
  EXPECT_DOUBLE_EQ(r.abstandY, 12.5);
  EXPECT_EQ(r.winkel, 0);
  d.drehen()->setChecked(true);
  EXPECT_EQ(d.ergebnis().winkel, 30);
}

TEST(Rasterdialog, WerteGehenInAnsichtEinstellungenUndFangen) {
  Ansicht a;
  einstellung::Zeichenhilfen z;
  Fangeinstellungen f;
  Rasterwerte w = rasterwerte(a, false, z, f);
  w.abstandX = 7.5;
  w.abstandY = 3;
  w.drehen = true;
  w.winkel = -45;
  w.laengenraster = true;
  w.winkelraster = true;
  w.schrittweite = 22.5;
  bool quadratisch = true;
  uebernimmRasterwerte(w, a, quadratisch, z, f);
  EXPECT_EQ(a.gridSpacingX, 7.5);
  EXPECT_EQ(a.gridSpacingY, 3);
  EXPECT_EQ(a.gridAngle, -45.f);
  EXPECT_FALSE(quadratisch);
  EXPECT_TRUE(f.laengenraster);
  EXPECT_TRUE(z.laengenRaster);
  EXPECT_TRUE(z.winkelRaster);
  EXPECT_EQ(z.schrittweite, 22.5);
  // Impossible spacings keep the old grid.
  w.abstandX = 0;
  w.abstandY = std::nan("");
  uebernimmRasterwerte(w, a, quadratisch, z, f);
  EXPECT_EQ(a.gridSpacingX, 7.5);
  EXPECT_EQ(a.gridSpacingY, 3);
}

}  // namespace
}  // namespace quarzel
