// Druckplanung: everything a print decides before a page is drawn, without a
// printer at hand — the print method (the printer driver rasterises, or we
// do), the printer's zoom and the minimum-width mode, the print area (the
// sheet, or the shown elements with a millimetre of margin), the orientation
// that suits it, and the pages: one when the area fits the paper, otherwise
// tiles of the printable area that overlap by kUeberlappungMm, with cut marks,
// numbered row by row.
//
// The printer side (ui/qt/druckausgabe) fills in what the printer reports and
// draws the planned pages; the questions of a print go through `Benutzer`.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/benutzer.h"
#include "platform/canvas.h"
#include "render/zeichenkontext.h"
#include "settings/einstellungen_dateien.h"
#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;

// The values of the key "Funktion".
enum class Druckmethode : int { Automatisch = 0, RasternImTreiber = 1, RasternInQuarzel = 2 };

inline constexpr std::string_view FrageTransparenz =
    "Das Drucken von transparenten Objekten ist mit der aktuell eingestellten Druckmethode \"Rastern im "
    "Druckertreiber\" nicht möglich. Soll für diesen Ausdruck die Druckmethode \"Rastern in Quarzel\" verwendet "
    "werden?";
inline constexpr std::string_view MeldungAusrichtungGeaendert = "Ausrichtung wurde geändert";
inline constexpr std::string_view MeldungAusrichtungWieder = "Ausrichtung wieder hergestellt";

// Tiles overlap by this much, so the pieces can be glued along the cut marks.
inline constexpr double kUeberlappungMm = 10;
// Above this many pages the user is asked first.
inline constexpr int kSeitenOhneFrage = 4;
// A printer above this resolution draws hairlines too thin to see in PDF viewers.
inline constexpr int kMindestbreiteAbDpi = 300;

// "Die Zeichnung wird auf n Seiten gedruckt. Fortfahren?"
std::string frageSeitenzahl(int seiten);

// How one print is made.
struct Druckverfahren {
  double printerZoom = 25.4 / 600;  // millimetres per printer dot
  bool pdfMode = false;             // the printer's name contains "PDF" or "ADOBE"
  bool rasterInProgram = false;     // we rasterise each page ourselves
  bool minimumWidthMode = false;    // every pen at least three dots
};

// The printer's name, in capitals, contains "PDF" or "ADOBE"; or the setting
// "Für PDF-Ausgabe optimieren" says the output is a PDF whatever the name.
bool istPdfDrucker(std::string_view druckername, bool pdfOptimieren = false);

// `transparent` is what hatTransparenteElemente says for the same pdfMode.
// Asks FrageTransparenz when the driver is to rasterise transparent elements.
Druckverfahren waehleDruckverfahren(bool pdfMode, int dpi, Druckmethode methode, bool transparent, Benutzer& benutzer);

// Transparent elements a print would draw: pictures (bitmaps, bitmap fills,
// texture fills) with see-through pixels. A PDF printer keeps pixels that are
// wholly clear as a mask every reader honours, so for it only partly clear
// pixels count; other drivers are sent flattened pictures, so any clear pixel
// counts. Hidden elements (layer, display switch) do not count.
bool hatTransparenteElemente(const Zeichnung& zeichnung, const Anzeigeschalter& schalter, bool pdfMode);

// The display switches of a print: construction lines and markers left out
// when the settings say so.
Anzeigeschalter druckschalter(Anzeigeschalter schalter, const einstellung::Drucken& drucken);

// Inactive layers and sublayers in grey as the "Graueinstellungen" ask for
// printing, for the lifetime of the object; the screen's choice comes back
// afterwards.
class Graudruck {
 public:
  Graudruck(Zeichnung& zeichnung, const einstellung::Graueinstellungen& grau);
  ~Graudruck();
  Graudruck(const Graudruck&) = delete;
  Graudruck& operator=(const Graudruck&) = delete;

 private:
  Zeichnung& zeichnung_;
  bool ebenen_;
  bool folien_;
};

// World millimetres.
struct Druckbereich {
  double x = 0;
  double y = 0;
  double breite = 0;
  double hoehe = 0;
  bool operator==(const Druckbereich&) const = default;
};

// The sheet, or with `ganzeZeichnung` the box of the shown elements grown by
// 1 mm on every side, its size taken to whole millimetres; the sheet again
// when nothing is shown.
Druckbereich druckbereich(const Ansicht& ansicht, bool ganzeZeichnung, const std::optional<Weltrechteck>& gezeigt);

// Landscape for an area wider than high.
inline bool querformatFuer(const Druckbereich& b) {
  return b.breite > b.hoehe;
}

// The paper as the printer reports it in the orientation of the print, in dots.
struct Druckerseite {
  int dpi = 600;
  double papierBreite = 0;  // the physical page
  double papierHoehe = 0;
  Pixelrechteck druckbar;  // the printable part, relative to the paper's corner
};

struct Schnittmarke {
  Pixelpunkt von;
  Pixelpunkt bis;
};

// One sheet of paper: the world point at the top-left of the printer's
// printable area, and where to cut (device dots).
struct Druckblatt {
  int spalte = 0;
  int zeile = 0;
  double originX = 0;
  double originY = 0;
  std::vector<Schnittmarke> marken;
};

struct Seitenplan {
  int bereichBreite = 0;  // the area in dots
  int bereichHoehe = 0;
  bool eineSeite = true;
  int spalten = 1;
  int zeilen = 1;
  std::vector<Druckblatt> blaetter;  // row by row
};

// `raenderIgnorieren`: a one-page print starts at the printable area's corner
// instead of the paper's.
Seitenplan planeSeiten(const Druckbereich& bereich, const Druckerseite& seite, bool raenderIgnorieren);

}  // namespace quarzel
