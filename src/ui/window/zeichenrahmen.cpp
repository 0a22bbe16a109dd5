#include "ui/window/zeichenrahmen.h"

#include <QGridLayout>
#include <QScrollBar>

#include "ui/window/linealleiste.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

Zeichenrahmen::Zeichenrahmen(Zeichenflaeche& flaeche, const Ansicht& ansicht, std::function<bool()> modell,
                             QWidget* eltern)
    : QWidget(eltern), flaeche_(flaeche) {
  setObjectName(QStringLiteral("Zeichenrahmen"));
  oben_ = new Linealleiste(ansicht, true, modell, this);
  links_ = new Linealleiste(ansicht, false, modell, this);
  ecke_ = new QWidget(this);
  ecke_->setFixedSize(Linealleiste::kDicke, Linealleiste::kDicke);
  ecke_->setAutoFillBackground(true);
  QPalette grau = ecke_->palette();
  grau.setColor(QPalette::Window, QColor(240, 240, 240));
  ecke_->setPalette(grau);
  waagerecht_ = new QScrollBar(Qt::Horizontal, this);
  waagerecht_->setObjectName(QStringLiteral("RollbalkenWaagerecht"));
  senkrecht_ = new QScrollBar(Qt::Vertical, this);
  senkrecht_->setObjectName(QStringLiteral("RollbalkenSenkrecht"));
  // The bars take no focus: keys belong to the drawing area's tools.
  waagerecht_->setFocusPolicy(Qt::NoFocus);
  senkrecht_->setFocusPolicy(Qt::NoFocus);

  auto* raster = new QGridLayout(this);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->setSpacing(0);
  raster->addWidget(ecke_, 0, 0);
  raster->addWidget(oben_, 0, 1);
  raster->addWidget(links_, 1, 0);
  raster->addWidget(&flaeche_, 1, 1);
  raster->addWidget(senkrecht_, 1, 2);
  raster->addWidget(waagerecht_, 2, 1);
  raster->setRowStretch(1, 1);
  raster->setColumnStretch(1, 1);
  zeigeLineale(false);
}

void Zeichenrahmen::zeigeLineale(bool an) {
  lineale_ = an;
  oben_->setVisible(an);
  links_->setVisible(an);
  ecke_->setVisible(an);
}

}  // namespace quarzel
