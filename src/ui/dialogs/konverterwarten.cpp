#include "ui/dialogs/konverterwarten.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace quarzel {

Konverterwarten::Konverterwarten(QWidget* eltern, const QString& text)
    : dialog_(std::make_unique<QProgressDialog>(text, QStringLiteral("Abbrechen"), 0, 0, eltern)) {
  dialog_->setWindowTitle(QStringLiteral("DWG-Import"));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(0);
  dialog_->show();
  QCoreApplication::processEvents();
}

Konverterwarten::~Konverterwarten() = default;

std::function<bool()> Konverterwarten::abbruch() {
  return [this] {
    QCoreApplication::processEvents();
    return dialog_->wasCanceled();
  };
}

}  // namespace quarzel
