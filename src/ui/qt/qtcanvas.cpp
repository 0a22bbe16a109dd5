#include "ui/qt/qtcanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QSvgRenderer>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "ui/qt/haarlinien.h"
#include "ui/qt/pixelclip.h"

namespace quarzel {

namespace {

// No pen on any device is wider than this; a hostile pen table cannot make
// the stroker fill the whole page.
constexpr double kMaxStiftbreite = 10000;
// Export hairlines held back at most: in big batches they are drawn tile by
// tile (see haarlinien.h).
constexpr std::size_t kVorrat = 1 << 16;
// Texts taller than this cannot be meant for any device.
constexpr double kMaxTexthoehe = 100000;

QFont schriftFuer(const Schriftangaben& schrift) {
  QFont font(QString::fromUtf8(schrift.name.data(), static_cast<qsizetype>(schrift.name.size())));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(schrift.hoehePixel))));
  font.setBold(schrift.fett);
  font.setItalic(schrift.kursiv);
  font.setUnderline(schrift.unterstrichen);
  return font;
}

// The transform taking the rectangle (0, 0, breite, hoehe) onto the
// parallelogram; nullopt when the parallelogram is degenerate or not finite.
std::optional<QTransform> abbildung(const Bildlage& l, double breite, double hoehe) {
  const double werte[] = {l.obenLinks.x, l.obenLinks.y, l.obenRechts.x, l.obenRechts.y, l.untenLinks.x, l.untenLinks.y};
  for (double v : werte)
    if (!std::isfinite(v) || std::fabs(v) > 1e7) return std::nullopt;
  if (!(breite > 0) || !(hoehe > 0)) return std::nullopt;
  const double ax = l.obenRechts.x - l.obenLinks.x, ay = l.obenRechts.y - l.obenLinks.y;
  const double bx = l.untenLinks.x - l.obenLinks.x, by = l.untenLinks.y - l.obenLinks.y;
  if (std::fabs(ax * by - ay * bx) < 1e-9) return std::nullopt;
  return QTransform(ax / breite, ay / breite, bx / hoehe, by / hoehe, l.obenLinks.x, l.obenLinks.y);
}

bool istVektorgeraet(const QPainter& maler) {
  const QPaintEngine* engine = maler.paintEngine();
  if (!engine) return false;
  switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::SVG:
    case QPaintEngine::Picture:
      return true;
    default:
      return false;
  }
}

void strichmusterSetzen(QPen& pen, Stiftart art) {
  // Patterns in pixels of a one-pixel pen, long enough to read on screen.
  switch (art) {
    case Stiftart::Durchgezogen:
      pen.setStyle(Qt::SolidLine);
      return;
    case Stiftart::Gestrichelt:
      pen.setDashPattern({6, 3});
      break;
    case Stiftart::Gepunktet:
      pen.setDashPattern({1, 2});
      break;
    case Stiftart::StrichPunkt:
      pen.setDashPattern({6, 3, 1, 3});
      break;
    case Stiftart::StrichPunktPunkt:
      pen.setDashPattern({6, 3, 1, 3, 1, 3});
      break;
  }
  pen.setCapStyle(Qt::FlatCap);
}

}  // namespace

