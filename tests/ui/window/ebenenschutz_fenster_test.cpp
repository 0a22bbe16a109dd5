// Protection of layers and sublayers as the user meets it in the window: the
// elements of a protected layer or sublayer cannot be marked with the mouse
// (click or frame) nor stay marked after marking everything, and so moving,
// turning and deleting pass them by.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <vector>

#include "edit/bearbeitungswerkzeuge.h"
#include "support/ui/fensterhilfen.h"
#include "support/speicherhilfen.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Ebenenschutz : public test::Fensterfixture {
 protected:
  void SetUp() override {
    Fensterfixture::SetUp();
    Zeichnung& z = f->sitzung().zeichnung;
    z.ebenen.fuegeEbeneAn("Bestand");
    z.ebenen.fuegeFolieAn(2, "");
    z.ebenen.fuegeFolieAn(1, "Möbel");
    // Three horizontal lines 60 pixels apart in the middle of the area: on
    // layer 1, on layer 2 and on sublayer 2 of layer 1.
    frei = linieBeiZeile(200, 1, 1);
    ebeneGeschuetzt = linieBeiZeile(260, 2, 1);
    folieGeschuetzt = linieBeiZeile(320, 1, 2);
    z.ebenen.setzeAnzeigezustand(2, 1);
    z.ebenen.setzeFolienzustand(1, 2, 2);
    ASSERT_TRUE(z.ebenen.geschuetzt(2, 1));
    ASSERT_TRUE(z.ebenen.geschuetzt(1, 2));
    f->Figurzeichnen();
  }

  Zeichnung& z() { return f->sitzung().zeichnung; }

  std::int32_t linieBeiZeile(double y, std::uint8_t ebene, std::uint8_t folie) {
    const Ansicht& a = z().ansicht;
    const Weltpunkt p = a.pixelToWorld(200, y), q = a.pixelToWorld(400, y);
    const std::int32_t n = test::linie(z().speicher, p.x, p.y, q.x, q.y);
    z().speicher.setzePlanteil(n, ebene);
    z().speicher.setzeFolie(n, folie);
    return n;
  }

  // The live line on a layer and sublayer: a change renumbers the elements
  // behind the changed ones, so numbers taken before do not last.
  const Tliniendaten* lebendeLinie(int ebene, int folie) {
    const Elementspeicher& s = z().speicher;
    for (std::int32_t n = 1; n <= s.anzahl(); ++n)
      if (s.lebendig(n) && s.planteil(n) == ebene && s.folie(n) == folie) return &s.linie(n);
    return nullptr;
  }

  std::vector<std::int32_t> markierte() {
    std::vector<std::int32_t> m;
    for (std::int32_t n = 1; n <= z().speicher.anzahl(); ++n)
      if (z().speicher.markiert(n) && z().speicher.lebendig(n)) m.push_back(n);
    return m;
  }

  // Separate gestures: two clicks in quick succession would be a double click.
  static void pause() { QTest::qWait(QApplication::doubleClickInterval() + 50); }

  void klicke(int x, int y) {
    pause();
    klick({x, y});
  }

  void ziehe(QPoint von, QPoint bis) {
    pause();
    QTest::mousePress(&flaeche(), Qt::LeftButton, {}, von);
    for (int schritt = 1; schritt <= 4; ++schritt) {
      const QPointF p = von + (bis - von) * schritt / 4.0;
      QMouseEvent bewegt(QEvent::MouseMove, p, flaeche().mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&flaeche(), &bewegt);
    }
    QTest::mouseRelease(&flaeche(), Qt::LeftButton, {}, bis);
  }

  std::int32_t frei = 0;
  std::int32_t ebeneGeschuetzt = 0;
  std::int32_t folieGeschuetzt = 0;
};

TEST_F(Ebenenschutz, KlickUndRahmenMarkierenNurDasUngeschuetzteElement) {
  klicke(300, 260);
  klicke(300, 320);
  EXPECT_TRUE(markierte().empty());
  klicke(300, 200);
  EXPECT_EQ(markierte(), std::vector<std::int32_t>{frei});
  ziehe({150, 150}, {450, 380});
  EXPECT_EQ(markierte(), std::vector<std::int32_t>{frei});
  // Right to left: touching is enough, protection still holds.
  ziehe({450, 380}, {250, 150});
  EXPECT_EQ(markierte(), std::vector<std::int32_t>{frei});
}

TEST_F(Ebenenschutz, AllesMarkiertVerschiebenDrehenUndLoeschenGehenAnGeschuetztenVorbei) {
  const Tliniendaten vorher1 = z().speicher.linie(frei);
  const Tliniendaten vorher2 = z().speicher.linie(ebeneGeschuetzt);
  const Tliniendaten vorher3 = z().speicher.linie(folieGeschuetzt);
  z().speicher.markiereAlleLebendigen();
  EXPECT_EQ(verschiebeMarkierte(z(), 10, 0), 1);
  EXPECT_EQ(markierte().size(), 1u);
  ASSERT_NE(lebendeLinie(1, 1), nullptr);
  EXPECT_EQ(lebendeLinie(1, 1)->x1, vorher1.x1 + 10);
  z().speicher.markiereAlleLebendigen();
  EXPECT_EQ(bildeMarkierteAb(z(), Abbildung::drehung({0, 0}, 90)), 1);
  ASSERT_NE(lebendeLinie(2, 1), nullptr);
  ASSERT_NE(lebendeLinie(1, 2), nullptr);
  EXPECT_EQ(*lebendeLinie(2, 1), vorher2);
  EXPECT_EQ(*lebendeLinie(1, 2), vorher3);

  z().speicher.markiereAlleLebendigen();
  f->leisten().loeschen->trigger();
  EXPECT_EQ(lebendeLinie(1, 1), nullptr);
  EXPECT_NE(lebendeLinie(2, 1), nullptr);
  EXPECT_NE(lebendeLinie(1, 2), nullptr);
}

}  // namespace
}  // namespace quarzel
