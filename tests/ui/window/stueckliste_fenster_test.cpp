// The window "Stückliste" from the menu "S&ymbole": it counts the symbols of
// the open drawing, counts anew for another mask, and saves what it shows.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>

#include "support/tempordner.h"
#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/dialogs/stuecklistendialog.h"

namespace quarzel {
namespace {

using Stueckliste_ = test::Fensterfixture;

TEST_F(Stueckliste_, ZaehltDieSymboleUndSpeichertDieListe) {
  Elementspeicher& s = speicher();
  s.beginneSchritt();
  const auto gruppe = [&](const char* name) {
    const std::int32_t n = s.neueGruppenklammer(Elementart::Gruppenanfang, {.name = name});
    s.vervollstaendige(n);
    s.vervollstaendige(s.neueLinie(0, 0, 10, 10, 0));
    s.vervollstaendige(s.neueGruppenklammer(Elementart::Gruppenende, {}));
  };
  for (int i = 0; i < 3; ++i) gruppe("Stuhl.QZS");
  gruppe("Küche");

  test::menueeintrag(*f->menuBar(), "St&ückliste...")->trigger();
  auto* fenster = f->findChild<TStueckliste*>();
  ASSERT_NE(fenster, nullptr);
  EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Stückliste"));
  QTableWidget& gitter = *fenster->findChild<QTableWidget*>();
  EXPECT_EQ(gitter.columnCount(), 13);
  ASSERT_EQ(gitter.rowCount(), 1);
  EXPECT_EQ(std::tuple(gitter.item(0, 0)->text(), gitter.item(0, 1)->text(), gitter.isColumnHidden(2)),
            std::tuple(QStringLiteral("3"), QStringLiteral("Stuhl.QZS"), true));

  // Another mask counts at once; a symbol added meanwhile counts on the button.
  fenster->findChild<QComboBox*>(QStringLiteral("Maske"))->setCurrentText(QStringLiteral("Alle benannten Gruppen"));
  EXPECT_EQ(gitter.horizontalHeaderItem(1)->text(), QStringLiteral("Gruppenname"));
  ASSERT_EQ(gitter.rowCount(), 2);
  EXPECT_EQ(gitter.item(1, 1)->text(), QStringLiteral("Küche"));
  gruppe("Stuhl.QZS");
  fenster->erzeuge();
  EXPECT_EQ(gitter.item(0, 0)->text(), QStringLiteral("4"));

  test::TempOrdner ordner;
  benutzer.dateinamen.push_back((ordner / "liste.").string());
  benutzer.dateinamen.push_back((ordner / "liste.csv").string());
  ASSERT_TRUE(fenster->speichere());
  ASSERT_TRUE(fenster->speichere());
  EXPECT_EQ(test::leseDatei(ordner / "liste.csv"), "Anzahl;Gruppenname;\r\n4;Stuhl.QZS;\r\n1;Küche;\r\n");
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"liste.csv", "liste.htm"}));
  EXPECT_NE(test::leseDatei(ordner / "liste.htm")
                .find("<title>St\xFC"
                      "ckliste Alle benannten Gruppen</title>"),
            std::string::npos);

  // A new drawing: the open window counts it, the chosen mask stays chosen.
  benutzer.antworten.push_back(Antwort::Nein);  // do not save the old one
  f->neu();
  ASSERT_EQ(speicher().anzahl(), 0);
  EXPECT_EQ(fenster->findChild<QComboBox*>(QStringLiteral("Maske"))->currentText(),
            QStringLiteral("Alle benannten Gruppen"));
  ASSERT_EQ(gitter.rowCount(), 1) << "an empty list keeps one empty row";
  EXPECT_TRUE(gitter.item(0, 1) == nullptr || gitter.item(0, 1)->text().isEmpty());
}

}  // namespace
}  // namespace quarzel
