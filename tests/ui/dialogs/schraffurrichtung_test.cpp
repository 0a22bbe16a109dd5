// One hatch definition must look the same wherever it is shown: in the
// dialog's 1:1 preview, in the small pictures of the hatch list and on a
// hatched element in the drawing. Screen rows and world y both grow downward,
// so a direction of 45 degrees rises to the right ("/") in all three.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QTemporaryDir>

#include "render/elementzeichnen.h"
#include "styles/schraffurbibliothek.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "ui/qt/qtcanvas.h"
#include "ui/dialogs/schraffurdialog.h"
#include "ui/dialogs/schraffurvorschau.h"

namespace quarzel {
namespace {

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

class Schraffurrichtung : public ::testing::Test {
 protected:
  Schraffurrichtung()
      : umgebung([this](std::string_view name) -> std::optional<std::string> {
          if (name == "QUARZEL_DATA_DIR") return ordner.filePath(QStringLiteral("programm")).toStdString();
          if (name == "XDG_DATA_HOME") return ordner.filePath(QStringLiteral("benutzer")).toStdString();
          if (name == "HOME") return ordner.path().toStdString();
          return std::nullopt;
        }),
        bibliothek(umgebung) {}

  // A rectangle hatched with `name`, drawn by the renderer at the preview's
  // 0.25 mm per pixel with the world origin at the top-left pixel.
  QImage gezeichnet(const std::string& name, int breite, int hoehe) {
    Zeichnung z;
    test::initialisiere(z.speicher);
    z.speicher.beginneSchritt();
    z.speicher.punkte.leere();
    const double b = breite * 0.25, h = hoehe * 0.25;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {b, 0.0}, {b, h}, {0.0, h}}) z.speicher.punkte.fuegeHinzu(x, y);
    Tpolygondaten v;
    v.fuellung.gefuellt = 1;
    v.fuellung.fuellflag = 1;
    v.fuellung.schraffurName = name;
    const std::int32_t n = z.speicher.neuesPolygon(Elementart::Polygon, v);
    z.speicher.vervollstaendige(n);
    z.speicher.setzeMarkiert(n, 0);

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

  QTemporaryDir ordner;
  Umgebung umgebung;
  Schraffurbibliothek bibliothek;
  SkriptBenutzer benutzer;
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

TEST_F(Schraffurrichtung, MusterOhneAktiveLinieAendertWederVorschauNochDatei) {
  // The copy of "Windows-Standard 1" draws its pattern 2; pattern 1 has no
  // active line, so its direction and distances are kept but draw nothing.
  TSchraffuren dialog(bibliothek, benutzer, "Windows-Standard 1");
  dialog.vorschau()->resize(200, 100);
  benutzer.eingaben.push_back("Ziegel");
  dialog.neuAusAktueller();
  const QImage vorher = dialog.vorschau()->bild();
  EXPECT_FALSE(dialog.linie(0, 0).abstand->isEnabled()) << "a line that is off is not offered for editing";
  EXPECT_TRUE(dialog.linie(1, 0).abstand->isEnabled());
  dialog.linie(0, 0).abstand->setValue(3);
  dialog.richtung(0)->setCurrentText(QStringLiteral("45"));
  EXPECT_EQ(dialog.vorschau()->bild(), vorher);
  dialog.accept();

  const auto ziegel = bibliothek.lies("Ziegel");
  ASSERT_TRUE(ziegel.has_value());
  EXPECT_FALSE(ziegel->muster[0].hatAktiveLinie());
  EXPECT_EQ(ziegel->muster[0].direction, 45);
  EXPECT_DOUBLE_EQ(ziegel->muster[0].linien[0].distance, 3);
  EXPECT_EQ(ziegel->muster[1], standardSchraffur("Windows-Standard 1")->muster[1]);

  // Preview and drawing show the same picture: pattern 2's lines, rising.
  const Neigung vorschau = neigung(vorher);
  const Neigung zeichnung = neigung(gezeichnet("Ziegel", 200, 100));
  EXPECT_GT(vorschau.steigend, 20);
  EXPECT_EQ(vorschau.fallend, 0);
  EXPECT_GT(zeichnung.steigend, 20);
  EXPECT_EQ(zeichnung.fallend, 0);

  // With pattern 1's first line checked the edit shows.
  dialog.linie(0, 0).aktiv->setChecked(true);
  EXPECT_TRUE(dialog.linie(0, 0).stift->isEnabled());
  EXPECT_NE(dialog.vorschau()->bild(), vorher);
}

}  // namespace
}  // namespace quarzel
