#include "macro/quelltokenizer.h"

namespace quarzel {

namespace {

bool istLeer(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

void zerlegeZeile(std::string_view zeile, std::vector<Quellstueck>& stuecke) {
  stuecke.clear();
  const std::size_t n = zeile.size();
  std::size_t pos = 0;
  while (pos < n) {
    if (istLeer(zeile[pos])) {
      ++pos;
      continue;
    }
    Quellstueck s;
    s.anfang = pos;
    if (zeile[pos] == '(') {
      s.art = Stueckart::Literal;
      // The counter is as wide as the line, so no nesting depth can overflow it.
      std::size_t tiefe = 1;
      std::size_t j = pos + 1;
      for (; j < n; ++j) {
        if (zeile[j] == '(') {
          ++tiefe;
        } else if (zeile[j] == ')' && --tiefe == 0) {
          break;
        }
      }
      s.geschlossen = j < n;
      pos = s.geschlossen ? j + 1 : n;
    } else if (zeile[pos] == '%') {
      s.art = Stueckart::Kommentar;
      pos = n;
    } else {
      s.art = Stueckart::Wort;
      while (pos < n && !istLeer(zeile[pos])) ++pos;
    }
    s.laenge = pos - s.anfang;
    stuecke.push_back(s);
  }
}

std::vector<Quellstueck> zerlegeZeile(std::string_view zeile) {
  std::vector<Quellstueck> stuecke;
  zerlegeZeile(zeile, stuecke);
  return stuecke;
}

std::string literaltext(std::string_view zeile, const Quellstueck& stueck) {
  if (stueck.art != Stueckart::Literal || stueck.laenge == 0 || stueck.ende() > zeile.size()) return {};
  const std::size_t innen = stueck.laenge - 1 - (stueck.geschlossen ? 1 : 0);
  std::string text(zeile.substr(stueck.anfang + 1, innen));
  for (char& c : text) {
    if (c == '\t') c = ' ';
  }
  return text;
}

}  // namespace quarzel
