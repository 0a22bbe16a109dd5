// Zeichenflaeche: the drawing area of the main window. It owns the off-screen
// image the drawing is painted into (through QtCanvas) and copies it to the
// screen; it knows nothing of drawings, it only asks its painter function for
// a new picture and reports size changes and mouse positions.
//
// Everything is in device pixels: on a high-density screen one core pixel is
// one physical pixel, so CAD lines stay one pixel thin; mouse positions are
// converted to device pixels before they are reported.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace quarzel {

class Canvas;

class Zeichenflaeche final : public QWidget {
  Q_OBJECT

 public:
  // Paints the complete picture; the canvas covers the whole area.
  using Maler = std::function<void(Canvas& canvas)>;

  explicit Zeichenflaeche(QWidget* eltern = nullptr);

  void setzeMaler(Maler maler);
  // Paints the picture anew at the next paint event.
  void neuZeichnen();

  // The area in device pixels (areaWidth x areaHeight of the view).
  int pixelBreite() const;
  int pixelHoehe() const;
  // The last painted picture, e.g. for rubber bands drawn on top of it.
  const QImage& bild() const { return bild_; }

 signals:
  void groesseGeaendert(int breite, int hoehe);
  void mausBewegt(double x, double y);

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;

 private:
  void bildErneuern();

  Maler maler_;
  QImage bild_;
  bool veraltet_ = true;
};

}  // namespace quarzel
