// HpglLeser: the instructions, the pens and the transformation from user
// units through plotter units to millimetres.
#include "exchange/hpglleser.h"

#include <algorithm>
#include <cmath>

#include "exchange/dxfzuordnung.h"
#include "exchange/hpglleserkern.h"

namespace quarzel {

namespace {

constexpr double kMillimeterJePlottereinheit = 0.025;

// The palette after IN: white, black, red, green, yellow, blue, magenta, cyan;
// further pens repeat the colours.
constexpr std::uint32_t kStandardfarben[] = {0xFFFFFF, 0x000000, 0xFF0000, 0x00FF00,
                                             0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF};

std::uint32_t standardfarbe(int stift) {
  return stift <= 0 ? kStandardfarben[0] : kStandardfarben[(stift - 1) % 7 + 1];
}

int stiftnummer(double w) {
  return static_cast<int>(std::clamp(w, 0.0, 255.0));
}

}  // namespace

CadLeseergebnis hpglLesen(std::string_view daten, CadModell& m) {
  return HpglLeser(daten, m).lesen();
}

HpglLeser::HpglLeser(std::string_view daten, CadModell& m) : d_(daten), m_(m) {
  // Every instruction byte may yield a few vertices (arcs are sampled under
  // unequal scaling): beyond that the file is hostile.
  grenze_ = 64 * daten.size() + 4096;
}

CadLeseergebnis HpglLeser::lesen() {
  m_.einheiten = 4;
  initialisiere(true);
  char a = 0, b = 0;
  while (ergebnis_.ok && naechsteAnweisung(a, b)) anweisung(a, b);
  abschliessen();
  if (ergebnis_.ok && anweisungen_ == 0) {
    ergebnis_.ok = false;
    ergebnis_.fehler = "Die Datei enthält keine HPGL-Anweisungen.";
  }
  return ergebnis_;
}

void HpglLeser::anweisung(char a, char b) {
  const int k = a * 256 + b;
  auto ist = [k](const char* n) { return k == n[0] * 256 + n[1]; };
  ++anweisungen_;
  if (ist("PE")) return kodiertePolylinie();
  if (ist("LB")) return beschriftung();
  if (ist("IN") || ist("DF")) {
    abschliessen();
    initialisiere(ist("IN"));
  } else if (ist("PA") || ist("PR")) {
    bewegung(ist("PA"), -1);
  } else if (ist("PU") || ist("PD")) {
    bewegung(absolut_, ist("PD") ? 1 : 0);
  } else if (ist("SP")) {
    double w = 0;
    stiftWaehlen(zahl(w) ? static_cast<int>(w) : 0);
  } else if (ist("PW")) {
    breite();
  } else if (ist("WU")) {
    double w = 0;
    breiteRelativ_ = zahl(w) && w == 1;
  } else if (ist("PC")) {
    farbe();
  } else if (ist("NP")) {
    abschliessen();
    for (int i = 0; i < static_cast<int>(stifte_.size()); ++i) stifte_[i] = {standardfarbe(i), -1, stifte_[i].breite};
  } else if (ist("CR")) {
    std::array<double, 6> w{0, 255, 0, 255, 0, 255};
    for (double& x : w)
      if (!zahl(x)) break;
    farbbereich_ = w;
  } else if (ist("LT")) {
    linientyp();
  } else if (ist("SC")) {
    skalierung();
  } else if (ist("IP") || ist("IR")) {
    eingabepunkte(ist("IR"));
  } else if (ist("PS")) {
    double l = 0, w = 0;
    if (zahl(l) && l > 0) {
      rahmen_ = {l, zahl(w) && w > 0 ? w : l};
      p1_ = {0, 0};
      p2_ = rahmen_;
      skalierungRechnen();
    }
  } else if (ist("RO")) {
    drehung();
  } else if (ist("CI")) {
    kreis();
  } else if (ist("AA") || ist("AR")) {
    bogen(ist("AR"));
  } else if (ist("CT")) {
    double w = 5;
    if (zahl(w) && w > 0) sehnenwinkel_ = std::clamp(w, 0.5, 180.0);
  } else if (ist("EA") || ist("RA") || ist("ER") || ist("RR")) {
    rechteck(b == 'R', a == 'R');
  } else if (ist("EW") || ist("WG")) {
    keil(a == 'W');
  } else if (ist("PM")) {
    polygonmodus();
  } else if (ist("EP") || ist("FP")) {
    polygonAusgeben(a == 'F');
  } else if (ist("DT")) {
    return terminator();
  } else if (ist("SI") || ist("SR")) {
    schriftgroesse(ist("SR"));
  } else if (ist("DI") || ist("DR")) {
    richtung(ist("DR"));
  } else if (ist("WD") || ist("BL")) {
    // Text for the front panel or a buffer: not drawn, read like a label.
    const std::size_t t = d_.find(terminator_, p_);
    p_ = t == std::string_view::npos ? d_.size() : t + 1;
    return;
  } else if (ist("SM")) {
    if (p_ < d_.size() && d_[p_] != ';') ++p_;  // the symbol character
  } else {
    --anweisungen_;
  }
  ende();
}

void HpglLeser::initialisiere(bool ganz) {
  if (ganz) {
    for (int i = 0; i < static_cast<int>(stifte_.size()); ++i) stifte_[i] = {standardfarbe(i), -1, 0.35};
    pos_ = {};
    unten_ = false;
    rahmen_ = {10000, 7500};
    p1_ = {0, 0};
    p2_ = rahmen_;
    drehung_ = 0;
    breiteRelativ_ = false;
    farbbereich_ = {0, 255, 0, 255, 0, 255};
  }
  absolut_ = true;
  skaliert_ = false;
  scAnzahl_ = 0;
  fx_ = fy_ = 1;
  ox_ = oy_ = 0;
  linientyp_ = "psSolid";
  sehnenwinkel_ = 5;
  terminator_ = '\x03';
  terminatorDrucken_ = false;
  groesseRelativ_ = false;
  zeichenbreite_ = 0.285;
  zeichenhoehe_ = 0.375;
  richtungDx_ = 1;
  richtungDy_ = 0;
  richtungRelativ_ = false;
  polygon_ = false;
  polygonpfade_.clear();
  polygonpunkte_ = 0;
}

void HpglLeser::bewegung(bool absolut, int stift) {
  absolut_ = absolut;
  if (stift == 0) abschliessen();
  if (stift >= 0) unten_ = stift == 1;
  double x = 0, y = 0;
  while (zahl(x) && zahl(y)) {
    HpglPunkt ziel;
    if (absolut_) {
      ziel = plotter({x, y});
    } else {
      const HpglPunkt s = schritt({x, y});
      ziel = {pos_.x + s.x, pos_.y + s.y};
    }
    geheZu(ziel, unten_);
    if (!platz()) return;
  }
}

// A move with the pen up or down; down, it extends the polyline being drawn
// or the polygon buffer's current subpolygon.
void HpglLeser::geheZu(HpglPunkt ziel, bool unten) {
  if (!std::isfinite(ziel.x) || !std::isfinite(ziel.y)) return;
  unten_ = unten;
  if (polygon_) {
    if (polygonpfade_.empty()) polygonpfade_.push_back({CadScheitel{{pos_.x, pos_.y, 0}, 0, 0, 0}});
    if (!unten) {
      if (polygonpfade_.back().size() > 1) polygonpfade_.emplace_back();
      polygonpfade_.back().assign(1, CadScheitel{{ziel.x, ziel.y, 0}, 0, 0, 0});
    } else {
      polygonpfade_.back().push_back(CadScheitel{{ziel.x, ziel.y, 0}, 0, 0, 0});
    }
    ++polygonpunkte_;
  } else if (unten) {
    if (linie_.empty()) linie_.push_back(CadScheitel{{pos_.x, pos_.y, 0}, 0, 0, 0});
    linie_.push_back(CadScheitel{{ziel.x, ziel.y, 0}, 0, 0, 0});
  } else {
    abschliessen();
  }
  pos_ = ziel;
}

void HpglLeser::stiftWaehlen(int n) {
  abschliessen();
  stift_ = std::clamp(n, 0, 255);
}

void HpglLeser::breite() {
  double w = 0, s = 0;
  if (!zahl(w) || w < 0) w = breiteRelativ_ ? 0.1 : 0.35;
  if (breiteRelativ_) w = w / 100 * std::hypot(p2_.x - p1_.x, p2_.y - p1_.y) * kMillimeterJePlottereinheit;
  w = std::min(w, 300.0);
  abschliessen();
  if (zahl(s))
    stifte_[static_cast<std::size_t>(stiftnummer(s))].breite = w;
  else
    for (HpglStift& st : stifte_) st.breite = w;
}

void HpglLeser::farbe() {
  abschliessen();
  double n = 0;
  if (!zahl(n)) {
    for (int i = 0; i < static_cast<int>(stifte_.size()); ++i) stifte_[i] = {standardfarbe(i), -1, stifte_[i].breite};
    return;
  }
  HpglStift& s = stifte_[static_cast<std::size_t>(stiftnummer(n))];
  double k[3] = {};
  if (!zahl(k[0]) || !zahl(k[1]) || !zahl(k[2])) {
    s.rgb = standardfarbe(stiftnummer(n));
  } else {
    std::uint32_t rgb = 0;
    for (int i = 0; i < 3; ++i) {
      const double von = farbbereich_[2 * i], bis = farbbereich_[2 * i + 1];
      const double anteil = bis != von ? (k[i] - von) / (bis - von) : 0;
      rgb = rgb << 8 | static_cast<std::uint32_t>(std::lround(std::clamp(anteil, 0.0, 1.0) * 255));
    }
    s.rgb = rgb;
  }
  s.aci = -1;
}

// Our line styles know solid, dashed, dotted and dash-dotted lines: the
// plotter's patterns go to the nearest of them.
void HpglLeser::linientyp() {
  abschliessen();
  double n = 0;
  if (!zahl(n)) {
    linientyp_ = "psSolid";
    return;
  }
  const int art = static_cast<int>(std::abs(n));
  if (art == 99) return;  // back to the pattern before LT;, which stays ours
  linientyp_ = art <= 1 ? "psDot" : art <= 3 ? "psDash" : art <= 8 ? "psDashDot" : "psSolid";
}

void HpglLeser::skalierung() {
  scAnzahl_ = 0;
  double w = 0;
  while (scAnzahl_ < static_cast<int>(sc_.size()) && zahl(w)) sc_[static_cast<std::size_t>(scAnzahl_++)] = w;
  skalierungRechnen();
}

// SC xmin,xmax,ymin,ymax[,type[,left,bottom]]: type 0 fills P1..P2, type 1
// keeps x and y units equal and places the picture by the two percentages,
// type 2 gives the factors directly.
void HpglLeser::skalierungRechnen() {
  skaliert_ = false;
  fx_ = fy_ = 1;
  ox_ = oy_ = 0;
  if (scAnzahl_ < 4) return;
  const int typ = scAnzahl_ >= 5 ? static_cast<int>(sc_[4]) : 0;
  const double x0 = sc_[0], y0 = sc_[2];
  double fx = 0, fy = 0, rx = 0, ry = 0;
  if (typ == 2) {
    fx = sc_[1];
    fy = sc_[3];
  } else {
    if (sc_[1] == x0 || sc_[3] == y0) return;
    fx = (p2_.x - p1_.x) / (sc_[1] - x0);
    fy = (p2_.y - p1_.y) / (sc_[3] - y0);
    if (typ == 1) {
      const double f = std::min(std::abs(fx), std::abs(fy));
      const double links = scAnzahl_ >= 6 ? sc_[5] : 50, unten = scAnzahl_ >= 7 ? sc_[6] : 50;
      fx = std::copysign(f, fx);
      fy = std::copysign(f, fy);
      rx = (p2_.x - p1_.x - fx * (sc_[1] - x0)) * links / 100;
      ry = (p2_.y - p1_.y - fy * (sc_[3] - y0)) * unten / 100;
    }
  }
  if (fx == 0 || fy == 0 || !std::isfinite(fx) || !std::isfinite(fy)) return;
  skaliert_ = true;
  fx_ = fx;
  fy_ = fy;
  ox_ = p1_.x + rx - x0 * fx;
  oy_ = p1_.y + ry - y0 * fy;
}

void HpglLeser::eingabepunkte(bool relativ) {
  double w[4] = {};
  int n = 0;
  while (n < 4 && zahl(w[n])) ++n;
  if (relativ)
    for (int i = 0; i < n; ++i) w[i] = w[i] / 100 * (i % 2 == 0 ? rahmen_.x : rahmen_.y);
  if (n < 2) {
    p1_ = {0, 0};
    p2_ = rahmen_;
  } else {
    const HpglPunkt abstand{p2_.x - p1_.x, p2_.y - p1_.y};
    p1_ = {w[0], w[1]};
    p2_ = n >= 4 ? HpglPunkt{w[2], w[3]} : HpglPunkt{w[0] + abstand.x, w[1] + abstand.y};
  }
  skalierungRechnen();
}

void HpglLeser::drehung() {
  double w = 0;
  if (!zahl(w)) w = 0;
  abschliessen();
  drehung_ = ((static_cast<int>(std::lround(w / 90)) % 4 + 4) % 4) * 90;
}

HpglPunkt HpglLeser::plotter(HpglPunkt u) const {
  return {ox_ + fx_ * u.x, oy_ + fy_ * u.y};
}

HpglPunkt HpglLeser::schritt(HpglPunkt d) const {
  return {fx_ * d.x, fy_ * d.y};
}

HpglPunkt HpglLeser::benutzer(HpglPunkt p) const {
  return {(p.x - ox_) / fx_, (p.y - oy_) / fy_};
}

bool HpglLeser::winkeltreu() const {
  return std::abs(std::abs(fx_) - std::abs(fy_)) <= 1e-9 * std::abs(fx_);
}

CadPunkt HpglLeser::modell(HpglPunkt p) const {
  const double k = kMillimeterJePlottereinheit;
  switch (drehung_) {
    case 90:
      return {-p.y * k, p.x * k, 0};
    case 180:
      return {-p.x * k, -p.y * k, 0};
    case 270:
      return {p.y * k, -p.x * k, 0};
    default:
      return {p.x * k, p.y * k, 0};
  }
}

CadEntitaet HpglLeser::entitaet(CadArt art) {
  HpglStift& s = stifte_[static_cast<std::size_t>(stift_)];
  if (s.aci < 0) s.aci = naechsteAci(s.rgb);
  CadEntitaet e;
  e.art = art;
  const std::string layer = "Stift " + std::to_string(stift_);
  e.layer = m_.name(layer);
  if (!layerAngelegt_[static_cast<std::size_t>(stift_)]) {
    layerAngelegt_[static_cast<std::size_t>(stift_)] = true;
    CadLayer l;
    l.name = layer;
    l.farbe = {CadFarbe::Art::Rgb, s.rgb, static_cast<std::int16_t>(s.aci)};
    l.linientyp = "CONTINUOUS";
    l.linienstaerke = static_cast<std::int16_t>(std::lround(s.breite * 100));
    m_.layer.push_back(l);
  }
  e.farbe = {CadFarbe::Art::Rgb, s.rgb, static_cast<std::int16_t>(s.aci)};
  e.linientyp = m_.name(linientyp_);
  e.linienstaerke = static_cast<std::int16_t>(std::lround(s.breite * 100));
  e.eigenerStift = static_cast<std::int16_t>(stift_);
  return e;
}

void HpglLeser::abschliessen() {
  if (linie_.size() >= 2 && stift_ != 0) {
    const bool gerade = linie_.size() == 2 && linie_[0].woelbung == 0;
    CadEntitaet e = entitaet(gerade ? CadArt::Linie : CadArt::Polylinie);
    if (gerade) {
      e.a = modell({linie_[0].p.x, linie_[0].p.y});
      e.b = modell({linie_[1].p.x, linie_[1].p.y});
    } else {
      e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
      e.scheitelAnzahl = static_cast<std::uint32_t>(linie_.size());
      for (CadScheitel s : linie_) {
        s.p = modell({s.p.x, s.p.y});
        m_.scheitel.push_back(s);
      }
    }
    m_.entitaeten.push_back(e);
  }
  linie_.clear();
}

bool HpglLeser::platz() {
  if (m_.scheitel.size() + m_.entitaeten.size() + linie_.size() + polygonpunkte_ <= grenze_) return true;
  if (ergebnis_.ok) {
    ergebnis_.ok = false;
    ergebnis_.fehler = "Die Datei erzeugt weit mehr Punkte, als sie Daten enthält; der Rest wird nicht gelesen.";
  }
  linie_.clear();
  polygonpfade_.clear();
  return false;
}

}  // namespace quarzel
