#include "ui/dialogs/unterebenendialoge.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "store/ebenen.h"

namespace quarzel {

namespace {

QDialogButtonBox* okAbbrechen(QDialog* dialog) {
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return knoepfe;
}

}  // namespace

TFolieneu::TFolieneu(const QString& vorschlag, QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("TFolieneu"));
  setWindowTitle(QStringLiteral("Neue Unterebene erstellen"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(QStringLiteral("Bezeichnung"), this));
  feld_ = new QLineEdit(vorschlag, this);
  feld_->setObjectName(QStringLiteral("Bezeichnung"));
  feld_->setMaxLength(200);
  feld_->selectAll();
  haupt->addWidget(feld_);
  haupt->addWidget(okAbbrechen(this));
}

std::string TFolieneu::bezeichnung() const {
  return feld_->text().trimmed().toStdString();
}

TFolieAktivieren::TFolieAktivieren(const Ebenen& ebenen, int ebene, int vorgewaehlt, QWidget* eltern)
    : QDialog(eltern) {
  setObjectName(QStringLiteral("TFolieAktivieren"));
  setWindowTitle(QStringLiteral("Unterebene aktivieren"));
  auto* haupt = new QVBoxLayout(this);
  liste_ = new QListWidget(this);
  liste_->setObjectName(QStringLiteral("Unterebenenliste"));
  for (int f = 1; f <= ebenen.folienanzahl(ebene); ++f)
    liste_->addItem(QStringLiteral("%1  %2").arg(f).arg(QString::fromStdString(ebenen.folienname(ebene, f))));
  if (liste_->count() > 0) liste_->setCurrentRow(std::clamp(vorgewaehlt, 1, liste_->count()) - 1);
  connect(liste_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  haupt->addWidget(liste_, 1);
  haupt->addWidget(okAbbrechen(this));
}

int TFolieAktivieren::gewaehlteFolie() const {
  return liste_->currentRow() + 1;
}

}  // namespace quarzel
