// The window's drawing aids: the tool bar "Fangen" (nine snap modes, grid,
// angle grid, rulers) and the menu items for the dialogs "Fangen" and
// "Rastereinstellungen". Every change is written to the section
// "Zeichenhilfen" of the configuration at once, so the buttons come back as
// they were ("FangenButtons").
#pragma once

#include <QObject>

#include "edit/fangeinstellungen.h"
#include "ui/window/fensteranschluss.h"

class QMenu;

namespace quarzel {

class Fangleiste;

class Fangbefehle final : public QObject {
  Q_OBJECT

 public:
  Fangbefehle(Fensteranschluss fenster, Fangeinstellungen& einstellungen, QMenu& menue);

  Fangleiste& leiste() { return *leiste_; }
  void fangenDialog();
  void rasterDialog();

 private:
  void sichern();

  Fensteranschluss fenster_;
  Fangeinstellungen& e_;
  Fangleiste* leiste_;
};

}  // namespace quarzel
