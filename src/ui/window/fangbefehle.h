// The window's drawing aids: the tool bar "Fangen" (nine snap modes, grid,
// angle grid, rulers) and the menu items for the dialogs "Fangen" and
// "Rastereinstellungen". Every change is written to the section
// "Zeichenhilfen" of the configuration at once, so the buttons come back as
// they were ("FangenButtons").
#pragma once

#include <QObject>

#include "edit/fangeinstellungen.h"

class QMenu;

namespace quarzel {

class Fangleiste;
class TFenster;

class Fangbefehle final : public QObject {
  Q_OBJECT

 public:
  Fangbefehle(TFenster& fenster, Fangeinstellungen& einstellungen, QMenu& menue);

  Fangleiste& leiste() { return *leiste_; }
  void fangenDialog();
  void rasterDialog();

 private:
  void sichern();

  TFenster& fenster_;
  Fangeinstellungen& e_;
  Fangleiste* leiste_;
};

}  // namespace quarzel
