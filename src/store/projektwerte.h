// Projektwerte: the values of a drawing's project data, one text per row —
// who ordered the work, the project, who drew it, the change entries. The
// store keeps them with the drawing and saves them in its file (record "p");
// what a row means, the placeholders that show the values in texts and the
// dialog that edits them belong to project/. A value of several lines holds
// '\n' between its lines.
#pragma once

#include <array>
#include <string>

namespace quarzel {

struct Projektwerte {
  static constexpr int Zeilenzahl = 58;
  // The one row the store fills itself: the file's name, on every save the
  // user makes.
  static constexpr int ZeileDateiname = 11;

  std::array<std::string, Zeilenzahl> werte;

  bool operator==(const Projektwerte&) const = default;
};

}  // namespace quarzel
