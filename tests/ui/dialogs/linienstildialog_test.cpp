// The dialog "Linienstile" offscreen: the ten check boxes per section map to
// the section codes, simple patterns keep their lengths, names change, the
// group buttons switch the available styles, and pattern files round-trip.
#include "ui/dialogs/linienstildialog.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include "styles/linienstilstart.h"
#include "einstellungshilfen.h"
#include "ui/window/fensterhilfen.h"
#include "platform/skriptbenutzer.h"
#include "ui/window/einstellungsbefehle.h"

namespace quarzel {
namespace {

class Linienstildialog : public ::testing::Test {
 protected:
  Linienstildialog()
      : umgebung([this](std::string_view name) -> std::optional<std::string> {
          if (name == "QUARZEL_DATA_DIR") return ordner.filePath(QStringLiteral("programm")).toStdString();
          if (name == "XDG_DATA_HOME") return ordner.filePath(QStringLiteral("benutzer")).toStdString();
          if (name == "HOME") return ordner.path().toStdString();
          return std::nullopt;
        }) {}

  std::string pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)).toStdString(); }

  QTemporaryDir ordner;
  Umgebung umgebung;
  SkriptBenutzer benutzer;
  Linienstiltabelle tabelle;
  Linienstilauswahl auswahl;
};

TEST(Abschnittscode, KaestchenUndCodeEntsprechenEinander) {
  // Every byte a pattern file can hold comes back unchanged through the dialog.
  for (int code = 0; code < 256; ++code) {
    EXPECT_EQ(abschnittscodeAus(abschnittswahlAus(static_cast<std::uint8_t>(code))), code) << code;
  }
  Abschnittswahl nurFuellung{};
  nurFuellung[9] = true;
  EXPECT_EQ(abschnittscodeAus(nurFuellung), 0);  // nothing to fill
  const Abschnittswahl gefuelltesQuadrat = abschnittswahlAus(33);
  EXPECT_TRUE(gefuelltesQuadrat[6]);
  EXPECT_TRUE(gefuelltesQuadrat[9]);
  EXPECT_FALSE(gefuelltesQuadrat[0]);
}

TEST_F(Linienstildialog, KomplexesMusterAusKaestchenUndAbschnittslaenge) {
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  d.komplexesMuster()->setCurrentIndex(2);
  d.kaestchen(0, 6)->setChecked(true);  // "Quadrat"
  d.kaestchen(0, 9)->setChecked(true);  // "Füllung"
  d.kaestchen(1, 1)->setChecked(true);  // "kurze Linie"
  d.kaestchen(1, 2)->setChecked(true);  // "lange Linie" takes its place
  EXPECT_FALSE(d.kaestchen(1, 1)->isChecked());
  d.abschnittsart()->button(1)->click();
  d.abschnittslaenge()->setValue(2.5);
  d.komplexesMuster()->setCurrentIndex(0);  // the edits are kept when switching

  const KomplexesMuster m = d.tabelle().komplex[2];
  EXPECT_EQ(m.section[0], 33);
  EXPECT_EQ(m.section[1], 2);
  EXPECT_EQ(m.section[2], 0);
  EXPECT_EQ(m.fixedSection, 1);
  EXPECT_DOUBLE_EQ(m.sectionLength, 2.5);
  EXPECT_EQ(d.tabelle().komplex[0], tabelle.komplex[0]);
}

TEST_F(Linienstildialog, EinfachesMusterMitAnzahlLaengenUndDxfTyp) {
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  d.reiter()->setCurrentIndex(1);
  d.einfachesMuster()->setCurrentIndex(1);
  d.strichanzahl()->setValue(4);
  const double laengen[] = {5, 2, 0, 2};
  for (int i = 0; i < 4; ++i) d.strich(i)->setValue(laengen[i]);
  d.dxfTyp()->setValue(3);
  const EinfachesMuster m = d.tabelle().einfach[1];
  EXPECT_EQ(m.muster.dashCount, 4);
  EXPECT_DOUBLE_EQ(m.muster.dashPeriod, 9);
  EXPECT_DOUBLE_EQ(m.muster.dash[2], 0);
  EXPECT_EQ(m.dxfLineType, 3);
}

TEST_F(Linienstildialog, UmbenennenFragtNachDemNamen) {
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  benutzer.eingaben.push_back("Mauerwerk");
  d.umbenennen();
  EXPECT_EQ(d.tabelle().komplex[0].name, "Mauerwerk");
  EXPECT_EQ(d.komplexesMuster()->itemText(0), QStringLiteral("Mauerwerk"));
  // A name over several lines would break the pattern file.
  benutzer.eingaben.push_back("a\nb");
  d.umbenennen();
  EXPECT_EQ(d.tabelle().komplex[0].name, "Mauerwerk");
  benutzer.eingaben.push_back(std::nullopt);
  d.reiter()->setCurrentIndex(1);
  d.umbenennen();
  EXPECT_EQ(d.tabelle().einfach[0].name, tabelle.einfach[0].name);
}

