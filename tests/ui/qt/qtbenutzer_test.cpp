// The Qt user answers the core's questions through dialogs with German
// buttons; this test presses the buttons the way a user would.
#include "ui/qt/qtbenutzer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "support/ui/einstellungshilfen.h"
#include "ui/qt/teingabefenster.h"

namespace quarzel {
namespace {

QStringList knopftexte(QWidget* dialog) {
  QStringList texte;
  for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
    if (!b->text().isEmpty()) texte.append(b->text());
  }
  texte.sort();
  return texte;
}

void klicke(QWidget* dialog, const QString& text) {
  for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
    if (b->text() == text) {
      b->click();
      return;
    }
  }
  ADD_FAILURE() << "no button " << text.toStdString();
  dialog->close();
}

TEST(QtBenutzerFragen, DeutscheKnoepfeLiefernIhreAntwortUndEscapeIstNeinBeziehungsweiseAbbrechen) {
  QtBenutzer benutzer;
  QStringList texte;
  test::wennOffen<QMessageBox>([&](QMessageBox& d) {
    texte = knopftexte(&d);
    klicke(&d, QStringLiteral("Ja"));
  });
  EXPECT_TRUE(benutzer.jaNein("Zeichnung speichern?"));
  EXPECT_EQ(texte, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
  test::wennOffen<QMessageBox>([](QMessageBox& d) { d.escapeButton()->click(); });
  EXPECT_FALSE(benutzer.jaNein("Weiter?"));

  const std::pair<const char*, Antwort> faelle[] = {
      {"Ja", Antwort::Ja}, {"Nein", Antwort::Nein}, {"Abbrechen", Antwort::Abbrechen}};
  for (const auto& [knopf, antwort] : faelle) {
    test::wennOffen<QMessageBox>([knopf](QMessageBox& d) { klicke(&d, QString::fromUtf8(knopf)); });
    EXPECT_EQ(benutzer.jaNeinAbbrechen("Änderungen übernehmen?"), antwort) << knopf;
  }
  test::wennOffen<QMessageBox>([](QMessageBox& d) { d.escapeButton()->click(); });
  EXPECT_EQ(benutzer.jaNeinAbbrechen("Weiter?"), Antwort::Abbrechen);
}

TEST(QtBenutzerFragen, EingabefensterNenntSeinFeldUndAbbrechenAendertNichts) {
  QtBenutzer benutzer;
  QStringList texte, beschriftungen;
  test::wennOffen<TEingabefenster>([&](TEingabefenster& d) {
    texte = knopftexte(&d);
    for (QLabel* l : d.findChildren<QLabel*>()) beschriftungen.append(l->text());
    d.findChild<QLineEdit*>()->setText(QStringLiteral("5"));
    klicke(&d, QStringLiteral("&OK"));
  });
  EXPECT_EQ(benutzer.eingabe("Linie aufteilen", "In wieviele Teilstücke?", "2", "Teilstücke"), "5");
  EXPECT_EQ(texte, (QStringList{QStringLiteral("&OK"), QStringLiteral("A&bbrechen")}));
  EXPECT_TRUE(beschriftungen.contains(QStringLiteral("Teilstücke")));
  test::wennOffen<TEingabefenster>([](TEingabefenster& d) { klicke(&d, QStringLiteral("A&bbrechen")); });
  EXPECT_EQ(benutzer.eingabe("Abstand paralleler Linien", "Abstand zur Referenzlinie", "1"), std::nullopt);
}

}  // namespace
}  // namespace quarzel
