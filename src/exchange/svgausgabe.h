// Puts an SVG outline into the CAD model: strokes as polylines (straight
// runs), cubic splines (runs with curves) and ellipses or circles (arcs,
// exact), fills as solid hatches of the flattened outline.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "exchange/cadmodell.h"
#include "exchange/svgpfad.h"
#include "exchange/svgstil.h"

namespace quarzel {

class SvgAusgabe {
 public:
  explicit SvgAusgabe(CadModell& m) : m_(m) {}

  // `strich` and `fuellung` carry layer, colour, line type and weight; a
  // missing one is not drawn. Returns how many points went into the model.
  std::size_t zeichne(const SvgPfad& p, const SvgMatrix& abb, const std::optional<CadEntitaet>& strich,
                      const std::optional<CadEntitaet>& fuellung);

  // The colour with the nearest index of the 256-colour table.
  CadFarbe farbe(std::uint32_t rgb);

 private:
  void lauf(const SvgPfad& p, const SvgTeilpfad& t, std::size_t von, std::size_t bis, bool geschlossen,
            bool schlusslinie, const SvgMatrix& abb, const CadEntitaet& vorlage);
  void bogen(const SvgSegment& s, const SvgMatrix& abb, const CadEntitaet& vorlage);
  void flaeche(const SvgPfad& p, const SvgMatrix& abb, const CadEntitaet& vorlage);

  CadModell& m_;
  std::size_t punkte_ = 0;
  std::unordered_map<std::uint32_t, CadFarbe> farben_;
};

}  // namespace quarzel
