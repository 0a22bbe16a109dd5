// CadAusgabe: hands elements to the caller, inside a paper viewport cut to
// its frame. Lines and polylines (their arcs too) are cut exactly; every
// other kind is kept whole when it reaches into the frame and dropped when
// it does not.
#include <algorithm>
#include <cmath>

#include "exchange/cadaufloeser.h"

namespace quarzel {

namespace {

CadPunkt2 eben2(const CadPunkt& p) {
  return {p.x, p.y};
}

// The box of a bulged segment: the chord's, widened by the arc's bow (the
// whole circle's box for arcs of more than half a turn).
CadRahmen segmentBox(const CadScheitel& a, const CadScheitel& b) {
  CadRahmen r = CadRahmen::um(eben2(a.p));
  r.dazu(eben2(b.p));
  double beta = std::abs(a.woelbung);
  if (beta == 0) return r;
  double sehne = std::hypot(b.p.x - a.p.x, b.p.y - a.p.y);
  double rand = beta <= 1 ? beta * sehne / 2 : sehne * (1 + beta * beta) / (4 * beta) * 2;
  return {r.xmin - rand, r.ymin - rand, r.xmax + rand, r.ymax + rand};
}

CadRahmen box(const CadWeltelement& w) {
  using Art = CadWeltelement::Art;
  switch (w.art) {
    case Art::Ellipse: {
      double r = std::max(w.rx, w.ry);
      return {w.a.x - r, w.a.y - r, w.a.x + r, w.a.y + r};
    }
    case Art::Punkt:
    case Art::Text:
      return CadRahmen::um(eben2(w.a));
    default:
      break;
  }
  if (w.punkte.empty()) return CadRahmen::um(eben2(w.a));
  CadRahmen r = CadRahmen::um(eben2(w.punkte[0].p));
  for (std::size_t i = 0; i < w.punkte.size(); ++i) {
    const CadRahmen s = segmentBox(w.punkte[i], w.punkte[(i + 1) % w.punkte.size()]);
    r.dazu({s.xmin, s.ymin});
    r.dazu({s.xmax, s.ymax});
  }
  return r;
}

// A damaged file may hold NaN or values that overflow once scaled.
bool endlich(const CadWeltelement& w) {
  bool gut = std::isfinite(w.a.x) && std::isfinite(w.a.y) && std::isfinite(w.b.x) && std::isfinite(w.b.y);
  for (const CadScheitel& s : w.punkte) gut = gut && std::isfinite(s.p.x) && std::isfinite(s.p.y);
  return gut;
}

}  // namespace

void CadAufloeser::ausgeben(CadWeltelement& w) {
  if (!endlich(w)) {
    ++ergebnis_.uebersprungen;
    return;
  }
  if (kappen_) {
    using Art = CadWeltelement::Art;
    if (w.art == Art::Linie) {
      CadPunkt2 a = eben2(w.a), b = eben2(w.b);
      double t0, t1;
      if (!linieKappen(rahmen_, a, b, t0, t1)) return;
      w.a = {a.x, a.y, 0};
      w.b = {b.x, b.y, 0};
    } else if (w.art == Art::Polylinie) {
      polylinieKappen(w);
      return;
    } else if (!rahmen_.trifft(box(w))) {
      return;
    }
  }
  if (!budget(false)) return;
  ++ergebnis_.elemente;
  ziel_(w);
}

void CadAufloeser::polylinieKappen(const CadWeltelement& w) {
  std::span<const CadScheitel> s = w.punkte;
  std::size_t n = s.size(), strecken = w.geschlossen ? n : n - 1;
  bool ganzInnen = true;
  for (std::size_t i = 0; i < strecken && ganzInnen; ++i) {
    CadRahmen b = segmentBox(s[i], s[(i + 1) % n]);
    ganzInnen = rahmen_.enthaelt({b.xmin, b.ymin}) && rahmen_.enthaelt({b.xmax, b.ymax});
  }
  if (ganzInnen) {
    kappen_ = false;
    CadWeltelement kopie = w;
    ausgeben(kopie);
    kappen_ = true;
    return;
  }
  // The visible runs, each an open polyline of its own.
  lauf_.clear();
  double teile[5][2];
  for (std::size_t i = 0; i < strecken; ++i) {
    const CadScheitel& von = s[i];
    const CadScheitel& bis = s[(i + 1) % n];
    CadPunkt2 pa = eben2(von.p), pb = eben2(bis.p);
    CadBogen bogen = CadBogen::ausWoelbung(pa, pb, von.woelbung);
    int anzahl = 0;
    if (von.woelbung != 0 && bogen.radius > 0) {
      anzahl = bogenKappen(rahmen_, bogen, teile);
    } else if (linieKappen(rahmen_, pa, pb, teile[0][0], teile[0][1])) {
      anzahl = 1;
    }
    if (anzahl == 0) laufAusgeben(w);
    for (int k = 0; k < anzahl; ++k) {
      double t0 = teile[k][0], t1 = teile[k][1];
      CadScheitel a = von, b = bis;
      a.woelbung = von.woelbung == 0 ? 0 : std::tan(bogen.winkel * (t1 - t0) / 4);
      b.woelbung = 0;
      if (von.woelbung != 0) {
        CadPunkt2 q0 = bogen.punkt(t0), q1 = bogen.punkt(t1);
        pa = t0 > 0 ? q0 : eben2(von.p);
        pb = t1 < 1 ? q1 : eben2(bis.p);
      }
      a.p = {pa.x, pa.y, 0};
      b.p = {pb.x, pb.y, 0};
      if (t0 > 0) laufAusgeben(w);
      if (lauf_.empty())
        lauf_.push_back(a);
      else
        lauf_.back().woelbung = a.woelbung;
      lauf_.push_back(b);
      if (t1 < 1) laufAusgeben(w);
    }
  }
  laufAusgeben(w);
}

void CadAufloeser::laufAusgeben(const CadWeltelement& w) {
  if (lauf_.size() >= 2) {
    CadWeltelement stueck = w;
    stueck.punkte = lauf_;
    stueck.geschlossen = false;
    if (budget(false)) {
      ++ergebnis_.elemente;
      ziel_(stueck);
    }
  }
  lauf_.clear();
}

}  // namespace quarzel
