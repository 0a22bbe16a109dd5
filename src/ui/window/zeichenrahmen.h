// Zeichenrahmen: the main window's central widget. It frames the drawing area
// with the two rulers (above and left, with an empty corner where they meet)
// and the two scroll bars (right and below). It only arranges the widgets;
// Ansichtsleisten keeps their values in step with the view.
#pragma once

#include <QWidget>
#include <functional>

class QScrollBar;

namespace quarzel {

class Ansicht;
class Linealleiste;
class Zeichenflaeche;

class Zeichenrahmen final : public QWidget {
  Q_OBJECT

 public:
  // Takes the area into the frame. `modell` tells the rulers whether they
  // count model units.
  Zeichenrahmen(Zeichenflaeche& flaeche, const Ansicht& ansicht, std::function<bool()> modell,
                QWidget* eltern = nullptr);

  Zeichenflaeche& flaeche() { return flaeche_; }
  Linealleiste& linealOben() { return *oben_; }
  Linealleiste& linealLinks() { return *links_; }
  QScrollBar& waagerecht() { return *waagerecht_; }
  QScrollBar& senkrecht() { return *senkrecht_; }

  void zeigeLineale(bool an);
  bool linealeSichtbar() const { return lineale_; }

 private:
  Zeichenflaeche& flaeche_;
  Linealleiste* oben_ = nullptr;
  Linealleiste* links_ = nullptr;
  QWidget* ecke_ = nullptr;
  QScrollBar* waagerecht_ = nullptr;
  QScrollBar* senkrecht_ = nullptr;
  bool lineale_ = true;
};

}  // namespace quarzel
