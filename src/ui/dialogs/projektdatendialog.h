// The dialog "Zeichnungsinformationen" (TProjektdaten): the drawing's project
// data in the tabs "Projektdaten:", "Auftrag vergeben von:", "Erstellt von:"
// and "Geändert von:", and below them the grid of all 58 rows headed
// "Variable", "aktueller Wert" and "Bedeutung".
//
// A field and its grid cell are one value: typing in either shows in the
// other. Rows typed or chosen in the dialog are editable in the grid too;
// the computed rows show their current value, read-only. The change entries
// are edited in "Geändert von:"; an entry with a date keeps its name, so its
// name field is read-only.
//
// The dialog only shows and collects; the caller takes eingaben() into the
// drawing (project/projektbearbeitung.h).
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "project/projektbearbeitung.h"

class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

namespace quarzel {

struct Zeichnung;

class TProjektdaten final : public QDialog {
  Q_OBJECT

 public:
  // `heute`: today's date as the computed rows show it.
  TProjektdaten(const Zeichnung& zeichnung, std::string heute, QWidget* eltern = nullptr);

  // One text per row: the fields' texts, the stored values elsewhere.
  Projekteingaben eingaben() const;

  QTabWidget* reiter() const { return reiter_; }
  QTableWidget* tabelle() const { return tabelle_; }
  // The field of row `zeile` (a QLineEdit, QComboBox or QPlainTextEdit),
  // nullptr for a row without one.
  QWidget* feld(int zeile) const;

 private:
  QWidget* baueFeld(int zeile, const std::string& wert, bool nurLesen);
  void feldGeaendert(int zeile);
  void zelleGeaendert(QTableWidgetItem* zelle);

  const Zeichnung& zeichnung_;
  QTabWidget* reiter_;
  QTableWidget* tabelle_;
  std::array<QWidget*, kProjektfelder> felder_{};
  // Set while one side is written from the other, so the echo is ignored.
  bool gleicheAb_ = false;
};

}  // namespace quarzel
