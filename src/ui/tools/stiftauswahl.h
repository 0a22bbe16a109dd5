// Stiftauswahl: a pen picker for the user's pens 1..24, each entry showing
// the pen's number and its width followed by " mm". Used wherever a dialog or
// tool bar lets the user pick a pen; refilled when the pen table changes.
#pragma once

#include <QComboBox>
#include <QString>

namespace quarzel {

struct Stifttabelle;

// "n  w mm", the width in its shortest decimal form ("0.18", "1").
QString stifteintrag(int stift, double breite);

class Stiftauswahl final : public QComboBox {
  Q_OBJECT

 public:
  explicit Stiftauswahl(QWidget* eltern = nullptr);

  // Fills the list from the table, keeping the chosen pen.
  void setzeStifte(const Stifttabelle& stifte);
  // The chosen pen 1..24.
  int stift() const;
  // Out-of-range numbers choose pen 1.
  void setzeStift(int stift);
};

}  // namespace quarzel
