#include "ui/dialogs/schraffurvorschau.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "render/schraffurfuellung.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {

namespace {

// A preview never needs more than a screen's worth of pixels.
constexpr int kGroessteKante = 4096;

}  // namespace

QImage schraffurbild(const Schraffurdefinition& definition, int breite, int hoehe, double zoom, int nurMuster) {
  breite = std::clamp(breite, 1, kGroessteKante);
  hoehe = std::clamp(hoehe, 1, kGroessteKante);
  QImage bild(breite, hoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  Schraffurdefinition d = definition;
  if (nurMuster >= 0 && nurMuster < Schraffurdefinition::Musteranzahl) {
    for (int m = 0; m < Schraffurdefinition::Musteranzahl; ++m) {
      if (m == nurMuster) continue;
      for (Schraffurlinie& l : d.muster[static_cast<std::size_t>(m)].linien) l.active = 0;
    }
  }
  {
    QtCanvas canvas(bild);
    canvas.setzeStift(rgb(0, 0, 0), 1);
    EinfacherSchraffurzeichner zeichner;
    Schraffurfueller fueller(zeichner);
    fueller.rahmen.zoom = zoom > 0 ? zoom : 0.25;
    fueller.rahmen.massstab = 1;
    fueller.rahmen.sichtbereich = Cliprechteck{0, 0, static_cast<double>(breite), static_cast<double>(hoehe)};
    const std::array<Pixelpunkt, 5> rand{
        {{0, 0}, {double(breite), 0}, {double(breite), double(hoehe)}, {0, double(hoehe)}, {0, 0}}};
    fueller.fillHatch(canvas, d, rand);
  }
  return bild;
}

Schraffurvorschau::Schraffurvorschau(QWidget* eltern) : QWidget(eltern) {
  setMinimumSize(160, 120);
}

void Schraffurvorschau::setzeDefinition(const Schraffurdefinition& definition, int nurMuster) {
  definition_ = definition;
  nurMuster_ = nurMuster;
  erneuern();
}

void Schraffurvorschau::erneuern() {
  bild_ = schraffurbild(definition_, width(), height(), 0.25, nurMuster_);
  update();
}

void Schraffurvorschau::resizeEvent(QResizeEvent*) {
  erneuern();
}

void Schraffurvorschau::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.drawImage(0, 0, bild_);
  maler.setPen(Qt::gray);
  maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quarzel
