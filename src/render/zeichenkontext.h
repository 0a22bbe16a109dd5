// Zeichenkontext: what every element drawer of one call of the renderer
// shares — the drawing it reads, the run's zoom, origin and pen widths, the
// canvas it paints on, the display switches and the display choices.
//
// drawElements builds one per call; the drawers of the single kinds receive
// it together with the element number and never change the drawing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "view/clip.h"
#include "render/zeichenlauf.h"
#include "platform/canvas.h"
#include "platform/farbe.h"

namespace quarzel {

struct Zeichnung;
class Schraffurbibliothek;
class Schraffurlader;
class Textersetzung;

// The switches of the menu "Sichtbare Elemente". Off hides the category.
struct Anzeigeschalter {
  bool bemassungen = true;         // "&Bemaßungen"
  bool bitmaps = true;             // "B&itmaps"
  bool flaechen = true;            // "&Flächen"
  bool hilfslinien = true;         // "&Hilfslinien"
  bool linien = true;              // "&Linien"
  bool markerpunkte = true;        // "M&arkerpunkte"
  bool schraffuren = true;         // "&Schraffuren"
  bool symbole = true;             // "S&ymbole "
  bool texte = true;               // "&Texte"
  bool texturen = true;            // "T&exturen"
  bool verlaeufe = true;           // "&Verläufe"
  bool linienstile = true;         // "Linienstile"
  bool stiftbreitenUndFarben = true;  // "Stiftbrei&ten && Farben"
  bool transparenz = false;        // "Transparen&z"
  bool editierteBemassung = true;  // "&Editierte Bemaßung"
  bool platzhalter = false;        // "&Platzhalter": placeholders instead of their values
  bool kommentare = true;          // "Kommentare"
  bool druck = false;              // paper or PDF: edited dimension values keep their colour only on request
  bool operator==(const Anzeigeschalter&) const = default;
};

// The choices of the dialog "Bildschirmdarstellung" and the background keys
// the renderer follows.
struct Darstellungswahl {
  enum class Mittelpunkt : std::uint8_t { Ohne, Punkt, Plus, Kreuz };
  bool markierteEinfaerben = true;  // false: "Nicht einfärben"
  Farbe markierfarbe = rgb(255, 0, 0);
  bool objektraenderAnzeigen = true;  // outline of closed elements with hidden fill
  Mittelpunkt mittelpunkt = Mittelpunkt::Plus;
  bool flaechenInHintergrund = false;
  bool verlaeufeInHintergrund = false;
  bool inaktiveEbenenGrau = false;  // elements of inactive layers in grey
  bool operator==(const Darstellungswahl&) const = default;
};

struct Zeichenkontext {
  const Zeichnung& zeichnung;
  Zeichenlauf& lauf;
  Canvas& canvas;
  const Anzeigeschalter& schalter;
  const Darstellungswahl& darstellung;
  // Hatch definitions by name; nullptr draws hatched elements with their
  // fallback hatch only.
  Schraffurbibliothek* schraffuren = nullptr;
  // The canvas's pixel rectangle for the quick rejection tests.
  Cliprechteck clip{};
  // True while drawing into the window's image (sets the drawn-on-screen flag).
  bool fensterbild = false;
  // The run's cache of loaded hatch definitions (drawElements makes one when
  // `schraffuren` is given); nullptr falls back as above.
  Schraffurlader* schraffurlader = nullptr;
  // Bytes a texture may have on the canvas; 0 is no limit.
  std::size_t texturgrenze = 0;
  // What text lines that stand for something are drawn as; nullptr draws
  // every line as typed.
  const Textersetzung* textersetzung = nullptr;

  // The colour element n is drawn with: the marking colour for a marked
  // element unless "Nicht einfärben" is chosen, otherwise its own.
  Farbe elementfarbe(std::int32_t n, Farbe eigene) const;
  // The line style an outline is drawn with: its own, or continuous while
  // the display switch "Linienstile" is off.
  int linienstil(int eigener) const { return schalter.linienstile ? eigener : 1; }
};

}  // namespace quarzel
