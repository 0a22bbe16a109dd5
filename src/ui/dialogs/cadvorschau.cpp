#include "ui/dialogs/cadvorschau.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "exchange/cadaufloesung.h"

namespace quarzel {

namespace {

constexpr double kGrad = std::numbers::pi / 180;

// A primitive as a few polylines in file coordinates: enough for a preview.
void umrisse(const CadWeltelement& e, std::vector<std::vector<QPointF>>& aus) {
  using A = CadWeltelement::Art;
  aus.clear();
  switch (e.art) {
    case A::Linie:
      aus.push_back({{e.a.x, e.a.y}, {e.b.x, e.b.y}});
      break;
    case A::Punkt:
      aus.push_back({{e.a.x, e.a.y}, {e.a.x, e.a.y}});
      break;
    case A::Ellipse: {
      std::vector<QPointF> z;
      double spanne = e.ende - e.anfang;
      if (spanne <= 0) spanne += 360;
      const int schritte = std::max(8, static_cast<int>(spanne / 10));
      const double c = std::cos(e.drehung * kGrad), s = std::sin(e.drehung * kGrad);
      for (int i = 0; i <= schritte; ++i) {
        const double t = (e.anfang + spanne * i / schritte) * kGrad;
        const double u = e.rx * std::cos(t), v = e.ry * std::sin(t);
        z.emplace_back(e.a.x + u * c - v * s, e.a.y + u * s + v * c);
      }
      aus.push_back(std::move(z));
      break;
    }
    case A::Polylinie:
    case A::Flaeche:
    case A::Bezier: {
      std::vector<QPointF> z;
      for (const CadScheitel& p : e.punkte) z.emplace_back(p.p.x, p.p.y);
      if ((e.geschlossen || e.art == A::Flaeche) && !z.empty()) z.push_back(z.front());
      aus.push_back(std::move(z));
      break;
    }
    case A::Text:
      aus.push_back({{e.a.x, e.a.y}, {e.a.x + e.hoehe * 0.7 * static_cast<double>(e.text.size()), e.a.y}});
      break;
  }
}

}  // namespace

CadVorschau::CadVorschau(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("CadVorschau"));
  setMinimumSize(240, 180);
}

void CadVorschau::zeige(const CadModell* modell, const std::string& layout) {
  modell_ = modell;
  layout_ = layout;
  zeichneBild();
  update();
}

void CadVorschau::resizeEvent(QResizeEvent*) {
  zeichneBild();
}

void CadVorschau::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!bild_.isNull()) p.drawImage(0, 0, bild_);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// Two passes over the layout: the extent, then the strokes.
void CadVorschau::zeichneBild() {
  bild_ = QImage(size(), QImage::Format_RGB32);
  bild_.fill(Qt::white);
  if (!modell_ || width() < 10 || height() < 10) return;
  const auto& quelle = entitaetenDesLayouts(*modell_, layout_);
  CadAufloeseOptionen optionen;
  std::vector<std::vector<QPointF>> z;
  constexpr double gross = std::numeric_limits<double>::max();
  double x1 = gross, y1 = gross, x2 = -gross, y2 = -gross;
  cadAufloesen(*modell_, quelle, optionen, [&](const CadWeltelement& e) {
    umrisse(e, z);
    for (const auto& zug : z)
      for (const QPointF& q : zug) {
        if (!std::isfinite(q.x()) || !std::isfinite(q.y())) continue;
        x1 = std::min(x1, q.x());
        y1 = std::min(y1, q.y());
        x2 = std::max(x2, q.x());
        y2 = std::max(y2, q.y());
      }
  });
  if (x1 > x2) return;
  const double rand = 8;
  const double w = std::max(x2 - x1, 1e-9), h = std::max(y2 - y1, 1e-9);
  const double f = std::min((width() - 2 * rand) / w, (height() - 2 * rand) / h);
  const double ox = (width() - w * f) / 2, oy = (height() + h * f) / 2;
  QPainter p(&bild_);
  p.setRenderHint(QPainter::Antialiasing, true);
  cadAufloesen(*modell_, quelle, optionen, [&](const CadWeltelement& e) {
    umrisse(e, z);
    QColor farbe(static_cast<int>((e.rgb >> 16) & 0xFF), static_cast<int>((e.rgb >> 8) & 0xFF),
                 static_cast<int>(e.rgb & 0xFF));
    p.setPen(QPen(farbe, 0));
    for (const auto& zug : z) {
      if (zug.size() < 2) continue;
      QPolygonF linie;
      linie.reserve(static_cast<qsizetype>(zug.size()));
      for (const QPointF& q : zug) linie << QPointF(ox + (q.x() - x1) * f, oy - (q.y() - y1) * f);
      p.drawPolyline(linie);
    }
  });
}

}  // namespace quarzel
