#include "exchange/dxfzuordnung.h"

#include <array>
#include <cstdio>

#include "base/textkodierung.h"
#include "exchange/cadmodell.h"
#include "store/ebenen.h"
#include "styles/linienstile.h"

namespace quarzel {

namespace {

// The first name of the import's line-type table for the dash styles 2..9.
constexpr std::array<std::string_view, 8> kStrichnamen = {"gestrichelt",     "verdeckt",    "punktiert", "rand",
                                                          "strichpunktiert", "mittellinie", "phantom",   "trennlinie"};

constexpr std::array<int, 24> kStaerken = {0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                           53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

bool dxfUnsicher(char c) {
  return std::string_view("<>/\\\":;?*|=`").find(c) != std::string_view::npos;
}

}  // namespace

std::string dxfLayername(const Ebenen& ebenen, int ebene, int folie) {
  std::string name = ebenen.name(ebene);
  if (name.empty()) name = std::to_string(ebene);
  std::string teil = ebenen.folienname(ebene, folie);
  if (teil.empty()) teil = std::to_string(folie);
  for (char& c : name)
    if (dxfUnsicher(c)) c = '_';
  for (char& c : teil)
    if (dxfUnsicher(c) || c == kDxfEbenentrenner) c = '_';
  return name + kDxfEbenentrenner + teil;
}

DxfLinientyp dxfLinientyp(const Linienstiltabelle& stile, int stil) {
  const int s = linienstilBetrag(stil);
  DxfLinientyp t;
  if (s == linienstil::kDurchgezogen) {
    t.name = "CONTINUOUS";
    return t;
  }
  if (s >= 2 && s <= 9) {
    t.name = std::string(kStrichnamen[static_cast<std::size_t>(s - 2)]);
  } else if (const std::string_view v = vordefinierterName(s); !v.empty()) {
    t.name = std::string(v);
  } else {
    t.name = "QUARZEL_" + std::to_string(s);
  }
  // Complex and special lines have no dash pattern a DXF line type can hold;
  // they keep their name and draw continuous elsewhere.
  if (linienstilfamilie(s) != Linienstilfamilie::Strichmuster) return t;
  const Strichmuster* m = stile.strichmuster(s);
  if (m == nullptr) return t;
  t.inStiftbreiten = s <= 9;
  for (int i = 0; i < m->dashCount; ++i) {
    const double e = m->dash[static_cast<std::size_t>(i)];
    t.elemente.push_back(i % 2 == 0 ? e : -e);
  }
  // A pattern must end on a gap; an odd count repeats with its gap missing.
  if (t.elemente.size() % 2 == 1) t.elemente.push_back(0);
  return t;
}

int dxfLinienstaerke(double breiteMm) {
  const double h = breiteMm * 100;
  int beste = 0;
  for (int w : kStaerken)
    if (std::abs(w - h) < std::abs(beste - h)) beste = w;
  return beste;
}

int naechsteAci(std::uint32_t rrggbb) {
  const int r = static_cast<int>(rrggbb >> 16 & 0xFF), g = static_cast<int>(rrggbb >> 8 & 0xFF),
            b = static_cast<int>(rrggbb & 0xFF);
  int beste = 7;
  long besterAbstand = -1;
  for (int i = 1; i <= 255; ++i) {
    const std::uint32_t c = aciRgb(i);
    const long dr = static_cast<long>(c >> 16 & 0xFF) - r, dg = static_cast<long>(c >> 8 & 0xFF) - g,
               db = static_cast<long>(c & 0xFF) - b;
    const long d = dr * dr + dg * dg + db * db;
    if (besterAbstand < 0 || d < besterAbstand) {
      besterAbstand = d;
      beste = i;
    }
  }
  return beste;
}

std::string dxfTextwert(std::string_view utf8) {
  std::string aus;
  aus.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      if (c >= 0x20 && c != 0x7F) aus += static_cast<char>(c);
      ++i;
      continue;
    }
    std::size_t laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (i + laenge > utf8.size()) laenge = utf8.size() - i;
    const std::string_view zeichen = utf8.substr(i, laenge);
    i += laenge;
    const std::string ansi = nachCp1252(zeichen);
    if (ansi.size() == 1 && ansi != "?") {
      aus += ansi;
      continue;
    }
    std::uint32_t z = laenge == 2 ? c & 0x1F : laenge == 3 ? c & 0x0F : c & 0x07;
    for (std::size_t k = 1; k < zeichen.size(); ++k) z = z << 6 | (static_cast<unsigned char>(zeichen[k]) & 0x3F);
    char b[16];
    std::snprintf(b, sizeof b, "\\U+%04X", static_cast<unsigned>(z));
    aus += b;
  }
  return aus;
}

}  // namespace quarzel
