// The dialogs "Schraffuren" and "Linienstile" on data folders of the test's
// own: edits reach the files and the drawing, and one hatch looks the same in
// the dialog's preview, the hatch list and the drawing (45 degrees rise to the
// right, "/": screen rows and world y both grow downward).
#include "ui/dialogs/schraffurdialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QSpinBox>
#include <QTemporaryDir>
#include <string>

#include "support/ui/einstellungshilfen.h"
#include "platform/skriptbenutzer.h"
#include "render/elementzeichnen.h"
#include "store/zeichnung.h"
#include "styles/schraffurbibliothek.h"
#include "support/speicherhilfen.h"
#include "ui/dialogs/linienstildialog.h"
#include "ui/dialogs/schraffurvorschau.h"
#include "ui/qt/qtcanvas.h"
#include "support/ui/fensterhilfen.h"

namespace quarzel {
namespace {

class Schraffurdialog : public ::testing::Test {
 protected:
  Schraffurdialog()
      : umgebung([this](std::string_view name) -> std::optional<std::string> {
          if (name == "QUARZEL_DATA_DIR") return ordner.filePath(QStringLiteral("programm")).toStdString();
          if (name == "XDG_DATA_HOME") return ordner.filePath(QStringLiteral("benutzer")).toStdString();
          if (name == "HOME") return ordner.path().toStdString();
          return std::nullopt;
        }),
        bibliothek(umgebung) {}

  QTemporaryDir ordner;
  Umgebung umgebung;
  Schraffurbibliothek bibliothek;
  SkriptBenutzer benutzer;
};

TEST_F(Schraffurdialog, OkSpeichertDieGeaenderteSchraffurAlsDateiDesBenutzers) {
  TSchraffuren d(bibliothek, benutzer, "Windows-Standard 2");
  EXPECT_EQ(d.namen()->currentText(), QStringLiteral("Windows-Standard 2"));
  d.richtung(0)->setCurrentText(QStringLiteral("30"));
  d.linie(0, 1).aktiv->setChecked(true);
  d.linie(0, 1).abstand->setValue(7.5);
  d.linie(0, 1).stift->setValue(4);
  d.massstabsabhaengig()->setChecked(true);
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);

  const auto neu = Schraffurbibliothek(umgebung).lies("Windows-Standard 2");
  ASSERT_TRUE(neu.has_value());
  EXPECT_EQ(neu->muster[0].direction, 30);
  EXPECT_EQ(neu->muster[0].linien[1].active, 1);
  EXPECT_DOUBLE_EQ(neu->muster[0].linien[1].distance, 7.5);
  EXPECT_EQ(neu->muster[0].linien[1].pen, 4);
  EXPECT_EQ(neu->scaleDependent, 1);
}

struct Neigung {
  int steigend = 0;  // dark pixels whose upper-right neighbour is dark too ("/")
  int fallend = 0;   // … whose lower-right neighbour is dark too ("\")
};

bool dunkel(const QImage& bild, int x, int y) {
  return qGray(bild.pixel(x, y)) < 128;
}

// Inside a margin of three pixels, which keeps the element's outline out.
Neigung neigung(const QImage& bild) {
  Neigung n;
  for (int y = 3; y + 3 < bild.height(); ++y)
    for (int x = 3; x + 3 < bild.width(); ++x) {
      if (!dunkel(bild, x, y)) continue;
      n.steigend += dunkel(bild, x + 1, y - 1) ? 1 : 0;
      n.fallend += dunkel(bild, x + 1, y + 1) ? 1 : 0;
    }
  return n;
}

class Schraffurrichtung : public Schraffurdialog {
 protected:
  // A rectangle hatched with `name`, drawn by the renderer at the preview's
  // 0.25 mm per pixel with the world origin at the top-left pixel.
  QImage gezeichnet(const std::string& name, int breite, int hoehe) {
    Zeichnung z;
    test::initialisiere(z.speicher);
    z.speicher.beginneSchritt();
    const double b = breite * 0.25, h = hoehe * 0.25;
    const std::int32_t n = test::polygon(z.speicher, {{0.0, 0.0}, {b, 0.0}, {b, h}, {0.0, h}});
    *z.speicher.fuellung(n) = {.schraffurName = name, .fuellflag = 1, .gefuellt = 1};

    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QtCanvas canvas(bild);
    Anzeigeschalter schalter;
    Darstellungswahl darstellung;
    Zeichenumgebung u{z, schalter, darstellung};
    u.schraffuren = &bibliothek;
    drawElements(canvas, 1, z.speicher.anzahl(), 1, 0.25, {0, 0, double(breite - 1), double(hoehe - 1)}, 0, 0, u);
    return bild;
  }
};

TEST_F(Schraffurrichtung, FuenfundvierzigGradSteigenInVorschauListeUndZeichnungNachRechts) {
  Schraffurdefinition d = vorgabeSchraffur("Diagonal");
  d.muster[0].direction = 45;
  d.muster[0].linien[0].active = 1;
  d.muster[0].linien[0].distance = 3;
  ASSERT_TRUE(bibliothek.speichere(d));
  const auto gelesen = bibliothek.lies("Diagonal");
  ASSERT_TRUE(gelesen.has_value());

  const Neigung vorschau = neigung(schraffurbild(*gelesen, 200, 100));
  const Neigung liste = neigung(schraffurbild(*gelesen, 48, 24, 0.5));
  const Neigung zeichnung = neigung(gezeichnet("Diagonal", 200, 100));
  for (const Neigung& n : {vorschau, liste, zeichnung}) {
    EXPECT_GT(n.steigend, 20);
    EXPECT_EQ(n.fallend, 0);
  }
}

TEST(LinienstileImFenster, OkUebernimmtMusterInDieZeichnungUndDieStilauswahl) {
  test::Fenstertest t;
  auto fenster = t.fenster(t.mitIni());
  test::imDialog<TLinienstile>([](TLinienstile& d) {
    d.gruppenknopf(QStringLiteral("Alle aus"));
    d.gruppenknopf(QStringLiteral("Einfache an"));
    d.reiter()->setCurrentIndex(1);
    d.einfachesMuster()->setCurrentIndex(3);
    d.strichanzahl()->setValue(2);
    d.strich(0)->setValue(8);
    d.strich(1)->setValue(4);
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Linienstile...")->trigger();
  const Zeichnung& z = fenster->sitzung().zeichnung;
  EXPECT_DOUBLE_EQ(z.linienstile.einfach[3].muster.dashPeriod, 12);
  auto* picker = fenster->findChild<QComboBox*>(QStringLiteral("Linienstil"));
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->count(), 20);
  EXPECT_EQ(picker->itemData(0).toInt(), linienstil::kErsterEinfacher);
}

}  // namespace
}  // namespace quarzel
