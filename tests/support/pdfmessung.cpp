#include "support/pdfmessung.h"

#include <zlib.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace quarzel::test {

namespace {

std::string entpacke(const std::string& daten) {
  std::string aus(daten.size() * 20 + 1024, '\0');
  for (int versuch = 0; versuch < 6; ++versuch) {
    uLongf laenge = static_cast<uLongf>(aus.size());
    const int r = uncompress(reinterpret_cast<Bytef*>(aus.data()), &laenge,
                             reinterpret_cast<const Bytef*>(daten.data()), static_cast<uLong>(daten.size()));
    if (r == Z_OK) return aus.substr(0, laenge);
    if (r != Z_BUF_ERROR) return daten;  // not compressed
    aus.resize(aus.size() * 4);
  }
  return {};
}

void leseInhalt(const std::string& text, std::vector<Pdfstrecke>& strecken) {
  std::istringstream ein(text);
  std::vector<double> zahlen;
  double massstab = 1, breite = 0, x = 0, y = 0;
  bool massstabGesetzt = false;
  std::string wort;
  while (ein >> wort) {
    char* ende = nullptr;
    const double v = std::strtod(wort.c_str(), &ende);
    if (ende != wort.c_str() && *ende == '\0') {
      zahlen.push_back(v);
      continue;
    }
    if (wort == "cm" && zahlen.size() >= 6 && !massstabGesetzt) {
      massstab = std::hypot(zahlen[zahlen.size() - 6], zahlen[zahlen.size() - 5]);
      massstabGesetzt = true;
    } else if (wort == "w" && !zahlen.empty()) {
      breite = zahlen.back();
    } else if ((wort == "m" || wort == "l") && zahlen.size() >= 2) {
      const double nx = zahlen[zahlen.size() - 2], ny = zahlen.back();
      if (wort == "l") strecken.push_back({std::hypot(nx - x, ny - y) * massstab, breite * massstab});
      x = nx;
      y = ny;
    }
    zahlen.clear();
  }
}

}  // namespace

Pdfinhalt lesePdf(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
  Pdfinhalt inhalt;
  static const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
  for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator(); ++it) {
    inhalt.seiten.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
  }
  for (std::size_t pos = 0; (pos = pdf.find("stream", pos)) != std::string::npos;) {
    std::size_t start = pos + 6;
    if (pdf.compare(pos > 3 ? pos - 3 : 0, 3, "end") == 0) {
      pos = start;
      continue;
    }
    if (start < pdf.size() && pdf[start] == '\r') ++start;
    if (start < pdf.size() && pdf[start] == '\n') ++start;
    const std::size_t ende = pdf.find("endstream", start);
    if (ende == std::string::npos) break;
    leseInhalt(entpacke(pdf.substr(start, ende - start)), inhalt.strecken);
    pos = ende + 9;
  }
  return inhalt;
}

}  // namespace quarzel::test
