#include "ui/dialogs/rasterdialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

namespace {

QDoubleSpinBox* zahlfeld(QWidget* eltern, double von, double bis, double schritt, int stellen, double wert) {
  auto* f = new QDoubleSpinBox(eltern);
  f->setRange(von, bis);
  f->setSingleStep(schritt);
  f->setDecimals(stellen);
  f->setValue(wert);
  return f;
}

}  // namespace

double rasterfaktor(bool masstabsabhaengig, double unitFactor, double massstab) {
  if (!masstabsabhaengig) return 1;
  const double f = unitFactor * massstab;
  return std::isfinite(f) && f > 0 ? f : 1;
}

Rasterdialog::Rasterdialog(const Rasterwerte& w, double unitFactor, double massstab, QWidget* eltern)
    : QDialog(eltern), unitFactor_(unitFactor), massstab_(massstab), angezeigtMasstabsabhaengig_(w.masstabsabhaengig) {
  setWindowTitle(QStringLiteral("Rastereinstellungen"));
  auto* spalte = new QVBoxLayout(this);
  const double f = rasterfaktor(w.masstabsabhaengig, unitFactor, massstab);

  auto* raster = new QGroupBox(QStringLiteral("Raster"), this);
  auto* gitter = new QGridLayout(raster);
  x_ = zahlfeld(raster, 0.0001, 1000000, 0.5, 4, w.abstandX * f);
  y_ = zahlfeld(raster, 0.01, 1000000, 0.5, 4, w.abstandY * f);
  yBeschriftung_ = new QLabel(QStringLiteral("Y-Abstand:"), raster);
  gitter->addWidget(new QLabel(QStringLiteral("X-Abstand:"), raster), 0, 0);
  gitter->addWidget(x_, 0, 1);
  gitter->addWidget(yBeschriftung_, 1, 0);
  gitter->addWidget(y_, 1, 1);
  masstab_ = new QCheckBox(QStringLiteral("Maßstabsabhängig"), raster);
  masstab_->setChecked(w.masstabsabhaengig);
  gitter->addWidget(masstab_, 2, 0, 1, 2);
  quadratisch_ = new QCheckBox(QStringLiteral("Quadratisches Raster"), raster);
  quadratisch_->setChecked(w.quadratisch);
  gitter->addWidget(quadratisch_, 3, 0, 1, 2);
  drehen_ = new QCheckBox(QStringLiteral("Drehen"), raster);
  drehen_->setChecked(w.drehen);
  winkel_ = zahlfeld(raster, -180, 180, 1, 2, w.winkel);
  auto* drehZeile = new QHBoxLayout;
  drehZeile->addWidget(drehen_);
  drehZeile->addWidget(winkel_);
  drehZeile->addWidget(new QLabel(QStringLiteral("Grad"), raster));
  gitter->addLayout(drehZeile, 4, 0, 1, 2);
  laengen_ = new QCheckBox(QStringLiteral("&Längenraster verwenden "), raster);
  laengen_->setChecked(w.laengenraster);
  laengen_->setToolTip(QStringLiteral("Längen vom letzten Punkt in ganzen Rasterschritten"));
  gitter->addWidget(laengen_, 5, 0, 1, 2);
  spalte->addWidget(raster);

  auto* winkelGruppe = new QGroupBox(QStringLiteral("Winkelraster"), this);
  auto* winkelSpalte = new QVBoxLayout(winkelGruppe);
  winkelraster_ = new QCheckBox(QStringLiteral("benutzen"), winkelGruppe);
  winkelraster_->setChecked(w.winkelraster);
  winkelSpalte->addWidget(winkelraster_);
  auto* schrittZeile = new QHBoxLayout;
  schrittZeile->addWidget(new QLabel(QStringLiteral("Schrittweite:"), winkelGruppe));
  schritt_ = zahlfeld(winkelGruppe, 0, 90, 1, 2, w.schrittweite);
  schrittZeile->addWidget(schritt_);
  schrittZeile->addWidget(new QLabel(QStringLiteral("Grad"), winkelGruppe));
  winkelSpalte->addLayout(schrittZeile);
  auchGefangen_ = new QCheckBox(QStringLiteral("&auch bei gefangenen Punkten benutzen"), winkelGruppe);
  auchGefangen_->setChecked(w.auchGefangen);
  winkelSpalte->addWidget(auchGefangen_);
  spalte->addWidget(winkelGruppe);

  auto sichtbarkeit = [this] {
    y_->setVisible(!quadratisch_->isChecked());
    yBeschriftung_->setVisible(!quadratisch_->isChecked());
    winkel_->setEnabled(drehen_->isChecked());
  };
  connect(quadratisch_, &QCheckBox::toggled, this, sichtbarkeit);
  connect(drehen_, &QCheckBox::toggled, this, sichtbarkeit);
  connect(masstab_, &QCheckBox::toggled, this, &Rasterdialog::masstabGewechselt);
  sichtbarkeit();

  spalte->addWidget(okAbbrechenKnoepfe(this, QStringLiteral("&OK")));
}

