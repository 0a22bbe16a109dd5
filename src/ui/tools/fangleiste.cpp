#include "ui/tools/fangleiste.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

namespace quarzel {

namespace {

// The order of "FangenButtons" and of the mode bits.
constexpr std::array<Fangmodus, Fangmodusanzahl> kModi{
    FangEndpunkte,         FangMittelpunkte, FangQuadrantenpunkte,    FangSchnittLinieLinie,    FangSchnittLinieKreis,
    FangSchnittKreisKreis, FangKanten,       FangSchnittLiniePolygon, FangSchnittPolygonPolygon};

constexpr std::array<const char*, Fangmodusanzahl> kHinweise{
    "Fangen auf Endpunkten",
    "Fangen auf Mittelpunkten",
    "Fangen auf Quadrantenpunkten",
    "Fangen auf Schnittpunkten zwischen Linien",
    "Fangen auf Schnittpunkten zwischen Linien und Kreisen",
    "Fangen auf Schnittpunkten zwischen Kreisen",
    "Fangen auf Kanten",
    "Fangen auf Schnittpunkten zwischen Linien und Polygonkante",
    "Fangen auf Schnittpunkten zwischen Polygonkanten"};

// Small line pictures: the figure in grey, the snapped point in red.
QIcon bildchen(int art) {
  QPixmap bild(24, 24);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  const QPen figur(QColor(70, 70, 70), 1.5);
  const QPen punkt(QColor(220, 0, 0), 2);
  p.setPen(figur);
  auto marke = [&](QPointF m) {
    p.setPen(punkt);
    p.drawRect(QRectF(m.x() - 2.5, m.y() - 2.5, 5, 5));
    p.setPen(figur);
  };
  switch (art) {
    case 0:  // end points
      p.drawLine(QPointF(4, 19), QPointF(19, 5));
      marke({19, 5});
      break;
    case 1:  // mid points
      p.drawLine(QPointF(3, 19), QPointF(21, 5));
      marke({12, 12});
      break;
    case 2:  // quadrant points
      p.drawEllipse(QPointF(12, 13), 8, 8);
      marke({12, 5});
      break;
    case 3:  // line/line
      p.drawLine(QPointF(3, 20), QPointF(21, 4));
      p.drawLine(QPointF(3, 4), QPointF(21, 20));
      marke({12, 12});
      break;
    case 4:  // line/circle
      p.drawEllipse(QPointF(13, 13), 7, 7);
      p.drawLine(QPointF(2, 6), QPointF(22, 6));
      marke({9.5, 6});
      break;
    case 5:  // circle/circle
      p.drawEllipse(QPointF(9, 12), 6, 6);
      p.drawEllipse(QPointF(16, 12), 6, 6);
      marke({12.5, 7});
      break;
    case 6:  // edges
      p.drawLine(QPointF(3, 18), QPointF(21, 18));
      p.drawLine(QPointF(12, 5), QPointF(12, 18));
      marke({12, 18});
      break;
    case 7:  // line/polygon edge
      p.drawPolygon(QPolygonF({QPointF(5, 20), QPointF(12, 5), QPointF(20, 20)}));
      p.drawLine(QPointF(2, 13), QPointF(22, 13));
      marke({8.6, 13});
      break;
    default:  // polygon edge/polygon edge
      p.drawPolygon(QPolygonF({QPointF(3, 20), QPointF(9, 4), QPointF(15, 20)}));
      p.drawPolygon(QPolygonF({QPointF(9, 20), QPointF(15, 4), QPointF(21, 20)}));
      marke({12, 12});
      break;
  }
  return QIcon(bild);
}

QIcon rasterbild() {
  QPixmap bild(24, 24);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setPen(QPen(QColor(40, 40, 40), 2));
  for (int x = 4; x <= 20; x += 8)
    for (int y = 4; y <= 20; y += 8) p.drawPoint(x, y);
  return QIcon(bild);
}

QIcon winkelbild() {
  QPixmap bild(24, 24);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  p.drawLine(QPointF(3, 20), QPointF(21, 20));
  p.drawLine(QPointF(3, 20), QPointF(17, 6));
  p.drawArc(QRectF(-5, 12, 16, 16), 0, 45 * 16);
  return QIcon(bild);
}

QIcon linealbild() {
  QPixmap bild(24, 24);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.drawRect(2, 2, 20, 6);
  p.drawRect(2, 2, 6, 20);
  for (int i = 10; i <= 20; i += 3) {
    p.drawLine(i, 2, i, 5);
    p.drawLine(2, i, 5, i);
  }
  return QIcon(bild);
}

}  // namespace

const std::array<const char*, Fangmodusanzahl>& Fangleiste::hinweise() {
  return kHinweise;
}

Fangleiste::Fangleiste(Fangeinstellungen& einstellungen, QWidget* eltern)
    : QToolBar(QStringLiteral("Fangen"), eltern), e_(einstellungen) {
  setObjectName(QStringLiteral("Fangleiste"));
  for (int i = 0; i < Fangmodusanzahl; ++i) {
    QAction* a = addAction(bildchen(i), QString::fromUtf8(kHinweise[i]));
    a->setCheckable(true);
    a->setToolTip(QString::fromUtf8(kHinweise[i]));
    connect(a, &QAction::toggled, this, [this, i](bool an) {
      if (an)
        e_.modi |= kModi[i];
      else
        e_.modi &= static_cast<std::uint16_t>(~kModi[i]);
      emit fangGeaendert();
    });
    modi_[i] = a;
  }
  addSeparator();
  raster_ = addAction(rasterbild(), QStringLiteral("Raster"));
  raster_->setCheckable(true);
  connect(raster_, &QAction::toggled, this, &Fangleiste::rasterUmschalten);
  winkelraster_ = addAction(winkelbild(), QStringLiteral("Winkelraster"));
  winkelraster_->setCheckable(true);
  connect(winkelraster_, &QAction::toggled, this, &Fangleiste::winkelrasterUmschalten);
  randlineale_ = addAction(linealbild(), QStringLiteral("Randlineale"));
  randlineale_->setCheckable(true);
  connect(randlineale_, &QAction::toggled, this, [this](bool an) {
    e_.randlineale = an;
    emit darstellungGeaendert();
  });
  abgleichen();
}

void Fangleiste::InitFangenButtons(const einstellung::Zeichenhilfen& zeichenhilfen) {
  uebernimmZeichenhilfen(zeichenhilfen, e_);
  abgleichen();
}

void Fangleiste::abgleichen() {
  for (int i = 0; i < Fangmodusanzahl; ++i) {
    const QSignalBlocker still(modi_[i]);
    modi_[i]->setChecked(e_.modus(kModi[i]));
    modi_[i]->setEnabled(e_.knoepfeAktiv());
  }
  const QSignalBlocker r(raster_), w(winkelraster_), l(randlineale_);
  raster_->setChecked(e_.raster);
  winkelraster_->setChecked(e_.winkelraster);
  randlineale_->setChecked(e_.randlineale);
}

void Fangleiste::rasterUmschalten(bool an) {
  e_.raster = an;
  if (an) e_.winkelraster = false;
  abgleichen();
  emit darstellungGeaendert();
}

void Fangleiste::winkelrasterUmschalten(bool an) {
  e_.winkelraster = an;
  const bool rasterWarAn = e_.raster;
  if (an && e_.raster) e_.raster = false;
  abgleichen();
  emit fangGeaendert();
  if (rasterWarAn != e_.raster) emit darstellungGeaendert();
}

}  // namespace quarzel
