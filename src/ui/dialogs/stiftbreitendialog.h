// The dialog "Stiftbreiten": width (0..10 mm) and colour of the user's pens
// 1..24, the colour of the hairline pen 0, and "Normstifte", which locks
// pens 1..8 to the DIN series.
//
// The dialog edits a copy of the table; OK hands it back (tabelle()). "als
// Standard" hands the current values to the caller at once, who stores them
// as the program's defaults; the dialog stays open.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "styles/stifte.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

namespace quarzel {

class TStiftbreiten final : public QDialog {
  Q_OBJECT

 public:
  explicit TStiftbreiten(const Stifttabelle& stifte, QWidget* eltern = nullptr);

  Stifttabelle tabelle() const;

  // Called by "als Standard" with the values shown.
  std::function<void(const Stifttabelle&)> alsStandard;

  QDoubleSpinBox* breite(int stift) const;  // 1..24, nullptr otherwise
  QPushButton* farbknopf(int stift) const;  // 0..24, nullptr otherwise
  QCheckBox* normstifte() const { return normstifte_; }
  QPushButton* standardknopf() const { return standard_; }
  // What the colour button does after the colour dialog; for tests.
  void setzeFarbe(int stift, Farbe farbe);

 private:
  void normstifteGewechselt(bool an);
  void farbeWaehlen(int stift);

  Stifttabelle stifte_;
  std::array<QDoubleSpinBox*, Stifttabelle::Benutzerstifte + 1> breiten_{};
  std::array<QPushButton*, Stifttabelle::Benutzerstifte + 1> farben_{};
  QCheckBox* normstifte_;
  QPushButton* standard_;
};

}  // namespace quarzel
