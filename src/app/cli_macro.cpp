// quarzel-cli macro run MAKRO [-i ZEICHNUNG] -o AUSGABE: runs a macro (".PSQ"
// source or compiled ".MAK") on a drawing without a window and saves the
// result. An error of the macro is printed with its German message and
// makes the exit code 1; nothing is saved then, so a half-drawn result never
// passes for a finished one.
#include <filesystem>
#include <string>

#include "app/cli_befehle.h"
#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrofehler.h"
#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "macro/quelltextdatei.h"
#include "macro/schreibweise.h"
#include "store/speichern.h"
#include "store/zeichnungsdatei.h"
#include "ui/window/programmstart.h"

namespace quarzel {

namespace {

constexpr int kErfolg = 0;
constexpr int kFehler = 1;

std::optional<Tokenprogramm> leseMakro(const std::string& name, Benutzer& benutzer) {
  const std::filesystem::path pfad(name);
  if (grossschreibung(pfad.extension().string()) == Makroendung) {
    Makroleseergebnis gelesen = leseMakrodatei(pfad);
    if (gelesen.status == Makrolesestatus::Gelesen) return std::move(gelesen.programm);
    const Makrofehler code =
        gelesen.status == Makrolesestatus::Fehlt ? Makrofehler::MakroFehlt : Makrofehler::KeinMakro;
    benutzer.meldung(makrofehlertext(code, name), Meldungsart::Fehler);
    return std::nullopt;
  }
  const Quelltextergebnis quelle = leseQuelltext(pfad);
  if (quelle.status != Quelltextstatus::Gelesen) {
    benutzer.meldung(meldungQuelltext(quelle.status, name), Meldungsart::Fehler);
    return std::nullopt;
  }
  return kompiliereText(quelle.text);
}

bool bereiteZeichnungVor(const Cliaufruf& aufruf, Zeichnung& zeichnung, Benutzer& benutzer) {
  if (aufruf.zeichnung.empty()) return starteZeichnung(zeichnung, Zeichnungsvorgaben{}, benutzer);
  Ladeoptionen optionen;
  // Hatches the file names are kept as names; whether this installation
  // knows them matters only when the drawing is shown.
  optionen.schraffurBekannt = [](const std::string&) { return true; };
  const Ladeergebnis geladen = ladeZeichnung(aufruf.zeichnung, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  return geladen.geladen;
}

}  // namespace

int cliMacroRun(const Cliaufruf& aufruf, Benutzer& benutzer) {
  std::optional<Tokenprogramm> programm = leseMakro(aufruf.eingabe, benutzer);
  if (!programm) return kFehler;
  Zeichnung zeichnung;
  if (!bereiteZeichnungVor(aufruf, zeichnung, benutzer)) return kFehler;

  Makrozeichner zeichner(zeichnung);
  Makrointerpreter interpreter;
  interpreter.setzeBenutzer(&benutzer);
  interpreter.setzeZeichnung(&zeichnung);
  interpreter.setzeZeichner(&zeichner);
  const std::filesystem::path makroordner = std::filesystem::path(aufruf.eingabe).parent_path();
  interpreter.setzeMakroordner(makroordner);
  Makrostart start;
  start.programmordner = makroordner.string();
  const Laufende ende = interpreter.starte(std::move(*programm), start);
  if (ende == Laufende::Fehler) return kFehler;
  if (ende == Laufende::Wartet) {
    benutzer.meldung("Das Makro wartet auf eine Eingabe, die quarzel-cli nicht geben kann.", Meldungsart::Fehler);
    return kFehler;
  }

  einstellung::Speichern speichern;
  speichern.sicherheitskopieAnlegen = false;
  const Speicherergebnis gespeichert = speichereZeichnung(zeichnung, aufruf.ausgabe, speichern, benutzer);
  return gespeichert.status == Speicherstatus::Gespeichert ? kErfolg : kFehler;
}

}  // namespace quarzel
