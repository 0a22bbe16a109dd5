#include "ui/dialogs/neueebenedialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/zahlformat.h"
#include "store/ebenen.h"

namespace quarzel {

namespace {

constexpr std::array<Folienvorlage, 4> Vorlagen = {Folienvorlage::Projektgrafiken, Folienvorlage::Geschosse,
                                                   Folienvorlage::Schnitte, Folienvorlage::Benutzerdefiniert};

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string stdtext(const QString& s) {
  return s.trimmed().toStdString();
}

QString massstabtext(double m) {
  return QString::fromStdString(schreibeZahl(m));
}

}  // namespace

TPlanteilneu::TPlanteilneu(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("TPlanteilneu"));
  setWindowTitle(QStringLiteral("Neue Ebene erstellen"));

  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(QStringLiteral("Bezeichnung"), this));
  bezeichnung_ = new QLineEdit(this);
  bezeichnung_->setObjectName(QStringLiteral("Bezeichnung"));
  bezeichnung_->setMaxLength(200);
  kopf->addWidget(bezeichnung_, 1);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(baueMassstab());
  rechts->addWidget(baueEinheit());
  schuetzen_ = new QCheckBox(QStringLiteral("Objekte dieser Ebene schützen"), this);
  schuetzen_->setObjectName(QStringLiteral("Schuetzen"));
  rechts->addWidget(schuetzen_);
  rechts->addStretch(1);

  auto* mitte = new QHBoxLayout;
  mitte->addWidget(baueFolien(), 1);
  mitte->addLayout(rechts);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(kopf);
  haupt->addLayout(mitte);
  haupt->addWidget(knoepfe);

  setzeAngaben(PlanteilNeuAngaben{});
}

QWidget* TPlanteilneu::baueFolien() {
  auto* gruppe = new QGroupBox(QStringLiteral("Unterebenen"), this);
  auto* raster = new QGridLayout(gruppe);
  for (int i = 0; i < PlanteilNeuAngaben::Folienfelder; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (i == 0) {
      raster->addWidget(new QLabel(QStringLiteral("1"), gruppe), i, 0);
    } else {
      haken_[k] = new QCheckBox(QString::number(i + 1), gruppe);
      haken_[k]->setObjectName(QStringLiteral("Haken%1").arg(i + 1));
      connect(haken_[k], &QCheckBox::toggled, this, &TPlanteilneu::zustaendeSetzen);
      raster->addWidget(haken_[k], i, 0);
    }
    folien_[k] = new QLineEdit(gruppe);
    folien_[k]->setObjectName(QStringLiteral("Unterebene%1").arg(i + 1));
    folien_[k]->setMaxLength(200);
    raster->addWidget(folien_[k], i, 1);
  }

  auto* vorlagen = new QGroupBox(QStringLiteral("Folien erstellen für"), gruppe);
  auto* liste = new QVBoxLayout(vorlagen);
  for (Folienvorlage v : Vorlagen) {
    auto* knopf = new QPushButton(qtext(vorlagenText(v)), vorlagen);
    knopf->setAutoDefault(false);
    connect(knopf, &QPushButton::clicked, this, [this, v] { wendeVorlageAn(v); });
    liste->addWidget(knopf);
  }
  raster->addWidget(vorlagen, PlanteilNeuAngaben::Folienfelder, 0, 1, 2);
  return gruppe;
}