QColor qfarbe(Farbe f) {
  return QColor(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

QtCanvas::QtCanvas(QPainter& maler, bool kantenglaettung) : maler_(&maler), vektorgeraet_(istVektorgeraet(maler)) {
  maler_->setRenderHint(QPainter::Antialiasing, kantenglaettung);
  setzeStift(rgb(0, 0, 0), 1);
  setzePinsel(rgb(255, 255, 255));
}

QtCanvas::QtCanvas(QPaintDevice& geraet, bool kantenglaettung)
    : eigenerMaler_(std::make_unique<QPainter>(&geraet)),
      maler_(eigenerMaler_.get()),
      vektorgeraet_(istVektorgeraet(*maler_)) {
  maler_->setRenderHint(QPainter::Antialiasing, kantenglaettung);
  setzeStift(rgb(0, 0, 0), 1);
  setzePinsel(rgb(255, 255, 255));
}

QtCanvas::~QtCanvas() {
  vorratZeichnen();
  if (eigenerMaler_ && eigenerMaler_->isActive()) eigenerMaler_->end();
}

int QtCanvas::breite() const {
  return maler_->device() ? maler_->device()->width() : 0;
}
int QtCanvas::hoehe() const {
  return maler_->device() ? maler_->device()->height() : 0;
}

void QtCanvas::setzeStift(Farbe farbe, double breitePixel, Stiftart art) {
  stiftfarbe_ = farbe;
  if (!std::isfinite(breitePixel) || breitePixel < 1) breitePixel = 1;
  breitePixel = std::min(std::round(breitePixel), kMaxStiftbreite);
  stift_ = QPen();
  stift_.setCosmetic(true);
  if (art != Stiftart::Durchgezogen || breitePixel <= 1) {
    // Width 0 is Qt's one-pixel pen: the fast path, and dash lengths count in pixels.
    stift_.setWidth(0);
    strichmusterSetzen(stift_, art);
  } else {
    stift_.setWidthF(breitePixel);
    stift_.setCapStyle(Qt::RoundCap);
    stift_.setJoinStyle(Qt::RoundJoin);
  }
  zustandAnwenden();
}

void QtCanvas::setzePinsel(Farbe farbe, bool keinPinsel) {
  pinselfarbe_ = farbe;
  keinPinsel_ = keinPinsel;
  zustandAnwenden();
}

void QtCanvas::setzeStiftmodus(Stiftmodus modus) {
  modus_ = modus;
  zustandAnwenden();
}

QColor QtCanvas::wirksam(Farbe farbe) const {
  return modus_ == Stiftmodus::Weiss ? QColor(Qt::white) : qfarbe(farbe);
}

double QtCanvas::schutzrand() const {
  return std::max(1024.0, 2 * stift_.widthF());
}

void QtCanvas::zustandAnwenden() {
  QPen p = stift_;
  p.setColor(wirksam(stiftfarbe_));
  maler_->setPen(p);
  // The brush follows when a polygon needs it: lines and curves do not, and
  // on SVG every change of state opens a new group.
  pinselOffen_ = true;
  // PDF, SVG and printer engines know no raster operations; there XOR draws
  // like copy (rubber bands are a screen matter anyway).
  QPaintEngine* engine = maler_->paintEngine();
  const bool rasterOps = engine && engine->hasFeature(QPaintEngine::RasterOpModes);
  if (modus_ == Stiftmodus::Xor && rasterOps) {
    maler_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  } else if (maler_->compositionMode() != QPainter::CompositionMode_SourceOver) {
    maler_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
}

void QtCanvas::polylinie(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 2) return;
  const Schutzrechteck r = schutzrechteckFuer(breite(), hoehe(), schutzrand());
  if (QImage* bild = haarlinienbild()) {
    // Segment by segment: their partly covered end steps add up at the corners.
    vorratFuer(bild);
    const auto segmente = [this](std::span<const Pixelpunkt> p) {
      for (std::size_t i = 0; i + 1 < p.size(); ++i) vorrat_.emplace_back(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y);
    };
    if (allesInnerhalb(punkte, r))
      segmente(punkte);
    else
      for (const auto& stueck : polylinieBeschneiden(punkte, r)) segmente(stueck);
    return;
  }
  vorratZeichnen();
  if (allesInnerhalb(punkte, r)) {
    maler_->drawPolyline(alsPolygon(punkte));
    return;
  }
  for (const auto& stueck : polylinieBeschneiden(punkte, r)) maler_->drawPolyline(alsPolygon(stueck));
}

void QtCanvas::mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) {
  std::size_t anfang = 0;
  for (int laenge : laengen) {
    if (laenge < 0 || static_cast<std::size_t>(laenge) > punkte.size() - anfang) return;
    polylinie(punkte.subspan(anfang, static_cast<std::size_t>(laenge)));
    anfang += static_cast<std::size_t>(laenge);
  }
}

void QtCanvas::strecken(std::span<const Pixelpunkt> paare) {
  if (modus_ != Stiftmodus::Kopieren) {
    Canvas::strecken(paare);
    return;
  }
  const Schutzrechteck r = schutzrechteckFuer(breite(), hoehe(), schutzrand());
  QImage* bild = haarlinienbild();
  if (bild) {
    vorratFuer(bild);
  } else {
    vorratZeichnen();
  }
  std::vector<QLineF>& linien = bild ? vorrat_ : linien_;
  linien_.clear();
  for (std::size_t i = 0; i + 1 < paare.size(); i += 2) {
    const std::span<const Pixelpunkt> paar = paare.subspan(i, 2);
    if (allesInnerhalb(paar, r)) {
      linien.emplace_back(paar[0].x, paar[0].y, paar[1].x, paar[1].y);
      continue;
    }
    for (const auto& stueck : polylinieBeschneiden(paar, r))
      for (std::size_t j = 0; j + 1 < stueck.size(); ++j)
        linien.emplace_back(stueck[j].x, stueck[j].y, stueck[j + 1].x, stueck[j + 1].y);
  }
  if (!bild && !linien_.empty()) maler_->drawLines(linien_.data(), static_cast<int>(linien_.size()));
}

void QtCanvas::vorratFuer(QImage* bild) {
  const QRgb farbe = qfarbe(stiftfarbe_).rgb();
  if (!vorrat_.empty() && (bild != vorratBild_ || farbe != vorratFarbe_ || vorrat_.size() >= kVorrat)) vorratZeichnen();
  vorratBild_ = bild;
  vorratFarbe_ = farbe;
}

void QtCanvas::vorratZeichnen() {
  if (vorrat_.empty()) return;
  zeichneHaarlinien(*vorratBild_, vorrat_, vorratFarbe_);
  vorrat_.clear();
}

void QtCanvas::abschliessen() {
  vorratZeichnen();
}

QImage* QtCanvas::haarlinienbild() const {
  // Antialiased exports only: the screen's crisp lines stay Qt's.
  if (vektorgeraet_ || modus_ != Stiftmodus::Kopieren || stift_.widthF() != 0 || stift_.style() != Qt::SolidLine ||
      !maler_->testRenderHint(QPainter::Antialiasing) || maler_->hasClipping() ||
      !maler_->worldTransform().isIdentity() || maler_->compositionMode() != QPainter::CompositionMode_SourceOver)
    return nullptr;
  QPaintDevice* geraet = maler_->device();
  if (!geraet || geraet->devType() != QInternal::Image) return nullptr;
  auto* bild = static_cast<QImage*>(geraet);
  // A shared image would be copied by the write, behind the painter's back.
  return bild->isDetached() && haarlinienTauglich(*bild) ? bild : nullptr;
}

void QtCanvas::bezierzug(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 4) return;
  vorratZeichnen();
  // Curves that leave the guard rectangle are cut as chords.
  if (!vektorgeraet_ || !allesInnerhalb(punkte, schutzrechteckFuer(breite(), hoehe(), schutzrand()))) {
    Canvas::bezierzug(punkte);
    return;
  }
  QPainterPath pfad(QPointF(punkte[0].x, punkte[0].y));
  for (std::size_t i = 0; i + 3 < punkte.size(); i += 3)
    pfad.cubicTo(punkte[i + 1].x, punkte[i + 1].y, punkte[i + 2].x, punkte[i + 2].y, punkte[i + 3].x, punkte[i + 3].y);
  // Only the outline: the path must not be filled with the brush in force.
  if (maler_->brush().style() != Qt::NoBrush) {
    maler_->setBrush(Qt::NoBrush);
    pinselOffen_ = true;
  }
  maler_->drawPath(pfad);
}

