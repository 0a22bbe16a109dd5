// The frame around the drawing area as the user meets it: scroll bars that
// follow every change of the view and move the view when dragged, and the
// rulers, switched by the menu and the snap bar's button as one state.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <cmath>

#include "view/ansicht.h"
#include "fensterhilfen.h"
#include "ui/tools/fangleiste.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/linealleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/zeichenflaeche.h"
#include "ui/window/zeichenrahmen.h"

namespace quarzel {
namespace {

class Ansichtsleistentest : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    linealzustandVergessen();
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
    rahmen = qobject_cast<Zeichenrahmen*>(f->centralWidget());
    ASSERT_NE(rahmen, nullptr);
    lineal = f->findChild<QAction*>(QStringLiteral("AktionLineal"));
    ASSERT_NE(lineal, nullptr);
    leiste = f->findChild<Fangleiste*>();
    ASSERT_NE(leiste, nullptr);
  }
  // The rulers' state is per user; no test may leave it to the next.
  void TearDown() override {
    f.reset();
    linealzustandVergessen();
  }
  static void linealzustandVergessen() {
    QSettings s;
    s.remove(QStringLiteral("Hauptfenster/Randlineale"));
  }

  Ansicht& ansicht() { return f->sitzung().zeichnung.ansicht; }
  Zeichenflaeche& flaeche() { return f->zeichenflaeche(); }
  QScrollBar& waagerecht() { return rahmen->waagerecht(); }
  QScrollBar& senkrecht() { return rahmen->senkrecht(); }
  bool linealeAn() { return f->werkzeuge().fangeinstellungen().randlineale; }

  // Both bars show exactly what the view says.
  void erwarteBalkenWieAnsicht() {
    const Rollbalken w = ansicht().rollbalkenWaagerecht();
    const Rollbalken s = ansicht().rollbalkenSenkrecht();
    EXPECT_EQ(waagerecht().value(), ansicht().viewOriginX);
    EXPECT_EQ(senkrecht().value(), ansicht().viewOriginY);
    EXPECT_EQ(waagerecht().pageStep(), w.seitengroesse);
    EXPECT_EQ(senkrecht().pageStep(), s.seitengroesse);
    EXPECT_EQ(waagerecht().singleStep(), w.kleineAenderung);
    EXPECT_EQ(waagerecht().maximum(), w.maximum);
    EXPECT_EQ(senkrecht().maximum(), s.maximum);
  }

  test::Testfenster f;
  Zeichenrahmen* rahmen = nullptr;
  QAction* lineal = nullptr;
  Fangleiste* leiste = nullptr;
};

// --- Scroll bars -------------------------------------------------------------

TEST_F(Ansichtsleistentest, BalkenZeigenDasGesamteBlattInMillimetern) {
  f->gesamtesBlatt();
  const Ansicht& a = ansicht();
  ASSERT_GT(a.areaWidth, 100);
  const int seite = static_cast<int>(Ansicht::nearest(a.areaWidth * a.zoom));
  EXPECT_EQ(waagerecht().pageStep(), seite);
  EXPECT_EQ(waagerecht().singleStep(), static_cast<int>(Ansicht::nearest(seite / 8.0 + 1)));
  EXPECT_EQ(waagerecht().maximum(), a.WorldWidth - seite) << "the last page ends at the world's edge";
  EXPECT_EQ(waagerecht().value(), a.viewOriginX);
  EXPECT_EQ(senkrecht().pageStep(), static_cast<int>(Ansicht::nearest(a.areaHeight * a.zoom)));
  EXPECT_EQ(senkrecht().value(), a.viewOriginY);
}

TEST_F(Ansichtsleistentest, BalkenFolgenZoomZentrierenUndTasten) {
  const int seiteVorher = waagerecht().pageStep();
  f->vergroessern();
  EXPECT_NEAR(waagerecht().pageStep(), seiteVorher / 1.414, 1.0);
  erwarteBalkenWieAnsicht();
  f->zentriere(5000, 5000);
  erwarteBalkenWieAnsicht();
  const std::int32_t x = ansicht().viewOriginX;
  QTest::keyClick(&flaeche(), Qt::Key_Right);
  ASSERT_NE(ansicht().viewOriginX, x) << "the arrow key scrolls";
  erwarteBalkenWieAnsicht();
  f->verkleinern();
  erwarteBalkenWieAnsicht();
}

