// The main window, created offscreen: its menus, the empty sheet in the
// drawing area, the view commands, the status panels and the saved geometry.
#include "ui/window/tfenster.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QUuid>

#include "ui/tools/koordinatenpanel.h"
#include "fensterhilfen.h"
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
  }

  QtBenutzer benutzer;

  static void zeigen(TFenster& f) {
    f.resize(800, 600);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QApplication::processEvents();
  }

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

TEST_F(TFensterTest, MenueHatDieDeutschenEintraegeUndTasten) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
  const Hauptmenue& m = f.menue();
  EXPECT_EQ(m.beenden->text(), QStringLiteral("&Beenden"));
  EXPECT_EQ(m.vergroessern->text(), QStringLiteral("Vergrößern"));
  EXPECT_EQ(m.verkleinern->text(), QStringLiteral("Verkleinern"));
  EXPECT_EQ(m.gesamtesBlatt->text(), QStringLiteral("Gesamtes Blatt"));
  EXPECT_EQ(m.blattDarstellen->text(), QStringLiteral("Blatt darstellen"));
  EXPECT_EQ(m.vergroessern->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
  EXPECT_EQ(m.verkleinern->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
  EXPECT_EQ(m.gesamtesBlatt->shortcut(), QKeySequence(Qt::Key_Home));
  EXPECT_EQ(m.blattDarstellen->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
  EXPECT_TRUE(m.blattDarstellen->isCheckable());
}

TEST_F(TFensterTest, ZeichenflaecheZeigtDasLeereBlattGrauUmrandet) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
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

TEST_F(TFensterTest, BlattDarstellenAusLaesstDieUmgebungWeiss) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
  zeigen(f);
  f.menue().blattDarstellen->trigger();
  EXPECT_FALSE(f.sitzung().zeichnung.ansicht.layoutView);
  QApplication::processEvents();
  EXPECT_EQ(bildschirm(f).pixel(2, 2), kWeiss);
  f.menue().blattDarstellen->trigger();
  EXPECT_TRUE(f.sitzung().zeichnung.ansicht.layoutView);
  EXPECT_EQ(bildschirm(f).pixel(2, 2), kUmgebung);
}

TEST_F(TFensterTest, ZoomMenueVeraendertDieAnsichtUndGesamtesBlattStelltSieWiederHer) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
  zeigen(f);
  const Ansicht& a = f.sitzung().zeichnung.ansicht;
  const double start = a.zoom;
  const Weltpunkt mitte = a.bereichsmitte();
  f.menue().vergroessern->trigger();
  EXPECT_NEAR(a.zoom, start / 1.414, 1e-12);
  EXPECT_NEAR(a.bereichsmitte().x, mitte.x, 1.0) << "zooming keeps the centre";
  f.menue().verkleinern->trigger();
  f.menue().verkleinern->trigger();
  EXPECT_NEAR(a.zoom, start * 1.414, 1e-9);
  f.menue().gesamtesBlatt->trigger();
  EXPECT_DOUBLE_EQ(a.zoom, start);

  // The picture follows: zoomed in, the sheet fills the whole area.
  for (int i = 0; i < 3; ++i) f.menue().vergroessern->trigger();
  const QImage bild = bildschirm(f);
  EXPECT_EQ(bild.pixel(2, 2), kWeiss);
}

TEST_F(TFensterTest, StatusleisteZeigtBlattMassstabUndKoordinaten) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
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

TEST_F(TFensterTest, GroessenaenderungGehtInDieAnsicht) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
  zeigen(f);
  const double zoom = f.sitzung().zeichnung.ansicht.zoom;
  f.resize(640, 480);
  QApplication::processEvents();
  EXPECT_EQ(f.sitzung().zeichnung.ansicht.areaWidth, f.zeichenflaeche().pixelBreite());
  EXPECT_EQ(f.sitzung().zeichnung.ansicht.areaHeight, f.zeichenflaeche().pixelHoehe());
  EXPECT_DOUBLE_EQ(f.sitzung().zeichnung.ansicht.zoom, zoom) << "only the start-up fits the sheet";
  EXPECT_EQ(bildschirm(f).size(),
            QSize(f.sitzung().zeichnung.ansicht.areaWidth, f.sitzung().zeichnung.ansicht.areaHeight));
}

TEST_F(TFensterTest, DocksMachenDasFensterNichtHoeher) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
  f.resize(1000, 700);
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  for (QDockWidget* d : f.findChildren<QDockWidget*>()) d->show();
  QApplication::processEvents();
  EXPECT_EQ(f.height(), 700);
  EXPECT_EQ(f.width(), 1000);
}

TEST_F(TFensterTest, LinealZaehltWieDieKoordinaten) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
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

TEST_F(TFensterTest, FenstergroesseWirdGespeichertUndWiederhergestellt) {
  {
    test::Testfenster f_(benutzer);
    TFenster& f = *f_;
    zeigen(f);
    f.resize(1100, 760);
    QApplication::processEvents();
    f.close();
  }
  test::Testfenster zweites_(benutzer);
  TFenster& zweites = *zweites_;
  EXPECT_EQ(zweites.size(), QSize(1100, 760));
}

TEST_F(TFensterTest, BeendenSchliesstDasFenster) {
  test::Testfenster f_(benutzer);
  TFenster& f = *f_;
  zeigen(f);
  f.menue().beenden->trigger();
  EXPECT_FALSE(f.isVisible());
}

}  // namespace
}  // namespace quarzel
