// Elementspeicher: the element store of the open drawing.
//
// Every element lives in parallel per-element columns (kind, record slot,
// marks, undo state) and has one record in the pool of its kind. Element
// numbers are 1-based and give the drawing order. The live count ends the
// drawing proper; elements between live count and total count form a tail
// that new elements are inserted in front of.
//
// Undo and redo are carried by the two state columns: an element is alive
// when 0 < state <= current undo level (see undo.cpp for the step rules).
// Adders take world millimetres; callers holding pixels convert first.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/benutzer.h"
#include "store/datensaetze.h"
#include "store/elementart.h"
#include "store/grossallokator.h"
#include "store/satzpool.h"

namespace quarzel {

// The store's point buffer: polygons, splines and gradients are added from it.
struct Punktpuffer {
  static constexpr std::size_t Hoechstzahl = 32768;
  std::vector<double> x;
  std::vector<double> y;

  void leere() {
    x.clear();
    y.clear();
  }
  // false when the buffer is full.
  bool fuegeHinzu(double px, double py) {
    if (x.size() >= Hoechstzahl) return false;
    x.push_back(px);
    y.push_back(py);
    return true;
  }
  std::size_t anzahl() const { return x.size(); }
};

// The values copied into every new element.
struct AktuelleAttribute {
  std::uint8_t stift = 1;
  std::int16_t linienstil = 1;  // raised to 1 on creation; below 1 closes polygons
  std::uint8_t planteil = 1;
  std::uint8_t folie = 1;
};

// Base type and the two flags of a gradient, packed into one byte.
struct Verlaufstyp {
  std::uint8_t basis = 0;
  bool a = false;
  bool b = false;
  bool operator==(const Verlaufstyp&) const = default;
};
std::uint8_t packeVerlaufstyp(Verlaufstyp t);
Verlaufstyp entpackeVerlaufstyp(std::uint8_t gespeichert);

class Elementspeicher {
 public:
  static constexpr std::int32_t Spaltenschritt = 65535;
  static constexpr std::uint32_t Linienschritt = 32767;
  static constexpr std::uint32_t Bogenschritt = 8191;
  static constexpr std::uint32_t Bezierschritt = 2047;
  static constexpr std::uint32_t Standardschritt = 1023;
  static constexpr int Flagspalten = 3;

  Elementspeicher();

  // --- Life cycle -------------------------------------------------------

  // Sets every capacity to 0, grows every table once and resets the counts.
  // On failure shows "Kernelfehler n" and returns false; the caller ends the
  // program.
  bool initialisiere(Benutzer& benutzer);
  // Test hook: asked before each initialisation step (1..13); false makes
  // that step fail as if memory had run out.
  std::function<bool(int schritt)> allokationErlaubt;

  // Frees every record and empties the drawing; capacities stay.
  void leere();

  // --- Counts and levels -----------------------------------------------

  std::int32_t anzahl() const { return anzahl_; }        // live count
  std::int32_t gesamtanzahl() const { return gesamt_; }  // live count plus tail
  std::int32_t kapazitaet() const { return kapazitaet_; }
  // Moves the live end: elements behind it form the tail, which new elements
  // are inserted in front of. Clipped to 0..gesamtanzahl().
  void setzeAnzahl(std::int32_t n) {
    zaehleAenderung();
    anzahl_ = n < 0 ? 0 : (n > gesamt_ ? gesamt_ : n);
  }

  std::int8_t undoStufe() const { return undoStufe_; }
  void setzeUndoStufe(std::int8_t s) {
    zaehleAenderung();
    undoStufe_ = s;
  }
  std::int8_t redoStufe() const { return redoStufe_; }
  void setzeRedoStufe(std::int8_t s) {
    zaehleAenderung();
    redoStufe_ = s;
  }

  bool lebendig(std::int32_t n) const {
    const std::int8_t z = zustand_[n];
    return z > 0 && z <= undoStufe_;
  }

