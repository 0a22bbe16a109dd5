// The desktop's edit commands as a user reaches them: a circle of the bar's
// fixed radius, the move panel that moves the marked elements by a typed
// displacement as one undo step, and the radial copy that asks first.
#include "ui/window/bearbeitungsbefehle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "edit/koordinateneingabe.h"
#include "edit/markierwerkzeug.h"
#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/dialogs/mehrfachkopiedialog.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/verschiebepanel.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {
namespace {

class Bearbeitungsbefehle_ : public test::Fensterfixture {
 protected:
  void SetUp() override {
    Fensterfixture::SetUp();
    // Wide enough for every variant in the property bar on any platform font.
    f->resize(1600, 900);
    QTest::qWait(10);
  }

  Bearbeitungsbefehle& befehle() { return f->werkzeuge().bearbeitung(); }
  Verschiebepanel& panel() { return befehle().verschiebepanel(); }

  // Presses the button that stands for `code`, then its variant.
  void waehleUeberDieOberflaeche(Werkzeugcode code) {
    waehle(code);
    if (werkzeug() == code) return;
    QApplication::processEvents();  // the bar lays out the new variants
    for (QRadioButton* r : f->eigenschaften().variantenknoepfe()) {
      if (r->property("werkzeug").toInt() == nr(code)) {
        ASSERT_TRUE(r->isVisibleTo(&f->eigenschaften())) << code;
        r->click();
        return;
      }
    }
  }
  // One marked line from (200, 200) to (300, 200) in pixels.
  std::int32_t markierteLinie() {
    f->werkzeuge().waehle(wz(1));
    klick({200, 200});
    klick({300, 200});
    EXPECT_EQ(speicher().anzahl(), 1);
    speicher().setzeMarkiert(1, 1);
    return 1;
  }
  std::vector<std::int32_t> lebende() {
    std::vector<std::int32_t> n;
    for (std::int32_t i = 1; i <= speicher().anzahl(); ++i)
      if (speicher().lebendig(i)) n.push_back(i);
    return n;
  }
};

// --- Every drawing tool is reachable -------------------------------------------

TEST_F(Bearbeitungsbefehle_, KreisMitFestemRadiusNimmtDenRadiusDerLeiste) {
  waehleUeberDieOberflaeche(wz(55));
  QApplication::processEvents();
  ASSERT_TRUE(f->eigenschaften().kreisradiusSichtbar());
  f->eigenschaften().kreisradiusFeld()->setValue(7.5);
  klick({300, 300});
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_DOUBLE_EQ(speicher().bogen(lebende()[0]).xr, 7.5);
  EXPECT_FALSE(speicher().markiert(lebende()[0])) << "a drawing tool does not select";
}

// --- Free move with the panel ----------------------------------------------------

TEST_F(Bearbeitungsbefehle_, VerschiebenMitDemPanelIstEinSchrittUndDieObjekteBleibenMarkiert) {
  markierteLinie();
  const Tliniendaten vorher = speicher().linie(1);
  f->werkzeuge().waehle(wz(600));
  ASSERT_TRUE(panel().isVisible());
  panel().dxFeld()->setText(QStringLiteral("2*5"));
  panel().dyFeld()->setText(QStringLiteral("-4"));
  QTest::mouseClick(panel().okKnopf(), Qt::LeftButton);

  const Zeichnung& z = f->sitzung().zeichnung;
  const Weltpunkt d = eingabeZuWelt(10, -4, true, false, {0, 0}, z.ansicht, z.massstabInKraft());
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  EXPECT_NEAR(speicher().linie(n).x1, vorher.x1 + d.x, 1e-9);
  EXPECT_NEAR(speicher().linie(n).y1, vorher.y1 + d.y, 1e-9);
  EXPECT_GT(speicher().linie(n).y1, vorher.y1) << "a negative dy goes down the screen";
  EXPECT_TRUE(speicher().markiert(n));
  EXPECT_EQ(werkzeug(), wz(100));
  EXPECT_FALSE(panel().isVisible());

  f->rueckgaengig();
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_DOUBLE_EQ(speicher().linie(lebende()[0]).x1, vorher.x1);
  EXPECT_DOUBLE_EQ(speicher().linie(lebende()[0]).y1, vorher.y1);
}

// --- Multiple copies ---------------------------------------------------------------

TEST_F(Bearbeitungsbefehle_, RadialeKopieFragtErstUndKopiertDannUmDenGeklicktenPunkt) {
  markierteLinie();
  Werkzeugcode gefragt = Werkzeugcode::Keines;
  befehle().frage = [&](Werkzeugcode w, const Mehrfachkopie&) {
    gefragt = w;
    return std::optional<Mehrfachkopie>(Mehrfachkopie{3, 90});
  };
  f->werkzeuge().waehle(wz(604));
  QApplication::processEvents();
  EXPECT_EQ(gefragt, Werkzeugcode::RadialeKopie);
  EXPECT_EQ(f->werkzeuge().markierwerkzeug().anzahlKopien, 3);
  klick({250, 300});
  EXPECT_EQ(lebende().size(), 4u);
}

}  // namespace
}  // namespace quarzel
