// quarzel-cli projekt DATEI [--zeige VARIABLE ... | --setze VARIABLE=WERT ...
// -o AUSGABE.qzz]: the drawing's project data as the dialog
// "Zeichnungsinformationen" shows them (one row a line: variable, current
// value, meaning, separated by tabs), the values of some variables one a
// line, or fields of that dialog set and the drawing saved — how title
// blocks of a series of plans get their data from a script.
#include <iostream>
#include <optional>
#include <string>

#include "app/cli_befehle.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "project/projektfelder.h"
#include "store/speichern.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

namespace {

constexpr int kErfolg = 0;
constexpr int kFehler = 1;

// Lines of a remark on one line of the listing.
std::string einzeilig(std::string text) {
  for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 2)) text.replace(i, 1, "\\n");
  return text;
}

std::string mitDollar(const std::string& variable) {
  return variable.starts_with('$') ? variable : "$" + variable;
}
void unbekannt(const std::string& variable, Benutzer& benutzer) {
  benutzer.meldung("projekt: \"" + variable + "\" ist keine Variable der Zeichnungsinformationen", Meldungsart::Fehler);
}

// The row of a variable given with or without its "$"; only rows the dialog edits.
std::optional<int> einzugebendeZeile(const std::string& variable, Benutzer& benutzer) {
  const std::optional<int> zeile = zeileDesPlatzhalters(mitDollar(variable));
  if (!zeile) {
    unbekannt(variable, benutzer);
  } else if (!wirdEingegeben(*zeile)) {
    benutzer.meldung("projekt: \"" + variable + "\" wird berechnet und kann nicht gesetzt werden", Meldungsart::Fehler);
    return std::nullopt;
  }
  return zeile;
}

}  // namespace

int cliProjekt(const Cliaufruf& aufruf, Benutzer& benutzer) {
  Zeichnung zeichnung;
  Ladeoptionen optionen;
  optionen.schraffurBekannt = [](const std::string&) { return true; };
  const Ladeergebnis geladen = ladeZeichnung(aufruf.eingabe, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  if (!geladen.geladen) return kFehler;

  if (!aufruf.projektfragen.empty()) {
    for (const std::string& variable : aufruf.projektfragen) {
      const std::optional<std::string> wert = platzhalterwert(zeichnung, mitDollar(variable));
      if (!wert) {
        unbekannt(variable, benutzer);
        return kFehler;
      }
      std::cout << einzeilig(*wert) << '\n';
    }
    std::cout.flush();
    return std::cout ? kErfolg : kFehler;
  }
  if (aufruf.projektwerte.empty()) {
    std::cout << "Variable\taktueller Wert\tBedeutung\n";
    for (int i = 0; i < kProjektfelder; ++i) {
      const Projektfeld& f = projektfelder()[static_cast<std::size_t>(i)];
      std::cout << f.platzhalter << '\t' << einzeilig(projektwert(zeichnung, i)) << '\t' << f.bedeutung << '\n';
    }
    std::cout.flush();
    return std::cout ? kErfolg : kFehler;
  }

  for (const auto& [variable, wert] : aufruf.projektwerte) {
    const std::optional<int> zeile = einzugebendeZeile(variable, benutzer);
    if (!zeile) return kFehler;
    setzeProjektwert(zeichnung, *zeile, wert);
  }
  einstellung::Speichern speichern;
  speichern.sicherheitskopieAnlegen = false;
  const Speicherergebnis gespeichert = speichereZeichnung(zeichnung, aufruf.ausgabe, speichern, benutzer);
  return gespeichert.status == Speicherstatus::Gespeichert ? kErfolg : kFehler;
}

}  // namespace quarzel
