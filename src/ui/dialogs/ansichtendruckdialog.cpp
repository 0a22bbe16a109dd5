#include "ui/dialogs/ansichtendruckdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "store/ansichtsverwaltung.h"
#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

TAnsichtenDrucken::TAnsichtenDrucken(const Ansichtstabelle& ansichten, QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Ansichten drucken"));
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(new QLabel(QStringLiteral("Zu druckende Ansichten:"), this));
  liste_ = new QListWidget(this);
  for (const Ansichtseintrag& e : ansichtsliste(ansichten)) {
    if (e.slot == 0) continue;
    auto* eintrag = new QListWidgetItem(QString::fromStdString(e.name), liste_);
    eintrag->setFlags(eintrag->flags() | Qt::ItemIsUserCheckable);
    eintrag->setCheckState(Qt::Unchecked);
    eintrag->setData(Qt::UserRole, e.slot);
  }
  spalte->addWidget(liste_);
  spalte->addWidget(okAbbrechenKnoepfe(this));
}

std::vector<int> TAnsichtenDrucken::gewaehlt() const {
  std::vector<int> auswahl;
  for (int i = 0; i < liste_->count(); ++i) {
    const QListWidgetItem* eintrag = liste_->item(i);
    if (eintrag->checkState() == Qt::Checked) auswahl.push_back(eintrag->data(Qt::UserRole).toInt());
  }
  return auswahl;
}

}  // namespace quarzel
