// Texts in the window: the Text bar's button places a text through the text
// dialog, whose font, height and angle the configuration file keeps; a
// double click of the select tool on the text changes it through the same
// dialog.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QPlainTextEdit>

#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/dialogs/textdialog.h"
#include "ui/window/statusleiste.h"

namespace quarzel {
namespace {

using TextFenster = test::Fensterfixture;

void schreibe(const char* text, double winkel) {
  test::imDialog<Textdialog>([text, winkel](Textdialog& d) {
    d.findChild<QPlainTextEdit*>(QStringLiteral("Text"))->setPlainText(QString::fromUtf8(text));
    d.findChild<QDoubleSpinBox*>(QStringLiteral("Winkel"))->setValue(winkel);
    test::okDruecken(d);
  });
}

TEST_F(TextFenster, KnopfLegtTextUeberDenDialogAbUndDoppelklickAendertIhn) {
  waehle(wz(500));
  EXPECT_EQ(f->statusleiste().aufforderung(), QStringLiteral("Fließtext: Funktion ausführen"));
  schreibe("Erste\nZweite", 15);
  klick({200, 200});
  ASSERT_EQ(speicher().art(1), Elementart::Text);
  EXPECT_EQ(speicher().text(1).zeilen, (std::vector<std::string>{"Erste", "Zweite"}));
  EXPECT_EQ(konfiguration().leseText("Texteinstellungen", "DefTextWinkel", ""), "15");

  schreibe("Geändert", 15);
  f->sitzung().werkzeuge.markier.elementDoppelklick(1);
  ASSERT_EQ(speicher().art(2), Elementart::Text);
  EXPECT_EQ(std::tuple(speicher().lebendig(1), speicher().text(2).zeilen.front()), std::tuple(false, "Geändert"));
}

}  // namespace
}  // namespace quarzel
