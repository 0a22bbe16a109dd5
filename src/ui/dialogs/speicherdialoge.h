// The dialogs of the saving settings: "Speichern" (automatic saving, its
// interval and folder, the ".BAK" backup) and "Undospeichereinstellung" (how
// many undo steps the drawing keeps). Both edit a copy of their section of
// the configuration file; the caller stores it.
#pragma once

#include <QDialog>
#include <array>

#include "settings/einstellungen_dateien.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quarzel {

class TSpeichereinstellungen final : public QDialog {
  Q_OBJECT

 public:
  explicit TSpeichereinstellungen(const einstellung::Speichern& abschnitt, QWidget* eltern = nullptr);

  // The section with the dialog's values; the keys the dialog does not show
  // stay as they came.
  einstellung::Speichern abschnitt() const;

  QCheckBox* automatisch() const { return automatisch_; }
  QSpinBox* minuten() const { return minuten_; }
  QCheckBox* sicherheitskopie() const { return sicherheitskopie_; }
  QCheckBox* eigenerOrdner() const { return eigenerOrdner_; }
  QLineEdit* ordner() const { return ordner_; }

 private:
  einstellung::Speichern ausgang_;
  QCheckBox* automatisch_;
  QSpinBox* minuten_;
  QCheckBox* sicherheitskopie_;
  QCheckBox* eigenerOrdner_;
  QLineEdit* ordner_;
};

// Positions 1, 2, 3 of the control and the undo steps they keep.
inline constexpr std::array<int, 3> kUndoschritte{100, 50, 10};
// The position (1..3) for a stored number of steps; a number the control
// does not offer takes the nearest one that keeps at least as many steps.
int undoposition(int schritte);

class TUndospeichereinstellung final : public QDialog {
  Q_OBJECT

 public:
  explicit TUndospeichereinstellung(int schritte, QWidget* eltern = nullptr);

  int schritte() const;
  QRadioButton* knopf(int position) const { return knoepfe_.at(static_cast<std::size_t>(position - 1)); }

 private:
  std::array<QRadioButton*, 3> knoepfe_{};
};

}  // namespace quarzel