const QPolygonF& QtCanvas::alsPolygon(std::span<const Pixelpunkt> punkte) {
  polygon_.resize(static_cast<qsizetype>(punkte.size()));
  for (std::size_t i = 0; i < punkte.size(); ++i)
    polygon_[static_cast<qsizetype>(i)] = QPointF(punkte[i].x, punkte[i].y);
  return polygon_;
}

void QtCanvas::polygon(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 2) return;
  vorratZeichnen();
  if (pinselOffen_) {
    maler_->setBrush(keinPinsel_ ? QBrush(Qt::NoBrush) : QBrush(wirksam(pinselfarbe_)));
    pinselOffen_ = false;
  }
  const Schutzrechteck r = schutzrechteckFuer(breite(), hoehe(), schutzrand());
  if (allesInnerhalb(punkte, r)) {
    maler_->drawPolygon(alsPolygon(punkte), Qt::OddEvenFill);
    return;
  }
  const std::vector<Pixelpunkt> rest = polygonBeschneiden(punkte, r);
  if (rest.size() >= 2) maler_->drawPolygon(alsPolygon(rest), Qt::OddEvenFill);
}

void QtCanvas::flaeche(std::span<const Pixelpunkt> punkte) {
  vorratZeichnen();
  const QPen stift = maler_->pen();
  maler_->setPen(Qt::NoPen);
  polygon(punkte);
  maler_->setPen(stift);
}

