// CadFormen: the geometry of each entity kind in the drawing plane.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "exchange/bsplinezerlegung.h"
#include "exchange/cadaufloeser.h"

namespace quarzel {

namespace {

constexpr double kGrad = 180.0 / std::numbers::pi;
// Arcs under a map that is no similarity become chords: 128 per full turn
// keep them within 0.03 % of the radius.
constexpr double kStueckeJeUmlauf = 128;
// Points per knot span of a spline that has no exact Bézier form.
constexpr int kAbtastungJeSpanne = 16;

CadAbbildung ocsAbbildung(const CadEntitaet& e, const CadKontext& k) {
  return istStandardExtrusion(e.extrusion) ? k.abb : k.abb.nach(ocsMatrix(e.extrusion));
}

// Whether a text with these alignment codes is placed by its second point.
bool zweiterPunkt(int h, int v) {
  return (h != 0 && h != 3 && h != 5) || v != 0;
}

CadPunkt zuPunkt(const CadPunkt2& p) {
  return {p.x, p.y, 0};
}

template <typename T>
bool bereich(const std::vector<T>& v, std::uint32_t erster, std::uint32_t anzahl, std::span<const T>& aus) {
  if (static_cast<std::uint64_t>(erster) + anzahl > v.size()) return false;
  aus = std::span<const T>(v.data() + erster, anzahl);
  return true;
}

}  // namespace

bool CadAufloeser::eben(std::span<const CadScheitel> s) const {
  if (optionen_.zNichtFiltern || s.empty()) return true;
  double z0 = hoeheVon(s[0].p);
  double tol = 1e-9 * (1 + std::abs(z0));
  return std::all_of(s.begin(), s.end(), [&](const CadScheitel& v) { return std::abs(hoeheVon(v.p) - z0) <= tol; });
}

bool CadAufloeser::linie(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  const CadScheitel enden[2] = {{e.a}, {e.b}};
  if (!eben(enden)) return false;
  w.art = CadWeltelement::Art::Linie;
  w.a = zuPunkt(k.abb.an(e.a));
  w.b = zuPunkt(k.abb.an(e.b));
  return true;
}

bool CadAufloeser::punkt(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  w.art = CadWeltelement::Art::Punkt;
  w.a = zuPunkt(k.abb.an(e.a));
  return true;
}

bool CadAufloeser::bogen(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  if (!(e.radius > 0) || !std::isfinite(e.radius)) return false;
  CadAbbildung abb = ocsAbbildung(e, k);
  CadLinear2 l = abb.ebene({1, 0, 0}, {0, 1, 0});
  l = {l.a * e.radius, l.b * e.radius, l.c * e.radius, l.d * e.radius};
  CadEllipsenbild b = ellipsenbild(l, e.anfang / kGrad, e.ende / kGrad, e.art == CadArt::Kreis);
  if (!(b.ry > 0) || !std::isfinite(b.rx)) return false;
  w.art = CadWeltelement::Art::Ellipse;
  w.a = zuPunkt(abb.an(e.a));
  w.rx = b.rx;
  w.ry = b.ry;
  w.drehung = b.drehung;
  w.anfang = b.anfang;
  w.ende = b.ende;
  return true;
}

bool CadAufloeser::ellipse(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  CadAffin3 ocs = ocsMatrix(e.extrusion);
  CadPunkt n = ocs.richtung({0, 0, 1});
  // The minor axis is the major one turned a quarter about the normal.
  CadPunkt neben{e.verhaeltnis * (n.y * e.b.z - n.z * e.b.y), e.verhaeltnis * (n.z * e.b.x - n.x * e.b.z),
                 e.verhaeltnis * (n.x * e.b.y - n.y * e.b.x)};
  CadPunkt2 x = k.abb.richtung(e.b), y = k.abb.richtung(neben);
  double spanne = e.ende - e.anfang;
  bool voll = e.anfang == e.ende || std::abs(spanne) >= 2 * std::numbers::pi - 1e-9;
  CadEllipsenbild b = ellipsenbild({x.x, y.x, x.y, y.y}, e.anfang, e.ende, voll);
  if (!(b.ry > 0) || !std::isfinite(b.rx)) return false;
  w.art = CadWeltelement::Art::Ellipse;
  w.a = zuPunkt(k.abb.an(e.a));
  w.rx = b.rx;
  w.ry = b.ry;
  w.drehung = b.drehung;
  w.anfang = b.anfang;
  w.ende = b.ende;
  return true;
}

void CadAufloeser::scheitelAbbilden(std::span<const CadScheitel> s, bool geschlossen, bool schliessen,
                                    const CadAbbildung& abb, double hoehe) {
  CadLinear2 l = abb.ebene({1, 0, 0}, {0, 1, 0});
  bool aehnlich = l.istAehnlich();
  double vorzeichen = l.det() < 0 ? -1 : 1;
  double breitenmass = std::sqrt(std::abs(l.det()));
  std::size_t start = puffer_.size(), n = s.size();
  std::size_t strecken = geschlossen ? n : n - 1;
  auto bild = [&](const CadPunkt& p, double woelbung) {
    CadScheitel r;
    r.p = zuPunkt(abb.an({p.x, p.y, p.z + hoehe}));
    r.woelbung = woelbung;
    return r;
  };
  for (std::size_t i = 0; i < n; ++i) {
    double beta = s[i].woelbung;
    bool bogen = i < strecken && beta != 0 && std::isfinite(beta);
    // A mirror turns an arc's sense; any other similarity keeps the bulge.
    CadScheitel v = bild(s[i].p, bogen && aehnlich ? beta * vorzeichen : 0);
    v.breiteAnfang = s[i].breiteAnfang * breitenmass;
    v.breiteEnde = s[i].breiteEnde * breitenmass;
    puffer_.push_back(v);
    if (!bogen || aehnlich) continue;
    const CadPunkt& p0 = s[i].p;
    const CadPunkt& p1 = s[(i + 1) % n].p;
    CadBogen b = CadBogen::ausWoelbung({p0.x, p0.y}, {p1.x, p1.y}, beta);
    if (!(b.radius > 0)) continue;
    int stuecke =
        std::clamp(static_cast<int>(std::ceil(std::abs(b.winkel) / (2 * std::numbers::pi) * kStueckeJeUmlauf)), 2,
                   static_cast<int>(kStueckeJeUmlauf));
    for (int j = 1; j < stuecke; ++j) {
      CadPunkt2 q = b.punkt(static_cast<double>(j) / stuecke);
      puffer_.push_back(bild({q.x, q.y, p0.z}, 0));
    }
  }
  if (geschlossen && schliessen && puffer_.size() > start) {
    CadScheitel erster = puffer_[start];
    erster.woelbung = 0;
    puffer_.push_back(erster);
  }
}

bool CadAufloeser::polylinie(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  std::span<const CadScheitel> s;
  if (!bereich(m_.scheitel, e.ersterScheitel, e.scheitelAnzahl, s) || s.size() < 2) return false;
  if (!eben(s)) return false;
  puffer_.clear();
  if (e.dreiD)
    scheitelAbbilden(s, e.geschlossen, false, k.abb, 0);
  else
    scheitelAbbilden(s, e.geschlossen, false, ocsAbbildung(e, k), e.a.z);
  w.art = CadWeltelement::Art::Polylinie;
  w.punkte = puffer_;
  w.geschlossen = e.geschlossen;
  return true;
}

bool CadAufloeser::text(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  if (e.text >= m_.texte.size()) return false;
  CadAbbildung abb = ocsAbbildung(e, k);
  CadLinear2 l = abb.ebene({1, 0, 0}, {0, 1, 0});
  double dx = std::cos(e.drehung / kGrad), dy = std::sin(e.drehung / kGrad);
  CadPunkt2 lx = l.an(dx, dy), ly = l.an(-dy, dx);
  double det = lx.x * ly.y - lx.y * ly.x, laenge = std::hypot(lx.x, lx.y);
  if (det == 0 || laenge == 0 || !std::isfinite(det)) return false;
  // The height is what the map makes of it across the baseline.
  double hoehenmass = std::abs(det) / laenge;
  w.art = CadWeltelement::Art::Text;
  w.text = m_.texte[e.text];
  // A TEXT hangs on its second point unless it is left-aligned on its
  // baseline, aligned or fitted; a paragraph text on its insertion point.
  CadPunkt anker = zuPunkt(abb.an(e.art == CadArt::Text && zweiterPunkt(e.ausrichtungH, e.ausrichtungV) ? e.b : e.a));
  w.a = zuPunkt(abb.an(e.a));
  w.b = e.art == CadArt::Text ? zuPunkt(abb.an(e.b)) : anker;
  w.hoehe = e.hoehe * hoehenmass;
  w.breitenfaktor = e.breitenfaktor * laenge / hoehenmass;
  w.breite = e.breite * laenge;
  w.ausrichtungH = e.ausrichtungH;
  w.ausrichtungV = e.ausrichtungV;
  if (det < 0) {
    // A mirrored text stays readable and upright: either it runs the other
    // way along the mirrored baseline (left and right alignment swap) or it
    // hangs from it (top and bottom swap), whichever reads left to right.
    if (lx.x < 0 || (lx.x == 0 && lx.y < 0)) {
      lx = {-lx.x, -lx.y};
      if (w.ausrichtungH == 0 || w.ausrichtungH == 2) w.ausrichtungH = static_cast<std::int16_t>(2 - w.ausrichtungH);
      if (e.art == CadArt::Text && (w.ausrichtungH == 3 || w.ausrichtungH == 5)) {
        std::swap(w.a, w.b);
        anker = w.a;
      }
    } else {
      constexpr std::int16_t kGespiegeltV[4] = {3, 3, 2, 1};
      if (w.ausrichtungV >= 0 && w.ausrichtungV <= 3) w.ausrichtungV = kGespiegeltV[w.ausrichtungV];
    }
  }
  // A mirror may have moved the alignment from one point to the other.
  (zweiterPunkt(w.ausrichtungH, w.ausrichtungV) ? w.b : w.a) = anker;
  w.drehung = std::atan2(lx.y, lx.x) * kGrad;
  return true;
}

bool CadAufloeser::spline(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  std::span<const CadScheitel> pol, fit;
  std::span<const double> zahlen;
  if (!bereich(m_.scheitel, e.ersterScheitel, e.scheitelAnzahl, pol) ||
      !bereich(m_.scheitel, e.ersterFitpunkt, e.fitpunktAnzahl, fit) ||
      !bereich(m_.zahlen, e.ersteZahl, e.zahlAnzahl, zahlen) || e.knotenAnzahl > zahlen.size())
    return false;
  if (!eben(pol) || !eben(fit)) return false;
  std::span<const double> knoten = zahlen.first(e.knotenAnzahl);
  std::span<const double> gewichte = e.rational ? zahlen.subspan(e.knotenAnzahl) : std::span<const double>{};
  ebene_.clear();
  for (const CadScheitel& s : pol) ebene_.push_back(k.abb.an(s.p));
  bezier_.clear();
  bool kurve = true;
  if (bsplineGueltig(e.grad, knoten, ebene_, gewichte)) {
    bool echtRational =
        !gewichte.empty() && std::any_of(gewichte.begin(), gewichte.end(), [&](double g) { return g != gewichte[0]; });
    if (echtRational || e.grad > 3) {
      bsplineAbtasten(e.grad, knoten, ebene_, gewichte, kAbtastungJeSpanne, bezier_);
      kurve = false;
    } else {
      bsplineBezier(e.grad, knoten, ebene_, bezier_);
    }
  } else if (fit.size() >= 2) {
    ebene_.clear();
    for (const CadScheitel& s : fit) ebene_.push_back(k.abb.an(s.p));
    bool zu = e.geschlossen || e.periodisch;
    // A closed run often repeats its first point at the end.
    if (zu && ebene_.size() > 2 && ebene_.front().x == ebene_.back().x && ebene_.front().y == ebene_.back().y)
      ebene_.pop_back();
    catmullRomBezier(ebene_, zu, bezier_);
  }
  if (bezier_.size() < 2) return false;
  puffer_.clear();
  for (const CadPunkt2& p : bezier_) puffer_.push_back({zuPunkt(p)});
  w.art = kurve ? CadWeltelement::Art::Bezier : CadWeltelement::Art::Polylinie;
  w.punkte = puffer_;
  w.geschlossen = false;
  return true;
}

bool CadAufloeser::schraffur(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  std::span<const CadPfad> pfade;
  if (!bereich(m_.pfade, e.ersterPfad, e.pfadAnzahl, pfade)) return false;
  CadAbbildung abb = ocsAbbildung(e, k);
  bool etwas = false;
  puffer_.clear();
  CadScheitel anfang;
  for (const CadPfad& pfad : pfade) {
    std::span<const CadScheitel> s;
    if (!bereich(m_.scheitel, pfad.ersterScheitel, pfad.anzahl, s) || s.size() < 2) continue;
    if (!e.gefuellt) {
      // A pattern's boundary: the adapter lays its own hatch into it.
      puffer_.clear();
      scheitelAbbilden(s, true, false, abb, e.a.z);
      w.art = CadWeltelement::Art::Polylinie;
      w.punkte = puffer_;
      w.geschlossen = true;
      ausgeben(w);
      etwas = true;
      continue;
    }
    // All paths in one area: each further path is reached from the first
    // vertex and left back to it, so the even-odd fill keeps holes open.
    std::size_t start = puffer_.size();
    scheitelAbbilden(s, true, true, abb, e.a.z);
    if (puffer_.size() == start) continue;
    // Each path ends on its own first vertex, so the way to it and back is
    // the same edge twice, which the outline leaves out as a seam.
    CadScheitel zurueck = puffer_[start];
    zurueck.woelbung = 0;
    if (puffer_.back().p.x != zurueck.p.x || puffer_.back().p.y != zurueck.p.y) puffer_.push_back(zurueck);
    if (etwas) {
      puffer_.push_back(anfang);
    } else {
      anfang = puffer_[start];
      anfang.woelbung = 0;
    }
    etwas = true;
  }
  if (e.gefuellt && etwas) {
    w.art = CadWeltelement::Art::Flaeche;
    w.punkte = puffer_;
    w.geschlossen = true;
    ausgeben(w);
  }
  return etwas;
}

bool CadAufloeser::flaeche(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  std::span<const CadScheitel> s;
  if (!bereich(m_.scheitel, e.ersterScheitel, e.scheitelAnzahl, s) || s.size() < 3) return false;
  if (!eben(s)) return false;
  puffer_.clear();
  scheitelAbbilden(s, true, false, ocsAbbildung(e, k), 0);
  w.art = CadWeltelement::Art::Flaeche;
  w.punkte = puffer_;
  w.geschlossen = true;
  return true;
}

bool CadAufloeser::hinweislinie(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w) {
  std::span<const CadScheitel> s;
  if (!bereich(m_.scheitel, e.ersterScheitel, e.scheitelAnzahl, s) || s.size() < 2) return false;
  if (!eben(s)) return false;
  puffer_.clear();
  scheitelAbbilden(s, false, false, k.abb, 0);
  w.art = CadWeltelement::Art::Polylinie;
  w.punkte = puffer_;
  w.geschlossen = false;
  ausgeben(w);
  const CadPunkt& spitze = s[0].p;
  double dx = spitze.x - s[1].p.x, dy = spitze.y - s[1].p.y, l = std::hypot(dx, dy);
  if (!e.pfeil || l == 0) return true;
  // The file's arrow size lives in its dimension style; 2.5 units, at most a
  // third of the first segment, is the usual one.
  double laenge = std::min(2.5, l / 3), ux = dx / l, uy = dy / l;
  double bx = spitze.x - ux * laenge, by = spitze.y - uy * laenge, halb = laenge / 6;
  const CadScheitel kopf[3] = {
      {spitze}, {{bx - uy * halb, by + ux * halb, spitze.z}}, {{bx + uy * halb, by - ux * halb, spitze.z}}};
  puffer_.clear();
  scheitelAbbilden(kopf, true, false, k.abb, 0);
  CadWeltelement f = w;
  f.art = CadWeltelement::Art::Flaeche;
  f.punkte = puffer_;
  f.geschlossen = true;
  ausgeben(f);
  return true;
}

}  // namespace quarzel
