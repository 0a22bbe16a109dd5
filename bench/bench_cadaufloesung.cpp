// The resolver on a million lines of the model space, spread over a few
// layers with colours by layer, as an import of a large plan meets them. The
// model is built in memory, so the figure is the resolver's alone.
#include <benchmark/benchmark.h>

#include "exchange/cadaufloesung.h"

namespace quarzel {
namespace {

const CadModell& millionLinien() {
  static const CadModell m = [] {
    CadModell r;
    for (int i = 0; i < 8; ++i) r.layer.push_back({"Layer" + std::to_string(i), farbeAusAci(i + 1)});
    r.entitaeten.reserve(1'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
      CadEntitaet e;
      e.art = CadArt::Linie;
      e.layer = r.name(r.layer[static_cast<std::size_t>(i % 8)].name);
      e.a = {i * 0.5, (i % 1000) * 0.25, 0};
      e.b = {i * 0.5 + 3, (i % 1000) * 0.25 + 2, 0};
      r.entitaeten.push_back(e);
    }
    return r;
  }();
  return m;
}

void BM_CadAufloesungMillionLinien(benchmark::State& state) {
  const CadModell& m = millionLinien();
  for (auto _ : state) {
    double summe = 0;
    CadAufloeseErgebnis r = cadAufloesen(m, m.entitaeten, {}, [&](const CadWeltelement& w) { summe += w.b.x; });
    if (r.elemente != 1'000'000) state.SkipWithError("not every line came out");
    benchmark::DoNotOptimize(summe);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 1'000'000);
}
BENCHMARK(BM_CadAufloesungMillionLinien)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
