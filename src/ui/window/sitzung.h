// Sitzung: what the program works on while it runs, apart from its widgets —
// the open drawing, the configuration file and its sections, the hatch
// library, the renderer's display choices and caches, the automatic save and
// its clock, the tools and their state. Plain C++.
//
// main() owns it and it outlives the window, so no widget Qt deletes last can
// reach a drawing that is already gone. Ownership is two rules: widgets belong
// to their Qt parent, the core belongs to the session by value.
//
// Start: "-i" is taken from the command line before anything reads the
// configuration file, the sections are read and the drawing is set up empty.
#pragma once

#include <string>
#include <vector>

#include "edit/werkzeugkasten.h"
#include "exchange/cadimport.h"
#include "platform/benutzer.h"
#include "platform/uhr.h"
#include "render/blockrahmen.h"
#include "render/zeichenkontext.h"
#include "settings/einstellungen.h"
#include "settings/konfiguration.h"
#include "store/autosicherung.h"
#include "store/zeichnung.h"
#include "styles/bemassungsstil.h"
#include "styles/schraffurbibliothek.h"

namespace quarzel {

class Sitzung {
 public:
  // `benutzer` is asked by the configuration file, the drawing's start and the
  // commands; it must outlive the session. `argumente` is the command line
  // without the program's own name.
  Sitzung(Benutzer& benutzer, std::vector<std::string> argumente, Umgebung umgebung = prozessUmgebung());
  Sitzung(const Sitzung&) = delete;
  Sitzung& operator=(const Sitzung&) = delete;

  // False when the element store could not be set up; the user has been told
  // ("Kernelfehler n") and the program ends.
  bool startGelungen() const { return startGelungen_; }
  // The arguments left after "-i": the drawing to open.
  const std::vector<std::string>& argumente() const { return argumente_; }

  Benutzer& benutzer;
  Systemuhr uhr;
  // Before the configuration: it reads the same environment, not the file.
  Schraffurbibliothek schraffuren;
  Konfiguration konfiguration;
  Einstellungen einstellungen;
  Zeichnung zeichnung;
  Autosicherung autosicherung;
  // World boxes of blocks of elements, kept across redraws (they follow the store's changes).
  Blockrahmen bloecke;
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  // "Bemaßung": the defaults of new dimensions for this run (stilInMessdaten).
  Bemassungsstil bemassungsstil;
  // The options of "DXF/DWG-Import", kept while the program runs.
  CadImportoptionen cadImport;
  // The tool state machine, its modules and the snap search; after the
  // drawing, which they work on.
  Werkzeugkasten werkzeuge{zeichnung, uhr};

 private:
  std::vector<std::string> argumente_;
  bool startGelungen_ = false;
};

}  // namespace quarzel
