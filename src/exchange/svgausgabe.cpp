#include "exchange/svgausgabe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

constexpr double kZweiPi = 2 * std::numbers::pi;
// Steps of a curve in a fill's outline.
constexpr int kKubikschritte = 16;
constexpr double kBogenschritt = std::numbers::pi / 36;

CadPunkt kubikpunkt(double x0, double y0, const SvgSegment& s, double t) {
  const double u = 1 - t, a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * x0 + b * s.x1 + c * s.x2 + d * s.x, a * y0 + b * s.y1 + c * s.y2 + d * s.y, 0};
}

CadPunkt bogenpunkt(const SvgSegment& s, double t) {
  const double co = std::cos(s.phi), si = std::sin(s.phi), ex = s.rx * std::cos(t), ey = s.ry * std::sin(t);
  return {s.cx + co * ex - si * ey, s.cy + si * ex + co * ey, 0};
}

double laenge(const CadPunkt& p) {
  return std::hypot(p.x, p.y);
}

// Transforms of extreme numbers can overflow; such a shape is left out.
bool endlich(const std::vector<CadScheitel>& s, std::size_t ab) {
  for (std::size_t i = ab; i < s.size(); ++i)
    if (!std::isfinite(s[i].p.x) || !std::isfinite(s[i].p.y)) return false;
  return true;
}

}  // namespace

CadFarbe SvgAusgabe::farbe(std::uint32_t rgb) {
  if (auto it = farben_.find(rgb); it != farben_.end()) return it->second;
  int beste = 7;
  long besterAbstand = -1;
  for (int i = 1; i < 256; ++i) {
    const std::uint32_t t = aciRgb(i);
    const long dr = long(t >> 16) - long(rgb >> 16), dg = long((t >> 8) & 0xFF) - long((rgb >> 8) & 0xFF),
               db = long(t & 0xFF) - long(rgb & 0xFF);
    const long abstand = dr * dr + dg * dg + db * db;
    if (besterAbstand < 0 || abstand < besterAbstand) {
      besterAbstand = abstand;
      beste = i;
    }
  }
  const CadFarbe f{CadFarbe::Art::Rgb, rgb, static_cast<std::int16_t>(beste)};
  farben_.emplace(rgb, f);
  return f;
}

std::size_t SvgAusgabe::zeichne(const SvgPfad& p, const SvgMatrix& abb, const std::optional<CadEntitaet>& strich,
                                const std::optional<CadEntitaet>& fuellung) {
  punkte_ = 0;
  if (fuellung) flaeche(p, abb, *fuellung);
  if (!strich) return punkte_;
  for (const SvgTeilpfad& t : p.teile) {
    if (t.anzahl == 0) continue;
    // Runs of lines and curves between the arcs.
    std::size_t von = t.erstes;
    const std::size_t ende = t.erstes + t.anzahl;
    bool nurEinLauf = true;
    for (std::size_t i = t.erstes; i < ende; ++i)
      if (p.segmente[i].art == SvgSegment::Art::Bogen) nurEinLauf = false;
    for (std::size_t i = t.erstes; i <= ende; ++i) {
      if (i < ende && p.segmente[i].art != SvgSegment::Art::Bogen) continue;
      const bool letzter = i == ende;
      if (i > von || (letzter && t.zu && !nurEinLauf))
        lauf(p, t, von, i, nurEinLauf && t.zu, letzter && t.zu, abb, *strich);
      if (!letzter) bogen(p.segmente[i], abb, *strich);
      von = i + 1;
    }
  }
  return punkte_;
}

