// Mehrfachkopiedialog: asks for the number of copies and the angle between
// them before a radial (604) or rotational (605) multiple copy. The centre is
// clicked afterwards on the drawing area. "Auf Vollkreis verteilen" spreads
// the copies and the original evenly over 360 degrees.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "edit/werkzeugcode.h"

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace quarzel {

struct Mehrfachkopie {
  int anzahl = 4;
  double winkel = 90;  // degrees, counter-clockwise on screen
};

// The angle that spreads `anzahl` copies and the original evenly over a full turn.
double vollkreisschritt(int anzahl);

class Mehrfachkopiedialog final : public QDialog {
  Q_OBJECT

 public:
  // `werkzeug` 604 or 605 picks the title; `vorgabe` fills the fields.
  Mehrfachkopiedialog(Werkzeugcode werkzeug, const Mehrfachkopie& vorgabe, QWidget* eltern = nullptr);

  Mehrfachkopie wert() const;

  QSpinBox* anzahlFeld() const { return anzahl_; }
  QDoubleSpinBox* winkelFeld() const { return winkel_; }
  QCheckBox* vollkreisFeld() const { return vollkreis_; }

  // Shows the dialog modally; nothing when the user cancels.
  static std::optional<Mehrfachkopie> frage(Werkzeugcode werkzeug, const Mehrfachkopie& vorgabe, QWidget* eltern);

 private:
  void vollkreisAnwenden();

  QSpinBox* anzahl_ = nullptr;
  QDoubleSpinBox* winkel_ = nullptr;
  QCheckBox* vollkreis_ = nullptr;
};

}  // namespace quarzel
