// The drawing statistics: elements per kind, split into the drawing proper
// and the undo/redo store.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "store/elementspeicher.h"

namespace quarzel {

struct Statistikzeile {
  std::string_view name;  // German row name, e.g. "Linien"
  std::int64_t zeichnung = 0;
  std::int64_t undoRedo = 0;
  std::int64_t gesamt() const { return zeichnung + undoRedo; }
};

// Thirteen kind rows in their fixed order, then "Gesamt".
using Statistik = std::array<Statistikzeile, 14>;

inline constexpr std::string_view StatistikSpalten[] = {"Zeichnung", "Undo-/Redospeicher", "Gesamt"};

Statistik zeichnungsstatistik(const Elementspeicher& speicher);

}  // namespace quarzel
