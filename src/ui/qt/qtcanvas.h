// QtCanvas: the Canvas of the core over a QPainter, on any paint device Qt
// offers (QImage for the drawing area's off-screen image, a widget, QPrinter,
// QPdfWriter, QSvgGenerator). Coordinates are device pixels; no transform is
// applied, so a "pixel" of the core is one pixel of the device.
//
// Conventions the core can rely on:
// - The pen mode governs every call, fills and texts included: Xor combines
//   by exclusive or (drawing the same thing twice restores the image exactly
//   on RGB32/ARGB32 images), Weiss paints everything white (erasing).
// - Pens that are not solid are one pixel wide whatever width is asked for.
// - text() places the top-left corner of the text's cell at (x, y) and turns
//   the text about that point.
// - Antialiasing is off unless asked for: CAD lines on screen must be crisp and
//   XOR needs whole pixels.
// - Pictures (rasterbild, vektorbild) are mapped onto their parallelogram
//   with smooth sampling; on vector devices (PDF, SVG) they stay pictures.
// - Geometry far outside the device and non-finite coordinates are cut away
//   before they reach the paint engine.
// - A batch of segments (strecken) in copy mode goes to the engine in one
//   call: the raster engine strokes hairlines without building a path per
//   line, the PDF engine writes one path. In the other modes each segment is
//   drawn on its own, so XOR still cancels exactly. Antialiased hairlines on
//   an image skip the engine (haarlinien.h) and are held back until anything
//   else is drawn, abschliessen() is called or the canvas ends.
#pragma once

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QPen>
#include <QPolygonF>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/farbe.h"

class QPainter;
class QPaintDevice;

namespace quarzel {

// The Qt colour of one of ours.
QColor qfarbe(Farbe f);

class QtCanvas final : public Canvas {
 public:
  // Paints on a painter that the caller has begun (and ends); used where the
  // caller controls pages (printing) or already paints (paint events).
  explicit QtCanvas(QPainter& maler, bool kantenglaettung = false);
  // Opens its own painter on the device for the canvas's lifetime.
  explicit QtCanvas(QPaintDevice& geraet, bool kantenglaettung = false);
  ~QtCanvas() override;

  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  int breite() const override;
  int hoehe() const override;

  void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) override;
  void setzePinsel(Farbe farbe, bool keinPinsel = false) override;
  void setzeStiftmodus(Stiftmodus modus) override;

  void polylinie(std::span<const Pixelpunkt> punkte) override;
  void mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) override;
  void strecken(std::span<const Pixelpunkt> paare) override;
  void bezierzug(std::span<const Pixelpunkt> punkte) override;
  bool kurvenErhalten() const override { return vektorgeraet_; }
  void abschliessen() override;
  void polygon(std::span<const Pixelpunkt> punkte) override;
  void flaeche(std::span<const Pixelpunkt> punkte) override;
  void rechteckFuellen(const Pixelrechteck& r, Farbe farbe) override;
  void pixel(int x, int y, Farbe farbe) override;
  void text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) override;
  void bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) override;
  void rasterbild(const Rasterbild& bild, const Bildlage& lage) override;
  bool vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) override;
  double textbreite(std::string_view utf8, const Schriftangaben& schrift) const override;

  void setzeClip(std::span<const Pixelpunkt> polygon) override;
  void clipAufheben() override;

  QPainter& maler() { return *maler_; }

 private:
  void zustandAnwenden();
  const QPolygonF& alsPolygon(std::span<const Pixelpunkt> punkte);
  // The image to draw a batch of hairlines into directly, when that is
  // faithful (see haarlinien.h); nullptr otherwise.
  QImage* haarlinienbild() const;
  // Export hairlines wait in vorrat_ until anything else is drawn.
  void vorratFuer(QImage* bild);
  void vorratZeichnen();
  QColor wirksam(Farbe farbe) const;
  double schutzrand() const;

  std::unique_ptr<QPainter> eigenerMaler_;
  QPainter* maler_;
  QPen stift_;
  QBrush pinsel_;
  Farbe stiftfarbe_ = 0;
  Farbe pinselfarbe_ = 0xFFFFFF;
  bool keinPinsel_ = false;
  Stiftmodus modus_ = Stiftmodus::Kopieren;
  // PDF, SVG and printers: curves stay curves there.
  bool vektorgeraet_ = false;
  // The painter's brush is not (or no longer) the canvas's: polygon() sets it.
  bool pinselOffen_ = true;
  // Scratch space reused from call to call.
  QPolygonF polygon_;
  std::vector<QLineF> linien_;
  std::vector<QLineF> vorrat_;
  QImage* vorratBild_ = nullptr;
  QRgb vorratFarbe_ = 0;
};

}  // namespace quarzel
