// Measures what a PDF file of Qt's writer shows: page sizes and the stroked
// segments of its content in points, so print tests can check true scale and
// line widths on the file itself.
#pragma once

#include <string>
#include <vector>

namespace quarzel::test {

struct Pdfinhalt {
  std::vector<std::pair<double, double>> seiten;  // width × height of each page, points
  struct Strecke {
    double laenge, breite;  // points; width 0 is a hairline
  };
  std::vector<Strecke> strecken;  // every "m … l" segment of every page
};

// Reads the pages' media boxes and the content streams (Flate or plain) of
// a file written by QPrinter or QPdfWriter, which scale their content with one
// uniform "cm" at the start of each page.
Pdfinhalt lesePdf(const std::string& pfad);

}  // namespace quarzel::test
