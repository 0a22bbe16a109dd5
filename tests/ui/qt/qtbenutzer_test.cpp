// The Qt user answers the core's questions through dialogs with German
// buttons; this test presses the buttons the way a user would.
#include "ui/qt/qtbenutzer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace quarzel {
namespace {

// Runs `handlung` on the modal dialog as soon as it is open.
void amDialog(std::function<void(QWidget*)> handlung) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, handlung] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    handlung(dialog);
  });
  timer->start();
}

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
  amDialog([&](QWidget* d) {
    texte = knopftexte(d);
    klicke(d, QStringLiteral("Ja"));
  });
  EXPECT_TRUE(benutzer.jaNein("Zeichnung speichern?"));
  EXPECT_EQ(texte, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
  amDialog([](QWidget* d) { static_cast<QMessageBox*>(d)->escapeButton()->click(); });
  EXPECT_FALSE(benutzer.jaNein("Weiter?"));

  const std::pair<const char*, Antwort> faelle[] = {
      {"Ja", Antwort::Ja}, {"Nein", Antwort::Nein}, {"Abbrechen", Antwort::Abbrechen}};
  for (const auto& [knopf, antwort] : faelle) {
    amDialog([knopf](QWidget* d) { klicke(d, QString::fromUtf8(knopf)); });
    EXPECT_EQ(benutzer.jaNeinAbbrechen("Änderungen übernehmen?"), antwort) << knopf;
  }
  amDialog([](QWidget* d) { static_cast<QMessageBox*>(d)->escapeButton()->click(); });
  EXPECT_EQ(benutzer.jaNeinAbbrechen("Weiter?"), Antwort::Abbrechen);
}

}  // namespace
}  // namespace quarzel
