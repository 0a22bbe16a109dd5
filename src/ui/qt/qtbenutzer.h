// QtBenutzer: the user of the desktop program, asked through Qt dialogs.
// Message boxes and questions carry German buttons ("OK", "Ja", "Nein",
// "Abbrechen") whatever the system language, because Qt's own button texts
// follow the installed translations. File dialogs take the core's filter form
// (see dateifilter.h). Progress goes to a callback, normally the main
// window's status bar.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "platform/benutzer.h"

class QWidget;

namespace quarzel {

class QtBenutzer final : public Benutzer {
 public:
  // text and percentage (-1: done, clear the display)
  using Fortschrittsanzeige = std::function<void(const QString& text, int prozent)>;

  explicit QtBenutzer(QWidget* eltern = nullptr, Fortschrittsanzeige anzeige = {});

  // The program's user exists before its window: from now on dialogs belong
  // to `fenster` and progress goes to `anzeige`, both only while the window
  // lives.
  void zeigeIn(QWidget* fenster, Fortschrittsanzeige anzeige);

  void meldung(std::string_view text, Meldungsart art = Meldungsart::Information) override;
  bool jaNein(std::string_view frage) override;
  Antwort jaNeinAbbrechen(std::string_view frage) override;
  int auswahl(std::string_view titel, std::string_view text, const std::vector<std::string>& knoepfe) override;
  std::optional<std::string> eingabe(std::string_view titel, std::string_view frage, std::string_view vorgabe,
                                     std::string_view feldname = {}) override;
  std::optional<std::string> dateiOeffnen(std::string_view titel, std::string_view filter,
                                          std::string_view ordner) override;
  std::optional<std::string> dateiSpeichern(std::string_view titel, std::string_view filter,
                                            std::string_view vorschlag) override;
  void fortschritt(std::string_view text, int prozent) override;

 private:
  std::optional<std::string> dateidialog(bool speichern, std::string_view titel, std::string_view filter,
                                         std::string_view start);

  QPointer<QWidget> eltern_;
  Fortschrittsanzeige anzeige_;
};

// The caption of the program's message boxes.
QString programmtitel();

}  // namespace quarzel
