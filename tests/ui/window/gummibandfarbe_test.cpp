// The rubber band of a figure in progress takes "Farbe beim Zeichnen von
// Objekten" from the display settings, at once and without a restart.
#include <gtest/gtest.h>

#include <QAction>
#include <QColor>
#include <QTest>

#include "fensterhilfen.h"
#include "ui/window/bildaufbau.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Gummibandfarbe : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
  }

  // Pixels of this colour on the screen while a line is being drawn. Over the
  // grey surroundings exclusive or shifts the shade a little, so one channel
  // must dominate rather than match exactly.
  // Each call starts elsewhere, so two calls never make a double click.
  int gummibandpixel(int wahl, int kanal) {
    const int y0 = 60 + 50 * aufrufe_++;
    f->sitzung().einstellungen.darstellung.objekte = wahl;
    darstellungAnwenden(f->sitzung(), f->zeichenflaeche(), f->werkzeuge());
    Zeichenflaeche& flaeche = f->zeichenflaeche();
    f->leisten().aktionFuer(1)->trigger();
    QTest::mouseClick(&flaeche, Qt::LeftButton, {}, QPoint(100, y0));
    QTest::mouseMove(&flaeche, QPoint(300, y0 + 30));
    const QImage sicht = flaeche.sichtbaresBild();
    QTest::keyClick(&flaeche, Qt::Key_Escape);
    int n = 0;
    for (int y = y0 - 5; y < y0 + 36; ++y)
      for (int x = 90; x < 310; ++x) {
        const QColor c = sicht.pixelColor(x, y);
        const int werte[3] = {c.red(), c.green(), c.blue()};
        bool passt = werte[kanal] > 200;
        for (int k = 0; k < 3; ++k) passt = passt && (k == kanal || werte[k] < 64);
        n += passt;
      }
    return n;
  }

  test::Testfenster f;
  int aufrufe_ = 0;
};

TEST_F(Gummibandfarbe, FolgtDerBildschirmdarstellung) {
  constexpr int rot = 0, blau = 2;
  EXPECT_GT(gummibandpixel(2, blau), 150) << "Blau";
  EXPECT_GT(gummibandpixel(0, rot), 150) << "Rot";
  EXPECT_EQ(gummibandpixel(3, rot), 0) << "Schwarz: no red left on the screen";
}

}  // namespace
}  // namespace quarzel
