// The scroll bars around the drawing area: they follow every change of the
// view and move the view when dragged.
#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

#include "support/ui/fensterhilfen.h"
#include "ui/tools/fangleiste.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/linealleiste.h"
#include "ui/window/zeichenflaeche.h"
#include "ui/window/zeichenrahmen.h"
#include "view/ansicht.h"

namespace quarzel {
namespace {

class Ansichtsleistentest : public test::Fensterfixture {
 protected:
  void SetUp() override {
    linealzustandVergessen();
    Fensterfixture::SetUp();
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
  QScrollBar& waagerecht() { return rahmen->waagerecht(); }
  QScrollBar& senkrecht() { return rahmen->senkrecht(); }

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

  Zeichenrahmen* rahmen = nullptr;
  QAction* lineal = nullptr;
  Fangleiste* leiste = nullptr;
};

// --- Scroll bars -------------------------------------------------------------

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

}  // namespace
}  // namespace quarzel
