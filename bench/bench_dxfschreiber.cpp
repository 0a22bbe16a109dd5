// The DXF export of a drawing of a million lines, a few millimetres to two
// centimetres long at random on an A3 sheet, as real plans have them. The
// drawing is made once before timing; the figure is the writer's alone
// (the file's bytes in memory, no disk).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "exchange/dxfschreiber.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

const Zeichnung& millionLinien() {
  static const Zeichnung* z = [] {
    auto* neu = new Zeichnung;
    SkriptBenutzer benutzer;
    Elementspeicher& s = neu->speicher;
    s.initialisiere(benutzer);
    s.beginneSchritt();
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> x(20, 400), y(20, 277), nah(-10, 10);
    for (int i = 0; i < 1'000'000; ++i) {
      const double px = x(zufall), py = y(zufall);
      s.vervollstaendige(s.neueLinie(px, py, px + nah(zufall), py + nah(zufall), 0));
    }
    return neu;
  }();
  return *z;
}

void BM_DxfMillionLinienSchreiben(benchmark::State& state) {
  const Zeichnung& z = millionLinien();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string aus;
    const DxfSchreibbericht b = dxfSchreiben(z, aus);
    if (b.entitaeten != 1'000'000) state.SkipWithError("not every line was written");
    bytes = aus.size();
    benchmark::DoNotOptimize(aus.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_DxfMillionLinienSchreiben)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
