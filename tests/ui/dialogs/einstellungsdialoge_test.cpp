// The settings dialogs in a real window, offscreen: each dialog is opened
// from its menu, changed and confirmed with OK; the window's state and the
// configuration file show the result.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPrinter>
#include <QSpinBox>
#include <algorithm>
#include <filesystem>
#include <string>

#include "base/inidatei.h"
#include "support/ui/einstellungshilfen.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/dialogs/fangdialog.h"
#include "ui/dialogs/linienstildialog.h"
#include "ui/dialogs/rasterdialog.h"
#include "ui/dialogs/stiftbreitendialog.h"
#include "ui/dialogs/zeichnungsoptionen.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/window/druckbefehle.h"
#include "support/ui/fensterhilfen.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

using Einstellungsdialoge = test::Fensterfixture;

// Pen 12 to 0.65 mm in a colour of its own, through "Stiftbreiten...".
void stift12Aendern(TFenster& f) {
  test::imDialog<TStiftbreiten>([](TStiftbreiten& d) {
    d.breite(12)->setValue(0.65);
    d.setzeFarbe(12, rgb(10, 20, 30));
    test::okDruecken(d);
  });
  test::menueeintrag(*f.menuBar(), "Stiftbreiten...")->trigger();
}

// --- "Bildschirmdarstellung" ---------------------------------------------------------------

