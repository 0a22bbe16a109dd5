#include "ui/window/projektbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <utility>

#include "project/projektbearbeitung.h"
#include "ui/dialogs/projektdatendialog.h"
#include "ui/window/sitzung.h"

namespace quarzel {

Projektbefehle::Projektbefehle(Fensteranschluss fenster, QMenu& datei, QAction* vor, std::function<void()> befehlsstand)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), befehlsstand_(std::move(befehlsstand)) {
  auto* aktion = new QAction(QStringLiteral("Zeichnungsinformationen..."), &fenster_.fenster);
  datei.insertAction(vor, aktion);
  connect(aktion, &QAction::triggered, this, &Projektbefehle::zeichnungsinformationen);
}

TProjektdaten* Projektbefehle::zeichnungsinformationen() {
  const std::string heute = heutigesDatum();
  auto* dialog = new TProjektdaten(fenster_.sitzung.zeichnung, heute, &fenster_.fenster);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog, heute] {
    if (!uebernimmProjekteingaben(fenster_.sitzung.zeichnung, dialog->eingaben(), heute)) return;
    if (befehlsstand_) befehlsstand_();
    fenster_.neuZeichnen();
  });
  dialog->open();
  return dialog;
}

}  // namespace quarzel
