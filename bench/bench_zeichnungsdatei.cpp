// The drawing file on big drawings: saving and loading a million lines and a
// hundred thousand polygons of twenty points, in memory and once through a
// real file. Freeing the drawing a load replaces is kept out of the timing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/skriptbenutzer.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {
namespace {

constexpr int MillionLinien = 1'000'000;
constexpr int Polygonzahl = 100'000;
constexpr int Polygonpunkte = 20;

std::unique_ptr<Zeichnung> neueZeichnung() {
  auto z = std::make_unique<Zeichnung>();
  SkriptBenutzer b;
  z->speicher.initialisiere(b);
  z->speicher.beginneSchritt();
  return z;
}

// Lines as a plan has them: the colour changes now and then, so attribute
// records sit between the element records.
std::unique_ptr<Zeichnung> linienzeichnung() {
  auto z = neueZeichnung();
  Elementspeicher& s = z->speicher;
  for (int i = 0; i < MillionLinien; ++i) {
    const double x = 4000 + (i % 1000) * 1.7, y = 4000 + (i / 1000) * 1.3;
    s.vervollstaendige(s.neueLinie(x, y, x + 12.5, y + 0.25, static_cast<Farbe>(i / 500 % 7)));
  }
  s.demarkiereAlle();
  return z;
}

std::unique_ptr<Zeichnung> polygonzeichnung() {
  auto z = neueZeichnung();
  Elementspeicher& s = z->speicher;
  for (int i = 0; i < Polygonzahl; ++i) {
    Tpolygondaten p;
    for (int k = 0; k < Polygonpunkte; ++k) {
      p.x.push_back(4000 + (i % 300) * 5.0 + k * 0.2);
      p.y.push_back(4000 + (i / 300) * 5.0 + (k % 3) * 0.7);
    }
    s.vervollstaendige(s.neuesPolygonMitPunkten(Elementart::Polygon, std::move(p)));
  }
  s.demarkiereAlle();
  return z;
}

const Zeichnung& linien() {
  static const std::unique_ptr<Zeichnung> z = linienzeichnung();
  return *z;
}
const Zeichnung& polygone() {
  static const std::unique_ptr<Zeichnung> z = polygonzeichnung();
  return *z;
}

void speichere(benchmark::State& state, const Zeichnung& z) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    Schreibergebnis e = schreibeZeichnung(z);
    bytes = e.daten.size();
    benchmark::DoNotOptimize(e.daten.data());
    state.PauseTiming();
    e = {};
    state.ResumeTiming();
  }
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void lade(benchmark::State& state, const Zeichnung& z) {
  const std::vector<std::uint8_t> daten = schreibeZeichnung(z).daten;
  SkriptBenutzer b;
  for (auto _ : state) {
    state.PauseTiming();
    auto ziel = neueZeichnung();
    state.ResumeTiming();
    const Ladeergebnis e = leseZeichnung(daten, *ziel, b);
    if (e.elemente != z.speicher.anzahl()) state.SkipWithError("nicht alles geladen");
    state.PauseTiming();
    ziel.reset();
    state.ResumeTiming();
  }
  state.counters["MB"] = static_cast<double>(daten.size()) / 1e6;
}

void BM_SpeichernMillionLinien(benchmark::State& state) {
  speichere(state, linien());
}
BENCHMARK(BM_SpeichernMillionLinien)->Unit(benchmark::kMillisecond);

void BM_LadenMillionLinien(benchmark::State& state) {
  lade(state, linien());
}
BENCHMARK(BM_LadenMillionLinien)->Unit(benchmark::kMillisecond);

// Opening one drawing after another: the store keeps its capacity, so the
// second load touches no fresh memory.
void BM_LadenMillionLinienErneut(benchmark::State& state) {
  const std::vector<std::uint8_t> daten = schreibeZeichnung(linien()).daten;
  SkriptBenutzer b;
  auto ziel = neueZeichnung();
  leseZeichnung(daten, *ziel, b);
  for (auto _ : state) benchmark::DoNotOptimize(leseZeichnung(daten, *ziel, b).elemente);
}
BENCHMARK(BM_LadenMillionLinienErneut)->Unit(benchmark::kMillisecond);

void BM_SpeichernPolygone(benchmark::State& state) {
  speichere(state, polygone());
}
BENCHMARK(BM_SpeichernPolygone)->Unit(benchmark::kMillisecond);

void BM_LadenPolygone(benchmark::State& state) {
  lade(state, polygone());
}
BENCHMARK(BM_LadenPolygone)->Unit(benchmark::kMillisecond);

// The fixed cost of a load: an empty drawing.
void BM_LadenLeereZeichnung(benchmark::State& state) {
  auto leer = neueZeichnung();
  const std::vector<std::uint8_t> daten = schreibeZeichnung(*leer).daten;
  SkriptBenutzer b;
  for (auto _ : state) {
    Zeichnung ziel;
    benchmark::DoNotOptimize(leseZeichnung(daten, ziel, b).geladen);
  }
}
BENCHMARK(BM_LadenLeereZeichnung)->Unit(benchmark::kMillisecond);

// Through the file system once: reading the file is part of the time.
void BM_LadenMillionLinienAusDatei(benchmark::State& state) {
  const std::filesystem::path pfad = std::filesystem::temp_directory_path() / "quarzel_bench_linien.qzz";
  {
    const std::vector<std::uint8_t> daten = schreibeZeichnung(linien()).daten;
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(daten.data()), daten.size());
  }
  SkriptBenutzer b;
  for (auto _ : state) {
    state.PauseTiming();
    auto ziel = neueZeichnung();
    state.ResumeTiming();
    const Ladeergebnis e = ladeZeichnung(pfad.string(), *ziel, b);
    if (e.elemente != MillionLinien) state.SkipWithError("nicht alles geladen");
    state.PauseTiming();
    ziel.reset();
    state.ResumeTiming();
  }
  std::filesystem::remove(pfad);
}
BENCHMARK(BM_LadenMillionLinienAusDatei)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quarzel
