#include "ui/dialogs/zeichnungsoptionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "view/blattformat.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

constexpr std::array<double, 11> kMassstaebe{1, 10, 20, 25, 50, 75, 100, 200, 250, 500, 1000};
constexpr double kKleinsterMassstab = 1;
constexpr double kGroessterMassstab = 10000000;
constexpr int kStandardEinheit = 2;  // "m"

// The printer's paper in whole millimetres: the chosen printer's, else the
// default printer's; A4 portrait without a printer.
Blattmass druckerformat(std::optional<QSizeF> gewaehlt) {
  const QPrinterInfo drucker = gewaehlt ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
  QSizeF mm = gewaehlt ? *gewaehlt
                       : drucker.isNull() ? QSizeF() : drucker.defaultPageSize().size(QPageSize::Millimeter);
  if (!mm.isValid() || mm.isEmpty()) mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
  return {static_cast<std::int32_t>(std::lround(mm.width())), static_cast<std::int32_t>(std::lround(mm.height()))};
}

}  // namespace

Zeichnungsoptionenwahl zeichnungsoptionenAus(const Ansicht& a) {
  Zeichnungsoptionenwahl w;
  w.blattBreite = a.sheetWidth;
  w.blattHoehe = a.sheetHeight;
  const int index = radioIndexVonCode(a.unitCode);
  w.einheitIndex = index >= 0 ? index : kStandardEinheit;
  w.massstab = std::isfinite(a.drawingScale) && a.drawingScale > 0 ? a.drawingScale : 100;
  w.dezimalen = angezeigteDezimalen(a.displayDecimals);
  w.imperialDezimal = a.imperialDecimal;
  w.koordinatenwinkel = std::isfinite(a.coordAngle) ? a.coordAngle : 0;
  w.rasterMitdrehen = w.koordinatenwinkel != 0 && a.gridAngle == a.coordAngle;
  return w;
}

void wendeZeichnungsoptionenAn(Ansicht& a, const Zeichnungsoptionenwahl& w) {
  const std::int32_t alteLinks = a.sheetLeft;
  const std::int32_t alterUnterrand = a.sheetTop + a.sheetHeight;
  if (w.blattBreite > 0 && w.blattHoehe > 0 && w.blattBreite <= a.WorldWidth && w.blattHoehe <= a.WorldHeight) {
    a.sheetWidth = w.blattBreite;
    a.sheetHeight = w.blattHoehe;
    a.sheetLeft = Ansicht::nearestInt32(a.WorldWidth / 2.0 - a.sheetWidth / 2.0);
    a.sheetTop = Ansicht::nearestInt32(a.WorldHeight / 2.0 - a.sheetHeight / 2.0);
    // The zero point sits 20 mm up from the sheet's bottom edge: it keeps its
    // distance to the bottom-left corner.
    const double dx = a.sheetLeft - alteLinks;
    const double dy = (a.sheetTop + a.sheetHeight) - alterUnterrand;
    a.zeroPoint.x += dx;
    a.zeroPoint.y += dy;
    a.gridOrigin.x += dx;
    a.gridOrigin.y += dy;
  }
  if (const Masseinheit* e = einheitNachRadioIndex(w.einheitIndex)) {
    a.unitCode = e->code;
    a.unitFactor = e->faktor;
    a.unitName = std::string(e->name);
  }
  if (std::isfinite(w.massstab) && w.massstab >= kKleinsterMassstab && w.massstab <= kGroessterMassstab) {
    a.drawingScale = w.massstab;
  }
  a.displayDecimals = std::clamp(w.dezimalen, 0, 3);
  a.imperialDecimal = w.imperialDezimal;
  if (std::isfinite(w.koordinatenwinkel)) {
    // One turn is no turn; the field's range keeps the angle within it.
    a.coordAngle = static_cast<float>(std::fmod(w.koordinatenwinkel, 360.0));
    if (w.rasterMitdrehen) a.gridAngle = a.coordAngle;
  }
}

void schreibeZeichnungsoptionen(einstellung::Projektoptionen& p, const Zeichnungsoptionenwahl& w) {
  p.blattBreite = w.blattBreite;
  p.blattHoehe = w.blattHoehe;
  if (const Masseinheit* e = einheitNachRadioIndex(w.einheitIndex)) {
    p.einheit = e->code;
    p.faktor = e->faktor;
    p.einheitenname = std::string(e->name);
  }
  p.massstab = w.massstab;
}