TEST_F(Ansichtsleistentest, BalkenFolgenRadUndMittlererTaste) {
  const QPoint c(300, 200);
  QWheelEvent rad(QPointF(c), flaeche().mapToGlobal(QPointF(c)), {}, QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
  QApplication::sendEvent(&flaeche(), &rad);
  erwarteBalkenWieAnsicht();
  const std::int32_t x0 = ansicht().viewOriginX;
  QTest::mousePress(&flaeche(), Qt::MiddleButton, {}, QPoint(300, 300));
  QMouseEvent zug(QEvent::MouseMove, QPointF(200, 250), flaeche().mapToGlobal(QPointF(200, 250)), Qt::NoButton,
                  Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(&flaeche(), &zug);
  QTest::mouseRelease(&flaeche(), Qt::MiddleButton, {}, QPoint(200, 250));
  ASSERT_NE(ansicht().viewOriginX, x0);
  erwarteBalkenWieAnsicht();
}

TEST_F(Ansichtsleistentest, ProgrammGesetzteWerteBewegenDieAnsichtNichtNochEinmal) {
  const int bilder = flaeche().bildzaehler();
  f->zentriere(4000, 6000);
  EXPECT_EQ(flaeche().bildzaehler(), bilder + 1) << "setting the bars must not scroll and redraw again";
  const std::int32_t x = ansicht().viewOriginX;
  f->zentriere(4000, 6000);
  EXPECT_EQ(ansicht().viewOriginX, x);
}

TEST_F(Ansichtsleistentest, SchiebenSetztDenUrsprungUndZeichnetNeu) {
  f->vergroessern();
  const std::int32_t x = ansicht().viewOriginX, y = ansicht().viewOriginY;
  const int bilder = flaeche().bildzaehler();
  waagerecht().setValue(x + 37);
  EXPECT_EQ(ansicht().viewOriginX, x + 37);
  EXPECT_EQ(flaeche().bildzaehler(), bilder + 1);
  senkrecht().setValue(y - 12);
  EXPECT_EQ(ansicht().viewOriginY, y - 12);
  EXPECT_EQ(waagerecht().value(), x + 37) << "the redraw keeps the bar where the user put it";
}

TEST_F(Ansichtsleistentest, KlickInDieRinneRolltEineViertelseite) {
  f->vergroessern();
  f->zentriere(5000, 5000);
  const Rollbalken r = ansicht().rollbalkenWaagerecht();
  const std::int32_t x = ansicht().viewOriginX;
  waagerecht().triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(ansicht().viewOriginX, x + r.grosseAenderung);
  waagerecht().triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(ansicht().viewOriginX, x);
  waagerecht().triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(ansicht().viewOriginX, x + r.kleineAenderung);
}

// --- Rulers ------------------------------------------------------------------

TEST_F(Ansichtsleistentest, MenueUndKnopfSchaltenDieLinealeGemeinsam) {
  ASSERT_FALSE(linealeAn());
  EXPECT_FALSE(rahmen->linealOben().isVisible());
  EXPECT_EQ(lineal->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));

  lineal->trigger();
  EXPECT_TRUE(linealeAn());
  EXPECT_TRUE(leiste->randlinealknopf()->isChecked());
  EXPECT_TRUE(rahmen->linealOben().isVisible());
  EXPECT_TRUE(rahmen->linealLinks().isVisible());

  leiste->randlinealknopf()->trigger();
  EXPECT_FALSE(linealeAn());
  EXPECT_FALSE(lineal->isChecked());
  EXPECT_FALSE(rahmen->linealOben().isVisible());

  leiste->randlinealknopf()->trigger();
  EXPECT_TRUE(lineal->isChecked());
  EXPECT_TRUE(rahmen->linealLinks().isVisible());
}

TEST_F(Ansichtsleistentest, LinealzustandKommtBeimNaechstenStartWieder) {
  lineal->trigger();
  ASSERT_TRUE(linealeAn());
  f.reset();
  f = fenster(mitIni());
  zeigen(*f);
  EXPECT_TRUE(f->werkzeuge().fangeinstellungen().randlineale);
  auto* neu = qobject_cast<Zeichenrahmen*>(f->centralWidget());
  ASSERT_NE(neu, nullptr);
  EXPECT_TRUE(neu->linealOben().isVisible());
  EXPECT_TRUE(f->findChild<Fangleiste*>()->randlinealknopf()->isChecked());
}

TEST_F(Ansichtsleistentest, LinealeNehmenDerFlaechePlatzUndDieAnsichtFolgt) {
  const int breite = ansicht().areaWidth;
  lineal->trigger();
  QApplication::processEvents();
  EXPECT_EQ(ansicht().areaWidth, breite - Linealleiste::kDicke) << "the area gave the left ruler its room";
  EXPECT_EQ(rahmen->linealOben().width(), flaeche().width()) << "the top ruler spans the area exactly";
}

TEST_F(Ansichtsleistentest, LinealZeigtStricheUndDieCursorlinie) {
  lineal->trigger();
  QApplication::processEvents();
  QTest::mouseMove(&flaeche(), QPoint(123, 77));
  const QImage oben = rahmen->linealOben().bild();
  int dunkel = 0;
  for (int x = 0; x < oben.width(); ++x) dunkel += qGray(oben.pixel(x, oben.height() - 2)) < 100;
  EXPECT_GT(dunkel, 10) << "ticks along the edge facing the area";
  EXPECT_EQ(oben.pixel(123, 2), qRgb(0, 0, 255)) << "the cursor line at the cursor's column";
  EXPECT_EQ(rahmen->linealLinks().bild().pixel(2, 77), qRgb(0, 0, 255));
  QEvent weg(QEvent::Leave);
  QApplication::sendEvent(&flaeche(), &weg);
  EXPECT_FALSE(rahmen->linealOben().cursor().has_value());
}

TEST_F(Ansichtsleistentest, OhneFangmodusRundenSichtbareLinealeDenPunkt) {
  Fangeinstellungen& e = f->werkzeuge().fangeinstellungen();
  e.modi = 0;
  e.raster = false;
  f->leisten().aktionFuer(1)->trigger();
  QTest::mouseMove(&flaeche(), QPoint(201, 151));
  EXPECT_FALSE(flaeche().fangmarke().has_value()) << "no rulers, nothing to round to";
  lineal->trigger();
  QApplication::processEvents();
  QTest::mouseMove(&flaeche(), QPoint(203, 152));
  EXPECT_EQ(flaeche().fangmarke(), Fangart::Lineal);
}

// --- Layout ------------------------------------------------------------------

TEST_F(Ansichtsleistentest, FangleisteHatBeiDerStartgroesseIhrenGanzenPlatz) {
  // Every button of the snap bar is on screen, none in the overflow menu.
  for (QAction* a : leiste->actions()) {
    if (a->isSeparator()) continue;
    QWidget* knopf = leiste->widgetForAction(a);
    ASSERT_NE(knopf, nullptr) << a->text().toStdString();
    EXPECT_TRUE(knopf->isVisible()) << a->text().toStdString();
  }
}

}  // namespace
}  // namespace quarzel
