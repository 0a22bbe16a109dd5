// DxfText: code pages, escapes and the control codes of texts.
#include "exchange/dxftext.h"

#include <cstdint>

namespace quarzel {

namespace {

// The upper halves of the Windows code pages; bytes a page leaves undefined
// stand for themselves.
// clang-format off
constexpr char16_t kCp1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};
constexpr char16_t kCp1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
constexpr char16_t kCp1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
constexpr char16_t kCp1253[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x008D, 0x008E, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x009D, 0x009E, 0x009F,
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,
    0x03A0, 0x03A1, 0x00D2, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0x00FF,
};
// clang-format on

const char16_t* tabelle(DxfKodierung k) {
  switch (k) {
    case DxfKodierung::Cp1250:
      return kCp1250;
    case DxfKodierung::Cp1251:
      return kCp1251;
    case DxfKodierung::Cp1253:
      return kCp1253;
    case DxfKodierung::Cp1252:
      return kCp1252;
    case DxfKodierung::Utf8:
      break;
  }
  return nullptr;
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

void utf8Anhaengen(std::string& aus, char32_t z) {
  if (z < 0x80) {
    aus += static_cast<char>(z);
  } else if (z < 0x800) {
    aus += static_cast<char>(0xC0 | (z >> 6));
    aus += static_cast<char>(0x80 | (z & 0x3F));
  } else if (z < 0x10000) {
    aus += static_cast<char>(0xE0 | (z >> 12));
    aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (z & 0x3F));
  } else {
    aus += static_cast<char>(0xF0 | (z >> 18));
    aus += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
    aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (z & 0x3F));
  }
}

DxfKodierung dxfKodierung(std::string_view codepage) {
  auto endetMit = [&](std::string_view n) { return codepage.size() >= n.size() && codepage.ends_with(n); };
  if (endetMit("1250")) return DxfKodierung::Cp1250;
  if (endetMit("1251")) return DxfKodierung::Cp1251;
  if (endetMit("1253")) return DxfKodierung::Cp1253;
  return DxfKodierung::Cp1252;
}

std::string dxfText(std::string_view roh, DxfKodierung kodierung) {
  const char16_t* obereHaelfte = tabelle(kodierung);
  std::string aus;
  aus.reserve(roh.size());
  for (std::size_t i = 0; i < roh.size(); ++i) {
    auto c = static_cast<unsigned char>(roh[i]);
    if (c == '\\') {
      long z = unicodeEscape(roh, i);
      if (z >= 0) {
        utf8Anhaengen(aus, static_cast<char32_t>(z));
        i += 6;
        continue;
      }
    }
    if (c < 0x80) {
      aus += static_cast<char>(c);
    } else if (!obereHaelfte) {
      // Writers that claim UTF-8 and still write Windows-1252 exist; such a
      // byte is taken as that, so the text stays readable and well-formed.
      std::size_t n = utf8Laenge(roh, i);
      if (n == 0) {
        utf8Anhaengen(aus, kCp1252[c - 0x80]);
      } else {
        aus.append(roh.substr(i, n));
        i += n - 1;
      }
    } else {
      utf8Anhaengen(aus, obereHaelfte[c - 0x80]);
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
      utf8Anhaengen(aus, z);
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
      utf8Anhaengen(aus, z);
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
      utf8Anhaengen(aus, static_cast<char32_t>(z));
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
        utf8Anhaengen(aus, U'\u00A0');
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
        utf8Anhaengen(aus, U'\uFFFD');
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
