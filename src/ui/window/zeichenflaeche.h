// Zeichenflaeche: the drawing area of the main window. It owns the off-screen
// image the drawing is painted into (through QtCanvas) and copies it to the
// screen; it knows nothing of drawings: it asks its painter function for a
// new picture, reports size changes, mouse and key events, and offers the
// canvas on which tools draw their rubber bands straight into the image.
//
// Everything is in device pixels: on a high-density screen one core pixel is
// one physical pixel, so CAD lines stay one pixel thin; mouse positions are
// converted to device pixels before they are reported.
//
// Rubber bands live in a layer of their own that is combined with the picture
// by exclusive or on the way to the screen (see Rueckmeldungscanvas). The
// cross-hair, the reference point and the snap marker are laid over the
// result at each paint, so they never touch the picture or the rubber bands
// and need no erasing. A new picture takes the snap marker away: its pixel
// position may belong to the view before a zoom or scroll.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "edit/fangeinstellungen.h"

class QTimer;

namespace quarzel {

class Canvas;
class Rueckmeldungscanvas;

// One mouse event in device pixels.
struct Mausdaten {
  double x = 0;
  double y = 0;
  Qt::MouseButton taste = Qt::NoButton;
  Qt::MouseButtons tasten;
  Qt::KeyboardModifiers umschaltung;
};

// The pace of a running full redraw, in milliseconds: no intermediate picture
// or progress bar before `ersteAnzeigeMs` (they would only cost time on a
// redraw that is over sooner), and events let through every `ereignisabstandMs`.
struct Bildtakt {
  int ersteAnzeigeMs = 40;
  int ereignisabstandMs = 50;
};

class Zeichenflaeche final : public QWidget {
  Q_OBJECT

 public:
  // Paints the complete picture; the canvas covers the whole area.
  using Maler = std::function<void(Canvas& canvas)>;
  // Gets the keys pressed in the area first; true: taken.
  using Tastenfilter = std::function<bool(QKeyEvent& ereignis)>;

  explicit Zeichenflaeche(QWidget* eltern = nullptr);
  ~Zeichenflaeche() override;

  void setzeMaler(Maler maler);
  void setzeTastenfilter(Tastenfilter filter) { tastenfilter_ = std::move(filter); }
  // Paints the picture anew now (when the area has a size) and shows it.
  void neuZeichnen();
  // Draws onto the existing picture in copy mode (new elements) and shows it.
  void aufBildZeichnen(const std::function<void(Canvas&)>& zeichnen);
  // The canvas for rubber bands: paints into the picture, shown at once.
  Canvas& rueckmeldung();

  // The cross-hair over the whole area at the cursor; off: none.
  void setzeFadenkreuz(bool an, const QColor& farbe);
  QColor fadenkreuzfarbe() const { return fadenkreuzfarbe_; }
  // The reference point of the tool in progress (device pixels); none: hidden.
  void setzeBezugspunkt(std::optional<QPointF> punkt, const QColor& farbe);
  std::optional<QPointF> bezugspunkt() const { return bezugspunkt_; }
  // The zero point's marker (device pixels) with the user's axes turned by
  // `winkel` degrees; none: hidden. Drawn over the picture only, so print and
  // export never show it.
  void setzeNullpunkt(std::optional<QPointF> punkt, double winkel = 0);
  std::optional<QPointF> nullpunkt() const { return nullpunkt_; }
  // The snap marker for a search result (device pixels); nullptr or a result
  // that found nothing: hidden.
  void zeigeFang(const Fangergebnis* ergebnis);
  std::optional<Fangart> fangmarke() const { return fangmarke_; }

