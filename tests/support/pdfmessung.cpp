#include "support/pdfmessung.h"

#include <zlib.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace quarzel::test {

namespace {

// The stream's text: inflated, or as it is when it is not compressed.
std::string entpacke(const std::string& daten) {
  std::string aus(std::max<std::size_t>(daten.size() * 50, 1 << 20), '\0');
  uLongf laenge = static_cast<uLongf>(aus.size());
  if (uncompress(reinterpret_cast<Bytef*>(aus.data()), &laenge, reinterpret_cast<const Bytef*>(daten.data()),
                 static_cast<uLong>(daten.size())) != Z_OK)
    return daten;
  return aus.substr(0, laenge);
}

void leseInhalt(const std::string& text, std::vector<Pdfinhalt::Strecke>& strecken) {
  std::istringstream ein(text);
  std::vector<double> z;  // the operands of the next operator
  double massstab = 0, breite = 0, x = 0, y = 0;
  for (std::string wort; ein >> wort;) {
    char* ende = nullptr;
    const double v = std::strtod(wort.c_str(), &ende);
    if (ende != wort.c_str() && *ende == '\0') {
      z.push_back(v);
      continue;
    }
    const std::size_t n = z.size();
    if (wort == "cm" && n >= 6 && massstab == 0) massstab = std::hypot(z[n - 6], z[n - 5]);
    if (wort == "w" && n >= 1) breite = z[n - 1];
    if (wort == "l" && n >= 2)
      strecken.push_back({std::hypot(z[n - 2] - x, z[n - 1] - y) * massstab, breite * massstab});
    if ((wort == "m" || wort == "l") && n >= 2) x = z[n - 2], y = z[n - 1];
    z.clear();
  }
}

}  // namespace

Pdfinhalt lesePdf(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
  Pdfinhalt inhalt;
  static const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
  for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator(); ++it)
    inhalt.seiten.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
  static const std::regex strom(R"(>>\s*stream\r?\n)");
  for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), strom); it != std::sregex_iterator(); ++it) {
    const std::size_t start = static_cast<std::size_t>(it->position() + it->length());
    const std::size_t ende = pdf.find("endstream", start);
    if (ende != std::string::npos) leseInhalt(entpacke(pdf.substr(start, ende - start)), inhalt.strecken);
  }
  return inhalt;
}

}  // namespace quarzel::test
