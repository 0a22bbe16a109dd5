// Dateibefehle: the commands of the file menu on the open drawing: new, open,
// save, save as, the recent files, and the question whether a modified
// drawing is to be saved first. Plain C++ talking to the user through
// `Benutzer`, so the window only wires menus to it and redraws afterwards, and
// tests drive it with a scripted user.
//
// The drawing object stays the same object throughout: a new or loaded drawing
// is moved into it, so references that others hold stay valid.
#pragma once

#include <functional>
#include <string>

#include "platform/benutzer.h"
#include "platform/uhr.h"
#include "settings/einstellungen.h"
#include "store/zeichnung.h"
#include "store/zuletztgeoeffnet.h"
#include "ui/window/programmstart.h"

namespace quarzel {

class Konfiguration;

inline constexpr std::string_view FrageAenderungenSpeichern =
    "Die Zeichnung wurde geändert. Sollen die Änderungen gespeichert werden?";
inline constexpr std::string_view Oeffnenfilter =
    "Zeichnungen (*.QZZ)|*.QZZ|RUZ-Dateien (*.RUZ)|*.RUZ|ZID-Dateien (*.ZID)|*.ZID|Backup-Dateien "
    "(*.BAK)|*.BAK|Alle geeigneten Dateien|*.qzz;*.zid;*.ruz;*.bak";
// "Speichern unter" offers the exchange and picture formats beside the drawing.
inline constexpr std::string_view Speicherunterfilter =
    "Zeichnungen (*.QZZ)|*.QZZ|DXF-Dateien (*.DXF)|*.DXF|PNG-Dateien (*.PNG)|*.PNG|PDF-Dateien (*.PDF)|*.PDF|"
    "SVG-Dateien (*.SVG)|*.SVG";
inline constexpr std::string_view TitelOeffnen = "Zeichnung öffnen";
inline constexpr std::string_view TitelSpeichernUnter = "Zeichnung speichern unter";

class Dateibefehle {
 public:
  // Everything passed in must outlive the commands; `einstellungen` is read
  // at each command, so changed settings count from the next one on.
  Dateibefehle(Zeichnung& zeichnung, Benutzer& benutzer, Tastatur& tastatur, Konfiguration& konfiguration,
               const Einstellungen& einstellungen);

  // For a modified drawing asks FrageAenderungenSpeichern: "Ja" saves, "Nein"
  // goes on, "Abbrechen" stops. True when the caller may go on, that is
  // unless the user cancelled or the save did not succeed.
  bool aenderungenSichern();

  // Each returns true when the open drawing was replaced.
  bool neu();
  // Asks about changes, then for a file.
  bool oeffnen();
  // Asks about changes, then opens entry `index` (0-based) of the recent files.
  bool oeffneZuletzt(int index);
  // Opens the file without asking. Files of other programs get a message; a
  // file that cannot be read leaves the open drawing as it was.
  bool oeffne(const std::string& pfad);

  // True when the drawing is now in a file under its name. Without a name,
  // "Speichern" works as "Speichern unter".
  bool speichern();
  bool speichernUnter();
  // A name ending in ".dxf" (any case) is exported as DXF: the drawing keeps
  // its name and modified flag, and this hears "Als DXF exportiert: NAME".
  std::function<void(const std::string& text)> statusmeldung;
  // A name with a picture extension (".png", ".pdf", ".svg") is exported
  // through this instead of saved; it returns "" or the message why not. The
  // drawing keeps its name and counts as not saved.
  std::function<std::string(const std::string& pfad)> bildExport;
  // A CAD file given to oeffne() (the command line, a recent file) is
  // imported into the open drawing through this.
  std::function<void(const std::string& pfad)> cadImport;
  // Hatches a loaded drawing names that are not available: shown by this
  // (the dialog "Fehlende Schraffuren") in place of the loader's message.
  std::function<void(const std::string& meldung, const std::vector<std::string>& namen)> fehlendeSchraffuren;

  // The recent files as the menu shows them.
  std::vector<std::string> zuletzt() const { return zuletzt_.angezeigt(); }
  // Set while a command runs: the automatic save waits meanwhile (a dialog's
  // or a long load's event processing may deliver timer ticks).
  bool beschaeftigt() const { return beschaeftigt_; }

 private:
  bool speichereUnter(const std::string& name);
  void exportiereDxf(const std::string& name);
  std::string startordner() const;

  Zeichnung* zeichnung_;
  Benutzer* benutzer_;
  Tastatur* tastatur_;
  Konfiguration* konfiguration_;
  const Einstellungen* einstellungen_;
  ZuletztGeoeffnet zuletzt_;
  bool beschaeftigt_ = false;
};

}  // namespace quarzel
