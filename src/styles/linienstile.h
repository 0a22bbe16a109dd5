// The line-style table: which style number draws how, the dash patterns, the
// user's simple and complex patterns and the predefined complex patterns.
//
// Style numbers (16 bit, stored with every element):
//   1            continuous
//   2..9         built-in dashes, lengths in pen widths (slots 2..9)
//   10, 41, 42   special line A: zigzag, wave, zigzag on a centre line
//   11           special line B: the bitmap "BITMAP_2" stamped along the line
//   12..31       complex user patterns 1..20 (symbol sections)
//   50..69       one-pixel cosmetic platform pens
//   71..90       simple user patterns 1..20, lengths in mm (dash slots 12..31)
//   91..124      predefined complex patterns (fixed table below)
// The simple patterns sit at 71..90 because drawings of the first format
// versions stored them as 12..31 and the reader moves those up by 59.
// Negative numbers (closed figures carry their style negated) draw as their
// absolute value; every other number draws continuous.
//
// Complex section codes: bit 1 dot (alone), 2 line along the path (short
// with bit 1), 4 perpendicular stroke, 8 and 16 the two oblique strokes,
// 32 square, 64 rhombus, 128 circle; bit 1 with a shape of 32 or more fills
// the shape. The predefined table uses 16-bit codes with four more bits:
// 0x100 one-sided (strokes only on one side, shapes set beside the line),
// 0x200 double size, 0x400 half size, 0x800 an arrowhead along the path.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quarzel {

enum class Linienstilfamilie : std::uint8_t {
  Durchgezogen,
  Strichmuster,  // built-in and simple user dashes
  SonderlinieA,
  SonderlinieB,
  Komplex,  // complex user and predefined patterns
  Kosmetisch,
};

namespace linienstil {
inline constexpr int kDurchgezogen = 1;
inline constexpr int kErsterKomplexer = 12;
inline constexpr int kErsterKosmetischer = 50;
inline constexpr int kLetzterKosmetischer = 69;
inline constexpr int kErsterEinfacher = 71;
inline constexpr int kErsterVordefinierter = 91;
inline constexpr int kLetzterVordefinierter = 124;
inline constexpr int kMuster = 20;         // user patterns of each kind
inline constexpr int kEintraege = 12;      // dash entries and sections per pattern
inline constexpr int kVordefinierte = 34;  // styles 91..124

// Section-code bits.
inline constexpr std::uint16_t kPunkt = 1;
inline constexpr std::uint16_t kLinie = 2;
inline constexpr std::uint16_t kSenkrecht = 4;
inline constexpr std::uint16_t kSchraeg = 8;
inline constexpr std::uint16_t kSchraeg2 = 16;
inline constexpr std::uint16_t kQuadrat = 32;
inline constexpr std::uint16_t kRaute = 64;
inline constexpr std::uint16_t kKreis = 128;
inline constexpr std::uint16_t kEinseitig = 0x100;
inline constexpr std::uint16_t kDoppelt = 0x200;
inline constexpr std::uint16_t kHalb = 0x400;
inline constexpr std::uint16_t kPfeil = 0x800;
}  // namespace linienstil

// The style number with the sign taken off (negated styles of closed figures).
// Numbers beyond 16 bits (only a bug could make them) give 0.
constexpr int linienstilBetrag(int style) {
  return style < 0 ? (style < -65535 ? 0 : -style) : style;
}
Linienstilfamilie linienstilfamilie(int style);
// A style whose pattern follows the pen width (complex patterns 12..31, 91..124).
inline bool istKomplexerStil(int style) {
  return linienstilfamilie(style) == Linienstilfamilie::Komplex;
}

// Dashes: entries alternate drawn and gap, starting with drawn; a drawn entry
// of 0 is a dot. Built-in slots count in pen widths, user slots in mm.
struct Strichmuster {
  int dashCount = 0;  // 0..12
  double dashPeriod = 0;
  std::array<double, linienstil::kEintraege> dash{};

  // Sets count and entries and the period as their sum. Entries that are not
  // finite or negative become 0, more than 12 are dropped.
  void setze(std::span<const double> eintraege);
  bool operator==(const Strichmuster&) const = default;
};

struct EinfachesMuster {
  std::string name;
  Strichmuster muster;           // in mm
  std::uint8_t dxfLineType = 0;  // line type used by the DXF export
  bool operator==(const EinfachesMuster&) const = default;
};

struct KomplexesMuster {
  static constexpr double KleinsteAbschnittslaenge = 0.01;  // mm
  static constexpr double GroessteAbschnittslaenge = 10;

  std::string name;
  std::uint8_t fixedSection = 0;  // 1: sectionLength counts, 0: it follows the pen
  double sectionLength = 1.0;     // mm
  std::array<std::uint8_t, linienstil::kEintraege> section{};
  bool operator==(const KomplexesMuster&) const = default;
};

class Linienstiltabelle {
 public:
  // The start-up state before any file is read: built-in defaults for both
  // kinds of user patterns.
  Linienstiltabelle();

  static std::string einfacherStandardname(int nummer);  // "Selbstdefiniert 1"
  static std::string komplexerStandardname(int nummer);  // "Komplexes Muster 1"
  static EinfachesMuster einfacheVorgabe(int nummer);    // six entries of 2.0 mm
  static KomplexesMuster komplexeVorgabe(int nummer);

  void setzeEinfacheVorgaben();
  void setzeKomplexeVorgaben();

  // Patterns by number 1..20; out-of-range numbers are clamped.
  EinfachesMuster& einfaches(int nummer);
  const EinfachesMuster& einfaches(int nummer) const;
  KomplexesMuster& komplexes(int nummer);
  const KomplexesMuster& komplexes(int nummer) const;

  // Dash slot 2..9 (built-in) or 12..31 (simple user pattern s - 11); other
  // slots give an empty pattern.
  const Strichmuster& slot(int s) const;
  // The dash pattern a style draws with, nullptr when it has none.
  const Strichmuster* strichmuster(int style) const;
  // The 12 section codes of a complex style (12..31 or 91..124); all zero
  // for other styles.
  std::array<std::uint16_t, linienstil::kEintraege> abschnitte(int style) const;
  // The user pattern behind a complex style 12..31, nullptr otherwise.
  const KomplexesMuster* komplexesMuster(int style) const;

  // Names for pickers: user patterns by their names, predefined by theirs.
  std::string name(int style) const;

  std::array<EinfachesMuster, linienstil::kMuster> einfach;
  std::array<KomplexesMuster, linienstil::kMuster> komplex;

  bool operator==(const Linienstiltabelle&) const = default;
};

// The built-in dash slots 2..9 (lengths in pen widths).
const Strichmuster& eingebautesStrichmuster(int slot);
// The predefined complex patterns: 12 codes and the line-type name that the
// CAD import maps onto the style (lower case, as the import compares it).
std::span<const std::uint16_t, linienstil::kEintraege> vordefinierteAbschnitte(int style);
std::string_view vordefinierterName(int style);

}  // namespace quarzel
