#include "ui/tools/werkzeugsymbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

// Drawn on a 24 x 24 grid and scaled by the painter for other sizes.
constexpr double kRaster = 24;
const QColor kStrich(30, 30, 30);
const QColor kFlaeche(120, 160, 210);
const QColor kHinweis(200, 40, 40);

QPolygonF vieleck(QPointF mitte, double r, int n, double start = -90) {
  QPolygonF p;
  for (int i = 0; i < n; ++i) {
    const double w = (start + 360.0 * i / n) * std::numbers::pi / 180.0;
    p << mitte + QPointF(r * std::cos(w), r * std::sin(w));
  }
  return p;
}

QPolygonF stern(QPointF mitte, double aussen, double innen, int zacken) {
  QPolygonF p;
  for (int i = 0; i < 2 * zacken; ++i) {
    const double r = i % 2 == 0 ? aussen : innen;
    const double w = (-90 + 180.0 * i / zacken) * std::numbers::pi / 180.0;
    p << mitte + QPointF(r * std::cos(w), r * std::sin(w));
  }
  return p;
}

void punkt(QPainter& m, QPointF p) {
  m.save();
  m.setPen(Qt::NoPen);
  m.setBrush(kHinweis);
  m.drawEllipse(p, 1.8, 1.8);
  m.restore();
}

