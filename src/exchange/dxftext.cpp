// DxfText: code pages, escapes and the control codes of texts.
#include "exchange/dxftext.h"

#include <cstdint>
#include <optional>

#include "base/codeseiten.h"
#include "base/textkodierung.h"

namespace quarzel {

namespace {

// The Windows code page of a text, none for UTF-8.
std::optional<Codeseite> codeseite(DxfKodierung k) {
  switch (k) {
    case DxfKodierung::Cp1250:
      return Codeseite::Windows1250;
    case DxfKodierung::Cp1251:
      return Codeseite::Windows1251;
    case DxfKodierung::Cp1253:
      return Codeseite::Windows1253;
    case DxfKodierung::Cp1252:
      return Codeseite::Windows1252;
    case DxfKodierung::Utf8:
      break;
  }
  return std::nullopt;
}

int hexwert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code point of "\U+XXXX" at `i`, or -1.
long unicodeEscape(std::string_view s, std::size_t i) {
  if (i + 7 > s.size() || s[i] != '\\' || (s[i + 1] != 'U' && s[i + 1] != 'u') || s[i + 2] != '+') return -1;
  long z = 0;
  for (std::size_t k = i + 3; k < i + 7; ++k) {
    int h = hexwert(s[k]);
    if (h < 0) return -1;
    z = z * 16 + h;
  }
  return z >= 0xD800 && z <= 0xDFFF ? 0xFFFD : z;  // half a surrogate pair is no character
}

// "%%c", "%%d", "%%p" at `i`: the sign, else 0.
char32_t prozentzeichen(std::string_view s, std::size_t i) {
  if (i + 3 > s.size() || s[i] != '%' || s[i + 1] != '%') return 0;
  switch (s[i + 2]) {
    case 'c':
    case 'C':
      return U'\u00D8';
    case 'd':
    case 'D':
      return U'\u00B0';
    case 'p':
    case 'P':
      return U'\u00B1';
    case '%':
      return U'%';
    default:
      return 0;
  }
}

// The length of the well-formed UTF-8 sequence at `i`, or 0.
std::size_t utf8Laenge(std::string_view s, std::size_t i) {
  auto c = static_cast<unsigned char>(s[i]);
  std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  auto z1 = static_cast<unsigned char>(s[i + 1]);
  // Overlong forms, surrogates and code points beyond U+10FFFF.
  if ((c == 0xE0 && z1 < 0xA0) || (c == 0xED && z1 >= 0xA0) || (c == 0xF0 && z1 < 0x90) || (c == 0xF4 && z1 >= 0x90))
    return 0;
  return n;
}

// The end of a code's argument: the position after its ';' (or the end).
std::size_t argumentEnde(std::string_view s, std::size_t i) {
  while (i < s.size() && s[i] != ';') ++i;
  return i < s.size() ? i + 1 : i;
}

}  // namespace

DxfKodierung dxfKodierung(std::string_view codepage) {
  auto endetMit = [&](std::string_view n) { return codepage.size() >= n.size() && codepage.ends_with(n); };
  if (endetMit("1250")) return DxfKodierung::Cp1250;
  if (endetMit("1251")) return DxfKodierung::Cp1251;
  if (endetMit("1253")) return DxfKodierung::Cp1253;
  return DxfKodierung::Cp1252;
}

std::string dxfText(std::string_view roh, DxfKodierung kodierung) {
  const std::optional<Codeseite> seite = codeseite(kodierung);
  std::string aus;
  aus.reserve(roh.size());
  for (std::size_t i = 0; i < roh.size(); ++i) {
    auto c = static_cast<unsigned char>(roh[i]);
    if (c == '\\') {
      long z = unicodeEscape(roh, i);
      if (z >= 0) {
        haengeUtf8An(aus, static_cast<char32_t>(z));
        i += 6;
        continue;
      }
    }
    if (c < 0x80) {
      aus += static_cast<char>(c);
    } else if (!seite) {
      // Writers that claim UTF-8 and still write Windows-1252 exist; such a
      // byte is taken as that, so the text stays readable and well-formed.
      std::size_t n = utf8Laenge(roh, i);
      if (n == 0) {
        haengeUtf8An(aus, zeichenDerCodeseite(c, Codeseite::Windows1252));
      } else {
        aus.append(roh.substr(i, n));
        i += n - 1;
      }
    } else {
      haengeUtf8An(aus, zeichenDerCodeseite(c, *seite));
    }
  }
  return aus;
}

std::string dxfText(std::string_view roh, bool ansi) {
  return dxfText(roh, ansi ? DxfKodierung::Cp1252 : DxfKodierung::Utf8);
}

std::string textKlartext(std::string_view s) {
  if (s.find("%%") == std::string_view::npos) return std::string(s);
  std::string aus;
  aus.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (char32_t z = prozentzeichen(s, i)) {
      haengeUtf8An(aus, z);
      i += 2;
    } else if (i + 2 < s.size() && s[i] == '%' && s[i + 1] == '%' &&
               (s[i + 2] == 'u' || s[i + 2] == 'U' || s[i + 2] == 'o' || s[i + 2] == 'O' || s[i + 2] == 'k' ||
                s[i + 2] == 'K')) {
      i += 2;  // underline, overline, strike-through: the import keeps no text styles
    } else {
      aus += s[i];
    }
  }
  return aus;
}