void QtCanvas::rechteckFuellen(const Pixelrechteck& r, Farbe farbe) {
  vorratZeichnen();
  if (r.breite <= 0 || r.hoehe <= 0) return;
  // 64-bit so that a hostile rectangle cannot overflow; then cut to the device.
  const long long l = std::max<long long>(r.links, -1);
  const long long o = std::max<long long>(r.oben, -1);
  const long long re = std::min<long long>(static_cast<long long>(r.links) + r.breite, breite() + 1LL);
  const long long u = std::min<long long>(static_cast<long long>(r.oben) + r.hoehe, hoehe() + 1LL);
  if (re <= l || u <= o) return;
  maler_->fillRect(QRect(int(l), int(o), int(re - l), int(u - o)), wirksam(farbe));
}

void QtCanvas::pixel(int x, int y, Farbe farbe) {
  vorratZeichnen();
  if (x < 0 || y < 0 || x >= breite() || y >= hoehe()) return;
  maler_->fillRect(QRect(x, y, 1, 1), wirksam(farbe));
}

void QtCanvas::text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) {
  vorratZeichnen();
  if (utf8.empty() || utf8.size() > INT_MAX) return;
  const double h = schrift.hoehePixel;
  if (!std::isfinite(h) || h < 1 || h > kMaxTexthoehe) return;
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(schrift.winkelGrad)) return;
  // Nothing of a text can be visible when its anchor is farther from the
  // device than the text could possibly reach.
  const double reichweite = h * (static_cast<double>(utf8.size()) + 2);
  if (!schutzrechteckFuer(breite(), hoehe(), reichweite).enthaelt({x, y})) return;

  QFont font = schriftFuer(schrift);
  // XOR needs whole pixels: partly covered glyph edges would not cancel.
  if (modus_ == Stiftmodus::Xor) font.setStyleStrategy(QFont::NoAntialias);

  const QString inhalt = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFontMetricsF metrik(font, maler_->device());
  maler_->save();
  maler_->setFont(font);
  QPen pen(wirksam(farbe));
  pen.setWidth(0);
  maler_->setPen(pen);
  maler_->translate(x, y);
  if (schrift.winkelGrad != 0) maler_->rotate(-schrift.winkelGrad);
  maler_->drawText(QPointF(0, metrik.ascent()), inhalt);
  maler_->restore();
}

void QtCanvas::bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) {
  vorratZeichnen();
  if (bilddatei.empty() || bilddatei.size() > INT_MAX || ziel.breite <= 0 || ziel.hoehe <= 0) return;
  const long long rechts = static_cast<long long>(ziel.links) + ziel.breite;
  const long long unten = static_cast<long long>(ziel.oben) + ziel.hoehe;
  // Skip decoding when the image lies entirely outside the device.
  if (rechts <= 0 || unten <= 0 || ziel.links >= breite() || ziel.oben >= hoehe()) return;
  const QRect zielrechteck(ziel.links, ziel.oben, ziel.breite, ziel.hoehe);
  if (modus_ == Stiftmodus::Weiss) {
    rechteckFuellen(ziel, rgb(255, 255, 255));
    return;
  }
  // The image reader refuses images whose pixels would exceed its allocation
  // limit, so a forged header cannot make us allocate gigabytes.
  const QImage bild = QImage::fromData(bilddatei.data(), static_cast<int>(bilddatei.size()));
  if (bild.isNull()) return;
  maler_->drawImage(zielrechteck, bild);
}