  // Changes whenever an element is added, removed, reordered, handed out for
  // change or changes its undo state; marks, working flags and the modified
  // flag do not count. Values are unique across all stores of the program,
  // so a cache keyed by it also notices a drawing replaced as a whole.
  std::uint64_t aenderungszaehler() const { return aenderungszaehler_; }

  bool modifiziert() const { return modifiziert_; }
  void setzeModifiziert(bool m) { modifiziert_ = m; }

  // Set while a purge runs; the structure check is skipped then.
  bool bereinigungLaeuft() const { return bereinigungLaeuft_; }

  // --- Columns (1 <= n <= gesamtanzahl()) --------------------------------

  Elementart art(std::int32_t n) const { return art_[n]; }
  std::uint32_t slot(std::int32_t n) const { return slot_[n]; }
  std::uint8_t markiert(std::int32_t n) const { return markiert_[n]; }
  void setzeMarkiert(std::int32_t n, std::uint8_t m) { markiert_[n] = m; }
  std::int8_t zustand(std::int32_t n) const { return zustand_[n]; }
  void setzeZustand(std::int32_t n, std::int8_t z) {
    zaehleAenderung();
    zustand_[n] = z;
  }
  std::int8_t altZustand(std::int32_t n) const { return altZustand_[n]; }
  void setzeAltZustand(std::int32_t n, std::int8_t z) {
    zaehleAenderung();
    altZustand_[n] = z;
  }
  std::uint8_t gesicherteMarke(std::int32_t n) const { return gesichert_[n]; }
  void setzeGesicherteMarke(std::int32_t n, std::uint8_t m) { gesichert_[n] = m; }
  std::uint8_t tempMarke(std::int32_t n) const { return temp_[n]; }
  void setzeTempMarke(std::int32_t n, std::uint8_t m) { temp_[n] = m; }
  std::uint8_t flag(int spalte, std::int32_t n) const { return flags_[spalte][n]; }
  void setzeFlag(int spalte, std::int32_t n, std::uint8_t v) { flags_[spalte][n] = v; }

  // Marks: saved copy, restore, working marks.
  void sichereMarken();
  void stelleMarkenWiederHer();
  void fixiereMarken();         // temporary mark := marked
  void loescheTempMarken();
  void demarkiereAlle();
  void markiereAlleLebendigen();
  std::int32_t anzahlMarkierte() const;

  // --- Current attributes and adders ------------------------------------

  AktuelleAttribute aktuell;
  Punktpuffer punkte;
  // The special add switch: new elements also get flag column 0 set.
  bool sonderHinzufuegen = false;

  // Each adder stamps the current pen, line style (at least 1), layer and
  // sublayer on the record, inserts the element at live count + 1 and sets
  // the modified flag. It returns the new element's number.
  std::int32_t neueLinie(double x1, double y1, double x2, double y2, Farbe farbe, std::uint32_t attribut = 0,
                         std::uint8_t attributFlag = 0);
  // Full record (heights, line ends) and the flavour: Linie, Wandlinie1/2.
  std::int32_t neueLinie(Tliniendaten d, Elementart art = Elementart::Linie);
  std::int32_t neuerBogen(tbogendaten d);
  // Polygon, Spline or Verlauf from the point buffer; `vorlage` gives every
  // field but the points.
  std::int32_t neuesPolygon(Elementart art, Tpolygondaten vorlage);
  // The same with the points already in the record, taken as they are (the
  // drawing file's polygons may hold more points than the buffer).
  std::int32_t neuesPolygonMitPunkten(Elementart art, Tpolygondaten d);
  std::int32_t neueBezierkurve(Tbezierdaten d);
  std::int32_t neueBemassung(tmessdaten d);
  std::int32_t neueGruppenklammer(Elementart art, tgruppendaten d);  // Gruppenanfang or Gruppenende
  std::int32_t neueBitmap(Elementart art, Tbitmapdaten d);           // Bitmap or Fuellung
  std::int32_t neuerText(Elementart art, Tfliestextdaten d);         // Text or Kommentar
  std::int32_t neuesMetafile(Tmetafiledaten d);

