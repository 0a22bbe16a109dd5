// Trimming one line against another in a drawing of 1,000,000 lines: both
// picks found through the snap search's spatial index, then the trim as one
// undo step. The index is rebuilt after every change of the drawing, once,
// whatever the tool; bench_fangen measures that build, so here it is done
// outside the timing.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "edit/fangsuche.h"
#include "edit/treffertest.h"
#include "edit/trimmoperationen.h"
#include "platform/skriptbenutzer.h"

namespace quarzel {
namespace {

struct Testzeichnung {
  Zeichnung z;
  Fangsuche suche{z};
  // Clicks on the line to trim (left of the crossing) and the cutting line.
  Weltpunkt klick1{-300, -50}, klick2{-100, 100};
};

std::unique_ptr<Testzeichnung> erzeuge(int anzahl) {
  auto t = std::make_unique<Testzeichnung>();
  SkriptBenutzer benutzer;
  Elementspeicher& s = t->z.speicher;
  s.initialisiere(benutzer);
  s.beginneSchritt();
  std::mt19937 zufall(1234);
  std::uniform_real_distribution<double> x(0, 2000), y(0, 1400), klein(-15, 15);
  for (int i = 0; i < anzahl; ++i) {
    const double px = x(zufall), py = y(zufall);
    s.vervollstaendige(s.neueLinie(px, py, px + klein(zufall), py + klein(zufall), 0));
  }
  // A wall stopping short of a crossing wall, away from the random lines.
  s.vervollstaendige(s.neueLinie(-500, -50, -150, -50, 0));
  s.vervollstaendige(s.neueLinie(-100, -400, -100, 400, 0));
  s.demarkiereAlle();
  Ansicht& a = t->z.ansicht;
  a.zoom = 0.25;
  a.viewOriginX = -600;
  a.viewOriginY = 200;
  a.areaWidth = 1600;
  a.areaHeight = 1000;
  return t;
}

Testzeichnung& zeichnung() {
  static std::unique_ptr<Testzeichnung> t = erzeuge(1000000);
  return *t;
}

std::int32_t waehle(Testzeichnung& t, Weltpunkt p) {
  const Pixelpunkt px = t.z.ansicht.worldToPixel(p.x, p.y);
  return trefferTest(t.z, px.x, px.y, kTreffertoleranz, &t.suche.index());
}

void BM_LinieTrimmen(benchmark::State& state) {
  Testzeichnung& t = zeichnung();
  for (auto _ : state) {
    state.PauseTiming();
    t.suche.aktualisiereIndex();
    state.ResumeTiming();
    const std::int32_t n1 = waehle(t, t.klick1), n2 = waehle(t, t.klick2);
    if (n1 == 0 || n2 == 0 || !trimmeLinien(t.z, n1, t.klick1, n2, t.klick2, false).empty()) {
      state.SkipWithError("Die Linien wurden nicht gefunden oder nicht getrimmt.");
      break;
    }
  }
}
BENCHMARK(BM_LinieTrimmen)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
}  // namespace quarzel
