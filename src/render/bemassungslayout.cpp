#include "render/bemassungslayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace quarzel {

namespace {

struct V {
  double x = 0, y = 0;
};
V operator+(V a, V b) {
  return {a.x + b.x, a.y + b.y};
}
V operator-(V a, V b) {
  return {a.x - b.x, a.y - b.y};
}
V operator*(V a, double f) {
  return {a.x * f, a.y * f};
}
double skalar(V a, V b) {
  return a.x * b.x + a.y * b.y;
}

constexpr double kVorgabeTexthoehe = 3.5;
constexpr double kVorgabeBegrenzung = 2.5;
constexpr double kGroessterWert = 25.0;
// Gap between the dimension line and the text.
constexpr double kTextabstandMm = 0.7;

double hundertstel(std::uint32_t w) {
  const double mm = static_cast<std::int32_t>(w) / 100.0;
  return std::clamp(mm, -1.0, kGroessterWert);
}

int typVon(const tmessdaten& d) {
  return d.typ <= 4 ? d.typ : 0;
}

V richtung(const tmessdaten& d, V p1, V p2) {
  switch (typVon(d)) {
    case 1:
      return {1, 0};
    case 2:
      return {0, 1};
    default: {
      const V r = p2 - p1;
      const double l = std::hypot(r.x, r.y);
      return l > 0 ? r * (1 / l) : V{1, 0};
    }
  }
}

}  // namespace

double gemesseneLaenge(const tmessdaten& d) {
  const V p1{d.geometrie[0], d.geometrie[1]}, p2{d.geometrie[2], d.geometrie[3]};
  const V r = richtung(d, p1, p2);
  const double l = typVon(d) >= 3 ? std::hypot(p2.x - p1.x, p2.y - p1.y) : std::fabs(skalar(p2 - p1, r));
  return std::isfinite(l) ? l : 0;
}

std::optional<Bemassungsfigur> bemassungsfigur(const tmessdaten& d, const Zeichenlauf& lauf, double textbreite) {
  for (double v : d.geometrie)
    if (!std::isfinite(v)) return std::nullopt;
  const double zoom = lauf.zoom() > 0 && std::isfinite(lauf.zoom()) ? lauf.zoom() : 1;
  auto px = [&](V w) {
    const Pixelpunkt p = lauf.nachPixel(w.x, w.y);
    return V{p.x, p.y};
  };
  auto pp = [](V v) { return Pixelpunkt{v.x, v.y}; };

  // The layout is done in world millimetres and turned into pixels at the
  // end, so the sizes (sheet millimetres) keep their proportions at any zoom.
  const V p1{d.geometrie[0], d.geometrie[1]}, p2{d.geometrie[2], d.geometrie[3]};
  const V p3{d.geometrie[4], d.geometrie[5]}, p4{d.geometrie[6], d.geometrie[7]};
  const int typ = typVon(d);
  const V r = richtung(d, p1, p2);
  const V normale{-r.y, r.x};

  Bemassungsfigur f;
  f.laengeMm = gemesseneLaenge(d);
  if (!(f.laengeMm > 0)) return std::nullopt;
  const double texthoehe =
      std::isfinite(d.texthoehe) && d.texthoehe > 0 ? std::min(d.texthoehe, 1000.0) : kVorgabeTexthoehe;
  f.texthoehePixel = texthoehe / zoom;
  const double groesse = hundertstel(d.werte[3]) > 0 ? hundertstel(d.werte[3]) : kVorgabeBegrenzung;
  f.begrenzungPixel = groesse / zoom;
  f.begrenzung = static_cast<Begrenzung>(d.begrenzung & 3);
  f.gefuellt = (d.begrenzung & 4) != 0;

  V d1, d2;
  if (typ >= 3) {
    d1 = p1;
    d2 = p2;
    f.begrenzungAnfang = typ == 4;
  } else {
    d1 = p1 + normale * skalar(p3 - p1, normale);
    d2 = p2 + normale * skalar(p3 - p2, normale);
    const double laenge = hundertstel(d.werte[0]);
    const double ueberstand = std::max(0.0, hundertstel(d.werte[2]));
    for (const auto& [p, dp] : {std::pair{p1, d1}, std::pair{p2, d2}}) {
      const double abstand = skalar(dp - p, normale);
      const V seite = normale * (abstand < 0 ? -1.0 : 1.0);
      const V anfang = laenge < 0 ? p : dp - seite * laenge;
      f.hilfslinien.push_back({pp(px(anfang)), pp(px(dp + seite * ueberstand))});
    }
  }
  const double masslinienUeberstand = std::max(0.0, hundertstel(d.werte[1]));
  const V langs = skalar(d2 - d1, r) < 0 ? r * -1.0 : r;
  f.anfang = pp(px(d1));
  f.ende = pp(px(d2));
  f.masslinie = {pp(px(typ == 3 ? d1 : d1 - langs * masslinienUeberstand)), pp(px(d2 + langs * masslinienUeberstand))};

  // The text reads from below or from the right: its direction on screen
  // points right, or up when the line is vertical.
  V t = r;
  if (t.x < -1e-12 || (std::fabs(t.x) <= 1e-12 && t.y > 0)) t = t * -1.0;
  const V oben{t.y, -t.x};  // the text's up on screen (y grows downward)
  f.textwinkel = std::atan2(-t.y, t.x) * 180 / std::numbers::pi;
  const double h = f.texthoehePixel, abstand = kTextabstandMm / zoom;
  const V mitte = px((d1 + d2) * 0.5);
  V unten;  // bottom centre of the text in pixels
  switch (d.textposition) {
    case 1:
      unten = mitte + oben * (-h / 2);
      break;
    case 2:
      unten = mitte + oben * (-abstand - h);
      break;
    case 3:
      unten = px(p4);
      break;
    default:
      unten = mitte + oben * abstand;
      break;
  }
  f.textpunkt = pp(unten + t * (-textbreite / 2) + oben * h);
  return f;
}

}  // namespace quarzel
