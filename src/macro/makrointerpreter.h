// Makrointerpreter: runs the token program of a macro.
//
// A run starts from a compiled program (or source, compiled first), with an
// empty stack, the 44 predefined variables and fresh control stacks, and
// executes token after token until a label or the end marker, an error, or
// a stop request. Command tokens are dispatched on their `Befehl`: values
// (makrorechnen.h) and program flow here, drawing words to the
// `Makrozeichenanschluss`, user and platform words to the `Makroerweiterung`
// (makroanschluesse.h). Data tokens are pushed, a variable name replaced by
// its value at every occurrence, "a[i]" first made "a[3]" when i is 3.
//
// Every error goes through the `Makromelder`; the run then stops after the
// current command. The stop flag may be set from another thread or from a
// callback while the run holds the thread, so a macro that loops forever can
// be ended. Calls, loops, nested runs and the stack are bounded: a runaway
// macro ends with an error, never with a stack overflow or all the memory.
//
// A word of the `Makroerweiterung` that waits for the user (a cursor word)
// makes `starte` return `Wartet`; `setzeFort` goes on after that word once
// its answer is on the stack.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "macro/makroanschluesse.h"
#include "macro/makromelder.h"
#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/tokenprogramm.h"

namespace quarzel {

class Benutzer;
class Uhr;
struct Zeichnung;

struct Makrostart {
  bool ausDatei = false;       // started from a macro file: short error messages
  bool debugmodus = false;     // check the IF/ENDIF, /var/DEF and {/} counts first
  std::string programmordner;  // the value of `progpath`
};

enum class Laufende {
  Beendet,   // reached a label or the end marker
  Fehler,    // an error was reported (letzterFehler)
  Gestoppt,  // the stop flag ended it
  Wartet,    // a word waits for the user; setzeFort goes on
};

class Makrointerpreter {
 public:
  // Room the language promises; deeper nesting is a runaway macro.
  static constexpr std::size_t HoechsteSchleifentiefe = 2000;
  static constexpr std::size_t HoechsteAufruftiefe = 2000;
  static constexpr std::size_t HoechsteLauftiefe = 16;              // nested runs
  static constexpr std::size_t HoechsteProgrammlaenge = 16u << 20;  // tokens, with included macros
  // Commands between two calls of Makroerweiterung::verarbeiteNachrichten.
  static constexpr std::uint32_t Nachrichtentakt = 26;

  Makrointerpreter();
  ~Makrointerpreter();
  Makrointerpreter(const Makrointerpreter&) = delete;
  Makrointerpreter& operator=(const Makrointerpreter&) = delete;

  // Collaborators; each may be null (then its words report that they are not available).
  void setzeBenutzer(Benutzer* benutzer) {
    benutzer_ = benutzer;
    melder_.setzeBenutzer(benutzer);
  }
  void setzeZeichnung(Zeichnung* zeichnung) { zeichnung_ = zeichnung; }
  void setzeZeichner(Makrozeichenanschluss* zeichner) { zeichner_ = zeichner; }
  void setzeErweiterung(Makroerweiterung* erweiterung) { erweiterung_ = erweiterung; }
  void setzeUhr(const Uhr* uhr) { uhr_ = uhr; }
  // Where INCLUDE looks for names without a folder.
  void setzeMakroordner(std::filesystem::path ordner) { makroordner_ = std::move(ordner); }
  // Commands between two calls of verarbeiteNachrichten; 1 lets a debugger
  // halt after every command.
  void setzeNachrichtentakt(std::uint32_t takt) { nachrichtentakt_ = takt == 0 ? 1 : takt; }

  // Prepares a run and runs the program from its first token.
  Laufende starte(Tokenprogramm programm, const Makrostart& start = {});
  Laufende starteQuelltext(std::string_view quelltext, const Makrostart& start = {});
  // Goes on after the word that waited.
  Laufende setzeFort();
  // Runs another macro inside this run (a dialog's button, for example):
  // the running program, stack, variables and control stacks are kept aside
  // and restored afterwards. Too deep a nesting is error 21.
  Laufende laufeVerschachtelt(Tokenprogramm programm, const Makrostart& start = {});

