// Makrodebugansicht: the macro editor's debugging view. It shows what the
// interpreter holds of the last or halted run — the operand stack (top row
// first), the variables in definition order, the subroutines called so far,
// the warnings of the count check before the run — and offers single
// stepping: with "Einzelschritt" on, a run halts after every command until
// "Nächster Schritt".
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace quarzel {

class Makrointerpreter;

class Makrodebugansicht final : public QWidget {
  Q_OBJECT

 public:
  explicit Makrodebugansicht(QWidget* eltern = nullptr);

  // Fills the view from the interpreter's state.
  void zeige(const Makrointerpreter& interpreter);
  void setzeHaelt(bool haelt);

  QTableWidget& stapel() { return *stapel_; }
  QTableWidget& variablen() { return *variablen_; }
  QListWidget& unterprogramme() { return *unterprogramme_; }
  QCheckBox& einzelschritt() { return *einzelschritt_; }
  QPushButton& naechsterSchritt() { return *naechster_; }

 private:
  QLabel* lage_;
  QLabel* warnungen_;
  QTableWidget* stapel_;
  QTableWidget* variablen_;
  QListWidget* unterprogramme_;
  QCheckBox* einzelschritt_;
  QPushButton* naechster_;
};

}  // namespace quarzel
