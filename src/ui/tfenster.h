// TFenster: the main window. It holds the one open drawing, the drawing area,
// the menu bar and the status bar, and carries the commands of the menus.
// The core does the work: the view transform and its zoom operations live in
// the drawing's Ansicht, the empty sheet is drawn by the display code; the
// window translates Qt events and keeps the screen in step.
//
// Geometry is restored from and saved to the per-user settings (group
// "Hauptfenster" of the application's QSettings).
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "display/konfiguration.h"
#include "platform/uhr.h"
#include "store/zeichnung.h"
#include "ui/hauptmenue.h"

namespace quarzel {

class Canvas;
class QtBenutzer;
class QtTastatur;
class Statusleiste;
class Zeichenflaeche;

class TFenster final : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFenster(Befehlszeile befehlszeile = {}, QWidget* eltern = nullptr);
  ~TFenster() override;

  // False when the element store could not be set up; the user has been told
  // ("Kernelfehler n") and the program ends.
  bool startGelungen() const { return startGelungen_; }

  Zeichnung& zeichnung() { return *zeichnung_; }
  Zeichenflaeche& zeichenflaeche() { return *zeichenflaeche_; }
  Statusleiste& statusleiste() { return *statusleiste_; }
  const Hauptmenue& menue() const { return menue_; }
  Benutzer& benutzer();
  Tastatur& tastatur();
  Uhr& uhr() { return uhr_; }

  // Full redraw of the drawing area with the status texts of the sheet.
  void Figurzeichnen();
  // Puts a world point in the middle of the drawing area.
  void zentriere(double cx, double cy);
  void vergroessern();
  void verkleinern();
  void gesamtesBlatt();
  void setzeBlattDarstellen(bool an);

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void flaecheGeaendert(int breite, int hoehe);
  void mausBewegt(double x, double y);
  void zeichneFlaeche(Canvas& canvas);
  void statustexteSetzen();
  void fensterlageLaden();
  void fensterlageSpeichern() const;

  std::unique_ptr<Zeichnung> zeichnung_;
  std::unique_ptr<QtBenutzer> benutzer_;
  std::unique_ptr<QtTastatur> tastatur_;
  Systemuhr uhr_;
  Zeichenflaeche* zeichenflaeche_ = nullptr;
  std::unique_ptr<Statusleiste> statusleiste_;
  Hauptmenue menue_;

  // Kept for the first activation, which is where the drawing named on the
  // command line will be opened.
  Befehlszeile befehlszeile_;
  QString blattname_ = QStringLiteral("Blatt 1");
  bool rasterSichtbar_ = false;
  bool startGelungen_ = true;
  // The start-up view shows the whole sheet as soon as the area has a size.
  bool ersteGroesse_ = true;
};

}  // namespace quarzel
