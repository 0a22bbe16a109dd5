// Druckausgabe: a drawing printed on a QPrinter at true scale, page by page,
// through the one renderer. The plan (method, area, orientation, tiles) comes
// from render/druckplanung; this unit asks the printer for its name,
// resolution and paper, switches the orientation for the print, and draws
// each page either straight on the printer's painter or, when we rasterise,
// into off-screen bands that go to the printer as pictures.
//
// The window's print command, its preview and `quarzel-cli print` all call
// druckeZeichnung.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/benutzer.h"
#include "render/druckplanung.h"
#include "render/zeichenkontext.h"
#include "settings/einstellungen_dateien.h"
#include "view/ansicht.h"

class QPrinter;

namespace quarzel {

struct Zeichnung;
class Schraffurbibliothek;

struct Druckoptionen {
  einstellung::Drucken drucken;  // method, segment size, what is left out, placement
  einstellung::Graueinstellungen grau;
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  Schraffurbibliothek* schraffuren = nullptr;
  // The name the method is chosen by; "" takes the printer's own, and "PDF"
  // when the printer writes a PDF file without a queue behind it.
  std::string druckername;
  // A script that asked for tiles has agreed to many pages already.
  bool seitenzahlBestaetigt = false;
  // A print that needs several pages is refused instead of tiled.
  bool nurEineSeite = false;
  // For the preview: the printer keeps the orientation chosen for the print,
  // and the pages are rasterised whatever the method.
  bool ausrichtungBehalten = false;
  bool immerRastern = false;
};

struct Druckergebnis {
  bool gedruckt = false;
  Druckverfahren verfahren;
  Druckbereich bereich;
  Seitenplan plan;
  std::string fehler;  // why nothing was printed; "" when the user said no or the drawing is empty
};

// The world box of what the renderer would draw with these switches: alive,
// on a visible layer and sublayer, its kind's display switch on.
std::optional<Weltrechteck> gezeigterRahmen(const Zeichnung& zeichnung, const Anzeigeschalter& schalter,
                                            const Darstellungswahl& darstellung);

// One print job on a printer: several prints in a row (the named views of
// "Ansichten drucken") go to the printer as the pages of one document. The
// orientation switched by a print is restored, with its message, when the
// job ends.
class Druckauftrag {
 public:
  // `ausrichtungBehalten`: the printer keeps the orientation chosen for the
  // print, without messages (the preview).
  Druckauftrag(QPrinter& drucker, Benutzer& benutzer, bool ausrichtungBehalten = false);
  ~Druckauftrag();
  Druckauftrag(const Druckauftrag&) = delete;
  Druckauftrag& operator=(const Druckauftrag&) = delete;

  // Prints the drawing on the next pages of the job (an empty drawing is not
  // printed). The drawing is changed only for the time of the print (grey
  // printing) and comes back as it was.
  Druckergebnis drucke(Zeichnung& zeichnung, const Druckoptionen& optionen);
  // Ends the document; false when the printer did not take it or nothing
  // was printed. The destructor ends it too.
  bool beende();
  int seiten() const;

 private:
  struct Zustand;
  std::unique_ptr<Zustand> z_;
};

// Prints the drawing as a job of its own.
Druckergebnis druckeZeichnung(Zeichnung& zeichnung, QPrinter& drucker, const Druckoptionen& optionen,
                              Benutzer& benutzer);

}  // namespace quarzel
