#include "edit/treffertest.h"

#include <algorithm>
#include <cmath>

#include "edit/elementumriss.h"
#include "edit/fangformen.h"
#include "edit/fangindex.h"
#include "edit/fangsuche.h"
#include "edit/geometrie.h"

namespace quarzel {

namespace {

double abstand(Weltpunkt a, Weltpunkt b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// Crossing-number test over the polylines of a closed outline.
bool innen(const Umriss& u, Weltpunkt p) {
  bool drin = false;
  std::size_t i0 = 0;
  for (int laenge : u.laengen) {
    for (std::size_t i = i0, j = i0 + std::size_t(laenge) - 1; i < i0 + std::size_t(laenge); j = i++) {
      const Weltpunkt a = u.punkte[i], b = u.punkte[j];
      if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) drin = !drin;
    }
    i0 += std::size_t(laenge);
  }
  return drin;
}

template <class F>
void fuerSegmente(const Umriss& u, F&& f) {
  std::size_t i0 = 0;
  for (int laenge : u.laengen) {
    if (laenge == 1) f(u.punkte[i0], u.punkte[i0]);
    for (std::size_t i = i0 + 1; i < i0 + std::size_t(laenge); ++i) f(u.punkte[i - 1], u.punkte[i]);
    i0 += std::size_t(laenge);
  }
}

bool streckeBeruehrtRechteck(Weltpunkt a, Weltpunkt b, const Weltrechteck& r) {
  if (trifft(r, a) || trifft(r, b)) return true;
  if (!ueberlappt(streckenumgebung(a, b), r)) return false;
  const Weltpunkt e[4] = {{r.x1, r.y1}, {r.x2, r.y1}, {r.x2, r.y2}, {r.x1, r.y2}};
  for (int i = 0; i < 4; ++i)
    if (streckenschnitt(a, b, e[i], e[(i + 1) % 4])) return true;
  return false;
}

Weltrechteck geordnet(Weltpunkt a, Weltpunkt b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

bool auswaehlbar(const Zeichnung& z, std::int32_t n) {
  const Elementspeicher& s = z.speicher;
  if (n < 1 || n > s.anzahl() || !s.lebendig(n)) return false;
  const Elementart art = s.art(n);
  if (art == Elementart::Frei || art == Elementart::Wandlinie1 || istGruppenklammer(art)) return false;
  return z.ebenen.waehlbar(s.planteil(n), s.folie(n));
}

std::int32_t trefferTest(const Zeichnung& z, double x, double y, double toleranzPixel, const Fangindex* index,
                         bool nurIndizierte) {
  const Ansicht& a = z.ansicht;
  if (!std::isfinite(x) || !std::isfinite(y) || !(a.zoom > 0)) return 0;
  const Weltpunkt p = a.pixelToWorld(x, y);
  // Compare in world millimetres; the tolerance scales with the zoom.
  const double toleranz = std::max(0.0, toleranzPixel) * a.zoom;
  const Weltrechteck fenster{p.x - toleranz, p.y - toleranz, p.x + toleranz, p.y + toleranz};
  const Elementspeicher& s = z.speicher;
  Umriss u;
  std::int32_t bester = 0;
  double besterAbstand = INFINITY;
  auto miss = [&](std::int32_t n) {
    if (!auswaehlbar(z, n) || !elementumriss(s, n, u)) return;
    const std::optional<Weltrechteck> box = umrissumgebung(u);
    if (!box || !ueberlappt(*box, fenster)) return;
    double d = INFINITY;
    if (u.flaeche && innen(u, p)) d = 0;
    fuerSegmente(u, [&](Weltpunkt q, Weltpunkt e) { d = std::min(d, abstand(p, naechsterStreckenpunkt(p, q, e))); });
    // <= : at equal distance the later (topmost) element wins.
    if (d <= toleranz && d <= besterAbstand) {
      bester = n;
      besterAbstand = d;
    }
  };
  if (index == nullptr || !index->aktuell()) {
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) miss(n);
    return bester;
  }
  std::vector<std::int32_t> kandidaten;
  index->suche(fenster, kandidaten);
  for (std::int32_t n = 1; n <= s.anzahl() && !nurIndizierte; ++n) {
    const Elementart art = s.art(n);
    // Left out of the index, or indexed by a smaller box than their outline
    // (turned frames, the dimension line beside the measured points).
    const Fangform f = fangform(art);
    if ((f == Fangform::Keine || f == Fangform::Bitmap || f == Fangform::Bemassung) && art != Elementart::Frei &&
        !istGruppenklammer(art))
      kandidaten.push_back(n);
  }
  std::sort(kandidaten.begin(), kandidaten.end());
  kandidaten.erase(std::unique(kandidaten.begin(), kandidaten.end()), kandidaten.end());
  for (std::int32_t n : kandidaten) miss(n);
  return bester;
}

std::vector<std::int32_t> imRahmen(const Zeichnung& z, Weltpunkt a, Weltpunkt b, bool beruehrend) {
  std::vector<std::int32_t> treffer;
  const Weltrechteck r = geordnet(a, b);
  if (!std::isfinite(r.x1) || !std::isfinite(r.y1) || !std::isfinite(r.x2) || !std::isfinite(r.y2)) return treffer;
  Umriss u;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    if (!auswaehlbar(z, n) || !elementumriss(z.speicher, n, u)) continue;
    const std::optional<Weltrechteck> box = umrissumgebung(u);
    if (!box || !ueberlappt(*box, r)) continue;
    bool gefangen = box->x1 >= r.x1 && box->x2 <= r.x2 && box->y1 >= r.y1 && box->y2 <= r.y2;
    if (!gefangen && beruehrend) {
      fuerSegmente(u, [&](Weltpunkt s, Weltpunkt e) { gefangen = gefangen || streckeBeruehrtRechteck(s, e, r); });
      // A frame lying wholly inside a text or bitmap touches it, too.
      if (!gefangen && u.flaeche) gefangen = innen(u, {r.x1, r.y1});
    }
    if (gefangen) treffer.push_back(n);
  }
  return treffer;
}

std::int32_t nurAuswaehlbareMarkiert(Zeichnung& z) {
  Elementspeicher& s = z.speicher;
  std::int32_t bleiben = 0;
  for (std::int32_t n = 1; n <= s.gesamtanzahl(); ++n) {
    if (!s.markiert(n)) continue;
    if (istGruppenklammer(s.art(n)) && n <= s.anzahl() && s.lebendig(n) &&
        z.ebenen.waehlbar(s.planteil(n), s.folie(n))) {
      ++bleiben;  // brackets travel with their members
    } else if (auswaehlbar(z, n)) {
      ++bleiben;
    } else {
      s.setzeMarkiert(n, 0);
    }
  }
  return bleiben;
}

std::int32_t elementUnterKlick(const Zeichnung& z, Weltpunkt p, Fangsuche* fangsuche) {
  const Pixelpunkt px = z.ansicht.worldToPixel(p.x, p.y);
  if (fangsuche == nullptr) return trefferTest(z, px.x, px.y);
  fangsuche->aktualisiereIndex();
  // Texts, pictures and dimensions are not in the index; when nothing indexed
  // is hit, the full test still finds them, so the user hears why not.
  const std::int32_t n = trefferTest(z, px.x, px.y, kTreffertoleranz, &fangsuche->index(), true);
  return n != 0 ? n : trefferTest(z, px.x, px.y, kTreffertoleranz, &fangsuche->index());
}

}  // namespace quarzel
