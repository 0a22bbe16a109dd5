// The dialog "Fehlende Schraffuren" after loading a drawing that names
// hatches this installation does not have: the names, and what the user can
// do about them. The elements keep their names, so saving loses nothing.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace quarzel {

class TFehlendeSchraffuren final : public QDialog {
  Q_OBJECT

 public:
  // `meldung`: the loader's sentence above the list (may be empty).
  TFehlendeSchraffuren(const std::string& meldung, const std::vector<std::string>& namen, QWidget* eltern = nullptr);

  QListWidget* liste() const { return liste_; }

 private:
  QListWidget* liste_;
};

}  // namespace quarzel
