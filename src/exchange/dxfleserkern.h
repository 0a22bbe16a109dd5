// DxfLeserKern: the state of the DXF reader, shared by its parts.
//
// dxfleser.cpp reads the sections, tables, blocks and layouts and dispatches
// the entities; dxfentitaet.cpp reads the pairs of one entity,
// dxfschraffur.cpp the boundary paths of a hatch. Only these include this
// header; everyone else calls dxfLesen().
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exchange/cadmodell.h"
#include "exchange/dxfleser.h"
#include "exchange/dxftext.h"
#include "exchange/dxftoken.h"

namespace quarzel {

// Elliptic arcs and spline edges of hatch boundaries are cut into chords no
// farther than this from the curve (drawing units, millimetres as a rule).
inline constexpr double kSehnenfehler = 0.01;
// How many sampled vertices a file may cause: this many plus one for every
// four bytes of the file.
inline constexpr std::int64_t kAbtastungSockel = 4'000'000;

// The model space's vector is reserved for one entity per this many bytes
// of the ENTITIES section, but for no more than kHoechstVorab entities.
inline constexpr std::size_t kBytesJeEntitaet = 128;
inline constexpr std::size_t kHoechstVorab = 4'000'000;

inline bool gleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
         });
}

class DxfLeserKern {
 public:
  DxfLeserKern(std::string_view daten, CadModell& modell)
      : token_(daten),
        m_(modell),
        layerNull_(m_.name("0")),
        abtastungRest_(kAbtastungSockel + static_cast<std::int64_t>(daten.size() / 4)) {}
  void meldeGelesen(std::function<void(std::size_t)> gelesen) { token_.gelesen = std::move(gelesen); }

  DxfErgebnis lesen() {
    DxfErgebnis ergebnis = abschnitte();
    layoutsErgaenzen();
    return ergebnis;
  }

 private:
  DxfErgebnis abschnitte();
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

  void bisAbschnittsende();
  void kopf();
  void tabellen();
  void layer();
  void linientyp();

  // The block records name the blocks the layouts point to by handle.
  void blockeintrag();
  void objekte();
  void layout();

  // Files without layout objects (R12) have the model and, when something is
  // drawn on paper, one sheet.
  void layoutsErgaenzen();
  void bloecke();

  // The entity list of a block, or of the model space.
  static constexpr std::size_t kModellraum = static_cast<std::size_t>(-1);
  static constexpr std::size_t kHoechsteLayouts = 4096;
  CadEntitaetenliste& liste(std::size_t ziel) {
    return ziel == kModellraum ? m_.entitaeten : m_.bloecke[ziel].entitaeten;
  }

  // The block of the first sheet, which holds the paper-space entities of
  // the ENTITIES section.
  std::size_t papierraum();

  // Entities up to the pair 0/`schluss`, which is consumed.
  void entitaeten(std::size_t ziel, std::string_view schluss);

  // Reads the pairs every entity may have; false for a pair the entity itself must read.
  bool gemeinsam(CadEntitaet& e);

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

  static CadArt artNamens(std::string_view art);
  void ueberspringen() {
    vor();
    while (!istNull()) vor();
  }

  void entitaet(std::size_t ziel, std::string_view art);
  void eigenschaften(CadEntitaet& e, std::string_view art);
  void textpaar(CadEntitaet& e, int c, double w, bool attribut);
  void mtextpaar(CadEntitaet& e, int c, double w);
  void mtextAblegen(CadEntitaet& e);
  void einfuegungspaar(CadEntitaet& e, int c, double w);
  void anmerkungspaar(CadEntitaet& e, int c, double w);
  void polylinie(CadEntitaet& e, int c, double w, bool lw, double& breite);
  void spline(CadEntitaet& e, int c, double w);
  void splineAblegen(CadEntitaet& e);

  // Solids and traces give their corners in the order 1, 2, 4, 3 of the
  // outline; a fourth corner equal to the third (or missing) makes a triangle.
  void eckenAblegen(CadEntitaet& e, std::string_view art);

  // The VERTEX entities after a POLYLINE, up to its SEQEND.
  void scheitelLesen(CadEntitaet& e);

  // HATCH: the pairs are read in the order the boundary data demands, each
  // step leaving the first pair it did not use in p_.
  void schraffur(CadEntitaet& e);

  // One boundary path, from its 92 on; false when it gave no vertices.
  bool randpfad();
  void polylinienpfad();

  // One edge of a boundary, from its 72 on: its start up to, not including, its end.
  void kante();

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
  double ansichtshoehe_ = 0;
  std::string mtext_;  // the raw pieces of a paragraph text
  bool mtextRichtung_ = false;
  bool eingebettet_ = false;  // past code 101: an embedded copy of the entity
  CadPunkt ecke_[4];
  int ecken_ = 0;
  // Reused from entity to entity, so that splines cost no allocations each.
  std::vector<double> knoten_, gewichte_;
  std::vector<CadPunkt> pole_, fitpunkte_;
};

}  // namespace quarzel