TEST_F(Linienstildialog, GruppenknoepfeSchaltenDieVerfuegbarenStile) {
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  EXPECT_EQ(d.verfuegbar()->count(), static_cast<int>(Linienstilauswahl::liste().size()));
  d.gruppenknopf(QStringLiteral("Alle aus"));
  d.gruppenknopf(QStringLiteral("Komplexe an"));
  std::vector<int> erwartet;
  for (int s = 12; s <= 31; ++s) erwartet.push_back(s);
  EXPECT_EQ(d.auswahl().angeboteneStile(), erwartet);

  // A check mark set by hand survives the next group button.
  d.verfuegbar()->item(0)->setCheckState(Qt::Checked);
  d.gruppenknopf(QStringLiteral("Einfache an"));
  const std::vector<int> an = d.auswahl().angeboteneStile();
  EXPECT_EQ(an.front(), Linienstilauswahl::liste()[0]);
  EXPECT_EQ(an.size(), 1u + 20u + 20u);
}

TEST_F(Linienstildialog, SpeichernUndLadenStellenDieMusterWiederHer) {
  tabelle.komplex[4].name = "Zaun";
  tabelle.komplex[4].section[0] = 128;
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  benutzer.dateinamen.push_back(pfad("eigene.tlm"));
  d.speichern();

  benutzer.eingaben.push_back("anders");
  d.komplexesMuster()->setCurrentIndex(4);
  d.umbenennen();
  d.kaestchen(0, 8)->setChecked(false);

  // Answered no: nothing is asked further and nothing changes.
  benutzer.antworten.push_back(Antwort::Nein);
  d.laden();
  EXPECT_EQ(d.tabelle().komplex[4].name, "anders");

  benutzer.antworten.push_back(Antwort::Ja);
  benutzer.dateinamen.push_back(pfad("eigene.tlm"));
  d.laden();
  EXPECT_EQ(d.tabelle().komplex[4].name, "Zaun");
  EXPECT_EQ(d.tabelle().komplex[4].section[0], 128);
  EXPECT_TRUE(d.kaestchen(0, 8)->isChecked());
  // The warning comes before the file dialog.
  ASSERT_GE(benutzer.fragen.size(), 2u);
  EXPECT_EQ(benutzer.fragen[benutzer.fragen.size() - 2].rfind("Laden neuer Linienmuster", 0), 0u);
}

TEST_F(Linienstildialog, DateiOhneMusterWirdNichtGelesen) {
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  const std::string kaputt = pfad("kaputt.tlm");
  FILE* f = std::fopen(kaputt.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("kein Muster\n1\n2\n", f);
  std::fclose(f);
  benutzer.antworten.push_back(Antwort::Ja);
  benutzer.dateinamen.push_back(kaputt);
  d.laden();
  EXPECT_EQ(d.tabelle(), tabelle);
  EXPECT_EQ(benutzer.meldungen.size(), 1u);
}

TEST_F(Linienstildialog, AlsStandardSchreibtDieStandardmuster) {
  TLinienstile d(tabelle, auswahl, benutzer, umgebung);
  benutzer.eingaben.push_back("Hecke");
  d.umbenennen();
  ASSERT_TRUE(d.alsStandard());
  Linienstiltabelle gelesen;
  EXPECT_TRUE(ladeLinienstileBeimStart(gelesen, umgebung).standardTlm);
  EXPECT_EQ(gelesen.komplex[0].name, "Hecke");
}

TEST(LinienstileImFenster, OkUebernimmtMusterInDieZeichnungUndDieStilauswahl) {
  test::Fenstertest t;
  auto fenster = t.fenster(t.mitIni());
  test::imDialog<TLinienstile>([](TLinienstile& d) {
    d.gruppenknopf(QStringLiteral("Alle aus"));
    d.gruppenknopf(QStringLiteral("Einfache an"));
    d.reiter()->setCurrentIndex(1);
    d.einfachesMuster()->setCurrentIndex(3);
    d.strichanzahl()->setValue(2);
    d.strich(0)->setValue(8);
    d.strich(1)->setValue(4);
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Linienstile...")->trigger();
  const Zeichnung& z = fenster->sitzung().zeichnung;
  EXPECT_DOUBLE_EQ(z.linienstile.einfach[3].muster.dashPeriod, 12);
  auto* picker = fenster->findChild<QComboBox*>(QStringLiteral("Linienstil"));
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->count(), 20);
  EXPECT_EQ(picker->itemData(0).toInt(), linienstil::kErsterEinfacher);
}

}  // namespace
}  // namespace quarzel
