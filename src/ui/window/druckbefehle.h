// The print commands of the main window: "&Drucken..." (Ctrl+P and a tool
// bar button) through the platform's print dialog, "Ansichten dru&cken..."
// (the views ticked in its list, one after the other, on the printer chosen
// last), "Druck&vorschau..." with the pages as they will come out, and
// "Erweiterte Druckeinstellungen...".
// One printer is kept for the window's life, so the printer, paper and
// orientation chosen once stay chosen.
#pragma once

#include <QObject>
#include <QSizeF>
#include <functional>
#include <memory>
#include <optional>

#include "ui/qt/druckausgabe.h"
#include "ui/window/fensteranschluss.h"

class QAction;
class QDialog;
class QMenu;
class QPrinter;
class QToolBar;

namespace quarzel {

class Druckbefehle final : public QObject {
  Q_OBJECT

 public:
  explicit Druckbefehle(Fensteranschluss fenster);
  ~Druckbefehle() override;

  void drucken();
  void ansichtenDrucken();
  void vorschau();
  void einstellungenBearbeiten();
  // "Ansichten drucken" is offered while views are defined.
  void befehlsstandSetzen();

  // The options of a print from the session's settings and display switches.
  Druckoptionen optionen() const;
  QPrinter& drucker();
  // The paper of the printer chosen at a print (millimetres, in its
  // orientation); nothing before the first print.
  std::optional<QSizeF> gewaehltesPapier() const;

  QAction* druckenAktion = nullptr;
  QAction* ansichtenAktion = nullptr;  // enabled while views are defined
  QAction* vorschauAktion = nullptr;
  QAction* einstellungenAktion = nullptr;

  // Test hook: called with the list of "Ansichten drucken" before it is
  // shown; a dialog it has closed is not shown.
  std::function<void(QDialog&)> vorDialog;

 private:
  Fensteranschluss fenster_;
  std::unique_ptr<QPrinter> drucker_;
};

// Puts the entries into the file menu in front of `davor` and the print
// button at the front of `leiste`.
Druckbefehle* druckbefehleEinrichten(Fensteranschluss anschluss, QMenu& datei, QAction* davor, QToolBar& leiste);

}  // namespace quarzel
