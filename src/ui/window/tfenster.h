// TFenster: the main window. It holds the one open drawing, the drawing area,
// the menu bar and the status bar, and carries the commands of the menus.
// The core does the work: the view transform and its zoom operations live in
// the drawing's Ansicht, the empty sheet is drawn by view/blattdarstellung, the
// file commands are Dateibefehle; the window translates Qt events and keeps
// the screen in step.
//
// Start: the store is set up, the configuration file (or the one named with
// "-i") is read, and the view starts with its sheet, unit and scale. Right
// after the window is first shown it opens the drawing named on the command
// line; a name that does not exist is reported and the program ends.
//
// Geometry is restored from and saved to the per-user settings (group
// "Hauptfenster" of the application's QSettings), the tool bars' and docks'
// places with it.
//
// The tools (tool bars, property bar, numeric entry panel and the mouse on
// the drawing area) are wired by Werkzeugbedienung; the window draws: the
// full redraw Figurzeichnen and objektzeichnen for new elements, both through
// the one renderer drawElements.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "settings/einstellungen.h"
#include "settings/konfiguration.h"
#include "render/zeichenkontext.h"
#include "platform/uhr.h"
#include "store/autosicherung.h"
#include "store/zeichnung.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/programmstart.h"
#include "ui/tools/werkzeugleisten.h"

class QTimer;

namespace quarzel {

class Canvas;
class Dateibefehle;
class Eigenschaftsleiste;
class Schraffurbibliothek;
class Werkzeugbedienung;
class Blockrahmen;
class QtTastatur;
class Statusleiste;
class Zeichenflaeche;

// How the window starts.
struct Fensterstart {
  // The command line without the program's own name: "-i file" and the drawing.
  std::vector<std::string> argumente;
  // The user the window asks; nullptr: Qt dialogs. Tests pass a scripted user.
  Benutzer* benutzer = nullptr;
  // Where the configuration file is looked for when "-i" does not name one.
  Umgebung umgebung = prozessUmgebung();
};

class TFenster final : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFenster(Fensterstart start = {}, QWidget* eltern = nullptr);
  ~TFenster() override;

  // False when the element store could not be set up; the user has been told
  // ("Kernelfehler n") and the program ends.
  bool startGelungen() const { return startGelungen_; }
  // True when the drawing named on the command line did not exist: the user
  // has been told, the window closed, and the program ends with an error.

  Zeichnung& zeichnung() { return *zeichnung_; }
  Zeichenflaeche& zeichenflaeche() { return *zeichenflaeche_; }
  Statusleiste& statusleiste() { return *statusleiste_; }
  const Hauptmenue& menue() const { return menue_; }
  const Werkzeugleisten& leisten() const { return leisten_; }
  Eigenschaftsleiste& eigenschaften() { return *eigenschaften_; }
  Werkzeugbedienung& werkzeuge() { return *werkzeuge_; }
  Anzeigeschalter& anzeigeschalter() { return schalter_; }
  Darstellungswahl& darstellungswahl() { return darstellung_; }
  Benutzer& benutzer() { return *benutzer_; }
  Tastatur& tastatur();
  Uhr& uhr() { return uhr_; }
  // For dialogs that read and write their own section of the file.
  Konfiguration& konfiguration() { return *konfiguration_; }
  Einstellungen& einstellungen() { return einstellungen_; }
  Dateibefehle& dateibefehle() { return *dateibefehle_; }

  // Full redraw of the drawing area with the status texts of the sheet.
  void Figurzeichnen();
  // Draws the new elements von..bis onto the picture without a full redraw.
  void objektzeichnen(std::int32_t von, std::int32_t bis);
  void objektzeichnen(std::int32_t n) { objektzeichnen(n, n); }
  // Puts a world point in the middle of the drawing area.
  void zentriere(double cx, double cy);
  void vergroessern();
  void verkleinern();
  void gesamtesBlatt();
  void setzeBlattDarstellen(bool an);

  // The file menu's commands.
  void neu();
  void oeffnen();
  void oeffneZuletzt(int index);
  void speichern();
  void speichernUnter();
  // The edit menu's commands.
  void rueckgaengig();
  void wiederherstellen();

  // Opens the drawing named on the command line; runs once, right after the
  // window is first shown.
  void startdateiOeffnen();
  // One tick of the window's clock: the automatic save, and the title and
  // the undo commands following changes made elsewhere.
  void takt();
  // No dialog open, no file command or automatic save running.
  bool normalerZustand() const;

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void flaecheGeaendert(int breite, int hoehe);
  void mausBewegt(double x, double y);
  void werkzeugeEinrichten();
  // Pens, line styles and hatches of the drawing into the property bar.
  void eigenschaftenAuffrischen();
  void zeichneFlaeche(Canvas& canvas);
  void zeichneElemente(Canvas& canvas, std::int32_t von, std::int32_t bis);
  // Off while a numeric field has the focus: its keys are its own.
  void setzeKurztasten(bool an);
  void statustexteSetzen();
  // After a new or loaded drawing: view, title, menus, picture.
  void zeichnungGewechselt(bool geladen);
  void befehlsstandSetzen();
  void zuletztSetzen();
  void fensterlageLaden();
  void fensterlageSpeichern() const;

  std::unique_ptr<Zeichnung> zeichnung_;
  std::unique_ptr<Benutzer> eigenerBenutzer_;
  Benutzer* benutzer_ = nullptr;
  std::unique_ptr<QtTastatur> tastatur_;
  Systemuhr uhr_;
  std::unique_ptr<Konfiguration> konfiguration_;
  Einstellungen einstellungen_;
  std::unique_ptr<Dateibefehle> dateibefehle_;
  Autosicherung autosicherung_;
  Zeichenflaeche* zeichenflaeche_ = nullptr;
  std::unique_ptr<Statusleiste> statusleiste_;
  Hauptmenue menue_;
  Werkzeugleisten leisten_;
  Eigenschaftsleiste* eigenschaften_ = nullptr;
  Werkzeugbedienung* werkzeuge_ = nullptr;
  // World boxes of blocks of elements, kept across redraws (they follow the store's changes).
  std::unique_ptr<Blockrahmen> bloecke_;
  std::unique_ptr<Schraffurbibliothek> schraffuren_;
  Anzeigeschalter schalter_;
  Darstellungswahl darstellung_;
  // The shortcuts taken away while a numeric field has the focus.
  std::vector<std::pair<QAction*, QList<QKeySequence>>> ruhendeKurztasten_;
  QTimer* takt_ = nullptr;

  // The arguments left after "-i", kept for the first show.
  std::vector<std::string> argumente_;
  bool startdateiGeprueft_ = false;
  bool startGelungen_ = true;
  // The start-up view shows the whole sheet as soon as the area has a size.
  bool ersteGroesse_ = true;
};

}  // namespace quarzel
