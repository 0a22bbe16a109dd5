// TFenster: the main window. It shows the session's drawing in the drawing
// area, holds the menu bar and the status bar, and carries the commands of
// the menus. The drawing, the settings and the other plain state belong to
// the Sitzung that main() owns; the window only borrows it.
// The core does the work: the view transform and its zoom operations live in
// the drawing's Ansicht, the empty sheet is drawn by view/blattdarstellung, the
// file commands are Dateibefehle; the window translates Qt events and keeps
// the screen in step.
//
// Start: the session has read the configuration and set up the drawing. Right
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

#include "ui/tools/werkzeugleisten.h"
#include "ui/window/fensteranschluss.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/programmstart.h"
#include "ui/window/sitzung.h"

class QTimer;

namespace quarzel {

class Ansichtenbefehle;
class Canvas;
class Dateibefehle;
class Ebenenbefehle;
class Importbefehle;
class Eigenschaftsleiste;
class Fangbefehle;
class Makrobefehle;
class Markierbefehle;
class Werkzeugbedienung;
class QtTastatur;
class Statusleiste;
class Strukturwache;
class Stuecklistenbefehle;
class Symbolbefehle;
class Symbolkatalog;
class Zeichenflaeche;

class TFenster final : public QMainWindow {
  Q_OBJECT

 public:
  // `sitzung` must outlive the window and have started (startGelungen).
  explicit TFenster(Sitzung& sitzung, QWidget* eltern = nullptr);
  ~TFenster() override;

  Sitzung& sitzung() { return sitzung_; }
  Zeichenflaeche& zeichenflaeche() { return *zeichenflaeche_; }
  Statusleiste& statusleiste() { return *statusleiste_; }
  const Hauptmenue& menue() const { return menue_; }
  const Werkzeugleisten& leisten() const { return leisten_; }
  Eigenschaftsleiste& eigenschaften() { return *eigenschaften_; }
  Werkzeugbedienung& werkzeuge() { return *werkzeuge_; }
  Ebenenbefehle& ebenenbefehle() { return *ebenenbefehle_; }
  Importbefehle& importbefehle() { return *importbefehle_; }
  Tastatur& tastatur();
  Dateibefehle& dateibefehle() { return *dateibefehle_; }
  Markierbefehle& markierbefehle() { return *markierbefehle_; }
  Ansichtenbefehle& ansichtenbefehle() { return *ansichtenbefehle_; }
  // The menu "Symbole"; beginneSymbolEinfuegen(pfad) starts placing a symbol file.
  Symbolbefehle& symbolbefehle() { return *symbolbefehle_; }
  Symbolkatalog& symbolkatalog() { return *symbolkatalog_; }
  // The menu "Makros": the macro editor and macro runs on the drawing.
  Makrobefehle& makrobefehle() { return *makrobefehle_; }

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
  // What the window's commands get of it.
  Fensteranschluss anschluss();
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

  Sitzung& sitzung_;
  std::unique_ptr<QtTastatur> tastatur_;
  std::unique_ptr<Dateibefehle> dateibefehle_;
  // Widgets and the window's QObjects belong to the window (Qt parent).
  Zeichenflaeche* zeichenflaeche_ = nullptr;
  std::unique_ptr<Statusleiste> statusleiste_;
  Hauptmenue menue_;
  Werkzeugleisten leisten_;
  Eigenschaftsleiste* eigenschaften_ = nullptr;
  Werkzeugbedienung* werkzeuge_ = nullptr;
  Fangbefehle* fangbefehle_ = nullptr;
  Ebenenbefehle* ebenenbefehle_ = nullptr;
  Importbefehle* importbefehle_ = nullptr;
  Markierbefehle* markierbefehle_ = nullptr;
  Ansichtenbefehle* ansichtenbefehle_ = nullptr;
  Symbolbefehle* symbolbefehle_ = nullptr;
  Stuecklistenbefehle* stuecklistenbefehle_ = nullptr;
  Symbolkatalog* symbolkatalog_ = nullptr;
  Makrobefehle* makrobefehle_ = nullptr;
  // The shortcuts taken away while a numeric field has the focus.
  std::vector<std::pair<QAction*, QList<QKeySequence>>> ruhendeKurztasten_;
  QTimer* takt_ = nullptr;
  std::unique_ptr<Strukturwache> strukturwache_;

  bool startdateiGeprueft_ = false;
  // The start-up view shows the whole sheet as soon as the area has a size.
  bool ersteGroesse_ = true;
};

}  // namespace quarzel
