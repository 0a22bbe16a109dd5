// Einstellungen: the program settings kept in the configuration file, typed,
// with their keys and their built-in defaults.
//
// One struct per section of the file, in namespace einstellung (the section
// names are common words that other units use for other things), declared in
// the three headers included below. Each has
//   - kSektion, the section name;
//   - its fields, initialised with the defaults that apply when the file or
//     the key is missing;
//   - felder(s, f), which calls f(key, field) once per key in the order the
//     keys are written; reading, writing and the tests are built on it, so a
//     key is spelled in one place only;
//   - lese(ini), which sets every field to the file's value or the default,
//     and schreibe(ini), which writes every key of the section, so a dialog
//     reads and writes just its own section.
// Values that cannot be right (a sheet of zero size, a grid spacing of 0, a
// colour above 24 bits, a pen wider than 10 mm) read as the default, so no
// later code divides by zero or draws forever because of a damaged file.
// Keys built from a group and a field caption use verbundenerSchluessel().
#pragma once

#include "settings/einstellungen_anzeige.h"
#include "settings/einstellungen_dateien.h"
#include "settings/einstellungen_werkzeuge.h"
#include "base/inidatei.h"

namespace quarzel {

// All sections together, as the program reads them at start.
struct Einstellungen {
  einstellung::Projektoptionen projektoptionen;
  einstellung::Stiftbreiten stiftbreiten;
  einstellung::Stifte stifte;
  einstellung::Daemmung daemmung;
  einstellung::Kreise kreise;
  einstellung::Rand rand;
  einstellung::Importdialog importdialog;
  einstellung::Marker marker;
  einstellung::Hilfsmarker hilfsmarker;
  einstellung::Ansicht ansicht;
  einstellung::Texteinstellungen texteinstellungen;
  einstellung::Symbolkatalog symbolkatalog;
  einstellung::Gruppen gruppen;
  einstellung::Zoom zoom;
  einstellung::Schutz schutz;
  einstellung::Zeichenhilfen zeichenhilfen;
  einstellung::Updates updates;
  einstellung::Darstellung darstellung;
  einstellung::Werkzeugeinstellungen werkzeugeinstellungen;
  einstellung::Vermassung vermassung;
  einstellung::Speichern speichern;
  einstellung::PlaExport plaExport;
  einstellung::Drucken drucken;
  einstellung::FreihandLinien freihandLinien;
  einstellung::Hilfslinien hilfslinien;
  einstellung::Graueinstellungen graueinstellungen;
  einstellung::Mehrfachlinien mehrfachlinien;
  einstellung::BitmapSpeichern bitmapSpeichern;
  einstellung::Standardpfade standardpfade;
  einstellung::ImportSkalierung importSkalierung;
  einstellung::Undoschritte undoschritte;
  einstellung::Dateien dateien;
  einstellung::Clipboard clipboard;
  einstellung::EbeneAktivieren ebeneAktivieren;

  // Calls f(abschnitt) for every section, in the order above.
  template <class S, class F>
  static void abschnitte(S& s, F&& f) {
    f(s.projektoptionen), f(s.stiftbreiten), f(s.stifte), f(s.daemmung), f(s.kreise), f(s.rand);
    f(s.importdialog), f(s.marker), f(s.hilfsmarker), f(s.ansicht), f(s.texteinstellungen);
    f(s.symbolkatalog), f(s.gruppen), f(s.zoom), f(s.schutz), f(s.zeichenhilfen), f(s.updates);
    f(s.darstellung), f(s.werkzeugeinstellungen), f(s.vermassung), f(s.speichern), f(s.plaExport);
    f(s.drucken), f(s.freihandLinien), f(s.hilfslinien), f(s.graueinstellungen), f(s.mehrfachlinien);
    f(s.bitmapSpeichern), f(s.standardpfade), f(s.importSkalierung), f(s.undoschritte), f(s.dateien);
    f(s.clipboard), f(s.ebeneAktivieren);
  }

  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Einstellungen&) const = default;
};

}  // namespace quarzel
