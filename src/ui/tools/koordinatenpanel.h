// Koordinatenpanel: the numeric entry panel "Koordinateneingabe", a dock
// widget with the three group boxes "1.) Erster Punkt" ... whose fields
// x1eingabe ... y3eingabe take arithmetic expressions. The captions, labels,
// evaluation and the conversion to a world point are the core's
// (Koordinateneingabe); the panel keeps the widgets in step with it:
//
// - a field with the focus turns cyan and the window's shortcuts are off
//   (signal kurztasten) until it loses the focus, when its expression is
//   replaced by its value;
// - Enter, "Q" typed in a first field, or "OK" feed the expected group's
//   point to the tool, then the focus goes to the next enabled group or back
//   to the drawing area;
// - a group is enabled only while the tool expects its point step.
#pragma once

#include <QDockWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "edit/koordinateneingabe.h"
#include "edit/werkzeugcode.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarzel {

class Werkzeugsteuerung;

class Koordinatenpanel final : public QDockWidget {
  Q_OBJECT

 public:
  // `zeichenflaeche` gets the focus back when no group is left to fill.
  Koordinatenpanel(Werkzeugsteuerung& steuerung, QWidget* zeichenflaeche, QWidget* eltern = nullptr);
  ~Koordinatenpanel() override;

  // New captions for the tool now active.
  void werkzeugGestartet(Werkzeugcode werkzeug);
  // Enables the group of the expected point step (after every input event).
  void schritteAktualisieren();

  // "OK": feeds the expected group's point; false when nothing was fed.
  bool ok();
  // The cancel button: aborts the tool's collection.
  void abbrechen();

  // Shows a message (a field that holds no number).
  std::function<void(const std::string&)> melder;

  Koordinateneingabe& kern() { return kern_; }
  QLineEdit* feld(int gruppe, bool y) const;
  QGroupBox* gruppe(int g) const { return gruppen_[static_cast<std::size_t>(g)].box; }
  QCheckBox* relativ(int g) const { return gruppen_[static_cast<std::size_t>(g)].relativ; }
  QCheckBox* polar(int g) const { return gruppen_[static_cast<std::size_t>(g)].polar; }
  QString beschriftung(int gruppe, bool y) const;

 signals:
  // false while a field has the focus: the window switches its shortcuts off.
  void kurztasten(bool an);
  // A point was fed to the tool.
  void punktEingegeben();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  struct Gruppenfelder {
    QGroupBox* box = nullptr;
    QLabel* lx = nullptr;
    QLabel* ly = nullptr;
    QLineEdit* x = nullptr;
    QLineEdit* y = nullptr;
    QCheckBox* relativ = nullptr;
    QCheckBox* polar = nullptr;
    QLabel* nurMaus = nullptr;
  };

  void baueGruppe(int g, QWidget* innen);
  void beschriftungenSetzen(int g);
  void feldBetreten(QLineEdit* f);
  void feldVerlassen(QLineEdit* f);
  // The texts and check boxes of the widgets into the core.
  void inKernUebernehmen();
  std::pair<int, bool> stelle(const QObject* f) const;
  void fokusGewechselt(QWidget* alt, QWidget* neu);

  Werkzeugsteuerung& steuerung_;
  QWidget* zeichenflaeche_;
  Koordinateneingabe kern_;
  std::array<Gruppenfelder, 3> gruppen_{};
  QPushButton* okKnopf_ = nullptr;
  QPushButton* abbrechenKnopf_ = nullptr;
};

}  // namespace quarzel
