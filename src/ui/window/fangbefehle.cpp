#include "ui/window/fangbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <utility>

#include "ui/dialogs/fangdialog.h"
#include "ui/tools/fangleiste.h"
#include "ui/dialogs/rasterdialog.h"
#include "ui/window/sitzung.h"

namespace quarzel {

Fangbefehle::Fangbefehle(Fensteranschluss fenster, Fangeinstellungen& einstellungen, QMenu& menue)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), e_(einstellungen) {
  leiste_ = new Fangleiste(e_, &fenster_.fenster);
  fenster_.fenster.addToolBar(Qt::TopToolBarArea, leiste_);
  leiste_->InitFangenButtons(fenster_.sitzung.einstellungen.zeichenhilfen);
  connect(leiste_, &Fangleiste::fangGeaendert, this, &Fangbefehle::sichern);
  connect(leiste_, &Fangleiste::darstellungGeaendert, this, [this] {
    sichern();
    fenster_.neuZeichnen();
  });

  menue.addSeparator();
  QAction* fangen = menue.addAction(QStringLiteral("&Fangen..."));
  connect(fangen, &QAction::triggered, this, &Fangbefehle::fangenDialog);
  QAction* raster = menue.addAction(QStringLiteral("&Rastereinstellungen..."));
  connect(raster, &QAction::triggered, this, &Fangbefehle::rasterDialog);
}

void Fangbefehle::fangenDialog() {
  Fangdialog dialog(e_, &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  e_ = dialog.ergebnis();
  // Closing with "&OK" applies the enabling rule of the nine buttons again.
  leiste_->abgleichen();
  sichern();
}

void Fangbefehle::rasterDialog() {
  Zeichnung& z = fenster_.sitzung.zeichnung;
  bool quadratisch = z.optionen.rasterschalter[1] != 0;
  const Rasterwerte vorher = rasterwerte(z.ansicht, quadratisch, fenster_.sitzung.einstellungen.zeichenhilfen, e_);
  Rasterdialog dialog(vorher, z.ansicht.unitFactor, z.massstabInKraft(), &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  uebernimmRasterwerte(dialog.ergebnis(), z.ansicht, quadratisch, fenster_.sitzung.einstellungen.zeichenhilfen, e_,
                       rasterfaktor(true, z.ansicht.unitFactor, z.massstabInKraft()));
  z.optionen.rasterschalter[1] = quadratisch ? 1 : 0;
  z.speicher.setzeModifiziert(true);
  leiste_->abgleichen();
  sichern();
  fenster_.neuZeichnen();
}

void Fangbefehle::sichern() {
  einstellung::Zeichenhilfen& z = fenster_.sitzung.einstellungen.zeichenhilfen;
  schreibeZeichenhilfen(e_, z);
  fenster_.sitzung.konfiguration.speichereAbschnitt(z);
}

}  // namespace quarzel
