// The HPGL import of 100,000 elements (lines, polylines, circles, filled
// rectangles and labels over eight pens) from the file into a fresh drawing,
// as the menu runs it: read, resolved and built into the element store.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "exchange/cadimport.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

constexpr int kElemente = 100'000;

const std::string& plotdatei() {
  static const std::string pfad = [] {
    const std::filesystem::path datei = std::filesystem::temp_directory_path() / "quarzel_hpgl_100k.plt";
    std::ofstream f(datei, std::ios::binary);
    f << "IN;SC0,1000,0,1000,1;PW0.25;\n";
    for (int i = 0; i < kElemente; ++i) {
      const int x = (i * 37) % 1000, y = (i * 91) % 1000;
      if (i % 100 == 0) f << "SP" << (i / 100) % 8 + 1 << ";";
      switch (i % 5) {
        case 0:
          f << "PU" << x << "," << y << ";PD" << x + 10 << "," << y + 5 << ";";
          break;
        case 1:
          f << "PU" << x << "," << y << ";PD" << x + 5 << "," << y << "," << x + 5 << "," << y + 5 << "," << x << ","
            << y + 8 << ";";
          break;
        case 2:
          f << "PU" << x << "," << y << ";CI" << 3 + i % 7 << ";";
          break;
        case 3:
          f << "PU" << x << "," << y << ";RR6,4;";
          break;
        default:
          f << "PU" << x << "," << y << ";LBNr. " << i << "\x03\n";
          break;
      }
    }
    f << "PU;SP0;\n";
    return datei.string();
  }();
  return pfad;
}

void BM_HpglImport100000(benchmark::State& state) {
  const std::string& pfad = plotdatei();
  for (auto _ : state) {
    state.PauseTiming();
    Zeichnung z;
    SkriptBenutzer b;
    if (!z.speicher.initialisiere(b)) state.SkipWithError("the store could not be set up");
    state.ResumeTiming();
    const CadDatei d = ladeCadDatei(pfad);
    const CadImportergebnis e = importiereCad(z, b, d, {});
    if (!d.gelesen || e.elemente < kElemente) state.SkipWithError("the file was not imported whole");
    benchmark::DoNotOptimize(e.elemente);
  }
}
BENCHMARK(BM_HpglImport100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
