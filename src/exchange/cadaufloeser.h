// CadAufloeser: the state of one resolution of CAD entities — the lookup
// tables built once per call, the stack of inserts being expanded, the
// reused vertex buffers and the viewport frame that output is clipped to.
// Only the resolver's own files include it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "exchange/cadaufloesung.h"
#include "exchange/cadclip.h"
#include "exchange/cadtransformation.h"

namespace quarzel {

// What an insert hands to the entities of its block.
struct CadKontext {
  CadAffin3 welt;    // block coordinates → world
  CadAbbildung abb;  // block coordinates → drawing plane
  // Inside a paper viewport: the model's drawing plane → the paper.
  CadLinear2 papier;
  CadPunkt2 papierVersatz;
  std::uint32_t layer = kKeinIndex;  // the inserting entity's layer, for entities on layer "0"
  std::uint32_t rgb = 0;             // BYBLOCK colour: black (white 7 on paper) at the top
  std::uint32_t linientyp = kKeinIndex;
  std::int16_t linienstaerke = kStaerkeStandard;
  int tiefe = 0;
  bool imAnsichtsfenster = false;
};

// Layer, colour, line type and weight of one entity, resolved.
struct CadEigenschaften {
  std::uint32_t layer = 0;
  std::uint32_t rgb = 0;
  std::uint32_t linientyp = kKeinIndex;
  std::int16_t linienstaerke = kStaerkeStandard;
};

class CadAufloeser {
 public:
  CadAufloeser(const CadModell& modell, const CadAufloeseOptionen& optionen, const CadWeltziel& ziel);

  void liste(const CadEntitaetenliste& quelle, const CadKontext& k);
  CadAufloeseErgebnis ergebnis() const { return ergebnis_; }
  CadKontext wurzel() const;

 private:
  // cadaufloesung.cpp: traversal, properties, blocks, viewports.
  CadEigenschaften eigenschaften(const CadEntitaet& e, const CadKontext& k) const;
  std::uint32_t farbwert(const CadFarbe& f, std::uint32_t vonBlock, std::uint32_t layer) const;
  bool entitaet(const CadEntitaet& e, const CadKontext& k);
  bool einfuegung(const CadEntitaet& e, const CadKontext& k, const CadEigenschaften& eig);
  bool block(std::uint32_t name, const CadAffin3& lokal, const CadKontext& k, const CadEigenschaften& eig);
  bool ansichtsfenster(const CadEntitaet& e, const CadKontext& k);
  void warnen(const std::string& text);
  bool budget(bool einfuegung);  // false once there were too many

  // cadformen.cpp: the geometry of each kind.
  bool linie(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool punkt(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool bogen(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool ellipse(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool polylinie(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool text(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool spline(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool schraffur(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool flaeche(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  bool hinweislinie(const CadEntitaet& e, const CadKontext& k, CadWeltelement& w);
  // Appends the mapped vertices to puffer_: bulges kept under a similarity,
  // arcs as short chords otherwise. `schliessen` repeats the first vertex at
  // the end so that runs can be joined.
  void scheitelAbbilden(std::span<const CadScheitel> s, bool geschlossen, bool schliessen, const CadAbbildung& abb,
                        double hoehe);
  bool eben(std::span<const CadScheitel> s) const;
  double hoeheVon(const CadPunkt& p) const { return optionen_.yzTauschen ? p.y : p.z; }

  // cadausgabe.cpp: output, cut to the viewport's frame when there is one.
  void ausgeben(CadWeltelement& w);
  void polylinieKappen(const CadWeltelement& w);
  void laufAusgeben(const CadWeltelement& w);

  const CadModell& m_;
  const CadAufloeseOptionen& optionen_;
  const CadWeltziel& ziel_;
  CadAufloeseErgebnis ergebnis_;

  std::vector<const CadLayer*> layerZu_;  // name index → layer
  std::vector<std::uint32_t> layerTyp_;   // name index → the layer's line type (name index)
  std::vector<std::int32_t> blockZu_;     // name index → block index, −1 = none
  std::vector<std::uint8_t> typArt_;      // name index: 1 continuous, 2 BYBLOCK, 3 BYLAYER
  std::vector<bool> aktiv_;               // blocks being expanded
  std::vector<bool> gewarnt_;             // blocks already reported as inserting themselves
  std::uint32_t layerNull_ = kKeinIndex;
  std::size_t elemente_ = 0, einfuegungen_ = 0;
  bool abgebrochen_ = false;
  bool tiefeGewarnt_ = false;

  std::vector<CadScheitel> puffer_, lauf_;
  std::vector<CadPunkt2> ebene_, bezier_;
  bool kappen_ = false;
  CadRahmen rahmen_;
};

}  // namespace quarzel