void SvgAusgabe::lauf(const SvgPfad& p, const SvgTeilpfad& t, std::size_t von, std::size_t bis, bool geschlossen,
                      bool schlusslinie, const SvgMatrix& abb, const CadEntitaet& vorlage) {
  double x0 = t.x0, y0 = t.y0;
  if (von > t.erstes) x0 = p.segmente[von - 1].x, y0 = p.segmente[von - 1].y;
  const double xe = bis > von ? p.segmente[bis - 1].x : x0, ye = bis > von ? p.segmente[bis - 1].y : y0;
  // The closing line back to the start, where the path does not end there.
  const bool schluss = schlusslinie && (xe != t.x0 || ye != t.y0);
  bool kurve = false;
  for (std::size_t i = von; i < bis; ++i) kurve = kurve || p.segmente[i].art == SvgSegment::Art::Kubisch;
  CadEntitaet e = vorlage;
  e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
  const auto punkt = [&](double x, double y) {
    CadScheitel s;
    s.p = abb.an(x, y);
    m_.scheitel.push_back(s);
  };
  punkt(x0, y0);
  if (!kurve) {
    for (std::size_t i = von; i < bis; ++i) punkt(p.segmente[i].x, p.segmente[i].y);
    if (schluss && !geschlossen) punkt(t.x0, t.y0);
    // A closed polyline does not repeat its first point.
    if (geschlossen && m_.scheitel.size() - e.ersterScheitel > 2 &&
        m_.scheitel.back().p == m_.scheitel[e.ersterScheitel].p)
      m_.scheitel.pop_back();
    e.art = CadArt::Polylinie;
    e.geschlossen = geschlossen;
  } else {
    // Lines as cubics whose control points lie on them.
    double x = x0, y = y0;
    const auto gerade = [&](double zx, double zy) {
      punkt(x + (zx - x) / 3, y + (zy - y) / 3);
      punkt(x + 2 * (zx - x) / 3, y + 2 * (zy - y) / 3);
      punkt(zx, zy);
      x = zx, y = zy;
    };
    for (std::size_t i = von; i < bis; ++i) {
      const SvgSegment& s = p.segmente[i];
      if (s.art == SvgSegment::Art::Kubisch) {
        punkt(s.x1, s.y1);
        punkt(s.x2, s.y2);
        punkt(s.x, s.y);
        x = s.x, y = s.y;
      } else {
        gerade(s.x, s.y);
      }
    }
    if (schluss) gerade(t.x0, t.y0);
    const std::size_t n = m_.scheitel.size() - e.ersterScheitel, spannen = (n - 1) / 3;
    // Clamped knots with every joint threefold: the B-spline is exactly the
    // chain of Bézier pieces.
    e.art = CadArt::Spline;
    e.grad = 3;
    e.ersteZahl = static_cast<std::uint32_t>(m_.zahlen.size());
    m_.zahlen.insert(m_.zahlen.end(), 4, 0.0);
    for (std::size_t k = 1; k < spannen; ++k) m_.zahlen.insert(m_.zahlen.end(), 3, double(k));
    m_.zahlen.insert(m_.zahlen.end(), 4, double(spannen));
    e.zahlAnzahl = e.knotenAnzahl = static_cast<std::uint32_t>(m_.zahlen.size() - e.ersteZahl);
  }
  e.scheitelAnzahl = static_cast<std::uint32_t>(m_.scheitel.size() - e.ersterScheitel);
  punkte_ += e.scheitelAnzahl;
  if (e.scheitelAnzahl < 2 || !endlich(m_.scheitel, e.ersterScheitel)) {
    m_.scheitel.resize(e.ersterScheitel);
    if (e.art == CadArt::Spline) m_.zahlen.resize(e.ersteZahl);
    return;
  }
  m_.entitaeten.push_back(e);
}

