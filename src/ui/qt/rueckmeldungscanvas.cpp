#include "ui/qt/rueckmeldungscanvas.h"

#include <QImage>

#include "ui/qt/qtcanvas.h"

namespace quarzel {

Rueckmeldungscanvas::Rueckmeldungscanvas(QImage& bild, QImage& ebene, std::function<void()> geaendert)
    : bild_(bild), ebene_(ebene), geaendert_(std::move(geaendert)) {}

Rueckmeldungscanvas::~Rueckmeldungscanvas() = default;

void Rueckmeldungscanvas::schliessen() {
  bildCanvas_.reset();
  ebenenCanvas_.reset();
}

QtCanvas& Rueckmeldungscanvas::offen() {
  const bool aufEbene = modus_ == Stiftmodus::Xor;
  QImage& ziel = aufEbene ? ebene_ : bild_;
  std::unique_ptr<QtCanvas>& canvas = aufEbene ? ebenenCanvas_ : bildCanvas_;
  if (!canvas) {
    // A null image cannot carry a painter; a 1x1 stand-in keeps every call safe
    // until the area has a size.
    if (ziel.isNull()) {
      ziel = QImage(1, 1, QImage::Format_RGB32);
      ziel.fill(aufEbene ? Qt::black : Qt::white);
    }
    canvas = std::make_unique<QtCanvas>(ziel);
    zustandAnwenden(*canvas);
  }
  return *canvas;
}

void Rueckmeldungscanvas::zustandAnwenden(QtCanvas& c) const {
  c.setzeStift(stiftfarbe_, stiftbreite_, stiftart_);
  c.setzePinsel(pinselfarbe_, keinPinsel_);
  c.setzeStiftmodus(&c == ebenenCanvas_.get() ? Stiftmodus::Xor : modus_);
}

void Rueckmeldungscanvas::direkt(const std::function<void(Canvas&)>& zeichnen) {
  const Stiftmodus vorher = modus_;
  modus_ = Stiftmodus::Kopieren;
  QtCanvas& c = offen();
  c.setzeStiftmodus(Stiftmodus::Kopieren);
  zeichnen(c);
  modus_ = vorher;
  zustandAnwenden(c);
  if (geaendert_) geaendert_();
}

int Rueckmeldungscanvas::breite() const {
  return bild_.width();
}
int Rueckmeldungscanvas::hoehe() const {
  return bild_.height();
}

void Rueckmeldungscanvas::setzeStift(Farbe farbe, double breitePixel, Stiftart art) {
  stiftfarbe_ = farbe;
  stiftbreite_ = breitePixel;
  stiftart_ = art;
  for (auto* c : {bildCanvas_.get(), ebenenCanvas_.get()}) {
    if (c) c->setzeStift(farbe, breitePixel, art);
  }
}

void Rueckmeldungscanvas::setzePinsel(Farbe farbe, bool keinPinsel) {
  pinselfarbe_ = farbe;
  keinPinsel_ = keinPinsel;
  for (auto* c : {bildCanvas_.get(), ebenenCanvas_.get()}) {
    if (c) c->setzePinsel(farbe, keinPinsel);
  }
}

void Rueckmeldungscanvas::setzeStiftmodus(Stiftmodus modus) {
  modus_ = modus;
  // The layer only ever takes exclusive or; the picture takes the rest.
  if (bildCanvas_ && modus != Stiftmodus::Xor) bildCanvas_->setzeStiftmodus(modus);
}

void Rueckmeldungscanvas::polylinie(std::span<const Pixelpunkt> punkte) {
  offen().polylinie(punkte);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) {
  offen().mehrfachPolylinie(punkte, laengen);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::polygon(std::span<const Pixelpunkt> punkte) {
  offen().polygon(punkte);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::flaeche(std::span<const Pixelpunkt> punkte) {
  offen().flaeche(punkte);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::rechteckFuellen(const Pixelrechteck& r, Farbe farbe) {
  offen().rechteckFuellen(r, farbe);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::pixel(int x, int y, Farbe farbe) {
  offen().pixel(x, y, farbe);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) {
  offen().text(x, y, utf8, schrift, farbe);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) {
  offen().bild(bilddatei, ziel);
  if (geaendert_) geaendert_();
}

void Rueckmeldungscanvas::setzeClip(std::span<const Pixelpunkt> polygon) {
  offen().setzeClip(polygon);
}

void Rueckmeldungscanvas::clipAufheben() {
  for (auto* c : {bildCanvas_.get(), ebenenCanvas_.get()}) {
    if (c) c->clipAufheben();
  }
}

}  // namespace quarzel
