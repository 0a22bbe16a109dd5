#include "render/linienstilzeichnen.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "render/linienpfade.h"
#include "view/clip.h"

namespace quarzel {

namespace linienpfad {

namespace {

// A pattern whose longest entry is shorter than this would look like a grey line.
constexpr double kKleinsterStrich = 1.5;
// Below this a pattern entry counts as used up (rounding of the walk).
constexpr double kRest = 1e-9;

Stiftart kosmetischeArt(int style) {
  switch (linienstilBetrag(style) % 10) {
    case 2:
      return Stiftart::Gestrichelt;
    case 3:
      return Stiftart::Gepunktet;
    case 4:
      return Stiftart::StrichPunkt;
    case 5:
      return Stiftart::StrichPunktPunkt;
    default:
      return Stiftart::Durchgezogen;
  }
}

// Runs of finite points as one polyline each.
template <class F>
void fuerEndlicheLaeufe(std::span<const Pixelpunkt> punkte, F&& f) {
  std::size_t anfang = 0;
  for (std::size_t i = 0; i <= punkte.size(); ++i) {
    const bool endlich = i < punkte.size() && std::isfinite(punkte[i].x) && std::isfinite(punkte[i].y);
    if (endlich) continue;
    if (i - anfang >= 2) f(punkte.subspan(anfang, i - anfang));
    anfang = i + 1;
  }
}

void zeichneLinienzug(Canvas& canvas, std::span<const Pixelpunkt> punkte) {
  fuerEndlicheLaeufe(punkte, [&](std::span<const Pixelpunkt> lauf) { canvas.polylinie(lauf); });
}

}  // namespace

bool imBild(double breite, double hoehe, double rand, const Strecke& s, double& ta, double& tb) {
  if (!(breite > 0) || !(hoehe > 0)) return true;  // a canvas of unknown size: walk everything
  return schneideStrecke({-rand, -rand, breite + rand, hoehe + rand}, s.a.x, s.a.y, s.ux, s.uy, ta, tb);
}

void zeichneDurchgezogen(Canvas& canvas, const Strich& s, std::span<const Pixelpunkt> punkte) {
  canvas.setzeStift(s.colour, s.breite);
  zeichneLinienzug(canvas, punkte);
}

void zeichneKosmetisch(Canvas& canvas, const Strich& s, std::span<const Pixelpunkt> punkte) {
  canvas.setzeStift(s.colour, 1, kosmetischeArt(s.style));
  zeichneLinienzug(canvas, punkte);
}

void zeichneStriche(Canvas& canvas, Strichpuffer& puffer, const Strich& s, const Strichmuster& m, double f,
                    std::span<const Pixelpunkt> punkte) {
  const int n = std::clamp(m.dashCount, 0, linienstil::kEintraege);
  std::array<double, linienstil::kEintraege> px{};
  double laengster = 0, periode = 0;
  for (int j = 0; j < n; ++j) {
    const double e = m.dash[static_cast<std::size_t>(j)];
    px[static_cast<std::size_t>(j)] = std::isfinite(e) && e > 0 ? e / f : 0;
    laengster = std::max(laengster, px[static_cast<std::size_t>(j)]);
    periode += px[static_cast<std::size_t>(j)];
  }
  if (!(laengster >= kKleinsterStrich) || !std::isfinite(periode)) {
    zeichneDurchgezogen(canvas, s, punkte);
    return;
  }

  canvas.setzeStift(s.colour, s.breite);
  puffer.leeren();
  const Pixelpunkt richtung = fuerStrecken(canvas, punkte, s.breite + 2.0, [&](const Strecke& st) {
    if (!st.anschluss) puffer.beendeZug();
    if (puffer.voll()) return;
    // Where in the pattern the visible part begins.
    const double pos = std::fmod(st.start + st.ta, periode);
    int j = 0;
    double anfang = 0;
    while (j < n) {
      const double e = px[static_cast<std::size_t>(j)];
      if (pos < anfang + e || (e == 0 && pos == anfang)) break;
      anfang += e;
      ++j;
    }
    if (j >= n) j = 0, anfang = 0;
    double rest = anfang + px[static_cast<std::size_t>(j)] - pos;
    if (rest < 0) rest = 0;

    double t = st.ta;
    for (;;) {
      const bool gezeichnet = j % 2 == 0;
      if (t >= st.tb && !(t == st.tb && gezeichnet && px[static_cast<std::size_t>(j)] == 0)) break;
      if (puffer.voll()) break;
      const double e = std::min(rest, st.tb - t);
      const bool endetHier = rest - e <= kRest;
      if (gezeichnet) {
        if (puffer.zugOffen() && t == 0) {
          // A piece the previous segment left open runs on over the corner.
          puffer.zugWeiter(st.bei(t + e));
          if (endetHier) puffer.beendeZug(st.ux, st.uy);
        } else {
          puffer.beendeZug(st.ux, st.uy);
          if (endetHier) {
            puffer.stueckMitPunktregel(st.bei(t), st.bei(t + e), st.ux, st.uy);
          } else {
            puffer.beginneZug(st.bei(t));
            puffer.zugWeiter(st.bei(t + e));
          }
        }
      }
      t += e;
      rest -= e;
      if (!endetHier) break;  // the segment ends inside this entry
      j = j + 1 == n ? 0 : j + 1;
      rest = px[static_cast<std::size_t>(j)];
    }
    // A piece cut by the canvas edge does not run on.
    if (st.tb < st.laenge) puffer.beendeZug(st.ux, st.uy);
  });
  puffer.beendeZug(richtung.x, richtung.y);
  puffer.zeichne(canvas, s.colour);
}

}  // namespace linienpfad

namespace {

void zeichne(Canvas& canvas, Zeichenlauf& lauf, int pen, Farbe colour, int style, std::span<const Pixelpunkt> punkte) {
  using namespace linienpfad;
  Strich s{pen, colour, style, lauf.stiftbreitePixel(pen, style), lauf.musterbreitePixel(pen, style)};
  switch (linienstilfamilie(style)) {
    case Linienstilfamilie::Durchgezogen:
      zeichneDurchgezogen(canvas, s, punkte);
      return;
    case Linienstilfamilie::Kosmetisch:
      zeichneKosmetisch(canvas, s, punkte);
      return;
    case Linienstilfamilie::Strichmuster: {
      const Strichmuster* m = lauf.stile().strichmuster(style);
      if (!m) break;
      double f;
      if (pen == Stifttabelle::DickerSonderstift || pen == Stifttabelle::DuennerSonderstift) {
        f = 0.33;
      } else if (linienstilBetrag(style) < 10) {
        // Built-in lengths count in pen widths; thin pens count as 0.1 mm so
        // that a hairline still gets a readable pattern.
        double w = lauf.stifte().blattbreite(pen, lauf.parameter().drawingScale);
        if (!(w >= 0.15)) w = 0.1;
        f = lauf.zoom() / w;
      } else {
        f = lauf.zoom();
      }
      zeichneStriche(canvas, lauf.puffer(), s, *m, f, punkte);
      return;
    }
    case Linienstilfamilie::Komplex:
      zeichneKomplex(canvas, lauf, s, punkte);
      return;
    case Linienstilfamilie::SonderlinieA:
      zeichneSonderlinieA(canvas, lauf, s, punkte);
      return;
    case Linienstilfamilie::SonderlinieB:
      zeichneSonderlinieB(canvas, lauf, s, punkte);
      return;
  }
  zeichneDurchgezogen(canvas, s, punkte);
}

}  // namespace

void drawStyledSegment(Canvas& canvas, Zeichenlauf& lauf, int pen, Farbe colour, int style, double x1, double y1,
                       double x2, double y2) {
  const std::array<Pixelpunkt, 2> punkte{Pixelpunkt{x1, y1}, Pixelpunkt{x2, y2}};
  zeichne(canvas, lauf, pen, colour, style, punkte);
}

void drawStyledPolyline(Canvas& canvas, Zeichenlauf& lauf, int pen, Farbe colour, int style,
                        std::span<const Pixelpunkt> punkte) {
  zeichne(canvas, lauf, pen, colour, style, punkte);
}

}  // namespace quarzel
