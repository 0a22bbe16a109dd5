// Trimming one line against another in a drawing of 1,000,000 lines: both
// picks found through the snap search's spatial index, then the trim as one
// undo step. Likewise a door opening: the piece of a wall line between two
// jamb lines, whose crossings are found through the index, deleted. The
// index is rebuilt after every change of the drawing, once, whatever the
// tool; bench_fangen measures that build, so here it is done outside the
// timing.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "edit/fangsuche.h"
#include "edit/trimmwerkzeuge.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

struct Testzeichnung {
  Zeichnung z;
  Fangsuche suche{z};
  // Clicks on the line to trim (left of the crossing) and the cutting line.
  Weltpunkt klick1{-300, -50}, klick2{-100, 100};
  // A click on the wall between the jambs.
  Weltpunkt tuer{-415, -50};
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
  s.vervollstaendige(s.neueLinie(-450, -100, -450, 0, 0));
  s.vervollstaendige(s.neueLinie(-380, -100, -380, 0, 0));
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

void BM_LinieTrimmen(benchmark::State& state) {
  Testzeichnung& t = zeichnung();
  Trimmwerkzeuge werkzeug;
  werkzeug.fangsuche = &t.suche;
  Werkzeugzustand zustand;
  zustand.werkzeug = Werkzeugcode::LinienTrimmen;
  Werkzeugumgebung u{t.z, zustand, nullptr, {}, {}, {}, {}};
  for (auto _ : state) {
    state.PauseTiming();
    t.suche.aktualisiereIndex();
    zustand.vonVorn();
    state.ResumeTiming();
    werkzeug.punkt(u, t.klick1);
    werkzeug.punkt(u, t.klick2);
  }
  // The trimmed line is left marked, alone.
  if (t.z.speicher.anzahlMarkierte() != 1 || !werkzeug.letzterFehler.empty()) state.SkipWithError("nicht getrimmt");
}
BENCHMARK(BM_LinieTrimmen)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_TeilstueckLoeschen(benchmark::State& state) {
  Testzeichnung& t = zeichnung();
  Trimmwerkzeuge werkzeug;
  werkzeug.fangsuche = &t.suche;
  Werkzeugzustand zustand;
  zustand.werkzeug = Werkzeugcode::TeilstueckBearbeiten;
  Werkzeugumgebung u{t.z, zustand, nullptr, {}, {}, {}, {}};
  bool geteilt = true;
  for (auto _ : state) {
    state.PauseTiming();
    t.suche.aktualisiereIndex();
    zustand.vonVorn();
    state.ResumeTiming();
    werkzeug.punkt(u, t.tuer);
    state.PauseTiming();
    // The wall is left as two marked lines; undone for the next round.
    geteilt = geteilt && t.z.speicher.anzahlMarkierte() == 2 && werkzeug.letzterFehler.empty();
    t.z.speicher.rueckgaengig();
    state.ResumeTiming();
  }
  if (!geteilt) state.SkipWithError("keine Oeffnung");
}
BENCHMARK(BM_TeilstueckLoeschen)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
}  // namespace quarzel
