// The element store on a drawing of a million elements: adding, counting,
// deleting, purging, and the undo machinery.
#include <benchmark/benchmark.h>

#include "platform/skriptbenutzer.h"
#include "store/elementspeicher.h"
#include "store/statistik.h"

namespace quarzel {
namespace {

constexpr int Millionen = 1'000'000;

void fuelle(Elementspeicher& s, int anzahl) {
  SkriptBenutzer b;
  s.initialisiere(b);
  s.beginneSchritt();
  for (int i = 0; i < anzahl; ++i) {
    const std::int32_t n = s.neueLinie(i * 0.01, 0, i * 0.01, 10, 0);
    s.vervollstaendige(n);
  }
  s.demarkiereAlle();
}

void BM_MillionLinienHinzufuegen(benchmark::State& state) {
  for (auto _ : state) {
    Elementspeicher s;
    fuelle(s, Millionen);
    benchmark::DoNotOptimize(s.anzahl());
    state.PauseTiming();
    s = Elementspeicher();  // freeing is not part of adding
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MillionLinienHinzufuegen)->Unit(benchmark::kMillisecond);

void BM_StatistikMillion(benchmark::State& state) {
  Elementspeicher s;
  fuelle(s, Millionen);
  for (auto _ : state) benchmark::DoNotOptimize(zeichnungsstatistik(s));
}
BENCHMARK(BM_StatistikMillion)->Unit(benchmark::kMillisecond);

void BM_AlleMarkierenUndLoeschenMillion(benchmark::State& state) {
  Elementspeicher s;
  fuelle(s, Millionen);
  for (auto _ : state) {
    s.markiereAlleLebendigen();
    s.loescheMarkierte();
    state.PauseTiming();
    s.rueckgaengig();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AlleMarkierenUndLoeschenMillion)->Unit(benchmark::kMillisecond);

void BM_BereinigenMillion(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Elementspeicher s;
    fuelle(s, Millionen);
    s.markiereAlleLebendigen();
    s.loescheMarkierte();
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) s.setzeZustand(n, -1);
    state.ResumeTiming();
    s.bereinige();
    benchmark::DoNotOptimize(s.gesamtanzahl());
    state.PauseTiming();
    s = Elementspeicher();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BereinigenMillion)->Unit(benchmark::kMillisecond);

void BM_SchrittUndoRedoMillion(benchmark::State& state) {
  Elementspeicher s;
  fuelle(s, Millionen);
  const int art = static_cast<int>(state.range(0));
  for (auto _ : state) {
    if (art == 0) {
      s.beginneSchritt();
    } else if (art == 1) {
      s.rueckgaengig();
      state.PauseTiming();
      s.wiederherstellen();
      state.ResumeTiming();
    } else {
      state.PauseTiming();
      s.rueckgaengig();
      state.ResumeTiming();
      s.wiederherstellen();
    }
  }
}
BENCHMARK(BM_SchrittUndoRedoMillion)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"schritt0_undo1_redo2"})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
