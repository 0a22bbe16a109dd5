// What the program makes of its settings and its command line at start: the
// values a fresh drawing starts with (sheet, unit, scale, undo depth), setting
// up such a drawing, and what to do with the drawing named on the command line.
// Plain C++: the window calls it, tests call it without one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "view/ansichtstart.h"
#include "settings/einstellungen.h"
#include "platform/benutzer.h"
#include "store/zeichnung.h"

namespace quarzel {

class Konfiguration;

// The values every new drawing (at start and after "Neu") begins with.
struct Zeichnungsvorgaben {
  Ansichtsvorgaben ansicht;
  int undoTiefe = 100;
  Stifttabelle stifte;           // "Stiftbreiten"
  Linienstiltabelle linienstile;  // the program folder's line-style files
};

// Reads every section of the configuration file; missing keys give defaults.
Einstellungen leseEinstellungen(Konfiguration& konfiguration);

// Sheet, unit and scale from "Projektoptionen", undo depth from "Undoschritte",
// the pens from "Stiftbreiten" and the line styles of the program folder
// (read anew, as a new drawing starts from what the user saved last).
// The undo depth is kept within 1..100: the store's levels are signed bytes
// and may climb to depth + 10 before they are renumbered.
Zeichnungsvorgaben zeichnungsvorgaben(const Einstellungen& einstellungen);

// Sets up `zeichnung` as an empty drawing: initialises the store (false after
// "Kernelfehler n", the drawing is then unusable), starts the view and the
// project data (dated today). The area size and the sheet display of the
// view are kept.
bool starteZeichnung(Zeichnung& zeichnung, const Zeichnungsvorgaben& vorgaben, Benutzer& benutzer);

// What a file name's extension makes of it, compared without regard to case:
// ".QZZ" and ".BAK" are drawing files, ".PLA", ".RUZ" and ".ZID" come from
// other programs and need an import.
enum class Dateiart { Zeichnung, Import, Andere };
Dateiart dateiart(std::string_view pfad);

// The extension in capitals without the dot ("RUZ"), "" when there is none.
std::string endungGross(std::string_view pfad);

// The message for a file of another program that cannot be read yet.
std::string meldungImportFehlt(std::string_view pfad);
// The message for a drawing named on the command line that does not exist.
std::string meldungStartdateiFehlt(std::string_view pfad);

// The drawing named as the first argument of the command line.
struct Startdatei {
  enum class Art {
    Keine,    // no argument, or a file of an extension that opens nothing
    Oeffnen,  // an existing drawing or import file
    Fehlt,    // the file does not exist: reported, and the program ends
  };
  Art art = Art::Keine;
  std::string pfad;
};
Startdatei startdatei(const std::vector<std::string>& argumente);

}  // namespace quarzel
