#include "ui/dialogs/mehrfachkopiedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

// More copies than this of even one element would not fit one copy command.
constexpr int kHoechsteAnzahl = 1000;

}  // namespace

double vollkreisschritt(int anzahl) {
  return 360.0 / (std::max(1, anzahl) + 1);
}

Mehrfachkopiedialog::Mehrfachkopiedialog(Werkzeugcode werkzeug, const Mehrfachkopie& vorgabe, QWidget* eltern)
    : QDialog(eltern) {
  setObjectName(QStringLiteral("TMehrfachkopie"));
  setWindowTitle(werkzeug == Werkzeugcode::RadialeKopie ? QStringLiteral("Radiale Mehrfachkopie")
                                 : QStringLiteral("Mehrfachkopie durch Rotation"));
  auto* spalte = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  anzahl_ = new QSpinBox(this);
  anzahl_->setObjectName(QStringLiteral("Anzahl"));
  anzahl_->setRange(1, kHoechsteAnzahl);
  anzahl_->setValue(std::clamp(vorgabe.anzahl, 1, kHoechsteAnzahl));
  form->addRow(QStringLiteral("Anzahl der Kopien:"), anzahl_);
  winkel_ = new QDoubleSpinBox(this);
  winkel_->setObjectName(QStringLiteral("Winkel"));
  winkel_->setRange(-360, 360);
  winkel_->setDecimals(4);
  winkel_->setSuffix(QStringLiteral("°"));
  winkel_->setValue(std::isfinite(vorgabe.winkel) ? vorgabe.winkel : 90);
  form->addRow(QStringLiteral("Winkel zwischen den Kopien:"), winkel_);
  vollkreis_ = new QCheckBox(QStringLiteral("Auf Vollkreis verteilen"), this);
  vollkreis_->setObjectName(QStringLiteral("Vollkreis"));
  form->addRow(QString(), vollkreis_);
  spalte->addLayout(form);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  spalte->addWidget(knoepfe);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(vollkreis_, &QCheckBox::toggled, this, &Mehrfachkopiedialog::vollkreisAnwenden);
  connect(anzahl_, &QSpinBox::valueChanged, this, &Mehrfachkopiedialog::vollkreisAnwenden);
}

void Mehrfachkopiedialog::vollkreisAnwenden() {
  winkel_->setEnabled(!vollkreis_->isChecked());
  if (vollkreis_->isChecked()) winkel_->setValue(vollkreisschritt(anzahl_->value()));
}

Mehrfachkopie Mehrfachkopiedialog::wert() const {
  return {anzahl_->value(), winkel_->value()};
}

std::optional<Mehrfachkopie> Mehrfachkopiedialog::frage(Werkzeugcode werkzeug, const Mehrfachkopie& vorgabe,
                                                         QWidget* eltern) {
  Mehrfachkopiedialog d(werkzeug, vorgabe, eltern);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.wert();
}

}  // namespace quarzel
