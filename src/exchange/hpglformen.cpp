// HpglLeser: arcs, circles, rectangles, wedges and the polygon buffer.
// Arcs stay exact (bulged vertices) while x and y units are equal; under
// unequal scaling they are sampled by the chord angle of CT.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "exchange/hpglleserkern.h"

namespace quarzel {

namespace {

constexpr double kBogen = std::numbers::pi / 180;

CadScheitel scheitel(HpglPunkt p) {
  return CadScheitel{{p.x, p.y, 0}, 0, 0, 0};
}

}  // namespace

// The arc from `start` about `mitte` by `grad` degrees (counter-clockwise in
// user units), in plotter units: the start and every further vertex.
std::vector<CadScheitel> HpglLeser::bogenzug(HpglPunkt mitte, HpglPunkt start, double grad) const {
  grad = std::clamp(grad, -360.0, 360.0);
  std::vector<CadScheitel> zug{scheitel(start)};
  if (grad == 0 || !std::isfinite(grad)) return zug;
  if (winkeltreu()) {
    const double richtung = fx_ * fy_ < 0 ? -grad : grad;
    const int teile = std::abs(richtung) > 180 ? 2 : 1;
    const double r = std::hypot(start.x - mitte.x, start.y - mitte.y);
    const double a0 = std::atan2(start.y - mitte.y, start.x - mitte.x);
    for (int i = 1; i <= teile; ++i) {
      zug.back().woelbung = std::tan(richtung / teile * kBogen / 4);
      const double a = a0 + richtung * kBogen * i / teile;
      zug.push_back(scheitel({mitte.x + r * std::cos(a), mitte.y + r * std::sin(a)}));
    }
    return zug;
  }
  const HpglPunkt c = benutzer(mitte), s = benutzer(start);
  const double r = std::hypot(s.x - c.x, s.y - c.y), a0 = std::atan2(s.y - c.y, s.x - c.x);
  const int teile = std::max(1, static_cast<int>(std::ceil(std::abs(grad) / sehnenwinkel_)));
  for (int i = 1; i <= teile; ++i) {
    const double a = a0 + grad * kBogen * i / teile;
    zug.push_back(scheitel(plotter({c.x + r * std::cos(a), c.y + r * std::sin(a)})));
  }
  return zug;
}

void HpglLeser::bogenPunkte(HpglPunkt mitte, double grad, bool unten) {
  const std::vector<CadScheitel> zug = bogenzug(mitte, pos_, grad);
  if (!unten) return geheZu({zug.back().p.x, zug.back().p.y}, false);
  for (std::size_t i = 1; i < zug.size(); ++i) {
    geheZu({zug[i].p.x, zug[i].p.y}, true);
    std::vector<CadScheitel>& liste = polygon_ ? polygonpfade_.back() : linie_;
    if (liste.size() >= 2) liste[liste.size() - 2].woelbung = zug[i - 1].woelbung;
  }
}

void HpglLeser::bogen(bool relativ) {
  double x = 0, y = 0, grad = 0;
  if (!zahl(x) || !zahl(y) || !zahl(grad)) return;
  HpglPunkt mitte = plotter({x, y});
  if (relativ) {
    const HpglPunkt s = schritt({x, y});
    mitte = {pos_.x + s.x, pos_.y + s.y};
  }
  bogenPunkte(mitte, grad, unten_);
  platz();
}

void HpglLeser::kreis() {
  double r = 0;
  if (!zahl(r) || r == 0) return;
  const HpglPunkt s = schritt({std::abs(r), 0});
  std::vector<CadScheitel> zug = bogenzug(pos_, {pos_.x + s.x, pos_.y + s.y}, 360);
  zug.pop_back();  // the start again
  if (polygon_ || !winkeltreu()) return form(std::move(zug), false);
  abschliessen();
  if (stift_ == 0) return;
  CadEntitaet e = entitaet(CadArt::Kreis);
  e.a = modell(pos_);
  e.radius = std::abs(s.x) * 0.025;
  m_.entitaeten.push_back(e);
}

// EA/ER outline, RA/RR fill the rectangle from the pen to the given corner.
void HpglLeser::rechteck(bool relativ, bool gefuellt) {
  double x = 0, y = 0;
  if (!zahl(x) || !zahl(y)) return;
  HpglPunkt c = plotter({x, y});
  if (relativ) {
    const HpglPunkt s = schritt({x, y});
    c = {pos_.x + s.x, pos_.y + s.y};
  }
  form({scheitel(pos_), scheitel({c.x, pos_.y}), scheitel(c), scheitel({pos_.x, c.y})}, gefuellt);
}

// EW/WG radius, start angle, sweep: a pie slice about the pen.
void HpglLeser::keil(bool gefuellt) {
  double r = 0, anfang = 0, grad = 0;
  if (!zahl(r) || !zahl(anfang) || !zahl(grad) || r == 0) return;
  const HpglPunkt c = benutzer(pos_);
  const double a = anfang * kBogen;
  const HpglPunkt start = plotter({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  std::vector<CadScheitel> zug = bogenzug(pos_, start, grad);
  if (std::abs(grad) >= 360)
    zug.pop_back();
  else
    zug.insert(zug.begin(), scheitel(pos_));
  form(std::move(zug), gefuellt);
}

// A closed shape: in polygon mode one more subpolygon, else drawn at once.
void HpglLeser::form(std::vector<CadScheitel> pfad, bool gefuellt) {
  if (polygon_) {
    polygonpunkte_ += pfad.size() + 1;
    if (!polygonpfade_.empty() && polygonpfade_.back().size() <= 1) polygonpfade_.pop_back();
    polygonpfade_.push_back(std::move(pfad));
    polygonpfade_.push_back({scheitel(pos_)});
  } else {
    pfadAusgeben({std::move(pfad)}, gefuellt);
  }
  platz();
}

// PM0 opens the buffer at the pen, PM1 closes a subpolygon, PM2 the buffer.
void HpglLeser::polygonmodus() {
  double n = 0;
  if (!zahl(n)) n = 0;
  if (n == 0) {
    abschliessen();
    polygon_ = true;
    polygonpfade_.assign(1, {scheitel(pos_)});
    polygonpunkte_ = 1;
  } else if (polygon_ && !polygonpfade_.empty() && polygonpfade_.back().size() > 1) {
    polygonpfade_.push_back({scheitel(pos_)});
  }
  if (n == 2) polygon_ = false;
}

void HpglLeser::polygonAusgeben(bool gefuellt) {
  if (polygon_) return;  // only a closed buffer is drawn
  pfadAusgeben(polygonpfade_, gefuellt);
}

void HpglLeser::pfadAusgeben(const std::vector<std::vector<CadScheitel>>& pfade, bool gefuellt) {
  abschliessen();
  if (stift_ == 0) return;
  CadEntitaet e = entitaet(gefuellt ? CadArt::Schraffurrand : CadArt::Polylinie);
  e.geschlossen = true;
  e.gefuellt = gefuellt;
  e.ersterPfad = static_cast<std::uint32_t>(m_.pfade.size());
  for (const std::vector<CadScheitel>& pfad : pfade) {
    if (pfad.size() < 2) continue;
    const auto erster = static_cast<std::uint32_t>(m_.scheitel.size());
    for (CadScheitel s : pfad) {
      s.p = modell({s.p.x, s.p.y});
      m_.scheitel.push_back(s);
    }
    const auto anzahl = static_cast<std::uint32_t>(pfad.size());
    if (gefuellt) {
      m_.pfade.push_back({erster, anzahl, 1});
      ++e.pfadAnzahl;
    } else {
      e.ersterScheitel = erster;
      e.scheitelAnzahl = anzahl;
      m_.entitaeten.push_back(e);
    }
  }
  if (gefuellt && e.pfadAnzahl > 0) m_.entitaeten.push_back(e);
}

}  // namespace quarzel