TEST_F(Einstellungsdialoge, BildschirmdarstellungSchreibtAbschnittUndFaerbtMarkierteEin) {
  test::imDialog<TBildschirmdarstellung>([](TBildschirmdarstellung& d) {
    d.fadenkreuz()->button(0)->click();     // "Rot"
    d.referenzpunkt()->button(2)->click();  // "Blau"
    d.objekte()->button(1)->click();        // "Grün"
    d.markierung()->button(2)->click();     // "Blau"
    d.raender()->button(0)->click();        // "Objektränder nicht anzeigen"
    d.mittelpunkt()->button(3)->click();    // "Kreuz"
    d.optimiert()->setChecked(false);
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "Bildschirmdarstellung...")->trigger();
  EXPECT_EQ(f->zeichenflaeche().fadenkreuzfarbe(), QColor(255, 0, 0)) << "at once, without a restart";

  const Darstellungswahl& w = f->sitzung().darstellung;
  EXPECT_TRUE(w.markierteEinfaerben);
  EXPECT_EQ(w.markierfarbe, rgb(0, 0, 255));
  EXPECT_FALSE(w.objektraenderAnzeigen);
  EXPECT_EQ(w.mittelpunkt, Darstellungswahl::Mittelpunkt::Kreuz);

  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Darstellung", "Fadenkreuz"), "0");
  EXPECT_EQ(ini.wert("Darstellung", "Referenzpunkt"), "2");
  EXPECT_EQ(ini.wert("Darstellung", "Objekte"), "1");
  EXPECT_EQ(ini.wert("Darstellung", "Markierung"), "2");
  EXPECT_EQ(ini.wert("Darstellung", "optimiert"), "0");
  EXPECT_EQ(ini.wert("Darstellung", "Objektränder anzeigen"), "0");
  EXPECT_EQ(ini.wert("Darstellung", "Mittelpunktmarkierung"), "3");
}

// --- "Zeichnungsoptionen" ------------------------------------------------------------------

TEST_F(Einstellungsdialoge, ZeichnungsoptionenSetzenBlattEinheitMassstabUndSchreibenDatei) {
  test::imDialog<TZeichnungsoptionen>([](TZeichnungsoptionen& d) {
    d.formate()->button(2 * 2 + 1)->click();  // "A3 Querformat"
    d.einheiten()->button(6)->click();        // "Feet", the seventh entry
    d.massstaebe()->button(4)->click();       // "Maßstab 1:50"
    d.dezimalen()->setValue(3);
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "Zeichnungsoptionen...")->trigger();

  const Ansicht& a = f->sitzung().zeichnung.ansicht;
  EXPECT_EQ(a.sheetWidth, 420);
  EXPECT_EQ(a.sheetHeight, 297);
  EXPECT_EQ(a.sheetLeft, 4790);
  EXPECT_EQ(a.sheetTop, 4852);  // 4851.5 to the even neighbour
  EXPECT_EQ(a.unitCode, 6);
  EXPECT_EQ(a.unitName, "ft");
  EXPECT_DOUBLE_EQ(a.unitFactor, 0.0032786);
  EXPECT_EQ(a.drawingScale, 50);
  EXPECT_EQ(a.displayDecimals, 3);
  EXPECT_EQ(f->statusleiste().massstab(), QStringLiteral("M 1:50"));

  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Projektoptionen", einstellung::Projektoptionen::blattBreiteSchluessel()), "420");
  EXPECT_EQ(ini.wert("Projektoptionen", einstellung::Projektoptionen::blattHoeheSchluessel()), "297");
  EXPECT_EQ(ini.wert("Projektoptionen", "Einheit"), "6");
  EXPECT_EQ(ini.wert("Projektoptionen", "Einheitenname"), "ft");
  EXPECT_EQ(ini.wert("Projektoptionen", "Maßstab"), "50");
}

// "vom Drucker vorgegeben" takes the paper of the printer chosen at a print.
TEST_F(Einstellungsdialoge, BlattVomDruckerNimmtDasPapierDesGewaehltenDruckers) {
  QPrinter& drucker = f->findChild<Druckbefehle*>()->drucker();
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF()));
  test::imDialog<TZeichnungsoptionen>([](TZeichnungsoptionen& d) {
    d.formate()->button(TZeichnungsoptionen::kVomDrucker)->click();
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "Zeichnungsoptionen...")->trigger();
  const Ansicht& a = f->sitzung().zeichnung.ansicht;
  EXPECT_EQ(std::tuple(a.sheetWidth, a.sheetHeight), std::tuple(420, 297));
}

// --- "Stiftbreiten" ------------------------------------------------------------------------

TEST_F(Einstellungsdialoge, StiftbreitenUebernehmenBreiteUndFarbeInZeichnungDateiUndAuswahl) {
  stift12Aendern(*f);

  const Stifttabelle& s = f->sitzung().zeichnung.stifte;
  EXPECT_DOUBLE_EQ(s.penWidth[12], 0.65);
  EXPECT_EQ(s.penColour[12], rgb(10, 20, 30));
  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftBreite12"), "0.65");
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftFarbe12"), std::to_string(rgb(10, 20, 30)));
  // The property bar's pen picker shows the new width.
  auto* picker = f->eigenschaften().findChild<QComboBox*>(QStringLiteral("Stift"));
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(picker->itemText(11).contains(QStringLiteral("0.65"))) << picker->itemText(11).toStdString();
}

// --- A restart ------------------------------------------------------------------------------

// What the dialogs of one window set is there in the next window started on
// the same configuration file.
TEST_F(Einstellungsdialoge, EinstellungenUeberlebenEinenNeustart) {
  const std::filesystem::path ordner = benutzerordner().value_or(".");
  const auto dateien = {ordner / "standard.tlm", ordner / "Linien2.dat"};
  for (const auto& d : dateien) std::filesystem::remove(d);
  auto stile = [](TFenster& f) {
    std::vector<int> nummern;
    const auto* box = f.eigenschaften().findChild<QComboBox*>(QStringLiteral("Linienstil"));
    for (int i = 0; i < box->count(); ++i) nummern.push_back(box->itemData(i).toInt());
    return nummern;
  };
  const std::vector<int> vorher = stile(*f);
  for (int stil : {10, 11, 41, 42, 51, 65})
    EXPECT_NE(std::find(vorher.begin(), vorher.end(), stil), vorher.end()) << "offered without Linien2.dat: " << stil;

  stift12Aendern(*f);
  test::imDialog<TLinienstile>([](TLinienstile& d) {
    d.reiter()->setCurrentIndex(0);
    d.kaestchen(0, 6)->click();  // "Quadrat" in the first section of complex pattern 1
    EXPECT_TRUE(d.alsStandard());
    d.verfuegbar()->item(1)->setCheckState(Qt::Unchecked);  // style 2
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "Linienstile...")->trigger();
  const std::uint8_t muster = f->sitzung().zeichnung.linienstile.komplexes(1).section[0];
  ASSERT_NE(muster, 0);
  test::imDialog<Rasterdialog>([](Rasterdialog& d) {
    d.masstabsabhaengig()->setChecked(true);
    d.xAbstand()->setValue(2.5);
    d.yAbstand()->setValue(1.25);
    d.drehen()->setChecked(true);
    d.winkel()->setValue(30);
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "&Rastereinstellungen...")->trigger();
  test::imDialog<Fangdialog>([](Fangdialog& d) {
    d.radius()->setValue(12);
    d.alleEbenen()->setChecked(!d.alleEbenen()->isChecked());
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "&Fangen...")->trigger();
  const Fangeinstellungen fangen = f->werkzeuge().fangeinstellungen();
  const Ansicht a1 = f->sitzung().zeichnung.ansicht;
  f->close();
  f.reset();

  f = fenster(mitIni());
  const Zeichnung& z = f->sitzung().zeichnung;
  EXPECT_DOUBLE_EQ(z.stifte.penWidth[12], 0.65);
  EXPECT_EQ(z.stifte.penColour[12], rgb(10, 20, 30));
  EXPECT_EQ(z.linienstile.komplexes(1).section[0], muster);
  std::vector<int> erwartet = vorher;
  erwartet.erase(std::find(erwartet.begin(), erwartet.end(), 2));
  EXPECT_EQ(stile(*f), erwartet);
  EXPECT_DOUBLE_EQ(z.ansicht.gridSpacingX, a1.gridSpacingX);
  EXPECT_DOUBLE_EQ(z.ansicht.gridSpacingY, a1.gridSpacingY);
  EXPECT_EQ(z.ansicht.gridAngle, 30.f);
  // 2.5 drawing units on the sheet at the scale in force.
  EXPECT_DOUBLE_EQ(z.ansicht.gridSpacingX * rasterfaktor(true, z.ansicht.unitFactor, z.massstabInKraft()), 2.5);
  EXPECT_EQ(f->werkzeuge().fangeinstellungen().fangradius, 12);
  EXPECT_EQ(f->werkzeuge().fangeinstellungen().alleSichtbarenEbenen, fangen.alleSichtbarenEbenen);
  // "Neu" starts from the same pens and line styles.
  f->menue().neu->trigger();
  EXPECT_EQ(f->sitzung().zeichnung.stifte.penColour[12], rgb(10, 20, 30));
  EXPECT_EQ(f->sitzung().zeichnung.linienstile.komplexes(1).section[0], muster);
  for (const auto& d : dateien) std::filesystem::remove(d);
}

}  // namespace
}  // namespace quarzel
