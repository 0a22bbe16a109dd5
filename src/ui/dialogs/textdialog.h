// Textdialog: the text of the text tools and of a double click on a text —
// several lines, font, height in millimetres, angle, alignment and, for a
// text on a background, its colour.
#pragma once

#include <QDialog>
#include <optional>

#include "edit/textwerkzeuge.h"

class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QPlainTextEdit;
class QPushButton;

namespace quarzel {

class Textdialog final : public QDialog {
  Q_OBJECT

 public:
  // `vorschlag` fills the fields; its `hinterlegt` shows the colour button.
  explicit Textdialog(const Textangaben& vorschlag, QWidget* eltern = nullptr);

  Textangaben wert() const;

  // Shows the dialog modally; nothing when the user cancels.
  static std::optional<Textangaben> frage(const Textangaben& vorschlag, QWidget* eltern);

 private:
  void farbeWaehlen();
  void farbknopfFaerben();

  Textangaben angaben_;
  QPlainTextEdit* text_ = nullptr;
  QFontComboBox* schrift_ = nullptr;
  QDoubleSpinBox* hoehe_ = nullptr;
  QDoubleSpinBox* winkel_ = nullptr;
  QComboBox* ausrichtung_ = nullptr;
  QPushButton* farbe_ = nullptr;
};

}  // namespace quarzel
