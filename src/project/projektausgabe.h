// Projektausgabe: what the project data come out as — the value of a row
// and of a placeholder, and the text lines that are placeholders, on screen,
// on paper and in every export.
//
// A line that is exactly a placeholder comes out as the row's value:
// computed rows (file name, layer names and numbers, scales, sheet name,
// today's date, the text's own place) as they are at that moment, every
// other row as stored. On screen with "&Platzhalter" on, the rows 0 … 46
// show as "$" + meaning + "$" instead; the computed rows of a text's own
// place and layer (47 … 57) then show as typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "render/textersetzung.h"

namespace quarzel {

struct Zeichnung;

// The value row `zeile` comes out as, `heute` being today's date as the
// fields show it. Rows about a text's own place and layer (49 … 51, 55 … 57)
// need the text element `text`; without one (0) they give the stored value.
// An unknown row gives "".
std::string projektwert(const Zeichnung& zeichnung, int zeile, std::string_view heute, std::int32_t text = 0);
// The same with today's date: what a macro reads.
std::string projektwert(const Zeichnung& zeichnung, int zeile);
// The value of a placeholder ("$ProjName"); nullopt when it is none.
std::optional<std::string> platzhalterwert(const Zeichnung& zeichnung, std::string_view platzhalter);

// The text lines of one output: the screen (with or without "&Platzhalter")
// or paper and export files, which always show the values.
class Projektdatenersetzung final : public Textersetzung {
 public:
  explicit Projektdatenersetzung(std::string heute, bool platzhalterZeigen = false)
      : heute_(std::move(heute)), platzhalterZeigen_(platzhalterZeigen) {}

  std::optional<std::string> ersetze(const Zeichnung& zeichnung, std::int32_t n, std::string_view zeile) const override;

 private:
  std::string heute_;
  bool platzhalterZeigen_;
};

}  // namespace quarzel
