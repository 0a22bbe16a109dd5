// CadModell: what every CAD reader fills and the import adapter converts.
//
// One flat model for all formats, so the adapter is one piece of code. The
// entities are kept as one vector of plain records; vertex lists and texts
// live in shared vectors that the records point into by index, so a file with
// millions of entities costs a few large allocations, not millions of small
// ones. Names (layers, line types, blocks) are interned once in `namen`.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quarzel {

enum class CadArt : std::uint8_t {
  Linie,
  Punkt,
  Kreis,
  Bogen,
  Ellipse,
  Polylinie,
  Spline,
  Text,
  MText,
  Einfuegung,
  Flaeche,  // solid, trace, 3D face: a filled polygon of 3 or 4 corners
  Schraffurrand,
  Bemassung,
  Hinweislinie,
  Attributdefinition,  // ATTDEF: the template of an attribute in a block
  Ansichtsfenster,     // a paper-space viewport onto the model space
  Unbekannt,
};

// A colour as the file gives it. BYLAYER and BYBLOCK stay unresolved until
// the adapter knows the layer or the inserting block.
struct CadFarbe {
  enum class Art : std::uint8_t { Rgb, VonLayer, VonBlock };
  Art art = Art::VonLayer;
  std::uint32_t rgb = 0;   // 0xRRGGBB when art == Rgb
  std::int16_t aci = 256;  // the index the file gave, 256 = BYLAYER, 0 = BYBLOCK
};

// The RGB value of an index of the 256-colour table (index 7, "white", is
// black on paper: the adapter decides; this gives the table's value).
std::uint32_t aciRgb(int index);
CadFarbe farbeAusAci(int index);

// Line weights in 1/100 mm; the negative values are the file's own codes.
inline constexpr std::int16_t kStaerkeVonLayer = -1;
inline constexpr std::int16_t kStaerkeVonBlock = -2;
inline constexpr std::int16_t kStaerkeStandard = -3;

struct CadPunkt {
  double x = 0, y = 0, z = 0;
};

struct CadScheitel {
  CadPunkt p;
  double woelbung = 0;  // tan(arc angle / 4) to the next vertex
  double breiteAnfang = 0, breiteEnde = 0;
};

inline constexpr std::uint32_t kKeinIndex = 0xFFFFFFFFu;

struct CadEntitaet {
  CadArt art = CadArt::Unbekannt;
  CadFarbe farbe;
  std::int16_t linienstaerke = kStaerkeVonLayer;
  bool geschlossen = false;
  std::uint32_t layer = 0;                               // into CadModell::namen
  std::uint32_t linientyp = kKeinIndex;                  // into namen; kKeinIndex = BYLAYER
  std::uint32_t block = kKeinIndex;                      // insert: the block's name in namen
  std::uint32_t text = kKeinIndex;                       // into CadModell::texte
  std::uint32_t ersterScheitel = 0, scheitelAnzahl = 0;  // into CadModell::scheitel
  // Line: a → b. Point, circle, arc, ellipse: a is the centre/position.
  // Ellipse: b is the end of the major axis relative to a. Text: a is the
  // first alignment point, b the second. Insert: a is the insertion point.
  CadPunkt a, b;
  double radius = 0;
  double anfang = 0, ende = 0;                       // arc: degrees; ellipse: parameters in radians
  double verhaeltnis = 1;                            // ellipse: minor / major axis
  double hoehe = 0, breitenfaktor = 1, drehung = 0;  // text; insert: drehung only
  double skalierungX = 1, skalierungY = 1, skalierungZ = 1;
  std::int16_t spalten = 1, zeilen = 1;
  double spaltenabstand = 0, zeilenabstand = 0;
  std::int16_t ausrichtungH = 0, ausrichtungV = 0;
  bool dreiD = false;        // polyline given as 3D
  bool istAttribut = false;  // a text that is an insert's attribute (ATTRIB)
  // The normal of the entity's object coordinate system (codes 210/220/230).
  CadPunkt extrusion{0, 0, 1};
  // Pen and line style of our own export (application data "QUARZEL"); -1 = none.
  std::int16_t eigenerStift = -1, eigenerStil = -1;
};

struct CadLayer {
  std::string name;
  CadFarbe farbe{CadFarbe::Art::Rgb, 0xFFFFFF, 7};
  std::string linientyp = "CONTINUOUS";
  std::int16_t linienstaerke = kStaerkeStandard;
  bool gefroren = false;
  bool aus = false;
};

struct CadLinientyp {
  std::string name;
  std::string beschreibung;
  double gesamtlaenge = 0;
  std::vector<double> elemente;  // dash > 0, gap < 0, dot 0
};

struct CadBlock {
  std::string name;
  CadPunkt basis;
  std::vector<CadEntitaet> entitaeten;
};

// A sheet of the file. The model space is the layout named "Model" with an
// empty block name; every paper-space layout shows the entities of its block.
struct CadLayout {
  std::string name;
  std::string block;
  int reihenfolge = 0;  // the tab order the file gives
};

struct CadModell {
  std::string version;  // "AC1015" …
  std::string codepage;
  int einheiten = 0;  // the file's unit code, 4 = millimetres

  std::vector<CadLayer> layer;
  std::vector<CadLinientyp> linientypen;
  std::vector<CadBlock> bloecke;
  std::vector<CadEntitaet> entitaeten;  // the model space
  std::vector<CadScheitel> scheitel;
  std::vector<std::string> texte;
  std::vector<std::string> namen;
  std::vector<double> zahlen;                    // further numbers of an entity (spline knots and weights, …)
  std::vector<CadLayout> layouts;                // empty: the model space only
  std::map<std::string, std::size_t> unbekannt;  // entity name → count

  std::uint32_t name(std::string_view n);
  const CadLayer* layerNamens(std::string_view n) const;
  const CadBlock* blockNamens(std::string_view n) const;
  // BYLAYER resolved through the entity's layer; BYBLOCK stays as it is.
  CadFarbe farbeAufgeloest(const CadEntitaet& e) const;

 private:
  std::unordered_map<std::string, std::uint32_t> namenIndex_;
};

}  // namespace quarzel
