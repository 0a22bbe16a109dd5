// CadModell: what every CAD reader fills and the import adapter converts.
//
// One flat model for all formats, so the adapter is one piece of code. The
// entities are kept as one vector of plain records; vertex lists and texts
// live in shared vectors that the records point into by index, so a file with
// millions of entities costs a few large allocations, not millions of small
// ones. Names (layers, line types, blocks) are interned once in `namen`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
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

  bool operator==(const CadFarbe&) const = default;
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

  bool operator==(const CadPunkt&) const = default;
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

  // The fields below serve the kinds listed in the table after this record.
  CadPunkt c;
  std::uint32_t ersteZahl = 0, zahlAnzahl = 0;           // into CadModell::zahlen
  std::uint32_t knotenAnzahl = 0;                        // spline: how many of those numbers are knots
  std::uint32_t ersterFitpunkt = 0, fitpunktAnzahl = 0;  // spline: into CadModell::scheitel
  std::uint32_t ersterPfad = 0, pfadAnzahl = 0;          // hatch: into CadModell::pfade
  std::uint32_t kennung = kKeinIndex;                    // attribute: its tag, into namen
  std::uint32_t aufforderung = kKeinIndex;               // attribute definition: its prompt, into texte
  std::uint32_t muster = kKeinIndex;                     // hatch: the pattern's name, into namen
  double breite = 0;                                     // paragraph text: reference width; viewport: width
  double massstab = 1;                                   // viewport: paper units per model unit; hatch: pattern scale
  std::int16_t grad = 0;                                 // spline: the degree
  std::int16_t typ = 0;                                  // dimension: code 70; viewport: status (code 68)
  bool periodisch = false, rational = false;             // spline
  bool gefuellt = false;                                 // hatch: solid fill
  bool pfeil = false;                                    // leader: with an arrowhead
  bool unsichtbar = false;                               // attribute or its definition: not shown

  bool operator==(const CadEntitaet&) const = default;
};
// The entities of the model space or of a block. Most entities of large
// files are lines and plain polylines: they are kept in a short record (88
// bytes), every other one whole beside it (336 bytes), so a million lines
// cost a quarter of the memory. Entities are handed out by value.
class CadEntitaetenliste {
 public:
  CadEntitaetenliste() = default;
  CadEntitaetenliste(std::initializer_list<CadEntitaet> liste) {
    for (const CadEntitaet& e : liste) push_back(e);
  }

  void push_back(const CadEntitaet& e);
  void reserve(std::size_t n) { kurz_.reserve(n); }
  std::size_t size() const { return kurz_.size(); }
  bool empty() const { return kurz_.empty(); }
  CadEntitaet operator[](std::size_t i) const;
  CadEntitaet back() const { return (*this)[kurz_.size() - 1]; }
  // Whether `bedingung` holds for every entity; short records are unfolded
  // only when the entity is no whole one, whole ones are not copied.
  template <class Bedingung>
  bool alle(Bedingung&& bedingung) const {
    for (const Kurz& k : kurz_)
      if (!k.ganz && !bedingung(entfalte(k))) return false;
    for (const CadEntitaet& e : voll_)
      if (!bedingung(e)) return false;
    return true;
  }

  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = CadEntitaet;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = CadEntitaet;

    Iterator(const CadEntitaetenliste* l, std::size_t i) : l_(l), i_(i) {}
    CadEntitaet operator*() const { return (*l_)[i_]; }
    Iterator& operator++() {
      ++i_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator vorher = *this;
      ++i_;
      return vorher;
    }
    bool operator==(const Iterator& o) const { return i_ == o.i_; }

   private:
    const CadEntitaetenliste* l_;
    std::size_t i_;
  };
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, kurz_.size()}; }

 private:
  struct Kurz {
    CadPunkt a, b;
    std::uint32_t layer = 0, linientyp = kKeinIndex;
    // A whole record: its index into voll_ in ersterScheitel.
    std::uint32_t ersterScheitel = 0, scheitelAnzahl = 0;
    std::uint32_t rgb = 0;
    std::int16_t aci = 256, linienstaerke = kStaerkeVonLayer, eigenerStift = -1, eigenerStil = -1;
    CadArt art = CadArt::Unbekannt;
    CadFarbe::Art farbart = CadFarbe::Art::VonLayer;
    bool geschlossen = false;
    bool ganz = false;
  };
  static Kurz kuerze(const CadEntitaet& e);
  static CadEntitaet entfalte(const Kurz& k);

  std::vector<Kurz> kurz_;
  std::vector<CadEntitaet> voll_;
};

