// The colour fields and the pick tools of the window:
//
// - the bar "Farbwahl" holds the primary (901) and the secondary (902)
//   colour field; each button shows its colour, and a click on it picks a
//   colour for it in the colour dialog (they start no tool);
// - the primary colour is the drawing colour of the property bar and the
//   secondary colour its second colour (gradients run to it); both are kept
//   as "Primärfarbe" and "Sekundärfarbe" of the section "Zeichenhilfen", so
//   they come back at the next start;
// - "Farbe aus&wählen" (130) and "&Eigenschaften auswählen " (131) put what
//   they took from an element into the property bar
//   (edit/eigenschaftsaufnahme.h).
#pragma once

#include <QColor>
#include <QObject>

#include "edit/eigenschaftsaufnahme.h"
#include "ui/window/fensteranschluss.h"

class QAction;

namespace quarzel {

class Eigenschaftsleiste;
struct Werkzeugleisten;

class Farbwahl final : public QObject {
  Q_OBJECT

 public:
  // Sets the property bar's colours from the configuration and connects the
  // pick tools of the session's tool box.
  Farbwahl(Fensteranschluss fenster, Eigenschaftsleiste& eigenschaften, const Werkzeugleisten& leisten);
  ~Farbwahl() override;

  void uebernimm(const Aufnahme& a);
  // The field of 901 or 902 takes `farbe` (an invalid one changes nothing).
  void setzeFeld(Werkzeugcode feld, const QColor& farbe);

 private:
  // Keeps the two colours in the configuration and shows them on the buttons.
  void farbenMerken();

  Fensteranschluss fenster_;
  Eigenschaftsleiste& eigenschaften_;
  const Werkzeugleisten& leisten_;
  QAction* primaerKnopf_ = nullptr;    // 901
  QAction* sekundaerKnopf_ = nullptr;  // 902
};

}  // namespace quarzel
