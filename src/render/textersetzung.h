// Textersetzung: text lines that stand for something else. A line of a text
// that is exactly a project-data placeholder ("$ProjName") is drawn,
// printed and exported with what it stands for, which is how title blocks
// are filled in. The renderer and the DXF export ask for every line of a
// text or comment; the project data (project/, above the renderer) answer.
// Without an answerer texts come out as typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

struct Zeichnung;

class Textersetzung {
 public:
  virtual ~Textersetzung() = default;
  // What line `zeile` of text element n comes out as; nullopt: as typed. A
  // result of several lines holds '\n' between them.
  virtual std::optional<std::string> ersetze(const Zeichnung& zeichnung, std::int32_t n,
                                             std::string_view zeile) const = 0;
};

// The lines of text element n as they come out: its own, or with every line
// that stands for something replaced by the lines it stands for. Texts
// without such a line are not copied.
class AusgegebeneZeilen {
 public:
  AusgegebeneZeilen(const Zeichnung& zeichnung, std::int32_t n, const Textersetzung* ersetzung);
  AusgegebeneZeilen(const AusgegebeneZeilen&) = delete;
  AusgegebeneZeilen& operator=(const AusgegebeneZeilen&) = delete;

  const std::vector<std::string>& zeilen() const { return *zeilen_; }

 private:
  std::vector<std::string> ersetzt_;
  const std::vector<std::string>* zeilen_;
};

}  // namespace quarzel
