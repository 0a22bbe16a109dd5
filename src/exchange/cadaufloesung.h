// CadAufloesung: the entities of a CAD model as plain drawing primitives in
// world coordinates, which is all the import adapter converts.
//
// Inserts are expanded (nested, scaled, rotated, mirrored, arrays, with their
// attributes), object coordinate systems are turned into world coordinates,
// BYLAYER / BYBLOCK colours, line types and weights are resolved, entities on
// layer "0" inside a block take the inserting entity's layer, dimensions and
// hatches become what they show, splines become cubic Bézier pieces and
// paper-space viewports show the model space clipped to their frame.
//
// How the cases without one obvious answer come out:
// - Ellipse angles anfang/ende are the parameters of the ellipse (x = rx·cos t,
//   y = ry·sin t in its own frame); for a circle that is the polar angle.
// - A polyline keeps its bulges under a rotation, uniform scale or mirror (a
//   mirror negates them). Under any other map (unequal scales, a tilted
//   object coordinate system) an arc becomes a run of chords in the same
//   polyline, 128 per full turn (within 0.03 % of the radius), so that a
//   polyline stays one element. Widths are kept in the vertices, scaled;
//   the outline stays the centre line, a wide polyline is not turned into an area.
// - A solid hatch becomes one Flaeche holding all its boundary paths: every
//   path after the first is reached from the first path's start vertex and
//   left back to it, so with the even-odd rule its holes stay open. A
//   pattern hatch gives each boundary path as a closed Polylinie.
// - A spline of degree 1 to 3 without weights (or with equal ones) becomes
//   exact Bézier pieces; a rational one or one of higher degree is sampled
//   (16 points per knot span) into a Polylinie; fit points alone give a
//   uniform Catmull-Rom curve through them as Bézier pieces.
// - A mirrored text stays readable and upright: it runs the other way along
//   the mirrored baseline (left and right alignment swapped) or hangs from it
//   (top and bottom swapped), whichever of the two reads left to right.
// - A leader's arrow head is a filled triangle 2.5 units long (at most a third
//   of the first segment), a sixth of that wide on each side.
// - A viewport's twist turns the model counter-clockwise on the paper. Lines
//   and polylines (arcs included) are cut to its frame exactly; all other
//   kinds are kept whole when their box meets it.
// - At most 50 million elements and 50 million block copies come out; past
//   that, `warnung` says so.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/cadmodell.h"

namespace quarzel {

struct CadWeltelement {
  enum class Art : std::uint8_t {
    Linie,      // a → b
    Punkt,      // a
    Ellipse,    // circles, arcs, ellipses and elliptical arcs
    Polylinie,  // punkte with bulges, open or closed
    Bezier,     // punkte: 3n + 1 control points of n cubic pieces
    Text,       // one line or paragraph of text
    Flaeche,    // a filled polygon: punkte with bulges, closed
  };
  Art art = Art::Linie;
  std::uint32_t layer = 0;                        // name index into the model, after the layer-"0" rule
  std::uint32_t rgb = 0;                          // 0xRRGGBB, fully resolved
  std::uint32_t linientyp = kKeinIndex;           // name index, resolved; kKeinIndex = continuous
  std::int16_t linienstaerke = kStaerkeStandard;  // 1/100 mm, resolved; kStaerkeStandard = none
  std::int16_t eigenerStift = -1, eigenerStil = -1;

  CadPunkt a, b;
  // Ellipse: centre a, semi-axes rx (along the rotated x axis) and ry,
  // drehung = angle of that axis in degrees, anfang/ende in degrees counter-
  // clockwise in the ellipse's own frame (0 and 360 for a full one).
  double rx = 0, ry = 0, drehung = 0, anfang = 0, ende = 360;

  std::span<const CadScheitel> punkte;
  bool geschlossen = false;

  // Text: a is the alignment point of the file, drehung in degrees; the
  // alignment codes are those of TEXT (72/73); a paragraph holds '\n'.
  // (As in the file, a text left-aligned on its baseline, aligned or fitted
  // starts at a, every other one hangs on b; aligned and fitted ones run
  // from a to b. A paragraph text has its insertion point in both.)
  std::string_view text;
  double hoehe = 0, breitenfaktor = 1;
  std::int16_t ausrichtungH = 0, ausrichtungV = 0;

  // The pen style where the reader knows one ("psSolid", "psDash", "psDot",
  // "psDashDot"); empty for formats that only name line types.
  std::string_view stiftart;

  double breite = 0;  // paragraph text: the width it wraps at, 0 = no wrapping
};

struct CadAufloeseOptionen {
  bool cliprahmenIgnorieren = false;  // viewports do not clip
  bool zNichtFiltern = false;         // entities off the xy plane are kept
  bool yzTauschen = false;            // the file's y and z axes are swapped
  bool punkte = false;                // POINT entities are passed on
};

struct CadAufloeseErgebnis {
  std::size_t elemente = 0;
  std::size_t uebersprungen = 0;  // entities that gave nothing
  std::string warnung;            // German, e.g. a block inserting itself; empty if none
};

// `punkte` of the element points into a buffer that the next element reuses:
// it is valid only during the call (copy what you keep).
using CadWeltziel = std::function<void(const CadWeltelement&)>;

// The entities `quelle` (the model space, a layout's block or any block's
// entities) of `modell`, in file order.
CadAufloeseErgebnis cadAufloesen(const CadModell& modell, const CadEntitaetenliste& quelle,
                                 const CadAufloeseOptionen& optionen, const CadWeltziel& ziel);

// The entities a layout shows: the model space for "Model" (or an unknown
// name), otherwise its block's entities, viewports included.
const CadEntitaetenliste& entitaetenDesLayouts(const CadModell& modell, std::string_view layout);

}  // namespace quarzel
