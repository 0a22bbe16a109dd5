#include "ui/window/statusleiste.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

namespace quarzel {

namespace {

QLabel* feld(QStatusBar& leiste, const QString& breitesterText) {
  auto* l = new QLabel(&leiste);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // Fixed widths, so that panels do not jump while the mouse moves.
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(breitesterText) + 12);
  leiste.addPermanentWidget(l);
  return l;
}

}  // namespace

Statusleiste::Statusleiste(QStatusBar& leiste) : leiste_(&leiste) {
  aufforderung_ = new QLabel(&leiste);
  aufforderung_->setMinimumWidth(
      aufforderung_->fontMetrics().horizontalAdvance(QStringLiteral("Vieleck mit n Ecken: 2.) Zweiter Punkt")));
  leiste.addWidget(aufforderung_);
  meldung_ = new QLabel(&leiste);
  leiste.addWidget(meldung_, 1);
  balken_ = new QProgressBar(&leiste);
  balken_->setRange(0, 100);
  balken_->setMaximumWidth(160);
  balken_->setVisible(false);
  leiste.addWidget(balken_);
  blatt_ = feld(leiste, QStringLiteral("Blatt 1  1189*841 mm"));
  massstab_ = feld(leiste, QStringLiteral("M 1:10000"));
  koordinaten_ = feld(leiste, QStringLiteral("X: -1234.567 mm  Y: -1234.567 mm"));
}

void Statusleiste::setzeBlatt(const QString& text) {
  blatt_->setText(text);
}
void Statusleiste::setzeMassstab(const QString& text) {
  massstab_->setText(text);
}
void Statusleiste::setzeKoordinaten(const QString& text) {
  koordinaten_->setText(text);
}

void Statusleiste::setzeAufforderung(const QString& text) {
  aufforderung_->setText(text);
}

void Statusleiste::setzeMeldung(const QString& text) {
  meldung_->setText(text);
}

void Statusleiste::fortschritt(const QString& text, int prozent) {
  if (prozent < 0) {
    meldung_->clear();
    balken_->setVisible(false);
  } else {
    meldung_->setText(text);
    balken_->setValue(std::min(prozent, 100));
    balken_->setVisible(true);
  }
  // Long operations block the event loop; show the change now.
  leiste_->repaint();
}

void Statusleiste::stoerung(const QString& text) {
  meldung_->setText(text);
  meldung_->setAutoFillBackground(true);
  QPalette farben = meldung_->palette();
  farben.setColor(QPalette::Window, Qt::red);
  farben.setColor(QPalette::WindowText, Qt::white);
  meldung_->setPalette(farben);
  leiste_->repaint();
}

QString Statusleiste::blatt() const {
  return blatt_->text();
}
QString Statusleiste::massstab() const {
  return massstab_->text();
}
QString Statusleiste::koordinaten() const {
  return koordinaten_->text();
}
QString Statusleiste::meldung() const {
  return meldung_->text();
}
QString Statusleiste::aufforderung() const {
  return aufforderung_->text();
}

}  // namespace quarzel
