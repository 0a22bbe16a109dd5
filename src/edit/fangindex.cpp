#include "edit/fangindex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <cmath>

#include "edit/fangformen.h"
#include "store/grossallokator.h"

namespace quarzel {

namespace {

template <class T>
using Grossvektor = std::vector<T, Grossallokator<T>>;

// The next float towards minus infinity, for finite f (cheaper than nextafter).
float naechstKleiner(float f) {
  if (f == 0) return -FLT_TRUE_MIN;
  const std::uint32_t b = std::bit_cast<std::uint32_t>(f);
  return std::bit_cast<float>(f > 0 ? b - 1 : b + 1);
}

// Floats rounded outward, so the float box always holds the exact one.
float nachUnten(double v) {
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -INFINITY;
  const float f = static_cast<float>(v);
  return static_cast<double>(f) > v ? naechstKleiner(f) : f;
}
float nachOben(double v) {
  return -nachUnten(-v);
}

// The range of box centres the curve is laid over: the bulk of them, so
// that a few far-away elements do not squeeze the rest into one cell. The
// index stays correct for any range; only its speed depends on it.
struct Bereich {
  double x0 = 0, y0 = 0, sx = 1, sy = 1;  // origin and cells per millimetre
};

Bereich bereichAus(std::vector<double>& xs, std::vector<double>& ys) {
  Bereich b;
  if (xs.empty()) return b;
  auto quantil = [](std::vector<double>& v, double q) {
    const std::size_t k = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return v[k];
  };
  const double xa = quantil(xs, 0.01), xe = quantil(xs, 0.99);
  const double ya = quantil(ys, 0.01), ye = quantil(ys, 0.99);
  const double breite = std::max(xe - xa, 1e-9), hoehe = std::max(ye - ya, 1e-9);
  b.x0 = xa;
  b.y0 = ya;
  b.sx = 65535.0 / breite;
  b.sy = 65535.0 / hoehe;
  return b;
}

std::uint32_t zelle(double v, double null, double massstab) {
  const double z = (v - null) * massstab;
  if (!(z > 0)) return 0;  // also NaN
  if (z >= 65535) return 65535;
  return static_cast<std::uint32_t>(z);
}

// Sorts (key << 32 | position) by key, then position: two passes of 16 bits
// over the key (the passes are stable and positions come in ascending order).
// Small inputs do not pay for the counters.
void radixsortiere(Grossvektor<std::uint64_t>& werte) {
  if (werte.size() < 16384) {
    std::sort(werte.begin(), werte.end());
    return;
  }
  Grossvektor<std::uint64_t> hilfe(werte.size());
  std::vector<std::uint32_t> zaehler(65536);
  for (int schiebe : {32, 48}) {
    std::fill(zaehler.begin(), zaehler.end(), 0);
    for (std::uint64_t w : werte) ++zaehler[(w >> schiebe) & 0xFFFF];
    std::uint32_t summe = 0;
    for (std::uint32_t& z : zaehler) {
      const std::uint32_t k = z;
      z = summe;
      summe += k;
    }
    for (std::uint64_t w : werte) hilfe[zaehler[(w >> schiebe) & 0xFFFF]++] = w;
    werte.swap(hilfe);
  }
}

}  // namespace

std::uint32_t hilbertindex(std::uint32_t x, std::uint32_t y) {
  // Branch-free form of the curve (after the public-domain "fast Hilbert
  // curve" construction): the quadrant transforms of all levels combined by
  // prefix operations, then the bits interleaved.
  x &= 0xFFFF;
  y &= 0xFFFF;
  std::uint32_t a = x ^ y;
  std::uint32_t b = 0xFFFF ^ a;
  std::uint32_t c = 0xFFFF ^ (x | y);
  std::uint32_t d = x & (y ^ 0xFFFF);

  std::uint32_t A = a | (b >> 1);
  std::uint32_t B = (a >> 1) ^ a;
  std::uint32_t C = ((c >> 1) ^ (b & (d >> 1))) ^ c;
  std::uint32_t D = ((a & (c >> 1)) ^ (d >> 1)) ^ d;

  a = A, b = B, c = C, d = D;
  A = (a & (a >> 2)) ^ (b & (b >> 2));
  B = (a & (b >> 2)) ^ (b & ((a ^ b) >> 2));
  C ^= (a & (c >> 2)) ^ (b & (d >> 2));
  D ^= (b & (c >> 2)) ^ ((a ^ b) & (d >> 2));

  a = A, b = B, c = C, d = D;
  A = (a & (a >> 4)) ^ (b & (b >> 4));
  B = (a & (b >> 4)) ^ (b & ((a ^ b) >> 4));
  C ^= (a & (c >> 4)) ^ (b & (d >> 4));
  D ^= (b & (c >> 4)) ^ ((a ^ b) & (d >> 4));

  a = A, b = B, c = C, d = D;
  C ^= (a & (c >> 8)) ^ (b & (d >> 8));
  D ^= (b & (c >> 8)) ^ ((a ^ b) & (d >> 8));

  a = C ^ (C >> 1);
  b = D ^ (D >> 1);

  std::uint32_t i0 = x ^ y;
  std::uint32_t i1 = b | (0xFFFF ^ (i0 | a));
  auto spreize = [](std::uint32_t v) {
    v = (v | (v << 8)) & 0x00FF00FF;
    v = (v | (v << 4)) & 0x0F0F0F0F;
    v = (v | (v << 2)) & 0x33333333;
    v = (v | (v << 1)) & 0x55555555;
    return v;
  };
  return (spreize(i1) << 1) | spreize(i0);
}

void Fangindex::baue() {
  const Elementspeicher& s = speicher_;
  Grossvektor<Kasten> roh;
  Grossvektor<std::int32_t> nummern;
  roh.reserve(static_cast<std::size_t>(s.anzahl()));
  nummern.reserve(static_cast<std::size_t>(s.anzahl()));
  for (std::int32_t n = 1, ende = s.anzahl(); n <= ende; ++n) {
    if (fangform(s.art(n)) == Fangform::Keine || !s.lebendig(n)) continue;
    const std::optional<Weltrechteck> u = fangumgebung(s, n);
    if (!u) continue;
    roh.push_back({nachUnten(u->x1), nachUnten(u->y1), nachOben(u->x2), nachOben(u->y2)});
    nummern.push_back(n);
  }
  const std::size_t m = roh.size();

  // A sample of the centres decides where the curve lies.
  std::vector<double> xs, ys;
  const std::size_t schritt = std::max<std::size_t>(1, m / 4096);
  for (std::size_t i = 0; i < m; i += schritt) {
    const double cx = (double(roh[i].x1) + roh[i].x2) / 2, cy = (double(roh[i].y1) + roh[i].y2) / 2;
    if (std::isfinite(cx) && std::isfinite(cy)) {
      xs.push_back(cx);
      ys.push_back(cy);
    }
  }
  const Bereich b = bereichAus(xs, ys);

  Grossvektor<std::uint64_t> ordnung(m);
  for (std::size_t i = 0; i < m; ++i) {
    const double cx = (double(roh[i].x1) + roh[i].x2) / 2, cy = (double(roh[i].y1) + roh[i].y2) / 2;
    const std::uint64_t h = hilbertindex(zelle(cx, b.x0, b.sx), zelle(cy, b.y0, b.sy));
    ordnung[i] = h << 32 | i;
  }
  radixsortiere(ordnung);

  kaesten_.clear();
  verweise_.clear();
  ebenenende_.clear();
  std::size_t knoten = 0;
  for (std::size_t k = m; k > 1; k = (k + Knotengroesse - 1) / Knotengroesse)
    knoten += (k + Knotengroesse - 1) / Knotengroesse;
  kaesten_.reserve(m + knoten);
  verweise_.reserve(m + knoten);
  for (std::uint64_t o : ordnung) {
    const std::size_t i = static_cast<std::size_t>(o & 0xFFFFFFFFu);
    kaesten_.push_back(roh[i]);
    verweise_.push_back(nummern[i]);
  }
  ebenenende_.push_back(m);
  for (std::size_t anfang = 0, ende = m; ende - anfang > 1;) {
    for (std::size_t i = anfang; i < ende; i += Knotengroesse) {
      Kasten k = kaesten_[i];
      for (std::size_t j = i + 1; j < std::min(i + Knotengroesse, ende); ++j) {
        k.x1 = std::min(k.x1, kaesten_[j].x1);
        k.y1 = std::min(k.y1, kaesten_[j].y1);
        k.x2 = std::max(k.x2, kaesten_[j].x2);
        k.y2 = std::max(k.y2, kaesten_[j].y2);
      }
      kaesten_.push_back(k);
      verweise_.push_back(static_cast<std::int32_t>(i));
    }
    anfang = ende;
    ende = kaesten_.size();
    ebenenende_.push_back(ende);
  }

  elementzahl_ = m;
  stand_ = s.aenderungszaehler();
  gebaut_ = true;
  ++bauten_;
}

void Fangindex::suche(const Weltrechteck& f, std::vector<std::int32_t>& treffer) const {
  if (kaesten_.empty()) return;
  const std::size_t erster = treffer.size();
  auto trifft = [&](const Kasten& k) { return k.x1 <= f.x2 && k.x2 >= f.x1 && k.y1 <= f.y2 && k.y2 >= f.y1; };
  // Each level leaves at most one node's children on the stack.
  struct Offen {
    std::uint32_t index;
    std::uint32_t ebene;
  };
  std::array<Offen, 64 * Knotengroesse> stapel;
  std::size_t oben = 0;
  stapel[oben++] = {static_cast<std::uint32_t>(kaesten_.size() - 1),
                    static_cast<std::uint32_t>(ebenenende_.size() - 1)};
  while (oben > 0) {
    const Offen o = stapel[--oben];
    if (!trifft(kaesten_[o.index])) continue;
    if (o.ebene == 0) {
      treffer.push_back(verweise_[o.index]);
      continue;
    }
    const std::size_t von = static_cast<std::size_t>(verweise_[o.index]);
    const std::size_t bis = std::min(von + Knotengroesse, ebenenende_[o.ebene - 1]);
    for (std::size_t i = von; i < bis; ++i) stapel[oben++] = {static_cast<std::uint32_t>(i), o.ebene - 1};
  }
  std::sort(treffer.begin() + static_cast<std::ptrdiff_t>(erster), treffer.end());
}

std::size_t Fangindex::speicherbedarf() const {
  return kaesten_.capacity() * sizeof(Kasten) + verweise_.capacity() * sizeof(std::int32_t) +
         ebenenende_.capacity() * sizeof(std::size_t);
}

}  // namespace quarzel
