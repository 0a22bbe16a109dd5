#include "exchange/cadelementbau.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "exchange/cadlinientypen.h"
#include "render/bogengeometrie.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr double kGrad = 180 / std::numbers::pi;
// Half the size of an imported point's symbol, sheet millimetres.
constexpr double kPunktmass = 1.0;
// Arcs inside filled outlines become points at most this many degrees apart.
constexpr double kFlaechenschritt = 5.0;

Farbe alsFarbe(std::uint32_t rgb) {
  return quarzel::rgb(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                      static_cast<std::uint8_t>(rgb));
}

bool endlich(const CadPunkt& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// The arc of a bulged segment p → q in file coordinates (y upward).
struct Woelbungsbogen {
  CadPunkt mitte;
  double radius, von, bis;  // degrees, counter-clockwise from von to bis
};

Woelbungsbogen woelbungsbogen(const CadPunkt& p, const CadPunkt& q, double b) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double k = (1 - b * b) / (4 * b);
  Woelbungsbogen w;
  w.mitte = {(p.x + q.x) / 2 - dy * k, (p.y + q.y) / 2 + dx * k, 0};
  w.radius = std::hypot(dx, dy) * (1 + b * b) / (4 * std::fabs(b));
  const double a = std::atan2(p.y - w.mitte.y, p.x - w.mitte.x) * kGrad;
  const double e = std::atan2(q.y - w.mitte.y, q.x - w.mitte.x) * kGrad;
  // A positive bulge turns counter-clockwise from p to q.
  w.von = b > 0 ? a : e;
  w.bis = b > 0 ? e : a;
  if (w.bis <= w.von) w.bis += 360;
  return w;
}

}  // namespace

CadElementbau::CadElementbau(Zeichnung& z, const CadModell& modell, Importlage lage, int punktdarstellung)
    : z_(z), m_(modell), lage_(lage), punktdarstellung_(punktdarstellung) {}

void CadElementbau::beginneBox() {
  box_ = {kGross, kGross, -kGross, -kGross};
}

void CadElementbau::umfasse(Weltpunkt p) {
  box_.x1 = std::min(box_.x1, p.x);
  box_.y1 = std::min(box_.y1, p.y);
  box_.x2 = std::max(box_.x2, p.x);
  box_.y2 = std::max(box_.y2, p.y);
}

void CadElementbau::fertig(std::int32_t n) {
  Elementspeicher& s = z_.speicher;
  if (erstes_ == 0) {
    s.demarkiereAlle();
    s.beginneSchritt();
    erstes_ = n;
  }
  s.vervollstaendige(n);
  ++anzahl_;
}

void CadElementbau::baue(const CadWeltelement& e) {
  Elementspeicher& s = z_.speicher;
  AktuelleAttribute& aktuell = s.aktuell;
  const AktuelleAttribute vorher = aktuell;
  std::int16_t stil = grundstil;
  if (e.linientyp != kKeinIndex && e.linientyp < m_.namen.size()) {
    const std::int16_t ausTabelle = linienstilAusLinientyp(m_.namen[e.linientyp]);
    if (ausTabelle != 0) stil = ausTabelle;
  }
  // Our own export names pen and style exactly.
  if (e.eigenerStil > 0) stil = e.eigenerStil;
  if (e.eigenerStift > 0 && e.eigenerStift <= 255) aktuell.stift = static_cast<std::uint8_t>(e.eigenerStift);
  aktuell.linienstil = stil;
  farbe_ = alsFarbe(e.rgb);
  switch (e.art) {
    case CadWeltelement::Art::Linie:
      if (endlich(e.a) && endlich(e.b)) linie(welt(e.a), welt(e.b));
      break;
    case CadWeltelement::Art::Punkt:
      if (endlich(e.a)) punkt(e);
      break;
    case CadWeltelement::Art::Ellipse:
      ellipse(e);
      break;
    case CadWeltelement::Art::Polylinie:
    case CadWeltelement::Art::Flaeche:
      polylinie(e);
      break;
    case CadWeltelement::Art::Bezier:
      bezier(e);
      break;
    case CadWeltelement::Art::Text:
      text(e);
      break;
  }
  aktuell.stift = vorher.stift;
  aktuell.linienstil = vorher.linienstil;
}

void CadElementbau::linie(Weltpunkt a, Weltpunkt b) {
  const std::int32_t n = z_.speicher.neueLinie(a.x, a.y, b.x, b.y, farbe_);
  umfasse(a);
  umfasse(b);
  fertig(n);
}