TZeichnungsoptionen::TZeichnungsoptionen(const Zeichnungsoptionenwahl& wahl, QWidget* eltern)
    : QDialog(eltern), breiteMm_(wahl.blattBreite), hoeheMm_(wahl.blattHoehe) {
  setWindowTitle(QStringLiteral("Zeichnungsoptionen"));
  auto* lage = new QVBoxLayout(this);
  auto* spalten = new QHBoxLayout;
  lage->addLayout(spalten);

  // Sheet format.
  auto* blatt = new QGroupBox(QStringLiteral("Blattformat"), this);
  auto* blattRaster = new QGridLayout(blatt);
  formate_ = new QButtonGroup(blatt);
  for (int i = 0; i < static_cast<int>(blattformate.size()); ++i) {
    for (int quer = 0; quer < 2; ++quer) {
      const std::string_view text = quer ? blattformate[i].querformat : blattformate[i].hochformat;
      auto* k = new QRadioButton(QString::fromUtf8(text.data(), static_cast<int>(text.size())), blatt);
      formate_->addButton(k, 2 * i + quer);
      blattRaster->addWidget(k, i, quer);
    }
  }
  auto* drucker = new QRadioButton(QStringLiteral("vom Drucker vorgegeben"), blatt);
  auto* beliebig = new QRadioButton(QStringLiteral("beliebiges Format"), blatt);
  formate_->addButton(drucker, kVomDrucker);
  formate_->addButton(beliebig, kBeliebig);
  blattRaster->addWidget(drucker, 6, 0, 1, 2);
  blattRaster->addWidget(beliebig, 7, 0, 1, 2);
  auto* felder = new QFormLayout;
  breite_ = new QDoubleSpinBox(blatt);
  hoehe_ = new QDoubleSpinBox(blatt);
  felder->addRow(QStringLiteral("Breite:"), breite_);
  felder->addRow(QStringLiteral("Höhe:"), hoehe_);
  blattRaster->addLayout(felder, 8, 0, 1, 2);
  spalten->addWidget(blatt);

  // Units, in radio order.
  auto* einheiten = new QGroupBox(QStringLiteral("Maßeinheiten in"), this);
  auto* einheitenLage = new QVBoxLayout(einheiten);
  einheiten_ = new QButtonGroup(einheiten);
  for (int i = 0; i < static_cast<int>(masseinheiten.size()); ++i) {
    const std::string_view text = masseinheiten[i].radiotext;
    auto* k = new QRadioButton(QString::fromUtf8(text.data(), static_cast<int>(text.size())), einheiten);
    einheiten_->addButton(k, i);
    einheitenLage->addWidget(k);
  }
  auto* dezimalLage = new QFormLayout;
  dezimalen_ = new QSpinBox(einheiten);
  dezimalen_->setRange(0, 3);
  dezimalen_->setValue(std::clamp(wahl.dezimalen, 0, 3));
  dezimalLage->addRow(QStringLiteral("Nachkommastellen:"), dezimalen_);
  einheitenLage->addLayout(dezimalLage);
  imperialDezimal_ = new QCheckBox(QStringLiteral("Dezimaldarstellung englischer Einheiten"), einheiten);
  imperialDezimal_->setChecked(wahl.imperialDezimal);
  einheitenLage->addWidget(imperialDezimal_);
  auto* winkelLage = new QFormLayout;
  winkel_ = new QDoubleSpinBox(einheiten);
  winkel_->setRange(-360, 360);
  winkel_->setDecimals(3);
  winkel_->setSuffix(QStringLiteral(" Grad"));
  winkel_->setValue(std::isfinite(wahl.koordinatenwinkel) ? wahl.koordinatenwinkel : 0);
  winkelLage->addRow(QStringLiteral("Koordinatensystem drehen:"), winkel_);
  einheitenLage->addLayout(winkelLage);
  rasterMitdrehen_ = new QCheckBox(QStringLiteral("Raster und Koordinatensystem drehen"), einheiten);
  rasterMitdrehen_->setChecked(wahl.rasterMitdrehen);
  einheitenLage->addWidget(rasterMitdrehen_);
  spalten->addWidget(einheiten);

  // Scale.
  auto* massstab = new QGroupBox(QStringLiteral("Maßstab"), this);
  auto* massstabLage = new QVBoxLayout(massstab);
  massstaebe_ = new QButtonGroup(massstab);
  int gewaehlterMassstab = kBeliebigerMassstab;
  for (int i = 0; i < static_cast<int>(kMassstaebe.size()); ++i) {
    auto* k = new QRadioButton(QStringLiteral("Maßstab 1:%1").arg(kMassstaebe[i]), massstab);
    massstaebe_->addButton(k, i);
    massstabLage->addWidget(k);
    if (kMassstaebe[i] == wahl.massstab) gewaehlterMassstab = i;
  }
  auto* freierMassstab = new QRadioButton(QStringLiteral("beliebiger Maßstab"), massstab);
  massstaebe_->addButton(freierMassstab, kBeliebigerMassstab);
  massstabLage->addWidget(freierMassstab);
  massstab_ = new QDoubleSpinBox(massstab);
  massstab_->setRange(kKleinsterMassstab, kGroessterMassstab);
  massstab_->setDecimals(2);
  massstab_->setValue(
      std::clamp(std::isfinite(wahl.massstab) ? wahl.massstab : 100.0, kKleinsterMassstab, kGroessterMassstab));
  massstabLage->addWidget(massstab_);
  spalten->addWidget(massstab);
  massstaebe_->button(gewaehlterMassstab)->setChecked(true);
  massstab_->setEnabled(gewaehlterMassstab == kBeliebigerMassstab);
  connect(massstaebe_, &QButtonGroup::idClicked, this,
          [this](int id) { massstab_->setEnabled(id == kBeliebigerMassstab); });

  // The sheet's format: an A size when it matches one, otherwise "beliebiges Format".
  int format = kBeliebig;
  for (int i = 0; i < static_cast<int>(blattformate.size()); ++i) {
    for (int quer = 0; quer < 2; ++quer) {
      const auto m = blattmassNachIndex(i, quer == 1);
      if (m && m->breite == wahl.blattBreite && m->hoehe == wahl.blattHoehe) format = 2 * i + quer;
    }
  }
  formate_->button(format)->setChecked(true);
  const int einheit = einheitNachRadioIndex(wahl.einheitIndex) ? wahl.einheitIndex : kStandardEinheit;
  einheiten_->button(einheit)->setChecked(true);
  einheitGewechselt();
  formatGewechselt();
  connect(einheiten_, &QButtonGroup::idClicked, this, [this] { einheitGewechselt(); });
  connect(formate_, &QButtonGroup::idClicked, this, [this] { formatGewechselt(); });
  connect(breite_, &QDoubleSpinBox::valueChanged, this, [this] { feldGeaendert(); });
  connect(hoehe_, &QDoubleSpinBox::valueChanged, this, [this] { feldGeaendert(); });

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lage->addWidget(knoepfe);
}