  // The refresh mode. Fast: a paint event that finds the picture too small
  // waits for the resize to pause; slow: it paints the picture at once.
  void setzeSchnellerRefresh(bool an) { schnellerRefresh_ = an; }
  bool schnellerRefresh() const { return schnellerRefresh_; }
  // Shows the picture as far as a redraw in progress has painted it.
  void zwischenstandZeigen();
  // A full picture is being painted. A redraw asked for meanwhile (by an
  // event handled while it runs) stops it and is painted right after it.
  bool zeichnet() const { return zeichnet_; }
  bool neuAngefordert() const { return nochmal_; }
  bool imPaintEvent() const { return imPaintEvent_; }
  // Tests set both to 0: the progress shows and events are handled at the
  // first chance, so a redraw stops at a known point.
  void setzeBildtakt(Bildtakt takt) { bildtakt_ = takt; }
  const Bildtakt& bildtakt() const { return bildtakt_; }
  int zwischenstaende() const { return zwischenstaende_; }

  // The area in device pixels (areaWidth x areaHeight of the view).
  int pixelBreite() const;
  int pixelHoehe() const;
  // The last painted picture, without the rubber bands.
  const QImage& bild() const { return bild_; }
  // What the screen shows: the picture combined with the rubber bands, and
  // the snap marker. The cross-hair is left out: it would be everywhere.
  QImage sichtbaresBild() const;
  // How many full pictures were painted (tests: a new element is not one).
  int bildzaehler() const { return bildzaehler_; }
  // The cursor in device pixels, none while it is outside.
  std::optional<QPointF> cursor() const { return cursor_; }
  // For a filter that keeps the mouse moves from the tools (a macro waiting
  // for a click): the cross-hair still follows the mouse.
  void folgeCursor(QPointF geraetepixel) {
    cursor_ = geraetepixel;
    if (fadenkreuz_) update();
  }

 signals:
  void groesseGeaendert(int breite, int hoehe);
  void mausBewegt(double x, double y);
  void mausGedrueckt(const quarzel::Mausdaten& maus);
  void mausLosgelassen(const quarzel::Mausdaten& maus);
  void mausDoppelklick(const quarzel::Mausdaten& maus);
  // Wheel turned by `stufen` notches (positive away from the user) at (x, y).
  void mausrad(double x, double y, double stufen);
  // The cursor left the area.
  void mausVerlassen();
  // A full picture was painted: the view may have changed.
  void neuGezeichnet();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
  void wheelEvent(QWheelEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void leaveEvent(QEvent* ereignis) override;
  bool focusNextPrevChild(bool weiter) override;

 private:
  void bildErneuern();
  // Keeps the rubber bands where they are when the area changes its size.
  void ebeneAnpassen();
  bool bildPasst() const;
  Mausdaten daten(const QMouseEvent& e) const;
  // Paints the snap marker with a painter whose unit is one device pixel.
  void fangmarkeMalen(QPainter& maler) const;
  // One full picture; bildErneuern repeats it while redraws are asked for.
  void bildMalen();

  Maler maler_;
  Tastenfilter tastenfilter_;
  QImage bild_;
  QImage ebene_;  // the rubber bands; black where there are none
  std::unique_ptr<Rueckmeldungscanvas> rueckmeldung_;
  // Started by a paint event that finds the picture too small (a resize):
  // the picture is painted anew once the size has settled.
  QTimer* neuzeichenTimer_ = nullptr;
  int bildzaehler_ = 0;
  bool fadenkreuz_ = true;
  QColor fadenkreuzfarbe_ = Qt::black;
  std::optional<QPointF> bezugspunkt_;
  QColor bezugsfarbe_ = Qt::red;
  std::optional<QPointF> nullpunkt_;
  double nullpunktwinkel_ = 0;
  std::optional<QPointF> cursor_;
  bool schnellerRefresh_ = true;
  bool imPaintEvent_ = false;
  bool zeichnet_ = false;
  bool nochmal_ = false;
  Bildtakt bildtakt_;
  int zwischenstaende_ = 0;
  std::optional<Fangart> fangmarke_;
  QPointF fangpunkt_;
  QColor fangfarbe_ = Qt::red;
};

}  // namespace quarzel
