// The desktop's edit and drawing tools as a user reaches them: every drawing
// tool code from a button or one of its variants, the move panel that moves
// the marked elements by a typed displacement as one undo step, and the
// multiple copies that ask for count and angle first.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <cmath>

#include "edit/koordinateneingabe.h"
#include "edit/markierwerkzeug.h"
#include "fensterhilfen.h"
#include "ui/window/bearbeitungsbefehle.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/dialogs/mehrfachkopiedialog.h"
#include "ui/tools/verschiebepanel.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Bearbeitungsbefehle_ : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
    // Wide enough for every variant in the property bar on any platform font.
    f->resize(1600, 900);
    QTest::qWait(10);
  }

  Elementspeicher& speicher() { return f->sitzung().zeichnung.speicher; }
  std::uint16_t werkzeug() { return f->werkzeuge().steuerung().zustand().werkzeug; }
  Bearbeitungsbefehle& befehle() { return f->werkzeuge().bearbeitung(); }
  Verschiebepanel& panel() { return befehle().verschiebepanel(); }
  void klick(QPoint p) { QTest::mouseClick(&f->zeichenflaeche(), Qt::LeftButton, {}, p); }

  // Presses the button that stands for `code`, then its variant.
  void waehleUeberDieOberflaeche(std::uint16_t code) {
    QAction* a = f->leisten().aktionFuer(code);
    ASSERT_NE(a, nullptr) << code;
    a->trigger();
    if (werkzeug() == code) return;
    QApplication::processEvents();  // the bar lays out the new variants
    for (QRadioButton* r : f->eigenschaften().variantenknoepfe()) {
      if (r->property("werkzeug").toInt() == code) {
        ASSERT_TRUE(r->isVisibleTo(&f->eigenschaften())) << code;
        r->click();
        return;
      }
    }
  }
  // One marked line from (200, 200) to (300, 200) in pixels.
  std::int32_t markierteLinie() {
    f->werkzeuge().waehle(1);
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

  test::Testfenster f;
};

// --- Every drawing tool is reachable -------------------------------------------

TEST_F(Bearbeitungsbefehle_, JederCodeDerLinienUndFlaechenleisteIstErreichbar) {
  const std::uint16_t codes[] = {1,  7,  42, 43, 53, 8,  54, 3,  47, 44, 45, 46, 36, 2,  15, 26, 55,
                                 5,  11, 14, 4,  28, 29, 6,  12, 10, 25, 40, 9,  16, 51, 49, 50, 48,
                                 37, 17, 30, 52, 56, 19, 20, 31, 38, 33, 18, 32, 22, 21, 23, 24, 34, 35, 41};
  for (std::uint16_t code : codes) {
    waehleUeberDieOberflaeche(code);
    EXPECT_EQ(werkzeug(), code);
    QAction* knopf = f->leisten().aktionFuer(code);
    EXPECT_TRUE(knopf != nullptr && knopf->isChecked()) << "the button of " << code << " shows as pressed";
  }
}

TEST_F(Bearbeitungsbefehle_, DerKnopfMerktSichDieZuletztGewaehlteVariante) {
  waehleUeberDieOberflaeche(26);
  ASSERT_EQ(werkzeug(), 26);
  f->leisten().markieren->trigger();
  ASSERT_EQ(werkzeug(), 100);
  f->leisten().aktionFuer(2)->trigger();
  EXPECT_EQ(werkzeug(), 26);
  // The radio group shows the variant in force.
  int gedrueckt = 0;
  for (QRadioButton* r : f->eigenschaften().variantenknoepfe()) {
    if (r->isChecked()) {
      ++gedrueckt;
      EXPECT_EQ(r->property("werkzeug").toInt(), 26);
    }
  }
  EXPECT_EQ(gedrueckt, 1);
  f->werkzeuge().waehle(8);
  EXPECT_TRUE(f->eigenschaften().variantenknoepfe().empty() ||
              !f->eigenschaften().variantenknoepfe().front()->isVisibleTo(&f->eigenschaften()));
}

TEST_F(Bearbeitungsbefehle_, KreisMitFestemRadiusNimmtDenRadiusDerLeiste) {
  waehleUeberDieOberflaeche(55);
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
  f->werkzeuge().waehle(600);
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
  EXPECT_EQ(werkzeug(), 100);
  EXPECT_FALSE(panel().isVisible());

  f->rueckgaengig();
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_DOUBLE_EQ(speicher().linie(lebende()[0]).x1, vorher.x1);
  EXPECT_DOUBLE_EQ(speicher().linie(lebende()[0]).y1, vorher.y1);
}

