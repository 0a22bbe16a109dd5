// DxfLeserKern: the pairs of one entity into its record.
#include <cmath>
#include <numbers>

#include "exchange/dxfleserkern.h"

namespace quarzel {

void DxfLeserKern::eigenschaften(CadEntitaet& e, std::string_view art) {
  const bool lw = art == "LWPOLYLINE";
  const bool alt = art == "POLYLINE";
  const bool attribut = art == "ATTRIB" || art == "ATTDEF";
  e.istAttribut = art == "ATTRIB";
  double breite = 0;
  mtext_.clear();
  mtextRichtung_ = false;
  eingebettet_ = false;
  einfuegungMitAttributen_ = false;
  fensterId_ = 0;
  ansichtshoehe_ = 0;
  ecken_ = 0;
  for (CadPunkt& p : ecke_) p = {};
  knoten_.clear();
  gewichte_.clear();
  pole_.clear();
  fitpunkte_.clear();
  e.pfeil = e.art == CadArt::Hinweislinie;  // a leader without code 71 has its arrowhead
  if (lw || e.art == CadArt::Hinweislinie) e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
  while (vor() && p_.code != 0) {
    // An embedded object (code 101) repeats the entity in another form (a
    // paragraph text's columns, a multi-line attribute): the values before it
    // are the ones to keep, and only the application data after it counts.
    if (p_.code == 101) eingebettet_ = true;
    if (eingebettet_ && p_.code < 1000) continue;
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
        textpaar(e, c, w, attribut);
        break;
      case CadArt::MText:
        mtextpaar(e, c, w);
        break;
      case CadArt::Einfuegung:
        einfuegungspaar(e, c, w);
        break;
      case CadArt::Flaeche:
        if (c >= 10 && c <= 33 && c % 10 <= 3) {
          int ecke = c % 10;
          punkt(c, 10 + ecke, ecke_[ecke], w);
          ecken_ |= 1 << ecke;
        }
        break;
      case CadArt::Bemassung:
      case CadArt::Hinweislinie:
      case CadArt::Ansichtsfenster:
        anmerkungspaar(e, c, w);
        break;
      default:
        break;
    }
  }
  if (alt) scheitelLesen(e);
  if (e.art == CadArt::Spline) splineAblegen(e);
  if (e.art == CadArt::Flaeche) eckenAblegen(e, art);
  if (e.art == CadArt::MText) mtextAblegen(e);
  if (e.art == CadArt::Ansichtsfenster) e.massstab = ansichtshoehe_ > 0 ? e.hoehe / ansichtshoehe_ : 1;
}

// TEXT, ATTRIB, ATTDEF: an attribute's code 73 is its field length, 74 its
// vertical alignment.
void DxfLeserKern::textpaar(CadEntitaet& e, int c, double w, bool attribut) {
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
    else if (c == (attribut ? 74 : 73))
      e.ausrichtungV = kurz();
  }
}

void DxfLeserKern::mtextpaar(CadEntitaet& e, int c, double w) {
  if (c == 1 || c == 3) {
    mtext_ += p_.text;
  } else if (c >= 11 && c <= 31 && c % 10 == 1) {
    punkt(c, 11, e.b, w);
    mtextRichtung_ = true;
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
}

// The text's pieces are joined before decoding, as a code may span two.
void DxfLeserKern::mtextAblegen(CadEntitaet& e) {
  e.text = neuerText(mtextKlartext(dxfText(mtext_, kodierung_)));
  if (mtextRichtung_ && (e.b.x != 0 || e.b.y != 0)) {
    e.drehung = std::atan2(e.b.y, e.b.x) * 180 / std::numbers::pi;
  } else {
    double bogen = e.drehung * std::numbers::pi / 180;
    e.b = {std::cos(bogen), std::sin(bogen), 0};
  }
  double laenge = std::hypot(e.b.x, e.b.y, e.b.z);
  e.b = {e.b.x / laenge, e.b.y / laenge, e.b.z / laenge};
}

void DxfLeserKern::einfuegungspaar(CadEntitaet& e, int c, double w) {
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
}

// Dimensions, leaders and viewports.
void DxfLeserKern::anmerkungspaar(CadEntitaet& e, int c, double w) {
  switch (e.art) {
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
        ansichtshoehe_ = w;
      else if (c == 51)
        e.drehung = w;
      else
        punkt(c, 10, e.a, w) || punkt(c, 12, e.b, w);
      break;
    default:
      break;
  }
}

void DxfLeserKern::polylinie(CadEntitaet& e, int c, double w, bool lw, double& breite) {
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

void DxfLeserKern::spline(CadEntitaet& e, int c, double w) {
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

void DxfLeserKern::splineAblegen(CadEntitaet& e) {
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
void DxfLeserKern::eckenAblegen(CadEntitaet& e, std::string_view art) {
  const bool zickzack = art != "3DFACE";
  const int reihenfolge[4] = {0, 1, zickzack ? 3 : 2, zickzack ? 2 : 3};
  const bool vier =
      (ecken_ & 8) != 0 && (ecke_[3].x != ecke_[2].x || ecke_[3].y != ecke_[2].y || ecke_[3].z != ecke_[2].z);
  e.ersterScheitel = static_cast<std::uint32_t>(m_.scheitel.size());
  for (int i : reihenfolge) {
    if (!vier && i == 3) continue;
    m_.scheitel.push_back({ecke_[i], 0, 0, 0});
    ++e.scheitelAnzahl;
  }
  e.geschlossen = true;
}

// The VERTEX entities after a POLYLINE, up to its SEQEND.
void DxfLeserKern::scheitelLesen(CadEntitaet& e) {
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

}  // namespace quarzel
