#include "ui/window/linealleiste.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "view/lineal.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {

Linealleiste::Linealleiste(const Ansicht& ansicht, bool waagerecht, std::function<bool()> modell, QWidget* eltern)
    : QWidget(eltern), ansicht_(ansicht), waagerecht_(waagerecht), modell_(std::move(modell)) {
  setObjectName(waagerecht ? QStringLiteral("LinealOben") : QStringLiteral("LinealLinks"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (waagerecht) {
    setFixedHeight(kDicke);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  } else {
    setFixedWidth(kDicke);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  }
}

void Linealleiste::setzeCursor(std::optional<double> position) {
  if (position && !std::isfinite(*position)) position.reset();
  if (position == cursor_) return;
  cursor_ = position;
  update();
}

QImage Linealleiste::bild() const {
  const double faktor = devicePixelRatioF();
  QImage ziel(std::max(1, int(std::lround(width() * faktor))), std::max(1, int(std::lround(height() * faktor))),
              QImage::Format_RGB32);
  male(ziel);
  return ziel;
}

void Linealleiste::male(QImage& ziel) const {
  {
    QtCanvas canvas(ziel);
    linealzeichnen(canvas, ansicht_, waagerecht_, modell_ && modell_());
  }
  if (!cursor_) return;
  QPainter maler(&ziel);
  maler.setPen(QPen(QColor(0, 0, 255), 0));
  const double p = std::floor(*cursor_) + 0.5;
  if (waagerecht_) {
    maler.drawLine(QPointF(p, 0), QPointF(p, ziel.height()));
  } else {
    maler.drawLine(QPointF(0, p), QPointF(ziel.width(), p));
  }
}

void Linealleiste::paintEvent(QPaintEvent* ereignis) {
  const QImage b = bild();
  QPainter maler(this);
  const double faktor = devicePixelRatioF();
  maler.drawImage(QRectF(0, 0, b.width() / faktor, b.height() / faktor), b);
  (void)ereignis;
}

}  // namespace quarzel
