// "Importieren" → "&DXF..." and "Im- und Export..." in a real window,
// offscreen: the dialog's choices reach the drawing.
#include "ui/window/importbefehle.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenuBar>

#include "support/tempordner.h"
#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/dialogs/cadimportdialog.h"
#include "ui/window/dateibefehle.h"

namespace quarzel {
namespace {

class Importbefehle_ : public test::Fensterfixture {
 protected:
  Zeichnung& z() { return f->sitzung().zeichnung; }
};

TEST_F(Importbefehle_, ImportiertDenGewaehltenPlanAlsEinenSchritt) {
  test::TempOrdner ordner;
  const std::string pfad = (ordner / "plan.dxf").string();
  test::schreibeDatei(pfad,
                      "0\nSECTION\n2\nHEADER\n9\n$"
                      "ACADVER\n1\nAC1015\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nWAND\n10\n0\n20\n0\n11\n1000"
                      "\n21\n0\n0\nPOINT\n8\nPKT\n10\n"
                      "5\n20\n5\n0\nENDSEC\n0\nEOF\n");
  bool gezeigt = false;
  f->importbefehle().vorDialog = [&](QDialog& d) {
    auto* dialog = dynamic_cast<TCadImport*>(&d);
    ASSERT_NE(dialog, nullptr);
    gezeigt = true;
    ASSERT_TRUE(dialog->lade(pfad));
    EXPECT_TRUE(d.findChild<QListWidget*>(QStringLiteral("Blaetter"))->isHidden());
    for (QCheckBox* k : d.findChildren<QCheckBox*>())
      if (k->text() == QStringLiteral("Punkte importieren")) k->setChecked(true);
    d.accept();
  };
  test::menueeintrag(*f->menuBar(), "&DXF...")->trigger();
  ASSERT_TRUE(gezeigt);
  const int ziel = z().ebenen.anzahl();
  EXPECT_EQ(z().ebenen.name(ziel), "plan.dxf");
  EXPECT_EQ(z().ebenen.folienname(ziel, 1), "WAND");
  EXPECT_EQ(z().speicher.anzahl(), 2);  // the point, as the option asked
  EXPECT_TRUE(f->sitzung().cadImport.punkte);
  speicher().rueckgaengig();
  EXPECT_FALSE(speicher().lebendig(1) || speicher().lebendig(2));

  // Opened as a file (command line, recent files), it comes in the same way
  // into the open drawing, without the dialog.
  f->importbefehle().vorDialog = [](QDialog&) { ADD_FAILURE() << "no dialog"; };
  EXPECT_FALSE(f->dateibefehle().oeffne(pfad));
  EXPECT_EQ(z().ebenen.name(z().ebenen.anzahl()), "plan.dxf");
  EXPECT_EQ(z().ebenen.anzahl(), ziel + 1);
}

TEST_F(Importbefehle_, ImUndExportMerktDieOptionen) {
  f->importbefehle().vorDialog = [](QDialog& d) {
    for (QCheckBox* k : d.findChildren<QCheckBox*>())
      if (k->text() == QStringLiteral("Blockweise importieren")) k->setChecked(true);
    d.accept();
  };
  test::menueeintrag(*f->menuBar(), "Im- und Export...")->trigger();
  EXPECT_TRUE(f->sitzung().cadImport.blockweise);
  EXPECT_FALSE(f->sitzung().cadImport.punkte);
}

}  // namespace
}  // namespace quarzel