void QtCanvas::rasterbild(const Rasterbild& bild, const Bildlage& lage) {
  vorratZeichnen();
  if (bild.breite <= 0 || bild.hoehe <= 0 ||
      bild.rgba.size() != static_cast<std::size_t>(bild.breite) * static_cast<std::size_t>(bild.hoehe) * 4)
    return;
  const std::optional<QTransform> t = abbildung(lage, bild.breite, bild.hoehe);
  if (!t) return;
  const QRectF huelle = t->mapRect(QRectF(0, 0, bild.breite, bild.hoehe));
  if (!huelle.intersects(QRectF(0, 0, breite(), hoehe()))) return;
  if (modus_ == Stiftmodus::Weiss) {
    const QPolygonF flaeche = t->map(QPolygonF(QRectF(0, 0, bild.breite, bild.hoehe)));
    maler_->save();
    maler_->setPen(Qt::NoPen);
    maler_->setBrush(Qt::white);
    maler_->drawPolygon(flaeche);
    maler_->restore();
    return;
  }
  // The image only borrows the pixels for the call.
  const QImage bildQ(bild.rgba.data(), bild.breite, bild.hoehe, bild.breite * 4, QImage::Format_RGBA8888);
  maler_->save();
  maler_->setTransform(*t, true);
  maler_->setRenderHint(QPainter::SmoothPixmapTransform, true);
  maler_->drawImage(QPointF(0, 0), bildQ);
  maler_->restore();
}

bool QtCanvas::vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) {
  vorratZeichnen();
  if (svg.empty() || svg.size() > INT_MAX) return false;
  QSvgRenderer spieler(QByteArray(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size())));
  if (!spieler.isValid()) return false;
  QRectF box = spieler.viewBoxF();
  if (!(box.width() > 0) || !(box.height() > 0)) box = QRectF(QPointF(0, 0), QSizeF(spieler.defaultSize()));
  if (!(box.width() > 0) || !(box.height() > 0)) return false;
  const std::optional<QTransform> t = abbildung(lage, box.width(), box.height());
  if (!t) return true;  // nothing to show, but nothing wrong with the picture either
  if (!t->mapRect(QRectF(0, 0, box.width(), box.height())).intersects(QRectF(0, 0, breite(), hoehe()))) return true;
  maler_->save();
  maler_->setTransform(*t, true);
  spieler.render(maler_, QRectF(0, 0, box.width(), box.height()));
  maler_->restore();
  zustandAnwenden();
  return true;
}

double QtCanvas::textbreite(std::string_view utf8, const Schriftangaben& schrift) const {
  if (utf8.empty() || utf8.size() > INT_MAX) return 0;
  const double h = schrift.hoehePixel;
  if (!std::isfinite(h) || h < 1 || h > kMaxTexthoehe) return Canvas::textbreite(utf8, schrift);
  const QFontMetricsF metrik(schriftFuer(schrift), maler_->device());
  return metrik.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void QtCanvas::setzeClip(std::span<const Pixelpunkt> polygon) {
  vorratZeichnen();
  const std::vector<Pixelpunkt> rest = polygonBeschneiden(polygon, schutzrechteckFuer(breite(), hoehe(), schutzrand()));
  if (rest.size() < 3) {
    // A degenerate clip region lets nothing through.
    maler_->setClipRect(QRect(), Qt::ReplaceClip);
    return;
  }
  QPainterPath pfad;
  pfad.setFillRule(Qt::OddEvenFill);
  pfad.addPolygon(alsPolygon(rest));
  pfad.closeSubpath();
  maler_->setClipPath(pfad, Qt::ReplaceClip);
}

void QtCanvas::clipAufheben() {
  vorratZeichnen();
  maler_->setClipping(false);
}

}  // namespace quarzel
