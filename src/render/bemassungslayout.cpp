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
double betrag(V a) {
  return std::hypot(a.x, a.y);
}

constexpr double kGrad = std::numbers::pi / 180;
constexpr double kVorgabeTexthoehe = 3.5;
constexpr double kVorgabeBegrenzung = 2.5;
constexpr double kGroessterWert = 25.0;
// Gap between the dimension line and the text.
constexpr double kTextabstandMm = 0.7;
// Arcs are drawn as polylines of at most this many degrees a step.
constexpr double kBogenschrittGrad = 3;

double hundertstel(std::uint32_t w) {
  const double mm = static_cast<std::int32_t>(w) / 100.0;
  return std::clamp(mm, -1.0, kGroessterWert);
}

// Screen directions: angles count counter-clockwise with y growing downward.
V einheit(double grad) {
  return {std::cos(grad * kGrad), -std::sin(grad * kGrad)};
}
double winkelVon(V r) {
  return std::atan2(-r.y, r.x) / kGrad;
}

V richtung(const tmessdaten& d, V p1, V p2) {
  switch (bemassungstyp(d)) {
    case 1:
      return {1, 0};
    case 2:
      return {0, 1};
    case 9:
      return std::isfinite(d.textwinkel) ? einheit(d.textwinkel) : V{1, 0};
    default: {
      const V r = p2 - p1;
      const double l = betrag(r);
      return l > 0 ? r * (1 / l) : V{1, 0};
    }
  }
}

V punkt(const tmessdaten& d, int i) {
  return {d.geometrie[2 * i], d.geometrie[2 * i + 1]};
}

// Start angle and sweep of the arc about S from A counter-clockwise to B.
std::pair<double, double> bogenVon(V s, V a, V b) {
  const double start = winkelVon(a - s);
  double lauf = std::fmod(winkelVon(b - s) - start, 360.0);
  if (lauf < 0) lauf += 360;
  return {start, lauf};
}

}  // namespace

int bemassungstyp(const tmessdaten& d) {
  return d.typ <= 9 ? d.typ : 0;
}

bool istWinkelbemassung(const tmessdaten& d) {
  return bemassungstyp(d) == 5 || bemassungstyp(d) == 6;
}

double gemessenerWinkel(const tmessdaten& d) {
  const double w = bogenVon(punkt(d, 0), punkt(d, 1), punkt(d, 2)).second;
  return std::isfinite(w) ? w : 0;
}

double gemesseneHoehe(const tmessdaten& d) {
  const double h = d.geometrie[3] - d.geometrie[1];
  return std::isfinite(h) ? h : 0;
}

double gemesseneLaenge(const tmessdaten& d) {
  const V p1 = punkt(d, 0), p2 = punkt(d, 1);
  const int typ = bemassungstyp(d);
  double l = 0;
  if (typ == 7) {
    l = betrag(p2 - p1) * bogenVon(p1, p2, punkt(d, 2)).second * kGrad;
  } else if (typ == 3 || typ == 4) {
    l = betrag(p2 - p1);
  } else if (typ == 8) {
    l = std::fabs(gemesseneHoehe(d));
  } else if (typ == 5 || typ == 6) {
    l = gemessenerWinkel(d);
  } else {
    l = std::fabs(skalar(p2 - p1, richtung(d, p1, p2)));
  }
  return std::isfinite(l) ? l : 0;
}

namespace {

// Lays out one record in world millimetres; the caller turns it into pixels.
class Layout {
 public:
  Layout(const tmessdaten& d, const Zeichenlauf& lauf, double textbreite)
      : d_(d), lauf_(lauf), textbreite_(textbreite) {
    zoom_ = lauf.zoom() > 0 && std::isfinite(lauf.zoom()) ? lauf.zoom() : 1;
    const double texthoehe =
        std::isfinite(d.texthoehe) && d.texthoehe > 0 ? std::min(d.texthoehe, 1000.0) : kVorgabeTexthoehe;
    f_.texthoehePixel = texthoehe / zoom_;
    groesse_ = hundertstel(d.werte[3]) > 0 ? hundertstel(d.werte[3]) : kVorgabeBegrenzung;
    f_.begrenzungPixel = groesse_ / zoom_;
    f_.begrenzung = static_cast<Begrenzung>(d.begrenzung & 3);
    f_.gefuellt = (d.begrenzung & 4) != 0;
    f_.laengeMm = gemesseneLaenge(d);
  }

  std::optional<Bemassungsfigur> figur() {
    switch (bemassungstyp(d_)) {
      case 3:
      case 4:
        if (!radial()) return std::nullopt;
        break;
      case 5:
      case 6:
      case 7:
        if (!bogen()) return std::nullopt;
        break;
      case 8:
        kote();
        break;
      default:
        if (!linear()) return std::nullopt;
        break;
    }
    return f_;
  }