std::string mtextKlartext(std::string_view s) {
  std::string aus;
  aus.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (char32_t z = prozentzeichen(s, i)) {
      haengeUtf8An(aus, z);
      i += 3;
      continue;
    }
    if (c == '{' || c == '}') {
      ++i;  // groups only limit the reach of formatting
      continue;
    }
    if (c == '^' && i + 1 < s.size()) {
      char n = s[i + 1];
      aus += n == 'J' ? '\n' : n == 'I' ? '\t' : n == ' ' ? '^' : n;
      i += 2;
      continue;
    }
    if (c != '\\' || i + 1 >= s.size()) {
      aus += c;
      ++i;
      continue;
    }
    if (long z = unicodeEscape(s, i); z >= 0) {
      haengeUtf8An(aus, static_cast<char32_t>(z));
      i += 7;
      continue;
    }
    char code = s[i + 1];
    i += 2;
    switch (code) {
      case 'P':
      case 'N':
      case 'X':
        aus += '\n';
        break;
      case '~':
        haengeUtf8An(aus, U'\u00A0');
        break;
      case '\\':
      case '{':
      case '}':
        aus += code;
        break;
      case 'L':
      case 'l':
      case 'O':
      case 'o':
      case 'K':
      case 'k':
        break;  // underline, overline, strike-through switches
      case 'M':
        // A character of an East Asian code page ("\M+NXXXX"), without its table here.
        if (i < s.size() && s[i] == '+') i += i + 5 < s.size() ? 6 : s.size() - i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;  // not half a character
        haengeUtf8An(aus, U'\uFFFD');
        break;
      case 'S': {
        std::size_t ende = argumentEnde(s, i);
        std::string_view bruch = s.substr(i, ende - i);
        if (bruch.ends_with(';')) bruch.remove_suffix(1);
        std::size_t trenner = bruch.find_first_of("^/#");
        std::string_view oben = bruch.substr(0, trenner);
        std::string_view unten = trenner == std::string_view::npos ? std::string_view() : bruch.substr(trenner + 1);
        if (!unten.empty() && unten.front() == ' ') unten.remove_prefix(1);  // "^ " after a space in the file
        aus += oben;
        if (!oben.empty() && !unten.empty()) aus += '/';
        aus += unten;
        i = ende;
        break;
      }
      case 'f':
      case 'F':
      case 'H':
      case 'W':
      case 'Q':
      case 'T':
      case 'C':
      case 'c':
      case 'A':
      case 'p':
        i = argumentEnde(s, i);  // font, height, width, slant, tracking, colour, alignment, paragraph
        break;
      default:
        aus += '\\';
        aus += code;
        break;
    }
  }
  return aus;
}

}  // namespace quarzel
