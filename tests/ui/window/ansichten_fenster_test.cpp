// Named views in the window: the list that appears with the first view, the
// manager's buttons on the selected row, and "Ansichten drucken" into a PDF.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <functional>

#include "render/zeichenkontext.h"
#include "support/dreiebenen.h"
#include "support/pdfmessung.h"
#include "support/ui/fensterhilfen.h"
#include "ui/dialogs/ansichtendruckdialog.h"
#include "ui/dialogs/hilfefenster.h"
#include "ui/dialogs/tprojektmanager.h"
#include "ui/window/ansichtenbefehle.h"
#include "ui/window/druckbefehle.h"
#include "ui/window/ebenenbefehle.h"

namespace quarzel {
namespace {

class AnsichtenFenster : public test::Fensterfixture {
 protected:
  // An A3 portrait sheet with a 100 mm line on layer 1 and a 50 mm line on
  // layer "Grundriss"; only the selected layers are shown.
  void SetUp() override {
    Fensterfixture::SetUp();
    b = &f->ansichtenbefehle();
    Zeichnung& zg = z();
    zg.ansicht.sheetWidth = 297, zg.ansicht.sheetHeight = 420;
    zg.ansicht.sheetLeft = zg.ansicht.sheetTop = 1000;
    zg.ebenen.fuegeEbeneAn("Grundriss");
    zg.ebenen.modus = Sichtbarkeitsmodus::Ausgewaehlte;
    zg.speicher.beginneSchritt();
    // Solid, whatever line style the tests before left in force.
    for (const auto& [ebene, y, laenge] : {std::tuple(1, 1100, 100), std::tuple(2, 1200, 50)})
      zg.speicher.linie(test::linieAuf(zg, ebene, 1, 1050, y, 1050 + laenge, y)).linienstil = 1;
    zg.speicher.setzeModifiziert(false);
    f->ebenenbefehle().geaendert();
  }
  Zeichnung& z() { return f->sitzung().zeichnung; }
  // What the user does between opening the manager and closing it.
  void imManager(const std::function<void(TProjektmanager&)>& tat) {
    b->vorDialog = [&tat](QDialog& d) { tat(static_cast<TProjektmanager&>(d)); };
    b->managerAktion->trigger();
    b->vorDialog = nullptr;
  }
  // Layer `verborgen` hidden, the texts off, and the view defined in `slot`.
  void definiere(int slot, int verborgen, double zoom) {
    z().ebenen.setzeSichtbarFlag(verborgen, 0);
    z().ebenen.setzeSichtbarFlag(3 - verborgen, 1);
    z().ebenen.setzeAktiv(3 - verborgen, 1);
    f->sitzung().schalter.texte = verborgen != 1;
    ASSERT_TRUE(z().ansicht.setzeSicht(zoom, 900, 950));
    imManager([slot](TProjektmanager& m) {
      m.waehle(slot);
      m.knopf(QStringLiteral("Ansicht definieren"))->click();
    });
  }
  QStringList listeneintraege() const {
    QStringList texte;
    for (int i = 0; i < b->liste->count(); ++i) texte << b->liste->itemText(i);
    return texte;
  }
  void waehleInListe(const QString& text) {
    const int i = b->liste->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    b->liste->setCurrentIndex(i);
    emit b->liste->activated(i);
  }
  auto zustand() {
    return std::tuple(z().ebenen.sichtbar(1), z().ebenen.sichtbar(2), f->sitzung().schalter.texte, z().ansicht.zoom);
  }

