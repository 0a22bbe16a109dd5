// Symbolausgabe: saving the marked elements as a symbol file, for the window
// and the batch tool alike. The core writes the preview picture as the bytes
// it is given; here it is drawn through the one renderer: the symbol's
// elements fill a 64 × 64 picture framed by their box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/benutzer.h"
#include "render/zeichenkontext.h"
#include "store/symboldatei.h"
#include "store/symbolinformationen.h"

namespace quarzel {

class Schraffurbibliothek;

inline constexpr int kSymbolvorschauPixel = 64;
inline constexpr const char* MeldungNichtsMarkiert = "Es sind keine Elemente markiert.";

struct Symbolausgabewahl {
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  Schraffurbibliothek* schraffuren = nullptr;
  // The scale the symbol is saved at; 0: the scale in force.
  double massstab = 0;
};

// The symbol drawn into a 64 × 64 PNG on white. Needs a QGuiApplication (fonts).
std::vector<std::uint8_t> symbolvorschau(const Symbol& symbol, const Symbolausgabewahl& wahl);

// The marked elements of `zeichnung` as the symbol file `pfad` with its
// preview, and `info` as its Symbolinformationen when given. "" on success,
// otherwise the German message why nothing (or not the information) was
// written.
std::string speichereMarkierteAlsSymbol(Zeichnung& zeichnung, const std::string& pfad, const Symbolausgabewahl& wahl,
                                        Benutzer& benutzer, const Symbolinformationen* info = nullptr);

}  // namespace quarzel
