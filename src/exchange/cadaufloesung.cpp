// CadAufloesung: walks the entities, resolves their properties, expands
// inserts and dimensions and shows the model space in paper viewports.
#include "exchange/cadaufloesung.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <string_view>
#include <unordered_map>

#include "exchange/cadaufloeser.h"

namespace quarzel {

namespace {

constexpr int kMaxTiefe = 16;
// Of elements, and of expanded inserts: 1000 arrays of 1000 copies of a
// block of 1000 lines (or of none) would otherwise run for hours.
constexpr std::size_t kMaxAnzahl = 50'000'000;

bool gleichOhneFall(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

CadAufloeser::CadAufloeser(const CadModell& modell, const CadAufloeseOptionen& optionen, const CadWeltziel& ziel)
    : m_(modell), optionen_(optionen), ziel_(ziel) {
  std::size_t n = m_.namen.size();
  std::unordered_map<std::string_view, std::uint32_t> index;
  index.reserve(n);
  typArt_.assign(n, 0);
  for (std::uint32_t i = 0; i < n; ++i) {
    std::string_view name = m_.namen[i];
    index.emplace(name, i);
    if (gleichOhneFall(name, "CONTINUOUS")) typArt_[i] = 1;
    if (gleichOhneFall(name, "BYBLOCK")) typArt_[i] = 2;
    if (gleichOhneFall(name, "BYLAYER")) typArt_[i] = 3;
    if (name == "0") layerNull_ = i;
  }
  layerZu_.assign(n, nullptr);
  layerTyp_.assign(n, kKeinIndex);
  for (const CadLayer& l : m_.layer) {
    auto it = index.find(l.name);
    if (it == index.end() || layerZu_[it->second]) continue;
    layerZu_[it->second] = &l;
    // A line type the model never named is unknown to the adapter: continuous.
    auto typ = index.find(l.linientyp);
    if (typ != index.end() && typArt_[typ->second] == 0) layerTyp_[it->second] = typ->second;
  }
  blockZu_.assign(n, -1);
  for (std::size_t b = 0; b < m_.bloecke.size(); ++b) {
    auto it = index.find(m_.bloecke[b].name);
    if (it != index.end() && blockZu_[it->second] < 0) blockZu_[it->second] = static_cast<std::int32_t>(b);
  }
  aktiv_.assign(m_.bloecke.size(), false);
  gewarnt_.assign(m_.bloecke.size(), false);
}

CadKontext CadAufloeser::wurzel() const {
  CadKontext k;
  k.abb = CadAbbildung::aus(k.welt, optionen_.yzTauschen);
  return k;
}

void CadAufloeser::warnen(const std::string& text) {
  if (!ergebnis_.warnung.empty()) ergebnis_.warnung += '\n';
  ergebnis_.warnung += text;
}

bool CadAufloeser::budget(bool einfuegung) {
  if (abgebrochen_) return false;
  std::size_t& zaehler = einfuegung ? einfuegungen_ : elemente_;
  if (++zaehler <= kMaxAnzahl) return true;
  abgebrochen_ = true;
  warnen(einfuegung ? "Die Blöcke der Datei ergeben mehr als 50 Millionen Einfügungen; der Rest wurde nicht importiert."
                    : "Die Datei ergibt mehr als 50 Millionen Elemente; der Rest wurde nicht importiert.");
  return false;
}

std::uint32_t CadAufloeser::farbwert(const CadFarbe& f, std::uint32_t vonBlock, std::uint32_t layer) const {
  switch (f.art) {
    case CadFarbe::Art::Rgb:
      // White (index 7) is drawn black: our paper is white.
      return f.aci == 7 && f.rgb == 0xFFFFFF ? 0 : f.rgb;
    case CadFarbe::Art::VonBlock:
      return vonBlock;
    case CadFarbe::Art::VonLayer: {
      const CadLayer* l = layer < layerZu_.size() ? layerZu_[layer] : nullptr;
      if (l && l->farbe.art == CadFarbe::Art::Rgb) return farbwert(l->farbe, vonBlock, layer);
      return 0;
    }
  }
  return 0;
}

CadEigenschaften CadAufloeser::eigenschaften(const CadEntitaet& e, const CadKontext& k) const {
  CadEigenschaften r;
  r.layer = e.layer == layerNull_ && k.layer != kKeinIndex ? k.layer : e.layer;
  r.rgb = farbwert(e.farbe, k.rgb, r.layer);
  std::uint8_t typArt = e.linientyp < typArt_.size() ? typArt_[e.linientyp] : 0;
  if (e.linientyp == kKeinIndex || typArt == 3)
    r.linientyp = r.layer < layerTyp_.size() ? layerTyp_[r.layer] : kKeinIndex;
  else if (typArt == 2)
    r.linientyp = k.linientyp;
  else if (typArt == 1)
    r.linientyp = kKeinIndex;
  else
    r.linientyp = e.linientyp;
  if (e.linienstaerke == kStaerkeVonLayer) {
    const CadLayer* l = r.layer < layerZu_.size() ? layerZu_[r.layer] : nullptr;
    r.linienstaerke = l && l->linienstaerke >= 0 ? l->linienstaerke : kStaerkeStandard;
  } else if (e.linienstaerke == kStaerkeVonBlock) {
    r.linienstaerke = k.linienstaerke;
  } else {
    r.linienstaerke = e.linienstaerke < 0 ? kStaerkeStandard : e.linienstaerke;
  }
  return r;
}

void CadAufloeser::liste(const CadEntitaetenliste& quelle, const CadKontext& k) {
  for (const CadEntitaet& e : quelle) {
    if (abgebrochen_) return;
    if (!entitaet(e, k)) ++ergebnis_.uebersprungen;
  }
}

// False when the entity gave nothing that it should have given.
bool CadAufloeser::entitaet(const CadEntitaet& e, const CadKontext& k) {
  CadEigenschaften eig = eigenschaften(e, k);
  CadWeltelement w;
  w.layer = eig.layer;
  w.rgb = eig.rgb;
  w.linientyp = eig.linientyp;
  w.linienstaerke = eig.linienstaerke;
  w.eigenerStift = e.eigenerStift;
  w.eigenerStil = e.eigenerStil;
  bool gut = false;
  switch (e.art) {
    case CadArt::Linie:
      gut = linie(e, k, w);
      break;
    case CadArt::Punkt:
      if (!optionen_.punkte) return true;
      gut = punkt(e, k, w);
      break;
    case CadArt::Kreis:
    case CadArt::Bogen:
      gut = bogen(e, k, w);
      break;
    case CadArt::Ellipse:
      gut = ellipse(e, k, w);
      break;
    case CadArt::Polylinie:
      gut = polylinie(e, k, w);
      break;
    case CadArt::Text:
    case CadArt::MText:
      if (e.istAttribut && e.unsichtbar) return true;
      gut = text(e, k, w);
      break;
    case CadArt::Spline:
      gut = spline(e, k, w);
      break;
    case CadArt::Schraffurrand:
      return schraffur(e, k, w);
    case CadArt::Flaeche:
      gut = flaeche(e, k, w);
      break;
    case CadArt::Hinweislinie:
      return hinweislinie(e, k, w);
    case CadArt::Einfuegung:
      return einfuegung(e, k, eig);
    case CadArt::Bemassung:
      // The block is drawn where it stands: its coordinates are the world's.
      return block(e.block, CadAffin3{}, k, eig);
    case CadArt::Ansichtsfenster:
      return ansichtsfenster(e, k);
    case CadArt::Attributdefinition:
      return true;  // the template of an attribute: the insert's ATTRIB shows it
    case CadArt::Unbekannt:
      return false;
  }
  if (gut) ausgeben(w);
  return gut;
}

bool CadAufloeser::einfuegung(const CadEntitaet& e, const CadKontext& k, const CadEigenschaften& eig) {
  if (e.block >= blockZu_.size() || blockZu_[e.block] < 0) return false;
  const CadBlock& b = m_.bloecke[static_cast<std::size_t>(blockZu_[e.block])];
  auto skala = [](double s) { return s == 0 || !std::isfinite(s) ? 1.0 : s; };
  CadAffin3 form = CadAffin3::drehungZ(e.drehung)
                       .nach(CadAffin3::skalierung(skala(e.skalierungX), skala(e.skalierungY), skala(e.skalierungZ)))
                       .nach(CadAffin3::verschiebung(-b.basis.x, -b.basis.y, -b.basis.z));
  CadAffin3 ocs = ocsMatrix(e.extrusion);
  CadAffin3 dreh = CadAffin3::drehungZ(e.drehung);
  int spalten = std::max<int>(1, e.spalten), zeilen = std::max<int>(1, e.zeilen);
  bool gut = true;
  for (int z = 0; z < zeilen; ++z) {
    for (int s = 0; s < spalten; ++s) {
      // The array's steps run along the insert's rotated axes.
      CadPunkt schritt = dreh.richtung({s * e.spaltenabstand, z * e.zeilenabstand, 0});
      CadAffin3 lokal =
          ocs.nach(CadAffin3::verschiebung(e.a.x + schritt.x, e.a.y + schritt.y, e.a.z + schritt.z)).nach(form);
      gut = block(e.block, lokal, k, eig) && gut;
      if (abgebrochen_) return gut;
    }
  }
  return gut;
}

bool CadAufloeser::block(std::uint32_t name, const CadAffin3& lokal, const CadKontext& k, const CadEigenschaften& eig) {
  if (name >= blockZu_.size() || blockZu_[name] < 0) return false;
  auto bi = static_cast<std::size_t>(blockZu_[name]);
  const CadBlock& b = m_.bloecke[bi];
  if (aktiv_[bi]) {
    if (!gewarnt_[bi]) warnen("Der Block \"" + b.name + "\" fügt sich selbst ein; die Einfügung wurde übersprungen.");
    gewarnt_[bi] = true;
    return false;
  }
  if (k.tiefe >= kMaxTiefe) {
    if (!tiefeGewarnt_)
      warnen("Blöcke sind tiefer als 16 Ebenen ineinander eingefügt; die tieferen wurden übersprungen.");
    tiefeGewarnt_ = true;
    return false;
  }
  if (!budget(true)) return false;
  CadKontext kind = k;
  kind.welt = k.welt.nach(lokal);
  kind.abb = CadAbbildung::aus(kind.welt, optionen_.yzTauschen).danach(k.papier, k.papierVersatz);
  kind.layer = eig.layer;
  kind.rgb = eig.rgb;
  kind.linientyp = eig.linientyp;
  kind.linienstaerke = eig.linienstaerke;
  kind.tiefe = k.tiefe + 1;
  aktiv_[bi] = true;
  liste(b.entitaeten, kind);
  aktiv_[bi] = false;
  return true;
}

bool CadAufloeser::ansichtsfenster(const CadEntitaet& e, const CadKontext& k) {
  // Only a sheet's own viewports look into the model; the model has none.
  if (k.imAnsichtsfenster || k.tiefe > 0 || e.typ == 0) return true;
  double s = e.massstab;
  if (!(s > 0) || !std::isfinite(s) || !(e.breite > 0) || !(e.hoehe > 0)) return false;
  CadKontext v = wurzel();
  v.imAnsichtsfenster = true;
  // The view centre goes to the viewport's centre, scaled and turned by the twist.
  double w = e.drehung * std::numbers::pi / 180;
  v.papier = {s * std::cos(w), -s * std::sin(w), s * std::sin(w), s * std::cos(w)};
  CadPunkt2 mitte = k.abb.an(e.a);
  CadPunkt2 blick = v.papier.an(e.b.x, e.b.y);
  v.papierVersatz = {mitte.x - blick.x, mitte.y - blick.y};
  v.abb = v.abb.danach(v.papier, v.papierVersatz);
  bool warKappen = kappen_;
  CadRahmen warRahmen = rahmen_;
  if (!optionen_.cliprahmenIgnorieren) {
    kappen_ = true;
    rahmen_ = {mitte.x - e.breite / 2, mitte.y - e.hoehe / 2, mitte.x + e.breite / 2, mitte.y + e.hoehe / 2};
  }
  liste(m_.entitaeten, v);
  kappen_ = warKappen;
  rahmen_ = warRahmen;
  return true;
}

CadAufloeseErgebnis cadAufloesen(const CadModell& modell, const CadEntitaetenliste& quelle,
                                 const CadAufloeseOptionen& optionen, const CadWeltziel& ziel) {
  CadAufloeser a(modell, optionen, ziel);
  a.liste(quelle, a.wurzel());
  return a.ergebnis();
}

const CadEntitaetenliste& entitaetenDesLayouts(const CadModell& modell, std::string_view layout) {
  // The model space's own block record holds nothing: its entities are the model's.
  if (gleichOhneFall(layout, "Model")) return modell.entitaeten;
  for (const CadLayout& l : modell.layouts) {
    if (l.name != layout || l.block.empty() || gleichOhneFall(l.block, "*Model_Space")) continue;
    if (const CadBlock* b = modell.blockNamens(l.block)) return b->entitaeten;
  }
  return modell.entitaeten;
}

}  // namespace quarzel
