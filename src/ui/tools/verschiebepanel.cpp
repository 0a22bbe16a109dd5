#include "ui/tools/verschiebepanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "edit/koordinateneingabe.h"

namespace quarzel {

namespace {

QString zahl(double wert) {
  return QString::fromStdString(zahltext(wert));
}

}  // namespace

Verschiebepanel::Verschiebepanel(QWidget* eltern) : QDockWidget(QStringLiteral("Verschieben"), eltern) {
  setObjectName(QStringLiteral("Verschiebepanel"));
  setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  auto* inhalt = new QWidget(this);
  auto* spalte = new QVBoxLayout(inhalt);
  auto* raster = new QGridLayout;
  dx_ = new QLineEdit(QStringLiteral("0"), inhalt);
  dx_->setObjectName(QStringLiteral("dxeingabe"));
  dy_ = new QLineEdit(QStringLiteral("0"), inhalt);
  dy_->setObjectName(QStringLiteral("dyeingabe"));
  einheitX_ = new QLabel(inhalt);
  einheitY_ = new QLabel(inhalt);
  raster->addWidget(new QLabel(QStringLiteral("dx:"), inhalt), 0, 0);
  raster->addWidget(dx_, 0, 1);
  raster->addWidget(einheitX_, 0, 2);
  raster->addWidget(new QLabel(QStringLiteral("dy:"), inhalt), 1, 0);
  raster->addWidget(dy_, 1, 1);
  raster->addWidget(einheitY_, 1, 2);
  spalte->addLayout(raster);
  hinweis_ = new QLabel(inhalt);
  hinweis_->setWordWrap(true);
  spalte->addWidget(hinweis_);
  auto* knoepfe = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), inhalt);
  abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), inhalt);
  knoepfe->addWidget(ok_);
  knoepfe->addWidget(abbrechen_);
  spalte->addLayout(knoepfe);
  spalte->addStretch(1);
  setWidget(inhalt);

  for (QLineEdit* f : {dx_, dy_}) {
    // The value replaces the expression once the user leaves the field.
    connect(f, &QLineEdit::editingFinished, this,
            [f] { f->setText(QString::fromStdString(feldVerlassen(f->text().toStdString()))); });
    connect(f, &QLineEdit::returnPressed, this, &Verschiebepanel::ok);
  }
  connect(ok_, &QPushButton::clicked, this, &Verschiebepanel::ok);
  connect(abbrechen_, &QPushButton::clicked, this, &Verschiebepanel::abgebrochen);
  setzeEinheit(QStringLiteral("mm"));
}

void Verschiebepanel::zeigeVersatz(double dx, double dy) {
  if (dx_->hasFocus() || dy_->hasFocus()) return;
  dx_->setText(zahl(dx));
  dy_->setText(zahl(dy));
}

void Verschiebepanel::zuruecksetzen() {
  dx_->setText(QStringLiteral("0"));
  dy_->setText(QStringLiteral("0"));
}

void Verschiebepanel::setzeEinheit(const QString& einheit) {
  einheitX_->setText(einheit);
  einheitY_->setText(einheit);
}

void Verschiebepanel::setzeHinweis(const QString& hinweis) {
  hinweis_->setText(hinweis);
  hinweis_->setVisible(!hinweis.isEmpty());
}

double Verschiebepanel::dx() const {
  return werteAus(dx_->text().toStdString());
}

double Verschiebepanel::dy() const {
  return werteAus(dy_->text().toStdString());
}

}  // namespace quarzel
