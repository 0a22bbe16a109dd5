// The dialog "Zeichnungsinformationen": the grid of all rows, which cells may
// be edited, fields and cells that show one value, and what it hands back.
#include "ui/dialogs/projektdatendialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>

#include "store/zeichnung.h"

namespace quarzel {
namespace {

TEST(Zeichnungsinformationen, RasterUndFelderZeigenDieselbenWerte) {
  Zeichnung z;
  z.dateiname = "/plaene/haus.QZZ";
  z.projektdaten.werte[35] = "Lea Sommer";  // a dated change entry
  z.projektdaten.werte[37] = "01.02.2024";
  TProjektdaten d(z, "24.12.2030");
  QTableWidget& g = *d.tabelle();
  ASSERT_EQ(std::tuple(g.rowCount(), g.columnCount(), d.reiter()->count()), std::tuple(58, 3, 4));
  const auto zelle = [&](int zeile, int spalte) { return g.item(zeile, spalte)->text(); };
  EXPECT_EQ(g.horizontalHeaderItem(0)->text() + "|" + g.horizontalHeaderItem(1)->text() + "|" +
                g.horizontalHeaderItem(2)->text() + "|" + d.reiter()->tabText(3) + "|" + zelle(9, 0) + "|" +
                zelle(28, 1) + "|" + zelle(34, 1) + "|" + zelle(35, 2),
            QStringLiteral(
                "Variable|aktueller Wert|Bedeutung|Geändert von:|$ProjName|haus.QZZ|24.12.2030|Erste Anderung Name"));
  // Typed and chosen rows are editable in the grid; computed rows, the dates,
  // the file name and the change entries are not.
  for (int i = 0; i < 58; ++i)
    EXPECT_EQ(bool(g.item(i, 1)->flags() & Qt::ItemIsEditable), i <= 9 || (i >= 12 && i <= 27)) << i;
  EXPECT_TRUE(qobject_cast<QLineEdit*>(d.feld(35))->isReadOnly()) << "a dated entry keeps its name";
  EXPECT_TRUE(qobject_cast<QLineEdit*>(d.feld(10))->isReadOnly() && qobject_cast<QLineEdit*>(d.feld(37))->isReadOnly());

  qobject_cast<QLineEdit*>(d.feld(9))->setText(QStringLiteral("Neubau Halle"));
  g.item(0, 1)->setText(QStringLiteral("Jonas Berger"));
  g.item(8, 1)->setText(QStringLiteral("eins\nzwei"));
  auto* anrede = qobject_cast<QComboBox*>(d.feld(1));
  EXPECT_EQ(std::tuple(anrede->count(), zelle(1, 1)), std::tuple(3, QStringLiteral("Frau"))) << "the default";
  anrede->setCurrentIndex(2);
  qobject_cast<QLineEdit*>(d.feld(38))->setText(QStringLiteral("Max Weber"));
  EXPECT_EQ(zelle(9, 1) + "|" + qobject_cast<QLineEdit*>(d.feld(0))->text() + "|" +
                qobject_cast<QPlainTextEdit*>(d.feld(8))->toPlainText() + "|" + zelle(1, 1) + "|" + zelle(38, 1),
            QStringLiteral("Neubau Halle|Jonas Berger|eins\nzwei|Firma|Max Weber"));
  const Projekteingaben e = d.eingaben();
  EXPECT_EQ(std::tuple(e[0], e[1], e[8], e[9], e[38], e[20]),
            std::tuple("Jonas Berger", "Firma", "eins\nzwei", "Neubau Halle", "Max Weber", "Frau"));
}

}  // namespace
}  // namespace quarzel
