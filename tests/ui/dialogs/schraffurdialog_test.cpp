// The dialog "Schraffuren", its preview and the hatch list, offscreen, on a
// hatch folder of the test's own: edits reach the files, built-in hatches
// cannot be deleted, and the preview draws what the definition says.
#include "ui/dialogs/schraffurdialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "styles/schraffurbibliothek.h"
#include "platform/skriptbenutzer.h"
#include "ui/tools/schraffurliste.h"
#include "ui/dialogs/schraffurvorschau.h"

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

// Rows of the picture that hold a black pixel in the given column.
int schwarzeZeilen(const QImage& bild, int spalte) {
  int n = 0;
  for (int y = 0; y < bild.height(); ++y) n += bild.pixelColor(spalte, y) == Qt::black ? 1 : 0;
  return n;
}

// Columns of the picture that hold a black pixel in the given row.
int schwarzeSpalten(const QImage& bild, int zeile) {
  int n = 0;
  for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, zeile) == Qt::black ? 1 : 0;
  return n;
}

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

TEST_F(Schraffurdialog, UnbekannterNameZeigtDieErsatzschraffur) {
  TSchraffuren d(bibliothek, benutzer, "gibt es nicht");
  EXPECT_EQ(d.namen()->currentText(), QStringLiteral("Windows-Standard 1"));
  EXPECT_EQ(d.definition(), *standardSchraffur("Windows-Standard 1"));
}

TEST_F(Schraffurdialog, ErstellenNeuAusAktuellerUndLoeschen) {
  TSchraffuren d(bibliothek, benutzer, "Windows-Standard 3");
  const Schraffurdefinition drei = d.definition();

  benutzer.eingaben.push_back("Beton");
  d.erstellen();
  EXPECT_EQ(d.namen()->currentText(), QStringLiteral("Beton"));
  EXPECT_EQ(d.definition(), vorgabeSchraffur("Beton"));
  ASSERT_TRUE(bibliothek.lies("Beton").has_value());

  d.namen()->setCurrentText(QStringLiteral("Windows-Standard 3"));
  benutzer.eingaben.push_back("Kies");
  d.neuAusAktueller();
  Schraffurdefinition erwartet = drei;
  erwartet.name = "Kies";
  EXPECT_EQ(bibliothek.lies("Kies"), erwartet);

  // A name that is taken or cannot be a file name is refused.
  benutzer.eingaben.push_back("Kies");
  benutzer.eingaben.push_back("a/b");
  d.erstellen();
  d.erstellen();
  EXPECT_EQ(benutzer.meldungen.size(), 2u);

  benutzer.antworten.push_back(Antwort::Ja);
  d.loeschen();  // "Kies", the current one
  EXPECT_FALSE(bibliothek.lies("Kies").has_value());
  EXPECT_EQ(d.namen()->findText(QStringLiteral("Kies")), -1);
  EXPECT_EQ(d.namen()->currentText(), QStringLiteral("Windows-Standard 1"));
}

TEST_F(Schraffurdialog, StandardSchraffurenWerdenNichtGeloescht) {
  TSchraffuren d(bibliothek, benutzer, "Windows-Standard 4");
  d.loeschen();
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.meldungen[0].text, "Standard-Schraffuren können nicht gelöscht werden");
  EXPECT_TRUE(benutzer.fragen.empty());
}

TEST_F(Schraffurdialog, VorschauZeigtNurDasAktuelleMusterWennNichtKombiniert) {
  TSchraffuren d(bibliothek, benutzer, "Windows-Standard 1");
  d.resize(800, 600);
  for (int m = 0; m < 6; ++m)
    for (int l = 0; l < 5; ++l) d.linie(m, l).aktiv->setChecked(false);
  d.richtung(0)->setCurrentText(QStringLiteral("0"));
  d.linie(0, 0).aktiv->setChecked(true);
  d.linie(0, 0).abstand->setValue(5);  // 20 pixels at 0.25 mm per pixel
  d.richtung(1)->setCurrentText(QStringLiteral("90"));
  d.linie(1, 0).aktiv->setChecked(true);
  d.linie(1, 0).abstand->setValue(5);

  d.vorschau()->resize(200, 100);
  d.reiter()->setCurrentIndex(0);
  d.kombiniert()->setChecked(false);
  const QImage nurWaagerecht = d.vorschau()->bild();
  // Horizontal lines every 20 pixels; in a column between the vertical ones
  // only they are black.
  const int zeilen = schwarzeZeilen(nurWaagerecht, 10);
  EXPECT_GE(zeilen, 4);
  EXPECT_LE(zeilen, 6);  // the lines on the picture's edges may or may not be hit
  EXPECT_EQ(schwarzeSpalten(nurWaagerecht, 10), 0);

  d.kombiniert()->setChecked(true);
  EXPECT_GE(schwarzeSpalten(d.vorschau()->bild(), 10), 8);
}

TEST(Schraffurbild, OhneAktiveLinieBleibtDasBildWeissUndRiesigeMasseWerdenBegrenzt) {
  Schraffurdefinition leer = vorgabeSchraffur("leer");
  const QImage bild = schraffurbild(leer, 50, 40);
  EXPECT_EQ(schwarzeZeilen(bild, 25), 0);
  const QImage gross = schraffurbild(leer, 1 << 30, -5);
  EXPECT_LE(gross.width(), 4096);
  EXPECT_EQ(gross.height(), 1);
}

TEST_F(Schraffurdialog, ListeZeigtJedeSchraffurMitVorschaubild) {
  ASSERT_TRUE(bibliothek.speichere(vorgabeSchraffur("Holz")));
  Schraffurliste liste;
  liste.fuellen(bibliothek);
  ASSERT_EQ(liste.count(), 7);
  EXPECT_EQ(liste.item(0)->text(), QStringLiteral("Windows-Standard 1"));
  EXPECT_EQ(liste.item(6)->text(), QStringLiteral("Holz"));
  EXPECT_FALSE(liste.item(0)->icon().isNull());
  liste.waehle("Holz");
  EXPECT_EQ(liste.gewaehlt(), "Holz");
  liste.fuellen(bibliothek);
  EXPECT_EQ(liste.gewaehlt(), "Holz");
}

}  // namespace
}  // namespace quarzel
