// The dialog of "Ansichten drucken": the defined views with a check box each;
// OK hands back the ticked ones in slot order.
#pragma once

#include <QDialog>
#include <vector>

class QListWidget;

namespace quarzel {

class Ansichtstabelle;

class TAnsichtenDrucken final : public QDialog {
  Q_OBJECT

 public:
  explicit TAnsichtenDrucken(const Ansichtstabelle& ansichten, QWidget* eltern = nullptr);

  // The slots of the ticked views.
  std::vector<int> gewaehlt() const;
  QListWidget* liste() const { return liste_; }

 private:
  QListWidget* liste_ = nullptr;
};

}  // namespace quarzel
