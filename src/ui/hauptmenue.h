// The main window's menu bar: the actions and their German captions and
// shortcuts. The window connects the actions to its commands; keeping the
// captions here keeps TFenster about behaviour, and the menu grows here
// menu by menu.
#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace quarzel {

struct Hauptmenue {
  QMenu* datei = nullptr;
  QAction* beenden = nullptr;

  QMenu* ansicht = nullptr;
  QAction* vergroessern = nullptr;
  QAction* verkleinern = nullptr;
  QAction* gesamtesBlatt = nullptr;
  QAction* blattDarstellen = nullptr;  // checkable
};

// Creates the menus in the window's menu bar; the actions belong to the window.
Hauptmenue baueHauptmenue(QMainWindow& fenster);

}  // namespace quarzel
