#include "ui/window/stuecklistenbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <utility>

#include "ui/dialogs/stuecklistendialog.h"
#include "ui/window/sitzung.h"

namespace quarzel {

Stuecklistenbefehle::Stuecklistenbefehle(Fensteranschluss fenster, QMenu& symbole,
                                         std::function<void(const QString&)> statusmeldung)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), statusmeldung_(std::move(statusmeldung)) {
  symbole.addSeparator();
  QAction* aktion = symbole.addAction(QStringLiteral("St&ückliste..."));
  aktion->setObjectName(QStringLiteral("Stueckliste1"));
  connect(aktion, &QAction::triggered, this, &Stuecklistenbefehle::stueckliste);
}

TStueckliste* Stuecklistenbefehle::stueckliste() {
  if (!offen_) {
    Sitzung& s = fenster_.sitzung;
    offen_ = new TStueckliste(s.zeichnung, s.benutzer, statusmeldung_, &fenster_.fenster);
    offen_->setAttribute(Qt::WA_DeleteOnClose);
  }
  offen_->show();
  offen_->raise();
  offen_->activateWindow();
  return offen_;
}

void Stuecklistenbefehle::zeichnungGewechselt() {
  if (offen_) offen_->zeichnungGewechselt();
}

}  // namespace quarzel
