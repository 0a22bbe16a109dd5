#include "ui/window/ebenenauswahl.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "store/zeichnung.h"
#include "ui/window/ebenenbefehle.h"

namespace quarzel {

namespace {

QString eintrag(int nummer, const std::string& name) {
  return QStringLiteral("%1 %2").arg(nummer).arg(QString::fromStdString(name));
}

}  // namespace

Ebenenauswahl::Ebenenauswahl(Ebenenbefehle& befehle, QWidget* eltern) : QWidget(eltern), befehle_(befehle) {
  setObjectName(QStringLiteral("Ebenenauswahl"));
  auto* reihe = new QHBoxLayout(this);
  reihe->setContentsMargins(2, 0, 2, 0);
  reihe->addWidget(new QLabel(QStringLiteral("Ebene:"), this));
  ebenen_ = new QComboBox(this);
  ebenen_->setObjectName(QStringLiteral("Ebenenwahl"));
  ebenen_->setMinimumContentsLength(16);
  ebenen_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ebenen_->setToolTip(QStringLiteral("Aktive Ebene"));
  reihe->addWidget(ebenen_);
  reihe->addWidget(new QLabel(QStringLiteral("Unterebene:"), this));
  folien_ = new QComboBox(this);
  folien_->setObjectName(QStringLiteral("Unterebenenwahl"));
  folien_->setMinimumContentsLength(16);
  folien_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  folien_->setToolTip(QStringLiteral("Aktive Unterebene"));
  reihe->addWidget(folien_);

  // activated, not currentIndexChanged: only the user's choice is a command.
  connect(ebenen_, &QComboBox::activated, this, [this](int index) { befehle_.aktiviereEbene(index + 1); });
  connect(folien_, &QComboBox::activated, this,
          [this](int index) { befehle_.aktiviereUnterebene(befehle_.zeichnung().ebenen.aktiveEbene(), index + 1); });
  connect(&befehle_, &Ebenenbefehle::ebenenGeaendert, this, &Ebenenauswahl::aktualisieren);
  aktualisieren();
}

void Ebenenauswahl::aktualisieren() {
  const Ebenen& e = befehle_.zeichnung().ebenen;
  const QSignalBlocker sperre1(ebenen_);
  const QSignalBlocker sperre2(folien_);
  ebenen_->clear();
  for (int n = 1; n <= e.anzahl(); ++n) ebenen_->addItem(eintrag(n, e.name(n)));
  ebenen_->setCurrentIndex(e.aktiveEbene() - 1);
  folien_->clear();
  const int aktiv = e.aktiveEbene();
  for (int f = 1; f <= e.folienanzahl(aktiv); ++f) folien_->addItem(eintrag(f, e.folienname(aktiv, f)));
  folien_->setCurrentIndex(e.aktiveFolie() - 1);
}

}  // namespace quarzel
