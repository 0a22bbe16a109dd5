// Fangleiste: the tool bar of the drawing aids — the nine snap-mode buttons,
// "Raster", "Winkelraster" and "Randlineale".
//
// The buttons show and change the window's Fangeinstellungen. The nine mode
// buttons are enabled only while snapping is on and at least one scope box is
// checked. Switching the grid on switches the angle grid off; switching the
// angle grid on while the grid is on switches the grid off. The window writes
// the buttons' state to the configuration ("FangenButtons") when it stops.
#pragma once

#include <QToolBar>
#include <array>

#include "settings/einstellungen_anzeige.h"
#include "edit/fangeinstellungen.h"

class QAction;

namespace quarzel {

class Fangleiste final : public QToolBar {
  Q_OBJECT

 public:
  explicit Fangleiste(Fangeinstellungen& einstellungen, QWidget* eltern = nullptr);

  // Restores the nine buttons from the configuration and sets the snap flags
  // from them (with the rest of the snap settings of the section).
  void InitFangenButtons(const einstellung::Zeichenhilfen& zeichenhilfen);
  // Shows the settings as they are now: pressed states and the enabling rule.
  void abgleichen();

  QAction* modusknopf(int i) const { return modi_[i]; }
  QAction* rasterknopf() const { return raster_; }
  QAction* winkelrasterknopf() const { return winkelraster_; }
  QAction* randlinealknopf() const { return randlineale_; }

  // The captions of the nine buttons in the order of "FangenButtons".
  static const std::array<const char*, Fangmodusanzahl>& hinweise();

 signals:
  // Something changed that the picture shows (grid, rulers).
  void darstellungGeaendert();
  // A snap mode changed.
  void fangGeaendert();

 private:
  void rasterUmschalten(bool an);
  void winkelrasterUmschalten(bool an);

  Fangeinstellungen& e_;
  std::array<QAction*, Fangmodusanzahl> modi_{};
  QAction* raster_ = nullptr;
  QAction* winkelraster_ = nullptr;
  QAction* randlineale_ = nullptr;
};

}  // namespace quarzel
