#include "edit/fangbewertung.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

// --- Rules --------------------------------------------------------------------

void Fangbewertung::bieteKante(Weltpunkt w, std::int32_t element) {
  const Pixelpunkt p = ansicht_.worldToPixel(w.x, w.y);
  const double d = std::hypot(p.x - cx_, p.y - cy_);
  if (!(d <= r_)) return;
  const double gezaehlt = std::max(d, r_ - 1.0);
  if (!(gezaehlt < beste_)) return;
  beste_ = r_ - 1.0;
  kante_ = true;
  punkt_ = p;
  art_ = Fangart::Kante;
  element_ = element;
  element2_ = 0;
}

void Fangbewertung::bietePunkt(Weltpunkt w, Fangart art, std::int32_t element, std::int32_t element2) {
  bietePixel(ansicht_.worldToPixel(w.x, w.y), art, element, element2);
}

void Fangbewertung::bietePixel(Pixelpunkt p, Fangart art, std::int32_t element, std::int32_t element2) {
  const double d = std::hypot(p.x - cx_, p.y - cy_);
  if (!(d <= r_)) return;
  if (!(d < beste_ || kante_)) return;
  beste_ = d;
  kante_ = false;
  punkt_ = p;
  art_ = art;
  element_ = element;
  element2_ = element2;
}

Fangergebnis Fangbewertung::ergebnis() const {
  Fangergebnis e;
  e.x = cx_;
  e.y = cy_;
  if (!gefunden()) return e;
  e.x = punkt_.x;
  e.y = punkt_.y;
  e.gefangen = true;
  e.art = art_;
  e.element = element_;
  e.element2 = element2_;
  return e;
}

// --- Watch --------------------------------------------------------------------

Wachposten::Wachposten(const Uhr* uhr, const std::function<Pixelpunkt()>* cursor, Pixelpunkt start, int radius)
    : uhr_(uhr), cursor_(cursor && *cursor ? cursor : nullptr), start_(start), r_(radius) {
  if (uhr_) letztePruefung_ = uhr_->ticks();
}

bool Wachposten::pruefe() {
  if (!uhr_ || !cursor_) return true;
  const std::uint32_t jetzt = uhr_->ticks();
  // Unsigned difference: the tick counter may wrap.
  if (jetzt - letztePruefung_ <= 10) return true;
  letztePruefung_ = jetzt;
  const Pixelpunkt p = (*cursor_)();
  if (std::fabs(p.x - start_.x) > r_ || std::fabs(p.y - start_.y) > r_) aufgegeben_ = true;
  return !aufgegeben_;
}

// --- Edges and points -----------------------------------------------------------

bool bewerteElemente(const Fanglauf& lauf, const std::vector<std::int32_t>& kandidaten) {
  const Fangeinstellungen& e = lauf.einstellungen;
  const Elementspeicher& s = lauf.speicher;
  std::vector<Weltpunkt> punkte;
  auto biete = [&](Fangart art, std::int32_t n) {
    for (const Weltpunkt& p : punkte) lauf.bewertung.bietePunkt(p, art, n);
    punkte.clear();
  };
  for (std::int32_t n : kandidaten) {
    if (!lauf.wache.weiter()) return false;
    if (e.modus(FangKanten))
      if (const std::optional<Weltpunkt> k = kantenpunkt(s, n, lauf.cursor, lauf.fenster))
        lauf.bewertung.bieteKante(*k, n);
    if (e.modus(FangEndpunkte)) {
      endpunkte(s, n, lauf.fenster, punkte);
      biete(Fangart::Endpunkt, n);
    }
    if (e.modus(FangMittelpunkte)) {
      mittelpunkte(s, n, lauf.fenster, punkte);
      biete(Fangart::Mittelpunkt, n);
    }
    if (e.modus(FangQuadrantenpunkte)) {
      quadrantenpunkte(s, n, lauf.fenster, punkte);
      biete(Fangart::Quadrantenpunkt, n);
    }
  }
  return true;
}

// --- Intersections --------------------------------------------------------------

