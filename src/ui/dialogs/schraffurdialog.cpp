#include "ui/dialogs/schraffurdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "styles/schraffurbibliothek.h"
#include "platform/benutzer.h"
#include "ui/dialogs/schraffurvorschau.h"

namespace quarzel {

namespace {

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

constexpr std::string_view kNeuTitel = "Neue Schraffur";
constexpr std::string_view kNeuFrage = "Name  für neue Schraffur:";
constexpr std::string_view kLoeschfrage = "Soll die aktuelle Schraffur wirklich gelöscht werden?";
constexpr std::string_view kUngueltigerName = "Dieser Name kann nicht als Schraffurname verwendet werden.";
constexpr std::string_view kNameVergeben = "Eine Schraffur dieses Namens gibt es bereits.";

}  // namespace

TSchraffuren::TSchraffuren(Schraffurbibliothek& bibliothek, Benutzer& benutzer, const std::string& aktuell,
                           QWidget* eltern)
    : QDialog(eltern), bibliothek_(bibliothek), benutzer_(benutzer) {
  setWindowTitle(QStringLiteral("Schraffuren"));
  auto* lage = new QVBoxLayout(this);

  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(QStringLiteral("Name:"), this));
  namen_ = new QComboBox(this);
  namen_->setMinimumContentsLength(24);
  kopf->addWidget(namen_, 1);
  lage->addLayout(kopf);

