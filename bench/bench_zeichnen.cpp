// Full redraws of the renderer onto a 1920 × 1080 image through QtCanvas:
// 1,000,000 lines, 200,000 dashed lines and 20,000 hatched polygons on an A1
// sheet (841 × 594 mm), laid out tile by tile as a plan grows, once at the whole-sheet zoom and once
// zoomed in so close that only a few millimetres are visible (about a
// thousandth of the elements reach the canvas: the rest is the walk), with
// and without the block boxes.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <random>

#include "render/blockrahmen.h"
#include "render/elementzeichnen.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {
namespace {

constexpr double kBreite = 841, kHoehe = 594;
constexpr int kPixelBreite = 1920, kPixelHoehe = 1080;

enum class Inhalt { Linien, Strichlinien, Schraffuren };

std::unique_ptr<Zeichnung> erzeuge(Inhalt inhalt, int anzahl, bool verstreut) {
  auto z = std::make_unique<Zeichnung>();
  SkriptBenutzer benutzer;
  Elementspeicher& s = z->speicher;
  s.initialisiere(benutzer);
  s.beginneSchritt();
  std::mt19937 zufall(4711);
  std::uniform_real_distribution<double> x(0, kBreite), y(0, kHoehe), klein(-10, 10), seite(3, 15);
  // Drawings grow room by room: consecutive elements lie near each other.
  // The sheet is cut into 40 × 28 tiles filled one after the other.
  constexpr int kSpalten = 40, kZeilen = 28;
  const int proKachel = (anzahl + kSpalten * kZeilen - 1) / (kSpalten * kZeilen);
  std::uniform_real_distribution<double> inKachel(0, 1);
  for (int i = 0; i < anzahl; ++i) {
    double px, py;
    if (verstreut) {
      px = x(zufall);
      py = y(zufall);
    } else {
      const int kachel = i / proKachel;
      px = (kachel % kSpalten + inKachel(zufall)) * kBreite / kSpalten;
      py = (kachel / kSpalten + inKachel(zufall)) * kHoehe / kZeilen;
    }
    std::int32_t n = 0;
    if (inhalt == Inhalt::Schraffuren) {
      const double b = seite(zufall), h = seite(zufall);
      s.punkte.leere();
      s.punkte.fuegeHinzu(px, py);
      s.punkte.fuegeHinzu(px + b, py);
      s.punkte.fuegeHinzu(px + b, py + h);
      s.punkte.fuegeHinzu(px, py + h);
      Tpolygondaten v;
      v.fuellung.gefuellt = 1;
      v.fuellung.fuellflag = 1;
      v.fuellung.schraffurName = "Windows-Standard 2";
      n = s.neuesPolygon(Elementart::Polygon, v);
    } else {
      Tliniendaten d;
      d.x1 = px;
      d.y1 = py;
      d.x2 = px + klein(zufall);
      d.y2 = py + klein(zufall);
      d.stift = static_cast<std::uint8_t>(i % 4);
      d.linienstil = inhalt == Inhalt::Strichlinien ? 2 : 1;
      n = s.neueLinie(d);
      s.linie(n) = d;
    }
    s.vervollstaendige(n);
    s.setzeMarkiert(n, 0);
  }
  return z;
}

Zeichnung& zeichnung(Inhalt inhalt, int anzahl, bool verstreut) {
  static std::unique_ptr<Zeichnung> z[3][2];
  auto& p = z[static_cast<int>(inhalt)][verstreut];
  if (!p) p = erzeuge(inhalt, anzahl, verstreut);
  return *p;
}

void redraw(benchmark::State& state, Inhalt inhalt, int anzahl, bool nah, bool mitBloecken = true,
            bool verstreut = false) {
  Zeichnung& z = zeichnung(inhalt, anzahl, verstreut);
  QImage bild(kPixelBreite, kPixelHoehe, QImage::Format_RGB32);
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  Zeichenumgebung u{z, schalter, darstellung};
  u.bildspeicher = &z.speicher;
  u.schnellerRefresh = true;
  // The window keeps its block boxes across redraws; built once here, outside the timing.
  Blockrahmen bloecke;
  bloecke.aktualisiere(z.speicher);
  if (mitBloecken) u.bloecke = &bloecke;
  // Whole sheet: 841 mm across 1920 pixels. Close: 20 µm per pixel, 38 mm across.
  const double zoom = nah ? 0.02 : kBreite / kPixelBreite;
  const double x0 = nah ? kBreite / 2 : 0, y0 = nah ? kHoehe / 2 : 0;
  std::int32_t gezeichnet = 0;
  for (auto _ : state) {
    bild.fill(Qt::white);
    QtCanvas canvas(bild);
    gezeichnet = drawElements(canvas, 1, z.speicher.anzahl(), 100, zoom, {0, 0, kPixelBreite - 1.0, kPixelHoehe - 1.0},
                              x0, y0, u);
  }
  state.counters["Elemente"] = gezeichnet;
}

void BM_Linien_Blatt(benchmark::State& s) {
  redraw(s, Inhalt::Linien, 1'000'000, false);
}
void BM_Linien_Nah(benchmark::State& s) {
  redraw(s, Inhalt::Linien, 1'000'000, true);
}
void BM_Linien_Nah_OhneBloecke(benchmark::State& s) {
  redraw(s, Inhalt::Linien, 1'000'000, true, false);
}
// The worst case for the block boxes: every element anywhere on the sheet.
void BM_Linien_Nah_Verstreut(benchmark::State& s) {
  redraw(s, Inhalt::Linien, 1'000'000, true, true, true);
}
void BM_Strichlinien_Blatt(benchmark::State& s) {
  redraw(s, Inhalt::Strichlinien, 200'000, false);
}
void BM_Strichlinien_Nah(benchmark::State& s) {
  redraw(s, Inhalt::Strichlinien, 200'000, true);
}
void BM_Schraffuren_Blatt(benchmark::State& s) {
  redraw(s, Inhalt::Schraffuren, 20'000, false);
}
void BM_Schraffuren_Nah(benchmark::State& s) {
  redraw(s, Inhalt::Schraffuren, 20'000, true);
}

BENCHMARK(BM_Linien_Blatt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Linien_Nah)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Linien_Nah_OhneBloecke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Linien_Nah_Verstreut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Strichlinien_Blatt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Strichlinien_Nah)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schraffuren_Blatt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schraffuren_Nah)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarzel
