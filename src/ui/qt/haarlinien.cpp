#include "ui/qt/haarlinien.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

#include "view/clip.h"

namespace quarzel {

namespace {

// dst + (src - dst) · a / 255 on all four bytes at once.
inline std::uint32_t mische(std::uint32_t src, std::uint32_t dst, std::uint32_t a) {
  const std::uint32_t b = 255 - a;
  std::uint32_t t = (src & 0xff00ff) * a + (dst & 0xff00ff) * b;
  t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
  t &= 0xff00ff;
  std::uint32_t x = ((src >> 8) & 0xff00ff) * a + ((dst >> 8) & 0xff00ff) * b;
  x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
  x &= 0xff00ff00;
  return x | t;
}

class Rasterziel {
 public:
  // Rows oben … unten − 1 of the image.
  Rasterziel(QImage& bild, QRgb farbe, int oben, int unten)
      : bits_(bild.bits()),
        zeile_(bild.bytesPerLine()),
        breite_(bild.width()),
        hoehe_(bild.height()),
        oben_(oben),
        unten_(unten),
        farbe_(farbe) {}

  // Pixel (x, y) covered by a / 255; `quer`: x and y swapped. The members
  // are read into locals first: the pixel stores could alias them (an
  // unsigned int may alias an int), which would reload them every pixel.
  template <bool quer>
  void decke(int x, int y, std::uint32_t a) const {
    if constexpr (quer) std::swap(x, y);
    const unsigned breite = static_cast<unsigned>(breite_), band = static_cast<unsigned>(unten_ - oben_);
    const int oben = oben_;
    const std::uint32_t farbe = farbe_;
    uchar* const bits = bits_;
    const qsizetype zeile = zeile_;
    if (static_cast<unsigned>(x) >= breite || static_cast<unsigned>(y - oben) >= band || a == 0) return;
    auto* p = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::ptrdiff_t>(y) * zeile) + x;
    *p = a >= 255 ? farbe : mische(farbe, *p, a);
  }
  // The two pixels of column i across which the line's centre v falls (v
  // in pixel units, rows centred on .5), together covered by `anteil`.
  template <bool quer>
  void spalte(int i, double v, double anteil) const {
    const double w = v - 0.5;
    const double unten = std::floor(w);
    const double f = w - unten;
    const int zeile = static_cast<int>(unten);
    decke<quer>(i, zeile, static_cast<std::uint32_t>((1 - f) * anteil * 255 + 0.5));
    decke<quer>(i, zeile + 1, static_cast<std::uint32_t>(f * anteil * 255 + 0.5));
  }

  int breite() const { return breite_; }
  int hoehe() const { return hoehe_; }

 private:
  uchar* bits_;
  qsizetype zeile_;
  int breite_, hoehe_;
  int oben_, unten_;
  std::uint32_t farbe_;
};

// One line along its major axis u (x, or y when `quer`), the minor axis v.
template <bool quer>
void linie(const Rasterziel& ziel, double u0, double v0, double u1, double v1) {
  const Rasterziel z = ziel;  // a local copy no pixel store can alias
  if (u1 < u0) {
    std::swap(u0, u1);
    std::swap(v0, v1);
  }
  const double laenge = u1 - u0;
  const double steigung = laenge > 0 ? (v1 - v0) / laenge : 0;
  const auto bei = [&](double u) { return v0 + (u - u0) * steigung; };
  const int erste = static_cast<int>(std::floor(u0)), letzte = static_cast<int>(std::floor(u1));
  if (erste == letzte) {
    // Within one column; a point counts as one pixel's worth.
    z.spalte<quer>(erste, bei(0.5 * (u0 + u1)), laenge > 0 ? laenge : 1);
    return;
  }
  // The end columns are covered as far as the line reaches into them.
  z.spalte<quer>(erste, bei(0.5 * (u0 + erste + 1)), erste + 1 - u0);
  z.spalte<quer>(letzte, bei(0.5 * (letzte + u1)), u1 - letzte);
  // Whole columns in between, on the image only: the centre in 16.16 fixed point.
  const int grenze = quer ? z.hoehe() : z.breite();
  const int von = std::max(erste + 1, 0), bis = std::min(letzte - 1, grenze - 1);
  if (von > bis) return;
  auto v = static_cast<std::int64_t>(std::llround((bei(von + 0.5) - 0.5) * 65536.0));
  const auto schritt = static_cast<std::int64_t>(std::llround(steigung * 65536.0));
  for (int i = von; i <= bis; ++i, v += schritt) {
    const int zeile = static_cast<int>(v >> 16);
    const auto f = static_cast<std::uint32_t>((v & 0xffff) >> 8);
    z.decke<quer>(i, zeile, 255 - f);
    z.decke<quer>(i, zeile + 1, f);
  }
}

}  // namespace

bool haarlinienTauglich(const QImage& bild) {
  switch (bild.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
      return true;
    default:
      return false;
  }
}

namespace {

// Lines per batch from which two threads share the work.
constexpr std::size_t kParallelAb = 1024;

// The lines' parts in rows oben … unten − 1.
void zeichneBand(QImage& bild, std::span<const QLineF> linien, QRgb farbe, int oben, int unten) {
  Rasterziel ziel(bild, farbe | 0xff000000u, oben, unten);
  // Two pixels to spare: the partly covered step where a line is cut lies
  // wholly outside the band.
  const double links = -2, rechts = bild.width() + 2.0, o = oben - 2.0, u = unten + 2.0;
  for (const QLineF& l : linien) {
    double x0 = l.x1(), y0 = l.y1(), x1 = l.x2(), y1 = l.y2();
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) continue;
    // Cut to the band so no loop runs through the far outside.
    double ta = 0, tb = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    if (!schneideStrecke({links, o, rechts, u}, x0, y0, dx, dy, ta, tb)) continue;
    if (ta > 0 || tb < 1) {
      const double ax = x0 + ta * dx, ay = y0 + ta * dy;
      x1 = x0 + tb * dx;
      y1 = y0 + tb * dy;
      x0 = ax;
      y0 = ay;
    }
    if (std::fabs(x1 - x0) >= std::fabs(y1 - y0))
      linie<false>(ziel, x0, y0, x1, y1);
    else
      linie<true>(ziel, y0, x0, y1, x1);
  }
}

}  // namespace

void zeichneHaarlinien(QImage& bild, std::span<const QLineF> linien, QRgb farbe) {
  // Both halves of a big batch at once: the machines this runs on have two
  // cores at least, and the halves share no pixel.
  const int h = bild.height();
  if (linien.size() < kParallelAb || h < 64 || std::thread::hardware_concurrency() < 2) {
    zeichneBand(bild, linien, farbe, 0, h);
    return;
  }
  // Lines of one colour may be drawn in any order (blending towards one
  // colour commutes): tile by tile they meet their pixels in the cache.
  static thread_local std::vector<std::pair<std::uint32_t, QLineF>> folge;
  static thread_local std::vector<QLineF> sortiert;
  folge.clear();
  for (const QLineF& l : linien) {
    const double mx = 0.5 * (l.x1() + l.x2()), my = 0.5 * (l.y1() + l.y2());
    std::uint32_t kachel = 0;
    if (mx >= 0 && my >= 0 && mx < bild.width() && my < h)
      kachel = (static_cast<std::uint32_t>(my) >> 6 << 16) | (static_cast<std::uint32_t>(mx) >> 6);
    folge.emplace_back(kachel, l);
  }
  std::sort(folge.begin(), folge.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  sortiert.clear();
  for (const auto& [kachel, l] : folge) sortiert.push_back(l);
  // By value: inside the other thread `sortiert` would name that thread's own.
  const std::span<const QLineF> geordnet(sortiert);
  std::thread unten([&bild, geordnet, farbe, h] { zeichneBand(bild, geordnet, farbe, h / 2, h); });
  zeichneBand(bild, geordnet, farbe, 0, h / 2);
  unten.join();
}

}  // namespace quarzel
