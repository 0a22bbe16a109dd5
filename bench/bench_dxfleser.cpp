// The DXF reader on a million lines written by another program (R2000,
// ASCII). The file is made once by dxf_linien.py beside this file and kept in
// the temporary folder, as writing it takes far longer than reading it; the
// bytes are read before timing, so the figure is the parser's alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "exchange/dxfleser.h"

namespace quarzel {
namespace {

const std::string& millionLinien() {
  static const std::string daten = [] {
    const std::filesystem::path datei = std::filesystem::temp_directory_path() / "quarzel_dxf_1m.dxf";
    if (!std::filesystem::exists(datei)) {
      const std::filesystem::path skript = std::filesystem::path(__FILE__).parent_path() / "dxf_linien.py";
      const std::string befehl = "/usr/bin/python3 '" + skript.string() + "' '" + datei.string() + "'";
      if (std::system(befehl.c_str()) != 0) return std::string();
    }
    std::ifstream f(datei, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }();
  return daten;
}

void BM_DxfMillionLinien(benchmark::State& state) {
  const std::string& daten = millionLinien();
  if (daten.empty()) {
    state.SkipWithError("dxf_linien.py could not write the file");
    return;
  }
  for (auto _ : state) {
    CadModell m;
    DxfErgebnis e = dxfLesen(daten, m);
    if (!e.ok || m.entitaeten.size() != 1'000'000) state.SkipWithError("the file was not read whole");
    benchmark::DoNotOptimize(m.entitaeten.size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * daten.size()));
}
BENCHMARK(BM_DxfMillionLinien)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
