// The symbol catalogue's list of a folder of 500 symbol files, each with its
// 64 × 64 preview: the first showing lists the folder, reads every header
// and decodes every picture; the second finds every picture kept and reads
// no file. Measured is everything but the widgets' painting: listing,
// headers, decoding, and the model answering the names and pictures a view
// asks for.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/skriptbenutzer.h"
#include "store/symboldatei.h"
#include "ui/qt/symbolausgabe.h"
#include "ui/window/symbolvorschaumodell.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

constexpr int kSymbolzahl = 500;

// A symbol of a few lines and a circle; `n` varies the lines, so the
// previews differ.
std::unique_ptr<Symbol> neuesTestsymbol(int n) {
  Zeichnung z;
  SkriptBenutzer b;
  if (!z.speicher.initialisiere(b)) return nullptr;
  Elementspeicher& s = z.speicher;
  s.beginneSchritt();
  for (int i = 0; i <= n % 7; ++i) s.vervollstaendige(s.neueLinie(1000, 1000 + i * 5, 1040, 1000 + i * 3, 0));
  tbogendaten kreis;
  kreis.xm = 1020;
  kreis.ym = 1010;
  kreis.xr = kreis.yr = 8;
  s.vervollstaendige(s.neuerBogen(kreis));
  s.markiereAlleLebendigen();
  std::vector<std::int32_t> elemente;
  for (std::int32_t e = 1; e <= s.anzahl(); ++e) elemente.push_back(e);
  std::unique_ptr<Symbol> symbol = neuesSymbol(z, elemente, {1000, 1000}, b);
  if (symbol) symbol->kopf.vorschau = symbolvorschau(*symbol, Symbolausgabewahl{});
  return symbol;
}

struct Katalogordner {
  fs::path pfad = fs::temp_directory_path() / ("bench_symbolkatalog-" + std::to_string(getpid()));

  Katalogordner() {
    static int argc = 1;
    static char name[] = "bench_symbolkatalog";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication anwendung(argc, argv);
    fs::create_directories(pfad);
    for (int i = 0; i < kSymbolzahl; ++i) {
      const std::unique_ptr<Symbol> symbol = neuesTestsymbol(i);
      if (!symbol) continue;
      const std::vector<std::uint8_t> bytes = schreibeSymbol(*symbol);
      char datei[32];
      std::snprintf(datei, sizeof datei, "Symbol_%03d.QZS", i);
      std::ofstream(pfad / datei, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
  }
  ~Katalogordner() {
    std::error_code ec;
    fs::remove_all(pfad, ec);
  }
};

const fs::path& ordner() {
  static Katalogordner o;
  return o.pfad;
}

// Shows the folder and waits for every preview; then asks for each row's
// name and picture, as a view showing them all would.
void zeige(Symbolvorschaumodell& modell, benchmark::State& state) {
  modell.zeigeOrdner(ordner(), false);
  while (modell.ladeStapel(std::chrono::seconds(60))) {
  }
  if (modell.rowCount() != kSymbolzahl) state.SkipWithError("nicht alle Symbole gefunden");
  for (int i = 0; i < modell.rowCount(); ++i) {
    benchmark::DoNotOptimize(modell.data(modell.index(i), Qt::DisplayRole));
    benchmark::DoNotOptimize(modell.data(modell.index(i), Qt::DecorationRole));
  }
}

void BM_ErsteAnzeige(benchmark::State& state) {
  ordner();
  for (auto _ : state) {
    Symbolvorschaumodell modell;  // nothing kept yet
    zeige(modell, state);
  }
}
BENCHMARK(BM_ErsteAnzeige)->Unit(benchmark::kMillisecond);

void BM_ZweiteAnzeige(benchmark::State& state) {
  ordner();
  Symbolvorschaumodell modell;
  zeige(modell, state);
  for (auto _ : state) zeige(modell, state);
}
BENCHMARK(BM_ZweiteAnzeige)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
