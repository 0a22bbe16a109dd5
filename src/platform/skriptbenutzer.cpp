#include "platform/skriptbenutzer.h"

#include <ostream>

namespace quarzel {

void SkriptBenutzer::meldung(std::string_view text, Meldungsart art) {
  meldungen.push_back({std::string(text), art});
  if (echo_) *echo_ << text << '\n';
}

bool SkriptBenutzer::jaNein(std::string_view frage) {
  fragen.emplace_back(frage);
  if (antworten.empty()) return standardJaNein;
  Antwort a = antworten.front();
  antworten.pop_front();
  return a == Antwort::Ja;
}

Antwort SkriptBenutzer::jaNeinAbbrechen(std::string_view frage) {
  fragen.emplace_back(frage);
  if (antworten.empty()) return standardJaNein ? Antwort::Ja : Antwort::Nein;
  Antwort a = antworten.front();
  antworten.pop_front();
  return a;
}

int SkriptBenutzer::auswahl(std::string_view, std::string_view text, const std::vector<std::string>&) {
  fragen.emplace_back(text);
  if (auswahlen.empty()) return 0;
  int a = auswahlen.front();
  auswahlen.pop_front();
  return a;
}

std::optional<std::string> SkriptBenutzer::eingabe(std::string_view, std::string_view frage, std::string_view,
                                                   std::string_view) {
  fragen.emplace_back(frage);
  if (eingaben.empty()) return std::nullopt;
  auto e = eingaben.front();
  eingaben.pop_front();
  return e;
}

std::optional<std::string> SkriptBenutzer::dateiOeffnen(std::string_view titel, std::string_view, std::string_view) {
  fragen.emplace_back(titel);
  if (dateinamen.empty()) return std::nullopt;
  auto d = dateinamen.front();
  dateinamen.pop_front();
  return d;
}

std::optional<std::string> SkriptBenutzer::dateiSpeichern(std::string_view titel, std::string_view,
                                                          std::string_view) {
  return dateiOeffnen(titel, {}, {});
}

void SkriptBenutzer::fortschritt(std::string_view text, int) { fortschritte.emplace_back(text); }

}  // namespace quarzel
