#include "store/dateiformat.h"

#include <bit>

namespace quarzel::datei {

void schreibeSchraffurblock(Schreibstrom& s, const Fuellangaben& f) {
  s.kurzString(f.schraffurName.empty() ? "()" : f.schraffurName);
  s.u8(f.fuellflag);
  s.u32(f.fuellwert);
  s.u16(f.schraffurWert1);
  s.u8(f.schraffurWert2);
  s.u8(f.gefuellt);
}

void leseSchraffurblock(Lesestrom& l, Fuellangaben& f) {
  f.schraffurName = l.kurzString();
  if (f.schraffurName == "()") f.schraffurName.clear();
  f.fuellflag = l.u8();
  f.fuellwert = l.u32();
  f.schraffurWert1 = l.u16();
  f.schraffurWert2 = l.u8();
  f.gefuellt = l.u8();
}

std::string verbindeZeilen(const std::vector<std::string>& zeilen) {
  std::string text;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (i) text += "\r\n";
    text += zeilen[i];
  }
  return text;
}

std::vector<std::string> trenneZeilen(const std::string& text) {
  std::vector<std::string> zeilen;
  if (text.empty()) return zeilen;
  std::size_t anfang = 0;
  while (zeilen.size() < 256) {
    const std::size_t ende = text.find("\r\n", anfang);
    if (ende == std::string::npos) {
      zeilen.push_back(text.substr(anfang));
      break;
    }
    zeilen.push_back(text.substr(anfang, ende - anfang));
    anfang = ende + 2;
  }
  return zeilen;
}

}  // namespace quarzel::datei
