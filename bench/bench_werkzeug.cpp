// One mouse move of the line tool with its first point set, over a drawing of
// 1,000,000 lines: the state machine, the module's XOR rubber band on a
// 1920 x 1080 image through QtCanvas, once without and once with the snap
// search (through its spatial index). The drawing itself is not redrawn.
// Also the select tool's hit test on the same drawing: walking the store, and
// through the snap search's index.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <random>

#include "edit/fangindex.h"
#include "edit/fangsuche.h"
#include "edit/linienwerkzeuge.h"
#include "edit/treffertest.h"
#include "edit/werkzeugsteuerung.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {
namespace {

constexpr int kBreite = 1920, kHoehe = 1080;
constexpr double kLinks = 4000, kOben = 4300;  // world corner of the plan

class Festuhr : public Uhr {
 public:
  std::uint32_t ticks() const override { return 0; }
};

struct Testzeichnung {
  Zeichnung z;
  Testzeichnung() {
    SkriptBenutzer benutzer;
    z.speicher.initialisiere(benutzer);
    z.speicher.beginneSchritt();
    std::mt19937 zufall(42);
    std::uniform_real_distribution<double> x(0, 2000), y(0, 1400), klein(-15, 15);
    for (int i = 0; i < 1'000'000; ++i) {
      const double px = kLinks + x(zufall), py = kOben + y(zufall);
      z.speicher.vervollstaendige(z.speicher.neueLinie(px, py, px + klein(zufall), py + klein(zufall), 0));
    }
    z.speicher.demarkiereAlle();
    z.ansicht.areaWidth = kBreite;
    z.ansicht.areaHeight = kHoehe;
    z.ansicht.zoom = 0.25;  // about 480 mm across the area
    z.ansicht.viewOriginX = std::int32_t(kLinks) + 700;
    z.ansicht.viewOriginY = std::int32_t(kOben) + 500;
  }
};

Testzeichnung& zeichnung() {
  static Testzeichnung t;
  return t;
}

void bewegungDesLinienwerkzeugs(benchmark::State& state, bool mitFangen) {
  Testzeichnung& t = zeichnung();
  QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QtCanvas canvas(bild);
  Festuhr uhr;
  Fangsuche fang(t.z);
  fang.aktualisiereIndex();
  const Fangeinstellungen einstellungen;
  Werkzeugsteuerung st(t.z, uhr);
  Linienwerkzeuge linien;
  st.setzeModul(Werkzeuggruppe::Linien, &linien);
  st.umgebung().rueckmeldung = &canvas;
  if (mitFangen)
    st.fangen = [&](int x, int y) {
      const Fangergebnis r = fang.fange(x, y, einstellungen, {});
      return t.z.ansicht.pixelToWorld(r.x, r.y);
    };
  st.waehleWerkzeug(Werkzeugcode::Linie);
  st.mausGedrueckt({960, 540, Maustaste::Links, {}});
  st.mausLosgelassen({960, 540, Maustaste::Links, {}});
  int i = 0;
  for (auto _ : state) {
    ++i;
    st.mausBewegt({double(200 + (i * 37) % 1500), double(100 + (i * 53) % 900), Maustaste::Keine, {}});
  }
  st.funktionsabbruch();
}

void BM_LinienwerkzeugBewegung(benchmark::State& state) {
  bewegungDesLinienwerkzeugs(state, false);
}
BENCHMARK(BM_LinienwerkzeugBewegung)->Unit(benchmark::kMicrosecond);

void BM_LinienwerkzeugBewegungMitFangen(benchmark::State& state) {
  bewegungDesLinienwerkzeugs(state, true);
}
BENCHMARK(BM_LinienwerkzeugBewegungMitFangen)->Unit(benchmark::kMicrosecond);

void BM_TrefferTest(benchmark::State& state) {
  Testzeichnung& t = zeichnung();
  int i = 0;
  for (auto _ : state) {
    ++i;
    benchmark::DoNotOptimize(trefferTest(t.z, 200 + (i * 37) % 1500, 100 + (i * 53) % 900));
  }
}
BENCHMARK(BM_TrefferTest)->Unit(benchmark::kMillisecond);

void BM_TrefferTestMitIndex(benchmark::State& state) {
  Testzeichnung& t = zeichnung();
  Fangindex index(t.z.speicher);
  index.aktualisiere();
  int i = 0;
  for (auto _ : state) {
    ++i;
    benchmark::DoNotOptimize(trefferTest(t.z, 200 + (i * 37) % 1500, 100 + (i * 53) % 900, kTreffertoleranz, &index));
  }
}
BENCHMARK(BM_TrefferTestMitIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
