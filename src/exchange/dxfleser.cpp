// DxfLeser: sections, tables, blocks and layouts of a DXF file, and which
// entity is which.
#include "exchange/dxfleser.h"

#include <algorithm>

#include "exchange/dxfleserkern.h"

namespace quarzel {

DxfErgebnis DxfLeserKern::abschnitte() {
  bool weiter = vor();
  while (weiter) {
    if (p_.code == 0 && p_.text == "SECTION") {
      if (!vor()) break;
      std::string_view name = p_.text;
      if (name == "HEADER") {
        kopf();
      } else if (name == "TABLES") {
        tabellen();
      } else if (name == "BLOCKS") {
        bloecke();
      } else if (name == "ENTITIES") {
        imModellraum_ = true;
        // Growing a vector of millions of records step by step would copy
        // them and fault in twice the memory; room for a generous estimate
        // costs nothing for the pages never written.
        m_.entitaeten.reserve(std::min<std::size_t>(token_.rest() / kBytesJeEntitaet, kHoechstVorab));
        entitaeten(kModellraum, "ENDSEC");
        imModellraum_ = false;
      } else if (name == "OBJECTS") {
        objekte();
      } else {
        bisAbschnittsende();
      }
      weiter = !ende_;
    } else if (p_.code == 0 && p_.text == "EOF") {
      if (!token_.warnung().empty()) return {false, token_.warnung()};
      return {true, {}};
    } else {
      weiter = vor();
    }
  }
  if (!token_.fehler().empty()) return {false, token_.fehler()};
  // A file cut off between two pairs is as damaged as one cut inside a pair.
  return {false, "Die DXF-Datei endet unerwartet ohne ihr Ende (EOF)."};
}

void DxfLeserKern::bisAbschnittsende() {
  while (vor())
    if (p_.code == 0 && p_.text == "ENDSEC") return;
}

void DxfLeserKern::kopf() {
  while (vor()) {
    if (p_.code == 0 && p_.text == "ENDSEC") break;
    if (p_.code != 9) continue;
    std::string_view variable = p_.text;
    if (!vor()) break;
    if (variable == "$ACADVER") {
      m_.version = std::string(p_.text);
    } else if (variable == "$DWGCODEPAGE") {
      m_.codepage = std::string(p_.text);
    } else if (variable == "$INSUNITS") {
      m_.einheiten = ganz();
    }
  }
  // R2007 (AC1021) and later store UTF-8 whatever the code page says.
  kodierung_ = m_.version >= "AC1021" ? DxfKodierung::Utf8 : dxfKodierung(m_.codepage);
}

void DxfLeserKern::tabellen() {
  vor();
  while (!ende_) {
    if (p_.code == 0 && p_.text == "ENDSEC") return;
    if (p_.code == 0 && p_.text == "LAYER") {
      layer();
    } else if (p_.code == 0 && p_.text == "LTYPE") {
      linientyp();
    } else if (p_.code == 0 && p_.text == "BLOCK_RECORD") {
      blockeintrag();
    } else {
      vor();
    }
  }
}

void DxfLeserKern::layer() {
  CadLayer l;
  while (vor() && p_.code != 0) {
    switch (p_.code) {
      case 2:
        l.name = text();
        break;
      case 6:
        l.linientyp = text();
        break;
      case 62: {
        int aci = ganz();
        l.aus = aci < 0;
        l.farbe = farbeAusAci(aci < 0 ? -aci : aci);
        break;
      }
      case 420:
        l.farbe = {CadFarbe::Art::Rgb, static_cast<std::uint32_t>(ganz()) & 0xFFFFFF, l.farbe.aci};
        break;
      case 70:
        l.gefroren = (ganz() & 1) != 0;
        break;
      case 370:
        l.linienstaerke = kurz();
        break;
      default:
        break;
    }
  }
  m_.layer.push_back(std::move(l));
}

void DxfLeserKern::linientyp() {
  CadLinientyp t;
  while (vor() && p_.code != 0) {
    switch (p_.code) {
      case 2:
        t.name = text();
        break;
      case 3:
        t.beschreibung = text();
        break;
      case 40:
        t.gesamtlaenge = zahl();
        break;
      case 49:
        t.elemente.push_back(zahl());
        break;
      default:
        break;
    }
  }
  m_.linientypen.push_back(std::move(t));
}

// The block records name the blocks the layouts point to by handle.
void DxfLeserKern::blockeintrag() {
  std::string_view handle;
  std::string name;
  while (vor() && p_.code != 0) {
    if (p_.code == 5)
      handle = p_.text;
    else if (p_.code == 2)
      name = text();
  }
  if (!handle.empty()) blocknamen_[std::string(handle)] = std::move(name);
}

void DxfLeserKern::objekte() {
  vor();
  while (!ende_) {
    if (p_.code == 0 && p_.text == "ENDSEC") return;
    if (p_.code == 0 && p_.text == "LAYOUT")
      layout();
    else
      vor();
  }
}

void DxfLeserKern::layout() {
  CadLayout l;
  bool eigenerTeil = false;  // the owner (330) before "AcDbLayout" is the dictionary
  while (vor() && p_.code != 0) {
    if (p_.code == 100) {
      eigenerTeil = p_.text == "AcDbLayout";
    } else if (eigenerTeil && p_.code == 1) {
      l.name = text();
    } else if (eigenerTeil && p_.code == 71) {
      l.reihenfolge = ganz();
    } else if (eigenerTeil && p_.code == 330) {
      auto it = blocknamen_.find(std::string(p_.text));
      l.block = it == blocknamen_.end() ? std::string() : it->second;
    }
  }
  if (gleichOhneGross(l.block, "*Model_Space")) l.block.clear();
  if (m_.layouts.size() < kHoechsteLayouts) m_.layouts.push_back(std::move(l));
}

// Files without layout objects (R12) have the model and, when something is
// drawn on paper, one sheet.
void DxfLeserKern::layoutsErgaenzen() {
  // The objects come in the order they were created; the user sees tabs.
  std::stable_sort(m_.layouts.begin(), m_.layouts.end(),
                   [](const CadLayout& a, const CadLayout& b) { return a.reihenfolge < b.reihenfolge; });
  if (!m_.layouts.empty() || papierblock_ == kKeinIndex) return;
  m_.layouts.push_back({"Model", "", 0});
  m_.layouts.push_back({"Layout1", m_.bloecke[papierblock_].name, 1});
}

void DxfLeserKern::bloecke() {
  vor();
  while (!ende_) {
    if (p_.code == 0 && p_.text == "ENDSEC") return;
    if (p_.code == 0 && p_.text == "BLOCK") {
      CadBlock b;
      while (vor() && p_.code != 0) {
        if (p_.code == 2)
          b.name = text();
        else if (p_.code == 10)
          b.basis.x = zahl();
        else if (p_.code == 20)
          b.basis.y = zahl();
        else if (p_.code == 30)
          b.basis.z = zahl();
      }
      m_.bloecke.push_back(std::move(b));
      entitaeten(m_.bloecke.size() - 1, "ENDBLK");
    } else {
      vor();
    }
  }
}

// The block of the first sheet, which holds the paper-space entities of
// the ENTITIES section.
std::size_t DxfLeserKern::papierraum() {
  if (papierblock_ != kKeinIndex) return papierblock_;
  for (std::size_t i = 0; i < m_.bloecke.size(); ++i) {
    // "$PAPER_SPACE" in some R12 files.
    std::string_view name = m_.bloecke[i].name;
    if (name.size() > 1 && gleichOhneGross(name.substr(1), "Paper_Space")) {
      papierblock_ = static_cast<std::uint32_t>(i);
      return i;
    }
  }
  m_.bloecke.push_back({"*Paper_Space", {}, {}});
  papierblock_ = static_cast<std::uint32_t>(m_.bloecke.size() - 1);
  return papierblock_;
}

// Entities up to the pair 0/`schluss`, which is consumed.
void DxfLeserKern::entitaeten(std::size_t ziel, std::string_view schluss) {
  if (p_.code != 0) vor();
  while (!ende_) {
    if (p_.code != 0) {
      vor();
      continue;
    }
    std::string_view art = p_.text;
    if (art == schluss || art == "ENDSEC") {
      if (art != "ENDSEC") vor();
      if (art == "ENDSEC" && schluss == "ENDSEC") vor();
      return;
    }
    entitaet(ziel, art);
  }
}

// Reads the pairs every entity may have; false for a pair the entity itself must read.
bool DxfLeserKern::gemeinsam(CadEntitaet& e) {
  switch (p_.code) {
    case 8:
      e.layer = layerName();
      return true;
    case 6: {
      std::string n = text();
      e.linientyp = gleichOhneGross(n, "BYLAYER") ? kKeinIndex : m_.name(n);
      return true;
    }
    case 62:
      e.farbe = farbeAusAci(ganz());
      return true;
    case 420:
      e.farbe = {CadFarbe::Art::Rgb, static_cast<std::uint32_t>(ganz()) & 0xFFFFFF, e.farbe.aci};
      return true;
    case 370:
      e.linienstaerke = kurz();
      return true;
    case 67:
      papier_ = ganz() == 1;
      return true;
    case 210:
    case 220:
    case 230:
      punkt(p_.code, 210, e.extrusion, zahl());
      return true;
    case 1001:
      xdaten_ = p_.text == "QUARZEL" ? 0 : -1;
      return true;
    case 1070:
      if (xdaten_ == 0)
        e.eigenerStift = kurz();
      else if (xdaten_ == 1)
        e.eigenerStil = kurz();
      if (xdaten_ >= 0) ++xdaten_;
      return true;
    default:
      return p_.code >= 1000;
  }
}

CadArt DxfLeserKern::artNamens(std::string_view art) {
  struct Eintrag {
    std::string_view name;
    CadArt art;
  };
  static constexpr Eintrag kArten[] = {
      {"LINE", CadArt::Linie},
      {"POINT", CadArt::Punkt},
      {"CIRCLE", CadArt::Kreis},
      {"ARC", CadArt::Bogen},
      {"ELLIPSE", CadArt::Ellipse},
      {"LWPOLYLINE", CadArt::Polylinie},
      {"POLYLINE", CadArt::Polylinie},
      {"SPLINE", CadArt::Spline},
      {"TEXT", CadArt::Text},
      {"ATTRIB", CadArt::Text},
      {"ATTDEF", CadArt::Attributdefinition},
      {"MTEXT", CadArt::MText},
      {"INSERT", CadArt::Einfuegung},
      {"SOLID", CadArt::Flaeche},
      {"TRACE", CadArt::Flaeche},
      {"3DFACE", CadArt::Flaeche},
      {"HATCH", CadArt::Schraffurrand},
      {"DIMENSION", CadArt::Bemassung},
      {"LEADER", CadArt::Hinweislinie},
      {"VIEWPORT", CadArt::Ansichtsfenster},
  };
  for (const Eintrag& e : kArten)
    if (e.name == art) return e.art;
  return CadArt::Unbekannt;
}

void DxfLeserKern::entitaet(std::size_t ziel, std::string_view art) {
  const std::size_t schaedenVorher = token_.wiederaufsetzungen();
  CadEntitaet e;
  e.layer = layerNull_;
  e.art = artNamens(art);
  papier_ = false;
  xdaten_ = -1;
  if (art == "SEQEND") {
    attributeFolgen_ = false;
    return ueberspringen();
  }
  if (e.art == CadArt::Unbekannt) {
    ++m_.unbekannt[std::string(art)];
    return ueberspringen();
  }
  const bool attribut = art == "ATTRIB";
  if (!attribut) attributeFolgen_ = false;
  if (e.art == CadArt::Schraffurrand) {
    schraffur(e);
  } else {
    eigenschaften(e, art);
  }
  // An attribute stays with its insert, wherever that went.
  std::size_t wohin = attribut && attributeFolgen_ ? attributZiel_ : papier_ && imModellraum_ ? papierraum() : ziel;
  if (e.art == CadArt::Ansichtsfenster && fensterId_ == 1) return;  // the sheet itself, not a view onto the model
  // Damage inside the entity: its values are not to be trusted.
  if (!token_.fehler().empty() || token_.wiederaufsetzungen() != schaedenVorher) return;
  liste(wohin).push_back(e);
  if (e.art == CadArt::Einfuegung && einfuegungMitAttributen_) {
    attributeFolgen_ = true;
    attributZiel_ = wohin;
  }
}

DxfErgebnis dxfLesen(std::string_view daten, CadModell& modell, std::function<void(std::size_t gelesen)> gelesen) {
  DxfLeserKern kern(daten, modell);
  kern.meldeGelesen(std::move(gelesen));
  return kern.lesen();
}

}  // namespace quarzel
