// The Qt user answers the core's questions through dialogs with German
// buttons; these tests press the buttons the way a user would.
#include "ui/qt/qtbenutzer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
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

TEST(QtBenutzerFragen, AuswahlLiefertDenIndexDesGedruecktenKnopfes) {
  QtBenutzer benutzer;
  amDialog([](QWidget* d) { klicke(d, QStringLiteral("Überschreiben")); });
  EXPECT_EQ(benutzer.auswahl("Symbol", "Das Symbol gibt es schon.", {"Umbenennen", "Überschreiben", "Abbrechen"}), 1);
}

TEST(QtBenutzerMeldung, ZeigtDenTextMitOkKnopf) {
  QtBenutzer benutzer;
  QString text;
  QStringList texte;
  amDialog([&](QWidget* d) {
    text = static_cast<QMessageBox*>(d)->text();
    texte = knopftexte(d);
    klicke(d, QStringLiteral("OK"));
  });
  benutzer.meldung("Größe überschritten", Meldungsart::Fehler);
  EXPECT_EQ(text, QStringLiteral("Größe überschritten"));
  EXPECT_EQ(texte, QStringList{QStringLiteral("OK")});
}

TEST(QtBenutzerEingabe, LiefertDenGetipptenTextOderNichtsBeiAbbrechen) {
  QtBenutzer benutzer;
  QString vorgabe;
  amDialog([&](QWidget* d) {
    auto* eingabe = d->findChild<QLineEdit*>();
    vorgabe = eingabe->text();
    eingabe->setText(QStringLiteral("Grundriß EG"));
    klicke(d, QStringLiteral("OK"));
  });
  EXPECT_EQ(benutzer.eingabe("Ebene", "Name der Ebene:", "Ebene 1"), std::optional<std::string>("Grundriß EG"));
  EXPECT_EQ(vorgabe, QStringLiteral("Ebene 1"));

  amDialog([](QWidget* d) { klicke(d, QStringLiteral("Abbrechen")); });
  EXPECT_EQ(benutzer.eingabe("Ebene", "Name der Ebene:", "Ebene 1"), std::nullopt);
}

TEST(QtBenutzerDateidialog, KnoepfeSindDeutschUndAbbrechenLiefertNichts) {
  QtBenutzer benutzer;
  for (const bool speichern : {false, true}) {
    QStringList texte;
    amDialog([&](QWidget* d) {
      texte = knopftexte(d);
      klicke(d, QStringLiteral("Abbrechen"));
    });
    const auto datei = speichern ? benutzer.dateiSpeichern("Speichern", "Zeichnungen (*.QZZ)|*.QZZ", "")
                                 : benutzer.dateiOeffnen("Öffnen", "Zeichnungen (*.QZZ)|*.QZZ", "");
    EXPECT_EQ(datei, std::nullopt);
    EXPECT_TRUE(texte.contains(QStringLiteral("Abbrechen"))) << texte.join(u',').toStdString();
    EXPECT_FALSE(texte.contains(QStringLiteral("Cancel")));
    EXPECT_TRUE(texte.contains(speichern ? QStringLiteral("Speichern") : QStringLiteral("Öffnen")));
  }
}

TEST(QtBenutzerFortschritt, GehtAnDieAnzeige) {
  QString text;
  int prozent = 0;
  QtBenutzer benutzer(nullptr, [&](const QString& t, int p) {
    text = t;
    prozent = p;
  });
  benutzer.fortschritt("Lade Zeichnung", 40);
  EXPECT_EQ(text, QStringLiteral("Lade Zeichnung"));
  EXPECT_EQ(prozent, 40);
  QtBenutzer ohneAnzeige;
  ohneAnzeige.fortschritt("egal", 10);  // no display: nothing happens, nothing breaks
}

}  // namespace
}  // namespace quarzel
