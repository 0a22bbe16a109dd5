// CgmInterpreter: delimiters, descriptors, control and attribute elements.
#include "exchange/cgminterpreter.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

// Colour indices beyond this are folded onto the table's last entry.
constexpr std::uint32_t kMaxFarbindex = 65535;

std::vector<std::uint32_t> grundtabelle() {
  return {0xFFFFFF, 0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};
}

}  // namespace

CgmInterpreter::CgmInterpreter(CadModell& m, std::size_t groesse) : m_(m), groesse_(groesse) {
  m_.einheiten = 4;
  z_.farbtabelle = grundtabelle();
  vorgabe_ = z_;
}

bool CgmInterpreter::element(int klasse, int id, CgmParameter& p) {
  // A text left open ends at the next primitive that does not append to it.
  if (offenerText_ && klasse == 4 && id != 6) textAusgeben();
  switch (klasse) {
    case 0:
      if (id == 2) return false;  // END METAFILE
      if (id == 3) bildBeginnen();
      if (id == 5 && offenerText_) textAusgeben();
      break;
    case 1:
      beschreibung(id, p);
      break;
    case 2:
      bildbeschreibung(id, p);
      break;
    case 3:
      steuerung(id, p);
      break;
    case 4:
      grundelement(id, p);
      break;
    case 5:
      attribut(id, p);
      break;
    default:
      break;
  }
  return true;
}

void CgmInterpreter::bildBeginnen() {
  ++bilder_;
  z_ = vorgabe_;
  const std::string name = "Bild " + std::to_string(bilder_);
  CadLayer l;
  l.name = name;
  m_.layer.push_back(l);
  layer_ = m_.name(name);
}

void CgmInterpreter::beschreibung(int id, CgmParameter& p) {
  switch (id) {
    case 1:
      m_.version = "CGM " + std::to_string(p.ganz());
      break;
    case 3:
      g_.vdcReell = p.aufzaehlung({"integer", "real"}) == 1;
      break;
    case 4:
      if (p.binaer()) g_.ganz = static_cast<int>(p.ganz());
      break;
    case 5:
      if (p.binaer()) {
        g_.reellFest = p.aufzaehlung({}) == 1;
        const long long a = p.ganz(), b = p.ganz();
        g_.reellBits = a + b > 32 ? 64 : 32;
      }
      break;
    case 6:
      if (p.binaer()) g_.index = static_cast<int>(p.ganz());
      break;
    case 7:
      if (p.binaer()) {
        g_.farbe = static_cast<int>(p.ganz());
        const double max = g_.farbe >= 1 && g_.farbe <= 32 ? std::ldexp(1.0, g_.farbe) - 1 : 255;
        for (double& w : z_.farbMax) w = max;
      } else {
        const double max = static_cast<double>(p.ganz());
        if (max > 0) std::fill(std::begin(z_.farbMax), std::end(z_.farbMax), max);
      }
      vorgabe_ = z_;
      break;
    case 8:
      if (p.binaer()) g_.farbindex = static_cast<int>(p.ganz());
      break;
    case 10: {
      const CgmFarbwert a = p.farbe(true), b = p.farbe(true);
      z_.farbMin[0] = a.r, z_.farbMin[1] = a.g, z_.farbMin[2] = a.b;
      z_.farbMax[0] = b.r, z_.farbMax[1] = b.g, z_.farbMax[2] = b.b;
      vorgabe_ = z_;
      break;
    }
    default:
      break;
  }
}

void CgmInterpreter::bildbeschreibung(int id, CgmParameter& p) {
  switch (id) {
    case 1:
      z_.skalierung = p.aufzaehlung({"abstract", "metric"});
      z_.faktor = p.mehr() ? p.skalierungsfaktor() : 1;
      if (!(z_.faktor > 0) || !std::isfinite(z_.faktor)) z_.faktor = 1;
      break;
    case 2:
      z_.direkt = p.aufzaehlung({"indexed", "direct"}) == 1;
      break;
    case 3:
      z_.breitenmodus = p.aufzaehlung({"abs", "scaled", "fractional", "mm"});
      break;
    case 5:
      z_.kantenmodus = p.aufzaehlung({"abs", "scaled", "fractional", "mm"});
      break;
    case 6: {
      const CadPunkt a{p.vdc(), p.vdc()}, b{p.vdc(), p.vdc()};
      if (!p.fehler() && a.x != b.x && a.y != b.y && std::isfinite(a.x + a.y + b.x + b.y)) {
        z_.x1 = a.x, z_.y1 = a.y, z_.x2 = b.x, z_.y2 = b.y;
      }
      break;
    }
    default:
      break;
  }
}

