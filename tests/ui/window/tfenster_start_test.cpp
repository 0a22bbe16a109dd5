// The main window's start: the configuration file named with "-i" sets the
// sheet, scale and undo depth, and the drawing named on the command line is
// opened right after the window is shown, reported when missing, and left
// alone when its extension opens nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <filesystem>

#include "fensterhilfen.h"
#include "ui/window/dateibefehle.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/programmstart.h"
#include "ui/window/statusleiste.h"

namespace quarzel {
namespace {

class FensterStart : public ::testing::Test, public test::Fenstertest {};

TEST_F(FensterStart, IniDateiBestimmtBlattMassstabUndUndotiefe) {
  schreibeDatei("quarzel.ini",
                "[Projektoptionen]\nvarBlattformatBreite:=420\nvarBlattformatHöhe:=297\nMaßstab=50\n"
                "[Undoschritte]\nAnzahl=10\n");
  auto f = fenster(mitIni());
  ASSERT_TRUE(f->sitzung().startGelungen());
  zeigen(*f);
  EXPECT_EQ(f->statusleiste().blatt(), QStringLiteral("Blatt 1  420*297 mm"));
  EXPECT_EQ(f->statusleiste().massstab(), QStringLiteral("M 1:50"));
  EXPECT_EQ(f->sitzung().zeichnung.speicher.undoTiefe, 10);
  EXPECT_EQ(f->sitzung().konfiguration.dateiname(), std::filesystem::path(ini()));
  EXPECT_TRUE(benutzer.meldungen.empty()) << benutzer.letzteMeldung();
}

TEST_F(FensterStart, OhneIniDateiGeltenDieVorgaben) {
  auto f = fenster(mitIni());  // named, but not there
  zeigen(*f);
  EXPECT_EQ(f->statusleiste().blatt(), QStringLiteral("Blatt 1  390*270 mm"));
  EXPECT_EQ(f->statusleiste().massstab(), QStringLiteral("M 1:100"));
  EXPECT_EQ(f->sitzung().zeichnung.speicher.undoTiefe, 100);
}

TEST_F(FensterStart, UnbrauchbareWerteGebenDieVorgaben) {
  schreibeDatei("quarzel.ini", "[Projektoptionen]\nvarBlattformatBreite:=99999999\nMaßstab=-3\nFaktor=abc\n");
  auto f = fenster(mitIni());
  ASSERT_TRUE(f->sitzung().startGelungen());
  zeigen(*f);
  EXPECT_EQ(f->statusleiste().blatt(), QStringLiteral("Blatt 1  390*270 mm"));
  EXPECT_EQ(f->statusleiste().massstab(), QStringLiteral("M 1:100"));
  EXPECT_TRUE(benutzer.meldungen.empty()) << benutzer.letzteMeldung();
}

TEST_F(FensterStart, ZeichnungAusDerBefehlszeileWirdGeoeffnet) {
  const std::string plan = schreibeZeichnung("plan.QZZ", 3);
  auto f = fenster(mitIni({plan}));
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 0) << "only after the window is shown";
  zeigen(*f);
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 3);
  EXPECT_EQ(f->sitzung().zeichnung.dateiname, plan);
  EXPECT_TRUE(f->windowTitle().startsWith(QStringLiteral("plan.QZZ[*]"))) << f->windowTitle().toStdString();
  EXPECT_FALSE(f->isWindowModified());
  // The file went to the top of the recent files, in the menu and the file.
  ASSERT_TRUE(f->menue().zuletzt[0]->isVisible());
  EXPECT_EQ(f->menue().zuletzt[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(plan));
  EXPECT_FALSE(f->menue().zuletzt[1]->isVisible());
  EXPECT_EQ(f->sitzung().konfiguration.openSettings().ini().leseText("Dateien", "Datei1", ""), plan);
}

TEST_F(FensterStart, EndungenZaehlenOhneGrossKleinschreibung) {
  const std::string bak = schreibeZeichnung("plan.bak", 2);
  auto f = fenster(mitIni({bak}));
  zeigen(*f);
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 2);
}

TEST_F(FensterStart, AndereEndungOeffnetNichts) {
  const std::string text = schreibeZeichnung("plan.txt", 2);
  auto f = fenster(mitIni({text}));
  zeigen(*f);
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 0);
  EXPECT_TRUE(f->isVisible());
  EXPECT_TRUE(benutzer.meldungen.empty()) << benutzer.letzteMeldung();
}

TEST_F(FensterStart, ImportdateiBekommtEineKlareMeldung) {
  const std::string ruz = schreibeDatei("alt.RUZ", "RUZ");
  auto f = fenster(mitIni({ruz}));
  zeigen(*f);
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 0);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(benutzer.letzteMeldung(), meldungImportFehlt(ruz));
  EXPECT_NE(benutzer.letzteMeldung().find("RUZ-Dateien"), std::string::npos);
}

TEST_F(FensterStart, FehlendeDateiWirdGemeldetUndDasLeereBlattBleibt) {
  const std::string fehlt = pfad("gibtsnicht.QZZ");
  auto f = fenster(mitIni({fehlt}));
  f->show();
  QApplication::processEvents();
  EXPECT_EQ(benutzer.letzteMeldung(), "Die Datei " + fehlt + " wurde nicht gefunden.");
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 0);
  EXPECT_TRUE(f->sitzung().zeichnung.dateiname.empty());
}

TEST_F(FensterStart, KaputteStartdateiLaesstDasLeereBlatt) {
  const std::string kaputt = schreibeDatei("kaputt.QZZ", "kein Plan");
  auto f = fenster(mitIni({kaputt}));
  zeigen(*f);
  EXPECT_EQ(benutzer.letzteMeldung(), "Datei enthält keine gültige Zeichnung oder ist defekt!");
  EXPECT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 0);
  EXPECT_TRUE(f->sitzung().zeichnung.dateiname.empty());
  EXPECT_TRUE(f->isVisible());
}

TEST_F(FensterStart, GespeicherteSichtWirdBeimOeffnenUebernommen) {
  // Save a drawing while zoomed in: it opens with that view, not the whole sheet.
  std::string plan;
  double gespeichert = 0;
  {
    auto f = fenster(mitIni());
    zeigen(*f);
    f->vergroessern();
    f->vergroessern();
    gespeichert = f->sitzung().zeichnung.ansicht.zoom;
    benutzer.dateinamen.push_back(pfad("sicht.QZZ"));
    f->speichernUnter();
    plan = f->sitzung().zeichnung.dateiname;
  }
  auto g = fenster(mitIni({plan}));
  zeigen(*g);
  EXPECT_DOUBLE_EQ(g->sitzung().zeichnung.ansicht.zoom, gespeichert);
}

TEST_F(FensterStart, ZeichnungOhneBrauchbareSichtZeigtDasGanzeBlatt) {
  // Written without a window: its saved view shows the sheet as a dot.
  const std::string plan = schreibeZeichnung("ohneFenster.QZZ", 1);
  auto f = fenster(mitIni({plan}));
  zeigen(*f);
  ASSERT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 1);
  Ansicht ganz = f->sitzung().zeichnung.ansicht;
  ganz.gesamtesBlatt();
  EXPECT_DOUBLE_EQ(f->sitzung().zeichnung.ansicht.zoom, ganz.zoom);
  EXPECT_EQ(f->sitzung().zeichnung.ansicht.viewOriginX, ganz.viewOriginX);
}

}  // namespace
}  // namespace quarzel
