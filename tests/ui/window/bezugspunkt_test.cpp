// The reference point of a tool in progress belongs to the drawing, not to the
// screen: every way of zooming and scrolling keeps its marker on its world
// point, and a relative point typed afterwards starts from there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"
#include "ui/window/zeichenrahmen.h"

namespace quarzel {
namespace {

class Bezugspunkt : public test::Fensterfixture {
 protected:
  void SetUp() override {
    Fensterfixture::SetUp();
    rahmen = qobject_cast<Zeichenrahmen*>(f->centralWidget());
    ASSERT_NE(rahmen, nullptr);
  }
  const Ansicht& ansicht() { return f->sitzung().zeichnung.ansicht; }
  void taste(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(&flaeche(), k, m); }

  Zeichenrahmen* rahmen = nullptr;
};

TEST_F(Bezugspunkt, BleibtBeiJedemZoomenUndRollenAufSeinemWeltpunkt) {
  for (int i = 0; i < 3; ++i) f->vergroessern();
  f->zentriere(5000, 5000);
  waehle(wz(1));
  klick({260, 180});
  const Werkzeugzustand& z = f->werkzeuge().steuerung().zustand();
  ASSERT_EQ(z.punkte.size(), 1u);
  const Weltpunkt start = z.punkte.front();

  const struct {
    const char* wie;
    std::function<void()> tue;
  } aenderungen[] = {
      {"Pfeiltaste", [&] { taste(Qt::Key_Right); }},
      {"Ziffernblock 7", [&] { taste(Qt::Key_7, Qt::KeypadModifier); }},
      {"Rollbalken waagerecht", [&] { rahmen->waagerecht().setValue(rahmen->waagerecht().value() + 25); }},
      {"Rollbalken senkrecht", [&] { rahmen->senkrecht().setValue(rahmen->senkrecht().value() - 40); }},
      {"Mausrad",
       [&] {
         const QPointF c(300, 200);
         QWheelEvent rad(c, flaeche().mapToGlobal(c), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
         QApplication::sendEvent(&flaeche(), &rad);
       }},
      {"Menü Vergrößern", [&] { f->vergroessern(); }},
      {"Menü Verkleinern", [&] { f->verkleinern(); }},
      {"Ziffernblock +", [&] { taste(Qt::Key_Plus, Qt::KeypadModifier); }},
      {"Ziffernblock -", [&] { taste(Qt::Key_Minus, Qt::KeypadModifier); }},
  };
  for (const auto& a : aenderungen) {
    const double zoom = ansicht().zoom;
    const std::int32_t x = ansicht().viewOriginX, y = ansicht().viewOriginY;
    a.tue();
    QApplication::processEvents();
    EXPECT_TRUE(zoom != ansicht().zoom || x != ansicht().viewOriginX || y != ansicht().viewOriginY)
        << a.wie << ": the view did not change";
    const std::optional<QPointF> marke = flaeche().bezugspunkt();
    ASSERT_TRUE(marke) << a.wie;
    const Pixelpunkt soll = ansicht().worldToPixel(start.x, start.y);
    EXPECT_NEAR(marke->x(), soll.x, 1e-6) << a.wie;
    EXPECT_NEAR(marke->y(), soll.y, 1e-6) << a.wie;
  }

  // 2 m right and 1 m up of the first point (relative, at 1:100).
  f->leisten().numerischeEingabe->trigger();
  QApplication::processEvents();
  Koordinatenpanel& p = f->werkzeuge().panel();
  p.feld(1, false)->setText(QStringLiteral("2"));
  p.feld(1, true)->setText(QStringLiteral("1"));
  ASSERT_TRUE(p.ok());
  ASSERT_EQ(f->sitzung().zeichnung.speicher.anzahl(), 1);
  const Tliniendaten& l = f->sitzung().zeichnung.speicher.linie(1);
  EXPECT_NEAR(l.x1, start.x, 1e-9);
  EXPECT_NEAR(l.y1, start.y, 1e-9);
  EXPECT_NEAR(l.x2, start.x + 20, 1e-9);
  EXPECT_NEAR(l.y2, start.y - 10, 1e-9);
}

}  // namespace
}  // namespace quarzel
