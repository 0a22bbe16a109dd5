// The two small sublayer dialogs: "Neue Unterebene erstellen" (a name for the
// new sublayer of the active layer) and "Unterebene aktivieren" (the list of
// the active layer's sublayers).
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QListWidget;

namespace quarzel {

class Ebenen;

class TFolieneu final : public QDialog {
  Q_OBJECT

 public:
  // `vorschlag`: the default name the field starts with.
  explicit TFolieneu(const QString& vorschlag, QWidget* eltern = nullptr);
  // The name without blanks at the ends; "" gives the default name.
  std::string bezeichnung() const;
  QLineEdit* feld() const { return feld_; }

 private:
  QLineEdit* feld_ = nullptr;
};

class TFolieAktivieren final : public QDialog {
  Q_OBJECT

 public:
  TFolieAktivieren(const Ebenen& ebenen, int ebene, int vorgewaehlt, QWidget* eltern = nullptr);
  int gewaehlteFolie() const;
  QListWidget* liste() const { return liste_; }

 private:
  QListWidget* liste_ = nullptr;
};

}  // namespace quarzel
