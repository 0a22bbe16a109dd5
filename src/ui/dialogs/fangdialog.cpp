#include "ui/dialogs/fangdialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

Fangdialog::Fangdialog(const Fangeinstellungen& einstellungen, QWidget* eltern)
    : QDialog(eltern), vorgabe_(einstellungen) {
  setWindowTitle(QStringLiteral("Fangen"));
  auto* spalte = new QVBoxLayout(this);

  auto* schalter = new QGroupBox(QStringLiteral("Fangen"), this);
  auto* schalterZeile = new QHBoxLayout(schalter);
  aus_ = new QRadioButton(QStringLiteral("ausgeschaltet"), schalter);
  ein_ = new QRadioButton(QStringLiteral("eingeschaltet"), schalter);
  schalterZeile->addWidget(aus_);
  schalterZeile->addWidget(ein_);
  (einstellungen.fangaktiv ? ein_ : aus_)->setChecked(true);
  spalte->addWidget(schalter);

  auto* radiusZeile = new QHBoxLayout;
  radiusZeile->addWidget(new QLabel(QStringLiteral("Fangradius:"), this));
  radius_ = new QSpinBox(this);
  radius_->setRange(Fangeinstellungen::kleinsterRadius, Fangeinstellungen::groessterRadius);
  radius_->setValue(einstellungen.radius());
  radiusZeile->addWidget(radius_);
  radiusZeile->addWidget(new QLabel(QStringLiteral("Pixel"), this));
  radiusZeile->addStretch();
  spalte->addLayout(radiusZeile);

  auto* bereich = new QGroupBox(QStringLiteral("Fangen auf"), this);
  auto* bereichSpalte = new QVBoxLayout(bereich);
  aktiveUnterebene_ = new QCheckBox(QStringLiteral("der aktiven Unterebene"), bereich);
  sichtbareUnterebenen_ = new QCheckBox(QStringLiteral("sichtbaren Unterebenen der aktiven Ebene"), bereich);
  alleEbenen_ = new QCheckBox(QStringLiteral("allen sichtbaren Ebenen"), bereich);
  aktiveUnterebene_->setChecked(einstellungen.aktiveFolie);
  sichtbareUnterebenen_->setChecked(einstellungen.sichtbareFolienAktiveEbene);
  alleEbenen_->setChecked(einstellungen.alleSichtbarenEbenen);
  bereichSpalte->addWidget(aktiveUnterebene_);
  bereichSpalte->addWidget(sichtbareUnterebenen_);
  bereichSpalte->addWidget(alleEbenen_);
  spalte->addWidget(bereich);

  // Radius and scope mean nothing while snapping is off.
  auto freigeben = [this, bereich] {
    radius_->setEnabled(ein_->isChecked());
    bereich->setEnabled(ein_->isChecked());
  };
  connect(ein_, &QRadioButton::toggled, this, freigeben);
  freigeben();

  spalte->addWidget(okAbbrechenKnoepfe(this, QStringLiteral("&OK")));
}

Fangeinstellungen Fangdialog::ergebnis() const {
  Fangeinstellungen e = vorgabe_;
  e.fangaktiv = ein_->isChecked();
  e.fangradius = radius_->value();
  e.aktiveFolie = aktiveUnterebene_->isChecked();
  e.sichtbareFolienAktiveEbene = sichtbareUnterebenen_->isChecked();
  e.alleSichtbarenEbenen = alleEbenen_->isChecked();
  return e;
}

}  // namespace quarzel