  // Thread-safe: the run ends after the current command.
  void stoppe() { stopp_.store(true, std::memory_order_relaxed); }
  bool gestoppt() const { return stopp_.load(std::memory_order_relaxed); }
  // For words of the Makroerweiterung.
  void warteAufEingabe() { lauf_.wartet = true; }
  bool wartet() const { return lauf_.wartet; }
  // Reports an error as the run's own; false when it is not shown (code 99
  // of a macro file) and the run goes on.
  bool melde(const Makrofehlerfall& fall);

  Makrostapel& stapel() { return lauf_.stapel; }
  Makrovariablen& variablen() { return lauf_.variablen; }
  const Makrostapel& stapel() const { return lauf_.stapel; }
  const Makrovariablen& variablen() const { return lauf_.variablen; }
  const Tokenprogramm& programm() const { return lauf_.programm; }
  std::size_t befehlszaehler() const { return lauf_.pc; }
  // The subroutines found so far in this run, in the order of their first call.
  const std::vector<std::string>& unterprogramme() const { return lauf_.unterprogramme; }
  std::size_t aufruftiefe() const { return lauf_.ruecksprung.size(); }
  std::size_t schleifentiefe() const { return lauf_.schleifen.size(); }
  const std::optional<Makromeldung>& letzterFehler() const { return melder_.letzte(); }
  // Warnings of the debug-mode count check of the last start.
  const std::vector<std::string>& warnungen() const { return warnungen_; }

 private:
  struct Schleife {
    std::size_t anfang;  // index of "{"
    std::int64_t anzahl;
    std::int64_t durchlaeufe;
  };
  // Everything a nested run keeps aside.
  struct Lauf {
    Tokenprogramm programm;
    Makrostapel stapel;
    Makrovariablen variablen;
    std::size_t pc = 0;
    std::vector<Schleife> schleifen;
    std::vector<std::size_t> ruecksprung;
    std::vector<std::string> namen;  // the subroutine running before each call
    std::string unterprogramm;       // the running one, "" at the outermost level
    std::unordered_map<std::string, std::size_t> labelcache;
    std::vector<std::string> unterprogramme;
    std::unordered_map<std::string, std::size_t> eingebunden;  // included file -> first token
    std::mt19937 zufall;
    bool ausDatei = false;
    bool wartet = false;
    bool fehler = false;
  };

  void bereiteVor(Tokenprogramm programm, const Makrostart& start);
  Laufende laufe();
  void fuehreTokenAus();
  void legeDaten(std::size_t i);
  std::optional<Makrofehlerfall> fuehreBefehlAus(Befehl b);
  void meldeAusnahme(Befehl b, const char* was);

  // Program flow (makroablauf.cpp).
  std::optional<Makrofehlerfall> ablaufwort(Befehl b);
  std::optional<Makrofehlerfall> definiere();
  void ueberspringeBisEndif(bool elseBeendet);
  std::optional<Makrofehlerfall> schleifenanfang();
  std::optional<Makrofehlerfall> schleifenende();
  std::optional<Makrofehlerfall> verlasseSchleife();
  std::optional<Makrofehlerfall> rufeAuf();
  std::optional<Makrofehlerfall> kehreZurueck();
  std::optional<Makrofehlerfall> bindeEin();
  std::optional<Makrofehlerfall> starteDatei();

  Lauf lauf_;
  std::vector<Lauf> beiseite_;  // runs interrupted by nested ones
  std::atomic<bool> stopp_{false};
  std::uint32_t takt_ = 0;
  std::uint32_t nachrichtentakt_ = Nachrichtentakt;
  Makromelder melder_;
  std::vector<std::string> warnungen_;
  Benutzer* benutzer_ = nullptr;
  Zeichnung* zeichnung_ = nullptr;
  Makrozeichenanschluss* zeichner_ = nullptr;
  Makroerweiterung* erweiterung_ = nullptr;
  const Uhr* uhr_ = nullptr;
  std::filesystem::path makroordner_;
};

}  // namespace quarzel