  Ansichtenbefehle* b = nullptr;
};

TEST_F(AnsichtenFenster, ListeErscheintMitDerErstenAnsichtUndFolgtNeuUndLaden) {
  EXPECT_FALSE(b->listenAktion->isVisible());
  EXPECT_FALSE(b->untermenue->menuAction()->isVisible());
  definiere(4, 2, 0.5);
  EXPECT_TRUE(b->listenAktion->isVisible());
  EXPECT_TRUE(b->untermenue->menuAction()->isVisible());
  EXPECT_EQ(listeneintraege(), (QStringList{"Freie Ansicht", "Ansicht 4"}));
  EXPECT_EQ(b->untermenue->actions().size(), 2);
  EXPECT_TRUE(speicher().modifiziert()) << "views are saved with the drawing";

  const std::string datei = pfad("ansichten.QZZ");
  benutzer.dateinamen = {datei};
  f->speichernUnter();
  f->neu();
  EXPECT_FALSE(b->listenAktion->isVisible());
  benutzer.dateinamen = {datei};
  f->oeffnen();
  EXPECT_EQ(listeneintraege(), (QStringList{"Freie Ansicht", "Ansicht 4"}));
}

TEST_F(AnsichtenFenster, EintragWaehlenZeigtDieAnsichtUndFreieAnsichtKehrtZurueck) {
  definiere(1, 2, 0.5);
  definiere(2, 1, 0.25);
  ASSERT_TRUE(z().ansicht.setzeSicht(1, 900, 950));
  z().ebenen.setzeSichtbarFlag(1, 1);
  const auto vorher = zustand();
  z().speicher.setzeModifiziert(false);

  waehleInListe(QStringLiteral("Ansicht 1"));
  EXPECT_EQ(zustand(), std::tuple(true, false, true, 0.5));
  // The submenu offers the same, with the shown view ticked.
  QAction* zwei = b->untermenue->actions().at(2);
  EXPECT_TRUE(b->untermenue->actions().at(1)->isChecked());
  zwei->trigger();
  EXPECT_EQ(zustand(), std::tuple(false, true, false, 0.25));
  EXPECT_EQ(b->liste->currentText(), QStringLiteral("Ansicht 2"));
  waehleInListe(QStringLiteral("Freie Ansicht"));
  EXPECT_EQ(zustand(), vorher);
  EXPECT_FALSE(speicher().modifiziert()) << "showing a view is no change of the drawing";
}

TEST_F(AnsichtenFenster, ManagerKnoepfeWirkenAufDieGewaehlteZeile) {
  imManager([this](TProjektmanager& m) {
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Ansichtenmanager"));
    EXPECT_EQ(m.liste()->count(), 60);
    for (const char* hinweis : {"Ansicht definieren", "Ansicht zeigen", "Ansicht umbennen", "Ansicht löschen",
                                "Ansicht eine Zeile nach oben verschieben", "Ansicht eine Zeile nach unten verschieben",
                                "Ansicht zehn Zeilen oben verschieben", "Ansicht 10 Zeilen nach unten verschieben",
                                "Bildausschnit beibehalten", "Hilfe"})
      ASSERT_NE(m.knopf(QString::fromUtf8(hinweis)), nullptr) << hinweis;
    auto knopf = [&m](const char* hinweis) { return m.knopf(QString::fromUtf8(hinweis)); };

    m.waehle(3);
    EXPECT_FALSE(knopf("Ansicht zeigen")->isEnabled()) << "row 3 holds no view";
    z().ebenen.setzeSichtbarFlag(2, 0);
    knopf("Ansicht definieren")->click();
    EXPECT_TRUE(knopf("Ansicht umbennen")->isEnabled());
    benutzer.eingaben = {"Erdgeschoss"};
    knopf("Ansicht umbennen")->click();
    EXPECT_EQ(m.liste()->item(2)->text(), QStringLiteral(" 3  Erdgeschoss"));

    // The selection follows the view; ten up from row 4 stops at row 1.
    const std::pair<const char*, int> zuege[] = {{"Ansicht eine Zeile nach unten verschieben", 4},
                                                 {"Ansicht zehn Zeilen oben verschieben", 1}};
    for (const auto& [hinweis, slot] : zuege) {
      knopf(hinweis)->click();
      EXPECT_EQ(std::tuple(m.gewaehlt(), z().ansichten.anzeigename(slot)), std::tuple(slot, "Erdgeschoss")) << hinweis;
    }

    // Shown with the section kept: the layers change, the zoom stays.
    knopf("Bildausschnit beibehalten")->click();
    z().ebenen.setzeSichtbarFlag(2, 1);
    ASSERT_TRUE(z().ansicht.setzeSicht(2, 900, 950));
    knopf("Ansicht zeigen")->click();
    EXPECT_EQ(std::tuple(z().ebenen.sichtbar(2), z().ansicht.zoom), std::tuple(false, 2.0));
    EXPECT_EQ(b->liste->currentText(), QStringLiteral("Erdgeschoss")) << "the window's list follows at once";

    knopf("Hilfe")->click();
    auto* hilfe = m.findChild<Hilfefenster*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->text().contains(QStringLiteral("Bildausschnit beibehalten")));

    knopf("Ansicht löschen")->click();
    EXPECT_FALSE(z().ansichten.definiert(1));
  });
  EXPECT_TRUE(b->ausschnittBeibehalten) << "the toggle holds beyond the dialog";
  EXPECT_FALSE(b->listenAktion->isVisible());
}

TEST_F(AnsichtenFenster, AnsichtenDruckenGibtJeAnsichtSeineSeitenInEinerPdf) {
  auto* druck = f->findChild<Druckbefehle*>();
  ASSERT_NE(druck, nullptr);
  druck->befehlsstandSetzen();
  EXPECT_FALSE(druck->ansichtenAktion->isEnabled());
  definiere(1, 2, 0.5);  // the 100 mm line
  definiere(2, 1, 0.5);  // the 50 mm line
  z().ebenen.setzeSichtbarFlag(1, 1);
  z().ebenen.setzeSichtbarFlag(2, 1);
  druck->befehlsstandSetzen();
  EXPECT_TRUE(druck->ansichtenAktion->isEnabled());

  const QString pdf = QString::fromStdString(pfad("ansichten.pdf"));
  QPrinter& drucker = druck->drucker();
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  drucker.setPageSize(QPageSize(QSizeF(297, 420), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
  drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  druck->vorDialog = [](QDialog& d) {
    QListWidget* liste = static_cast<TAnsichtenDrucken&>(d).liste();
    ASSERT_EQ(liste->count(), 2);
    // Printed in the list's order, whatever order they were ticked in.
    liste->item(1)->setCheckState(Qt::Checked);
    liste->item(0)->setCheckState(Qt::Checked);
    d.accept();
  };
  druck->ansichtenAktion->trigger();

  const test::Pdfinhalt inhalt = test::lesePdf(pdf.toStdString());
  ASSERT_EQ(inhalt.seiten.size(), 2u) << benutzer.letzteMeldung();
  ASSERT_EQ(inhalt.strecken.size(), 2u);
  EXPECT_NEAR(inhalt.strecken[0].laenge, 283.46, 0.3);
  EXPECT_NEAR(inhalt.strecken[1].laenge, 141.73, 0.3);
  EXPECT_EQ(std::tuple(z().ebenen.sichtbar(1), z().ebenen.sichtbar(2)), std::tuple(true, true))
      << "the state from before the print is back";
}

}  // namespace
}  // namespace quarzel
