// DxfLeser: sections, tables, entities and layouts of a DXF file.
#include "exchange/dxfleser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <unordered_map>

#include "exchange/dxfkurven.h"
#include "exchange/dxftoken.h"

namespace quarzel {

namespace {

// Elliptic arcs and spline edges of hatch boundaries are cut into chords no
// farther than this from the curve (drawing units, millimetres as a rule).
constexpr double kSehnenfehler = 0.01;
// How many sampled vertices a file may cause: this many plus one for every
// four bytes of the file.
constexpr std::int64_t kAbtastungSockel = 4'000'000;

bool gleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
         });
}

class Leser {
 public:
  Leser(std::string_view daten, CadModell& modell)
      : token_(daten),
        m_(modell),
        layerNull_(m_.name("0")),
        abtastungRest_(kAbtastungSockel + static_cast<std::int64_t>(daten.size() / 4)) {}

  DxfErgebnis lesen() {
    DxfErgebnis ergebnis = abschnitte();
    layoutsErgaenzen();
    return ergebnis;
  }

 private:
  DxfErgebnis abschnitte() {
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
          entitaeten(kModellraum, "ENDSEC");
          imModellraum_ = false;
        } else if (name == "OBJECTS") {
          objekte();
        } else {
          bisAbschnittsende();
        }
        weiter = !ende_;
      } else if (p_.code == 0 && p_.text == "EOF") {
        return {true, {}};
      } else {
        weiter = vor();
      }
    }
    if (!token_.fehler().empty()) return {false, token_.fehler()};
    // A file cut off between two pairs is as damaged as one cut inside a pair.
    return {false, "Die DXF-Datei endet unerwartet ohne ihr Ende (EOF)."};
  }

  bool vor() {
    if (!token_.naechstes(p_)) {
      ende_ = true;
      p_ = {};
      p_.code = -1;
      return false;
    }
    return true;
  }
  bool istNull() const { return p_.code == 0 || ende_; }
  double zahl() { return token_.zahl(p_); }
  // Clamped, so that a huge value cannot overflow where it is negated or narrowed.
  int ganz() { return static_cast<int>(std::clamp<std::int64_t>(token_.ganzzahl(p_), -32768, 32767 * 65536)); }
  std::int16_t kurz() { return static_cast<std::int16_t>(std::clamp(ganz(), -32768, 32767)); }
  std::string text() { return dxfText(p_.text, kodierung_); }
  std::uint32_t neuerText(std::string t) {
    m_.texte.push_back(std::move(t));
    return static_cast<std::uint32_t>(m_.texte.size() - 1);
  }

  // Runs of entities on one layer are the rule; the last name's raw bytes
  // spare decoding and looking it up again.
  std::uint32_t layerName() {
    if (letzterLayer_ == kKeinIndex || p_.text != letzterLayerRoh_) {
      letzterLayerRoh_ = p_.text;
      letzterLayer_ = m_.name(text());
    }
    return letzterLayer_;
  }

  void bisAbschnittsende() {
    while (vor())
      if (p_.code == 0 && p_.text == "ENDSEC") return;
  }

  void kopf() {
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

  void tabellen() {
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

  void layer() {
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

  void linientyp() {
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
  void blockeintrag() {
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

  void objekte() {
    vor();
    while (!ende_) {
      if (p_.code == 0 && p_.text == "ENDSEC") return;
      if (p_.code == 0 && p_.text == "LAYOUT")
        layout();
      else
        vor();
    }
  }

  void layout() {
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
  void layoutsErgaenzen() {
    if (!m_.layouts.empty() || papierblock_ == kKeinIndex) return;
    m_.layouts.push_back({"Model", "", 0});
    m_.layouts.push_back({"Layout1", m_.bloecke[papierblock_].name, 1});
  }

  void bloecke() {
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

  // The entity list of a block, or of the model space.
  static constexpr std::size_t kModellraum = static_cast<std::size_t>(-1);
  static constexpr std::size_t kHoechsteLayouts = 4096;
  std::vector<CadEntitaet>& liste(std::size_t ziel) {
    return ziel == kModellraum ? m_.entitaeten : m_.bloecke[ziel].entitaeten;
  }

  // The block of the first sheet, which holds the paper-space entities of
  // the ENTITIES section.
  std::size_t papierraum() {
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
  void entitaeten(std::size_t ziel, std::string_view schluss) {
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
  bool gemeinsam(CadEntitaet& e) {
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

  static bool punkt(int code, int basis, CadPunkt& pt, double wert) {
    if (code == basis)
      pt.x = wert;
    else if (code == basis + 10)
      pt.y = wert;
    else if (code == basis + 20)
      pt.z = wert;
    else
      return false;
    return true;
  }
  static bool istKoordinate(int code) { return code >= 10 && code <= 59; }

  static CadArt artNamens(std::string_view art) {
    struct Eintrag {
      std::string_view name;
      CadArt art;
    };
    static constexpr Eintrag kArten[] = {
        {"LINE", CadArt::Linie},          {"POINT", CadArt::Punkt},          {"CIRCLE", CadArt::Kreis},
        {"ARC", CadArt::Bogen},           {"ELLIPSE", CadArt::Ellipse},      {"LWPOLYLINE", CadArt::Polylinie},
        {"POLYLINE", CadArt::Polylinie},  {"SPLINE", CadArt::Spline},        {"TEXT", CadArt::Text},
        {"ATTRIB", CadArt::Text},         {"ATTDEF", CadArt::Attributdefinition},
        {"MTEXT", CadArt::MText},         {"INSERT", CadArt::Einfuegung},    {"SOLID", CadArt::Flaeche},
        {"TRACE", CadArt::Flaeche},       {"3DFACE", CadArt::Flaeche},       {"HATCH", CadArt::Schraffurrand},
        {"DIMENSION", CadArt::Bemassung}, {"LEADER", CadArt::Hinweislinie},  {"VIEWPORT", CadArt::Ansichtsfenster},
    };
    for (const Eintrag& e : kArten)
      if (e.name == art) return e.art;
    return CadArt::Unbekannt;
  }

  void ueberspringen() {
    vor();
    while (!istNull()) vor();
  }

  void entitaet(std::size_t ziel, std::string_view art) {
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
    liste(wohin).push_back(e);
    if (e.art == CadArt::Einfuegung && einfuegungMitAttributen_) {
      attributeFolgen_ = true;
      attributZiel_ = wohin;
    }
  }

  void eigenschaften(CadEntitaet& e, std::string_view art) {
    const bool lw = art == "LWPOLYLINE";
    const bool alt = art == "POLYLINE";
    const bool attribut = art == "ATTRIB" || art == "ATTDEF";
    e.istAttribut = art == "ATTRIB";
    double breite = 0;
    std::string mtext;
    bool mtextRichtung = false;
    einfuegungMitAttributen_ = false;
    fensterId_ = 0;
    double ansichtshoehe = 0;
    ecken_ = 0;
    for (CadPunkt& p : ecke_) p = {};
    knoten_.clear();
    gewichte_.clear();
    pole_.clear();
    fitpunkte_.clear();
    e.pfeil = e.art == CadArt::Hinweislinie;  // a leader without code 71 has its arrowhead
    if (lw || e.art == CadArt::Hinweislinie) e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
    while (vor() && p_.code != 0) {
      if (gemeinsam(e)) continue;
      int c = p_.code;
      double w = istKoordinate(c) ? zahl() : 0;
      switch (e.art) {
        case CadArt::Linie:
          punkt(c, 10, e.a, w) || punkt(c, 11, e.b, w);
          break;
        case CadArt::Punkt:
          punkt(c, 10, e.a, w);
          break;
        case CadArt::Kreis:
        case CadArt::Bogen:
          if (!punkt(c, 10, e.a, w)) {
            if (c == 40)
              e.radius = w;
            else if (c == 50)
              e.anfang = w;
            else if (c == 51)
              e.ende = w;
          }
          break;
        case CadArt::Ellipse:
          if (!punkt(c, 10, e.a, w) && !punkt(c, 11, e.b, w)) {
            if (c == 40)
              e.verhaeltnis = w;
            else if (c == 41)
              e.anfang = w;
            else if (c == 42)
              e.ende = w;
          }
          break;
        case CadArt::Polylinie:
          polylinie(e, c, w, lw, breite);
          break;
        case CadArt::Spline:
          spline(e, c, w);
          break;
        case CadArt::Text:
        case CadArt::Attributdefinition:
          if (c == 1) {
            e.text = neuerText(textKlartext(text()));
          } else if (attribut && c == 2) {
            e.kennung = m_.name(text());
          } else if (attribut && c == 3) {
            e.aufforderung = neuerText(textKlartext(text()));
          } else if (attribut && c == 70) {
            e.unsichtbar = (ganz() & 1) != 0;
          } else if (!punkt(c, 10, e.a, w) && !punkt(c, 11, e.b, w)) {
            if (c == 40)
              e.hoehe = w;
            else if (c == 41)
              e.breitenfaktor = w;
            else if (c == 50)
              e.drehung = w;
            else if (c == 72)
              e.ausrichtungH = kurz();
            else if (c == (attribut ? 74 : 73))  // 73 is an attribute's field length
              e.ausrichtungV = kurz();
          }
          break;
        case CadArt::MText:
          if (c == 1 || c == 3) {
            mtext += p_.text;
          } else if (c >= 11 && c <= 31 && c % 10 == 1) {
            punkt(c, 11, e.b, w);
            mtextRichtung = true;
          } else if (!punkt(c, 10, e.a, w)) {
            if (c == 40)
              e.hoehe = w;
            else if (c == 41)
              e.breite = w;
            else if (c == 50)
              e.drehung = w;
            else if (c == 71) {
              int anhang = std::clamp(ganz(), 1, 9) - 1;
              e.ausrichtungH = static_cast<std::int16_t>(anhang % 3);
              e.ausrichtungV = static_cast<std::int16_t>(3 - anhang / 3);
            }
          }
          break;
        case CadArt::Einfuegung:
          if (c == 2) {
            e.block = m_.name(text());
          } else if (c == 66) {
            einfuegungMitAttributen_ = ganz() != 0;
          } else if (!punkt(c, 10, e.a, w)) {
            if (c == 41)
              e.skalierungX = w;
            else if (c == 42)
              e.skalierungY = w;
            else if (c == 43)
              e.skalierungZ = w;
            else if (c == 44)
              e.spaltenabstand = w;
            else if (c == 45)
              e.zeilenabstand = w;
            else if (c == 50)
              e.drehung = w;
            else if (c == 70)
              e.spalten = kurz();
            else if (c == 71)
              e.zeilen = kurz();
          }
          break;
        case CadArt::Flaeche:
          if (c >= 10 && c <= 33 && c % 10 <= 3) {
            int ecke = c % 10;
            punkt(c, 10 + ecke, ecke_[ecke], w);
            ecken_ |= 1 << ecke;
          }
          break;
        case CadArt::Bemassung:
          if (c == 2)
            e.block = m_.name(text());
          else if (c == 1)
            e.text = neuerText(mtextKlartext(text()));
          else if (c == 70)
            e.typ = kurz();
          else
            punkt(c, 10, e.a, w) || punkt(c, 13, e.b, w) || punkt(c, 14, e.c, w);
          break;
        case CadArt::Hinweislinie:
          if (c == 71) {
            e.pfeil = ganz() != 0;
          } else if (c == 10) {
            m_.scheitel.push_back({});
            m_.scheitel.back().p.x = w;
            ++e.scheitelAnzahl;
          } else if ((c == 20 || c == 30) && e.scheitelAnzahl > 0) {
            (c == 20 ? m_.scheitel.back().p.y : m_.scheitel.back().p.z) = w;
          }
          break;
        case CadArt::Ansichtsfenster:
          if (c == 68)
            e.typ = kurz();
          else if (c == 69)
            fensterId_ = ganz();
          else if (c == 40)
            e.breite = w;
          else if (c == 41)
            e.hoehe = w;
          else if (c == 45)
            ansichtshoehe = w;
          else if (c == 51)
            e.drehung = w;
          else
            punkt(c, 10, e.a, w) || punkt(c, 12, e.b, w);
          break;
        default:
          break;
      }
    }
    if (alt) scheitelLesen(e);
    if (e.art == CadArt::Spline) splineAblegen(e);
    if (e.art == CadArt::Flaeche) eckenAblegen(e, art);
    if (e.art == CadArt::MText) {
      e.text = neuerText(mtextKlartext(dxfText(mtext, kodierung_)));
      if (mtextRichtung && (e.b.x != 0 || e.b.y != 0)) {
        e.drehung = std::atan2(e.b.y, e.b.x) * 180 / std::numbers::pi;
      } else {
        double bogen = e.drehung * std::numbers::pi / 180;
        e.b = {std::cos(bogen), std::sin(bogen), 0};
      }
      double laenge = std::hypot(e.b.x, e.b.y, e.b.z);
      e.b = {e.b.x / laenge, e.b.y / laenge, e.b.z / laenge};
    }
    if (e.art == CadArt::Ansichtsfenster) e.massstab = ansichtshoehe > 0 ? e.hoehe / ansichtshoehe : 1;
  }

  void polylinie(CadEntitaet& e, int c, double w, bool lw, double& breite) {
    if (c == 70) {
      int f = ganz();
      e.geschlossen = (f & 1) != 0;
      e.dreiD = (f & 8) != 0;
    } else if (lw) {
      if (c == 10) {
        m_.scheitel.push_back({});
        m_.scheitel.back().p.x = w;
        m_.scheitel.back().breiteAnfang = m_.scheitel.back().breiteEnde = breite;
        ++e.scheitelAnzahl;
      } else if (c == 43) {
        breite = w;
      } else if (e.scheitelAnzahl > 0) {
        CadScheitel& s = m_.scheitel.back();
        if (c == 20)
          s.p.y = w;
        else if (c == 40)
          s.breiteAnfang = w;
        else if (c == 41)
          s.breiteEnde = w;
        else if (c == 42)
          s.woelbung = w;
      }
      if (c == 38) e.a.z = w;  // the elevation of all vertices
    } else if (c == 40) {
      e.b.x = w;  // default widths until the vertices give their own
    } else if (c == 41) {
      e.b.y = w;
    }
  }

  void spline(CadEntitaet& e, int c, double w) {
    switch (c) {
      case 70: {
        int f = ganz();
        e.geschlossen = (f & 1) != 0;
        e.periodisch = (f & 2) != 0;
        e.rational = (f & 4) != 0;
        break;
      }
      case 71:
        e.grad = kurz();
        break;
      case 40:
        knoten_.push_back(w);
        break;
      case 41:
        gewichte_.push_back(w);
        break;
      case 10:
        pole_.push_back({w, 0, 0});
        break;
      case 11:
        fitpunkte_.push_back({w, 0, 0});
        break;
      default:
        if (!pole_.empty() && (c == 20 || c == 30))
          (c == 20 ? pole_.back().y : pole_.back().z) = w;
        else if (!fitpunkte_.empty() && (c == 21 || c == 31))
          (c == 21 ? fitpunkte_.back().y : fitpunkte_.back().z) = w;
        break;
    }
  }

  void splineAblegen(CadEntitaet& e) {
    auto anhaengen = [&](const std::vector<CadPunkt>& punkte, std::uint32_t& erster, std::uint32_t& anzahl) {
      erster = static_cast<std::uint32_t>(m_.scheitel.size());
      anzahl = static_cast<std::uint32_t>(punkte.size());
      for (const CadPunkt& p : punkte) m_.scheitel.push_back({p, 0, 0, 0});
    };
    anhaengen(pole_, e.ersterScheitel, e.scheitelAnzahl);
    anhaengen(fitpunkte_, e.ersterFitpunkt, e.fitpunktAnzahl);
    if (gewichte_.size() != pole_.size()) gewichte_.clear();
    e.ersteZahl = static_cast<std::uint32_t>(m_.zahlen.size());
    e.knotenAnzahl = static_cast<std::uint32_t>(knoten_.size());
    e.zahlAnzahl = static_cast<std::uint32_t>(knoten_.size() + gewichte_.size());
    m_.zahlen.insert(m_.zahlen.end(), knoten_.begin(), knoten_.end());
    m_.zahlen.insert(m_.zahlen.end(), gewichte_.begin(), gewichte_.end());
  }

  // Solids and traces give their corners in the order 1, 2, 4, 3 of the
  // outline; a fourth corner equal to the third (or missing) makes a triangle.
  void eckenAblegen(CadEntitaet& e, std::string_view art) {
    const bool zickzack = art != "3DFACE";
    const int reihenfolge[4] = {0, 1, zickzack ? 3 : 2, zickzack ? 2 : 3};
    const bool vier = (ecken_ & 8) != 0 && (ecke_[3].x != ecke_[2].x || ecke_[3].y != ecke_[2].y ||
                                            ecke_[3].z != ecke_[2].z);
    e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
    for (int i : reihenfolge) {
      if (!vier && i == 3) continue;
      m_.scheitel.push_back({ecke_[i], 0, 0, 0});
      ++e.scheitelAnzahl;
    }
    e.geschlossen = true;
  }

  // The VERTEX entities after a POLYLINE, up to its SEQEND.
  void scheitelLesen(CadEntitaet& e) {
    e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
    while (!ende_ && p_.code == 0 && p_.text == "VERTEX") {
      CadScheitel s;
      s.breiteAnfang = e.b.x;
      s.breiteEnde = e.b.y;
      int flags = 0;
      while (vor() && p_.code != 0) {
        int c = p_.code;
        if (c == 70) {
          flags = ganz();
        } else if (istKoordinate(c)) {
          double w = zahl();
          if (!punkt(c, 10, s.p, w)) {
            if (c == 40)
              s.breiteAnfang = w;
            else if (c == 41)
              s.breiteEnde = w;
            else if (c == 42)
              s.woelbung = w;
          }
        }
      }
      // Spline frame points describe the curve's control polygon, not its path.
      if ((flags & 16) == 0) {
        m_.scheitel.push_back(s);
        ++e.scheitelAnzahl;
      }
    }
    e.b = {};
    if (!ende_ && p_.code == 0 && p_.text == "SEQEND") ueberspringen();
  }

  // HATCH: the pairs are read in the order the boundary data demands, each
  // step leaving the first pair it did not use in p_.
  void schraffur(CadEntitaet& e) {
    e.ersterPfad = static_cast<std::uint32_t>(m_.pfade.size());
    vor();
    while (!istNull()) {
      if (p_.code == 91) {
        int pfade = ganz();
        vor();
        for (int k = 0; k < pfade && p_.code == 92; ++k) {
          if (randpfad()) ++e.pfadAnzahl;
        }
        continue;
      }
      if (!gemeinsam(e)) {
        if (p_.code == 2)
          e.muster = m_.name(text());
        else if (p_.code == 70)
          e.gefuellt = (ganz() & 1) != 0;
        else if (p_.code == 52)
          e.drehung = zahl();
        else if (p_.code == 41)
          e.massstab = zahl();
      }
      vor();
    }
    if (e.gefuellt) e.muster = kKeinIndex;
  }

  // One boundary path, from its 92 on; false when it gave no vertices.
  bool randpfad() {
    CadPfad pfad;
    pfad.art = ganz();
    pfad.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
    vor();
    if (pfad.art & 2) {
      polylinienpfad();
    } else if (p_.code == 93) {
      int kanten = ganz();
      vor();
      for (int k = 0; k < kanten && p_.code == 72; ++k) kante();
    }
    while (p_.code == 97 || p_.code == 330) vor();  // the boundary's source objects
    pfad.anzahl = static_cast<std::uint32_t>(m_.scheitel.size() - pfad.ersterScheitel);
    if (pfad.anzahl == 0) return false;
    m_.pfade.push_back(pfad);
    return true;
  }

  void polylinienpfad() {
    while (p_.code == 72 || p_.code == 73 || p_.code == 93) vor();
    const std::size_t erster = m_.scheitel.size();
    while (p_.code == 10 || p_.code == 20 || p_.code == 42) {
      double w = zahl();
      if (p_.code == 10)
        m_.scheitel.push_back({{w, 0, 0}, 0, 0, 0});
      else if (m_.scheitel.size() > erster)
        (p_.code == 20 ? m_.scheitel.back().p.y : m_.scheitel.back().woelbung) = w;
      vor();
    }
    // A closing vertex on the first one is implied by the closed run.
    if (m_.scheitel.size() > erster + 1) {
      const CadPunkt& a = m_.scheitel[erster].p;
      const CadPunkt& b = m_.scheitel.back().p;
      if (a.x == b.x && a.y == b.y) m_.scheitel.pop_back();
    }
  }

  // One edge of a boundary, from its 72 on: its start up to, not including, its end.
  void kante() {
    const int art = ganz();
    vor();
    CadPunkt a, b;
    double radius = 0, anfang = 0, ende = 0;
    bool gegenUhrzeiger = true;
    int grad = 3;
    knoten_.clear();
    gewichte_.clear();
    pole_.clear();
    fitpunkte_.clear();
    bool fitGesehen = false;
    while (!istNull() && p_.code != 72 && (p_.code != 97 || art == 4) && p_.code != 330 && p_.code != 92) {
      int c = p_.code;
      double w = istKoordinate(c) ? zahl() : 0;
      if (art == 4) {
        if (c == 94)
          grad = ganz();
        else if (c == 40)
          knoten_.push_back(w);
        else if (c == 42)
          gewichte_.push_back(w);
        else if (c == 10)
          pole_.push_back({w, 0, 0});
        else if (c == 20 && !pole_.empty())
          pole_.back().y = w;
        else if (c == 11)
          fitpunkte_.push_back({w, 0, 0});
        else if (c == 21 && !fitpunkte_.empty())
          fitpunkte_.back().y = w;
      } else if (!punkt(c, 10, a, w) && !punkt(c, 11, b, w)) {
        if (c == 40)
          radius = w;
        else if (c == 50)
          anfang = w;
        else if (c == 51)
          ende = w;
        else if (c == 73)
          gegenUhrzeiger = ganz() != 0;
      }
      vor();
      if (art == 4 && p_.code == 97 && !fitGesehen) {
        // The edge's count of fit points, or in older files the path's count
        // of source objects: what follows tells, and either way the count
        // itself is not needed.
        fitGesehen = true;
        vor();
        if (p_.code != 11 && p_.code != 12) break;
      }
      if (fitGesehen && p_.code != 11 && p_.code != 21 && p_.code != 12 && p_.code != 22 && p_.code != 13 &&
          p_.code != 23)
        break;
    }
    auto& aus = m_.scheitel;
    const std::size_t vorher = aus.size();
    // Once a file has used up its share, its curves get the coarsest chords:
    // a few bytes of elliptic edges must not become gigabytes of vertices.
    const double toleranz = abtastungRest_ > 0 ? kSehnenfehler : HUGE_VAL;
    switch (art) {
      case 1:
        aus.push_back({a, 0, 0, 0});
        break;
      case 2: {
        // Clockwise arcs give their angles mirrored.
        double richtung = gegenUhrzeiger ? 1 : -1;
        double spanne = std::fmod(ende - anfang, 360.0);
        if (spanne <= 0) spanne += 360;
        double start = richtung * anfang * std::numbers::pi / 180;
        double halb = richtung * spanne * std::numbers::pi / 360;
        for (int teil = 0; teil < 2; ++teil) {  // halves: a full circle has no single bulge
          double t = start + teil * halb;
          aus.push_back({{a.x + radius * std::cos(t), a.y + radius * std::sin(t), 0}, woelbungFuer(halb), 0, 0});
        }
        break;
      }
      case 3: {
        // The angles are true angles; the ellipse runs by its parameter.
        auto parameter = [&](double grad) {
          double t = grad * std::numbers::pi / 180;
          return std::atan2(std::sin(t) / (radius != 0 ? radius : 1), std::cos(t));
        };
        double richtung = gegenUhrzeiger ? 1 : -1;
        double t0 = parameter(anfang);
        double spanne = std::fmod(parameter(ende) - t0, 2 * std::numbers::pi);
        if (spanne <= 1e-12) spanne += 2 * std::numbers::pi;
        ellipsenbogenAnhaengen(aus, a, b, radius, richtung * t0, richtung * (t0 + spanne), toleranz);
        break;
      }
      case 4:
        if (pole_.empty()) {
          for (std::size_t i = 0; i + 1 < fitpunkte_.size(); ++i) aus.push_back({fitpunkte_[i], 0, 0, 0});
        } else {
          splineAnhaengen(aus, grad, pole_, knoten_, gewichte_, toleranz);
        }
        break;
      default:
        break;
    }
    abtastungRest_ -= static_cast<std::int64_t>(aus.size() - vorher);
  }

  DxfToken token_;
  CadModell& m_;
  DxfPaar p_;
  bool ende_ = false;
  DxfKodierung kodierung_ = DxfKodierung::Cp1252;
  std::uint32_t layerNull_;
  std::string_view letzterLayerRoh_;
  std::uint32_t letzterLayer_ = kKeinIndex;
  std::unordered_map<std::string, std::string> blocknamen_;  // block record handle → block name
  std::uint32_t papierblock_ = kKeinIndex;
  std::int64_t abtastungRest_;
  bool imModellraum_ = false;
  // The state of the entity being read.
  bool papier_ = false;
  int xdaten_ = -1;  // how many values of our application data were read, -1 outside it
  bool einfuegungMitAttributen_ = false;
  bool attributeFolgen_ = false;
  std::size_t attributZiel_ = kModellraum;
  int fensterId_ = 0;
  CadPunkt ecke_[4];
  int ecken_ = 0;
  // Reused from entity to entity, so that splines cost no allocations each.
  std::vector<double> knoten_, gewichte_;
  std::vector<CadPunkt> pole_, fitpunkte_;
};

}  // namespace

DxfErgebnis dxfLesen(std::string_view daten, CadModell& modell) {
  return Leser(daten, modell).lesen();
}

}  // namespace quarzel
