// Ansichtenbefehle: the named views in the main window — "Ansichtenmanager..."
// in the menu "Ansicht", and the list of views: a box on the view tool bar
// and the submenu "Ansichten", both starting with "Freie Ansicht" and shown
// only while at least one view is defined. Choosing an entry shows the view.
//
// Showing a view puts its element switches into the session's, its grey
// switches into the program settings (where the layer commands keep them),
// refreshes the layer pickers and redraws. The list follows the drawing:
// the window calls aktualisieren() after "Neu" and after loading, the
// manager after every change it makes.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "ui/window/fensteranschluss.h"

class QAction;
class QComboBox;
class QDialog;
class QMenu;
class QToolBar;

namespace quarzel {

class Ebenenbefehle;

class Ansichtenbefehle final : public QObject {
  Q_OBJECT

 public:
  // Puts "Ansichtenmanager..." and the submenu at the end of `menue`, the
  // box at the end of `leiste`. `hilfeordner` holds the help topics.
  Ansichtenbefehle(Fensteranschluss fenster, Ebenenbefehle& ebenen, QMenu& menue, QToolBar& leiste,
                   QString hilfeordner);

  // Opens the manager (modal).
  void manager();
  // Shows view 1..60, or with 0 "Freie Ansicht".
  void zeige(int slot);
  // The list and submenu from the drawing's views.
  void aktualisieren();

  QAction* managerAktion = nullptr;
  QMenu* untermenue = nullptr;
  QComboBox* liste = nullptr;
  QAction* listenAktion = nullptr;  // the box's place on the tool bar

  // "Bildausschnit beibehalten" of the manager; the list follows it too.
  bool ausschnittBeibehalten = false;

  // Test hook: given the manager in place of showing it.
  std::function<void(QDialog&)> vorDialog;

 private:
  Fensteranschluss fenster_;
  Ebenenbefehle& ebenen_;
  QString hilfeordner_;
};

}  // namespace quarzel
