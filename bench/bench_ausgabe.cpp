// The output paths of "quarzel-cli render" and of the window's export: an A3
// sheet with 100,000 short lines, and 100,000 mixed elements (lines,
// circles, arcs, 6-point polylines), written as PDF, PNG at 150 dpi and SVG.
// Loading is left out; bench/compare-output.sh measures whole runs.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {
namespace {

std::unique_ptr<Zeichnung> erzeuge(bool gemischt) {
  auto z = std::make_unique<Zeichnung>();
  SkriptBenutzer benutzer;
  Elementspeicher& s = z->speicher;
  s.initialisiere(benutzer);
  s.beginneSchritt();
  z->ansicht.sheetWidth = 420;
  z->ansicht.sheetHeight = 297;
  const double x0 = z->ansicht.sheetLeft, y0 = z->ansicht.sheetTop;
  std::mt19937 zufall(4711);
  std::uniform_real_distribution<double> x(x0 + 20, x0 + 400), y(y0 + 20, y0 + 277), nah(-10, 10), radius(0.5, 10),
      winkel(0, 360);
  for (int i = 0; i < 100'000; ++i) {
    const double px = x(zufall), py = y(zufall);
    std::int32_t n = 0;
    switch (gemischt ? i % 4 : 0) {
      case 0:
        n = s.neueLinie(px, py, px + nah(zufall), py + nah(zufall), 0);
        break;
      case 1:
      case 2: {
        tbogendaten d;
        d.xm = px;
        d.ym = py;
        d.xr = d.yr = radius(zufall);
        if (i % 4 == 2) {
          d.startwinkel = static_cast<float>(winkel(zufall));
          d.endwinkel = static_cast<float>(std::fmod(d.startwinkel + 30 + winkel(zufall) * 0.8, 360.0));
        }
        n = s.neuerBogen(d);
        break;
      }
      default:
        s.punkte.leere();
        for (int j = 0; j < 6; ++j) s.punkte.fuegeHinzu(px + nah(zufall), py + nah(zufall));
        n = s.neuesPolygon(Elementart::Polygon, Tpolygondaten{});
    }
    s.vervollstaendige(n);
    s.setzeMarkiert(n, 0);
  }
  return z;
}

const Zeichnung& zeichnung(bool gemischt) {
  static std::unique_ptr<Zeichnung> z[2];
  if (!z[gemischt]) z[gemischt] = erzeuge(gemischt);
  return *z[gemischt];
}

void ausgabe(benchmark::State& state, bool gemischt, const char* endung) {
  // Texts and SVG need a GUI application; the offscreen platform needs no display.
  static int argc = 1;
  static char name[] = "bench_ausgabe";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication anwendung(argc, argv);
  const Zeichnung& z = zeichnung(gemischt);
  Ausgabewahl w;
  w.pfad = QDir::temp().filePath(QString("bench_ausgabe.") + endung).toStdString();
  w.format = *ausgabeformatFuer(w.pfad);
  for (auto _ : state)
    if (!gibZeichnungAus(z, w).empty()) state.SkipWithError("nicht geschrieben");
  std::remove(w.pfad.c_str());
}

void BM_Linien_Pdf(benchmark::State& s) {
  ausgabe(s, false, "pdf");
}
void BM_Linien_Png(benchmark::State& s) {
  ausgabe(s, false, "png");
}
void BM_Linien_Svg(benchmark::State& s) {
  ausgabe(s, false, "svg");
}
void BM_Gemischt_Pdf(benchmark::State& s) {
  ausgabe(s, true, "pdf");
}
void BM_Gemischt_Png(benchmark::State& s) {
  ausgabe(s, true, "png");
}
void BM_Gemischt_Svg(benchmark::State& s) {
  ausgabe(s, true, "svg");
}

BENCHMARK(BM_Linien_Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Linien_Png)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Linien_Svg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gemischt_Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gemischt_Png)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gemischt_Svg)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