  auto* mitte = new QHBoxLayout;
  lage->addLayout(mitte);
  reiter_ = new QTabWidget(this);
  for (int m = 0; m < Schraffurdefinition::Musteranzahl; ++m) {
    auto* seite = new QWidget(reiter_);
    auto* raster = new QGridLayout(seite);
    raster->addWidget(new QLabel(QStringLiteral("Abstand"), seite), 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Art"), seite), 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Stift"), seite), 0, 3);
    for (int l = 0; l < Schraffurmuster::Linienanzahl; ++l) {
      Linienfelder& f = linien_[static_cast<std::size_t>(m)][static_cast<std::size_t>(l)];
      f.aktiv = new QCheckBox(QStringLiteral("Linie %1").arg(l + 1), seite);
      f.abstand = new QDoubleSpinBox(seite);
      f.abstand->setRange(Schraffurlinie::MinAbstand, Schraffurlinie::MaxAbstand);
      f.abstand->setDecimals(2);
      f.art = new QSpinBox(seite);
      f.art->setRange(0, 254);
      f.stift = new QSpinBox(seite);
      f.stift->setRange(0, 255);
      raster->addWidget(f.aktiv, l + 1, 0);
      raster->addWidget(f.abstand, l + 1, 1);
      raster->addWidget(f.art, l + 1, 2);
      raster->addWidget(f.stift, l + 1, 3);
      // A line that is off draws nothing: its values are shown but not editable,
      // so nobody tunes a line that cannot appear.
      const auto folgen = [f](bool an) {
        for (QWidget* feld : {static_cast<QWidget*>(f.abstand), static_cast<QWidget*>(f.art),
                              static_cast<QWidget*>(f.stift)}) {
          feld->setEnabled(an);
        }
      };
      folgen(false);
      connect(f.aktiv, &QCheckBox::toggled, this, folgen);
      connect(f.aktiv, &QCheckBox::toggled, this, &TSchraffuren::vorschauErneuern);
      connect(f.abstand, &QDoubleSpinBox::valueChanged, this, &TSchraffuren::vorschauErneuern);
    }
    auto* richtungszeile = new QHBoxLayout;
    richtungszeile->addWidget(new QLabel(QStringLiteral("Richtung"), seite));
    auto* richtung = new QComboBox(seite);
    richtung->setEditable(true);
    for (int grad = 0; grad < 180; grad += 15) richtung->addItem(QString::number(grad));
    richtung->setValidator(new QIntValidator(-100000, 100000, richtung));
    richtungen_[static_cast<std::size_t>(m)] = richtung;
    richtungszeile->addWidget(richtung);
    richtungszeile->addWidget(new QLabel(QStringLiteral("Grad"), seite));
    richtungszeile->addStretch();
    raster->addLayout(richtungszeile, Schraffurmuster::Linienanzahl + 1, 0, 1, 4);
    connect(richtung, &QComboBox::currentTextChanged, this, &TSchraffuren::vorschauErneuern);
    reiter_->addTab(seite, QStringLiteral("Muster %1").arg(m + 1));
  }
  connect(reiter_, &QTabWidget::currentChanged, this, &TSchraffuren::vorschauErneuern);
  mitte->addWidget(reiter_, 1);

  auto* vorschaubox = new QGroupBox(QStringLiteral(" Vorschau  (1:1)"), this);
  auto* vorschaulage = new QVBoxLayout(vorschaubox);
  vorschau_ = new Schraffurvorschau(vorschaubox);
  vorschaulage->addWidget(vorschau_, 1);
  kombiniert_ = new QCheckBox(QStringLiteral("Muster kombiniert darstellen"), vorschaubox);
  kombiniert_->setChecked(true);
  vorschaulage->addWidget(kombiniert_);
  connect(kombiniert_, &QCheckBox::toggled, this, &TSchraffuren::vorschauErneuern);
  mitte->addWidget(vorschaubox, 1);

  auto* schalter = new QHBoxLayout;
  massstab_ = new QCheckBox(QStringLiteral("Linienabstände maßstabsabhängig"), this);
  schalter->addWidget(massstab_);
  schalter->addStretch();
  mitSchraffur_ = new QCheckBox(QStringLiteral("Mit Schraffur"), this);
  mitSchraffur_->setChecked(true);
  schalter->addWidget(mitSchraffur_);
  lage->addLayout(schalter);

  auto* befehle = new QHBoxLayout;
  auto* erstellenKnopf = new QPushButton(QStringLiteral("Schraffur erstellen"), this);
  auto* neuKnopf = new QPushButton(QStringLiteral("Neu aus aktueller"), this);
  auto* loeschKnopf = new QPushButton(QStringLiteral("Schraffur löschen..."), this);
  eigeneLinien_ = new QPushButton(QStringLiteral("Eigene Linien"), this);
  eigeneLinien_->setEnabled(false);
  auto* standardKnopf = new QPushButton(QStringLiteral("als &Standard"), this);
  for (QPushButton* k : {erstellenKnopf, neuKnopf, loeschKnopf, eigeneLinien_, standardKnopf}) {
    k->setAutoDefault(false);
    befehle->addWidget(k);
  }
  connect(erstellenKnopf, &QPushButton::clicked, this, &TSchraffuren::erstellen);
  connect(neuKnopf, &QPushButton::clicked, this, &TSchraffuren::neuAusAktueller);
  connect(loeschKnopf, &QPushButton::clicked, this, &TSchraffuren::loeschen);
  connect(standardKnopf, &QPushButton::clicked, this, &TSchraffuren::alsStandard);
  connect(eigeneLinien_, &QPushButton::clicked, this, [this] {
    if (!eigeneLinienOeffnen_) return;
    eigeneLinienOeffnen_();
    vorschauErneuern();
  });
  lage->addLayout(befehle);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lage->addWidget(knoepfe);

  connect(namen_, &QComboBox::currentTextChanged, this, &TSchraffuren::nameGewaehlt);
  namenFuellen(aktuell);
}

void TSchraffuren::namenFuellen(const std::string& waehlen) {
  {
    QSignalBlocker sperre(namen_);
    namen_->clear();
    for (const std::string& n : bibliothek_.namen()) namen_->addItem(qtext(n));
    int index = namen_->findText(qtext(waehlen));
    if (index < 0) index = namen_->findText(qtext(ErsatzSchraffur));
    namen_->setCurrentIndex(std::max(index, 0));
  }
  nameGewaehlt(namen_->currentText());
}

void TSchraffuren::nameGewaehlt(const QString& name) {
  name_ = name.toStdString();
  const std::optional<Schraffurdefinition> d = bibliothek_.lies(name_);
  zeige(d ? *d : vorgabeSchraffur(name_));
}

void TSchraffuren::zeige(const Schraffurdefinition& d) {
  setzt_ = true;
  massstab_->setChecked(d.scaleDependent != 0);
  for (int m = 0; m < Schraffurdefinition::Musteranzahl; ++m) {
    const Schraffurmuster& muster = d.muster[static_cast<std::size_t>(m)];
    richtungen_[static_cast<std::size_t>(m)]->setCurrentText(QString::number(muster.direction));
    for (int l = 0; l < Schraffurmuster::Linienanzahl; ++l) {
      const Schraffurlinie& li = muster.linien[static_cast<std::size_t>(l)];
      const Linienfelder& f = linie(m, l);
      f.aktiv->setChecked(li.active != 0);
      f.abstand->setValue(li.distance);
      f.art->setValue(li.style);
      f.stift->setValue(li.pen);
    }
  }
  setzt_ = false;
  vorschauErneuern();
}

