// The settings dialogs and the menu "Sichtbare &Elemente" in a real window,
// offscreen: each dialog is opened from its menu, changed and confirmed with
// OK; the window's state and the configuration file show the result.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "base/inidatei.h"
#include "einstellungshilfen.h"
#include "ui/window/fensterhilfen.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/dialogs/fangdialog.h"
#include "ui/dialogs/linienstildialog.h"
#include "ui/dialogs/rasterdialog.h"
#include "ui/dialogs/stiftbreitendialog.h"
#include "ui/dialogs/zeichnungsoptionen.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/tools/stiftauswahl.h"
#include "ui/window/einstellungsbefehle.h"
#include "ui/window/fensterhilfen.h"
#include "ui/window/sichtbareelemente.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {
namespace {

class Einstellungsdialoge : public ::testing::Test {
 protected:
  void SetUp() override {
    fenster = test.fenster(test.mitIni());
  }

  static std::filesystem::path benutzerordner() { return quarzel::benutzerordner().value_or("."); }

  IniDatei konfiguration() {
    IniDatei ini;
    ini.laden(test.ini());
    return ini;
  }

  test::Fenstertest test;
  test::Testfenster fenster;
};

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
  test::menueeintrag(*fenster->menuBar(), "Bildschirmdarstellung...")->trigger();

  const Darstellungswahl& w = fenster->sitzung().darstellung;
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
}