 private:
  Pixelpunkt px(V w) const { return lauf_.nachPixel(w.x, w.y); }
  V pv(V w) const {
    const Pixelpunkt p = px(w);
    return {p.x, p.y};
  }
  Bemassungsfigur::Strecke strecke(V a, V b) const { return {px(a), px(b)}; }
  void spitze(V s, V innen) { f_.spitzen.push_back({px(s), px(innen)}); }

  // The text centred at `mitte` (world), along r, on the side the position says.
  void text(V mitte, V r, bool waagerecht = false) {
    V t = waagerecht ? V{1, 0} : r;
    if (t.x < -1e-12 || (std::fabs(t.x) <= 1e-12 && t.y > 0)) t = t * -1.0;
    const V oben{t.y, -t.x};  // the text's up on screen (y grows downward)
    f_.textwinkel = winkelVon(t);
    const double h = f_.texthoehePixel, abstand = kTextabstandMm / zoom_;
    const V m = pv(mitte);
    V unten;  // bottom centre of the text in pixels
    switch (d_.textposition) {
      case 1:
        unten = m + oben * (-h / 2);
        break;
      case 2:
        unten = m + oben * (-abstand - h);
        break;
      case 3:
        unten = pv(punkt(d_, 3));
        break;
      default:
        unten = m + oben * abstand;
        break;
    }
    textunten_ = unten, textrichtung_ = t, textoben_ = oben;
    const V ecke = unten + t * (-textbreite_ / 2) + oben * h;
    f_.textpunkt = {ecke.x, ecke.y};
  }

  bool linear() {
    const V p1 = punkt(d_, 0), p2 = punkt(d_, 1), p3 = punkt(d_, 2);
    if (!(f_.laengeMm > 0)) return false;
    const V r = richtung(d_, p1, p2);
    const V normale{-r.y, r.x};
    const V d1 = p1 + normale * skalar(p3 - p1, normale);
    const V d2 = p2 + normale * skalar(p3 - p2, normale);
    if (d_.optionen[5] == 0) {
      const double laenge = hundertstel(d_.werte[0]);
      const double ueberstand = std::max(0.0, hundertstel(d_.werte[2]));
      for (const auto& [p, dp] : {std::pair{p1, d1}, std::pair{p2, d2}}) {
        const double abstand = skalar(dp - p, normale);
        const V seite = normale * (abstand < 0 ? -1.0 : 1.0);
        const V anfang = laenge < 0 ? p : dp - seite * laenge;
        f_.hilfslinien.push_back(strecke(anfang, dp + seite * ueberstand));
      }
    }
    const double ueberstand = std::max(0.0, hundertstel(d_.werte[1]));
    const V langs = skalar(d2 - d1, r) < 0 ? r * -1.0 : r;
    f_.masslinie = strecke(d1 - langs * ueberstand, d2 + langs * ueberstand);
    enden(d1, d2);
    spitze(d1, d2);
    spitze(d2, d1);
    text((d1 + d2) * 0.5, r);
    return true;
  }

  bool radial() {
    const V p1 = punkt(d_, 0), p2 = punkt(d_, 1);
    const double l = betrag(p2 - p1);
    if (!(l > 0)) return false;
    const V r = (p2 - p1) * (1 / l);
    const bool durchmesser = bemassungstyp(d_) == 4;
    const double ueberstand = std::max(0.0, hundertstel(d_.werte[1]));
    enden(p1, p2);
    // Only the terminators pushed below are drawn; the radius has one.
    if (d_.optionen[5] != 0) {
      // Arrows from outside point at the circle; the line reaches beyond it.
      const double aussen = 2 * groesse_ + ueberstand;
      f_.masslinie = strecke(durchmesser ? p1 - r * aussen : p1, p2 + r * aussen);
      spitze(p2, p2 + r);
      if (durchmesser) spitze(p1, p1 - r);
    } else {
      f_.masslinie = strecke(p1, p2 + r * ueberstand);
      spitze(p2, p1);
      if (durchmesser) spitze(p1, p2);
    }
    text(durchmesser ? (p1 + p2) * 0.5 : p1 + r * (l / 2), r);
    return true;
  }

