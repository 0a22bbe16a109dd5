// quarzel-cli macro run MAKRO [-i ZEICHNUNG] -o AUSGABE [--answers ANTWORTEN]:
// runs a macro (".PSQ" source or compiled ".MAK") on a drawing without a
// window and saves the result. What the macro asks the user is answered from
// the answers file (makroantworten.h); messages are printed. An error of the
// macro, or a question without an answer, is printed with its German message
// and makes the exit code 1; nothing is saved then, so a half-drawn result
// never passes for a finished one.
#include <filesystem>
#include <iostream>
#include <string>

#include "app/cli_befehle.h"
#include "edit/treffertest.h"
#include "macro/makroantworten.h"
#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrofehler.h"
#include "macro/makrointeraktion.h"
#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "macro/quelltextdatei.h"
#include "macro/schreibweise.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "settings/konfiguration.h"
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

std::optional<Makroantworten> bereiteAntwortenVor(const Cliaufruf& aufruf, Benutzer& benutzer) {
  if (aufruf.antworten.empty()) return Makroantworten::ohneAntworten(&std::cout, &std::cerr);
  std::string fehler;
  std::optional<std::vector<std::string>> zeilen = leseAntwortdatei(aufruf.antworten, fehler);
  if (!zeilen) {
    benutzer.meldung(fehler, Meldungsart::Fehler);
    return std::nullopt;
  }
  return Makroantworten(std::move(*zeilen), std::filesystem::path(aufruf.antworten).parent_path(), &std::cout,
                        &std::cerr);
}

std::vector<std::filesystem::path> symbolordner() {
  std::vector<std::filesystem::path> ordner;
  if (const auto benutzer = benutzerordner()) ordner.push_back(*benutzer / "Symbole");
  ordner.push_back(programmordner() / "Symbole");
  return ordner;
}

}  // namespace

int cliMacroRun(const Cliaufruf& aufruf, Benutzer& benutzer) {
  std::optional<Tokenprogramm> programm = leseMakro(aufruf.eingabe, benutzer);
  if (!programm) return kFehler;
  std::optional<Makroantworten> antworten = bereiteAntwortenVor(aufruf, benutzer);
  if (!antworten) return kFehler;
  Zeichnung zeichnung;
  if (!bereiteZeichnungVor(aufruf, zeichnung, benutzer)) return kFehler;

  Makrozeichner zeichner(zeichnung);
  const std::filesystem::path makroordner = std::filesystem::path(aufruf.eingabe).parent_path();
  Makrointeraktionsumfeld umfeld;
  umfeld.zeichnung = &zeichnung;
  umfeld.zeichner = &zeichner;
  umfeld.programmordner = programmordner();
  umfeld.makroordner = makroordner;
  umfeld.symbolordner = symbolordner();
  umfeld.projektwert = [&zeichnung](int zeile) { return projektwert(zeichnung, zeile); };
  umfeld.setzeProjektwert = [&zeichnung](int zeile, std::string wert) {
    return setzeProjektwert(zeichnung, zeile, std::move(wert));
  };
  Makrointeraktion interaktion(*antworten, std::move(umfeld));
  antworten->elementAn = [&zeichnung](Weltpunkt p) { return elementUnterKlick(zeichnung, p, nullptr); };

  Makrointerpreter interpreter;
  interpreter.setzeBenutzer(&benutzer);
  interpreter.setzeZeichnung(&zeichnung);
  interpreter.setzeZeichner(&zeichner);
  interpreter.setzeErweiterung(&interaktion);
  interpreter.setzeMakroordner(makroordner);
  antworten->setzeLauf(&interpreter);
  Makrostart start;
  start.programmordner = makroordner.string();
  Laufende ende = interpreter.starte(std::move(*programm), start);
  ende = antworten->beantworteCursorwoerter(ende, interaktion, zeichnung);
  if (antworten->fehler()) {
    benutzer.meldung(*antworten->fehler(), Meldungsart::Fehler);
    return kFehler;
  }
  if (ende == Laufende::Fehler) return kFehler;
  if (ende == Laufende::Gestoppt) {
    benutzer.meldung("Das Makro wurde abgebrochen.", Meldungsart::Fehler);
    return kFehler;
  }
  // Answers left over usually mean the file was written for another macro.
  if (const std::size_t uebrig = antworten->unbenutzteZeilen(); uebrig > 0) {
    std::cerr << "Hinweis: " << uebrig << " Zeile(n) der Antwortdatei blieben unbenutzt.\n";
  }

  einstellung::Speichern speichern;
  speichern.sicherheitskopieAnlegen = false;
  const Speicherergebnis gespeichert = speichereZeichnung(zeichnung, aufruf.ausgabe, speichern, benutzer);
  return gespeichert.status == Speicherstatus::Gespeichert ? kErfolg : kFehler;
}

}  // namespace quarzel
