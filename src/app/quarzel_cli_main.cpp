// quarzel-cli: the core without a window, for scripts and tests. Questions of
// the core get their defaults, messages go to the standard error stream.
// Exit codes: 0 success, 1 error, 2 wrong call.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_befehle.h"
#include "platform/skriptbenutzer.h"
#include "ui/window/cliaufruf.h"

namespace quarzel {
namespace {

constexpr int kErfolg = 0;
constexpr int kFehler = 1;
constexpr int kFalscherAufruf = 2;

using Befehlsfunktion = int (*)(const Cliaufruf& aufruf, Benutzer& benutzer);

int nochNichtVerfuegbar(const Cliaufruf& aufruf, Benutzer& benutzer) {
  benutzer.meldung("quarzel-cli: " + std::string(befehlsname(aufruf.befehl)) + " ist noch nicht verfügbar",
                   Meldungsart::Fehler);
  return kFehler;
}

// One entry per sub-command; each gets its own function as it is built.
struct Befehlseintrag {
  Clibefehl befehl;
  Befehlsfunktion ausfuehren;
};

constexpr std::array<Befehlseintrag, 8> kBefehle{{
    {Clibefehl::Info, cliInfo},
    {Clibefehl::Render, cliRender},
    {Clibefehl::Print, cliPrint},
    {Clibefehl::Convert, cliConvert},
    {Clibefehl::MacroRun, cliMacroRun},
    {Clibefehl::Symbol, cliSymbol},
    {Clibefehl::Projekt, cliProjekt},
    {Clibefehl::Stueckliste, cliStueckliste},
}};

int cliMain(int argc, char** argv) {
  const std::vector<std::string> argumente(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
  const Cliauswertung auswertung = werteCliAus(argumente);
  if (!auswertung.aufruf) {
    std::cerr << "quarzel-cli: " << auswertung.fehler << "\n\n" << cliVerwendung();
    return kFalscherAufruf;
  }
  const Cliaufruf& aufruf = *auswertung.aufruf;
  if (aufruf.befehl == Clibefehl::Hilfe) {
    std::cout << cliVerwendung();
    return kErfolg;
  }
  SkriptBenutzer benutzer(&std::cerr);
  for (const Befehlseintrag& e : kBefehle) {
    if (e.befehl == aufruf.befehl) return e.ausfuehren(aufruf, benutzer);
  }
  return nochNichtVerfuegbar(aufruf, benutzer);
}

}  // namespace
}  // namespace quarzel

int main(int argc, char** argv) {
  return quarzel::cliMain(argc, argv);
}