void lupe(QPainter& m, const QString& zeichen) {
  m.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  m.setPen(QPen(kStrich, 2.6, Qt::SolidLine, Qt::RoundCap));
  m.drawLine(QPointF(15, 15), QPointF(21, 21));
  m.setPen(QPen(kStrich, 1.6));
  if (zeichen.contains(u'+') || zeichen.contains(u'-')) m.drawLine(QPointF(7, 10), QPointF(13, 10));
  if (zeichen.contains(u'+')) m.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void pfeil(QPainter& m, QPointF von, QPointF nach) {
  m.drawLine(von, nach);
  const QPointF d = nach - von;
  const double l = std::hypot(d.x(), d.y());
  if (l <= 0) return;
  const QPointF u = d / l;
  const QPointF v(-u.y(), u.x());
  m.drawLine(nach, nach - 4 * u + 3 * v);
  m.drawLine(nach, nach - 4 * u - 3 * v);
}

void zeichne(QPainter& m, Symbol s) {
  QPen stift(kStrich, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  m.setPen(stift);
  // The area tools (FlPolygon … FlBezier, one block of the enum) show filled figures.
  const bool flaeche = s >= Symbol::FlPolygon && s <= Symbol::FlBezier;
  m.setBrush(flaeche ? QBrush(kFlaeche) : QBrush(Qt::NoBrush));
  switch (s) {
    case Symbol::Linie:
      m.drawLine(QPointF(4, 19), QPointF(20, 5));
      punkt(m, {4, 19});
      punkt(m, {20, 5});
      break;
    case Symbol::Polygonzug:
      m.drawPolyline(QPolygonF({{3, 19}, {8, 7}, {14, 15}, {21, 4}}));
      break;
    case Symbol::Rechteck:
      m.drawRect(QRectF(4, 6, 16, 12));
      break;
    case Symbol::Kreis:
      m.drawEllipse(QPointF(12, 12), 8, 8);
      punkt(m, {12, 12});
      break;
    case Symbol::Kreisbogen:
      m.drawArc(QRectF(4, 4, 16, 16), 0, 180 * 16);
      punkt(m, {12, 12});
      break;
    case Symbol::Ellipse:
      m.drawEllipse(QPointF(12, 12), 9, 5.5);
      break;
    case Symbol::Ellipsenbogen:
      m.drawArc(QRectF(3, 6.5, 18, 11), 0, 200 * 16);
      break;
    case Symbol::Bezier: {
      QPainterPath p(QPointF(3, 18));
      p.cubicTo(QPointF(6, 2), QPointF(16, 24), QPointF(21, 6));
      m.drawPath(p);
      m.setPen(QPen(kHinweis, 0.8, Qt::DashLine));
      m.drawLine(QPointF(3, 18), QPointF(6, 2));
      m.drawLine(QPointF(21, 6), QPointF(16, 24));
      break;
    }
    case Symbol::Spline: {
      QPainterPath p(QPointF(3, 16));
      p.cubicTo(QPointF(7, 4), QPointF(11, 4), QPointF(13, 12));
      p.cubicTo(QPointF(15, 20), QPointF(19, 18), QPointF(21, 7));
      m.drawPath(p);
      punkt(m, {3, 16});
      punkt(m, {13, 12});
      punkt(m, {21, 7});
      break;
    }
    case Symbol::Freihand: {
      QPainterPath p(QPointF(3, 14));
      p.cubicTo(QPointF(5, 6), QPointF(8, 20), QPointF(11, 12));
      p.cubicTo(QPointF(13, 6), QPointF(16, 18), QPointF(21, 9));
      m.drawPath(p);
      break;
    }
    case Symbol::Markerpunkt:
      m.drawLine(QPointF(7, 12), QPointF(17, 12));
      m.drawLine(QPointF(12, 7), QPointF(12, 17));
      m.drawEllipse(QPointF(12, 12), 3.5, 3.5);
      break;
    case Symbol::Vieleck:
      m.drawPolygon(vieleck({12, 12}, 8.5, 6, -90));
      break;
    case Symbol::Parallelogramm:
      m.drawPolygon(QPolygonF({{3, 18}, {8, 6}, {21, 6}, {16, 18}}));
      break;
    case Symbol::Stern:
      m.drawPolygon(stern({12, 12.5}, 9, 4, 5));
      break;
    case Symbol::Linienkreuz:
      m.drawLine(QPointF(12, 3), QPointF(12, 21));
      m.drawLine(QPointF(3, 12), QPointF(21, 12));
      punkt(m, {12, 12});
      break;
    case Symbol::Konus:
      m.drawPolygon(QPolygonF({{3, 19}, {9, 6}, {15, 6}, {21, 19}}));
      break;
    case Symbol::FlParallelogramm:
      m.drawPolygon(QPolygonF({{3, 18}, {8, 6}, {21, 6}, {16, 18}}));
      break;
    case Symbol::FlKonus:
      m.drawPolygon(QPolygonF({{3, 19}, {9, 6}, {15, 6}, {21, 19}}));
      break;
    case Symbol::FlStern:
      m.drawPolygon(stern({12, 12.5}, 9, 4, 5));
      break;
    case Symbol::FlKreissegment:
      m.drawChord(QRectF(3, 5, 18, 18), 20 * 16, 140 * 16);
      break;
    case Symbol::FlEllipsenbogen:
      m.drawPie(QRectF(3, 6.5, 18, 11), 0, 240 * 16);
      break;
    case Symbol::FlRingsegment: {
      QPainterPath p;
      p.arcMoveTo(QRectF(3, 3, 18, 18), 0);
      p.arcTo(QRectF(3, 3, 18, 18), 0, 180);
      p.arcTo(QRectF(8, 8, 8, 8), 180, -180);
      p.closeSubpath();
      m.drawPath(p);
      break;
    }
    case Symbol::FlBezier: {
      QPainterPath p(QPointF(3, 18));
      p.cubicTo(QPointF(6, 0), QPointF(16, 26), QPointF(21, 6));
      p.closeSubpath();
      m.drawPath(p);
      break;
    }
    case Symbol::Hilfe: {
      m.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      QFont schrift = m.font();
      schrift.setPixelSize(14);
      schrift.setBold(true);
      m.setFont(schrift);
      m.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Symbol::FlPolygon:
      m.drawPolygon(QPolygonF({{3, 19}, {6, 5}, {14, 9}, {21, 4}, {19, 20}}));
      break;
    case Symbol::FlRechteck:
      m.drawRect(QRectF(4, 6, 16, 12));
      break;
    case Symbol::FlVollkreis:
      m.drawEllipse(QPointF(12, 12), 8, 8);
      break;
    case Symbol::FlKreisbogen:
      m.drawPie(QRectF(4, 4, 16, 16), 30 * 16, 240 * 16);
      break;
    case Symbol::FlEllipse:
      m.drawEllipse(QPointF(12, 12), 9, 5.5);
      break;
    case Symbol::FlVieleck:
      m.drawPolygon(vieleck({12, 12}, 8.5, 6, -90));
      break;
    case Symbol::FlRing: {
      QPainterPath p;
      p.addEllipse(QPointF(12, 12), 8.5, 8.5);
      p.addEllipse(QPointF(12, 12), 4.5, 4.5);
      m.drawPath(p);
      break;
    }
    case Symbol::FlSpline: {
      QPainterPath p(QPointF(4, 16));
      p.cubicTo(QPointF(2, 3), QPointF(14, 2), QPointF(20, 8));
      p.cubicTo(QPointF(24, 14), QPointF(12, 24), QPointF(4, 16));
      m.drawPath(p);
      break;
    }
    case Symbol::FlFreihand: {
      QPainterPath p(QPointF(4, 14));
      p.cubicTo(QPointF(4, 4), QPointF(10, 8), QPointF(13, 5));
      p.cubicTo(QPointF(22, 4), QPointF(22, 19), QPointF(14, 18));
      p.cubicTo(QPointF(9, 22), QPointF(5, 19), QPointF(4, 14));
      m.drawPath(p);
      break;
    }
    case Symbol::Markieren:
      m.setBrush(Qt::white);
      m.drawPolygon(QPolygonF({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15.5, 20}, {12.5, 14}, {18, 14}}));
      break;
    case Symbol::AusschnittVergroessern:
      m.setPen(QPen(kStrich, 1, Qt::DashLine));
      m.drawRect(QRectF(2.5, 2.5, 15, 15));
      m.setPen(stift);
      lupe(m, QStringLiteral("+"));
      break;
    case Symbol::Vergroessern:
      lupe(m, QStringLiteral("+"));
      break;
    case Symbol::Verkleinern:
      lupe(m, QStringLiteral("-"));
      break;
    case Symbol::GesamtesBlatt:
      m.drawRect(QRectF(5, 4, 14, 16));
      m.setPen(QPen(kStrich, 1));
      pfeil(m, {12, 12}, {6, 6});
      pfeil(m, {12, 12}, {18, 18});
      break;
    case Symbol::Loeschen:
      m.setPen(QPen(kHinweis, 2.6, Qt::SolidLine, Qt::RoundCap));
      m.drawLine(QPointF(5, 5), QPointF(19, 19));
      m.drawLine(QPointF(19, 5), QPointF(5, 19));
      break;
    case Symbol::Verschieben:
      pfeil(m, {12, 12}, {12, 3});
      pfeil(m, {12, 12}, {12, 21});
      pfeil(m, {12, 12}, {3, 12});
      pfeil(m, {12, 12}, {21, 12});
      break;
    case Symbol::Drehen:
      m.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 270 * 16);
      pfeil(m, {16, 20.5}, {19.5, 16.5});
      break;
    case Symbol::SpiegelnOhneKopie:
    case Symbol::SpiegelnMitKopie:
      m.setPen(QPen(kHinweis, 1, Qt::DashDotLine));
      m.drawLine(QPointF(12, 2), QPointF(12, 22));
      m.setPen(stift);
      if (s == Symbol::SpiegelnMitKopie) m.drawPolygon(QPolygonF({{10, 6}, {10, 18}, {3, 18}}));
      m.setBrush(kFlaeche);
      m.drawPolygon(QPolygonF({{14, 6}, {14, 18}, {21, 18}}));
      break;
    case Symbol::Radial:
      for (int i = 0; i < 6; ++i) {
        const double w = i * std::numbers::pi / 3;
        m.drawEllipse(QPointF(12 + 7.5 * std::cos(w), 12 + 7.5 * std::sin(w)), 2, 2);
      }
      punkt(m, {12, 12});
      break;
    case Symbol::Rotation:
      for (int i = 0; i < 4; ++i) {
        const double w = i * std::numbers::pi / 2 + 0.4;
        m.drawRect(QRectF(12 + 7 * std::cos(w) - 2, 12 + 7 * std::sin(w) - 2, 4, 4));
      }
      m.drawArc(QRectF(8, 8, 8, 8), 0, 300 * 16);
      break;
    case Symbol::NumerischeEingabe: {
      m.drawRect(QRectF(2.5, 5.5, 19, 13));
      QFont schrift = m.font();
      schrift.setPixelSize(9);
      schrift.setBold(true);
      m.setFont(schrift);
      m.drawText(QRectF(2.5, 5.5, 19, 13), Qt::AlignCenter, QStringLiteral("123"));
      break;
    }
    case Symbol::Keines:
      break;
  }
}

QPixmap bildchen(Symbol s, int groesse) {
  QPixmap p(groesse, groesse);
  p.fill(Qt::transparent);
  QPainter m(&p);
  m.setRenderHint(QPainter::Antialiasing, true);
  m.scale(groesse / kRaster, groesse / kRaster);
  zeichne(m, s);
  return p;
}

}  // namespace

QIcon werkzeugsymbol(Symbol s) {
  // Not cached: a few dozen icons cost nothing at start-up, and a static cache
  // would outlive the application object.
  QIcon icon;
  for (int groesse : {16, 24, 32, 48}) icon.addPixmap(bildchen(s, groesse));
  return icon;
}

}  // namespace quarzel
