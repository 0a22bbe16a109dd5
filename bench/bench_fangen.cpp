// The snap search on drawings of 100,000 and 1,000,000 mixed elements, at a
// zoom that shows about 400 mm of a 2000 x 1400 mm plan (0.25 mm per pixel),
// with the capture radius at its default of 5 pixels: through the spatial
// index and, for comparison, by walking the whole store. Also the cost of
// building the index, paid once after each change of the drawing.
//
// The mix: half lines, then circles and arcs, polygons, splines, Béziers,
// dimensions and texts. Cursors are placed near element points, so most
// searches find something, which is the expensive case.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "edit/fangsuche.h"
#include "platform/skriptbenutzer.h"

namespace quarzel {
namespace {

constexpr double Breite = 2000, Hoehe = 1400;

struct Testzeichnung {
  Zeichnung z;
  std::vector<std::pair<int, int>> cursor;
};

std::unique_ptr<Testzeichnung> erzeuge(int anzahl) {
  auto t = std::make_unique<Testzeichnung>();
  SkriptBenutzer benutzer;
  Elementspeicher& s = t->z.speicher;
  s.initialisiere(benutzer);
  s.beginneSchritt();
  std::mt19937 zufall(1234);
  std::uniform_real_distribution<double> x(0, Breite), y(0, Hoehe), klein(-15, 15), radius(1, 20), winkel(0, 360);
  std::uniform_int_distribution<int> art(0, 19), ecken(4, 12);
  std::vector<std::pair<double, double>> punkte;
  for (int i = 0; i < anzahl; ++i) {
    const double px = x(zufall), py = y(zufall);
    const int a = art(zufall);
    std::int32_t n = 0;
    if (a < 10) {
      n = s.neueLinie(px, py, px + klein(zufall), py + klein(zufall), 0);
    } else if (a < 13) {
      tbogendaten b;
      b.xm = px;
      b.ym = py;
      b.xr = radius(zufall);
      b.yr = a == 12 ? radius(zufall) : b.xr;
      b.startwinkel = a == 11 ? static_cast<float>(winkel(zufall)) : 0;
      b.endwinkel = a == 11 ? b.startwinkel + 120 : 360;
      n = s.neuerBogen(b);
    } else if (a < 16) {
      Tpolygondaten p;
      for (int k = ecken(zufall); k > 0; --k) {
        p.x.push_back(px + klein(zufall));
        p.y.push_back(py + klein(zufall));
      }
      n = s.neuesPolygonMitPunkten(a == 15 ? Elementart::Spline : Elementart::Polygon, p);
    } else if (a == 16) {
      Tbezierdaten b;
      for (std::size_t k = 0; k < 8; k += 2) {
        b.punkte[k] = px + klein(zufall);
        b.punkte[k + 1] = py + klein(zufall);
      }
      n = s.neueBezierkurve(b);
    } else if (a == 17) {
      tmessdaten m;
      m.geometrie = {px, py, px + klein(zufall), py, px, py - 5, px + 10, py - 5};
      n = s.neueBemassung(m);
    } else {
      Tfliestextdaten d;
      d.x = px;
      d.y = py;
      d.zeilen = {"Raum"};
      n = s.neuerText(Elementart::Text, d);
    }
    s.vervollstaendige(n);
  }
  s.demarkiereAlle();

  Ansicht& a = t->z.ansicht;
  a.zoom = 0.25;
  a.viewOriginX = 800;
  a.viewOriginY = 500;
  a.areaWidth = 1600;
  a.areaHeight = 1000;
  // Cursors next to line ends inside the view.
  std::uniform_int_distribution<int> versatz(-3, 3);
  for (std::int32_t n = 1; n <= s.anzahl() && t->cursor.size() < 1024; ++n) {
    if (s.art(n) != Elementart::Linie) continue;
    const Pixelpunkt p = a.worldToPixel(s.linie(n).x1, s.linie(n).y1);
    if (p.x < 0 || p.y < 0 || p.x >= a.areaWidth || p.y >= a.areaHeight) continue;
    t->cursor.push_back({int(p.x) + versatz(zufall), int(p.y) + versatz(zufall)});
  }
  return t;
}

Testzeichnung& zeichnung(int anzahl) {
  static std::map<int, std::unique_ptr<Testzeichnung>> vorrat;
  auto& t = vorrat[anzahl];
  if (!t) t = erzeuge(anzahl);
  return *t;
}

Fangeinstellungen einstellungen(bool alle) {
  Fangeinstellungen e;  // end points, mid points, line/line intersections
  if (alle) e.modi = 0x1FF;
  return e;
}

void suche(benchmark::State& state, bool mitIndex, bool alle) {
  Testzeichnung& t = zeichnung(static_cast<int>(state.range(0)));
  Fangsuche fang(t.z);
  fang.mitIndex = mitIndex;
  fang.aktualisiereIndex();
  const Fangeinstellungen e = einstellungen(alle);
  std::size_t i = 0;
  std::int64_t gefangen = 0;
  for (auto _ : state) {
    const auto [x, y] = t.cursor[i++ % t.cursor.size()];
    const Fangergebnis r = fang.fange(x, y, e, {});
    gefangen += r.gefangen;
    benchmark::DoNotOptimize(r);
  }
  state.counters["gefangen"] = benchmark::Counter(double(gefangen), benchmark::Counter::kAvgIterations);
}

void BM_FangsucheIndex(benchmark::State& state) {
  suche(state, true, false);
}
BENCHMARK(BM_FangsucheIndex)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_FangsucheIndexAlleModi(benchmark::State& state) {
  suche(state, true, true);
}
BENCHMARK(BM_FangsucheIndexAlleModi)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_FangsucheDurchlauf(benchmark::State& state) {
  suche(state, false, false);
}
BENCHMARK(BM_FangsucheDurchlauf)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_FangindexAufbau(benchmark::State& state) {
  Testzeichnung& t = zeichnung(static_cast<int>(state.range(0)));
  Fangindex index(t.z.speicher);
  for (auto _ : state) {
    index.baue();
    benchmark::DoNotOptimize(index.elementzahl());
  }
  state.counters["MiB"] = double(index.speicherbedarf()) / (1 << 20);
}
BENCHMARK(BM_FangindexAufbau)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
