// The special lines.
// A (styles 10, 41, 42): a zigzag, a wave and a zigzag on a centre line, as
// used for insulation layers and soft materials. Wavelength six pattern
// widths of the pen (at least 8 pixels), amplitude a quarter of it; the
// shape runs on over the corners of a polyline.
// B (style 11): the stored bitmap "BITMAP_2" repeated along the line, each
// of its pixels a square of about half the pen's width; its rows are drawn
// as runs parallel to the line, so the whole line is still one
// multi-polyline call.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "render/linienpfade.h"

namespace quarzel::linienpfad {

namespace {

// Rows across the line, columns along it: a chain of links.
constexpr std::array<std::string_view, 5> kBitmap2 = {
    ".##....##...", "#..#..#..#..", "#..####..###", "#..#..#..#..", ".##....##...",
};
constexpr int kBitmapSpalten = 12;
constexpr int kBitmapMitte = 2;

enum class Form { Zickzack, Welle };

// Offset across the line at distance d along it.
double versatz(Form form, double d, double lambda, double amplitude) {
  if (form == Form::Welle) return amplitude * std::sin(2 * std::numbers::pi * d / lambda);
  // Triangle wave: 0 at 0, +a at lambda/4, 0 at lambda/2, -a at 3 lambda/4.
  double x = std::fmod(d / lambda, 1.0);
  if (x < 0) x += 1;
  if (x < 0.25) return amplitude * 4 * x;
  if (x < 0.75) return amplitude * (2 - 4 * x);
  return amplitude * (4 * x - 4);
}

}  // namespace

void zeichneSonderlinieA(Canvas& canvas, Zeichenlauf& lauf, const Strich& s, std::span<const Pixelpunkt> punkte) {
  const int style = linienstilBetrag(s.style);
  const Form form = style == 41 ? Form::Welle : Form::Zickzack;
  const bool mittellinie = style == 42;
  const double lambda = std::max(8.0, 6.0 * s.musterbreite);
  const double amplitude = lambda / 4;
  // Corners of the zigzag, or samples of the wave.
  const double schritt = form == Form::Welle ? lambda / 12 : lambda / 2;
  const double phase = form == Form::Welle ? 0 : lambda / 4;

  canvas.setzeStift(s.colour, s.breite);
  Strichpuffer& puffer = lauf.puffer();
  puffer.leeren();
  fuerStrecken(canvas, punkte, amplitude + s.breite + 2, [&](const Strecke& st) {
    const auto punkt = [&](double t) { return st.bei(t, versatz(form, st.start + t, lambda, amplitude)); };
    if (!(st.anschluss && puffer.zugOffen())) {
      puffer.beendeZug();
      puffer.beginneZug(punkt(st.ta));
    }
    // The corners strictly inside the visible part, then its end.
    double k = std::floor((st.start + st.ta - phase) / schritt) + 1;
    for (int n = 0; n < static_cast<int>(Strichpuffer::kMaxPunkte); ++n, k += 1) {
      const double t = k * schritt + phase - st.start;
      if (t >= st.tb) break;
      if (t > st.ta) puffer.zugWeiter(punkt(t));
    }
    puffer.zugWeiter(punkt(st.tb));
    if (st.tb < st.laenge) puffer.beendeZug();
    if (mittellinie) puffer.stueck(st.bei(st.ta), st.bei(st.tb));
  });
  puffer.zeichne(canvas, s.colour);
}

void zeichneSonderlinieB(Canvas& canvas, Zeichenlauf& lauf, const Strich& s, std::span<const Pixelpunkt> punkte) {
  const double k = std::max(1, (s.musterbreite + 1) / 2);
  const double periode = k * kBitmapSpalten;
  canvas.setzeStift(s.colour, lauf.parameter().echteBreiten ? k : 1.0);
  Strichpuffer& puffer = lauf.puffer();
  puffer.leeren();
  fuerStrecken(canvas, punkte, k * 3 + 2, [&](const Strecke& st) {
    const double p0 = std::floor((st.start + st.ta) / periode), p1 = std::floor((st.start + st.tb) / periode);
    for (double p = p0; p <= p1 && !puffer.voll(); p += 1) {
      const double basis = p * periode - st.start;
      for (std::size_t zeile = 0; zeile < kBitmap2.size(); ++zeile) {
        const std::string_view bits = kBitmap2[zeile];
        const double quer = (static_cast<double>(zeile) - kBitmapMitte) * k;
        for (int spalte = 0; spalte < kBitmapSpalten; ++spalte) {
          if (bits[static_cast<std::size_t>(spalte)] != '#') continue;
          int ende = spalte;
          while (ende + 1 < kBitmapSpalten && bits[static_cast<std::size_t>(ende + 1)] == '#') ++ende;
          // The run's pixels from their first to their last centre; the pen's
          // round ends fill out the squares.
          const double von = std::max(basis + (spalte + 0.5) * k, 0.0);
          const double bis = std::min(basis + (ende + 0.5) * k, st.laenge);
          if (bis >= von) {
            const Pixelpunkt a = st.bei(von, quer);
            // A run of one pixel is a dot: one pixel long, as for dashes.
            puffer.stueck(a, bis - von < 1 ? st.bei(von + 1, quer) : st.bei(bis, quer));
          }
          spalte = ende;
        }
      }
    }
  });
  puffer.zeichne(canvas, s.colour);
}

}  // namespace quarzel::linienpfad
