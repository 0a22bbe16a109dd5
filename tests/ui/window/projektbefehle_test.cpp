// Project data in the running window: "Zeichnungsinformationen..." changes
// the title block on the sheet; "&Platzhalter" shows the placeholders
// instead and is remembered for the next start.

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>

#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/dialogs/projektdatendialog.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

using Projektbefehle_ = test::Fensterfixture;

TEST_F(Projektbefehle_, DialogUndPlatzhalterschalterAendernDasSchriftfeldAufDemBlatt) {
  // A title-block line "$ProjName", 8 mm high, on the sheet.
  Zeichnung& z = f->sitzung().zeichnung;
  z.projektdaten.werte[9] = "Neubau";
  z.speicher.beginneSchritt();
  z.speicher.vervollstaendige(z.speicher.neuerText(
      Elementart::Text,
      {.x = z.ansicht.sheetLeft + 100.0, .y = z.ansicht.sheetTop + 100.0, .zeilen = {"$ProjName"}, .hoehe = 8}));
  const auto tinte = [&] {  // the dark pixels of the picture beside the text's insertion point
    f->Figurzeichnen();
    const QImage& bild = flaeche().bild();
    const Pixelpunkt p = z.ansicht.worldToPixel(z.ansicht.sheetLeft + 100.0, z.ansicht.sheetTop + 100.0);
    int n = 0;
    for (int y = int(p.y) - 2; y < int(p.y + 8 / z.ansicht.zoom) + 4; ++y)
      for (int x = int(p.x) - 2; x < int(p.x) + 300; ++x) n += qGray(bild.pixel(x, y)) < 128;
    return n;
  };
  EXPECT_FALSE(f->sitzung().schalter.platzhalter) << "values are shown from the start";
  const int neubau = tinte();
  QAction* schalter = test::menueeintrag(*f->menuBar(), "&Platzhalter");
  schalter->trigger();
  EXPECT_GT(tinte(), neubau * 3 / 2) << "\"$Projekt Name$\" is over twice as long as \"Neubau\"";
  QFile datei(QString::fromStdString(ini()));
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  EXPECT_TRUE(datei.readAll().contains("Projektdaten=0"));
  EXPECT_TRUE(fenster(mitIni())->sitzung().schalter.platzhalter) << "the next start shows them too";
  schalter->trigger();
  EXPECT_EQ(tinte(), neubau);

  test::menueeintrag(*f->menuBar(), "Zeichnungsinformationen...")->trigger();
  auto* dialog = f->findChild<TProjektdaten*>();
  ASSERT_NE(dialog, nullptr);
  qobject_cast<QLineEdit*>(dialog->feld(9))->setText(QStringLiteral("Neubau Wohnhaus Lindenweg"));
  qobject_cast<QLineEdit*>(dialog->feld(35))->setText(QStringLiteral("Lea Sommer"));
  test::okDruecken(*dialog);
  EXPECT_EQ(std::tuple(z.projektdaten.werte[9], z.projektdaten.werte[37].size(), f->isWindowModified()),
            std::tuple("Neubau Wohnhaus Lindenweg", 10u, true));
  EXPECT_GT(tinte(), neubau * 3 / 2) << "the longer name is on the sheet";
}

}  // namespace
}  // namespace quarzel
