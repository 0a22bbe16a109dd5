#include "ui/zeichenflaeche.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/qtcanvas.h"

namespace quarzel {

Zeichenflaeche::Zeichenflaeche(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Zeichenflaeche"));
  // The picture covers every pixel; Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::CrossCursor);
  setMinimumSize(50, 50);
}

void Zeichenflaeche::setzeMaler(Maler maler) {
  maler_ = std::move(maler);
  neuZeichnen();
}

void Zeichenflaeche::neuZeichnen() {
  veraltet_ = true;
  update();
}

int Zeichenflaeche::pixelBreite() const {
  return static_cast<int>(std::lround(width() * devicePixelRatioF()));
}
int Zeichenflaeche::pixelHoehe() const {
  return static_cast<int>(std::lround(height() * devicePixelRatioF()));
}

void Zeichenflaeche::bildErneuern() {
  const QSize groesse(std::max(1, pixelBreite()), std::max(1, pixelHoehe()));
  if (bild_.size() != groesse) bild_ = QImage(groesse, QImage::Format_RGB32);
  bild_.fill(Qt::white);
  if (maler_) {
    QtCanvas canvas(bild_);
    maler_(canvas);
  }
  veraltet_ = false;
}

void Zeichenflaeche::paintEvent(QPaintEvent*) {
  if (veraltet_ || bild_.size() != QSize(std::max(1, pixelBreite()), std::max(1, pixelHoehe()))) bildErneuern();
  QPainter maler(this);
  // The image has device pixels; drawn into the logical rectangle it maps 1:1.
  maler.drawImage(QRectF(0, 0, width(), height()), bild_);
}

void Zeichenflaeche::resizeEvent(QResizeEvent* ereignis) {
  QWidget::resizeEvent(ereignis);
  veraltet_ = true;
  emit groesseGeaendert(pixelBreite(), pixelHoehe());
}

void Zeichenflaeche::mouseMoveEvent(QMouseEvent* ereignis) {
  const double faktor = devicePixelRatioF();
  emit mausBewegt(ereignis->position().x() * faktor, ereignis->position().y() * faktor);
  QWidget::mouseMoveEvent(ereignis);
}

}  // namespace quarzel
