#include "ui/qt/teingabefenster.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarzel {

TEingabefenster::TEingabefenster(const QString& titel, const QString& frage, const QString& vorgabe,
                                 const QString& feldname, QWidget* eltern)
    : QDialog(eltern) {
  setWindowTitle(titel);
  auto* spalte = new QVBoxLayout(this);
  auto* fragetext = new QLabel(frage, this);
  fragetext->setWordWrap(true);
  spalte->addWidget(fragetext);

  auto* zeile = new QHBoxLayout;
  feld_ = new QLineEdit(vorgabe, this);
  feld_->setObjectName(QStringLiteral("Eingabe"));
  feld_->selectAll();
  if (!feldname.isEmpty()) {
    auto* name = new QLabel(feldname, this);
    name->setBuddy(feld_);
    zeile->addWidget(name);
  }
  zeile->addWidget(feld_, 1);
  spalte->addLayout(zeile);

  auto* knoepfe = new QDialogButtonBox(this);
  knoepfe->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  knoepfe->addButton(QStringLiteral("A&bbrechen"), QDialogButtonBox::RejectRole);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  spalte->addWidget(knoepfe);
  setMinimumWidth(320);
}

QString TEingabefenster::text() const {
  return feld_->text();
}

}  // namespace quarzel