  // Complete a new element: alive from the current level, marked.
  void vervollstaendige(std::int32_t n);

  // A copy of element n (same kind, same record) inserted at live count + 1,
  // without stamping current attributes.
  std::int32_t dupliziere(std::int32_t n);

  // --- Records (the caller checks the kind) ------------------------------
  // A mutable record counts as changed (aenderungszaehler).

  Tliniendaten& linie(std::int32_t n) {
    zaehleAenderung();
    return linien_[slot_[n]];
  }
  const Tliniendaten& linie(std::int32_t n) const { return linien_[slot_[n]]; }
  tbogendaten& bogen(std::int32_t n) {
    zaehleAenderung();
    return boegen_[slot_[n]];
  }
  const tbogendaten& bogen(std::int32_t n) const { return boegen_[slot_[n]]; }
  Tpolygondaten& polygon(std::int32_t n) {
    zaehleAenderung();
    return polygone_[slot_[n]];
  }
  const Tpolygondaten& polygon(std::int32_t n) const { return polygone_[slot_[n]]; }
  Tbezierdaten& bezier(std::int32_t n) {
    zaehleAenderung();
    return beziers_[slot_[n]];
  }
  const Tbezierdaten& bezier(std::int32_t n) const { return beziers_[slot_[n]]; }
  tmessdaten& bemassung(std::int32_t n) {
    zaehleAenderung();
    return bemassungen_[slot_[n]];
  }
  const tmessdaten& bemassung(std::int32_t n) const { return bemassungen_[slot_[n]]; }
  tgruppendaten& gruppe(std::int32_t n) {
    zaehleAenderung();
    return gruppen_[slot_[n]];
  }
  const tgruppendaten& gruppe(std::int32_t n) const { return gruppen_[slot_[n]]; }
  Tbitmapdaten& bitmap(std::int32_t n) {
    zaehleAenderung();
    return bitmaps_[slot_[n]];
  }
  const Tbitmapdaten& bitmap(std::int32_t n) const { return bitmaps_[slot_[n]]; }
  Tfliestextdaten& text(std::int32_t n) {
    zaehleAenderung();
    return texte_[slot_[n]];
  }
  const Tfliestextdaten& text(std::int32_t n) const { return texte_[slot_[n]]; }
  Tmetafiledaten& metafile(std::int32_t n) {
    zaehleAenderung();
    return metafiles_[slot_[n]];
  }
  const Tmetafiledaten& metafile(std::int32_t n) const { return metafiles_[slot_[n]]; }

  // --- Field accessors dispatching on the kind ---------------------------
  // A getter for a field the kind lacks yields nothing; a setter does nothing.

  std::uint8_t planteil(std::int32_t n) const;
  void setzePlanteil(std::int32_t n, std::uint8_t p);
  std::uint8_t folie(std::int32_t n) const;
  void setzeFolie(std::int32_t n, std::uint8_t f);
  std::optional<std::uint8_t> stift(std::int32_t n) const;
  void setzeStift(std::int32_t n, std::uint8_t s);
  std::optional<std::int16_t> linienstil(std::int32_t n) const;
  void setzeLinienstil(std::int32_t n, std::int16_t s);
  std::optional<Farbe> farbe(std::int32_t n) const;
  void setzeFarbe(std::int32_t n, Farbe f);
  // Line ends of lines and the polygon family.
  std::optional<std::uint8_t> anfang(std::int32_t n) const;
  std::optional<std::uint8_t> ende(std::int32_t n) const;
  void setzeLinienenden(std::int32_t n, std::uint8_t anfang, std::uint8_t ende);
  // 32-bit attribute value and its flag (lines, polygon family, arcs, Béziers).
  struct Attribut {
    std::uint32_t wert = 0;
    std::uint8_t flag = 0;
  };
  std::optional<Attribut> attribut(std::int32_t n) const;
  void setzeAttribut(std::int32_t n, Attribut a);
  // Fill settings of arcs, the polygon family and Béziers; bitmaps and fills
  // answer only through gefuellt().
  const Fuellangaben* fuellung(std::int32_t n) const;
  Fuellangaben* fuellung(std::int32_t n);
  bool gefuellt(std::int32_t n) const;
  std::optional<std::string> gruppenname(std::int32_t n) const;
  void setzeGruppenname(std::int32_t n, const std::string& name);
  std::optional<std::vector<std::string>> textzeilen(std::int32_t n) const;