void SvgAusgabe::bogen(const SvgSegment& s, const SvgMatrix& abb, const CadEntitaet& vorlage) {
  // The image of the arc is C + U cos t + V sin t; its axes are where that
  // is longest and shortest.
  const CadPunkt c = abb.an(s.cx, s.cy);
  const double co = std::cos(s.phi), si = std::sin(s.phi);
  const CadPunkt u = abb.richtung(s.rx * co, s.rx * si), v = abb.richtung(-s.ry * si, s.ry * co);
  double t0 = 0.5 * std::atan2(2 * (u.x * v.x + u.y * v.y), (u.x * u.x + u.y * u.y) - (v.x * v.x + v.y * v.y));
  const auto achse = [&](double t) {
    return CadPunkt{u.x * std::cos(t) + v.x * std::sin(t), u.y * std::cos(t) + v.y * std::sin(t), 0};
  };
  CadPunkt a = achse(t0), b = achse(t0 + std::numbers::pi / 2);
  if (laenge(b) > laenge(a)) {
    t0 += std::numbers::pi / 2;
    a = achse(t0);
    b = achse(t0 + std::numbers::pi / 2);
  }
  const double la = laenge(a), lb = laenge(b);
  if (!(la > 0) || !(lb > 0) || !std::isfinite(la) || !std::isfinite(c.x) || !std::isfinite(c.y)) return;
  // The model's minor axis is the major one turned left; a mirror runs the
  // parameter backwards.
  const double richtung = (-a.y * b.x + a.x * b.y) >= 0 ? 1 : -1;
  const bool voll = std::abs(s.dt) >= kZweiPi - 1e-9;
  CadEntitaet e = vorlage;
  e.a = c;
  ++punkte_;
  if (voll && lb / la > 1 - 1e-9) {
    e.art = CadArt::Kreis;
    e.radius = la;
    m_.entitaeten.push_back(e);
    return;
  }
  e.art = CadArt::Ellipse;
  e.b = a;
  e.verhaeltnis = std::min(1.0, lb / la);
  if (voll) {
    e.anfang = 0;
    e.ende = kZweiPi;
  } else {
    const double s1 = richtung * (s.t1 - t0), s2 = richtung * (s.t1 + s.dt - t0);
    double anfang = std::min(s1, s2);
    anfang = std::fmod(anfang, kZweiPi);
    if (anfang < 0) anfang += kZweiPi;
    e.anfang = anfang;
    e.ende = anfang + std::abs(s.dt);
  }
  m_.entitaeten.push_back(e);
}

void SvgAusgabe::flaeche(const SvgPfad& p, const SvgMatrix& abb, const CadEntitaet& vorlage) {
  CadEntitaet e = vorlage;
  e.art = CadArt::Schraffurrand;
  e.gefuellt = true;
  e.geschlossen = true;
  e.ersterPfad = static_cast<std::uint32_t>(m_.pfade.size());
  for (const SvgTeilpfad& t : p.teile) {
    CadPfad pfad;
    pfad.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
    pfad.art = 1;
    const auto punkt = [&](const CadPunkt& q) {
      CadScheitel s;
      s.p = abb.an(q.x, q.y);
      m_.scheitel.push_back(s);
    };
    punkt({t.x0, t.y0, 0});
    double x = t.x0, y = t.y0;
    for (std::size_t i = t.erstes; i < t.erstes + t.anzahl; ++i) {
      const SvgSegment& s = p.segmente[i];
      if (s.art == SvgSegment::Art::Kubisch) {
        for (int k = 1; k <= kKubikschritte; ++k) punkt(kubikpunkt(x, y, s, double(k) / kKubikschritte));
      } else if (s.art == SvgSegment::Art::Bogen) {
        const int n = std::clamp(static_cast<int>(std::ceil(std::abs(s.dt) / kBogenschritt)), 1, 72);
        for (int k = 1; k <= n; ++k) punkt(bogenpunkt(s, s.t1 + s.dt * k / n));
      } else {
        punkt({s.x, s.y, 0});
      }
      x = s.x, y = s.y;
    }
    pfad.anzahl = static_cast<std::uint32_t>(m_.scheitel.size() - pfad.ersterScheitel);
    if (pfad.anzahl < 3 || !endlich(m_.scheitel, pfad.ersterScheitel)) {
      m_.scheitel.resize(pfad.ersterScheitel);
      continue;
    }
    punkte_ += pfad.anzahl;
    m_.pfade.push_back(pfad);
  }
  e.pfadAnzahl = static_cast<std::uint32_t>(m_.pfade.size() - e.ersterPfad);
  if (e.pfadAnzahl > 0) m_.entitaeten.push_back(e);
}

}  // namespace quarzel
