// Schraffurvorschau: a hatch definition drawn at 1:1 — 0.25 mm per pixel,
// the core's fill on a QtCanvas over the widget's whole rectangle — for the
// dialog "Schraffuren" and, small, for the hatch list of the main window.
#pragma once

#include <QImage>
#include <QWidget>

#include "styles/schraffurdefinition.h"

namespace quarzel {

// The hatch filling a white picture of `breite` × `hoehe` pixels, black lines,
// at `zoom` millimetres per pixel. Only pattern `nurMuster` (0..5) when it is
// given, all six otherwise.
QImage schraffurbild(const Schraffurdefinition& definition, int breite, int hoehe, double zoom = 0.25,
                     int nurMuster = -1);

class Schraffurvorschau final : public QWidget {
  Q_OBJECT

 public:
  explicit Schraffurvorschau(QWidget* eltern = nullptr);

  void setzeDefinition(const Schraffurdefinition& definition, int nurMuster = -1);
  const QImage& bild() const { return bild_; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void erneuern();

  Schraffurdefinition definition_;
  int nurMuster_ = -1;
  QImage bild_;
};

}  // namespace quarzel
