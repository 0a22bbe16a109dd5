// Ebenenauswahl: the layer and sublayer pickers of the tool bar, two combo
// boxes showing the active layer and sublayer by number and name. Choosing an
// entry activates it through Ebenenbefehle (with the transfer question when
// elements are marked); the boxes follow every change of the tables.
#pragma once

#include <QWidget>

class QComboBox;

namespace quarzel {

class Ebenenbefehle;

class Ebenenauswahl final : public QWidget {
  Q_OBJECT

 public:
  Ebenenauswahl(Ebenenbefehle& befehle, QWidget* eltern = nullptr);

  QComboBox* ebenen() const { return ebenen_; }
  QComboBox* folien() const { return folien_; }

  // Refills both boxes from the drawing.
  void aktualisieren();

 private:
  Ebenenbefehle& befehle_;
  QComboBox* ebenen_ = nullptr;
  QComboBox* folien_ = nullptr;
};

}  // namespace quarzel
