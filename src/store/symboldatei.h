// Symbol and detail files (".QZS", ".DET"; read also: ".SY1", ".SY2" and
// ".TMP"): a group of elements saved from a drawing to be placed into
// others. After a signature and a header (a 64 × 64 preview picture, two
// option bits, the pen widths, a settings table and the scale the symbol was
// drawn at) comes the record stream of the drawing file, restricted to
// elements and their attributes (satzschreiber.h, satzleser.h). The byte
// layout and what the older signatures carry: docs/file-format.md.
//
// In memory a symbol is a small drawing of its own: one layer at the
// symbol's scale, the elements in sheet millimetres relative to the
// insertion point, all marked. The renderer draws it for the preview, the
// rubber band takes its outline, and the writer writes it as it is, so
// save → load → save gives the same bytes. Placing it into a drawing:
// symboleinfuegen.h.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/benutzer.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

inline constexpr const char* MeldungFalschesDateiformat = "Falsches Dateiformat";
inline constexpr const char* MeldungSymbolDefekt = "Die Symboldatei ist unvollständig oder defekt.";

inline constexpr const char* SignaturSymbol = "Quarzel900Sym";
inline constexpr const char* SignaturSymbolMitAttributen = "QuarzelXIVSym";

// The signature field's size, which the file's extension decides: 14 bytes
// (".QZS", ".DET", ".TMP", ".SY1") or 16 (".SY2").
enum class Signaturfeld : std::uint8_t { Kurz = 14, Lang = 16 };
// By the extension (any case); std::nullopt for a name that is no symbol file.
std::optional<Signaturfeld> signaturfeldFuer(const std::string& pfad);

struct Symbolkopf {
  std::string signatur;
  std::vector<std::uint8_t> vorschau;  // an image file (PNG), 64 × 64; empty in older formats
  // Bit 0: the drawing showed its unit, bit 1: its sheet (kept, not applied).
  std::uint8_t optionen = 0;
  std::vector<double> stiftbreiten;               // pens 1, 2, ... in millimetres, as written
  std::array<std::uint8_t, 240> einstellungen{};  // 20 × 12 bytes, reserved: kept as read
  // The scale's denominator the symbol was drawn at; 0 when the file names
  // none (it is then placed at the scale of the layer it goes to).
  double massstab = 0;
};

struct Symbol {
  Symbolkopf kopf;
  Zeichnung zeichnung;  // one layer, the elements relative to the insertion point
};

// Whether the format the signature names carries record markers and the
// current header, and the drawing-file version whose line-style numbers its
// records use. std::nullopt for a signature no symbol file has.
struct Symbolformat {
  bool vorschau = false;  // the header starts with the preview picture
  bool kopf = false;      // option byte, pens, settings table and scale
  bool markiert = false;  // records end with "{|}"
  int version = 0;        // the line-style numbering (linienstilabbildung.h)
};
std::optional<Symbolformat> symbolformat(std::string_view signatur);

// A symbol of the elements `elemente` of `zeichnung` (store numbers in
// drawing order; the caller keeps group brackets in pairs), moved so that
// `bezug` becomes the insertion point, with the drawing's pens and the scale
// in force. nullptr when its store could not be set up (the user was told).
std::unique_ptr<Symbol> neuesSymbol(const Zeichnung& zeichnung, std::span<const std::int32_t> elemente, Weltpunkt bezug,
                                    Benutzer& benutzer);

// The file's bytes: "QuarzelXIVSym" when an element carries its attribute
// flag, otherwise "Quarzel900Sym".
std::vector<std::uint8_t> schreibeSymbol(const Symbol& symbol);

struct Symbolladeergebnis {
  bool geladen = false;            // false: nothing read, `fehler` says why
  std::unique_ptr<Symbol> symbol;  // the symbol read, unless read into one given
  std::string fehler;
  std::vector<Ladehinweis> hinweise;  // broken groups that were repaired
  std::int32_t elemente = 0;
  std::int32_t verworfeneSaetze = 0;
  std::int32_t defekteGruppen = 0;
};

Symbolladeergebnis leseSymbol(std::span<const std::uint8_t> daten, Signaturfeld feld, Benutzer& benutzer);
// The same into `ziel`, whose store keeps what it has allocated: reading one
// symbol after another costs no new store. `ziel` is unchanged when the
// signature or the header is wrong.
Symbolladeergebnis leseSymbol(std::span<const std::uint8_t> daten, Signaturfeld feld, Symbol& ziel, Benutzer& benutzer);
// The field size from the extension; a name of another extension is
// "Falsches Dateiformat".
Symbolladeergebnis ladeSymbol(const std::string& pfad, Benutzer& benutzer);

// The header alone, for a catalogue: the file is read only as far as the
// header reaches.
struct Symbolkopfergebnis {
  std::optional<Symbolkopf> kopf;
  std::string fehler;
};
Symbolkopfergebnis leseSymbolkopf(std::span<const std::uint8_t> daten, Signaturfeld feld);
Symbolkopfergebnis ladeSymbolkopf(const std::string& pfad);

}  // namespace quarzel
