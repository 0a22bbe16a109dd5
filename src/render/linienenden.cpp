#include "render/linienenden.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "render/formzeichnen.h"

namespace quarzel {

namespace {

int klasseVon(int code) {
  if (code >= 128) return 4;
  if (code >= 96) return 3;
  if (code >= 64) return 2;
  if (code >= 32) return 1;
  return 0;
}

Pixelpunkt plus(Pixelpunkt a, Pixelpunkt b, double f) {
  return {a.x + f * b.x, a.y + f * b.y};
}

void linie(Canvas& c, std::initializer_list<Pixelpunkt> p) {
  c.polylinie({p.begin(), p.size()});
}
void flaeche(Canvas& c, std::initializer_list<Pixelpunkt> p) {
  c.polygon({p.begin(), p.size()});
}

}  // namespace

double linienendenFaktor(int klasse) {
  switch (klasse) {
    case 1:
      return 0.5;
    case 2:
      return 0.75;
    case 3:
      return 1.5;
    case 4:
      return 2.0;
    default:
      return 1.0;
  }
}

Linienendenwahl waehleLinienenden(std::uint8_t anfangscode, std::uint8_t endcode) {
  Linienendenwahl w;
  const int ek = klasseVon(endcode);
  w.endform = endcode - 32 * ek;
  if (w.endform != 0) {
    w.klasse = w.anfangsklasse = ek;
    int a = anfangscode;
    if (a >= 32 * ek) a -= 32 * ek;
    // A start code of a larger class than the end's keeps only its shape.
    w.anfangsform = a % 32;
  } else {
    w.anfangsklasse = klasseVon(anfangscode);
    w.anfangsform = anfangscode - 32 * w.anfangsklasse;
    w.klasse = ek;
  }
  return w;
}

void zeichneLinienende(Canvas& c, Pixelpunkt t, Pixelpunkt innen, int form, double l) {
  const double dx = innen.x - t.x, dy = innen.y - t.y;
  const double laenge = std::hypot(dx, dy);
  if (!(laenge > 0) || !std::isfinite(laenge) || !std::isfinite(l)) return;
  const Pixelpunkt u{dx / laenge, dy / laenge};
  const Pixelpunkt v{-u.y, u.x};
  const Pixelpunkt b1 = plus(t, u, l), b2 = plus(t, u, 2 * l), f = plus(t, u, -l), f2 = plus(t, u, -2 * l);
  auto links = [&](Pixelpunkt p) { return plus(p, v, l); };
  auto rechts = [&](Pixelpunkt p) { return plus(p, v, -l); };
  switch (form) {
    case 1:
      linie(c, {links(b1), t, rechts(b1)});
      break;
    case 2:
      flaeche(c, {links(b1), t, rechts(b1)});
      break;
    case 3:
      linie(c, {links(b2), t, rechts(b2)});
      break;
    case 4:
      flaeche(c, {links(b2), t, rechts(b2)});
      break;
    case 5:
      flaeche(c, {links(b2), t, rechts(b2), b1});
      break;
    case 6:
      linie(c, {links(f), t, rechts(f)});
      break;
    case 7:
      flaeche(c, {links(f), t, rechts(f)});
      break;
    case 8:
      linie(c, {links(f2), t, rechts(f2)});
      break;
    case 9:
      flaeche(c, {links(f2), t, rechts(f2)});
      break;
    case 10:
      flaeche(c, {links(f2), t, rechts(f2), f});
      break;
    case 11:
      linie(c, {links(t), rechts(t)});
      break;
    case 12:
      linie(c, {rechts(f), links(b1)});
      break;
    case 13: {
      const std::array<Pixelpunkt, 4> p{links(f), rechts(b1), links(b1), rechts(f)};
      const std::array<int, 2> n{2, 2};
      c.mehrfachPolylinie(p, n);
      break;
    }
    case 14:
      flaeche(c, {links(b1), links(f), rechts(f), rechts(b1)});
      break;
    case EndePunkt:
      kleinerKreis(c, t, std::max(1.0, l / 3), true);
      break;
    case EndeKreis:
      kleinerKreis(c, t, l, false);
      break;
    case EndeKreisGefuellt:
      kleinerKreis(c, t, l, true);
      break;
    case EndeHalbpfeil:
      flaeche(c, {links(b2), t, b2});
      break;
    case EndeArchitekt:
      linie(c, {rechts(f), links(b1)});
      kleinerKreis(c, t, std::max(1.0, l / 3), true);
      break;
    default:
      break;  // 0 and the codes without a figure
  }
}

void zeichneLinienenden(Zeichenkontext& k, Pixelpunkt anfang, Pixelpunkt nachAnfang, Pixelpunkt vorEnde,
                        Pixelpunkt ende, std::uint8_t anfangscode, std::uint8_t endcode, int stift, Farbe farbe) {
  const Linienendenwahl w = waehleLinienenden(anfangscode, endcode);
  const bool anfangZeichnen = w.anfangsform >= 1 && w.anfangsform <= 19;
  const bool endeZeichnen = w.endform >= 1 && w.endform <= 19;
  if (!anfangZeichnen && !endeZeichnen) return;
  const int s = std::clamp(stift, 0, 255);
  const double basis = std::max(2, 2 * k.lauf.penPixelWidth(s));
  const bool echt = k.lauf.parameter().echteBreiten;
  k.canvas.setzeStift(farbe, echt ? std::max(1, k.lauf.penPixelWidth(s)) : 1);
  k.canvas.setzePinsel(farbe);
  if (anfangZeichnen)
    zeichneLinienende(k.canvas, anfang, nachAnfang, w.anfangsform, basis * linienendenFaktor(w.anfangsklasse));
  if (endeZeichnen) zeichneLinienende(k.canvas, ende, vorEnde, w.endform, basis * linienendenFaktor(w.klasse));
}

void zeichneLinienenden(Zeichenkontext& k, Pixelpunkt anfang, Pixelpunkt ende, std::uint8_t anfangscode,
                        std::uint8_t endcode, int stift, Farbe farbe) {
  zeichneLinienenden(k, anfang, ende, anfang, ende, anfangscode, endcode, stift, farbe);
}

// Circles as 24-gons: round enough for a few pixels, cheap for thousands.
void kleinerKreis(Canvas& c, Pixelpunkt m, double r, bool gefuellt) {
  constexpr int kEcken = 24;
  std::array<Pixelpunkt, kEcken + 1> p;
  for (int i = 0; i <= kEcken; ++i) {
    const double w = 2 * M_PI * i / kEcken;
    p[i] = {m.x + r * std::cos(w), m.y + r * std::sin(w)};
  }
  if (gefuellt)
    c.polygon({p.data(), kEcken});
  else
    c.polylinie(p);
}

}  // namespace quarzel
