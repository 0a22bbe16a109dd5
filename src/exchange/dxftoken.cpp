// DxfToken: splitting ASCII lines and decoding binary values.
#include "exchange/dxftoken.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace quarzel {

namespace {

constexpr std::string_view kBinaerKennung{"AutoCAD Binary DXF\r\n\x1a\0", 22};
// Far beyond any value a writer produces; a longer line is damage, and
// stopping early keeps a corrupt file from being scanned as one value.
constexpr std::size_t kHoechsteZeilenlaenge = 65536;

enum class Typ { Text, Zahl, Int16, Int32, Int64, Bool, Binaer };

// The value type of a binary pair, by its group code.
Typ typVon(int c) {
  if (c >= 10 && c <= 59) return Typ::Zahl;
  if (c >= 60 && c <= 79) return Typ::Int16;
  if (c >= 90 && c <= 99) return Typ::Int32;
  if (c >= 110 && c <= 149) return Typ::Zahl;
  if (c >= 160 && c <= 169) return Typ::Int64;
  if (c >= 170 && c <= 179) return Typ::Int16;
  if (c >= 210 && c <= 239) return Typ::Zahl;
  if (c >= 270 && c <= 289) return Typ::Int16;
  if (c >= 290 && c <= 299) return Typ::Bool;
  if (c >= 310 && c <= 319) return Typ::Binaer;
  if (c >= 370 && c <= 389) return Typ::Int16;
  if (c >= 400 && c <= 409) return Typ::Int16;
  if (c >= 420 && c <= 429) return Typ::Int32;
  if (c >= 440 && c <= 459) return Typ::Int32;
  if (c >= 460 && c <= 469) return Typ::Zahl;
  if (c == 1004) return Typ::Binaer;
  if (c >= 1010 && c <= 1059) return Typ::Zahl;
  if (c >= 1060 && c <= 1070) return Typ::Int16;
  if (c == 1071) return Typ::Int32;
  return Typ::Text;
}

std::string_view getrimmt(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

template <typename T>
T klein(const char* p) {
  T wert;
  std::memcpy(&wert, p, sizeof(T));  // the files are little-endian, as is every target
  return wert;
}

}  // namespace

DxfToken::DxfToken(std::string_view daten) : daten_(daten) {
  if (daten_.starts_with(kBinaerKennung)) {
    binaer_ = true;
    pos_ = kBinaerKennung.size();
    // Every file starts with the pair 0/"SECTION": a letter right after the
    // first code byte tells the one-byte codes of the old files.
    einByteCodes_ = pos_ + 1 < daten_.size() && daten_[pos_ + 1] != '\0';
  }
}

bool DxfToken::scheitern(std::string text) {
  if (fehler_.empty()) fehler_ = std::move(text);
  pos_ = daten_.size();
  return false;
}

bool DxfToken::naechstes(DxfPaar& paar) {
  if (!fehler_.empty()) return false;
  if (pos_ >= naechsteMeldung_) {
    constexpr std::size_t kSchritt = 4u << 20;
    if (gelesen && pos_ > 0) gelesen(pos_);
    naechsteMeldung_ = pos_ + kSchritt;
  }
  return binaer_ ? naechstesBinaer(paar) : naechstesAscii(paar);
}

bool DxfToken::zeileLesen(std::string_view& zeile) {
  if (pos_ >= daten_.size()) return false;
  std::size_t rest = daten_.size() - pos_;
  std::size_t suche = rest < kHoechsteZeilenlaenge + 2 ? rest : kHoechsteZeilenlaenge + 2;
  const void* nl = std::memchr(daten_.data() + pos_, '\n', suche);
  std::size_t laenge;
  std::size_t weiter;
  if (nl) {
    laenge = static_cast<const char*>(nl) - (daten_.data() + pos_);
    weiter = laenge + 1;
  } else if (rest <= kHoechsteZeilenlaenge) {
    laenge = rest;  // the last line may end without a line break
    weiter = rest;
  } else {
    ++zeile_;
    return scheitern("Zeile " + std::to_string(zeile_) + " der DXF-Datei ist zu lang.");
  }
  zeile = daten_.substr(pos_, laenge);
  if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
  pos_ += weiter;
  ++zeile_;
  return true;
}

bool DxfToken::naechstesAscii(DxfPaar& paar) {
  std::string_view codeZeile;
  do {
    if (!zeileLesen(codeZeile)) return false;
    // Blank lines between pairs occur at the end of some files.
  } while (getrimmt(codeZeile).empty() && pos_ < daten_.size());
  codeZeile = getrimmt(codeZeile);
  if (codeZeile.empty()) return false;
  int code = 0;
  auto [ende, fehler] = std::from_chars(codeZeile.data(), codeZeile.data() + codeZeile.size(), code);
  if (fehler != std::errc() || ende != codeZeile.data() + codeZeile.size() || code < 0 || code > 1071)
    return wiederaufsetzen(paar, zeile_);
  std::string_view wert;
  if (!zeileLesen(wert)) {
    if (!fehler_.empty()) return false;
    return scheitern("Die DXF-Datei endet unerwartet nach Zeile " + std::to_string(zeile_) + ".");
  }
  paar.code = code;
  paar.text = wert;
  paar.binaerZahl = false;
  return true;
}

namespace {

// The name after a code 0: an object, a section mark or EOF.
bool istObjektname(std::string_view zeile) {
  if (zeile.empty() || zeile.size() > 64 || zeile[0] < 'A' || zeile[0] > 'Z') return false;
  for (char c : zeile)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

}  // namespace

// A text value that broke across lines (some writers let a line break through)
// throws the pairs out of step. The next "0" line followed by an object name
// puts them back in step; the damaged object is dropped by the reader.
bool DxfToken::wiederaufsetzen(DxfPaar& paar, std::size_t schadenszeile) {
  std::string_view zeile;
  bool nullGelesen = false;
  while (zeileLesen(zeile)) {
    if (nullGelesen && istObjektname(zeile)) {
      if (warnung_.empty())
        warnung_ = "Ungültiger Gruppencode in Zeile " + std::to_string(schadenszeile) +
                   " der DXF-Datei; das beschädigte Objekt wurde übersprungen.";
      ++wiederaufsetzungen_;
      paar.code = 0;
      paar.text = zeile;
      paar.binaerZahl = false;
      return true;
    }
    nullGelesen = getrimmt(zeile) == "0";
  }
  if (!fehler_.empty()) return false;
  return scheitern("Ungültiger Gruppencode in Zeile " + std::to_string(schadenszeile) + " der DXF-Datei.");
}

bool DxfToken::naechstesBinaer(DxfPaar& paar) {
  if (pos_ >= daten_.size()) return false;
  auto fehlt = [&](std::size_t n) { return daten_.size() - pos_ < n; };
  auto abgeschnitten = [&] {
    return scheitern("Die DXF-Datei endet unerwartet bei Byte " + std::to_string(pos_) + ".");
  };
  const char* p = daten_.data() + pos_;
  int code = 0;
  std::size_t codelaenge = 2;
  if (einByteCodes_ && static_cast<unsigned char>(*p) != 255) {
    code = static_cast<unsigned char>(*p);
    codelaenge = 1;
  } else {
    std::size_t versatz = einByteCodes_ ? 1 : 0;
    codelaenge = 2 + versatz;
    if (fehlt(codelaenge)) return abgeschnitten();
    code = klein<std::uint16_t>(p + versatz);
  }
  if (code > 1071) return scheitern("Ungültiger Gruppencode bei Byte " + std::to_string(pos_) + " der DXF-Datei.");
  pos_ += codelaenge;
  p += codelaenge;
  paar.code = code;
  paar.text = {};
  paar.binaerZahl = true;
  auto zahlen = [&](std::size_t n, auto wert) {
    if (fehlt(n)) return abgeschnitten();
    paar.ganz = static_cast<std::int64_t>(wert);
    paar.zahl = static_cast<double>(wert);
    pos_ += n;
    return true;
  };
  switch (typVon(code)) {
    case Typ::Zahl: {
      if (fehlt(8)) return abgeschnitten();
      double d = klein<double>(p);
      if (!std::isfinite(d)) return scheitern("Ungültige Zahl bei Byte " + std::to_string(pos_) + " der DXF-Datei.");
      paar.zahl = d;
      paar.ganz = 0;
      pos_ += 8;
      return true;
    }
    case Typ::Int16:
      return fehlt(2) ? abgeschnitten() : zahlen(2, klein<std::int16_t>(p));
    case Typ::Int32:
      return fehlt(4) ? abgeschnitten() : zahlen(4, klein<std::int32_t>(p));
    case Typ::Int64:
      return fehlt(8) ? abgeschnitten() : zahlen(8, klein<std::int64_t>(p));
    case Typ::Bool:
      return fehlt(1) ? abgeschnitten() : zahlen(1, static_cast<unsigned char>(*p));
    case Typ::Binaer: {
      if (fehlt(1)) return abgeschnitten();
      std::size_t n = static_cast<unsigned char>(*p);
      if (fehlt(1 + n)) return abgeschnitten();
      paar.text = daten_.substr(pos_ + 1, n);
      paar.binaerZahl = false;
      pos_ += 1 + n;
      return true;
    }
    case Typ::Text: {
      const void* null = std::memchr(p, '\0', daten_.size() - pos_);
      if (!null) return abgeschnitten();
      std::size_t n = static_cast<const char*>(null) - p;
      paar.text = daten_.substr(pos_, n);
      paar.binaerZahl = false;
      pos_ += n + 1;
      return true;
    }
  }
  return abgeschnitten();
}

double DxfToken::zahl(const DxfPaar& paar) {
  if (paar.binaerZahl) return paar.zahl;
  std::string_view s = getrimmt(paar.text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double d = 0;
  auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), d);
  if (fehler != std::errc() || ende != s.data() + s.size() || !std::isfinite(d)) {
    scheitern("Ungültige Zahl in Zeile " + std::to_string(zeile_) + " der DXF-Datei.");
    return 0;
  }
  return d;
}

std::int64_t DxfToken::ganzzahl(const DxfPaar& paar) {
  if (paar.binaerZahl) return paar.ganz;
  std::string_view s = getrimmt(paar.text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  std::int64_t i = 0;
  auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), i);
  if (fehler != std::errc() || ende != s.data() + s.size()) {
    scheitern("Ungültige Zahl in Zeile " + std::to_string(zeile_) + " der DXF-Datei.");
    return 0;
  }
  return i;
}

}  // namespace quarzel