namespace {

struct Strecke {
  Weltpunkt a, b;
};

// A candidate prepared once for all its pairs.
struct Schnittkandidat {
  std::int32_t n = 0;
  Fangform form = Fangform::Keine;
  Weltrechteck kasten;  // its box clipped to the capture window
  std::optional<Ellipsenbogen> bogen;
  std::size_t von = 0, bis = 0;  // its straight pieces inside the window
};

Weltrechteck geschnitten(const Weltrechteck& a, const Weltrechteck& b) {
  return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

}  // namespace

bool bewerteSchnittpunkte(const Fanglauf& lauf, const std::vector<std::int32_t>& kandidaten) {
  const Fangeinstellungen& e = lauf.einstellungen;
  const Elementspeicher& s = lauf.speicher;
  const Weltrechteck& fenster = lauf.fenster;

  std::vector<Schnittkandidat> k;
  std::vector<Strecke> strecken;
  for (std::int32_t n : kandidaten) {
    const Fangform form = fangform(s.art(n));
    if (form != Fangform::Linie && form != Fangform::Bogen && form != Fangform::Polygon) continue;
    const std::optional<Weltrechteck> u = fangumgebung(s, n);
    if (!u) continue;
    Schnittkandidat c;
    c.n = n;
    c.form = form;
    c.kasten = geschnitten(*u, fenster);
    if (form == Fangform::Bogen) {
      c.bogen = ellipsenbogen(s.bogen(n));
      if (!c.bogen) continue;
    }
    c.von = strecken.size();
    fuerStrecken(s, n, fenster, [&](Weltpunkt a, Weltpunkt b) { strecken.push_back({a, b}); });
    c.bis = strecken.size();
    k.push_back(std::move(c));
  }

  auto biete = [&](const Punktliste& punkte, const Schnittkandidat& a, const Schnittkandidat& b) {
    for (const Weltpunkt& p : punkte)
      if (trifft(fenster, p)) lauf.bewertung.bietePunkt(p, Fangart::Schnittpunkt, a.n, b.n);
  };
  auto bieteEinen = [&](const std::optional<Weltpunkt>& p, const Schnittkandidat& a, const Schnittkandidat& b) {
    if (p && trifft(fenster, *p)) lauf.bewertung.bietePunkt(*p, Fangart::Schnittpunkt, a.n, b.n);
  };
  // Calls f(a, b) for every pair in store order whose clipped boxes meet.
  auto paare = [&](auto&& f) {
    for (std::size_t i = 0; i < k.size(); ++i)
      for (std::size_t j = i + 1; j < k.size(); ++j) {
        if (!lauf.wache.weiter()) return false;
        if (ueberlappt(k[i].kasten, k[j].kasten)) f(k[i], k[j]);
      }
    return true;
  };

  const bool lk = e.modus(FangSchnittLinieKreis), kk = e.modus(FangSchnittKreisKreis);
  if (lk || kk) {
    const bool weiter = paare([&](const Schnittkandidat& a, const Schnittkandidat& b) {
      if (a.form == Fangform::Bogen && b.form == Fangform::Bogen) {
        if (kk) biete(bogenBogenSchnitt(*a.bogen, *b.bogen, &fenster), a, b);
        return;
      }
      if (!lk) return;
      if (a.form == Fangform::Linie && b.form == Fangform::Bogen && a.bis > a.von)
        biete(streckeBogenSchnitt(strecken[a.von].a, strecken[a.von].b, *b.bogen), a, b);
      else if (a.form == Fangform::Bogen && b.form == Fangform::Linie && b.bis > b.von)
        biete(streckeBogenSchnitt(strecken[b.von].a, strecken[b.von].b, *a.bogen), a, b);
    });
    if (!weiter) return false;
  }

  const bool ll = e.modus(FangSchnittLinieLinie), lp = e.modus(FangSchnittLiniePolygon),
             pp = e.modus(FangSchnittPolygonPolygon);
  if (ll || lp || pp) {
    const bool weiter = paare([&](const Schnittkandidat& a, const Schnittkandidat& b) {
      const bool erlaubt = (a.form == Fangform::Linie && b.form == Fangform::Linie && ll) ||
                           (a.form != b.form && a.form != Fangform::Bogen && b.form != Fangform::Bogen && lp) ||
                           (a.form == Fangform::Polygon && b.form == Fangform::Polygon && pp);
      if (!erlaubt) return;
      for (std::size_t i = a.von; i < a.bis; ++i)
        for (std::size_t j = b.von; j < b.bis; ++j)
          bieteEinen(streckenschnitt(strecken[i].a, strecken[i].b, strecken[j].a, strecken[j].b), a, b);
    });
    if (!weiter) return false;
  }
  return true;
}

}  // namespace quarzel
