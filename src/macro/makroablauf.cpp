// The words of program flow: variables, conditions, loops, subroutines,
// included macros and the few platform words that need no window.
#include <chrono>
#include <ctime>

#include "macro/makrodatei.h"
#include "macro/makrointerpreter.h"
#include "macro/makroumgebung.h"
#include "macro/makrowerte.h"
#include "macro/schreibweise.h"
#include "platform/uhr.h"

namespace quarzel {

namespace {

Makrofehlerfall fall(Makrofehler code, std::string x = {}) {
  return {code, std::move(x), {}, {}, {}};
}

std::string ortszeit(const char* format) {
  const std::time_t jetzt = std::time(nullptr);
  std::tm t{};
  localtime_r(&jetzt, &t);
  char puffer[32];
  const std::size_t n = std::strftime(puffer, sizeof puffer, format, &t);
  return std::string(puffer, n);
}

}  // namespace

std::optional<Makrofehlerfall> Makrointerpreter::ablaufwort(Befehl b) {
  Makrostapel& s = lauf_.stapel;
  switch (b) {
    case Befehl::DEF:
      return definiere();
    case Befehl::IF: {
      const bool wahr = makrowahr(s.oben());
      s.entferne(1);
      if (!wahr) ueberspringeBisEndif(true);
      return std::nullopt;
    }
    case Befehl::ELSE:
      ueberspringeBisEndif(false);
      return std::nullopt;
    case Befehl::ENDIF:
    case Befehl::SETALIAS:
    case Befehl::Kommentarzeichen:
      return std::nullopt;
    case Befehl::Schleifenanfang:
      return schleifenanfang();
    case Befehl::Schleifenende:
      return schleifenende();
    case Befehl::EXIT:
      return verlasseSchleife();
    case Befehl::CALL:
      return rufeAuf();
    case Befehl::RETURN:
      return kehreZurueck();
    case Befehl::INCLUDE:
      return bindeEin();
    case Befehl::RUNFILE:
      return starteDatei();
    case Befehl::TIMER:
    case Befehl::GETDATE:
    case Befehl::GETTIME: {
      if (!s.hatPlatz()) return fall(Makrofehler::SchwererFehler);
      if (b == Befehl::GETDATE) {
        s.lege(ortszeit("%d.%m.%Y"));
      } else if (b == Befehl::GETTIME) {
        s.lege(ortszeit("%H:%M:%S"));
      } else {
        const Systemuhr systemuhr;
        s.legeZahl((uhr_ ? *uhr_ : static_cast<const Uhr&>(systemuhr)).ticks());
      }
      return std::nullopt;
    }
    case Befehl::NEWUNDO:
      if (zeichner_) zeichner_->neuerUndoSchritt();
      return std::nullopt;
    case Befehl::UNDO:
      if (!erweiterung_) return nichtVerfuegbar(b);
      erweiterung_->rueckgaengig();
      return std::nullopt;
    default:
      return fall(Makrofehler::UnbekannterFehler);
  }
}

std::optional<Makrofehlerfall> Makrointerpreter::definiere() {
  Makrostapel& s = lauf_.stapel;
  std::string_view name = s.oben(1);
  if (!name.empty() && name.front() == '/') name.remove_prefix(1);
  // A number as a name is nearly always a variable that was meant to be
  // redefined but got replaced by its value: "x 5 DEF" instead of "/x 5 DEF".
  if (liesGanzzahl(name)) return fall(Makrofehler::ZahlAlsVariablenname, std::string(name));
  Makroeinheit einheit{};
  if (zeichnung_ && gleichInKleinschrift(name, "einheit") && einheitswort(s.oben(0), einheit)) {
    wendeEinheitAn(*zeichnung_, einheit);
  }
  lauf_.variablen.setze(name, std::move(s.oben(0)));
  s.entferne(2);
  return std::nullopt;
}

void Makrointerpreter::ueberspringeBisEndif(bool elseBeendet) {
  const Tokenprogramm& p = lauf_.programm;
  std::size_t tiefe = 1;
  for (std::size_t j = lauf_.pc + 1; j < p.laenge(); ++j) {
    switch (p.befehl(j)) {
      case Befehl::IF:
        ++tiefe;
        break;
      case Befehl::ENDIF:
        --tiefe;
        break;
      case Befehl::ELSE:
        if (elseBeendet && tiefe == 1) tiefe = 0;
        break;
      default:
        break;
    }
    if (tiefe == 0) {
      lauf_.pc = j;  // execution goes on after it
      return;
    }
  }
  lauf_.pc = p.laenge() - 1;  // no ENDIF: the run ends
}

std::optional<Makrofehlerfall> Makrointerpreter::schleifenanfang() {
  Makrostapel& s = lauf_.stapel;
  const auto anzahl = liesGanzzahl(s.oben());
  if (!anzahl) throw Makrozahlfehler(s.oben());
  if (lauf_.schleifen.size() >= HoechsteSchleifentiefe) return fall(Makrofehler::SchwererFehler);
  s.entferne(1);
  lauf_.schleifen.push_back({lauf_.pc, *anzahl, 0});
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrointerpreter::schleifenende() {
  if (lauf_.schleifen.empty()) return fall(Makrofehler::SchleifenendeOhneAnfang);
  Schleife& sch = lauf_.schleifen.back();
  ++sch.durchlaeufe;
  if (sch.durchlaeufe < sch.anzahl && !gestoppt()) {
    lauf_.pc = sch.anfang;
  } else {
    lauf_.schleifen.pop_back();
  }
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrointerpreter::verlasseSchleife() {
  Makrostapel& s = lauf_.stapel;
  const bool verlassen = makrowahr(s.oben());
  s.entferne(1);
  if (lauf_.schleifen.empty()) return fall(Makrofehler::NurInSchleifen);
  if (!verlassen) return std::nullopt;
  Schleife& sch = lauf_.schleifen.back();
  sch.durchlaeufe = sch.anzahl;
  const Tokenprogramm& p = lauf_.programm;
  std::size_t tiefe = 1;
  for (std::size_t j = lauf_.pc + 1; j < p.laenge(); ++j) {
    const Befehl c = p.befehl(j);
    if (c == Befehl::Schleifenanfang) ++tiefe;
    if (c == Befehl::Schleifenende && --tiefe == 0) {
      lauf_.pc = j - 1;  // the "}" runs next and ends the loop
      return std::nullopt;
    }
  }
  lauf_.pc = p.laenge() - 1;
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrointerpreter::rufeAuf() {
  std::string name = lauf_.stapel.nimm();
  if (lauf_.ruecksprung.size() >= HoechsteAufruftiefe) return fall(Makrofehler::RekursiverAufruf, name);
  std::string schluessel = kleinschreibung(name);
  std::size_t ziel = 0;
  if (const auto it = lauf_.labelcache.find(schluessel); it != lauf_.labelcache.end()) {
    ziel = it->second;
  } else {
    const auto label = lauf_.programm.findeLabel(name);
    if (!label) return fall(Makrofehler::UnterprogrammFehlt, name);
    ziel = *label;
    lauf_.labelcache.emplace(std::move(schluessel), ziel);
    lauf_.unterprogramme.push_back(name);
  }
  lauf_.namen.push_back(std::move(lauf_.unterprogramm));
  lauf_.unterprogramm = name;
  lauf_.variablen.setzeZeile(Vordefiniert::Subroutine, std::move(name));
  lauf_.ruecksprung.push_back(lauf_.pc);
  lauf_.pc = ziel;  // execution goes on after the label
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrointerpreter::kehreZurueck() {
  if (lauf_.ruecksprung.empty()) return fall(Makrofehler::ReturnOhneCall);
  lauf_.unterprogramm = std::move(lauf_.namen.back());
  lauf_.namen.pop_back();
  lauf_.variablen.setzeZeile(Vordefiniert::Subroutine, lauf_.unterprogramm.empty() ? "no" : lauf_.unterprogramm);
  lauf_.pc = lauf_.ruecksprung.back();
  lauf_.ruecksprung.pop_back();
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrointerpreter::bindeEin() {
  Makrostapel& s = lauf_.stapel;
  const std::string name = s.oben();
  std::filesystem::path pfad(mitMakroendung(name));
  if (pfad.is_relative() && !makroordner_.empty()) pfad = makroordner_ / pfad;
  const std::string schluessel = pfad.lexically_normal().string();
  // Including a macro once makes its subroutines callable; including it
  // again (in a loop, or two macros including each other) adds nothing.
  if (!lauf_.eingebunden.contains(schluessel)) {
    Makroleseergebnis gelesen = leseMakrodatei(pfad);
    if (gelesen.status == Makrolesestatus::Fehlt) return fall(Makrofehler::MakroFehlt, name);
    if (gelesen.status == Makrolesestatus::KeinMakro) return fall(Makrofehler::KeinMakro, name);
    if (lauf_.programm.laenge() + gelesen.programm.laenge() > HoechsteProgrammlaenge) {
      return fall(Makrofehler::KeinMakro, name);
    }
    lauf_.eingebunden.emplace(schluessel, lauf_.programm.haengeAn(gelesen.programm));
  }
  s.entferne(1);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrointerpreter::starteDatei() {
  Makrostapel& s = lauf_.stapel;
  const std::string datei = s.oben(2);
  const bool gestartet = erweiterung_ && erweiterung_->starteDatei(datei, s.oben(1), s.oben(0));
  if (!gestartet) return fall(Makrofehler::NichtStartbar, datei);
  s.entferne(3);
  return std::nullopt;
}

}  // namespace quarzel