void CadElementbau::punkt(const CadWeltelement& e) {
  const Weltpunkt p = welt(e.a);
  const double r = kPunktmass;
  switch (punktdarstellung_ & 7) {
    case 1:  // nothing but the frame, if any
      break;
    case 2:
      linie({p.x - r, p.y}, {p.x + r, p.y});
      linie({p.x, p.y - r}, {p.x, p.y + r});
      break;
    case 3:
      linie({p.x - r, p.y - r}, {p.x + r, p.y + r});
      linie({p.x - r, p.y + r}, {p.x + r, p.y - r});
      break;
    case 4:
      linie(p, {p.x, p.y - r});
      break;
    default:
      linie(p, p);
      break;
  }
  if (punktdarstellung_ & 32) {
    tbogendaten d;
    d.xm = p.x;
    d.ym = p.y;
    d.xr = d.yr = r;
    d.farbe = farbe_;
    umfasse({p.x - r, p.y - r});
    umfasse({p.x + r, p.y + r});
    fertig(z_.speicher.neuerBogen(d));
  }
  if (punktdarstellung_ & 64) {
    const Weltpunkt ecke[4] = {{p.x - r, p.y - r}, {p.x + r, p.y - r}, {p.x + r, p.y + r}, {p.x - r, p.y + r}};
    for (int i = 0; i < 4; ++i) linie(ecke[i], ecke[(i + 1) % 4]);
  }
}

void CadElementbau::ellipse(const CadWeltelement& e) {
  if (!endlich(e.a) || !std::isfinite(e.rx) || !std::isfinite(e.ry) || e.rx <= 0 || e.ry <= 0) return;
  tbogendaten d;
  const Weltpunkt m = welt(e.a);
  d.xm = m.x;
  d.ym = m.y;
  d.xr = e.rx * lage_.f;
  d.yr = e.ry * lage_.f;
  const bool voll = e.ende - e.anfang >= 360 || (e.anfang == 0 && e.ende == 360);
  d.startwinkel = voll ? 0.0f : static_cast<float>(e.anfang);
  d.endwinkel = voll ? 360.0f : static_cast<float>(e.ende);
  d.drehwinkel = static_cast<float>(e.drehung);
  d.farbe = farbe_;
  const std::int32_t n = z_.speicher.neuerBogen(d);
  if (const auto b = ellipsenbogen(d)) {
    const Weltrechteck r = b->umgebung();
    umfasse({r.x1, r.y1});
    umfasse({r.x2, r.y2});
  }
  fertig(n);
}

// Straight runs become polygons, bulged segments arcs; a filled outline
// becomes one filled polygon with its arcs as points.
void CadElementbau::polylinie(const CadWeltelement& e) {
  const auto& p = e.punkte;
  const bool gefuellt = e.art == CadWeltelement::Art::Flaeche;
  const bool geschlossen = e.geschlossen || gefuellt;
  std::size_t n = p.size();
  // A closed run that repeats its first vertex closes only once.
  if (geschlossen && n > 2 && p[n - 1].p.x == p[0].p.x && p[n - 1].p.y == p[0].p.y) --n;
  if (n == 0) return;
  const std::size_t segmente = geschlossen ? n : n - 1;
  Punktpuffer& puffer = z_.speicher.punkte;
  puffer.leere();
  auto fuege = [&](double x, double y) {
    const Weltpunkt w = welt(x, y);
    puffer.fuegeHinzu(w.x, w.y);
  };
  bool gewoelbt = false;
  for (std::size_t i = 0; i < segmente; ++i)
    if (p[i].woelbung != 0 && std::isfinite(p[i].woelbung)) gewoelbt = true;
  if (!endlich(p[0].p)) return;
  fuege(p[0].p.x, p[0].p.y);
  for (std::size_t i = 0; i < segmente; ++i) {
    const CadPunkt& a = p[i].p;
    const CadPunkt& b = p[(i + 1) % n].p;
    if (!endlich(b)) return;
    const double w = p[i].woelbung;
    if (w != 0 && std::isfinite(w) && (a.x != b.x || a.y != b.y)) {
      if (gefuellt) {
        const Woelbungsbogen bogen = woelbungsbogen(a, b, w);
        const int schritte = std::max(2, static_cast<int>(std::ceil((bogen.bis - bogen.von) / kFlaechenschritt)));
        for (int k = 1; k < schritte; ++k) {
          const double t = (w > 0 ? bogen.von + (bogen.bis - bogen.von) * k / schritte
                                  : bogen.bis - (bogen.bis - bogen.von) * k / schritte) /
                           kGrad;
          fuege(bogen.mitte.x + bogen.radius * std::cos(t), bogen.mitte.y + bogen.radius * std::sin(t));
        }
        fuege(b.x, b.y);
        continue;
      }
      polygon(false, false);
      bogenAusWoelbung(a, b, w);
      puffer.leere();
      fuege(b.x, b.y);
      continue;
    }
    fuege(b.x, b.y);
  }
  // A closed run without arcs is one closed polygon, its first point repeated.
  if (geschlossen && !gewoelbt && !gefuellt) {
    polygon(true, false);
  } else {
    polygon(false, gefuellt);
  }
  puffer.leere();
}

