// Linealleiste: one ruler strip beside the drawing area, the horizontal one
// above it, the vertical one left of it. The ticks and labels come from
// view/lineal.h (linealzeichnen); the strip only gives them a canvas and lays
// a thin line over them where the cursor is, so the user can read the
// cursor's place on the ruler.
//
// The strip keeps no copy of the view: each paint reads the Ansicht it was
// given, so it is right whenever the area has been redrawn and the strip
// updated with it.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

namespace quarzel {

class Ansicht;

class Linealleiste final : public QWidget {
  Q_OBJECT

 public:
  // Thickness of a strip in device-independent pixels.
  static constexpr int kDicke = 22;

  // `modell`: whether the ruler counts model units (asked at each paint).
  Linealleiste(const Ansicht& ansicht, bool waagerecht, std::function<bool()> modell, QWidget* eltern = nullptr);

  bool waagerecht() const { return waagerecht_; }
  // The cursor along the ruler in device pixels of the drawing area; none: no line.
  void setzeCursor(std::optional<double> position);
  std::optional<double> cursor() const { return cursor_; }
  // The strip as it is painted now (tests look at the ticks).
  QImage bild() const;

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  void male(QImage& ziel) const;

  const Ansicht& ansicht_;
  bool waagerecht_;
  std::function<bool()> modell_;
  std::optional<double> cursor_;
};

}  // namespace quarzel