  // Kind 1 with a start decoration 21..29.
  bool istMarkerpunkt(std::int32_t n) const;
  std::optional<Verlaufstyp> verlaufstyp(std::int32_t n) const;
  void setzeVerlaufstyp(std::int32_t n, Verlaufstyp t);

  // --- Operations on marked elements --------------------------------------

  // For every marked alive element whose kind `passt`, call `aendere` on the
  // changed copy. Opens one undo step first (unless one is open).
  void fuerMarkierte(const std::function<bool(Elementart)>& passt, const std::function<void(std::int32_t)>& aendere);
  void setzeStiftMarkierte(std::uint8_t s);
  void setzeLinienstilMarkierte(std::int16_t s);
  void setzeFarbeMarkierte(Farbe f);
  // The colour a marked gradient runs to; other kinds keep theirs.
  void setzeFarbe2Markierte(Farbe f);
  void setzePlanteilMarkierte(std::uint8_t p);
  void setzeFolieMarkierte(std::uint8_t f);
  // Fill, hatch, hatch angle or filled flag of the marked arcs, polygons,
  // splines, gradients and Béziers (bitmaps and fills keep their own).
  void aendereFuellungMarkierte(const std::function<void(Fuellangaben&)>& aendere);

  // Retires the marked elements (and groups left empty) in the current or a
  // new undo step.
  void loescheMarkierte();
  // Moves the marked elements to numbers 1, 2, ... keeping their order.
  void markierteNachHinten();
  // Unmarks every alive element of the kind that `filter` accepts (the
  // selection filter: layer state, symbol membership).
  void demarkiereArt(Elementart art, const std::function<bool(std::int32_t)>& filter = {});
  // Keeps the mark only on closed elements whose filled flag is set.
  void nurGefuellteMarkiert();

  // Extends the marks to whole groups: every alive element of an outermost
  // group that holds a marked element becomes marked.
  void markiereGanzeGruppen();
  // Marks every alive element between the group begin n and its matching end.
  void markiereGruppe(std::int32_t anfang);
  // The matching end of the group begin n among the alive elements, or 0.
  std::int32_t gruppenende(std::int32_t anfang) const;

  // --- Undo (rules in undo.cpp) -------------------------------------------

  // Undo depth: the number of steps kept (100, 50 or 10).
  int undoTiefe = 100;  // kept within 1..100
  // Set by commands that chain several changes: inner begin-step calls do nothing.
  bool schrittUnterdrueckt = false;
  void beginneSchritt();
  // Duplicates each run of marked elements right after the run; the
  // originals are retired, the marked copies alive. Opens a step unless
  // suppressed. Returns nothing: the copies are the marked elements.
  void bereiteAenderungVor();
  void rueckgaengig();
  void wiederherstellen();
  bool undoMoeglich() const { return undoMoeglich_; }
  bool redoMoeglich() const { return redoMoeglich_; }

  // Removes, in runs, every element whose state is -1 or not below the
  // highest redo level: records freed, followers moved down, counts shrunk.
  void bereinige();
  // Removes every element (alive or in the undo history) that `weg` selects,
  // the same way as a purge. Used where history must not survive, e.g. when
  // a layer is deleted.
  void entferneWenn(const std::function<bool(std::int32_t)>& weg);

  // --- Point buffer helpers ----------------------------------------------