  // Angles and arc lengths: an arc about P1 through P4.
  bool bogen() {
    const int typ = bemassungstyp(d_);
    const V s = punkt(d_, 0), a = punkt(d_, 1), b = punkt(d_, 2), p4 = punkt(d_, 3);
    const double ra = betrag(a - s), rb = betrag(b - s);
    const double radius = betrag(p4 - s);
    if (!(ra > 0) || !(rb > 0) || !(radius > 0)) return false;
    const auto [start, lauf] = bogenVon(s, a, b);
    if (!(lauf > 0)) return false;
    const V u1 = (a - s) * (1 / ra), u2 = (b - s) * (1 / rb);
    const V e1 = s + u1 * radius, e2 = s + u2 * radius;
    std::vector<Pixelpunkt> zug;
    const int schritte = std::max(2, static_cast<int>(std::ceil(lauf / kBogenschrittGrad)));
    for (int i = 0; i <= schritte; ++i) zug.push_back(px(s + einheit(start + lauf * i / schritte) * radius));
    f_.zuege.push_back(std::move(zug));
    f_.masslinie = strecke(e1, e1);
    enden(e1, e2);
    const V mitte = s + einheit(start + lauf / 2) * radius;
    const V tangente = einheit(start + lauf / 2 - 90);
    if (typ == 6) {
      // The symbol: the arc alone, the value beside it, upright when the
      // vertex leaves room.
      f_.begrenzungAnfang = f_.begrenzungEnde = false;
      text(mitte + einheit(start + lauf / 2) * (f_.texthoehePixel * zoom_), tangente, true);
      return true;
    }
    // Extension lines run along the legs out to the arc.
    const double laenge = hundertstel(d_.werte[0]);
    const double ueberstand = std::max(0.0, hundertstel(d_.werte[2]));
    for (const auto& [u, r0] : {std::pair{u1, ra}, std::pair{u2, rb}}) {
      if (typ == 5 && radius <= r0) continue;
      const double von = laenge < 0 || typ == 5 ? r0 : std::max(0.0, radius - laenge);
      f_.hilfslinien.push_back(strecke(s + u * von, s + u * (radius + ueberstand)));
    }
    // Terminators sit at the arc's ends, pointing along it.
    const double schritt = std::min(lauf / 2, groesse_ / radius / kGrad);
    spitze(e1, s + einheit(start + schritt) * radius);
    spitze(e2, s + einheit(start + lauf - schritt) * radius);
    text(mitte, tangente);
    if (typ == 7) bogenzeichen();
    return true;
  }

  // The arc sign over an arc length's value.
  void bogenzeichen() {
    const double w = std::max(textbreite_ * 0.3, f_.texthoehePixel * 0.5);
    const V mitte = textunten_ + textoben_ * (f_.texthoehePixel * 1.15);
    std::vector<Pixelpunkt> zug;
    for (int i = 0; i <= 12; ++i) {
      const double phi = std::numbers::pi * i / 12;
      const V q = mitte + textrichtung_ * (-w / 2 * std::cos(phi)) + textoben_ * (w / 4 * std::sin(phi));
      zug.push_back({q.x, q.y});
    }
    f_.zuege.push_back(std::move(zug));
  }

  void kote() {
    const V p = punkt(d_, 0);
    const double g = groesse_;
    f_.begrenzungAnfang = f_.begrenzungEnde = false;
    enden(p, p);
    V textmitte;
    if (d_.optionen[6] == 0) {
      // A triangle standing on its tip, on a short line at the level.
      const double hoehe = g * std::sqrt(3.0) / 2;
      f_.zuege.push_back({px(p), px(p + V{-g / 2, -hoehe}), px(p + V{g / 2, -hoehe}), px(p)});
      f_.masslinie = strecke(p - V{g, 0}, p + V{g * 3, 0});
      textmitte = p + V{g * 1.5, -hoehe};
      text(textmitte, {1, 0}, true);
      // The value stands right of the triangle, on its top.
      const V links = pv(p + V{g / 2 + g * 0.2, -hoehe});
      f_.textpunkt = {links.x, links.y - f_.texthoehePixel};
      return;
    }
    // A cross-hair: a circle with its quadrants, the value to the upper right.
    std::vector<Pixelpunkt> kreis;
    for (int i = 0; i <= 36; ++i) kreis.push_back(px(p + einheit(i * 10.0) * (g / 2)));
    f_.zuege.push_back(std::move(kreis));
    f_.hilfslinien.push_back(strecke(p - V{0, g * 0.8}, p + V{0, g * 0.8}));
    f_.masslinie = strecke(p - V{g * 0.8, 0}, p + V{g * 2.5, 0});
    text(p, {1, 0}, true);
    const V links = pv(p + V{g * 0.7, -g * 0.3});
    f_.textpunkt = {links.x, links.y - f_.texthoehePixel};
  }

  void enden(V a, V b) {
    f_.anfang = px(a);
    f_.ende = px(b);
  }

  const tmessdaten& d_;
  const Zeichenlauf& lauf_;
  double textbreite_;
  double zoom_ = 1;
  double groesse_ = kVorgabeBegrenzung;
  V textunten_, textrichtung_{1, 0}, textoben_{0, -1};
  Bemassungsfigur f_;
};

}  // namespace

std::optional<Bemassungsfigur> bemassungsfigur(const tmessdaten& d, const Zeichenlauf& lauf, double textbreite) {
  for (double v : d.geometrie)
    if (!std::isfinite(v)) return std::nullopt;
  if (!std::isfinite(textbreite)) textbreite = 0;
  return Layout(d, lauf, textbreite).figur();
}

}  // namespace quarzel