QWidget* TPlanteilneu::baueMassstab() {
  auto* gruppe = new QGroupBox(QStringLiteral("Maßstab 1:"), this);
  auto* raster = new QGridLayout(gruppe);
  massstabknoepfe_ = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(Massstabknoepfe.size()); ++i) {
    auto* knopf = new QRadioButton(massstabtext(Massstabknoepfe[static_cast<std::size_t>(i)]), gruppe);
    knopf->setObjectName(QStringLiteral("Massstab%1").arg(massstabtext(Massstabknoepfe[static_cast<std::size_t>(i)])));
    massstabknoepfe_->addButton(knopf, i);
    raster->addWidget(knopf, i / 3, i % 3);
  }
  const int zeile = (static_cast<int>(Massstabknoepfe.size()) + 2) / 3;
  beliebig_ = new QRadioButton(QStringLiteral("beliebiger Maßstab"), gruppe);
  beliebig_->setObjectName(QStringLiteral("BeliebigerMassstab"));
  massstabknoepfe_->addButton(beliebig_, static_cast<int>(Massstabknoepfe.size()));
  raster->addWidget(beliebig_, zeile, 0, 1, 2);
  freierMassstab_ = new QLineEdit(gruppe);
  freierMassstab_->setObjectName(QStringLiteral("FreierMassstab"));
  freierMassstab_->setMaxLength(40);
  raster->addWidget(freierMassstab_, zeile, 2);
  zeichnungsmassstab_ = new QCheckBox(QStringLiteral("Zeichnungsmaßstab"), gruppe);
  zeichnungsmassstab_->setObjectName(QStringLiteral("Zeichnungsmassstab"));
  raster->addWidget(zeichnungsmassstab_, zeile + 1, 0, 1, 3);
  connect(massstabknoepfe_, &QButtonGroup::idToggled, this, &TPlanteilneu::zustaendeSetzen);
  connect(zeichnungsmassstab_, &QCheckBox::toggled, this, &TPlanteilneu::zustaendeSetzen);
  return gruppe;
}

QWidget* TPlanteilneu::baueEinheit() {
  auto* gruppe = new QGroupBox(QStringLiteral("Maßeinheit"), this);
  auto* raster = new QGridLayout(gruppe);
  zeichnungseinheit_ = new QCheckBox(QStringLiteral("Zeichnungseinheit"), gruppe);
  zeichnungseinheit_->setObjectName(QStringLiteral("Zeichnungseinheit"));
  raster->addWidget(zeichnungseinheit_, 0, 0, 1, 2);
  raster->addWidget(new QLabel(QStringLiteral("Ebeneneinheit"), gruppe), 1, 0);
  einheit_ = new QComboBox(gruppe);
  einheit_->setObjectName(QStringLiteral("Ebeneneinheit"));
  for (std::uint8_t code = 1; code <= 8; ++code) einheit_->addItem(qtext(einheitName(code)));
  raster->addWidget(einheit_, 1, 1);
  raster->addWidget(new QLabel(QStringLiteral("Nachkommastellen"), gruppe), 2, 0);
  nachkommastellen_ = new QComboBox(gruppe);
  nachkommastellen_->setObjectName(QStringLiteral("Nachkommastellen"));
  nachkommastellen_->addItems({QStringLiteral("Keine (1)"), QStringLiteral("Eine (1,0)"), QStringLiteral("Zwei (1,00)"),
                               QStringLiteral("Drei (1,000)")});
  raster->addWidget(nachkommastellen_, 2, 1);
  einheitAnzeigen_ = new QCheckBox(QStringLiteral("Einheit anzeigen"), gruppe);
  einheitAnzeigen_->setObjectName(QStringLiteral("EinheitAnzeigen"));
  raster->addWidget(einheitAnzeigen_, 3, 0, 1, 2);
  connect(zeichnungseinheit_, &QCheckBox::toggled, this, &TPlanteilneu::zustaendeSetzen);
  return gruppe;
}

void TPlanteilneu::zustaendeSetzen() {
  for (int i = 1; i < PlanteilNeuAngaben::Folienfelder; ++i) {
    const auto k = static_cast<std::size_t>(i);
    folien_[k]->setEnabled(haken_[k]->isChecked());
  }
  const bool eigenerMassstab = !zeichnungsmassstab_->isChecked();
  for (QAbstractButton* k : massstabknoepfe_->buttons()) k->setEnabled(eigenerMassstab);
  freierMassstab_->setEnabled(eigenerMassstab && beliebig_->isChecked());
  const bool eigeneEinheit = !zeichnungseinheit_->isChecked();
  einheit_->setEnabled(eigeneEinheit);
  nachkommastellen_->setEnabled(eigeneEinheit);
  einheitAnzeigen_->setEnabled(eigeneEinheit);
}

