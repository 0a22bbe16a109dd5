// Complex patterns: the line is cut into sections of one length; section k
// draws the symbols of code k mod 12, centred in the section and turned with
// the line. Proportions (L the section length, h = L / 2, s the size factor:
// 2 for "double", 0.5 for "half", else 1):
//   dot            one pixel at the centre (a round dot of the pen's width);
//                  "double" makes it a filled circle of radius L/4·s
//   long line      the whole section, joined with its neighbours into one run
//   short line     the middle half of the section
//   perpendicular  a stroke h·s to each side (one side only when one-sided)
//   obliques       from (-h, -h·s) to (h, h·s) and mirrored, so alternating
//                  obliques join into a zigzag
//   square         side 0.6·L·s; rhombus diagonals 0.8·L·s; circle radius
//                  0.3·L·s; one-sided shapes sit beside the line
//   arrowhead      pointing along the line, 0.5·L·s long
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "view/ansicht.h"
#include "render/linienpfade.h"

namespace quarzel::linienpfad {

namespace {

using namespace linienstil;

constexpr std::uint16_t kFormen = kQuadrat | kRaute | kKreis | kPfeil;
constexpr double kGleich = 1e-6;  // positions closer than this meet

struct Kreistabelle {
  std::array<Pixelpunkt, 24> p{};
  Kreistabelle() {
    for (std::size_t i = 0; i < p.size(); ++i) {
      const double w = 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(p.size());
      p[i] = {std::cos(w), std::sin(w)};
    }
  }
};
const Kreistabelle& kreistabelle() {
  static const Kreistabelle t;
  return t;
}

// Draws a closed shape given in line coordinates (along, across), outlined
// or filled.
template <std::size_t N>
void form(Strichpuffer& puffer, const Strecke& st, const std::array<Pixelpunkt, N>& lokal, bool fuellen) {
  std::array<Pixelpunkt, N + 1> p;
  for (std::size_t i = 0; i < N; ++i) p[i] = st.bei(lokal[i].x, lokal[i].y);
  p[N] = p[0];
  if (fuellen) {
    puffer.flaeche(std::span<const Pixelpunkt>(p.data(), N));
  } else {
    puffer.stueck(p);
  }
}

void kreis(Strichpuffer& puffer, const Strecke& st, double c, double quer, double r, bool fuellen) {
  const auto& t = kreistabelle().p;
  // Small circles need fewer corners.
  const std::size_t schritt = r < 3 ? 3 : r < 8 ? 2 : 1;
  std::array<Pixelpunkt, 25> p;
  std::size_t n = 0;
  for (std::size_t i = 0; i < t.size(); i += schritt) p[n++] = st.bei(c + r * t[i].x, quer + r * t[i].y);
  if (fuellen) {
    puffer.flaeche(std::span<const Pixelpunkt>(p.data(), n));
  } else {
    p[n++] = p[0];
    puffer.stueck(std::span<const Pixelpunkt>(p.data(), n));
  }
}

void symbole(Strichpuffer& puffer, const Strecke& st, double c, double L, std::uint16_t code) {
  const double s = (code & kDoppelt) ? 2.0 : (code & kHalb) ? 0.5 : 1.0;
  const bool einseitig = code & kEinseitig;
  const double h = L / 2, quer = h * s;
  const bool linie = code & kLinie;
  const bool fuellen = (code & kPunkt) && !linie && (code & kFormen);

  if ((code & kPunkt) && !linie && !(code & kFormen)) {
    if (code & kDoppelt) {
      kreis(puffer, st, c, 0, L / 4 * s, true);
    } else {
      puffer.stueck(st.bei(c), st.bei(c + 1));
    }
  }
  if (linie && (code & kPunkt)) puffer.stueck(st.bei(c - L / 4 * s), st.bei(c + L / 4 * s));
  if (code & kSenkrecht) puffer.stueck(st.bei(c, einseitig ? 0 : -quer), st.bei(c, quer));
  if (code & kSchraeg) {
    puffer.stueck(einseitig ? st.bei(c, 0) : st.bei(c - h, -quer), st.bei(c + h, quer));
  }
  if (code & kSchraeg2) {
    puffer.stueck(st.bei(c - h, quer), einseitig ? st.bei(c, 0) : st.bei(c + h, -quer));
  }
  if (code & kQuadrat) {
    const double q = 0.3 * L * s, o = einseitig ? q : 0;
    form<4>(puffer, st, {{{c - q, o - q}, {c + q, o - q}, {c + q, o + q}, {c - q, o + q}}}, fuellen);
  }
  if (code & kRaute) {
    const double r = 0.4 * L * s, o = einseitig ? r : 0;
    form<4>(puffer, st, {{{c - r, o}, {c, o - r}, {c + r, o}, {c, o + r}}}, fuellen);
  }
  if (code & kKreis) {
    const double r = 0.3 * L * s;
    kreis(puffer, st, c, einseitig ? r : 0, r, fuellen);
  }
  if (code & kPfeil) {
    const double l = 0.25 * L * s, b = 0.3 * L * s;
    if (fuellen) {
      form<3>(puffer, st, {{{c - l, einseitig ? 0 : -b}, {c + l, 0}, {c - l, b}}}, true);
    } else {
      const std::array<Pixelpunkt, 3> p{st.bei(c - l, einseitig ? 0 : -b), st.bei(c + l), st.bei(c - l, b)};
      puffer.stueck(p);
    }
  }
}

double abschnittslaenge(const Zeichenlauf& lauf, const Strich& s, int style) {
  const KomplexesMuster* m = lauf.stile().komplexesMuster(style);
  double L;
  if (m && m->fixedSection == 1) {
    const double mm = std::clamp(std::isfinite(m->sectionLength) ? m->sectionLength : 1.0,
                                 KomplexesMuster::KleinsteAbschnittslaenge, KomplexesMuster::GroessteAbschnittslaenge);
    L = Ansicht::nearest(mm * 0.5 / lauf.zoom());
  } else {
    const bool kurz = style >= kErsterVordefinierter && style <= kErsterVordefinierter + 3;
    L = (s.pen == Stifttabelle::DuennerSonderstift && !kurz ? 5.0 : 2.0) * s.musterbreite;
  }
  return std::isfinite(L) && L >= 1 ? L : 1;
}

}  // namespace

void zeichneKomplex(Canvas& canvas, Zeichenlauf& lauf, const Strich& s, std::span<const Pixelpunkt> punkte) {
  const int style = linienstilBetrag(s.style);
  const auto codes = lauf.stile().abschnitte(style);
  // A pattern without any symbol would make the line vanish; it draws as a
  // plain line instead, so that an undefined user pattern stays visible.
  if (std::all_of(codes.begin(), codes.end(), [](std::uint16_t c) { return c == 0; })) {
    zeichneDurchgezogen(canvas, s, punkte);
    return;
  }
  const double L = abschnittslaenge(lauf, s, style);
  // Sections walked per call; empty sections add no pieces, so the buffer
  // limit alone would not end the walk.
  long long abschnitteUebrig = static_cast<long long>(kEintraege) * static_cast<long long>(Strichpuffer::kMaxStuecke);

  canvas.setzeStift(s.colour, s.breite);
  Strichpuffer& puffer = lauf.puffer();
  puffer.leeren();
  const double rand = 2 * L + s.breite + 2;
  fuerStrecken(canvas, punkte, rand, [&](const Strecke& st) {
    // End of the run of long lines, in this segment's coordinates.
    double laufEnde = -1;
    if (st.anschluss && puffer.zugOffen()) {
      laufEnde = 0;
    } else {
      puffer.beendeZug();
    }
    const double k0 = std::floor((st.start + st.ta) / L), k1 = std::floor((st.start + st.tb) / L);
    for (double k = k0; k <= k1; k += 1) {
      if (puffer.voll() || --abschnitteUebrig < 0) break;
      const auto code = codes[static_cast<std::size_t>(std::fmod(k, double(kEintraege)))];
      const double a = k * L - st.start;
      if ((code & kLinie) && !(code & kPunkt)) {
        const double von = std::max(a, 0.0), bis = std::min(a + L, st.laenge);
        if (bis > von) {
          if (!(puffer.zugOffen() && std::fabs(von - laufEnde) < kGleich)) {
            puffer.beendeZug();
            puffer.beginneZug(st.bei(von));
          }
          puffer.zugWeiter(st.bei(bis));
          laufEnde = bis;
        }
      } else {
        puffer.beendeZug();
      }
      const double c = a + L / 2;
      if (code && c >= 0 && c < st.laenge) symbole(puffer, st, c, L, code);
    }
    if (st.tb < st.laenge) puffer.beendeZug();
  });
  puffer.zeichne(canvas, s.colour);
}

}  // namespace quarzel::linienpfad
