// Zeichnungsausgabe: a drawing written as a picture file — PNG, PDF or SVG —
// through the one renderer. The sheet comes out at true scale: one sheet
// millimetre is one millimetre on paper (PDF) or 1/25.4 inch at the chosen
// resolution (PNG, SVG).
#pragma once

#include <optional>
#include <string>

#include "render/zeichenkontext.h"

namespace quarzel {

struct Zeichnung;
class Schraffurbibliothek;

enum class Ausgabeformat { Png, Pdf, Svg };

struct Ausgabewahl {
  std::string pfad;
  Ausgabeformat format = Ausgabeformat::Png;
  bool ganzeZeichnung = false;  // false: the sheet
  int dpi = 0;                  // 0: 150 for PNG, 600 for PDF, 96 for SVG
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  Schraffurbibliothek* schraffuren = nullptr;
};

// By the file name's extension (case-insensitive); nullopt for others.
std::optional<Ausgabeformat> ausgabeformatFuer(const std::string& pfad);

// Picture files larger than this many pixels are refused.
inline constexpr double kGroesstePixelzahlAusgabe = 200e6;

// "" on success, otherwise the German message why nothing (or not all) was
// written. Needs a QGuiApplication (fonts).
std::string gibZeichnungAus(const Zeichnung& zeichnung, const Ausgabewahl& wahl);

}  // namespace quarzel