void CgmInterpreter::steuerung(int id, CgmParameter& p) {
  if (!p.binaer()) return;
  if (id == 1) g_.vdcGanz = static_cast<int>(p.ganz());
  if (id == 2) {
    g_.vdcReellFest = p.aufzaehlung({}) == 1;
    const long long a = p.ganz(), b = p.ganz();
    g_.vdcReellBits = a + b > 32 ? 64 : 32;
  }
}

void CgmInterpreter::attribut(int id, CgmParameter& p) {
  switch (id) {
    case 2:
      z_.linie.typ = static_cast<int>(p.index());
      break;
    case 3:
      z_.linie.breite = breite(z_.breitenmodus, z_.breitenmodus == 0 ? p.vdc() : p.reell());
      break;
    case 4:
      z_.linie.farbe = p.farbe(z_.direkt);
      break;
    case 14:
      z_.textfarbe = p.farbe(z_.direkt);
      break;
    case 15:
      z_.zeichenhoehe = std::abs(p.vdc());
      break;
    case 16:
      z_.obenX = p.vdc(), z_.obenY = p.vdc(), z_.basisX = p.vdc(), z_.basisY = p.vdc();
      break;
    case 18:
      z_.ausrichtungH = p.aufzaehlung({"normhoriz", "left", "ctr", "right", "conthoriz"});
      z_.ausrichtungV = p.aufzaehlung({"normvert", "top", "cap", "half", "base", "bottom", "contvert"});
      break;
    case 22:
      z_.innen = p.aufzaehlung({"hollow", "solid", "pat", "hatch", "empty", "geopat", "interp"});
      break;
    case 23:
      z_.fuellfarbe = p.farbe(z_.direkt);
      break;
    case 27:
      z_.kante.typ = static_cast<int>(p.index());
      break;
    case 28:
      z_.kante.breite = breite(z_.kantenmodus, z_.kantenmodus == 0 ? p.vdc() : p.reell());
      break;
    case 29:
      z_.kante.farbe = p.farbe(z_.direkt);
      break;
    case 30:
      z_.kanteSichtbar = p.aufzaehlung({"off", "on"}) == 1;
      break;
    case 34: {
      const CgmFarbwert start = p.farbe(false);
      std::uint32_t i = std::min(start.index, kMaxFarbindex);
      while (p.mehr() && !p.fehler() && i <= kMaxFarbindex) {
        const std::uint32_t wert = rgb(p.farbe(true));
        if (z_.farbtabelle.size() <= i) z_.farbtabelle.resize(i + 1, 0);
        z_.farbtabelle[i++] = wert;
      }
      break;
    }
    default:
      break;
  }
}

std::uint32_t CgmInterpreter::rgb(const CgmFarbwert& f) const {
  if (!f.direkt) {
    if (z_.farbtabelle.empty()) return 0;
    return z_.farbtabelle[std::min<std::size_t>(f.index, z_.farbtabelle.size() - 1)];
  }
  const double werte[3] = {f.r, f.g, f.b};
  std::uint32_t ergebnis = 0;
  for (int k = 0; k < 3; ++k) {
    const double spanne = z_.farbMax[k] - z_.farbMin[k];
    double t = spanne != 0 ? (werte[k] - z_.farbMin[k]) / spanne : 0;
    if (!(t >= 0)) t = 0;
    if (t > 1) t = 1;
    ergebnis = (ergebnis << 8) | static_cast<std::uint32_t>(std::lround(t * 255));
  }
  return ergebnis;
}

std::uint32_t CgmInterpreter::linientyp(int typ) {
  switch (typ) {
    case 2:
      return m_.name("psDash");
    case 3:
      return m_.name("psDot");
    case 4:
    case 5:
      return m_.name("psDashDot");
    default:
      return m_.name("psSolid");
  }
}

void CgmInterpreter::hinzu(const CadEntitaet& e) {
  if (layer_ == kKeinIndex) bildBeginnen();
  CadEntitaet k = e;
  k.layer = layer_;
  m_.entitaeten.push_back(k);
}

void CgmInterpreter::abschliessen() {
  if (offenerText_) textAusgeben();
  if (bilder_ != 1) return;
  // One picture needs no layer of its own name.
  const std::uint32_t null = m_.name("0");
  m_.layer.front().name = "0";
  CadEntitaetenliste neu;
  neu.reserve(m_.entitaeten.size());
  for (CadEntitaet e : m_.entitaeten) {
    e.layer = null;
    neu.push_back(e);
  }
  m_.entitaeten = std::move(neu);
}

}  // namespace quarzel
