// The SVG import of 100,000 elements as the program runs it: the file read
// and the elements made in the drawing. The drawing is written before timing:
// lines, paths with curves and arcs, filled rectangles, circles and texts in
// layer groups, with transforms and a style sheet, as drawing programs write.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "exchange/cadimport.h"
#include "exchange/svgleser.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

constexpr int kElemente = 100'000;

const std::string& datei() {
  static const std::string pfad = [] {
    const std::filesystem::path p = std::filesystem::temp_directory_path() / "quarzel_svg_100k.svg";
    std::ofstream f(p, std::ios::binary);
    f << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\""
         " width=\"1000mm\" height=\"1000mm\" viewBox=\"0 0 1000 1000\">\n"
         "<style>.w{stroke:#333;stroke-width:0.5;fill:none} .f{fill:#c0c0c0;stroke:none}</style>\n";
    for (int i = 0; i < kElemente; ++i) {
      const double x = (i % 1000) * 0.9, y = (i / 1000) * 9.0;
      if (i % 1000 == 0)
        f << (i ? "</g>\n" : "") << "<g inkscape:groupmode=\"layer\" inkscape:label=\"Ebene " << i / 1000
          << "\" transform=\"translate(0.5 0.5)\">\n";
      switch (i % 5) {
        case 0:
          f << "<line class=\"w\" x1=\"" << x << "\" y1=\"" << y << "\" x2=\"" << x + 0.8 << "\" y2=\"" << y + 5
            << "\"/>\n";
          break;
        case 1:
          f << "<path class=\"w\" d=\"M" << x << ' ' << y << " c0.2 1 0.6 1 0.8 0 a0.4 0.4 0 0 1 0 2 l-0.8 1z\"/>\n";
          break;
        case 2:
          f << "<rect class=\"f\" x=\"" << x << "\" y=\"" << y << "\" width=\"0.7\" height=\"4\"/>\n";
          break;
        case 3:
          f << "<circle class=\"w\" cx=\"" << x + 0.4 << "\" cy=\"" << y + 2 << "\" r=\"0.3\"/>\n";
          break;
        default:
          f << "<text x=\"" << x << "\" y=\"" << y << "\" font-size=\"1\">R" << i << "</text>\n";
          break;
      }
    }
    f << "</g>\n</svg>\n";
    return p.string();
  }();
  return pfad;
}

void BM_SvgImport100000(benchmark::State& state) {
  const std::string& pfad = datei();
  SkriptBenutzer b;
  for (auto _ : state) {
    state.PauseTiming();
    auto z = std::make_unique<Zeichnung>();
    z->speicher.initialisiere(b);
    state.ResumeTiming();
    const CadDatei d = ladeCadDatei(pfad);
    const CadImportergebnis e = importiereCad(*z, b, d, {});
    state.PauseTiming();
    if (!d.gelesen || !d.fehler.empty() || e.elemente < kElemente) state.SkipWithError("not imported whole");
    benchmark::DoNotOptimize(e.elemente);
    z.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SvgImport100000)->Unit(benchmark::kMillisecond);

// The reader alone, for the share of the import it takes.
void BM_SvgLesen100000(benchmark::State& state) {
  std::ifstream f(datei(), std::ios::binary);
  const std::string daten((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  for (auto _ : state) {
    CadModell m;
    if (!svgLesen(daten, m).ok) state.SkipWithError("not read whole");
    benchmark::DoNotOptimize(m.entitaeten.size());
  }
}
BENCHMARK(BM_SvgLesen100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
