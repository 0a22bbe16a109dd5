#include "ui/window/fangbefehle.h"

#include <QAction>
#include <QMenu>

#include "ui/dialogs/fangdialog.h"
#include "ui/tools/fangleiste.h"
#include "ui/dialogs/rasterdialog.h"
#include "ui/window/tfenster.h"

namespace quarzel {

Fangbefehle::Fangbefehle(TFenster& fenster, Fangeinstellungen& einstellungen, QMenu& menue)
    : QObject(&fenster), fenster_(fenster), e_(einstellungen) {
  leiste_ = new Fangleiste(e_, &fenster);
  fenster.addToolBar(Qt::TopToolBarArea, leiste_);
  leiste_->InitFangenButtons(fenster.einstellungen().zeichenhilfen);
  connect(leiste_, &Fangleiste::fangGeaendert, this, &Fangbefehle::sichern);
  connect(leiste_, &Fangleiste::darstellungGeaendert, this, [this] {
    sichern();
    fenster_.Figurzeichnen();
  });

  menue.addSeparator();
  QAction* fangen = menue.addAction(QStringLiteral("&Fangen..."));
  connect(fangen, &QAction::triggered, this, &Fangbefehle::fangenDialog);
  QAction* raster = menue.addAction(QStringLiteral("&Rastereinstellungen..."));
  connect(raster, &QAction::triggered, this, &Fangbefehle::rasterDialog);
}

void Fangbefehle::fangenDialog() {
  Fangdialog dialog(e_, &fenster_);
  if (dialog.exec() != QDialog::Accepted) return;
  e_ = dialog.ergebnis();
  // Closing with "&OK" applies the enabling rule of the nine buttons again.
  leiste_->abgleichen();
  sichern();
}

void Fangbefehle::rasterDialog() {
  Zeichnung& z = fenster_.zeichnung();
  bool quadratisch = z.optionen.rasterschalter[1] != 0;
  const Rasterwerte vorher = rasterwerte(z.ansicht, quadratisch, fenster_.einstellungen().zeichenhilfen, e_);
  Rasterdialog dialog(vorher, z.ansicht.unitFactor, z.massstabInKraft(), &fenster_);
  if (dialog.exec() != QDialog::Accepted) return;
  uebernimmRasterwerte(dialog.ergebnis(), z.ansicht, quadratisch, fenster_.einstellungen().zeichenhilfen, e_,
                       rasterfaktor(true, z.ansicht.unitFactor, z.massstabInKraft()));
  z.optionen.rasterschalter[1] = quadratisch ? 1 : 0;
  z.speicher.setzeModifiziert(true);
  leiste_->abgleichen();
  sichern();
  fenster_.Figurzeichnen();
}

void Fangbefehle::sichern() {
  einstellung::Zeichenhilfen& z = fenster_.einstellungen().zeichenhilfen;
  schreibeZeichenhilfen(e_, z);
  Einstellungsdatei datei = fenster_.konfiguration().openSettings();
  z.schreibe(datei.ini());
  datei.speichern();
}

}  // namespace quarzel
