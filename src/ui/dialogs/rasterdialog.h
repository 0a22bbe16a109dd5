// The dialog "Rastereinstellungen": grid spacing, scale dependence, square
// grid, rotation and length grid (group "Raster"), and the angle grid (group
// "Winkelraster").
//
// The drawing keeps the spacing in sheet millimetres. With "Maßstabsabhängig"
// the fields show and take drawing units: millimetres × unit factor × the
// scale in force, so a 0.5 m grid stays 0.5 m whatever the layer's scale.
#pragma once

#include <QDialog>

#include "view/ansicht.h"
#include "settings/einstellungen_anzeige.h"
#include "edit/fangeinstellungen.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;

namespace quarzel {

struct Rasterwerte {
  double abstandX = 10;  // sheet mm
  double abstandY = 10;
  bool masstabsabhaengig = true;
  bool quadratisch = false;
  bool drehen = false;
  double winkel = 0;  // degrees
  bool laengenraster = false;
  bool winkelraster = false;
  double schrittweite = 15;
  bool auchGefangen = false;
};

// One sheet millimetre in the units the fields show.
double rasterfaktor(bool masstabsabhaengig, double unitFactor, double massstab);

class Rasterdialog final : public QDialog {
  Q_OBJECT

 public:
  // unitFactor and massstab: of the scale in force, for "Maßstabsabhängig".
  Rasterdialog(const Rasterwerte& werte, double unitFactor, double massstab, QWidget* eltern = nullptr);

  Rasterwerte ergebnis() const;

  QDoubleSpinBox* xAbstand() const { return x_; }
  QDoubleSpinBox* yAbstand() const { return y_; }
  QCheckBox* masstabsabhaengig() const { return masstab_; }
  QCheckBox* quadratisch() const { return quadratisch_; }
  QCheckBox* drehen() const { return drehen_; }
  QDoubleSpinBox* winkel() const { return winkel_; }
  QCheckBox* laengenraster() const { return laengen_; }
  QCheckBox* winkelraster() const { return winkelraster_; }
  QDoubleSpinBox* schrittweite() const { return schritt_; }
  QCheckBox* auchGefangen() const { return auchGefangen_; }

 private:
  void masstabGewechselt(bool an);

  double unitFactor_;
  double massstab_;
  bool angezeigtMasstabsabhaengig_;
  QDoubleSpinBox* x_;
  QDoubleSpinBox* y_;
  QLabel* yBeschriftung_;
  QCheckBox* masstab_;
  QCheckBox* quadratisch_;
  QCheckBox* drehen_;
  QDoubleSpinBox* winkel_;
  QCheckBox* laengen_;
  QCheckBox* winkelraster_;
  QDoubleSpinBox* schritt_;
  QCheckBox* auchGefangen_;
};

// The dialog's values from the drawing and the settings, and back.
// `einheitenJeBlattmm` is rasterfaktor(true, ...) at the scale in force: with
// "Maßstabsabhängig" the settings keep the spacing in drawing units.
Rasterwerte rasterwerte(const Ansicht& ansicht, bool quadratisch, const einstellung::Zeichenhilfen& hilfen,
                        const Fangeinstellungen& fangen);
void uebernimmRasterwerte(const Rasterwerte& w, Ansicht& ansicht, bool& quadratisch,
                          einstellung::Zeichenhilfen& hilfen, Fangeinstellungen& fangen,
                          double einheitenJeBlattmm = 1);
// The grid on the sheet from the settings (at start, and with
// "Maßstabsabhängig" whenever the scale in force may have changed, so that
// the grid follows it).
void rasterAusEinstellungen(const einstellung::Zeichenhilfen& hilfen, double massstab, Ansicht& ansicht);

}  // namespace quarzel
