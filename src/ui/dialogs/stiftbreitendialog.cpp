#include "ui/dialogs/stiftbreitendialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/qt/qtcanvas.h"

namespace quarzel {

namespace {

void faerben(QPushButton* knopf, Farbe f) {
  knopf->setStyleSheet(QStringLiteral("background-color: %1").arg(qfarbe(f).name()));
}

// Two columns of twelve pens, the hairline's colour above them.
constexpr int kZeilenJeSpalte = 12;

}  // namespace

TStiftbreiten::TStiftbreiten(const Stifttabelle& stifte, QWidget* eltern) : QDialog(eltern), stifte_(stifte) {
  setWindowTitle(QStringLiteral("Stiftbreiten"));
  auto* lage = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  lage->addLayout(raster);

  raster->addWidget(new QLabel(QStringLiteral("Haarlinie"), this), 0, 0);
  farben_[0] = new QPushButton(this);
  raster->addWidget(farben_[0], 0, 2);
  for (int n = 1; n <= Stifttabelle::Benutzerstifte; ++n) {
    const int zeile = 1 + (n - 1) % kZeilenJeSpalte;
    const int spalte = 3 * ((n - 1) / kZeilenJeSpalte);
    raster->addWidget(new QLabel(QStringLiteral("Stift %1:").arg(n), this), zeile, spalte);
    auto* feld = new QDoubleSpinBox(this);
    feld->setRange(0, Stifttabelle::GroessteBreite);
    feld->setDecimals(2);
    feld->setSingleStep(0.05);
    feld->setSuffix(QStringLiteral(" mm"));
    const double b = stifte.penWidth[static_cast<std::size_t>(n)];
    feld->setValue(std::isfinite(b) ? std::clamp(b, 0.0, Stifttabelle::GroessteBreite) : 0.0);
    breiten_[static_cast<std::size_t>(n)] = feld;
    raster->addWidget(feld, zeile, spalte + 1);
    farben_[static_cast<std::size_t>(n)] = new QPushButton(this);
    raster->addWidget(farben_[static_cast<std::size_t>(n)], zeile, spalte + 2);
  }
  for (int n = 0; n <= Stifttabelle::Benutzerstifte; ++n) {
    QPushButton* k = farben_[static_cast<std::size_t>(n)];
    k->setToolTip(QStringLiteral("Farbe"));
    faerben(k, stifte.penColour[static_cast<std::size_t>(n)]);
    connect(k, &QPushButton::clicked, this, [this, n] { farbeWaehlen(n); });
  }

  normstifte_ = new QCheckBox(QStringLiteral("Normstifte"), this);
  normstifte_->setToolTip(QStringLiteral("Setzt die Breite von Stift 1 bis 8 auf Werte nach DIN"));
  normstifte_->setChecked(stifte.penNormWidths);
  lage->addWidget(normstifte_);
  normstifteGewechselt(stifte.penNormWidths);
  connect(normstifte_, &QCheckBox::toggled, this, &TStiftbreiten::normstifteGewechselt);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  standard_ = knoepfe->addButton(QStringLiteral("als Standard"), QDialogButtonBox::ActionRole);
  connect(standard_, &QPushButton::clicked, this, [this] {
    if (alsStandard) alsStandard(tabelle());
  });
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lage->addWidget(knoepfe);
}

QDoubleSpinBox* TStiftbreiten::breite(int stift) const {
  return stift >= 1 && stift <= Stifttabelle::Benutzerstifte ? breiten_[static_cast<std::size_t>(stift)] : nullptr;
}

QPushButton* TStiftbreiten::farbknopf(int stift) const {
  return stift >= 0 && stift <= Stifttabelle::Benutzerstifte ? farben_[static_cast<std::size_t>(stift)] : nullptr;
}

void TStiftbreiten::normstifteGewechselt(bool an) {
  for (int n = 1; n <= static_cast<int>(Stifttabelle::Normbreiten.size()); ++n) {
    QDoubleSpinBox* feld = breiten_[static_cast<std::size_t>(n)];
    if (an) feld->setValue(Stifttabelle::Normbreiten[static_cast<std::size_t>(n - 1)]);
    feld->setEnabled(!an);
  }
}

void TStiftbreiten::setzeFarbe(int stift, Farbe farbe) {
  if (stift < 0 || stift > Stifttabelle::Benutzerstifte) return;
  stifte_.penColour[static_cast<std::size_t>(stift)] = farbe & 0xFFFFFF;
  faerben(farben_[static_cast<std::size_t>(stift)], farbe);
}

void TStiftbreiten::farbeWaehlen(int stift) {
  const QColor alt = qfarbe(stifte_.penColour[static_cast<std::size_t>(stift)]);
  const QColor neu = QColorDialog::getColor(alt, this, QStringLiteral("Farbe"));
  if (neu.isValid()) setzeFarbe(stift, rgb(neu.red(), neu.green(), neu.blue()));
}

Stifttabelle TStiftbreiten::tabelle() const {
  Stifttabelle t = stifte_;
  for (int n = 1; n <= Stifttabelle::Benutzerstifte; ++n) {
    t.penWidth[static_cast<std::size_t>(n)] = breiten_[static_cast<std::size_t>(n)]->value();
  }
  t.setzeNormbreiten(normstifte_->isChecked());
  return t;
}

}  // namespace quarzel
