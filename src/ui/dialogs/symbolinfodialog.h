// TSymbolinformationen: the dialog "Symbolinformationen" — a symbol's
// "Bezeichnung:", "Beschreibung:", "Material:", "Gewicht:" and "Preis:",
// under its file name and preview picture. It edits values only; the caller
// reads and writes the symbol's information file (store/symbolinformationen.h).
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "store/symbolinformationen.h"

class QLineEdit;

namespace quarzel {

class TSymbolinformationen final : public QDialog {
  Q_OBJECT

 public:
  // `vorschau`: the image file of the symbol's preview; empty shows none.
  TSymbolinformationen(const std::string& symbolname, const Symbolinformationen& info,
                       const std::vector<std::uint8_t>& vorschau, QWidget* eltern = nullptr);

  Symbolinformationen informationen() const;
  // The fields in the order of kSymbolinformationsfelder (for tests).
  QLineEdit* feld(std::size_t i) const { return felder_[i]; }

 private:
  std::array<QLineEdit*, 5> felder_{};
};

}  // namespace quarzel