double TZeichnungsoptionen::faktor() const {
  const Masseinheit* e = einheitNachRadioIndex(einheiten_->checkedId());
  return e != nullptr ? e->faktor : 0.001;
}

void TZeichnungsoptionen::einheitGewechselt() {
  // Whole drawing units are too coarse for metres and feet (an A3 sheet is
  // 0.42 m): the fields show as many decimals as one sheet millimetre needs,
  // and a bound that rounds to 0 is taken unrounded.
  const double f = faktor();
  const Eingabegrenzen g = beliebigesFormatGrenzen(f);
  const int stellen = std::clamp(static_cast<int>(std::ceil(-std::log10(f) - 1e-9)), 0, 7);
  const double minimum = g.minimum >= 1 ? g.minimum : 50 * f;
  const double maximum = g.maximum >= minimum ? g.maximum : 2500 * f;
  setzt_ = true;
  for (QDoubleSpinBox* feld : {breite_, hoehe_}) {
    feld->setDecimals(stellen);
    feld->setRange(minimum, maximum);
  }
  breite_->setValue(mmInZeichnungseinheiten(breiteMm_, f));
  hoehe_->setValue(mmInZeichnungseinheiten(hoeheMm_, f));
  setzt_ = false;
}

void TZeichnungsoptionen::formatGewechselt() {
  const int id = formate_->checkedId();
  const bool frei = id == kBeliebig;
  breite_->setEnabled(frei);
  hoehe_->setEnabled(frei);
  if (frei) return;
  Blattmass m;
  if (id == kVomDrucker) {
    m = druckerformat(druckerpapier_);
  } else if (const auto a = blattmassNachIndex(id / 2, id % 2 == 1)) {
    m = *a;
  } else {
    return;
  }
  breiteMm_ = m.breite;
  hoeheMm_ = m.hoehe;
  einheitGewechselt();
}

void TZeichnungsoptionen::feldGeaendert() {
  if (setzt_) return;
  if (const auto mm = zeichnungseinheitenInMm(breite_->value(), faktor())) breiteMm_ = *mm;
  if (const auto mm = zeichnungseinheitenInMm(hoehe_->value(), faktor())) hoeheMm_ = *mm;
}

Zeichnungsoptionenwahl TZeichnungsoptionen::wahl() const {
  Zeichnungsoptionenwahl w;
  w.blattBreite = breiteMm_;
  w.blattHoehe = hoeheMm_;
  w.einheitIndex = einheiten_->checkedId();
  const int m = massstaebe_->checkedId();
  w.massstab = m >= 0 && m < static_cast<int>(kMassstaebe.size()) ? kMassstaebe[m] : massstab_->value();
  w.dezimalen = dezimalen_->value();
  w.imperialDezimal = imperialDezimal_->isChecked();
  w.koordinatenwinkel = winkel_->value();
  w.rasterMitdrehen = rasterMitdrehen_->isChecked();
  return w;
}

}  // namespace quarzel
