// The commands on marked elements as a user reaches them: the menu entries,
// the property bar acting on the marks, the duplicate searches and the
// statistics dialog.
#include "ui/window/markierbefehle.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTableWidget>
#include <QTest>

#include "support/ui/fensterhilfen.h"
#include "support/speicherhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/dialogs/statistikdialog.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {
namespace {

using A = Elementart;

class Markierbefehle_ : public test::Fensterfixture {
 protected:
  Markierbefehle& befehle() { return f->markierbefehle(); }
  // A line between two pixels of the drawing area (a new undo step unless `schritt` is false).
  std::int32_t linie(int x1, int y1, int x2, int y2, bool schritt = true) {
    const Ansicht& a = f->sitzung().zeichnung.ansicht;
    const Weltpunkt p = a.pixelToWorld(x1, y1), q = a.pixelToWorld(x2, y2);
    return test::linie(speicher(), p.x, p.y, q.x, q.y, schritt);
  }
  std::int32_t flaeche(bool gefuellt) {
    speicher().beginneSchritt();
    const std::int32_t n = test::polygon(speicher(), {{0, 0}, {10, 0}, {10, 10}});
    speicher().fuellung(n)->gefuellt = gefuellt ? 1 : 0;
    return n;
  }
  // The alive elements in drawing order, one letter each: line, polygon,
  // group begin and end; upper case when marked.
  std::string lebende() {
    std::string s;
    for (std::int32_t n = 1; n <= speicher().anzahl(); ++n) {
      if (!speicher().lebendig(n)) continue;
      const A a = speicher().art(n);
      const char c = a == A::Linie ? 'l' : a == A::Polygon ? 'p' : a == A::Gruppenanfang ? 'g' : 'e';
      s += speicher().markiert(n) ? char(c - 'a' + 'A') : c;
    }
    return s;
  }
};

TEST_F(Markierbefehle_, MenueeintraegeAendernDieMarkierungen) {
  const std::tuple<const char*, QAction*, const char*> faelle[] = {
      {"Alles markieren", befehle().allesMarkierenAktion, "LPPL"},
      {"Linien", befehle().demarkierenAktionen[6], "lpPl"},
      {"Nur gefüllte", befehle().nurGefuellteAktion, "lpPl"},
      {"Nach hinten", befehle().nachHintenAktion, "LPpl"},  // behind the others, in their order
  };
  for (const auto& [name, aktion, nachher] : faelle) {
    speicher().leere();
    linie(100, 100, 200, 100);
    flaeche(false);
    flaeche(true);
    linie(100, 150, 200, 150);
    speicher().setzeMarkiert(1, 1);
    speicher().setzeMarkiert(3, 1);
    aktion->trigger();
    EXPECT_EQ(lebende(), nachher) << name;
  }
  EXPECT_EQ(befehle().demarkierenAktionen[6]->text(), QStringLiteral("Linien"));
}

TEST_F(Markierbefehle_, EinKlickMarkiertDieGanzeAeussereGruppeWennEingeschaltet) {
  speicher().beginneSchritt();
  test::klammer(speicher(), A::Gruppenanfang);
  test::klammer(speicher(), A::Gruppenanfang);
  linie(200, 200, 300, 200, false);
  test::klammer(speicher(), A::Gruppenende);
  linie(200, 260, 300, 260, false);
  test::klammer(speicher(), A::Gruppenende);
  linie(200, 320, 300, 320, false);
  waehle(wz(100));
  for (bool ganz : {false, true}) {
    befehle().gruppenAktion->setChecked(ganz);
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // no double click
    klick({250, 200});
    EXPECT_EQ(lebende(), ganz ? "GGLELEl" : "ggLelel");
  }
  // The switch is kept for the next start.
  EXPECT_EQ(konfiguration().wert("Zeichenhilfen", "Gruppen"), "1");
}

TEST_F(Markierbefehle_, EigenschaftsleisteAendertDieMarkiertenInEinemSchritt) {
  Eigenschaftsleiste& e = f->eigenschaften();
  auto* stift = e.findChild<QComboBox*>(QStringLiteral("Stift"));
  auto* stil = e.findChild<QComboBox*>(QStringLiteral("Linienstil"));
  stil->addItem(QStringLiteral("7  Test"), 7);
  auto fuellung = [&](std::int32_t n, auto feld) { return speicher().fuellung(n) ? speicher().fuellung(n)->*feld : -1.0; };
  const std::tuple<const char*, std::function<void()>, std::function<double(std::int32_t)>> faelle[] = {
      {"Stift", [&] { QTest::keyClick(stift, Qt::Key_Down); }, [&](std::int32_t n) { return *speicher().stift(n); }},
      {"Linienstil", [&] { QTest::keyClick(stil, Qt::Key_End); },
       [&](std::int32_t n) { return *speicher().linienstil(n); }},
      {"Winkel", [&] { e.schraffurwinkelFeld()->setValue(30); },
       [&](std::int32_t n) { return fuellung(n, &Fuellangaben::schraffurWinkel); }},
      {"gefüllt", [&] { e.findChild<QCheckBox*>()->click(); },
       [&](std::int32_t n) { return fuellung(n, &Fuellangaben::gefuellt); }},
  };
  for (const auto& [name, waehlen, wert] : faelle) {
    speicher().leere();
    const std::int32_t frei = linie(100, 100, 200, 100);
    const std::int32_t markiert = name[0] == 'S' || name[0] == 'L' ? linie(100, 150, 200, 150) : flaeche(true);
    speicher().setzeMarkiert(markiert, 1);
    const double vorher = wert(markiert), anderer = wert(frei);
    waehlen();
    std::int32_t kopie = 0;  // the changed copy carries the mark now
    for (std::int32_t n = 1; n <= speicher().anzahl(); ++n)
      if (speicher().lebendig(n) && speicher().markiert(n)) kopie = n;
    ASSERT_NE(kopie, 0) << name;
    EXPECT_NE(wert(kopie), vorher) << name;
    EXPECT_EQ(wert(frei), anderer) << name;
    ASSERT_TRUE(f->menue().rueckgaengig->isEnabled()) << name;
    f->menue().rueckgaengig->trigger();
    EXPECT_TRUE(speicher().lebendig(markiert) && wert(markiert) == vorher) << name << ": one step";
  }
}

TEST_F(Markierbefehle_, DoppelteWerdenNachRueckfrageAlsEinSchrittGeloescht) {
  linie(100, 100, 200, 100);
  linie(200, 100, 100, 100);  // the same line drawn the other way round
  linie(100, 100, 200, 100);
  benutzer.antworten = {Antwort::Ja};
  befehle().duplikatAktionen[0]->trigger();
  EXPECT_EQ(benutzer.fragen.back(), "Es wurden 2 doppelte Linien gefunden. Sollen diese Linien nun gelöscht werden?");
  EXPECT_EQ(lebende(), "l");
  f->menue().rueckgaengig->trigger();
  EXPECT_EQ(lebende(), "lll");
  befehle().duplikatAktionen[1]->trigger();
  EXPECT_EQ(benutzer.letzteMeldung(), "Es wurden keine doppelte Objekte gefunden");
}

TEST_F(Markierbefehle_, StatistikZaehltJeArtUndUndoKnoepfeSindDieDesMenues) {
  f->werkzeuge().waehle(wz(1));
  for (int y : {100, 150}) {
    klick({100, y});
    klick({200, y});
  }
  ASSERT_TRUE(f->menue().rueckgaengig->isEnabled());
  f->menue().rueckgaengig->trigger();
  befehle().statistikAktion->trigger();
  auto* dialog = f->findChild<TStatistik*>();
  ASSERT_NE(dialog, nullptr);
  const QTableWidget* t = dialog->tabelle();
  EXPECT_EQ(t->verticalHeaderItem(6)->text() + t->item(6, 0)->text() + t->item(6, 1)->text() + t->item(13, 2)->text(),
            QStringLiteral("Linien112"));
  dialog->close();
  const QList<QAction*> knoepfe = f->leisten().bearbeiten->actions();
  EXPECT_TRUE(knoepfe.contains(f->menue().rueckgaengig) && knoepfe.contains(f->menue().wiederherstellen));
  EXPECT_TRUE(f->menue().wiederherstellen->isEnabled());
}

}  // namespace
}  // namespace quarzel