void CadElementbau::polygon(bool geschlossen, bool gefuellt) {
  Punktpuffer& puffer = z_.speicher.punkte;
  if (geschlossen && puffer.anzahl() >= 2 &&
      (puffer.x.front() != puffer.x.back() || puffer.y.front() != puffer.y.back()))
    puffer.fuegeHinzu(puffer.x.front(), puffer.y.front());
  if (puffer.anzahl() < 2) return;
  for (std::size_t i = 0; i < puffer.anzahl(); ++i) umfasse({puffer.x[i], puffer.y[i]});
  Tpolygondaten d;
  d.farbe = farbe_;
  if (gefuellt) {
    d.fuellung.gefuellt = 1;
    d.fuellung.fuellflag = 0;
    d.fuellung.fuellwert = farbe_;
  }
  fertig(z_.speicher.neuesPolygon(Elementart::Polygon, d));
}

void CadElementbau::bogenAusWoelbung(const CadPunkt& p, const CadPunkt& q, double woelbung) {
  const Woelbungsbogen w = woelbungsbogen(p, q, woelbung);
  if (!std::isfinite(w.radius) || w.radius <= 0) return;
  CadWeltelement e;
  e.a = w.mitte;
  e.rx = e.ry = w.radius;
  e.anfang = w.von;
  e.ende = w.bis;
  ellipse(e);
}

void CadElementbau::bezier(const CadWeltelement& e) {
  const auto& p = e.punkte;
  for (std::size_t i = 0; i + 3 < p.size(); i += 3) {
    Tbezierdaten d;
    for (int k = 0; k < 4; ++k) {
      if (!endlich(p[i + k].p)) return;
      const Weltpunkt w = welt(p[i + k].p);
      d.punkte[2 * k] = w.x;
      d.punkte[2 * k + 1] = w.y;
      umfasse(w);
    }
    d.farbe = farbe_;
    fertig(z_.speicher.neueBezierkurve(d));
  }
}

void CadElementbau::text(const CadWeltelement& e) {
  if (e.text.empty() || !std::isfinite(e.hoehe) || e.hoehe <= 0) return;
  Tfliestextdaten d;
  std::string_view rest = e.text;
  while (d.zeilen.size() < 256) {
    const std::size_t ende = rest.find('\n');
    d.zeilen.emplace_back(rest.substr(0, ende));
    if (ende == std::string_view::npos) break;
    rest.remove_prefix(ende + 1);
  }
  d.formate.assign(d.zeilen.size(), std::string());
  const double h = e.hoehe * lage_.f;
  d.hoehe = static_cast<float>(h);
  d.winkel = static_cast<float>(e.drehung);
  d.farbe = farbe_;
  // Horizontal: left, centre, right, aligned, middle, fit; aligned and fit
  // start at the first point, the others hang on the second.
  const int waag = e.ausrichtungH;
  const bool zweiterPunkt = (waag != 0 && waag != 3 && waag != 5) || e.ausrichtungV != 0;
  const Weltpunkt anker = welt(zweiterPunkt ? e.b : e.a);
  if (!std::isfinite(anker.x) || !std::isfinite(anker.y)) return;
  d.stil[3] = waag == 1 || waag == 4 ? 1 : waag == 2 ? 2 : 0;
  // Vertical: baseline, bottom, middle, top. Ours hangs a text on its first
  // baseline or its upper edge; the middle moves the upper edge half a height up.
  const int senk = waag == 4 ? 2 : e.ausrichtungV;
  d.stil[4] = senk <= 1 ? 1 : 0;
  double ax = anker.x, ay = anker.y;
  if (senk == 2) {
    const double a = e.drehung / kGrad;
    ax -= std::sin(a) * h / 2;
    ay -= std::cos(a) * h / 2;
  }
  d.x = ax;
  d.y = ay;
  umfasse({ax, ay});
  fertig(z_.speicher.neuerText(Elementart::Text, std::move(d)));
}

}  // namespace quarzel
