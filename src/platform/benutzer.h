// Benutzer: how the core talks to the user. The core never opens a window; it
// asks through this interface. The desktop program answers with Qt dialogs,
// tests and the batch tool with the scripted implementation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

enum class Meldungsart { Information, Warnung, Fehler };
enum class Antwort { Ja, Nein, Abbrechen };

class Benutzer {
 public:
  virtual ~Benutzer() = default;

  virtual void meldung(std::string_view text, Meldungsart art = Meldungsart::Information) = 0;
  virtual bool jaNein(std::string_view frage) = 0;
  virtual Antwort jaNeinAbbrechen(std::string_view frage) = 0;
  // A question with buttons of its own; the answer is the index of the button.
  virtual int auswahl(std::string_view titel, std::string_view text, const std::vector<std::string>& knoepfe) = 0;
  // One value typed by the user, the field labelled `feldname` where given;
  // std::nullopt when the user cancels.
  virtual std::optional<std::string> eingabe(std::string_view titel, std::string_view frage,
                                             std::string_view vorgabe, std::string_view feldname = {}) = 0;
  // filter in the form "Zeichnungen (*.QZZ)|*.QZZ|Alle Dateien|*.*"
  virtual std::optional<std::string> dateiOeffnen(std::string_view titel, std::string_view filter,
                                                  std::string_view ordner) = 0;
  virtual std::optional<std::string> dateiSpeichern(std::string_view titel, std::string_view filter,
                                                    std::string_view vorschlag) = 0;
  // Progress of a long operation: a text and a percentage (0..100), or -1 when done.
  virtual void fortschritt(std::string_view text, int prozent) = 0;
};

}  // namespace quarzel
