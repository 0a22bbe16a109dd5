// CgmFormen: the graphical primitives of CGM as entities of the model.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "exchange/cgminterpreter.h"
#include "exchange/dxfzuordnung.h"

namespace quarzel {

namespace {

constexpr double kGrad = 180 / std::numbers::pi;

bool endlich(const CadPunkt& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// The file's 8-bit characters as UTF-8; control characters are dropped.
std::string utf8(std::string_view s) {
  std::string u;
  u.reserve(s.size());
  for (const char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) continue;
    if (b < 0x80) {
      u.push_back(c);
    } else {
      u.push_back(static_cast<char>(0xC0 | (b >> 6)));
      u.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return u;
}

CadScheitel scheitel(CadPunkt p, double woelbung = 0) {
  CadScheitel s;
  s.p = p;
  s.woelbung = woelbung;
  return s;
}

double winkel(CadPunkt von, CadPunkt nach) {
  return std::atan2(nach.y - von.y, nach.x - von.x);
}

}  // namespace

bool CgmInterpreter::gespiegelt() const {
  return (z_.x2 < z_.x1) != (z_.y2 < z_.y1);
}

double CgmInterpreter::laenge(double vdc) const {
  return std::abs(vdc) * (z_.skalierung == 1 ? z_.faktor : 1);
}

CadPunkt CgmInterpreter::punkt(CgmParameter& p) {
  const double x = p.vdc(), y = p.vdc();
  const double f = z_.skalierung == 1 ? z_.faktor : 1;
  return {(x - z_.x1) * (z_.x2 < z_.x1 ? -f : f), (y - z_.y1) * (z_.y2 < z_.y1 ? -f : f), 0};
}

CadPunkt CgmInterpreter::richtung(CgmParameter& p) {
  const double x = p.vdc(), y = p.vdc();
  return {z_.x2 < z_.x1 ? -x : x, z_.y2 < z_.y1 ? -y : y, 0};
}

double CgmInterpreter::breite(int modus, double wert) const {
  switch (modus) {
    case 0:
      return laenge(wert);
    case 2:
      return std::abs(wert) * laenge(z_.x2 - z_.x1);
    case 3:
      return std::abs(wert);
    default:  // scaled: a multiple of a nominal quarter millimetre
      return std::abs(wert) * 0.25;
  }
}

CadEntitaet CgmInterpreter::neu(CadArt art, const Strich& s) {
  CadEntitaet e;
  e.art = art;
  const std::uint32_t farbe = rgb(s.farbe);
  // White stays white: it covers what lies beneath, as on the file's own background.
  e.farbe = {CadFarbe::Art::Rgb, farbe, static_cast<std::int16_t>(farbe == 0xFFFFFF ? 256 : naechsteAci(farbe))};
  e.linientyp = linientyp(s.typ);
  const double staerke = s.breite * 100;
  e.linienstaerke = std::isfinite(staerke) ? static_cast<std::int16_t>(std::clamp(std::lround(staerke), 0L, 2000L))
                                           : kStaerkeStandard;
  return e;
}

void CgmInterpreter::linienzug(const std::vector<CadPunkt>& punkte, bool geschlossen, const Strich& s) {
  if (punkte.size() < 2 || !std::all_of(punkte.begin(), punkte.end(), endlich)) return;
  CadEntitaet e = neu(CadArt::Polylinie, s);
  e.geschlossen = geschlossen;
  e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
  e.scheitelAnzahl = static_cast<std::uint32_t>(punkte.size());
  for (const CadPunkt& q : punkte) m_.scheitel.push_back(scheitel(q));
  hinzu(e);
}

void CgmInterpreter::rand(const std::vector<CadScheitel>& ring, const CadEntitaet* randStatt, const Strich& s) {
  if (randStatt) {
    CadEntitaet e = *randStatt;
    const CadEntitaet strich = neu(e.art, s);
    e.farbe = strich.farbe, e.linientyp = strich.linientyp, e.linienstaerke = strich.linienstaerke;
    hinzu(e);
    return;
  }
  CadEntitaet e = neu(CadArt::Polylinie, s);
  e.geschlossen = true;
  e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
  e.scheitelAnzahl = static_cast<std::uint32_t>(ring.size());
  m_.scheitel.insert(m_.scheitel.end(), ring.begin(), ring.end());
  hinzu(e);
}

void CgmInterpreter::flaeche(const std::vector<std::vector<CadScheitel>>& ringe, const CadEntitaet* randStatt) {
  for (const auto& ring : ringe) {
    if (ring.size() < 2) return;
    for (const CadScheitel& s : ring)
      if (!endlich(s.p) || !std::isfinite(s.woelbung)) return;
  }
  const int innen = z_.innen;
  if (innen == 4 || ringe.empty()) return;
  Strich fuellung;
  fuellung.farbe = z_.fuellfarbe;
  // Hatches and hollow interiors show their boundary in the fill colour,
  // unless the edge is drawn anyway.
  if (innen == 0 || innen == 3 || innen < 0) {
    if (z_.kanteSichtbar) return;
    for (const auto& ring : ringe) rand(ring, ringe.size() == 1 ? randStatt : nullptr, fuellung);
    return;
  }
  CadEntitaet e = neu(CadArt::Schraffurrand, fuellung);
  e.gefuellt = true;
  e.ersterPfad = static_cast<std::uint32_t>(m_.pfade.size());
  e.pfadAnzahl = static_cast<std::uint32_t>(ringe.size());
  for (const auto& ring : ringe) {
    CadPfad pfad;
    pfad.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
    pfad.anzahl = static_cast<std::uint32_t>(ring.size());
    pfad.art = 1;
    m_.scheitel.insert(m_.scheitel.end(), ring.begin(), ring.end());
    m_.pfade.push_back(pfad);
  }
  hinzu(e);
}

void CgmInterpreter::form(const std::vector<CadScheitel>& ring, const CadEntitaet* randStatt) {
  for (const CadScheitel& s : ring)
    if (!endlich(s.p) || !std::isfinite(s.woelbung)) return;
  flaeche({ring}, randStatt);
  if (z_.kanteSichtbar && ring.size() >= 2) rand(ring, randStatt, z_.kante);
}

void CgmInterpreter::polygonsatz(CgmParameter& p) {
  std::vector<std::vector<CadScheitel>> ringe(1);
  std::vector<std::vector<int>> flaggen(1);
  while (p.mehr() && !p.fehler()) {
    const CadPunkt q = punkt(p);
    const int flagge = p.aufzaehlung({"invis", "vis", "closeinvis", "closevis"});
    if (p.fehler()) break;
    ringe.back().push_back(scheitel(q));
    flaggen.back().push_back(flagge);
    if (flagge >= 2) ringe.emplace_back(), flaggen.emplace_back();
  }
  if (ringe.back().empty()) ringe.pop_back();
  flaeche(ringe, nullptr);
  if (!z_.kanteSichtbar) return;
  // A visible flag draws the edge that leaves its point: to the next point,
  // or from the last point back to the start of its ring.
  for (std::size_t r = 0; r < ringe.size(); ++r) {
    const auto& ring = ringe[r];
    for (std::size_t i = 0; i < ring.size(); ++i) {
      if (flaggen[r][i] != 1 && flaggen[r][i] != 3) continue;
      const CadPunkt a = ring[i].p, b = ring[(i + 1) % ring.size()].p;
      if (a == b || !endlich(a) || !endlich(b)) continue;
      CadEntitaet e = neu(CadArt::Linie, z_.kante);
      e.a = a, e.b = b;
      hinzu(e);
    }
  }
}

void CgmInterpreter::bogenform(CadPunkt mitte, double r, double anfang, double ende, int schluss) {
  if (!endlich(mitte) || !std::isfinite(r + anfang + ende) || r <= 0) return;
  if (schluss < 0) {
    CadEntitaet e = neu(CadArt::Bogen, z_.linie);
    e.a = mitte, e.radius = r, e.anfang = anfang * kGrad, e.ende = ende * kGrad;
    hinzu(e);
    return;
  }
  double bogen = ende - anfang;
  while (bogen <= 0) bogen += 2 * std::numbers::pi;
  const CadPunkt s{mitte.x + r * std::cos(anfang), mitte.y + r * std::sin(anfang), 0};
  const CadPunkt t{mitte.x + r * std::cos(ende), mitte.y + r * std::sin(ende), 0};
  std::vector<CadScheitel> ring{scheitel(s, std::tan(bogen / 4)), scheitel(t)};
  if (schluss == 0) ring.push_back(scheitel(mitte));
  form(ring, nullptr);
}

void CgmInterpreter::ellipse(CgmParameter& p, bool bogen, bool geschlossen) {
  const CadPunkt c = punkt(p), p1 = punkt(p), p2 = punkt(p);
  CadPunkt ds, de;
  if (bogen) ds = richtung(p), de = richtung(p);
  const int schluss = geschlossen ? p.aufzaehlung({"pie", "chord"}) : -1;
  if (p.fehler()) return;
  // The principal axes of the conjugate diameters u and v.
  const double ux = p1.x - c.x, uy = p1.y - c.y, vx = p2.x - c.x, vy = p2.y - c.y;
  const double t0 = 0.5 * std::atan2(2 * (ux * vx + uy * vy), ux * ux + uy * uy - vx * vx - vy * vy);
  double ax = ux * std::cos(t0) + vx * std::sin(t0), ay = uy * std::cos(t0) + vy * std::sin(t0);
  double bx = -ux * std::sin(t0) + vx * std::cos(t0), by = -uy * std::sin(t0) + vy * std::cos(t0);
  if (std::hypot(ax, ay) < std::hypot(bx, by)) std::swap(ax, bx), std::swap(ay, by);
  const double gross = std::hypot(ax, ay), klein = std::hypot(bx, by);
  if (!(gross > 0) || !std::isfinite(gross + klein) || !endlich(c)) return;
  const double ex = ax / gross, ey = ay / gross;
  auto parameter = [&](CadPunkt d) {
    return std::atan2((d.y * ex - d.x * ey) / std::max(klein, 1e-300), (d.x * ex + d.y * ey) / gross);
  };
  double anfang = 0, ende = 2 * std::numbers::pi;
  if (bogen) {
    anfang = parameter(ds), ende = parameter(de);
    if (ux * vy - uy * vx < 0) std::swap(anfang, ende);
  }
  CadEntitaet e = neu(CadArt::Ellipse, z_.linie);
  e.a = c, e.b = {ax, ay, 0}, e.verhaeltnis = klein / gross, e.anfang = anfang, e.ende = ende;
  if (!std::isfinite(anfang + ende)) return;
  if (bogen && !geschlossen) {
    hinzu(e);
    return;
  }
  double spanne = ende - anfang;
  while (spanne <= 0) spanne += 2 * std::numbers::pi;
  // Coarser once the vertices outgrow the file, so that no input makes
  // many times its size in memory.
  const int schritte = m_.scheitel.size() < groesse_ ? 72 : 8;
  std::vector<CadScheitel> ring;
  for (int i = 0; i <= schritte; ++i) {
    if (!bogen && i == schritte) break;
    const double t = anfang + spanne * i / schritte;
    ring.push_back(scheitel({c.x + gross * std::cos(t) * ex - klein * std::sin(t) * ey,
                             c.y + gross * std::cos(t) * ey + klein * std::sin(t) * ex, 0}));
  }
  if (schluss == 0) ring.push_back(scheitel(c));
  form(ring, bogen ? nullptr : &e);
}

void CgmInterpreter::bezier(const std::vector<CadPunkt>& q, bool stetig) {
  const int schritte = m_.scheitel.size() < groesse_ ? 16 : 4;
  std::vector<CadPunkt> zug;
  for (std::size_t i = 0; i + 3 < q.size(); i += stetig ? 3 : 4) {
    if (!stetig || zug.empty()) {
      if (!zug.empty()) linienzug(zug, false, z_.linie);
      zug.assign(1, q[i]);
    }
    for (int k = 1; k <= schritte; ++k) {
      const double t = double(k) / schritte, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      zug.push_back({a * q[i].x + b * q[i + 1].x + c * q[i + 2].x + d * q[i + 3].x,
                     a * q[i].y + b * q[i + 1].y + c * q[i + 2].y + d * q[i + 3].y, 0});
    }
  }
  linienzug(zug, false, z_.linie);
}

void CgmInterpreter::text(CgmParameter& p, int art) {
  if (art == 6) {
    const bool fertig = p.aufzaehlung({"notfinal", "final"}) != 0;
    const std::string s = utf8(p.text());
    if (!offenerText_) return;
    offenerInhalt_ += s;
    if (fertig) textAusgeben();
    return;
  }
  if (offenerText_) textAusgeben();
  if (art == 5) p.vdc(), p.vdc();
  const CadPunkt a = punkt(p);
  const bool fertig = p.aufzaehlung({"notfinal", "final"}) != 0;
  std::string s = utf8(p.text());
  if (p.fehler() || !endlich(a)) return;
  Strich strich;
  strich.farbe = z_.textfarbe;
  CadEntitaet e = neu(CadArt::Text, strich);
  e.a = e.b = a;
  e.hoehe = std::isfinite(laenge(z_.zeichenhoehe)) ? laenge(z_.zeichenhoehe) : 0;
  const double drehung = std::atan2(z_.y2 < z_.y1 ? -z_.basisY : z_.basisY, z_.x2 < z_.x1 ? -z_.basisX : z_.basisX);
  e.drehung = std::isfinite(drehung) ? drehung * kGrad : 0;
  constexpr std::int16_t kWaagrecht[] = {0, 0, 1, 2, 0};
  constexpr std::int16_t kSenkrecht[] = {0, 3, 3, 2, 0, 1, 0};
  e.ausrichtungH = z_.ausrichtungH >= 0 && z_.ausrichtungH < 5 ? kWaagrecht[z_.ausrichtungH] : 0;
  e.ausrichtungV = z_.ausrichtungV >= 0 && z_.ausrichtungV < 7 ? kSenkrecht[z_.ausrichtungV] : 0;
  offenerText_ = e;
  offenerInhalt_ = std::move(s);
  if (fertig) textAusgeben();
}

void CgmInterpreter::textAusgeben() {
  CadEntitaet e = *offenerText_;
  offenerText_.reset();
  if (offenerInhalt_.empty()) return;
  e.text = static_cast<std::uint32_t>(m_.texte.size());
  m_.texte.push_back(std::move(offenerInhalt_));
  offenerInhalt_.clear();
  hinzu(e);
}

void CgmInterpreter::grundelement(int id, CgmParameter& p) {
  std::vector<CadPunkt> punkte;
  switch (id) {
    case 1:
    case 2:
    case 7: {
      while (p.mehr() && !p.fehler()) punkte.push_back(punkt(p));
      if (p.fehler() && !punkte.empty()) punkte.pop_back();
      if (id == 1) linienzug(punkte, false, z_.linie);
      if (id == 2)
        for (std::size_t i = 0; i + 1 < punkte.size(); i += 2) linienzug({punkte[i], punkte[i + 1]}, false, z_.linie);
      if (id == 7 && punkte.size() >= 2) {
        std::vector<CadScheitel> ring;
        for (const CadPunkt& q : punkte) ring.push_back(scheitel(q));
        form(ring, nullptr);
      }
      return;
    }
    case 26: {
      const bool stetig = p.index() == 2;
      while (p.mehr() && !p.fehler()) punkte.push_back(punkt(p));
      if (p.fehler() && !punkte.empty()) punkte.pop_back();
      bezier(punkte, stetig);
      return;
    }
    case 4:
    case 5:
    case 6:
      text(p, id);
      return;
    case 8:
      polygonsatz(p);
      return;
    case 11: {
      const CadPunkt a = punkt(p), b = punkt(p);
      if (!p.fehler()) form({scheitel(a), scheitel({b.x, a.y, 0}), scheitel(b), scheitel({a.x, b.y, 0})}, nullptr);
      return;
    }
    case 12: {
      const CadPunkt c = punkt(p);
      const double r = laenge(p.vdc());
      if (p.fehler() || !(r > 0)) return;
      CadEntitaet k = neu(CadArt::Kreis, z_.linie);
      k.a = c, k.radius = r;
      const std::vector<CadScheitel> ring{scheitel({c.x + r, c.y, 0}, 1), scheitel({c.x - r, c.y, 0}, 1)};
      form(ring, &k);
      return;
    }
    case 13:
    case 14: {
      const CadPunkt a = punkt(p), b = punkt(p), c = punkt(p);
      const int schluss = id == 14 ? p.aufzaehlung({"pie", "chord"}) : -1;
      if (p.fehler()) return;
      const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
      const double kreuz = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
      if (std::abs(d) < 1e-12) {
        linienzug({a, b, c}, false, z_.linie);
        return;
      }
      const double aa = a.x * a.x + a.y * a.y, bb = b.x * b.x + b.y * b.y, cc = c.x * c.x + c.y * c.y;
      const CadPunkt m{(aa * (b.y - c.y) + bb * (c.y - a.y) + cc * (a.y - b.y)) / d,
                       (aa * (c.x - b.x) + bb * (a.x - c.x) + cc * (b.x - a.x)) / d, 0};
      const double r = std::hypot(a.x - m.x, a.y - m.y);
      if (kreuz > 0)
        bogenform(m, r, winkel(m, a), winkel(m, c), schluss);
      else
        bogenform(m, r, winkel(m, c), winkel(m, a), schluss);
      return;
    }
    case 15:
    case 16: {
      const CadPunkt c = punkt(p), s = richtung(p), t = richtung(p);
      const double r = laenge(p.vdc());
      const int schluss = id == 16 ? p.aufzaehlung({"pie", "chord"}) : -1;
      if (p.fehler()) return;
      const double anfang = std::atan2(s.y, s.x), ende = std::atan2(t.y, t.x);
      if (gespiegelt())
        bogenform(c, r, ende, anfang, schluss);
      else
        bogenform(c, r, anfang, ende, schluss);
      return;
    }
    case 17:
      ellipse(p, false, false);
      return;
    case 18:
    case 19:
      ellipse(p, true, id == 19);
      return;
    default:
      ++m_.unbekannt["CGM 4," + std::to_string(id)];
      return;
  }
}

}  // namespace quarzel