TEST_F(Einstellungsdialoge, NichtEinfaerbenLaesstMarkierteInIhrerFarbe) {
  test::imDialog<TBildschirmdarstellung>([](TBildschirmdarstellung& d) {
    d.markierung()->button(3)->click();
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Bildschirmdarstellung...")->trigger();
  EXPECT_FALSE(fenster->sitzung().darstellung.markierteEinfaerben);
  EXPECT_EQ(konfiguration().wert("Darstellung", "Markierung"), "3");

  // Opened again, the dialog shows the choice it was left with.
  TBildschirmdarstellung wieder(fenster->sitzung().einstellungen.darstellung, fenster->sitzung().darstellung);
  EXPECT_EQ(wieder.markierung()->checkedId(), 3);
}

TEST_F(Einstellungsdialoge, AbbrechenAendertWederFensterNochDatei) {
  const Darstellungswahl vorher = fenster->sitzung().darstellung;
  test::imDialog<TBildschirmdarstellung>([](TBildschirmdarstellung& d) {
    d.markierung()->button(1)->click();
    d.mittelpunkt()->button(0)->click();
    test::abbrechenDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Bildschirmdarstellung...")->trigger();
  EXPECT_EQ(fenster->sitzung().darstellung, vorher);
  EXPECT_FALSE(konfiguration().hatSektion("Darstellung"));
}

TEST(Bildschirmdarstellung, BeschaedigteWerteZeigenDieErsteWahlUndFaerbenRot) {
  einstellung::Darstellung d;
  d.fadenkreuz = 99;
  d.markierung = -4;
  TBildschirmdarstellung dialog(d, Darstellungswahl{});
  EXPECT_EQ(dialog.fadenkreuz()->checkedId(), 0);
  EXPECT_EQ(dialog.markierung()->checkedId(), 0);
  EXPECT_EQ(darstellungswahlAus(d, {}).markierfarbe, rgb(255, 0, 0));
  EXPECT_EQ(einstellung::darstellungsfarbe(7), rgb(0, 0, 0));
  EXPECT_EQ(einstellung::darstellungsfarbe(1), rgb(0, 255, 0));
  EXPECT_EQ(einstellung::darstellungsfarbe(1, einstellung::Farbgebrauch::Marke), rgb(0, 160, 0));
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
  test::menueeintrag(*fenster->menuBar(), "Zeichnungsoptionen...")->trigger();

  const Ansicht& a = fenster->sitzung().zeichnung.ansicht;
  EXPECT_EQ(a.sheetWidth, 420);
  EXPECT_EQ(a.sheetHeight, 297);
  EXPECT_EQ(a.sheetLeft, 4790);
  EXPECT_EQ(a.sheetTop, 4852);  // 4851.5 to the even neighbour
  EXPECT_EQ(a.unitCode, 6);
  EXPECT_EQ(a.unitName, "ft");
  EXPECT_DOUBLE_EQ(a.unitFactor, 0.0032786);
  EXPECT_EQ(a.drawingScale, 50);
  EXPECT_EQ(a.displayDecimals, 3);
  EXPECT_EQ(fenster->statusleiste().massstab(), QStringLiteral("M 1:50"));

  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Projektoptionen", einstellung::Projektoptionen::blattBreiteSchluessel()), "420");
  EXPECT_EQ(ini.wert("Projektoptionen", einstellung::Projektoptionen::blattHoeheSchluessel()), "297");
  EXPECT_EQ(ini.wert("Projektoptionen", "Einheit"), "6");
  EXPECT_EQ(ini.wert("Projektoptionen", "Einheitenname"), "ft");
  EXPECT_EQ(ini.wert("Projektoptionen", "Maßstab"), "50");
}

TEST_F(Einstellungsdialoge, ZeichnungsoptionenAbbrechenLaesstAnsichtUnveraendert) {
  const Zeichnungsoptionenwahl vorher = zeichnungsoptionenAus(fenster->sitzung().zeichnung.ansicht);
  test::imDialog<TZeichnungsoptionen>([](TZeichnungsoptionen& d) {
    d.formate()->button(0)->click();
    test::abbrechenDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Zeichnungsoptionen...")->trigger();
  EXPECT_EQ(zeichnungsoptionenAus(fenster->sitzung().zeichnung.ansicht), vorher);
  EXPECT_FALSE(konfiguration().hatSektion("Projektoptionen"));
}

TEST(Zeichnungsoptionen, BeliebigesFormatWirdInZeichnungseinheitenEingegeben) {
  Zeichnungsoptionenwahl w;
  w.einheitIndex = 1;  // "cm"
  TZeichnungsoptionen d(w);
  d.formate()->button(TZeichnungsoptionen::kBeliebig)->click();
  ASSERT_TRUE(d.breite()->isEnabled());
  // Bounds nearest(50 × 0.1) … nearest(2500 × 0.1).
  EXPECT_EQ(d.breite()->minimum(), 5);
  EXPECT_EQ(d.breite()->maximum(), 250);
  d.breite()->setValue(35);
  d.hoehe()->setValue(1000);  // refused: stays at the bound
  EXPECT_EQ(d.wahl().blattBreite, 350);
  EXPECT_EQ(d.wahl().blattHoehe, 2500);

  // The mm unit recomputes the bounds and shows the same sheet.
  d.einheiten()->button(0)->click();
  EXPECT_EQ(d.breite()->minimum(), 50);
  EXPECT_EQ(d.breite()->maximum(), 2500);
  EXPECT_EQ(d.breite()->value(), 350);

  // Metres: whole units would show an A3 sheet as 0; the field keeps the millimetres.
  d.einheiten()->button(2)->click();
  EXPECT_EQ(d.breite()->decimals(), 3);
  EXPECT_DOUBLE_EQ(d.breite()->value(), 0.35);
  EXPECT_DOUBLE_EQ(d.breite()->minimum(), 0.05);
  d.breite()->setValue(0.42);
  EXPECT_EQ(d.wahl().blattBreite, 420);
}

TEST(Zeichnungsoptionen, ZeigtDieWahlDerAnsichtUndBeliebigenMassstab) {
  Ansicht a;
  a.sheetWidth = 210;
  a.sheetHeight = 297;
  a.unitCode = 7;  // "Yard", sixth entry
  a.drawingScale = 33;
  a.displayDecimals = 4;  // shown with 2
  const Zeichnungsoptionenwahl w = zeichnungsoptionenAus(a);
  EXPECT_EQ(w.einheitIndex, 5);
  EXPECT_EQ(w.dezimalen, 2);
  TZeichnungsoptionen d(w);
  EXPECT_EQ(d.formate()->checkedId(), 2);  // "A4 Hochformat"
  EXPECT_EQ(d.einheiten()->checkedId(), 5);
  EXPECT_EQ(d.massstaebe()->checkedId(), TZeichnungsoptionen::kBeliebigerMassstab);
  EXPECT_TRUE(d.massstab()->isEnabled());
  d.massstab()->setValue(12.5);
  EXPECT_EQ(d.wahl().massstab, 12.5);
  d.massstaebe()->button(10)->click();
  EXPECT_EQ(d.wahl().massstab, 1000);
  EXPECT_FALSE(d.massstab()->isEnabled());
}

TEST(Zeichnungsoptionen, NullpunktBehaeltSeinenAbstandZurLinkenUnterenBlattecke) {
  Ansicht a;
  a.sheetWidth = 297;
  a.sheetHeight = 210;
  a.sheetLeft = 4852;
  a.sheetTop = 4895;
  a.zeroPoint = {4872, 5085};
  a.gridOrigin = a.zeroPoint;
  Zeichnungsoptionenwahl w = zeichnungsoptionenAus(a);
  w.blattBreite = 841;
  w.blattHoehe = 1189;
  wendeZeichnungsoptionenAn(a, w);
  EXPECT_EQ(a.sheetLeft, 4580);  // 5000 - 420.5 to the even neighbour
  EXPECT_EQ(a.sheetTop, 4406);   // 5000 - 594.5
  EXPECT_DOUBLE_EQ(a.zeroPoint.x, a.sheetLeft + 20);
  EXPECT_DOUBLE_EQ(a.zeroPoint.y, a.sheetTop + a.sheetHeight - 20);
  EXPECT_DOUBLE_EQ(a.gridOrigin.x, a.zeroPoint.x);

  // A sheet larger than the world and a scale out of range are not taken.
  w.blattBreite = 20000;
  w.massstab = 0;
  wendeZeichnungsoptionenAn(a, w);
  EXPECT_EQ(a.sheetWidth, 841);
  EXPECT_EQ(a.drawingScale, 100);
}

// --- "Stiftbreiten" ------------------------------------------------------------------------

TEST_F(Einstellungsdialoge, StiftbreitenUebernehmenBreiteUndFarbeInZeichnungDateiUndAuswahl) {
  test::imDialog<TStiftbreiten>([](TStiftbreiten& d) {
    d.breite(12)->setValue(0.65);
    d.setzeFarbe(12, rgb(10, 20, 30));
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Stiftbreiten...")->trigger();

  const Stifttabelle& s = fenster->sitzung().zeichnung.stifte;
  EXPECT_DOUBLE_EQ(s.penWidth[12], 0.65);
  EXPECT_EQ(s.penColour[12], rgb(10, 20, 30));
  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftBreite12"), "0.65");
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftFarbe12"), std::to_string(rgb(10, 20, 30)));
  // The property bar's pen picker shows the new width.
  auto* picker = fenster->eigenschaften().findChild<QComboBox*>(QStringLiteral("Stift"));
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(picker->itemText(11).contains(QStringLiteral("0.65"))) << picker->itemText(11).toStdString();
}

TEST_F(Einstellungsdialoge, AlsStandardSchreibtSofortUndAbbrechenLaesstZeichnung) {
  const Stifttabelle vorher = fenster->sitzung().zeichnung.stifte;
  test::imDialog<TStiftbreiten>([](TStiftbreiten& d) {
    d.breite(20)->setValue(3.5);
    d.standardknopf()->click();
    test::abbrechenDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Stiftbreiten...")->trigger();
  EXPECT_EQ(fenster->sitzung().zeichnung.stifte, vorher);
  EXPECT_EQ(konfiguration().wert("Stiftbreiten", "StiftBreite20"), "3.5");
}

// --- A restart ------------------------------------------------------------------------------

// What the dialogs of one window set is there in the next window started on
// the same configuration file.
TEST_F(Einstellungsdialoge, EinstellungenUeberlebenEinenNeustart) {
  const auto dateien = {benutzerordner() / "standard.tlm", benutzerordner() / "Linien2.dat"};
  for (const auto& d : dateien) std::filesystem::remove(d);
  auto stile = [](TFenster& f) {
    std::vector<int> nummern;
    const auto* box = f.eigenschaften().findChild<QComboBox*>(QStringLiteral("Linienstil"));
    for (int i = 0; i < box->count(); ++i) nummern.push_back(box->itemData(i).toInt());
    return nummern;
  };
  const std::vector<int> vorher = stile(*fenster);
  for (int stil : {10, 11, 41, 42, 51, 65})
    EXPECT_NE(std::find(vorher.begin(), vorher.end(), stil), vorher.end()) << "offered without Linien2.dat: " << stil;

  test::imDialog<TStiftbreiten>([](TStiftbreiten& d) {
    d.breite(12)->setValue(0.65);
    d.setzeFarbe(12, rgb(10, 20, 30));
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Stiftbreiten...")->trigger();
  test::imDialog<TLinienstile>([](TLinienstile& d) {
    d.reiter()->setCurrentIndex(0);
    d.kaestchen(0, 6)->click();  // "Quadrat" in the first section of complex pattern 1
    EXPECT_TRUE(d.alsStandard());
    d.verfuegbar()->item(1)->setCheckState(Qt::Unchecked);  // style 2
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Linienstile...")->trigger();
  const std::uint8_t muster = fenster->sitzung().zeichnung.linienstile.komplexes(1).section[0];
  ASSERT_NE(muster, 0);
  test::imDialog<Rasterdialog>([](Rasterdialog& d) {
    d.masstabsabhaengig()->setChecked(true);
    d.xAbstand()->setValue(2.5);
    d.yAbstand()->setValue(1.25);
    d.drehen()->setChecked(true);
    d.winkel()->setValue(30);
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "&Rastereinstellungen...")->trigger();
  test::imDialog<Fangdialog>([](Fangdialog& d) {
    d.radius()->setValue(12);
    d.alleEbenen()->setChecked(!d.alleEbenen()->isChecked());
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "&Fangen...")->trigger();
  const Fangeinstellungen fangen = fenster->werkzeuge().fangeinstellungen();
  const Ansicht a1 = fenster->sitzung().zeichnung.ansicht;
  fenster->close();
  fenster.reset();

  fenster = test.fenster(test.mitIni());
  const Zeichnung& z = fenster->sitzung().zeichnung;
  EXPECT_DOUBLE_EQ(z.stifte.penWidth[12], 0.65);
  EXPECT_EQ(z.stifte.penColour[12], rgb(10, 20, 30));
  EXPECT_EQ(z.linienstile.komplexes(1).section[0], muster);
  std::vector<int> erwartet = vorher;
  erwartet.erase(std::find(erwartet.begin(), erwartet.end(), 2));
  EXPECT_EQ(stile(*fenster), erwartet);
  EXPECT_DOUBLE_EQ(z.ansicht.gridSpacingX, a1.gridSpacingX);
  EXPECT_DOUBLE_EQ(z.ansicht.gridSpacingY, a1.gridSpacingY);
  EXPECT_EQ(z.ansicht.gridAngle, 30.f);
  // 2.5 drawing units on the sheet at the scale in force.
  EXPECT_DOUBLE_EQ(z.ansicht.gridSpacingX * rasterfaktor(true, z.ansicht.unitFactor, z.massstabInKraft()), 2.5);
  EXPECT_EQ(fenster->werkzeuge().fangeinstellungen().fangradius, 12);
  EXPECT_EQ(fenster->werkzeuge().fangeinstellungen().alleSichtbarenEbenen, fangen.alleSichtbarenEbenen);
  // "Neu" starts from the same pens and line styles.
  fenster->menue().neu->trigger();
  EXPECT_EQ(fenster->sitzung().zeichnung.stifte.penColour[12], rgb(10, 20, 30));
  EXPECT_EQ(fenster->sitzung().zeichnung.linienstile.komplexes(1).section[0], muster);
  for (const auto& d : dateien) std::filesystem::remove(d);
}

TEST(Stiftbreiten, NormstifteSperrenStiftEinsBisAchtAufDieDinReihe) {
  Stifttabelle t;
  t.penWidth[3] = 4.2;
  TStiftbreiten d(t);
  EXPECT_TRUE(d.breite(3)->isEnabled());
  d.normstifte()->setChecked(true);
  EXPECT_FALSE(d.breite(3)->isEnabled());
  EXPECT_FALSE(d.breite(8)->isEnabled());
  EXPECT_TRUE(d.breite(9)->isEnabled());
  const Stifttabelle neu = d.tabelle();
  EXPECT_TRUE(neu.penNormWidths);
  EXPECT_DOUBLE_EQ(neu.penWidth[3], 0.35);
  EXPECT_DOUBLE_EQ(neu.penWidth[8], 2.0);
  EXPECT_EQ(d.breite(25), nullptr);
  EXPECT_EQ(d.breite(0), nullptr);
  EXPECT_NE(d.farbknopf(0), nullptr);
}

TEST(Stiftbreiten, BreitenAusserhalbDesBereichsWerdenBegrenzt) {
  Stifttabelle t;
  t.penWidth[5] = 99;
  t.penWidth[6] = std::nan("");
  TStiftbreiten d(t);
  EXPECT_DOUBLE_EQ(d.breite(5)->value(), 10);
  EXPECT_DOUBLE_EQ(d.breite(6)->value(), 0);
}

TEST(Stiftauswahl, ZeigtNummerUndBreiteMitMmUndBehaeltDieWahl) {
  Stiftauswahl a;
  ASSERT_EQ(a.count(), 24);
  EXPECT_EQ(a.itemText(0), QStringLiteral("1  0.18 mm"));
  EXPECT_EQ(a.itemText(8), QStringLiteral("9  1 mm"));
  a.setzeStift(5);
  Stifttabelle t;
  t.penWidth[5] = 0.8;
  a.setzeStifte(t);
  EXPECT_EQ(a.stift(), 5);
  EXPECT_EQ(a.currentText(), QStringLiteral("5  0.8 mm"));
  a.setzeStift(77);
  EXPECT_EQ(a.stift(), 1);
}

// --- "Sichtbare &Elemente" -----------------------------------------------------------------

TEST_F(Einstellungsdialoge, SchalterDesMenuesBlendenAusUndZeichnenNeu) {
  QAction* texte = test::menueeintrag(*fenster->menuBar(), "&Texte");
  ASSERT_TRUE(texte->isChecked());
  texte->trigger();
  EXPECT_FALSE(fenster->sitzung().schalter.texte);
  test::menueeintrag(*fenster->menuBar(), "Stiftbrei&ten && Farben")->trigger();
  EXPECT_FALSE(fenster->sitzung().schalter.stiftbreitenUndFarben);
  test::menueeintrag(*fenster->menuBar(), "Transparen&z")->trigger();
  EXPECT_TRUE(fenster->sitzung().schalter.transparenz);
  test::menueeintrag(*fenster->menuBar(), "Alle Ebenen und Unterebenen sichtbar")->trigger();
  EXPECT_TRUE(fenster->sitzung().zeichnung.ebenen.allesSichtbar);
}

TEST(SichtbareElemente, JederSchalterHatSeinenEintragUndF7SchaltetHilfslinien) {
  QMenu menue;
  Anzeigeschalter schalter;
  int neu = 0;
  Sichtbarkeitsanschluesse a;
  a.neuZeichnen = [&neu] { ++neu; };
  const Sichtbarkeitsmenue m = sichtbareElementeFuellen(menue, schalter, a);
  EXPECT_EQ(menue.title(), QStringLiteral("Sichtbare &Elemente"));

  // Every switch off once through its item: all of them are reached, none twice.
  int eintraege = 0;
  for (QAction* aktion : menue.actions()) {
    if (!aktion->isCheckable() || aktion == m.allesSichtbar || aktion == m.schnellerRefresh ||
        aktion == m.langsamerRefresh)
      continue;
    if (aktion->isChecked()) aktion->trigger();
    ++eintraege;
  }
  EXPECT_EQ(eintraege, 17);
  Anzeigeschalter aus;
  aus.bemassungen = aus.bitmaps = aus.flaechen = aus.hilfslinien = aus.linien = aus.markerpunkte = false;
  aus.schraffuren = aus.symbole = aus.texte = aus.texturen = aus.verlaeufe = aus.linienstile = false;
  aus.stiftbreitenUndFarben = aus.editierteBemassung = aus.platzhalter = aus.kommentare = false;
  EXPECT_EQ(schalter, aus);
  EXPECT_EQ(neu, 16);

  EXPECT_EQ(m.hilfslinien->text(), QStringLiteral("&Hilfslinien"));
  EXPECT_EQ(m.hilfslinien->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(m.schnellerRefresh->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5));
}

TEST(SichtbareElemente, HakenFolgenAenderungenVonAussenBeimOeffnen) {
  QMenu menue;
  Anzeigeschalter schalter;
  bool schnell = true;
  Sichtbarkeitsanschluesse a;
  a.schnellerRefresh = [&schnell] { return schnell; };
  a.setzeSchnellerRefresh = [&schnell](bool an) { schnell = an; };
  const Sichtbarkeitsmenue m = sichtbareElementeFuellen(menue, schalter, a);
  EXPECT_TRUE(m.schnellerRefresh->isChecked());

  m.langsamerRefresh->trigger();
  EXPECT_FALSE(schnell);
  EXPECT_TRUE(m.langsamerRefresh->isChecked());
  EXPECT_FALSE(m.schnellerRefresh->isChecked());

  schalter.hilfslinien = false;  // a tool button elsewhere
  schnell = true;
  emit menue.aboutToShow();
  EXPECT_FALSE(m.hilfslinien->isChecked());
  EXPECT_TRUE(m.schnellerRefresh->isChecked());
}

}  // namespace
}  // namespace quarzel
