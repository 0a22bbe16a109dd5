#include "ui/window/zeichenflaeche.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <numbers>

#include "edit/fangmarker.h"
#include "ui/qt/qtcanvas.h"
#include "ui/qt/rueckmeldungscanvas.h"

namespace quarzel {

namespace {

// Long enough that dragging a window edge does not repaint the drawing for
// every intermediate size, short enough not to be noticed.
constexpr int kNeuzeichenVerzoegerungMs = 60;
// Radius of the reference point's ring in device pixels.
constexpr double kBezugsradius = 4;
constexpr double kNullpunktachse = 14;  // logical pixels

}  // namespace

Zeichenflaeche::Zeichenflaeche(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Zeichenflaeche"));
  // The picture covers every pixel; Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::CrossCursor);
  setMinimumSize(50, 50);
  rueckmeldung_ = std::make_unique<Rueckmeldungscanvas>(bild_, ebene_, [this] { update(); });
  neuzeichenTimer_ = new QTimer(this);
  neuzeichenTimer_->setSingleShot(true);
  neuzeichenTimer_->setInterval(kNeuzeichenVerzoegerungMs);
  connect(neuzeichenTimer_, &QTimer::timeout, this, [this] {
    if (!bildPasst()) {
      bildErneuern();
      update();
    }
  });
}

Zeichenflaeche::~Zeichenflaeche() {
  rueckmeldung_->schliessen();
}

void Zeichenflaeche::setzeMaler(Maler maler) {
  maler_ = std::move(maler);
  neuZeichnen();
}

void Zeichenflaeche::neuZeichnen() {
  bildErneuern();
  update();
}

void Zeichenflaeche::aufBildZeichnen(const std::function<void(Canvas&)>& zeichnen) {
  if (!bildPasst()) {
    // The picture is being replaced anyway; the new one contains the element.
    neuZeichnen();
    return;
  }
  rueckmeldung_->direkt(zeichnen);
}

Canvas& Zeichenflaeche::rueckmeldung() {
  return *rueckmeldung_;
}

void Zeichenflaeche::setzeFadenkreuz(bool an, const QColor& farbe) {
  fadenkreuz_ = an;
  fadenkreuzfarbe_ = farbe;
  update();
}

void Zeichenflaeche::setzeBezugspunkt(std::optional<QPointF> punkt, const QColor& farbe) {
  if (punkt == bezugspunkt_ && farbe == bezugsfarbe_) return;
  bezugspunkt_ = punkt;
  bezugsfarbe_ = farbe;
  update();
}

void Zeichenflaeche::setzeNullpunkt(std::optional<QPointF> punkt, double winkel) {
  if (punkt == nullpunkt_ && winkel == nullpunktwinkel_) return;
  nullpunkt_ = punkt;
  nullpunktwinkel_ = std::isfinite(winkel) ? winkel : 0;
  update();
}

void Zeichenflaeche::zeigeFang(const Fangergebnis* ergebnis) {
  std::optional<Fangart> art;
  QPointF punkt = fangpunkt_;
  if (ergebnis != nullptr && Fangmarker::zeigtSymbol(*ergebnis) && std::isfinite(ergebnis->x) &&
      std::isfinite(ergebnis->y)) {
    art = ergebnis->art;
    punkt = QPointF(ergebnis->x, ergebnis->y);
  }
  if (art == fangmarke_ && (!art || punkt == fangpunkt_)) return;
  fangmarke_ = art;
  fangpunkt_ = punkt;
  update();
}

void Zeichenflaeche::fangmarkeMalen(QPainter& maler) const {
  if (!fangmarke_) return;
  const QColor f = fangfarbe_;
  QtCanvas canvas(maler);
  Fangmarker::zeichneSymbol(canvas, *fangmarke_, fangpunkt_.x(), fangpunkt_.y(), rgb(f.red(), f.green(), f.blue()));
}

void Zeichenflaeche::zwischenstandZeigen() {
  // A paint event cannot paint itself again; it shows the result anyway.
  if (imPaintEvent_ || !isVisible()) return;
  ++zwischenstaende_;
  repaint();
}

int Zeichenflaeche::pixelBreite() const {
  return static_cast<int>(std::lround(width() * devicePixelRatioF()));
}
int Zeichenflaeche::pixelHoehe() const {
  return static_cast<int>(std::lround(height() * devicePixelRatioF()));
}

bool Zeichenflaeche::bildPasst() const {
  return bild_.width() >= std::max(1, pixelBreite()) && bild_.height() >= std::max(1, pixelHoehe());
}

void Zeichenflaeche::bildErneuern() {
  // The image must not be replaced under the painter of a redraw that lets
  // events through: the request stops that redraw and is served after it.
  if (zeichnet_) {
    nochmal_ = true;
    return;
  }
  zeichnet_ = true;
  do {
    nochmal_ = false;
    bildMalen();
  } while (nochmal_);
  zeichnet_ = false;
  ++bildzaehler_;
  fangmarke_.reset();
  emit neuGezeichnet();
}

void Zeichenflaeche::bildMalen() {
  // The rubber bands' painter must be off the image while it is replaced.
  rueckmeldung_->schliessen();
  const QSize groesse(std::max(1, pixelBreite()), std::max(1, pixelHoehe()));
  if (bild_.size() != groesse) bild_ = QImage(groesse, QImage::Format_RGB32);
  bild_.fill(Qt::white);
  ebeneAnpassen();
  if (maler_) {
    QtCanvas canvas(bild_);
    maler_(canvas);
  }
}

void Zeichenflaeche::ebeneAnpassen() {
  if (ebene_.size() == bild_.size()) return;
  QImage neu(bild_.size(), QImage::Format_RGB32);
  neu.fill(Qt::black);
  if (!ebene_.isNull()) {
    // The view's origin is the top-left pixel, so a band keeps its pixels.
    QPainter m(&neu);
    m.drawImage(0, 0, ebene_);
  }
  ebene_ = neu;
}

QImage Zeichenflaeche::sichtbaresBild() const {
  QImage ergebnis = bild_.copy();
  if (ergebnis.isNull()) return ergebnis;
  QPainter m(&ergebnis);
  if (!ebene_.isNull()) {
    m.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m.drawImage(0, 0, ebene_);
    m.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  fangmarkeMalen(m);
  m.end();
  return ergebnis;
}

void Zeichenflaeche::paintEvent(QPaintEvent* ereignis) {
  if (!bildPasst() && !schnellerRefresh_) {
    imPaintEvent_ = true;
    bildErneuern();
    imPaintEvent_ = false;
  }
  QPainter maler(this);
  if (!bildPasst()) {
    // Show what there is at once and paint the picture when resizing pauses.
    maler.fillRect(rect(), Qt::white);
    neuzeichenTimer_->start();
  }
  const double faktor = devicePixelRatioF();
  // The image has device pixels; drawn into the logical rectangle it maps 1:1.
  const QRectF ziel(0, 0, bild_.width() / faktor, bild_.height() / faktor);
  maler.drawImage(ziel, bild_);
  if (ebene_.size() == bild_.size()) {
    maler.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    maler.drawImage(ziel, ebene_);
    maler.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  maler.setRenderHint(QPainter::Antialiasing, false);
  if (nullpunkt_) {
    // Two short axes from the origin, as the user's x and y point (y up).
    const QPointF p = *nullpunkt_ / faktor;
    const double a = nullpunktwinkel_ * std::numbers::pi / 180.0;
    const QPointF x(std::cos(a) * kNullpunktachse, -std::sin(a) * kNullpunktachse);
    const QPointF y(-std::sin(a) * kNullpunktachse, -std::cos(a) * kNullpunktachse);
    maler.setPen(QPen(Qt::blue, 0));
    maler.setBrush(Qt::NoBrush);
    maler.drawLine(p, p + x);
    maler.drawLine(p, p + y);
    maler.drawEllipse(p, kBezugsradius / faktor, kBezugsradius / faktor);
  }
  if (bezugspunkt_) {
    maler.setPen(QPen(bezugsfarbe_, 0));
    maler.setBrush(Qt::NoBrush);
    const QPointF p = *bezugspunkt_ / faktor;
    maler.drawEllipse(p, kBezugsradius / faktor, kBezugsradius / faktor);
  }
  if (fangmarke_) {
    maler.save();
    maler.scale(1 / faktor, 1 / faktor);
    fangmarkeMalen(maler);
    maler.restore();
  }
  if (fadenkreuz_ && cursor_) {
    maler.setPen(QPen(fadenkreuzfarbe_, 0, Qt::DotLine));
    const QPointF c = *cursor_ / faktor;
    maler.drawLine(QPointF(0, c.y()), QPointF(width(), c.y()));
    maler.drawLine(QPointF(c.x(), 0), QPointF(c.x(), height()));
  }
  (void)ereignis;
}

void Zeichenflaeche::resizeEvent(QResizeEvent* ereignis) {
  QWidget::resizeEvent(ereignis);
  emit groesseGeaendert(pixelBreite(), pixelHoehe());
}

Mausdaten Zeichenflaeche::daten(const QMouseEvent& e) const {
  const double faktor = devicePixelRatioF();
  return {e.position().x() * faktor, e.position().y() * faktor, e.button(), e.buttons(), e.modifiers()};
}

void Zeichenflaeche::mouseMoveEvent(QMouseEvent* ereignis) {
  const Mausdaten m = daten(*ereignis);
  cursor_ = QPointF(m.x, m.y);
  emit mausBewegt(m.x, m.y);
  if (fadenkreuz_) update();
  ereignis->accept();
}

void Zeichenflaeche::mousePressEvent(QMouseEvent* ereignis) {
  setFocus(Qt::MouseFocusReason);
  emit mausGedrueckt(daten(*ereignis));
  ereignis->accept();
}

void Zeichenflaeche::mouseReleaseEvent(QMouseEvent* ereignis) {
  emit mausLosgelassen(daten(*ereignis));
  ereignis->accept();
}

void Zeichenflaeche::mouseDoubleClickEvent(QMouseEvent* ereignis) {
  emit mausDoppelklick(daten(*ereignis));
  ereignis->accept();
}

void Zeichenflaeche::wheelEvent(QWheelEvent* ereignis) {
  const double faktor = devicePixelRatioF();
  // 120 units are one notch of an ordinary wheel; touchpads send fractions.
  const double stufen = ereignis->angleDelta().y() / 120.0;
  if (stufen != 0) emit mausrad(ereignis->position().x() * faktor, ereignis->position().y() * faktor, stufen);
  ereignis->accept();
}

void Zeichenflaeche::keyPressEvent(QKeyEvent* ereignis) {
  if (tastenfilter_ && tastenfilter_(*ereignis)) {
    ereignis->accept();
    return;
  }
  QWidget::keyPressEvent(ereignis);
}

void Zeichenflaeche::leaveEvent(QEvent* ereignis) {
  cursor_.reset();
  fangmarke_.reset();
  update();
  emit mausVerlassen();
  QWidget::leaveEvent(ereignis);
}

bool Zeichenflaeche::focusNextPrevChild(bool) {
  // Tab belongs to the tools (and is harmless), not to focus changes that
  // would take the keys away from the drawing.
  return false;
}

}  // namespace quarzel
