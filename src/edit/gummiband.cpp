#include "edit/gummiband.h"

#include <cmath>

#include "edit/figurgeometrie.h"

namespace quarzel {

namespace {

struct Sammler {
  const Ansicht& ansicht;
  std::vector<Pixelpunkt>& punkte;
  std::vector<int>& laengen;
  std::size_t hoechst;

  void zug(const std::vector<Weltpunkt>& p, bool schliessen = false) {
    const std::size_t n = p.size() + (schliessen ? 1 : 0);
    if (p.size() < 2 || punkte.size() + n > hoechst) return;
    for (const Weltpunkt& q : p) punkte.push_back(pixel(q));
    if (schliessen) punkte.push_back(pixel(p.front()));
    laengen.push_back(static_cast<int>(n));
  }
  Pixelpunkt pixel(Weltpunkt q) const {
    Pixelpunkt r = ansicht.worldToPixel(q.x, q.y);
    // Far-away points would overflow the painter's integer paths.
    constexpr double grenze = 1e6;
    r.x = std::isfinite(r.x) ? std::fmax(-grenze, std::fmin(grenze, r.x)) : 0;
    r.y = std::isfinite(r.y) ? std::fmax(-grenze, std::fmin(grenze, r.y)) : 0;
    return r;
  }
};

}  // namespace

void figurInPixeln(const Ansicht& ansicht, const Zeichenfigur& f, std::vector<Pixelpunkt>& punkte,
                   std::vector<int>& laengen, std::size_t hoechstPunkte) {
  Sammler s{ansicht, punkte, laengen, hoechstPunkte};
  for (const Figurlinie& l : f.linien) {
    if (figur::gleich(l.a, l.b)) {
      // A marker point: a small cross so that it can be seen at all.
      const Pixelpunkt p = s.pixel(l.a);
      if (punkte.size() + 4 > hoechstPunkte) continue;
      punkte.insert(punkte.end(), {{p.x - 3, p.y}, {p.x + 3, p.y}, {p.x, p.y - 3}, {p.x, p.y + 3}});
      laengen.insert(laengen.end(), {2, 2});
      continue;
    }
    s.zug({l.a, l.b});
  }
  for (const Figurbogen& b : f.boegen) s.zug(figur::bogenpunkte(b, 361));
  if (f.zug.size() >= 2) {
    std::vector<Weltpunkt> p(f.zug.begin(),
                             f.zug.begin() + static_cast<std::ptrdiff_t>(std::min(f.zug.size(), hoechstPunkte)));
    s.zug(p, f.geschlossen);
  }
  if (f.bezier) {
    s.zug(figur::bezierpunkte(*f.bezier));
    // The support points' handles help placing them.
    s.zug({(*f.bezier)[0], (*f.bezier)[1]});
    s.zug({(*f.bezier)[2], (*f.bezier)[3]});
  }
}

Farbe Gummiband::xorFarbe(Farbe zeichenfarbe) {
  const Farbe k = ~zeichenfarbe & 0xFFFFFF;
  return k == 0 ? 0xFFFFFF : k;
}

void Gummiband::zeichne(Canvas& c) const {
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(farbe_, 1);
  c.setzePinsel(0, true);
  c.mehrfachPolylinie(punkte_, laengen_);
}

void Gummiband::zeige(Canvas* canvas, const Ansicht& ansicht, const Zeichenfigur& f, Farbe zeichenfarbe) {
  loesche(canvas);
  if (!canvas) return;
  figurInPixeln(ansicht, f, punkte_, laengen_, kHoechstPunkte);
  if (laengen_.empty()) return;
  farbe_ = xorFarbe(zeichenfarbe);
  zeichne(*canvas);
}

void Gummiband::loesche(Canvas* canvas) {
  if (canvas && !laengen_.empty()) zeichne(*canvas);
  vergiss();
}

void Gummiband::vergiss() {
  punkte_.clear();
  laengen_.clear();
}

}  // namespace quarzel
