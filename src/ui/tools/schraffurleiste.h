// Schraffurleiste: the main window's dock with the list of available hatches,
// each shown with a small preview. Picking one makes it the current hatch of
// the area tools, exactly as the property bar's hatch field does; the list
// and the field follow each other, and "keine" in the field clears the list's
// choice.
#pragma once

#include <QDockWidget>

class QComboBox;

namespace quarzel {

class Eigenschaftsleiste;
class Schraffurbibliothek;
class Schraffurliste;

class Schraffurleiste final : public QDockWidget {
  Q_OBJECT

 public:
  Schraffurleiste(Eigenschaftsleiste& eigenschaften, QWidget* eltern = nullptr);

  // Reads the available hatches anew into the list and the property bar,
  // keeping the current hatch when it is still there.
  void auffrischen(const Schraffurbibliothek& bibliothek);
  Schraffurliste* liste() const { return liste_; }

 private:
  void ausFeld();
  void ausListe();

  Eigenschaftsleiste& eigenschaften_;
  // The property bar's hatch field; nullptr when the bar has none.
  QComboBox* feld_ = nullptr;
  Schraffurliste* liste_ = nullptr;
};

}  // namespace quarzel