void TPlanteilneu::accept() {
  if (!zeichnungsmassstab_->isChecked() && beliebig_->isChecked()) {
    const std::optional<double> m = leseZahl(freierMassstab_->text().trimmed().toStdString());
    if (!m || !(*m > 0)) {
      const QString text = QStringLiteral("Der Maßstab \"%1\" ist keine gültige Zahl größer als 0.")
                               .arg(freierMassstab_->text().trimmed());
      if (melder) melder(text.toStdString());
      else QMessageBox::warning(this, windowTitle(), text);
      freierMassstab_->setFocus();
      freierMassstab_->selectAll();
      return;
    }
  }
  QDialog::accept();
}

PlanteilNeuAngaben TPlanteilneu::angaben() const {
  PlanteilNeuAngaben a;
  a.bezeichnung = stdtext(bezeichnung_->text());
  for (int i = 0; i < PlanteilNeuAngaben::Folienfelder; ++i) {
    const auto k = static_cast<std::size_t>(i);
    a.folien[k] = stdtext(folien_[k]->text());
    a.angehakt[k] = i == 0 || haken_[k]->isChecked();
  }
  a.zeichnungsmassstab = zeichnungsmassstab_->isChecked();
  a.beliebigerMassstab = beliebig_->isChecked();
  a.freierMassstab = leseZahlOder(freierMassstab_->text().trimmed().toStdString(), 100);
  // An empty field reads as 0, which no scale can be.
  if (a.freierMassstab <= 0) a.freierMassstab = 100;
  const int knopf = massstabknoepfe_->checkedId();
  a.massstabKnopf = knopf >= 0 && knopf < static_cast<int>(Massstabknoepfe.size()) ? knopf : 6;
  a.zeichnungseinheit = zeichnungseinheit_->isChecked();
  a.einheitWahl = einheit_->currentIndex();
  a.nachkommastellen = nachkommastellen_->currentIndex();
  a.einheitAnzeigen = einheitAnzeigen_->isChecked();
  return a;
}

void TPlanteilneu::setzeAngaben(const PlanteilNeuAngaben& a) {
  bezeichnung_->setText(qtext(a.bezeichnung));
  for (int i = 0; i < PlanteilNeuAngaben::Folienfelder; ++i) {
    const auto k = static_cast<std::size_t>(i);
    folien_[k]->setText(qtext(a.folien[k]));
    if (i > 0) haken_[k]->setChecked(a.angehakt[k]);
  }
  if (a.beliebigerMassstab) {
    beliebig_->setChecked(true);
  } else if (QAbstractButton* k = massstabknoepfe_->button(a.massstabKnopf)) {
    k->setChecked(true);
  }
  freierMassstab_->setText(massstabtext(a.freierMassstab));
  zeichnungsmassstab_->setChecked(a.zeichnungsmassstab);
  zeichnungseinheit_->setChecked(a.zeichnungseinheit);
  einheit_->setCurrentIndex(std::clamp(a.einheitWahl, 0, 7));
  nachkommastellen_->setCurrentIndex(std::clamp(a.nachkommastellen, 0, 3));
  einheitAnzeigen_->setChecked(a.einheitAnzeigen);
  zustaendeSetzen();
}

bool TPlanteilneu::schuetzen() const {
  return schuetzen_->isChecked();
}

void TPlanteilneu::wendeVorlageAn(Folienvorlage v) {
  PlanteilNeuAngaben a = angaben();
  quarzel::wendeVorlageAn(a, v);
  for (int i = 0; i < PlanteilNeuAngaben::Folienfelder; ++i) {
    const auto k = static_cast<std::size_t>(i);
    folien_[k]->setText(qtext(a.folien[k]));
    if (i > 0) haken_[k]->setChecked(a.angehakt[k]);
  }
  zustaendeSetzen();
}

}  // namespace quarzel
