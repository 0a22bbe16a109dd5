// A user that answers from a script: queued answers for questions, recorded
// messages. Tests use it to drive and observe the core; quarzel-cli uses it
// with no queued answers, so every question gets its default and every
// message goes to the standard error stream.
#pragma once

#include <deque>
#include <iosfwd>
#include <string>

#include "platform/benutzer.h"

namespace quarzel {

class SkriptBenutzer final : public Benutzer {
 public:
  // When `echo` is set, messages are also written there (quarzel-cli: stderr).
  explicit SkriptBenutzer(std::ostream* echo = nullptr) : echo_(echo) {}

  // Queued answers, consumed in order. Without a queued answer yes/no questions
  // are answered with `standardJaNein`, choices with 0, inputs and file dialogs
  // with cancel.
  std::deque<Antwort> antworten;
  std::deque<int> auswahlen;
  std::deque<std::optional<std::string>> eingaben;
  std::deque<std::optional<std::string>> dateinamen;
  bool standardJaNein = false;

  struct Eintrag {
    std::string text;
    Meldungsart art;
  };
  std::vector<Eintrag> meldungen;      // everything shown with meldung()
  std::vector<std::string> fragen;     // every question asked, in order
  std::vector<std::string> fortschritte;

  void meldung(std::string_view text, Meldungsart art) override;
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

  // The last message shown, or "" when there was none.
  std::string letzteMeldung() const { return meldungen.empty() ? std::string() : meldungen.back().text; }

 private:
  std::ostream* echo_;
};

}  // namespace quarzel
