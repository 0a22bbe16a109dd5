#include "ui/dialogs/ebeneaktivierendialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/zahlformat.h"
#include "store/ebenen.h"

namespace quarzel {

TEbeneAktivieren::TEbeneAktivieren(const Ebenen& ebenen, int vorgewaehlt, bool markierte,
                                   const einstellung::EbeneAktivieren& wahl, bool nurFrage, QWidget* eltern)
    : QDialog(eltern), markierte_(markierte) {
  setObjectName(QStringLiteral("TEbeneAktivieren"));
  setWindowTitle(QStringLiteral("Ebene aktivieren"));
  auto* haupt = new QVBoxLayout(this);

  liste_ = new QListWidget(this);
  liste_->setObjectName(QStringLiteral("Ebenenliste"));
  for (int e = 1; e <= ebenen.anzahl(); ++e) {
    const double m = ebenen.massstab(e);
    const QString massstab =
        m > 0 ? QStringLiteral("M 1:") + QString::fromStdString(schreibeZahl(m)) : QStringLiteral("Zeichnungsmaßstab");
    liste_->addItem(QStringLiteral("%1  %2  (%3)").arg(e).arg(QString::fromStdString(ebenen.name(e)), massstab));
  }
  waehleEbene(vorgewaehlt);
  connect(liste_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  haupt->addWidget(liste_, 1);
  liste_->setVisible(!nurFrage);

  frage_ =
      new QGroupBox(QStringLiteral("Sollen die markierten Objekte auf die aktivierte Ebene übertragen werden?"), this);
  frage_->setObjectName(QStringLiteral("Objekttransfer"));
  frage_->setCheckable(true);
  frage_->setChecked(markierte && wahl.objekttransfer);
  frage_->setEnabled(markierte);
  auto* optionen = new QVBoxLayout(frage_);
  skalieren_ = new QCheckBox(QStringLiteral("Objekte auf neuen Ebenenmaßstab skalieren"), frage_);
  skalieren_->setObjectName(QStringLiteral("anpassen"));
  skalieren_->setChecked(wahl.anpassen);
  duplizieren_ = new QCheckBox(QStringLiteral("Objekte duplizieren und nur die Duplikate übertragen"), frage_);
  duplizieren_->setObjectName(QStringLiteral("kopieren"));
  duplizieren_->setChecked(wahl.kopieren);
  optionen->addWidget(skalieren_);
  optionen->addWidget(duplizieren_);
  haupt->addWidget(frage_);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  haupt->addWidget(knoepfe);
}

int TEbeneAktivieren::gewaehlteEbene() const {
  return liste_->currentRow() + 1;
}

void TEbeneAktivieren::waehleEbene(int ebene) {
  if (liste_->count() == 0) return;
  liste_->setCurrentRow(std::clamp(ebene, 1, liste_->count()) - 1);
}

einstellung::EbeneAktivieren TEbeneAktivieren::wahl() const {
  einstellung::EbeneAktivieren w;
  w.objekttransfer = markierte_ && frage_->isChecked();
  w.anpassen = skalieren_->isChecked();
  w.kopieren = duplizieren_->isChecked();
  return w;
}

bool TEbeneAktivieren::uebertragen() const {
  return markierte_ && frage_->isChecked();
}

}  // namespace quarzel
