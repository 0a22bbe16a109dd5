// The dialog "Statistik": how many elements of each kind the drawing holds,
// split into the drawing proper and the undo/redo store (store/statistik.h).
// It only shows; "OK" closes it.
#pragma once

#include <QDialog>

#include "store/statistik.h"

class QTableWidget;

namespace quarzel {

class TStatistik final : public QDialog {
  Q_OBJECT

 public:
  explicit TStatistik(const Statistik& statistik, QWidget* eltern = nullptr);

  // The table: one row per kind and "Gesamt", the three count columns.
  QTableWidget* tabelle() const { return tabelle_; }

 private:
  QTableWidget* tabelle_;
};

}  // namespace quarzel
