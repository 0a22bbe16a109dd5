#include "ui/dialogs/dialogknoepfe.h"

#include <QPushButton>

namespace quarzel {

QDialogButtonBox* okAbbrechenKnoepfe(QDialog* dialog, const QString& ok) {
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  knoepfe->button(QDialogButtonBox::Ok)->setText(ok);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return knoepfe;
}

}  // namespace quarzel
