// What the drawing file's writer and reader share: the record tags, the
// current attribute values that attribute records change, and the helpers
// that put fill settings and text into records.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/bytestrom.h"
#include "store/datensaetze.h"

namespace quarzel::datei {

inline constexpr const char* Signatur = "ZEI.01";
inline constexpr std::uint16_t Version = 11;

// Record tags: single bytes of Windows-1252.
namespace tag {
inline constexpr std::uint8_t Ende = 'Z';
inline constexpr std::uint8_t Farbe = 'C', Attribut = '-', Ebene = 'H', Folie = 'E', Stift = 'P';
inline constexpr std::uint8_t Stil8 = 'S', Stil16 = 's', Linienenden = 'q', Polygonenden = '9';
inline constexpr std::uint8_t Muster = '%', Fuellwert = 'w', Schraffurwert = 'y', Textoptionen = 'd';
inline constexpr std::uint8_t Linie = 'L', LinieAlt = 'R', Wand2 = 'W', Wand1 = 'O', Linie3d = '3';
inline constexpr std::uint8_t Bogen = 'B', BogenGefuellt = 'b', Bezier = 'K', BezierGefuellt = 'k';
inline constexpr std::uint8_t Polygon = 'F', PolygonGefuellt = 'f', Spline = 'A', SplineGefuellt = 'a';
inline constexpr std::uint8_t Verlauf = 'V', BemassungAlt = 'M', Bemassung = 'e';
inline constexpr std::uint8_t TextAlt = 'T', Text = 'D', Kommentar = 'o';
inline constexpr std::uint8_t Gruppenanfang = 'G', Gruppenende = 'Y';
inline constexpr std::uint8_t BitmapAlt = 'I', Bitmap = 0xD6 /* Ö */, FuellungAlt = 'i', FuellungAlt6 = 0xF6 /* ö */;
inline constexpr std::uint8_t Metafile = 'J', MetafileAlt = 'j', Bitmapoption = 0xDC /* Ü */;
// Private records of this program (older readers skip them at the marker).
inline constexpr std::uint8_t Bezug = '@', Langtext = '$';
}  // namespace tag

// The current values that attribute records set; writer and reader start
// from the same values, so the writer emits a record only on a change.
struct Attributzustand {
  Farbe farbe = 0;
  std::uint32_t attribut = 0;
  std::uint8_t attributFlag = 0;
  std::uint8_t ebene = 1;
  std::uint8_t folie = 1;
  std::uint8_t stift = 1;
  std::int16_t stil = 1;
  std::uint8_t linienAnfang = 0, linienEnde = 0;
  std::uint8_t polygonAnfang = 0, polygonEnde = 0;
  std::uint32_t muster = 0;
  std::uint8_t musterFlag = 0;
  std::uint32_t fuellwert = 0;      // "w": the hatch angle of filled elements (float bits)
  std::uint16_t schraffurwert = 0;  // "y": the third hatch parameter
  float texthoehe = 3.5f;           // "d"
  std::array<std::uint8_t, 4> textstil{};
};

// The hatch block of filled arcs, polygons, splines and Béziers.
void schreibeSchraffurblock(Schreibstrom& s, const Fuellangaben& f);
void leseSchraffurblock(Lesestrom& l, Fuellangaben& f);

// Text lines travel as one string with CR LF between the lines.
std::string verbindeZeilen(const std::vector<std::string>& zeilen);
std::vector<std::string> trenneZeilen(const std::string& text);

}  // namespace quarzel::datei
