// Rueckmeldungscanvas: the canvas the tools draw their rubber bands on. A
// rubber band costs a few pixels and a copy to the screen, never a redraw of
// the drawing.
//
// XOR drawing goes into a layer of its own that the drawing area combines
// with the picture by exclusive or when it copies it to the screen: on the
// screen this is exactly XOR drawing on the picture, but a redraw of the
// picture (a new element, scrolling, zooming) leaves the rubber band intact,
// so the tool that drew it can still erase it by drawing it again. Copy and
// white modes (free-hand stroke points) paint on the picture itself.
//
// The painters are opened on first use and closed whenever an image is
// about to be painted anew or replaced; the pen, brush and pen mode the tools
// set survive that, because a tool sets the XOR mode once at its start and
// expects it to stay.
#pragma once

#include <functional>
#include <memory>

#include "platform/canvas.h"

class QImage;

namespace quarzel {

class QtCanvas;

class Rueckmeldungscanvas final : public Canvas {
 public:
  // Both images must outlive the canvas; `geaendert` is called after every
  // drawing call (the widget schedules a copy to the screen). `ebene` starts
  // black: black is what exclusive or leaves unchanged.
  Rueckmeldungscanvas(QImage& bild, QImage& ebene, std::function<void()> geaendert);
  ~Rueckmeldungscanvas() override;

  // Ends painting on the image; the next call opens it again.
  void schliessen();
  // Draws with the plain copy mode (new elements), then restores the state
  // the tools had set.
  void direkt(const std::function<void(Canvas&)>& zeichnen);

  int breite() const override;
  int hoehe() const override;
  void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) override;
  void setzePinsel(Farbe farbe, bool keinPinsel = false) override;
  void setzeStiftmodus(Stiftmodus modus) override;
  void polylinie(std::span<const Pixelpunkt> punkte) override;
  void mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) override;
  void polygon(std::span<const Pixelpunkt> punkte) override;
  void flaeche(std::span<const Pixelpunkt> punkte) override;
  void rechteckFuellen(const Pixelrechteck& r, Farbe farbe) override;
  void pixel(int x, int y, Farbe farbe) override;
  void text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) override;
  void bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) override;
  void setzeClip(std::span<const Pixelpunkt> polygon) override;
  void clipAufheben() override;

 private:
  QtCanvas& offen();
  void zustandAnwenden(QtCanvas& c) const;

  QImage& bild_;
  QImage& ebene_;
  std::function<void()> geaendert_;
  std::unique_ptr<QtCanvas> bildCanvas_;
  std::unique_ptr<QtCanvas> ebenenCanvas_;
  // What the tools set, re-applied whenever the painter is opened again.
  Farbe stiftfarbe_ = 0;
  double stiftbreite_ = 1;
  Stiftart stiftart_ = Stiftart::Durchgezogen;
  Farbe pinselfarbe_ = 0xFFFFFF;
  bool keinPinsel_ = true;
  Stiftmodus modus_ = Stiftmodus::Xor;
};

}  // namespace quarzel
