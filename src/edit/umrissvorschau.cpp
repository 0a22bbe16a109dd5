#include "edit/umrissvorschau.h"

#include <algorithm>
#include <cmath>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/treffertest.h"

namespace quarzel {

namespace {

void rechteck(Umriss& u, const Weltrechteck& r) {
  u.beginne();
  for (Weltpunkt p : {Weltpunkt{r.x1, r.y1}, Weltpunkt{r.x2, r.y1}, Weltpunkt{r.x2, r.y2}, Weltpunkt{r.x1, r.y2},
                      Weltpunkt{r.x1, r.y1}})
    u.hinzu(p);
}

// Pixels far outside the area are no use and may overflow the painter.
double begrenzt(double v) {
  return std::clamp(v, -1e6, 1e6);
}

}  // namespace

void Umrissvorschau::sammle(const Zeichnung& z) {
  umriss_.leere();
  const Elementspeicher& s = z.speicher;
  std::size_t anzahl = 0;
  for (std::int32_t n = 1; n <= s.anzahl() && anzahl <= kHoechstElemente; ++n)
    if (s.markiert(n) && auswaehlbar(z, n)) ++anzahl;
  if (anzahl > kHoechstElemente) {
    if (const std::optional<Weltrechteck> box = markierteUmgebung(z)) rechteck(umriss_, *box);
    return;
  }
  Umriss einzeln;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (!s.markiert(n) || !auswaehlbar(z, n) || !elementumriss(s, n, einzeln)) continue;
    umriss_.punkte.insert(umriss_.punkte.end(), einzeln.punkte.begin(), einzeln.punkte.end());
    umriss_.laengen.insert(umriss_.laengen.end(), einzeln.laengen.begin(), einzeln.laengen.end());
  }
}

void Umrissvorschau::zeige(Canvas* c, const Ansicht& ansicht, const Abbildung& a) {
  loesche(c);
  if (c == nullptr || umriss_.leer()) return;
  pixel_.clear();
  for (const Weltpunkt& w : umriss_.punkte) {
    const Weltpunkt q = a(w);
    const Pixelpunkt p = ansicht.worldToPixel(q.x, q.y);
    pixel_.push_back({begrenzt(p.x), begrenzt(p.y)});
  }
  laengen_ = umriss_.laengen;
  c->setzeStiftmodus(Stiftmodus::Xor);
  c->mehrfachPolylinie(pixel_, laengen_);
  gezeichnet_ = true;
}

void Umrissvorschau::loesche(Canvas* c) {
  if (!gezeichnet_) return;
  gezeichnet_ = false;
  if (c == nullptr) return;
  c->setzeStiftmodus(Stiftmodus::Xor);
  c->mehrfachPolylinie(pixel_, laengen_);
}

void Gummirahmen::zeichne(Canvas* c) const {
  const Pixelpunkt p[5] = {a_, {b_.x, a_.y}, b_, {a_.x, b_.y}, a_};
  c->setzeStiftmodus(Stiftmodus::Xor);
  c->polylinie(p);
}

void Gummirahmen::zeige(Canvas* c, Pixelpunkt a, Pixelpunkt b) {
  loesche(c);
  if (c == nullptr) return;
  a_ = {begrenzt(a.x), begrenzt(a.y)};
  b_ = {begrenzt(b.x), begrenzt(b.y)};
  zeichne(c);
  gezeichnet_ = true;
}

void Gummirahmen::loesche(Canvas* c) {
  if (!gezeichnet_) return;
  gezeichnet_ = false;
  if (c != nullptr) zeichne(c);
}

}  // namespace quarzel
