#include "ui/qt/qtbenutzer.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/dateifilter.h"
#include "ui/qt/teingabefenster.h"

namespace quarzel {

namespace {

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QMessageBox::Icon symbolFuer(Meldungsart art) {
  switch (art) {
    case Meldungsart::Warnung:
      return QMessageBox::Warning;
    case Meldungsart::Fehler:
      return QMessageBox::Critical;
    case Meldungsart::Information:
      break;
  }
  return QMessageBox::Information;
}

}  // namespace

QString programmtitel() {
  const QString name = QApplication::applicationName();
  return name.isEmpty() ? QStringLiteral("Quarzel") : name;
}

QtBenutzer::QtBenutzer(QWidget* eltern, Fortschrittsanzeige anzeige) : eltern_(eltern), anzeige_(std::move(anzeige)) {}

void QtBenutzer::zeigeIn(QWidget* fenster, Fortschrittsanzeige anzeige) {
  eltern_ = fenster;
  anzeige_ = [fenster = QPointer<QWidget>(fenster), anzeige = std::move(anzeige)](const QString& text, int prozent) {
    if (fenster != nullptr && anzeige) anzeige(text, prozent);
  };
}

void QtBenutzer::meldung(std::string_view text, Meldungsart art) {
  QMessageBox box(symbolFuer(art), programmtitel(), qtext(text), QMessageBox::NoButton, eltern_);
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

bool QtBenutzer::jaNein(std::string_view frage) {
  QMessageBox box(QMessageBox::Question, programmtitel(), qtext(frage), QMessageBox::NoButton, eltern_);
  QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
  QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
  box.setDefaultButton(ja);
  box.setEscapeButton(nein);
  box.exec();
  return box.clickedButton() == ja;
}

Antwort QtBenutzer::jaNeinAbbrechen(std::string_view frage) {
  QMessageBox box(QMessageBox::Question, programmtitel(), qtext(frage), QMessageBox::NoButton, eltern_);
  QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
  QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
  QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
  box.setDefaultButton(ja);
  box.setEscapeButton(abbrechen);
  box.exec();
  if (box.clickedButton() == ja) return Antwort::Ja;
  if (box.clickedButton() == nein) return Antwort::Nein;
  return Antwort::Abbrechen;
}

int QtBenutzer::auswahl(std::string_view titel, std::string_view text, const std::vector<std::string>& knoepfe) {
  QMessageBox box(QMessageBox::Question, titel.empty() ? programmtitel() : qtext(titel), qtext(text),
                  QMessageBox::NoButton, eltern_);
  std::vector<QPushButton*> buttons;
  for (const std::string& k : knoepfe) buttons.push_back(box.addButton(qtext(k), QMessageBox::ActionRole));
  if (buttons.empty()) buttons.push_back(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
  box.setDefaultButton(buttons.front());
  // Closing the box counts as the last button, the customary "cancel" place.
  box.setEscapeButton(buttons.back());
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  }
  return static_cast<int>(buttons.size()) - 1;
}

std::optional<std::string> QtBenutzer::eingabe(std::string_view titel, std::string_view frage,
                                               std::string_view vorgabe, std::string_view feldname) {
  TEingabefenster fenster(titel.empty() ? programmtitel() : qtext(titel), qtext(frage), qtext(vorgabe),
                          qtext(feldname), eltern_);
  if (fenster.exec() != QDialog::Accepted) return std::nullopt;
  return fenster.text().toStdString();
}

std::optional<std::string> QtBenutzer::dateiOeffnen(std::string_view titel, std::string_view filter,
                                                    std::string_view ordner) {
  return dateidialog(false, titel, filter, ordner);
}

std::optional<std::string> QtBenutzer::dateiSpeichern(std::string_view titel, std::string_view filter,
                                                      std::string_view vorschlag) {
  return dateidialog(true, titel, filter, vorschlag);
}

std::optional<std::string> QtBenutzer::dateidialog(bool speichern, std::string_view titel, std::string_view filter,
                                                   std::string_view start) {
  QFileDialog dialog(eltern_, qtext(titel));
  // Qt's own dialog, so that its captions can be German without translations.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters(qtDateifilter(filter));
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
  const QString startpfad = qtext(start);
  if (speichern) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog.setDefaultSuffix(standardEndung(filter));
    // A name typed without extension gets the one of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& gewaehlt) {
      static const QRegularExpression endung(QStringLiteral("\\(\\*\\.([A-Za-z0-9_]+)"));
      const auto treffer = endung.match(gewaehlt);
      if (treffer.hasMatch()) dialog.setDefaultSuffix(treffer.captured(1));
    });
    // The dialog's own overwrite question would be English.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!startpfad.isEmpty()) dialog.selectFile(startpfad);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Öffnen"));
    if (!startpfad.isEmpty()) dialog.setDirectory(startpfad);
  }
  // After setAcceptMode(), which puts in a new, English, cancel button.
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
  while (dialog.exec() == QDialog::Accepted) {
    const QStringList gewaehlt = dialog.selectedFiles();
    if (gewaehlt.isEmpty()) return std::nullopt;
    const QString datei = gewaehlt.first();
    if (speichern && QFileInfo::exists(datei) &&
        !jaNein(QStringLiteral("Die Datei %1 ist bereits vorhanden. Soll sie ersetzt werden?")
                    .arg(QFileInfo(datei).fileName())
                    .toStdString())) {
      continue;
    }
    return datei.toStdString();
  }
  return std::nullopt;
}

void QtBenutzer::fortschritt(std::string_view text, int prozent) {
  if (anzeige_) anzeige_(qtext(text), prozent);
}

}  // namespace quarzel