  // Growth of the columns (normally automatic). Throws std::bad_alloc.
  void wachseSpalten();

  // --- Pools ----------------------------------------------------------------

  // Calls f(Satzart, pool) for every record pool, in the order of the
  // initialisation steps. The one list of the pools.
  template <class F>
  void fuerJedenPool(F&& f) {
    jederPool(*this, f);
  }
  template <class F>
  void fuerJedenPool(F&& f) const {
    jederPool(*this, f);
  }

 private:
  template <class Selbst, class F>
  static void jederPool(Selbst& s, F& f) {
    f(Satzart::Linie, s.linien_);
    f(Satzart::Bogen, s.boegen_);
    f(Satzart::Bezier, s.beziers_);
    f(Satzart::Polygon, s.polygone_);
    f(Satzart::Bemassung, s.bemassungen_);
    f(Satzart::Gruppe, s.gruppen_);
    f(Satzart::Bitmap, s.bitmaps_);
    f(Satzart::Text, s.texte_);
    f(Satzart::Metafile, s.metafiles_);
  }
  template <class Satz>
  std::int32_t fuegeEin(Elementart art, Satzpool<Satz>& pool, Satz satz);
  std::int32_t fuegeSlotEin(Elementart art, std::uint32_t slot);
  void gibSatzFrei(std::int32_t n);
  void kopiereSpalten(std::int32_t von, std::int32_t nach);
  void loescheSpalten(std::int32_t n) { loescheSpalten(n, n); }
  void loescheSpalten(std::int32_t von, std::int32_t bis);
  template <class Satz>
  void stempele(Satz& satz) const;
  void loescheLeereGruppen();
  template <class Weg>
  void entferne(Weg&& weg);
  // A copy of element n's record in its pool; returns the new slot.
  std::uint32_t kopiereSatz(std::int32_t n);
  bool aenderbar(std::int32_t n) const { return n <= anzahl_ && markiert_[n] && lebendig(n); }
  void setzeUndoRedoSchalter();
  void zaehleAenderung() { aenderungszaehler_ = zaehlerquelle_.fetch_add(1, std::memory_order_relaxed) + 1; }

  static inline std::atomic<std::uint64_t> zaehlerquelle_{0};
  std::uint64_t aenderungszaehler_ = zaehlerquelle_.fetch_add(1, std::memory_order_relaxed) + 1;

  std::int32_t anzahl_ = 0;
  std::int32_t gesamt_ = 0;
  std::int32_t kapazitaet_ = 0;
  std::int8_t undoStufe_ = 0;
  std::int8_t redoStufe_ = 0;
  bool modifiziert_ = false;
  bool bereinigungLaeuft_ = false;
  bool undoMoeglich_ = false;
  bool redoMoeglich_ = false;

  template <class T>
  using Spalte = std::vector<T, Grossallokator<T>>;
  Spalte<Elementart> art_;
  Spalte<std::uint32_t> slot_;
  Spalte<std::uint8_t> markiert_;
  Spalte<std::int8_t> zustand_;
  Spalte<std::int8_t> altZustand_;
  Spalte<std::uint8_t> gesichert_;
  Spalte<std::uint8_t> temp_;
  Spalte<std::uint8_t> flags_[Flagspalten];

  Satzpool<Tliniendaten> linien_{Linienschritt};
  Satzpool<tbogendaten> boegen_{Bogenschritt};
  Satzpool<Tpolygondaten> polygone_{Standardschritt};
  Satzpool<Tbezierdaten> beziers_{Bezierschritt};
  Satzpool<tmessdaten> bemassungen_{Standardschritt};
  Satzpool<tgruppendaten> gruppen_{Standardschritt};
  Satzpool<Tbitmapdaten> bitmaps_{Standardschritt};
  Satzpool<Tfliestextdaten> texte_{Standardschritt};
  Satzpool<Tmetafiledaten> metafiles_{Standardschritt};
};

}  // namespace quarzel
