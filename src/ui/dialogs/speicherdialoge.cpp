#include "ui/dialogs/speicherdialoge.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

namespace {

constexpr int kMsJeMinute = 60000;

}  // namespace

TSpeichereinstellungen::TSpeichereinstellungen(const einstellung::Speichern& abschnitt, QWidget* eltern)
    : QDialog(eltern), ausgang_(abschnitt) {
  setWindowTitle(QStringLiteral("Speichern"));
  auto* spalte = new QVBoxLayout(this);

  auto* auto_ = new QGroupBox(QStringLiteral("Automatisches Speichern"), this);
  auto* gitter = new QGridLayout(auto_);
  automatisch_ = new QCheckBox(QStringLiteral("Automatisch speichern"), auto_);
  automatisch_->setChecked(abschnitt.automatischSpeichern);
  gitter->addWidget(automatisch_, 0, 0, 1, 3);
  minuten_ = new QSpinBox(auto_);
  minuten_->setRange(1, 1440);
  // A damaged interval (0 or less) counts as the default of 10 minutes.
  minuten_->setValue(abschnitt.alle > 0 ? std::clamp((abschnitt.alle + kMsJeMinute / 2) / kMsJeMinute, 1, 1440) : 10);
  gitter->addWidget(new QLabel(QStringLiteral("Alle"), auto_), 1, 0);
  gitter->addWidget(minuten_, 1, 1);
  gitter->addWidget(new QLabel(QStringLiteral("Minuten"), auto_), 1, 2);
  eigenerOrdner_ = new QCheckBox(QStringLiteral("Autosave in eigenes Verzeichnis"), auto_);
  eigenerOrdner_->setChecked(abschnitt.autosaveverzeichnis);
  gitter->addWidget(eigenerOrdner_, 2, 0, 1, 3);
  ordner_ = new QLineEdit(QString::fromStdString(abschnitt.autosavepfad), auto_);
  auto* waehlen = new QPushButton(QStringLiteral("..."), auto_);
  auto* ordnerZeile = new QHBoxLayout;
  ordnerZeile->addWidget(ordner_);
  ordnerZeile->addWidget(waehlen);
  gitter->addLayout(ordnerZeile, 3, 0, 1, 3);
  spalte->addWidget(auto_);

  sicherheitskopie_ = new QCheckBox(QStringLiteral("Sicherheitskopie anlegen (.BAK)"), this);
  sicherheitskopie_->setChecked(abschnitt.sicherheitskopieAnlegen);
  spalte->addWidget(sicherheitskopie_);

  auto freigeben = [this, waehlen] {
    const bool an = automatisch_->isChecked();
    minuten_->setEnabled(an);
    eigenerOrdner_->setEnabled(an);
    ordner_->setEnabled(an && eigenerOrdner_->isChecked());
    waehlen->setEnabled(ordner_->isEnabled());
  };
  connect(automatisch_, &QCheckBox::toggled, this, freigeben);
  connect(eigenerOrdner_, &QCheckBox::toggled, this, freigeben);
  connect(waehlen, &QPushButton::clicked, this, [this] {
    const QString ordner = QFileDialog::getExistingDirectory(this, QStringLiteral("Verzeichnis für Autosave"), ordner_->text());
    if (!ordner.isEmpty()) ordner_->setText(ordner);
  });
  freigeben();
  spalte->addWidget(okAbbrechenKnoepfe(this));
}

einstellung::Speichern TSpeichereinstellungen::abschnitt() const {
  einstellung::Speichern s = ausgang_;
  s.automatischSpeichern = automatisch_->isChecked();
  s.alle = minuten_->value() * kMsJeMinute;
  s.sicherheitskopieAnlegen = sicherheitskopie_->isChecked();
  // A folder of its own without a folder would write nowhere.
  s.autosavepfad = ordner_->text().trimmed().toStdString();
  s.autosaveverzeichnis = eigenerOrdner_->isChecked() && !s.autosavepfad.empty();
  return s;
}

int undoposition(int schritte) {
  for (int p = 3; p >= 1; --p)
    if (schritte <= kUndoschritte[static_cast<std::size_t>(p - 1)]) return p;
  return 1;
}

TUndospeichereinstellung::TUndospeichereinstellung(int schritte, QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Undospeichereinstellung"));
  auto* spalte = new QVBoxLayout(this);
  auto* gruppe = new QGroupBox(QStringLiteral("Anzahl der Undoschritte"), this);
  auto* knoepfe = new QVBoxLayout(gruppe);
  for (std::size_t i = 0; i < knoepfe_.size(); ++i) {
    knoepfe_[i] = new QRadioButton(QString::number(kUndoschritte[i]) + QStringLiteral(" Schritte"), gruppe);
    knoepfe->addWidget(knoepfe_[i]);
  }
  knopf(undoposition(schritte))->setChecked(true);
  spalte->addWidget(gruppe);
  auto* hinweis = new QLabel(QStringLiteral("Weniger Schritte brauchen weniger Speicher."), this);
  hinweis->setWordWrap(true);
  spalte->addWidget(hinweis);
  spalte->addWidget(okAbbrechenKnoepfe(this));
}

int TUndospeichereinstellung::schritte() const {
  for (std::size_t i = 0; i < knoepfe_.size(); ++i)
    if (knoepfe_[i]->isChecked()) return kUndoschritte[i];
  return kUndoschritte[0];
}

}  // namespace quarzel
