// DxfLeser: sections, tables and entities of a DXF file.
#include "exchange/dxfleser.h"

#include <algorithm>
#include <cstdint>

#include "exchange/dxftoken.h"

namespace quarzel {

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the upper half is Latin-1.
constexpr char16_t kCp1252[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                  0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

void utf8(std::string& aus, std::uint32_t z) {
  if (z < 0x80) {
    aus += static_cast<char>(z);
  } else if (z < 0x800) {
    aus += static_cast<char>(0xC0 | (z >> 6));
    aus += static_cast<char>(0x80 | (z & 0x3F));
  } else if (z < 0x10000) {
    aus += static_cast<char>(0xE0 | (z >> 12));
    aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (z & 0x3F));
  } else {
    aus += static_cast<char>(0xF0 | (z >> 18));
    aus += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
    aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (z & 0x3F));
  }
}

int hexwert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Leser {
 public:
  Leser(std::string_view daten, CadModell& modell) : token_(daten), m_(modell), layerNull_(m_.name("0")) {}

  DxfErgebnis lesen() {
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
          entitaeten(m_.entitaeten, "ENDSEC");
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

 private:
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
  std::string text() { return dxfText(p_.text, ansi_); }

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
      if (p_.code == 0 && p_.text == "ENDSEC") return;
      if (p_.code != 9) continue;
      std::string_view variable = p_.text;
      if (!vor()) return;
      if (variable == "$ACADVER") {
        m_.version = std::string(p_.text);
        // R2007 (AC1021) and later store UTF-8.
        ansi_ = m_.version < "AC1021";
      } else if (variable == "$DWGCODEPAGE") {
        m_.codepage = std::string(p_.text);
      } else if (variable == "$INSUNITS") {
        m_.einheiten = ganz();
      }
    }
  }

  void tabellen() {
    vor();
    while (!ende_) {
      if (p_.code == 0 && p_.text == "ENDSEC") return;
      if (p_.code == 0 && p_.text == "LAYER") {
        layer();
      } else if (p_.code == 0 && p_.text == "LTYPE") {
        linientyp();
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
          l.linienstaerke = static_cast<std::int16_t>(ganz());
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
        entitaeten(b.entitaeten, "ENDBLK");
        m_.bloecke.push_back(std::move(b));
      } else {
        vor();
      }
    }
  }

  // Entities up to the pair 0/`schluss`, which is consumed.
  void entitaeten(std::vector<CadEntitaet>& ziel, std::string_view schluss) {
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

  // Reads the common pairs; false for a pair the entity itself must read.
  bool gemeinsam(CadEntitaet& e) {
    switch (p_.code) {
      case 8:
        e.layer = layerName();
        return true;
      case 6: {
        std::string n = text();
        e.linientyp = n == "BYLAYER" || n == "ByLayer" ? kKeinIndex : m_.name(n);
        return true;
      }
      case 62:
        e.farbe = farbeAusAci(ganz());
        return true;
      case 420:
        e.farbe = {CadFarbe::Art::Rgb, static_cast<std::uint32_t>(ganz()) & 0xFFFFFF, e.farbe.aci};
        return true;
      case 370:
        e.linienstaerke = static_cast<std::int16_t>(ganz());
        return true;
      default:
        return false;
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

  void entitaet(std::vector<CadEntitaet>& ziel, std::string_view art) {
    CadEntitaet e;
    e.layer = layerNull_;
    if (art == "LINE")
      e.art = CadArt::Linie;
    else if (art == "POINT")
      e.art = CadArt::Punkt;
    else if (art == "CIRCLE")
      e.art = CadArt::Kreis;
    else if (art == "ARC")
      e.art = CadArt::Bogen;
    else if (art == "ELLIPSE")
      e.art = CadArt::Ellipse;
    else if (art == "LWPOLYLINE" || art == "POLYLINE")
      e.art = CadArt::Polylinie;
    else if (art == "TEXT")
      e.art = CadArt::Text;
    else if (art == "INSERT")
      e.art = CadArt::Einfuegung;
    else if (art == "SEQEND") {
      vor();
      while (!istNull()) vor();
      return;
    } else {
      ++m_.unbekannt[std::string(art)];
      vor();
      while (!istNull()) vor();
      return;
    }
    bool lw = art == "LWPOLYLINE";
    bool alt = art == "POLYLINE";
    double breite = 0;
    if (lw) e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
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
          break;
        case CadArt::Text:
          if (c == 1) {
            e.text = static_cast<std::uint32_t>(m_.texte.size());
            m_.texte.push_back(text());
          } else if (!punkt(c, 10, e.a, w) && !punkt(c, 11, e.b, w)) {
            if (c == 40)
              e.hoehe = w;
            else if (c == 41)
              e.breitenfaktor = w;
            else if (c == 50)
              e.drehung = w;
            else if (c == 72)
              e.ausrichtungH = static_cast<std::int16_t>(ganz());
            else if (c == 73)
              e.ausrichtungV = static_cast<std::int16_t>(ganz());
          }
          break;
        case CadArt::Einfuegung:
          if (c == 2) {
            e.block = m_.name(text());
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
              e.spalten = static_cast<std::int16_t>(ganz());
            else if (c == 71)
              e.zeilen = static_cast<std::int16_t>(ganz());
          }
          break;
        default:
          break;
      }
    }
    if (alt) scheitelLesen(e);
    ziel.push_back(e);
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
    if (!ende_ && p_.code == 0 && p_.text == "SEQEND") {
      vor();
      while (!istNull()) vor();
    }
  }

  DxfToken token_;
  CadModell& m_;
  DxfPaar p_;
  bool ende_ = false;
  bool ansi_ = true;
  std::uint32_t layerNull_;
  std::string_view letzterLayerRoh_;
  std::uint32_t letzterLayer_ = kKeinIndex;
};

}  // namespace

std::string dxfText(std::string_view roh, bool ansi) {
  std::string aus;
  aus.reserve(roh.size());
  for (std::size_t i = 0; i < roh.size(); ++i) {
    auto c = static_cast<unsigned char>(roh[i]);
    if (c == '\\' && i + 7 <= roh.size() && (roh[i + 1] == 'U' || roh[i + 1] == 'u') && roh[i + 2] == '+') {
      std::uint32_t z = 0;
      bool gut = true;
      for (std::size_t k = i + 3; k < i + 7; ++k) {
        int h = hexwert(roh[k]);
        gut = gut && h >= 0;
        z = z * 16 + static_cast<std::uint32_t>(h < 0 ? 0 : h);
      }
      if (gut) {
        utf8(aus, z);
        i += 6;
        continue;
      }
    }
    if (c < 0x80 || !ansi) {
      aus += static_cast<char>(c);
    } else if (c < 0xA0) {
      utf8(aus, kCp1252[c - 0x80]);
    } else {
      utf8(aus, c);
    }
  }
  return aus;
}

DxfErgebnis dxfLesen(std::string_view daten, CadModell& modell) {
  return Leser(daten, modell).lesen();
}

}  // namespace quarzel