Schraffurdefinition TSchraffuren::definition() const {
  Schraffurdefinition d;
  d.name = name_;
  d.scaleDependent = massstab_->isChecked() ? 1 : 0;
  for (int m = 0; m < Schraffurdefinition::Musteranzahl; ++m) {
    Schraffurmuster& muster = d.muster[static_cast<std::size_t>(m)];
    bool zahl = false;
    const int richtung = richtungen_[static_cast<std::size_t>(m)]->currentText().trimmed().toInt(&zahl);
    muster.direction = zahl ? richtung : 0;
    for (int l = 0; l < Schraffurmuster::Linienanzahl; ++l) {
      Schraffurlinie& li = muster.linien[static_cast<std::size_t>(l)];
      const Linienfelder& f = linie(m, l);
      li.active = f.aktiv->isChecked() ? 1 : 0;
      li.distance = f.abstand->value();
      li.style = static_cast<std::uint8_t>(f.art->value());
      li.pen = static_cast<std::uint8_t>(f.stift->value());
    }
  }
  return d;
}

void TSchraffuren::vorschauErneuern() {
  if (setzt_) return;
  vorschau_->setzeDefinition(definition(), kombiniert_->isChecked() ? -1 : reiter_->currentIndex());
}

std::optional<std::string> TSchraffuren::neuerName() {
  const std::optional<std::string> name = benutzer_.eingabe(kNeuTitel, kNeuFrage, "");
  if (!name || name->empty()) return std::nullopt;
  if (!gueltigerSchraffurname(*name)) {
    benutzer_.meldung(kUngueltigerName, Meldungsart::Warnung);
    return std::nullopt;
  }
  if (namen_->findText(qtext(*name)) >= 0) {
    benutzer_.meldung(kNameVergeben, Meldungsart::Warnung);
    return std::nullopt;
  }
  return name;
}

void TSchraffuren::erstellen() {
  const std::optional<std::string> name = neuerName();
  if (!name) return;
  if (!bibliothek_.speichere(vorgabeSchraffur(*name))) return;
  namenFuellen(*name);
}

void TSchraffuren::neuAusAktueller() {
  const std::optional<std::string> name = neuerName();
  if (!name) return;
  Schraffurdefinition d = definition();
  d.name = *name;
  if (!bibliothek_.speichere(d)) return;
  namenFuellen(*name);
}

void TSchraffuren::loeschen() {
  if (standardSchraffurNummer(name_) != 0) {
    benutzer_.meldung(MeldungStandardNichtLoeschbar, Meldungsart::Warnung);
    return;
  }
  if (!benutzer_.jaNein(kLoeschfrage)) return;
  bibliothek_.loesche(name_);
  namenFuellen(std::string(ErsatzSchraffur));
}

bool TSchraffuren::alsStandard() {
  std::string fehler;
  if (bibliothek_.speichere(definition(), &fehler)) return true;
  benutzer_.meldung(fehler.empty() ? "Die Schraffur konnte nicht gespeichert werden." : fehler, Meldungsart::Fehler);
  return false;
}

void TSchraffuren::accept() {
  // The built-in hatches live in the code; a changed one is stored as the
  // user's file of the same name, which then takes precedence.
  if (definition() != bibliothek_.lies(name_).value_or(Schraffurdefinition{}) && !alsStandard()) return;
  QDialog::accept();
}

void TSchraffuren::setzeEigeneLinien(std::function<void()> oeffnen) {
  eigeneLinienOeffnen_ = std::move(oeffnen);
  eigeneLinien_->setEnabled(static_cast<bool>(eigeneLinienOeffnen_));
}

void TSchraffuren::setzeMitSchraffur(bool an) {
  mitSchraffur_->setChecked(an);
}

bool TSchraffuren::mitSchraffur() const {
  return mitSchraffur_->isChecked();
}

}  // namespace quarzel
