// Macro runs: a million loop passes of arithmetic and variable updates, and
// a macro that draws a hundred thousand lines. Both should finish within a
// second, so macros with many thousands of commands run without a pause.
#include <benchmark/benchmark.h>

#include "macro/makrocompiler.h"
#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

void BM_SchleifeMitRechnung(benchmark::State& state) {
  const Tokenprogramm p = kompiliereText(
      "/i 0 DEF /summe 0 DEF\n"
      "1000000 { /i i 1 ADD DEF /summe summe i 2 MUL ADD 3 SUB DEF }\n");
  for (auto _ : state) {
    Makrointerpreter m;
    const Laufende ende = m.starte(p);
    if (ende != Laufende::Beendet || *m.variablen().finde("i") != "1000000") state.SkipWithError("falsches Ergebnis");
    benchmark::DoNotOptimize(m.variablen().finde("summe"));
  }
}
BENCHMARK(BM_SchleifeMitRechnung)->Unit(benchmark::kMillisecond);

void BM_HunderttausendLinien(benchmark::State& state) {
  const Tokenprogramm p = kompiliereText(
      "0 0 MOVETO /x 0 DEF\n"
      "100000 { /x x 1 ADD DEF x 1000 MOD x 1000 IDIV LINETO }\n");
  for (auto _ : state) {
    state.PauseTiming();
    SkriptBenutzer benutzer;
    auto zeichnung = std::make_unique<Zeichnung>();
    if (!zeichnung->speicher.initialisiere(benutzer)) state.SkipWithError("Speicher");
    Makrozeichner zeichner(*zeichnung);
    Makrointerpreter m;
    m.setzeZeichnung(zeichnung.get());
    m.setzeZeichner(&zeichner);
    state.ResumeTiming();
    const Laufende ende = m.starte(p);
    if (ende != Laufende::Beendet || zeichnung->speicher.anzahl() != 100000) state.SkipWithError("falsches Ergebnis");
  }
}
BENCHMARK(BM_HunderttausendLinien)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