// Which fields each kind uses, beyond layer, colour, line type, line weight,
// extrusion and eigenerStift/eigenerStil, which every kind has. The points of
// lines, points, ellipses, splines, 3D faces, leaders and dimensions are in
// world coordinates as the file gives them; circles, arcs, texts, paragraph
// texts' insertion points, inserts, polylines (not dreiD ones), solids,
// traces and hatches are in the object coordinates of `extrusion` (the
// identity when it is 0,0,1).
//
// Spline: grad; geschlossen, periodisch, rational; control points
//   scheitel[ersterScheitel, +scheitelAnzahl) (only p); fit points
//   scheitel[ersterFitpunkt, +fitpunktAnzahl) (only p); knots
//   zahlen[ersteZahl, +knotenAnzahl), then the weights zahlen[ersteZahl +
//   knotenAnzahl, ersteZahl + zahlAnzahl) (one per control point when
//   rational, else none).
// Text (TEXT and ATTRIB): text (%%-codes already resolved), a, b, hoehe,
//   breitenfaktor, drehung (degrees), ausrichtungH (72), ausrichtungV (73, an
//   attribute's 74). An
//   ATTRIB has istAttribut, kennung and unsichtbar, and follows its insert
//   right after it in the same entity list.
// MText: text as plain UTF-8 with paragraphs as '\n' (formatting resolved), a
//   the insertion point, b the x direction (unit vector, world coordinates),
//   drehung the same in degrees, hoehe, breite (0 = no wrapping), ausrichtungH
//   0 left/1 centre/2 right and ausrichtungV 3 top/2 middle/1 bottom (as TEXT).
// Attributdefinition (ATTDEF): text (the default), kennung, aufforderung,
//   unsichtbar, and the fields of a text.
// Schraffurrand (HATCH): gefuellt, muster (kKeinIndex when solid), drehung
//   (pattern angle, degrees), massstab (pattern scale), the boundary paths
//   pfade[ersterPfad, +pfadAnzahl), each a closed vertex run with bulges
//   (arcs exact, elliptic arcs and spline edges sampled to 0.01 units).
// Bemassung (DIMENSION): block (the anonymous block that draws it), a (10),
//   b (13), c (14), text (1; "" or "<>" = the measured value), typ (70).
// Hinweislinie (LEADER): scheitel[ersterScheitel, +scheitelAnzahl), pfeil (true
//   when the file does not say).
// Flaeche (SOLID, TRACE, 3DFACE): 3 or 4 corners in outline order in
//   scheitel[ersterScheitel, +scheitelAnzahl); geschlossen.
// Ansichtsfenster (VIEWPORT, only in paper-space lists): a the centre on the
//   paper, breite and hoehe on the paper, b the view centre in the model,
//   massstab (paper per model unit), drehung (twist, degrees), typ (status:
//   0 off, else on).
//
// A boundary path of a hatch: a closed run of vertices with bulges.
struct CadPfad {
  std::uint32_t ersterScheitel = 0, anzahl = 0;  // into CadModell::scheitel
  std::int32_t art = 0;                          // the file's flags (code 92): 1 outer, 16 outermost, …
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
  CadEntitaetenliste entitaeten;
};

// What a reader says of a file: false with a German message when it is
// damaged; what was read up to the damage stays in the model.
struct CadLeseergebnis {
  bool ok = false;
  std::string fehler;
};

// A sheet of the file. The model space is the layout named "Model" with an
// empty block name; every paper-space layout shows the entities of its block
// (a name in CadModell::bloecke). The paper-space entities of the ENTITIES
// section (code 67) belong to the active sheet: they are in its block
// "*Paper_Space" ("$PAPER_SPACE" in some R12 files; made when the file has no
// such block), never in CadModell::entitaeten. R12 files, which have no
// layout objects, get "Model" and "Layout1" when they draw on paper.
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
  CadEntitaetenliste entitaeten;  // the model space
  std::vector<CadScheitel> scheitel;
  std::vector<std::string> texte;
  std::vector<std::string> namen;
  std::vector<double> zahlen;                    // further numbers of an entity (spline knots and weights, …)
  std::vector<CadPfad> pfade;                    // the boundary paths of hatches
  std::vector<CadLayout> layouts;                // in tab order; empty: the model space only
  std::map<std::string, std::size_t> unbekannt;  // entity name → count

  std::uint32_t name(std::string_view n);
  const CadLayer* layerNamens(std::string_view n) const;
  const CadBlock* blockNamens(std::string_view n) const;
  // BYLAYER resolved through the entity's layer; BYBLOCK stays as it is.
  CadFarbe farbeAufgeloest(const CadEntitaet& e) const;
  // Whether every index of every entity and path points into the model, as
  // the import relies on without checking; a reader guarantees it for any input.
  bool indizesGueltig() const;

 private:
  std::unordered_map<std::string, std::uint32_t> namenIndex_;
};

}  // namespace quarzel
