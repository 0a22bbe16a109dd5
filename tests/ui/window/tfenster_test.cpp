// The main window, created offscreen: the empty sheet in the drawing area and
// the status panels.
//
// The main window's start: the configuration file named with "-i" sets the
// sheet, scale and undo depth, and the drawing named on the command line is
// opened right after the window is shown, or reported when missing.
#include "ui/window/tfenster.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QUuid>
#include <filesystem>

#include "support/ui/fensterhilfen.h"
#include "ui/qt/qtbenutzer.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"
#include "view/lineal.h"

namespace quarzel {
namespace {

constexpr QRgb kUmgebung = qRgb(232, 232, 232);
constexpr QRgb kWeiss = qRgb(255, 255, 255);

// Every test gets settings of its own, so that tests running side by side do
// not see each other's window geometry.
class TFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QApplication::setApplicationName(QStringLiteral("QuarzelTest-") + QUuid::createUuid().toString(QUuid::Id128));
    fenster = test::Testfenster(benutzer);
  }

  QtBenutzer benutzer;
  test::Testfenster fenster;

  static void zeigen(TFenster& f) { test::Fenstertest::zeigen(f); }
  static QImage bildschirm(TFenster& f) {
    return f.zeichenflaeche().grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  static void mausNach(Zeichenflaeche& z, QPointF p) {
    QMouseEvent e(QEvent::MouseMove, p, z.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&z, &e);
  }

  // The two numbers of "X: 1.23 m  Y: -4.56 m".
  static std::pair<double, double> koordinaten(TFenster& f) {
    static const QRegularExpression zahl(QStringLiteral("X: (-?[0-9.]+) m  Y: (-?[0-9.]+) m"));
    const auto t = zahl.match(f.statusleiste().koordinaten());
    EXPECT_TRUE(t.hasMatch()) << f.statusleiste().koordinaten().toStdString();
    return {t.captured(1).toDouble(), t.captured(2).toDouble()};
  }
};

TEST_F(TFensterTest, ZeichenflaecheZeigtDasLeereBlattGrauUmrandet) {
  TFenster& f = *fenster;
  ASSERT_TRUE(f.sitzung().startGelungen());
  zeigen(f);
  const Ansicht& a = f.sitzung().zeichnung.ansicht;
  EXPECT_EQ(a.areaWidth, f.zeichenflaeche().pixelBreite());
  EXPECT_EQ(a.areaHeight, f.zeichenflaeche().pixelHoehe());
  EXPECT_TRUE(a.layoutView);

  const QImage bild = bildschirm(f);
  ASSERT_EQ(bild.size(), QSize(a.areaWidth, a.areaHeight));
  // The start-up view is the whole sheet: it fits the area with a margin.
  const Pixelpunkt lo = a.worldToPixel(a.sheetLeft, a.sheetTop);
  const Pixelpunkt ru = a.worldToPixel(a.sheetLeft + a.sheetWidth, a.sheetTop + a.sheetHeight);
  EXPECT_GT(lo.x, 0);
  EXPECT_GT(lo.y, 0);
  EXPECT_LT(ru.x, a.areaWidth);
  EXPECT_LT(ru.y, a.areaHeight);
  EXPECT_GT(ru.x - lo.x, a.areaWidth * 0.8);  // and is not tiny either

  EXPECT_EQ(bild.pixel(2, 2), kUmgebung);
  EXPECT_EQ(bild.pixel(a.areaWidth - 3, a.areaHeight - 3), kUmgebung);
  EXPECT_EQ(bild.pixel(a.areaWidth / 2, a.areaHeight / 2), kWeiss);
  // The sheet border is dark.
  const QRgb rand = bild.pixel(int(std::lround(lo.x)), a.areaHeight / 2);
  EXPECT_LT(qGray(rand), 100);
}

TEST_F(TFensterTest, StatusleisteZeigtBlattMassstabUndKoordinaten) {
  TFenster& f = *fenster;
  zeigen(f);
  const Ansicht& a = f.sitzung().zeichnung.ansicht;
  EXPECT_EQ(f.statusleiste().blatt(), QStringLiteral("Blatt 1  %1*%2 mm").arg(a.sheetWidth).arg(a.sheetHeight));
  EXPECT_EQ(f.statusleiste().massstab(), QStringLiteral("M 1:100"));

  // At the zero point the user coordinates are 0; right of it X grows, below it Y falls.
  const Pixelpunkt null = a.worldToPixel(a.zeroPoint.x, a.zeroPoint.y);
  Zeichenflaeche& z = f.zeichenflaeche();
  const double dpr = z.devicePixelRatioF();
  mausNach(z, QPointF(null.x / dpr, null.y / dpr));
  auto [x0, y0] = koordinaten(f);
  const double proPixel = a.zoom * a.drawingScale * a.unitFactor;  // metres per pixel
  EXPECT_NEAR(x0, 0, proPixel + 0.01);
  EXPECT_NEAR(y0, 0, proPixel + 0.01);
  mausNach(z, QPointF((null.x + 100) / dpr, (null.y + 50) / dpr));
  auto [x1, y1] = koordinaten(f);
  EXPECT_NEAR(x1, 100 * proPixel, proPixel + 0.01);
  EXPECT_NEAR(y1, -50 * proPixel, proPixel + 0.01);
}

TEST_F(TFensterTest, DocksMachenDasFensterNichtHoeher) {
  TFenster& f = *fenster;
  f.resize(1000, 700);
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  for (QDockWidget* d : f.findChildren<QDockWidget*>()) d->show();
  QApplication::processEvents();
  EXPECT_EQ(f.height(), 700);
  EXPECT_EQ(f.width(), 1000);
}

TEST_F(TFensterTest, LinealZaehltWieDieKoordinaten) {
  TFenster& f = *fenster;
  zeigen(f);
  const Ansicht& a = f.sitzung().zeichnung.ansicht;
  const double massstab = f.sitzung().zeichnung.massstabInKraft();
  ASSERT_GT(massstab, 1) << "a scale that tells sheet and model apart";
  const auto striche = linealteilung(a, true, a.areaWidth, f.werkzeuge().fangeinstellungen().linealModell);
  int gefunden = 0;
  for (const Linealstrich& s : striche) {
    if (s.beschriftung.empty()) continue;
    // A label is the user X at its tick.
    const double x = a.worldToPixel(a.userToWorld(std::stod(s.beschriftung), 0, massstab).x, 0).x;
    EXPECT_NEAR(s.position, x, 0.5) << s.beschriftung;
    ++gefunden;
  }
  EXPECT_GT(gefunden, 1);
}

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

}  // namespace
}  // namespace quarzel
