// The dialog "Fangen": snapping on or off, the capture radius and the three
// scope boxes. It only collects values; "&OK" writes them into the window's
// Fangeinstellungen, and the caller re-applies the enabling rule of the
// snap-mode buttons.
#pragma once

#include <QDialog>

#include "edit/fangeinstellungen.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace quarzel {

class Fangdialog final : public QDialog {
  Q_OBJECT

 public:
  Fangdialog(const Fangeinstellungen& einstellungen, QWidget* eltern = nullptr);

  // The settings with the dialog's values; the snap modes stay as given.
  Fangeinstellungen ergebnis() const;

  QRadioButton* aus() const { return aus_; }
  QRadioButton* ein() const { return ein_; }
  QSpinBox* radius() const { return radius_; }
  QCheckBox* aktiveUnterebene() const { return aktiveUnterebene_; }
  QCheckBox* sichtbareUnterebenen() const { return sichtbareUnterebenen_; }
  QCheckBox* alleEbenen() const { return alleEbenen_; }

 private:
  Fangeinstellungen vorgabe_;
  QRadioButton* aus_;
  QRadioButton* ein_;
  QSpinBox* radius_;
  QCheckBox* aktiveUnterebene_;
  QCheckBox* sichtbareUnterebenen_;
  QCheckBox* alleEbenen_;
};

}  // namespace quarzel