TEST_F(Bearbeitungsbefehle_, DieFelderFolgenDerMausUndEscapeVerwirft) {
  markierteLinie();
  const Tliniendaten vorher = speicher().linie(1);
  f->werkzeuge().waehle(600);
  QTest::mouseMove(&f->zeichenflaeche(), {250, 250});
  QTest::mouseMove(&f->zeichenflaeche(), {290, 250});
  EXPECT_GT(panel().dx(), 0) << "the mouse moved right";
  EXPECT_EQ(panel().dy(), 0);
  QTest::keyClick(&f->zeichenflaeche(), Qt::Key_Escape);
  EXPECT_FALSE(panel().isVisible());
  EXPECT_EQ(werkzeug(), 100);
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_DOUBLE_EQ(speicher().linie(lebende()[0]).x1, vorher.x1);
}

TEST_F(Bearbeitungsbefehle_, OhneMarkierungSagtDasPanelDasUndVerschiebtNichts) {
  f->werkzeuge().waehle(1);
  klick({200, 200});
  klick({300, 200});
  speicher().demarkiereAlle();
  f->werkzeuge().waehle(600);
  panel().dxFeld()->setText(QStringLiteral("10"));
  const bool undoVorher = speicher().undoMoeglich();
  const std::int8_t stufe = speicher().undoStufe();
  QTest::mouseClick(panel().okKnopf(), Qt::LeftButton);
  EXPECT_EQ(speicher().undoStufe(), stufe);
  EXPECT_EQ(speicher().undoMoeglich(), undoVorher);
}

TEST_F(Bearbeitungsbefehle_, DasPanelRechnetAusdrueckeUndEnterBestaetigt) {
  Verschiebepanel p;
  QSignalSpy ok(&p, &Verschiebepanel::ok);
  p.dxFeld()->setText(QStringLiteral("2*3"));
  p.dyFeld()->setText(QStringLiteral("unsinn"));
  EXPECT_DOUBLE_EQ(p.dx(), 6);
  EXPECT_DOUBLE_EQ(p.dy(), 0);
  QTest::keyClick(p.dyFeld(), Qt::Key_Return);
  EXPECT_EQ(ok.count(), 1);
}

// --- Multiple copies ---------------------------------------------------------------

TEST_F(Bearbeitungsbefehle_, RadialeKopieFragtErstUndKopiertDannUmDenGeklicktenPunkt) {
  markierteLinie();
  std::uint16_t gefragt = 0;
  befehle().frage = [&](std::uint16_t w, const Mehrfachkopie&) {
    gefragt = w;
    return std::optional<Mehrfachkopie>(Mehrfachkopie{3, 90});
  };
  f->werkzeuge().waehle(604);
  QApplication::processEvents();
  EXPECT_EQ(gefragt, 604);
  EXPECT_EQ(f->werkzeuge().markierwerkzeug().anzahlKopien, 3);
  klick({250, 300});
  EXPECT_EQ(lebende().size(), 4u);
}

TEST_F(Bearbeitungsbefehle_, AbbrechenDerFrageKehrtZumMarkierenZurueck) {
  markierteLinie();
  befehle().frage = [](std::uint16_t, const Mehrfachkopie&) { return std::optional<Mehrfachkopie>(); };
  f->werkzeuge().waehle(605);
  QApplication::processEvents();
  EXPECT_EQ(werkzeug(), 100);
  klick({250, 300});
  EXPECT_EQ(lebende().size(), 1u);
}

TEST(Mehrfachkopiedialog_, VollkreisVerteiltDieKopienGleichmaessig) {
  Mehrfachkopiedialog d(604, {4, 30}, nullptr);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Radiale Mehrfachkopie"));
  EXPECT_DOUBLE_EQ(d.wert().winkel, 30);
  d.vollkreisFeld()->setChecked(true);
  EXPECT_DOUBLE_EQ(d.wert().winkel, 72);
  EXPECT_FALSE(d.winkelFeld()->isEnabled());
  d.anzahlFeld()->setValue(5);
  EXPECT_DOUBLE_EQ(d.wert().winkel, 60);
  EXPECT_EQ(d.wert().anzahl, 5);
  Mehrfachkopiedialog r(605, {0, std::nan("")}, nullptr);
  EXPECT_EQ(r.windowTitle(), QStringLiteral("Mehrfachkopie durch Rotation"));
  EXPECT_EQ(r.wert().anzahl, 1) << "the count is at least one";
  EXPECT_DOUBLE_EQ(r.wert().winkel, 90);
}

}  // namespace
}  // namespace quarzel