// Switching the unit of the fields keeps the grid as it is on the sheet.
void Rasterdialog::masstabGewechselt(bool an) {
  const double alt = rasterfaktor(angezeigtMasstabsabhaengig_, unitFactor_, massstab_);
  const double neu = rasterfaktor(an, unitFactor_, massstab_);
  angezeigtMasstabsabhaengig_ = an;
  x_->setValue(x_->value() / alt * neu);
  y_->setValue(y_->value() / alt * neu);
}

Rasterwerte Rasterdialog::ergebnis() const {
  Rasterwerte w;
  const double f = rasterfaktor(masstab_->isChecked(), unitFactor_, massstab_);
  w.masstabsabhaengig = masstab_->isChecked();
  w.quadratisch = quadratisch_->isChecked();
  w.abstandX = x_->value() / f;
  w.abstandY = w.quadratisch ? w.abstandX : y_->value() / f;
  w.drehen = drehen_->isChecked();
  w.winkel = w.drehen ? winkel_->value() : 0;
  w.laengenraster = laengen_->isChecked();
  w.winkelraster = winkelraster_->isChecked();
  w.schrittweite = schritt_->value();
  w.auchGefangen = auchGefangen_->isChecked();
  return w;
}

Rasterwerte rasterwerte(const Ansicht& ansicht, bool quadratisch, const einstellung::Zeichenhilfen& hilfen,
                        const Fangeinstellungen& fangen) {
  Rasterwerte w;
  w.abstandX = ansicht.gridSpacingX;
  w.abstandY = ansicht.gridSpacingY;
  w.masstabsabhaengig = hilfen.rasterMasstabsabhaengig;
  w.quadratisch = quadratisch;
  w.winkel = ansicht.gridAngle;
  w.drehen = ansicht.gridAngle != 0;
  w.laengenraster = fangen.laengenraster;
  w.winkelraster = fangen.winkelraster;
  w.schrittweite = fangen.winkelschritt;
  w.auchGefangen = fangen.winkelAuchGefangen;
  return w;
}

void uebernimmRasterwerte(const Rasterwerte& w, Ansicht& ansicht, bool& quadratisch,
                          einstellung::Zeichenhilfen& hilfen, Fangeinstellungen& fangen, double einheitenJeBlattmm) {
  if (std::isfinite(w.abstandX) && w.abstandX > 0) ansicht.gridSpacingX = w.abstandX;
  if (std::isfinite(w.abstandY) && w.abstandY > 0) ansicht.gridSpacingY = w.abstandY;
  ansicht.gridAngle = static_cast<float>(w.drehen ? w.winkel : 0);
  quadratisch = w.quadratisch;
  hilfen.rasterMasstabsabhaengig = w.masstabsabhaengig;
  const double f = w.masstabsabhaengig && std::isfinite(einheitenJeBlattmm) && einheitenJeBlattmm > 0 ? einheitenJeBlattmm : 1;
  hilfen.rasterabstand = ansicht.gridSpacingX * f;
  hilfen.yRasterabstand = ansicht.gridSpacingY * f;
  hilfen.rasterwinkel = ansicht.gridAngle;
  fangen.laengenraster = w.laengenraster;
  fangen.winkelraster = w.winkelraster;
  fangen.winkelschritt = w.schrittweite;
  fangen.winkelAuchGefangen = w.auchGefangen;
  schreibeZeichenhilfen(fangen, hilfen);
}

void rasterAusEinstellungen(const einstellung::Zeichenhilfen& hilfen, double massstab, Ansicht& ansicht) {
  const double f = rasterfaktor(hilfen.rasterMasstabsabhaengig, ansicht.unitFactor, massstab);
  const double x = hilfen.rasterabstand / f, y = hilfen.yRasterabstand / f;
  if (std::isfinite(x) && x > 0) ansicht.gridSpacingX = x;
  if (std::isfinite(y) && y > 0) ansicht.gridSpacingY = y;
  if (std::isfinite(hilfen.rasterwinkel)) ansicht.gridAngle = static_cast<float>(hilfen.rasterwinkel);
}

}  // namespace quarzel
